#!/bin/sh
# Builds the program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs every test there. Any
# report (memory error, leak, undefined behaviour) fails the run.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSARO_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$sanitizers" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DTESSARO_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure
