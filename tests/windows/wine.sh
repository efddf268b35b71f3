#!/usr/bin/env bash
# Runs one of the build's Windows programs under Wine, in a Wine prefix of the build's own: made
# on first use, with no prompt for Wine's .NET or browser parts, no debug output, and Times New
# Roman taken from its metric twin Liberation Serif, as fontconfig does on Linux.
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
exec wine "$@"
