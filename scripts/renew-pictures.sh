#!/usr/bin/env bash
# Draws the README's pictures anew on a virtual X server, from the program as it is now, into
# docs/. Run it when a visual change is meant; the suite then compares with the new pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/setup.sh
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES $TEST_PACKAGES $DISPLAY_PACKAGES

build=build/test
jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset debug >/dev/null
cmake --build --preset debug -j"$jobs" --target keb_x11_tests
displays="$build/displays/renew"
scripts/display_server.sh start x11 "$displays/x11"
trap 'scripts/display_server.sh stop "$displays/x11"' EXIT
scripts/display_server.sh run "$displays/x11" env KEB_DISPLAYS_DIR="$displays" \
    KEB_TEST_PLATFORM=x11 KEB_RENEW_PICTURES=1 "$build/tests/keb_x11_tests" \
    --gtest_filter='ReadmePictures.*'
echo "Renewed: $(ls docs/*.png | tr '\n' ' ')"
