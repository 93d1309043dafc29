"""Writes every level file of the three level sets from the sources in tools/levels/sources.

    /usr/bin/python3 tools/levels/make_levels.py [--out GAME_DIR]

Writing into the repository's game directory also refreshes the tuning tables of the README.
"""
import argparse
import importlib
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))

from levels.catalogue import ROOT, entities      # noqa: E402
from levels.model import SETS                     # noqa: E402
from levels.order import LEVEL_ORDER, BACKDROPS   # noqa: E402
from levels import writer                         # noqa: E402


SOURCES = Path(__file__).resolve().parent / "sources"


def available(names):
    """The names that have a source; the others are reported (the sets are being written)."""
    present = [name for name in names if (SOURCES / f"{name}.py").exists()]
    missing = [name for name in names if name not in present]
    if missing:
        print("make_levels: no source yet for " + ", ".join(missing), file=sys.stderr)
    return present


def load(name):
    return importlib.import_module(f"levels.sources.{name}").LEVEL


def check(level):
    known = entities()
    for level_set in SETS:
        t = level.tuning(level_set)
        for thing in level.actors + t.actors:
            if thing.name not in known:
                raise ValueError(f"{level.name}: unknown entity {thing.name}")
        for g in level.generators + t.generators:
            for name in g.entities:
                if name not in known:
                    raise ValueError(f"{level.name}: unknown entity {name} in a generator")


def write(out):
    maps = out / "data/maps"
    played = available(LEVEL_ORDER)
    for level_set in SETS:
        (maps / level_set).mkdir(parents=True, exist_ok=True)
        (maps / level_set / "levellist.xml").write_text(writer.level_list_xml(played))
    for name in played + available(BACKDROPS):
        level = load(name)
        check(level)
        for level_set in SETS:
            base = maps / level_set / level.name
            (base.parent / f"{level.name}_defs.xml").write_text(writer.defs_xml(level, level_set))
            (base.parent / f"{level.name}_map.xml").write_text(writer.map_xml(level))
            (base.parent / f"{level.name}_entities.xml").write_text(writer.entities_xml(level, level_set))
        if level.hint:
            (maps / f"{level.name}_hint.xml").write_text(level.hint)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=Path, default=ROOT / "game")
    out = parser.parse_args().out
    write(out)
    if out == parser.get_default("out"):
        from levels import tuning_table     # the repository's own levels: refresh their notes
        tuning_table.main()


if __name__ == "__main__":
    main()
