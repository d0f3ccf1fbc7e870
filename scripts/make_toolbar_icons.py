#!/usr/bin/env python3
"""Draws the toolbar icons (16 x 16 PNG) into resources/icons/toolbar.

Run it again after changing a drawing; the PNGs are committed and compiled in through
resources/toolbar.qrc.
"""
import os

from png_file import png_bytes

SIZE = 16
OUT = os.path.join(os.path.dirname(__file__), "..", "resources", "icons", "toolbar")

INK = (30, 30, 30, 255)
PAPER = (250, 250, 245, 255)
RED = (200, 40, 40, 255)
BLUE = (40, 90, 190, 255)
GREEN = (40, 140, 70, 255)
YELLOW = (230, 190, 60, 255)
GREY = (140, 140, 140, 255)

GLYPHS = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "?": ["01110", "10001", "00001", "00110", "00100", "00000", "00100"],
}


class Icon:
    def __init__(self):
        self.px = [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]

    def set(self, x, y, c):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.px[y][x] = c

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.set(x, y0, c)
            self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c)
            self.set(x1, y, c)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, c)
            if x0 == x1 and y0 == y1:
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def circle(self, cx, cy, r, c, filled=False):
        for y in range(SIZE):
            for x in range(SIZE):
                d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
                if (filled and d <= r + 0.3) or (not filled and abs(d - r) < 0.6):
                    self.set(x, y, c)

    def glyph(self, ch, x0, y0, c):
        for y, row in enumerate(GLYPHS[ch]):
            for x, bit in enumerate(row):
                if bit == "1":
                    self.set(x0 + x, y0 + y, c)

    def png(self):
        return png_bytes(self.px)


def page(i):
    i.fill(3, 1, 12, 14, PAPER)
    i.frame(3, 1, 12, 14, INK)


def draw_open(i):
    i.fill(1, 4, 14, 13, YELLOW)
    i.frame(1, 4, 14, 13, INK)
    i.fill(1, 2, 6, 4, YELLOW)
    i.frame(1, 2, 6, 4, INK)
    i.line(3, 8, 14, 8, INK)


def draw_save_as(i):
    i.fill(1, 1, 14, 14, BLUE)
    i.frame(1, 1, 14, 14, INK)
    i.fill(4, 2, 11, 6, PAPER)
    i.fill(4, 9, 11, 14, GREY)
    i.line(9, 3, 9, 5, INK)


def draw_print(i):
    i.fill(4, 1, 11, 6, PAPER)
    i.frame(4, 1, 11, 6, INK)
    i.fill(1, 6, 14, 11, GREY)
    i.frame(1, 6, 14, 11, INK)
    i.fill(4, 10, 11, 14, PAPER)
    i.frame(4, 10, 11, 14, INK)
    i.set(12, 8, GREEN)


def draw_preview(i):
    page(i)
    i.circle(8, 7, 3, BLUE)
    i.line(10, 9, 13, 13, INK)
    i.line(11, 9, 14, 13, INK)


def draw_draw_mode(i):
    i.line(3, 13, 12, 2, INK)
    i.line(4, 13, 13, 2, INK)
    i.fill(2, 12, 4, 14, INK)
    i.line(11, 2, 13, 4, RED)


def draw_edit_mode(i):
    i.line(2, 12, 6, 4, GREY)
    i.line(6, 4, 13, 9, GREY)
    for x, y in ((2, 12), (6, 4), (13, 9)):
        i.fill(x - 1, y - 1, x + 1, y + 1, BLUE)


def draw_clear_all(i):
    page(i)
    i.line(4, 3, 11, 12, RED)
    i.line(5, 3, 12, 12, RED)
    i.line(11, 3, 4, 12, RED)
    i.line(12, 3, 5, 12, RED)


def draw_guides(i):
    i.fill(1, 1, 14, 14, PAPER)
    i.frame(1, 1, 14, 14, INK)
    for k in (5, 10):
        for t in range(2, 14, 2):
            i.set(k, t, RED)
            i.set(t, k, RED)


def draw_original_line(i):
    i.line(2, 11, 6, 4, INK)
    i.line(6, 4, 9, 10, INK)
    i.line(9, 10, 13, 3, INK)


def draw_popup_menu(i):
    i.fill(2, 1, 13, 14, PAPER)
    i.frame(2, 1, 13, 14, INK)
    for y in (4, 7, 10):
        i.line(4, y, 11, y, BLUE)


def draw_extra(i):
    i.circle(7, 8, 5, GREEN)
    i.fill(6, 7, 8, 9, GREEN)


def draw_undo(i):
    for x in range(4, 13):
        d = x - 8
        i.set(x, 11 - int((16 - d * d) ** 0.5 * 1.2) if d * d <= 16 else 11, BLUE)
    i.line(4, 11, 4, 7, BLUE)
    i.line(2, 9, 4, 11, BLUE)
    i.line(6, 9, 4, 11, BLUE)


def draw_clipboard(i):
    i.fill(2, 2, 13, 14, YELLOW)
    i.frame(2, 2, 13, 14, INK)
    i.fill(5, 1, 10, 3, GREY)
    i.fill(4, 5, 11, 12, PAPER)


def draw_centre(letter):
    def draw(i):
        i.frame(0, 0, 15, 15, GREY)
        i.frame(3, 3, 12, 12, BLUE)
        i.glyph(letter, 5, 4, INK)
    return draw


def draw_sheet(letter):
    def draw(i):
        i.fill(1, 2, 14, 13, (220, 225, 235, 255))
        i.frame(1, 2, 14, 13, INK)
        i.fill(1, 2, 14, 3, BLUE)
        i.glyph(letter, 5, 5, INK)
    return draw


def draw_help(i):
    i.circle(7, 7, 6, BLUE, filled=True)
    i.glyph("?", 5, 4, PAPER)


ICONS = {
    "open": draw_open, "save_as": draw_save_as, "print": draw_print, "preview": draw_preview,
    "draw_mode": draw_draw_mode, "edit_mode": draw_edit_mode, "clear_all": draw_clear_all,
    "guides": draw_guides, "original_line": draw_original_line, "popup_menu": draw_popup_menu,
    "extra": draw_extra, "undo": draw_undo, "clipboard": draw_clipboard,
    "centre_a": draw_centre("A"), "centre_b": draw_centre("B"),
    "sheet_a": draw_sheet("A"), "sheet_b": draw_sheet("B"), "help": draw_help,
}


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, draw in ICONS.items():
        icon = Icon()
        draw(icon)
        with open(os.path.join(OUT, name + ".png"), "wb") as f:
            f.write(icon.png())
    qrc = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/toolbar">']
    qrc += ['  <file alias="%s.png">icons/toolbar/%s.png</file>' % (n, n) for n in ICONS]
    qrc += ['</qresource>', '</RCC>', '']
    with open(os.path.join(OUT, "..", "..", "toolbar.qrc"), "w") as f:
        f.write("\n".join(qrc))


if __name__ == "__main__":
    main()
