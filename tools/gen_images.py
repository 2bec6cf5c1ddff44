#!/usr/bin/env python3
"""Draws the icons and bitmaps of Trailmark into src/res/images.

Standard library only: BMP and ICO files are written byte by byte. The output
is deterministic, so running the script again without changes leaves the
committed files untouched.

    python3 tools/gen_images.py [output-directory]

Pictures are drawn on 16x16 cells in the 16 colours of the standard Windows
palette (icons are also given a 32x32 image scaled up from the 16x16 one).
Toolbar strips use silver as the transparent colour, the drive strip teal.
Drag cursors are 32x32 in black and white.
"""

import math
import os
import struct
import sys

# The standard 16-colour palette, with a letter per colour for pixel art.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
K, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, MAGENTA, CYAN, WHITE = range(8, 16)
LETTERS = {
    'K': K, 'r': MAROON, 'g': GREEN, 'o': OLIVE, 'n': NAVY, 'p': PURPLE,
    't': TEAL, 's': SILVER, 'd': GREY, 'R': RED, 'G': LIME, 'Y': YELLOW,
    'B': BLUE, 'M': MAGENTA, 'C': CYAN, 'W': WHITE,
}
CLEAR = None  # transparent pixel


# --------------------------------------------------------------------------
# Canvas with palette indices

class Canvas:
    def __init__(self, w=16, h=16):
        self.w, self.h = w, h
        self.px = [[CLEAR] * w for _ in range(h)]

    def set(self, x, y, c):
        x, y = int(x), int(y)
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def rect(self, x0, y0, x1, y1, c):
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

    def box(self, x0, y0, x1, y1, fill, edge=K):
        self.rect(x0, y0, x1, y1, fill)
        self.frame(x0, y0, x1, y1, edge)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        while True:
            self.set(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def poly(self, pts, fill, edge=None):
        """Fills the polygon through pixel centres; the edge is drawn on top."""
        n = len(pts)
        for y in range(self.h):
            yc = y + 0.5
            xs = []
            for i in range(n):
                (xa, ya), (xb, yb) = pts[i], pts[(i + 1) % n]
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for i in range(0, len(xs) - 1, 2):
                for x in range(self.w):
                    if xs[i] <= x + 0.5 <= xs[i + 1]:
                        self.set(x, y, fill)
        if edge is not None:
            for i in range(n):
                (xa, ya), (xb, yb) = pts[i], pts[(i + 1) % n]
                self.line(int(round(xa)), int(round(ya)),
                          int(round(xb)), int(round(yb)), edge)

    def disc(self, cx, cy, r, fill, edge=None):
        for y in range(self.h):
            for x in range(self.w):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if d <= r:
                    inner = edge is not None and d > r - 1.0
                    self.set(x, y, edge if inner else fill)

    def art(self, x0, y0, rows):
        """Pixel art: one letter of LETTERS per pixel, anything else clear."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch in LETTERS:
                    self.set(x0 + dx, y0 + dy, LETTERS[ch])

    def paste(self, other, dx=0, dy=0):
        for y in range(other.h):
            for x in range(other.w):
                c = other.px[y][x]
                if c is not CLEAR:
                    self.set(x + dx, y + dy, c)

    def scaled(self, f):
        out = Canvas(self.w * f, self.h * f)
        for y in range(out.h):
            for x in range(out.w):
                out.px[y][x] = self.px[y // f][x // f]
        return out


# --------------------------------------------------------------------------
# Picture elements

def folder(cv, x=0, y=0, fill=YELLOW, edge=OLIVE):
    cv.box(x + 1, y + 2, x + 6, y + 5, fill, edge)
    cv.box(x + 1, y + 4, x + 14, y + 13, fill, edge)
    cv.rect(x + 2, y + 5, x + 13, y + 5, WHITE)


def open_folder(cv, x=0, y=0, fill=YELLOW, edge=OLIVE):
    cv.box(x + 1, y + 2, x + 6, y + 5, fill, edge)
    cv.box(x + 1, y + 4, x + 13, y + 13, OLIVE, edge)
    cv.poly([(x + 1, y + 13.5), (x + 4, y + 7.5), (x + 15.5, y + 7.5),
             (x + 12.5, y + 13.5)], fill, edge)


def page(cv, x0, y0, x1, y1, lines=True):
    cv.box(x0, y0, x1, y1, WHITE, K)
    cv.rect(x1 - 2, y0, x1, y0 + 2, CLEAR)
    cv.line(x1 - 3, y0, x1, y0 + 3, K)
    cv.line(x1 - 3, y0, x1 - 3, y0 + 3, K)
    cv.line(x1 - 3, y0 + 3, x1, y0 + 3, K)
    if lines:
        for yy in range(y0 + 3, y1 - 1, 2):
            cv.line(x0 + 2, yy, x1 - 3 if yy < y0 + 4 else x1 - 2, yy, GREY)


def window(cv, x0, y0, x1, y1, title=NAVY):
    cv.box(x0, y0, x1, y1, WHITE, K)
    cv.rect(x0 + 1, y0 + 1, x1 - 1, y0 + 2, title)


def arrow_left(cv, fill=LIME, edge=GREEN):
    cv.poly([(1, 8), (7.5, 1.5), (7.5, 5), (14.5, 5), (14.5, 11), (7.5, 11),
             (7.5, 14.5)], fill, edge)


def arrow_right(cv, fill=LIME, edge=GREEN):
    cv.poly([(15, 8), (8.5, 1.5), (8.5, 5), (1.5, 5), (1.5, 11), (8.5, 11),
             (8.5, 14.5)], fill, edge)


def small_arrow(cv, x, y, direction, fill=LIME, edge=GREEN):
    """A 7x7 arrow with its top left corner at x, y."""
    shapes = {
        'right': [(0, 2), (3, 2), (3, 0), (6.5, 3.5), (3, 7), (3, 5), (0, 5)],
        'left': [(7, 2), (4, 2), (4, 0), (0.5, 3.5), (4, 7), (4, 5), (7, 5)],
        'up': [(2, 7), (2, 4), (0, 4), (3.5, 0.5), (7, 4), (5, 4), (5, 7)],
    }
    cv.poly([(x + a, y + b) for a, b in shapes[direction]], fill, edge)


def badge_plus(cv):
    cv.rect(9, 11, 15, 13, K)
    cv.rect(11, 9, 13, 15, K)
    cv.rect(10, 12, 14, 12, LIME)
    cv.rect(12, 10, 12, 14, LIME)


def badge_cross(cv):
    for i in range(6):
        cv.set(9 + i, 9 + i, RED)
        cv.set(10 + i, 9 + i, RED)
        cv.set(14 - i, 9 + i, RED)
        cv.set(15 - i, 9 + i, RED)


def badge_check(cv, x=8, y=8):
    cv.art(x, y, [
        "......G",
        ".....GG",
        "G...GG.",
        "GG.GG..",
        ".GGG...",
        "..G....",
    ])


def magnifier(cv, cx=6, cy=6, r=4.5):
    cv.disc(cx, cy, r, CYAN, K)
    cv.set(cx - 2, cy - 2, WHITE)
    cv.set(cx - 1, cy - 2, WHITE)
    cv.set(cx - 2, cy - 1, WHITE)
    for i in range(5):
        cv.set(cx + 3 + i, cy + 3 + i, K)
        cv.set(cx + 4 + i, cy + 3 + i, K)
        cv.set(cx + 3 + i, cy + 4 + i, K)


def star(cv, cx, cy, r, fill=YELLOW, edge=OLIVE):
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        rr = r if i % 2 == 0 else r * 0.45
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    cv.poly(pts, fill, edge)


def ribbon(cv, x0=4, x1=11, y0=1, y1=14, fill=RED, edge=MAROON):
    mid = (x0 + x1 + 1) / 2.0
    cv.poly([(x0, y0), (x1 + 1, y0), (x1 + 1, y1 + 1), (mid, y1 - 3),
             (x0, y1 + 1)], fill, edge)


def person(cv, x, y, shirt=BLUE):
    cv.disc(x + 3.5, y + 2.5, 2.4, YELLOW, OLIVE)
    cv.poly([(x, y + 10), (x, y + 7), (x + 2, y + 5), (x + 5, y + 5),
             (x + 7, y + 7), (x + 7, y + 10)], shirt, K)


def hammer(cv):
    cv.box(2, 2, 10, 5, GREY, K)
    cv.rect(3, 3, 9, 3, WHITE)
    cv.box(5, 6, 7, 14, OLIVE, K)


def gear(cv, cx=7.5, cy=7.5):
    for i in range(8):
        a = i * math.pi / 4
        tx, ty = cx + 5.5 * math.cos(a), cy + 5.5 * math.sin(a)
        cv.rect(int(tx) - 1, int(ty) - 1, int(tx), int(ty), K)
    cv.disc(cx, cy, 5, GREY, K)
    cv.disc(cx, cy, 2, WHITE, K)


def funnel(cv, fill=CYAN):
    cv.poly([(1, 2), (15, 2), (9.5, 8), (9.5, 14.5), (6.5, 12.5), (6.5, 8)],
            fill, K)
    cv.rect(3, 3, 12, 3, WHITE)


def trash(cv):
    cv.box(2, 2, 13, 4, GREY, K)
    cv.rect(6, 1, 9, 1, K)
    cv.poly([(3, 5), (13, 5), (12, 15), (4, 15)], WHITE, K)
    for x in (6, 8, 10):
        cv.line(x, 7, x, 13, GREY)


def clipboard(cv):
    cv.box(2, 2, 12, 15, OLIVE, K)
    cv.box(5, 1, 9, 3, GREY, K)


def refresh_arrows(cv, color=GREEN):
    cv.art(0, 0, [
        "................",
        "......gggg......",
        "....gg....gg.g..",
        "...g........gg..",
        "..g........ggg..",
        "..g.............",
        ".g..............",
        ".g..............",
        "..............g.",
        "..............g.",
        ".............g..",
        "..ggg........g..",
        "..gg........g...",
        "..g.gg....gg....",
        "......gggg......",
        "................",
    ])
    if color != GREEN:
        for y in range(16):
            for x in range(16):
                if cv.get(x, y) == GREEN:
                    cv.set(x, y, color)


def list_lines(cv, x0, y0, x1, y1, rows=4, color=NAVY):
    for i in range(rows):
        y = y0 + i * 3
        if y > y1:
            break
        cv.rect(x0, y, x0 + 1, y + 1, color)
        cv.line(x0 + 3, y, x1, y, K)


def floppy(cv):
    cv.box(2, 1, 13, 14, NAVY, K)
    cv.rect(5, 2, 10, 5, WHITE)
    cv.rect(8, 3, 9, 4, NAVY)
    cv.box(4, 8, 11, 14, WHITE, K)


def hard_disk(cv, y=5, body=SILVER):
    cv.box(1, y, 14, y + 6, body, K)
    cv.line(2, y + 1, 13, y + 1, WHITE)
    cv.line(2, y + 5, 13, y + 5, GREY)
    cv.set(12, y + 3, LIME)
    cv.set(11, y + 3, GREEN)


def cd_disc(cv):
    cv.disc(7.5, 7.5, 6.8, SILVER, K)
    cv.disc(7.5, 7.5, 5, WHITE)
    cv.disc(7.5, 7.5, 3.5, CYAN)
    cv.disc(7.5, 7.5, 2.2, SILVER, GREY)
    cv.disc(7.5, 7.5, 1.2, CLEAR)


def chip(cv):
    for x in range(3, 13, 2):
        cv.line(x, 3, x, 12, GREY)
    cv.box(2, 5, 13, 10, K, K)
    cv.rect(4, 7, 5, 8, GREY)


def small_text(cv, x, y, text, color=K):
    """3x5 letters for the few labels drawn inside pictures."""
    glyphs = {
        'A': [".#.", "#.#", "###", "#.#", "#.#"],
        'Z': ["###", "..#", ".#.", "#..", "###"],
        'C': [".##", "#..", "#..", "#..", ".##"],
        ':': ["...", ".#.", "...", ".#.", "..."],
        '\\': ["#..", "#..", ".#.", "..#", "..#"],
        '>': ["#..", ".#.", "..#", ".#.", "#.."],
        'a': ["...", ".##", "#.#", "#.#", ".##"],
        'b': ["#..", "##.", "#.#", "#.#", "##."],
        '?': ["##.", "..#", ".#.", "...", ".#."],
        'i': [".#.", "...", ".#.", ".#.", ".#."],
    }
    for ch in text:
        for dy, row in enumerate(glyphs[ch]):
            for dx, bit in enumerate(row):
                if bit == '#':
                    cv.set(x + dx, y + dy, color)
        x += 4


# --------------------------------------------------------------------------
# Pictures, each a 16x16 canvas with a clear background

def pic(fn):
    def make():
        cv = Canvas()
        fn(cv)
        return cv
    make.__name__ = fn.__name__
    return make


@pic
def p_back(cv):
    arrow_left(cv)


@pic
def p_forward(cv):
    arrow_right(cv)


@pic
def p_up(cv):
    folder(cv, 0, 2)
    small_arrow(cv, 8, 0, 'up', K, K)


@pic
def p_recycle(cv):
    trash(cv)
    cv.art(5, 8, ["..G..", ".G.G.", "G...G", ".GGG."])


@pic
def p_cut(cv):
    cv.art(0, 0, [
        "................",
        "....K.....K.....",
        "....K.....K.....",
        ".....K...K......",
        ".....K...K......",
        "......K.K.......",
        "......K.K.......",
        ".......K........",
        "......K.K.......",
        "....nnn.nnn.....",
        "...n..n.n..n....",
        "...n..n.n..n....",
        "...n..n.n..n....",
        "....nn...nn.....",
    ])


@pic
def p_copy(cv):
    page(cv, 1, 1, 9, 11)
    page(cv, 6, 4, 14, 14)


@pic
def p_paste(cv):
    clipboard(cv)
    page(cv, 7, 6, 14, 15)


@pic
def p_run(cv):
    window(cv, 1, 2, 14, 13)
    cv.poly([(5, 5.5), (5, 11.5), (10.5, 8.5)], LIME, GREEN)


@pic
def p_find(cv):
    magnifier(cv)


@pic
def p_blank(cv):
    pass


@pic
def p_sort(cv):
    small_text(cv, 2, 1, "A", NAVY)
    small_text(cv, 2, 9, "Z", NAVY)
    cv.line(11, 1, 11, 12, K)
    cv.poly([(8, 10), (15, 10), (11.5, 14.5)], K)


@pic
def p_views(cv):
    for x, y in ((1, 1), (9, 1), (1, 9), (9, 9)):
        cv.box(x, y, x + 5, y + 5, CYAN, NAVY)


@pic
def p_filter(cv):
    funnel(cv)


@pic
def p_remove_filter(cv):
    funnel(cv)
    badge_cross(cv)


@pic
def p_select_filter(cv):
    funnel(cv)
    badge_check(cv, 9, 9)


@pic
def p_select_all(cv):
    cv.box(1, 1, 14, 14, WHITE, K)
    for y in (2, 6, 10):
        cv.rect(3, y, 12, y + 2, NAVY)


@pic
def p_invert(cv):
    cv.box(1, 1, 14, 14, WHITE, K)
    for y in (2, 6, 10):
        cv.rect(3, y, 7, y + 2, NAVY)
        cv.frame(7, y, 12, y + 2, NAVY)


@pic
def p_bookmark_create(cv):
    ribbon(cv, 2, 8, 1, 13)
    badge_plus(cv)


@pic
def p_bookmark_restore(cv):
    ribbon(cv, 2, 8, 1, 13)
    small_arrow(cv, 9, 8, 'left')


@pic
def p_bookmark_list(cv):
    page(cv, 1, 1, 12, 14)
    ribbon(cv, 8, 13, 0, 9)


@pic
def p_explorer_bar(cv):
    window(cv, 0, 1, 15, 14)
    cv.rect(1, 3, 5, 13, CYAN)
    cv.line(6, 3, 6, 13, K)
    for y in (5, 8, 11):
        cv.set(2, y, K)
        cv.line(3, y, 4, y, NAVY)


@pic
def p_open(cv):
    open_folder(cv, 0, 1)


@pic
def p_personal(cv):
    folder(cv, 0, 1)
    star(cv, 8, 9.5, 4.5, RED, MAROON)


@pic
def p_bookmarks(cv):
    ribbon(cv, 1, 6, 1, 13)
    ribbon(cv, 9, 14, 1, 13, BLUE, NAVY)


@pic
def p_cascade(cv):
    window(cv, 0, 0, 9, 7)
    window(cv, 3, 4, 12, 11)
    window(cv, 6, 8, 15, 15)


@pic
def p_tile_horz(cv):
    window(cv, 1, 1, 14, 7)
    window(cv, 1, 8, 14, 14)


@pic
def p_tile_vert(cv):
    window(cv, 1, 1, 7, 14)
    window(cv, 8, 1, 14, 14)


@pic
def p_arrange(cv):
    cv.box(0, 1, 15, 14, WHITE, K)
    for x in (2, 7, 12):
        cv.box(x, 10, x + 2, 12, BLUE, NAVY)


@pic
def p_minimize_all(cv):
    window(cv, 1, 1, 10, 8)
    window(cv, 5, 4, 14, 11)
    cv.rect(3, 13, 12, 14, K)


@pic
def p_sync(cv):
    cv.box(1, 1, 4, 4, YELLOW, OLIVE)
    cv.line(2, 5, 2, 12, GREY)
    cv.line(3, 8, 5, 8, GREY)
    cv.line(3, 12, 5, 12, GREY)
    cv.box(6, 7, 8, 9, YELLOW, OLIVE)
    cv.box(6, 11, 8, 13, YELLOW, OLIVE)
    small_arrow(cv, 9, 1, 'right')
    small_arrow(cv, 9, 8, 'left')


@pic
def p_refresh(cv):
    refresh_arrows(cv)


@pic
def p_close(cv):
    window(cv, 0, 0, 12, 11)
    badge_cross(cv)


@pic
def p_close_all(cv):
    window(cv, 0, 0, 10, 8)
    window(cv, 3, 3, 13, 11)
    badge_cross(cv)


@pic
def p_window_list(cv):
    window(cv, 0, 0, 15, 15)
    list_lines(cv, 2, 5, 13, 14)


@pic
def p_tools(cv):
    hammer(cv)


@pic
def p_add_tool(cv):
    hammer(cv)
    badge_plus(cv)


@pic
def p_favorites(cv):
    star(cv, 7.5, 8, 7.5)


@pic
def p_add_favorite(cv):
    star(cv, 6.5, 7, 6.5)
    badge_plus(cv)


@pic
def p_criteria(cv):
    page(cv, 1, 0, 11, 13)
    magnifier(cv, 9, 9, 3.5)


@pic
def p_add_criteria(cv):
    page(cv, 1, 0, 11, 13, lines=False)
    magnifier(cv, 6, 6, 3.5)
    badge_plus(cv)


@pic
def p_reports(cv):
    page(cv, 2, 0, 13, 15, lines=False)
    cv.rect(4, 9, 5, 13, BLUE)
    cv.rect(7, 6, 8, 13, RED)
    cv.rect(10, 4, 11, 13, GREEN)


@pic
def p_add_report(cv):
    page(cv, 1, 0, 11, 13, lines=False)
    cv.rect(3, 8, 4, 11, BLUE)
    cv.rect(6, 5, 7, 11, RED)
    badge_plus(cv)


@pic
def p_rules(cv):
    gear(cv)


@pic
def p_add_rule(cv):
    gear(cv, 6.5, 6.5)
    badge_plus(cv)


@pic
def p_users(cv):
    person(cv, 0, 1, GREEN)
    person(cv, 6, 4, BLUE)


@pic
def p_add_user(cv):
    person(cv, 1, 1)
    badge_plus(cv)


@pic
def p_options(cv):
    window(cv, 0, 0, 15, 15)
    for y in (5, 10):
        cv.box(2, y, 5, y + 3, WHITE, K)
        cv.line(7, y + 2, 13, y + 2, GREY)
    badge_check(cv, 1, 3)


@pic
def p_personal_new(cv):
    folder(cv, 0, 0)
    star(cv, 5.5, 8.5, 3.5, RED, MAROON)
    badge_plus(cv)


@pic
def p_personal_open(cv):
    open_folder(cv, 0, 1)
    star(cv, 8.5, 10, 3.5, RED, MAROON)


@pic
def p_personal_update(cv):
    folder(cv, 0, 0)
    star(cv, 5.5, 8.5, 3.5, RED, MAROON)
    small_arrow(cv, 9, 9, 'up', LIME, GREEN)


@pic
def p_personal_clear(cv):
    folder(cv, 0, 0)
    star(cv, 5.5, 8.5, 3.5, RED, MAROON)
    badge_cross(cv)


@pic
def p_personal_remove(cv):
    trash(cv)
    star(cv, 8, 10, 3.5, RED, MAROON)


@pic
def p_personal_update_all(cv):
    folder(cv, 0, -1)
    folder(cv, 3, 2)
    small_arrow(cv, 9, 9, 'up', LIME, GREEN)


@pic
def p_properties(cv):
    window(cv, 1, 1, 14, 14)
    for y in (6, 10):
        cv.line(3, y, 12, y, GREY)
        cv.box(5 + (y - 6), y - 1, 7 + (y - 6), y + 1, GREY, K)


@pic
def p_rename(cv):
    cv.box(0, 4, 15, 12, WHITE, K)
    small_text(cv, 2, 6, "ab", K)
    cv.line(11, 3, 11, 13, K)
    cv.line(10, 3, 12, 3, K)
    cv.line(10, 13, 12, 13, K)


@pic
def p_delete(cv):
    for i in range(12):
        cv.set(2 + i, 2 + i, RED)
        cv.set(3 + i, 2 + i, RED)
        cv.set(13 - i, 2 + i, RED)
        cv.set(12 - i, 2 + i, RED)


@pic
def p_new_folder(cv):
    folder(cv, 0, 1)
    star(cv, 12, 4, 3.5)


@pic
def p_shortcut(cv):
    cv.box(1, 6, 9, 14, WHITE, K)
    cv.art(2, 7, [
        ".....KK",
        "......K",
        "..K...K",
        "..KK.K.",
        "..KKK..",
        "..KKKK.",
    ])
    page(cv, 6, 0, 14, 10, lines=False)


@pic
def p_open_with(cv):
    window(cv, 0, 0, 12, 11)
    small_arrow(cv, 9, 9, 'right', BLUE, NAVY)


@pic
def p_move_to(cv):
    folder(cv, 0, 0)
    small_arrow(cv, 9, 9, 'right', RED, MAROON)


@pic
def p_copy_to(cv):
    page(cv, 0, 0, 7, 9)
    page(cv, 3, 3, 10, 12)
    small_arrow(cv, 9, 9, 'right', LIME, GREEN)


@pic
def p_command_prompt(cv):
    cv.box(0, 2, 15, 13, K, GREY)
    small_text(cv, 2, 5, "C:\\", WHITE)


@pic
def p_copy_path(cv):
    clipboard(cv)
    cv.box(5, 6, 14, 13, WHITE, K)
    small_text(cv, 6, 7, "C:", K)


@pic
def p_map_drive(cv):
    hard_disk(cv, 2, WHITE)
    cv.line(7, 9, 7, 12, K)
    cv.rect(2, 13, 13, 13, K)
    badge_plus(cv)


@pic
def p_disconnect(cv):
    hard_disk(cv, 2, WHITE)
    cv.line(7, 9, 7, 12, K)
    cv.rect(2, 13, 13, 13, K)
    badge_cross(cv)


@pic
def p_erase(cv):
    floppy(cv)
    badge_cross(cv)


@pic
def p_disk_copy(cv):
    d = Canvas()
    floppy(d)
    cv.paste(d, -2, -1)
    cv.paste(d, 3, 1)


@pic
def p_label(cv):
    floppy(cv)
    cv.poly([(7, 9), (12, 9), (15, 12), (12, 15), (7, 15)], YELLOW, OLIVE)


@pic
def p_format(cv):
    floppy(cv)
    cv.poly([(11, 6), (15, 6), (13, 10), (15, 10), (9, 16), (11, 11), (9, 11)],
            YELLOW, OLIVE)


@pic
def p_programs(cv):
    cv.poly([(1, 5), (8, 2), (15, 5), (8, 8)], YELLOW, OLIVE)
    cv.poly([(1, 5), (8, 8), (8, 15), (1, 12)], OLIVE, K)
    cv.poly([(8, 8), (15, 5), (15, 12), (8, 15)], YELLOW, K)


@pic
def p_rescue(cv):
    floppy(cv)
    cv.rect(7, 9, 8, 13, RED)
    cv.rect(5, 10, 10, 11, RED)


@pic
def p_large_icons(cv):
    cv.box(1, 1, 6, 6, CYAN, NAVY)
    cv.box(9, 1, 14, 6, CYAN, NAVY)
    cv.line(1, 8, 6, 8, K)
    cv.line(9, 8, 14, 8, K)
    cv.box(1, 10, 6, 13, CYAN, NAVY)
    cv.box(9, 10, 14, 13, CYAN, NAVY)


@pic
def p_small_icons(cv):
    for y in (2, 7, 12):
        for x in (1, 9):
            cv.rect(x, y, x + 1, y + 1, NAVY)
            cv.line(x + 3, y + 1, x + 5, y + 1, K)


@pic
def p_list(cv):
    for x in (1, 9):
        list_lines(cv, x, 2, x + 5, 14)


@pic
def p_details(cv):
    cv.rect(1, 1, 14, 2, GREY)
    for y in (4, 7, 10, 13):
        cv.rect(1, y, 2, y + 1, NAVY)
        cv.line(4, y, 7, y, K)
        cv.line(9, y, 14, y, GREY)


@pic
def p_tip(cv):
    cv.disc(7.5, 6, 5, YELLOW, OLIVE)
    cv.set(5, 4, WHITE)
    cv.set(6, 3, WHITE)
    cv.box(5, 11, 10, 14, GREY, K)
    cv.line(6, 12, 9, 12, WHITE)


@pic
def p_about(cv):
    cv.disc(7.5, 7.5, 6.8, BLUE, NAVY)
    cv.rect(7, 3, 8, 4, WHITE)
    cv.rect(7, 6, 8, 12, WHITE)
    cv.rect(6, 6, 6, 6, WHITE)
    cv.rect(6, 12, 9, 12, WHITE)


@pic
def p_help(cv):
    cv.disc(7.5, 7.5, 6.8, YELLOW, OLIVE)
    cv.art(4, 2, [
        ".KKKK.",
        "KK..KK",
        "....KK",
        "...KK.",
        "..KK..",
        "..KK..",
        "......",
        "..KK..",
        "..KK..",
    ])


# Drives, in the order of their image numbers.

@pic
def p_drive_floppy(cv):
    floppy(cv)


@pic
def p_drive_fixed(cv):
    hard_disk(cv)


@pic
def p_drive_cdrom(cv):
    cd_disc(cv)


@pic
def p_drive_ram(cv):
    chip(cv)


@pic
def p_drive_remote(cv):
    hard_disk(cv, 2)
    cv.line(7, 9, 7, 12, K)
    cv.rect(1, 13, 14, 14, GREEN)


@pic
def p_drive_removable(cv):
    hard_disk(cv)
    cv.rect(3, 8, 9, 8, K)


# Single images

@pic
def p_item_enabled(cv):
    badge_check(cv, 4, 5)
    badge_check(cv, 5, 5)


@pic
def p_item_disabled(cv):
    for i in range(9):
        for dx in (0, 1):
            cv.set(3 + i + dx, 3 + i, RED)
            cv.set(12 - i + dx, 3 + i, RED)


@pic
def p_internet(cv):
    cv.disc(7.5, 7.5, 6.8, BLUE, NAVY)
    cv.art(2, 2, [
        "..GGG.......",
        ".GGGGG..GG..",
        "GGGGG...GGG.",
        ".GGG.....GG.",
        "..GG......G.",
        "...GG.......",
        "...GGG..GG..",
        "....GG.GGGG.",
        ".......GGG..",
        "........G...",
    ])


@pic
def p_move_up(cv):
    cv.poly([(3, 11), (8, 5), (13, 11)], K)


@pic
def p_move_down(cv):
    cv.poly([(3, 5), (8, 11), (13, 5)], K)


# Icons

@pic
def i_trailmark(cv):
    folder(cv, 0, 2)
    ribbon(cv, 9, 13, 0, 10)


@pic
def i_personal(cv):
    folder(cv, 0, 1)
    star(cv, 8, 9.5, 4.5, RED, MAROON)


@pic
def i_personal_alt(cv):
    folder(cv, 0, 1, CYAN, TEAL)
    star(cv, 8, 9.5, 4.5, RED, MAROON)


@pic
def i_search(cv):
    page(cv, 1, 0, 11, 13)
    magnifier(cv, 9, 9, 3.5)


@pic
def i_rule(cv):
    page(cv, 0, 0, 10, 13)
    gear(cv, 10.5, 10.5)


@pic
def i_link_overlay(cv):
    cv.box(0, 8, 7, 15, WHITE, K)
    cv.art(1, 9, [
        "...KKK",
        ".....K",
        ".K..K.",
        ".KKK..",
        ".KKK..",
        ".KKKK.",
    ])


@pic
def i_share_overlay(cv):
    cv.art(0, 9, [
        "......WWW.......",
        "....WWoooW......",
        "..WWoooYYoWWWW..",
        "WWooYYYYYYooooW.",
        "WoYYYYYYYYYYYYoW",
        "WoooooooooooooW.",
        ".WWWWWWWWWWWWW..",
    ])


@pic
def i_up(cv):
    folder(cv, 0, 2)
    cv.art(4, 5, [
        "..KK...",
        ".KKKK..",
        "KKKKKK.",
        "..KK...",
        "..KK...",
        "..KKKKK",
        "..KKKKK",
    ])


@pic
def i_stop(cv):
    cv.poly([(5, 0.5), (11, 0.5), (15.5, 5), (15.5, 11), (11, 15.5), (5, 15.5),
             (0.5, 11), (0.5, 5)], RED, MAROON)
    cv.rect(3, 7, 12, 8, WHITE)


# --------------------------------------------------------------------------
# File writers

def _rows_4bpp(cv, background):
    row_bytes = ((cv.w * 4 + 31) // 32) * 4
    out = bytearray()
    for y in range(cv.h - 1, -1, -1):
        row = bytearray(row_bytes)
        for x in range(cv.w):
            c = cv.px[y][x]
            if c is CLEAR:
                c = background
            if x % 2 == 0:
                row[x // 2] |= c << 4
            else:
                row[x // 2] |= c
        out += row
    return out


def _palette_bytes(colours):
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in colours)


def _info_header(w, h, bpp, image_size, colours):
    return struct.pack('<IiiHHIIiiII', 40, w, h, 1, bpp, 0, image_size,
                       2835, 2835, colours, 0)


def write_bmp4(path, cv, background):
    bits = _rows_4bpp(cv, background)
    pal = _palette_bytes(PALETTE)
    offset = 14 + 40 + len(pal)
    data = _info_header(cv.w, cv.h, 4, len(bits), 16) + pal + bits
    with open(path, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', 14 + len(data), 0, 0, offset))
        f.write(data)


def write_bmp8(path, rgb_rows):
    """rgb_rows: rows top to bottom of (r, g, b); at most 256 colours."""
    h, w = len(rgb_rows), len(rgb_rows[0])
    colours = sorted({c for row in rgb_rows for c in row})
    if len(colours) > 256:
        raise ValueError('%s: %d colours' % (path, len(colours)))
    index = {c: i for i, c in enumerate(colours)}
    row_bytes = ((w * 8 + 31) // 32) * 4
    bits = bytearray()
    for row in reversed(rgb_rows):
        line = bytearray(index[c] for c in row)
        bits += line + bytes(row_bytes - w)
    pal = _palette_bytes(colours)
    offset = 14 + 40 + len(pal)
    data = _info_header(w, h, 8, len(bits), len(colours)) + pal + bits
    with open(path, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', 14 + len(data), 0, 0, offset))
        f.write(data)


def _icon_image(cv):
    xor = _rows_4bpp(cv, K)
    mask_row = ((cv.w + 31) // 32) * 4
    mask = bytearray()
    for y in range(cv.h - 1, -1, -1):
        row = bytearray(mask_row)
        for x in range(cv.w):
            if cv.px[y][x] is CLEAR:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    pal = _palette_bytes(PALETTE)
    header = _info_header(cv.w, cv.h * 2, 4, len(xor) + len(mask), 0)
    return header + pal + xor + mask


def write_ico(path, canvases):
    images = [_icon_image(cv) for cv in canvases]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for cv, img in zip(canvases, images):
        out += struct.pack('<BBBBHHII', cv.w % 256, cv.h % 256, 16, 0, 1, 4,
                           len(img), offset)
        offset += len(img)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


def strip(pictures):
    cv = Canvas(16 * len(pictures), 16)
    for i, make in enumerate(pictures):
        cv.paste(make(), 16 * i, 0)
    return cv


# --------------------------------------------------------------------------
# Splash bitmap

FONT = {
    'T': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    'V': ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    'N': ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    'S': [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    'I': [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    'L': ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    'r': [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    'a': [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    'i': ["..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."],
    'l': [".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    'm': [".....", ".....", "##.#.", "#.#.#", "#.#.#", "#...#", "#...#"],
    'k': ["#....", "#....", "#..#.", "#.#..", "##...", "#.#..", "#..#."],
    'e': [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    's': [".....", ".....", ".####", "#....", ".###.", "....#", "####."],
    'o': [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    'n': [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    'v': [".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    'f': ["..##.", ".#..#", ".#...", "###..", ".#...", ".#...", ".#..."],
    'w': [".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."],
    'c': [".....", ".....", ".###.", "#....", "#....", "#...#", ".###."],
    't': [".#...", ".#...", "###..", ".#...", ".#...", ".#..#", "..##."],
    'd': ["....#", "....#", ".##.#", "#..##", "#...#", "#...#", ".####"],
    'g': [".....", ".....", ".####", "#...#", ".####", "....#", ".###."],
    '1': ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    '0': [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    '.': [".....", ".....", ".....", ".....", ".....", ".##..", ".##.."],
    ',': [".....", ".....", ".....", ".....", ".##..", "..#..", ".#..."],
    ' ': [".....", ".....", ".....", ".....", ".....", ".....", "....."],
}


def text_width(text, scale):
    return len(text) * 6 * scale - scale


def draw_text(rows, x, y, text, scale, colour):
    for ch in text:
        for dy, line in enumerate(FONT[ch]):
            for dx, bit in enumerate(line):
                if bit == '#':
                    for sy in range(scale):
                        for sx in range(scale):
                            rows[y + dy * scale + sy][x + dx * scale + sx] = colour
        x += 6 * scale


def splash():
    w, h = 400, 240
    top, bottom = (0, 0, 96), (0, 128, 128)
    rows = []
    for y in range(h):
        t = (y * 48 // h) / 47.0
        c = tuple(int(a + (b - a) * t) for a, b in zip(top, bottom))
        rows.append([c] * w)
    for x in range(w):
        rows[0][x] = rows[h - 1][x] = (255, 255, 255)
    for y in range(h):
        rows[y][0] = rows[y][w - 1] = (255, 255, 255)
    logo = i_trailmark().scaled(6)
    ox, oy = 24, 40
    for y in range(logo.h):
        for x in range(logo.w):
            c = logo.px[y][x]
            if c is not CLEAR:
                rows[oy + y][ox + x] = PALETTE[c]
    shadow, white = (0, 0, 48), (255, 255, 255)
    draw_text(rows, 144 + 3, 60 + 3, "Trailmark", 4, shadow)
    draw_text(rows, 144, 60, "Trailmark", 4, white)
    draw_text(rows, 146, 104, "Version 1.0.0.0", 2, (255, 255, 0))
    company = "Norvane Software, Inc."
    draw_text(rows, w - 16 - text_width(company, 2), h - 30, company, 2, white)
    return rows


# --------------------------------------------------------------------------

TOOLBARS = {
    # One picture per button of the layout in trailmark.rc, separators left out.
    'toolbar_main.bmp': [p_back, p_forward, p_up, p_recycle, p_cut, p_copy,
                         p_paste, p_run, p_find, p_blank, p_sort, p_views],
    'toolbar_edit.bmp': [p_filter, p_remove_filter, p_select_filter,
                         p_select_all, p_invert, p_bookmark_create,
                         p_bookmark_restore, p_bookmark_list],
    'toolbar_explorer.bmp': [p_explorer_bar, p_open, p_personal, p_bookmarks],
    'toolbar_windows.bmp': [p_cascade, p_tile_horz, p_tile_vert, p_arrange,
                            p_minimize_all, p_sync, p_refresh, p_close,
                            p_close_all, p_window_list],
    'toolbar_tools.bmp': [p_add_tool, p_add_favorite, p_add_criteria,
                          p_add_report, p_add_rule, p_add_user, p_tools,
                          p_favorites, p_criteria, p_reports, p_rules,
                          p_users, p_options],
    'toolbar_personal.bmp': [p_personal_new, p_personal_open,
                             p_personal_update, p_personal_clear,
                             p_personal_remove, p_personal_update_all],
    'menu_file.bmp': [p_properties, p_rename, p_delete, p_new_folder,
                      p_shortcut, p_open_with, p_move_to, p_copy_to,
                      p_command_prompt, p_copy_path],
    'menu_disk.bmp': [p_map_drive, p_disconnect, p_recycle, p_erase,
                      p_disk_copy, p_label, p_format, p_programs, p_rescue],
    'menu_view.bmp': [p_large_icons, p_small_icons, p_list, p_details,
                      p_refresh, p_tip, p_about, p_help],
}

SINGLE_BITMAPS = {
    'item_enabled.bmp': p_item_enabled,
    'item_disabled.bmp': p_item_disabled,
    'internet.bmp': p_internet,
    'move_up.bmp': p_move_up,
    'move_down.bmp': p_move_down,
}

ICONS = {
    'trailmark.ico': i_trailmark,
    'personal_window.ico': i_personal,
    'personal_window_alt.ico': i_personal_alt,
    'search_window.ico': i_search,
    'report_window.ico': p_reports,
    'rule_window.ico': i_rule,
    'link_overlay_small.ico': i_link_overlay,
    'link_overlay_large.ico': i_link_overlay,
    'share_overlay.ico': i_share_overlay,
    'up_small.ico': i_up,
    'up_large.ico': i_up,
    'stop.ico': i_stop,
}


# --------------------------------------------------------------------------
# Drag cursors: 32x32 monochrome, an arrow over the dragged page (or a stack
# of pages) and the effect's sign: a plus for copy, a bent arrow for link,
# nothing for move. 'K' black, 'W' white, '.' the screen shows through.

ARROW = [
    "K...........", "KK..........", "KWK.........", "KWWK........",
    "KWWWK.......", "KWWWWK......", "KWWWWWK.....", "KWWWWWWK....",
    "KWWWWWWWK...", "KWWWWWWWWK..", "KWWWWWKKKKK.", "KWWKWWK.....",
    "KWK.KWWK....", "KK..KWWK....", "K....KWWK...", ".....KWWK...",
    "......KWWK..", "......KWWK..", ".......KK...",
]

SIGN_COPY = [
    "KKKKKKKKK", "KWWWWWWWK", "KWWWKWWWK", "KWWWKWWWK", "KWKKKKKWK",
    "KWWWKWWWK", "KWWWKWWWK", "KWWWWWWWK", "KKKKKKKKK",
]

SIGN_LINK = [
    "KKKKKKKKK", "KWWWWWWWK", "KWWWKKKWK", "KWWWWKKWK", "KWWWKWKWK",
    "KWWKWWWWK", "KWKWWWWWK", "KWWWWWWWK", "KKKKKKKKK",
]


def cursor_page(grid, x0, y0, x1, y1):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            edge = x in (x0, x1) or y in (y0, y1)
            grid[y][x] = 'K' if edge else 'W'


def cursor_art(grid, art, x0, y0):
    for dy, line in enumerate(art):
        for dx, ch in enumerate(line):
            if ch != '.':
                grid[y0 + dy][x0 + dx] = ch


def drag_cursor(sign, several):
    grid = [['.'] * 32 for _ in range(32)]
    if several:
        cursor_page(grid, 13, 15, 21, 25)
    cursor_page(grid, 11, 17, 19, 27)
    if sign:
        cursor_art(grid, sign, 19, 22)
    cursor_art(grid, ARROW, 0, 0)
    return grid


def write_cur(path, grid, hot_x=0, hot_y=0):
    """A one-image monochrome cursor: the colour bits, then the mask bits."""
    size = len(grid)
    row_bytes = size // 8
    xor_bits, and_bits = b'', b''
    for line in reversed(grid):
        colour = mask = 0
        for ch in line:
            colour = colour << 1 | (1 if ch == 'W' else 0)
            mask = mask << 1 | (1 if ch == '.' else 0)
        xor_bits += colour.to_bytes(row_bytes, 'big')
        and_bits += mask.to_bytes(row_bytes, 'big')
    image = (struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0,
                         len(xor_bits) + len(and_bits), 0, 0, 2, 0) +
             struct.pack('<BBBBBBBB', 0, 0, 0, 0, 255, 255, 255, 0) +
             xor_bits + and_bits)
    out = struct.pack('<HHH', 0, 2, 1)
    out += struct.pack('<BBBBHHII', size, size, 2, 0, hot_x, hot_y,
                       len(image), 6 + 16)
    with open(path, 'wb') as f:
        f.write(out + image)


CURSORS = {
    'drag_copy.cur': (SIGN_COPY, False),
    'drag_move.cur': (None, False),
    'drag_link.cur': (SIGN_LINK, False),
    'drag_copy_many.cur': (SIGN_COPY, True),
    'drag_move_many.cur': (None, True),
    'drag_link_many.cur': (SIGN_LINK, True),
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, '..', 'src', 'res', 'images')
    os.makedirs(out, exist_ok=True)
    for name, pictures in TOOLBARS.items():
        write_bmp4(os.path.join(out, name), strip(pictures), SILVER)
    write_bmp4(os.path.join(out, 'drives.bmp'),
               strip([p_drive_floppy, p_drive_fixed, p_drive_cdrom,
                      p_drive_ram, p_drive_remote, p_drive_removable]), TEAL)
    for name, make in SINGLE_BITMAPS.items():
        write_bmp4(os.path.join(out, name), make(), SILVER)
    for name, make in ICONS.items():
        small = make()
        write_ico(os.path.join(out, name), [small, small.scaled(2)])
    for name, (sign, several) in CURSORS.items():
        write_cur(os.path.join(out, name), drag_cursor(sign, several))
    write_bmp8(os.path.join(out, 'splash.bmp'), splash())


if __name__ == '__main__':
    main()
