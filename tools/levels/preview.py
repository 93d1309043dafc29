#!/usr/bin/python3
"""Pictures of levels as they look when they start: the background, the tile layers and the
placed actors in their first frames, with the generators marked where they release (a point at
the screen edge with an arrow when it is off-screen).

    /usr/bin/python3 tools/levels/preview.py LEVEL... [--set easy|medium|hard] [--out FILE]

Several levels make one contact sheet at half size. Writes a PNG (default /tmp/levels.png).
"""
import argparse
import sys
import xml.etree.ElementTree as ET
from functools import lru_cache
from pathlib import Path

from PIL import Image, ImageDraw

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))

from art.tilesets import SIZE, cell, sheet_path, tile   # noqa: E402
from levels.catalogue import ROOT, entities           # noqa: E402
from levels.grids import parse                        # noqa: E402
from levels.make_levels import load                   # noqa: E402

GAME = ROOT / "game"
CYAN = (0, 255, 255)
MARK = (255, 0, 160)


def transparent(path):
    image = Image.open(GAME / path).convert("RGBA")
    pixels = image.load()
    for y in range(image.height):
        for x in range(image.width):
            if pixels[x, y][:3] == CYAN:
                pixels[x, y] = (0, 0, 0, 0)
    return image


@lru_cache(maxsize=None)
def picture(path):
    return transparent(path)


@lru_cache(maxsize=None)
def first_frames():
    """{(sprite, frameset): (src, x, y, w, h, box top)} of the first frame of every frameset."""
    found = {}
    for sprite in ET.parse(GAME / "data/gfx/didudo_sprites.xml").getroot().iter("sprite"):
        for frameset in sprite.iter("frameset"):
            frame = frameset.find("frameB")
            key = (sprite.get("name"), frameset.get("name"))
            if frame is not None and key not in found:
                numbers = [int(frame.get(a)) for a in ("x", "y", "w", "h", "bY")]
                found[key] = (sprite.get("src"), *numbers)
    return found


def actor_image(name):
    sprite, frameset, _, _ = entities()[name]
    src, x, y, w, h, box_top = first_frames()[(sprite, frameset)]
    return picture(src).crop((x, y, x + w, y + h)), box_top


def draw_layer(canvas, level, grid):
    sheet = picture(sheet_path(level.context))
    names = {number: name for name, number in
             ((n, tile(level.context, n).id) for n in level.legend.values())}
    for tile_id, column, row in parse(grid, level.legend, level.context, level.name):
        x, y = cell(tile(level.context, names[tile_id]))
        canvas.alpha_composite(sheet.crop((x, y, x + SIZE, y + SIZE)), (column * SIZE, row * SIZE))


def render(level, level_set):
    canvas = Image.new("RGBA", (640, 480), (90, 90, 90, 255))
    if level.background:
        canvas.alpha_composite(picture(f"data/gfx/{level.background}.png"))
    for grid in level.layers[:2]:
        draw_layer(canvas, level, grid)
    tuning = level.tuning(level_set)
    placed = [(actor, *actor_image(actor.name)) for actor in level.actors + tuning.actors]
    for actor, image, box_top in sorted(placed, key=lambda p: p[0].y + p[2]):
        canvas.paste(image, (actor.x, actor.y), image)
    for grid in level.layers[2:]:
        draw_layer(canvas, level, grid)
    pen = ImageDraw.Draw(canvas)
    for g in level.generators + tuning.generators:
        x, y = min(max(g.x, 4), 635), min(max(g.y, 4), 475)
        pen.ellipse((x - 4, y - 4, x + 4, y + 4), outline=MARK, width=2)
        pen.text((x + 6, y - 6), f"{g.entities[-1]} x{len(g.entities)}", fill=MARK)
    return canvas.convert("RGB")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("levels", nargs="+")
    parser.add_argument("--set", default="easy", choices=("easy", "medium", "hard"))
    parser.add_argument("--out", default="/tmp/levels.png")
    args = parser.parse_args()
    shots = [render(load(name), args.set) for name in args.levels]
    if len(shots) == 1:
        shots[0].save(args.out)
        return
    columns = 2 if len(shots) <= 4 else 3
    rows = (len(shots) + columns - 1) // columns
    sheet = Image.new("RGB", (320 * columns, 240 * rows))
    for i, shot in enumerate(shots):
        sheet.paste(shot.resize((320, 240)), ((i % columns) * 320, (i // columns) * 240))
    sheet.save(args.out)


if __name__ == "__main__":
    main()
