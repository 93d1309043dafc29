"""The real game starts in a virtual X server, shows its window and ends with status 0 when
the window is closed from outside."""
import time

from e2elib import Game, fail

game = Game()
try:
    window = game.wait_window()
    time.sleep(1.0)
    if game.process.poll() is not None:
        fail("the game ended on its own")
    game.close()
    game.expect_exit()
    print("started, showed window %s, closed with status 0" % window)
finally:
    game.cleanup()
