"""The name entry after a game: a table of nine stored scores, a game of level "l1" given up
with Escape before it has got under way (its score 0 still enters a table of nine), six
letters typed of which five are kept, Return: the name is the tenth line of the menu's table
and the tenth record of "top10.bin"; the other lines show their scores grouped in thousands."""
import struct
import subprocess
import sys
import time

from e2elib import Game, fail
from screen_text import LARGE, SMALL, expect_text, font, load_screenshot, match, right_aligned_x, window_origin

STORED = [("ZOBAK", 1234567), ("pirko", 250000), ("Kos", 99999), ("sova", 12000), ("Drozd", 5000),
          ("cap", 1001), ("vrana", 999), ("puk", 100), ("a b", 1)]


def record(name, score):
    return name.encode().ljust(52, b"\0") + struct.pack("<I", score)


def top10(entries):
    return struct.pack("<I", len(entries)) + b"".join(record(name, score) for name, score in entries)


def start_and_give_up():
    """Starts the game at "l1" and presses Escape before its first frame (the moment the window
    has its title, while the game is still loading); True when the name entry came up."""
    game = Game("--set", "easy", "--level", "l1", files={"top10.bin": top10(STORED),
                                                        "video.cfg": "FULLSCREEN 0\nDIF 0\nHINTS 0\n"})
    deadline = time.time() + 30
    while time.time() < deadline:
        found = subprocess.run(["xdotool", "search", "--name", "Z.E.P.O."], capture_output=True, text=True)
        if found.stdout.split():
            game.window = found.stdout.split()[0]
            break
    if not game.window:
        game.cleanup()
        fail("no window titled Z.E.P.O. appeared")
    subprocess.run(["xdotool", "key", "--window", game.window, "Escape"], check=True)
    time.sleep(1.0)
    shot = load_screenshot(game.screenshot("first.png"))
    if match(shot, window_origin(game.window), LARGE, "vloz jmeno: ", 150, 210) >= 0.7:
        return game
    print("the level's first frame came before the key; starting again", file=sys.stderr)
    game.close()
    game.wait_exit()
    game.cleanup()
    return None


for attempt in range(4):
    game = start_and_give_up()
    if game:
        break
else:
    fail("the Escape key never reached the level's first frame")

try:
    game.type_text("ABCDEF")
    expect_text(game, LARGE, "vloz jmeno: ABCDE", 150, 210)
    game.key("Return")

    small = font(SMALL).height
    expect_text(game, LARGE, ">hraj", 70, 245)
    expect_text(game, SMALL, "10. ABCDE", 350, 240 + 9 * small)
    expect_text(game, SMALL, "0", right_aligned_x(SMALL, "0", 590), 240 + 9 * small)
    expect_text(game, SMALL, "1. ZOBAK", 350, 240)
    expect_text(game, SMALL, "1,234,567", right_aligned_x(SMALL, "1,234,567", 590), 240)
    expect_text(game, SMALL, "7. vrana", 350, 240 + 6 * small)
    expect_text(game, SMALL, "999", right_aligned_x(SMALL, "999", 590), 240 + 6 * small)

    with open(game.path("top10.bin"), "rb") as written:
        stored = written.read()
    expected = top10(STORED + [("ABCDE", 0)])
    if stored != expected:
        fail("top10.bin holds %r, expected %r" % (stored, expected))

    game.close()
    game.expect_exit()
    print("name ABCDE entered, shown as the tenth line and written as the tenth record")
finally:
    game.cleanup()
