#!/usr/bin/python3
"""Writes every sound effect and music track of the game.

    tools/sfx/make_sfx.py                 # all 17 files into game/data/sfx/
    tools/sfx/make_sfx.py --out DIR       # the same files into DIR
    tools/sfx/make_sfx.py --wav-only      # effects plus the music masters as WAV (bird00.wav ...), no oggenc
    tools/sfx/make_sfx.py --only zasah.wav bird02.ogg   # just these files

The same sources give the same WAV bytes every time; the music is encoded from its WAV masters
with a fixed stream serial, so the Ogg files come out the same as well.
"""

import argparse
import itertools
import os
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from effects import EFFECTS, make  # noqa: E402
from music import TRACKS, encode, master_name  # noqa: E402
from sequencer import render  # noqa: E402
from wav_file import write_wav  # noqa: E402

DEFAULT_OUT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "game", "data", "sfx"))


def file_names():
    return [effect[0] for effect in EFFECTS] + [track[0] for track in TRACKS]


def write_effects(out_dir, only):
    for name, recipe, level, fade_in, fade_out in EFFECTS:
        if only is None or name in only:
            write_wav(os.path.join(out_dir, name), make(recipe, level, fade_in, fade_out))
            yield name


def write_music(out_dir, only, wav_only):
    for name, song, serial in TRACKS:
        if only is not None and name not in only and master_name(name) not in only:
            continue
        signal = render(song)
        if wav_only:
            write_wav(os.path.join(out_dir, master_name(name)), signal)
            yield master_name(name)
            continue
        with tempfile.TemporaryDirectory() as scratch:
            master = os.path.join(scratch, master_name(name))
            write_wav(master, signal)
            encode(master, os.path.join(out_dir, name), serial, song.name)
        yield name


def main(argv=None):
    parser = argparse.ArgumentParser(description="Synthesises the game's sound effects and music.")
    parser.add_argument("--out", default=DEFAULT_OUT, help="output directory (default: game/data/sfx)")
    parser.add_argument("--wav-only", action="store_true",
                        help="write the music as WAV masters instead of encoding Ogg Vorbis")
    parser.add_argument("--only", nargs="+", metavar="FILE", help="write only these files")
    args = parser.parse_args(argv)

    known = set(file_names()) | {master_name(track[0]) for track in TRACKS}
    unknown = sorted(set(args.only or ()) - known)
    if unknown:
        parser.error(f"no such sound: {', '.join(unknown)} (known: {', '.join(file_names())})")
    only = set(args.only) if args.only else None
    try:
        os.makedirs(args.out, exist_ok=True)
        for written in itertools.chain(write_effects(args.out, only), write_music(args.out, only, args.wav_only)):
            print(f"wrote {os.path.join(args.out, written)}")
    except (OSError, RuntimeError) as error:
        print(f"make_sfx: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    start = time.monotonic()
    status = main()
    if status == 0:
        print(f"done in {time.monotonic() - start:.1f} s")
    sys.exit(status)
