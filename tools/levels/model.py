"""What a level source says: the map as text grids, the actors, the generators, and the values
that differ between the easy, medium and hard sets."""
from dataclasses import dataclass, field
from typing import Dict, List, Optional

from levels.sprites import first_frame

GROUND_Y = 448          # the top of the ground row (row 14)
SETS = ("easy", "medium", "hard")


@dataclass(frozen=True)
class Actor:
    """An entity placed by the map entities file, by the top-left of its sprite."""
    name: str
    x: int
    y: int


def on_ground(name, x, ground=GROUND_Y):
    """An actor standing with the bottom of its first frame on the ground line."""
    return Actor(name, x, ground - first_frame(name).h)


def hanging(name, x, ledge_bottom):
    """An actor hanging with the top of its first frame at a ledge's underside."""
    return Actor(name, x, ledge_bottom)


@dataclass(frozen=True)
class Generator:
    """A point releasing its entities one at a time, the last listed first."""
    x: int
    y: int
    interval: int
    start: int
    entities: List[str]


@dataclass(frozen=True)
class Tuning:
    """The values of one level in one set."""
    score: int
    time: int
    max_wind: int
    actors: List[Actor] = field(default_factory=list)        # added to the common ones
    generators: List[Generator] = field(default_factory=list)


@dataclass
class Level:
    name: str
    title: str
    context: str                     # the tile set: summer, castle, winter, desert
    music: str
    background: Optional[str]        # bg_<...> in data/gfx, or None (the credits backdrop)
    layers: List[str]                # text grids, 15 rows of 20 characters; "." is empty
    legend: Dict[str, str]           # character -> tile name of the context
    actors: List[Actor]
    generators: List[Generator]
    sets: Dict[str, Tuning]
    hint: Optional[str] = None       # "|" breaks a line

    def tuning(self, level_set):
        return self.sets[level_set]
