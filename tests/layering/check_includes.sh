#!/usr/bin/env bash
# The build keeps the folders as layers: a folder's library reaches only the public headers of
# the libraries it links. This checks what the build cannot see: that every include of the
# program's own headers goes through that door, as "<folder>/<header>" or the folder's own
# "detail/<header>", never by a bare name or a path out of its folder.
#   check_includes.sh SOURCE_DIR
set -euo pipefail
cd "$1"
failures=0
while IFS=: read -r file line include; do
    target=${include#*\"}
    target=${target%%\"*}
    case $target in
    ../* | */../*) problem="reaches out of its folder" ;;
    detail/*) continue ;; # its own folder's detail/ header, found beside the file
    */*) continue ;;
    *) problem="names no folder" ;;
    esac
    echo "$file:$line: $problem: $target"
    failures=$((failures + 1))
done < <(grep -rn --include='*.h' --include='*.cpp' '^#include "' content ui quiz explain settings app main.cpp)
if [ "$failures" -gt 0 ]; then
    echo "$failures includes around the layers' public headers." >&2
    exit 1
fi
echo "Every include goes through a folder's public headers or the file's own detail/."
