"""A player starts the game: the studio's logo with " uvadi", a key skips the story to the main
menu, "hraj" starts the first level (its title shows), "p" pauses and a key resumes, Escape opens
the in-game menu and "pokracuj" returns to the same level; closing the window ends the game."""
from e2elib import Game, fail
from screen_text import LARGE, SMALL, centred_x, expect_text, font, level_names, level_title

NO_HINTS = "FULLSCREEN 0\nDIF 0\nHINTS 0\n"

game = Game(files={"video.cfg": NO_HINTS})
try:
    game.wait_window()
    large = font(LARGE).height

    expect_text(game, LARGE, " uvadi", 245, 430)
    game.key("space")
    expect_text(game, LARGE, ">hraj", 70, 245)
    expect_text(game, LARGE, " konec", 70, 245 + 4 * large)

    game.key("Return")
    title = level_title("easy", level_names()[0])
    expect_text(game, SMALL, title, centred_x(SMALL, title, 320), 110, timeout=2.5)

    game.key("p")
    expect_text(game, LARGE, "PAUZA", 250, 135)
    game.key("Return")
    expect_text(game, LARGE, "PAUZA", 250, 135, present=False)

    game.key("Escape")
    expect_text(game, LARGE, ">pokracuj", 70, 245)
    expect_text(game, LARGE, " zrus hru", 70, 245 + large)
    game.key("Return")
    expect_text(game, LARGE, ">pokracuj", 70, 245, present=False)
    if game.process.poll() is not None:
        fail("the game ended instead of going back to the level")

    game.close()
    game.expect_exit()
    print("logo, story skipped, menu, level title, pause and resume, in-game menu and back")
finally:
    game.cleanup()
