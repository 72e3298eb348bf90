#!/usr/bin/env python3
"""Draws art/storymap.svg, the map of PuzzleLand, from the roads of data/mappath.dat.

The roads come from the data file square by square, so the picture and the map the game
walks can never disagree; the scenery around them is placed by hand below. Every scenery
item is checked against the road squares, and the road colour is used for road only.

    python3 tools/make_storymap.py            (from the repository root)
"""

import math
import os
import random
import sys

COLS, ROWS, CELL = 21, 16, 20
W, H = COLS * CELL, ROWS * CELL

# Palette. ROAD is the one colour the game's tests look for: nothing else may use it.
ROAD = "#E8C77A"
ROAD_LIGHT = "#F7E2AC"
ROAD_SHADE = "#CFA550"
ROAD_SEAM = "#D4AE5E"
OUTLINE = "#2B1B3D"
GRASS = "#6CC24A"
GRASS_LIGHT = "#8ED86A"
GRASS_DARK = "#4FA83A"
WATER = "#3D8FD6"
FOAM = "#D6EEFF"
STONE = "#9AA3AD"
STONE_DARK = "#747D88"
SNOW = "#FFFFFF"
TRUNK = "#8B5A2B"
LEAF = "#2F9E44"
LEAF_LIGHT = "#6FD35A"
PINE = "#23804F"
WALL = "#F3F0FF"
RED, GOLD, VIOLET, TEAL, ORANGE = "#FF5A5F", "#FFB400", "#8E5CF7", "#00B3A4", "#FF7A1A"
SOIL = "#9C5B2E"
CROP = "#B5E36A"
FLOWERS = ["#FF5A5F", "#FFFFFF", "#FFB400", "#8E5CF7"]


# ---- The map file -----------------------------------------------------------------------

def read_fields(text):
    """Comma- or line-separated fields; a field in double quotes may hold commas."""
    fields, i, n = [], 0, len(text)
    while i < n:
        while i < n and text[i] in " \t\r\n":
            i += 1
        if i >= n:
            break
        if text[i] == '"':
            j = text.find('"', i + 1)
            j = n if j < 0 else j
            fields.append(text[i + 1:j])
            i = j + 1
            while i < n and text[i] not in ",\r\n":
                i += 1
        else:
            j = i
            while j < n and text[j] not in ",\r\n":
                j += 1
            fields.append(text[i:j].strip())
            i = j
        if i < n and text[i] == ",":
            i += 1
    return fields


def read_map(path):
    with open(path, newline="") as f:
        text = f.read()
    lines = text.replace("\r\n", "\n").replace("\r", "\n").split("\n")
    if len(lines) < ROWS:
        sys.exit("mappath.dat: fewer than %d map lines" % ROWS)
    grid = {}
    for r in range(1, ROWS + 1):
        line = (lines[r - 1] + " " * 27)[:COLS]
        for c in range(1, COLS + 1):
            ch = line[c - 1]
            grid[(c, r)] = " *X@".index(ch) if ch in " *X@" else 8
    fields = read_fields("\n".join(lines[ROWS:]))
    if len(fields) < 55:
        sys.exit("mappath.dat: fewer than eleven records")
    # Every record's anchor is a plain path square, whatever its map line says.
    for i in range(11):
        col, row = fields[5 * i:5 * i + 2]
        grid[(int(round(float(col))), int(round(float(row))))] = 1
    return grid


# ---- Shapes -----------------------------------------------------------------------------

def f(v):
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def cell_rect(c, r):
    return (c - 1) * CELL, (r - 1) * CELL, c * CELL, r * CELL


def outline_loops(cells):
    """Boundary loops of a set of squares, corners only, travelling with the inside on the right."""
    edges = {}
    def add(a, b):
        assert a not in edges, "squares touching only at a corner at %s" % (a,)
        edges[a] = b
    for (c, r) in cells:
        x0, y0, x1, y1 = cell_rect(c, r)
        if (c, r - 1) not in cells:
            add((x0, y0), (x1, y0))
        if (c + 1, r) not in cells:
            add((x1, y0), (x1, y1))
        if (c, r + 1) not in cells:
            add((x1, y1), (x0, y1))
        if (c - 1, r) not in cells:
            add((x0, y1), (x0, y0))
    loops = []
    while edges:
        start = next(iter(edges))
        loop, p = [], start
        while True:
            loop.append(p)
            q = edges.pop(p)
            p = q
            if p == start:
                break
        # keep corners only
        corners = []
        for k in range(len(loop)):
            a, b, c_ = loop[k - 1], loop[k], loop[(k + 1) % len(loop)]
            if (b[0] - a[0]) * (c_[1] - b[1]) - (b[1] - a[1]) * (c_[0] - b[0]) != 0:
                corners.append(b)
        loops.append(corners)
    return loops


def inset(corners, m):
    """Moves every edge of a right-angled loop m pixels inwards (outwards when m < 0)."""
    out = []
    n = len(corners)
    for k in range(n):
        a, b, c = corners[k - 1], corners[k], corners[(k + 1) % n]
        d1 = (sign(b[0] - a[0]), sign(b[1] - a[1]))
        d2 = (sign(c[0] - b[0]), sign(c[1] - b[1]))
        n1 = (-d1[1], d1[0])
        n2 = (-d2[1], d2[0])
        out.append((b[0] + m * (n1[0] + n2[0]), b[1] + m * (n1[1] + n2[1])))
    return out


def sign(v):
    return (v > 0) - (v < 0)


def wobble(points, step, amount, rng):
    """Splits the edges into pieces of about `step` pixels and nudges the inner points sideways."""
    out = []
    n = len(points)
    for k in range(n):
        a, b = points[k], points[(k + 1) % n]
        length = math.hypot(b[0] - a[0], b[1] - a[1])
        pieces = max(1, int(round(length / step)))
        nx, ny = -(b[1] - a[1]) / length, (b[0] - a[0]) / length
        for i in range(pieces):
            t = i / pieces
            x, y = a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t
            if i > 0:
                d = rng.uniform(-amount, amount)
                x, y = x + nx * d, y + ny * d
            out.append((x, y))
    return out


def smooth_path(points):
    """A closed curve through the midpoints of the edges, bent by the corners."""
    n = len(points)
    mids = [((points[k][0] + points[(k + 1) % n][0]) / 2, (points[k][1] + points[(k + 1) % n][1]) / 2)
            for k in range(n)]
    d = "M%s %s" % (f(mids[-1][0]), f(mids[-1][1]))
    for k in range(n):
        d += " Q%s %s %s %s" % (f(points[k][0]), f(points[k][1]), f(mids[k][0]), f(mids[k][1]))
    return d + " Z"


def sample_path(points, per_edge=8):
    """Points along the smoothed curve, for the clearance checks."""
    n = len(points)
    mids = [((points[k][0] + points[(k + 1) % n][0]) / 2, (points[k][1] + points[(k + 1) % n][1]) / 2)
            for k in range(n)]
    out = []
    for k in range(n):
        p0, p1, p2 = mids[k - 1], points[k], mids[k]
        for i in range(per_edge):
            t = i / per_edge
            out.append(((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
                        (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1]))
    return out


# ---- The picture ------------------------------------------------------------------------

class Map:
    def __init__(self, grid):
        self.grid = grid
        self.road = {p for p, code in grid.items() if code != 0}
        self.problems = []

    def is_road(self, c, r):
        return (c, r) in self.road

    def clear_of_road(self, x0, y0, x1, y1, gap=1.5, what="item"):
        """Scenery stays off the road squares, with a little grass between."""
        for (c, r) in self.road:
            rx0, ry0, rx1, ry1 = cell_rect(c, r)
            if x0 < rx1 + gap and x1 > rx0 - gap and y0 < ry1 + gap and y1 > ry0 - gap:
                self.problems.append("%s at (%s, %s)-(%s, %s) touches road square (%d, %d)"
                                     % (what, f(x0), f(y0), f(x1), f(y1), c, r))
                return


def blob(m, cells, margin, fill, rng, step=14, amount=1.5, gap=0.5, what="blob"):
    out = []
    for loop in outline_loops(cells):
        pts = wobble(inset(loop, margin), step, amount, rng)
        for (x, y) in sample_path(pts):
            m.clear_of_road(x - 1, y - 1, x + 1, y + 1, gap=gap, what=what)
        out.append('<path d="%s" fill="%s" stroke="%s" stroke-width="2" stroke-linejoin="round"/>'
                   % (smooth_path(pts), fill, OUTLINE))
    return "\n".join(out)


def tree(m, x, y, s=1.0):
    r = 6.2 * s
    m.clear_of_road(x - r - 1, y - r - 1, x + r + 1, y + r + 4 * s + 1, what="tree")
    return ('<g><rect x="%s" y="%s" width="%s" height="%s" rx="1" fill="%s" stroke="%s" stroke-width="1.2"/>'
            '<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="1.5"/>'
            '<circle cx="%s" cy="%s" r="%s" fill="%s"/></g>'
            % (f(x - 1.6 * s), f(y + 2 * s), f(3.2 * s), f(4 * s), TRUNK, OUTLINE,
               f(x), f(y - 0.5 * s), f(r), LEAF, OUTLINE,
               f(x - 2 * s), f(y - 2.6 * s), f(2.2 * s), LEAF_LIGHT))


def pine(m, x, y, s=1.0):
    m.clear_of_road(x - 6 * s - 1, y - 9 * s - 1, x + 6 * s + 1, y + 7 * s + 1, what="pine")
    return ('<g stroke="%s" stroke-width="1.3" stroke-linejoin="round">'
            '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
            '<path d="M%s %s L%s %s L%s %s Z" fill="%s"/>'
            '<path d="M%s %s L%s %s L%s %s Z" fill="%s" stroke="none"/></g>'
            % (OUTLINE, f(x - 1.3 * s), f(y + 3 * s), f(2.6 * s), f(3.5 * s), TRUNK,
               f(x), f(y - 9 * s), f(x + 6 * s), f(y + 3.5 * s), f(x - 6 * s), f(y + 3.5 * s), PINE,
               f(x), f(y - 7 * s), f(x - 1 * s), f(y + 1.5 * s), f(x - 4.2 * s), f(y + 2.2 * s), "#3FA869"))


def house(m, x, y, w, h, roof, door=OUTLINE):
    """A little house whose wall's top-left corner is (x, y); the roof sits above it."""
    rh = h * 0.75
    m.clear_of_road(x - 2.5, y - rh - 1, x + w + 2.5, y + h + 1, what="house")
    return ('<g stroke="%s" stroke-width="1.4" stroke-linejoin="round">'
            '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
            '<rect x="%s" y="%s" width="%s" height="%s" fill="%s" stroke="none"/>'
            '<path d="M%s %s L%s %s L%s %s Z" fill="%s"/>'
            '<rect x="%s" y="%s" width="%s" height="%s" fill="%s" stroke="none"/></g>'
            % (OUTLINE, f(x), f(y), f(w), f(h), WALL,
               f(x + w * 0.62), f(y + 1), f(w * 0.38 - 0.7), f(h - 1.7), "#D9D3F2",
               f(x - 2), f(y + 0.5), f(x + w / 2), f(y - rh), f(x + w + 2), f(y + 0.5), roof,
               f(x + w / 2 - 1.5), f(y + h - 4.5), f(3), f(4.5), door))


def mountain(m, x, y, w, h):
    """A stony peak with a snow cap; (x, y) is the foot's left end."""
    m.clear_of_road(x, y - h - 1, x + w, y + 1, what="mountain")
    px = x + w / 2
    cap = 0.38
    return ('<g stroke="%s" stroke-width="1.6" stroke-linejoin="round">'
            '<path d="M%s %s L%s %s L%s %s Z" fill="%s"/>'
            '<path d="M%s %s L%s %s L%s %s Z" fill="%s" stroke="none"/>'
            '<path d="M%s %s L%s %s L%s %s L%s %s L%s %s L%s %s Z" fill="%s"/></g>'
            % (OUTLINE,
               f(x), f(y), f(px), f(y - h), f(x + w), f(y), STONE,
               f(px), f(y - h), f(x + w), f(y), f(px + w * 0.1), f(y), STONE_DARK,
               f(px), f(y - h), f(px + w / 2 * cap), f(y - h * (1 - cap)), f(px + w * 0.08), f(y - h * (1 - cap) + 3),
               f(px - w * 0.05), f(y - h * (1 - cap) - 1), f(px - w * 0.12), f(y - h * (1 - cap) + 2.5),
               f(px - w / 2 * cap), f(y - h * (1 - cap)), SNOW))


def hill(m, x0, y, x1, h, fill=GRASS_DARK):
    """A soft green mound standing on the line y between x0 and x1."""
    m.clear_of_road(x0, y - h - 1, x1, y + 1, what="hill")
    w = x1 - x0
    return ('<path d="M%s %s C%s %s %s %s %s %s Z" fill="%s" stroke="%s" stroke-width="1.6"/>'
            '<path d="M%s %s Q%s %s %s %s" fill="none" stroke="%s" stroke-width="2" stroke-linecap="round"/>'
            % (f(x0), f(y), f(x0 + w * 0.15), f(y - h * 1.3), f(x1 - w * 0.15), f(y - h * 1.3), f(x1), f(y),
               fill, OUTLINE,
               f(x0 + w * 0.25), f(y - h * 0.55), f(x0 + w * 0.32), f(y - h * 0.85), f(x0 + w * 0.45), f(y - h * 0.93),
               GRASS_LIGHT))


def field(m, x, y, w, h, rows_, horizontal=True):
    """A ploughed field with rows of crops."""
    m.clear_of_road(x, y, x + w, y + h, what="field")
    out = ['<rect x="%s" y="%s" width="%s" height="%s" rx="2" fill="%s" stroke="%s" stroke-width="1.5"/>'
           % (f(x), f(y), f(w), f(h), SOIL, OUTLINE)]
    for i in range(rows_):
        if horizontal:
            yy = y + (i + 0.5) * h / rows_
            out.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="2.2" stroke-linecap="round"/>'
                       % (f(x + 3), f(yy), f(x + w - 3), f(yy), CROP))
        else:
            xx = x + (i + 0.5) * w / rows_
            out.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="2.2" stroke-linecap="round"/>'
                       % (f(xx), f(y + 3), f(xx), f(y + h - 3), CROP))
    return "\n".join(out)


def boat(m, x, y, sail=RED, check=True):
    """A sailing boat floating at (x, y), the middle of its hull's deck."""
    if check:
        m.clear_of_road(x - 7, y - 11, x + 7, y + 4, what="boat")
    return ('<g stroke="%s" stroke-width="1.2" stroke-linejoin="round">'
            '<path d="M%s %s L%s %s L%s %s L%s %s Z" fill="%s"/>'
            '<path d="M%s %s L%s %s L%s %s Z" fill="%s"/></g>'
            % (OUTLINE, f(x - 7), f(y), f(x + 7), f(y), f(x + 4.5), f(y + 4), f(x - 4.5), f(y + 4), TRUNK,
               f(x), f(y - 1), f(x), f(y - 11), f(x + 6), f(y - 1), sail))


def wave(x, y):
    return ('<path d="M%s %s q2 -2.4 4 0 q2 2.4 4 0" fill="none" stroke="%s" stroke-width="1.3" stroke-linecap="round"/>'
            % (f(x - 4), f(y), FOAM))


def flower(x, y, colour):
    return '<circle cx="%s" cy="%s" r="1.3" fill="%s"/>' % (f(x), f(y), colour)


def tuft(x, y):
    return ('<path d="M%s %s l1.2 -3 M%s %s l0 -3.6 M%s %s l-1.2 -3" stroke="%s" stroke-width="1" '
            'stroke-linecap="round" fill="none"/>'
            % (f(x + 0.3), f(y), f(x), f(y), f(x - 0.3), f(y), GRASS_DARK))


def draw_road(m):
    """Road squares in the road colour, edged in the outline colour where they meet grass,
    lit from the top left, with a faint seam between neighbouring squares to count steps by."""
    out = ['<g id="road" shape-rendering="crispEdges">']
    for (c, r) in sorted(m.road):
        x0, y0, _, _ = cell_rect(c, r)
        out.append('<rect x="%d" y="%d" width="20" height="20" fill="%s"/>' % (x0, y0, ROAD))
    for (c, r) in sorted(m.road):
        x0, y0, x1, y1 = cell_rect(c, r)
        left, right = m.is_road(c - 1, r), m.is_road(c + 1, r)
        up, down = m.is_road(c, r - 1), m.is_road(c, r + 1)
        # highlight on the top and left edges, shade on the bottom and right ones
        if not up:
            out.append('<rect x="%d" y="%d" width="20" height="2" fill="%s"/>' % (x0, y0 + 2, ROAD_LIGHT))
        if not left:
            out.append('<rect x="%d" y="%d" width="2" height="20" fill="%s"/>' % (x0 + 2, y0, ROAD_LIGHT))
        if not down:
            out.append('<rect x="%d" y="%d" width="20" height="2" fill="%s"/>' % (x0, y1 - 4, ROAD_SHADE))
        if not right:
            out.append('<rect x="%d" y="%d" width="2" height="20" fill="%s"/>' % (x1 - 4, y0, ROAD_SHADE))
        # seams where the road goes on
        if right:
            out.append('<rect x="%d" y="%d" width="1" height="10" fill="%s"/>' % (x1 - 1, y0 + 5, ROAD_SEAM))
        if down:
            out.append('<rect x="%d" y="%d" width="10" height="1" fill="%s"/>' % (x0 + 5, y1 - 1, ROAD_SEAM))
    for (c, r) in sorted(m.road):
        x0, y0, x1, y1 = cell_rect(c, r)
        left, right = m.is_road(c - 1, r), m.is_road(c + 1, r)
        up, down = m.is_road(c, r - 1), m.is_road(c, r + 1)
        if not up:
            out.append('<rect x="%d" y="%d" width="20" height="2" fill="%s"/>' % (x0, y0, OUTLINE))
        if not down:
            out.append('<rect x="%d" y="%d" width="20" height="2" fill="%s"/>' % (x0, y1 - 2, OUTLINE))
        if not left:
            out.append('<rect x="%d" y="%d" width="2" height="20" fill="%s"/>' % (x0, y0, OUTLINE))
        if not right:
            out.append('<rect x="%d" y="%d" width="2" height="20" fill="%s"/>' % (x1 - 2, y0, OUTLINE))
        # inner corners where the road turns
        for dx, dy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):
            if m.is_road(c + dx, r) and m.is_road(c, r + dy) and not m.is_road(c + dx, r + dy):
                cx = x0 if dx < 0 else x1 - 2
                cy = y0 if dy < 0 else y1 - 2
                out.append('<rect x="%d" y="%d" width="2" height="2" fill="%s"/>' % (cx, cy, OUTLINE))
    out.append("</g>")
    return "\n".join(out)


def draw_marks(m):
    """Round squares carry a red counter, star squares a gold star."""
    out = []
    for (c, r), code in sorted(m.grid.items()):
        cx, cy = (c - 1) * CELL + 10, (r - 1) * CELL + 10
        if code == 2:
            out.append('<circle cx="%d" cy="%d" r="6.3" fill="%s" stroke="%s" stroke-width="1.6"/>'
                       '<circle cx="%s" cy="%s" r="1.7" fill="#FFD0D2"/>'
                       % (cx, cy, RED, OUTLINE, f(cx - 2.6), f(cy - 2.6)))
        elif code == 3:
            pts = []
            for k in range(10):
                a = -math.pi / 2 + k * math.pi / 5
                rad = 8.2 if k % 2 == 0 else 3.6
                pts.append("%s %s" % (f(cx + rad * math.cos(a)), f(cy + 0.6 + rad * math.sin(a))))
            out.append('<path d="M%s Z" fill="%s" stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>'
                       % (" L".join(pts), GOLD, OUTLINE))
    return "\n".join(out)


def land_cells():
    cells = {(c, r) for c in range(2, COLS) for r in range(2, ROWS)}
    return cells - BAY


# The bay in the south-west corner, and the lakes and ponds inside the island.
BAY = {(c, r) for c in range(2, 5) for r in range(13, 16)}


def region(m, seed):
    """The blank squares joined to `seed`, inside the island."""
    land = land_cells()
    todo, seen = [seed], {seed}
    while todo:
        c, r = todo.pop()
        for n in ((c - 1, r), (c + 1, r), (c, r - 1), (c, r + 1)):
            if n in land and n not in m.road and n not in seen:
                seen.add(n)
                todo.append(n)
    return seen


def centre(c, r):
    return (c - 1) * CELL + 10, (r - 1) * CELL + 10


def trees_in(m, cells, s=0.78):
    """One tree per square, centred a little high so its trunk fits; pines and round trees take turns."""
    out = []
    for k, (c, r) in enumerate(cells):
        x, y = centre(c, r)
        out.append(pine(m, x, y + 1.5, s * 0.95) if k % 2 else tree(m, x, y - 1.5, s))
    return out


def meadow(m, rng):
    """Flowers and grass tufts strewn over the open grass of the island."""
    out = []
    land = land_cells()
    for r in range(1, ROWS + 1):
        for c in range(1, COLS + 1):
            if (c, r) in m.road or (c, r) not in land or rng.random() < 0.45:
                continue
            x0, y0, _, _ = cell_rect(c, r)
            x, y = x0 + rng.uniform(5, 15), y0 + rng.uniform(7, 16)
            if rng.random() < 0.4:
                out.append(tuft(x, y))
            else:
                out.append(flower(x, y, FLOWERS[rng.randrange(len(FLOWERS))]))
    return out


def scenery(m, rng):
    s = []
    # the sea with its waves, and the island
    s.append('<rect x="0" y="0" width="%d" height="%d" fill="%s"/>' % (W, H, WATER))
    for (x, y) in [(10, 6), (48, 7), (102, 6), (160, 7), (222, 6), (276, 7), (338, 6), (396, 7),
                   (413, 44), (412, 104), (413, 166), (412, 226), (413, 286),
                   (8, 52), (7, 118), (8, 184), (30, 314), (122, 314), (190, 313),
                   (256, 314), (330, 313), (398, 314), (36, 258), (60, 288), (25, 296)]:
        s.append(wave(x, y))
    s.append(blob(m, land_cells(), -7, GRASS, rng, step=18, amount=2.2, gap=3, what="coast"))
    s += meadow(m, rng)

    # the lake in the east with two boats, and the pond inside the little loop in the north-west
    s.append(blob(m, region(m, (16, 9)), 4, WATER, rng, step=12, amount=1.2, what="lake"))
    s.append('<path d="M292 174 q3 -2.4 6 0 q3 2.4 6 0 M350 171 q3 -2.4 6 0 q3 2.4 6 0 '
             'M352 222 q3 -2.4 6 0 q3 2.4 6 0" fill="none" stroke="%s" stroke-width="1.3" '
             'stroke-linecap="round"/>' % FOAM)
    s.append(boat(m, 360, 258, TEAL))
    s.append(boat(m, 322, 190, RED))
    s.append(blob(m, region(m, (6, 5)), 3.5, WATER, rng, step=10, amount=0.6, what="pond"))
    s.append('<path d="M124 97 q2 -2 4 0 q2 2 4 0" fill="none" stroke="%s" stroke-width="1.2" '
             'stroke-linecap="round"/>' % FOAM)
    # a boat in the south-western bay
    s.append(boat(m, 44, 277, ORANGE, check=False))

    # snowy mountains in the north-east corner
    s.append(mountain(m, 322, 57, 40, 30))
    s.append(mountain(m, 378, 57, 24, 18))
    s.append(mountain(m, 350, 57, 44, 40))

    # hills and woods in the north-east
    s.append(hill(m, 236, 100, 298, 24))
    s.append(hill(m, 224, 137, 292, 26))
    s.append(hill(m, 300, 137, 377, 30))
    for (x, y, k) in [(230, 52, 0), (256, 60, 1), (282, 50, 0), (292, 64, 1), (230, 88, 0),
                      (300, 104, 0), (316, 94, 1), (370, 94, 0), (358, 96, 1), (268, 114, 0),
                      (340, 120, 1), (252, 124, 1)]:
        s.append(pine(m, x, y, 0.9) if k else tree(m, x, y, 0.95))

    # the forest in the north-west
    s += trees_in(m, [(3, 3), (4, 3), (5, 3), (6, 3), (7, 3), (8, 3), (10, 3), (3, 5), (4, 6), (3, 7),
                      (5, 7), (6, 7), (7, 7), (8, 7), (10, 6)])
    s.append(tree(m, 50, 93, 0.9))
    s.append(pine(m, 70, 79, 0.85))
    s.append(tree(m, 170, 66, 0.9))
    s.append(pine(m, 190, 70, 0.8))
    s.append(house(m, 166, 127, 12, 9, TEAL))
    s.append(tree(m, 171, 51, 0.8))

    # farm land in the south-west, with its farmhouse
    s.append(field(m, 43, 163, 36, 32, 4))
    s.append(field(m, 83, 163, 34, 20, 4, horizontal=False))
    s.append(field(m, 43, 200, 36, 17, 3))
    s.append(house(m, 90, 201, 14, 11, RED))
    s.append(tree(m, 111, 196, 0.75))
    s.append(field(m, 104, 224, 34, 30, 4))
    s.append(field(m, 142, 224, 35, 30, 4, horizontal=False))
    s += trees_in(m, [(6, 14), (7, 14), (8, 14), (9, 14)], 0.75)
    s.append(tree(m, 110, 209, 0.7))

    # the village in the south
    for (x, y, w, h, roof) in [(146, 172, 12, 10, TEAL), (166, 175, 11, 9, ORANGE), (186, 171, 12, 10, VIOLET),
                               (222, 170, 12, 10, RED), (240, 183, 12, 10, GOLD), (150, 188, 10, 8, RED),
                               (208, 236, 13, 11, ORANGE), (232, 242, 12, 10, TEAL), (256, 236, 12, 10, VIOLET),
                               (280, 240, 11, 9, RED), (300, 232, 12, 10, GOLD), (214, 264, 11, 9, RED),
                               (240, 265, 12, 9, GOLD), (268, 262, 12, 10, TEAL), (292, 265, 11, 9, VIOLET)]:
        s.append(house(m, x, y, w, h, roof))
    for (x, y) in [(206, 188), (180, 189), (227, 209), (248, 207), (308, 257)]:
        s.append(tree(m, x, y, 0.75))
    return s


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    grid = read_map(os.path.join(root, "data", "mappath.dat"))
    m = Map(grid)
    rng = random.Random(1107)
    parts = scenery(m, rng)
    svg = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">' % (W, H, W, H),
           "<!-- The map of PuzzleLand: written by tools/make_storymap.py from data/mappath.dat; edit those. -->"]
    if m.problems:
        sys.exit("\n".join(m.problems))
    svg += parts
    svg.append(draw_road(m))
    svg.append(draw_marks(m))
    svg.append("</svg>")
    text = "\n".join(svg) + "\n"
    if ROAD.lower() in "\n".join(parts).lower():
        sys.exit("the road colour is kept for the road")
    with open(os.path.join(root, "art", "storymap.svg"), "w") as out:
        out.write(text)


if __name__ == "__main__":
    main()
