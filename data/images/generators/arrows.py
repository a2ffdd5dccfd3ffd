#!/usr/bin/env python3
"""Draws pijl1.bmp and pijl2.bmp, the curved arrows beside the conversion
factors of the quantities topics (390 x 74 pixels each).

pijl1 hangs below the line it converts: half an ellipse that opens upwards,
from the number on the left down and up again to the converted number on the
right, where the arrowhead points up. The factor is written below its lowest
point (100 pixels from the left, 70 from the top). pijl2 is the same arrow
standing above a line (the arch opens downwards, the head points down); the
factor goes inside the arch (40 pixels from the top). White is the
background: the program leaves it out when it draws the picture.
Drawn at four times the size and averaged down for smooth edges.

Usage: arrows.py OUT_DIR
"""
import math
import os
import sys

from bmp24 import write_bmp

W, H = 390, 74
S = 4  # supersampling factor
BACKGROUND = (255, 255, 255)
INK = (40, 60, 170)
WIDTH = 3.2  # line width in picture pixels

# The arc: centre x, half width, and the depth of the curve.
CX, RX = 170.0, 150.0
TOP, BOTTOM = 6.0, 56.0
HEAD_LENGTH, HEAD_HALF_WIDTH = 16.0, 8.0


def arc_points(hanging):
    pts = []
    for i in range(181):
        t = math.pi * i / 180.0
        x = CX - RX * math.cos(t)
        depth = math.sin(t) * (BOTTOM - TOP)
        y = TOP + depth if hanging else (H - TOP) - depth
        pts.append((x, y))
    return pts


def segment_distance(px, py, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    cx, cy = ax + t * dx, ay + t * dy
    return math.hypot(px - cx, py - cy)


def inside_triangle(px, py, tri):
    (x1, y1), (x2, y2), (x3, y3) = tri

    def side(ax, ay, bx, by):
        return (px - bx) * (ay - by) - (ax - bx) * (py - by)

    d1, d2, d3 = side(x1, y1, x2, y2), side(x2, y2, x3, y3), side(x3, y3, x1, y1)
    neg = d1 < 0 or d2 < 0 or d3 < 0
    pos = d1 > 0 or d2 > 0 or d3 > 0
    return not (neg and pos)


def head(hanging, end):
    """The arrowhead at the right end: its tip beyond the end of the arc,
    pointing up (hanging) or down (standing)."""
    x, y = end
    direction = -1.0 if hanging else 1.0
    tip = (x, y + direction * HEAD_LENGTH * 0.35)
    base_y = y - direction * HEAD_LENGTH * 0.65
    return (tip, (x - HEAD_HALF_WIDTH, base_y), (x + HEAD_HALF_WIDTH, base_y))


def draw(hanging):
    pts = arc_points(hanging)
    tri = head(hanging, pts[-1])
    segments = list(zip(pts[:-1], pts[1:]))
    rows = []
    for py in range(H):
        row = []
        for px in range(W):
            ink = 0
            for sy in range(S):
                for sx in range(S):
                    x = px + (sx + 0.5) / S
                    y = py + (sy + 0.5) / S
                    hit = inside_triangle(x, y, tri)
                    if not hit and abs(x - CX) <= RX + WIDTH:
                        hit = any(segment_distance(x, y, a, b) <= WIDTH / 2
                                  for a, b in segments
                                  if min(a[0], b[0]) - WIDTH <= x <= max(a[0], b[0]) + WIDTH)
                    ink += hit
            f = ink / (S * S)
            row.append(tuple(round(BACKGROUND[i] * (1 - f) + INK[i] * f) for i in range(3)))
        rows.append(row)
    return rows


def main(out_dir):
    write_bmp(os.path.join(out_dir, "pijl1.bmp"), W, H, draw(True))
    write_bmp(os.path.join(out_dir, "pijl2.bmp"), W, H, draw(False))


if __name__ == "__main__":
    main(sys.argv[1])
