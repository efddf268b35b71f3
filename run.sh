#!/usr/bin/env bash
# Installs what is missing, builds the quiz and opens it. Without a display it runs the quiz on
# a virtual one, saves a screenshot of the main window, prints where, and ends.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES

program=build/release/keb

# On the virtual display: the quiz in the background, and a screenshot once its window is drawn.
if [ "${1:-}" = "--screenshot" ]; then
    QT_QPA_PLATFORM=xcb "$program" &
    quiz=$!
    trap 'kill "$quiz" 2>/dev/null || true' EXIT
    mkdir -p build/screenshots
    shot=$(pwd)/build/screenshots/run-main-window.png
    # Wait until the window is drawn: the bare screen is one colour, so it trims to almost nothing.
    for _ in $(seq 100); do
        sleep 0.2
        if import -window root "$shot.full.png" 2>/dev/null &&
            convert "$shot.full.png" -trim +repage "$shot" 2>/dev/null &&
            [ "$(identify -format '%w' "$shot")" -gt 300 ]; then
            sleep 1 # let the first paint settle
            import -window root "$shot.full.png"
            convert "$shot.full.png" -trim +repage "$shot"
            rm -f "$shot.full.png"
            echo "Screenshot of the main window: $shot"
            exit 0
        fi
    done
    echo "The quiz window did not appear on the virtual display." >&2
    exit 1
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset release >/dev/null
cmake --build --preset release -j"$jobs"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

echo "No display found: running the quiz on a virtual display (Xvfb) to take a screenshot."
ensure_packages xvfb xauth dbus-daemon imagemagick
state=build/screenshots/display
scripts/display_server.sh start x11 "$state"
trap 'scripts/display_server.sh stop "$state"' EXIT
scripts/display_server.sh run "$state" ./run.sh --screenshot
