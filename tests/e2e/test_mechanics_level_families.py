"""The boss, machine, critter and rescue levels played from outside. Each level starts directly
with --set and --level and is played for 30 s by a simple player (the bird keeps high, sweeps
left and right and drops; on the rescue level the same keys walk the carrier and pour); the game
must still be running and drawing the level at the end, its screenshots must show the level's
actors (found with the game's own sprite frames), and closing the window ends it with status 0.
Four games play side by side on a virtual screen of the script's own."""
import re
import subprocess
import time

import numpy as np
from PIL import Image

from e2elib import GAME_DIR, VirtualScreen, fail, start_game
from screen_match import Font, locate, sprite_poses

PLAY_SECONDS = 30
SHOT_INTERVAL = 2.0
TICK = 0.5
NO_HINTS = "FULLSCREEN 0\nDIF 0\nHINTS 0\n"
SIDE_BY_SIDE = 4
SMALL = Font("fontsmall2.png")
LARGE = Font("font2.png")

ALL_POSES = ["RIGHT", "LEFT", "THROW_LEFT", "THROW_RIGHT", "HIT_LEFT", "HIT_RIGHT", "ANGRY_LEFT",
             "ANGRY_RIGHT"]
# Catalogue name -> the sprite it is drawn with and the framesets it can show.
ACTORS = {
    "BOSS1": ("BOSS1", ALL_POSES + ["DESTROYED"]),
    "BOSS2": ("BOSS2", ["FRAMESET1", "AKTIVNI", "DESTROYED"]),
    "HYETILEFT": ("HYETI_LEFT", ["FRAMESET1", "BUCH"]),
    "HYETIRIGHT": ("HYETI_RIGHT", ["FRAMESET1", "BUCH"]),
    "TRIGGERBALON": ("TRIGGERBALOON", ["FRAMESET1"]),
    "PLANE": ("PLANE", ["FRAMESET1", "AKTIVNI"]),
    "EGG": ("EGG", ["FRAMESET1"]),
    "NOSIC": ("NOSIC", ["RIGHT", "LEFT", "VYLIT_LEFT", "VYLIT_RIGHT", "ANGRY_LEFT", "ANGRY_RIGHT"]),
    "KOTEL": ("KOTEL", ["FRAMESET1"]),
    "BONUSDIDUDO": ("PLAYER", ["RIGHT", "FALL"]),
    "VELBLOUD": ("VELBLOUD", ALL_POSES),
    "SKORPION": ("SKORPION", ["RIGHT", "ANGRY_RIGHT"]),
    "KAKTUS1": ("KAKTUS1", ["FRAMESET1"]),
    "KAKTUS2": ("KAKTUS2", ["FRAMESET1"]),
    "SUP": ("SUP", ["RIGHT", "LEFT", "ANGRY_LEFT", "ANGRY_RIGHT"]),
    "GOLDENSUP": ("GOLDENSUP", ["RIGHT", "LEFT", "ANGRY_LEFT", "ANGRY_RIGHT"]),
}
# Things a level does not place itself but gets from what it places.
BROUGHT = {"BIRDGENERATOR2": "BONUSDIDUDO", "PLANE": "EGG"}
# Level -> what it must place: each entry names one actor or alternatives ("SUP|GOLDENSUP"); every
# other actor of ACTORS that the level places is looked for too.
LEVELS = {
    "l10": ["BOSS1"],
    "l10b": ["BOSS2"],
    "l6b": ["HYETILEFT", "HYETIRIGHT", "TRIGGERBALON"],
    "l4": ["PLANE"],
    "l9": ["NOSIC", "KOTEL", "BONUSDIDUDO"],
    "l7": ["VELBLOUD", "SKORPION"],
    "l8": ["SUP|GOLDENSUP"],
}
RUNS = [(level_set, level) for level_set in ("easy", "medium", "hard") for level in LEVELS]


def level_file(level_set, level, part):
    with open("%s/data/maps/%s/%s_%s.xml" % (GAME_DIR, level_set, level, part)) as f:
        return f.read()


def watched_actors(level_set, level):
    """The actors to look for: those of ACTORS the level's entities file places (directly, in a
    generator that starts early enough to show in the play, or brought by what it places).
    Fails if one the level must place is missing."""
    entities = level_file(level_set, level, "entities")
    late = [block for start, block in re.findall(r'<generator[^>]*\sstart="(\d+)"[^>]*>(.*?)</generator>',
                                                 entities, re.S) if int(start) > (PLAY_SECONDS - 10) * 1000]
    for block in late:
        entities = entities.replace(block, "")
    placed = set(re.findall(r'name="([A-Z0-9]+)"', entities))
    placed |= {BROUGHT[name] for name in placed if name in BROUGHT}
    missing = [need for need in LEVELS[level] if not placed & set(need.split("|"))]
    if missing:
        fail("%s/%s no longer places %s" % (level_set, level, ", ".join(missing)))
    return sorted(name for name in placed if name in ACTORS)


def poses_of(actor):
    sprite, framesets = ACTORS[actor]
    return sprite_poses(sprite, framesets)


def showing(shots, actor):
    """[(time, where)] of the screenshots on which the actor shows."""
    poses = poses_of(actor)
    found = ((when, locate(picture.astype(np.int16), poses)) for when, picture in shots)
    return [(when, where) for when, where in found if where]


class Run:
    """One level played in one game, its window at a place of the virtual screen."""

    def __init__(self, level_set, level, watched, place):
        self.level_set, self.level, self.watched = level_set, level, watched
        self.name = "%s/%s" % (level_set, level)
        self.required = int(re.search(r'\sscore="(\d+)"', level_file(level_set, level, "defs")).group(1))
        self.game = start_game("--set", level_set, "--level", level, files={"video.cfg": NO_HINTS},
                               env={"SDL_VIDEO_WINDOW_POS": "%d,%d" % place})
        self.started = time.time()
        self.shots = []
        self.last_shot = 0.0
        self.moving = None
        self.done = False
        self.lost_all = None
        self.problems = []

    def playing(self):
        return not self.done and time.time() < self.started + PLAY_SECONDS

    def keys(self, tick):
        """xdotool commands for this tick: fly up, letting go of the key for one tick in four (a
        key already held gives the game no new press, and a bird starting the level again needs
        one); change direction every 3 s; drop (or pour) every second."""
        w = self.game.window
        commands = ["keyup" if tick % 4 == 3 else "keydown", "--window", w, "w"]
        if tick % 6 == 0:
            turn = "a" if self.moving == "d" else "d"
            if self.moving:
                commands += ["keyup", "--window", w, self.moving]
            commands += ["keydown", "--window", w, turn]
            self.moving = turn
        if tick % 2 == 1:
            commands += ["key", "--window", w, "space"]
        return commands

    def shoot(self):
        picture, taken = self.game.grab()
        self.shots.append((taken - self.started, picture.astype(np.uint8)))
        self.last_shot = taken

    def finish(self):
        """After the 30 s: still running, still drawing, the level's HUD on screen; then closed."""
        self.done = True
        if self.game.process.poll() is not None:
            self.game.wait_exit()
            self.problems.append("the game ended during play (status %s): %s"
                                 % (self.game.process.returncode, self.game.stderr[-500:]))
            return
        self.shoot()
        time.sleep(0.4)
        self.shoot()
        (_, before), (_, after) = self.shots[-2:]
        if np.array_equal(before, after):
            self.problems.append("two screenshots 0.4 s apart are the same: the game no longer draws")
        if not any(self.hud_shown(picture.astype(np.int16)) for _, picture in self.shots[-2:]):
            over = [when for when, picture in self.shots if LARGE.shows(picture.astype(np.int16), "KONEC HRY", 210, 210)]
            if over:
                self.lost_all = over[0]
            else:
                self.problems.append("the level's HUD is not on screen after %d s of play" % PLAY_SECONDS)
        self.game.close()
        status = self.game.wait_exit()
        if status != 0:
            self.problems.append("exit status %d: %s" % (status, self.game.stderr[-500:]))

    def hud_shown(self, picture):
        """Whether the HUD shows the level's required score or the droppings left (things
        flying in front of one of them may hide it)."""
        texts = ["potreba:%d" % self.required] + ["bobky:%d" % n for n in range(100)]
        return any(SMALL.shows(picture, text, right - SMALL.width(text), 58)
                   for text, right in zip(texts, [186] + [620] * 100))

    def look(self):
        """Finds each watched actor on the screenshots; eggs count only beside the plane."""
        self.seen = {}
        for actor in self.watched:
            shots = self.shots
            if actor == "EGG" and "PLANE" in self.watched:
                with_plane = {when for when, _ in showing(shots, "PLANE")}
                shots = [(when, picture) for when, picture in shots if when in with_plane]
            for when, picture in shots:
                where = locate(picture.astype(np.int16), poses_of(actor))
                if where:
                    self.seen[actor] = (when, where[:2])
                    break
            else:
                self.problems.append("%s (sprite %s) is on none of the %d screenshots%s" % (
                    actor, ACTORS[actor][0], len(self.shots), " with the plane" if shots is not self.shots else ""))

    def report(self):
        seen = ", ".join("%s at %s after %.0f s" % (actor, where, when) for actor, (when, where) in sorted(self.seen.items()))
        over = "; all lives lost after %.0f s" % self.lost_all if self.lost_all is not None else ""
        return "%s: %s%s" % (self.name, seen, over)


def play(batch):
    """Plays the levels of a batch side by side until each has had its 30 s, then closes them.
    The games start one a tick, so that the first ones are already played meanwhile."""
    runs, waiting = [], list(batch)
    try:
        tick = 0
        while waiting or not all(run.done for run in runs):
            began = time.time()
            if waiting:
                level_set, level, watched = waiting.pop(0)
                runs.append(Run(level_set, level, watched, ((len(runs) % 2) * 640, (len(runs) // 2) * 480)))
            active = [run for run in runs if run.playing()]
            commands = [command for run in active for command in run.keys(tick)]
            if commands:
                subprocess.run(["xdotool"] + commands, capture_output=True)
            for run in active:
                if time.time() - run.last_shot >= SHOT_INTERVAL:
                    run.shoot()
            for run in runs:
                if not run.done and not run.playing():
                    run.finish()
            tick += 1
            time.sleep(max(0.0, began + TICK - time.time()))
        return runs
    finally:
        for run in runs:
            run.game.cleanup()


plan = [(level_set, level, watched_actors(level_set, level)) for level_set, level in RUNS]
screen = VirtualScreen(1280, 960)
try:
    problems, reports = [], []
    for start in range(0, len(plan), SIDE_BY_SIDE):
        begun = time.time()
        for run in play(plan[start:start + SIDE_BY_SIDE]):
            run.look()
            reports.append(run.report())
            problems += ["%s: %s" % (run.name, problem) for problem in run.problems]
            if run.problems and run.shots:
                Image.fromarray(run.shots[-1][1]).save("failed-%s-%s.png" % (run.level_set, run.level))
        print("%d levels played side by side and checked in %.0f s"
              % (len(plan[start:start + SIDE_BY_SIDE]), time.time() - begun), flush=True)
    print("\n".join(reports))
    if problems:
        fail("\n".join(problems))
finally:
    screen.close()
