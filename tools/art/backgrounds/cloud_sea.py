"""High above a sea of clouds: rocky pillars with green tops rise out of it; the level is
played on one of their tops."""
from .. import palette as P
from ..figures import hud, land, landscape as L, sky, trees
from ..shapes import polygon


def _pillar(c, x, top, w, colour, shade, grass, bottom=480):
    body = polygon([(x - w * 0.5, bottom), (x - w * 0.44, top + w * 0.3), (x - w * 0.5, top + 6),
                    (x - w * 0.3, top), (x + w * 0.35, top + 2), (x + w * 0.5, top + 8),
                    (x + w * 0.42, top + w * 0.4), (x + w * 0.5, bottom)])
    c.fill(body, colour)
    c.fill(polygon([(x + w * 0.1, top + 2), (x + w * 0.5, top + 8), (x + w * 0.42, top + w * 0.4),
                    (x + w * 0.5, bottom), (x + w * 0.1, bottom)]), shade, clip=body, opacity=0.7)
    cap = polygon([(x - w * 0.56, top + 8), (x - w * 0.32, top - 5), (x + w * 0.36, top - 3),
                   (x + w * 0.56, top + 10), (x, top + 14)])
    c.fill(cap, grass)


def draw(c):
    sky.gradient(c, (56, 118, 214), (196, 226, 252), 400)
    L.sun(c, 560, 150, 20)
    for x, y, w in ((110, 168, 110), (340, 92, 0)):
        if w:
            sky.soft_cloud(c, x, y, w, opacity=0.85)
    haze = (196, 226, 252)
    _pillar(c, 90, 262, 70, land.haze(P.CLIFF, haze, 0.55), land.haze(P.CLIFF_SHADE, haze, 0.55),
            land.haze(P.MEADOW_DEEP, haze, 0.55))
    _pillar(c, 470, 238, 90, land.haze(P.CLIFF, haze, 0.6), land.haze(P.CLIFF_SHADE, haze, 0.6),
            land.haze(P.MEADOW_DEEP, haze, 0.6))
    sky.cloud_bank(c, 330, land.haze(P.CLOUD_SEA_SHADE, haze, 0.3), land.haze(P.CLOUD_SEA_SHADE, haze, 0.1),
                   seed=41, size=26)
    _pillar(c, 250, 300, 110, P.CLIFF, P.CLIFF_SHADE, P.MEADOW_DEEP)
    trees.leafy_tree(c, 236, 300, 34, seed=42)
    _pillar(c, 606, 318, 90, P.CLIFF, P.CLIFF_SHADE, P.MEADOW_DEEP)
    sky.birds(c, ((300, 210, 6), (318, 200, 5), (334, 214, 5)))
    sky.cloud_bank(c, 390, P.CLOUD_SEA, P.CLOUD_SEA_SHADE, seed=43, size=34)
    sky.cloud_bank(c, 432, P.WHITE, P.CLOUD_SEA_SHADE, seed=44, size=26)
    hud.hud_band(c)
