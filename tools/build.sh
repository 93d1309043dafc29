#!/bin/sh
# Configures and builds the game and its tests into build/; with --sanitize, the sanitizer build
# into build-sanitize/ instead: clang with AddressSanitizer, UndefinedBehaviorSanitizer and the
# fuzz targets of tests/fuzz.
set -e
cd "$(dirname "$0")/.."
# ccache finds what another checkout of the repository compiled.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}" CCACHE_NOHASHDIR=1
if [ "$1" = "--sanitize" ]; then
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DZEPO_SANITIZE=ON -DZEPO_FUZZ=ON
  cmake --build build-sanitize -j "$(nproc)"
  exit
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
