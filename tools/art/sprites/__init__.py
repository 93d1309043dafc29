"""Sprite families: one module per family, each exporting `SPRITES`, a list of `Sprite`s.

`collect()` imports every module of this package in file-name order and returns their sprites
in that order, each module's in its own order; that is the order of the collection file.
"""
import importlib
import pkgutil


def family_modules():
    names = sorted(m.name for m in pkgutil.iter_modules(__path__) if not m.name.startswith("_"))
    return [importlib.import_module(f"{__name__}.{name}") for name in names]


def collect():
    sprites, owner = [], {}
    for module in family_modules():
        for sprite in module.SPRITES:
            if sprite.name in owner:
                raise ValueError(f"sprite {sprite.name} is described twice "
                                 f"({owner[sprite.name]} and {module.__name__})")
            owner[sprite.name] = module.__name__
            sprites.append(sprite)
    files = {}
    for sprite in sprites:
        if files.setdefault(sprite.file, sprite.name) != sprite.name:
            raise ValueError(f"sprites {files[sprite.file]} and {sprite.name} share {sprite.file}")
    return sprites
