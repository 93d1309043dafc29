#!/bin/sh
# Installs everything, builds, and runs the whole test suite (end-to-end tests in a virtual X server).
set -e
cd "$(dirname "$0")"
tools/install-deps.sh
tools/build.sh
cd build
ctest --output-on-failure -j "$(nproc)"
