#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs the whole suite headless.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DKEB_WERROR=ON -DKEB_BUILD_TESTS=ON
cmake --build build/test -j"$jobs"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/test --output-on-failure -j"$jobs"
