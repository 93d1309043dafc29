#!/usr/bin/python3
"""Regenerates the game's fonts, screen images, sprite sheets and sprite collection, and its icon.

    /usr/bin/python3 tools/art/make_art.py [--out DIR] [--icons DIR]
    (defaults: the repository's game/ and packaging/icons/, the desktop's icon theme folder)
"""
import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))

from art.build import build  # noqa: E402


def main():
    root = os.path.dirname(os.path.dirname(HERE))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(root, "game"),
                        help="runtime root to write into (default: game/ of the repository)")
    parser.add_argument("--icons", default=os.path.join(root, "packaging", "icons"),
                        help="icon theme folder for the icons in every size (default: packaging/icons/)")
    args = parser.parse_args()
    try:
        build(args.out, args.icons)
    except (OSError, ValueError) as error:
        sys.exit(f"make_art: {error}")


if __name__ == "__main__":
    main()
