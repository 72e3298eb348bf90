#!/usr/bin/env python3
# Writes the ten secret-round pictures (art/secret/secret01.svg ... secret10.svg): busy scenes.
#
# A secret round asks where loose pieces of the picture came from, so no two cells of any grid
# the game cuts may look alike. Each scene is a themed background that changes across the whole
# picture plus rows of small objects standing on shelves, counters or ground, and floating ones
# scattered in the open areas, each with its own colour. Placement comes from a seeded random
# generator, so the same script always writes the same files.
#
#   python3 tools/make_secrets.py [out folder]     (default: art/secret beside this script)
import math
import os
import random
import sys

W, H = 420, 320
OUT = "#2B1B3D"

# The shared palette plus a few friends for variety.
RED, GOLD, VIOLET, TEAL, ORANGE = "#FF5A5F", "#FFB400", "#8E5CF7", "#00B3A4", "#FF7A1A"
SKY, GRASS, ROAD, WATER, STONE = "#7EC8F2", "#6CC24A", "#E8C77A", "#3D8FD6", "#9AA3AD"
PINK, BLUE, GREEN, LIME, BROWN = "#FF8FC8", "#4A7BF7", "#3DBE5A", "#B5E045", "#A8693A"
CREAM, SNOW, LILAC, MINT, YELLOW = "#FFF1D0", "#F7FBFF", "#C9A7FF", "#8EEBC8", "#FFE04A"
BRIGHT = [RED, GOLD, VIOLET, TEAL, ORANGE, PINK, BLUE, GREEN, LIME, YELLOW, SKY, LILAC]


# ---- colour arithmetic ---------------------------------------------------------------------

def _rgb(h):
    return int(h[1:3], 16), int(h[3:5], 16), int(h[5:7], 16)


def mix(a, b, t):
    ra, ga, ba = _rgb(a)
    rb, gb, bb = _rgb(b)
    return "#%02X%02X%02X" % (round(ra + (rb - ra) * t), round(ga + (gb - ga) * t),
                              round(ba + (bb - ba) * t))


def light(c, t=0.4):
    return mix(c, "#FFFFFF", t)


def dark(c, t=0.28):
    # Shade toward the outline colour rather than grey, so shadows stay warm.
    return mix(c, OUT, t)


# ---- SVG primitives (local coordinates of the object being drawn) --------------------------

SW = 2.0  # outline width in the current local units; set by place()


def n(v):
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def _st(st):
    if st is False:
        return ' stroke="none"'
    if st is True:
        return ""
    return ' stroke-width="%s"' % n(SW * st)


def R(x, y, w, h, fill, rx=0, st=True, extra=""):
    r = ' rx="%s"' % n(rx) if rx else ""
    return '<rect x="%s" y="%s" width="%s" height="%s"%s fill="%s"%s%s/>' % (
        n(x), n(y), n(w), n(h), r, fill, _st(st), extra)


def C(cx, cy, r, fill, st=True, extra=""):
    return '<circle cx="%s" cy="%s" r="%s" fill="%s"%s%s/>' % (n(cx), n(cy), n(r), fill, _st(st), extra)


def E(cx, cy, rx, ry, fill, st=True, rot=0, extra=""):
    t = ' transform="rotate(%s %s %s)"' % (n(rot), n(cx), n(cy)) if rot else ""
    return '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"%s%s%s/>' % (
        n(cx), n(cy), n(rx), n(ry), fill, _st(st), t, extra)


def P(d, fill, st=True, extra=""):
    return '<path d="%s" fill="%s"%s%s/>' % (d, fill, _st(st), extra)


def POLY(pts, fill, st=True, extra=""):
    return '<polygon points="%s" fill="%s"%s%s/>' % (" ".join("%s,%s" % (n(x), n(y)) for x, y in pts),
                                                     fill, _st(st), extra)


def LN(d, width=1.0, colour=OUT, extra=""):
    """An open stroked path inside an object; width is a multiple of the outline width."""
    return '<path d="%s" fill="none" stroke="%s" stroke-width="%s"%s/>' % (d, colour, n(SW * width), extra)


def RING(cx, cy, r, colour, width):
    """An unfilled circle drawn with a coloured stroke, width a multiple of the outline width."""
    return '<circle cx="%s" cy="%s" r="%s" fill="none" stroke="%s" stroke-width="%s"/>' % (
        n(cx), n(cy), n(r), colour, n(SW * width))


def SL(d, px, colour=OUT, extra=""):
    """An open stroked path of the scene itself, px pixels wide."""
    return '<path d="%s" fill="none" stroke="%s" stroke-width="%s"%s/>' % (d, colour, n(px), extra)


def OL(px=2):
    """Outline attributes for a shape of the scene itself."""
    return ' stroke="%s" stroke-width="%s"' % (OUT, n(px))


def HL(cx, cy, rx, ry, op=0.5, rot=0):
    """The one highlight a shape gets: a soft white spot, top left."""
    return E(cx, cy, rx, ry, "#FFFFFF", st=False, rot=rot, extra=' fill-opacity="%s"' % op)


def SH(d, op=0.18):
    """A shade over the lower right of a shape."""
    return P(d, OUT, st=False, extra=' fill-opacity="%s"' % op)


def star_pts(cx, cy, ro, ri, k=5, rot=-90):
    pts = []
    for i in range(2 * k):
        r = ro if i % 2 == 0 else ri
        a = math.radians(rot + i * 180 / k)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


# ---- the object library --------------------------------------------------------------------
# Every object is drawn in a box 100 units high standing on y = 0, centred on x = 0, and
# aspect x 100 units wide. f(m, a) gets a main colour and an accent colour.

OBJ = {}


def obj(aspect, colours):
    def deco(fn):
        OBJ[fn.__name__] = (fn, aspect, colours)
        return fn
    return deco


# -- shared small things

@obj(1.0, [GOLD, YELLOW, PINK, ORANGE, LILAC, MINT, SKY])
def star(m, a):
    return POLY(star_pts(0, -50, 50, 21), m) + HL(-12, -62, 9, 6, 0.55, -30)


@obj(1.0, [GOLD, YELLOW, SNOW, LILAC, SKY, PINK])
def sparkle(m, a):
    return POLY(star_pts(0, -50, 50, 13, 4), m) + C(0, -50, 6, "#FFFFFF", st=False)


@obj(1.05, [RED, PINK, VIOLET, ORANGE])
def heart(m, a):
    return (P("M0,-6 C-30,-30 -52,-48 -48,-70 C-44,-94 -12,-96 0,-74 C12,-96 44,-94 48,-70 "
              "C52,-48 30,-30 0,-6 Z", m) + HL(-28, -74, 10, 7, 0.55, -30))


@obj(0.6, [RED, BLUE, GOLD, VIOLET, TEAL, PINK, ORANGE, GREEN])
def balloon(m, a):
    return (LN("M0,-30 C-8,-20 8,-12 0,0", 0.7) + P("M-5,-27 L5,-27 L0,-34 Z", dark(m)) +
            E(0, -66, 28, 34, m) + HL(-11, -80, 7, 11, 0.55, 20))


@obj(0.9, [RED, BLUE, GREEN, VIOLET, TEAL, PINK, GOLD, ORANGE])
def gift(m, a):
    return (R(-40, -62, 80, 62, m) + SH("M10,-62 L40,-62 L40,0 L10,0 Z", 0.15) +
            R(-8, -62, 16, 62, a, st=False) + R(-46, -74, 92, 16, light(m, 0.15), rx=3) +
            R(-8, -74, 16, 16, a) +
            P("M0,-74 C-10,-96 -34,-94 -26,-80 C-22,-74 -10,-74 0,-74 Z", a) +
            P("M0,-74 C10,-96 34,-94 26,-80 C22,-74 10,-74 0,-74 Z", a) +
            HL(-28, -50, 6, 9, 0.4))


@obj(0.62, [RED, PINK, GOLD, VIOLET, ORANGE, SKY, SNOW])
def flower(m, a):
    s = LN("M0,0 L0,-50", 1.2, dark(GREEN, 0.1))
    s += E(-12, -22, 12, 5, GREEN, rot=-30) + E(12, -32, 12, 5, GREEN, rot=30)
    for i in range(6):
        ang = math.radians(i * 60)
        s += C(17 * math.cos(ang), -68 + 17 * math.sin(ang), 13, m)
    return s + C(0, -68, 11, a if a != m else GOLD) + HL(-4, -72, 4, 3, 0.6)


@obj(0.7, [RED, BLUE, GOLD, VIOLET, TEAL, ORANGE, PINK, GREEN])
def kite(m, a):
    return (LN("M0,-34 C-14,-24 10,-14 -4,0", 0.6) + LN("M-10,-20 L-2,-16 M-6,-8 L2,-6", 1.2, a) +
            POLY([(0, -100), (-32, -64), (0, -34), (32, -64)], m) +
            POLY([(0, -100), (0, -34), (32, -64)], dark(m, 0.12), st=False) +
            LN("M0,-100 L0,-34 M-32,-64 L32,-64", 0.6) + HL(-12, -76, 5, 3, 0.5, -40))


@obj(1.25, [RED, BLUE, GOLD, TEAL, ORANGE, SNOW, PINK])
def bird(m, a):
    return (P("M-50,-46 L-28,-56 L-30,-36 Z", dark(m)) +
            E(-6, -44, 32, 24, m) + C(24, -62, 17, m) +
            P("M38,-66 L58,-60 L38,-54 Z", GOLD) + C(28, -66, 3.5, OUT, st=False) +
            P("M-22,-48 C-10,-72 14,-62 10,-40 C0,-38 -14,-40 -22,-48 Z", dark(m, 0.18)) +
            HL(-14, -58, 8, 4, 0.45) + LN("M-4,-20 L-6,-4 M8,-20 L10,-4", 0.8))


# -- toy workshop

@obj(0.85, [BROWN, "#D9A066", "#C98B5A", GOLD, "#E7B98A", PINK])
def teddy(m, a):
    l, d = light(m, 0.35), dark(m)
    return (C(-24, -86, 11, m) + C(24, -86, 11, m) + C(-24, -86, 5, l, st=False) +
            C(24, -86, 5, l, st=False) +
            E(-30, -40, 9, 16, m, rot=30) + E(30, -40, 9, 16, m, rot=-30) +
            E(-18, -10, 13, 10, m) + E(18, -10, 13, 10, m) +
            E(0, -34, 25, 26, m) + E(0, -30, 14, 15, l, st=False) +
            C(0, -70, 23, m) + E(0, -62, 11, 8, l) + E(0, -66, 4, 3, OUT, st=False) +
            C(-8, -76, 3, OUT, st=False) + C(8, -76, 3, OUT, st=False) +
            P("M-9,-52 L9,-52 L0,-44 Z", a) + HL(-10, -84, 7, 4, 0.45, -20))


@obj(0.8, [STONE, SKY, TEAL, RED, GOLD, VIOLET, "#C8CFD6"])
def robot(m, a):
    d = dark(m)
    return (LN("M0,-90 L0,-99", 0.9) + C(0, -99, 4, a) +
            R(-22, -14, 12, 14, d) + R(10, -14, 12, 14, d) +
            R(-38, -56, 10, 28, d, rx=4) + R(28, -56, 10, 28, d, rx=4) +
            R(-28, -60, 56, 48, m, rx=6) + R(-16, -50, 32, 22, light(m, 0.5), rx=3) +
            C(-8, -39, 4, RED) + C(0, -39, 4, GOLD) + C(8, -39, 4, GREEN) +
            R(-20, -90, 40, 28, m, rx=6) + C(-9, -76, 6, "#FFFFFF") + C(9, -76, 6, "#FFFFFF") +
            C(-8, -75, 3, OUT, st=False) + C(10, -75, 3, OUT, st=False) +
            R(-8, -68, 16, 3, OUT, st=False) + HL(-13, -86, 6, 2.5, 0.5))


@obj(1.0, [RED, BLUE, GOLD, GREEN, VIOLET, ORANGE, TEAL, PINK])
def block(m, a):
    inner = [POLY(star_pts(-4, -54, 26, 11), a), C(-4, -54, 22, a),
             POLY([(-4, -80), (-28, -34), (20, -34)], a), R(-24, -76, 40, 40, a, rx=4)]
    k = (ord(m[1]) + ord(a[2])) % 4
    return (POLY([(-46, -84), (-34, -96), (46, -96), (34, -84)], light(m, 0.3)) +
            POLY([(34, -84), (46, -96), (46, -12), (34, 0)], dark(m)) +
            R(-46, -84, 80, 84, m, rx=3) + inner[k] + HL(-34, -74, 6, 4, 0.5))


@obj(1.0, [RED, BLUE, GOLD, GREEN, VIOLET, ORANGE, TEAL, PINK])
def ball(m, a):
    return (C(0, -50, 48, m) +
            P("M-47,-40 C-20,-62 20,-62 47,-40 L44,-22 C20,-40 -20,-40 -44,-22 Z", a) +
            P("M-10,-97 C14,-70 14,-30 -10,-3 L6,-2 C28,-30 28,-70 6,-98 Z", "#FFFFFF",
              st=0.6) + SH("M30,-86 C58,-58 46,-12 6,-3 C34,-20 44,-50 30,-86 Z", 0.16) +
            HL(-22, -72, 12, 8, 0.5, -35))


@obj(1.7, [RED, BLUE, GOLD, GREEN, VIOLET, ORANGE, TEAL])
def car(m, a):
    return (P("M-80,-22 L-80,-44 C-80,-50 -74,-54 -66,-54 L-40,-56 L-24,-84 L28,-84 "
              "L46,-56 L74,-52 C80,-50 82,-46 82,-40 L82,-22 Z", m) +
            P("M-18,-78 L-4,-78 L-4,-58 L-32,-58 Z", "#CFEFFF") +
            P("M4,-78 L24,-78 L38,-58 L4,-58 Z", "#CFEFFF") +
            R(-80, -36, 162, 8, a, st=False) + R(68, -48, 12, 7, YELLOW, rx=2) +
            C(-50, -20, 18, OUT, st=False) + C(50, -20, 18, OUT, st=False) +
            C(-50, -20, 8, STONE) + C(50, -20, 8, STONE) + HL(-62, -48, 10, 3, 0.5))


@obj(0.9, [RED, BLUE, GOLD, VIOLET, TEAL, ORANGE, PINK])
def top(m, a):
    return (R(-5, -100, 10, 22, BROWN, rx=3) +
            P("M-46,-62 C-46,-80 46,-80 46,-62 C46,-40 12,-14 0,0 C-12,-14 -46,-40 -46,-62 Z", m) +
            P("M-45,-58 C-30,-50 30,-50 45,-58 C42,-48 38,-42 33,-38 C20,-44 -20,-44 -33,-38 "
              "C-38,-42 -42,-48 -45,-58 Z", a, st=False) +
            E(0, -70, 46, 9, light(m, 0.3)) + HL(-24, -56, 8, 4, 0.5))


@obj(1.0, [RED, BLUE, GOLD, TEAL, VIOLET, GREEN])
def drum(m, a):
    s = R(-44, -70, 88, 60, m) + E(0, -10, 44, 9, dark(m))
    s += R(-44, -16, 88, 8, a, st=False) + R(-44, -72, 88, 8, a, st=False)
    s += LN("M-44,-62 L-28,-16 L-12,-62 L4,-16 L20,-62 L36,-16 L44,-40", 0.8, "#FFFFFF")
    s += E(0, -70, 44, 10, CREAM)
    s += LN("M-30,-96 L-6,-74 M34,-98 L10,-74", 1.6, BROWN) + C(-6, -74, 4, GOLD) + C(10, -74, 4, GOLD)
    return s + HL(-30, -48, 5, 9, 0.4)


@obj(1.5, [RED, BLUE, GREEN, VIOLET, TEAL, ORANGE])
def train(m, a):
    return (R(-66, -80, 44, 64, m, rx=4) + R(-72, -88, 56, 10, dark(m), rx=3) +
            R(-58, -72, 28, 20, "#CFEFFF") +
            R(-22, -58, 76, 42, a, rx=6) + R(26, -84, 16, 28, OUT, st=False) +
            R(22, -92, 24, 10, dark(a), rx=2) + C(-4, -68, 8, GOLD) +
            POLY([(54, -30), (70, -16), (54, -16)], GOLD) +
            C(-46, -16, 15, OUT, st=False) + C(-46, -16, 7, RED) +
            C(-2, -12, 11, OUT, st=False) + C(30, -12, 11, OUT, st=False) +
            C(-2, -12, 5, RED) + C(30, -12, 5, RED) + HL(-56, -46, 4, 8, 0.4))


@obj(1.1, [YELLOW, GOLD, SNOW, PINK, SKY, LIME])
def duck(m, a):
    return (P("M-50,-44 C-54,-10 -20,0 10,-2 C40,-4 54,-22 50,-44 C34,-34 -30,-30 -50,-44 Z", m) +
            P("M-52,-46 C-52,-60 -40,-52 -36,-46 Z", m) +
            C(20, -66, 22, m) + P("M38,-68 C54,-70 60,-60 40,-56 Z", ORANGE) +
            C(24, -72, 4, OUT, st=False) +
            P("M-24,-34 C-14,-52 10,-46 6,-24 C-4,-20 -20,-24 -24,-34 Z", dark(m, 0.15)) +
            HL(12, -78, 6, 4, 0.6))


@obj(0.55, [RED, SNOW, SKY, GOLD, VIOLET, TEAL])
def rocket(m, a):
    return (P("M-24,-30 L-40,-6 L-40,4 L-18,-10 Z", a) + P("M24,-30 L40,-6 L40,4 L18,-10 Z", a) +
            P("M0,-100 C-24,-80 -26,-40 -20,-8 L20,-8 C26,-40 24,-80 0,-100 Z", m) +
            P("M0,-100 C-10,-92 -16,-84 -19,-76 L19,-76 C16,-84 10,-92 0,-100 Z", a) +
            C(0, -52, 10, "#9FE3FF") + C(0, -52, 5, "#FFFFFF", st=False) +
            P("M-12,-8 L12,-8 L6,0 L-6,0 Z", dark(STONE)) + HL(-10, -64, 3, 10, 0.5))


@obj(0.62, [RED, BLUE, GREEN, VIOLET, ORANGE, PINK])
def doll(m, a):
    return (P("M-30,-2 C-40,-30 -34,-52 -20,-58 C-30,-68 -30,-96 0,-98 C30,-96 30,-68 20,-58 "
              "C34,-52 40,-30 30,-2 Z", m) +
            C(0, -76, 14, CREAM) + P("M-14,-80 C-10,-94 10,-94 14,-80 C6,-86 -6,-86 -14,-80 Z",
                                     OUT, st=False) +
            C(-5, -76, 2, OUT, st=False) + C(5, -76, 2, OUT, st=False) +
            C(-8, -70, 3, PINK, st=False) + C(8, -70, 3, PINK, st=False) +
            E(0, -30, 16, 20, CREAM) + C(0, -32, 8, a) + C(0, -32, 3, GOLD, st=False) +
            HL(-16, -48, 4, 8, 0.4))


@obj(0.75, [RED, BLUE, GREEN, VIOLET, TEAL])
def jackbox(m, a):
    return (LN("M0,-44 C-14,-50 14,-54 0,-60 C-14,-64 14,-68 0,-72", 1.2, STONE) +
            C(0, -82, 15, CREAM) + C(0, -80, 4, RED) +
            C(-6, -86, 2.5, OUT, st=False) + C(6, -86, 2.5, OUT, st=False) +
            POLY([(-14, -92), (0, -112), (14, -92)], a) +
            R(-36, -44, 72, 44, m) + POLY([(-36, -44), (36, -44), (36, -60), (-36, -48)], dark(m)) +
            POLY(star_pts(0, -22, 13, 6), a) + HL(-26, -34, 4, 6, 0.4))


@obj(1.6, [RED, BLUE, GOLD, TEAL, VIOLET])
def plane(m, a):
    return (P("M-76,-52 C-76,-62 -60,-66 -40,-66 L50,-66 C66,-66 78,-60 78,-52 "
              "C78,-44 66,-40 50,-40 L-40,-40 C-60,-40 -76,-44 -76,-52 Z", m) +
            POLY([(-8, -54), (-30, -98), (-14, -98), (16, -54)], a) +
            POLY([(-8, -52), (-26, -14), (-12, -14), (14, -52)], dark(a)) +
            POLY([(-70, -62), (-82, -84), (-70, -84), (-56, -64)], a) +
            C(30, -56, 5, "#CFEFFF") + C(46, -56, 5, "#CFEFFF") + HL(-40, -60, 14, 3, 0.5))


@obj(0.7, [BROWN, RED, STONE])
def hammer(m, a):
    return (R(-7, -70, 14, 70, "#D9A066", rx=4) + R(-34, -96, 68, 26, STONE, rx=4) +
            P("M34,-96 C44,-96 48,-90 48,-84 L34,-80 Z", STONE) + HL(-20, -90, 8, 3, 0.5))


# -- candy garden

@obj(0.62, [RED, PINK, VIOLET, TEAL, ORANGE, LIME, BLUE])
def lollipop(m, a):
    s = R(-3.5, -62, 7, 62, SNOW)
    s += C(0, -70, 30, m)
    s += LN("M0,-70 C4,-70 6,-66 2,-62 C-6,-58 -12,-68 -8,-76 C-2,-86 14,-82 16,-70 "
            "C18,-56 4,-46 -10,-50 C-24,-56 -26,-76 -16,-88", 1.8, "#FFFFFF")
    return s + HL(-14, -84, 6, 4, 0.5)


@obj(0.5, [RED, GREEN, VIOLET, PINK])
def cane(m, a):
    d = "M10,0 L10,-70 C10,-96 -26,-96 -26,-74"
    return (LN(d, 4.6, OUT) + LN(d, 3.0, "#FFFFFF") +
            LN(d, 3.0, m, extra=' stroke-dasharray="%s %s"' % (n(SW * 3), n(SW * 3))))


@obj(1.5, [RED, PINK, VIOLET, TEAL, GOLD, ORANGE, GREEN, BLUE])
def sweet(m, a):
    return (POLY([(-30, -50), (-70, -74), (-62, -50), (-70, -26)], light(m, 0.2)) +
            POLY([(30, -50), (70, -74), (62, -50), (70, -26)], light(m, 0.2)) +
            E(0, -50, 36, 26, m) + LN("M-14,-74 C-4,-60 -4,-40 -14,-26 M6,-76 C16,-60 16,-40 "
                                       "6,-24", 1.2, a) + HL(-14, -62, 8, 4, 0.55))


@obj(0.85, [PINK, SNOW, LILAC, MINT, YELLOW, SKY])
def cupcake(m, a):
    return (P("M-34,-46 L-24,0 L24,0 L34,-46 Z", a) +
            LN("M-22,-40 L-16,-4 M-8,-44 L-6,-4 M8,-44 L6,-4 M22,-40 L16,-4", 0.6, dark(a, 0.2)) +
            P("M-40,-44 C-46,-58 -32,-66 -24,-62 C-24,-80 -4,-86 4,-76 C14,-90 36,-80 30,-62 "
              "C42,-62 48,-52 40,-44 Z", m) + C(2, -86, 9, RED) + HL(-8, -90, 3, 2, 0.6) +
            C(-16, -56, 2.5, a, st=False) + C(12, -60, 2.5, VIOLET, st=False) +
            C(-2, -52, 2.5, TEAL, st=False) + C(24, -52, 2.5, GOLD, st=False) +
            HL(-26, -56, 6, 3, 0.5))


@obj(0.6, [PINK, MINT, CREAM, LILAC, YELLOW, SKY, "#8B5A3C"])
def icecream(m, a):
    return (POLY([(-24, -52), (24, -52), (0, 0)], "#E8B15E") +
            LN("M-16,-44 L6,-14 M-2,-50 L12,-30 M16,-44 L-6,-14 M2,-50 L-12,-30", 0.6, "#B87B34") +
            C(0, -86, 17, a) +
            P("M-28,-54 C-32,-70 -20,-82 0,-82 C20,-82 32,-70 28,-54 C22,-46 18,-56 12,-50 C6,-44 0,-54 -6,-48 "
              "C-12,-42 -18,-54 -22,-48 C-26,-46 -28,-50 -28,-54 Z", m) +
            C(4, -102, 6, RED) + HL(-12, -70, 7, 4, 0.5, -20) + HL(-6, -92, 4, 3, 0.5))


@obj(1.15, [PINK, "#8B5A3C", LILAC, MINT, YELLOW, SKY])
def donut(m, a):
    s = E(0, -40, 56, 38, "#E8B15E")
    s += P("M-52,-44 C-56,-62 -34,-78 0,-78 C34,-78 56,-62 52,-44 C46,-32 40,-42 30,-34 "
           "C20,-28 14,-38 0,-32 C-14,-38 -22,-26 -32,-34 C-42,-42 -46,-32 -52,-44 Z", m)
    s += E(0, -48, 18, 10, "#F5E6D3") + P("M-18,-48 C-14,-42 14,-42 18,-48", "none")
    for i, (x, y) in enumerate([(-34, -58), (-18, -68), (22, -66), (36, -54), (-4, -66), (10, -60)]):
        s += R(x - 4, y - 1.5, 8, 3, [RED, GOLD, TEAL, VIOLET, SNOW, ORANGE][i], rx=1.5, st=False,
               extra=' transform="rotate(%d %s %s)"' % ((i * 47) % 180, n(x), n(y)))
    return s + HL(-30, -64, 8, 3, 0.5, -20)


@obj(0.9, [RED, GREEN, VIOLET, ORANGE, PINK, YELLOW, TEAL])
def gumdrop(m, a):
    return (P("M-44,0 C-48,-40 -34,-86 0,-86 C34,-86 48,-40 44,0 Z", m) +
            C(-16, -40, 3, "#FFFFFF", st=False) + C(10, -56, 3, "#FFFFFF", st=False) +
            C(22, -26, 3, "#FFFFFF", st=False) + C(-2, -20, 3, "#FFFFFF", st=False) +
            C(-4, -72, 3, "#FFFFFF", st=False) + HL(-20, -64, 7, 11, 0.45, 20))


@obj(0.9, [RED, PINK, VIOLET, ORANGE, TEAL])
def candymush(m, a):
    return (R(-14, -46, 28, 46, CREAM, rx=6) +
            P("M-48,-44 C-48,-84 48,-84 48,-44 Z", m) +
            C(-24, -58, 7, "#FFFFFF", st=False) + C(6, -72, 6, "#FFFFFF", st=False) +
            C(28, -54, 7, "#FFFFFF", st=False) + HL(-18, -70, 8, 4, 0.4))


@obj(1.2, ["#8B5A3C", "#6B3F2A", "#C98B5A"])
def chocolate(m, a):
    s = R(-58, -70, 116, 66, m, rx=4)
    for i in range(3):
        for j in range(2):
            s += R(-50 + i * 35, -62 + j * 28, 30, 24, light(m, 0.12), rx=2, st=0.6)
    return (s + P("M10,-72 L60,-72 L60,-2 L40,-2 L46,-20 L34,-36 L42,-50 L24,-60 Z", a) +
            HL(-40, -58, 8, 3, 0.45))


@obj(1.0, [PINK, MINT, LILAC, YELLOW, SKY, ORANGE])
def macaron(m, a):
    return (E(0, -22, 42, 18, m) + R(-40, -48, 80, 14, CREAM, rx=6) + E(0, -62, 42, 20, m) +
            HL(-16, -70, 12, 4, 0.5))


@obj(1.6, [RED, GREEN, ORANGE, VIOLET, YELLOW, PINK, TEAL])
def jellybean(m, a):
    return (P("M-70,-40 C-74,-64 -40,-74 -10,-62 C10,-54 30,-72 56,-64 C80,-56 74,-18 46,-18 "
              "C20,-18 10,-32 -20,-22 C-46,-14 -66,-20 -70,-40 Z", m) + HL(-44, -56, 14, 4, 0.5, -8))


@obj(0.75, [RED, PINK, YELLOW, LILAC, ORANGE])
def candyflower(m, a):
    s = R(-3, -54, 6, 54, MINT, st=0.8)
    for i in range(8):
        ang = math.radians(i * 45)
        s += E(22 * math.cos(ang), -70 + 22 * math.sin(ang), 13, 8, m if i % 2 else light(m, 0.3),
               rot=i * 45)
    return s + C(0, -70, 12, "#8B5A3C") + HL(-4, -74, 4, 3, 0.4)


# -- coral reef

@obj(1.5, [ORANGE, GOLD, RED, BLUE, VIOLET, PINK, TEAL, LIME, YELLOW])
def fish(m, a):
    return (POLY([(-40, -50), (-72, -76), (-64, -50), (-72, -24)], a) +
            P("M-4,-72 C0,-92 26,-88 30,-70 Z", a) +
            E(0, -50, 46, 28, m) +
            P("M-12,-76 C-20,-60 -20,-40 -12,-24 L-2,-23 C-10,-40 -10,-60 -2,-77 Z", a, st=0.5) +
            C(24, -56, 7, "#FFFFFF") + C(26, -56, 3.5, OUT, st=False) +
            LN("M40,-42 C36,-40 34,-40 30,-42", 0.6) + HL(-2, -64, 12, 4, 0.5))


@obj(1.0, [GOLD, SNOW, TEAL, PINK, ORANGE])
def angelfish(m, a):
    return (POLY([(-30, -50), (-48, -70), (-48, -30)], a) +
            POLY([(0, -50), (-10, -100), (20, -62)], a) + POLY([(0, -50), (-10, 0), (20, -38)], a) +
            P("M-34,-50 C-20,-78 20,-78 40,-50 C20,-22 -20,-22 -34,-50 Z", m) +
            P("M-8,-72 C-14,-60 -14,-40 -8,-28 L2,-28 C-4,-40 -4,-60 2,-73 Z", OUT, st=False) +
            P("M14,-68 C10,-58 10,-42 14,-32 L20,-36 C18,-44 18,-56 20,-64 Z", a, st=False) +
            C(26, -54, 3, OUT, st=False) + HL(6, -64, 6, 3, 0.5))


@obj(1.0, [GOLD, YELLOW, ORANGE, LIME])
def puffer(m, a):
    s = ""
    for i in range(12):
        ang = math.radians(i * 30)
        s += POLY([(40 * math.cos(ang - 0.12), -50 + 40 * math.sin(ang - 0.12)),
                   (50 * math.cos(ang), -50 + 50 * math.sin(ang)),
                   (40 * math.cos(ang + 0.12), -50 + 40 * math.sin(ang + 0.12))], dark(m, 0.2), st=0.6)
    return (s + C(0, -50, 40, m) + E(0, -36, 28, 16, light(m, 0.55), st=False) +
            C(14, -60, 8, "#FFFFFF") + C(16, -60, 4, OUT, st=False) +
            E(32, -44, 5, 4, RED) + HL(-16, -70, 10, 5, 0.5, -25))


@obj(0.5, [GOLD, ORANGE, PINK, LIME, VIOLET])
def seahorse(m, a):
    return (P("M-4,-80 C8,-98 34,-92 30,-76 L44,-74 L42,-66 L26,-68 C18,-60 20,-48 16,-36 "
              "C12,-22 -4,-16 -12,-22 C-22,-30 -10,-40 -2,-34 C4,-30 -4,-24 -8,-28 "
              "C-14,-40 -4,-46 -2,-58 C0,-66 -14,-70 -4,-80 Z", m) +
            LN("M-6,-28 C-20,-10 -6,2 6,-6", 2.4, OUT) + LN("M-6,-28 C-20,-10 -6,2 6,-6", 1.2, m) +
            P("M-4,-60 C-16,-62 -20,-50 -6,-46 Z", a) + C(16, -80, 3.5, OUT, st=False) +
            HL(8, -86, 5, 3, 0.5))


@obj(0.8, [PINK, LILAC, SNOW, "#FFB3D9", MINT])
def jellyfish(m, a):
    s = ""
    for i, x in enumerate([-26, -12, 2, 16, 28]):
        s += LN("M%d,-56 C%d,-40 %d,-28 %d,%d" % (x, x + 8, x - 8, x + 2, -4 - (i % 2) * 8), 1.0, dark(m, 0.3))
    return (s + P("M-40,-56 C-40,-104 40,-104 40,-56 C30,-50 24,-60 14,-52 C4,-46 -4,-60 -14,-52 "
                  "C-24,-46 -30,-60 -40,-56 Z", m, extra=' fill-opacity="0.9"') +
            C(-10, -72, 3, OUT, st=False) + C(10, -72, 3, OUT, st=False) +
            HL(-16, -86, 9, 5, 0.55, -20))


@obj(1.4, [RED, ORANGE, "#E04848", PINK])
def crab(m, a):
    s = LN("M-26,-24 L-54,-8 M-24,-16 L-46,0 M26,-24 L54,-8 M24,-16 L46,0", 1.4, dark(m))
    s += LN("M-26,-44 L-46,-64 M26,-44 L46,-64", 1.4, dark(m))
    s += P("M-46,-64 C-70,-70 -66,-98 -46,-92 L-50,-80 L-40,-78 C-36,-70 -40,-64 -46,-64 Z", m)
    s += P("M46,-64 C70,-70 66,-98 46,-92 L50,-80 L40,-78 C36,-70 40,-64 46,-64 Z", m)
    s += LN("M-10,-50 L-12,-66 M10,-50 L12,-66", 1.0)
    s += C(-12, -68, 6, "#FFFFFF") + C(12, -68, 6, "#FFFFFF")
    s += C(-12, -68, 3, OUT, st=False) + C(12, -68, 3, OUT, st=False)
    return s + E(0, -34, 36, 22, m) + LN("M-8,-28 C-4,-24 4,-24 8,-28", 0.8) + HL(-14, -44, 9, 4, 0.5)


@obj(1.0, [ORANGE, RED, GOLD, VIOLET, PINK, TEAL])
def starfish(m, a):
    pts = star_pts(0, -50, 50, 22)
    d = "M" + " L".join("%s,%s" % (n(x), n(y)) for x, y in pts) + " Z"
    s = P(d, m, extra=' stroke-linejoin="round"')
    for x, y in [(0, -82), (-26, -58), (26, -58), (-16, -28), (16, -28), (0, -50)]:
        s += C(x, y, 3.5, light(m, 0.5), st=False)
    return s + HL(-8, -70, 5, 3, 0.5)


@obj(1.1, [PINK, CREAM, "#FFC9A8", LILAC, "#FFE0B3"])
def shell(m, a):
    s = P("M0,-8 C-10,-10 -52,-40 -46,-62 C-40,-86 -14,-94 0,-94 C14,-94 40,-86 46,-62 "
          "C52,-40 10,-10 0,-8 Z", m)
    for x in (-34, -18, 0, 18, 34):
        s += LN("M0,-12 L%d,-88" % x, 0.7, dark(m, 0.35))
    return s + R(-14, -14, 28, 12, dark(m, 0.1), rx=4) + HL(-20, -72, 8, 4, 0.5, -20)


@obj(0.9, [RED, PINK, ORANGE, VIOLET, "#FF6F91", GOLD])
def coral(m, a):
    d = ("M-6,0 L-6,-30 L-30,-52 L-30,-86 M-18,-41 L-10,-70 M6,-12 L6,-40 L26,-62 L26,-94 "
         "M16,-51 L40,-66 M6,-40 L4,-84")
    return (LN(d, 5.2, OUT) + LN(d, 3.8, m) + LN("M-32,-84 L-30,-70 M4,-82 L5,-70", 1.2, light(m, 0.4)))


@obj(1.1, [VIOLET, "#FF9A5C", "#5CC98A", PINK, GOLD])
def braincoral(m, a):
    return (P("M-50,0 C-54,-60 -30,-86 0,-86 C30,-86 54,-60 50,0 Z", m) +
            LN("M-34,-12 C-40,-40 -24,-44 -30,-66 M-14,-8 C-22,-30 -2,-40 -12,-74 "
               "M8,-8 C2,-30 22,-40 10,-78 M30,-12 C24,-40 40,-44 30,-66", 0.8, dark(m, 0.35)) +
            HL(-22, -64, 8, 5, 0.4))


@obj(0.9, [PINK, ORANGE, LILAC, MINT, YELLOW])
def anemone(m, a):
    s = ""
    for i in range(9):
        x = -36 + i * 9
        tipx = x * 1.3 + (6 if i % 2 else -6)
        s += LN("M%d,-34 C%d,-60 %s,-70 %s,-%d" % (x, x, n(tipx), n(tipx), 84 + (i % 3) * 6), 2.4, OUT)
        s += LN("M%d,-34 C%d,-60 %s,-70 %s,-%d" % (x, x, n(tipx), n(tipx), 84 + (i % 3) * 6), 1.4, m)
    return s + P("M-40,0 L-36,-38 C-20,-44 20,-44 36,-38 L40,0 Z", a) + HL(-24, -28, 5, 8, 0.4)


@obj(0.55, [GREEN, "#2E9E6A", LIME, TEAL])
def seaweed(m, a):
    return (P("M-6,0 C-26,-20 10,-40 -10,-60 C-24,-74 -6,-90 -2,-100 C4,-88 -8,-74 4,-60 "
              "C20,-40 -10,-20 10,0 Z", m) +
            P("M8,0 C20,-14 4,-28 18,-46 C26,-56 30,-60 28,-70 C38,-58 30,-48 26,-42 C14,-26 "
              "30,-14 18,0 Z", light(m, 0.2)))


@obj(1.4, [GREEN, "#2E9E6A", TEAL, LIME])
def turtle(m, a):
    return (E(-40, -18, 12, 8, light(m, 0.3), rot=30) + E(34, -16, 12, 8, light(m, 0.3), rot=-30) +
            E(-34, -60, 14, 8, light(m, 0.3), rot=-30) + E(30, -64, 14, 8, light(m, 0.3), rot=30) +
            C(56, -42, 13, light(m, 0.3)) + C(60, -46, 3, OUT, st=False) +
            E(0, -40, 46, 32, "#C98B5A") +
            POLY([(-14, -56), (14, -56), (22, -40), (14, -24), (-14, -24), (-22, -40)], dark("#C98B5A", 0.12), st=0.7) +
            LN("M-22,-40 L-44,-40 M22,-40 L44,-40 M-14,-56 L-24,-68 M14,-56 L24,-68 M-14,-24 L-24,-12 "
               "M14,-24 L24,-12", 0.7) + HL(-20, -58, 8, 4, 0.45))


@obj(1.0, [VIOLET, RED, ORANGE, PINK])
def octopus(m, a):
    s = ""
    for i, x in enumerate([-34, -18, -2, 14, 30]):
        s += LN("M%d,-40 C%d,-20 %d,-10 %d,-4" % (x * 0.7, x, x + (10 if i % 2 else -10), x + 6), 3.4, OUT)
        s += LN("M%d,-40 C%d,-20 %d,-10 %d,-4" % (x * 0.7, x, x + (10 if i % 2 else -10), x + 6), 2.2, m)
    return (s + P("M-32,-38 C-40,-96 40,-96 32,-38 C20,-30 -20,-30 -32,-38 Z", m) +
            C(-12, -56, 7, "#FFFFFF") + C(12, -56, 7, "#FFFFFF") +
            C(-11, -55, 3.5, OUT, st=False) + C(13, -55, 3.5, OUT, st=False) +
            HL(-14, -80, 8, 5, 0.5, -20))


@obj(1.2, ["#8B6A9E", PINK, STONE, "#5C7AAA"])
def clam(m, a):
    return (P("M-50,-30 C-50,-80 50,-80 50,-30 Z", m) + C(0, -34, 12, "#FFF6FF") +
            HL(-4, -38, 4, 3, 0.8) +
            P("M-50,-30 C-50,-4 50,-4 50,-30 Z", dark(m, 0.15)) +
            LN("M-30,-36 L-38,-64 M-10,-46 L-12,-74 M10,-46 L12,-74 M30,-36 L38,-64", 0.6, dark(m, 0.3)))


@obj(1.3, [BROWN, "#8B5A3C"])
def chest(m, a):
    return (R(-50, -50, 100, 48, m, rx=3) + P("M-50,-50 C-50,-90 50,-90 50,-50 Z", light(m, 0.1)) +
            R(-50, -56, 100, 8, GOLD, st=0.7) + R(-32, -82, 8, 80, GOLD, st=0.6) +
            R(24, -82, 8, 80, GOLD, st=0.6) + R(-8, -60, 16, 18, GOLD, rx=2) +
            C(-12, -76, 5, YELLOW) + C(4, -84, 4, RED) + C(14, -72, 4, TEAL) +
            HL(-20, -78, 8, 3, 0.4))


@obj(0.9, [LILAC, SKY, MINT])
def rock(m, a):
    return (P("M-46,0 C-52,-30 -30,-60 -4,-62 C24,-64 50,-36 46,0 Z", m) +
            SH("M20,-56 C40,-40 50,-20 46,0 L10,0 C24,-20 26,-40 20,-56 Z", 0.2) +
            HL(-20, -40, 10, 5, 0.35, -30))


# -- space station

@obj(0.7, [SNOW, "#FFE6C7", "#E5F0FF"])
def astronaut(m, a):
    return (R(-34, -66, 12, 30, m, rx=6) + R(22, -66, 12, 30, m, rx=6) +
            R(-22, -24, 18, 24, m, rx=5) + R(4, -24, 18, 24, m, rx=5) +
            R(-26, -70, 52, 50, m, rx=12) + R(-12, -58, 24, 16, a, rx=3) +
            C(-6, -50, 3, RED, st=False) + C(6, -50, 3, GOLD, st=False) +
            C(0, -82, 24, m) + E(0, -82, 17, 13, "#3A5FA8") + HL(-6, -86, 6, 3, 0.6) +
            HL(-18, -94, 6, 3, 0.5))


@obj(1.2, [STONE, GOLD, SKY, "#C8CFD6"])
def satellite(m, a):
    s = R(-58, -62, 34, 24, "#3A6FD8") + R(24, -62, 34, 24, "#3A6FD8")
    s += LN("M-47,-62 L-47,-38 M-36,-62 L-36,-38 M35,-62 L35,-38 M46,-62 L46,-38 M-58,-50 L-24,-50 "
            "M24,-50 L58,-50", 0.5, SKY)
    return (s + R(-24, -70, 48, 40, m, rx=5) + LN("M0,-70 L0,-88", 0.9) +
            P("M-14,-88 C-14,-100 14,-100 14,-88 Z", light(m, 0.3)) + C(0, -50, 7, a) +
            HL(-14, -62, 5, 3, 0.5))


@obj(1.0, [RED, ORANGE, VIOLET, TEAL, "#E8A87C", BLUE, LIME])
def planet(m, a):
    return (C(0, -50, 34, m) +
            P("M-33,-42 C-10,-50 20,-50 33,-58 L31,-46 C12,-38 -12,-34 -30,-32 Z", dark(m, 0.18), st=False) +
            P("M-48,-36 C-60,-24 -20,-32 0,-38 C24,-46 60,-64 48,-68 C42,-70 34,-66 30,-64 "
              "L27,-58 C40,-64 44,-64 36,-58 C20,-48 -20,-36 -36,-36 C-42,-36 -44,-38 -42,-42 Z", a, st=0.6) +
            HL(-12, -66, 9, 5, 0.45, -30))


@obj(1.0, [STONE, "#D6D0C4", LILAC])
def moon(m, a):
    return (P("M10,-96 C-36,-96 -52,-52 -34,-24 C-20,-2 14,2 34,-14 C8,-18 -12,-40 -6,-64 "
              "C-2,-80 2,-90 10,-96 Z", m) + C(-28, -50, 5, dark(m, 0.15), st=0.6) +
            C(-16, -24, 4, dark(m, 0.15), st=0.6) + HL(-22, -72, 5, 8, 0.45, 20))


@obj(1.6, [GOLD, SKY, PINK, MINT])
def comet(m, a):
    return (P("M-78,-90 C-40,-70 -10,-60 16,-50 L6,-18 C-24,-36 -50,-60 -78,-90 Z", light(m, 0.45), st=0.6) +
            P("M-60,-56 C-36,-44 -16,-38 4,-32 L2,-26 C-20,-32 -40,-42 -60,-56 Z", "#FFFFFF", st=False,
              extra=' fill-opacity="0.7"') +
            C(20, -32, 18, m) + HL(14, -38, 6, 4, 0.6))


@obj(1.5, [LIME, TEAL, VIOLET, PINK, GOLD])
def ufo(m, a):
    return (P("M-24,-56 C-24,-88 24,-88 24,-56 Z", "#BDEBFF") + HL(-8, -72, 5, 6, 0.6) +
            E(0, -46, 66, 18, m) + E(0, -52, 40, 8, light(m, 0.3), st=False) +
            C(-40, -44, 4, YELLOW) + C(-14, -38, 4, RED) + C(14, -38, 4, YELLOW) + C(40, -44, 4, RED) +
            POLY([(-20, -30), (20, -30), (34, 0), (-34, 0)], "#FFF8A8", st=False) +
            HL(-34, -52, 10, 3, 0.5))


@obj(1.0, [STONE, "#C8CFD6", GOLD])
def dish(m, a):
    return (R(-8, -36, 16, 36, dark(m)) + R(-26, -8, 52, 8, dark(m, 0.1), rx=3) +
            P("M-46,-86 C-30,-40 30,-20 52,-40 Z", m) + LN("M3,-60 L-16,-88", 0.9) + C(-16, -88, 5, a) +
            HL(-26, -64, 8, 4, 0.4, 40))


@obj(0.9, [STONE, SKY, TEAL, GOLD, "#C8CFD6", RED])
def crate(m, a):
    return (R(-44, -88, 88, 88, m, rx=4) + R(-36, -80, 72, 72, light(m, 0.25), st=0.6) +
            LN("M-36,-80 L36,-8 M36,-80 L-36,-8", 1.0, dark(m, 0.2)) +
            R(-12, -54, 24, 20, a, rx=2) + HL(-28, -70, 6, 3, 0.5))


@obj(1.3, [STONE, "#C8CFD6", TEAL, BLUE, VIOLET])
def console(m, a):
    s = R(-62, -90, 124, 90, m, rx=6) + R(-52, -80, 60, 40, "#1F4A6B", rx=3)
    s += LN("M-48,-56 L-38,-66 L-28,-52 L-18,-70 L-8,-58 L2,-64", 0.7, "#7CFFB2")
    for i, c in enumerate([RED, GOLD, GREEN, SKY]):
        s += C(24 + (i % 2) * 18, -70 + (i // 2) * 20, 6, c)
    for i in range(5):
        s += R(-50 + i * 20, -30, 14, 10, [RED, GOLD, TEAL, VIOLET, LIME][(i + len(a)) % 5], rx=2, st=0.6)
    return s + HL(-54, -84, 4, 3, 0.5)


@obj(0.9, [SNOW, GOLD, SKY, LIME])
def drone(m, a):
    return (LN("M-30,-60 L-44,-84 M30,-60 L44,-84", 0.9) + E(-44, -86, 18, 4, STONE) + E(44, -86, 18, 4, STONE) +
            C(0, -54, 30, m) + C(0, -56, 14, OUT) + C(0, -56, 8, a, st=False) + C(-3, -59, 3, "#FFFFFF", st=False) +
            LN("M-16,-28 L-24,-6 M16,-28 L24,-6", 1.0) + HL(-14, -72, 7, 4, 0.5))


@obj(1.0, [STONE, "#B0A090", "#8B7B6B"])
def asteroid(m, a):
    return (P("M-44,-50 C-48,-74 -20,-94 6,-88 C30,-86 48,-66 44,-40 C42,-14 16,-4 -8,-8 "
              "C-30,-12 -42,-28 -44,-50 Z", m) + C(-14, -62, 9, dark(m, 0.15), st=0.6) +
            C(16, -36, 7, dark(m, 0.15), st=0.6) + C(20, -68, 4, dark(m, 0.15), st=0.6) +
            HL(-24, -74, 8, 4, 0.4, -30))


@obj(1.5, [SNOW, "#E5F0FF"])
def module(m, a):
    s = R(-72, -78, 144, 64, m, rx=16) + R(-72, -56, 144, 10, a, st=False)
    for i in range(4):
        s += C(-48 + i * 32, -34, 8, "#7FD4FF") + C(-50 + i * 32, -36, 3, "#FFFFFF", st=False)
    return s + HL(-50, -70, 14, 3, 0.5)


# -- farmers' market

@obj(1.0, [RED, LIME, GOLD, "#E04848"])
def apple(m, a):
    return (P("M0,-76 C-20,-92 -48,-82 -46,-50 C-44,-18 -20,-2 0,-10 C20,-2 44,-18 46,-50 "
              "C48,-82 20,-92 0,-76 Z", m) + LN("M0,-76 C0,-86 4,-94 8,-98", 1.0, BROWN) +
            E(16, -92, 12, 5, GREEN, rot=-20) + HL(-24, -62, 8, 10, 0.45, 20))


@obj(0.85, [LIME, GOLD, "#C9D94A"])
def pear(m, a):
    return (P("M0,-92 C-14,-92 -16,-70 -20,-60 C-36,-46 -40,-14 -20,-4 C-6,2 6,2 20,-4 C40,-14 "
              "36,-46 20,-60 C16,-70 14,-92 0,-92 Z", m) + LN("M0,-92 L4,-100", 1.0, BROWN) +
            HL(-16, -34, 6, 10, 0.4))


@obj(1.0, [ORANGE, YELLOW, "#FF9A3C"])
def orange(m, a):
    return (C(0, -46, 44, m) + C(-6, -78, 2, dark(m, 0.3), st=False) + C(14, -30, 2, dark(m, 0.2), st=False) +
            C(-20, -24, 2, dark(m, 0.2), st=False) + E(8, -90, 10, 5, GREEN, rot=-20) +
            HL(-18, -62, 10, 7, 0.45, -30))


@obj(1.4, [RED, "#E04848", ORANGE])
def tomato(m, a):
    return (E(0, -40, 60, 38, m) + POLY(star_pts(0, -76, 18, 6, 5), GREEN) +
            HL(-26, -54, 14, 6, 0.45, -15))


@obj(0.6, [ORANGE, "#FF9A3C"])
def carrot(m, a):
    return (P("M-12,-100 C-20,-110 -30,-104 -20,-84 M0,-104 C0,-114 10,-114 6,-84", GREEN) +
            E(-8, -94, 8, 14, GREEN, rot=-20) + E(8, -94, 8, 14, GREEN, rot=20) +
            P("M-22,-82 C-20,-86 20,-86 22,-82 C20,-54 6,-18 0,-2 C-6,-18 -20,-54 -22,-82 Z", m) +
            LN("M-14,-66 L-6,-64 M8,-50 L14,-48 M-10,-38 L-4,-36", 0.7, dark(m, 0.3)))


@obj(0.6, [VIOLET, "#6B3FA0"])
def eggplant(m, a):
    return (P("M-10,-80 C-30,-70 -36,-20 -18,-4 C-6,4 14,2 22,-10 C34,-28 16,-60 12,-78 Z", m) +
            P("M-16,-80 C-10,-94 10,-94 16,-80 C8,-76 -8,-76 -16,-80 Z", GREEN) +
            LN("M0,-90 L2,-100", 1.4, GREEN) + HL(-14, -46, 4, 14, 0.4, 10))


@obj(1.3, [ORANGE, GOLD, "#E8A050"])
def pumpkin(m, a):
    return (E(-30, -36, 26, 34, dark(m, 0.1)) + E(30, -36, 26, 34, dark(m, 0.1)) +
            E(-14, -36, 24, 36, m) + E(14, -36, 24, 36, m) + E(0, -36, 16, 37, light(m, 0.12)) +
            P("M-4,-72 C-4,-84 2,-92 8,-92 L10,-86 C6,-84 4,-80 4,-72 Z", GREEN) +
            HL(-18, -54, 5, 10, 0.4))


@obj(1.3, ["#2E9E6A", GREEN])
def watermelon(m, a):
    return (E(0, -40, 62, 38, m) +
            LN("M-40,-70 C-50,-50 -50,-30 -40,-10 M-14,-77 C-22,-50 -22,-30 -14,-3 M14,-77 "
               "C22,-50 22,-30 14,-3 M40,-70 C50,-50 50,-30 40,-10", 1.2, dark(m, 0.3)) +
            HL(-30, -58, 10, 6, 0.35, -30))


@obj(1.3, [RED, PINK])
def melonslice(m, a):
    return (P("M-62,-60 C-50,-10 50,-10 62,-60 Z", GREEN) + P("M-54,-60 C-44,-20 44,-20 54,-60 Z", CREAM, st=False) +
            P("M-48,-60 C-40,-26 40,-26 48,-60 Z", m, st=False) + LN("M-62,-60 L62,-60", 1.0) +
            C(-20, -46, 2.5, OUT, st=False) + C(0, -38, 2.5, OUT, st=False) + C(20, -46, 2.5, OUT, st=False) +
            C(-6, -52, 2.5, OUT, st=False) + C(10, -52, 2.5, OUT, st=False))


@obj(0.45, [YELLOW, GOLD])
def corn(m, a):
    s = P("M0,-96 C-16,-90 -18,-30 -10,-10 L10,-10 C18,-30 16,-90 0,-96 Z", m)
    for y in range(-84, -14, 12):
        s += LN("M-12,%d L12,%d" % (y, y), 0.5, dark(m, 0.25))
    s += LN("M0,-92 L0,-12", 0.5, dark(m, 0.25))
    return (s + P("M-10,-10 C-30,-40 -26,-70 -20,-80 C-14,-50 -6,-30 0,-2 Z", GREEN) +
            P("M10,-10 C30,-40 26,-64 22,-74 C14,-50 6,-30 0,-2 Z", light(GREEN, 0.2)))


@obj(0.8, [VIOLET, LIME, "#8E2C6E"])
def grapes(m, a):
    s = LN("M0,-84 L4,-98", 1.2, BROWN) + E(14, -90, 12, 6, GREEN, rot=-20)
    for x, y in [(-20, -74), (0, -76), (20, -74), (-10, -56), (10, -56), (-20, -40), (20, -40), (0, -38),
                 (-10, -22), (10, -22), (0, -8)]:
        s += C(x, y, 11, m) + C(x - 3, y - 3, 3, "#FFFFFF", st=False, extra=' fill-opacity="0.5"')
    return s


@obj(1.1, [GREEN, LIME])
def cabbage(m, a):
    return (C(0, -46, 44, m) + P("M-44,-40 C-30,-90 30,-90 44,-40 C30,-60 -30,-60 -44,-40 Z", light(m, 0.25)) +
            LN("M0,-6 C-8,-30 -6,-50 0,-62 M-24,-14 C-28,-30 -24,-44 -14,-56 M24,-14 C28,-30 24,-44 14,-56",
               0.7, dark(m, 0.25)) + HL(-20, -66, 8, 4, 0.4))


@obj(1.2, [GOLD, YELLOW, "#FFD47A"])
def cheese(m, a):
    return (E(0, -22, 56, 18, dark(m, 0.15)) + R(-56, -62, 112, 40, dark(m, 0.05), st=False) +
            LN("M-56,-62 L-56,-22 M56,-62 L56,-22", 1.0) + E(0, -62, 56, 18, m) +
            P("M0,-62 L56,-62 C56,-52 40,-46 28,-45 Z", light(m, 0.3)) +
            C(-20, -64, 5, dark(m, 0.2), st=0.6) + C(-30, -36, 5, dark(m, 0.25), st=0.6) +
            C(20, -32, 6, dark(m, 0.25), st=0.6))


@obj(0.75, [GOLD, ORANGE, RED, VIOLET])
def jar(m, a):
    return (R(-30, -80, 60, 80, m, rx=12) + R(-30, -56, 60, 30, CREAM, rx=3) +
            POLY(star_pts(0, -41, 10, 4), a) + R(-26, -96, 52, 18, RED if m != RED else GOLD, rx=4) +
            P("M-26,-90 L26,-90", "none") + HL(-18, -70, 4, 8, 0.5))


@obj(1.5, ["#C98B5A", "#E8B15E"])
def bread(m, a):
    return (P("M-70,-14 C-76,-46 -40,-70 0,-70 C40,-70 76,-46 70,-14 C40,-4 -40,-4 -70,-14 Z", m) +
            LN("M-40,-58 L-30,-34 M-10,-66 L0,-40 M20,-64 L30,-38", 1.0, dark(m, 0.3)) +
            HL(-36, -54, 14, 4, 0.4, -20))


@obj(1.3, [BROWN, "#C98B5A"])
def eggbasket(m, a):
    s = C(-24, -50, 14, CREAM) + C(0, -56, 15, "#FFE6CC") + C(24, -50, 14, CREAM) + C(-12, -46, 13, "#E8C9A0")
    s += C(14, -44, 13, SNOW)
    s += P("M-56,-48 L56,-48 L44,0 L-44,0 Z", m)
    s += LN("M-52,-34 L52,-34 M-48,-18 L48,-18", 0.8, dark(m, 0.3))
    s += LN("M-30,-48 L-24,0 M0,-48 L0,0 M30,-48 L24,0", 0.8, dark(m, 0.3))
    return s + HL(-36, -40, 6, 3, 0.4)


@obj(1.3, [RED, "#E04848"])
def strawberries(m, a):
    s = ""
    for x, y in [(-30, -14), (0, -20), (30, -14), (-14, -42), (16, -44)]:
        s += P("M%d,%d C%d,%d %d,%d %d,%d C%d,%d %d,%d %d,%d Z" % (
            x - 18, y - 24, x - 18, y - 4, x - 4, y + 6, x, y + 8, x + 4, y + 6, x + 18, y - 4, x + 18, y - 24), m)
        s += P("M%d,%d L%d,%d L%d,%d L%d,%d L%d,%d Z" % (x - 14, y - 24, x - 6, y - 32, x, y - 26, x + 6, y - 32,
                                                        x + 14, y - 24), GREEN)
        s += C(x - 6, y - 12, 1.6, YELLOW, st=False) + C(x + 6, y - 8, 1.6, YELLOW, st=False)
    return s


@obj(1.1, [YELLOW, GOLD])
def bananas(m, a):
    s = ""
    for i, (dx, dy) in enumerate([(-10, -30), (0, -16), (8, 0)]):
        c = m if i != 1 else light(m, 0.15)
        s += P("M%d,%d C%d,%d %d,%d %d,%d C%d,%d %d,%d %d,%d Z" % (
            -40 + dx, -70 - dy * 0.2 + dy, -36 + dx, -20 + dy, 20 + dx, -10 + dy, 50 + dx, -30 + dy,
            24 + dx, -24 + dy, -22 + dx, -34 + dy, -30 + dx, -72 + dy), c)
        s += C(50 + dx, -30 + dy, 3, "#5C3A24", st=False)
    return s + R(-46, -84, 12, 16, "#8B5A3C", rx=3) + HL(-26, -50, 3, 10, 0.45)


@obj(0.8, [RED, GOLD, GREEN, ORANGE])
def pepper(m, a):
    return (P("M-30,-70 C-44,-60 -42,-24 -30,-8 C-24,0 -14,-2 -8,-8 C-4,-2 4,-2 8,-8 C14,-2 24,0 30,-8 "
              "C42,-24 44,-60 30,-70 C20,-78 -20,-78 -30,-70 Z", m) +
            LN("M-8,-10 C-12,-30 -12,-50 -10,-66 M8,-10 C12,-30 12,-50 10,-66", 0.6, dark(m, 0.3)) +
            P("M-12,-74 C-6,-80 6,-80 12,-74 C6,-70 -6,-70 -12,-74 Z", GREEN) +
            LN("M0,-78 C0,-88 6,-94 12,-92", 1.4, GREEN) + HL(-22, -54, 4, 12, 0.45, 10))


# -- music hall

@obj(0.45, [RED, ORANGE, "#C98B5A", BLUE, VIOLET, TEAL])
def guitar(m, a):
    return (R(-5, -100, 10, 52, BROWN) + R(-8, -104, 16, 10, dark(BROWN), rx=2) +
            P("M0,-56 C-24,-58 -22,-42 -14,-36 C-30,-30 -28,0 0,-2 C28,0 30,-30 14,-36 C22,-42 24,-58 0,-56 Z", m) +
            C(0, -34, 6, OUT, st=False) + R(-8, -16, 16, 4, dark(m, 0.3), st=False) +
            LN("M-1.5,-100 L-1.5,-14 M1.5,-100 L1.5,-14", 0.3, CREAM) + HL(-12, -44, 4, 6, 0.4))


@obj(0.45, ["#C06A2A", "#A8542A", "#D98B4A"])
def violin(m, a):
    return (R(-3.5, -100, 7, 40, OUT, st=False) + C(0, -100, 5, dark(m)) +
            P("M0,-64 C-20,-66 -22,-52 -14,-44 C-8,-40 -8,-36 -14,-32 C-26,-22 -20,-2 0,-2 C20,-2 26,-22 14,-32 "
              "C8,-36 8,-40 14,-44 C22,-52 20,-66 0,-64 Z", m) +
            LN("M-6,-40 C-4,-36 -4,-34 -6,-30 M6,-40 C4,-36 4,-34 6,-30", 0.6) + R(-3.5, -60, 7, 44, OUT, st=False) +
            R(-7, -14, 14, 4, OUT, st=False) + HL(-10, -54, 3, 5, 0.45))


@obj(1.4, [GOLD, YELLOW, "#E8B840"])
def trumpet(m, a):
    return (P("M-66,-48 L22,-50 C34,-54 50,-62 68,-68 C72,-56 72,-40 68,-30 C50,-34 34,-42 22,-46 L-66,-44 Z", m) +
            R(-74, -52, 10, 12, m, rx=2) + R(-30, -72, 40, 22, "none", rx=10, st=0.9) +
            R(-26, -66, 6, 18, light(m, 0.2), st=0.6) + R(-12, -66, 6, 18, light(m, 0.2), st=0.6) +
            R(2, -66, 6, 18, light(m, 0.2), st=0.6) + E(69, -49, 5, 19, dark(m, 0.2)) +
            HL(-30, -48, 20, 1.5, 0.6))


@obj(0.55, [GOLD, "#E8B840"])
def sax(m, a):
    return (P("M10,-100 L4,-96 L4,-40 C4,-16 -10,-4 -24,-4 C-38,-4 -44,-18 -40,-30 L-42,-44 L-24,-44 L-26,-34 "
              "C-26,-24 -20,-20 -14,-22 C-10,-24 -10,-32 -10,-40 L-10,-92 Z", m) +
            LN("M10,-100 L24,-100", 1.5) + C(-1, -80, 3, CREAM, st=0.5) + C(-1, -68, 3, CREAM, st=0.5) +
            C(-1, -56, 3, CREAM, st=0.5) + C(-1, -44, 3, CREAM, st=0.5) + E(-33, -44, 10, 4, dark(m, 0.25)) +
            HL(-6, -70, 2, 14, 0.5))


@obj(1.2, [RED, BLUE, VIOLET, TEAL, SNOW])
def drumkit(m, a):
    return (LN("M-40,-60 L-40,-4 M40,-74 L40,-4 M-48,0 L-40,-20 L-32,0 M32,0 L40,-20 L48,0", 0.9, STONE) +
            E(-40, -62, 20, 4, GOLD) + E(40, -76, 20, 4, GOLD) +
            C(0, -36, 32, m) + C(0, -36, 22, CREAM) + C(0, -36, 8, m, st=0.6) +
            R(-34, -64, 22, 16, m, rx=3) + R(12, -64, 22, 16, m, rx=3) + HL(-14, -54, 5, 3, 0.5))


@obj(1.4, ["#3A2A4A", "#8B4A2A", SNOW, RED])
def piano(m, a):
    s = R(-68, -100, 136, 58, m, rx=4) + R(-72, -46, 144, 10, dark(m, 0.1), rx=2)
    s += R(-64, -42, 128, 14, SNOW, st=0.6)
    for i in range(11):
        s += LN("M%s,-42 L%s,-28" % (n(-64 + i * 11.6), n(-64 + i * 11.6)), 0.4)
    for i in (0, 1, 3, 4, 5, 7, 8, 10):
        s += R(-60 + i * 11.6, -42, 6, 8, OUT, st=False)
    s += R(-60, -28, 8, 28, dark(m, 0.1)) + R(52, -28, 8, 28, dark(m, 0.1))
    return s + R(-30, -90, 60, 24, light(m, 0.2), rx=2, st=0.6) + HL(-50, -92, 10, 3, 0.4)


@obj(0.75, [GOLD, "#C98B5A", "#E8B840"])
def harp(m, a):
    frame = "M-28,-4 L-28,-92 C-10,-100 4,-76 16,-72 C26,-68 34,-74 36,-80 L-18,-8 Z"
    s = ""
    for i in range(7):
        x = -22 + i * 7
        top = -90 + i * 3.2 + (i * i * 0.35)
        bottom = -12 - i * 8
        s += LN("M%s,%s L%s,%s" % (n(x), n(top), n(x), n(bottom)), 0.35, CREAM)
    return (LN(frame, 3.6, OUT) + LN(frame, 2.0, m) + s + R(-36, -8, 30, 8, dark(m, 0.2), rx=2) +
            C(-28, -94, 5, m))


@obj(0.5, [STONE, "#C8CFD6", GOLD])
def microphone(m, a):
    return (LN("M0,-60 L0,-6", 1.2, dark(STONE)) + E(0, -4, 24, 5, dark(STONE)) +
            R(-8, -70, 16, 22, OUT, rx=3, st=False) + C(0, -82, 15, m) +
            LN("M-10,-88 L10,-88 M-13,-80 L13,-80", 0.5, dark(m, 0.3)) + HL(-5, -88, 4, 3, 0.6))


@obj(0.8, [RED, GOLD, TEAL, VIOLET, ORANGE, GREEN])
def maracas(m, a):
    return (LN("M-14,-40 L-24,-2", 2.0, BROWN) + LN("M14,-44 L22,-4", 2.0, BROWN) +
            E(-10, -62, 18, 24, m, rot=-14) + E(12, -66, 18, 24, a, rot=14) +
            LN("M-24,-64 L4,-58 M-2,-70 L26,-64", 0.6, "#FFFFFF") + HL(-16, -74, 4, 6, 0.5))


@obj(1.0, ["#E8B15E", RED, BLUE])
def tambourine(m, a):
    s = C(0, -50, 44, m) + C(0, -50, 34, CREAM)
    for i in range(6):
        ang = math.radians(i * 60 + 15)
        s += E(39 * math.cos(ang), -50 + 39 * math.sin(ang), 7, 4, GOLD, rot=i * 60 + 105)
    return s + LN("M-16,-66 C-4,-74 12,-70 18,-60", 0.8, RED) + HL(-14, -66, 8, 4, 0.5)


@obj(1.4, [RED, VIOLET, TEAL, BLUE])
def xylophone(m, a):
    s = LN("M-66,-26 L66,-40 M-66,-6 L66,-20", 1.4, BROWN)
    cols = [RED, ORANGE, GOLD, GREEN, TEAL, BLUE, VIOLET]
    for i, c in enumerate(cols):
        h = 70 - i * 7
        s += R(-62 + i * 18, -16 - h + i * 2, 14, h, c, rx=3)
    return s + LN("M-40,-96 L-10,-84 M40,-100 L14,-88", 1.0, BROWN) + C(-10, -84, 4, m) + C(14, -88, 4, m)


@obj(1.0, [RED, GREEN, BLUE, VIOLET])
def accordion(m, a):
    s = R(-50, -80, 20, 70, m, rx=3) + R(30, -80, 20, 70, m, rx=3)
    for i in range(6):
        s += POLY([(-30 + i * 10, -76), (-25 + i * 10, -82), (-20 + i * 10, -76), (-20 + i * 10, -14),
                   (-25 + i * 10, -8), (-30 + i * 10, -14)], CREAM if i % 2 else light(m, 0.5), st=0.6)
    for y in (-66, -52, -38, -24):
        s += C(-40, y, 3, SNOW, st=0.5)
    return s + R(34, -70, 12, 50, SNOW, rx=2, st=0.6) + HL(-44, -72, 3, 5, 0.5)


@obj(0.6, [VIOLET, RED, BLUE, TEAL, GOLD, PINK])
def note(m, a):
    return (LN("M22,-96 L22,-28", 1.4) + LN("M22,-96 C34,-86 40,-76 34,-62", 1.4) +
            E(6, -22, 20, 15, m, rot=-25) + HL(0, -28, 6, 3, 0.5, -25))


@obj(0.9, [VIOLET, RED, BLUE, TEAL, GOLD, PINK])
def notes2(m, a):
    return (LN("M-14,-30 L-14,-90 L34,-100 L34,-40", 1.4) + P("M-14,-90 L34,-100 L34,-88 L-14,-78 Z", OUT) +
            E(-28, -26, 17, 13, m, rot=-25) + E(20, -36, 17, 13, m, rot=-25) + HL(-32, -30, 5, 3, 0.5, -25))


@obj(0.7, [STONE, GOLD, OUT])
def stand(m, a):
    return (LN("M0,-56 L0,-4 M-22,0 L0,-16 L22,0", 1.0, dark(STONE)) +
            POLY([(-34, -94), (34, -94), (30, -56), (-30, -56)], m if m != OUT else "#4A3A66") +
            R(-28, -90, 56, 30, SNOW, st=0.5) +
            LN("M-24,-84 L24,-84 M-24,-78 L24,-78 M-24,-72 L24,-72 M-24,-66 L24,-66", 0.3) +
            C(-12, -80, 2, OUT, st=False) + C(4, -74, 2, OUT, st=False) + C(14, -68, 2, OUT, st=False))


@obj(1.0, [GOLD, "#E8B840"])
def horn(m, a):
    return (RING(-8, -50, 30, OUT, 3.0) + RING(-8, -50, 30, m, 1.0) +
            P("M14,-32 C30,-24 40,-10 56,-2 L56,-40 C44,-36 30,-40 20,-44 Z", m) + E(56, -21, 6, 19, dark(m, 0.2)) +
            C(-8, -50, 8, m) + HL(-22, -68, 6, 3, 0.5, -30))


@obj(0.8, [RED, GOLD, TEAL, VIOLET, PINK, SKY, LIME])
def spotlamp(m, a):
    return (LN("M0,-100 L0,-88", 1.2) + R(-22, -90, 44, 8, STONE, rx=3) +
            P("M-24,-78 L24,-78 L32,-30 L-32,-30 Z", m) + R(-26, -84, 52, 10, dark(m, 0.2), rx=3) +
            E(0, -30, 32, 8, "#FFF8D0") + HL(-14, -68, 4, 8, 0.45))


# -- jungle

@obj(1.3, [RED, BLUE, GREEN, GOLD])
def parrot(m, a):
    return (P("M-10,-30 L-30,0 L-16,-2 L-4,-26 Z", a) + P("M2,-30 L-8,2 L4,0 L12,-28 Z", BLUE if m != BLUE else GOLD) +
            E(0, -48, 20, 26, m) + C(8, -76, 16, m) + P("M20,-82 C34,-80 34,-62 22,-62 C26,-68 24,-74 20,-74 Z", CREAM) +
            C(10, -80, 6, "#FFFFFF") + C(11, -80, 3, OUT, st=False) +
            P("M-16,-60 C-32,-44 -26,-24 -8,-22 C-4,-36 -6,-48 -16,-60 Z", a) + HL(2, -86, 5, 3, 0.5) +
            LN("M-34,-20 L30,-24", 1.2, BROWN))


@obj(0.75, [GOLD, RED, GREEN])
def toucan(m, a):
    return (E(-4, -40, 20, 30, OUT, st=False) + E(-4, -36, 12, 18, "#2B1B3D") +
            E(0, -60, 14, 12, "#FFFFFF") +
            P("M8,-70 C30,-78 50,-70 56,-58 C40,-56 24,-56 8,-56 Z", m) +
            P("M8,-62 C24,-62 40,-60 56,-58 C40,-54 24,-54 8,-56 Z", a) +
            C(2, -64, 4, TEAL) + C(2, -64, 2, OUT, st=False) + LN("M-20,-8 L20,-10", 1.2, BROWN) + HL(-10, -60, 3, 4, 0.5))


@obj(0.9, [BROWN, "#8B5A3C", "#C98B5A"])
def monkey(m, a):
    return (LN("M18,-24 C40,-20 44,-50 30,-56", 1.8, m) + LN("M-20,-56 L-32,-100", 2.2, m) +
            E(0, -30, 20, 24, m) + E(0, -26, 12, 14, CREAM, st=False) +
            C(-24, -70, 9, m) + C(24, -70, 9, m) + C(0, -68, 22, m) +
            P("M-16,-68 C-16,-82 -2,-82 0,-74 C2,-82 16,-82 16,-68 C16,-54 -16,-54 -16,-68 Z", CREAM) +
            C(-6, -70, 3, OUT, st=False) + C(6, -70, 3, OUT, st=False) + LN("M-6,-60 C-2,-56 2,-56 6,-60", 0.6) +
            LN("M-14,-8 L-16,0 M14,-8 L16,0", 2.0, m))


@obj(1.6, [GREEN, LIME, GOLD, RED, TEAL])
def snake(m, a):
    d = "M-74,-20 C-60,-48 -40,-48 -30,-24 C-20,0 0,0 10,-24 C20,-48 40,-48 50,-28"
    return (LN(d, 6.0, OUT) + LN(d, 4.2, m) + LN(d, 1.0, a, extra=' stroke-dasharray="6 8"') +
            E(60, -30, 16, 11, m) + C(64, -34, 3, OUT, st=False) + LN("M76,-28 L84,-26 M84,-26 L88,-30 M84,-26 L88,-22",
                                                                     0.6, RED))


@obj(1.2, [GREEN, LIME, RED, BLUE, ORANGE])
def frog(m, a):
    return (E(-34, -12, 16, 8, dark(m, 0.1)) + E(34, -12, 16, 8, dark(m, 0.1)) +
            E(0, -34, 40, 28, m) + E(0, -26, 26, 16, light(m, 0.4), st=False) +
            C(-20, -62, 12, m) + C(20, -62, 12, m) + C(-20, -62, 6, "#FFFFFF") + C(20, -62, 6, "#FFFFFF") +
            C(-19, -62, 3, OUT, st=False) + C(21, -62, 3, OUT, st=False) +
            LN("M-14,-42 C-6,-36 6,-36 14,-42", 0.7) + HL(-14, -48, 6, 3, 0.45))


@obj(1.2, [BLUE, ORANGE, PINK, GOLD, VIOLET, TEAL])
def butterfly(m, a):
    return (E(-24, -64, 22, 24, m, rot=-20) + E(24, -64, 22, 24, m, rot=20) +
            E(-18, -30, 15, 16, light(m, 0.25), rot=20) + E(18, -30, 15, 16, light(m, 0.25), rot=-20) +
            C(-26, -66, 7, a) + C(26, -66, 7, a) + E(0, -46, 5, 24, OUT, st=False) +
            LN("M-2,-68 L-10,-86 M2,-68 L10,-86", 0.6))


@obj(1.4, [GREEN, TEAL, ORANGE, VIOLET])
def chameleon(m, a):
    return (LN("M-36,-30 C-60,-30 -62,-6 -46,-8 C-38,-10 -40,-20 -46,-18", 1.8, m) +
            P("M-40,-30 C-40,-60 10,-66 30,-48 L50,-44 C52,-30 40,-24 28,-26 C10,-20 -30,-20 -40,-30 Z", m) +
            LN("M-30,-50 C-20,-62 0,-64 20,-56", 0.6, a) + C(30, -42, 7, light(m, 0.3)) + C(31, -42, 3, OUT, st=False) +
            LN("M-24,-24 L-28,-4 M14,-24 L18,-4", 1.4, m) + LN("M-60,-4 L60,-4", 1.4, BROWN))


@obj(1.0, [ORANGE, GOLD])
def tiger(m, a):
    return (C(-28, -78, 10, m) + C(28, -78, 10, m) + C(0, -48, 38, m) +
            E(0, -34, 20, 14, CREAM, st=False) +
            LN("M-4,-86 L0,-74 L4,-86 M-36,-54 L-24,-50 M-36,-42 L-24,-44 M36,-54 L24,-50 M36,-42 L24,-44",
               0.9) + C(-14, -56, 5, "#FFFFFF") + C(14, -56, 5, "#FFFFFF") + C(-14, -56, 2.5, OUT, st=False) +
            C(14, -56, 2.5, OUT, st=False) + P("M-6,-40 L6,-40 L0,-34 Z", PINK) + HL(-16, -74, 6, 3, 0.4))


@obj(1.3, [STONE, "#B0A8C0", "#9AA3C0"])
def elephant(m, a):
    return (R(-40, -36, 14, 36, m, rx=4) + R(-12, -36, 14, 36, m, rx=4) + R(18, -36, 14, 36, m, rx=4) +
            E(-6, -48, 44, 30, m) + LN("M44,-60 C60,-50 58,-20 66,-14", 3.4, OUT) + LN("M44,-60 C60,-50 58,-20 66,-14", 2.4, m) +
            C(36, -66, 20, m) + E(18, -64, 14, 20, light(m, 0.2)) + C(42, -72, 3, OUT, st=False) +
            HL(-24, -66, 12, 4, 0.4))


@obj(0.9, [RED, PINK, ORANGE, YELLOW, VIOLET])
def hibiscus(m, a):
    s = ""
    for i in range(5):
        ang = math.radians(i * 72 - 90)
        s += E(24 * math.cos(ang), -50 + 24 * math.sin(ang), 22, 16, m, rot=i * 72)
    return (s + C(0, -50, 10, dark(m, 0.3), st=False) + LN("M0,-50 L14,-80", 1.0, GOLD) + C(14, -80, 3, GOLD, st=False) +
            HL(-16, -66, 6, 3, 0.5))


@obj(0.9, [YELLOW, GOLD, LIME])
def bananabunch(m, a):
    s = LN("M0,-100 L0,-84", 1.8, "#8B5A3C")
    for i, ang in enumerate([-34, 30, -12, 12]):
        c = m if i % 2 == 0 else light(m, 0.15)
        s += ('<g transform="rotate(%d 0 -84)">' % ang +
              P("M-5,-84 C-16,-60 -14,-30 2,-8 C6,-6 10,-8 10,-12 C0,-30 -2,-58 5,-84 Z", c) +
              C(4, -9, 2.5, "#5C3A24", st=False) + "</g>")
    return s + R(-7, -90, 14, 10, "#8B5A3C", rx=3) + HL(-6, -56, 2, 10, 0.45)


@obj(1.1, [RED, BLUE, GREEN, GOLD, VIOLET])
def beetle(m, a):
    return (LN("M-30,-46 L-44,-56 M-30,-30 L-46,-30 M-30,-16 L-44,-6 M30,-46 L44,-56 M30,-30 L46,-30 M30,-16 L44,-6", 1.0) +
            C(0, -70, 14, OUT, st=False) + LN("M-6,-80 L-14,-96 M6,-80 L14,-96", 0.8) +
            E(0, -34, 32, 34, m) + LN("M0,-66 L0,-2", 0.8) + C(-14, -40, 5, OUT, st=False) + C(14, -24, 5, OUT, st=False) +
            C(12, -50, 4, OUT, st=False) + HL(-14, -52, 6, 8, 0.45, 20))


@obj(0.9, [GREEN, "#2E9E6A", LIME, TEAL])
def leaf(m, a):
    return (P("M0,0 C-46,-20 -44,-80 0,-100 C44,-80 46,-20 0,0 Z", m) + LN("M0,-4 L0,-92", 0.7, dark(m, 0.3)) +
            LN("M0,-30 L-24,-44 M0,-50 L-26,-66 M0,-30 L24,-44 M0,-50 L26,-66", 0.5, dark(m, 0.3)) +
            HL(-14, -66, 5, 10, 0.35, 20))


@obj(0.9, [RED, GOLD, VIOLET])
def toadstool(m, a):
    return (R(-12, -44, 24, 44, CREAM, rx=6) + P("M-46,-42 C-46,-90 46,-90 46,-42 Z", m) +
            C(-22, -58, 6, "#FFFFFF", st=False) + C(8, -72, 5, "#FFFFFF", st=False) + C(26, -54, 6, "#FFFFFF", st=False))


# -- snow village

@obj(0.7, [SNOW])
def snowman(m, a):
    return (C(0, -24, 24, m) + C(0, -58, 18, m) + C(0, -82, 13, m) +
            LN("M-16,-62 L-34,-76 M16,-62 L34,-74", 0.9, BROWN) +
            R(-11, -106, 22, 14, OUT, st=False) + R(-17, -95, 34, 5, OUT, st=False) +
            R(-11, -99, 22, 4, a, st=False) +
            C(-5, -85, 2, OUT, st=False) + C(5, -85, 2, OUT, st=False) +
            POLY([(0, -81), (15, -78), (0, -76)], ORANGE, st=0.5) +
            R(-14, -72, 28, 6, a, st=False) + R(5, -72, 7, 18, a, st=False) +
            C(0, -58, 2.2, OUT, st=False) + C(0, -48, 2.2, OUT, st=False) + HL(-9, -36, 7, 5, 0.6))


@obj(1.0, [SNOW, "#DDF2FF", "#CFE6FF", LILAC])
def snowflake(m, a):
    s = ""
    for i in range(6):
        ang = math.radians(i * 60)
        c, si = math.cos(ang), math.sin(ang)
        x1, y1 = 46 * c, -50 + 46 * si
        xm, ym = 26 * c, -50 + 26 * si
        cl, sl = math.cos(ang + 0.7), math.sin(ang + 0.7)
        cr, sr = math.cos(ang - 0.7), math.sin(ang - 0.7)
        s += "M0,-50 L%s,%s M%s,%s L%s,%s M%s,%s L%s,%s " % (
            n(x1), n(y1), n(xm), n(ym), n(xm + 14 * cl), n(ym + 14 * sl), n(xm), n(ym), n(xm + 14 * cr), n(ym + 14 * sr))
    return LN(s, 3.2, OUT) + LN(s, 1.6, m) + C(0, -50, 7, m, st=0.8)


@obj(0.75, ["#2E9E6A", GREEN, "#2E8B57"])
def pine(m, a):
    return (R(-6, -16, 12, 16, BROWN) +
            POLY([(0, -100), (-22, -64), (-12, -64), (-32, -36), (-18, -36), (-40, -14), (40, -14), (18, -36),
                  (32, -36), (12, -64), (22, -64)], m) +
            P("M-22,-64 C-14,-60 -6,-66 0,-62 C6,-66 14,-60 22,-64 L12,-64 Z", SNOW, st=0.6) +
            P("M-32,-36 C-20,-32 -8,-38 0,-34 C10,-38 20,-32 32,-36 L18,-36 Z", SNOW, st=0.6) +
            P("M-40,-14 C-26,-10 -10,-16 0,-12 C12,-16 26,-10 40,-14 Z", SNOW, st=0.6))


@obj(0.75, [GREEN, "#2E9E6A", LIME])
def tree(m, a):
    return (R(-6, -30, 12, 30, BROWN) + C(0, -62, 34, m) + C(-16, -50, 18, dark(m, 0.1), st=False) +
            C(0, -62, 34, "none") + HL(-12, -76, 10, 6, 0.35, -30))


@obj(0.75, ["#2E9E6A", GREEN])
def xmastree(m, a):
    s = R(-6, -14, 12, 14, BROWN) + POLY([(0, -92), (-38, -14), (38, -14)], m)
    for x, y, c in [(-6, -70, RED), (10, -56, GOLD), (-16, -44, SKY), (4, -36, PINK), (-24, -22, GOLD), (20, -24, RED),
                    (-4, -20, VIOLET), (18, -42, TEAL)]:
        s += C(x, y, 4, c, st=0.5)
    return s + POLY(star_pts(0, -94, 11, 5), GOLD)


def _house(m, a, snowy):
    s = (R(-40, -60, 80, 60, m) + R(18, -96, 12, 26, "#B85A3A") + POLY([(-50, -56), (0, -98), (50, -56)], a))
    if snowy:
        s += (P("M-50,-56 L0,-98 L50,-56 L44,-52 C30,-60 20,-50 10,-58 C0,-66 -10,-54 -20,-60 C-34,-66 -40,-52 "
                "-50,-56 Z", SNOW) + R(16, -104, 16, 8, SNOW, rx=3))
    else:
        s += LN("M-30,-64 L0,-90 L30,-64", 0.5, light(a, 0.4)) + HL(-20, -72, 8, 3, 0.4, -40)
    return (s + R(-28, -44, 18, 18, YELLOW if snowy else "#CFEFFF") + LN("M-19,-44 L-19,-26 M-28,-35 L-10,-35", 0.6) +
            R(8, -40, 20, 40, "#8B5A3C", rx=2) + C(23, -20, 2, GOLD, st=False))


@obj(1.1, [RED, SKY, GOLD, LILAC, MINT, PINK, ORANGE])
def house(m, a):
    return _house(m, a, True)


@obj(1.1, [RED, SKY, GOLD, LILAC, MINT, PINK, ORANGE, CREAM])
def cottage(m, a):
    return _house(m, a, False)


@obj(0.5, [OUT, "#4A3A66"])
def lamppost(m, a):
    return (R(-4, -80, 8, 76, m, st=False) + R(-10, -8, 20, 8, m, st=False) +
            E(0, -88, 26, 24, "#FFF3A8", st=False, extra=' fill-opacity="0.45"') +
            POLY([(-10, -80), (10, -80), (14, -96), (-14, -96)], "#FFE27A") + POLY([(-16, -96), (16, -96), (0, -106)], m))


@obj(1.3, [RED, BLUE, GREEN, BROWN])
def sled(m, a):
    return (LN("M-56,-10 L50,-10 C62,-10 64,-24 56,-26", 1.4, dark(STONE)) +
            LN("M-40,-10 L-40,-30 M30,-10 L30,-30", 1.2, dark(STONE)) +
            R(-54, -40, 100, 12, m, rx=4) + LN("M46,-36 C66,-40 70,-60 60,-70", 0.8, GOLD) + HL(-30, -37, 16, 2, 0.5))


@obj(1.0, [BLUE, RED, GREEN, VIOLET])
def mitten(m, a):
    return (P("M-24,-20 L-24,-70 C-24,-96 20,-96 20,-70 L20,-46 C30,-60 44,-50 36,-36 L20,-16 Z", m) +
            R(-28, -22, 52, 18, SNOW, rx=4) + LN("M-14,-70 L8,-70 M-14,-58 L8,-58", 0.7, light(m, 0.5)))


@obj(1.4, [SNOW])
def igloo(m, a):
    return (P("M-64,0 C-64,-90 64,-90 64,0 Z", m) + P("M-20,0 C-20,-30 20,-30 20,0 Z", "#3A4A7A") +
            LN("M-60,-28 L-22,-28 M22,-28 L60,-28 M-50,-52 L50,-52 M-30,-52 L-34,-28 M30,-52 L34,-28 M0,-52 L0,-76 "
               "M-40,-28 L-44,0 M40,-28 L44,0", 0.5, SKY))


@obj(1.0, [RED, BLUE, GREEN])
def mug(m, a):
    return (RING(34, -46, 16, OUT, 2.6) + RING(34, -46, 16, m, 1.2) +
            R(-36, -76, 64, 76, m, rx=8) + E(-4, -76, 30, 8, "#8B5A3C") + C(-12, -80, 6, SNOW) + C(4, -82, 6, SNOW) +
            LN("M-12,-92 C-18,-100 -6,-104 -12,-112 M6,-92 C0,-100 12,-104 6,-112", 0.6, "#FFFFFF") +
            HL(-24, -50, 4, 12, 0.4))


@obj(0.6, [SNOW, SKY])
def skis(m, a):
    return (LN("M-14,0 L-14,-92 C-14,-100 -8,-100 -8,-94", 2.0, RED) + LN("M10,0 L10,-92 C10,-100 16,-100 16,-94", 2.0, RED) +
            LN("M-30,0 L-24,-80", 0.8, STONE) + LN("M30,0 L24,-80", 0.8, STONE) + C(-28, -16, 5, STONE) + C(28, -16, 5, STONE))


@obj(0.8, [VIOLET, RED, BLUE])
def skater(m, a):
    return (LN("M-6,-36 L-12,-8 M6,-36 L14,-10", 1.6, OUT) + LN("M-22,-6 L-4,-6 M8,-8 L24,-10", 1.0, STONE) +
            P("M-16,-72 C-20,-50 -18,-40 -20,-32 L20,-32 C18,-40 20,-50 16,-72 Z", m) +
            LN("M-16,-66 L-34,-50 M16,-66 L34,-78", 1.6, m) + C(0, -82, 12, "#FFD9B8") +
            P("M-12,-84 C-12,-100 12,-100 12,-84 Z", a) + C(0, -98, 5, SNOW) + R(-14, -74, 28, 6, a, rx=3))


# -- bakery

@obj(2.2, ["#E8B15E", "#D9A066"])
def baguette(m, a):
    return (P("M-104,-24 C-108,-46 -90,-58 -60,-60 L70,-66 C96,-66 110,-54 104,-34 C100,-22 80,-16 60,-16 L-70,-12 "
              "C-90,-12 -102,-16 -104,-24 Z", m) +
            LN("M-70,-48 L-50,-30 M-36,-52 L-16,-32 M-2,-54 L18,-34 M32,-56 L52,-36 M66,-58 L86,-38", 1.0, dark(m, 0.3)) +
            HL(-70, -52, 20, 3, 0.4, -3))


@obj(1.5, ["#E8A850", "#F0B860", "#D99A40"])
def croissant(m, a):
    return (P("M-72,-14 C-80,-30 -60,-44 -44,-40 C-40,-64 -20,-76 0,-76 C20,-76 40,-64 44,-40 C60,-44 80,-30 72,-14 "
              "C60,-20 50,-22 40,-20 C20,-30 -20,-30 -40,-20 C-50,-22 -60,-20 -72,-14 Z", m) +
            LN("M-44,-40 C-36,-30 -34,-26 -40,-20 M-20,-70 C-10,-50 -10,-40 -16,-28 M20,-70 C10,-50 10,-40 16,-28 "
               "M44,-40 C36,-30 34,-26 40,-20", 0.9, dark(m, 0.3)) + HL(-14, -62, 10, 4, 0.4))


@obj(1.3, ["#C98B5A", "#D9A066", "#8B5A3C"])
def loaf(m, a):
    return (P("M-60,-4 L-60,-50 C-60,-80 -36,-86 -24,-72 C-12,-90 12,-90 24,-72 C36,-86 60,-80 60,-50 L60,-4 Z", m) +
            R(-60, -20, 120, 16, dark(m, 0.12), st=False) + LN("M-60,-4 L60,-4 M-60,-50 L-60,-4 M60,-50 L60,-4", 1.0) +
            HL(-36, -66, 10, 5, 0.4, -20))


@obj(1.2, ["#E8A850", "#C98B5A", "#D9A066"])
def boule(m, a):
    return (P("M-56,-8 C-64,-60 -30,-84 0,-84 C30,-84 64,-60 56,-8 C30,0 -30,0 -56,-8 Z", m) +
            LN("M-26,-70 C-14,-50 -14,-30 -22,-16 M0,-76 C10,-56 10,-34 2,-14 M26,-70 C36,-54 36,-34 30,-16", 1.0,
               light(m, 0.5)) + HL(-30, -58, 8, 10, 0.35, 30))


@obj(1.2, ["#A8693A", "#8B5A3C"])
def pretzel(m, a):
    d = "M-10,-14 C-40,-20 -58,-44 -50,-66 C-40,-90 -4,-84 0,-60 C4,-84 40,-90 50,-66 C58,-44 40,-20 10,-14 M-30,-10 L20,-64 M30,-10 L-20,-64"
    s = LN(d, 4.6, OUT) + LN(d, 3.0, m)
    for x, y in [(-40, -60), (-30, -76), (30, -76), (40, -60), (0, -40), (-20, -30), (20, -30)]:
        s += R(x - 2, y - 1.5, 4, 3, "#FFFFFF", st=False)
    return s


@obj(1.1, [PINK, SNOW, "#8B5A3C", LILAC, MINT, YELLOW])
def cake(m, a):
    return (E(0, -8, 52, 8, STONE) + R(-42, -60, 84, 52, m, rx=6) + R(-42, -38, 84, 8, a, st=0.6) +
            P("M-42,-54 C-42,-66 42,-66 42,-54 C42,-46 34,-44 30,-50 C26,-40 18,-44 16,-50 C12,-40 4,-44 0,-50 "
              "C-4,-40 -12,-44 -16,-50 C-20,-40 -28,-44 -30,-50 C-34,-44 -42,-46 -42,-54 Z", SNOW) +
            C(0, -72, 10, RED) + LN("M0,-80 C2,-90 8,-94 14,-96", 0.7, GREEN) + HL(-3, -75, 3, 2, 0.6) +
            HL(-30, -30, 4, 8, 0.4))


@obj(1.0, [GOLD, "#C98B5A", BROWN])
def cookie(m, a):
    return (C(0, -50, 46, m) + C(-18, -62, 6, "#5C3A24", st=False) + C(14, -70, 5, "#5C3A24", st=False) +
            C(20, -40, 6, "#5C3A24", st=False) + C(-10, -30, 5, "#5C3A24", st=False) + C(0, -50, 4, "#5C3A24", st=False) +
            HL(-24, -72, 8, 4, 0.35, -30))


@obj(1.5, ["#E8A850", "#D99A40"])
def pie(m, a):
    s = P("M-70,-30 L-60,-6 L60,-6 L70,-30 Z", dark(m, 0.1)) + E(0, -30, 70, 22, m)
    s += E(0, -30, 58, 16, a)
    for x in (-40, -20, 0, 20, 40):
        s += LN("M%d,-44 L%d,-16" % (x, x), 1.2, m)
    s += LN("M-52,-38 L52,-38 M-56,-28 L56,-28 M-48,-20 L48,-20", 1.2, m)
    return s + HL(-40, -42, 10, 3, 0.4)


@obj(0.9, ["#8B5A3C", "#C98B5A", VIOLET, PINK])
def muffin(m, a):
    return (P("M-30,-44 L-22,0 L22,0 L30,-44 Z", a) + LN("M-18,-40 L-14,-4 M0,-42 L0,-4 M18,-40 L14,-4", 0.6, dark(a, 0.3)) +
            P("M-40,-40 C-48,-70 -20,-88 0,-86 C20,-88 48,-70 40,-40 Z", m) +
            C(-16, -62, 4, "#5C3A24" if m != "#8B5A3C" else CREAM, st=False) + C(8, -72, 4, "#5C3A24" if m != "#8B5A3C" else CREAM, st=False) +
            C(18, -52, 4, "#5C3A24" if m != "#8B5A3C" else CREAM, st=False) + HL(-20, -72, 8, 4, 0.4))


@obj(1.1, ["#E8B15E", "#D9A066"])
def cinnamon(m, a):
    return (E(0, -40, 50, 36, m) + LN("M0,-40 C8,-40 8,-30 0,-28 C-14,-26 -16,-50 0,-52 C20,-54 24,-28 6,-18 "
                                     "C-16,-8 -36,-30 -30,-50 C-24,-70 10,-76 30,-60", 1.4, "#8B5A3C") +
            LN("M-30,-60 C-20,-50 -10,-66 0,-60 M10,-66 C20,-56 30,-64 36,-50", 1.2, SNOW))


@obj(0.6, [STONE, "#C8CFD6"])
def whisk(m, a):
    return (R(-5, -100, 10, 36, BROWN, rx=4) + P("M-4,-66 C-24,-40 -18,-6 0,-4 C18,-6 24,-40 4,-66 Z", "none", st=0.8) +
            LN("M0,-66 C-10,-40 -8,-10 0,-4 C8,-10 10,-40 0,-66", 0.8))


@obj(0.55, [STONE, "#C8CFD6", RED])
def ladle(m, a):
    return (R(-4, -100, 8, 64, m, rx=3) + P("M-24,-36 C-24,-4 24,-4 24,-36 Z", m) + C(0, -102, 4, "none", st=1.0))


@obj(1.0, [STONE, RED, "#C8CFD6"])
def pan(m, a):
    return (R(-6, -100, 12, 44, BROWN, rx=4) + C(0, -30, 30, dark(m, 0.2)) + C(0, -30, 22, m, st=0.6) +
            HL(-10, -40, 6, 3, 0.4))


@obj(1.4, [PINK, LILAC, MINT, YELLOW, SKY, ORANGE])
def macarons(m, a):
    s = ""
    for i, (x, c) in enumerate([(-40, m), (0, a), (40, light(m, 0.2))]):
        s += E(x, -16, 20, 9, c) + R(x - 19, -30, 38, 7, CREAM, rx=3) + E(x, -38, 20, 10, c)
    return s


@obj(1.2, [RED, VIOLET, ORANGE, GOLD])
def tart(m, a):
    s = P("M-56,-40 L-46,-4 L46,-4 L56,-40 Z", "#E8B15E") + E(0, -40, 56, 12, m)
    for x in (-36, -18, 0, 18, 36):
        s += C(x, -42, 7, light(m, 0.1), st=0.6)
    return s + LN("M-46,-30 L-44,-8 M-26,-30 L-24,-8 M-6,-30 L-6,-8 M14,-30 L14,-8 M34,-30 L34,-8", 0.5, "#B87B34")


# -- harbour

@obj(1.4, [RED, BLUE, SNOW, GOLD, TEAL])
def sailboat(m, a):
    return (LN("M-2,-26 L-2,-100", 1.0) + POLY([(2, -96), (2, -32), (50, -32)], SNOW) +
            POLY([(-6, -92), (-6, -34), (-44, -34)], a) +
            P("M-66,-28 L66,-28 L46,0 L-48,0 Z", m) + R(-66, -28, 132, 7, SNOW, st=0.6) +
            P("M-2,-100 L18,-94 L-2,-88 Z", RED if m != RED else GOLD) + HL(-40, -14, 10, 2, 0.4))


@obj(1.5, [RED, ORANGE, GREEN, BLUE])
def tugboat(m, a):
    return (R(-10, -96, 16, 28, a) + R(-12, -100, 20, 6, OUT, st=False) +
            R(-40, -70, 50, 34, SNOW, rx=3) + R(-32, -62, 10, 10, SKY, st=0.6) + R(-16, -62, 10, 10, SKY, st=0.6) +
            P("M-72,-38 L72,-38 L56,0 L-60,0 Z", m) + R(-72, -38, 144, 8, OUT, st=False) +
            C(44, -18, 7, "none", st=1.4) + C(-40, -18, 7, "none", st=1.4) + HL(-50, -22, 10, 2, 0.3))


@obj(1.6, [BLUE, TEAL, GREEN, RED])
def fishingboat(m, a):
    return (LN("M20,-30 L20,-100 L-40,-40", 0.8) + LN("M20,-92 L60,-44", 0.5) +
            R(-40, -64, 34, 30, SNOW, rx=2) + R(-34, -58, 22, 10, SKY, st=0.6) +
            P("M-76,-36 L72,-36 L54,0 L-58,0 Z", m) + R(-76, -36, 148, 6, a, st=0.6) +
            C(-62, -46, 8, RED) + HL(-54, -22, 10, 2, 0.3))


@obj(0.4, [RED])
def lighthouse(m, a):
    return (POLY([(-24, 0), (-16, -76), (16, -76), (24, 0)], SNOW) +
            POLY([(-22, -18), (-20, -34), (20, -34), (22, -18)], m, st=False) +
            POLY([(-19, -48), (-18, -62), (18, -62), (19, -48)], m, st=False) +
            LN("M-24,0 L-16,-76 M24,0 L16,-76", 1.0) +
            R(-20, -80, 40, 6, OUT, st=False) + R(-12, -94, 24, 14, "#FFF3A8") + P("M-16,-94 L0,-108 L16,-94 Z", m) +
            R(-6, -14, 12, 14, "#8B5A3C"))


@obj(0.7, [RED, ORANGE, GOLD, GREEN])
def buoy(m, a):
    return (LN("M0,-60 L0,-96", 1.0) + C(0, -96, 5, YELLOW) + P("M-22,-20 L-12,-64 L12,-64 L22,-20 Z", m) +
            R(-20, -44, 40, 10, SNOW, st=0.6) + E(0, -16, 34, 12, dark(m, 0.15)))


@obj(0.85, ["#C98B5A", "#A8693A", "#D9A066"])
def barrel(m, a):
    return (P("M-34,-96 C-44,-70 -44,-26 -34,0 L34,0 C44,-26 44,-70 34,-96 Z", m) +
            LN("M-16,-96 C-20,-70 -20,-26 -16,0 M16,-96 C20,-70 20,-26 16,0", 0.6, dark(m, 0.3)) +
            R(-41, -74, 82, 8, STONE, st=0.7) + R(-41, -30, 82, 8, STONE, st=0.7) + E(0, -96, 34, 6, light(m, 0.15)) +
            HL(-26, -54, 3, 12, 0.4))


@obj(0.8, [STONE, "#6B6B8A", GOLD])
def anchor(m, a):
    d = "M0,-90 L0,-10 M-36,-36 C-30,-10 -14,-6 0,-6 C14,-6 30,-10 36,-36 M-20,-72 L20,-72"
    return (LN(d, 5.0, OUT) + LN(d, 3.4, m) + RING(0, -92, 9, OUT, 3.0) + RING(0, -92, 9, m, 1.4) +
            POLY([(-44, -40), (-30, -40), (-36, -28)], m) + POLY([(44, -40), (30, -40), (36, -28)], m))


@obj(1.0, [RED, ORANGE])
def lifering(m, a):
    s = C(0, -50, 44, SNOW) + C(0, -50, 20, "none")
    for ang in (45, 135, 225, 315):
        a0, a1 = math.radians(ang - 20), math.radians(ang + 20)
        s += P("M%s,%s A44,44 0 0,1 %s,%s L%s,%s A20,20 0 0,0 %s,%s Z" % (
            n(44 * math.cos(a0)), n(-50 + 44 * math.sin(a0)), n(44 * math.cos(a1)), n(-50 + 44 * math.sin(a1)),
            n(20 * math.cos(a1)), n(-50 + 20 * math.sin(a1)), n(20 * math.cos(a0)), n(-50 + 20 * math.sin(a0))), m, st=0.6)
    return s + HL(-24, -70, 8, 4, 0.5, -40)


@obj(1.1, ["#C98B5A", "#A8693A", "#D9A066", STONE])
def woodcrate(m, a):
    return (R(-50, -84, 100, 84, m, rx=2) + LN("M-50,-56 L50,-56 M-50,-28 L50,-28", 0.7, dark(m, 0.3)) +
            LN("M-44,-80 L44,-4", 1.3, dark(m, 0.2)) + R(-20, -50, 40, 16, a, rx=2, st=0.6) + HL(-36, -74, 6, 3, 0.4))


@obj(1.4, [SNOW, "#E5F0FF"])
def seagull(m, a):
    return (P("M-66,-58 C-46,-84 -20,-80 -4,-56 C10,-80 40,-84 66,-58 C40,-68 16,-62 2,-44 C-14,-62 -40,-68 -66,-58 Z", m) +
            P("M-2,-50 L10,-46 L-2,-42 Z", GOLD))


@obj(1.1, [GOLD, "#C98B5A", STONE])
def rope(m, a):
    s = E(0, -24, 50, 22, m)
    for r in (38, 26, 14):
        s += E(0, -26, r, r * 0.42, "none", st=0.7)
    return s + HL(-24, -34, 8, 3, 0.4)


@obj(0.55, [STONE, "#4A3A66", RED])
def bollard(m, a):
    return (R(-20, -50, 40, 50, m, rx=4) + E(0, -50, 28, 10, light(m, 0.15)) + R(-28, -14, 56, 10, dark(m, 0.2), rx=3) +
            HL(-10, -36, 3, 8, 0.4))


@obj(1.3, [TEAL, BLUE, RED])
def fishbox(m, a):
    s = ""
    for i, c in enumerate([SKY, STONE, "#B0D8F0"]):
        s += E(-30 + i * 30, -46 + (i % 2) * 6, 24, 10, c, rot=-10 + i * 10) + POLY(
            [(-52 + i * 30, -46), (-62 + i * 30, -56), (-62 + i * 30, -36)], c)
    return s + R(-64, -40, 128, 40, m, rx=3) + R(-56, -32, 112, 6, dark(m, 0.2), st=False)


@obj(1.2, [RED, BLUE, GREEN, GOLD])
def lobstertrap(m, a):
    s = P("M-56,0 L-56,-50 C-56,-80 56,-80 56,-50 L56,0 Z", "#D9A066")
    s += LN("M-56,-50 L56,-50 M-56,-26 L56,-26 M-36,-70 L-36,0 M-12,-76 L-12,0 M12,-76 L12,0 M36,-70 L36,0", 0.6,
            dark("#D9A066", 0.35))
    return s + E(0, -12, 12, 8, m)


# ---- placement -----------------------------------------------------------------------------

PILE_ASPECT = 1.3


class Scene:
    def __init__(self, seed):
        self.rng = random.Random(seed)
        self.parts = []
        self.last_colour = None

    def add(self, s):
        self.parts.append(s)

    def place(self, name, x, yb, h, colour=None, flip=False, rot=0):
        """Draws object `name` h pixels tall, standing on (x, yb)."""
        global SW
        fn, aspect, colours = OBJ[name]
        if colour is None:
            choices = [c for c in colours if c != self.last_colour] or colours
            colour = self.rng.choice(choices)
        self.last_colour = colour
        accents = [c for c in BRIGHT if c != colour]
        accent = self.rng.choice(accents)
        k = h / 100.0
        px = 2.0 if h >= 34 else 1.6
        SW = px / k
        t = "translate(%s %s)" % (n(x), n(yb))
        if rot:
            t += " rotate(%s)" % n(rot)
        t += " scale(%s %s)" % (n(-k if flip else k), n(k))
        self.add('<g transform="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round" stroke-linecap="round">%s</g>'
                 % (t, OUT, n(SW), fn(colour, accent)))
        return aspect * h

    def pile(self, kind, x, yb, h):
        """A crate or basket heaped with one kind of produce, h pixels tall in all."""
        w = PILE_ASPECT * h
        ch = 0.42 * h
        size = 0.5 * h
        colours = OBJ[kind][2]
        colour = self.rng.choice([c for c in colours if c != self.last_colour] or colours)
        pw = OBJ[kind][1] * size
        k = max(2, int((w - 4) / (pw * 0.85)))
        step = (w - 4 - pw) / max(1, k - 1)
        left = x - w / 2 + 2 + pw / 2
        for i in range(k):
            self.place(kind, left + i * step, yb - ch + size * 0.45, size, colour=colour)
        for i in range(k - 1):
            self.place(kind, left + (i + 0.5) * step, yb - ch + size * 0.1, size * 0.95, colour=colour)
        style = self.rng.choice(["wood", "wood", "painted", "basket"])
        o = OL()
        if style == "basket":
            c = self.rng.choice(["#C98B5A", "#D9A066", "#B8743A"])
            self.add(P("M%s,%s L%s,%s L%s,%s L%s,%s Z" % (n(x - w / 2), n(yb - ch), n(x + w / 2), n(yb - ch),
                                                          n(x + w / 2 - 4), n(yb), n(x - w / 2 + 4), n(yb)), c, extra=o))
            for j in range(1, 3):
                y = yb - ch + j * ch / 3
                self.add('<path d="M%s,%s L%s,%s" stroke="%s" stroke-width="1.2"/>' % (
                    n(x - w / 2 + 2), n(y), n(x + w / 2 - 2), n(y), dark(c, 0.35)))
            for j in range(1, 6):
                xx = x - w / 2 + j * w / 6
                self.add('<path d="M%s,%s L%s,%s" stroke="%s" stroke-width="1.2"/>' % (
                    n(xx), n(yb - ch), n(xx), n(yb), dark(c, 0.35)))
        else:
            c = (self.rng.choice(["#C98B5A", "#D9A066", "#B8743A"]) if style == "wood" else
                 self.rng.choice([TEAL, BLUE, RED, GREEN, VIOLET, SKY]))
            self.add(R(x - w / 2, yb - ch, w, ch, c, rx=2, extra=o))
            self.add('<path d="M%s,%s L%s,%s" stroke="%s" stroke-width="1.2"/>' % (
                n(x - w / 2 + 2), n(yb - ch / 2), n(x + w / 2 - 2), n(yb - ch / 2), dark(c, 0.35)))
            self.add(R(x - w / 2 + 2, yb - ch + 2, w - 4, 2, light(c, 0.4), st=False))
            self.add(R(x - 7, yb - ch * 0.72, 14, ch * 0.44, CREAM, rx=2,
                       extra=OL(1)))
        self.last_colour = colour
        return w

    def row(self, names, x0, x1, yb, hmin, hmax, gap=(2, 8)):
        """Objects side by side on a shelf or the ground from x0 to x1."""
        def width(name, h):
            return PILE_ASPECT * h if name.startswith("pile:") else OBJ[name][1] * h

        def put(name, cx, h):
            if name.startswith("pile:"):
                self.pile(name[5:], cx, yb, h)
            else:
                self.place(name, cx, yb, h)

        x = x0 + self.rng.uniform(*gap)
        recent = []
        while True:
            # Neighbours differ: none of the last few picks comes up again.
            pool = [nm for nm in names if nm not in recent] or names
            name = self.rng.choice(pool)
            h = self.rng.uniform(hmin, hmax)
            w = width(name, h)
            if x + w > x1:
                # One smaller item closes the row neatly.
                h2 = (x1 - x) / width(name, 1.0)
                if h2 >= hmin * 0.7:
                    put(name, x + (x1 - x) / 2, h2)
                break
            put(name, x + w / 2, h)
            recent = (recent + [name])[-min(3, len(set(names)) - 1):]
            x += w + self.rng.uniform(*gap)

    def scatter(self, names, x0, y0, x1, y1, cols, rows, hmin, hmax):
        """One object per slot of a cols x rows grid over the area, jittered."""
        sw, sh = (x1 - x0) / cols, (y1 - y0) / rows
        order = list(names)
        self.rng.shuffle(order)
        i = 0
        for r in range(rows):
            for c in range(cols):
                name = order[i % len(order)]
                i += 1
                h = self.rng.uniform(hmin, hmax)
                w = OBJ[name][1] * h
                jx = max(0.0, (sw - w) / 2) * 0.9
                jy = max(0.0, (sh - h) / 2) * 0.9
                cx = x0 + (c + 0.5) * sw + self.rng.uniform(-jx, jx) + (sw * 0.25 if r % 2 else 0)
                cy = y0 + (r + 0.5) * sh + self.rng.uniform(-jy, jy)
                self.place(name, cx, cy + h / 2, h, flip=self.rng.random() < 0.4)

    def svg(self, comment):
        return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
                '  <!-- %s -->\n%s\n</svg>\n' % (W, H, W, H, comment, "\n".join(self.parts)))


def lgrad(id_, stops, x1=0, y1=0, x2=0, y2=1):
    s = '<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s">' % (id_, x1, y1, x2, y2)
    for off, col in stops:
        s += '<stop offset="%s" stop-color="%s"/>' % (off, col)
    return s + "</linearGradient>"


def rgrad(id_, stops, cx=0.5, cy=0.5, r=0.5):
    s = '<radialGradient id="%s" cx="%s" cy="%s" r="%s">' % (id_, cx, cy, r)
    for off, col in stops:
        s += '<stop offset="%s" stop-color="%s"/>' % (off, col)
    return s + "</radialGradient>"


# ---- the ten scenes ------------------------------------------------------------------------

def hang(sc, name, x, top, h, rope_top=0):
    """A toy on a string from the ceiling."""
    sc.add('<path d="M%s,%s L%s,%s" stroke="%s" stroke-width="1.2"/>' % (n(x), n(rope_top), n(x), n(top + 4), OUT))
    sc.place(name, x, top + h, h)


def planks(sc, y, h, colour, x0=0, x1=W):
    """A wooden shelf plank with its brackets."""
    sc.add(R(x0 - 2, y, x1 - x0 + 4, h, colour, extra=OL()))
    sc.add(R(x0, y + 1.5, x1 - x0, 2, light(colour, 0.35), st=False))
    for bx in range(x0 + 30, x1, 120):
        sc.add(POLY([(bx, y + h), (bx + 14, y + h), (bx, y + h + 14)], dark(colour, 0.2), extra=OL(1.5)))


def toy_workshop():
    sc = Scene(101)
    stripes = [CREAM, "#FFE0C2", "#FFF6C8", "#D8F3E6", "#FFDDE8", "#E2E8FF"]
    sc.add("<defs>%s</defs>" % (
        lgrad("floor", [(0, "#D99A5A"), (1, "#B8743A")])))
    for i in range(21):
        sc.add(R(i * 20, 0, 20, 232, stripes[i % len(stripes)], st=False))
        sc.add(C(i * 20 + 10, 12 + (i % 3) * 70, 3, mix(stripes[(i + 2) % 6], OUT, 0.15), st=False))
    # A window on the wall with sky and a cloud.
    sc.add(R(152, 126, 116, 62, SKY, extra=OL()))
    sc.add(E(186, 150, 18, 8, "#FFFFFF", st=False) + E(236, 140, 14, 6, "#FFFFFF", st=False))
    sc.add(R(0, 0, W, 10, "#8B5A3C", extra=OL()))
    sc.add(R(0, 228, W, 92, "url(#floor)", st=False))
    for i, y in enumerate(range(236, 320, 14)):
        sc.add('<path d="M0,%d L420,%d" stroke="%s" stroke-width="1.2" stroke-opacity="0.5"/>' % (y, y, OUT))
        for x in range((i * 37) % 90, W, 90):
            sc.add('<path d="M%d,%d L%d,%d" stroke="%s" stroke-width="1.2" stroke-opacity="0.5"/>' % (x, y, x, y + 14, OUT))
    sc.add(E(210, 292, 170, 26, "#FF8FA0", extra=OL()))
    sc.add(E(210, 292, 150, 19, "#FFD27A", st=False) + E(210, 292, 126, 13, "#8ED8F8", st=False))
    hung = ["plane", "star", "balloon", "rocket", "plane", "heart", "balloon", "star", "sparkle"]
    x = 12
    k = 0
    while x < 400:
        name = hung[k % len(hung)]
        h = sc.rng.uniform(26, 40) if name != "plane" else sc.rng.uniform(22, 28)
        w = OBJ[name][1] * h
        if x + w > 414:
            break
        hang(sc, name, x + w / 2, sc.rng.uniform(16, 64 - h * 0.6), h, 10)
        x += w + sc.rng.uniform(4, 10)
        k += 1
    shelf = ["teddy", "robot", "block", "ball", "car", "top", "drum", "train", "duck", "rocket", "doll", "jackbox", "gift"]
    planks(sc, 118, 9, "#B8743A")
    sc.row(shelf, 0, W, 119, 36, 50)
    planks(sc, 200, 9, "#B8743A", 0, 150)
    planks(sc, 200, 9, "#B8743A", 270, W)
    sc.row(shelf, 0, 148, 201, 46, 62)
    sc.add(R(146, 186, 128, 6, "#D99A5A", extra=OL()))
    sc.row(["ball", "duck", "block", "top"], 154, 266, 187, 26, 34)
    sc.row(shelf, 272, W, 201, 46, 62)
    sc.row(shelf, 0, W, 266, 34, 44, gap=(4, 14))
    sc.row(shelf, 0, W, 318, 40, 54, gap=(2, 10))
    return sc.svg("Secret round 1: the toy workshop.")



def cloud(sc, x, y, s, colour="#FFFFFF", op=1.0):
    o = ' fill-opacity="%s"' % op if op < 1 else ""
    sc.add(P("M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" % (
        n(x - 30 * s), n(y), n(x - 40 * s), n(y - 16 * s), n(x - 20 * s), n(y - 24 * s), n(x - 8 * s), n(y - 16 * s),
        n(x - 4 * s), n(y - 34 * s), n(x + 24 * s), n(y - 32 * s), n(x + 20 * s), n(y - 14 * s),
        n(x + 40 * s), n(y - 18 * s), n(x + 42 * s), n(y), n(x + 30 * s), n(y)), colour, extra=o +
        ' stroke="%s" stroke-width="2" stroke-linejoin="round"' % OUT))


def candy_garden():
    sc = Scene(202)
    sc.add("<defs>%s%s%s</defs>" % (
        lgrad("sky", [(0, "#FFB8DC"), (0.55, "#FFD9E8"), (1, "#FFF1D0")]),
        lgrad("hill1", [(0, "#B8F0D0"), (1, "#7FD8A8")]),
        lgrad("hill2", [(0, "#FFC4E1"), (1, "#F49AC8")])))
    sc.add(R(0, 0, W, H, "url(#sky)", st=False))
    # The sun, with candy-striped rays.
    for i in range(16):
        a0 = math.radians(i * 22.5)
        a1 = math.radians(i * 22.5 + 10)
        sc.add(POLY([(400, 16), (400 + 150 * math.cos(a0), 16 + 150 * math.sin(a0)),
                     (400 + 150 * math.cos(a1), 16 + 150 * math.sin(a1))], "#FFF3C0", st=False, extra=' fill-opacity="0.7"'))
    sc.add(C(400, 16, 30, YELLOW, extra=OL()))
    for x, y, k, c in [(40, 30, 0.8, "#FFFFFF"), (170, 22, 0.7, "#E8F4FF"), (290, 60, 0.75, "#FFF0FA"),
                       (110, 84, 0.65, "#F0E8FF"), (230, 108, 0.6, "#FFFFFF"), (360, 112, 0.55, "#E8F4FF"),
                       (20, 116, 0.5, "#FFF0FA")]:
        cloud(sc, x, y, k, c)
    sc.scatter(["sweet", "jellybean", "heart", "star", "balloon", "butterfly", "kite", "sparkle", "sweet"],
               0, 0, W, 126, 9, 3, 18, 28)
    # Rolling hills, the back one carrying lollipop trees.
    sc.add(P("M0,150 C60,120 120,132 180,146 C240,160 300,118 420,134 L420,320 L0,320 Z", "url(#hill1)",
             extra=OL()))
    # Sprinkles on the hills.
    for i in range(150):
        x, y = sc.rng.uniform(0, W), sc.rng.uniform(140, 318)
        a = sc.rng.uniform(0, 180)
        sc.add(R(x - 3.5, y - 1.2, 7, 2.4, sc.rng.choice(BRIGHT + ["#FFFFFF"]), rx=1.2, st=False,
                 extra=' transform="rotate(%s %s %s)"' % (n(a), n(x), n(y))))
    for i, x in enumerate(range(16, 420, 46)):
        yb = 150 - 12 * math.sin(x / 60.0) + sc.rng.uniform(0, 6)
        sc.place("lollipop", x + sc.rng.uniform(-6, 6), yb, sc.rng.uniform(40, 64))
    sc.add(P("M0,196 C80,176 160,200 240,190 C300,182 360,170 420,186 L420,320 L0,320 Z", "url(#hill2)",
             extra=OL()))
    # A chocolate path winding down.
    sc.add(P("M190,320 C200,280 250,262 230,232 C222,218 246,204 268,196 L292,196 C270,206 252,220 262,236 "
             "C280,266 250,290 262,320 Z", "#8B5A3C", extra=OL()))
    for y in (210, 236, 262, 290):
        sc.add(R(236 + (y - 210) * -0.1, y, 18, 8, "#A8693A", rx=2, st=False))
    sc.row(["cane", "gumdrop", "candymush", "candyflower", "cane", "cupcake", "icecream", "macaron"],
           0, W, 214, 32, 46, gap=(0, 6))
    sc.row(["cupcake", "icecream", "donut", "gumdrop", "chocolate", "candyflower", "lollipop", "candymush",
            "macaron", "cane"], 0, W, 262, 34, 46, gap=(2, 10))
    sc.row(["cupcake", "icecream", "donut", "gumdrop", "chocolate", "candyflower", "lollipop", "candymush",
            "sweet", "gift"], 0, W, 318, 38, 52, gap=(2, 10))
    return sc.svg("Secret round 2: the candy garden.")


def bubbles(sc, x, y, k):
    for dx, dy, r in [(0, 0, 4), (5, -9, 3), (1, -17, 2.4), (7, -24, 1.8)]:
        sc.add(C(x + dx * k, y + dy * k, r * k, "#E8FBFF", extra=' fill-opacity="0.55" stroke="%s" stroke-width="1"'
                 % mix(WATER, OUT, 0.3)))


def coral_reef():
    sc = Scene(303)
    sc.add("<defs>%s%s</defs>" % (
        lgrad("sea", [(0, "#9AF0F5"), (0.45, "#3DB8E0"), (1, "#2566B8")]),
        lgrad("sand", [(0, "#F8E4A8"), (1, "#E0B870")])))
    sc.add(R(0, 0, W, H, "url(#sea)", st=False))
    for x0, w in [(20, 40), (120, 26), (200, 50), (300, 30), (370, 40)]:
        sc.add(POLY([(x0, 0), (x0 + w, 0), (x0 + w + 70, 250), (x0 + 50, 250)], "#FFFFFF", st=False, extra=' fill-opacity="0.16"'))
    sc.add(P("M0,8 C30,2 60,14 90,8 C120,2 150,14 180,8 C210,2 240,14 270,8 C300,2 330,14 360,8 C390,2 410,12 420,8 "
             "L420,0 L0,0 Z", "#D8FCFF", extra=' stroke="%s" stroke-width="1.5" fill-opacity="0.8"' % OUT))
    # Far rocks in a paler blue.
    sc.add(P("M0,236 C20,190 60,200 80,214 C100,176 150,186 160,212 C190,196 210,204 220,220 C250,180 300,190 310,216 "
             "C340,196 380,190 420,210 L420,320 L0,320 Z", "#3F7FC0", extra=OL(1.5)))
    sc.scatter(["fish", "angelfish", "puffer", "jellyfish", "seahorse", "turtle", "fish", "octopus", "fish",
                "angelfish"], 0, 14, W, 196, 8, 4, 22, 36)
    for i in range(26):
        bubbles(sc, sc.rng.uniform(6, 414), sc.rng.uniform(30, 220), sc.rng.uniform(0.8, 1.4))
    sc.add(P("M0,262 C60,244 120,258 200,250 C280,242 340,256 420,246 L420,320 L0,320 Z", "url(#sand)",
             extra=OL()))
    for i in range(9):
        y = 272 + i * 6
        sc.add(SL("M%d,%d c10,-4 20,-4 30,0" % (sc.rng.uniform(0, 380), y), 1.2, "#C89A50"))
    sc.row(["coral", "braincoral", "anemone", "seaweed", "rock", "clam", "chest", "coral", "seaweed"],
           0, W, 262, 40, 62, gap=(-4, 6))
    sc.row(["starfish", "shell", "crab", "coral", "clam", "anemone", "braincoral", "starfish", "shell"],
           0, W, 318, 28, 46, gap=(2, 12))
    return sc.svg("Secret round 3: the coral reef.")


def space_station():
    sc = Scene(404)
    sc.add("<defs>%s%s%s%s</defs>" % (
        lgrad("space", [(0, "#140E38"), (0.5, "#2E1E66"), (1, "#4A2E80")]),
        rgrad("neb1", [(0, "#FF6FB0"), (1, "#2E1E66")]),
        rgrad("neb2", [(0, "#3FE0D0"), (1, "#2E1E66")]),
        lgrad("deck", [(0, "#D8DEE6"), (1, "#8A93A8")])))
    sc.add(R(0, 0, W, H, "url(#space)", st=False))
    sc.add(E(100, 90, 120, 60, "url(#neb1)", st=False, extra=' fill-opacity="0.35"'))
    sc.add(E(330, 200, 110, 70, "url(#neb2)", st=False, extra=' fill-opacity="0.3"'))
    for i in range(260):
        x, y = sc.rng.uniform(0, W), sc.rng.uniform(0, 250)
        c = sc.rng.choice(["#FFFFFF", "#FFF3A8", "#BDEBFF", "#FFC4E1"])
        sc.add(C(x, y, sc.rng.choice([0.7, 1.0, 1.3, 1.8]), c, st=False))
    # A big ringed planet low on the left, half hidden by the deck.
    sc.add(C(70, 226, 60, "#FF9A5C", extra=OL()))
    sc.add(P("M14,206 C40,196 100,196 128,206 L126,218 C100,210 40,210 12,220 Z", "#FFC48A", st=False))
    sc.add(P("M22,240 C50,232 100,234 126,244 L120,256 C96,248 50,248 28,254 Z", "#E07840", st=False))
    sc.scatter(["planet", "moon", "comet", "ufo", "satellite", "asteroid", "astronaut", "rocket", "sparkle", "star"],
               0, 0, W, 118, 8, 3, 26, 36)
    # The station: a truss across the middle with modules and solar wings.
    sc.add(R(-2, 150, 424, 12, STONE, extra=OL()))
    sc.add(SL("M" + " L".join("%d,%d" % (x, 150 if (x // 12) % 2 else 162) for x in range(0, 432, 12)), 1.4, dark(STONE)))
    xs = 4
    while xs < 410:
        kind = sc.rng.choice(["module", "module", "solar", "dish"])
        if kind == "module":
            h = sc.rng.uniform(34, 40)
            w = h * 1.5
            if xs + w > 416:
                break
            sc.place("module", xs + w / 2, 156 + h * 0.46, h)
        elif kind == "solar":
            w = 40
            if xs + w > 416:
                break
            c = sc.rng.choice(["#3A6FD8", "#5A4FD8", "#2A8FC8"])
            sc.add(R(xs, 122, w, 26, c, extra=OL(1.6)))
            sc.add(R(xs, 164, w, 26, c, extra=OL(1.6)))
            sc.add(SL("M%d,122 L%d,148 M%d,122 L%d,148 M%d,164 L%d,190 M%d,164 L%d,190 M%d,135 L%d,135 M%d,177 L%d,177"
                      % (xs + 13, xs + 13, xs + 26, xs + 26, xs + 13, xs + 13, xs + 26, xs + 26, xs, xs + w, xs, xs + w), 1, SKY))
            sc.add(C(xs + sc.rng.uniform(6, 34), sc.rng.choice([128, 142, 170, 184]), 2.5, "#FFFFFF", st=False))
        else:
            w = 30
            if xs + w > 416:
                break
            sc.place("dish", xs + w / 2, 152, 30)
        xs += w + sc.rng.uniform(3, 9)
    sc.scatter(["sparkle", "comet", "astronaut", "drone", "asteroid", "satellite", "moon", "ufo"],
               150, 196, W, 244, 6, 1, 20, 28)
    # The deck in front.
    sc.add(R(-2, 268, 424, 54, "url(#deck)", extra=OL()))
    for x in range(0, 420, 36):
        sc.add(R(x + 4, 286, 28, 30, "#B8C0CC", rx=2, extra=' stroke="%s" stroke-width="1" stroke-opacity="0.6"' % OUT))
    sc.add(R(-2, 268, 424, 6, "#FFB400", extra=OL(1.6)))
    for x in range(8, 420, 21):
        sc.add(POLY([(x, 268), (x + 8, 268), (x + 2, 274), (x - 6, 274)], OUT, st=False))
    sc.row(["console", "crate", "robot", "astronaut", "drone", "rocket", "dish", "satellite", "console", "crate"],
           0, W, 276, 38, 52, gap=(2, 10))
    sc.row(["crate", "robot", "astronaut", "drone", "gift", "rocket", "crate"], 0, W, 318, 30, 40, gap=(14, 40))
    return sc.svg("Secret round 4: the space station.")


def awning(sc, x0, x1, y, c1, c2):
    sc.add(R(x0, y, x1 - x0, 22, c1, extra=OL()))
    w = (x1 - x0) / 8.0
    for i in range(8):
        if i % 2:
            sc.add(R(x0 + i * w, y, w, 22, c2, st=False))
        sc.add(P("M%s,%s C%s,%s %s,%s %s,%s Z" % (n(x0 + i * w), n(y + 22), n(x0 + i * w), n(y + 34),
                                                  n(x0 + (i + 1) * w), n(y + 34), n(x0 + (i + 1) * w), n(y + 22)),
                 c2 if i % 2 else c1, extra=OL()))
    sc.add(SL("M%s,%s L%s,%s" % (n(x0), n(y), n(x1), n(y)), 2))


def farmers_market():
    sc = Scene(505)
    sc.add("<defs>%s%s</defs>" % (lgrad("sky", [(0, "#8FD3F5"), (1, "#DFF3FF")]),
                                  lgrad("ground", [(0, "#E8C77A"), (1, "#C8A060")])))
    sc.add(R(0, 0, W, 80, "url(#sky)", st=False))
    # Rooftops behind the stalls.
    for i, x in enumerate(range(-10, 430, 60)):
        c = [CREAM, "#FFD9B8", "#D8F3E6", "#FFE0E8", "#E2E8FF"][i % 5]
        sc.add(R(x, 14 + (i % 3) * 6, 56, 80, c, extra=OL()))
        sc.add(R(x + 14, 26 + (i % 3) * 6, 12, 14, SKY, extra=OL(1.5)))
        sc.add(R(x + 34, 26 + (i % 3) * 6, 12, 14, SKY, extra=OL(1.5)))
    # Bunting.
    for row, (y0, sag) in enumerate([(6, 10), (14, 14)]):
        pts = [(x, y0 + sag * math.sin(math.pi * ((x % 140) / 140.0))) for x in range(0, 421, 14)]
        sc.add(SL("M" + " L".join("%s,%s" % (n(x), n(y)) for x, y in pts), 1.2))
        for i in range(len(pts) - 1):
            (xa, ya), (xb, yb) = pts[i], pts[i + 1]
            c = BRIGHT[(i * 5 + row * 3) % len(BRIGHT)]
            sc.add(POLY([(xa + 2, ya), (xb - 2, yb), ((xa + xb) / 2, (ya + yb) / 2 + 11)], c, extra=OL(1.2)))
    stalls = [(0, 140, RED, "#FFFFFF"), (140, 280, GREEN, "#FFF6C8"), (280, 420, BLUE, YELLOW)]
    for x0, x1, c1, c2 in stalls:
        sc.add(R(x0, 68, x1 - x0, 150, mix(c1, "#FFF1D0", 0.78), extra=OL()))
    for x0, x1, c1, c2 in stalls:
        awning(sc, x0, x1, 44, c1, c2)
        sc.add(R(x0 + 2, 80, 5, 140, "#A8693A", st=False) if x0 == 0 else "")
    # Shelf in each stall.
    for x0, x1, c1, c2 in stalls:
        sc.add(R(x0, 140, x1 - x0, 7, "#A8693A", extra=OL()))
    for x0, x1, c1, c2 in stalls:
        x = x0 + 10
        hung = ["bananas", "grapes", "pepper", "corn", "carrot", "pepper", "grapes"]
        while x < x1 - 14:
            name = sc.rng.choice(hung)
            h = sc.rng.uniform(20, 26)
            w = OBJ[name][1] * h
            if x + w > x1 - 6:
                break
            hang(sc, name, x + w / 2, sc.rng.uniform(80, 90), h, 76)
            x += w + sc.rng.uniform(5, 12)
    sc.row(["pile:apple", "pile:pear", "pile:orange", "jar", "pile:tomato", "cheese", "pile:pepper", "jar",
            "pile:strawberries", "pile:eggplant"], 0, W, 141, 38, 50, gap=(0, 4))
    # Counters, each with its own cloth and little picture boards of what it sells.
    for x0, x1, c1, c2 in stalls:
        sc.add(R(x0 - 1, 206, x1 - x0 + 2, 56, "#C98B5A", extra=OL()))
        cloth = mix(c1, "#FFFFFF", 0.25)
        d = "M%d,206 L%d,206 L%d,226" % (x0, x1, x1)
        for i in range(7, -1, -1):
            xa = x0 + (i + 1) * (x1 - x0) / 8.0
            xb = x0 + i * (x1 - x0) / 8.0
            d += " C%s,%s %s,%s %s,226" % (n(xa), n(240), n(xb), n(240), n(xb))
        sc.add(P(d + " Z", cloth, extra=OL()))
        for i in range(14):
            sc.add(C(x0 + 6 + sc.rng.uniform(0, x1 - x0 - 12), sc.rng.uniform(212, 228), sc.rng.uniform(1.5, 3),
                     c2, st=False))
        for j, kind in enumerate(sc.rng.sample(["apple", "pear", "carrot", "grapes", "tomato", "corn", "pepper",
                                                "eggplant", "orange", "cheese", "strawberries"], 3)):
            bx = x0 + 10 + j * 44 + sc.rng.uniform(0, 6)
            by = 236 + sc.rng.uniform(0, 6)
            sc.add(R(bx, by, 36, 20, "#3A4A3A", rx=2, extra=' stroke="#8B5A3C" stroke-width="2.5"'))
            sc.place(kind, bx + 18, by + 18, 16)
    sc.add(R(-2, 202, 424, 6, "#E8B15E", extra=OL()))
    sc.row(["pile:apple", "pile:pear", "pile:orange", "pile:tomato", "pile:carrot", "pile:eggplant", "melonslice",
            "pile:corn", "pile:grapes", "pile:cabbage", "bread", "pile:bananas", "pile:pepper", "cheese"],
           0, W, 203, 48, 60, gap=(0, 3))
    # Cobbles.
    sc.add(R(0, 262, W, 58, "url(#ground)", extra=OL()))
    for i in range(60):
        x, y = sc.rng.uniform(0, W), sc.rng.uniform(268, 318)
        sc.add(E(x, y, sc.rng.uniform(6, 11), sc.rng.uniform(3, 5), mix(ROAD, STONE, sc.rng.uniform(0.1, 0.7)),
                 extra=' stroke="%s" stroke-width="1" stroke-opacity="0.5"' % OUT))
    sc.row(["pile:pumpkin", "watermelon", "eggbasket", "pile:flower", "pile:cabbage", "pumpkin", "pile:watermelon",
            "pile:apple", "pile:orange"], 0, W, 318, 44, 56, gap=(4, 14))
    return sc.svg("Secret round 5: the farmers' market.")


def music_hall():
    sc = Scene(606)
    sc.add("<defs>%s%s%s</defs>" % (lgrad("wall", [(0, "#2A1850"), (1, "#6A3A8A")]),
                                    lgrad("stage", [(0, "#E8A850"), (1, "#B8743A")]),
                                    lgrad("curtain", [(0, "#E04060"), (1, "#A01838")], 0, 0, 1, 0)))
    sc.add(R(0, 0, W, H, "url(#wall)", st=False))
    for x0, c in [(90, "#FFF3A8"), (210, "#A8F0FF"), (330, "#FFC4E1")]:
        sc.add(POLY([(x0 - 8, 0), (x0 + 8, 0), (x0 + 60, 240), (x0 - 60, 240)], c, st=False, extra=' fill-opacity="0.18"'))
    sc.scatter(["note", "notes2", "sparkle", "note", "star", "notes2", "heart"], 40, 62, 380, 132, 8, 2, 18, 28)
    # Back riser for the orchestra.
    sc.add(R(30, 168, 360, 14, "#8B5A3C", extra=OL()))
    sc.row(["harp", "xylophone", "accordion", "sax", "horn", "violin", "drumkit", "stand", "guitar"],
           36, 384, 169, 38, 50, gap=(0, 5))
    sc.add(R(-2, 182, 424, 58, "url(#stage)", extra=OL()))
    for y in (196, 212, 228):
        sc.add(SL("M0,%d L420,%d" % (y, y), 1, "#8B5A3C"))
    for x0 in (90, 210, 330):
        sc.add(E(x0, 220, 56, 12, "#FFF3A8", st=False, extra=' fill-opacity="0.3"'))
    sc.row(["piano", "guitar", "microphone", "drumkit", "violin", "sax", "maracas", "tambourine", "stand", "harp",
            "accordion", "xylophone", "piano"], 40, 380, 230, 50, 64, gap=(0, 5))
    sc.add(R(-2, 238, 424, 10, "#6B3F2A", extra=OL()))
    # Curtains and valance.
    # Curtains gathered at a gold tie: wide at the top, narrow at the tie, flared at the floor.
    for side in (-1, 1):
        edge = 0 if side == -1 else W

        def X(d):
            return edge - side * d
        sc.add(P("M%s,0 L%s,0 C%s,70 %s,130 %s,150 C%s,180 %s,220 %s,252 L%s,252 Z" % (
            n(X(0)), n(X(62)), n(X(56)), n(X(30)), n(X(24)), n(X(30)), n(X(44)), n(X(48)), n(X(0))),
            "url(#curtain)", extra=OL()))
        for k in (0.3, 0.55, 0.8):
            sc.add(SL("M%s,18 C%s,80 %s,130 %s,150 C%s,190 %s,230 %s,252" % (
                n(X(62 * k)), n(X(56 * k)), n(X(30 * k)), n(X(24 * k)), n(X(30 * k)), n(X(44 * k)), n(X(48 * k))), 1.4, "#8A1030"))
        for y in (46, 84, 118, 196, 228):
            sc.add(POLY(star_pts(X(12 + (y % 7)), y, 4, 1.8), GOLD, st=False))
        sc.add(E(X(14), 150, 16, 6, GOLD, extra=OL(1.6)))
        sc.add(C(X(24), 160, 4, GOLD, extra=OL(1.4)))
    # A lighting bar with coloured lamps under the valance.
    sc.add(R(-2, 30, 424, 5, STONE, extra=OL(1.6)))
    x = 44
    while x < 370:
        c = sc.rng.choice([RED, GOLD, TEAL, VIOLET, PINK, SKY, LIME])
        h = sc.rng.uniform(20, 26)
        sc.add(POLY([(x - 6, 30 + h), (x + 6, 30 + h), (x + 30, 160), (x - 30, 160)], light(c, 0.5), st=False, extra=' fill-opacity="0.16"'))
        sc.place("spotlamp", x, 30 + h, h, colour=c)
        x += sc.rng.uniform(24, 40)
    sc.add(R(0, 0, W, 18, "#C02848", extra=OL()))
    x = 0
    i = 0
    while x < W:
        w = sc.rng.uniform(22, 38)
        c = "#C02848" if i % 2 == 0 else "#A8203E"
        depth = sc.rng.uniform(12, 18)
        sc.add(P("M%s,16 C%s,%s %s,%s %s,16 Z" % (n(x), n(x), n(16 + depth * 1.3), n(x + w), n(16 + depth * 1.3),
                                                    n(x + w)), c, extra=OL()))
        sc.add(SL("M%s,16 L%s,%s" % (n(x + w), n(x + w), n(26 + depth)), 1.2))
        sc.add(C(x + w, 27 + depth, 3, sc.rng.choice([GOLD, YELLOW, ORANGE, PINK]),
                 extra=OL(1)))
        x += w
        i += 1
    sc.add(R(0, 2, W, 4, GOLD, st=False))
    # The audience, seen from behind.
    hair = ["#3A2A1A", "#8B5A3C", GOLD, "#E05020", "#2B1B3D", STONE, "#C98B5A", VIOLET, TEAL, PINK]
    for rowi, (yb, hr) in enumerate([(290, 14), (326, 16)]):
        x = -6 + rowi * 18
        while x < 430:
            c = sc.rng.choice(hair)
            r = hr * sc.rng.uniform(0.85, 1.1)
            sc.add(C(x, yb - 24 - r * 0.5, r, c, extra=OL()))
            hat = sc.rng.random()
            if hat < 0.25:
                sc.add(P("M%s,%s C%s,%s %s,%s %s,%s Z" % (n(x - r), n(yb - 28 - r * 0.5), n(x - r), n(yb - 30 - r * 2),
                                                          n(x + r), n(yb - 30 - r * 2), n(x + r), n(yb - 28 - r * 0.5)),
                         sc.rng.choice(BRIGHT), extra=OL()))
            elif hat < 0.45:
                sc.add(C(x + r * 0.6, yb - 24 - r * 1.2, r * 0.4, sc.rng.choice(BRIGHT),
                         extra=OL(1.6)))
            seat = sc.rng.choice(["#C02848", "#A01838", "#D03858"])
            sc.add(R(x - 20, yb - 20, 40, 30, seat, rx=8, extra=OL()))
            sc.add(R(x - 14, yb - 16, 28, 4, light(seat, 0.3), rx=2, st=False))
            x += sc.rng.uniform(40, 50)
    return sc.svg("Secret round 6: the music hall.")


def jungle():
    sc = Scene(707)
    sc.add("<defs>%s%s</defs>" % (lgrad("air", [(0, "#E8F8A8"), (0.5, "#9ED870"), (1, "#4FA850")]),
                                  lgrad("pond", [(0, "#5FC8D8"), (1, "#2E8AB0")])))
    sc.add(R(0, 0, W, H, "url(#air)", st=False))
    # Tree trunks and big background leaves.
    for x, w in [(30, 26), (150, 20), (268, 30), (380, 22)]:
        sc.add(P("M%d,0 L%d,0 C%d,120 %d,200 %d,260 L%d,260 C%d,200 %d,120 %d,0 Z" % (
            x, x + w, x + w - 2, x + w + 4, x + w + 10, x - 10, x - 4, x + 2, x), "#8B5A3C",
            extra=OL()))
        sc.add(SL("M%d,30 C%d,60 %d,90 %d,120 M%d,150 C%d,170 %d,200 %d,220" % (
            x + 8, x + 10, x + 6, x + 8, x + 12, x + 10, x + 14, x + 10), 1.4, "#6B3F2A"))
    for i in range(26):
        x, y = sc.rng.uniform(-10, 430), sc.rng.uniform(-10, 240)
        c = sc.rng.choice(["#3E9E48", "#5BBE4A", "#2E8B57", "#7ACB52"])
        sc.place("leaf", x, y + 30, sc.rng.uniform(40, 62), colour=c, rot=sc.rng.uniform(-70, 70))
    # Vines.
    for x in (70, 120, 200, 320, 360):
        length = sc.rng.uniform(60, 120)
        sc.add(SL("M%d,0 C%d,%d %d,%d %d,%d" % (x, x + 12, length * 0.3, x - 12, length * 0.6, x, length), 2.4, "#2E7A3A"))
    # Branches for the birds.
    sc.add(P("M0,96 C60,86 120,100 180,92 L180,98 C120,106 60,94 0,104 Z", "#8B5A3C",
             extra=OL()))
    sc.add(P("M240,150 C300,140 360,154 420,146 L420,154 C360,162 300,148 240,158 Z", "#8B5A3C",
             extra=OL()))
    sc.scatter(["parrot", "toucan", "monkey", "butterfly", "snake", "chameleon", "hibiscus", "bananabunch", "beetle",
                "butterfly", "hibiscus"], 0, 6, W, 220, 8, 4, 24, 34)
    # Ground and pond.
    sc.add(P("M0,244 C80,232 160,248 240,238 C320,228 380,240 420,236 L420,320 L0,320 Z", "#3E8E3A",
             extra=OL()))
    sc.add(E(300, 296, 110, 22, "url(#pond)", extra=OL()))
    for x, y in [(230, 292), (280, 304), (340, 288), (372, 302)]:
        sc.add(P("M%d,%d a12,5 0 1,1 -2,-4 L%d,%d Z" % (x, y, x - 10, y), "#6CC24A",
                 extra=OL(1.5)))
    sc.row(["frog", "toadstool", "hibiscus", "tiger", "elephant", "beetle", "toadstool", "frog", "hibiscus"],
           0, W, 262, 34, 48, gap=(0, 10))
    sc.row(["frog", "toadstool", "hibiscus", "leaf", "beetle", "bananabunch", "flower", "frog"], 0, W, 318, 30, 46,
           gap=(6, 20))
    return sc.svg("Secret round 7: the jungle.")


def snow_village():
    sc = Scene(808)
    sc.add("<defs>%s%s%s</defs>" % (lgrad("sky", [(0, "#22306E"), (0.5, "#4A5FAE"), (1, "#B8A8E0")]),
                                    lgrad("snow", [(0, "#FFFFFF"), (1, "#D8E6F8")]),
                                    lgrad("ice", [(0, "#BDEBFF"), (1, "#8FC8F0")])))
    sc.add(R(0, 0, W, H, "url(#sky)", st=False))
    for i in range(90):
        sc.add(C(sc.rng.uniform(0, W), sc.rng.uniform(0, 150), sc.rng.choice([0.8, 1.1, 1.5]),
                 sc.rng.choice(["#FFFFFF", "#FFF3A8", "#DDEBFF"]), st=False))
    sc.add(C(330, 44, 22, "#FFF6D0", extra=OL()))
    sc.add(C(322, 38, 4, "#EDE0B0", st=False) + C(336, 52, 3, "#EDE0B0", st=False))
    sc.scatter(["snowflake", "sparkle", "star"], 0, 0, W, 120, 12, 4, 7, 11)
    sc.scatter(["snowflake", "sparkle", "snowflake", "star", "snowflake", "bird", "sparkle"], 0, 0, W, 116, 9, 3,
               16, 26)
    sc.add(P("M0,150 C60,120 140,140 200,132 C260,124 330,112 420,130 L420,320 L0,320 Z", "#E8F0FF",
             extra=OL()))
    sc.row(["house", "pine", "house", "house", "pine", "house", "pine", "house"], 0, W, 156, 42, 56, gap=(-4, 4))
    sc.add(P("M0,196 C80,182 160,198 240,188 C320,178 380,190 420,184 L420,320 L0,320 Z", "url(#snow)",
             extra=OL()))
    sc.row(["house", "xmastree", "house", "pine", "house", "lamppost", "house", "pine"], 0, W, 228, 52, 70,
           gap=(-2, 6))
    sc.add(E(120, 292, 100, 20, "url(#ice)", extra=OL()))
    sc.add(SL("M60,290 C90,282 110,300 150,288 M120,302 C140,296 160,300 180,294", 1.2, "#FFFFFF"))
    sc.row(["pine", "snowman", "gift", "xmastree", "sled", "pine", "igloo"], 226, W, 268, 26, 36, gap=(2, 8))
    sc.place("skater", 80, 300, 36)
    sc.place("skater", 170, 296, 32)
    sc.row(["snowman", "sled", "gift", "lamppost", "igloo", "skis", "snowman", "pine", "gift"],
           0, W, 318, 44, 58, gap=(4, 24))
    sc.scatter(["snowflake", "sparkle"], 0, 236, W, 258, 8, 1, 9, 13)
    # Falling snow over everything.
    for i in range(160):
        sc.add(C(sc.rng.uniform(0, W), sc.rng.uniform(0, H), sc.rng.choice([1.2, 1.6, 2.2]), "#FFFFFF", st=False,
                 extra=' fill-opacity="0.85"'))
    return sc.svg("Secret round 8: the snow village.")


def bakery():
    sc = Scene(909)
    sc.add("<defs>%s</defs>" % lgrad("counter", [(0, "#FFE0E8"), (1, "#F4A8C0")]))
    tiles = ["#FFF6E0", "#E0F4EC", "#FFF6E0", "#FCE4EC"]
    for r in range(12):
        for c in range(21):
            sc.add(R(c * 20, r * 20, 20, 20, tiles[(r + c) % 4] if (r + c) % 2 else tiles[(r * 3 + c) % 4],
                     extra=' stroke="#D8C8B0" stroke-width="1"'))
    # Rail with hanging utensils.
    sc.add(R(0, 8, W, 5, STONE, extra=OL(1.6)))
    x = 10
    k = 0
    tools = ["whisk", "ladle", "pan", "whisk", "ladle", "pan", "heart", "star"]
    while x < 400:
        name = tools[k % len(tools)]
        h = sc.rng.uniform(40, 54) if name in ("whisk", "ladle") else sc.rng.uniform(26, 36)
        w = OBJ[name][1] * h
        if x + w > 414:
            break
        hang(sc, name, x + w / 2, 14 + sc.rng.uniform(0, 12), h, 12)
        x += w + sc.rng.uniform(6, 14)
        k += 1
    breads = ["baguette", "croissant", "loaf", "boule", "pretzel", "cinnamon", "bread"]
    planks(sc, 114, 8, "#C98B5A")
    sc.row(breads, 0, W, 115, 32, 46, gap=(0, 6))
    planks(sc, 180, 8, "#C98B5A")
    sc.row(["cake", "pie", "cookie", "jar", "muffin", "tart", "cupcake", "jar", "donut"], 0, W, 181, 34, 48,
           gap=(0, 6))
    # The display counter.
    sc.add(R(-2, 226, 424, 96, "url(#counter)", extra=OL()))
    sc.add(R(10, 238, 400, 76, "#E8FBFF", extra=' stroke="%s" stroke-width="2" fill-opacity="0.6"' % OUT))
    sc.add(R(-2, 220, 424, 8, "#FFFFFF", extra=OL()))
    sc.row(["cake", "cupcake", "muffin", "tart", "pie", "macarons", "donut", "boule", "croissant"], 0, W, 221, 28, 40,
           gap=(0, 8))
    sc.row(["cookie", "donut", "macarons", "cupcake", "tart", "muffin", "cinnamon", "cookie", "cake"], 14, 406, 272,
           26, 32, gap=(2, 6))
    sc.add(R(10, 272, 400, 4, "#FFFFFF", extra=OL(1.4)))
    sc.row(["croissant", "pretzel", "muffin", "cupcake", "donut", "pie", "macarons", "cookie"], 14, 406, 310, 26, 32,
           gap=(2, 6))
    sc.add(R(10, 310, 400, 4, "#FFFFFF", extra=OL(1.4)))
    for x in (40, 150, 260, 370):
        sc.add(P("M%d,242 L%d,242 L%d,300 L%d,300 Z" % (x, x + 12, x - 20, x - 30), "#FFFFFF", st=False,
                 extra=' fill-opacity="0.45"'))
    return sc.svg("Secret round 9: the bakery.")


def harbour():
    sc = Scene(1010)
    sc.add("<defs>%s%s%s</defs>" % (lgrad("sky", [(0, "#7EC8F2"), (1, "#E6F6FF")]),
                                    lgrad("sea", [(0, "#5FB0E8"), (1, "#2E6FB8")]),
                                    lgrad("dock", [(0, "#C98B5A"), (1, "#9A6236")])))
    sc.add(R(0, 0, W, 150, "url(#sky)", st=False))
    sc.add(C(60, 40, 20, YELLOW, extra=OL()))
    for x, y, k in [(150, 40, 0.8), (280, 26, 0.9), (380, 56, 0.7), (210, 84, 0.6), (100, 94, 0.5)]:
        cloud(sc, x, y, k)
    # A far flock of gulls, then the nearer birds, kites and balloons.
    for i in range(40):
        x, y = sc.rng.uniform(70, 414), sc.rng.uniform(4, 100)
        k = sc.rng.uniform(2.5, 4.5)
        sc.add(SL("M%s,%s q%s,%s %s,0 q%s,%s %s,0" % (n(x), n(y), n(k), n(-k), n(2 * k), n(k), n(-k), n(2 * k)), 1.2))
    sc.scatter(["seagull", "kite", "balloon", "seagull", "bird", "seagull"], 80, 0, W, 100, 8, 3, 14, 24)
    # Hill with the town.
    sc.add(P("M0,120 C80,90 160,104 240,96 C320,88 380,100 420,92 L420,160 L0,160 Z", "#7FCB5A",
             extra=OL()))
    sc.row(["cottage", "cottage", "tree", "cottage", "cottage", "cottage", "tree", "cottage", "cottage"], 60, W, 132,
           32, 48, gap=(-4, 2))
    sc.add(P("M0,150 L0,100 C20,96 40,104 50,150 Z", STONE, extra=OL()))
    sc.place("lighthouse", 26, 106, 64)
    # Sea.
    sc.add(R(0, 150, W, 120, "url(#sea)", extra=OL()))
    for i in range(30):
        x, y = sc.rng.uniform(0, W), sc.rng.uniform(158, 262)
        sc.add(SL("M%s,%s c5,-4 10,-4 15,0 c5,4 10,4 15,0" % (n(x), n(y)), 1.4, "#BDEBFF"))
    sc.row(["sailboat", "buoy", "tugboat", "sailboat", "fishingboat", "buoy", "sailboat"], 0, W, 196, 30, 42,
           gap=(4, 16))
    sc.row(["fishingboat", "sailboat", "buoy", "tugboat", "sailboat", "buoy", "fishingboat"], 0, W, 248, 40, 54,
           gap=(2, 12))
    # The dock.
    sc.add(R(-2, 262, 424, 60, "url(#dock)", extra=OL()))
    for x in range(0, 420, 24):
        sc.add(SL("M%d,264 L%d,320" % (x, x), 1.2))
    for x in range(12, 420, 48):
        sc.add(C(x, 268 + (x % 3) * 16, 1.6, OUT, st=False))
    sc.row(["rope", "fishbox", "buoy", "lobstertrap", "woodcrate", "barrel", "rope"], 0, W, 290, 24, 32, gap=(4, 16))
    sc.row(["barrel", "woodcrate", "anchor", "lifering", "rope", "bollard", "fishbox", "lobstertrap", "barrel",
            "woodcrate", "lifering"], 0, W, 318, 34, 48, gap=(2, 12))
    return sc.svg("Secret round 10: the harbour.")


THEMES = [
    ("secret01", toy_workshop),
    ("secret02", candy_garden),
    ("secret03", coral_reef),
    ("secret04", space_station),
    ("secret05", farmers_market),
    ("secret06", music_hall),
    ("secret07", jungle),
    ("secret08", snow_village),
    ("secret09", bakery),
    ("secret10", harbour),
]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "art", "secret")
    os.makedirs(out, exist_ok=True)
    for name, fn in THEMES:
        with open(os.path.join(out, name + ".svg"), "w") as f:
            f.write(fn())
        print("wrote", os.path.join(out, name + ".svg"))


if __name__ == "__main__":
    main()
