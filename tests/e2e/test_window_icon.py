"""The game's window carries the bird as its icon (set before the window is made, so the
window manager sees it from the start); with the icon file missing the game starts all the
same, only without an icon."""
import subprocess
import time

from e2elib import Game, fail


def icon_hints(window):
    hints = subprocess.run(["xprop", "-id", window, "WM_HINTS"], capture_output=True, text=True,
                           check=True).stdout
    return [line.strip() for line in hints.splitlines() if "for icon" in line]


def run(files=None):
    game = Game(files=files)
    try:
        window = game.wait_window()
        time.sleep(0.5)
        hints = icon_hints(window)
        if game.process.poll() is not None:
            fail("the game ended on its own")
        game.close()
        game.expect_exit()
        return hints
    finally:
        game.cleanup()


with_icon = run()
if len(with_icon) != 2 or not with_icon[0].startswith("bitmap id # to use for icon") or \
        not with_icon[1].startswith("bitmap id # of mask for icon"):
    fail("the window has no icon with a mask: %r" % with_icon)

# An empty icon file in the scratch copy (the game's own stays untouched) cannot be read.
without_icon = run(files={"data/gfx/zepo_icon.png": b""})
if without_icon:
    fail("an unreadable icon still gave the window one: %r" % without_icon)
print("icon hints: %s; with an unreadable icon file the game starts and closes without one" % with_icon)
