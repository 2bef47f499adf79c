#!/bin/sh
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for a while (60 seconds, or the
# number given) from its seeds: the readers' test files under tests/data, or
# for the translation check the program's own .qm files (and a compressed
# copy), which the build writes.
# Fails on any crash, leak or sanitizer report.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/setup-debian.sh clang-14 libclang-rt-14-dev
sanitizers="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_CXX_FLAGS="$sanitizers -fno-omit-frame-pointer" \
    -DTESSARO_BUILD_FUZZERS=ON -DTESSARO_BUILD_TESTS=OFF -DTESSARO_BUILD_BENCHMARKS=OFF \
    -DTESSARO_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-fuzz --target fuzz_configuration fuzz_translation \
    release_translations fuzz_translation_seeds
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for name in configuration translation; do
    # New inputs go to a scratch folder; the committed seeds stay as they are.
    rm -rf "build-fuzz/corpus-$name"
    mkdir -p "build-fuzz/corpus-$name"
    case $name in
    translation)
        # Build outputs, so not committed: copied to the scratch folder.
        cp build-fuzz/LanguageData_*.qm build-fuzz/tests/fuzz/*.qm "build-fuzz/corpus-$name"
        seeds= max_len=16384 ;;
    configuration)
        # The reader's and the preferences' test files, in its subfolders.
        seeds=tests/data max_len=1024 ;;
    esac
    echo "Fuzzing the $name reader for $seconds seconds"
    "build-fuzz/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/$name-" -max_len="$max_len" \
        "build-fuzz/corpus-$name" $seeds
done
