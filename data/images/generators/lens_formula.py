#!/usr/bin/env python3
"""Draws alenzenformule.bmp and alensformula.bmp, the situation sketch of the
lens formula window (Dutch and English).

A converging lens on the optical axis with its two focal points F, an
object arrow at distance v in front of it, the three rays from the object's
tip (parallel then through F, through the centre, through the other F then
parallel) meeting in the tip of the inverted image at distance b, the
distances v, b and f measured below the axis, and the lens formula
1/v + 1/b = 1/f at the top. The English picture calls the distances u, v
and f. Texts are drawn with a small stroke font; everything is drawn at
three times the size and averaged down for smooth edges.

Usage: lens_formula.py nl|en OUT.bmp
"""
import math
import sys

from bmp24 import write_bmp

W, H = 580, 352
S = 3  # supersampling factor

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
GREY = (150, 150, 150)
LENS_FILL = (205, 230, 255)
LENS_LINE = (60, 110, 190)
RED = (220, 0, 0)
MAGENTA = (200, 0, 200)
BLUE = (0, 0, 230)
GREEN = (0, 140, 0)
ORANGE = (230, 120, 0)

# The scene, in picture pixels: lens at LENS_X, axis at AXIS_Y.
LENS_X, AXIS_Y = 290, 185
F = 90          # focal length
V = 150         # object distance
B = V * F / (V - F)  # image distance (225)
OBJ_H = 52
IMG_H = OBJ_H * B / V

TEXTS = {
    "nl": {"letters": ("v", "b", "f"), "object": "voorwerp", "image": "beeld", "lens": "lens"},
    "en": {"letters": ("u", "v", "f"), "object": "object", "image": "image", "lens": "lens"},
}


class Canvas:
    def __init__(self, w, h):
        self.w, self.h = w * S, h * S
        self.px = bytearray(WHITE * (self.w * self.h))

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            i = 3 * (y * self.w + x)
            self.px[i:i + 3] = bytes(c)

    def line(self, p, q, width, c):
        """A thick line with round ends from p to q (picture pixels)."""
        (x1, y1), (x2, y2) = (p[0] * S, p[1] * S), (q[0] * S, q[1] * S)
        r = width * S / 2
        dx, dy = x2 - x1, y2 - y1
        ll = dx * dx + dy * dy
        for y in range(int(min(y1, y2) - r - 1), int(max(y1, y2) + r + 2)):
            for x in range(int(min(x1, x2) - r - 1), int(max(x1, x2) + r + 2)):
                t = 0 if ll == 0 else max(0, min(1, ((x + .5 - x1) * dx + (y + .5 - y1) * dy) / ll))
                ex, ey = x1 + t * dx - x - .5, y1 + t * dy - y - .5
                if ex * ex + ey * ey <= r * r:
                    self.put(x, y, c)

    def dashed(self, p, q, width, c, dash=8, gap=6):
        length = math.hypot(q[0] - p[0], q[1] - p[1])
        ux, uy = (q[0] - p[0]) / length, (q[1] - p[1]) / length
        s = 0
        while s < length:
            e = min(length, s + dash)
            self.line((p[0] + ux * s, p[1] + uy * s), (p[0] + ux * e, p[1] + uy * e), width, c)
            s = e + gap

    def polygon(self, pts, c):
        """A filled convex polygon."""
        sp = [(x * S, y * S) for x, y in pts]
        xs, ys = [p[0] for p in sp], [p[1] for p in sp]
        n = len(sp)
        for y in range(int(min(ys)), int(max(ys)) + 2):
            for x in range(int(min(xs)), int(max(xs)) + 2):
                px, py = x + .5, y + .5
                sign = 0
                inside = True
                for i in range(n):
                    ax, ay = sp[i]
                    bx, by = sp[(i + 1) % n]
                    cross = (bx - ax) * (py - ay) - (by - ay) * (px - ax)
                    if cross != 0:
                        if sign == 0:
                            sign = 1 if cross > 0 else -1
                        elif (cross > 0) != (sign > 0):
                            inside = False
                            break
                if inside:
                    self.put(x, y, c)

    def lens(self, cx, cy, rx, ry, fill, edge):
        for y in range(int((cy - ry) * S) - 2, int((cy + ry) * S) + 3):
            for x in range(int((cx - rx) * S) - 2, int((cx + rx) * S) + 3):
                u, v = (x + .5) / S - cx, (y + .5) / S - cy
                d = (u / rx) ** 2 + (v / ry) ** 2
                if d <= 1:
                    self.put(x, y, edge if d > 0.80 else fill)

    def arrow(self, tail, tip, width, c, head=11):
        ang = math.atan2(tip[1] - tail[1], tip[0] - tail[0])
        base = (tip[0] - head * 0.8 * math.cos(ang), tip[1] - head * 0.8 * math.sin(ang))
        self.line(tail, base, width, c)
        wing = math.radians(22)
        a = (tip[0] - head * math.cos(ang - wing), tip[1] - head * math.sin(ang - wing))
        b = (tip[0] - head * math.cos(ang + wing), tip[1] - head * math.sin(ang + wing))
        self.polygon([tip, a, b], c)

    def save(self, out):
        rows = []
        for py in range(H):
            row = bytearray()
            for px in range(W):
                r = g = b = 0
                for sy in range(S):
                    i = 3 * ((py * S + sy) * self.w + px * S)
                    for sx in range(S):
                        r += self.px[i]
                        g += self.px[i + 1]
                        b += self.px[i + 2]
                        i += 3
                n = S * S
                row += bytes((round(b / n), round(g / n), round(r / n)))
            rows.append(row)
        write_bmp(out, W, H, rows)


# --- a small stroke font: glyphs on a grid, x-height from y = 4 to the
# baseline y = 8, capitals and ascenders from y = 0, descenders to y = 10 ---

def arc(cx, cy, rx, ry, a0, a1, steps=16):
    pts = []
    for k in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * k / steps)
        pts.append((cx + rx * math.cos(a), cy - ry * math.sin(a)))
    return pts


def ring(cx=2, cy=6):
    return arc(cx, cy, 2, 2, 0, 360, 24)


GLYPHS = {
    "o": (4, [ring()]),
    "c": (4, [arc(2, 6, 2, 2, 40, 320)]),
    "e": (4, [[(0, 6), (4, 6)], arc(2, 6, 2, 2, 0, 320)]),
    "a": (4, [ring(), [(4, 4), (4, 8)]]),
    "d": (4, [ring(), [(4, 0), (4, 8)]]),
    "b": (4, [ring(), [(0, 0), (0, 8)]]),
    "p": (4, [ring(), [(0, 4), (0, 10.5)]]),
    "g": (4, [ring(), [(4, 4), (4, 9)], arc(2, 9, 2, 1.5, 0, -160)]),
    "l": (1, [[(0.5, 0), (0.5, 8)]]),
    "i": (1, [[(0.5, 4), (0.5, 8)], [(0.5, 1.8), (0.5, 2.2)]]),
    "j": (2, [[(1.5, 4), (1.5, 9)], arc(0.5, 9, 1, 1.4, 0, -150), [(1.5, 1.8), (1.5, 2.2)]]),
    "t": (3, [[(1, 1), (1, 8)], [(0, 4), (3, 4)]]),
    "f": (3, [[(1.2, 8), (1.2, 2)] + arc(2.5, 2, 1.3, 1.5, 180, 20)[1:], [(0, 4), (3, 4)]]),
    "r": (3, [[(0, 4), (0, 8)], arc(2, 6.2, 2, 2, 180, 70)]),
    "n": (4, [[(0, 4), (0, 8)], arc(2, 6, 2, 2, 180, 0), [(4, 6), (4, 8)]]),
    "m": (6, [[(0, 4), (0, 8)], arc(1.5, 5.6, 1.5, 1.6, 180, 0), [(3, 5.6), (3, 8)],
              arc(4.5, 5.6, 1.5, 1.6, 180, 0), [(6, 5.6), (6, 8)]]),
    "u": (4, [[(0, 4), (0, 6)], arc(2, 6, 2, 2, 180, 360), [(4, 4), (4, 8)]]),
    "v": (4, [[(0, 4), (2, 8), (4, 4)]]),
    "w": (6, [[(0, 4), (1.5, 8), (3, 5), (4.5, 8), (6, 4)]]),
    "s": (4, [arc(2, 5, 1.9, 1, 30, 270), arc(2, 7, 1.9, 1, 90, -150)]),
    "F": (4, [[(4, 0), (0, 0), (0, 8)], [(0, 4), (3, 4)]]),
    "1": (3, [[(0.5, 1.5), (2, 0), (2, 8)]]),
    "+": (4, [[(0, 5), (4, 5)], [(2, 3), (2, 7)]]),
    "=": (4, [[(0, 4.2), (4, 4.2)], [(0, 6.2), (4, 6.2)]]),
    " ": (2, []),
}


def text_width(text, unit):
    return sum((GLYPHS[ch][0] + 1.6) * unit for ch in text) - 1.6 * unit


def write(canvas, text, x, baseline, unit, colour, width=None):
    """Writes `text` with its baseline at `baseline`, starting at x."""
    width = width or max(1.4, unit * 0.55)
    top = baseline - 8 * unit
    for ch in text:
        advance, strokes = GLYPHS[ch]
        for stroke in strokes:
            pts = [(x + px * unit, top + py * unit) for px, py in stroke]
            for p, q in zip(pts, pts[1:]):
                canvas.line(p, q, width, colour)
        x += (advance + 1.6) * unit
    return x


def write_centred(canvas, text, cx, baseline, unit, colour):
    write(canvas, text, cx - text_width(text, unit) / 2, baseline, unit, colour)


def fraction(canvas, top, bottom, x, mid, unit, colour):
    """A stacked fraction with its bar at height `mid`; returns the x after it."""
    w = max(text_width(top, unit), text_width(bottom, unit))
    write_centred(canvas, top, x + w / 2, mid - 4, unit, colour)
    write_centred(canvas, bottom, x + w / 2, mid + 4 + 8 * unit, unit, colour)
    canvas.line((x - 1, mid), (x + w + 1, mid), 1.6, colour)
    return x + w


def dimension(canvas, x1, x2, y, letter, unit, colour):
    """A measured distance: a line with arrowheads at both ends and its letter."""
    canvas.line((x1, y - 6), (x1, y + 6), 1.2, colour)
    canvas.line((x2, y - 6), (x2, y + 6), 1.2, colour)
    mid = (x1 + x2) / 2
    canvas.arrow((mid, y), (x1 + 1, y), 1.4, colour, 8)
    canvas.arrow((mid, y), (x2 - 1, y), 1.4, colour, 8)
    write_centred(canvas, letter, mid, y + 16, unit, colour)


def draw(language, out):
    t = TEXTS[language]
    lv, lb, lf = t["letters"]
    c = Canvas(W, H)
    obj_x, img_x = LENS_X - V, LENS_X + B
    tip = (obj_x, AXIS_Y - OBJ_H)
    img_tip = (img_x, AXIS_Y + IMG_H)
    # The axis, the lens and the focal points.
    c.dashed((8, AXIS_Y), (W - 8, AXIS_Y), 1.2, GREY)
    c.lens(LENS_X, AXIS_Y, 9, 92, LENS_FILL, LENS_LINE)
    for fx in (LENS_X - F, LENS_X + F):
        c.polygon([(fx - 3.5, AXIS_Y - 3.5), (fx + 3.5, AXIS_Y - 3.5),
                   (fx + 3.5, AXIS_Y + 3.5), (fx - 3.5, AXIS_Y + 3.5)], RED)
        write_centred(c, "F", fx, AXIS_Y - 9, 1.6, RED)
    # The three rays.
    c.line(tip, (LENS_X, tip[1]), 1.8, BLUE)
    c.line((LENS_X, tip[1]), img_tip, 1.8, BLUE)
    c.line(tip, img_tip, 1.8, GREEN)
    focal_on_lens = (LENS_X, img_tip[1])
    c.line(tip, focal_on_lens, 1.8, ORANGE)
    c.line(focal_on_lens, img_tip, 1.8, ORANGE)
    # Object and image.
    c.arrow((obj_x, AXIS_Y), tip, 3.2, MAGENTA, 13)
    c.arrow((img_x, AXIS_Y), img_tip, 3.2, MAGENTA, 13)
    write_centred(c, t["object"], obj_x, tip[1] - 10, 1.7, MAGENTA)
    write_centred(c, t["image"], img_x, img_tip[1] + 24, 1.7, MAGENTA)
    write_centred(c, t["lens"], LENS_X + 26, AXIS_Y - 82, 1.7, LENS_LINE)
    # The distances.
    dimension(c, obj_x, LENS_X, AXIS_Y + 98, lv, 2.0, BLACK)
    dimension(c, LENS_X, img_x, AXIS_Y + 140, lb, 2.0, BLACK)
    dimension(c, LENS_X, LENS_X + F, AXIS_Y + 22, lf, 2.0, BLUE)
    # The formula.
    unit, mid = 2.4, 40
    x = 20
    x = fraction(c, "1", lv, x, mid, unit, BLACK)
    x = write(c, " + ", x, mid + 6, unit, BLACK)
    x = fraction(c, "1", lb, x, mid, unit, BLACK)
    x = write(c, " = ", x, mid + 6, unit, BLACK)
    fraction(c, "1", lf, x, mid, unit, BLACK)
    c.save(out)


if __name__ == "__main__":
    draw(sys.argv[1], sys.argv[2])
