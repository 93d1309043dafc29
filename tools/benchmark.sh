#!/bin/sh
# Measures, in one run, the numbers of the README's performance section: every committed
# regression demo is replayed headless (dummy video driver, plain path) to find the busiest (the
# most processor time a frame); that demo is then timed in a virtual X server through OpenGL and
# through the plain SDL path, beside the clear+flip floor of the rendering benchmark on both.
#
#   tools/benchmark.sh [BUILD_DIR]        (default: build; builds zepo and zepo_bench_render)
#
# Timed replays run with vsync off and without waits, in an X server of the script's own (Xvfb).
# Two figures per path: the frame rate the game's timedemo line reports (wall clock, best of
# three runs), and the frame rate the processor time of the replay allows (the start-up's share,
# measured by replaying the demo's first frame alone, taken off), which a busy machine disturbs
# much less. The timedemo of the busiest demo then runs at window scales 1, 2 and 3, best of three,
# through OpenGL (--opengl: the picture enlarged by the framebuffer drawn at each swap, with its
# texture uploads a frame) and as a player gets it by default (a software OpenGL renderer gives
# way to the plain path when the picture is enlarged); beside the wall clock, the processor time
# a frame of the game (with the OpenGL library's threads) and of the X server together.
set -e
cd "$(dirname "$0")/.."
BUILD=$(realpath "${1:-build}")
cmake --build "$BUILD" -j2 --target zepo zepo_bench_render >/dev/null
exec /usr/bin/python3 - "$BUILD" <<'EOF'
import json
import os
import re
import resource
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, "tests/demos")
sys.path.insert(0, "tools/demos")
from compose import first_frames
from fixture_levels import game_environment, make_runtime_root

xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "2000x1500x24", "-nolisten", "tcp", "-noreset"],
                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
os.environ["DISPLAY"] = ":" + xvfb.stdout.readline().strip()
build = Path(sys.argv[1])
scratch = Path(tempfile.mkdtemp(prefix="zepo-benchmark-"))
roots = {kind: make_runtime_root(scratch / kind, fixtures=kind == "fixtures") for kind in ("game", "fixtures")}
(scratch / "home").mkdir()
TIMED = re.compile(r"timed (\d+) frames in (\d+) ms: ([\d.]+) fps; slowest frame (\d+) took (\d+) ms")
UPLOADS = re.compile(r"texture uploads at scale (\d+): (\d+) in the first frame, ([\d.]+) a frame after it")
PATHS = {"OpenGL": (["--opengl", "--scale", "1"], False), "plain SDL (--software)": (["--software", "--scale", "1"], False),
         "plain SDL, headless (dummy driver)": (["--software"], True)}


def processor_seconds():
    used = resource.getrusage(resource.RUSAGE_CHILDREN)
    return used.ru_utime + used.ru_stime


def replay(demo, root, arguments, headless):
    """(frames, fps, slowest frame ms, processor seconds, standard error) of one timed replay."""
    env = game_environment(root, scratch / "home", headless)
    before = processor_seconds()
    done = subprocess.run([str(build / "zepo"), "--timedemo", str(demo), *arguments], cwd=root, env=env,
                          capture_output=True, text=True)
    found = TIMED.search(done.stdout)
    if done.returncode != 0 or not found:
        sys.exit(f"{demo}: status {done.returncode}, no timing: {done.stdout[-300:]} {done.stderr[-300:]}")
    return int(found[1]), float(found[3]), int(found[5]), processor_seconds() - before, done.stderr


def server_seconds():
    fields = Path(f"/proc/{xvfb.pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def scaled_replay(demo, scale, flags):
    """fps, ms a frame, (uploads first frame, a frame after) or None, whether the software renderer
    gave way to the plain path, and the processor ms a frame of the game and the X server."""
    before = processor_seconds() + server_seconds()
    root = roots[demo.parent.name]
    done = subprocess.run([str(build / "zepo"), "--timedemo", str(demo.resolve()), "--scale", str(scale), *flags],
                          cwd=root, env=game_environment(root, scratch / "home", False), capture_output=True, text=True)
    used = processor_seconds() + server_seconds() - before
    timed, uploads = TIMED.search(done.stdout), UPLOADS.search(done.stdout)
    if done.returncode != 0 or not timed:
        sys.exit(f"scale {scale} {flags}: status {done.returncode}: {done.stdout[-300:]} {done.stderr[-300:]}")
    frames = int(timed[1])
    return (float(timed[3]), int(timed[2]) / frames, (uploads[2], uploads[3]) if uploads else None,
            "--opengl keeps OpenGL" in done.stderr, 1000 * used / frames)


def measure(demo, path, runs=3):
    """Best wall-clock fps, its slowest frame, fps by processor time, standard error."""
    arguments, headless = PATHS[path]
    root = roots[demo.parent.name]
    start = scratch / "first_frame.demo"
    start.write_bytes(first_frames(demo.read_bytes(), 1))
    results = [replay(demo.resolve(), root, arguments, headless) for _ in range(runs)]
    start_up = min(replay(start, root, arguments, headless)[3] for _ in range(runs))
    frames, fps, slowest, _, messages = max(results, key=lambda result: result[1])
    work = min(result[3] for result in results) - start_up
    return fps, slowest, (frames - 1) / work if work > 0 else float("inf"), messages


try:
    headless = {demo: measure(demo, "plain SDL, headless (dummy driver)", runs=1)
                for demo in sorted(Path("tests/demos").glob("*/*.demo"))}
    for demo, (fps, slowest, by_processor, _) in headless.items():
        print(f"headless {fps:8.1f} fps (by processor time {by_processor:8.1f})  slowest {slowest:3d} ms  {demo}")
    busiest = min(headless, key=lambda demo: headless[demo][2])
    figures = {path: measure(busiest, path) for path in PATHS}
    if "falling back" in figures["OpenGL"][3]:
        sys.exit("the X server gives no OpenGL: the OpenGL figure cannot be measured")
    bench = subprocess.run([str(build / "tests/zepo_bench_render"), "--benchmark_filter=clearFlip",
                            "--benchmark_format=json"], capture_output=True, text=True, check=True)
    floor = {run["name"]: run["fps"] for run in json.loads(bench.stdout)["benchmarks"]}
    floors = {"OpenGL": f"{floor['clearFlip/opengl:1/real_time']:.0f}",
              "plain SDL (--software)": f"{floor['clearFlip/opengl:0/real_time']:.0f}",
              "plain SDL, headless (dummy driver)": "-"}
    print(f"\nBusiest committed demo: {busiest}\n")
    print("| Path (640 x 480, vsync off)        | timedemo fps | fps by processor time | slowest frame | clear+flip floor fps |")
    print("|------------------------------------|-------------:|----------------------:|--------------:|---------------------:|")
    for path, (fps, slowest, by_processor, _) in figures.items():
        print(f"| {path:34} | {fps:12.0f} | {by_processor:21.0f} | {slowest:10d} ms | {floors[path]:>20} |")
    print("\n| Path | scale | window    | timedemo fps | frame time | vs scale 1 | processor a frame (game + X server) | vs scale 1 | uploads first frame | uploads a frame after |")
    print("|------|------:|-----------|-------------:|-----------:|-----------:|------------------------------------:|-----------:|--------------------:|----------------------:|")
    for path, flags in (("OpenGL (--opengl)", ["--opengl"]), ("default", [])):
        single = None
        for scale in (1, 2, 3):
            runs = [scaled_replay(busiest, scale, flags) for _ in range(3)]
            fps, frame_ms, uploads, gave_way = max(runs, key=lambda run: run[0])[:4]
            processor_ms = min(run[4] for run in runs)
            single = single or (frame_ms, processor_ms)
            first, after = uploads if uploads else ("-", "-")
            shown = path if path != "default" else ("plain (gave way)" if gave_way else "default: OpenGL")
            print(f"| {shown} | {scale} | {640 * scale}x{480 * scale} | {fps:.0f} | {frame_ms:.2f} ms |"
                  f" {100 * (frame_ms / single[0] - 1):+.0f}% | {processor_ms:.2f} ms |"
                  f" {100 * (processor_ms / single[1] - 1):+.0f}% | {first} | {after} |")
    print(f"\n(load average while measuring: {os.getloadavg()[0]:.1f} on {os.cpu_count()} processors)")
finally:
    shutil.rmtree(scratch, ignore_errors=True)
    xvfb.terminate()
    xvfb.wait()
EOF
