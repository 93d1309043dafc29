"""Replays a regression demo headless (dummy video driver, plain drawing path) and compares the
statistics of the replay with the expected ones kept beside the demo (NAME.stats).

    /usr/bin/python3 tests/demos/replay.py ZEPO tests/demos/fixtures/NAME.demo

Demos in fixtures/ are played on the fixture levels of fixture_levels.py, those in game/ on the game's
own levels. Each replay runs in a scratch working directory with a scratch home, so that nothing
it writes reaches the game's folder or the real home.
"""
import difflib
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from fixture_levels import game_environment, make_runtime_root   # noqa: E402

class ReplayFailed(Exception):
    pass


def replay(zepo, demo, timeout=600):
    """Runs the timed replay of the demo; answers (statistics, the line of timing)."""
    demo = Path(demo).resolve()
    scratch = Path(tempfile.mkdtemp(prefix="zepo-demo-"))
    try:
        root = make_runtime_root(scratch / "game", fixtures=demo.parent.name == "fixtures")
        stats = scratch / "stats.txt"
        (scratch / "home").mkdir()
        environment = game_environment(root, scratch / "home")
        try:
            done = subprocess.run([str(zepo), "--timedemo", str(demo), "--statdump", str(stats), "--software"],
                                  cwd=scratch, env=environment, capture_output=True, text=True, timeout=timeout)
        except subprocess.TimeoutExpired:
            raise ReplayFailed(f"{demo.name}: the replay did not end within {timeout} s") from None
        problems = [line for line in done.stderr.splitlines() if line.startswith("zepo:")]
        if done.returncode != 0 or problems:
            raise ReplayFailed(f"{demo.name}: the replay ended with status {done.returncode}:\n" +
                               "\n".join(problems or done.stderr.splitlines()[-10:]))
        timing = [line for line in done.stdout.splitlines() if line.startswith("timed ")]
        return stats.read_text(), (timing[0] if timing else "")
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    zepo, demo = Path(sys.argv[1]).resolve(), Path(sys.argv[2])
    expected_file = demo.with_suffix(".stats")
    try:
        got, timing = replay(zepo, demo)
    except ReplayFailed as failure:
        sys.exit(str(failure))
    expected = expected_file.read_text()
    print(timing)
    if got != expected:
        diff = difflib.unified_diff(expected.splitlines(True), got.splitlines(True),
                                    str(expected_file), "replay")
        sys.exit(f"{demo.name}: the replay's statistics differ from the expected ones\n" + "".join(diff) +
                 "\n(after a deliberate gameplay change: /usr/bin/python3 tools/demos/refresh.py)")
    print(got, end="")


if __name__ == "__main__":
    main()
