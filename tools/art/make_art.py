#!/usr/bin/python3
"""Regenerates the game's fonts, screen images, sprite sheets and sprite collection.

    /usr/bin/python3 tools/art/make_art.py [--out DIR]      (default: the repository's game/)
"""
import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))

from art.build import build  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(os.path.dirname(os.path.dirname(HERE)), "game"),
                        help="runtime root to write into (default: game/ of the repository)")
    args = parser.parse_args()
    try:
        build(args.out)
    except (OSError, ValueError) as error:
        sys.exit(f"make_art: {error}")


if __name__ == "__main__":
    main()
