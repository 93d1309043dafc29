#!/bin/sh
# Installs everything the game needs, builds it and starts it. Arguments go to the game
# (for example: ./setup.sh --set hard --level l2).
set -e
cd "$(dirname "$0")"
tools/install-deps.sh
tools/build.sh
cd game
exec ../build/zepo "$@"
