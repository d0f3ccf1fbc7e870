#!/usr/bin/env python3
"""Draws the program icon (PNG at the usual sizes of the hicolor theme) into
resources/icons/app.

The icon is a sheet of warm paper with a rounded edge, an enso (a circle written in one
brush stroke, thick where the brush lands and thinning as it runs dry, left open at the
end) and a small red seal. Each pixel is shaded by how much of it the shapes cover
(4 x 4 samples per pixel at every size). Run it again after changing the drawing; the
PNGs are committed and installed by cmake/TmbInstall.cmake.
"""
import math
import os

from png_file import png_bytes

SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
SAMPLES = 4
OUT = os.path.join(os.path.dirname(__file__), "..", "resources", "icons", "app")

PAPER = (246, 239, 224)
RIM = (196, 182, 156)
INK = (28, 26, 30)
SEAL = (196, 48, 40)

# In units of the icon's side.
SHEET_INSET = 0.06
SHEET_RADIUS = 0.12
RIM_WIDTH = 0.018
CENTRE = (0.48, 0.47)
RING = 0.29
START = math.radians(200)  # where the brush lands (angles grow clockwise on screen)
SWEEP = math.radians(320)  # how far it runs before it lifts
SEAL_BOX = (0.70, 0.72, 0.86, 0.88)
# (fraction of the run where a streak begins, its place across the stroke from -1 to 1).
DRY_STREAKS = [(0.55, -0.4), (0.7, 0.35), (0.84, -0.02)]


def stroke_width(t):
    """Width of the enso at fraction t of its run: heavy at the landing, thin at the end."""
    return 0.13 * (1.0 - 0.72 * t ** 1.3) + 0.015 * math.sin(t * 9.0) * (1.0 - t)


def in_enso(x, y):
    dx, dy = x - CENTRE[0], y - CENTRE[1]
    dist = math.hypot(dx, dy)
    t = ((math.atan2(dy, dx) - START) % (2 * math.pi)) / SWEEP
    if t <= 1.0:
        half = stroke_width(t) / 2
        off = (dist - RING) / half  # -1 to 1 across the stroke
        # Where the ink runs out the bristles part: white streaks, one after another.
        if any(t > t0 and abs(off - k) < 0.13 for t0, k in DRY_STREAKS):
            return False
        return abs(off) <= 1.0
    # Round ends where the brush lands and lifts.
    for end in (0.0, 1.0):
        a = START + end * SWEEP
        ex, ey = CENTRE[0] + RING * math.cos(a), CENTRE[1] + RING * math.sin(a)
        if math.hypot(x - ex, y - ey) <= stroke_width(end) / 2:
            return True
    return False


def in_rounded_box(x, y, x0, y0, x1, y1, r):
    cx, cy = min(max(x, x0 + r), x1 - r), min(max(y, y0 + r), y1 - r)
    return math.hypot(x - cx, y - cy) <= r


def colour_at(x, y):
    """The colour (with alpha) of the drawing at the point (x, y) of the unit square."""
    lo, hi = SHEET_INSET, 1.0 - SHEET_INSET
    if not in_rounded_box(x, y, lo, lo, hi, hi, SHEET_RADIUS):
        return (0, 0, 0, 0)
    if in_enso(x, y):
        return INK + (255,)
    if in_rounded_box(x, y, *SEAL_BOX, 0.015):
        return SEAL + (255,)
    inner = in_rounded_box(x, y, lo + RIM_WIDTH, lo + RIM_WIDTH, hi - RIM_WIDTH, hi - RIM_WIDTH,
                           SHEET_RADIUS - RIM_WIDTH)
    return (PAPER if inner else RIM) + (255,)


def pixel(size, px, py):
    total = [0, 0, 0, 0]
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            r, g, b, a = colour_at((px + (sx + 0.5) / SAMPLES) / size, (py + (sy + 0.5) / SAMPLES) / size)
            total = [total[0] + r * a, total[1] + g * a, total[2] + b * a, total[3] + a]
    if total[3] == 0:
        return (0, 0, 0, 0)
    return tuple(round(c / total[3]) for c in total[:3]) + (round(total[3] / SAMPLES ** 2),)


def main():
    os.makedirs(OUT, exist_ok=True)
    for size in SIZES:
        rows = [[pixel(size, x, y) for x in range(size)] for y in range(size)]
        with open(os.path.join(OUT, "tamberi_%d.png" % size), "wb") as f:
            f.write(png_bytes(rows))


if __name__ == "__main__":
    main()
