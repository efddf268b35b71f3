#!/usr/bin/env bash
# Runs the outside monkey against the built program on a virtual X server for as long as asked:
# real X events from a fixed seed, the program restarted whenever it ends, a ping every few
# actions. It stops at the first crash, sanitizer report, warning or hang, naming seed and action.
#
#   scripts/monkey.sh [--minutes N] [--seed S] [--sanitize]
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=10
seed=1
preset=debug
while [ $# -gt 0 ]; do
    case $1 in
    --minutes) minutes=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --sanitize) preset=sanitize; shift ;;
    *) echo "usage: scripts/monkey.sh [--minutes N] [--seed S] [--sanitize]" >&2; exit 2 ;;
    esac
done
. scripts/setup.sh
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES $TEST_PACKAGES $DISPLAY_PACKAGES
build=build/test
if [ "$preset" = sanitize ]; then
    build=build/sanitize
    export_sanitizer_options
fi
jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$jobs" --target keb keb_monkey
state="$build/displays/monkey-run"
scripts/display_server.sh start x11 "$state"
trap 'scripts/display_server.sh stop "$state"' EXIT
scripts/display_server.sh run "$state" "$build/tests/keb_monkey" --program "$build/keb" \
    --seed "$seed" --seconds "$((minutes * 60))"
