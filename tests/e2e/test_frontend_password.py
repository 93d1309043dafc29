"""The password screen: "heslo" in the main menu opens it, a wrong password returns to the
menu, the typed text is still there on the next visit, and "plumb" starts a new game at the
level "l6", which shows its password and then the pause screen."""
import sys

from e2elib import Game
from screen_text import LARGE, SMALL, centred_x, enter_password, expect_text, level_names, level_title

NO_HINTS = "FULLSCREEN 0\nDIF 0\nHINTS 0\n"

if "l6" not in level_names("easy"):
    print("SKIPPED: the easy level set has no level l6 yet (data/maps/easy/levellist.xml)")
    sys.exit(77)

game = Game(files={"video.cfg": NO_HINTS})
try:
    game.wait_window()
    game.key("space")
    expect_text(game, LARGE, ">hraj", 70, 245)

    enter_password(game, "nic")
    expect_text(game, LARGE, ">hraj", 70, 245)

    game.key("Down", "Return")
    expect_text(game, LARGE, "   heslo: nic", 140, 210)
    game.key("BackSpace", "BackSpace", "BackSpace")
    game.type_text("plumb")
    expect_text(game, LARGE, "   heslo: plumb", 140, 210)
    game.key("Return")

    expect_text(game, LARGE, "heslo: plumb", 160, 170, timeout=4)
    expect_text(game, LARGE, "PAUZA", 250, 135, timeout=6)
    title = level_title("easy", "l6")
    expect_text(game, SMALL, title, centred_x(SMALL, title, 320), 110, timeout=1)

    game.close()
    game.expect_exit()
    print("wrong password back to the menu, text kept, plumb started %s" % title)
finally:
    game.cleanup()
