"""Builds every generated picture and the sprite collection into an output directory."""
import os

from . import app_icon, backgrounds, collection, fonts, packer, screens, sprites, tiles
from .canvas import Canvas
from .model import render


def build_sprites(out_dir):
    """Renders and packs every sprite; writes the sheets and the collection file."""
    gfx = os.path.join(out_dir, collection.GFX_DIR)
    os.makedirs(gfx, exist_ok=True)
    entries = []
    for sprite in sprites.collect():
        sheet, placed = packer.pack(render(sprite))
        sheet.save(os.path.join(gfx, sprite.file), optimize=False)
        entries.append((sprite, placed))
    with open(os.path.join(out_dir, collection.COLLECTION), "w", encoding="utf-8") as f:
        f.write(collection.collection_xml(entries))


def build_fonts(out_dir):
    for style in fonts.STYLES:
        fonts.font_strip(style).save(os.path.join(out_dir, style.file))


def build_screens(out_dir):
    for file, module in screens.SCREENS:
        canvas = Canvas(screens.WIDTH, screens.HEIGHT, screens.SS)
        module.draw(canvas)
        canvas.image(opaque=True).save(os.path.join(out_dir, file))


def build_world(out_dir):
    """The tile sheets with their tile definitions files, and the level backgrounds."""
    tiles.build(out_dir)
    backgrounds.build(out_dir)


def build(out_dir, icon_theme_dir):
    """Everything the game reads into `out_dir`; the desktop's icons into `icon_theme_dir`."""
    os.makedirs(out_dir, exist_ok=True)
    build_fonts(out_dir)
    build_screens(out_dir)
    build_sprites(out_dir)
    build_world(out_dir)
    app_icon.build(out_dir, icon_theme_dir)
