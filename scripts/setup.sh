# Shared by run.sh and test.sh: makes sure the Debian packages the quiz needs are installed.
# As root it installs what is missing; otherwise it names the missing packages and stops.

missing_packages() {
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            printf '%s\n' "$pkg"
        fi
    done
}

ensure_packages() {
    local missing
    missing=$(missing_packages "$@")
    [ -z "$missing" ] && return 0
    # shellcheck disable=SC2086
    if [ "$(id -u)" -ne 0 ]; then
        echo "These Debian packages are missing:" $missing >&2
        echo "Install them as root (apt-get install" $missing") and run this again." >&2
        exit 1
    fi
    echo "Installing:" $missing
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

# The sanitizer build's options, with the reports from below the program that are passed over.
export_sanitizer_options() {
    local tests
    tests=$(cd "$(dirname "${BASH_SOURCE[0]}")/../tests" && pwd)
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:suppressions=$tests/asan-suppressions.txt"
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS="suppressions=$tests/leak-suppressions.txt:print_suppressions=0"
}

# Building and running the quiz, on X11 or Wayland, with the toolkit's own texts in Bulgarian.
BUILD_PACKAGES="cmake make g++ qt6-base-dev qt6-wayland fonts-liberation qt6-translations-l10n"
# The test suite beside: GoogleTest, the desktop-file and package checkers, the X libraries the
# outside monkey drives the program with, the accessibility bus with its Python client, and a
# screen reader (Orca) with its speech server and a Bulgarian voice, beside a window manager that
# gives the windows the focus as on a learner's desktop, and the Bulgarian locale it speaks in.
TEST_PACKAGES="libgtest-dev desktop-file-utils appstream dpkg-dev file lintian libx11-dev libxtst-dev
at-spi2-core python3 python3-gi python3-pyatspi gir1.2-atspi-2.0 orca speech-dispatcher
speech-dispatcher-espeak-ng espeak-ng openbox locales"
# The display servers the window tests run on: a virtual X server and a headless Wayland
# compositor, with a session bus beside them.
DISPLAY_PACKAGES="xvfb xauth weston dbus-daemon"
