"""Four-legged animals: the cat, the dogs, the pig, the fox, the egg-stealing weasel.

A `Beast` (body, head, legs, colours, ears, tail and extras) is drawn in a `Stride` (the four
legs' angles, the body's tilt and lift) by `draw_beast`, facing right with its paws on the
ground line. Leg angles follow the people's convention: degrees from straight down, positive
towards the front. Extras are functions drawn over the body: (canvas, Parts) -> None.
"""
import math
from dataclasses import dataclass

from .. import palette as P
from ..shapes import arc_points, bezier, circle, ellipse, path, polygon, stroke
from .person import add, along, light


@dataclass(frozen=True)
class Beast:
    coat: tuple                      # (colour, shade)
    body: tuple = (11.0, 6.5)        # half length, half height of the body
    head: float = 5.5                # head radius
    snout: tuple = (4.0, 3.0)        # length, height
    neck: tuple = (1.0, -6.5)        # head centre from the front of the body
    neck_width: float = None         # None: as thick as the head
    neck_bend: float = 0.0           # how far a long neck swings forward on its way up
    leg: tuple = (5.0, 5.0, 3.2)     # upper, lower, thickness
    belly: tuple = None              # lighter chest and belly (colour, shade)
    muzzle: tuple = None             # lighter snout (colour, shade)
    paws: tuple = None               # socks (colour, shade); None: the coat
    ears: str = "pointy"             # "pointy" | "floppy" | "pig" | "round"
    ear_colour: tuple = None
    tail: str = "thin"               # "thin" | "bushy" | "curly" | "wag" | "rope"
    tail_tip: tuple = None
    nose: tuple = (P.NOSE_BLACK, P.NOSE_BLACK)
    tongue: bool = False
    lids: bool = False               # heavy eyelids (the camel)
    humps: tuple = ()                # (x along the body, height, half width) of each hump
    extras: tuple = ()


@dataclass(frozen=True)
class Stride:
    front: tuple                     # ((upper, lower) near, (upper, lower) far)
    hind: tuple
    tilt: float = 0.0                # body pitch, positive: nose down
    lift: float = 0.0                # body raised above standing height
    tail: float = 0.0                # tail swing, -1..1
    ears: float = 0.0                # ear flop, -1..1
    head: tuple = (0.0, 0.0)         # the head moved from its place (tossed up, thrust forward)


WALK = (
    Stride(front=((4.0, 0.0), (-4.0, 0.0)), hind=((-4.0, 0.0), (4.0, 0.0)), lift=0.5),
    Stride(front=((22.0, 8.0), (-18.0, -10.0)), hind=((-20.0, -12.0), (18.0, 6.0)), tilt=1.0),
    Stride(front=((-4.0, 0.0), (4.0, 0.0)), hind=((4.0, 0.0), (-4.0, 0.0)), lift=0.5),
    Stride(front=((-18.0, -10.0), (22.0, 8.0)), hind=((18.0, 6.0), (-20.0, -12.0)), tilt=-1.0),
)
GALLOP = (
    Stride(front=((-20.0, 5.0), (-35.0, -5.0)), hind=((40.0, -5.0), (25.0, -20.0)), tilt=-4.0, lift=1.0,
           tail=0.5, ears=-0.5),
    Stride(front=((35.0, 60.0), (20.0, 45.0)), hind=((-25.0, -50.0), (-10.0, -35.0)), tilt=2.0, lift=0.5,
           tail=-0.5, ears=0.5),
    Stride(front=((55.0, 75.0), (45.0, 70.0)), hind=((-50.0, -75.0), (-40.0, -65.0)), tilt=0.0, lift=2.0,
           tail=0.0, ears=1.0),
    Stride(front=((5.0, -5.0), (20.0, 30.0)), hind=((-30.0, -55.0), (10.0, -10.0)), tilt=4.0, lift=0.0,
           tail=1.0, ears=0.0),
)


class Parts:
    """The placed joints of one beast in one stride, for extras to draw on."""

    def __init__(self, beast, stride, x, ground):
        self.beast, self.stride = beast, stride
        rx, ry = beast.body
        up, low, _ = beast.leg
        t = math.radians(stride.tilt)
        self.cos, self.sin = math.cos(t), math.sin(t)
        roots = {"front": (rx * 0.55, ry * 0.35), "hind": (-rx * 0.6, ry * 0.35)}
        legs = []
        for end in ("front", "hind"):
            for i, (a, b) in enumerate(getattr(stride, end)):
                root = self.turn(roots[end])
                knee = add(root, along(a, up))
                legs.append((end, i, root, knee, add(knee, along(b, low))))
        paw_r = 1.6
        drop = max(p[1] for *_, p in legs) + paw_r
        self.centre = (x, ground - drop - stride.lift)
        self.legs = [(end, i, self.at(r), self.at(k), self.at(p)) for end, i, r, k, p in legs]
        nx, ny = beast.neck
        hx, hy = self.at(self.turn((rx + nx, ny)))
        self.head = (hx + stride.head[0], hy + stride.head[1])

    def turn(self, p):
        return (p[0] * self.cos - p[1] * self.sin, p[0] * self.sin + p[1] * self.cos)

    def at(self, p):
        """A point of the body's frame (from its centre, before the tilt is applied) placed."""
        return (self.centre[0] + p[0], self.centre[1] + p[1])

    def body_point(self, p):
        return self.at(self.turn(p))

    def body_shape(self, shape):
        return shape.map(self.body_point)


def _leg(parts, leg, far):
    beast = parts.beast
    end, _, root, knee, paw = leg
    colours = beast.paws or beast.coat
    thick = beast.leg[2]
    limb = stroke([root, knee, paw], thick)
    foot = ellipse(paw[0] + 0.6, paw[1] - 0.2, thick * 0.55 + 0.4, thick * 0.42)
    shade = 1 if far else 0
    return limb, foot, beast.coat[shade], colours[shade]


def draw_beast(c, beast, stride, x, ground, mood="happy"):
    """The beast facing right, its body centred on x, paws on `ground`. Marks "body"."""
    parts = Parts(beast, stride, x, ground)
    rx, ry = beast.body
    far_legs = [leg for leg in parts.legs if leg[1] == 1]
    near_legs = [leg for leg in parts.legs if leg[1] == 0]
    for leg in far_legs:
        limb, foot, coat, sock = _leg(parts, leg, True)
        c.figure([(limb, coat), (foot, sock)])
        if beast.paws:
            c.fill(stroke([leg[3], leg[4]], beast.leg[2]), sock, clip=limb)
    _tail(c, parts)
    body = parts.body_shape(ellipse(0, 0, rx, ry))
    head = circle(*parts.head, beast.head)
    hx, hy = parts.head
    sl, sh = beast.snout
    snout = ellipse(hx + beast.head * 0.7 + sl * 0.45, hy + beast.head * 0.3, sl * 0.75 + 1.0, sh * 0.5)
    root = parts.body_point((rx * 0.6, -ry * 0.1))
    bend = (root[0] + beast.neck_bend, (root[1] + hy) / 2 + beast.neck_bend * 0.3)
    neck = stroke(bezier(root, bend, (hx - 1.0, hy + 1.0)), beast.neck_width or beast.head * 1.3)
    _ears(c, parts, behind=True)
    humps = [parts.body_shape(path(bezier((x - w, -ry * 0.6), (x - w * 0.6, -ry - h * 1.3), (x + w * 0.6, -ry - h * 1.3),
                                          (x + w, -ry * 0.6))))
             for x, h, w in beast.humps]
    c.figure([(hump, beast.coat[0]) for hump in humps]
             + [(body, beast.coat[0]), (neck, beast.coat[0]), (head, beast.coat[0]), (snout, beast.coat[0])])
    for hump in humps:
        c.shade(hump, beast.coat[1], light(1.6))
    c.shade(body, beast.coat[1], light(1.8))
    if beast.belly:
        belly = parts.body_shape(ellipse(rx * 0.4, ry * 0.75, rx * 0.55, ry * 0.42))
        c.fill(belly, beast.belly[0], clip=body)
        chest = ellipse(hx + beast.head * 0.4, hy + beast.head * 0.8, beast.head * 0.75, beast.head * 0.7)
        c.fill(chest, beast.belly[0], clip=head + neck)
    c.shade(head, beast.coat[1], light(1.1))
    if beast.muzzle:
        c.fill(snout, beast.muzzle[0])
        c.fill(ellipse(hx + beast.head * 0.45, hy + beast.head * 0.55, beast.head * 0.5, beast.head * 0.35),
               beast.muzzle[0], clip=head)
    for extra in beast.extras:
        extra(c, parts)
    _ears(c, parts, behind=False)
    _face(c, parts, snout, mood)
    for leg in near_legs:
        limb, foot, coat, sock = _leg(parts, leg, False)
        c.figure([(limb, coat), (foot, sock)])
        if beast.paws:
            c.fill(stroke([leg[3], leg[4]], beast.leg[2]), sock, clip=limb)
        c.shade(limb, beast.coat[1], light(0.9))
    c.mark("body", body + head + snout)
    return parts


def _tail(c, parts):
    beast, s = parts.beast, parts.stride
    rx, ry = beast.body
    base = parts.body_point((-rx * 0.92, -ry * 0.25))
    bx, by = base
    w = s.tail
    if beast.tail == "thin":
        pts = bezier(base, (bx - 6, by - 2 + w * 2), (bx - 5, by - 10 + w), (bx - 9 + w * 2, by - 13))
        shape = stroke(pts, 2.2)
    elif beast.tail == "wag":
        pts = bezier(base, (bx - 4, by - 2), (bx - 6 + w * 3, by - 7), (bx - 4 + w * 4, by - 10))
        shape = stroke(pts, 2.4)
    elif beast.tail == "rope":
        pts = bezier(base, (bx - 3.0, by + 2.0), (bx - 3.5 + w, by + 8.0), (bx - 3.0 + w * 1.5, by + 12.0))
        shape = stroke(pts, 1.6) + ellipse(pts[-1][0], pts[-1][1] + 1.0, 1.4, 2.2)
    elif beast.tail == "curly":
        pts = [(bx - 1.5 - 1.8 * math.cos(k * 0.5) * (1 - k / 22), by - 1.5 - 1.8 * math.sin(k * 0.5) * (1 - k / 22))
               for k in range(18)]
        shape = stroke([base] + pts, 1.3)
    else:
        top = bezier(base, (bx - 6, by - 5 + w * 2), (bx - 14, by - 5 + w * 3), (bx - 19, by - 1 + w * 3))
        bottom = bezier((bx - 19, by - 1 + w * 3), (bx - 13, by + 4 + w * 2), (bx - 6, by + 4), (bx + 1, by + 3))
        shape = path(top, bottom)
    c.figure([(shape, beast.coat[0])])
    c.shade(shape, beast.coat[1], light(1.0))
    if beast.tail_tip:
        tip = circle(bx - 17.5, by + 0.5 + w * 3, 3.2) if beast.tail == "bushy" else circle(*pts[-1], 1.6)
        c.fill(tip, beast.tail_tip[0], clip=shape)


def _ears(c, parts, behind):
    beast, s = parts.beast, parts.stride
    hx, hy = parts.head
    r = beast.head
    colour = beast.ear_colour or beast.coat
    flop = s.ears
    dx = -1.8 if behind else 0.6
    if beast.ears == "pointy":
        ear = polygon([(hx + dx - r * 0.45, hy - r * 0.55), (hx + dx - r * 0.2 - flop * 0.8, hy - r * 1.55),
                       (hx + dx + r * 0.45, hy - r * 0.75)])
        c.outlined(ear, colour[1] if behind else colour[0])
        if not behind:
            c.fill(polygon([(hx + dx - r * 0.2, hy - r * 0.7), (hx + dx - r * 0.15 - flop * 0.6, hy - r * 1.25),
                            (hx + dx + r * 0.2, hy - r * 0.8)]), P.PAW_PAD, opacity=0.8)
    elif beast.ears == "floppy":
        if behind:
            return
        ear = path(bezier((hx - r * 0.5, hy - r * 0.7), (hx - r * 1.3, hy - r * 0.9 - flop * 2),
                          (hx - r * 1.5, hy + r * 0.3 - flop * 2), (hx - r * 0.8, hy + r * 0.6 - flop * 2)),
                   bezier((hx - r * 0.8, hy + r * 0.6 - flop * 2), (hx - r * 0.5, hy), (hx - r * 0.2, hy - r * 0.6)))
        c.outlined(ear, colour[0])
        c.shade(ear, colour[1], light(0.8))
    elif beast.ears == "pig":
        ear = polygon([(hx + dx - r * 0.5, hy - r * 0.6), (hx + dx - r * 0.1, hy - r * 1.35 - flop * 0.5),
                       (hx + dx + r * 0.5, hy - r * 0.75)])
        c.outlined(ear, colour[1] if behind else colour[0])
    else:
        ear = circle(hx + dx - r * 0.2, hy - r * 0.85, r * 0.4)
        c.outlined(ear, colour[1] if behind else colour[0])


def _face(c, parts, snout, mood):
    """Eye, brow, nose and mouth. Moods: "happy", "angry" (brows down, teeth bared), "shock"
    (tiny pupil, mouth open), "spit" (mouth open), "dizzy" (crossed-out eye)."""
    beast = parts.beast
    hx, hy = parts.head
    r = beast.head
    sl, sh = beast.snout
    tip = (hx + r * 0.7 + sl * 1.2 + 0.6, hy + r * 0.22)
    ex, ey = hx + r * 0.35, hy - r * 0.2
    white = ellipse(ex, ey, r * 0.32, r * 0.42)
    c.outlined(white, P.EYE_WHITE, 0.6)
    if mood == "dizzy":
        c.fill(stroke([(ex - 0.9, ey - 0.9), (ex + 0.9, ey + 0.9)], 0.6)
               + stroke([(ex - 0.9, ey + 0.9), (ex + 0.9, ey - 0.9)], 0.6), P.PUPIL)
    else:
        pupil = r * (0.12 if mood == "shock" else 0.21)
        c.fill(circle(ex + r * 0.12, ey - r * 0.02, pupil), P.ANGER if mood == "angry" and beast.lids else P.PUPIL,
               clip=white)
        c.fill(circle(ex + r * 0.18, ey - r * 0.12, r * 0.08), P.WHITE)
    if beast.lids and mood not in ("shock", "dizzy"):
        c.fill(ellipse(ex, ey - r * 0.32, r * 0.4, r * 0.3), beast.coat[1], clip=white)
        c.fill(stroke(arc_points(ex, ey - r * 0.05, r * 0.33, r * 0.1, 180, 360), 0.6), P.OUTLINE)
    slant = {"angry": 0.45, "shock": -0.25}.get(mood, -0.1)
    lift = 0.3 if mood == "shock" else 0.0
    c.fill(stroke([(ex - r * 0.32, ey - r * (0.52 + lift) - slant * r * 0.3),
                   (ex + r * 0.32, ey - r * (0.5 + lift) + slant * r * 0.3)], 0.8), P.OUTLINE)
    if beast.ears == "pig":
        disc = ellipse(tip[0] - 0.6, tip[1], 1.4, sh * 0.55)
        c.outlined(disc, P.PIG_SNOUT, 0.8)
        for dy in (-0.7, 0.7):
            c.fill(circle(tip[0] - 0.4, tip[1] + dy, 0.35), P.PIG_PINK_SHADE)
    else:
        c.fill(ellipse(tip[0] - 0.8, tip[1] - sh * 0.2, 1.3, 1.0), beast.nose[0])
    if mood in ("shock", "spit"):
        gape = ellipse(tip[0] - sl * 0.55, tip[1] + sh * 0.5, sl * 0.3 + 0.6, sh * 0.35)
        c.outlined(gape, P.MOUTH, 0.6)
        return
    if mood == "angry":
        teeth = path(bezier((tip[0] - sl * 1.1, tip[1] + sh * 0.2), (tip[0] - sl * 0.5, tip[1] + sh * 0.25),
                            (tip[0] - 0.8, tip[1] + sh * 0.25)),
                     bezier((tip[0] - 0.8, tip[1] + sh * 0.25), (tip[0] - sl * 0.4, tip[1] + sh * 0.75),
                            (tip[0] - sl * 1.0, tip[1] + sh * 0.6)))
        c.outlined(teeth, P.TOOTH, 0.6)
        return
    mouth = bezier((tip[0] - 1.2, tip[1] + sh * 0.4), (tip[0] - sl * 0.6, tip[1] + sh * 0.55),
                   (tip[0] - sl * 1.1, tip[1] + sh * 0.2))
    c.fill(stroke(mouth, 0.7), P.OUTLINE)
    if beast.tongue:
        t = (tip[0] - sl * 0.7, tip[1] + sh * 0.5)
        tongue = path(arc_points(t[0], t[1] + 1.2, 1.2, 2.0, 0, 180))
        c.outlined(tongue, P.TONGUE, 0.6)
