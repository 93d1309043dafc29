"""Small power-up icons, each drawn centred on (x, y) within a radius r (about 7 px)."""
import math

from .. import palette as P
from ..lettering import BOLD, Text
from ..shapes import bezier, circle, ellipse, heart, path, polygon, star, stroke


def droppings(c, x, y, r):
    for dx, dy, s in ((-0.35, 0.2, 0.55), (0.4, -0.15, 0.6)):
        cx, cy, h = x + dx * r, y + dy * r, r * s
        blob = path(bezier((cx, cy - h), (cx + h * 0.8, cy - h * 0.1), (cx + h * 0.7, cy + h * 0.8), (cx, cy + h * 0.8)),
                    bezier((cx, cy + h * 0.8), (cx - h * 0.7, cy + h * 0.8), (cx - h * 0.8, cy - h * 0.1), (cx, cy - h)))
        c.outlined(blob, (120, 84, 52), 0.8)
        c.fill(circle(cx - h * 0.25, cy + h * 0.05, h * 0.25), (236, 226, 200))


def shield(c, x, y, r):
    s = path(bezier((x, y - r), (x + r * 0.5, y - r * 0.6), (x + r * 0.9, y - r * 0.8)),
             bezier((x + r * 0.9, y - r * 0.8), (x + r * 0.95, y + r * 0.3), (x, y + r)),
             bezier((x, y + r), (x - r * 0.95, y + r * 0.3), (x - r * 0.9, y - r * 0.8)),
             bezier((x - r * 0.9, y - r * 0.8), (x - r * 0.5, y - r * 0.6), (x, y - r)))
    c.outlined(s, P.BLUE, 0.9)
    c.shade(s, (40, 90, 180), (r * 0.2, r * 0.15))
    c.fill(star(x, y - r * 0.05, r * 0.5, r * 0.22), P.WHITE)


def life(c, x, y, r):
    h = heart(x, y + r * 0.1, r * 1.9)
    c.outlined(h, P.RED, 0.9)
    c.shade(h, (170, 30, 40), (r * 0.15, r * 0.15))
    c.fill(circle(x - r * 0.4, y - r * 0.25, r * 0.18), P.WHITE)


def clock(c, x, y, r, sign, colour):
    face = circle(x - r * 0.15, y + r * 0.1, r * 0.78)
    c.outlined(face, P.WHITE, 0.9)
    cx, cy = x - r * 0.15, y + r * 0.1
    c.fill(stroke([(cx, cy), (cx, cy - r * 0.5)], 1.0), P.OUTLINE)
    c.fill(stroke([(cx, cy), (cx + r * 0.35, cy + r * 0.1)], 1.0), P.OUTLINE)
    bx, by, s = x + r * 0.55, y - r * 0.55, r * 0.42
    badge = circle(bx, by, s)
    c.outlined(badge, colour, 0.8)
    c.fill(stroke([(bx - s * 0.55, by), (bx + s * 0.55, by)], 1.1), P.WHITE)
    if sign == "+":
        c.fill(stroke([(bx, by - s * 0.55), (bx, by + s * 0.55)], 1.1), P.WHITE)


def swirl(c, x, y, r):
    pts = [(x + 0.13 * t * r * math.cos(t), y + 0.13 * t * r * math.sin(t)) for t in [i * 0.25 for i in range(31)]]
    c.fill(stroke(pts, 2.6), P.OUTLINE)
    c.fill(stroke(pts, 1.4), (96, 220, 60))


def speed(c, x, y, r):
    for dx in (-0.45, 0.25):
        ch = polygon([(x + (dx - 0.25) * r, y - r * 0.75), (x + (dx + 0.45) * r, y),
                      (x + (dx - 0.25) * r, y + r * 0.75), (x + (dx - 0.55) * r, y + r * 0.75),
                      (x + (dx + 0.1) * r, y), (x + (dx - 0.55) * r, y - r * 0.75)])
        c.outlined(ch, (255, 170, 40), 0.8)


def snail(c, x, y, r):
    body = path(bezier((x - r, y + r * 0.6), (x - r * 0.2, y + r * 0.75), (x + r * 0.8, y + r * 0.6)),
                bezier((x + r * 0.8, y + r * 0.6), (x + r * 1.0, y), (x + r * 0.75, y - r * 0.35)),
                [(x + r * 0.55, y - r * 0.3), (x + r * 0.5, y + r * 0.3), (x - r * 0.9, y + r * 0.35)])
    c.outlined(body, (170, 214, 110), 0.8)
    c.fill(stroke([(x + r * 0.7, y - r * 0.3), (x + r * 0.85, y - r * 0.8)], 0.7), P.OUTLINE)
    shell = circle(x - r * 0.15, y - r * 0.05, r * 0.55)
    c.outlined(shell, (200, 130, 80), 0.8)
    pts = [(x - r * 0.15 + 0.06 * t * r * math.cos(t), y - r * 0.05 + 0.06 * t * r * math.sin(t))
           for t in [i * 0.3 for i in range(28)]]
    c.fill(stroke(pts, 0.7), (130, 70, 40))


def mystery(c, x, y, r):
    q = Text("?", r * 2.2, x, y + r * 0.05, anchor="mm", face=BOLD)
    c.fill(q, P.OUTLINE, grow=1.0)
    c.fill(q, P.PURPLE)


def flag(c, x, y, r):
    c.fill(stroke([(x - r * 0.55, y + r), (x - r * 0.55, y - r)], 1.6), P.OUTLINE)
    c.fill(stroke([(x - r * 0.55, y + r), (x - r * 0.55, y - r)], 0.7), (220, 220, 230))
    cloth = polygon([(x - r * 0.45, y - r), (x + r * 0.9, y - r * 0.6), (x - r * 0.45, y - r * 0.1)])
    c.outlined(cloth, P.RED, 0.8)
    c.fill(star(x - r * 0.05, y - r * 0.55, r * 0.22, r * 0.1), P.YELLOW)


def paw(c, x, y, r):
    pad = ellipse(x, y + r * 0.35, r * 0.5, r * 0.42)
    c.outlined(pad, (150, 96, 60), 0.8)
    for dx, dy in ((-0.62, -0.2), (-0.22, -0.62), (0.22, -0.62), (0.62, -0.2)):
        c.outlined(ellipse(x + dx * r, y + dy * r, r * 0.2, r * 0.25), (150, 96, 60), 0.7)


def wing(c, x, y, r):
    w = path(bezier((x - r * 0.8, y + r * 0.6), (x - r * 0.9, y - r * 0.6), (x + r * 0.2, y - r), (x + r, y - r * 0.8)),
             bezier((x + r, y - r * 0.8), (x + r * 0.5, y - r * 0.3), (x + r * 0.7, y - r * 0.1)),
             bezier((x + r * 0.7, y - r * 0.1), (x + r * 0.2, y + r * 0.1), (x + r * 0.4, y + r * 0.35)),
             bezier((x + r * 0.4, y + r * 0.35), (x, y + r * 0.5), (x - r * 0.8, y + r * 0.6)))
    c.outlined(w, P.WHITE, 0.8)
    c.shade(w, (196, 210, 236), (r * 0.12, r * 0.15))


def crown(c, x, y, r):
    cr = polygon([(x - r * 0.9, y + r * 0.6), (x - r, y - r * 0.5), (x - r * 0.45, y),
                  (x, y - r * 0.8), (x + r * 0.45, y), (x + r, y - r * 0.5), (x + r * 0.9, y + r * 0.6)])
    c.outlined(cr, P.YELLOW, 0.8)
    c.shade(cr, (220, 150, 30), (r * 0.15, r * 0.15))
    c.fill(circle(x, y + r * 0.2, r * 0.16), P.RED)


def snowballs(c, x, y, r):
    for dx, dy, s in ((-0.45, 0.35, 0.45), (0.45, 0.35, 0.45), (0, -0.35, 0.45)):
        b = circle(x + dx * r, y + dy * r, s * r)
        c.outlined(b, P.WHITE, 0.8)
        c.shade(b, (180, 200, 236), (s * r * 0.3, s * r * 0.3))
