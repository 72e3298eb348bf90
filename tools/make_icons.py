#!/usr/bin/env python3
"""Draws the object icons (art/icons.svg) and the secret-square icon strip (art/icosecret.svg).

    tools/make_icons.py            rewrites both files beside this script's repository
    tools/make_icons.py --check    fails when the files in art/ differ from what it would write

The object icons become dot mosaics of 32 x 24 dots, and the game tints every pixel of the two
marker colours at random while it copies every other pixel exactly. So those icons are drawn
pixel by pixel here, with hard edges, and written as pixel-aligned rectangles: Qt's SVG
renderer smooths every curve whatever the painter asks for, and a smoothed edge would blend a
marker into a colour that is neither tinted nor meant. Rectangles on whole pixels come out
exact either way.

The secret-square strip is a smooth picture and is written as plain vector shapes.
"""
import math
import re
import sys
from pathlib import Path

# ---------------------------------------------------------------------------------------------
# Colours

PINK = "#FF80FF"    # marker: the game tints it at random
LEMON = "#FFFF80"   # marker: the game tints it at random
MARKERS = (PINK, LEMON)

INK = "#2B1B3D"     # outline
WHITE = "#FFFFFF"
SKY = "#7EC8F2"
SKY_PALE = "#C9E9FB"
GRASS = "#6CC24A"
GRASS_DARK = "#3E8E2E"
MINT = "#C8EFA8"
ROAD = "#E8C77A"
WATER = "#3D8FD6"
STONE = "#9AA3AD"
STONE_LIGHT = "#D5DAE0"
RED = "#FF5A5F"
GOLD = "#FFB400"
GOLD_LIGHT = "#FFE27A"
GOLD_DARK = "#C07A00"
VIOLET = "#8E5CF7"
NIGHT = "#3B2F6E"
TEAL = "#00B3A4"
ORANGE = "#FF7A1A"
BROWN = "#A0622D"
BROWN_DARK = "#6B3F1D"
CREAM = "#FFF1D0"
BLUSH = "#F7A8B8"

# ---------------------------------------------------------------------------------------------
# Hard-edged pixel shapes for one 32 x 24 icon. Coordinates are on pixel edges (pixel (x, y)
# spans x..x+1); a pixel belongs to a shape when its centre does. A shape is a frozenset of
# pixels, so shapes combine with | (union), & (intersection) and - (difference).

W, H = 32, 24


def _cells(inside):
    return frozenset((x, y) for y in range(H) for x in range(W) if inside(x + 0.5, y + 0.5))


def rect(x, y, w, h):
    return _cells(lambda px, py: x <= px < x + w and y <= py < y + h)


def oval(cx, cy, rx, ry):
    return _cells(lambda px, py: ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1.0)


def disc(cx, cy, r):
    return oval(cx, cy, r, r)


def ring(cx, cy, r, thickness):
    inner = r - thickness
    return disc(cx, cy, r) - (disc(cx, cy, inner) if inner > 0 else frozenset())


def rounded(x, y, w, h, r):
    return (rect(x + r, y, w - 2 * r, h) | rect(x, y + r, w, h - 2 * r)
            | disc(x + r, y + r, r) | disc(x + w - r, y + r, r)
            | disc(x + r, y + h - r, r) | disc(x + w - r, y + h - r, r))


def poly(*pts):
    def inside(px, py):
        hit = False
        for (x0, y0), (x1, y1) in zip(pts, pts[1:] + pts[:1]):
            if (y0 > py) != (y1 > py) and px < x0 + (py - y0) * (x1 - x0) / (y1 - y0):
                hit = not hit
        return hit
    return _cells(inside)


def bar(x0, y0, x1, y1, width):
    """A stroke from (x0, y0) to (x1, y1) with round ends."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1e-9

    def inside(px, py):
        t = max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / length2))
        return math.hypot(px - x0 - t * dx, py - y0 - t * dy) <= width / 2
    return _cells(inside)


def grow(shape):
    """The shape and its four-way neighbours: a one-pixel outline that never doubles up."""
    out = set(shape)
    for x, y in shape:
        for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
            if 0 <= nx < W and 0 <= ny < H:
                out.add((nx, ny))
    return frozenset(out)


class Icon:
    def __init__(self, background):
        self.background = background
        self.px = [[background] * W for _ in range(H)]

    def paint(self, shape, colour, outline=INK):
        """Fills a shape, first ringing it with the outline colour unless outline is None."""
        if outline:
            for x, y in grow(shape) - shape:
                self.px[y][x] = outline
        for x, y in shape:
            self.px[y][x] = colour

    def dots(self, colour, *points):
        for x, y in points:
            if 0 <= x < W and 0 <= y < H:
                self.px[y][x] = colour

    def rectangles(self):
        """Per colour other than the background, the pixels as rectangles (x, y, w, h): runs
        along each row, stacked where the rows below repeat them."""
        open_runs = {}   # (colour, x, w) -> [x, y, w, h] still growing downwards
        done = {}
        for y in range(H + 1):
            runs = set()
            x = 0
            while y < H and x < W:
                colour = self.px[y][x]
                end = x
                while end < W and self.px[y][end] == colour:
                    end += 1
                if colour != self.background:
                    runs.add((colour, x, end - x))
                x = end
            for key in list(open_runs):
                if key in runs:
                    open_runs[key][3] += 1
                    runs.discard(key)
                else:
                    done.setdefault(key[0], []).append(open_runs.pop(key))
            for colour, x, w in runs:
                open_runs[(colour, x, w)] = [x, y, w, 1]
        return {colour: sorted(rs, key=lambda r: (r[1], r[0])) for colour, rs in done.items()}


# ---------------------------------------------------------------------------------------------
# The object icons, in cell order. Each draws onto a fresh icon filled with its background.
# Parts meant to take the random tint are PINK or LEMON; everything else keeps its colour.

ICONS = []


def icon(background):
    def register(draw):
        ICONS.append((draw.__name__, background, draw))
        return draw
    return register


# --- fruit ---

@icon(SKY)
def apple(c):
    c.paint(disc(12, 14, 8) | disc(20, 14, 8), PINK)
    c.paint(bar(16, 2, 16.5, 7, 2), BROWN_DARK, None)
    c.paint(poly((17, 6), (21, 2), (26, 2), (23, 6)), GRASS)
    c.dots(WHITE, (8, 10), (8, 11), (9, 9), (9, 10))


@icon(LEMON)
def pear(c):
    c.paint(disc(16, 16, 7) | disc(16, 9, 4) | poly((12, 9), (20, 9), (23, 16), (9, 16)), GRASS)
    c.paint(bar(16, 1.5, 17, 5, 1.5), BROWN_DARK, None)
    c.paint(poly((18, 4), (22, 1), (25, 2), (21, 5)), GRASS_DARK)
    c.dots(WHITE, (12, 13), (12, 14), (13, 12))


@icon(CREAM)
def cherries(c):
    c.paint(bar(10, 14, 17, 3, 1.5) | bar(22, 15, 17, 3, 1.5), GRASS_DARK, None)
    c.paint(poly((17, 3), (22, 1), (27, 3), (22, 5)), GRASS)
    c.paint(disc(10, 17, 5.5), PINK)
    c.paint(disc(22, 18, 5.5), PINK)
    c.dots(WHITE, (8, 15), (8, 16), (20, 16), (20, 17))


@icon(VIOLET)
def banana(c):
    c.paint(poly((4, 7), (7, 6), (10, 11), (16, 14), (22, 13), (26, 9), (28, 5), (30, 7),
                 (29, 14), (23, 19), (15, 20), (9, 18), (5, 13)), LEMON)
    c.paint(rect(3, 5, 3, 3), BROWN_DARK)
    c.paint(rect(28, 4, 2, 2), BROWN_DARK)
    c.paint(bar(9, 13, 16, 17, 1) | bar(16, 17, 24, 15, 1), GOLD, None)


@icon(MINT)
def strawberry(c):
    c.paint(disc(11, 11, 6) | disc(21, 11, 6) | poly((5, 12), (27, 12), (16, 23)), PINK)
    c.paint(poly((9, 6), (12, 2), (14, 5), (16, 1), (18, 5), (20, 2), (23, 6), (16, 8)), GRASS)
    c.dots(CREAM, (10, 11), (14, 13), (18, 11), (22, 13), (12, 16), (16, 17), (20, 16), (16, 20),
           (8, 13), (24, 10))


@icon(SKY)
def watermelon(c):
    c.paint(disc(16, 5, 14) & rect(0, 5, 32, 19), GRASS)
    c.paint(disc(16, 5, 11.5) & rect(0, 5, 32, 19), PINK, None)
    c.paint(rect(4, 5, 24, 1), PINK, None)
    c.dots(INK, (10, 8), (16, 10), (22, 8), (13, 13), (19, 13), (16, 6), (7, 6), (25, 6))


@icon(CREAM)
def grapes(c):
    for cx, cy in ((10, 8), (16, 8), (22, 8), (13, 13), (19, 13), (16, 18)):
        c.paint(disc(cx, cy, 3.6), PINK)
        c.dots(WHITE, (cx - 2, cy - 2))
    c.paint(bar(16, 1, 17, 4, 1.5), BROWN_DARK, None)
    c.paint(poly((18, 3), (24, 0), (28, 2), (23, 5)), GRASS)


@icon(TEAL)
def lemon(c):
    c.paint(oval(16, 12, 11, 8) | poly((3, 12), (6, 9), (6, 15)) | poly((29, 12), (26, 9), (26, 15)),
            LEMON)
    c.dots(WHITE, (10, 8), (11, 8), (12, 8), (9, 9))


@icon(SKY)
def pineapple(c):
    c.paint(poly((12, 8), (9, 1), (14, 5), (16, 0), (18, 5), (23, 1), (20, 8)), GRASS)
    body = oval(16, 15.5, 7.5, 7.5)
    c.paint(body, LEMON)
    for k in range(-3, 4):
        c.paint((bar(10 + 4 * k, 8, 22 + 4 * k, 23, 1) | bar(22 - 4 * k, 8, 10 - 4 * k, 23, 1)) & body,
                GOLD_DARK, None)


# --- animals ---

@icon(VIOLET)
def cat(c):
    c.paint(oval(16, 14, 11, 8.5) | poly((6, 12), (7, 2), (14, 7)) | poly((26, 12), (25, 2), (18, 7)), PINK)
    c.paint(poly((8, 8), (8.5, 4.5), (11.5, 7)) | poly((24, 8), (23.5, 4.5), (20.5, 7)), BLUSH, None)
    c.paint(oval(11.5, 12.5, 2, 2.5) | oval(20.5, 12.5, 2, 2.5), GRASS)
    c.dots(INK, (11, 12), (11, 13), (20, 12), (20, 13))
    c.paint(poly((14.5, 16), (17.5, 16), (16, 18)), RED, None)
    c.paint(bar(2, 15, 9, 16.5, 1) | bar(2, 19, 9, 18, 1) | bar(23, 16.5, 30, 15, 1) | bar(23, 18, 30, 19, 1),
            INK, None)


@icon(WATER)
def fish(c):
    c.paint(poly((20, 12), (30, 4), (28, 12), (30, 20)), LEMON)
    c.paint(oval(14, 12, 11, 7.5), PINK)
    c.paint(poly((12, 5), (16, 1), (20, 6)), LEMON)
    c.paint(bar(15, 7, 15, 17, 1.4), LEMON, None)
    c.paint(disc(8, 10.5, 2.2), WHITE)
    c.dots(INK, (8, 10), (7, 10))
    c.dots(WHITE, (2, 6), (4, 3), (1, 2))


@icon(SKY)
def bird(c):
    c.paint(poly((24, 11), (31, 7), (30, 14)), PINK)
    c.paint(oval(16, 14, 10, 8), LEMON)
    c.paint(poly((2, 12), (7, 9.5), (7, 14)), ORANGE)
    c.paint(oval(18, 15, 5.5, 3.5), PINK)
    c.dots(INK, (10, 10), (10, 11))
    c.paint(bar(14, 22, 14, 23.5, 1) | bar(19, 22, 19, 23.5, 1), ORANGE, None)


@icon(GRASS)
def snail(c):
    c.paint(poly((2, 21), (4, 16), (9, 14), (28, 16), (30, 21)), CREAM)
    c.paint(bar(6, 15, 4, 5, 1) | bar(8, 15, 9, 5, 1), INK, None)
    c.dots(INK, (3, 4), (4, 4), (9, 4), (10, 4))
    c.paint(disc(18, 11, 8.5), PINK)
    c.paint(disc(18, 11, 5), LEMON)
    c.paint(disc(18.5, 11, 1.8), PINK)


@icon(SKY)
def butterfly(c):
    c.paint(oval(9, 8, 7, 6.5), PINK)
    c.paint(oval(23, 8, 7, 6.5), PINK)
    c.paint(oval(10, 17, 5.5, 5), LEMON)
    c.paint(oval(22, 17, 5.5, 5), LEMON)
    c.paint(rounded(14.5, 4, 3, 17, 1.5), INK, None)
    c.paint(bar(15, 4, 12, 0, 1) | bar(17, 4, 20, 0, 1), INK, None)
    c.paint(disc(8, 8, 2), WHITE)
    c.paint(disc(24, 8, 2), WHITE)


@icon(MINT)
def turtle(c):
    c.paint(oval(27, 14, 3.5, 3) | rect(6, 17, 4, 5) | rect(20, 17, 4, 5) | poly((2, 16), (6, 14), (6, 17)),
            GRASS)
    c.dots(INK, (28, 13))
    c.paint(disc(15, 17, 11) & rect(0, 0, 32, 18), PINK)
    c.paint(rect(4, 17, 23, 2), GRASS_DARK)
    c.paint(poly((11, 9), (19, 9), (21, 14), (9, 14)), LEMON)


@icon(SKY)
def pig(c):
    c.paint(poly((5, 10), (6, 1), (13, 6)) | poly((27, 10), (26, 1), (19, 6)), PINK)
    c.paint(oval(16, 13.5, 11.5, 9), PINK)
    c.paint(oval(16, 16, 5, 3.5), BLUSH)
    c.dots(INK, (14, 15), (14, 16), (17, 15), (17, 16), (10, 10), (10, 11), (21, 10), (21, 11))


@icon(LEMON)
def mouse(c):
    c.paint(bar(26, 18, 30, 10, 1) | bar(30, 10, 27, 5, 1), INK, None)
    c.paint(oval(17, 15.5, 10, 6.5) | poly((3, 17), (10, 10), (12, 21)), STONE)
    c.paint(disc(13, 8, 4.5), STONE)
    c.paint(disc(13, 8, 2.5), BLUSH, None)
    c.dots(INK, (7, 15), (2, 17), (3, 17))
    c.paint(rect(11, 21, 2, 2) | rect(20, 21, 2, 2), STONE)


@icon(WATER)
def duck(c):
    c.paint(rect(0, 20, 32, 4), SKY, None)
    c.paint(poly((26, 11), (31, 8), (29, 16)), LEMON)
    c.paint(oval(18, 16, 11, 5.5), LEMON)
    c.paint(disc(10, 8, 5.5), LEMON)
    c.paint(poly((1, 10), (5, 7.5), (5, 11)), ORANGE)
    c.dots(INK, (9, 6), (9, 7))
    c.paint(oval(20, 15, 5, 2.5), PINK)


@icon(GRASS)
def ladybug(c):
    c.paint(bar(9, 7, 6, 2, 1) | bar(23, 7, 26, 2, 1) | bar(5, 13, 2, 13, 1) | bar(27, 13, 30, 13, 1)
            | bar(6, 18, 3, 21, 1) | bar(26, 18, 29, 21, 1), INK, None)
    c.paint(disc(16, 14, 9.5), PINK)
    c.paint(disc(16, 14, 9.5) & rect(0, 0, 32, 8.5), INK, None)
    c.paint(rect(15.5, 8, 1, 15), INK, None)
    for cx, cy in ((11, 12), (21, 12), (12, 18), (20, 18)):
        c.paint(disc(cx, cy, 1.8), INK, None)
    c.dots(WHITE, (13, 5), (19, 5))


@icon(SKY)
def whale(c):
    c.paint(rect(0, 20, 32, 4), WATER, None)
    c.paint(bar(21, 15, 26, 9, 4) | poly((21, 6), (26, 8), (31, 2), (30, 8), (27, 10), (23, 10)), PINK)
    c.paint(oval(13, 15, 11.5, 6.5), PINK)
    c.paint(oval(12, 19, 9, 2.5) & rect(0, 18.5, 32, 6), LEMON, None)
    c.dots(INK, (6, 13), (6, 14))
    c.paint(bar(10, 7, 10, 4, 1) | bar(10, 4, 7, 1, 1) | bar(10, 4, 13, 1, 1), WHITE, None)


@icon(NIGHT)
def owl(c):
    c.paint(poly((7, 8), (8, 1), (13, 5)) | poly((25, 8), (24, 1), (19, 5)), LEMON)
    c.paint(oval(16, 13.5, 10, 9.5), LEMON)
    c.paint(oval(16, 17, 6, 5.5), PINK)
    c.paint(disc(11.5, 10, 3.8), WHITE)
    c.paint(disc(20.5, 10, 3.8), WHITE)
    c.paint(disc(11.5, 10, 1.6) | disc(20.5, 10, 1.6), INK, None)
    c.paint(poly((14.5, 13), (17.5, 13), (16, 16)), ORANGE, None)
    c.dots(WHITE, (2, 3), (29, 5), (3, 19), (28, 20))


@icon(PINK)
def rabbit(c):
    c.paint(oval(11, 7, 3, 7) | oval(21, 7, 3, 7), WHITE)
    c.paint(oval(11, 7, 1.3, 5), BLUSH, None)
    c.paint(oval(21, 7, 1.3, 5), BLUSH, None)
    c.paint(oval(16, 16, 9, 7), WHITE)
    c.dots(INK, (12, 14), (12, 15), (19, 14), (19, 15))
    c.paint(oval(16, 17.5, 1.5, 1), RED, None)
    c.paint(rect(15.5, 18.5, 1, 2), INK, None)


@icon(WATER)
def frog(c):
    c.paint(oval(16, 23, 15, 2.5), GRASS_DARK, None)
    c.paint(disc(10, 7, 4.5) | disc(22, 7, 4.5), LEMON)
    c.paint(oval(16, 15, 12, 7), LEMON)
    c.paint(disc(10, 7, 2.6) | disc(22, 7, 2.6), WHITE, None)
    c.dots(INK, (10, 7), (10, 6), (22, 7), (22, 6))
    c.paint(bar(9, 16, 14, 18.5, 1) | bar(14, 18.5, 18, 18.5, 1) | bar(18, 18.5, 23, 16, 1), INK, None)
    c.paint(disc(8, 13, 1.2) | disc(24, 13, 1.2), BLUSH, None)


# --- vehicles ---

@icon(SKY)
def car(c):
    c.paint(poly((8, 11), (11, 4), (21, 4), (25, 11)), PINK)
    c.paint(rounded(2, 10, 28, 8, 2.5), PINK)
    c.paint(poly((10, 10), (12, 6), (15.5, 6), (15.5, 10)) | poly((17.5, 6), (20, 6), (23, 10), (17.5, 10)),
            SKY_PALE)
    c.paint(rect(3, 12, 2, 2), GOLD_LIGHT, None)
    c.paint(disc(9, 18, 3.6) | disc(23, 18, 3.6), INK, None)
    c.paint(disc(9, 18, 1.5) | disc(23, 18, 1.5), STONE, None)


@icon(CREAM)
def truck(c):
    c.paint(rect(2, 4, 18, 13), LEMON)
    c.paint(rounded(21, 7, 9, 10, 2), PINK)
    c.paint(rect(24, 9, 4, 3), SKY_PALE)
    c.paint(rect(2, 17, 28, 2), STONE)
    c.paint(disc(8, 19, 3.5) | disc(25, 19, 3.5), INK, None)
    c.paint(disc(8, 19, 1.4) | disc(25, 19, 1.4), STONE, None)
    c.paint(rect(5, 7, 12, 1) | rect(5, 11, 12, 1), GOLD, None)


@icon(MINT)
def bus(c):
    c.paint(rounded(2, 4, 28, 14, 3), LEMON)
    for x in (5, 11, 17):
        c.paint(rect(x, 7, 4, 4), SKY_PALE)
    c.paint(rect(23, 7, 4, 8), SKY_PALE)
    c.paint(rect(3, 13, 19, 1), RED, None)
    c.paint(disc(8, 18, 3.4) | disc(23, 18, 3.4), INK, None)
    c.paint(disc(8, 18, 1.3) | disc(23, 18, 1.3), STONE, None)


@icon(SKY)
def sailboat(c):
    c.paint(rect(0, 19, 32, 5), WATER, None)
    c.paint(rect(15, 2, 1.5, 14), BROWN_DARK, None)
    c.paint(poly((14, 3), (14, 15), (4, 15)), LEMON)
    c.paint(poly((17, 4), (17, 15), (27, 15)), WHITE)
    c.paint(poly((3, 17), (29, 17), (25, 22), (7, 22)), PINK)
    c.paint(poly((16, 0), (21, 1), (16, 2)), RED, None)


@icon(SKY)
def airplane(c):
    c.paint(poly((3, 11), (3, 3), (6, 3), (11, 11)), PINK)
    c.paint(rounded(2, 9, 28, 7, 3.5), PINK)
    c.paint(poly((12, 13), (20, 13), (15, 22), (11, 22)), LEMON)
    c.paint(rect(1, 11, 6, 2), LEMON)
    c.paint(poly((24, 10), (27, 10), (29, 12.5), (24, 12.5)), SKY_PALE, None)
    c.dots(SKY_PALE, (11, 11), (14, 11), (17, 11), (20, 11))
    c.paint(oval(26, 5, 4, 1.5) | oval(5, 20, 3, 1.2), WHITE, None)


@icon(NIGHT)
def rocket(c):
    c.paint(poly((10, 14), (5, 20), (10, 20)) | poly((22, 14), (27, 20), (22, 20)), PINK)
    c.paint(poly((16, 0), (21, 6), (21, 19), (11, 19), (11, 6)), LEMON)
    c.paint(disc(16, 9, 2.6), SKY)
    c.paint(poly((13, 20), (19, 20), (16, 24)), ORANGE)
    c.paint(poly((14.5, 20), (17.5, 20), (16, 22.5)), GOLD_LIGHT, None)
    c.dots(WHITE, (3, 3), (27, 2), (6, 10), (28, 11), (2, 15))


@icon(LEMON)
def bicycle(c):
    c.paint(ring(8, 16, 6.5, 2) | ring(24, 16, 6.5, 2), INK, None)
    c.paint(bar(8, 16, 14, 16, 2) | bar(14, 16, 21, 9, 2) | bar(11, 9, 21, 9, 2) | bar(8, 16, 11, 9, 2)
            | bar(11, 9, 14, 16, 2) | bar(21, 9, 24, 16, 2) | bar(20, 9, 19, 5, 2), RED, None)
    c.paint(rect(8, 6, 5, 2) | rect(18, 4, 4, 2), INK, None)


@icon(SKY)
def train(c):
    c.paint(rect(0, 21, 32, 3), STONE, None)
    c.paint(rect(6, 2, 4, 6), INK, None)
    c.paint(rect(19, 4, 10, 14), PINK)
    c.paint(rect(17, 2, 14, 3), INK, None)
    c.paint(rounded(3, 9, 17, 9, 3), LEMON)
    c.paint(rect(22, 7, 5, 5), SKY_PALE)
    c.paint(poly((1, 18), (4, 14), (4, 19)), RED)
    c.paint(disc(9, 19, 3) | disc(16, 19, 3) | disc(25, 18.5, 3.5), INK, None)
    c.paint(disc(9, 19, 1.2) | disc(16, 19, 1.2) | disc(25, 18.5, 1.4), RED, None)


@icon(SKY)
def balloon(c):
    c.paint(bar(11, 16, 14, 20, 1) | bar(21, 16, 18, 20, 1), INK, None)
    envelope = disc(16, 9, 8.5) | poly((8.5, 11), (23.5, 11), (19, 17), (13, 17))
    c.paint(envelope, PINK)
    c.paint(envelope & (rect(11.5, 0, 3, 24) | rect(17.5, 0, 3, 24)), LEMON, None)
    c.paint(rect(13, 20, 6, 4), BROWN)
    c.paint(oval(28, 4, 3, 1.2) | oval(4, 19, 3, 1.2), WHITE, None)


@icon(LEMON)
def helicopter(c):
    c.paint(bar(6, 2, 26, 2, 2), INK, None)
    c.paint(rect(15.5, 2, 1, 4), INK, None)
    c.paint(bar(2, 12, 12, 12, 3), TEAL)
    c.paint(poly((1, 7), (4, 7), (5, 12), (2, 12)), TEAL)
    c.paint(oval(17, 12, 9, 6.5), TEAL)
    c.paint(oval(21, 11, 4, 3.5) & rect(0, 0, 32, 13), SKY_PALE)
    c.paint(rect(10, 20, 16, 1.5) | rect(13, 18, 1, 2) | rect(21, 18, 1, 2), INK, None)


@icon(WATER)
def submarine(c):
    c.paint(rect(17, 2, 1.5, 6) | rect(17, 2, 4, 1.5), INK, None)
    c.paint(rounded(12, 6, 10, 6, 2), LEMON)
    c.paint(rounded(3, 10, 24, 10, 5), LEMON)
    c.paint(poly((27, 13), (31, 10), (31, 19), (27, 16)), PINK)
    for cx in (9, 15, 21):
        c.paint(disc(cx, 15, 2), SKY_PALE)
    c.dots(WHITE, (4, 5), (6, 2), (2, 3))


# --- toys ---

@icon(CREAM)
def beach_ball(c):
    ball = disc(16, 12, 10.5)
    c.paint(ball, WHITE)
    c.paint(ball & poly((16, 12), (5, 2), (12, 0)), PINK, None)
    c.paint(ball & poly((16, 12), (28, 3), (32, 14)), LEMON, None)
    c.paint(ball & poly((16, 12), (22, 24), (10, 24)), PINK, None)
    c.paint(ball & poly((16, 12), (0, 12), (2, 22)), SKY, None)
    c.paint(disc(16, 12, 2), WHITE)
    c.dots(WHITE, (10, 5), (9, 6))


@icon(SKY)
def kite(c):
    c.paint(bar(16, 18, 12, 20.5, 1) | bar(12, 20.5, 6, 21, 1) | bar(6, 21, 2, 23.5, 1), INK, None)
    for cx, cy in ((12, 20.5), (5.5, 21.5)):
        c.paint(poly((cx - 2, cy - 2), (cx + 2, cy + 2), (cx + 2, cy - 2), (cx - 2, cy + 2)), RED, None)
    kite = poly((16, 0), (25, 8), (16, 19), (7, 8))
    c.paint(kite, PINK)
    c.paint(kite & (rect(16, 0, 16, 8) | rect(0, 8, 16, 16)), LEMON, None)
    c.paint(kite & (rect(15.5, 0, 1, 24) | rect(0, 7.5, 32, 1)), BROWN_DARK, None)


@icon(PINK)
def teddy(c):
    c.paint(disc(9, 5, 3.5) | disc(23, 5, 3.5), BROWN)
    c.paint(disc(9, 5, 1.6) | disc(23, 5, 1.6), ROAD, None)
    c.paint(oval(16, 20, 9, 5), BROWN)
    c.paint(oval(16, 11, 8.5, 7.5), BROWN)
    c.paint(oval(16, 14, 4, 3), ROAD)
    c.dots(INK, (15, 13), (16, 13), (12, 9), (12, 10), (19, 9), (19, 10))
    c.paint(poly((11, 18), (16, 19.5), (21, 18), (21, 21), (16, 19.5), (11, 21)), RED)


@icon(MINT)
def spinning_top(c):
    c.paint(rect(15, 0, 2, 4), BROWN_DARK)
    top = poly((4, 9), (8, 5), (24, 5), (28, 9), (16, 22))
    c.paint(top, PINK)
    c.paint(top & (rect(0, 8, 32, 3) | rect(0, 14, 32, 2)), LEMON, None)
    c.paint(rect(15, 21, 2, 2), INK, None)


@icon(SKY)
def drum(c):
    c.paint(bar(4, 1, 13, 6, 1.5) | bar(28, 1, 19, 6, 1.5), BROWN, None)
    c.paint(rect(5, 8, 22, 12) | oval(16, 20, 11, 2.5), PINK)
    c.paint(oval(16, 8, 11, 3), WHITE)
    for x in (5, 13, 21):
        c.paint(bar(x, 11, x + 4, 18, 1.2) | bar(x + 4, 18, x + 8, 11, 1.2), LEMON, None)
    c.paint(disc(13, 6, 1.5) | disc(19, 6, 1.5), BROWN_DARK, None)


@icon(LEMON)
def robot(c):
    c.paint(rect(15.5, 1, 1, 3), INK, None)
    c.paint(disc(16, 1.5, 1.5), RED, None)
    c.paint(rect(7, 12, 2, 6) | rect(23, 12, 2, 6), STONE)
    c.paint(rounded(9, 4, 14, 8, 2), STONE)
    c.paint(rounded(10, 13, 12, 9, 1), STONE)
    c.paint(disc(13, 8, 1.8) | disc(19, 8, 1.8), TEAL, None)
    c.paint(rect(13, 16, 6, 3), RED)
    c.dots(GOLD_LIGHT, (14, 17), (16, 17))


@icon(TEAL)
def blocks(c):
    c.paint(rect(3, 12, 11, 10), PINK)
    c.paint(rect(17, 12, 11, 10), LEMON)
    c.paint(rect(10, 1, 11, 10), RED)
    c.paint(disc(8.5, 17, 2.5), WHITE, None)
    c.paint(poly((22.5, 14), (25.5, 19.5), (19.5, 19.5)), WHITE, None)
    c.paint(rect(13.5, 4, 4, 4), WHITE, None)


@icon(GRASS)
def dice(c):
    c.paint(rounded(6, 2, 20, 20, 4), PINK)
    for cx, cy in ((11, 7), (21, 7), (16, 12), (11, 17), (21, 17)):
        c.paint(disc(cx, cy, 2), WHITE, None)


@icon(SKY)
def balloons(c):
    c.paint(bar(9, 13, 16, 23, 1) | bar(22, 13, 16, 23, 1) | bar(16, 15, 16, 23, 1), INK, None)
    c.paint(oval(8, 10, 5, 6.5), PINK)
    c.paint(oval(24, 10, 5, 6.5), LEMON)
    c.paint(oval(16, 8, 5, 6.5), RED)
    c.dots(WHITE, (6, 6), (6, 7), (22, 6), (22, 7), (14, 4), (14, 5))


@icon(VIOLET)
def guitar(c):
    c.paint(rect(18, 11, 9, 3), BROWN_DARK)
    c.paint(rounded(26, 9, 5, 7, 1), BROWN_DARK)
    c.paint(disc(8, 12.5, 6.5) | disc(16, 12.5, 5), PINK)
    c.paint(disc(11.5, 12.5, 2.2), INK, None)
    c.paint(rect(4, 10, 2, 5), BROWN_DARK, None)
    c.paint(rect(5, 12, 23, 1), STONE_LIGHT, None)
    c.dots(GOLD_LIGHT, (27, 10), (29, 10), (27, 14), (29, 14))


# --- tools ---

@icon(LEMON)
def hammer(c):
    c.paint(bar(9, 22, 21, 8, 3.5), BROWN)
    c.paint(poly((12, 2), (22, 0), (30, 8), (25, 13)) | poly((12, 2), (8, 5), (12, 9)), STONE)
    c.paint(poly((20, 2), (23, 1), (28, 6), (26, 8)), STONE_LIGHT, None)


@icon(SKY)
def wrench(c):
    c.paint(bar(6, 18, 24, 7, 4), STONE)
    c.paint(disc(25, 6, 5.5) - bar(25.5, 5.5, 33, -2, 4), STONE)
    c.paint(bar(6, 18.5, 15, 13, 5.5), PINK)
    c.paint(disc(5.5, 19, 1.5), SKY, None)


@icon(MINT)
def saw(c):
    blade = poly((10, 6), (30, 10), (30, 15), (10, 17))
    teeth = frozenset()
    for x in range(10, 30, 3):
        teeth |= poly((x, 16.9 - (x - 10) * 0.1), (x + 1.5, 20 - (x - 10) * 0.12), (x + 3, 16.6 - (x - 10) * 0.1))
    c.paint(blade | teeth, STONE)
    c.paint(rect(11, 8, 17, 1), STONE_LIGHT, None)
    c.paint(rounded(1, 4, 11, 15, 3), PINK)
    c.paint(rounded(4, 8, 5, 7, 2), MINT)


@icon(CREAM)
def paintbrush(c):
    c.paint(bar(3, 2, 13, 12, 4), PINK)
    c.paint(bar(13, 12, 16, 15, 5.5), STONE)
    c.paint(bar(16, 15, 21, 20, 5) | poly((18, 21), (22, 17), (28, 23)), BROWN_DARK)
    c.paint(poly((20, 22), (24, 18), (28, 23)) & rect(0, 0, 32, 24), LEMON, None)


@icon(SKY)
def pencil(c):
    c.paint(poly((3, 17), (22, 2), (28, 8), (9, 23)), LEMON)
    c.paint(poly((6, 16), (22.5, 3), (24, 4.5), (7.5, 17.5)), GOLD, None)
    c.paint(poly((22, 2), (25, 0), (31, 5), (28, 8)), PINK)
    c.paint(poly((3, 17), (9, 23), (0.5, 23.5)), CREAM)
    c.paint(poly((1.5, 20.5), (3.5, 22.5), (0, 24)), INK, None)


@icon(LEMON)
def scissors(c):
    c.paint(poly((12, 9), (31, 3), (31, 5), (14, 13)), STONE)
    c.paint(poly((12, 15), (31, 21), (31, 19), (14, 11)), STONE)
    c.paint(ring(7, 6, 5, 2.2) | ring(7, 18, 5, 2.2), RED)
    c.paint(disc(15, 12, 1.2), INK, None)


@icon(VIOLET)
def key(c):
    c.paint(rect(13, 10, 17, 4) | rect(24, 14, 2, 5) | rect(28, 14, 2, 4), LEMON)
    c.paint(ring(9, 12, 7.5, 4), LEMON)
    c.paint(disc(9, 12, 3.5), VIOLET)
    c.dots(WHITE, (5, 8), (6, 7))


@icon(SKY)
def watering_can(c):
    c.paint(bar(20, 14, 28, 6, 3) | rect(25, 4, 5, 3), PINK)
    c.paint(ring(9, 9, 5.5, 2) & rect(0, 0, 32, 10), PINK)
    c.paint(rounded(4, 8, 17, 14, 2), PINK)
    c.paint(rect(5, 12, 15, 3), LEMON, None)
    c.dots(WATER, (29, 9), (30, 12), (28, 13), (31, 15), (29, 17))


@icon(ROAD)
def bucket(c):
    c.paint(ring(12, 8, 7.5, 1.5) & rect(0, 0, 32, 9), INK, None)
    c.paint(poly((3, 9), (21, 9), (19, 22), (5, 22)), PINK)
    c.paint(rect(3, 9, 18, 3), LEMON)
    c.paint(bar(27, 2, 24, 14, 2), BROWN)
    c.paint(poly((20, 13), (28, 13), (27, 21), (24, 23), (21, 21)), LEMON)


@icon(LEMON)
def magnifier(c):
    c.paint(bar(20, 16, 28, 22, 4.5), RED)
    c.paint(disc(13, 10, 8.5), STONE)
    c.paint(disc(13, 10, 6.5), SKY_PALE, None)
    c.paint(bar(9, 8, 11, 6, 1.5), WHITE, None)


# --- food ---

@icon(SKY)
def ice_cream(c):
    cone = poly((9, 11), (23, 11), (16, 24))
    c.paint(cone, ROAD)
    c.paint(cone & (bar(9, 11, 19, 24, 1) | bar(15, 11, 22, 18, 1) | bar(23, 11, 13, 24, 1)
                    | bar(17, 11, 10, 18, 1)), GOLD_DARK, None)
    c.paint(disc(12, 9, 5) | rect(7, 9, 10, 3), PINK)
    c.paint(disc(20, 9, 5) | rect(15, 9, 10, 3), LEMON)
    c.paint(disc(16, 3, 2.5), RED)
    c.dots(WHITE, (10, 6), (18, 6))


@icon(LEMON)
def cupcake(c):
    c.paint(poly((7, 13), (25, 13), (22, 22), (10, 22)), TEAL)
    c.paint(rect(11.5, 14, 1, 8) | rect(15.5, 14, 1, 8) | rect(19.5, 14, 1, 8), WHITE, None)
    c.paint(oval(16, 12, 10, 3.5) | oval(16, 8, 7, 4.5), PINK)
    c.paint(disc(16, 3, 2.5), RED)
    c.dots(WHITE, (12, 7), (20, 9), (16, 10), (10, 11), (22, 12))


@icon(SKY)
def donut(c):
    c.paint(ring(16, 12, 11, 7), ROAD)
    icing = disc(16, 11.5, 9.5) - disc(16, 12, 4.5)
    c.paint(icing, PINK, None)
    c.paint(disc(16, 12, 4), SKY)
    c.dots(WHITE, (10, 6), (11, 6), (20, 5), (21, 5))
    c.dots(GOLD_LIGHT, (24, 10), (24, 11), (14, 4), (15, 4))
    c.dots(TEAL, (8, 12), (8, 13), (20, 17), (21, 17), (11, 16), (11, 17))


@icon(VIOLET)
def pizza(c):
    c.paint(poly((2, 3), (30, 3), (16, 23)), LEMON)
    c.paint(rounded(1, 1, 30, 4, 2), GOLD_DARK)
    for cx, cy, r in ((10, 8, 2.5), (20, 9, 2.6), (15, 15, 2.2)):
        c.paint(disc(cx, cy, r), RED, None)
    c.dots(GRASS, (24, 6), (12, 12), (17, 19))


@icon(SKY)
def burger(c):
    c.paint(oval(16, 9, 13, 7) & rect(0, 0, 32, 10), ROAD)
    c.dots(CREAM, (10, 5), (15, 4), (20, 5), (13, 7), (18, 7), (23, 7))
    c.paint(poly((3, 10), (29, 10), (28, 13), (25, 12), (21, 14), (16, 12), (11, 14), (7, 12), (4, 13)), GRASS)
    c.paint(rounded(3, 13, 26, 4, 2), BROWN)
    c.paint(poly((4, 12), (28, 12), (24, 15), (20, 12)), LEMON, None)
    c.paint(rounded(3, 17, 26, 5, 2), ROAD)


@icon(MINT)
def lollipop(c):
    c.paint(rect(15, 15, 2, 9), WHITE)
    c.paint(disc(16, 9, 8.5), PINK)
    c.paint(ring(16, 9, 5.5, 2) | disc(16, 9, 2), LEMON, None)
    c.paint(disc(13, 5, 1.5), WHITE, None)


@icon(SKY)
def candy(c):
    c.paint(poly((9, 12), (2, 5), (4, 12), (2, 19)) | poly((23, 12), (30, 5), (28, 12), (30, 19)), LEMON)
    c.paint(oval(16, 12, 8.5, 6.5), PINK)
    c.paint(oval(16, 12, 8.5, 6.5) & (bar(12, 6, 9, 18, 2) | bar(17, 5, 14, 19, 2) | bar(22, 6, 19, 18, 2)),
            WHITE, None)


@icon(CREAM)
def cake(c):
    c.paint(poly((3, 10), (29, 6), (29, 21), (3, 21)), LEMON)
    c.paint(poly((3, 13), (29, 11), (29, 14), (3, 16)), PINK, None)
    c.paint(poly((3, 10), (29, 6), (29, 9), (3, 12)), WHITE, None)
    c.paint(poly((3, 9), (29, 5), (29, 6), (3, 10)), INK, None)
    c.paint(disc(20, 4, 2.5), RED)


@icon(GRASS)
def cheese(c):
    c.paint(poly((2, 13), (27, 4), (30, 9), (30, 20), (2, 20)), LEMON)
    c.paint(poly((2, 13), (27, 4), (30, 9), (5, 13.8)), GOLD_LIGHT, None)
    for cx, cy, rx, ry in ((8, 17, 2, 1.6), (17, 16, 2.5, 2), (25, 13, 1.6, 1.6), (24, 18.5, 1.5, 1)):
        c.paint(oval(cx, cy, rx, ry), GOLD, None)


@icon(GRASS)
def mushroom(c):
    c.paint(rect(0, 21, 32, 3), GRASS_DARK, None)
    c.paint(rounded(11, 10, 10, 12, 3), CREAM)
    c.paint(oval(16, 11, 14, 9) & rect(0, 0, 32, 12), PINK)
    for cx, cy, r in ((10, 7, 2), (18, 4, 2.2), (23, 8, 1.8), (15, 9, 1.4)):
        c.paint(disc(cx, cy, r), WHITE, None)


@icon(LEMON)
def carrot(c):
    c.paint(poly((19, 6), (21, 0), (23, 5)) | poly((21, 7), (29, 1), (27, 7)) | poly((22, 9), (31, 8), (25, 12)),
            GRASS)
    c.paint(poly((17, 6), (25, 11), (4, 23)), ORANGE)
    c.paint(bar(12, 12, 14, 14, 1) | bar(17, 11, 19, 13, 1) | bar(9, 17, 11, 19, 1), BROWN, None)


# --- plants ---

@icon(SKY)
def tulip(c):
    c.paint(rect(15.5, 12, 1.5, 12), GRASS_DARK, None)
    c.paint(poly((16, 23), (8, 12), (10, 12), (16, 19)) | poly((16, 22), (25, 15), (23, 14), (16, 18)), GRASS)
    c.paint(poly((9, 2), (12, 6), (16, 1), (20, 6), (23, 2), (23, 10), (16, 14), (9, 10)), PINK)
    c.paint(poly((16, 1), (18.5, 5), (16, 10), (13.5, 5)), LEMON, None)


@icon(SKY)
def tree(c):
    c.paint(rect(0, 21, 32, 3), GRASS, None)
    c.paint(rect(14, 14, 4, 9), BROWN)
    c.paint(disc(16, 8, 7.5) | disc(9, 12, 5.5) | disc(23, 12, 5.5) | disc(11, 6, 5) | disc(21, 6, 5), LEMON)
    c.paint(disc(12, 6, 1.2) | disc(21, 9, 1.2) | disc(14, 12, 1.2), RED, None)


@icon(LEMON)
def cactus(c):
    c.paint(rounded(13, 2, 6, 16, 3), GRASS)
    c.paint(rounded(6, 6, 4, 9, 2) | rect(6, 11, 8, 4), GRASS)
    c.paint(rounded(22, 4, 4, 8, 2) | rect(18, 9, 8, 4), GRASS)
    c.paint(rounded(13, 2, 6, 16, 3) | rect(10, 11, 4, 4) | rect(18, 9, 4, 4), GRASS, None)
    c.paint(rect(15.5, 4, 1, 12), GRASS_DARK, None)
    c.paint(poly((9, 17), (23, 17), (21, 24), (11, 24)), PINK)


@icon(SKY)
def sunflower(c):
    c.paint(rect(15.5, 16, 1.5, 8) | poly((16, 21), (23, 17), (21, 21)), GRASS, None)
    petals = frozenset()
    for k in range(10):
        a = k * math.pi / 5
        petals |= bar(16, 9, 16 + 8 * math.cos(a), 9 + 8 * math.sin(a), 4.5)
    c.paint(petals, LEMON)
    c.paint(disc(16, 9, 4), BROWN_DARK)
    c.dots(BROWN, (15, 8), (17, 9), (15, 10))


@icon(PINK)
def leaf(c):
    c.paint(bar(4, 21, 9, 16, 1.5), GRASS_DARK, None)
    c.paint(poly((8, 17), (6, 10), (10, 4), (18, 1), (29, 1), (28, 10), (24, 17), (16, 20)), GRASS)
    c.paint(bar(9, 16, 26, 3, 1), GRASS_DARK, None)
    c.paint(bar(14, 12, 14, 6, 1) | bar(19, 8, 23, 12, 1) | bar(19, 8, 18, 3, 1), GRASS_DARK, None)


@icon(CREAM)
def potted_plant(c):
    c.paint(poly((15, 15), (5, 7), (3, 11), (9, 15)) | poly((17, 15), (27, 7), (29, 11), (23, 15))
            | poly((14.5, 15), (12, 5), (16, 0), (20, 5), (17.5, 15)), GRASS)
    c.paint(bar(16, 14, 16, 4, 1) | bar(14, 14, 6, 9, 1) | bar(18, 14, 26, 9, 1), GRASS_DARK, None)
    c.paint(poly((8, 15), (24, 15), (22, 23), (10, 23)), PINK)
    c.paint(rect(7, 14, 18, 3), LEMON)


# --- household things ---

@icon(CREAM)
def teapot(c):
    c.paint(bar(24, 14, 30, 7, 2.5), PINK)
    c.paint(ring(6, 13, 4.5, 2), PINK)
    c.paint(oval(16, 14, 10, 8), PINK)
    c.paint(oval(16, 6, 6, 2), LEMON)
    c.paint(disc(16, 3, 1.8), LEMON)
    c.paint(disc(13, 13, 2) | disc(20, 16, 2) | disc(15, 19, 1.3), WHITE, None)


@icon(SKY)
def mug(c):
    c.paint(ring(23, 14, 5, 2.2), LEMON)
    c.paint(rounded(6, 7, 16, 16, 2), LEMON)
    c.paint(disc(12.5, 14, 2) | disc(15.5, 14, 2) | poly((10.6, 14.8), (17.4, 14.8), (14, 18.5)), RED, None)
    c.paint(bar(11, 5, 10, 2, 1) | bar(10, 2, 11, 0, 1) | bar(16, 5, 15, 2, 1) | bar(15, 2, 16, 0, 1), WHITE, None)


@icon(NIGHT)
def lamp(c):
    c.paint(bar(4, 11, 1, 12, 1) | bar(28, 11, 31, 12, 1) | bar(7, 16, 4, 19, 1) | bar(25, 16, 28, 19, 1),
            GOLD_LIGHT, None)
    c.paint(rect(15, 12, 2, 7), BROWN_DARK)
    c.paint(rounded(9, 19, 14, 4, 2), PINK)
    c.paint(poly((10, 2), (22, 2), (26, 13), (6, 13)), LEMON)
    c.paint(rect(7, 10, 18, 1), GOLD, None)


@icon(SKY)
def umbrella(c):
    c.paint(bar(16, 8, 16, 20, 1.5) | bar(16, 20, 14, 22, 1.5) | bar(14, 22, 12, 20, 1.5), INK, None)
    canopy = (disc(16, 13, 13) & rect(0, 0, 32, 13)) - disc(7.3, 14, 3) - disc(16, 14, 3) - disc(24.7, 14, 3)
    c.paint(canopy, PINK)
    c.paint(canopy & poly((16, 0), (9, 13), (12, 13)), LEMON, None)
    c.paint(canopy & poly((16, 0), (20, 13), (23, 13)), LEMON, None)
    c.dots(WATER, (3, 17), (3, 18), (28, 18), (28, 19), (7, 21), (7, 22), (24, 22), (24, 23))


@icon(LEMON)
def alarm_clock(c):
    c.paint(bar(8, 20, 6, 23, 1.5) | bar(24, 20, 26, 23, 1.5), INK, None)
    c.paint(oval(8, 4, 4, 3) | oval(24, 4, 4, 3), RED)
    c.paint(disc(16, 12.5, 10), PINK)
    c.paint(disc(16, 12.5, 7.5), WHITE)
    c.paint(rect(15.5, 7, 1, 6) | rect(15.5, 12, 5, 1), INK, None)
    c.dots(INK, (16, 6), (16, 19), (9, 12), (22, 12))


@icon(SKY)
def house(c):
    c.paint(rect(22, 1, 4, 8), RED)
    c.paint(rect(5, 10, 22, 13), LEMON)
    c.paint(poly((1, 12), (16, 1), (31, 12)), PINK)
    c.paint(rounded(13, 15, 6, 8, 1), BROWN)
    c.paint(rect(7, 14, 4, 4) | rect(21, 14, 4, 4), SKY_PALE)


@icon(MINT)
def chair(c):
    c.paint(rect(7, 15, 2, 8) | rect(23, 15, 2, 8) | rect(19, 15, 2, 6) | rect(11, 15, 2, 6), BROWN_DARK)
    c.paint(rounded(8, 1, 16, 12, 2), PINK)
    c.paint(rect(11, 4, 2, 7) | rect(15, 4, 2, 7) | rect(19, 4, 2, 7), LEMON)
    c.paint(rounded(5, 12, 22, 4, 1), PINK)


@icon(NIGHT)
def light_bulb(c):
    c.paint(bar(4, 9, 1, 9, 1) | bar(28, 9, 31, 9, 1) | bar(6, 2, 4, 0, 1) | bar(26, 2, 28, 0, 1), GOLD_LIGHT, None)
    c.paint(rounded(12, 16, 8, 7, 1), STONE)
    c.paint(rect(12, 18, 8, 1) | rect(12, 20, 8, 1), STONE_LIGHT, None)
    c.paint(disc(16, 9, 8) | poly((11, 12), (21, 12), (19.5, 16), (12.5, 16)), LEMON)
    c.paint(bar(14, 14, 14, 10, 1) | bar(18, 14, 18, 10, 1) | bar(14, 10, 18, 10, 1), GOLD, None)
    c.dots(WHITE, (11, 5), (11, 6), (12, 4))


@icon(SKY)
def bell(c):
    c.paint(disc(16, 20.5, 2.5), BROWN_DARK)
    c.paint(poly((4, 20), (8, 17), (9, 9), (12, 5), (20, 5), (23, 9), (24, 17), (28, 20)) | disc(16, 9, 7), LEMON)
    c.paint(rect(5, 18, 22, 2), GOLD, None)
    c.paint(poly((10, 3), (16, 5), (22, 3), (22, 7), (16, 5), (10, 7)), RED)
    c.dots(WHITE, (12, 9), (12, 10), (12, 11))


@icon(SKY)
def gift(c):
    c.paint(rect(4, 9, 24, 14), PINK)
    c.paint(rect(2, 6, 28, 4), PINK)
    c.paint(rect(14, 6, 4, 17), LEMON)
    c.paint(oval(11, 3.5, 5, 3) | oval(21, 3.5, 5, 3), LEMON)
    c.paint(oval(11, 3.5, 2, 1) | oval(21, 3.5, 2, 1), SKY, None)
    c.paint(rect(14, 2, 4, 4), LEMON)


@icon(MINT)
def boot(c):
    c.paint(rect(0, 21, 32, 3), GRASS, None)
    c.paint(rect(8, 3, 10, 12) | rounded(8, 11, 21, 9, 4), PINK)
    c.paint(rect(7, 1, 12, 3), LEMON)
    c.paint(rect(7, 19, 23, 2), INK, None)
    c.paint(rect(8, 13, 10, 2), LEMON, None)


def _near(a, b, units=6):
    """Colours this close to a marker would look tinted but never be."""
    return all(abs(int(a[i:i + 2], 16) - int(b[i:i + 2], 16)) <= units for i in (1, 3, 5))


# ---------------------------------------------------------------------------------------------
# The icon sheet: 10 x 10 cells of 32 x 24; the cells after the drawn icons stay black.

def icons_svg():
    assert len(ICONS) <= 100
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="320" height="240" viewBox="0 0 320 240">',
           '  <!-- Object icons, 10 x 10 cells of 32 x 24, drawn pixel by pixel by tools/make_icons.py.',
           '       #FF80FF and #FFFF80 mark the parts the game tints; do not use them otherwise. -->',
           '  <rect width="320" height="240" fill="#000000"/>']
    for k, (name, background, draw) in enumerate(ICONS):
        cell = Icon(background)
        draw(cell)
        out.append(f'  <g id="icon{k:02d}-{name.replace("_", "-")}" transform="translate({k % 10 * W} {k // 10 * H})">')
        out.append(f'    <rect width="{W}" height="{H}" fill="{background}"/>')
        for colour, rects in sorted(cell.rectangles().items()):
            assert colour in MARKERS or not any(_near(colour, m) for m in MARKERS), (name, colour)
            d = "".join(f"M{x} {y}h{w}v{h}h-{w}z" for x, y, w, h in rects)
            out.append(f'    <path fill="{colour}" d="{d}"/>')
        out.append('  </g>')
    out.append('</svg>')
    return "\n".join(out) + "\n"


# ---------------------------------------------------------------------------------------------
# The secret-square strip, 286 x 104: 11 columns x 4 rows of 26 x 26. Row 0 stays black (the
# game saves the map under each secret there); row 1 holds the theme icons, row 2 the same in
# greys for a won secret; row 3 a band of "?" marks repeating every 24 pixels, so that a 24 x 24
# window sliding across it in steps of 6 always shows whole, evenly spaced marks.
# The game frames each cell of rows 1 and 2 with a one-pixel black line, so each icon is a
# 24 x 24 drawing placed at (26 i + 1, 26 r + 1).

THEMES = [
    # toy workshop: three toy blocks
    """<rect width="24" height="24" fill="#FFE27A"/>
<rect x="0" y="20" width="24" height="4" fill="#C07A00"/>
<rect x="2.5" y="11.5" width="9" height="9" rx="1" fill="#FF5A5F" stroke="#2B1B3D"/>
<rect x="12.5" y="11.5" width="9" height="9" rx="1" fill="#00B3A4" stroke="#2B1B3D"/>
<rect x="7.5" y="2.5" width="9" height="9" rx="1" fill="#8E5CF7" stroke="#2B1B3D"/>
<circle cx="7" cy="16" r="2.2" fill="#FFFFFF"/>
<path d="M17 13.5 L19.5 18 L14.5 18 Z" fill="#FFFFFF"/>
<rect x="10.5" y="5.5" width="3" height="3" fill="#FFFFFF"/>""",
    # candy garden: a swirl lollipop growing like a flower
    """<rect width="24" height="24" fill="#C8EFA8"/>
<path d="M12 13 V23" stroke="#3E8E2E" stroke-width="2"/>
<path d="M12 20 Q6 20 5 15 Q10 15 12 19 Z M12 19 Q18 17 19 13 Q14 13 12 18 Z" fill="#6CC24A" stroke="#2B1B3D" stroke-width="0.8"/>
<circle cx="12" cy="8.5" r="7" fill="#FF5A5F" stroke="#2B1B3D"/>
<path d="M12 8.5 m-1.2 0 a1.2 1.2 0 1 1 2.4 0 a2.6 2.6 0 1 1 -5.2 0 a3.9 3.9 0 1 1 7.8 0" fill="none" stroke="#FFFFFF" stroke-width="1.6" stroke-linecap="round"/>""",
    # coral reef: a branching coral, a sea star and a striped fish
    """<rect width="24" height="24" fill="#3D8FD6"/>
<rect x="0" y="20" width="24" height="4" fill="#E8C77A"/>
<g fill="none" stroke-linecap="round" stroke-linejoin="round">
<path d="M7 21 V16 M7 17.5 Q3.5 16 3.5 12 M7 16.5 Q10.5 15 10.5 10 M3.5 13.5 Q1.5 12.5 1.8 9.5 M3.5 12 Q4.5 9 3.8 6.5 M10.5 12.5 Q12.5 11.5 12.5 9 M10.5 11 Q9 8 9.8 5" stroke="#2B1B3D" stroke-width="4"/>
<path d="M7 21 V16 M7 17.5 Q3.5 16 3.5 12 M7 16.5 Q10.5 15 10.5 10 M3.5 13.5 Q1.5 12.5 1.8 9.5 M3.5 12 Q4.5 9 3.8 6.5 M10.5 12.5 Q12.5 11.5 12.5 9 M10.5 11 Q9 8 9.8 5" stroke="#FF7A7A" stroke-width="2"/>
</g>
<path d="M18.5 14.5 L19.6 17.3 L22.5 17.5 L20.3 19.3 L21.1 22.2 L18.5 20.6 L15.9 22.2 L16.7 19.3 L14.5 17.5 L17.4 17.3 Z" fill="#FFB400" stroke="#2B1B3D" stroke-width="0.9" stroke-linejoin="round"/>
<path d="M13.5 7.5 Q17 3 20.5 6 L23.5 3.5 L23.5 10.5 L20.5 8.5 Q17 12 13.5 7.5 Z" fill="#FFE27A" stroke="#2B1B3D"/>
<path d="M17.5 4.6 V10" stroke="#FF7A1A" stroke-width="1.3"/>
<circle cx="15.5" cy="7" r="0.9" fill="#2B1B3D"/>
<circle cx="13" cy="2.5" r="1" fill="none" stroke="#C9E9FB" stroke-width="0.8"/>""",
    # space station: a satellite with two solar wings
    """<rect width="24" height="24" fill="#1E2A5A"/>
<circle cx="3" cy="4" r="0.8" fill="#FFFFFF"/><circle cx="20" cy="20" r="0.8" fill="#FFFFFF"/>
<circle cx="21" cy="3" r="0.6" fill="#FFE27A"/><circle cx="4" cy="20" r="0.6" fill="#FFE27A"/>
<rect x="1.5" y="9.5" width="7" height="5" fill="#3D8FD6" stroke="#C9E9FB"/>
<rect x="15.5" y="9.5" width="7" height="5" fill="#3D8FD6" stroke="#C9E9FB"/>
<path d="M5 9.5 V14.5 M19 9.5 V14.5" stroke="#C9E9FB"/>
<rect x="8.5" y="7.5" width="7" height="9" rx="2" fill="#D5DAE0" stroke="#2B1B3D"/>
<circle cx="12" cy="12" r="1.8" fill="#7EC8F2" stroke="#2B1B3D" stroke-width="0.8"/>
<path d="M12 7.5 V3.5" stroke="#D5DAE0" stroke-width="1.2"/>
<circle cx="12" cy="3" r="1.3" fill="#FF5A5F"/>""",
    # farmers' market: a striped awning over a crate of fruit
    """<rect width="24" height="24" fill="#FFF1D0"/>
<path d="M1 2 H23 V7 Q21 9 19.3 7 Q17.5 9 15.6 7 Q13.8 9 12 7 Q10.2 9 8.4 7 Q6.5 9 4.7 7 Q3 9 1 7 Z" fill="#FFFFFF" stroke="#2B1B3D"/>
<path d="M1.5 2.5 H4.7 V7.5 Q3 8.5 1.5 7.2 Z M8.4 2.5 H12 V7.5 Q10.2 8.5 8.4 7.5 Z M15.6 2.5 H19.3 V7.5 Q17.5 8.5 15.6 7.5 Z" fill="#FF5A5F"/>
<circle cx="7" cy="14" r="3" fill="#FF5A5F" stroke="#2B1B3D"/>
<circle cx="12" cy="13.5" r="3" fill="#FF7A1A" stroke="#2B1B3D"/>
<circle cx="17" cy="14" r="3" fill="#6CC24A" stroke="#2B1B3D"/>
<rect x="3.5" y="15.5" width="17" height="7" fill="#A0622D" stroke="#2B1B3D"/>
<path d="M4 19 H20" stroke="#6B3F1D"/>""",
    # music hall: a pair of notes
    """<rect width="24" height="24" fill="#8E5CF7"/>
<path d="M8.5 17 V5 L19.5 2.5 V14.5" fill="none" stroke="#2B1B3D" stroke-width="3.2" stroke-linejoin="round"/>
<path d="M8.5 17 V5 L19.5 2.5 V14.5" fill="none" stroke="#FFB400" stroke-width="1.6" stroke-linejoin="round"/>
<path d="M8.5 5 L19.5 2.5 V6 L8.5 8.5 Z" fill="#FFB400" stroke="#2B1B3D" stroke-width="0.8"/>
<ellipse cx="6" cy="17.5" rx="3.6" ry="2.8" fill="#FFB400" stroke="#2B1B3D"/>
<ellipse cx="17" cy="15" rx="3.6" ry="2.8" fill="#FFB400" stroke="#2B1B3D"/>
<circle cx="4.8" cy="16.6" r="0.9" fill="#FFE27A"/><circle cx="15.8" cy="14.1" r="0.9" fill="#FFE27A"/>""",
    # jungle: a monkey face among leaves
    """<rect width="24" height="24" fill="#3E8E2E"/>
<path d="M0 6 Q5 0 9 2 Q5 6 0 6 Z M24 4 Q19 -1 15 2 Q19 6 24 4 Z M0 22 Q2 16 6 17 Q4 21 0 22 Z M24 21 Q21 15 18 17 Q20 21 24 21 Z" fill="#6CC24A"/>
<circle cx="4.5" cy="11.5" r="3" fill="#A0622D" stroke="#2B1B3D"/>
<circle cx="19.5" cy="11.5" r="3" fill="#A0622D" stroke="#2B1B3D"/>
<circle cx="4.5" cy="11.5" r="1.4" fill="#E8C77A"/><circle cx="19.5" cy="11.5" r="1.4" fill="#E8C77A"/>
<circle cx="12" cy="12" r="8" fill="#A0622D" stroke="#2B1B3D"/>
<path d="M12 8.5 Q9 5 6.5 8 Q5.5 11 8 12.5 Q6 17 12 18.5 Q18 17 16 12.5 Q18.5 11 17.5 8 Q15 5 12 8.5 Z" fill="#E8C77A"/>
<circle cx="9.5" cy="10" r="1.1" fill="#2B1B3D"/><circle cx="14.5" cy="10" r="1.1" fill="#2B1B3D"/>
<path d="M9.5 15 Q12 17 14.5 15" fill="none" stroke="#2B1B3D" stroke-linecap="round"/>
<circle cx="11" cy="13" r="0.5" fill="#2B1B3D"/><circle cx="13" cy="13" r="0.5" fill="#2B1B3D"/>""",
    # snow village: a snowman in falling snow
    """<rect width="24" height="24" fill="#9FD3F5"/>
<rect x="0" y="20" width="24" height="4" fill="#FFFFFF"/>
<circle cx="12" cy="16" r="5.5" fill="#FFFFFF" stroke="#2B1B3D"/>
<circle cx="12" cy="8.5" r="4" fill="#FFFFFF" stroke="#2B1B3D"/>
<rect x="8" y="4" width="8" height="1.5" fill="#2B1B3D"/>
<rect x="9.5" y="0.5" width="5" height="4" fill="#2B1B3D"/>
<path d="M8.5 11.5 Q12 13.5 15.5 11.5 L15.5 13 L14 13 L14 15.5 L12.5 15.5 L12.5 13.2 Q10 13.3 8.5 13 Z" fill="#FF5A5F"/>
<circle cx="10.5" cy="8" r="0.7" fill="#2B1B3D"/><circle cx="13.5" cy="8" r="0.7" fill="#2B1B3D"/>
<path d="M12 9 L16 10 L12 10.3 Z" fill="#FF7A1A"/>
<circle cx="12" cy="16" r="0.7" fill="#2B1B3D"/><circle cx="12" cy="18.5" r="0.7" fill="#2B1B3D"/>
<circle cx="3" cy="5" r="1" fill="#FFFFFF"/><circle cx="20" cy="3" r="1" fill="#FFFFFF"/>
<circle cx="21" cy="12" r="1" fill="#FFFFFF"/><circle cx="3" cy="14" r="1" fill="#FFFFFF"/>""",
    # bakery: a round loaf in front of a baguette
    """<rect width="24" height="24" fill="#00B3A4"/>
<g transform="translate(13 8) rotate(-30)">
<rect x="-10.5" y="-2.5" width="21" height="5" rx="2.5" fill="#E8A650" stroke="#2B1B3D"/>
<path d="M-6 -1.3 L-4.5 1.3 M-1 -1.3 L0.5 1.3 M4 -1.3 L5.5 1.3" stroke="#FFE27A" stroke-width="1.1" stroke-linecap="round"/>
</g>
<path d="M2.5 19 Q1.5 11 8 9.5 Q12 8.5 16 9.5 Q22.5 11 21.5 19 Q21.5 20.5 20 20.5 H4 Q2.5 20.5 2.5 19 Z" fill="#E8A650" stroke="#2B1B3D"/>
<path d="M3 18 H21 V19.5 Q21 20 20 20 H4 Q3 20 3 19.5 Z" fill="#C07A00"/>
<path d="M7 12 L9 15.5 M11 11.5 L13 15 M15 11.5 L17 15" stroke="#FFE27A" stroke-width="1.4" stroke-linecap="round"/>""",
    # harbour: an anchor over the waves
    """<rect width="24" height="24" fill="#7EC8F2"/>
<path d="M0 19 Q3 17 6 19 T12 19 T18 19 T24 19 V24 H0 Z" fill="#3D8FD6"/>
<g fill="none" stroke-linecap="round" stroke-linejoin="round">
<path d="M12 5.5 V19 M8 8.5 H16 M5 14 Q6 19.5 12 19.5 Q18 19.5 19 14" stroke="#2B1B3D" stroke-width="4.2"/>
<circle cx="12" cy="4" r="2.2" stroke="#2B1B3D" stroke-width="3.4"/>
<path d="M12 5.5 V19 M8 8.5 H16 M5 14 Q6 19.5 12 19.5 Q18 19.5 19 14" stroke="#FFB400" stroke-width="2.2"/>
<circle cx="12" cy="4" r="2.2" stroke="#FFB400" stroke-width="1.4"/>
</g>
<path d="M3 14.5 L5 12 L7 14.5 Z M17 14.5 L19 12 L21 14.5 Z" fill="#FFB400" stroke="#2B1B3D" stroke-width="0.8"/>""",
    # the dark castle under a crescent moon
    """<defs><linearGradient id="castle-sky" x1="0" y1="0" x2="0" y2="1">
<stop offset="0" stop-color="#1A1026"/><stop offset="1" stop-color="#8E5CF7"/></linearGradient></defs>
<rect width="24" height="24" fill="url(#castle-sky)"/>
<path d="M19.5 2 A3.2 3.2 0 1 0 21.5 7.3 A2.6 2.6 0 1 1 19.5 2 Z" fill="#FFE27A"/>
<path d="M2 24 V9 H3.5 V7 H5 V9 H6.5 V7 H8 V12 H10 V5 H11.2 V3.5 H12.8 V5 H14 V12 H16 V7 H17.5 V9 H19 V7 H20.5 V9 H22 V24 Z" fill="#4A3A66" stroke="#1A1026"/>
<path d="M10 24 V19 Q12 16 14 19 V24 Z" fill="#1A1026"/>
<rect x="11.2" y="7.5" width="1.6" height="2.5" rx="0.8" fill="#FFB400"/>
<rect x="4.2" y="12" width="1.6" height="2.5" rx="0.8" fill="#FFB400"/>
<rect x="18.2" y="12" width="1.6" height="2.5" rx="0.8" fill="#FFB400"/>""",
]

# One "?" mark, 24 wide, drawn at x 0..23 of the band (y 78..101): gold on violet.
QUESTION_TILE = """<rect x="0" y="78" width="24" height="26" fill="#8E5CF7"/>
<rect x="0" y="78" width="24" height="2" fill="#B592FF"/>
<rect x="0" y="100" width="24" height="2" fill="#5A34B8"/>
<g fill="none" stroke-linecap="round" stroke-linejoin="round">
<path d="M8 86 Q8 82 12 82 Q16 82 16 85.5 Q16 88 13.5 89 Q12 89.7 12 92" stroke="#2B1B3D" stroke-width="5"/>
<path d="M8 86 Q8 82 12 82 Q16 82 16 85.5 Q16 88 13.5 89 Q12 89.7 12 92" stroke="#FFE27A" stroke-width="2.6"/>
</g>
<circle cx="12" cy="96.5" r="2.6" fill="#FFE27A" stroke="#2B1B3D" stroke-width="1.2"/>"""

QUESTION_REPEATS = 4   # x 0..95; the twinkle reads x 0..47, the periodic band runs past that


def grey(svg):
    """The same drawing in greys, a little lighter and flatter than the coloured one."""
    def to_grey(m):
        r, g, b = (int(m.group(1)[i:i + 2], 16) for i in (0, 2, 4))
        v = round(70 + 0.62 * (0.299 * r + 0.587 * g + 0.114 * b))
        return f"#{v:02X}{v:02X}{v:02X}"
    return re.sub(r"#([0-9A-Fa-f]{6})", to_grey, svg).replace('id="castle-sky"', 'id="castle-sky-grey"') \
        .replace("url(#castle-sky)", "url(#castle-sky-grey)")


def icosecret_svg():
    assert len(THEMES) == 11
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="286" height="104" viewBox="0 0 286 104">',
           '  <!-- Secret-square icons, made by tools/make_icons.py. Row 0 stays black; row 1 the',
           '       theme icons and the castle; row 2 the same in greys; row 3 the "?" band. -->',
           '  <rect width="286" height="104" fill="#000000"/>']
    for row, paint in ((1, lambda s: s), (2, grey)):
        for i, theme in enumerate(THEMES):
            body = "\n".join("    " + line for line in paint(theme).splitlines())
            out.append(f'  <g transform="translate({26 * i + 1} {26 * row + 1})">')
            out.append(body)
            out.append('  </g>')
    out.append('  <rect x="0" y="78" width="286" height="26" fill="#2B1B3D"/>')
    for k in range(QUESTION_REPEATS):
        out.append(f'  <g transform="translate({24 * k} 0)">')
        out.extend("    " + line for line in QUESTION_TILE.splitlines())
        out.append('  </g>')
    out.append('</svg>')
    return "\n".join(out) + "\n"


def main():
    art = Path(__file__).resolve().parent.parent / "art"
    files = {art / "icons.svg": icons_svg(), art / "icosecret.svg": icosecret_svg()}
    if "--check" in sys.argv[1:]:
        stale = [p.name for p, text in files.items() if not p.exists() or p.read_text() != text]
        if stale:
            print("out of date:", ", ".join(stale))
            return 1
        return 0
    for path, text in files.items():
        path.write_text(text)
        print("wrote", path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
