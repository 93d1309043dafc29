"""What the winter levels share: one legend for the winter tiles and the season's helpers."""
from levels.model import GROUND_Y, Actor, Generator
from levels.sprites import first_frame

# One character per winter tile, the same in every winter source ("." is an empty cell).
LEGEND = {
    "=": "ground_top", "-": "ground_top_b", "+": "ground_top_c", "#": "ground",
    "<": "ledge_left", "_": "ledge", ">": "ledge_right",
    "I": "ice_block", "T": "ice_block_top", "R": "rock",
    "[": "plank_left", "p": "plank", "]": "plank_right",
    "(": "snow_wall_left", "w": "snow_wall", ")": "snow_wall_right", "b": "snow_wall_base",
    "F": "fence_left", "f": "fence", "G": "fence_right",
    "Y": "pine_shrub", "s": "snowdrift", "t": "tuft",
    "L": "log_wall", "O": "log_window", "D": "log_door_top", "d": "log_door",
    "{": "roof_left", "^": "roof", "}": "roof_right",
}

ANIMAL_START = (-80, 415)     # where the level's own dispenser lets the running animals in
PEEK = 20                     # how far a peeker stands above the top of its snow wall's row:
                              # its head and throwing arm show, the rest stays behind the wall


def top_of(row):
    """The y of a row's upper edge: where something standing on a ledge of that row stands."""
    return row * 32


def under(row):
    """The y of a row's lower edge: where something hanging under a ledge of that row starts."""
    return (row + 1) * 32


def rising(name, x, count, start, interval):
    """Balloons of one kind let go one after another from the ground at x."""
    return Generator(x, GROUND_Y - first_frame(name).h, interval, start, [name] * count)


def runners(name, count, start, interval):
    """Animals of one kind running in from the left one after another."""
    return Generator(*ANIMAL_START, interval, start, [name] * count)


def peeker_behind(wall_row, x):
    """A peeker hiding behind the snow wall (front layer) that fills `wall_row` at x."""
    return Actor("VYKUK", x, top_of(wall_row) - PEEK)
