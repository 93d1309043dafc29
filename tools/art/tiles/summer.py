"""The summer tiles: meadow ground, ledges, stone and brick, hay, crates, planks, fences,
bushes, tufts, a timbered cottage with a tiled roof, and clouds to hang in the sky."""
import random

from .. import palette as P
from ..shapes import arc_points, box, circle, ellipse, polygon, round_box, stroke
from ..tilesets import SIZE
from . import kit, terrain
from .kit import SPAN, wrap, whole

GRASS_CAP = terrain.Cap(P.GRASS, P.GRASS_SHADE, P.GRASS_LIGHT)
BLADES = (P.GRASS, P.GRASS_LIGHT, P.GRASS_SHADE)
TUFT = (P.GRASS, P.GRASS_LIGHT, P.GRASS, P.HEDGE_LIGHT)
LEDGE_TOP, LEDGE_BOTTOM = 3.5, 25.0


def earth(c, clip=None):
    c.fill(whole(), P.EARTH, clip=clip)
    kit.specks(c, 11, 14, (P.EARTH_SHADE, P.EARTH_LIGHT), clip=clip, opacity=0.8)
    kit.pebbles(c, 12, 3, P.PEBBLE, P.PEBBLE_SHADE, clip=clip)


def grass_top(c, x0=SPAN[0], x1=SPAN[1], clip=None, blades=True):
    shape = terrain.draw_cap(c, GRASS_CAP, x0, x1, clip)
    if blades:
        kit.blades(c, 21, 7, kit.periodic(GRASS_CAP.top, GRASS_CAP.bump, GRASS_CAP.bumps),
                   (2.0, 4.0), BLADES)
    return shape


GROUND = terrain.under(GRASS_CAP)


def ground_top(c):
    earth(c, clip=GROUND)
    grass_top(c)


def ground_top_b(c):
    earth(c, clip=GROUND)
    stone = ellipse(20, 19, 7, 5, -8)
    c.outlined(stone, P.PEBBLE)
    c.shade(stone, P.PEBBLE_SHADE, (1.5, 1.5))
    grass_top(c)


def ground_top_c(c):
    earth(c, clip=GROUND)
    grass_top(c)
    for x, y, col in ((7, 6.5, P.PETAL_WHITE), (16, 5.5, P.PETAL_YELLOW), (25, 6.8, P.PETAL_PINK)):
        kit.flower(c, x, y, 2.5, col)


def _ledge(end):
    def draw(c):
        shape = terrain.ledge_outline(end, LEDGE_TOP, LEDGE_BOTTOM)
        roots = [(9, 2.5), (22, 4.0)] if end == "mid" else [(20 if end == "left" else 12, 3.0)]
        for x, length in roots:
            c.fill(stroke([(x, LEDGE_BOTTOM - 1), (x + 1.5, LEDGE_BOTTOM + length),
                           (x + 0.5, LEDGE_BOTTOM + length + 2)], 1.3), P.EARTH_DEEP)
        c.fill(shape, P.OUTLINE, grow=1.0)
        earth(c, clip=shape)
        c.shade(shape, P.EARTH_SHADE, (0, 3.0))
        grass_top(c, clip=shape, blades=False)
        rng = random.Random(31)
        lo, hi = (6, SIZE) if end == "left" else (0, SIZE - 6) if end == "right" else (0, SIZE)
        for _ in range(5):
            x = rng.uniform(lo, hi)
            blade = polygon([(x - 1.3, LEDGE_TOP + 1.5), (x + rng.uniform(-1, 1), LEDGE_TOP - 3),
                             (x + 1.3, LEDGE_TOP + 1.5)])
            c.outlined(blade, P.GRASS_LIGHT, 0.6)
    return draw


def stone(c):
    block = round_box(0.5, 0.5, SIZE - 0.5, SIZE - 0.5, 4)
    c.outlined(block, P.GREY_STONE)
    c.shade(block, P.GREY_STONE_SHADE, (2.0, 2.0))
    c.shade(block, P.GREY_STONE_LIGHT, (-1.2, -1.2))
    c.fill(stroke([(9, 8), (13, 12), (12, 17)], 0.9), P.GREY_STONE_SHADE)
    c.fill(stroke([(22, 20), (25, 24)], 0.9), P.GREY_STONE_SHADE)
    kit.specks(c, 5, 6, (P.GREY_STONE_SHADE,), size=(0.5, 0.9), region=(4, 4, 28, 28),
               clip=block, wrap_y=False)


BRICK_ROWS = [(8, [0, 16]), (8, [8, 24])] * 2


def brick(c):
    terrain.courses(c, BRICK_ROWS, P.BRICK, P.BRICK_SHADE, P.BRICK_LIGHT, P.MORTAR)


def brick_top(c):
    terrain.courses(c, BRICK_ROWS, P.BRICK, P.BRICK_SHADE, P.BRICK_LIGHT, P.MORTAR)
    coping = box(SPAN[0], 0.8, SPAN[1], 8.5)
    c.fill(box(SPAN[0], 8.5, SPAN[1], 10.5), P.OUTLINE, opacity=0.35)
    c.outlined(coping, P.GREY_STONE)
    c.shade(coping, P.GREY_STONE_SHADE, (0, 1.8))
    c.shade(coping, P.GREY_STONE_LIGHT, (0, -1.0))
    for x in (0, 16):
        c.fill(wrap(box(x - 0.4, 1, x + 0.4, 8.5)), P.GREY_STONE_SHADE)


def hay(c):
    bale = round_box(0.8, 1.5, SIZE - 0.8, SIZE - 0.5, 6)
    c.outlined(bale, P.HAY)
    rng = random.Random(41)
    for _ in range(26):
        x, y = rng.uniform(2, 30), rng.uniform(3, 29)
        dx, dy = rng.uniform(-3, 3), rng.uniform(-1.5, 1.5)
        c.fill(stroke([(x, y), (x + dx, y + dy)], 0.8), (P.HAY_SHADE, P.HAY_LIGHT)[rng.randrange(2)],
               clip=bale)
    c.shade(bale, P.HAY_SHADE, (2.0, 2.0))
    c.shade(bale, P.HAY_LIGHT, (-1.2, -1.2), opacity=0.8)
    for x in (9, 23):
        band_shape = box(x - 1.3, 0, x + 1.3, SIZE)
        c.fill(band_shape, P.TWINE, clip=bale)


def crate(c):
    outer = round_box(0.8, 0.8, SIZE - 0.8, SIZE - 0.8, 2)
    c.outlined(outer, P.WOOD)
    for y in (8.3, 16, 23.7):
        c.fill(stroke([(3, y), (29, y)], 0.7), P.WOOD_SHADE)
    frame = (box(1, 1, SIZE - 1, 5) + box(1, SIZE - 5, SIZE - 1, SIZE - 1) + box(1, 1, 5, SIZE - 1)
             + box(SIZE - 5, 1, SIZE - 1, SIZE - 1))
    brace = stroke([(5, SIZE - 6), (SIZE - 6, 5)], 4.0)
    c.fill(brace, P.OUTLINE, grow=0.8, clip=outer)
    c.fill(brace, P.WOOD, clip=outer)
    c.shade(brace, P.WOOD_SHADE, (0.8, 1.0), clip=outer)
    c.fill(frame, P.OUTLINE, grow=0.8, clip=outer)
    c.fill(frame, P.WOOD, clip=outer)
    c.shade(frame, P.WOOD_SHADE, (1.0, 1.0), clip=outer)
    for x, y in ((3, 3), (29, 3), (3, 29), (29, 29)):
        c.fill(circle(x, y, 0.8), P.IRON)


PLANK_TOP, PLANK_BOTTOM = 2.0, 10.0


def walkway(end, wood=P.WOOD, shade=P.WOOD_SHADE, light=(226, 170, 110)):
    """A wooden walkway: boards on top, a braced truss under them down to the tile's bottom,
    so that posts below meet it."""
    def draw(c):
        x0 = 1.5 if end == "left" else SPAN[0]
        x1 = SIZE - 1.5 if end == "right" else SPAN[1]
        inside = box(3 if end == "left" else SPAN[0], -2, SIZE - 3 if end == "right" else SPAN[1], 31)
        braces = wrap(stroke([(2, 12), (14, 26)], 2.6) + stroke([(30, 12), (18, 26)], 2.6))
        frame = braces + box(14, 10, 18, 28) + box(SPAN[0], 25, SPAN[1], 30)
        if end == "left":
            frame = frame + box(3, 10, 7, 30)
        if end == "right":
            frame = frame + box(SIZE - 7, 10, SIZE - 3, 30)
        c.fill(frame, P.OUTLINE, grow=1.0, clip=inside)
        c.fill(frame, shade, clip=inside)
        board = round_box(x0, PLANK_TOP, x1, PLANK_BOTTOM + 1, 1.5)
        c.outlined(board, wood)
        c.shade(board, shade, (0, 1.5))
        c.shade(board, light, (0, -0.8))
        for x in (0, 16):
            if (end != "left" or x > 2) and (end != "right" or x < 30):
                c.fill(wrap(box(x - 0.5, PLANK_TOP, x + 0.5, PLANK_BOTTOM + 1)), P.OUTLINE, clip=board)
                c.fill(wrap(circle(x + 3, PLANK_TOP + 4, 0.7)), P.IRON, clip=board)
    return draw


def post(c):
    terrain.post(c, SIZE / 2, -4, 7.0, P.WOOD, P.WOOD_SHADE, pointed=False)
    for y in (9, 24):
        c.fill(stroke([(12.5, y), (19.5, y + 1)], 0.7), P.WOOD_SHADE)


def _fence(end):
    def draw(c):
        terrain.fence(c, end, P.WOOD, P.WOOD_SHADE)
    return draw


def _bush_shape(x, bottom, w, h, seed):
    rng = random.Random(seed)
    shape = ellipse(x, bottom - h * 0.42, w * 0.5, h * 0.45)
    for k in range(4):
        bx = x + (k - 1.5) * w * 0.24
        shape = shape + circle(bx, bottom - h * rng.uniform(0.5, 0.68), w * rng.uniform(0.2, 0.26))
    return shape + box(x - w * 0.45, bottom - h * 0.3, x + w * 0.45, bottom)


def _leafy(c, shape, berries_seed=None):
    c.outlined(shape, P.HEDGE)
    c.shade(shape, P.HEDGE_SHADE, (2.0, 2.5))
    c.shade(shape, P.HEDGE_LIGHT, (-1.2, -1.5), opacity=0.8)
    if berries_seed is not None:
        rng = random.Random(berries_seed)
        x0, y0, x1, y1 = shape.bounds()
        for _ in range(5):
            x, y = rng.uniform(x0 + 4, x1 - 4), rng.uniform(y0 + 5, y1 - 5)
            c.fill(circle(x, y, 1.2), P.PETAL_RED, clip=shape)


def bush(c):
    _leafy(c, _bush_shape(16, 32.5, 28, 24, 3), berries_seed=4)


def _hedge(end):
    def draw(c):
        top = kit.wave(11, 2.0, 2, 0.1)
        if end == "mid":
            shape = kit.below(top, SIZE + 4)
        else:
            x_end = 3 if end == "left" else SIZE - 3
            inner = [p for p in top if (p[0] >= 12 if end == "left" else p[0] <= SIZE - 12)]
            arc = arc_points(12 if end == "left" else SIZE - 12, 21, 9, 11,
                             180 if end == "left" else 0, 270 if end == "left" else -90)
            if end == "left":
                shape = polygon([(x_end, SIZE + 4)] + arc + inner + [(inner[-1][0], SIZE + 4)])
            else:
                shape = polygon([(inner[0][0], SIZE + 4)] + inner + list(reversed(arc))
                                + [(x_end, SIZE + 4)])
        c.outlined(shape, P.HEDGE)
        c.shade(shape, P.HEDGE_SHADE, (0, 3.0))
        for x, y in ((5, 18), (14, 15), (24, 19), (10, 25), (20, 26), (29, 24)):
            leaf = wrap(ellipse(x, y, 3.2, 2.2, 20))
            c.fill(leaf, P.HEDGE_SHADE, clip=shape, opacity=0.7)
            c.fill(wrap(ellipse(x - 0.8, y - 0.8, 2.2, 1.4, 20)), P.HEDGE_LIGHT, clip=shape, opacity=0.6)
    return draw


def flowers(c):
    leaves = [(5, 32, -40), (14, 32, 35), (22, 32, -30), (28, 32, 40)]
    for x, y, a in leaves:
        c.outlined(ellipse(x, y - 3, 2.2, 5.5, a), P.GRASS, 0.7)
    for x, top, col in ((6, 14, P.PETAL_RED), (13, 9, P.PETAL_YELLOW), (19, 16, P.PETAL_WHITE),
                        (26, 11, P.PETAL_BLUE)):
        kit.stem(c, x, 32, x + 0.5, top, P.GRASS_SHADE, 1.3)
        kit.flower(c, x + 0.5, top, 3.4, col, P.SUN if col != P.PETAL_YELLOW else P.TIMBER)


def tuft(c):
    kit.tuft(c, 9, 32.5, 13, TUFT, 5, 5.0)
    kit.tuft(c, 24, 32.5, 10, TUFT, 4, 4.0)


def tall_grass(c):
    kit.tuft(c, 7, 32.5, 20, TUFT, 5, 5.0, 1.5)
    kit.tuft(c, 18, 32.5, 27, TUFT, 6, 6.0, 1.5)
    kit.tuft(c, 27, 32.5, 15, TUFT, 4, 4.0, 1.4)


def _plaster(c):
    c.fill(whole(), P.PLASTER)
    kit.specks(c, 51, 8, (P.PLASTER_SHADE,), size=(0.6, 1.2), opacity=0.7)
    beams = wrap(box(-2, SPAN[0], 2, SPAN[1])) + wrap(box(SPAN[0], -2, SPAN[1], 2), x=False, y=True)
    c.fill(beams, P.OUTLINE, grow=0.8)
    c.fill(beams, P.TIMBER)
    c.shade(beams, P.TIMBER_SHADE, (1.0, 1.0))


def wall(c):
    _plaster(c)
    brace = stroke([(2, SIZE - 2), (SIZE - 2, 2)], 3.0)
    c.fill(brace, P.OUTLINE, grow=0.8)
    c.fill(brace, P.TIMBER)


def window(c):
    _plaster(c)
    frame = round_box(7, 6, 25, 24, 2)
    c.outlined(frame, P.TIMBER, 1.0)
    pane = box(9, 8, 23, 22)
    c.fill(pane, P.GLASS)
    c.fill(polygon([(9, 8), (15, 8), (9, 16)]), P.WHITE, opacity=0.5)
    c.shade(pane, P.GLASS_SHADE, (1.5, 1.5))
    c.fill(box(15.4, 8, 16.6, 22) + box(9, 14.4, 23, 15.6), P.TIMBER)
    sill = box(5, 24, 27, 28)
    c.outlined(sill, P.WOOD)
    for x, col in ((9, P.PETAL_RED), (14, P.PETAL_PINK), (19, P.PETAL_RED), (24, P.PETAL_YELLOW)):
        c.outlined(circle(x, 22.5, 1.8), col, 0.6)


def _door(c):
    """A timber door two tiles tall in the plastered wall, standing on the ground."""
    for y in (0, SIZE):
        c.fill(box(0, y, SIZE, y + SIZE), P.PLASTER)
    c.fill(box(-2, -2, 2, 2 * SIZE) + box(SIZE - 2, -2, SIZE + 2, 2 * SIZE) + box(-2, -2, SIZE + 2, 2),
           P.TIMBER)
    c.fill(box(0, SIZE - 2, SIZE, SIZE + 2), P.TIMBER)
    door = polygon(arc_points(16, 22, 11, 11, 180, 360) + [(27, 2 * SIZE + 2), (5, 2 * SIZE + 2)])
    c.fill(door, P.OUTLINE, grow=1.5)
    c.fill(door, P.WOOD)
    for x in (10.5, 16, 21.5):
        c.fill(stroke([(x, 12), (x, 2 * SIZE)], 0.8), P.WOOD_SHADE, clip=door)
    c.shade(door, P.WOOD_SHADE, (2.0, 1.5))
    for y in (28, 50):
        c.fill(box(5, y, 27, y + 2.5), P.IRON, clip=door)
    c.outlined(circle(22, 42, 1.5), P.SUN, 0.7)
    c.fill(box(3, 2 * SIZE - 2, 29, 2 * SIZE), P.GREY_STONE)


ROOF_TOP, ROOF_BOTTOM = 2.0, 29.0


def _roof(end):
    def draw(c):
        slope = 14.0
        outline = kit.roof_outline(end, ROOF_TOP, ROOF_BOTTOM, slope)
        c.fill(box(SPAN[0], ROOF_BOTTOM, SPAN[1], ROOF_BOTTOM + 3), P.OUTLINE, opacity=0.3,
               clip=outline.moved(0, 3))
        c.fill(outline, P.OUTLINE, grow=1.0)
        c.fill(outline, P.ROOF_TILE)
        for row, y in enumerate((ROOF_TOP + 5, ROOF_TOP + 14, ROOF_TOP + 23)):
            offset = 4 if row % 2 else 0
            for x in range(-8, 40, 8):
                scallop = ellipse(x + offset + 4, y, 4.2, 4.5)
                c.fill(scallop, P.ROOF_TILE_SHADE, clip=outline)
                c.fill(scallop.moved(-0.3, -1.4), P.ROOF_TILE, clip=outline)
                c.fill(ellipse(x + offset + 3, y - 2.5, 1.6, 1.0), P.ROOF_TILE_LIGHT, clip=outline)
        ridge = box(SPAN[0], ROOF_TOP - 0.5, SPAN[1], ROOF_TOP + 3)
        c.fill(ridge, P.ROOF_TILE_SHADE, clip=outline)
    return draw


def chimney(c):
    stack = box(10, 8, 22, SIZE + 4)
    crown = round_box(8, 4, 24, 10, 1)
    c.outlined(stack, P.BRICK)
    for y, xs in ((14, (16,)), (20, (13, 19)), (26, (16,))):
        c.fill(stroke([(10, y), (22, y)], 0.8), P.BRICK_SHADE)
        for x in xs:
            c.fill(stroke([(x, y - 6), (x, y)], 0.8), P.BRICK_SHADE, clip=stack)
    c.shade(stack, P.BRICK_SHADE, (2.0, 0))
    c.outlined(crown, P.GREY_STONE)
    c.shade(crown, P.GREY_STONE_SHADE, (0, 1.5))
    for x, y, r in ((14, 1.5, 2.2), (19, -0.5, 2.6)):
        c.fill(circle(x, y, r), P.CLOUD_SHADE, opacity=0.7)


def _cloud(end):
    def draw(c):
        if end == "mid":
            shape = box(SPAN[0], 17, SPAN[1], 27) + wrap(circle(8, 15, 8) + circle(24, 14, 9))
        else:
            side = 1 if end == "left" else -1
            x = 16 - side * 3
            shape = (circle(x + side * 5, 15, 9) + circle(x - side * 4, 20, 6.5)
                     + box(min(x, x + side * 30), 17, max(x, x + side * 30), 27)
                     + ellipse(x + side * 2, 22, 9, 5))
        c.figure([(shape, P.CLOUD)], 1.0, outline=(140, 170, 210))
        c.shade(shape, P.CLOUD_SHADE, (0, 2.5))
    return draw


TILES = {
    "ground_top": ground_top, "ground": earth, "ground_top_b": ground_top_b,
    "ground_top_c": ground_top_c, "ledge_left": _ledge("left"), "ledge": _ledge("mid"),
    "ledge_right": _ledge("right"), "stone": stone, "brick": brick, "brick_top": brick_top,
    "hay": hay, "crate": crate, "plank_left": walkway("left"), "plank": walkway("mid"),
    "plank_right": walkway("right"), "post": post, "fence_left": _fence("left"),
    "fence": _fence("mid"), "fence_right": _fence("right"), "bush": bush,
    "hedge_left": _hedge("left"), "hedge": _hedge("mid"), "hedge_right": _hedge("right"),
    "flowers": flowers, "tuft": tuft, "tall_grass": tall_grass, "wall": wall, "window": window,
    "roof_left": _roof("left"), "roof": _roof("mid"), "roof_right": _roof("right"),
    "chimney": chimney, "cloud_left": _cloud("left"), "cloud": _cloud("mid"),
    "cloud_right": _cloud("right"),
}
PIECES = [(1, 2, ["door_top", "door"], _door)]
