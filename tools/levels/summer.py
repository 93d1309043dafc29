"""What the summer-half levels share: one legend per tile context they use (the same character
for the same role in every source, "." is an empty cell) and the things that cross the screen
from beyond its left edge."""
from levels.model import GROUND_Y, Generator
from levels.sprites import first_frame

_GROUND = {"=": "ground_top", "-": "ground_top_b", "+": "ground_top_c", "#": "ground",
           "<": "ledge_left", "_": "ledge", ">": "ledge_right"}

SUMMER = _GROUND | {
    "S": "stone", "B": "brick", "T": "brick_top", "H": "hay", "X": "crate",
    "[": "plank_left", "p": "plank", "]": "plank_right", "|": "post",
    "F": "fence_left", "f": "fence", "G": "fence_right",
    "o": "bush", "(": "hedge_left", "h": "hedge", ")": "hedge_right", "*": "flowers",
    "t": "tuft", "Y": "tall_grass",
    "L": "wall", "O": "window", "D": "door_top", "d": "door",
    "{": "roof_left", "^": "roof", "}": "roof_right", "i": "chimney",
    "c": "cloud_left", "C": "cloud", "k": "cloud_right",
}

CASTLE = _GROUND | {
    "S": "stone", "s": "stone_slit", "M": "battlement", "w": "wall_back", "m": "wall_back_top",
    "A": "gate_arch_left", "a": "gate_arch_right", "G": "gate_left", "g": "gate_right",
    "R": "banner_red", "U": "banner_blue", "i": "torch", "O": "window_arch",
    "o": "bush", "t": "tuft",
}

DESERT = _GROUND | {
    "S": "sandstone", "T": "sandstone_top", "R": "rock", "^": "scorched_top", "%": "scorched",
    "b": "bones", "k": "skull", "t": "dry_tuft", ",": "pebbles", "y": "small_cactus",
    "L": "adobe_wall", "O": "adobe_window", "D": "adobe_door_top", "d": "adobe_door",
    "A": "adobe_top",
}


def from_left(name, count, start, interval, y=None, x=None):
    """`count` entities of one kind entering one after another from just beyond the left edge,
    walking on the ground unless a height is given."""
    frame = first_frame(name)
    return Generator(-frame.w if x is None else x, GROUND_Y - frame.h if y is None else y,
                     interval, start, [name] * count)
