#!/usr/bin/env bash
# Checks that every folder of the program includes only its own headers and those of the folders
# below it, so that the folders form layers with no cycle:
#   content, ui  <-  quiz  <-  explain, settings  <-  app (with main.cpp)
# A folder's own detail/ headers are its alone.
#   check_includes.sh SOURCE_DIR
set -euo pipefail
cd "$1"
declare -A allowed=(
    [content]="content"
    [ui]="ui"
    [quiz]="quiz content ui"
    [explain]="explain quiz content ui"
    [settings]="settings quiz content ui"
    [app]="app explain settings quiz content ui"
)
failures=0
for folder in "${!allowed[@]}"; do
    while IFS=: read -r file line include; do
        target=${include#*\"}
        target=${target%%\"*}
        case $target in
        ../* | */../*)
            echo "$file:$line: reaches out of its folder: $target"
            failures=$((failures + 1))
            continue
            ;;
        detail/*)
            continue # its own folder's detail/ header, found beside the file
            ;;
        esac
        top=${target%%/*}
        if [ "$top" = "$target" ]; then
            echo "$file:$line: names no folder: $target"
            failures=$((failures + 1))
        elif [ "$top" != "$folder" ] && [[ $target == */detail/* ]]; then
            echo "$file:$line: another folder's own header: $target"
            failures=$((failures + 1))
        elif [[ " ${allowed[$folder]} " != *" $top "* ]]; then
            echo "$file:$line: $folder/ includes $top/, which stands above it or beside it"
            failures=$((failures + 1))
        fi
    done < <(grep -rn --include='*.h' --include='*.cpp' '^#include "' "$folder" |
        sed 's/^\([^:]*\):\([0-9]*\):/\1:\2:/')
done
if [ "$failures" -gt 0 ]; then
    echo "$failures includes against the direction of the layers." >&2
    exit 1
fi
echo "Every include runs downward: content, ui <- quiz <- explain, settings <- app."
