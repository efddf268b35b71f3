#!/usr/bin/env bash
# The installer as a teacher runs it across a classroom, under Wine in a fresh prefix: a silent
# install for the user alone, its files, shortcut and uninstall entry, keb.exe started from the
# shortcut's target, a silent uninstall, and then nothing of KEB left.
#   installer_test.sh BUILD_DIR
set -euo pipefail
build=$1
installer=$(ls "$build"/dist/keb-setup-*.exe 2>/dev/null | head -n1) ||
    true
[ -n "$installer" ] || { echo "No installer in $build/dist: scripts/windows.sh package makes it." >&2; exit 1; }
version=$(basename "$installer" .exe | sed 's/^keb-setup-//')

# Wine's own menu builder would copy the shortcut into the desktop's menus and note it in the
# registry: it is off, so that what the test finds is the installer's alone.
export WINEPREFIX=$build/installer-wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
wine wineboot -i >/dev/null 2>&1
wineserver -w

user=$(ls "$WINEPREFIX/drive_c/users" | grep -v -x Public | head -n1)
home=$WINEPREFIX/drive_c/users/$user
folder=$home/AppData/Local/Programs/KEB
shortcut="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/KEB.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\KEB'
failures=0
check() {
    if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1" >&2; failures=$((failures + 1)); fi
}
# A value of the uninstall entry, as "reg export" writes it (in UTF-16; "reg query" would say its
# Cyrillic in the console's code page).
entry() {
    wine reg export "$key" 'C:\entry.reg' /y >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 "$WINEPREFIX/drive_c/entry.reg" | tr -d '\r' | sed -n "s/^\"$1\"=//p" |
        sed -e 's/^"\(.*\)"$/\1/' -e 's/^dword:/0x/' -e 's/\\\\/\\/g' -e 's/\\"/"/g'
    rm -f "$WINEPREFIX/drive_c/entry.reg"
}

wine "$installer" /S
wineserver -w
shipped="keb.exe README.bg.txt KEB.txt Qt-LGPL-3.0.txt GPL-3.0.txt third-party.txt uninstall.exe"
check "the installer writes its files into %LOCALAPPDATA%\\Programs\\KEB" \
    '[ "$(ls "$folder" | sort | tr "\n" " ")" = "$(tr " " "\n" <<<"$shipped" | sort | tr "\n" " ")" ]'
check "the Start-menu shortcut" '[ -f "$shortcut" ]'
check "the shortcut leads to keb.exe" 'grep -a -q -i "Programs.KEB.keb\.exe" "$shortcut"'
check "the uninstall entry's name" '[ "$(entry DisplayName)" = "KEB по география" ]'
check "the uninstall entry's version" '[ "$(entry DisplayVersion)" = "$version" ]'
check "the uninstall entry's publisher" '[ "$(entry Publisher)" = "KEB" ]'
check "the uninstall entry's icon" '[[ "$(entry DisplayIcon)" == *"\\Programs\\KEB\\keb.exe,0" ]]'
check "the uninstall entry's size" '[ "$(( $(entry EstimatedSize) ))" -gt 5000 ]'
check "the uninstall entry's commands" '[[ "$(entry UninstallString)" == *"uninstall.exe\"" &&
    "$(entry QuietUninstallString)" == *"uninstall.exe\" /S" ]]'

# keb.exe from the shortcut's target: it starts and shows its window.
target=$(wine winepath -w "$folder/keb.exe" 2>/dev/null | tr -d '\r')
wine start /unix "$folder/keb.exe" >/dev/null 2>&1 &
shown=false
for _ in $(seq 150); do
    if xdotool search --name "^www\.keb\.example KEB" >/dev/null 2>&1; then shown=true; break; fi
    sleep 0.2
done
check "keb.exe, the shortcut's target ($target), starts and shows its window" '$shown'
wineserver -k 2>/dev/null || true
sleep 0.5

wine "$folder/uninstall.exe" /S
# The uninstaller copies itself away and goes on from there: wait until the folder is gone.
for _ in $(seq 150); do [ -d "$folder" ] || break; sleep 0.2; done
wineserver -w
check "after the silent uninstall no file of KEB is left" '[ ! -e "$folder" ]'
check "nor the shortcut" '[ ! -e "$shortcut" ]'
check "nor the uninstall entry" '! wine reg query "$key" >/dev/null 2>&1'
check "nor any file of KEB's elsewhere in the prefix" \
    '[ -z "$(find "$WINEPREFIX/drive_c" -iname "*keb*" -print -quit)" ]'
check "nor any registry key of KEB's, the program's own included" '! grep -a -i -q keb "$WINEPREFIX"/*.reg'
[ "$failures" -eq 0 ]
