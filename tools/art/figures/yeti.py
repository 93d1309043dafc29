"""The yetis: hunched white giants with shaggy fur, long arms, a pale blue face under a heavy
brow and two little fangs.

`draw_yeti` draws one standing on (x, ground) in a `YetiPose` (limb angles as the people's:
degrees from straight down, positive towards the front), any size (`scale` 1 is about 66 px
tall), facing either way; `turn` tips the whole figure about its feet (a yeti lying on its
belly is one turned by about 80 degrees). Marks "body" (body and head, not arms and legs).
"""
import math
from dataclasses import dataclass

from .. import palette as P
from ..shapes import arc_points, bezier, circle, ellipse, path, polygon, stroke
from .person import add, along, light
from .splat import draw_splat

FUR = (P.YETI_FUR, P.YETI_FUR_SHADE)
SKIN = (P.YETI_SKIN, P.YETI_SKIN_SHADE)
THIGH, SHIN = 7.0, 6.5
UPPER_ARM, FOREARM = 14.0, 13.0
TORSO = 28.0


@dataclass(frozen=True)
class YetiPose:
    near_arm: tuple = (15.0, 10.0)
    far_arm: tuple = (-10.0, 5.0)
    near_leg: tuple = (5.0, 0.0)
    far_leg: tuple = (-5.0, 0.0)
    lean: float = 0.0
    bob: float = 0.0
    mouth: str = "grin"          # "grin" | "roar" | "shock" | "shut"
    eyes: str = "calm"           # "calm" | "angry" | "shock" | "dizzy" | "closed"
    splat: bool = False
    snow: float = 0.0            # size of a snow heap held over the head (0: none)
    open_hands: bool = False


def shaggy(points, depth, every=2):
    """A closed outline with fur: every `every`-th point pushed outwards by `depth`."""
    n = len(points)
    cx = sum(p[0] for p in points) / n
    cy = sum(p[1] for p in points) / n
    out = []
    for k, (x, y) in enumerate(points):
        if k % every == 0:
            dx, dy = x - cx, y - cy
            d = math.hypot(dx, dy) or 1.0
            out.append((x + dx / d * depth, y + dy / d * depth))
        else:
            out.append((x, y))
    return polygon(out)


def _resample(points, step):
    out = [points[0]]
    for a, b in zip(points, points[1:]):
        d = math.dist(a, b)
        for k in range(1, max(1, int(d / step)) + 1):
            t = k / max(1, int(d / step))
            out.append((a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t))
    return out


def limb_outline(points, width, tuft):
    """A thick limb along `points` whose sides are ragged with fur."""
    sides = []
    for sign in (1.0, -1.0):
        edge = []
        for k, p in enumerate(points):
            a = points[max(0, k - 1)]
            b = points[min(len(points) - 1, k + 1)]
            d = math.dist(a, b) or 1.0
            edge.append((p[0] - (b[1] - a[1]) / d * width / 2 * sign, p[1] + (b[0] - a[0]) / d * width / 2 * sign))
        edge = _resample(edge, 2.2)
        ragged = []
        for k, (x, y) in enumerate(edge):
            q = edge[min(len(edge) - 1, k + 1)] if k + 1 < len(edge) else edge[k - 1]
            d = math.dist((x, y), q) or 1.0
            nx, ny = -(q[1] - y) / d * sign, (q[0] - x) / d * sign
            if k + 1 >= len(edge):
                nx, ny = -nx, -ny
            push = tuft if k % 2 else 0.0
            ragged.append((x + nx * push, y + ny * push))
        sides.append(ragged)
    return polygon(sides[0] + list(reversed(sides[1]))) + stroke(points, width)


class YetiFrame:
    """Local units (x forward, y down from the ground point) placed on the canvas."""

    def __init__(self, x, ground, scale, facing, turn=0.0):
        self.x, self.ground, self.s, self.facing = x, ground, scale, facing
        a = math.radians(turn)
        self.cos, self.sin = math.cos(a), math.sin(a)

    def point(self, p):
        px, py = p[0] * self.s, p[1] * self.s
        px, py = px * self.cos - py * self.sin, px * self.sin + py * self.cos
        return (self.x + px * self.facing, self.ground + py)

    def __call__(self, shape):
        placed = shape.map(self.point)
        placed.strokes = [(pts, w * self.s) for pts, w in placed.strokes]
        return placed


def _torso(hip, lean):
    """The hunched torso, broad at the shoulders: an outline in local units."""
    a = math.radians(lean)

    def at(x, y):
        return (hip[0] + x * math.cos(a) - y * math.sin(a), hip[1] + x * math.sin(a) + y * math.cos(a))
    pts = (bezier(at(-9.0, 2.0), at(-14.0, -8.0), at(-16.0, -20.0), at(-12.0, -TORSO))
           + bezier(at(-12.0, -TORSO), at(-6.0, -TORSO - 5.0), at(6.0, -TORSO - 4.0), at(13.0, -TORSO + 2.0))
           + bezier(at(13.0, -TORSO + 2.0), at(16.0, -18.0), at(13.0, -6.0), at(9.0, 2.0))
           + bezier(at(9.0, 2.0), at(3.0, 4.0), at(-3.0, 4.0), at(-9.0, 2.0)))
    return pts, at


def draw_yeti(c, pose, x, ground, scale=1.0, facing=1, turn=0.0):
    """A yeti with its feet on (x, ground). Returns the local map."""
    T = YetiFrame(x, ground, scale, facing, turn)
    ow = max(1.0, scale * 0.8)
    legs = []
    for thigh, shin in (pose.near_leg, pose.far_leg):
        knee = along(thigh, THIGH)
        legs.append((knee, add(knee, along(shin, SHIN))))
    hip = (0.0, -max(a[1] for _, a in legs) - 3.0 - pose.bob)
    torso_pts, at = _torso(hip, pose.lean)
    head = at(8.0, -TORSO - 3.0)
    shoulders = [at(-4.0, -TORSO + 4.0), at(-9.0, -TORSO + 3.0)]

    def arm(i):
        upper, fore = (pose.near_arm, pose.far_arm)[i]
        elbow = add(shoulders[i], along(upper, UPPER_ARM))
        return [shoulders[i], elbow, add(elbow, along(fore, FOREARM))]

    def leg(i):
        knee, ankle = legs[i]
        root = (hip[0] + (4.0 if i == 0 else -4.0), hip[1] - 2.0)
        return [root, add(hip, knee), add(hip, ankle)]

    def limb(points, far, width):
        fur = T(limb_outline(points, width, 1.3))
        c.figure([(fur, FUR[1] if far else FUR[0])], ow)
        if not far:
            c.shade(fur, FUR[1], light(1.6 * scale))

    def hand(points, far):
        hx, hy = points[-1]
        ex, ey = points[-2]
        d = math.hypot(hx - ex, hy - ey) or 1.0
        ux, uy = (hx - ex) / d, (hy - ey) / d
        palm = circle(hx + ux * 2.0, hy + uy * 2.0, 4.6)
        if pose.open_hands:
            for spread in (-40.0, 0.0, 40.0):
                a = math.radians(spread)
                fx, fy = ux * math.cos(a) - uy * math.sin(a), ux * math.sin(a) + uy * math.cos(a)
                palm = palm + stroke([(hx + ux * 2.0, hy + uy * 2.0), (hx + ux * 2.0 + fx * 7.0, hy + uy * 2.0 + fy * 7.0)],
                                     2.4)
        c.outlined(T(palm), SKIN[1] if far else SKIN[0], ow)
        if not far:
            c.shade(T(palm), SKIN[1], light(1.2 * scale))

    def foot(points, far):
        ax, ay = points[-1]
        sole = T(ellipse(ax + 3.0, ay + 1.3, 6.5, 2.6))
        c.outlined(sole, SKIN[1] if far else SKIN[0], ow)

    far_arm = arm(1)
    limb(far_arm, True, 9.0)
    hand(far_arm, True)
    for i in (1, 0):
        points = leg(i)
        limb(points, i == 1, 10.0)
        foot(points, i == 1)

    body = T(shaggy(_resample(torso_pts, 2.4), 2.0))
    skull = T(shaggy(arc_points(head[0], head[1], 10.5, 10.0, 0, 360)[:-1], 1.8))
    c.figure([(body, FUR[0]), (skull, FUR[0])], ow)
    c.shade(body, FUR[1], light(3.0 * scale))
    c.fill(T(ellipse(at(4.0, -12.0)[0], at(4.0, -12.0)[1], 8.0, 9.0)), P.YETI_FUR_SHADE, opacity=0.3, clip=body)
    c.shade(skull, FUR[1], light(1.8 * scale))
    _face(c, T, head, pose, ow)
    c.mark("body", body + skull)

    if pose.snow:
        top = add(arm(0)[-1], (2.0, -pose.snow * 0.45))
        heap = T(shaggy(arc_points(top[0], top[1], pose.snow, pose.snow * 0.62, 0, 360)[:-1], 1.2))
        c.outlined(heap, P.POMPOM, ow)
        c.shade(heap, P.POMPOM_SHADE, light(2.0 * scale))
    near_arm = arm(0)
    limb(near_arm, False, 9.5)
    hand(near_arm, False)
    if pose.splat:
        draw_splat(c, head[0] + 1.0, head[1] - 9.0, 1.3, T)
    return T


def draw_lying_yeti(c, pose, x, ground, scale=1.0):
    """A yeti lying on its belly along the ground, head up at the right end; the near arm is
    `pose.near_arm`, the legs trail behind. (x, ground): the middle of its belly on the ground."""
    T = YetiFrame(x, ground, scale, 1)
    ow = max(1.0, scale * 0.8)
    breath = pose.bob
    body_pts = (bezier((-26.0, 0.0), (-30.0, -14.0 - breath), (0.0, -20.0 - breath), (14.0, -16.0))
                + bezier((14.0, -16.0), (22.0, -10.0), (20.0, 0.0), (12.0, 0.5))
                + bezier((12.0, 0.5), (0.0, 1.5), (-16.0, 1.5), (-26.0, 0.0)))
    for k, lift in ((1, 3.0), (0, 0.0)):
        leg = [(-22.0, -4.0 - k * 2.0), (-34.0, -6.0 - lift), (-42.0, -3.0 - lift * 0.5)]
        c.figure([(T(limb_outline(leg, 9.0, 1.3)), FUR[k])], ow)
        c.outlined(T(ellipse(-44.0, -5.0 - lift * 0.5, 2.8, 5.0)), SKIN[k], ow)
    shoulder = (8.0, -12.0)
    upper, fore = pose.far_arm
    far_elbow = add(shoulder, along(upper, UPPER_ARM * 0.8))
    far = [shoulder, far_elbow, add(far_elbow, along(fore, FOREARM * 0.8))]
    c.figure([(T(limb_outline(far, 8.5, 1.2)), FUR[1])], ow)
    c.outlined(T(circle(far[-1][0] + 1.5, far[-1][1] - 1.0, 4.4)), SKIN[1], ow)
    body = T(shaggy(_resample(body_pts, 2.4), 2.0))
    head = (22.0, -13.0)
    skull = T(shaggy(arc_points(head[0], head[1], 10.5, 10.0, 0, 360)[:-1], 1.8))
    c.figure([(body, FUR[0]), (skull, FUR[0])], ow)
    c.shade(body, FUR[1], light(2.5 * scale))
    c.shade(skull, FUR[1], light(1.8 * scale))
    _face(c, T, head, pose, ow)
    upper, fore = pose.near_arm
    elbow = add(shoulder, along(upper, UPPER_ARM * 0.8))
    near = [(shoulder[0] - 2.0, shoulder[1] + 2.0), elbow, add(elbow, along(fore, FOREARM * 0.8))]
    c.figure([(T(limb_outline(near, 9.0, 1.3)), FUR[0])], ow)
    fist = T(circle(near[-1][0] + 1.0, near[-1][1], 4.6))
    c.outlined(fist, SKIN[0], ow)
    c.shade(fist, SKIN[1], light(1.2 * scale))
    c.mark("body", body + skull)
    return T, near[-1]


def _face(c, T, head, pose, ow):
    hx, hy = head
    mask = T(path(bezier((hx - 1.0, hy - 5.5), (hx + 6.0, hy - 8.0), (hx + 12.0, hy - 5.0), (hx + 11.8, hy + 1.0)),
                  bezier((hx + 11.8, hy + 1.0), (hx + 12.5, hy + 8.5), (hx + 4.0, hy + 9.5), (hx - 1.5, hy + 6.0)),
                  bezier((hx - 1.5, hy + 6.0), (hx - 4.0, hy + 1.0), (hx - 4.0, hy - 3.5), (hx - 1.0, hy - 5.5))))
    c.outlined(mask, SKIN[0], ow * 0.8)
    c.shade(mask, SKIN[1], light(1.5))
    for ex, ey in ((hx + 2.5, hy - 1.5), (hx + 8.0, hy - 1.9)):
        if pose.eyes == "closed":
            c.fill(T(stroke(arc_points(ex, ey - 0.5, 2.0, 1.4, 20, 160), 1.0)), P.OUTLINE)
            continue
        white = T(ellipse(ex, ey, 2.3, 2.7 if pose.eyes != "angry" else 2.0))
        c.outlined(white, P.EYE_WHITE, 0.7)
        if pose.eyes == "dizzy":
            c.fill(T(stroke([(ex - 1.2, ey - 1.2), (ex + 1.2, ey + 1.2)], 0.7)
                     + stroke([(ex - 1.2, ey + 1.2), (ex + 1.2, ey - 1.2)], 0.7)), P.PUPIL)
        else:
            r = 0.8 if pose.eyes == "shock" else 1.35
            c.fill(T(circle(ex + 0.7, ey + 0.2, r)), P.ANGER if pose.eyes == "angry" else P.PUPIL, clip=white)
    slant = {"angry": 3.0, "shock": -2.5, "dizzy": -1.0}.get(pose.eyes, 0.8)
    brow = T(polygon([(hx - 2.0, hy - 5.2 - slant * 0.3), (hx + 5.0, hy - 3.8 + slant * 0.5),
                      (hx + 11.5, hy - 5.8 + slant * 0.3), (hx + 5.0, hy - 7.6)]))
    c.outlined(brow, FUR[0], 0.8)
    mx, my = hx + 6.2, hy + 4.8
    if pose.mouth == "roar":
        mouth = T(ellipse(mx, my + 0.3, 4.4, 3.4))
        c.outlined(mouth, P.MOUTH, 0.8)
        c.fill(T(ellipse(mx, my + 2.3, 2.8, 1.2)), P.TONGUE, clip=mouth)
        for dx in (-2.3, 2.5):
            c.fill(T(polygon([(mx + dx - 0.9, my - 2.8), (mx + dx + 0.9, my - 2.8), (mx + dx, my - 0.6)])), P.TOOTH)
    elif pose.mouth == "shock":
        c.outlined(T(ellipse(mx, my + 0.5, 2.0, 2.6)), P.MOUTH, 0.8)
    else:
        curve = 1.8 if pose.mouth == "grin" else 0.4
        c.fill(T(stroke(bezier((mx - 4.2, my), (mx, my + curve), (mx + 4.2, my - 0.5)), 1.0)), P.OUTLINE)
        for dx in (-2.0, 2.2):
            c.outlined(T(polygon([(mx + dx - 0.9, my + 0.4), (mx + dx + 0.9, my + 0.3),
                                  (mx + dx, my - 1.8)])), P.TOOTH, 0.6)
