"""The player's bird: PLAYER (summer; also the friendly and the fainting bird) and WINTERPLAYER.

RIGHT and LEFT flap (wing up, level, down, level); FALL tumbles with dizzy eyes. The box is the
round body; in RIGHT it must end above a dropping released at y + 25 by the friendly bird,
which would otherwise hit its own bird.
"""
from ..figures.bird import draw_bird
from ..model import Box, Frame, Frameset, Sprite, render
from .projectiles import BOBEK

SIZE = (40, 30)
CENTRE = (19.5, 16.5)
SCALE = 0.95
FLAP = ("up", "mid", "down", "mid")
FLAP_DELAY = 70
FALL_TURNS = (35.0, 55.0, 75.0, 55.0)
FALL_DELAY = 90
FRIEND_DROP_Y = 25


def _bobek_box_top():
    (_, frames), = render(BOBEK)
    return frames[0].box[1]


def _flying(wing, winter, phase, mirror=False):
    def draw(c):
        draw_bird(c, *CENTRE, SCALE, wing=wing, winter=winter, scarf_wave=phase)
    return Frame(draw, FLAP_DELAY, mirror=mirror)


def _falling(turn, wing, winter):
    def draw(c):
        draw_bird(c, CENTRE[0] + 0.5, CENTRE[1] - 1, SCALE * 0.82, rotation=turn, wing=wing,
                  winter=winter, mood="dizzy")
    return Frame(draw, FALL_DELAY)


def bird_sprite(name, file, winter):
    body = Box.part("body", margin=(2, 2, 2, 1))
    flaps = list(enumerate(FLAP))
    return Sprite(name, file, SIZE, [
        Frameset("RIGHT", [_flying(w, winter, i / len(FLAP)) for i, w in flaps],
                 box=body.limit(bottom=FRIEND_DROP_Y + _bobek_box_top())),
        Frameset("LEFT", [_flying(w, winter, i / len(FLAP), mirror=True) for i, w in flaps]),
        Frameset("FALL", [_falling(t, ("up", "mid", "down", "mid")[i], winter)
                          for i, t in enumerate(FALL_TURNS)]),
    ], box=body)


SPRITES = [
    bird_sprite("PLAYER", "player.png", winter=False),
    bird_sprite("WINTERPLAYER", "winterplayer.png", winter=True),
]
