"""Frames drawn once and shown both ways.

A LEFT frame is its RIGHT twin mirrored (`Frame(..., mirror=True)` flips it). `twin` keeps the
last few drawings by key, so the second twin copies the first one's pixels instead of drawing
everything again; the regeneration stays quick.
"""
from collections import OrderedDict

KEEP = 12
_kept = OrderedDict()


def twin(key, draw):
    """A draw function that draws `draw` once per `key` and canvas size and copies it after."""
    def drawn(c):
        k = (key, c.width, c.height, c.ss)
        if k in _kept:
            rgb, alpha, parts = _kept[k]
            c.rgb[...] = rgb
            c.alpha[...] = alpha
            c.parts.update(parts)
            return
        draw(c)
        _kept[k] = (c.rgb.copy(), c.alpha.copy(), dict(c.parts))
        while len(_kept) > KEEP:
            _kept.popitem(last=False)
    return drawn
