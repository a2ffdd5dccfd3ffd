#!/usr/bin/env python3
"""Draws awolk3.bmp, the speech cloud of the long division window.

The long division writes its two products at (50, 85) and (50, 135) and the
words "is te veel" at (200, 170); the cloud's body is one wide ellipse that
holds that whole area, with round lobes around it and two small bubbles at
the bottom left. Drawn at twice the size and averaged down for smooth edges.

Usage: cloud.py OUT.bmp
"""
import math
import sys

from bmp24 import write_bmp

W, H = 440, 230
S = 2  # supersampling factor
OUTLINE = 2.6 * S  # outline width in supersampled pixels

BACKGROUND = (255, 255, 255)
FILL = (245, 247, 255)
LINE = (112, 112, 128)

# (cx, cy, rx, ry) in picture pixels
BODY = [(222, 122, 206, 84)]
LOBES = [
    (108, 62, 56, 44), (196, 44, 60, 40), (292, 48, 58, 40), (372, 78, 52, 42),
    (50, 118, 46, 52), (404, 136, 32, 44),
    (110, 178, 62, 36), (232, 188, 76, 34), (350, 176, 58, 36),
]
BUBBLES = [(22, 212, 10, 7), (44, 196, 6, 5)]
SHAPES = BODY + LOBES


def inside(shapes, x, y):
    """Largest 'depth' of (x, y) in any ellipse: > 0 inside, in pixels."""
    best = -1e9
    for cx, cy, rx, ry in shapes:
        cx, cy, rx, ry = cx * S, cy * S, rx * S, ry * S
        dx, dy = x - cx, y - cy
        dist = math.hypot(dx, dy)
        if dist == 0:
            best = max(best, min(rx, ry))
            continue
        # the rim's distance from the centre in this direction; the depth is
        # measured along the radius (exact on circles, close on ellipses)
        c, s = dx / dist, dy / dist
        rim = 1.0 / math.sqrt((c / rx) ** 2 + (s / ry) ** 2)
        best = max(best, rim - dist)
    return best


def colour_at(x, y):
    for shapes in (SHAPES, BUBBLES):
        depth = inside(shapes, x, y)
        if depth > OUTLINE:
            return FILL
        if depth > 0:
            return LINE
        if depth > -0.5:
            return LINE
    return BACKGROUND


def main(out):
    rows = []
    for py in range(H):
        row = []
        for px in range(W):
            r = g = b = 0
            for sy in range(S):
                for sx in range(S):
                    c = colour_at(px * S + sx + 0.5, py * S + sy + 0.5)
                    r, g, b = r + c[0], g + c[1], b + c[2]
            n = S * S
            row.append((round(r / n), round(g / n), round(b / n)))
        rows.append(row)
    write_bmp(out, W, H, rows)


if __name__ == "__main__":
    main(sys.argv[1])
