"""Castles in the summer landscape: HRAD1 a lone watchtower, HRAD2 a small keep with a
curtain wall, HRAD3 a great castle with four towers and pennants. HRAD3 shares its kind with
the ammunition parachute, so it must never have a collision box (none of them has one)."""
from .. import palette as P
from ..figures import structures
from ..figures.structures import Tower
from ..model import Frame, Frameset, Sprite
from ..shapes import box, ellipse

STONE = structures.Look(P.CASTLE_STONE, P.CASTLE_STONE_SHADE, P.BANNER_BLUE, P.BANNER_BLUE_SHADE, ow=1.0)
RED_ROOFS = structures.Look(P.CASTLE_STONE, P.CASTLE_STONE_SHADE, P.ROOF_TILE, P.ROOF_TILE_SHADE, ow=1.0)
STONES = 8.0


def _grass(c, w, ground):
    c.outlined(ellipse(w / 2, ground + 2, w * 0.48, 4), P.GRASS, 0.9)


def watchtower(c):
    w, h = 56, 120
    structures.castle(c, w / 2, h - 1, [Tower(0, 26, 68, flag=P.BANNER_RED)], [], STONE, flag_wave=0.6,
                      stones=STONES)
    door = box(w / 2 - 5, h - 16, w / 2 + 5, h - 1)
    c.outlined(door, P.WOOD)
    _grass(c, w, h)


def keep(c):
    w, h = 128, 150
    structures.castle(c, 64, h - 1, [Tower(-42, 26, 70, flag=P.BANNER_RED), Tower(42, 26, 62, roof="battlements"),
                                     Tower(4, 32, 88, flag=P.PETAL_YELLOW)],
                      [(-52, 52, 44)], RED_ROOFS, flag_wave=0.8, gate=-20, stones=STONES)
    _grass(c, w, h)


def great_castle(c):
    w, h = 192, 192
    structures.castle(c, 96, h - 1, [Tower(-78, 28, 100, flag=P.BANNER_RED), Tower(78, 28, 100, flag=P.BANNER_RED),
                                     Tower(-36, 30, 112, flag=P.BANNER_BLUE), Tower(36, 30, 104, roof="battlements"),
                                     Tower(0, 36, 122, flag=P.PETAL_YELLOW)],
                      [(-80, 80, 60)], STONE, flag_wave=1.0, gate=-56, stones=STONES)
    _grass(c, w, h)


def _still(name, file, size, draw):
    return Sprite(name, file, size, [Frameset("FRAMESET1", [Frame(draw, 1000)])])


SPRITES = [
    _still("HRAD1", "hrad1.png", (56, 120), watchtower),
    _still("HRAD2", "hrad2.png", (128, 150), keep),
    _still("HRAD3", "hrad3.png", (192, 192), great_castle),
]
