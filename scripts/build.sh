#!/bin/sh
# Configures and builds the program, its tests and benchmarks in build/.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARO_WARNINGS_AS_ERRORS=ON
cmake --build build
