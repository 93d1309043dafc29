#!/usr/bin/python3
"""Takes the screenshots that the AppStream metainfo lists, from the real game in a virtual X
server of its own, with a scratch home:

    xvfb-run -a -s "-screen 0 800x600x24" /usr/bin/python3 packaging/screenshots/take.py build/zepo

menu.png: the main menu after the opening story is skipped; level.png: the first summer level of
the easy set a few seconds after its hint window is closed.
"""
import os
import subprocess
import sys
import tempfile
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
GAME = HERE.parents[1] / "game"


def window_of(process):
    for _ in range(150):
        found = subprocess.run(["xdotool", "search", "--name", "Z.E.P.O."], capture_output=True, text=True)
        if found.stdout.split():
            return found.stdout.split()[0]
        if process.poll() is not None:
            sys.exit("the game ended before showing its window")
        time.sleep(0.2)
    sys.exit("the game showed no window")


def shoot(zepo, name, arguments, keys, wait):
    with tempfile.TemporaryDirectory() as home:
        environment = dict(os.environ, HOME=home, SDL_AUDIODRIVER="dummy")
        game = subprocess.Popen([zepo, "--software", *arguments], cwd=GAME, env=environment)
        try:
            window = window_of(game)
            time.sleep(2)
            for key in keys:
                subprocess.run(["xdotool", "key", "--window", window, key], check=True)
                time.sleep(1)
            time.sleep(wait)
            subprocess.run(["import", "-window", window, str(HERE / name)], check=True)
            subprocess.run(["mogrify", "-strip", str(HERE / name)], check=True)
        finally:
            game.kill()
            game.wait()


def main():
    zepo = str(Path(sys.argv[1]).resolve())
    shoot(zepo, "menu.png", [], ["Return"], 2)
    shoot(zepo, "level.png", ["--set", "easy", "--level", "l1"], ["Return"], 4)


if __name__ == "__main__":
    main()
