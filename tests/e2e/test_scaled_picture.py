"""The picture enlarged, read off the real windows of a virtual X server. A replayed demo is
paused on the first summer level and its window grabbed at scale 1, 2 and 3 through OpenGL
(--opengl) and through the plain path: each enlarged window, one pixel taken of every block, is
the picture of scale 1 exactly, and F12 saves a PNG that is that picture. The X server's OpenGL is
a software renderer, which gives way to the plain path at scale 2 unless --opengl asks for it, with
a line on standard error. On a 1920 x 1080 screen the window is
1280 x 960 by itself and 640 x 480 with --scale 1; at scale 2 a click on a menu item's place in
the window activates that item; Alt+Enter switches to full screen at the screen's resolution (the
picture at scale 2, centred on black), the game draws on, video.cfg holds the switch byte for
byte, and Alt+Enter again gives the window back."""
import glob
import os
import sys
import tempfile
import time

import numpy as np
from PIL import Image, ImageGrab

from e2elib import VirtualScreen, fail, start_game
from screen_text import LARGE, SMALL, font, match

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools", "demos"))
from compose import parse  # noqa: E402

PAUSED_DEMO = """
set easy
level l1
seed 5
frames 4000
at 20 hold d 40
every 30 from 10 to 120 press space
at 150 press p
"""


def geometry(game):
    shell = os.popen("xdotool getwindowgeometry --shell %s" % game.window).read()
    v = dict(line.split("=", 1) for line in shell.split() if "=" in line)
    return int(v["X"]), int(v["Y"]), int(v["WIDTH"]), int(v["HEIGHT"])


def grab(game):
    x, y, w, h = geometry(game)
    picture = ImageGrab.grab(bbox=(x, y, x + w, y + h), xdisplay=os.environ["DISPLAY"])
    return np.asarray(picture.convert("RGB"), dtype=np.int16)


def steady_grab(game, timeout=60):
    """The window once two grabs a second apart are the same (the game is paused)."""
    deadline = time.time() + timeout
    last = grab(game)
    while time.time() < deadline:
        time.sleep(1.0)
        now = grab(game)
        if now.shape == last.shape and (now == last).all() and now.any():
            return now
        last = now
    fail("the window never stood still")


def reduced(window, scale, left=0, top=0):
    """One pixel of every scale x scale block of the picture placed at (left, top)."""
    block = window[top:top + 480 * scale, left:left + 640 * scale]
    if block.shape[:2] != (480 * scale, 640 * scale):
        fail("the window holds no %dx picture at (%d, %d): it is %dx%d" % (scale, left, top, window.shape[1],
                                                                           window.shape[0]))
    corner = block[::scale, ::scale]
    for dy in range(scale):
        for dx in range(scale):
            if not (block[dy::scale, dx::scale] == corner).all():
                fail("the %dx picture's blocks are not uniform (offset %d,%d)" % (scale, dx, dy))
    return corner


def scratch_home():
    home = tempfile.mkdtemp(prefix="zepo-e2e-home-")
    return {"HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share")}


def shows(picture, font_name, text, x, y):
    return match(picture.astype(np.int32), (0, 0), font_name, text, x, y) >= 0.9


def wait_shown(game, scale, font_name, text, x, y, left=0, top=0, timeout=10):
    """The window once the text shows at (x, y) of its picture enlarged by scale at (left, top)."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        window = grab(game)
        fits = window.shape[0] >= top + 480 * scale and window.shape[1] >= left + 640 * scale
        if fits and shows(reduced(window, scale, left, top), font_name, text, x, y):
            return window
        time.sleep(0.3)
    Image.fromarray(grab(game).astype(np.uint8)).save("failed-screen.png")
    fail("%r is not shown at (%d, %d) of the %dx picture (see failed-screen.png)" % (text, x, y, scale))


def paused_pictures(demo):
    """{(path, scale): picture reduced to 640 x 480}, and the PNG F12 saved at OpenGL scale 2."""
    pictures = {}
    saved = None
    flags = {"opengl": ["--opengl"], "plain": ["--software"], "default": []}
    for path, scale in [(path, scale) for path in ("opengl", "plain") for scale in (1, 2, 3)] + [("default", 2)]:
        arguments = ["--playdemo", demo] + flags[path]
        env = scratch_home()
        game = start_game(*arguments, env=env, scale=scale)
        try:
            x, y, w, h = geometry(game)
            if (w, h) != (640 * scale, 480 * scale):
                fail("--scale %d gives a window of %dx%d" % (scale, w, h))
            pictures[path, scale] = reduced(steady_grab(game), scale)
            if path == "opengl" and scale == 2:
                game.key("F12")
                deadline = time.time() + 10
                while not saved and time.time() < deadline:
                    found = glob.glob(os.path.join(env["XDG_DATA_HOME"], "zepo", "screenshots", "zepo-*.png"))
                    saved = found[0] if found and os.path.getsize(found[0]) > 0 else None
                    time.sleep(0.3)
                if not saved:
                    fail("F12 saved no screenshot in the player's data folder")
                time.sleep(0.5)
                saved = np.asarray(Image.open(saved).convert("RGB"), dtype=np.int16)
            if game.process.poll() is not None:
                game.wait_exit()
                fail("the replay at %s scale %d ended early (status %d): %s"
                     % (path, scale, game.process.returncode, game.stderr[-500:]))
            # Escape ends the replay at once: no release, the window is gone by then.
            game.key_down("Escape")
            game.expect_exit()
            gave_way = "drawing through the plain SDL path (--opengl keeps OpenGL)" in game.stderr
            if gave_way != (path == "default"):
                fail("at %s scale %d the software renderer %s: %s"
                     % (path, scale, "gave way" if gave_way else "did not give way", game.stderr[-500:]))
        finally:
            game.cleanup()
    return pictures, saved


screen = VirtualScreen(1920, 1440)
try:
    folder = tempfile.mkdtemp(prefix="zepo-e2e-demo-")
    demo = os.path.join(folder, "paused.demo")
    with open(demo, "wb") as f:
        f.write(parse(PAUSED_DEMO).encode())
    pictures, saved = paused_pictures(demo)
    for path, scale, same_as in [("opengl", 2, "opengl"), ("opengl", 3, "opengl"), ("plain", 2, "plain"),
                                 ("plain", 3, "plain"), ("default", 2, "plain")]:
        if not (pictures[path, scale] == pictures[same_as, 1]).all():
            differing = int((pictures[path, scale] != pictures[same_as, 1]).any(axis=2).sum())
            fail("%s at scale %d, reduced, differs from %s at scale 1 in %d pixels" % (path, scale, same_as, differing))
    if saved.shape != (480, 640, 3) or not (saved == pictures["opengl", 1]).all():
        fail("the F12 screenshot (%s) is not the picture on screen" % (saved.shape,))
finally:
    screen.close()

def mouse_to(game, x, y):
    os.system("xdotool mousemove --window %s %d %d" % (game.window, x, y))


def wait_geometry(game, size, what):
    deadline = time.time() + 10
    while geometry(game)[2:] != size and time.time() < deadline:
        time.sleep(0.3)
    if geometry(game)[2:] != size:
        fail("%s gives a window of %dx%d, not %dx%d" % ((what,) + geometry(game)[2:] + size))


def expect_video_cfg(game, env, contents):
    config = os.path.join(env["XDG_CONFIG_HOME"], "zepo", "video.cfg")
    if not os.path.exists(config):
        config = game.path("video.cfg")
    with open(config, "rb") as f:
        found = f.read()
    if found != contents:
        fail("video.cfg holds %r, not %r" % (found, contents))


screen = VirtualScreen(1920, 1080)
try:
    game = start_game(env=scratch_home())
    try:
        if geometry(game)[2:] != (640, 480):
            fail("--scale 1 gives a window of %dx%d" % geometry(game)[2:])
    finally:
        game.cleanup()

    env = scratch_home()
    game = start_game(env=env, scale=None)
    try:
        if geometry(game)[2:] != (1280, 960):
            fail("on a 1920x1080 screen the window is %dx%d, not 1280x960" % geometry(game)[2:])
        game.key("space")
        large, small = font(LARGE).height, font(SMALL).height
        wait_shown(game, 2, LARGE, ">hraj", 70, 245)
        # A click on "volby", the third item, at its place in the enlarged window: the pointer's
        # hot spot is 14 pixels right of and 31 below the mouse position (of the picture).
        x, y = 70 + font(LARGE).width(" volby") - 4 - 14, 245 + 2 * large + large // 2 - 31
        mouse_to(game, 2 * x, 2 * y)
        wait_shown(game, 2, LARGE, ">volby", 70, 245 + 2 * large)
        os.system("xdotool click 1")
        # The pointer over the first item of the options menu selects it.
        x, y = 70 + font(SMALL).width(" Obtiznost") - 14, 245 + small // 2 - 31
        mouse_to(game, 2 * x, 2 * y)
        wait_shown(game, 2, SMALL, ">Obtiznost: spacek", 70, 245)

        mouse_to(game, 0, 0)
        game.key("alt+Return")
        wait_geometry(game, (1920, 1080), "Alt+Enter")
        window = wait_shown(game, 2, SMALL, ">Obtiznost: spacek", 70, 245, left=320, top=60)
        if window[:60].any() or window[:, :320].any() or window[1020:].any() or window[:, 1600:].any():
            fail("the borders of full screen are not black")
        expect_video_cfg(game, env, b"FULLSCREEN 1\nDIF 0\nHINTS 1\n")
        # The game draws on: the selection follows the keys.
        game.key("Down")
        wait_shown(game, 2, SMALL, ">[X] ukazuj hinty", 70, 245 + small, left=320, top=60)

        game.key("alt+Return")
        wait_geometry(game, (1280, 960), "Alt+Enter again")
        wait_shown(game, 2, SMALL, ">[X] ukazuj hinty", 70, 245 + small)
        expect_video_cfg(game, env, b"FULLSCREEN 0\nDIF 0\nHINTS 1\n")
    finally:
        game.cleanup()
finally:
    screen.close()
print("ok")
