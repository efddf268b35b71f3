#!/usr/bin/env bash
# Builds the benchmark in Release and prints its table: start-up against a plain Qt window with
# the same content (in process, and from exec to the first painted frame on a virtual X
# server), learner actions, scaling with the number of pairs, and peak memory.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES $DISPLAY_PACKAGES

jobs=$(nproc 2>/dev/null || echo 2)
build=build/bench
log=$build/build.log
mkdir -p "$build"
if ! { cmake --preset bench && cmake --build --preset bench -j"$jobs"; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "bench.sh: the benchmark did not build (above)." >&2
    exit 1
fi
state=$build/display
scripts/display_server.sh start x11 "$state"
trap 'scripts/display_server.sh stop "$state"' EXIT
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?')"
scripts/display_server.sh run "$state" env QT_QPA_PLATFORM=offscreen "$build/bench/keb_bench" \
    2>/dev/null
echo "All rows but the exec-to-first-frame ones run headless (offscreen), in one process."
