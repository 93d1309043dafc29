#!/usr/bin/python3
"""Writes the level tuning tables into the README's data section: one Markdown table per level
set with every level's time, required score, wind, main actors and the most its targets pay by
hits, read from the level sources, so the notes never disagree with them.

    /usr/bin/python3 tools/levels/tuning_table.py
"""
import sys
from collections import Counter
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))

from levels.catalogue import controlled, entities   # noqa: E402
from levels.make_levels import available, load      # noqa: E402
from levels.model import SETS                       # noqa: E402
from levels.order import LEVEL_ORDER                # noqa: E402
from levels.scoring import ceiling                  # noqa: E402

README = Path(__file__).resolve().parents[2] / "README.md"
BEGIN = "<!-- the tuning tables are written by tools/levels/tuning_table.py: do not edit by hand -->\n"
END = "<!-- end of the tuning tables -->\n"
BIRDS = ("PLAYER", "WINTERPLAYER")

INTRODUCTION = """"Best by hits" is the most the level's targets pay with the droppings it gives (20, and 20
more for every crate of droppings placed on it), near misses left out; caught eggs and
knocked-down edge yetis count in full. Released actors come from generators.
"""


def main_actor(name):
    """Leaves out the bird and scenery that neither moves nor hurts."""
    return name not in BIRDS and (name in controlled() or entities()[name][3] in (3, 4))


def counted(names):
    counts = Counter(n for n in names if main_actor(n))
    return ", ".join(name if n == 1 else f"{n} {name}" for name, n in counts.items())


def actors_cell(level, level_set):
    tuning = level.tuning(level_set)
    placed = counted(a.name for a in level.actors + tuning.actors)
    released = counted(n for g in level.generators + tuning.generators for n in g.entities)
    return placed + (f"; released: {released}" if released else "")


def table(level_set, levels):
    lines = [f"#### {level_set}", "",
             "| Level | Title | Time | Required score | Max wind | Best by hits | Main actors |",
             "|---|---|---|---|---|---|---|"]
    for level in levels:
        t = level.tuning(level_set)
        lines.append(f"| {level.name} | {level.title} | {t.time // 1000} s | {t.score} | "
                     f"{t.max_wind} | {ceiling(level, level_set)} | {actors_cell(level, level_set)} |")
    return "\n".join(lines) + "\n"


def markdown():
    levels = [load(name) for name in available(LEVEL_ORDER)]
    return INTRODUCTION + "".join("\n" + table(s, levels) for s in SETS)


def written():
    """The tables as the README holds them now."""
    text = README.read_text()
    if BEGIN not in text or END not in text:
        sys.exit(f"tuning_table: {README} has lost the markers of its tuning tables")
    return text.split(BEGIN, 1)[1].split(END, 1)[0]


def main():
    text = README.read_text()
    README.write_text(text.replace(BEGIN + written() + END, BEGIN + markdown() + END))


if __name__ == "__main__":
    main()
