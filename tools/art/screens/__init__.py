"""The full-screen pictures: each module draws one 640 x 480 opaque image.

`SCREENS` lists (file name, module); every module exports `draw(canvas)`.
"""
from . import backdrop, ending, studio, title

WIDTH, HEIGHT, SS = 640, 480, 3
SCREENS = [("intro.png", title), ("outro.png", ending), ("blankbg.png", backdrop), ("zq.png", studio)]
