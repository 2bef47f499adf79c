#!/bin/sh
# Sets up, builds and runs every test, headless.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure
