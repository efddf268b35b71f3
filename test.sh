#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs the whole suite headless.
#   ./test.sh             the ordinary build
#   ./test.sh --sanitize  the same suite built with AddressSanitizer, UndefinedBehaviorSanitizer
#                         and leak detection
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES $TEST_PACKAGES $DISPLAY_PACKAGES

build=build/test
flags=()
if [ "${1:-}" = "--sanitize" ]; then
    build=build/sanitize
    flags=(-DKEB_SANITIZE=ON)
    export_sanitizer_options
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DKEB_WERROR=ON -DKEB_BUILD_TESTS=ON -DKEB_BUILD_BENCH=ON "${flags[@]}"
cmake --build "$build" -j"$jobs"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$jobs"
