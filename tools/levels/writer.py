"""The level files as the game reads them."""
from xml.sax.saxutils import quoteattr

from art.tilesets import tiledef_path
from levels.grids import parse


def defs_xml(level, level_set):
    t = level.tuning(level_set)
    attributes = [("tiledef", tiledef_path(level.context)), ("name", level.title), ("score", t.score),
                  ("maxWind", t.max_wind), ("music", level.music)]
    if t.time:
        attributes.append(("time", t.time))
    text = " ".join(f"{key}={quoteattr(str(value))}" for key, value in attributes)
    return f'<?xml version="1.0" encoding="UTF-8"?>\n<level {text}/>\n'


def map_xml(level):
    background = f' background="data/gfx/{level.background}.png"' if level.background else ""
    out = ['<?xml version="1.0" encoding="UTF-8"?>', f'<map name="{level.name}"{background}>']
    for number, grid in enumerate(level.layers):
        rows = "\n".join("    " + line.strip() for line in grid.strip().splitlines())
        out.append(f'  <layer name="layer{number}">')
        out.append(f"  <!--\n{rows}\n  -->")
        for tile_id, column, row in parse(grid, level.legend, level.context, level.name):
            out.append(f'    <tile id="{tile_id}" x="{column}" y="{row}"/>')
        out.append("  </layer>")
    out.append("</map>")
    return "\n".join(out) + "\n"


def entities_xml(level, level_set):
    t = level.tuning(level_set)
    out = ['<?xml version="1.0" encoding="UTF-8"?>', "<mapEntities>"]
    for actor in level.actors + t.actors:
        out.append(f'  <entity name="{actor.name}" x="{actor.x}" y="{actor.y}"/>')
    for g in level.generators + t.generators:
        out.append(f'  <generator x="{g.x}" y="{g.y}" interval="{g.interval}" start="{g.start}">')
        for name in g.entities:
            out.append(f'    <generatorentity name="{name}"/>')
        out.append("  </generator>")
    out.append("</mapEntities>")
    return "\n".join(out) + "\n"


def level_list_xml(names):
    levels = "".join(f'  <level name="{name}"/>\n' for name in names)
    return f'<?xml version="1.0" encoding="UTF-8"?>\n<levelList>\n{levels}</levelList>\n'
