#!/usr/bin/env bash
# Installs the built program into a scratch root, validates its desktop entry and AppStream
# metadata, then builds the Debian package and checks what it installs and depends on, and that
# a build of the same sources in another folder packs the same package, byte for byte.
#   install_test.sh BUILD_DIR     (KEEP=1 keeps the scratch folder to look into)
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$scratch"' EXIT
id=example.keb.KEB
fail() { echo "FAIL: $*" >&2; exit 1; }

expect_files() {
    local root=$1
    for f in bin/keb share/applications/$id.desktop share/metainfo/$id.metainfo.xml; do
        [ -f "$root/usr/$f" ] || fail "$root/usr/$f is missing"
    done
    [ -x "$root/usr/bin/keb" ] || fail "keb is not executable"
    for size in 16 22 24 32 48 64 128 256; do
        local icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
        [ -f "$icon" ] || fail "icon $icon is missing"
        file "$icon" | grep -q "$size x $size" || fail "icon $icon is not $size x $size"
    done
}

DESTDIR="$scratch/install" cmake --install "$build" --prefix /usr >/dev/null
expect_files "$scratch/install"
desktop-file-validate "$scratch/install/usr/share/applications/$id.desktop"
grep -q '^Categories=Education;' "$scratch/install/usr/share/applications/$id.desktop" ||
    fail "the desktop entry is not in the Education category"
appstreamcli validate --no-net "$scratch/install/usr/share/metainfo/$id.metainfo.xml" >/dev/null

(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -B "$scratch/package" >/dev/null)
deb=$(ls "$scratch"/package/*.deb)
dpkg-deb -x "$deb" "$scratch/root"
expect_files "$scratch/root"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation qt6-translations-l10n; do
    grep -q "$dep" <<<"$depends" || fail "the package does not depend on $dep: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "the package is not in section education"
for f in usr/share/doc/keb/copyright usr/share/doc/keb/changelog.gz usr/share/man/man1/keb.1.gz; do
    [ -f "$scratch/root/$f" ] || fail "the package lacks $f"
done
# Debian's own package checker: no error and no warning.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>/dev/null ||
    fail "lintian finds the package wanting (above)"
# The same sources (the commit, with the checkout's changes laid over it) built in another folder
# with the build's own settings. Not in the sanitizer build: GCC 12's sanitizers write the paths
# of the headers they check into the program as given, past the compiler's prefix maps.
if grep -q '^KEB_SANITIZE:BOOL=ON$' "$build/CMakeCache.txt"; then
    echo "Installed files and package: every check passed (the sanitizer build is not compared)."
    exit 0
fi
source=$(cd "$(dirname "$0")/.." && pwd)
other=$scratch/another-folder
git clone -q --no-local "$source" "$other/source"
(cd "$source" && git ls-files -z -m -o --exclude-standard | xargs -0 -r cp --parents -t "$other/source")
(cd "$source" && git ls-files -z -d | (cd "$other/source" && xargs -0 -r rm -f))
settings=()
for setting in CMAKE_BUILD_TYPE KEB_WERROR; do
    settings+=("-D$setting=$(sed -n "s/^$setting:[A-Z]*=//p" "$build/CMakeCache.txt")")
done
cmake -S "$other/source" -B "$other/build" "${settings[@]}" -DKEB_BUILD_TESTS=OFF \
    -DKEB_BUILD_BENCH=OFF >/dev/null
cmake --build "$other/build" -j"$(nproc)" >/dev/null
(cd "$other" && cpack --config "$other/build/CPackConfig.cmake" -B "$other/package" >/dev/null)
cmp "$deb" "$other"/package/*.deb || fail "a build in another folder packs another package"
echo "Installed files and package: every check passed."
