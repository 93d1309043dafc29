"""A game recorded with real key presses in a virtual X server replays exactly: the statistics
of the recorded game, of a headless timed replay (dummy video driver, plain drawing path) and of
a timed replay through OpenGL are the same. The test starts its own X server on a display the
server chooses itself, so that tests running side by side never share one."""
import os
import subprocess
import time
from pathlib import Path

from e2elib import Game, fail

xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp",
                         "-noreset"],
                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
os.environ["DISPLAY"] = ":" + xvfb.stdout.readline().strip()

def replay(game, demo, name, *extra, env=None):
    stats = game.path(name)
    done = subprocess.run([os.environ["ZEPO_BIN"], "--timedemo", demo, "--statdump", stats, *extra],
                          cwd=game.workdir, env=dict(game.environment, **(env or {})),
                          capture_output=True, text=True, timeout=300)
    if done.returncode != 0 or "zepo:" in done.stderr:
        fail(f"the replay {name} ended with status {done.returncode}: {done.stderr[-500:]}")
    timing = [line for line in done.stdout.splitlines() if line.startswith("timed ")]
    if not timing:
        fail(f"the replay {name} printed no timing line: {done.stdout[-300:]}")
    return Path(stats).read_text(), timing[0]


game = None
try:
    game = Game("--record", "recorded.demo", "--set", "easy", "--level", "l1", "--statdump", "recorded.txt")
    game.wait_window()
    time.sleep(1.0)
    game.key_down("d")
    time.sleep(0.8)
    game.key_up("d")
    game.key("space", "w", "space", "a", "space")
    game.key_down("a")
    time.sleep(0.6)
    game.key_up("a")
    game.key("space", "r", "space")
    time.sleep(0.5)
    game.close()
    status = game.wait_exit()
    if status != 0:
        fail(f"the recorded game ended with status {status}: {game.stderr}")
    recorded = Path(game.path("recorded.txt")).read_text()
    if not recorded.startswith("easy l1 frames=") or not recorded.endswith(" unfinished\n"):
        fail(f"unexpected statistics of the recorded game: {recorded!r}")
    demo = game.path("recorded.demo")
    headless, headless_timing = replay(game, demo, "headless.txt", "--software", env={"SDL_VIDEODRIVER": "dummy"})
    opengl, opengl_timing = replay(game, demo, "opengl.txt")
    for name, stats in (("headless", headless), ("OpenGL", opengl)):
        if stats != recorded:
            fail(f"the {name} replay differs from the recorded game:\n{recorded}---\n{stats}")
    print(recorded, headless_timing, opengl_timing, sep="\n")
finally:
    if game:
        game.cleanup()
    xvfb.terminate()
    xvfb.wait()
