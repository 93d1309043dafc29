#!/usr/bin/python3
"""Contact sheet of sprites for looking at the art: every frame at 1:1 over three backdrops and
enlarged with its collision box.

    /usr/bin/python3 tools/art/preview.py [--zoom N] [--out FILE] [SPRITE ...]

Without sprite names it shows every sprite. Writes a PNG (default /tmp/art_preview.png).
"""
import argparse
import os
import sys

from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from art import sprites as families  # noqa: E402
from art.lettering import BOLD, font  # noqa: E402
from art.model import render  # noqa: E402

BACKDROPS = ((120, 180, 240), (104, 190, 72), (236, 240, 248))
BOX_COLOUR = (255, 0, 160)


def checker(w, h, step=8):
    img = Image.new("RGB", (w, h), (200, 200, 200))
    d = ImageDraw.Draw(img)
    for y in range(0, h, step):
        for x in range(0, w, step):
            if (x // step + y // step) % 2:
                d.rectangle((x, y, x + step - 1, y + step - 1), fill=(168, 168, 168))
    return img


def sprite_strip(sprite, zoom):
    rows = []
    label = font(BOLD, 12)
    for fs, frames in render(sprite):
        cells = []
        for rf in frames:
            im = rf.image
            big = im.resize((im.width * zoom, im.height * zoom), Image.NEAREST)
            cell = checker(big.width, big.height)
            cell.paste(big, (0, 0), big)
            bx, by, bw, bh = rf.box
            if bw or bh:
                ImageDraw.Draw(cell).rectangle(
                    (bx * zoom, by * zoom, (bx + bw) * zoom - 1, (by + bh) * zoom - 1),
                    outline=BOX_COLOUR)
            small = Image.new("RGB", (im.width * 3 + 8, im.height + 4), (255, 255, 255))
            for i, colour in enumerate(BACKDROPS):
                tile = Image.new("RGB", (im.width + 2, im.height + 4), colour)
                tile.paste(im, (1, 2), im)
                small.paste(tile, (i * (im.width + 3), 0))
            cells.append((cell, small))
        w = sum(max(c.width, s.width) + 6 for c, s in cells) + 150
        h = max(c.height + s.height for c, s in cells) + 8
        row = Image.new("RGB", (w, h), (255, 255, 255))
        d = ImageDraw.Draw(row)
        d.text((2, 2), f"{sprite.name}\n{fs.name}{' (once)' if fs.once else ''}",
               fill=(0, 0, 0), font=label)
        x = 150
        for cell, small in cells:
            row.paste(cell, (x, 0))
            row.paste(small, (x, cell.height + 4))
            x += max(cell.width, small.width) + 6
        rows.append(row)
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("names", nargs="*")
    parser.add_argument("--zoom", type=int, default=4)
    parser.add_argument("--out", default="/tmp/art_preview.png")
    args = parser.parse_args()
    chosen = [s for s in families.collect() if not args.names or s.name in args.names]
    missing = set(args.names) - {s.name for s in chosen}
    if missing:
        sys.exit(f"preview: no sprite named {', '.join(sorted(missing))}")
    rows = [row for s in chosen for row in sprite_strip(s, args.zoom)]
    sheet = Image.new("RGB", (max(r.width for r in rows), sum(r.height + 4 for r in rows)),
                      (255, 255, 255))
    y = 0
    for r in rows:
        sheet.paste(r, (0, y))
        y += r.height + 4
    sheet.save(args.out)
    print(args.out)


if __name__ == "__main__":
    main()
