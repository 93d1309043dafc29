#!/bin/sh
# Installs everything, builds, and runs the whole test suite (end-to-end tests in a virtual X server);
# then the sanitizer pass: the unit tests, the demos and the fuzzers again in the sanitizer build
# (build-sanitize/), where any sanitizer report or leak fails the test.
set -e
cd "$(dirname "$0")"
tools/install-deps.sh
tools/build.sh
(cd build && ctest --output-on-failure -j "$(nproc)")
tools/build.sh --sanitize
cd build-sanitize
ctest --output-on-failure -j "$(nproc)" -LE "e2e|bot|tools|demos|fuzz"
ctest --output-on-failure -j "$(nproc)" -L "demos|fuzz"
