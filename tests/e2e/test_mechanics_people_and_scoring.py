"""People and scoring played from outside on the first summer level, in a variant with a short
clock, no wind worth the name, two hits' worth of required score and eight walkers spread along
the ground. The bird keeps to the top of the screen, above most stones' reach, sweeps from edge
to edge and drops about once a second, as a player who wants to hit something would. The
screenshots must show: the score on the HUD (read with the game's own font) rising from 0 and
never going down, a walker in its hit pose, stones flying after the first hit, and, when the
clock runs out, the level won: "VYHRA!" and the total score, the one on the HUD (droppings still
falling may add to what it showed during play). A game lost to bad luck is played again, at
most three times."""
import glob
import os
import re
import subprocess
import time

import numpy as np
from PIL import Image

from e2elib import GAME_DIR, VirtualScreen, fail, start_game
from screen_match import Font, locate, sprite_poses

LEVEL = "l1"
REQUIRED = 300
LEVEL_SECONDS = 18
WALKERS_X = (70, 130, 200, 270, 340, 410, 480, 550)
SWEEP_SECONDS = 3.6
DROP_EVERY = 0.8
SHOT_EVERY = 0.25
NO_HINTS = "FULLSCREEN 0\nDIF 0\nHINTS 0\n"

HUD = Font("font1.png")
SMALL = Font("fontsmall2.png")
LARGE = Font("font2.png")
HIT_POSES = sprite_poses("CLOVEK1", ["HIT_RIGHT", "HIT_LEFT"])
STONE_POSES = sprite_poses("KAMEN", ["AKTIVNI", "FRAMESET1"])


def level_files():
    """The variant: the level's own map, a short clock, a required score of two hits, no wind
    and eight walkers on the ground line of the level's own walkers."""
    with open("%s/data/maps/easy/%s_defs.xml" % (GAME_DIR, LEVEL)) as f:
        defs = f.read()
    for attribute, value in (("score", REQUIRED), ("time", LEVEL_SECONDS * 1000), ("maxWind", 1)):
        defs = re.sub(r'\s%s="[^"]*"' % attribute, ' %s="%d"' % (attribute, value), defs)
    with open("%s/data/maps/easy/%s_entities.xml" % (GAME_DIR, LEVEL)) as f:
        entities = f.read()
    ground = set(re.findall(r'<entity name="CLOVEK1" x="-?\d+" y="(\d+)"/>', entities))
    if len(ground) != 1:
        fail("%s no longer has its walkers on one ground line" % LEVEL)
    y = ground.pop()
    entities = re.sub(r'\s*<entity name="CLOVEK1"[^>]*/>', "", entities)
    walkers = "".join('  <entity name="CLOVEK1" x="%d" y="%s"/>\n' % (x, y) for x in WALKERS_X)
    entities = entities.replace("</mapEntities>", walkers + "</mapEntities>")
    files = {"video.cfg": NO_HINTS, "data/maps/easy/%s_defs.xml" % LEVEL: defs,
             "data/maps/easy/%s_entities.xml" % LEVEL: entities}
    return files, int(y)


def score_on(picture, panel):
    """The score on the HUD, or -1 where it cannot be read for sure: behind the figures read,
    the HUD panel must look as it did at the start (panel: a screenshot with the score 0), so a
    figure hidden by something flying past is never mistaken for the end of the score."""
    text = HUD.read(picture, 85, 18)
    if not text:
        return -1
    end = 85 + HUD.width(text) + 4
    rows, after = slice(18, 18 + HUD.height), slice(end, end + 20)
    if (picture[rows, after] != panel[rows, after]).any(axis=2).mean() > 0.02:
        return -1
    return int(text)


def verdict_on(picture):
    if LARGE.shows(picture, "VYHRA!", 230, 210):
        return "won"
    if LARGE.shows(picture, "ZKUS TO ZNOVU! :-)", 130, 210):
        return "lost"
    return None


class Attempt:
    """One game of the variant, played and recorded; the analysis comes afterwards."""

    def __init__(self):
        files, self.ground = level_files()
        self.game = start_game("--set", "easy", "--level", LEVEL, files=files)
        self.grabs = []           # (time, picture, what for)
        self.verdict = None

    def grab(self, purpose):
        picture, taken = self.game.grab()
        self.grabs.append((taken, picture, purpose))
        return picture

    def xdotool(self, *commands):
        subprocess.run(["xdotool"] + [str(c) for c in commands], capture_output=True)

    def play(self):
        started = self.wait_for_level()
        w = self.game.window
        self.xdotool("keydown", "--window", w, "w")
        moving, turned, dropped = None, 0.0, 0.0
        while time.time() < started + LEVEL_SECONDS - 0.5:
            now = time.time()
            if now - turned >= SWEEP_SECONDS:
                turn = "a" if moving == "d" else "d"
                if moving:
                    self.xdotool("keyup", "--window", w, moving)
                self.xdotool("keydown", "--window", w, turn)
                moving, turned = turn, now
            if now - dropped >= DROP_EVERY:
                self.xdotool("key", "--window", w, "space")
                dropped = now
            self.grab("play")
            time.sleep(max(0.0, now + SHOT_EVERY - time.time()))
        for key in ("w", moving):
            self.xdotool("keyup", "--window", w, key)
        while time.time() < started + LEVEL_SECONDS + 10 and not self.verdict:
            self.verdict = verdict_on(self.grab("verdict"))
            time.sleep(0.25)
        self.game.close()
        self.game.expect_exit()

    def wait_for_level(self):
        """The moment the level's HUD first shows."""
        needed = "potreba:%d" % REQUIRED
        deadline = time.time() + 20
        while True:
            picture = self.grab("start")
            if SMALL.shows(picture, needed, 186 - SMALL.width(needed), 58):
                return self.grabs[-1][0]
            if time.time() > deadline:
                fail("the level's HUD (%s) never showed" % needed)
            time.sleep(0.1)

    def check(self):
        """The analysis of a won game."""
        panel = [picture for _, picture, purpose in self.grabs if purpose == "start"][-1]
        if score_on(panel, panel) != 0:
            fail("the HUD does not show the score 0 at the start")
        played = [(taken, score_on(picture, panel), picture) for taken, picture, purpose in self.grabs
                  if purpose == "play"]
        readable = [score for _, score, _ in played if score >= 0]
        if len(readable) < len(played) / 2:
            fail("the HUD score could be read on only %d of %d screenshots" % (len(readable), len(played)))
        if readable != sorted(readable):
            fail("the HUD score went down during play: %s" % readable)
        rises = [taken for taken, score, _ in played if score > 0]
        if not rises:
            fail("the HUD score never rose above 0 in %d screenshots" % len(played))
        first_rise = rises[0]
        hit = next(((taken, where[:2]) for taken, _, picture in played
                    for where in [locate(picture, HIT_POSES, (0, self.ground - 8, 640, self.ground + 70), share=0.6)]
                    if where), None)
        if not hit:
            fail("no walker shows its hit pose on any screenshot")
        stones = [where[:2] for taken, _, picture in played if taken > first_rise
                  for where in [locate(picture, STONE_POSES, (0, 60, 640, 450))] if where]
        if not stones:
            fail("no stone (KAMEN) flies on any screenshot after the score first rose")
        verdicts = [score for _, picture, purpose in self.grabs if purpose == "verdict"
                    for score in [score_on(picture, panel)]
                    if score >= 0 and LARGE.shows(picture, "CELKEM SKORE: %d" % score, 110, 240)]
        if not verdicts:
            fail("no verdict shows CELKEM SKORE equal to the score on the HUD")
        total = verdicts[-1]
        if total < max(readable) or total < REQUIRED:
            fail("the level was won with %d, below the %d the HUD showed or the required %d"
                 % (total, max(readable), REQUIRED))
        return hit, stones[0], total, len(played)


def keep_screenshots(attempt):
    for old in glob.glob("failed-people-*.png"):
        os.remove(old)
    for n, (_, picture, purpose) in enumerate(attempt.grabs):
        Image.fromarray(picture.astype(np.uint8)).save("failed-people-%03d-%s.png" % (n, purpose))


screen = VirtualScreen(800, 600)
try:
    outcomes = []
    for attempt_number in range(3):
        attempt = Attempt()
        try:
            attempt.play()
            outcomes.append(attempt.verdict or "no verdict")
            if attempt.verdict == "won":
                hit, stone, total, shots = attempt.check()
                print("games: %s; %d screenshots of play; a walker hit at %s, a stone at %s after the "
                      "score first rose; won with %d" % (", ".join(outcomes), shots, hit[1], stone, total))
                break
            keep_screenshots(attempt)
        except AssertionError:
            keep_screenshots(attempt)
            raise
        finally:
            attempt.game.cleanup()
    else:
        keep_screenshots(attempt)
        fail("the level was not won in three games: %s" % ", ".join(outcomes))
finally:
    screen.close()
