"""What people wear: hair, hats, clothes and the things they carry.

Each function returns an item of a `Look`: a (layer, draw) pair, where draw(canvas, skeleton)
works in the skeleton's head or torso frame (see `person.py`). Colours come in (colour, shade)
pairs.
"""
from .. import palette as P
from ..shapes import Shape, arc_points, bezier, box, circle, ellipse, path, polygon, round_box, stroke
from .person import light, torso_shape


def union(shapes):
    """One shape of many, to fill them all at once."""
    return sum(shapes, Shape())


def _head_arc(r, grow, start, end):
    return arc_points(0, 0, r + grow, r * 1.04 + grow, start, end)


# --- hair ---------------------------------------------------------------------------------------

def short_hair(colours, fringe=0.0):
    """Hair over the crown and the back of the head; `fringe` brings it further over the brow."""
    def draw(c, sk):
        r = sk.build.head
        crown = _head_arc(r, 0.7, 150, 300 + fringe * 20)
        hairline = bezier(crown[-1], (r * 0.2, -r * 0.5), (-r * 0.1, -r * 0.35),
                          (-r * 0.35, -r * 0.25), (-r * 0.6, r * 0.3), crown[0])
        hair = sk.on_head(path(crown, hairline))
        c.outlined(hair, colours[0])
        c.shade(hair, colours[1], light(1.2))
        c.fill(sk.on_head(stroke(bezier((-r * 0.2, -r * 0.9), (r * 0.1, -r * 1.0), (r * 0.4, -r * 0.8)), 0.8)),
               colours[1], opacity=0.7)
    return "hair", draw


def fringe_hair(colours):
    """A ring of hair around the back of a bald head."""
    def draw(c, sk):
        r = sk.build.head
        outer = _head_arc(r, 0.5, 105, 200)
        inner = arc_points(-r * 0.2, r * 0.1, r * 0.62, r * 0.62, 200, 105)
        ring = sk.on_head(path(outer, inner))
        c.outlined(ring, colours[0])
        c.shade(ring, colours[1], light(1.0))
        c.fill(sk.on_head(ellipse(-r * 0.05, -r * 0.6, r * 0.28, r * 0.16, -20)), P.WHITE, opacity=0.7)
    return "hair", draw


def braid(colours):
    """A thick plait hanging down the back, with a ribbon."""
    def draw(c, sk):
        r = sk.build.head
        top = sk.head_point(-r * 0.7, r * 0.2)
        swing = -sk.pose.lean * 0.08
        pts = [top, add2(top, (-1.5 + swing, 4.0)), add2(top, (-2.0 + swing * 2, 8.5))]
        plait = sk(stroke(pts, 3.2))
        c.outlined(plait, colours[0])
        for k in (0.3, 0.6):
            p = (pts[0][0] + (pts[2][0] - pts[0][0]) * k, pts[0][1] + (pts[2][1] - pts[0][1]) * k)
            c.fill(sk(stroke([(p[0] - 1.4, p[1] - 0.4), (p[0] + 1.4, p[1] + 0.6)], 0.6)), colours[1])
        c.outlined(sk(circle(pts[2][0], pts[2][1] + 1.0, 1.3)), P.KERCHIEF)
    return "back", draw


def add2(p, q):
    return (p[0] + q[0], p[1] + q[1])


# --- hats -----------------------------------------------------------------------------------------

def straw_hat(colours=(P.STRAW, P.STRAW_SHADE), band=P.SHIRT_RED):
    def draw(c, sk):
        r = sk.build.head
        brim = sk.on_head(ellipse(0.5, -r * 0.72, r * 1.5, r * 0.28, -6))
        crown = sk.on_head(path(bezier((-r * 0.72, -r * 0.72), (-r * 0.78, -r * 1.6),
                                       (r * 0.68, -r * 1.7), (r * 0.72, -r * 0.86))))
        c.figure([(brim, colours[0]), (crown, colours[0])])
        c.shade(brim, colours[1], light(1.0))
        c.shade(crown, colours[1], light(1.3))
        c.fill(sk.on_head(stroke([(-r * 0.72, -r * 0.98), (r * 0.72, -r * 1.06)], 1.6)), band, clip=crown)
        weave = union(stroke([(k * r * 0.35, -r * 0.62), (k * r * 0.38, -r * 0.8)], 0.4) for k in range(-3, 4))
        c.fill(sk.on_head(weave), colours[1], opacity=0.8, clip=brim)
    return "head", draw


def kerchief(colours, dots=P.WHITE):
    """A headscarf tied under the chin, polka-dotted, its knot and tips at the nape."""
    def draw(c, sk):
        r = sk.build.head
        cloth = sk.on_head(path(_head_arc(r, 0.9, 130, 320),
                                bezier((r * 0.72, -r * 0.72), (r * 0.3, -r * 0.35), (-r * 0.4, -r * 0.3),
                                       (-r * 0.5, r * 0.6), (-r * 0.72, r * 0.78))))
        tips = sk.on_head(polygon([(-r * 0.85, r * 0.55), (-r * 1.5, r * 1.0), (-r * 1.1, r * 0.35),
                                   (-r * 1.55, r * 0.35)]))
        c.figure([(tips, colours[1]), (cloth, colours[0])])
        c.shade(cloth, colours[1], light(1.2))
        spots = union(circle(r * dx, r * dy, 0.7)
                      for dx, dy in ((-0.5, -0.75), (0.1, -0.95), (-0.85, -0.2), (-0.25, -0.45), (0.45, -0.75)))
        c.fill(sk.on_head(spots), dots, clip=cloth)
    return "head", draw


def cap(colours, visor_back=False):
    """A peaked cap; worn back to front by the cheekier ones."""
    def draw(c, sk):
        r = sk.build.head
        dome = sk.on_head(path(_head_arc(r, 0.6, 185, 355), [(r * 1.05, -r * 0.45), (-r * 1.05, -r * 0.45)]))
        peak = ((-r * 0.8, -r * 0.5), (-r * 1.75, -r * 0.25)) if visor_back else \
            ((r * 0.6, -r * 0.55), (r * 1.55, -r * 0.3))
        visor = sk.on_head(stroke(list(peak), 2.0))
        c.figure([(visor, colours[1]), (dome, colours[0])])
        c.shade(dome, colours[1], light(1.2))
        c.outlined(sk.on_head(circle(0, -r * 1.05, 1.0)), colours[0], 0.7)
    return "head", draw


def fire_helmet(colours, badge=P.YELLOW):
    """A fireman's helmet: a round crown with a ridge, a long brim at the back."""
    def draw(c, sk):
        r = sk.build.head
        crown = sk.on_head(path(_head_arc(r, 1.0, 180, 360), [(r * 1.1, -r * 0.45), (-r * 1.1, -r * 0.45)]))
        brim = sk.on_head(path(bezier((-r * 1.9, -r * 0.15), (-r * 1.2, -r * 0.6), (r * 0.6, -r * 0.55),
                                      (r * 1.25, -r * 0.5)),
                               bezier((r * 1.25, -r * 0.5), (r * 0.5, -r * 0.3), (-r * 1.0, -r * 0.3),
                                      (-r * 1.9, -r * 0.15))))
        ridge = sk.on_head(stroke(arc_points(0, 0, r * 0.55, r * 1.05 + 1.0, 215, 330), 1.4))
        c.figure([(brim, colours[1]), (crown, colours[0])])
        c.shade(crown, colours[1], light(1.4))
        c.fill(ridge, colours[1])
        c.outlined(sk.on_head(ellipse(r * 0.75, -r * 0.75, 1.2, 1.5)), badge, 0.7)
        c.fill(sk.on_head(ellipse(-r * 0.3, -r * 1.0, 1.4, 0.6, -15)), P.WHITE, opacity=0.7)
    return "head", draw


def horned_helmet(colours, horns):
    """A round iron helmet with a rim and two curved horns."""
    def draw(c, sk):
        r = sk.build.head
        for side in (-1.0, 1.0):
            base = (r * 0.7 * side, -r * 0.8)
            horn = sk.on_head(path(bezier((base[0] - r * 0.12, base[1] + r * 0.15), (base[0] + r * 0.55 * side, base[1]),
                                          (base[0] + r * 0.75 * side, base[1] - r * 0.45),
                                          (base[0] + r * 0.55 * side, base[1] - r * 0.85)),
                                   bezier((base[0] + r * 0.55 * side, base[1] - r * 0.85),
                                          (base[0] + r * 0.4 * side, base[1] - r * 0.35),
                                          (base[0] + r * 0.1 * side, base[1] - r * 0.25),
                                          (base[0] - r * 0.12, base[1] - r * 0.2))))
            c.outlined(horn, horns[0] if side > 0 else horns[1])
            c.shade(horn, horns[1], light(1.2))
        dome = sk.on_head(path(_head_arc(r, 0.8, 180, 360), [(r * 1.08, -r * 0.35), (-r * 1.08, -r * 0.35)]))
        rim = sk.on_head(round_box(-r * 1.12, -r * 0.5, r * 1.1, -r * 0.22, r * 0.12))
        c.figure([(dome, colours[0]), (rim, colours[1])])
        c.shade(dome, colours[1], light(2.0))
        c.fill(sk.on_head(union(circle(r * x, -r * 0.36, r * 0.06) for x in (-0.7, -0.2, 0.3, 0.8))), P.HELMET)
        c.fill(sk.on_head(ellipse(-r * 0.35, -r * 0.8, r * 0.22, r * 0.1, -20)), P.WHITE, opacity=0.7)
    return "head", draw


def fur_vest(colours):
    """A shaggy open vest over a bare chest."""
    def draw(c, sk):
        b = sk.build
        t = b.torso
        torso = sk.on_torso(torso_shape(b))
        edge = [(-b.chest * 2, -t * 1.1), (b.chest * 0.1, -t * 1.1)]
        k = 0
        for y in range(0, 11):
            yy = -t * 1.05 + t * 1.05 * y / 10
            edge.append((b.chest * (0.1 + 0.25 * (y / 10)) + (0.08 * b.chest if k % 2 else 0.0), yy))
            k += 1
        edge += [(-b.chest * 2, 2.0)]
        vest = sk.on_torso(polygon(edge))
        c.fill(vest, colours[0], clip=torso)
        c.shade(torso, colours[1], light(2.5), clip=vest)
        tufts = union(stroke([(-b.chest * 0.8, -t * y / 10), (-b.chest * 0.4, -t * y / 10 + 1.5)], 0.9)
                      for y in range(3, 10, 2))
        c.fill(sk.on_torso(tufts), colours[1], clip=vest)
    return "torso", draw


def fur_hat(colours, fur):
    """A fur hat with ear flaps."""
    def draw(c, sk):
        r = sk.build.head
        flap = sk.on_head(round_box(-r * 0.75, -r * 0.55, -r * 0.25, r * 0.35, 1.4))
        dome = sk.on_head(path(_head_arc(r, 1.0, 175, 365), [(r * 1.1, -r * 0.5), (-r * 1.1, -r * 0.5)]))
        rim = sk.on_head(round_box(-r * 1.15, -r * 0.95, r * 1.05, -r * 0.5, 2.0))
        c.figure([(flap, fur[1]), (dome, colours[0]), (rim, fur[0])])
        c.shade(dome, colours[1], light(1.3))
        c.shade(rim, fur[1], light(1.0))
        hairs = union(stroke([(-r + k * r * 0.48, -r * 0.9), (-r + k * r * 0.48 + 0.6, -r * 0.55)], 0.5)
                      for k in range(5))
        c.fill(sk.on_head(hairs), fur[1], opacity=0.8)
    return "head", draw


def beanie(colours, pompom=(P.POMPOM, P.POMPOM_SHADE), stripe=None):
    def draw(c, sk):
        r = sk.build.head
        dome = sk.on_head(path(_head_arc(r, 0.8, 182, 358), [(r * 1.05, -r * 0.6), (-r * 1.05, -r * 0.6)]))
        cuff = sk.on_head(round_box(-r * 1.1, -r * 0.95, r * 1.02, -r * 0.52, 1.6))
        bobble = sk.on_head(circle(-r * 0.25, -r * 1.3, 2.4))
        c.figure([(dome, colours[0]), (cuff, colours[1])])
        c.shade(dome, colours[1], light(1.3))
        if stripe:
            c.fill(sk.on_head(stroke([(-r, -r * 1.12), (r, -r * 1.12)], 1.2)), stripe, clip=dome)
        ribs = union(stroke([(-r * 0.95 + k * r * 0.38, -r * 0.9), (-r * 0.95 + k * r * 0.38, -r * 0.58)], 0.5)
                     for k in range(6))
        c.fill(sk.on_head(ribs), colours[0], opacity=0.7)
        c.outlined(bobble, pompom[0])
        c.shade(bobble, pompom[1], light(0.8))
    return "head", draw


def goggles(strap, lens):
    """Ski goggles pushed up on the forehead."""
    def draw(c, sk):
        r = sk.build.head
        c.figure([(sk.on_head(stroke([(-r * 1.0, -r * 0.85), (r * 0.9, -r * 0.98)], 1.4)), strap)], 0.7)
        glass = sk.on_head(round_box(r * 0.15, -r * 1.25, r * 1.05, -r * 0.75, 1.4))
        c.outlined(glass, lens[0])
        c.fill(sk.on_head(stroke([(r * 0.35, -r * 1.0), (r * 0.65, -r * 1.02)], 0.7)), P.WHITE, opacity=0.8)
    return "head", draw


# --- faces ------------------------------------------------------------------------------------

def mustache(colours, size=1.0):
    def draw(c, sk):
        r = sk.build.head
        mx, my = r * 0.62, r * 0.42
        left = bezier((mx + 0.8, my - 0.6), (mx - 1.5, my - 1.2 * size), (mx - 3.6 * size, my + 0.2),
                      (mx - 3.2 * size, my + 1.6 * size))
        right = bezier((mx - 3.2 * size, my + 1.6 * size), (mx - 1.5, my + 0.4), (mx + 1.0, my + 0.8),
                       (mx + 3.2 * size, my + 1.4 * size), (mx + 2.4, my - 0.6), (mx + 0.8, my - 0.6))
        shape = sk.on_head(path(left, right))
        c.outlined(shape, colours[0], 0.8)
        c.shade(shape, colours[1], light(0.6))
    return "head", draw


def stubble(colour):
    def draw(c, sk):
        r = sk.build.head
        jaw = sk.on_head(path(arc_points(r * 0.15, r * 0.2, r * 0.95, r * 0.85, 5, 150)))
        head = sk.on_head(ellipse(0, 0, r, r * 1.04))
        c.fill(jaw, colour, opacity=0.35, clip=head)
    return "head", draw


def freckles(colour=P.SKIN_SHADE):
    def draw(c, sk):
        r = sk.build.head
        spots = union(circle(r * dx, r * dy, 0.45) for dx, dy in ((0.2, 0.22), (0.42, 0.3), (0.3, 0.38), (0.7, 0.28)))
        c.fill(sk.on_head(spots), colour)
    return "head", draw


def beard(colours):
    """A full, bushy beard round the jaw, below the nose."""
    def draw(c, sk):
        r = sk.build.head
        shape = sk.on_head(path(arc_points(r * 0.1, r * 0.1, r * 1.05, r * 1.1, 20, 160),
                                bezier((-r * 0.95, r * 0.45), (-r * 0.2, r * 0.3), (r * 0.5, r * 0.55),
                                       (r * 1.09, r * 0.48))))
        c.outlined(shape, colours[0])
        c.shade(shape, colours[1], light(1.2))
    return "head", draw


# --- clothes ------------------------------------------------------------------------------------

def overalls(colours, buckle=P.YELLOW):
    """Dungarees: trousers come from the look's legs; this is the seat, the bib and a strap."""
    def draw(c, sk):
        b = sk.build
        t = b.torso
        torso = sk.on_torso(torso_shape(b))
        seat = sk.on_torso(box(-b.chest * 2, -t * 0.3, b.chest * 2 + b.belly, 3.0))
        bib = sk.on_torso(round_box(-b.chest * 0.15, -t * 0.72, b.chest * 2 + b.belly, -t * 0.25, 1.2))
        strap = sk.on_torso(stroke([(-b.chest * 0.05, -t * 0.7), (-b.chest * 0.55, -t * 1.02)], 1.6))
        c.fill(seat + bib, colours[0], clip=torso)
        c.fill(sk.on_torso(stroke([(-b.chest * 0.15, -t * 0.72), (-b.chest * 0.15, -t * 0.3)], 0.8)
                           + stroke([(-b.chest * 0.15, -t * 0.72), (b.chest * 2, -t * 0.72)], 0.8)),
               P.OUTLINE, clip=torso)
        c.shade(torso, colours[1], light(1.8), clip=seat + bib)
        c.figure([(strap, colours[0])], 0.8)
        c.fill(sk.on_torso(circle(-b.chest * 0.05, -t * 0.66, 0.9)), buckle)
        c.fill(sk.on_torso(round_box(b.chest * 0.25, -t * 0.55, b.chest * 0.8, -t * 0.38, 0.5)),
               colours[1], clip=torso)
    return "torso", draw


def apron(colours, length=1.0):
    """An apron over the front, from the chest to below the hips."""
    def draw(c, sk):
        b = sk.build
        t = -b.torso
        front = b.waist + b.belly
        cloth = sk.on_torso(path([(-b.waist * 0.05, t * 0.72), (b.chest * 0.7, t * 0.78)],
                                 bezier((b.chest * 0.7, t * 0.78), (front * 1.25, t * 0.3),
                                        (b.waist + 0.5, 3.0 * length)),
                                 [(b.waist + 0.5, 4.0 * length), (-b.waist * 0.4, 4.5 * length)]))
        c.outlined(cloth, colours[0])
        c.shade(cloth, colours[1], light(1.4))
        c.fill(sk.on_torso(stroke([(-b.waist, t * 0.42), (b.waist * 0.2, t * 0.44)], 1.0)), colours[1])
    return "torso", draw


def stripes(colour, count=4):
    """Horizontal stripes across the shirt."""
    def draw(c, sk):
        b = sk.build
        torso = sk.on_torso(torso_shape(b))
        lines = union(stroke([(-b.chest * 1.5, y), (b.chest * 1.5, y)], 1.4)
                      for y in (-b.torso * (0.18 + k * 0.72 / count) for k in range(count)))
        c.fill(sk.on_torso(lines), colour, clip=torso)
    return "torso", draw


def belt(colour, buckle=P.YELLOW, height=0.28):
    def draw(c, sk):
        b = sk.build
        torso = sk.on_torso(torso_shape(b))
        y = -b.torso * height
        c.fill(sk.on_torso(stroke([(-b.chest * 1.5, y), (b.chest * 1.5 + b.belly, y)], 1.8)), colour,
               clip=torso)
        c.outlined(sk.on_torso(round_box(b.waist * 0.5, y - 1.3, b.waist * 0.5 + 2.4, y + 1.3, 0.5)), buckle, 0.6)
    return "torso", draw


def bow_tie(colours):
    def draw(c, sk):
        b = sk.build
        y = -b.torso + 1.6
        x = b.chest * 0.55
        tie = sk.on_torso(polygon([(x - 2.2, y - 1.4), (x + 2.2, y + 1.4), (x + 2.2, y - 1.4), (x - 2.2, y + 1.4)]))
        c.outlined(tie, colours[0], 0.7)
        c.fill(sk.on_torso(circle(x, y, 0.8)), colours[1])
    return "torso", draw


def buttons(colour, count=3):
    def draw(c, sk):
        b = sk.build
        row = union(circle(b.chest * 0.55 + b.belly * 0.5, -b.torso * (0.25 + k * 0.2), 0.65) for k in range(count))
        c.fill(sk.on_torso(row), colour)
    return "torso", draw


def skirt(colours, hem=5.0, flare=1.2):
    """A skirt or the tails of a coat over the thighs, flaring with the stride."""
    def draw(c, sk):
        _skirt(c, sk, colours, hem, flare)
    return "torso", draw


def _skirt(c, sk, colours, hem, flare):
    b = sk.build
    stride = (abs(sk.pose.near_leg[0]) + abs(sk.pose.far_leg[0])) * 0.05
    shape = sk.on_torso(path([(-b.waist - 0.3, -2.0), (b.waist + b.belly + 0.3, -2.0)],
                             bezier((b.waist + b.belly + 0.3, -2.0), (b.waist + flare + stride, hem * 0.5),
                                    (b.waist + flare + stride, hem)),
                             bezier((-b.waist - flare - stride, hem), (-b.waist - flare - stride, hem * 0.5),
                                    (-b.waist - 0.3, -2.0))))
    c.outlined(shape, colours[0])
    c.shade(shape, colours[1], light(1.3))
    return shape


def coat(colours, hem=5.0, fur=None):
    """A long coat: tails over the thighs, a row of buttons, perhaps a fur collar."""
    def draw(c, sk):
        b = sk.build
        _skirt(c, sk, colours, hem, 1.0)
        c.fill(sk.on_torso(stroke([(b.chest * 0.5, -b.torso * 0.85), (b.waist * 0.6, hem - 0.5)], 0.7)),
               colours[1])
        row = union(circle(b.chest * 0.5 + 1.2 + b.belly * 0.5, -b.torso * (0.2 + 0.22 * k), 0.6) for k in range(3))
        c.fill(sk.on_torso(row), colours[1])
        if fur:
            collar = sk.on_torso(round_box(-b.chest - 0.4, -b.torso - 0.8, b.chest * 0.9, -b.torso + 2.6, 1.6))
            c.outlined(collar, fur[0])
            c.shade(collar, fur[1], light(0.9))
    return "torso", draw


def scarf(colours, stripe=None, flutter=0.0):
    """A scarf round the neck with its end streaming behind."""
    def tail(c, sk):
        b = sk.build
        n = sk.torso_point(-b.chest * 0.6, b.torso - 1.5)
        w = flutter
        end = sk(polygon([add2(n, (0.5, -1.5)), add2(n, (-5.0, 0.5 + w)), add2(n, (-9.0, 2.5 + w * 1.5)),
                          add2(n, (-8.5, 5.0 + w * 1.5)), add2(n, (-4.5, 3.5 + w)), add2(n, (0.5, 2.0))]))
        c.outlined(end, colours[0])
        c.shade(end, colours[1], light(1.0))
        if stripe:
            bands = union(stroke([add2(n, (-k, 0.5 + w * k / 8)), add2(n, (-k - 0.5, 4.0 + w * k / 8))], 1.0)
                          for k in (4.0, 7.0))
            c.fill(sk(bands), stripe, clip=end)

    def wrap(c, sk):
        b = sk.build
        band = sk.on_torso(stroke([(-b.chest * 0.9, -b.torso + 1.0), (b.chest * 0.95, -b.torso + 1.6)], 3.2))
        c.outlined(band, colours[0])
        c.shade(band, colours[1], light(0.8))
        if stripe:
            c.fill(sk.on_torso(stroke([(0.5, -b.torso - 0.8), (0.5, -b.torso + 3.2)], 1.0)), stripe, clip=band)
    return [("back", tail), ("torso", wrap)]


def basket(colours, fruit=(P.SHIRT_RED, P.GREEN)):
    """A wicker basket hanging from the far arm's elbow, apples peeping out."""
    def draw(c, sk):
        ex, ey = sk.elbows[1]
        hx, hy = sk.hands[1]
        x, y = (ex + hx) / 2, (ey + hy) / 2 + 2.0
        handle = sk(stroke(arc_points(x, y + 1.5, 3.6, 4.4, 190, 350), 0.9))
        body = sk(path(bezier((x - 4.8, y + 1.0), (x - 4.2, y + 6.5), (x + 4.2, y + 6.5), (x + 4.8, y + 1.0))))
        c.outlined(handle, colours[1], 0.7)
        for k, colour in enumerate(fruit):
            c.outlined(sk(circle(x - 1.6 + k * 3.0, y + 0.6, 1.7)), colour, 0.7)
        c.outlined(body, colours[0])
        c.shade(body, colours[1], light(1.0))
        weave = union(stroke([(x - 4.2, y + 2.2 + k * 1.4), (x + 4.2, y + 2.2 + k * 1.4)], 0.45) for k in range(3))
        c.fill(sk(weave), colours[1], clip=body)
    return "far", draw

