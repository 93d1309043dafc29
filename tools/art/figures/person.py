"""People: the villagers, the winter folk, the stake men, the water carrier and the flung boy.

A person is a `Look` (build, colours and the items they wear) in a `Pose` (joint angles, mood),
drawn standing on a ground point with `draw_person`. Angles are degrees from straight down,
turning towards the way the person faces: 0 hangs down, 90 points forward, 180 straight up,
-90 backwards. The figure keeps its feet on the ground by itself: the hip rises or sinks to
the longer leg. Light comes from the upper left whichever way the person faces.

Items (hair, hats, aprons, baskets; see `wardrobe.py`) are small functions of the canvas and the
skeleton, each drawn in one of the LAYERS: "back" behind everything, "far" over the far arm and
leg, "torso" over the shirt, "hair" under the face, "head" over the face, "front" over the near
arm.
"""
import math
from dataclasses import dataclass

from .. import palette as P
from ..shapes import arc_points, bezier, circle, ellipse, path, stroke
from .splat import draw_splat


def along(angle, length=1.0):
    """Local vector of `length` at `angle` (degrees from straight down, towards the front)."""
    a = math.radians(angle)
    return (math.sin(a) * length, math.cos(a) * length)


def add(p, q, k=1.0):
    return (p[0] + q[0] * k, p[1] + q[1] * k)


@dataclass(frozen=True)
class Build:
    thigh: float = 6.5
    shin: float = 6.5
    torso: float = 16.0      # hip to the top of the shoulders
    chest: float = 6.8       # half-width at the shoulders
    waist: float = 7.6       # half-width at the hips
    belly: float = 0.0       # how far the belly bulges forward
    head: float = 7.5        # head radius
    arm: float = 7.5         # upper arm and forearm, each
    limb: float = 4.8        # thickness of arms and legs
    hand: float = 2.3
    foot: float = 4.6        # shoe length

    def scaled(self, k):
        """The same build `k` times the size."""
        return Build(**{name: value * k for name, value in self.__dict__.items()})


@dataclass(frozen=True)
class Look:
    build: Build
    top: tuple                              # shirt or coat: (colour, shade)
    legs: tuple                             # trousers: (colour, shade)
    skin: tuple = (P.SKIN, P.SKIN_SHADE)
    sleeves: tuple = None                   # arms, when they differ from the top
    short_sleeves: bool = False             # bare forearms
    bare_shins: bool = False                # shorts or a skirt: bare lower legs
    shoes: tuple = (P.SHOE, P.SHOE_SHADE)
    gloves: tuple = None                    # mittens instead of bare hands
    items: tuple = ()                       # (layer, draw(canvas, skeleton)) pairs
    nose: float = 2.0                       # radius of the big round nose
    eyes: float = 1.0                       # size factor of the eyes


@dataclass(frozen=True)
class Pose:
    near_leg: tuple = (0.0, 0.0)            # (thigh, shin) angles
    far_leg: tuple = (0.0, 0.0)
    near_arm: tuple = (8.0, 20.0)           # (upper arm, forearm) angles
    far_arm: tuple = (-8.0, 10.0)
    bob: float = 0.0                        # raise the whole body (a hop, a step)
    lean: float = 0.0                       # torso lean forward
    tilt: float = 0.0                       # head tilt forward
    mood: str = "grumpy"                    # a key of BROWS
    gaze: tuple = (0.5, -0.6)               # where the pupils look (-1..1)
    held: str = None                        # "stone" | "snowball" in the near hand
    splat: bool = False                     # a dropping landed on the head
    open_hands: bool = False
    reach: tuple = (None, None)             # hand targets (near, far) relative to the neck;
                                            # a target overrides that arm's angles


LAYERS = ("back", "far", "torso", "hair", "head", "front")


class Skeleton:
    """Joint positions of one person in one pose, and the map from local units to the canvas."""

    def __init__(self, look, pose, x, ground, facing=1, spin=0.0):
        self.look, self.pose, self.build = look, pose, look.build
        self.x, self.ground, self.facing = x, ground, facing
        a = math.radians(spin)
        self.spin = (math.cos(a), math.sin(a))
        b = self.build
        legs = []
        for thigh, shin in (pose.near_leg, pose.far_leg):
            knee = along(thigh, b.thigh)
            legs.append((knee, add(knee, along(shin, b.shin))))
        ankle_height = 2.35      # the sole of the shoe touches the ground
        hip_y = -max(a[1] for _, a in legs) - ankle_height - pose.bob
        self.hip = (0.0, hip_y)
        self.knees = [add(self.hip, k) for k, _ in legs]
        self.ankles = [add(self.hip, a) for _, a in legs]
        self.up = along(180.0 - pose.lean)
        self.neck = add(self.hip, self.up, b.torso)
        self.shoulders = [self.torso_point(1.2, b.torso - 3.0), self.torso_point(-1.0, b.torso - 2.6)]
        self.elbows, self.hands = [], []
        for sh, angles, target in zip(self.shoulders, (pose.near_arm, pose.far_arm), pose.reach):
            upper, fore = angles if target is None else reach(sh, add(self.neck, target), b.arm)
            elbow = add(sh, along(upper, b.arm))
            self.elbows.append(elbow)
            self.hands.append(add(elbow, along(fore, b.arm)))
        self.head = self.torso_point(-0.4, b.torso + b.head * 0.92)

    def torso_point(self, forward, height):
        """A point `height` up the torso axis and `forward` across it."""
        fx, fy = -self.up[1], self.up[0]      # the axis turned a quarter towards the front
        return (self.hip[0] + self.up[0] * height + fx * forward,
                self.hip[1] + self.up[1] * height + fy * forward)

    def head_point(self, dx, dy):
        """A point of the head's own frame: (dx, dy) from its centre, turned by the tilt."""
        a = math.radians(self.pose.tilt + self.pose.lean * 0.5)
        c, s = math.cos(a), math.sin(a)
        return (self.head[0] + dx * c - dy * s, self.head[1] + dx * s + dy * c)

    def point(self, p):
        """Local units to the canvas: turned by the spin about the body's middle, then placed."""
        c, s = self.spin
        pivot = self.hip[1] - self.build.torso * 0.4
        mx, my = p[0], p[1] - pivot
        x, y = mx * c - my * s, mx * s + my * c + pivot
        return (self.x + x * self.facing, self.ground + y)

    def __call__(self, shape):
        """A shape in local units placed on the canvas."""
        return shape.map(self.point)

    def on_head(self, shape):
        """A shape drawn in the head's frame (units from the head centre) placed on the canvas."""
        return shape.map(lambda p: self.point(self.head_point(*p)))

    def on_torso(self, shape):
        """A shape drawn in the torso's frame (x across, y up from the hip, negative up)."""
        return shape.map(lambda p: self.point(self.torso_point(p[0], -p[1])))


def light(depth=1.2):
    return (depth * 0.8, depth)


# --- the body ---------------------------------------------------------------------------------

def torso_shape(b):
    """The torso in torso units: x across (front positive), y up negative, hip centre at 0."""
    top = -b.torso
    front = bezier((b.waist * 0.9, 0.8), (b.waist + 0.6 + b.belly * 1.5, top * 0.3),
                   (b.chest + 0.4 + b.belly * 0.6, top * 0.8), (b.chest * 0.7, top + 0.6))
    shoulders = bezier((b.chest * 0.7, top + 0.6), (b.chest * 0.3, top - 0.8),
                       (-b.chest * 0.5, top - 0.8), (-b.chest * 0.85, top + 1.4))
    back = bezier((-b.chest * 0.85, top + 1.4), (-b.chest * 1.15, top * 0.6), (-b.waist - 0.6, top * 0.15),
                  (-b.waist * 0.9, 0.8))
    seat = bezier((-b.waist * 0.9, 0.8), (-b.waist * 0.5, 2.4), (b.waist * 0.5, 2.4), (b.waist * 0.9, 0.8))
    return path(front, shoulders, back, seat)


def head_shape(sk):
    b, look = sk.build, sk.look
    skull = ellipse(0, 0, b.head, b.head * 1.04)
    nose = circle(b.head * 0.92, b.head * 0.18, look.nose)
    return sk.on_head(skull + nose)


def leg_shapes(sk, i):
    """(trouser leg, bare shin or None, shoe) of leg i (0 near, 1 far)."""
    b, look = sk.build, sk.look
    hip = sk.torso_point(0.6 - i * 1.2, 0.5)
    knee, ankle = sk.knees[i], sk.ankles[i]
    shin_angle = (sk.pose.near_leg, sk.pose.far_leg)[i][1]
    toe_down = max(0.0, -shin_angle) * 0.7 + max(0.0, sk.pose.bob * 3.0)
    shoe = ellipse(ankle[0] + b.foot * 0.32, ankle[1] + 0.6, b.foot * 0.62, 1.75)
    shoe = shoe.rotated(toe_down, ankle)
    if look.bare_shins:
        return sk(stroke([hip, knee], b.limb)), sk(stroke([knee, ankle], b.limb * 0.7)), sk(shoe)
    return sk(stroke([hip, knee, ankle], b.limb)), None, sk(shoe)


def arm_shapes(sk, i):
    """(sleeve, bare forearm or None, hand) of arm i (0 near, 1 far)."""
    b, look = sk.build, sk.look
    sh, el, hd = sk.shoulders[i], sk.elbows[i], sk.hands[i]
    if sk.pose.open_hands:
        hand = ellipse(hd[0], hd[1], b.hand * 1.2, b.hand * 1.2) + _fingers(sk, i)
    else:
        hand = circle(hd[0], hd[1], b.hand)
    if look.short_sleeves:
        mid = add(sh, ((el[0] - sh[0]) * 0.6, (el[1] - sh[1]) * 0.6))
        return sk(stroke([sh, mid], b.limb)), sk(stroke([mid, el, hd], b.limb * 0.72)), sk(hand)
    return sk(stroke([sh, el, hd], b.limb)), None, sk(hand)


def _fingers(sk, i):
    el, hd = sk.elbows[i], sk.hands[i]
    dx, dy = hd[0] - el[0], hd[1] - el[1]
    n = math.hypot(dx, dy) or 1.0
    dx, dy = dx / n, dy / n
    r = sk.build.hand
    out = None
    for spread in (-45.0, 0.0, 45.0):
        a = math.radians(spread)
        fx, fy = dx * math.cos(a) - dy * math.sin(a), dx * math.sin(a) + dy * math.cos(a)
        finger = stroke([hd, (hd[0] + fx * r * 1.9, hd[1] + fy * r * 1.9)], r * 0.75)
        out = finger if out is None else out + finger
    return out


def _pair(look_pair, far):
    return look_pair[1] if far else look_pair[0]


def draw_limb(c, parts, colours, far):
    """One arm or leg: the clothed part, a bare part and the hand or shoe, one outline."""
    cloth, bare, end = parts
    cloth_c, bare_c, end_c = colours
    items = [(cloth, _pair(cloth_c, far))]
    if bare is not None:
        items.insert(0, (bare, _pair(bare_c, far)))
    items.append((end, _pair(end_c, far)))
    c.figure(items)
    if not far:
        c.shade(cloth, cloth_c[1], light(1.0))


def reach(shoulder, target, length):
    """(upper arm, forearm) angles that put the hand of an arm of two `length` bones on the
    target, the elbow bending down and out; a target out of reach gets a straight arm."""
    dx, dy = target[0] - shoulder[0], target[1] - shoulder[1]
    aim = math.degrees(math.atan2(dx, dy))
    bend = math.degrees(math.acos(min(1.0, math.hypot(dx, dy) / (2 * length))))
    return aim - bend, aim + bend


def draw_person(c, look, pose, x, ground, facing=1, spin=0.0):
    """Draw a person standing on (x, ground), the point between the feet, or tumbling by
    `spin` degrees about the middle of the body. Marks the parts
    "body" (head and torso) and "head" for collision boxes; returns the skeleton."""
    sk = Skeleton(look, pose, x, ground, facing, spin)
    b = look.build
    sleeves = look.sleeves or look.top
    hands = look.gloves or look.skin

    _items(c, sk, "back")
    draw_limb(c, arm_shapes(sk, 1), (sleeves, look.skin, hands), far=True)
    draw_limb(c, leg_shapes(sk, 1), (look.legs, look.skin, look.shoes), far=True)
    _items(c, sk, "far")

    torso = sk.on_torso(torso_shape(b))
    head = head_shape(sk)
    near_leg, near_shin, near_shoe = leg_shapes(sk, 0)
    parts = [(near_leg, look.legs[0]), (near_shoe, look.shoes[0]), (torso, look.top[0]),
             (head, look.skin[0])]
    if near_shin is not None:
        parts.insert(0, (near_shin, look.skin[0]))
    c.figure(parts)
    c.shade(near_leg, look.legs[1], light(1.0))
    c.shade(torso, look.top[1], light(1.8))
    c.shade(head, look.skin[1], light(1.0))
    _items(c, sk, "torso")
    _items(c, sk, "hair")
    draw_face(c, sk)
    _items(c, sk, "head")

    draw_limb(c, arm_shapes(sk, 0), (sleeves, look.skin, hands), far=False)
    if pose.held:
        held(c, sk, pose.held)
    _items(c, sk, "front")
    if pose.splat:
        splat(c, sk)
    c.mark("body", torso + head)
    c.mark("head", head)
    return sk


def _items(c, sk, layer):
    for item_layer, item in sk.look.items:
        if item_layer not in LAYERS:
            raise ValueError(f"unknown item layer {item_layer!r}")
        if item_layer == layer:
            item(c, sk)


def held(c, sk, what):
    hx, hy = sk.hands[0]
    k = max(1.0, sk.build.hand / 2.3)          # a giant's stone is a boulder
    ball = sk(circle(hx + 0.8 * k, hy - 1.6 * k, (2.6 if what == "stone" else 2.8) * k))
    colour, shade = ((P.STONE, P.STONE_SHADE) if what == "stone" else (P.POMPOM, P.POMPOM_SHADE))
    c.outlined(ball, colour)
    c.shade(ball, shade, light(0.9))


# --- the face ---------------------------------------------------------------------------------

# Every mood: how far the brows lift and how steeply they slant down to the nose.
BROWS = {"grumpy": (1.0, 9.0), "sneer": (1.2, 16.0), "grit": (1.5, 24.0), "shout": (1.6, 30.0),
         "shock": (3.0, -14.0), "squint": (2.2, 18.0), "laugh": (2.6, -8.0), "dizzy": (2.8, -10.0),
         "calm": (2.6, 0.0)}

def feature_scale(sk):
    """Faces are drawn for heads of radius up to 8; bigger heads (the giant's) get their
    features enlarged."""
    k = max(1.0, sk.build.head / 8.0)
    return k, (lambda shape: sk.on_head(shape.scaled(k)))


def draw_face(c, sk):
    b, look, pose = sk.build, sk.look, sk.pose
    k, H = feature_scale(sk)
    r, e, nose = b.head / k, look.eyes, look.nose / k
    mood = pose.mood
    ear = H(ellipse(-r * 0.28, r * 0.12, 1.5, 2.1))
    c.outlined(ear, look.skin[0])
    c.fill(H(ellipse(-r * 0.26, r * 0.16, 0.6, 1.0)), look.skin[1])
    eyes = ((r * 0.3, -r * 0.14, 1.0), (r * 0.76, -r * 0.18, 0.78))
    ew, eh = r * 0.2 * e, r * 0.27 * e
    if mood in ("squint", "laugh"):
        for ex, ey, w in eyes:
            if mood == "squint":
                pts = [(ex - 1.6 * w * e, ey - 1.4), (ex + 0.4 * w * e, ey), (ex - 1.6 * w * e, ey + 1.4)]
                if ex > r * 0.5:
                    pts = [(ex + 1.2 * w * e, ey - 1.4), (ex - 0.6 * w * e, ey), (ex + 1.2 * w * e, ey + 1.4)]
            else:
                pts = arc_points(ex, ey + 0.6, 1.6 * w * e, 1.4, 200, 340)
            c.fill(H(stroke(pts, 0.9)), P.OUTLINE)
    else:
        for ex, ey, w in eyes:
            white = H(ellipse(ex, ey, ew * w, eh))
            c.outlined(white, P.EYE_WHITE, 0.7)
            if mood == "dizzy":
                spiral = [(ex + 0.16 * t * math.cos(t * 1.3), ey + 0.18 * t * math.sin(t * 1.3))
                          for t in [k * 0.45 for k in range(16)]]
                c.fill(H(stroke(spiral, 0.6)), P.PUPIL)
                continue
            size = 0.6 if mood == "shock" else 1.0
            gx, gy = pose.gaze
            c.fill(H(circle(ex + gx * 0.5 * ew * w, ey + gy * 0.4 * eh, size * r * 0.13 * e)), P.PUPIL,
                   clip=white)
    lift, slant = BROWS[mood]
    brows = None
    for ex, ey, w in eyes:
        half = 1.7 * w
        drop = math.tan(math.radians(slant)) * half
        brow = stroke([(ex - half, ey - eh - lift * 0.6 - 0.6 - drop * 0.4),
                       (ex + half, ey - eh - lift * 0.6 - 0.6 + drop)], 1.1)
        brows = brow if brows is None else brows + brow
    c.fill(H(brows), P.OUTLINE)
    nx, ny = r * 0.92, r * 0.18
    c.fill(H(circle(nx + 0.4, ny + 0.4, nose * 0.75)), P.NOSE_TIP, opacity=0.45)
    c.fill(H(circle(nx - 0.5, ny - 0.7, nose * 0.3)), P.WHITE, opacity=0.7)
    if mood not in ("shout", "shock"):
        c.fill(H(ellipse(r * 0.3, r * 0.42, 1.5, 1.0)), P.BLUSH, opacity=0.45)
    draw_mouth(c, sk, mood)


def draw_mouth(c, sk, mood):
    k, H = feature_scale(sk)
    r = sk.build.head / k
    mx, my = r * 0.62, r * 0.6
    if mood in ("grumpy", "calm"):
        bend = 200, 340
        pts = arc_points(mx, my + (1.4 if mood == "grumpy" else -0.6), 1.9, 1.2,
                         *(bend if mood == "grumpy" else (20, 160)))
        c.fill(H(stroke(pts, 0.9)), P.OUTLINE)
    elif mood == "sneer":
        c.fill(H(stroke(bezier((mx - 2.0, my + 0.6), (mx, my + 0.2), (mx + 1.5, my - 1.0)), 0.9)),
               P.OUTLINE)
    elif mood in ("grit", "laugh"):
        teeth = H(path(bezier((mx - 2.4, my - 0.6), (mx, my - 1.2), (mx + 2.2, my - 0.9)),
                       bezier((mx + 2.2, my - 0.9), (mx + 1.8, my + (2.6 if mood == "laugh" else 1.4)),
                              (mx - 1.6, my + (2.8 if mood == "laugh" else 1.6)), (mx - 2.4, my - 0.6))))
        c.outlined(teeth, P.TOOTH if mood == "grit" else P.MOUTH, 0.8)
        if mood == "grit":
            c.fill(H(stroke([(mx - 2.2, my + 0.1), (mx + 2.0, my + 0.1)], 0.5)), P.OUTLINE)
        else:
            c.fill(H(ellipse(mx, my + 1.2, 1.3, 0.8)), P.TONGUE, clip=teeth)
            c.fill(H(stroke([(mx - 1.8, my - 0.5), (mx + 1.8, my - 0.7)], 0.9)), P.TOOTH, clip=teeth)
    elif mood == "shout":
        m = H(ellipse(mx, my + 0.6, 2.2, 2.0, -10))
        c.outlined(m, P.MOUTH, 0.8)
        c.fill(H(ellipse(mx - 0.2, my + 1.8, 1.4, 0.8)), P.TONGUE, clip=m)
        c.fill(H(stroke([(mx - 1.8, my - 0.8), (mx + 1.8, my - 1.1)], 0.9)), P.TOOTH, clip=m)
    elif mood == "shock":
        m = H(ellipse(mx, my + 0.9, 1.3, 1.9))
        c.outlined(m, P.MOUTH, 0.8)
    elif mood == "dizzy":
        pts = [(mx - 2.0 + 0.5 * k, my + 0.6 + 0.6 * math.sin(k * 1.6)) for k in range(9)]
        c.fill(H(stroke(pts, 0.8)), P.OUTLINE)


# --- the hit --------------------------------------------------------------------------------------

def splat(c, sk, size=1.3):
    """A dropping burst on the top of the head."""
    r = sk.build.head
    draw_splat(c, 0.0, -r * 1.02 + 2.0 * size, size, sk.on_head)
