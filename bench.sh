#!/usr/bin/env bash
# Builds the benchmark in Release and prints its table: start-up, learner actions, scaling with
# the number of pairs, and peak memory. Runs headless.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DKEB_BUILD_TESTS=OFF -DKEB_BUILD_BENCH=ON >/dev/null
cmake --build build/bench -j"$jobs" --target keb_bench >/dev/null
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?')"
QT_QPA_PLATFORM=offscreen build/bench/bench/keb_bench 2>/dev/null
