#!/usr/bin/python3
"""Looks at a tile set: the sheet enlarged with every tile's number and name (solid tiles
framed in red), and a 20 x 15 mock-up level built from the tiles over a background.

    /usr/bin/python3 tools/art/preview_tiles.py CONTEXT [--bg FILE] [--zoom N] [--out FILE]

The mock-ups below also show how the tiles are meant to be put together.
"""
import argparse
import os
import sys

from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from art import tiles, tilesets  # noqa: E402
from art.lettering import CONDENSED_BOLD, font  # noqa: E402

# Mock-ups: the legend maps a character to a tile; "back" is layer 0, "decor" layer 1 and
# "front" layer 2.
MOCKUPS = {
    "summer": {
        "legend": {"g": "ground_top", "b": "ground_top_b", "c": "ground_top_c", "e": "ground",
                   "<": "ledge_left", "-": "ledge", ">": "ledge_right", "S": "stone",
                   "B": "brick", "T": "brick_top", "H": "hay", "X": "crate", "[": "plank_left",
                   "=": "plank", "]": "plank_right", "|": "post", "F": "fence_left",
                   "f": "fence", "G": "fence_right", "o": "bush", "(": "hedge_left",
                   "h": "hedge", ")": "hedge_right", "*": "flowers", "w": "wall",
                   "W": "window", "d": "door_top", "D": "door", "R": "roof_left", "r": "roof",
                   "E": "roof_right", "^": "chimney", "{": "cloud_left", "~": "cloud",
                   "}": "cloud_right", "t": "tuft", "Y": "tall_grass"},
        "back": ["....................",
                 "....................",
                 "....................",
                 "............{~~}....",
                 "....................",
                 "..<-->..............",
                 ".........TTT........",
                 ".....SS..BBB........",
                 ".....SS..BBB.....X..",
                 "....[==]........XX..",
                 "....|..|..^.....HHH.",
                 "....|..|.RrrE...HHH.",
                 "....|..|.wdWw.......",
                 "FfG*|..|.wDWw.(hh)o.",
                 "ggbgggcgggegggbggcgg"],
        "front": ["", "", "", "", "", "", "", "", "", "", "", "", "",
                  ".Y...t......t...Y..t"],
    },
    "castle": {
        "legend": {"g": "ground_top", "b": "ground_top_b", "c": "ground_top_c", "e": "ground",
                   "<": "ledge_left", "-": "ledge", ">": "ledge_right", "S": "stone",
                   "s": "stone_slit", "M": "battlement", "w": "wall_back", "m": "wall_back_top",
                   "A": "gate_arch_left", "a": "gate_arch_right", "G": "gate_left",
                   "H": "gate_right", "R": "banner_red", "U": "banner_blue", "T": "torch",
                   "W": "window_arch", "o": "bush", "t": "tuft"},
        "back": ["....................",
                 "....................",
                 "....................",
                 "....................",
                 "..........MMMM......",
                 "....<-->..SsSS......",
                 "..........SSSS......",
                 ".MMMMMMMMMSSsS......",
                 ".SSSsSSSSSSSSS......",
                 ".SSSSSSSSsSSSSMM....",
                 ".mmmmmmmmmmmmmSS.o..",
                 ".wwwwwwAawwwwwSS....",
                 ".wwwwwwGHwwwwwSS....",
                 ".wwwwwwGHwwwwwSS..o.",
                 "gggbggggggcgggggbggg"],
        "decor": ["", "", "", "", "", "", "", "", "", "", "",
                  "..T........T.......",
                  "..R...U...W..R....."],
        "front": ["", "", "", "", "", "", "", "", "", "", "", "", "",
                  "t.........t......t.."],
    },
    "winter": {
        "legend": {"g": "ground_top", "b": "ground_top_b", "c": "ground_top_c", "e": "ground",
                   "<": "ledge_left", "-": "ledge", ">": "ledge_right", "I": "ice_block",
                   "i": "ice_block_top", "K": "rock", "[": "plank_left", "=": "plank",
                   "]": "plank_right", "(": "snow_wall_left", "~": "snow_wall",
                   ")": "snow_wall_right", "_": "snow_wall_base", "F": "fence_left",
                   "f": "fence", "G": "fence_right", "p": "pine_shrub", "s": "snowdrift",
                   "t": "tuft", "w": "log_wall", "W": "log_window", "d": "log_door_top",
                   "D": "log_door", "R": "roof_left", "r": "roof", "E": "roof_right"},
        "back": ["....................",
                 "....................",
                 "....................",
                 "....................",
                 "...<--->............",
                 "..............iii...",
                 "..............III...",
                 "........KK..........",
                 ".[==]...KK..........",
                 "....................",
                 "...........RrrE.....",
                 "...........wdWw.....",
                 "FffG....p..wDWw.....",
                 "....p...............",
                 "ggbgggcgggggggbgggcg"],
        "front": ["", "", "", "", "", "", "", "", "", "", "", "",
                  ".................(~)",
                  "..t...s..t...t...___"],
    },
    "desert": {
        "legend": {"g": "ground_top", "b": "ground_top_b", "c": "ground_top_c", "e": "ground",
                   "<": "ledge_left", "-": "ledge", ">": "ledge_right", "S": "sandstone",
                   "T": "sandstone_top", "K": "rock", "X": "scorched_top", "x": "scorched",
                   "B": "bones", "k": "skull", "t": "dry_tuft", "p": "pebbles",
                   "y": "small_cactus", "w": "adobe_wall", "W": "adobe_window",
                   "d": "adobe_door_top", "D": "adobe_door", "A": "adobe_top"},
        "back": ["....................",
                 "....................",
                 "....................",
                 "....................",
                 "..<--->.............",
                 ".............TTT....",
                 ".............SSS....",
                 ".........K...SSS....",
                 "........KK..........",
                 ".......XXXX.........",
                 ".......xxxx..AAAA...",
                 ".............wWdw...",
                 "..y..........wwDw...",
                 "..B.k....y..........",
                 "ggbgggcggggeggbgggcg"],
        "front": ["", "", "", "", "", "", "", "", "", "", "", "", "",
                  "t....p..t......t..p."],
    },
}


def parse(layout, legend):
    cells = {}
    for row, line in enumerate(layout):
        for col, ch in enumerate(line):
            if ch != ".":
                cells[(col, row)] = legend[ch]
    return cells


def mockup(context, background):
    layout = MOCKUPS[context]
    pics = tiles.pictures(context)
    scene = background.convert("RGBA").resize((640, 480))
    for layer in ("back", "decor", "front"):
        for (col, row), name in parse(layout.get(layer, []), layout["legend"]).items():
            pic = pics[name]
            scene.alpha_composite(pic, (col * 32, row * 32))
    return scene.convert("RGB")


def labelled_sheet(context, zoom):
    sheet = tiles.sheet(context)
    step = 32 * zoom
    rows = sheet.height // 32
    out = Image.new("RGB", (sheet.width * zoom, rows * (step + 16)), (150, 190, 230))
    d = ImageDraw.Draw(out)
    label = font(CONDENSED_BOLD, 12)
    for t in tilesets.CONTEXTS[context]:
        sx, sy = tilesets.cell(t)
        pic = sheet.crop((sx, sy, sx + 32, sy + 32)).resize((step, step), Image.NEAREST)
        x, y = sx * zoom, (sy // 32) * (step + 16)
        out.paste(pic, (x, y), pic)
        if t.solid:
            d.rectangle((x, y, x + step - 1, y + step - 1), outline=(220, 30, 30))
        d.text((x + 2, y + step + 1), f"{t.id} {t.name}", fill=(0, 0, 0), font=label)
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("context", choices=sorted(tilesets.CONTEXTS))
    parser.add_argument("--bg", help="background picture for the mock-up")
    parser.add_argument("--zoom", type=int, default=3)
    parser.add_argument("--out", default="/tmp/tiles_preview.png")
    args = parser.parse_args()
    background = Image.open(args.bg) if args.bg else Image.new("RGB", (640, 480), (150, 200, 240))
    sheet = labelled_sheet(args.context, args.zoom)
    scene = mockup(args.context, background) if args.context in MOCKUPS else None
    w = max(sheet.width, 1280)
    h = sheet.height + (960 if scene else 0)
    out = Image.new("RGB", (w, h), (255, 255, 255))
    out.paste(sheet, (0, 0))
    if scene:
        out.paste(scene.resize((1280, 960), Image.NEAREST), (0, sheet.height))
    out.save(args.out)
    print(args.out)


if __name__ == "__main__":
    main()
