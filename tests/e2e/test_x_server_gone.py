"""The X server goes away under the game (as when a session ends, or a terminal's Ctrl+C ends
xvfb-run and the game together): Xlib ends the program from inside the game's loop. It ends within
seconds, and the surfaces that the game's objects still held at that moment are released by the
rendering layer without being reported as leaked textures, in the story, the menu and a level."""
import time

from e2elib import VirtualScreen, fail, start_game

for arguments, keys in (((), ()), ((), ("space",)), (("--set", "easy", "--level", "l1"), ())):
    screen = VirtualScreen(800, 600)
    game = start_game(*arguments)
    try:
        for key in keys:
            game.key(key)
        time.sleep(2)
        screen.close()
        game.wait_exit(timeout=30)
        if "Leaked" in game.stderr:
            fail("the game %s reported leaked textures when its X server went away: %s"
                 % (" ".join(arguments) or "in its menus", game.stderr[-600:]))
        if "X connection" not in game.stderr and game.process.returncode == 0:
            fail("the game did not notice its X server went away: %s" % game.stderr[-600:])
    finally:
        game.cleanup()
        screen.close()
print("ok")
