"""Things people built, at any size: cottages, a church, castles with towers, a street lamp,
a signpost. Drawn near (outlined, shaded) for the scenery sprites and small or flat for the
backgrounds."""
from dataclasses import dataclass

from .. import palette as P
from ..shapes import box, circle, polygon, round_box, stroke


@dataclass(frozen=True)
class Look:
    """Colours of a building: walls, roof, windows; `ow` is the outline width (0: none)."""
    wall: tuple = P.PLASTER
    wall_shade: tuple = P.PLASTER_SHADE
    roof: tuple = P.ROOF_TILE
    roof_shade: tuple = P.ROOF_TILE_SHADE
    window: tuple = P.GLASS
    ow: float = 1.0
    snow: bool = False


def _draw(c, shape, colour, look):
    if look.ow:
        c.outlined(shape, colour, look.ow)
    else:
        c.fill(shape, colour)


def house(c, x, ground, w, h, look=Look(), gable=True, chimney=True, windows=2, door=True):
    """A cottage centred on x: `gable` shows the pointed end, otherwise the long side."""
    wall = box(x - w / 2, ground - h, x + w / 2, ground)
    roof_h = h * (0.75 if gable else 0.55)
    over = w * 0.08
    if gable:
        roof = polygon([(x - w / 2 - over, ground - h + 1), (x, ground - h - roof_h),
                        (x + w / 2 + over, ground - h + 1)])
    else:
        roof = polygon([(x - w / 2 - over, ground - h + 1), (x - w * 0.32, ground - h - roof_h),
                        (x + w * 0.32, ground - h - roof_h), (x + w / 2 + over, ground - h + 1)])
    if chimney:
        stack = box(x + w * 0.18, ground - h - roof_h * 0.95, x + w * 0.3, ground - h - roof_h * 0.3)
        _draw(c, stack, P.BRICK, look)
        if look.snow:
            c.fill(box(x + w * 0.16, ground - h - roof_h * 0.99, x + w * 0.32, ground - h - roof_h * 0.9), P.SNOW)
    _draw(c, wall, look.wall, look)
    c.fill(box(x + w * 0.25, ground - h, x + w / 2, ground), look.wall_shade, opacity=0.6)
    _draw(c, roof, look.roof, look)
    c.fill(polygon([(x, ground - h - roof_h) if gable else (x + w * 0.32, ground - h - roof_h),
                    (x + w / 2 + over, ground - h + 1), (x + w * 0.1, ground - h + 1)]),
           look.roof_shade, opacity=0.55, clip=roof)
    if look.snow:
        top = (polygon([(x - w * 0.3, ground - h - roof_h * 0.42), (x, ground - h - roof_h),
                        (x + w * 0.32, ground - h - roof_h * 0.4), (x + w * 0.1, ground - h - roof_h * 0.5),
                        (x - w * 0.12, ground - h - roof_h * 0.45)]) if gable else
               box(x - w * 0.5, ground - h - roof_h - 1, x + w * 0.5, ground - h - roof_h * 0.55))
        c.fill(top, P.SNOW, clip=roof)
    ww = w * 0.16
    xs = [x - w * 0.3, x + w * 0.14] if windows == 2 else [x - w * 0.05]
    for wx in xs[:windows]:
        pane = box(wx, ground - h * 0.72, wx + ww, ground - h * 0.72 + ww * 1.1)
        if look.ow:
            c.fill(pane, P.OUTLINE, grow=look.ow * 0.8, opacity=0.8)
        c.fill(pane, look.window)
        c.fill(box(wx + ww * 0.45, ground - h * 0.72, wx + ww * 0.55, ground - h * 0.72 + ww * 1.1), look.wall_shade)
    if door:
        dw = w * 0.18
        dx = x - w * 0.02
        door_shape = box(dx - dw / 2, ground - h * 0.5, dx + dw / 2, ground)
        _draw(c, door_shape, P.WOOD, look)
    return wall + roof


def church(c, x, ground, h, look=Look()):
    """A small church: nave with a steeple and a golden cross."""
    nave_w = h * 0.55
    house(c, x + nave_w * 0.45, ground, nave_w, h * 0.38, look, gable=False, chimney=False, windows=2, door=False)
    tw = h * 0.18
    tower = box(x - tw / 2, ground - h * 0.62, x + tw / 2, ground)
    spire = polygon([(x - tw * 0.65, ground - h * 0.6), (x, ground - h * 0.95), (x + tw * 0.65, ground - h * 0.6)])
    _draw(c, tower, look.wall, look)
    c.fill(box(x, ground - h * 0.62, x + tw / 2, ground), look.wall_shade, opacity=0.6)
    _draw(c, spire, look.roof, look)
    if look.snow:
        c.fill(polygon([(x - tw * 0.3, ground - h * 0.78), (x, ground - h * 0.95), (x + tw * 0.25, ground - h * 0.8)]),
               P.SNOW)
    c.fill(round_box(x - tw * 0.18, ground - h * 0.5, x + tw * 0.18, ground - h * 0.38, tw * 0.18), P.OUTLINE)
    cross = box(x - 0.8, ground - h * 1.04, x + 0.8, ground - h * 0.94) + box(x - 2.5, ground - h * 1.01, x + 2.5,
                                                                            ground - h * 0.995)
    c.fill(cross, P.GOLD_BOTTOM)


@dataclass(frozen=True)
class Tower:
    dx: float            # centre, relative to the castle's x
    width: float
    height: float
    roof: str = "cone"   # "cone" or "battlements"
    flag: tuple = None   # flag colour, or None


def courses(c, x0, x1, y0, y1, step, colour):
    """Mortar lines of a stone wall between x0 and x1, from y0 down to y1."""
    y, row = y0 + step, 0
    lines = None
    while y < y1 - 2:
        line = box(x0 + 1, y - 0.4, x1 - 1, y + 0.4)
        x = x0 + (step if row % 2 else step * 1.6)
        while x < x1 - 2:
            line = line + box(x - 0.4, y, x + 0.4, min(y + step, y1))
            x += step * 2.2
        lines = line if lines is None else lines + line
        y, row = y + step, row + 1
    if lines is not None:
        c.fill(lines, colour, opacity=0.7)


def castle(c, x, ground, towers, walls, look, flag_wave=0.0, gate=None, stones=0.0):
    """A castle: crenellated `walls` (dx0, dx1, height) between `towers`, with an arched gate
    at `gate` (its centre relative to x) in the wall there; `stones` is the height of the
    stone courses drawn on the walls (0: none, for castles far away)."""
    ow = look.ow
    parts = []
    for dx0, dx1, wh in walls:
        body = box(x + dx0, ground - wh, x + dx1, ground)
        teeth = None
        step = max(4.0, wh * 0.16)
        k = x + dx0
        while k + step * 0.6 <= x + dx1:
            tooth = box(k, ground - wh - step * 0.7, k + step * 0.6, ground - wh + 0.5)
            teeth = tooth if teeth is None else teeth + tooth
            k += step * 1.2
        parts.append(body + teeth if teeth is not None else body)
    for shape, (dx0, dx1, wh) in zip(parts, walls):
        _draw(c, shape, look.wall, look)
        if stones:
            courses(c, x + dx0, x + dx1, ground - wh, ground, stones, look.wall_shade)
        c.shade(shape, look.wall_shade, (max(1.0, ow * 2), 0), opacity=0.7)
    if gate is not None:
        wh = max(h for dx0, dx1, h in walls if dx0 <= gate <= dx1)
        gx, gw = x + gate, wh * 0.34
        arch = round_box(gx - gw / 2, ground - wh * 0.5, gx + gw / 2, ground + gw, gw / 2)
        above_ground = box(-1, -1, c.width + 1, ground)
        if ow:
            c.fill(arch, P.OUTLINE, grow=ow * 0.8, clip=above_ground)
        c.fill(arch, P.CASTLE_GLOOM, clip=above_ground)
    for t in sorted(towers, key=lambda t: t.height):
        tx = x + t.dx
        body = box(tx - t.width / 2, ground - t.height, tx + t.width / 2, ground)
        _draw(c, body, look.wall, look)
        if stones:
            courses(c, tx - t.width / 2, tx + t.width / 2, ground - t.height, ground, stones, look.wall_shade)
        c.fill(box(tx + t.width * 0.2, ground - t.height, tx + t.width / 2, ground), look.wall_shade,
               opacity=0.6)
        top = ground - t.height
        if t.roof == "cone":
            roof = polygon([(tx - t.width * 0.62, top + 1), (tx, top - t.width * 1.15),
                            (tx + t.width * 0.62, top + 1)])
            _draw(c, roof, look.roof, look)
            c.fill(polygon([(tx, top - t.width * 1.15), (tx + t.width * 0.62, top + 1), (tx + t.width * 0.1, top + 1)]),
                   look.roof_shade, opacity=0.6)
            peak = top - t.width * 1.15
        else:
            step = t.width / 5
            for k in (0, 2, 4):
                tooth = box(tx - t.width / 2 + k * step, top - step * 0.9, tx - t.width / 2 + (k + 1) * step, top + 0.5)
                _draw(c, tooth, look.wall, look)
            peak = top - step * 0.9
        if t.flag is not None:
            pole_top = peak - t.width * 0.7
            c.fill(stroke([(tx, peak + 1), (tx, pole_top)], max(0.8, t.width * 0.06)), P.OUTLINE)
            wave = flag_wave * t.width * 0.1
            flag = polygon([(tx, pole_top), (tx + t.width * 0.55, pole_top + t.width * 0.1 + wave),
                            (tx, pole_top + t.width * 0.28)])
            _draw(c, flag, t.flag, look)
        wy = ground - t.height * 0.6
        win = round_box(tx - t.width * 0.1, wy, tx + t.width * 0.1, wy + t.width * 0.35, t.width * 0.1)
        c.fill(win, P.CASTLE_GLOOM)


def lamp_post(c, x, ground, h, lit=True, ow=1.0):
    """An iron street lamp; a warm glow when lit."""
    if lit:
        c.fill(circle(x, ground - h * 0.9, h * 0.35), P.GLASS_LIT, opacity=0.18)
        c.fill(circle(x, ground - h * 0.9, h * 0.2), P.GLASS_LIT, opacity=0.25)
    pole = box(x - h * 0.025, ground - h * 0.82, x + h * 0.025, ground) + box(x - h * 0.06, ground - h * 0.06, x + h * 0.06, ground)
    lamp = polygon([(x - h * 0.08, ground - h * 0.82), (x + h * 0.08, ground - h * 0.82), (x + h * 0.06, ground - h * 0.97),
                    (x - h * 0.06, ground - h * 0.97)])
    cap = polygon([(x - h * 0.1, ground - h * 0.96), (x, ground - h * 1.04), (x + h * 0.1, ground - h * 0.96)])
    c.figure([(pole, P.IRON), (cap, P.IRON), (lamp, P.GLASS_LIT if lit else P.GLASS)], ow)


def signpost(c, x, ground, h, signs, ow=1.0, snow=False):
    """A wooden post with arrow boards: `signs` are (height up the post 0..1, direction ±1,
    length, colour)."""
    post = box(x - h * 0.045, ground - h, x + h * 0.045, ground)
    c.outlined(post, P.WOOD, ow)
    c.shade(post, P.WOOD_SHADE, (h * 0.03, 0))
    boards = []
    for at, direction, length, colour in signs:
        y = ground - h * at
        bh = h * 0.16
        tip = x + direction * length
        back = x - direction * h * 0.08
        board = polygon([(back, y - bh / 2), (tip - direction * bh * 0.5, y - bh / 2), (tip, y),
                         (tip - direction * bh * 0.5, y + bh / 2), (back, y + bh / 2)])
        c.outlined(board, colour, ow)
        c.shade(board, P.WOOD_SHADE, (0, bh * 0.2), opacity=0.5)
        boards.append((board, y, bh))
        c.fill(circle(x, y, max(0.7, h * 0.02)), P.IRON)
    cap = polygon([(x - h * 0.07, ground - h), (x, ground - h * 1.06), (x + h * 0.07, ground - h)])
    c.outlined(cap, P.WOOD_SHADE, ow)
    if snow:
        c.outlined(circle(x, ground - h * 1.03, h * 0.05), P.SNOW, ow * 0.7)
    return boards
