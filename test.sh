#!/usr/bin/env bash
# Builds everything and runs every test through ctest: the normal build, then the whole suite
# again under AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz target for a
# few seconds. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
./tools/ensure-packages.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export CTEST_OUTPUT_ON_FAILURE=1

echo "== build and test =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRUNE_BUILD_BENCH=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build -j"$jobs" --timeout 300

echo "== sanitizers (address, undefined) =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKESTRUNE_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
# Leaks of third-party libraries that cache for the life of the process are suppressed there.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS=suppressions="$PWD/tools/lsan.supp" \
    ctest --test-dir build-asan -j"$jobs" --timeout 600

if [ -f fuzz/CMakeLists.txt ]; then
    echo "== fuzzing (bounded) =="
    cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKESTRUNE_BUILD_FUZZ=ON -DKESTRUNE_BUILD_GUI=OFF -DKESTRUNE_BUILD_TESTS=OFF >/dev/null
    cmake --build build-fuzz -j"$jobs"
    ./fuzz/run-all.sh build-fuzz "${FUZZ_SECONDS:-5}"
fi
echo "All tests passed."
