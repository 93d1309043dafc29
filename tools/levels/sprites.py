"""Frame sizes and collision boxes from the sprite collection the game reads."""
import xml.etree.ElementTree as ET
from dataclasses import dataclass
from functools import lru_cache

from levels.catalogue import ROOT, entities


@dataclass(frozen=True)
class Frame:
    w: int
    h: int
    bx: int
    by: int
    bw: int
    bh: int


@lru_cache(maxsize=None)
def _frames():
    """{(sprite, frameset): first Frame}."""
    tree = ET.parse(ROOT / "game/data/gfx/didudo_sprites.xml")
    found = {}
    for sprite in tree.getroot().iter("sprite"):
        for frameset in sprite.iter("frameset"):
            frame = frameset.find("frameB")
            if frame is None:
                continue
            key = (sprite.get("name"), frameset.get("name"))
            if key not in found:
                found[key] = Frame(*(int(frame.get(a)) for a in ("w", "h", "bX", "bY", "bW", "bH")))
    return found


def first_frame(entity):
    """The first frame of the entity's initial frameset (what it shows when it is placed)."""
    sprite, frameset, _, _ = entities()[entity]
    try:
        return _frames()[(sprite, frameset)]
    except KeyError:
        raise KeyError(f"the sprite collection has no frameset {frameset} in sprite {sprite} "
                       f"(needed by {entity})") from None
