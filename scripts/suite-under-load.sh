#!/usr/bin/env bash
# The whole suite on a busy machine: runs ./test.sh again and again while a CPU hog keeps every
# core busy, and checks after each run that the suite left none of its processes behind.
#
#   scripts/suite-under-load.sh [--runs N] [--ctest-args "ARGS"] [./test.sh's arguments]
#
# --runs N (3 by default) runs in a row must pass. --ctest-args runs CTest on the built suite
# instead of ./test.sh, with those arguments (for example --runs 20 --ctest-args "-L wayland"),
# once the suite is built; each run starts its display servers afresh. Prints each run's
# result and time; ends with status 0 only if every run passed and left nothing behind.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=3
ctest_args=
while [ $# -gt 0 ]; do
    case $1 in
    --runs) runs=$2 && shift 2 ;;
    --ctest-args) ctest_args=$2 && shift 2 ;;
    *) break ;;
    esac
done

# What the suite starts (test programs, the program, display servers, buses, the screen reader),
# known by its name and by this checkout's build folder (where the suite's displays and programs
# stand) in its command line, environment or working folder: the same programs started from
# elsewhere are not the suite's.
suite='^(keb|keb_[a-z_]+|Xvfb|weston|dbus-daemon|at-spi-bus-laun|at-spi2-registr|dconf-service|orca|openbox|speech-dispatch|sd_dummy|ctest)$'
here=$(pwd)/build/
suite_processes() {
    local pid name
    for pid in /proc/[0-9]*; do
        name=$(cat "$pid/comm" 2>/dev/null) || continue
        [[ $name =~ $suite ]] || continue
        if grep -qsF "$here" "$pid/cmdline" "$pid/environ" ||
            [[ $(readlink "$pid/cwd" 2>/dev/null) == "$here"* ]]; then
            echo "${pid#/proc/} $name"
        fi
    done
    return 0
}

before=$(suite_processes | cut -d' ' -f1)
hogs=()
stop_hogs() { [ ${#hogs[@]} -eq 0 ] || kill "${hogs[@]}" 2>/dev/null || true; }
trap stop_hogs EXIT
for _ in $(seq "$(nproc)"); do
    (while :; do :; done) &
    hogs+=($!)
done
echo "A CPU hog on each of $(nproc) cores; $runs runs."

# With chosen entries, the suite is built once first (as ./test.sh builds it), not run.
if [ -n "$ctest_args" ]; then
    preset=debug
    [ "${1:-}" = "--sanitize" ] && preset=sanitize
    # shellcheck disable=SC2086
    (. scripts/setup.sh && ensure_packages $BUILD_PACKAGES $TEST_PACKAGES $DISPLAY_PACKAGES &&
        cmake --preset "$preset" && cmake --build --preset "$preset" -j"$(nproc)") >/dev/null
fi

failed=0
for run in $(seq "$runs"); do
    log=$(mktemp)
    start=$(date +%s)
    if [ -n "$ctest_args" ]; then
        # shellcheck disable=SC2086
        (. scripts/setup.sh && { [ "$preset" = debug ] || export_sanitizer_options; } &&
            ctest --preset "$preset" -j"$(nproc)" $ctest_args) >"$log" 2>&1 && status=0 || status=$?
    else
        ./test.sh "$@" >"$log" 2>&1 && status=0 || status=$?
    fi
    seconds=$(($(date +%s) - start))
    summary=$(grep -E 'tests passed|tests failed' "$log" | tail -n 1 || true)
    echo "run $run: status $status in ${seconds} s: ${summary:-no summary}"
    if [ "$status" -ne 0 ]; then
        failed=1
        grep -E '\*\*\*|Failed|Timeout' "$log" | head -n 20 || true
        echo "(the whole log: $log)"
    else
        rm -f "$log"
    fi
    # The suite's own processes are gone once it ends, but for a moment for init to reap them.
    for _ in $(seq 50); do
        left=$(suite_processes | grep -v -w -F "${before:-none}" || true)
        [ -z "$left" ] && break
        sleep 0.2
    done
    if [ -n "$left" ]; then
        failed=1
        echo "run $run left these processes behind:"
        echo "$left"
    fi
    [ "$failed" -eq 0 ] || break
done
exit "$failed"
