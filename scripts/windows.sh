#!/usr/bin/env bash
# KEB for Windows, built on Debian: a static toolkit from Debian's own source of the system's Qt,
# the program and its suite cross-compiled with MinGW-w64, run under Wine, and an installer.
#   scripts/windows.sh qt         the static toolkit (built once, then taken from the cache)
#   scripts/windows.sh build      keb.exe and the suite, cross-compiled
#   scripts/windows.sh package    the installer and the portable zip
#   scripts/windows.sh test [CTEST_ARGUMENT...]
#                                 builds and packages, then runs the suite under Wine on a
#                                 virtual display
#   scripts/windows.sh reproduce  builds the commit again from a clone in another folder and
#                                 compares keb.exe, the installer and the zip byte for byte
#   scripts/windows.sh bench      the time from start to the first painted frame under Wine,
#                                 the quiz's beside a plain window's
#   scripts/windows.sh all        test, then reproduce (the default)
# The toolkit is cached outside the checkout, in $KEB_WINDOWS_CACHE (default
# /var/cache/keb-windows), under a key made of its version and its configure line.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
. scripts/setup.sh

WINDOWS_PACKAGES="g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
cmake ninja-build dpkg-dev qt6-base-dev qt6-base-dev-tools qt6-translations-l10n fonts-liberation
googletest wine wine64 nsis xvfb xauth dbus-daemon zip xdotool imagemagick tesseract-ocr
tesseract-ocr-bul python3"

cache=${KEB_WINDOWS_CACHE:-/var/cache/keb-windows}
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)

# Only what the quiz uses: Core, Gui, Widgets and Test, the windows platform and the windowsvista
# style; the third-party libraries built in; nothing of OpenGL, D-Bus, ICU, SQL, network, XML,
# printing or Vulkan. DirectWrite 3 needs Direct2D, and the tablet support a header that
# Debian's source leaves out.
qt_configure_options=(-xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32-
    -qt-host-path /usr -release -static -static-runtime -optimize-size -nomake examples
    -nomake tests -no-opengl -no-dbus -no-icu -no-pkg-config -no-direct2d
    -no-feature-directwrite3 -qt-zlib -qt-pcre -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz
    -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent
    -no-feature-xml -no-feature-tabletevent -no-feature-vulkan)

qt_key() {
    { printf '%s\n' "$qt_version" "${qt_configure_options[@]}" "$(host_qt_cmake_dir)"; cat cmake/mingw-w64-x86_64.cmake; } |
        sha256sum | cut -c1-16
}

# The cached toolkit's folder; it holds a file named "complete" only once it was wholly installed.
qt_prefix() { echo "$cache/qt-${qt_version//[^0-9A-Za-z.]/_}-$(qt_key)"; }

# Debian's source of the system's Qt, through a source list and package lists of this script's
# own: the same archive, suites, components and signing key as the machine's, nothing of the
# machine's own apt set-up touched. apt checks the source's files against the signed .dsc.
fetch_qt_source() {
    local into=$1 apt_dir=$1/apt
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial"
    local system_list=/etc/apt/sources.list.d/debian.sources
    if [ ! -f "$system_list" ]; then
        echo "No $system_list to take the archive's address from." >&2
        exit 1
    fi
    sed 's/^Types:.*/Types: deb-src/' "$system_list" >"$apt_dir/debian-src.sources"
    local options=(-o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$apt_dir"
        -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache::Archives=$apt_dir/archives")
    echo "Fetching Debian's source of qt6-base $qt_version"
    apt-get "${options[@]}" update -qq
    (cd "$into" && apt-get "${options[@]}" source -qq --only-source "qt6-base=$qt_version")
    rm -rf "$apt_dir"
}

# Runs a long build, printing a line of progress every few percent instead of every step.
build_with_progress() {
    local log=$1
    shift
    echo "Building (the full log: $log)"
    "$@" 2>&1 | tee "$log" | awk '
        match($0, /^\[[0-9]+\/[0-9]+\]/) {
            split(substr($0, 2, RLENGTH - 2), n, "/")
            percent = int(100 * n[1] / n[2])
            if (percent >= shown + 5 || n[1] == n[2]) { print "  step " n[1] " of " n[2]; shown = percent; fflush() }
            next
        }
        /error|Error|FAILED/ { print; fflush() }'
    return "${PIPESTATUS[0]}"
}

# Where the system's Qt keeps its CMake files (Debian puts them under the multiarch folder).
host_qt_cmake_dir() { dirname "$(dirname "$(dpkg -L qt6-base-dev | grep -m1 '/Qt6HostInfoConfig.cmake$')")"; }

# The licences that ship with a program linking the toolkit statically: the toolkit's own, and
# the notices of the third-party code in its source, each with its copyright and licence text.
collect_qt_licences() {
    local source=$1 into=$2
    mkdir -p "$into"
    cp "$source/LICENSES/LGPL-3.0-only.txt" "$source/LICENSES/GPL-3.0-only.txt" "$into/"
    python3 - "$source" "$into/qt-third-party.txt" <<'PYTHON'
import json, pathlib, sys
source, out = pathlib.Path(sys.argv[1]), sys.argv[2]
parts = []
for path in sorted(source.glob("src/**/qt_attribution.json")):
    entries = json.loads(path.read_text(encoding="utf-8"), strict=False)
    for entry in entries if isinstance(entries, list) else [entries]:
        files = entry.get("LicenseFile", "")
        texts = [(path.parent / f).read_text(encoding="utf-8", errors="replace")
                 for f in (files if isinstance(files, list) else [files]) if f and (path.parent / f).is_file()]
        parts.append("\n".join([
            "=" * 78, f"{entry.get('Name', path.parent.name)} {entry.get('Version', '')}".strip(),
            f"in {path.parent.relative_to(source)}: {entry.get('License', '')}", "",
            entry.get("Copyright", "").strip(), ""] + texts))
pathlib.Path(out).write_text("\n".join(parts), encoding="utf-8")
PYTHON
}

build_qt() {
    local prefix
    prefix=$(qt_prefix)
    if [ -f "$prefix/complete" ]; then
        echo "The static Qt for Windows is cached: $prefix"
        return 0
    fi
    echo "Building a static Qt $qt_version for Windows into $prefix (about 26 minutes on 2 cores)"
    mkdir -p "$cache"
    # A build that fails or is stopped leaves no "complete" file: the next one starts afresh.
    local work=$prefix.work
    rm -rf "$work" "$prefix"
    mkdir -p "$work/build" "$prefix"
    fetch_qt_source "$work"
    local source
    source=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
    # The toolkit's CMake files name the toolchain file it was built with: it stays beside it.
    cp cmake/mingw-w64-x86_64.cmake "$prefix/toolchain.cmake"
    echo "Configuring"
    (cd "$work/build" && "$source/configure" -prefix "$prefix" "${qt_configure_options[@]}" \
        -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$prefix/toolchain.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR="$(host_qt_cmake_dir)" >"$work/configure.log" 2>&1) || {
        tail -n 40 "$work/configure.log" >&2
        exit 1
    }
    build_with_progress "$work/build.log" cmake --build "$work/build" --parallel "$(nproc)"
    cmake --install "$work/build" >"$work/install.log"
    collect_qt_licences "$source" "$prefix/licences"
    rm -rf "$work"
    touch "$prefix/complete"
    echo "Built: $prefix ($(du -sh "$prefix" | cut -f1))"
}

# googletest from Debian's sources (package googletest), built by the same compiler.
gtest_prefix() {
    local version
    version=$(dpkg-query -W -f='${Version}' googletest)
    echo "$cache/googletest-${version//[^0-9A-Za-z.]/_}-$(sha256sum <cmake/mingw-w64-x86_64.cmake | cut -c1-16)"
}

build_gtest() {
    local prefix
    prefix=$(gtest_prefix)
    if [ -f "$prefix/complete" ]; then
        return 0
    fi
    echo "Building googletest for Windows into $prefix"
    rm -rf "$prefix" "$prefix.work"
    mkdir -p "$prefix"
    cp cmake/mingw-w64-x86_64.cmake "$prefix/toolchain.cmake"
    cmake -S /usr/src/googletest -B "$prefix.work" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/toolchain.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DBUILD_GMOCK=OFF >"$prefix.log" 2>&1 &&
        cmake --build "$prefix.work" >>"$prefix.log" 2>&1 &&
        cmake --install "$prefix.work" >>"$prefix.log" 2>&1 || {
        tail -n 30 "$prefix.log" >&2
        exit 1
    }
    rm -rf "$prefix.work" "$prefix.log"
    touch "$prefix/complete"
}

# The time every built file bears: the commit's, so that two builds of it are the same.
source_date_epoch() {
    git -C "$root" log -1 --format=%ct 2>/dev/null || echo 0
}

build_program() {
    build_qt
    build_gtest
    export KEB_WINDOWS_QT KEB_WINDOWS_GTEST SOURCE_DATE_EPOCH
    KEB_WINDOWS_QT=$(qt_prefix)
    KEB_WINDOWS_GTEST=$(gtest_prefix)
    SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(source_date_epoch)}
    cmake --preset windows >/dev/null
    cmake --build --preset windows -j"$(nproc)" --target "$1"
}

build=$root/build/windows
dist=$build/dist

# What ships: keb.exe stripped, the read-me and the licences; then the installer and the
# portable zip made of them, every file bearing the commit's time.
package() {
    local version files=$dist/KEB qt
    version=$(sed -n 's/^project(KEB VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    qt=$(qt_prefix)
    rm -rf "$dist"
    mkdir -p "$files"
    x86_64-w64-mingw32-strip -o "$files/keb.exe" "$build/keb.exe"
    cp data/windows/README.bg.txt data/windows/KEB.txt "$files/"
    cp "$qt/licences/LGPL-3.0-only.txt" "$files/Qt-LGPL-3.0.txt"
    cp "$qt/licences/GPL-3.0-only.txt" "$files/GPL-3.0.txt"
    {
        echo "The third-party code in keb.exe beside Qt itself, with its copyrights and licences:"
        echo "the code in Qt's source, then the GCC runtime (libgcc, libstdc++; GPL-3 with the GCC"
        echo "Runtime Library Exception) and MinGW-w64's runtime and winpthreads."
        echo
        cat "$qt/licences/qt-third-party.txt"
        printf '\n%s\nGCC, as Debian builds it for MinGW-w64 (package gcc-mingw-w64-base)\n\n' "$(printf '=%.0s' {1..78})"
        cat /usr/share/doc/gcc-mingw-w64-base/copyright
        printf '\n%s\nMinGW-w64 and winpthreads (package mingw-w64-common)\n\n' "$(printf '=%.0s' {1..78})"
        cat /usr/share/doc/mingw-w64-common/copyright
    } >"$files/third-party.txt"
    # Text files as Windows' Notepad expects them: lines ending in CR LF.
    sed -i 's/\r*$/\r/' "$files"/*.txt
    cp "$build/data/windows/keb.ico" "$dist/keb.ico"
    touch -d "@$SOURCE_DATE_EPOCH" "$files" "$files"/*
    makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DVERSION4="$version.0" \
        -DFILES="$files" -DICON="$dist/keb.ico" -DOUTFILE="$dist/keb-setup-$version.exe" \
        data/windows/installer.nsi
    (cd "$dist" && TZ=UTC zip -q -X "keb-$version-portable.zip" KEB KEB/*)
    ls -l "$dist"
}

# The suite under Wine, on a virtual X server of its own, with one Wine server kept running for
# all its programs (each then starts in a third of a second).
run_suite() {
    local state=$build/display prefix=$build/wine
    scripts/display_server.sh start x11 "$state" 1280x1024
    # shellcheck disable=SC2064
    trap "WINEPREFIX='$prefix' wineserver -k 2>/dev/null || true; scripts/display_server.sh stop '$state'" EXIT
    # The test programs list their tests first; one whose listing came back empty would leave its
    # entries out unseen.
    scripts/display_server.sh run "$state" bash -c '
        set -euo pipefail
        bash tests/windows/wine.sh "$1" cmd /c exit
        WINEPREFIX=$1 wineserver -w
        WINEPREFIX=$1 wineserver -p
        bash tests/windows/wine.sh "$1" cmd /c exit
        ctest --preset windows -N >/dev/null
        empty=$(grep -L "^add_test" "$2"/tests/*_tests.cmake || true)
        if [ -n "$empty" ]; then
            echo "No tests were found in: $empty" >&2
            exit 1
        fi
        ctest --preset windows -j"$(nproc)" "${@:3}"' suite "$prefix" "$build" "$@"
}

# The benchmark under Wine, on a virtual X server of its own.
run_bench() {
    local state=$build/bench-display prefix=$build/wine
    scripts/display_server.sh start x11 "$state" 1280x1024
    # shellcheck disable=SC2064
    trap "WINEPREFIX='$prefix' wineserver -k 2>/dev/null || true; scripts/display_server.sh stop '$state'" EXIT
    scripts/display_server.sh run "$state" bash -c '
        set -euo pipefail
        bash tests/windows/wine.sh "$1" cmd /c exit
        bash tests/windows/wine.sh "$1" "$2" | tr -d "\r"' bench "$prefix" "$build/bench/keb_bench.exe"
}

# Two builds of the commit from checkouts in different folders give the same keb.exe, installer
# and zip, byte for byte: this checkout's and one from a clone made here.
check_reproducible() {
    local other
    other=$(mktemp -d /tmp/keb-reproduce.XXXXXX)
    # shellcheck disable=SC2064
    trap "rm -rf '$other'" RETURN
    if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
        echo "Changes not committed: the other build is of the commit, this one is not; not compared." >&2
        return 1
    fi
    git clone -q --no-local "$root" "$other/another-folder"
    echo "Building the commit again in $other/another-folder"
    (cd "$other/another-folder" && KEB_WINDOWS_CACHE=$cache scripts/windows.sh build keb >/dev/null &&
        KEB_WINDOWS_CACHE=$cache scripts/windows.sh package >/dev/null)
    local same=0 file
    for file in keb.exe "$(basename "$dist"/keb-setup-*.exe)" "$(basename "$dist"/keb-*-portable.zip)"; do
        if [ "$file" = keb.exe ]; then
            cmp "$dist/KEB/keb.exe" "$other/another-folder/build/windows/dist/KEB/keb.exe" || same=1
        else
            cmp "$dist/$file" "$other/another-folder/build/windows/dist/$file" || same=1
        fi
    done
    if [ $same -ne 0 ]; then
        echo "The two builds differ." >&2
        return 1
    fi
    echo "Two builds in different folders: keb.exe, the installer and the zip are the same, byte for byte."
}

step=${1:-all}
# shellcheck disable=SC2086
ensure_packages $WINDOWS_PACKAGES
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)

case $step in
qt) build_qt ;;
build) build_program "${2:-all}" ;;
package)
    # The packaging tools take their time stamps from it too: strip the program's, NSIS and zip
    # theirs.
    export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(source_date_epoch)}
    package
    ;;
test)
    shift
    build_program all
    package
    run_suite "$@"
    ;;
reproduce) check_reproducible ;;
bench)
    build_program keb_bench
    run_bench
    ;;
all)
    build_program all
    package
    run_suite
    check_reproducible
    ;;
*)
    echo "usage: scripts/windows.sh [qt|build|package|test|reproduce|bench|all]" >&2
    exit 2
    ;;
esac
