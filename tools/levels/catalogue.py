"""Entity names, their sprites and first framesets, read from the game's own catalogue table
(src/entity/entity_catalogue.h), so the level tools never keep a second copy of it."""
import re
from functools import lru_cache
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
_ROW = re.compile(r'\{"([A-Z0-9_ ]+)", "([A-Z0-9_]+)", "([A-Z0-9_]+)", (\d+), (\d+),')
_CONTROLLED = re.compile(r'\{"([A-Z0-9_]+)", &prototype<')


@lru_cache(maxsize=None)
def entities():
    """{entity name: (sprite, initial frameset, kind, collision class)} in catalogue order."""
    text = (ROOT / "src/entity/entity_catalogue.h").read_text()
    return {m[1]: (m[2], m[3], int(m[4]), int(m[5])) for m in _ROW.finditer(text)}


@lru_cache(maxsize=None)
def controlled():
    """The entity names that get a controller (src/behaviour/prototype_controllers.cpp)."""
    text = (ROOT / "src/behaviour/prototype_controllers.cpp").read_text()
    return frozenset(_CONTROLLED.findall(text))
