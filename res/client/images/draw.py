#!/usr/bin/env python3
"""Draws the client's 16 x 16 images and its icon (standard library only).

Writes, next to this script: toolbar.bmp (the 15 tool-bar buttons on
0xC0C0C0), toolbar-grey.bmp (the same, greyed, on 0x00FF00), marks.bmp (the
19 item marks on 0x008080), marks-grey.bmp (greyed, on 0x00FF00),
checks.bmp (a check mark and its greyed form, on 0x00FF00) and tanzo.ico
(16 x 16 and 32 x 32). Run it again after changing a drawing.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
S = 16


class Image:
    def __init__(self, size=S, back=None):
        self.size = size
        self.px = [[back] * size for _ in range(size)]

    def put(self, x, y, c):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.put(x, y0, c)
            self.put(x, y1, c)
        for y in range(y0, y1 + 1):
            self.put(x0, y, c)
            self.put(x1, y, c)

    def line(self, x0, y0, x1, y1, c):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            self.put(round(x0 + (x1 - x0) * i / n), round(y0 + (y1 - y0) * i / n), c)

    def disc(self, cx, cy, r, c):
        for y in range(self.size):
            for x in range(self.size):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.put(x, y, c)

    def ring(self, cx, cy, r, c, width=1.0):
        for y in range(self.size):
            for x in range(self.size):
                d = math.hypot(x - cx, y - cy)
                if r - width < d <= r:
                    self.put(x, y, c)

    def polygon(self, points, c):
        ys = [p[1] for p in points]
        for y in range(min(ys), max(ys) + 1):
            xs = []
            for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
                if (y0 <= y < y1) or (y1 <= y < y0):
                    xs.append(x0 + (y + 0.5 - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for a, b in zip(xs[::2], xs[1::2]):
                for x in range(math.ceil(a - 0.5), math.floor(b - 0.5) + 1):
                    self.put(x, y, c)

    def text(self, x, y, rows, c):
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch == '#':
                    self.put(x + dx, y + dy, c)


BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
LIGHT = (224, 224, 224)
RED = (208, 32, 32)
DARKRED = (128, 0, 0)
GREEN = (32, 160, 48)
DARKGREEN = (0, 96, 0)
BLUE = (32, 80, 208)
NAVY = (0, 0, 128)
YELLOW = (248, 208, 32)
ORANGE = (240, 136, 24)
BROWN = (136, 88, 40)
PINK = (240, 96, 160)
PURPLE = (128, 64, 176)
CREAM = (255, 248, 216)

# 5 x 7 glyphs for the marks.
GLYPHS = {
    '1': ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    '2': [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    '3': [".###.", "#...#", "....#", "..##.", "....#", "#...#", ".###."],
    '4': ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    'A': ["..#..", ".#.#.", "#...#", "#...#", "#####", "#...#", "#...#"],
    'B': ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    'C': [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    'D': ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    '?': [".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."],
}


def letter_tile(ch, back, fore):
    im = Image()
    im.rect(2, 2, 13, 13, back)
    im.frame(1, 1, 14, 14, fore)
    im.text(6, 4, GLYPHS[ch], fore)
    im.text(5, 4, GLYPHS[ch], fore)  # bold
    return im


def star(im, cx, cy, r_out, r_in, c):
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        r = r_out if i % 2 == 0 else r_in
        pts.append((round(cx + r * math.cos(a)), round(cy + r * math.sin(a))))
    im.polygon(pts, c)


# ---- Tool bar buttons, in the bar's order.

def resubmit():
    im = Image()
    im.ring(7.5, 7.5, 6.5, GREEN, 2.0)
    im.rect(6, 0, 9, 3, None)
    im.polygon([(9, 0), (13, 3), (9, 6)], DARKGREEN)
    im.rect(5, 5, 10, 10, YELLOW)
    im.frame(5, 5, 10, 10, BROWN)
    return im


def memo():
    im = Image()
    im.rect(3, 1, 12, 14, CREAM)
    im.frame(3, 1, 12, 14, BROWN)
    for y in (4, 7, 10):
        im.line(5, y, 10, y, GREY)
    im.line(13, 6, 8, 13, BLUE)
    im.line(14, 7, 9, 14, NAVY)
    return im


def mark_button():
    im = Image()
    star(im, 7, 8, 7, 3, YELLOW)
    star(im, 7, 8, 4, 2, ORANGE)
    return im


def featured():
    im = Image()
    im.disc(7.5, 7.5, 7, ORANGE)
    im.rect(7, 3, 8, 9, WHITE)
    im.rect(7, 11, 8, 12, WHITE)
    return im


def add_description():
    im = Image()
    im.rect(1, 1, 10, 14, WHITE)
    im.frame(1, 1, 10, 14, GREY)
    for y in (4, 6, 8):
        im.line(3, y, 8, y, BLUE)
    im.rect(10, 9, 12, 15, GREEN)
    im.rect(8, 11, 14, 13, GREEN)
    return im


def early_close():
    im = Image()
    im.disc(7.5, 7.5, 7, WHITE)
    im.ring(7.5, 7.5, 7, NAVY, 1.2)
    im.line(7, 7, 7, 3, BLACK)
    im.line(7, 7, 10, 9, BLACK)
    im.rect(10, 10, 15, 15, RED)
    im.rect(11, 12, 14, 13, WHITE)
    return im


def cancel():
    im = Image()
    im.disc(7.5, 7.5, 7, RED)
    for d in (-1, 0, 1):
        im.line(4 + d, 4, 11 + d, 11, WHITE)
        im.line(11 + d, 4, 4 + d, 11, WHITE)
    return im


def remove():
    im = Image()
    im.rect(3, 4, 12, 14, LIGHT)
    im.frame(3, 4, 12, 14, GREY)
    for x in (5, 7, 9, 11):
        im.line(x - (1 if x == 11 else 0), 6, x - (1 if x == 11 else 0), 12, GREY)
    im.rect(2, 2, 13, 3, GREY)
    im.rect(6, 0, 9, 1, GREY)
    return im


def rate():
    im = Image()
    im.disc(7.5, 7.5, 7, YELLOW)
    im.ring(7.5, 7.5, 7, BROWN, 1.0)
    im.rect(5, 5, 5, 6, BLACK)
    im.rect(10, 5, 10, 6, BLACK)
    for x in range(4, 12):
        im.put(x, 10 + (1 if 6 <= x <= 9 else 0), BLACK)
    return im


def rating_forbidden():
    im = rate()
    im.ring(7.5, 7.5, 7.5, RED, 2.0)
    for d in (0, 1):
        im.line(3 + d, 3, 12 + d, 12, RED)
    return im


def refresh():
    im = Image()
    im.ring(7.5, 7.5, 6.5, BLUE, 2.0)
    im.rect(0, 6, 4, 9, None)
    im.rect(11, 6, 15, 9, None)
    im.polygon([(0, 5), (5, 5), (3, 9)], BLUE)
    im.polygon([(15, 10), (10, 10), (12, 6)], BLUE)
    return im


def stop():
    im = Image()
    im.polygon([(5, 1), (10, 1), (14, 5), (14, 10), (10, 14), (5, 14), (1, 10), (1, 5)], RED)
    im.rect(4, 7, 11, 8, WHITE)
    return im


def find():
    im = Image()
    im.disc(6, 6, 5, WHITE)
    im.ring(6, 6, 5, NAVY, 1.5)
    for d in (0, 1):
        im.line(10 + d, 10, 14 + d, 14, BROWN)
        im.line(10, 10 + d, 14, 14 + d, BROWN)
    return im


def user_id():
    im = Image()
    im.disc(7.5, 4.5, 3.5, ORANGE)
    im.polygon([(2, 15), (3, 10), (6, 8), (9, 8), (12, 10), (13, 15)], BLUE)
    return im


def help_button():
    im = Image()
    im.disc(7.5, 7.5, 7, BLUE)
    im.text(5, 4, GLYPHS['?'], WHITE)
    im.text(6, 4, GLYPHS['?'], WHITE)
    return im


TOOLBAR = [resubmit, memo, mark_button, featured, add_description, early_close, cancel, remove, rate,
           rating_forbidden, refresh, stop, find, user_id, help_button]


# ---- Marks, by mark value 1, 2, 3, 4, 16, 32, 48, 64, 256, ..., 2816.

def heart():
    im = Image()
    im.disc(5, 6, 3.5, PINK)
    im.disc(10, 6, 3.5, PINK)
    im.polygon([(1, 7), (14, 7), (7, 15), (8, 15)], PINK)
    return im


def leaf():  # the beginner's mark, yellow and green
    im = Image()
    im.polygon([(7, 2), (7, 14), (2, 11), (2, 5)], YELLOW)
    im.polygon([(8, 2), (13, 5), (13, 11), (8, 14)], GREEN)
    return im


def orange_fruit():
    im = Image()
    im.disc(7.5, 9, 6, ORANGE)
    im.polygon([(8, 1), (13, 2), (9, 4)], GREEN)
    return im


def cherry():
    im = Image()
    im.line(5, 10, 9, 2, DARKGREEN)
    im.line(11, 10, 9, 2, DARKGREEN)
    im.disc(4.5, 11.5, 3, RED)
    im.disc(11.5, 11.5, 3, RED)
    return im


def diamond():
    im = Image()
    im.polygon([(7, 1), (14, 8), (7, 15), (1, 8)], BLUE)
    return im


def question():
    im = Image()
    im.disc(7.5, 7.5, 7, PURPLE)
    im.text(5, 4, GLYPHS['?'], WHITE)
    im.text(6, 4, GLYPHS['?'], WHITE)
    return im


def flag():
    im = Image()
    im.line(3, 1, 3, 15, BROWN)
    im.polygon([(4, 1), (14, 4), (4, 8)], RED)
    return im


def skull():
    im = Image()
    im.disc(7.5, 6.5, 5.5, WHITE)
    im.rect(5, 10, 10, 14, WHITE)
    im.disc(5, 6, 1.5, BLACK)
    im.disc(10, 6, 1.5, BLACK)
    for x in (6, 8):
        im.line(x, 12, x, 14, BLACK)
    return im


def bell():
    im = Image()
    im.polygon([(7, 1), (11, 4), (12, 11), (14, 12), (1, 12), (3, 11), (4, 4)], YELLOW)
    im.disc(7.5, 13.5, 1.5, BROWN)
    return im


def monster():
    im = Image()
    im.polygon([(2, 15), (2, 5), (4, 1), (6, 4), (9, 4), (11, 1), (13, 5), (13, 15)], GREEN)
    im.disc(5.5, 7.5, 1.8, WHITE)
    im.disc(9.5, 7.5, 1.8, WHITE)
    im.put(5, 8, BLACK)
    im.put(10, 8, BLACK)
    for x in range(4, 12, 2):
        im.put(x, 12, WHITE)
    im.line(4, 11, 11, 11, DARKRED)
    return im


def star_mark():
    im = Image()
    star(im, 7.5, 8, 7, 3, YELLOW)
    return im


MARKS = [lambda: letter_tile('1', WHITE, BLUE), lambda: letter_tile('2', WHITE, GREEN),
         lambda: letter_tile('3', WHITE, ORANGE), lambda: letter_tile('4', WHITE, RED),
         lambda: letter_tile('A', BLUE, WHITE), lambda: letter_tile('B', GREEN, WHITE),
         lambda: letter_tile('C', ORANGE, WHITE), lambda: letter_tile('D', RED, WHITE),
         star_mark, heart, leaf, orange_fruit, cherry, diamond, question, flag, skull, bell, monster]


def check():
    im = Image()
    for d in (0, 1):
        im.line(3, 8 + d, 6, 11 + d, BLACK)
        im.line(6, 11 + d, 12, 4 + d, BLACK)
    return im


# ---- Output.

def greyed(im):
    out = Image(im.size)
    for y in range(im.size):
        for x in range(im.size):
            c = im.px[y][x]
            if c is not None:
                v = (c[0] * 30 + c[1] * 59 + c[2] * 11) // 100
                v = 128 + v // 2
                out.px[y][x] = (v, v, v)
    return out


def strip(images, mask):
    """A row of images as 24-bit rows, bottom up, with the mask colour
    (an RGB triple) where nothing is drawn."""
    width = S * len(images)
    rows = []
    for y in range(S - 1, -1, -1):
        row = bytearray()
        for im in images:
            for x in range(S):
                c = im.px[y][x] or mask
                row += bytes((c[2], c[1], c[0]))
        row += b'\0' * ((4 - len(row) % 4) % 4)
        rows.append(bytes(row))
    return width, b''.join(rows)


def write_bmp(name, images, mask):
    width, pixels = strip(images, mask)
    header = struct.pack('<IiiHHIIiiII', 40, width, S, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', 14 + len(header) + len(pixels), 0, 0, 14 + len(header)))
        f.write(header + pixels)


def scaled(im, size):
    out = Image(size)
    for y in range(size):
        for x in range(size):
            out.px[y][x] = im.px[y * im.size // size][x * im.size // size]
    return out


def icon_image(im):
    size = im.size
    xor = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            c = im.px[y][x]
            xor += bytes((c[2], c[1], c[0], 255)) if c else b'\0\0\0\0'
    mask = bytearray()
    stride = ((size + 31) // 32) * 4
    for y in range(size - 1, -1, -1):
        row = bytearray(stride)
        for x in range(size):
            if im.px[y][x] is None:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def app_icon():
    """A yellow price tag with a red "た" stroke: the program's icon."""
    im = Image()
    im.polygon([(1, 8), (6, 2), (14, 2), (14, 14), (6, 14)], YELLOW)
    im.polygon([(1, 8), (6, 2), (14, 2), (14, 3), (6, 3), (2, 8)], BROWN)
    im.disc(5, 8, 1.2, BROWN)
    im.line(8, 5, 12, 5, RED)
    im.line(10, 4, 8, 12, RED)
    im.line(10, 9, 13, 9, RED)
    im.line(10, 12, 13, 12, RED)
    return im


def write_icon(name, im):
    images = [icon_image(im), icon_image(scaled(im, 32))]
    sizes = [16, 32]
    offset = 6 + 16 * len(images)
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(images)))
        for size, data in zip(sizes, images):
            f.write(struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset))
            offset += len(data)
        for data in images:
            f.write(data)


def main():
    toolbar = [draw() for draw in TOOLBAR]
    marks = [draw() for draw in MARKS]
    write_bmp('toolbar.bmp', toolbar, (192, 192, 192))
    write_bmp('toolbar-grey.bmp', [greyed(im) for im in toolbar], (0, 255, 0))
    write_bmp('marks.bmp', marks, (0, 128, 128))
    write_bmp('marks-grey.bmp', [greyed(im) for im in marks], (0, 255, 0))
    write_bmp('checks.bmp', [check(), greyed(check())], (0, 255, 0))
    write_icon('tanzo.ico', app_icon())


if __name__ == '__main__':
    main()
