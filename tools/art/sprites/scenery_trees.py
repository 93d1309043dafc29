"""Trees to stand on the ground line: TREE1 a round leafy tree, TREE2 an apple tree, TREE3 a
tall poplar, TREE4 a snowy fir, TREE5 a bare birch with snow on its branches. They are
scenery: no collision box. Each stands on its frame's bottom row, so it is placed at
y = 448 - height."""
from .. import palette as P
from ..figures import trees
from ..model import Frame, Frameset, Sprite
from ..shapes import ellipse
from ..tiles import kit


def _grass_foot(c, x, ground, spread):
    for dx, h in ((-spread, 7), (spread * 0.8, 6), (-spread * 0.2, 5)):
        kit.tuft(c, x + dx, ground + 0.5, h, (P.GRASS, P.GRASS_LIGHT, P.HEDGE_LIGHT), 4, 3.0, 1.2)


def _snow_foot(c, x, ground, w):
    c.outlined(ellipse(x, ground, w, w * 0.22), P.SNOW)
    c.shade(ellipse(x, ground, w, w * 0.22), P.SNOW_SHADE, (0, 1.5))


def _tree(name, file, size, draw):
    w, h = size
    return Sprite(name, file, size, [Frameset("FRAMESET1", [Frame(lambda c: draw(c, w / 2, h), 1000)])])


def _leafy(c, x, ground):
    trees.leafy_tree(c, x, ground, ground * 0.92, seed=3)
    _grass_foot(c, x, ground, 9)


def _apple(c, x, ground):
    trees.fruit_tree(c, x, ground, ground * 0.92, seed=7)
    _grass_foot(c, x, ground, 8)


def _poplar(c, x, ground):
    trees.poplar(c, x, ground, ground - 2, seed=5)
    _grass_foot(c, x, ground, 6)


def _fir(c, x, ground):
    trees.pine(c, x, ground - 2, ground - 3, snow=True, tiers=5)
    _snow_foot(c, x, ground, 14)


def _birch(c, x, ground):
    trees.bare_tree(c, x, ground - 1, ground * 0.86, seed=9, bark=P.BONE, bark_shade=P.BONE_SHADE)
    for y, dx in ((ground - 20, -2), (ground - 34, 1.5), (ground - 48, -1), (ground - 60, 1)):
        c.fill(ellipse(x + dx, y, 2.4, 0.9), P.OUTLINE, opacity=0.8)
    _snow_foot(c, x, ground, 16)


SPRITES = [
    _tree("TREE1", "tree1.png", (112, 128), _leafy),
    _tree("TREE2", "tree2.png", (112, 112), _apple),
    _tree("TREE3", "tree3.png", (60, 150), _poplar),
    _tree("TREE4", "tree4.png", (80, 140), _fir),
    _tree("TREE5", "tree5.png", (128, 132), _birch),
]
