#!/usr/bin/env bash
# Runs one of the build's Windows programs under Wine, in a Wine prefix of the build's own: made
# on first use, with no prompt for Wine's .NET or browser parts, no debug output, and Times New
# Roman taken from its metric twin Liberation Serif, as fontconfig does on Linux. The program's
# exit status is this script's.
#   wine.sh PREFIX PROGRAM.exe [ARGUMENT...]
set -euo pipefail
export WINEPREFIX
WINEPREFIX=$(realpath -m "$1")
shift
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -f "$WINEPREFIX/complete" ]; then
    mkdir -p "$WINEPREFIX"
    # Programs started together (CTest lists the tests of several at once) make it only once.
    exec 9>"$WINEPREFIX.lock"
    flock 9
    if [ ! -f "$WINEPREFIX/complete" ]; then
        wine wineboot -i >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
            /d 'Liberation Serif' /f >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/complete"
    fi
    exec 9>&-
fi
# The program's output reaches the caller through files of its own. Wine starts helper programs
# of its own (the desktop's among them) from whichever program needs them first, and they stay on
# after it with what it had open: a pipe of the caller's would then stay open with them, and the
# caller would wait on it long after the program ended.
output=$(mktemp -d)
trap 'rm -rf "$output"' EXIT
: >"$output/out"
: >"$output/err" # there before the readers open them
wine "$@" >"$output/out" 2>"$output/err" &
program=$!
tail -s 0.1 --pid=$program -c +1 -f "$output/out" &
tail -s 0.1 --pid=$program -c +1 -f "$output/err" >&2 &
status=0
wait $program || status=$?
wait
exit $status
