#!/usr/bin/env python3
"""Draws the window icons of the item edit dialogs with the tools of draw.py.

Writes, next to this script: shipmethods.ico (the shipping-method dialog: a
delivery van) and sizeweight.ico (the size and weight dialog: a parcel on a
scale), each 16 x 16 and 32 x 32. Run it again after changing a drawing.
"""
from draw import BLACK, BLUE, BROWN, GREY, LIGHT, NAVY, ORANGE, RED, WHITE, YELLOW, Image, write_icon


def ship_methods():
    """A delivery van, its load box behind the cab."""
    im = Image()
    im.rect(1, 4, 9, 11, WHITE)
    im.frame(1, 4, 9, 11, NAVY)
    im.rect(2, 7, 8, 8, ORANGE)
    im.polygon([(10, 6), (13, 6), (15, 9), (15, 11), (10, 11)], BLUE)
    im.rect(11, 7, 12, 8, LIGHT)
    for cx in (4, 12):
        im.disc(cx, 12, 1.8, BLACK)
        im.put(cx, 12, GREY)
    return im


def size_weight():
    """A parcel, taped, standing on a scale with its dial."""
    im = Image()
    im.rect(3, 1, 12, 8, YELLOW)
    im.frame(3, 1, 12, 8, BROWN)
    im.line(7, 1, 7, 8, BROWN)
    im.line(8, 1, 8, 8, BROWN)
    im.rect(7, 9, 8, 9, GREY)
    im.rect(1, 10, 14, 10, GREY)
    im.rect(2, 11, 13, 15, LIGHT)
    im.frame(2, 11, 13, 15, GREY)
    im.rect(6, 12, 9, 14, WHITE)
    im.frame(6, 12, 9, 14, NAVY)
    im.line(7, 14, 8, 12, RED)
    return im


def main():
    write_icon('shipmethods.ico', ship_methods())
    write_icon('sizeweight.ico', size_weight())


if __name__ == '__main__':
    main()
