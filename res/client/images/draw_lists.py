#!/usr/bin/env python3
"""Draws the item lists' images with the drawing tools of draw.py.

Writes, next to this script: tabs.bmp (the four tabs' 16 x 16 images on
0x008080: selling, closed with a winner, closed without a winner, won) and
the lists' six icons: list-featured.ico, list-featured-done.ico,
list-rated.ico, list-forbidden.ico, list-some-rated.ico and
list-buyer-forbidden.ico. Run it again after changing a drawing.
"""
from draw import (BLUE, BROWN, DARKGREEN, DARKRED, GREEN, GREY, NAVY, ORANGE, RED, WHITE, YELLOW, Image, star,
                  write_bmp, write_icon)

TEAL = (0, 128, 128)


def gavel(im, c_head, c_handle):
    im.polygon([(2, 5), (6, 1), (10, 5), (6, 9)], c_head)
    im.line(6, 7, 13, 14, c_handle)
    im.line(7, 7, 14, 14, c_handle)


def tab_selling():
    """A price tag hanging from a string."""
    im = Image()
    im.polygon([(2, 8), (7, 3), (14, 3), (14, 13), (7, 13)], YELLOW)
    im.line(2, 8, 7, 3, BROWN)
    im.line(7, 3, 14, 3, BROWN)
    im.line(14, 3, 14, 13, BROWN)
    im.line(14, 13, 7, 13, BROWN)
    im.line(7, 13, 2, 8, BROWN)
    im.disc(6, 8, 1.0, BROWN)
    im.line(9, 6, 12, 6, RED)
    im.line(9, 9, 12, 9, RED)
    return im


def person(im, cx, c):
    im.disc(cx, 4, 2.5, c)
    im.polygon([(cx - 4, 14), (cx - 3, 8), (cx + 3, 8), (cx + 4, 14)], c)


def tab_closed_winner():
    """A closed box with the winner beside it."""
    im = Image()
    im.rect(1, 8, 8, 14, BROWN)
    im.frame(1, 8, 8, 14, DARKRED)
    im.line(1, 11, 8, 11, DARKRED)
    person(im, 11, GREEN)
    return im


def tab_closed_no_winner():
    """A closed box and a grey outline where a winner would stand."""
    im = Image()
    im.rect(1, 8, 8, 14, BROWN)
    im.frame(1, 8, 8, 14, DARKRED)
    im.line(1, 11, 8, 11, DARKRED)
    im.ring(11, 4, 2.2, GREY, 1.0)
    im.line(8, 14, 9, 8, GREY)
    im.line(9, 8, 13, 8, GREY)
    im.line(13, 8, 14, 14, GREY)
    return im


def tab_won():
    """The auctioneer's hammer."""
    im = Image()
    gavel(im, NAVY, BROWN)
    im.rect(9, 13, 15, 14, GREY)
    return im


def featured():
    """A gold star: the item carries a featured amount."""
    im = Image()
    star(im, 7.5, 8, 7, 3, YELLOW)
    star(im, 7.5, 8, 4, 2, ORANGE)
    return im


def featured_done():
    """The star with a green check: the featured job went through."""
    im = featured()
    im.line(7, 11, 9, 13, GREEN)
    im.line(9, 13, 14, 7, GREEN)
    im.line(8, 11, 9, 12, DARKGREEN)
    im.line(9, 12, 14, 6, DARKGREEN)
    return im


def rated():
    """A red circle stamp: feedback left."""
    im = Image()
    im.ring(7.5, 7.5, 7, RED, 2.0)
    im.line(5, 8, 7, 10, RED)
    im.line(7, 10, 11, 5, RED)
    return im


def forbidden():
    """A circle struck through: no feedback for this item."""
    im = Image()
    im.disc(7.5, 7.5, 7, WHITE)
    im.ring(7.5, 7.5, 7, RED, 2.0)
    im.line(3, 3, 12, 12, RED)
    im.line(4, 3, 12, 11, RED)
    return im


def some_rated():
    """The stamp in outline: feedback left for some of the winners."""
    im = Image()
    im.ring(7.5, 7.5, 7, ORANGE, 1.0)
    im.line(5, 8, 7, 10, ORANGE)
    im.line(7, 10, 11, 5, ORANGE)
    return im


def buyer_forbidden():
    """A winner struck through: one of the winners gets no feedback."""
    im = Image()
    person(im, 7, BLUE)
    im.line(1, 1, 14, 14, RED)
    im.line(2, 1, 14, 13, RED)
    return im


def main():
    write_bmp('tabs.bmp', [tab_selling(), tab_closed_winner(), tab_closed_no_winner(), tab_won()], TEAL)
    for name, draw in [('list-featured.ico', featured), ('list-featured-done.ico', featured_done),
                       ('list-rated.ico', rated), ('list-forbidden.ico', forbidden),
                       ('list-some-rated.ico', some_rated), ('list-buyer-forbidden.ico', buyer_forbidden)]:
        write_icon(name, draw())


if __name__ == '__main__':
    main()
