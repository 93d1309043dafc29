"""Composes every regression demo from its script and records the statistics its replay gives
as the expected ones: the one command to run after a deliberate gameplay or content change
(commit the changed .demo and .stats files with the reason in the message).

    /usr/bin/python3 tools/demos/refresh.py [--zepo build/zepo] [--check] [NAME ...]

--check only verifies that every committed demo is what its script composes to, and changes
nothing. NAME limits the work to the demos of those names.
"""
import argparse
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
DEMOS = ROOT / "tests/demos"
sys.path.insert(0, str(Path(__file__).resolve().parent))
sys.path.insert(0, str(DEMOS))

from compose import ScriptError, compose   # noqa: E402
from replay import ReplayFailed, replay    # noqa: E402


def scripts(names):
    found = sorted(DEMOS.glob("game/*.script")) + sorted(DEMOS.glob("fixtures/*.script"))
    return [s for s in found if not names or s.stem in names]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--zepo", default=str(ROOT / "build/zepo"), help="the game to replay the demos with")
    parser.add_argument("--check", action="store_true", help="only check that the demos match their scripts")
    parser.add_argument("names", nargs="*")
    options = parser.parse_args()
    stale = []
    for script in scripts(options.names):
        demo = script.with_suffix(".demo")
        try:
            data = compose(script)
        except ScriptError as error:
            sys.exit(f"{script}: {error}")
        if options.check:
            if not demo.exists() or demo.read_bytes() != data:
                stale.append(demo.relative_to(ROOT))
            continue
        demo.write_bytes(data)
        try:
            stats, timing = replay(Path(options.zepo).resolve(), demo)
        except ReplayFailed as failure:
            sys.exit(str(failure))
        demo.with_suffix(".stats").write_text(stats)
        print(f"{demo.relative_to(ROOT)}: {timing}\n{stats}", end="")
    if stale:
        sys.exit("not what their scripts compose to (run tools/demos/refresh.py): " + ", ".join(map(str, stale)))


if __name__ == "__main__":
    main()
