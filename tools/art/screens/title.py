"""intro.png: the title screen behind the main menu and the high-score table.

The upper half is the title scene; below it two calm panels hold the menu (text from x = 70,
y = 245) and the high-score table (rows from x = 350 to 590, y = 240 down).
"""
from .. import palette as P
from ..figures import landscape as L
from ..figures.bird import draw_bird
from ..figures.nest import egg, nest_back, nest_front
from ..figures.panel import panel
from ..figures.title_lettering import title_text
from ..lettering import CONDENSED_BOLD, Text
from ..shapes import circle, round_box, stroke

MENU_PANEL = (46, 232, 339, 466)
SCORE_PANEL = (343, 232, 602, 466)


def draw(c):
    L.sky(c, (70, 140, 226), (200, 232, 255), 0, 260)
    L.sun(c, 586, 52, 26)
    for x, y, w in ((70, 70, 110), (228, 176, 80), (470, 112, 96), (612, 170, 64)):
        L.cloud(c, x, y, w)
    L.hills(c, 206, 34, P.HILL_FAR, (170, 220, 176), seed=3, bumps=3)
    L.hills(c, 228, 22, (118, 196, 96), P.GRASS_LIGHT, seed=8, bumps=5)
    L.grass_tufts(c, 222, 480, 160, seed=5)
    L.flowers(c, 225, 478, 60, seed=9)
    L.tree(c, 24, 250, 1.7, seed=2)
    L.tree(c, 622, 246, 1.4, seed=4)
    _nest_on_hill(c, 118, 214)

    title_text(c, "Z.E.P.O.", 300, 14, 100, bounce=4, spacing=2)
    _trail(c)
    draw_bird(c, 508, 170, 3.4, facing=-1, wing="up")

    panel(c, *MENU_PANEL)
    panel(c, *SCORE_PANEL)
    _ribbon(c, (SCORE_PANEL[0] + SCORE_PANEL[2]) / 2, SCORE_PANEL[1] - 2, "NEJLEPSI")


def _nest_on_hill(c, x, y):
    nest_back(c, x, y, 64)
    for dx, h, tilt in ((-15, 24, -12), (15, 23, 10), (0, 27, 0)):
        egg(c, x + dx, y + 9, h, tilt)
    nest_front(c, x, y, 64)


def _trail(c):
    """Little motion puffs behind the flying hero."""
    for i, (x, y, r) in enumerate(((566, 160, 5), (584, 150, 4), (600, 143, 3))):
        c.fill(circle(x, y, r), P.WHITE, opacity=0.75 - i * 0.15)


def _ribbon(c, cx, bottom, text):
    label = Text(text, 15, cx, bottom - 4, anchor="ms", face=CONDENSED_BOLD)
    x0, y0, x1, y1 = label.bounds()
    tab = round_box(x0 - 14, y0 - 6, x1 + 14, bottom + 6, 7)
    c.outlined(tab, P.PANEL_EDGE, 1.5)
    c.shade(tab, (214, 160, 60), (0, 2))
    c.fill(label.moved(0, 1), (150, 96, 30))
    c.fill(label, P.PANEL)
