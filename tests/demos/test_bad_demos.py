"""Bad demo files given to the real game: wrong signature, newer format, every truncation,
garbage, unknown events, trailing data, byte flips. Each ends with a message on standard error
naming the file and a non-zero status, or (a flip that leaves a valid demo) replays and ends;
never a crash, never a hang.

    /usr/bin/python3 tests/demos/test_bad_demos.py ZEPO
"""
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
sys.path.insert(0, str(HERE.parents[1] / "tools/demos"))

from compose import parse               # noqa: E402
from fixture_levels import game_environment, make_runtime_root   # noqa: E402

ZEPO = Path(sys.argv[1]).resolve()
SCRIPT = """
set easy
level f_bird_balls
frames 30
at 2 hold d 10
at 5 press space
at 20 click 320 200
"""
failures = []


def run(work, name, data, *, rejected):
    """Replays the bytes as a demo file. rejected True: the game must refuse it; False: it must
    replay it; None: either (a flipped byte may leave a valid demo)."""
    path = work / name
    if data is not None:
        path.write_bytes(data)
    try:
        done = subprocess.run([str(ZEPO), "--timedemo", str(path), "--software"], cwd=work,
                              env=game_environment(work / "game", work / "home"), capture_output=True, text=True, timeout=60)
    except subprocess.TimeoutExpired:
        failures.append(f"{name}: the game did not end within 60 s")
        return
    if done.returncode < 0:
        failures.append(f"{name}: the game crashed (signal {-done.returncode})")
    elif rejected and (done.returncode != 2 or f"zepo: {path}: " not in done.stderr):
        failures.append(f"{name}: status {done.returncode} and no message naming the file: {done.stderr[-300:]!r}")
    elif rejected is False and done.returncode != 0:
        failures.append(f"{name}: a good demo ended with status {done.returncode}: {done.stderr[-300:]!r}")
    elif rejected is None and done.returncode not in (0, 2):
        failures.append(f"{name}: status {done.returncode}: {done.stderr[-300:]!r}")


def main():
    demo = parse(SCRIPT).encode()
    work = Path(tempfile.mkdtemp(prefix="zepo-bad-demos-"))
    try:
        make_runtime_root(work / "game", fixtures=True)
        (work / "home").mkdir()
        run(work, "good.demo", demo, rejected=False)
        run(work, "missing.demo", None, rejected=True)
        run(work, ".", None, rejected=True)
        run(work, "empty.demo", b"", rejected=True)
        run(work, "magic.demo", b"ZEPOdemo" + demo[8:], rejected=True)
        run(work, "levels.demo", b'<?xml version="1.0"?><level name="l1"/>', rejected=True)
        run(work, "newer.demo", demo[:8] + struct.pack("<H", 2) + demo[10:], rejected=True)
        run(work, "version0.demo", demo[:8] + struct.pack("<H", 0) + demo[10:], rejected=True)
        run(work, "trailing.demo", demo + b"\0", rejected=True)
        unknown = bytearray(demo)
        unknown[unknown.index(bytes([2, 1, 0, ord("d"), 0]))] = 200
        run(work, "event.demo", bytes(unknown), rejected=True)
        for length in range(len(demo)):
            run(work, f"cut{length}.demo", demo[:length], rejected=True)
        rng = random.Random(7)
        for round_ in range(40):
            run(work, f"garbage{round_}.demo", demo[:8] + rng.randbytes(rng.randrange(0, 400)), rejected=True)
        for at in sorted(rng.sample(range(len(demo)), 30)):
            flipped = bytearray(demo)
            flipped[at] ^= 0xFF
            run(work, f"flip{at}.demo", bytes(flipped), rejected=None)
        done = subprocess.run([str(ZEPO), "--record", str(work / "no/such/dir/x.demo")], cwd=work,
                              env=game_environment(work / "game", work / "home"), capture_output=True, text=True, timeout=60)
        if done.returncode != 2 or "cannot record the demo" not in done.stderr:
            failures.append(f"recording into a missing directory: status {done.returncode}, {done.stderr!r}")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    if failures:
        sys.exit("\n".join(failures))
    print(f"{len(demo)}-byte demo: every truncation, garbage, flip and bad header handled")


if __name__ == "__main__":
    main()
