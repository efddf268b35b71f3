#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs the whole suite headless.
#   ./test.sh             the ordinary build
#   ./test.sh --sanitize  the same suite built with AddressSanitizer, UndefinedBehaviorSanitizer
#                         and leak detection
#   ./test.sh --windows   KEB for Windows: the static toolkit (cached), keb.exe, the installer and
#                         the suite under Wine, and two builds compared byte for byte
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--windows" ]; then
    exec scripts/windows.sh all
fi
. scripts/setup.sh
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES $TEST_PACKAGES $DISPLAY_PACKAGES

preset=debug
if [ "${1:-}" = "--sanitize" ]; then
    preset=sanitize
    export_sanitizer_options
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset "$preset"
cmake --build --preset "$preset" -j"$jobs"
ctest --preset "$preset" -j"$jobs"
