"""Writes the sprite collection file data/gfx/didudo_sprites.xml."""
from xml.sax.saxutils import quoteattr

GFX_DIR = "data/gfx"
COLLECTION = GFX_DIR + "/didudo_sprites.xml"


def source_path(sprite):
    return f"{GFX_DIR}/{sprite.file}"


def collection_xml(entries):
    """entries: [(sprite, [(frameset, [PlacedFrame])])] -> the file's text."""
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<kolekce>"]
    for sprite, framesets in entries:
        lines.append(f"  <sprite name={quoteattr(sprite.name)} src={quoteattr(source_path(sprite))}>")
        for fs, frames in framesets:
            once = ' repeatAnimation="0"' if fs.once else ""
            lines.append(f"    <frameset name={quoteattr(fs.name)}{once}>")
            for f in frames:
                bx, by, bw, bh = f.box
                lines.append(f'      <frameB name="{f.name}" x="{f.x}" y="{f.y}" w="{f.w}" '
                             f'h="{f.h}" delay="{f.delay}" bX="{bx}" bY="{by}" bW="{bw}" '
                             f'bH="{bh}"/>')
            lines.append("    </frameset>")
        lines.append("  </sprite>")
    lines.append("</kolekce>")
    return "\n".join(lines) + "\n"
