"""A level played from outside as a player would: the game starts directly at the first summer
level, the bird answers the keys configured in controls.cfg, a dropping falls and the HUD shows
the score, the droppings left and the clock - all checked on screenshots."""
import time

from e2elib import GAME_DIR, Game, fail
from screen_match import Font, find, load, sprite_frames

# Keys other than the defaults, to prove the bird reads controls.cfg: j/l left/right, i/k up/down.
CONTROLS = "LEFT 106\nRIGHT 108\nUP 105\nDOWN 107\nSHOOT 120"
# The first level without its stone throwers, so that nothing can knock the bird down while it is
# being watched.
QUIET = open(GAME_DIR + "/data/maps/easy/l1_entities.xml").read()
QUIET = "\n".join(line for line in QUIET.splitlines() if "CLOVEK" not in line)

game = Game("--set", "easy", "--level", "l1",
            files={"controls.cfg": CONTROLS, "data/maps/easy/l1_entities.xml": QUIET})
try:
    game.wait_window()
    time.sleep(1.6)                      # the hint window ignores keys for its first second
    game.key("q")                        # closes the hint: play goes on
    time.sleep(0.3)
    start = game.screenshot("start.png")     # the bird still low, clear of the clock
    hud = Font("font1.png")
    small = Font("fontsmall2.png")
    bird = sprite_frames("PLAYER", "RIGHT")

    # Play first, look afterwards: matching takes longer than the bird needs to fly away.
    game.key_down("i")                   # up to the top while the level title shows
    time.sleep(3.2)
    first = game.screenshot("first.png")
    game.key_down("l")
    time.sleep(1.0)
    game.key_up("l")
    second = game.screenshot("second.png")
    game.key("x")                        # the configured shoot key
    time.sleep(0.25)
    third = game.screenshot("third.png")
    game.key_up("i")

    first, second, third, start = load(first), load(second), load(third), load(start)

    def clock(picture):
        """The seconds the clock at the top shows, or None where it cannot be read."""
        for seconds in range(90, -1, -1):
            text = str(seconds)
            if hud.shows(picture, text, 319 - hud.width(text) // 2, 24):
                return seconds
        return None

    at_start, later = clock(start), [clock(p) for p in (second, third)]
    if at_start is None or not 80 <= at_start <= 90:
        fail("the clock does not show the level's 90 s running down at the start (read %s)" % at_start)
    if not any(seconds is not None and seconds < at_start for seconds in later):
        fail("the clock did not run down: %s at the start, then %s" % (at_start, later))
    (x1, y1), share = find(first, bird, (200, -20, 420, 120))
    if share < 0.8:
        fail("the bird is not at the top where it climbed (best match %.2f)" % share)
    if not hud.shows(first, "0", 85, 18):
        fail("the HUD does not show the score 0")
    if not small.shows(first, "bobky:20", 620 - small.width("bobky:20"), 58):
        fail("the HUD does not show bobky:20")
    if not small.shows(first, "potreba:600", 186 - small.width("potreba:600"), 58):
        fail("the HUD does not show the required score")
    (x2, y2), share = find(second, bird, (x1, -20, 640, 120))
    if share < 0.8 or x2 < x1 + 40:
        fail("the bird did not fly right on the configured key: %s -> %s (%.2f)" % ((x1, y1), (x2, y2), share))
    if not small.shows(third, "bobky:19", 620 - small.width("bobky:19"), 58):
        fail("a shot did not use a dropping (bobky:19)")
    (dx, dy), share = find(third, sprite_frames("BOBEK", "FRAMESET1"), (x2 - 10, y2 + 10, x2 + 80, 200))
    if share < 0.8:
        fail("no dropping falls under the bird (best %.2f at %s)" % (share, (dx, dy)))

    game.close()
    game.expect_exit()
    print("bird at %s flew to %s; dropping at %s; HUD checked; clock %d s, then %s"
          % ((x1, y1), (x2, y2), (dx, dy), at_start, later))
finally:
    game.cleanup()
