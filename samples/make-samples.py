#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Draws the sample pictures that ship in this folder.

    python3 samples/make-samples.py      (from any directory)

Every picture is drawn here with a small raster helper and written by the
encoders below.  ImageMagick's `convert` is used for one thing only: turning
the PPM images drawn here into JPEG.  The output is the same bytes on every
run, so the files can be regenerated and committed without noise.
"""

import math
import os
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


# ---------------------------------------------------------------- drawing

def mix(c0, c1, t):
    """Blend two colours; t = 0 gives c0, t = 1 gives c1."""
    t = min(1.0, max(0.0, t))
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(c0, c1))


def ramp(stops, t):
    """Colour at t along [(pos, colour), ...] with ascending positions."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0))
    return stops[-1][1]


class Lcg:
    """Tiny fixed random sequence, so scattered details never move."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1664525 + 1013904223) & 0xFFFFFFFF
        return self.state / 4294967296.0

    def range(self, lo, hi):
        return lo + (hi - lo) * self.next()


class Canvas:
    """Pixels in rows, top row first; `channels` bytes per pixel
    (3 for RGB, 4 for RGBA, 1 for palette indices)."""

    def __init__(self, w, h, color):
        self.w, self.h = w, h
        self.ch = len(color)
        self.px = bytearray(bytes(color) * (w * h))

    def get(self, x, y):
        i = (y * self.w + x) * self.ch
        return tuple(self.px[i:i + self.ch])

    def put(self, x, y, color):
        if 0 <= x < self.w and 0 <= y < self.h:
            i = (y * self.w + x) * self.ch
            self.px[i:i + self.ch] = bytes(color)

    def span(self, y, x0, x1, color, alpha=1.0):
        """Fill pixels x0 <= x < x1 of row y, clipped to the canvas."""
        if not 0 <= y < self.h:
            return
        x0, x1 = max(0, int(x0)), min(self.w, int(x1))
        if x1 <= x0:
            return
        if alpha >= 1.0:
            i = (y * self.w + x0) * self.ch
            self.px[i:i + (x1 - x0) * self.ch] = bytes(color) * (x1 - x0)
        else:
            for x in range(x0, x1):
                self.put(x, y, mix(self.get(x, y), color, alpha))

    def rect(self, x0, y0, x1, y1, color, alpha=1.0):
        for y in range(int(y0), int(y1)):
            self.span(y, x0, x1, color, alpha)

    def vgradient(self, x0, y0, x1, y1, stops, steps=None):
        """Top-to-bottom gradient; `steps` limits it to that many bands."""
        for y in range(y0, y1):
            t = (y - y0) / max(1, y1 - y0 - 1)
            if steps:
                t = min(steps - 1, math.floor(t * steps)) / (steps - 1)
            self.span(y, x0, x1, ramp(stops, t))

    def ellipse(self, cx, cy, rx, ry, color, alpha=1.0):
        for y in range(int(math.floor(cy - ry)), int(math.ceil(cy + ry)) + 1):
            d = (y + 0.5 - cy) / ry
            if abs(d) < 1:
                dx = rx * math.sqrt(1 - d * d)
                self.span(y, round(cx - dx), round(cx + dx), color, alpha)

    def circle(self, cx, cy, r, color, alpha=1.0):
        self.ellipse(cx, cy, r, r, color, alpha)

    def polygon(self, pts, color, alpha=1.0):
        """Even-odd fill, sampled at pixel centres."""
        ys = [p[1] for p in pts]
        for y in range(int(math.floor(min(ys))), int(math.ceil(max(ys))) + 1):
            yc = y + 0.5
            xs = []
            for (xa, ya), (xb, yb) in zip(pts, pts[1:] + pts[:1]):
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                self.span(y, round(a), round(b), color, alpha)

    def line(self, x0, y0, x1, y1, width, color):
        dx, dy = x1 - x0, y1 - y0
        n = math.hypot(dx, dy) or 1.0
        ox, oy = -dy / n * width / 2, dx / n * width / 2
        self.polygon([(x0 + ox, y0 + oy), (x1 + ox, y1 + oy),
                      (x1 - ox, y1 - oy), (x0 - ox, y0 - oy)], color)

    def ridge(self, top_of, stops):
        """Fill everything below the curve y = top_of(x) with a gradient
        that runs from the curve's highest point to the bottom edge."""
        tops = [int(top_of(x)) for x in range(self.w)]
        y_min = max(0, min(tops))
        rows = [bytes(ramp(stops, (y - y_min) / max(1, self.h - y_min)))
                for y in range(self.h)]
        for x, top in enumerate(tops):
            for y in range(max(0, top), self.h):
                i = (y * self.w + x) * self.ch
                self.px[i:i + self.ch] = rows[y]

    def text(self, x, y, s, cell, color):
        """Blocky capitals from FONT, `cell` pixels per font dot."""
        for ch in s:
            for row, bits in enumerate(FONT[ch]):
                for col, bit in enumerate(bits):
                    if bit == "#":
                        self.rect(x + col * cell, y + row * cell,
                                  x + (col + 1) * cell, y + (row + 1) * cell, color)
            x += 6 * cell

    def rotated_ccw(self):
        """The picture turned a quarter turn anticlockwise."""
        out = Canvas(self.h, self.w, (0,) * self.ch)
        for y in range(self.h):
            for x in range(self.w):
                out.put(y, self.w - 1 - x, self.get(x, y))
        return out

    def ppm(self):
        assert self.ch == 3
        return b"P6\n%d %d\n255\n" % (self.w, self.h) + bytes(self.px)


FONT = {
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
}


def cloud(c, cx, cy, s, color=(255, 255, 255), alpha=0.9):
    for dx, dy, r in ((-30, 6, 18), (-10, -6, 24), (14, -2, 22), (34, 8, 15), (0, 10, 20)):
        c.ellipse(cx + dx * s, cy + dy * s, r * s * 1.3, r * s, color, alpha)


def sun(c, cx, cy, r, core, halo):
    for k, a in ((2.0, 0.12), (1.6, 0.2), (1.3, 0.35)):
        c.circle(cx, cy, r * k, halo, a)
    c.circle(cx, cy, r, core)


def star_points(cx, cy, outer, inner, n=5, turn=-90.0):
    pts = []
    for k in range(2 * n):
        a = math.radians(turn + k * 180.0 / n)
        r = outer if k % 2 == 0 else inner
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def inside(pts, x, y):
    hit = False
    for (xa, ya), (xb, yb) in zip(pts, pts[1:] + pts[:1]):
        if (ya <= y < yb) or (yb <= y < ya):
            if x < xa + (y - ya) * (xb - xa) / (yb - ya):
                hit = not hit
    return hit


def coverage(pts, x, y, n=4):
    """Share of pixel (x, y) covered by the polygon, from n*n samples."""
    hits = sum(inside(pts, x + (i + 0.5) / n, y + (j + 0.5) / n)
               for i in range(n) for j in range(n))
    return hits / (n * n)


# ---------------------------------------------------------------- pictures

def draw_landscape():
    c = Canvas(640, 400, (0, 0, 0))
    c.vgradient(0, 0, 640, 300, [(0, (38, 84, 168)), (0.7, (140, 190, 235)), (1, (215, 232, 245))])
    sun(c, 500, 95, 40, (255, 224, 96), (255, 244, 190))
    cloud(c, 130, 70, 1.2)
    cloud(c, 330, 130, 0.8)
    c.ridge(lambda x: 215 + 22 * math.sin(x / 70.0) + 10 * math.sin(x / 23.0 + 1),
            [(0, (120, 150, 185)), (1, (150, 175, 190))])
    c.ridge(lambda x: 265 + 28 * math.sin(x / 95.0 + 2) + 9 * math.sin(x / 31.0),
            [(0, (110, 175, 80)), (1, (60, 120, 50))])
    for tx, ty in ((90, 262), (125, 268), (420, 282)):
        c.rect(tx - 3, ty, tx + 3, ty + 22, (90, 60, 35))
        c.circle(tx, ty - 6, 15, (40, 100, 40))
    c.ridge(lambda x: 330 + 18 * math.sin(x / 60.0 + 4) + 7 * math.sin(x / 17.0),
            [(0, (85, 150, 60)), (1, (35, 85, 30))])
    return c


def draw_rle8():
    """Palette indices: flat stripes give long runs, the patterned bands
    give mixed runs and literal stretches."""
    c = Canvas(320, 240, (0,))
    for x0 in range(0, 320, 20):
        c.rect(x0, 0, x0 + 20, 50, (2 + (x0 // 20) % 7,))
    for y in range(50, 110):
        for x in range(320):
            c.put(x, y, (2 + ((x + y) // 16) % 7,))
    for y in range(110, 114):                       # dotted line
        for x in range(0, 320, 5):
            c.put(x, y, (1,))
    c.rect(24, 130, 124, 200, (2,))
    c.polygon([(130, 212), (185, 126), (240, 212)], (5,))
    c.circle(270, 165, 38, (4,))
    c.circle(270, 165, 16, (3,))
    for y in range(214, 226):                       # checkerboard, one pixel squares
        for x in range(320):
            c.put(x, y, (1 if (x + y) % 2 else 9,))
    for y in range(226, 240):                       # confetti
        for x in range(320):
            c.put(x, y, ((x * x * 7 + y * 13 + x * 3) // 5 % 15 + 1,))
    return c


RLE8_PALETTE = [
    (20, 30, 70), (255, 255, 255), (220, 40, 40), (245, 140, 30), (250, 215, 40),
    (60, 170, 70), (40, 190, 200), (50, 90, 210), (200, 60, 180), (0, 0, 0),
    (128, 128, 128), (250, 170, 190), (20, 100, 40), (150, 200, 250), (130, 80, 40),
    (110, 50, 150),
]


def draw_lighthouse():
    c = Canvas(300, 450, (0, 0, 0))
    c.vgradient(0, 0, 300, 270, [(0, (16, 24, 70)), (0.6, (90, 80, 150)), (1, (250, 160, 110))], steps=36)
    rnd = Lcg(7)
    for _ in range(40):
        x, y = int(rnd.range(0, 300)), int(rnd.range(0, 140))
        c.rect(x, y, x + 2, y + 2, (255, 255, 230))
    c.circle(235, 60, 22, (250, 245, 200))
    c.polygon([(118, 92), (300, 40), (300, 150)], (255, 240, 160), 0.35)
    c.vgradient(0, 270, 300, 450, [(0, (40, 70, 120)), (1, (12, 30, 60))], steps=18)
    for y in range(278, 450, 11):
        for x in range((y * 37) % 40, 300, 40):
            c.rect(x, y, x + 18, y + 2, (90, 130, 180))
    c.polygon([(0, 250), (40, 238), (150, 232), (175, 262), (200, 300), (0, 330)], (70, 60, 55))
    c.polygon([(0, 300), (120, 280), (200, 300), (0, 330)], (50, 42, 40))
    bands = [(110, 135), (135, 160), (160, 185), (185, 210), (210, 235)]
    for k, (ya, yb) in enumerate(bands):      # tower narrows towards the top
        wa, wb = 18 + (ya - 110) * 0.1, 18 + (yb - 110) * 0.1
        c.polygon([(100 - wa, ya), (100 + wa, ya), (100 + wb, yb), (100 - wb, yb)],
                  (220, 40, 40) if k % 2 == 0 else (245, 245, 240))
    c.rect(76, 106, 124, 112, (40, 40, 40))
    c.rect(84, 86, 116, 106, (255, 230, 120))
    c.polygon([(76, 86), (124, 86), (100, 64)], (40, 40, 40))
    c.polygon([(205, 360), (265, 360), (255, 374), (213, 374)], (120, 70, 40))
    c.rect(234, 312, 237, 360, (60, 40, 30))
    c.polygon([(238, 315), (238, 356), (262, 356)], (240, 240, 230))
    return c


def draw_beach():
    c = Canvas(600, 400, (0, 0, 0))
    c.vgradient(0, 0, 600, 220, [(0, (80, 150, 225)), (1, (205, 230, 250))])
    sun(c, 480, 70, 34, (255, 236, 120), (255, 250, 210))
    cloud(c, 150, 60, 1.0)
    cloud(c, 330, 110, 0.6)
    c.vgradient(0, 220, 600, 300, [(0, (25, 105, 170)), (1, (70, 175, 205))])
    for y in range(230, 300, 9):
        for x in range((y * 53) % 70, 600, 70):
            c.rect(x, y, x + 30, y + 2, (180, 225, 240))
    c.ridge(lambda x: 292 + 6 * math.sin(x / 45.0), [(0, (238, 214, 160)), (1, (214, 182, 118))])
    c.line(172, 330, 186, 225, 4, (110, 80, 50))
    for k in range(6):
        a0, a1 = math.pi + k * math.pi / 6, math.pi + (k + 1) * math.pi / 6
        wedge = [(186, 228)] + [(186 + 80 * math.cos(a0 + (a1 - a0) * i / 8),
                                 228 + 42 * math.sin(a0 + (a1 - a0) * i / 8)) for i in range(9)]
        c.polygon(wedge, (225, 45, 50) if k % 2 == 0 else (250, 250, 245))
    towel = [(260, 340), (380, 330), (385, 366), (265, 376)]
    c.polygon(towel, (40, 90, 200))
    for k in (1, 3):
        t0, t1 = k / 5.0, (k + 1) / 5.0
        c.polygon([(260 + 120 * t0, 340 - 10 * t0), (260 + 120 * t1, 340 - 10 * t1),
                   (265 + 120 * t1, 376 - 10 * t1), (265 + 120 * t0, 376 - 10 * t0)], (250, 250, 245))
    c.circle(450, 345, 20, (250, 250, 245))
    for k, col in enumerate(((230, 50, 50), (250, 200, 40), (50, 110, 220))):
        a0 = math.radians(-90 + k * 120)
        c.polygon([(450, 345)] + [(450 + 20 * math.cos(a0 + math.radians(i * 7.5)),
                                   345 + 20 * math.sin(a0 + math.radians(i * 7.5))) for i in range(9)], col)
    return c


def draw_palm_sunset():
    c = Canvas(400, 600, (0, 0, 0))
    c.vgradient(0, 0, 400, 380, [(0, (55, 35, 105)), (0.6, (225, 105, 95)), (1, (255, 200, 120))])
    sun(c, 255, 370, 60, (255, 225, 120), (255, 190, 120))
    c.vgradient(0, 380, 400, 520, [(0, (90, 60, 110)), (1, (40, 30, 70))])
    for k, y in enumerate(range(386, 470, 7)):
        half = 55 - k * 3
        c.rect(255 - half, y, 255 + half, y + 3, (250, 170, 100))
    c.polygon([(300, 402), (350, 402), (342, 410), (306, 410)], (30, 20, 40))
    c.line(325, 402, 325, 360, 2, (30, 20, 40))
    c.polygon([(327, 364), (327, 400), (348, 400)], (30, 20, 40))
    c.ridge(lambda x: 470 + 25 * math.sin(x / 80.0 + 1.0), [(0, (150, 95, 80)), (1, (70, 45, 50))])
    trunk = [(100 + 40 * math.sin(t * 1.4), 590 - 370 * t) for t in (i / 20.0 for i in range(21))]
    for k, ((xa, ya), (xb, yb)) in enumerate(zip(trunk, trunk[1:])):
        c.line(xa, ya, xb, yb, 18 - k * 0.4, (45, 30, 35))
    tx, ty = trunk[-1]
    for ang in (-170, -140, -110, -70, -35, -5, 25, 160):
        a = math.radians(ang)
        ex, ey = tx + 120 * math.cos(a), ty + 120 * math.sin(a) + 45
        mx, my = tx + 60 * math.cos(a), ty + 60 * math.sin(a) - 10
        nx, ny = -math.sin(a) * 14, math.cos(a) * 14
        c.polygon([(tx, ty), (mx + nx, my + ny), (ex, ey), (mx - nx, my - ny)], (35, 45, 35))
    c.circle(tx, ty + 4, 12, (45, 30, 35))
    return c


def draw_sunset():
    c = Canvas(500, 350, (0, 0, 0))
    c.vgradient(0, 0, 500, 220, [(0, (30, 20, 75)), (0.55, (190, 70, 100)), (1, (250, 170, 80))])
    sun(c, 250, 215, 55, (255, 215, 110), (255, 160, 90))
    c.polygon([(0, 220), (0, 180), (40, 170), (95, 188), (140, 205), (170, 220)], (45, 30, 55))
    c.vgradient(0, 220, 500, 350, [(0, (120, 60, 100)), (1, (25, 20, 55))])
    for k, y in enumerate(range(226, 350, 8)):
        half = 60 - k * 3
        off = 10 if k % 2 else -6
        c.rect(250 - half + off, y, 250 + half + off, y + 3, (250, 180, 100))
    for bx, by, s in ((120, 90, 14), (160, 70, 10), (370, 110, 12)):
        c.line(bx - s, by - s * 0.5, bx, by, 3, (30, 20, 40))
        c.line(bx, by, bx + s, by - s * 0.5, 3, (30, 20, 40))
    return c


def draw_harbour():
    c = Canvas(360, 240, (0, 0, 0))
    c.vgradient(0, 0, 360, 120, [(0, (140, 195, 235)), (1, (220, 236, 246))])
    cloud(c, 250, 35, 0.6)
    colours = [(200, 70, 60), (240, 200, 90), (90, 140, 190), (230, 230, 220), (120, 170, 110)]
    x = 10
    for k in range(7):
        w, top = 38 + (k * 7) % 12, 78 + (k * 13) % 20
        c.rect(x, top, x + w, 120, colours[k % 5])
        c.polygon([(x - 3, top), (x + w + 3, top), (x + w / 2, top - 18)], (130, 60, 50))
        for wx in range(x + 6, x + w - 8, 12):
            c.rect(wx, top + 8, wx + 7, top + 16, (60, 70, 90))
        x += w + 6
    c.rect(0, 120, 360, 134, (150, 145, 140))
    c.vgradient(0, 134, 360, 240, [(0, (50, 110, 150)), (1, (20, 55, 95))])
    for y in range(140, 240, 8):
        for xr in range((y * 29) % 50, 360, 50):
            c.rect(xr, y, xr + 22, y + 2, (95, 150, 185))
    for px in (40, 64, 88):
        c.rect(px, 120, px + 5, 175, (90, 65, 45))
    c.rect(30, 130, 100, 138, (120, 90, 60))
    for bx, col, sail in ((150, (200, 50, 50), (250, 250, 240)), (255, (40, 60, 120), (250, 220, 120))):
        c.polygon([(bx, 170), (bx + 80, 170), (bx + 68, 188), (bx + 10, 188)], col)
        c.line(bx + 40, 170, bx + 40, 108, 3, (60, 45, 35))
        c.polygon([(bx + 43, 112), (bx + 43, 166), (bx + 76, 166)], sail)
        c.polygon([(bx + 37, 118), (bx + 37, 166), (bx + 12, 166)], sail)
    return c


def draw_meadow():
    c = Canvas(240, 360, (0, 0, 0))
    c.vgradient(0, 0, 240, 160, [(0, (95, 160, 230)), (1, (210, 232, 248))])
    cloud(c, 80, 50, 0.7)
    c.ridge(lambda x: 150 + 10 * math.sin(x / 40.0),
            [(0, (150, 210, 90)), (1, (55, 135, 45))])
    c.rect(166, 110, 176, 175, (100, 70, 40))
    for dx, dy, r in ((-18, -10, 22), (16, -12, 22), (0, -30, 26), (0, 0, 24)):
        c.circle(171 + dx, 110 + dy, r, (45, 120, 45))
    rnd = Lcg(2024)
    petals = [(230, 60, 70), (250, 230, 80), (250, 250, 250), (170, 90, 200)]
    for _ in range(90):
        y = rnd.range(170, 355)
        x = rnd.range(0, 240)
        r = 1.5 + (y - 170) / 40.0
        c.circle(x, y, r, petals[int(rnd.range(0, 4))])
        c.circle(x, y, max(1.0, r * 0.4), (240, 180, 40))
    return c


def draw_exif_rotated():
    """The picture as a viewer should show it: 300 x 400 portrait, the
    word TOP across the top, a red arrow below it pointing up, a green bar
    along the bottom.  It is stored turned a quarter turn anticlockwise
    (400 x 300), so in the stored pixels the arrow points at the LEFT
    edge, TOP runs bottom-to-top along that edge and the green bar lies
    along the right edge.  EXIF Orientation 6 tells a viewer to turn it
    90 degrees clockwise, which puts everything back upright."""
    d = Canvas(300, 400, (225, 232, 240))
    d.text(150 - 8 * 17 // 2, 24, "TOP", 8, (30, 40, 110))
    d.polygon([(150, 100), (230, 190), (180, 190), (180, 330), (120, 330), (120, 190), (70, 190)],
              (215, 30, 30))
    d.rect(0, 360, 300, 400, (60, 150, 60))
    return d.rotated_ccw()


# ---------------------------------------------------------------- raster encoders

def bmp24(c):
    row_len = (c.w * 3 + 3) & ~3
    rows = bytearray()
    for y in range(c.h - 1, -1, -1):            # bottom row first
        row = c.px[y * c.w * 3:(y + 1) * c.w * 3]
        row[0::3], row[2::3] = row[2::3], row[0::3]   # RGB -> BGR
        rows += row + b"\0" * (row_len - c.w * 3)
    info = struct.pack("<IiiHHIIiiII", 40, c.w, c.h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    return head + info + bytes(rows)


def rle8_line(row):
    """One row as BI_RLE8 records: runs of three or more equal pixels as
    encoded runs, stretches of three or more mixed pixels in absolute mode
    (padded to a word), and anything shorter as runs of one."""
    out = bytearray()
    i, n = 0, len(row)
    while i < n:
        j = i
        while j < n and j - i < 255 and row[j] == row[i]:
            j += 1
        if j - i >= 3:
            out += bytes((j - i, row[i]))
            i = j
            continue
        j = i
        while j < n and j - i < 255:
            if j + 2 < n and row[j] == row[j + 1] == row[j + 2]:
                break
            j += 1
        lit = row[i:j]
        if len(lit) >= 3:
            out += bytes((0, len(lit))) + lit + b"\0" * (len(lit) % 2)
        else:
            for b in lit:
                out += bytes((1, b))
        i = j
    return out


def bmp_rle8(c, palette):
    data = bytearray()
    for y in range(c.h - 1, -1, -1):            # bottom row first
        data += rle8_line(bytes(c.px[y * c.w:(y + 1) * c.w]))
        data += b"\0\1" if y == 0 else b"\0\0"  # end of bitmap / end of line
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    info = struct.pack("<IiiHHIIiiII", 40, c.w, c.h, 1, 8, 1, len(data), 2835, 2835,
                       len(palette), 0)
    off = 14 + len(info) + len(pal)
    head = struct.pack("<2sIHHI", b"BM", off + len(data), 0, 0, off)
    return head + info + pal + bytes(data)


def lzw_gif(indices, min_size):
    """GIF-flavoured LZW: codes grow from min_size + 1 bits up to 12, and a
    clear code starts a fresh table whenever all 4096 codes are taken."""
    clear, eoi = 1 << min_size, (1 << min_size) + 1
    acc = nbits = 0
    out = bytearray()

    def emit(code, width):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    # The decoder learns each entry one code later than we make it, so a
    # code goes out in as many bits as the highest code made so far needs.
    def width(next_code):
        return min(12, max(min_size + 1, (next_code - 1).bit_length()))

    table, next_code = {}, eoi + 1
    emit(clear, width(next_code))
    prefix = indices[0]
    for k in indices[1:]:
        key = (prefix << 8) | k
        code = table.get(key)
        if code is not None:
            prefix = code
            continue
        emit(prefix, width(next_code))
        if next_code < 4096:
            table[key] = next_code
            next_code += 1
        else:
            emit(clear, 12)
            table, next_code = {}, eoi + 1
        prefix = k
    emit(prefix, width(next_code))
    emit(eoi, min(12, max(min_size + 1, next_code.bit_length())))
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def gif89a(c):
    colours = sorted({c.get(x, y) for y in range(c.h) for x in range(c.w)})
    if len(colours) > 256:
        sys.exit("the GIF picture uses %d colours, more than 256" % len(colours))
    index = {col: i for i, col in enumerate(colours)}
    bits = max(1, (len(colours) - 1).bit_length())
    table = b"".join(bytes(col) for col in colours) + b"\0" * 3 * ((1 << bits) - len(colours))
    pixels = bytes(index[c.get(x, y)] for y in range(c.h) for x in range(c.w))
    min_size = max(2, bits)
    data = lzw_gif(pixels, min_size)
    blocks = b"".join(bytes((len(data[i:i + 255]),)) + data[i:i + 255]
                      for i in range(0, len(data), 255))
    return (b"GIF89a" + struct.pack("<HHBBB", c.w, c.h, 0xF0 | (bits - 1), 0, 0) + table
            + b"\x2C" + struct.pack("<HHHHB", 0, 0, c.w, c.h, 0)
            + bytes((min_size,)) + blocks + b"\0" + b"\x3B")


def dib32_with_mask(c):
    """Icon/cursor image: BITMAPINFOHEADER of double height, BGRA rows
    bottom-up, then the 1-bit AND mask (set = transparent)."""
    xor, mask = bytearray(), bytearray()
    mask_row = ((c.w + 31) // 32) * 4
    for y in range(c.h - 1, -1, -1):
        bits = bytearray(mask_row)
        for x in range(c.w):
            r, g, b, a = c.get(x, y)
            xor += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, c.w, 2 * c.h, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


def icon_file(kind, images):
    """kind 1 = icon, 2 = cursor.  images: (canvas, hotspot or None)."""
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for c, hot in images:
        blob = dib32_with_mask(c)
        a, b = hot if kind == 2 else (1, 32)      # cursor: hotspot; icon: planes, bit count
        out += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, a, b, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b"".join(blobs)


def draw_star_icon(size):
    c = Canvas(size, size, (0, 0, 0, 0))
    cx, cy = size / 2.0, size * 0.53
    edge = size / 32.0 * 1.6
    outer = star_points(cx, cy, size * 0.48, size * 0.48 * 0.42)
    inner = star_points(cx, cy, size * 0.48 - edge * 1.6, (size * 0.48 - edge * 1.6) * 0.42)
    for y in range(size):
        fill = mix((255, 236, 110), (240, 160, 20), y / (size - 1))
        for x in range(size):
            a_out = coverage(outer, x, y)
            if a_out == 0:
                continue
            a_in = coverage(inner, x, y)
            col = mix((150, 70, 0), fill, a_in / a_out)
            c.put(x, y, col + (int(round(255 * a_out)),))
    return c


ARROW = [
    "X",
    "XX",
    "XoX",
    "XooX",
    "XoooX",
    "XooooX",
    "XoooooX",
    "XooooooX",
    "XoooooooX",
    "XooooooooX",
    "XoooooooooX",
    "XooooooXXXXX",
    "XoooXooX",
    "XooXXooX",
    "XoX  XooX",
    "XX   XooX",
    "X     XooX",
    "      XooX",
    "       XX",
]


def draw_arrow_cursor(hot):
    c = Canvas(32, 32, (0, 0, 0, 0))
    for y, row in enumerate(ARROW):             # soft shadow first
        for x, ch in enumerate(row):
            if ch != " ":
                c.put(hot[0] + x + 2, hot[1] + y + 2, (0, 0, 0, 80))
    for y, row in enumerate(ARROW):
        for x, ch in enumerate(row):
            if ch != " ":
                c.put(hot[0] + x, hot[1] + y, (0, 0, 0, 255) if ch == "X" else (255, 255, 255, 255))
    return c


def jpeg(c, path, quality=80, exif_orientation=None):
    with tempfile.TemporaryDirectory() as tmp:
        src, dst = os.path.join(tmp, "in.ppm"), os.path.join(tmp, "out.jpg")
        with open(src, "wb") as f:
            f.write(c.ppm())
        subprocess.run(["convert", src, "-strip", "-quality", str(quality),
                        "-sampling-factor", "2x2,1x1,1x1", dst], check=True)
        with open(dst, "rb") as f:
            data = f.read()
    if exif_orientation is not None:
        data = with_exif_orientation(data, exif_orientation)
    with open(path, "wb") as f:
        f.write(data)


def with_exif_orientation(jpg, orientation):
    """Insert an EXIF APP1 segment (big-endian TIFF, one IFD0 entry:
    Orientation) after SOI and the JFIF APP0 segment if there is one."""
    assert jpg[:2] == b"\xFF\xD8"
    tiff = (b"MM\x00\x2A" + struct.pack(">I", 8)
            + struct.pack(">H", 1)
            + struct.pack(">HHIHH", 0x0112, 3, 1, orientation, 0)
            + struct.pack(">I", 0))
    payload = b"Exif\0\0" + tiff
    app1 = b"\xFF\xE1" + struct.pack(">H", len(payload) + 2) + payload
    pos = 2
    if jpg[2:4] == b"\xFF\xE0":
        pos = 4 + struct.unpack(">H", jpg[4:6])[0]
    return jpg[:pos] + app1 + jpg[pos:]


# ---------------------------------------------------------------- metafiles
#
# Both metafiles draw the same scene in logical units of 1/1440 inch on a
# 2880 x 2160 window (2 x 1.5 inch).

SCENE_W, SCENE_H = 2880, 2160
TEXT = "Quenbrook"
TEXT_AT = (300, 1240)
FONT_HEIGHT = 320
# Advance widths of "Quenbrook" in a bold sans face, per 1000 units of
# font height; scaled for EMF's Dx array.
TEXT_DX = [round(w * FONT_HEIGHT / 1000) for w in (778, 611, 556, 611, 611, 389, 611, 611, 556)]

SCENE = [
    ("brush", (228, 238, 252)), ("pen", (228, 238, 252), 1),
    ("rect", (0, 0, SCENE_W, SCENE_H)),
    ("brush", (80, 150, 70)), ("pen", (80, 150, 70), 1),
    ("rect", (0, 1800, SCENE_W, SCENE_H)),
    ("pen", (40, 40, 60), 30),
    ("brush", (220, 50, 50)), ("rect", (240, 240, 1080, 960)),
    ("brush", (250, 200, 40)), ("ellipse", (1260, 240, 1980, 960)),
    ("brush", (50, 90, 200)),
    ("polygon", [(round(x), round(y)) for x, y in star_points(2430, 620, 380, 160)]),
    ("font", FONT_HEIGHT, 700, "Arial"),
    ("textcolor", (30, 40, 120)),
    ("bkmode", 1),          # transparent: no box behind the text
    ("text", TEXT_AT, TEXT),
]


def colorref(rgb):
    return struct.pack("<BBBB", rgb[0], rgb[1], rgb[2], 0)


class Slots:
    """Object table: a new object takes the lowest free slot."""

    def __init__(self, first):
        self.first, self.used, self.peak = first, set(), 0

    def take(self):
        i = self.first
        while i in self.used:
            i += 1
        self.used.add(i)
        self.peak = max(self.peak, len(self.used))
        return i

    def free(self, i):
        self.used.remove(i)


def wmf_record(func, params=b""):
    assert len(params) % 2 == 0
    return struct.pack("<IH", 3 + len(params) // 2, func) + params


def make_wmf():
    recs = [
        wmf_record(0x0103, struct.pack("<H", 8)),                       # SETMAPMODE anisotropic
        wmf_record(0x020B, struct.pack("<hh", 0, 0)),                   # SETWINDOWORG (y, x)
        wmf_record(0x020C, struct.pack("<hh", SCENE_H, SCENE_W)),       # SETWINDOWEXT (y, x)
    ]
    slots = Slots(0)
    current = {}

    def select(kind, create):
        slot = slots.take()
        recs.append(create)
        recs.append(wmf_record(0x012D, struct.pack("<H", slot)))       # SELECTOBJECT
        if kind in current:
            recs.append(wmf_record(0x01F0, struct.pack("<H", current[kind])))  # DELETEOBJECT
            slots.free(current[kind])
        current[kind] = slot

    for op in SCENE:
        kind = op[0]
        if kind == "brush":
            select("brush", wmf_record(0x02FC, struct.pack("<H", 0) + colorref(op[1]) + struct.pack("<H", 0)))
        elif kind == "pen":
            select("pen", wmf_record(0x02FA, struct.pack("<Hhh", 0, op[2], 0) + colorref(op[1])))
        elif kind in ("rect", "ellipse"):
            l, t, r, b = op[1]
            recs.append(wmf_record(0x041B if kind == "rect" else 0x0418, struct.pack("<hhhh", b, r, t, l)))
        elif kind == "polygon":
            pts = op[1]
            recs.append(wmf_record(0x0324, struct.pack("<h", len(pts))
                                   + b"".join(struct.pack("<hh", x, y) for x, y in pts)))
        elif kind == "font":
            face = op[3].encode("ascii").ljust(32, b"\0")
            select("font", wmf_record(0x02FB, struct.pack("<hhhhhBBBBBBBB", -op[1], 0, 0, 0, op[2],
                                                          0, 0, 0, 0, 0, 0, 0, 0) + face))
        elif kind == "textcolor":
            recs.append(wmf_record(0x0209, colorref(op[1])))
        elif kind == "bkmode":
            recs.append(wmf_record(0x0102, struct.pack("<H", op[1])))
        elif kind == "text":
            (x, y), s = op[1], op[2].encode("ascii")
            recs.append(wmf_record(0x0521, struct.pack("<h", len(s)) + s + b"\0" * (len(s) % 2)
                                   + struct.pack("<hh", y, x)))
    for kind in ("font", "pen", "brush"):
        recs.append(wmf_record(0x01F0, struct.pack("<H", current[kind])))
    recs.append(wmf_record(0x0000))                                     # EOF

    body = b"".join(recs)
    size_words = (18 + len(body)) // 2
    max_rec = max(struct.unpack_from("<I", r)[0] for r in recs)
    header = struct.pack("<HHHIHIH", 1, 9, 0x0300, size_words, slots.peak, max_rec, 0)
    words = struct.unpack("<10H", struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, SCENE_W, SCENE_H, 1440, 0))
    checksum = 0
    for w in words:
        checksum ^= w
    placeable = struct.pack("<IHhhhhHIH", 0x9AC6CDD7, 0, 0, 0, SCENE_W, SCENE_H, 1440, 0, checksum)
    return placeable + header + body


# The reference device of the EMF: 1920 x 1440 pixels on 508 x 381 mm, an
# exact 96 dpi, so the 2 x 1.5 inch frame is 192 x 144 device pixels.
EMF_DEVICE = (1920, 1440)
EMF_MM = (508, 381)
EMF_VIEW = (192, 144)


def emf_record(rtype, params=b""):
    assert len(params) % 4 == 0
    return struct.pack("<II", rtype, 8 + len(params)) + params


def make_emf():
    sx, sy = EMF_VIEW[0] / SCENE_W, EMF_VIEW[1] / SCENE_H     # logical -> device

    recs = [
        emf_record(17, struct.pack("<I", 8)),                          # SETMAPMODE anisotropic
        emf_record(10, struct.pack("<ii", 0, 0)),                      # SETWINDOWORGEX
        emf_record(9, struct.pack("<ii", SCENE_W, SCENE_H)),           # SETWINDOWEXTEX
        emf_record(12, struct.pack("<ii", 0, 0)),                      # SETVIEWPORTORGEX
        emf_record(11, struct.pack("<ii", *EMF_VIEW)),                 # SETVIEWPORTEXTEX
    ]
    slots = Slots(1)        # handle 0 is the metafile itself
    current = {}

    def select(kind, rtype, body):
        h = slots.take()
        recs.append(emf_record(rtype, struct.pack("<I", h) + body))
        recs.append(emf_record(37, struct.pack("<I", h)))             # SELECTOBJECT
        if kind in current:
            recs.append(emf_record(40, struct.pack("<I", current[kind])))  # DELETEOBJECT
            slots.free(current[kind])
        current[kind] = h

    for op in SCENE:
        kind = op[0]
        if kind == "brush":
            select("brush", 39, struct.pack("<I", 0) + colorref(op[1]) + struct.pack("<I", 0))
        elif kind == "pen":
            select("pen", 38, struct.pack("<Iii", 0, op[2], 0) + colorref(op[1]))
        elif kind in ("rect", "ellipse"):
            recs.append(emf_record(43 if kind == "rect" else 42, struct.pack("<iiii", *op[1])))
        elif kind == "polygon":
            pts = op[1]
            xs, ys = [p[0] for p in pts], [p[1] for p in pts]
            recs.append(emf_record(86, struct.pack("<iiiiI", min(xs), min(ys), max(xs), max(ys), len(pts))
                                   + b"".join(struct.pack("<hh", x, y) for x, y in pts)))
        elif kind == "font":
            face = op[3].encode("utf-16-le").ljust(64, b"\0")
            logfont = struct.pack("<iiiiiBBBBBBBB", -op[1], 0, 0, 0, op[2], 0, 0, 0, 0, 0, 0, 0, 0) + face
            # The rest of the extended font description, as GDI writes it:
            # full name, style, version, style size, match, reserved,
            # vendor id, culture, panose, padding.
            extra = face.ljust(128, b"\0") + b"\0" * 64 + struct.pack("<6I", 0, 0, 0, 0, 0, 0) + b"\0" * 12
            select("font", 82, logfont + extra)
        elif kind == "textcolor":
            recs.append(emf_record(24, colorref(op[1])))
        elif kind == "bkmode":
            recs.append(emf_record(18, struct.pack("<I", op[1])))
        elif kind == "text":
            (x, y), s = op[1], op[2]
            chars = s.encode("utf-16-le")
            chars += b"\0" * (-len(chars) % 4)
            width = sum(TEXT_DX)
            box = (x, y, x + width, y + FONT_HEIGHT * 23 // 20)
            dev = (int(box[0] * sx), int(box[1] * sy), int(math.ceil(box[2] * sx)), int(math.ceil(box[3] * sy)))
            off_string = 8 + 16 + 12 + 40
            off_dx = off_string + len(chars)
            scale = 2540.0 / 1440.0                                     # logical unit in 0.01 mm
            body = (struct.pack("<iiii", *dev) + struct.pack("<Iff", 1, scale, scale)
                    + struct.pack("<iiIIIiiiiI", x, y, len(s), off_string, 0, *box, off_dx)
                    + chars + b"".join(struct.pack("<I", d) for d in TEXT_DX))
            recs.append(emf_record(84, body))                          # EXTTEXTOUTW
    recs.append(emf_record(37, struct.pack("<I", 0x8000000D)))        # stock SYSTEM_FONT
    recs.append(emf_record(37, struct.pack("<I", 0x80000007)))        # stock BLACK_PEN
    recs.append(emf_record(37, struct.pack("<I", 0x80000000)))        # stock WHITE_BRUSH
    for kind in ("font", "pen", "brush"):
        recs.append(emf_record(40, struct.pack("<I", current[kind])))
    recs.append(emf_record(14, struct.pack("<III", 0, 16, 20)))       # EOF

    desc = "Quenbrook\0Shapes\0\0".encode("utf-16-le")
    header_len = 8 + 100 + len(desc)
    n_bytes = header_len + sum(len(r) for r in recs)
    bounds = (0, 0, EMF_VIEW[0] - 1, EMF_VIEW[1] - 1)                  # device pixels, inclusive
    frame = (0, 0, SCENE_W * 2540 // 1440, SCENE_H * 2540 // 1440)     # 0.01 mm
    header = emf_record(1, struct.pack("<iiii", *bounds) + struct.pack("<iiii", *frame)
                        + struct.pack("<IIIIHHIII", 0x464D4520, 0x10000, n_bytes, len(recs) + 1,
                                      slots.peak + 1, 0, len(desc) // 2, 108, 0)
                        + struct.pack("<iiii", *EMF_DEVICE, *EMF_MM)
                        + struct.pack("<III", 0, 0, 0)                   # no pixel format, no OpenGL
                        + struct.pack("<ii", EMF_MM[0] * 1000, EMF_MM[1] * 1000)
                        + desc)
    assert len(header) == header_len
    return header + b"".join(recs)


# ---------------------------------------------------------------- main

def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def main():
    write("landscape.bmp", bmp24(draw_landscape()))
    write("rle8.rle", bmp_rle8(draw_rle8(), RLE8_PALETTE))
    write("portrait.gif", gif89a(draw_lighthouse()))
    write("shapes.wmf", make_wmf())
    write("shapes.emf", make_emf())
    write("star.ico", icon_file(1, [(draw_star_icon(32), None), (draw_star_icon(16), None)]))
    write("arrow.cur", icon_file(2, [(draw_arrow_cursor((1, 1)), (1, 1))]))
    jpeg(draw_exif_rotated(), os.path.join(HERE, "exif-rotated.jpg"), exif_orientation=6)
    jpeg(draw_beach(), os.path.join(HERE, "beach.jpg"))
    jpeg(draw_palm_sunset(), os.path.join(HERE, "Beach.jpg"))
    jpeg(draw_sunset(), os.path.join(HERE, "sunset.jpeg"))
    jpeg(draw_harbour(), os.path.join(HERE, "harbour.jpe"))
    jpeg(draw_meadow(), os.path.join(HERE, "meadow.jfif"))


if __name__ == "__main__":
    main()
