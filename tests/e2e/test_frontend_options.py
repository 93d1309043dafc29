"""The option menus write the three option files byte for byte: the difficulty and the hints
switch save "video.cfg" at once, a key bound in "ovladani" (after its "STISKNI" prompt) is saved
in "controls.cfg" by the back item, the audio switches in "audio.cfg" by theirs; Escape backs
out of every menu and, on the main menu, a click on "konec" ends the game."""
import os
import subprocess

from e2elib import Game, fail
from screen_text import LARGE, SMALL, expect_text, font


def expect_file(game, name, contents):
    path = game.path(name)
    if not os.path.exists(path):
        fail("%s was not written" % name)
    with open(path, "rb") as written:
        found = written.read()
    if found != contents:
        fail("%s holds %r, expected %r" % (name, found, contents))


def choose(game, times, selected, row_height):
    """Moves the selection down (each press moves it 50 ms later, so the presses are spaced),
    checks that the item is selected, and activates it."""
    game.key(*["Down"] * times, delay_ms=150)
    expect_text(game, SMALL if row_height == font(SMALL).height else LARGE, ">" + selected, 70,
                245 + times * row_height)
    game.key("Return")


game = Game()
try:
    game.wait_window()
    small = font(SMALL).height
    large = font(LARGE).height
    game.key("space")
    expect_text(game, LARGE, ">hraj", 70, 245)

    choose(game, 2, "volby", large)
    expect_text(game, SMALL, ">Obtiznost: spacek", 70, 245)
    game.key("Return")
    expect_text(game, SMALL, ">Obtiznost: sokolik", 70, 245)
    expect_file(game, "video.cfg", b"FULLSCREEN 0\nDIF 1\nHINTS 1\n")

    choose(game, 1, "[X] ukazuj hinty", small)
    expect_text(game, SMALL, " [ ] ukazuj hinty", 70, 245 + small)
    expect_file(game, "video.cfg", b"FULLSCREEN 0\nDIF 1\nHINTS 0\n")

    choose(game, 2, "ovladani", small)
    expect_text(game, SMALL, ">nahoru: w", 70, 245)
    expect_text(game, SMALL, " akce: space", 70, 245 + 4 * small)
    game.key("Return")
    expect_text(game, SMALL, "STISKNI nahoru: w", 55, 395)
    game.key("i")
    expect_text(game, SMALL, ">nahoru: i", 70, 245)
    choose(game, 2, "levo: a", small)
    expect_text(game, SMALL, "STISKNI levo: a", 55, 395)
    game.key("Left")
    expect_text(game, SMALL, " levo: left", 70, 245 + 2 * small)
    game.key("Escape")
    expect_text(game, SMALL, ">Obtiznost: sokolik", 70, 245)
    expect_file(game, "controls.cfg", b"LEFT 276\nRIGHT 100\nUP 105\nDOWN 115\nSHOOT 32")

    choose(game, 4, "audio", small)
    expect_text(game, SMALL, ">[X] hudba", 70, 245)
    choose(game, 1, "[X] zvuky", small)
    expect_text(game, SMALL, " [ ] zvuky", 70, 245 + small)
    game.key("Escape")
    expect_text(game, SMALL, ">Obtiznost: sokolik", 70, 245)
    expect_file(game, "audio.cfg", b"SOUND 0\nMUSIC 1")

    choose(game, 3, "video", small)
    expect_text(game, SMALL, ">[ ] fullscreen", 70, 245)
    game.key("Escape")
    expect_text(game, SMALL, ">Obtiznost: sokolik", 70, 245)
    expect_file(game, "video.cfg", b"FULLSCREEN 0\nDIF 1\nHINTS 0\n")

    game.key("Escape")
    expect_text(game, LARGE, ">hraj", 70, 245)

    # The pointer's hot spot is 14 pixels right of and 31 below the mouse position; it rests on
    # the end of "konec", so that the arrow covers only the word's last letters.
    konec = font(LARGE).width(" konec")  # its box while it is not selected
    x, y = 70 + konec - 4 - 14, 245 + 4 * large + large // 2 - 31
    subprocess.run(["xdotool", "mousemove", "--window", game.window, str(x), str(y)], check=True)
    expect_text(game, LARGE, ">ko", 70, 245 + 4 * large)
    expect_text(game, LARGE, " hraj", 70, 245)
    subprocess.run(["xdotool", "click", "1"], check=True)
    game.expect_exit()
    print("video.cfg, controls.cfg and audio.cfg written as expected; konec clicked")
finally:
    game.cleanup()
