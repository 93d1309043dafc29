"""A level designer's F5: the game started at a level of a scratch copy of the data reads the
level's files again when F5 is pressed. A changed map shows at once; a broken one is reported in a
line at the bottom of the screen and on standard error while the level plays on as it was; mended,
the next F5 takes it. A picture changed on disk is drawn anew too (its textures made again)."""
import io
import re
import time

import numpy as np
from PIL import Image

from e2elib import GAME_DIR, fail, start_game
from screen_text import SMALL, centred_x, font, wait_text

MAP = "data/maps/easy/l1_map.xml"
ORIGINAL_MAP = open(GAME_DIR + "/" + MAP, encoding="utf-8").read()
# The band of the picture where the background shows: below the HUD and the level title, above
# the people and the ground.
BAND = (slice(150, 300), slice(0, 640))


def background_share(picture, image):
    """The share of the band's pixels that show the background image (within a small tolerance)."""
    if isinstance(image, str):
        image = np.asarray(Image.open(GAME_DIR + "/" + image).convert("RGB"), dtype=np.int16)
    return float(np.all(np.abs(picture[BAND] - image[BAND]) <= 12, axis=2).mean())


def map_with(background, broken=False):
    text = ORIGINAL_MAP.replace("data/gfx/bg_meadow.png", background)
    if broken:
        text = text.replace('<tile id="1" x="0" y="14"/>', '<tile id="999" x="0" y="14"/>', 1)
    return text


def expect_background(game, image, others, what):
    """Waits until the band shows the background image (a file's name or the picture itself)
    rather than any of the others."""
    name = image if isinstance(image, str) else "expected"
    deadline = time.time() + 10
    while True:
        picture, _ = game.grab()
        share = background_share(picture, image)
        rivals = [background_share(picture, other) for other in others]
        if share > 0.5 and all(share > rival + 0.3 for rival in rivals):
            return picture
        if time.time() > deadline:
            Image.fromarray(picture.astype(np.uint8)).save("failed-screen.png")
            fail("%s: the background %s is not shown (share %.2f, the others %s; see failed-screen.png)"
                 % (what, name, share, ["%.2f" % r for r in rivals]))
        time.sleep(0.3)


def message_y():
    return 480 - font(SMALL).height - 4


def expect_message(game, text, present=True):
    shown, shot = wait_text(game, SMALL, text, centred_x(SMALL, text, 320), message_y(), present, timeout=10)
    if not shown:
        fail("the line %r is %s at the bottom of the screen (see %s)" % (text, "not shown" if present else
                                                                         "still shown", shot))


def moving(game):
    """Whether the game goes on drawing: two pictures a second apart differ somewhere."""
    first, _ = game.grab()
    time.sleep(1.0)
    second, _ = game.grab()
    return bool(np.any(first != second))


def solid_png(colour):
    out = io.BytesIO()
    Image.new("RGB", (640, 480), colour).save(out, format="PNG")
    return out.getvalue()


def reload_session(*args):
    """Changes, breaks and mends the map of a game started at "l1", then changes a picture."""
    # No hint window at the level's start: it would cover the map.
    game = start_game("--level", "l1", *args, files={"data/maps/l1_hint.xml": ""})
    try:
        time.sleep(3.5)  # the level title is gone
        expect_background(game, "data/gfx/bg_meadow.png", ["data/gfx/bg_dunes.png"], "at the start")

        game.write(MAP, map_with("data/gfx/bg_dunes.png"))
        game.key("F5")
        expect_background(game, "data/gfx/bg_dunes.png", ["data/gfx/bg_meadow.png"],
                          "the changed map after F5")

        broken = map_with("data/gfx/bg_canyon.png", broken=True)
        game.write(MAP, broken)
        line = broken[:broken.index('id="999"')].count("\n") + 1
        message = "l1_map.xml:%d: ID out of range near TILE tag!" % line
        game.key("F5")
        expect_message(game, message)
        expect_background(game, "data/gfx/bg_dunes.png", ["data/gfx/bg_canyon.png"],
                          "the broken map after F5")
        if game.process.poll() is not None:
            fail("the game ended on the broken map (status %s)" % game.process.returncode)
        if not moving(game):
            fail("the game stopped drawing after the broken map")

        game.write(MAP, map_with("data/gfx/bg_canyon.png"))
        game.key("F5")
        expect_background(game, "data/gfx/bg_canyon.png", ["data/gfx/bg_dunes.png"],
                          "the mended map after F5")
        expect_message(game, message, present=False)

        # The picture itself changes on disk: the next F5 draws the new one.
        game.write("data/gfx/bg_canyon.png", solid_png((40, 200, 90)))
        game.key("F5")
        solid = np.full((480, 640, 3), (40, 200, 90), dtype=np.int16)
        expect_background(game, solid, ["data/gfx/bg_canyon.png"], "the changed picture after F5")

        game.close()
        game.expect_exit()
        if not re.search("zepo: .*" + re.escape(MAP) + ":%d: ID out of range near TILE tag!\n" % line, game.stderr):
            fail("standard error does not name the broken map: %r" % game.stderr)
        return "plain path" if "falling back" in game.stderr or args else "OpenGL"
    finally:
        game.cleanup()


# Through OpenGL, where the textures of a changed picture are made again, and through plain SDL.
for drawn in (reload_session(), reload_session("--software")):
    print("changed, broken and mended map and a changed picture reloaded with F5 (%s)" % drawn)
