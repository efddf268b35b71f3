#!/usr/bin/env bash
# Starts and stops a display server of its own for the window tests and the screenshots: a
# virtual X server (Xvfb) or a headless Wayland compositor (weston).
#
#   display_server.sh start x11|wayland STATE_DIR [WIDTHxHEIGHT]
#   display_server.sh stop STATE_DIR
#   display_server.sh run STATE_DIR COMMAND [ARGUMENT...]   runs a command on the server
#
# "start" leaves the server running in the background, with a session bus beside it as a desktop
# session has, and writes STATE_DIR/env, lines of NAME=VALUE that a client needs to reach them:
# DISPLAY or WAYLAND_DISPLAY, DBUS_SESSION_BUS_ADDRESS, and a private XDG_RUNTIME_DIR and
# XDG_CONFIG_HOME: the session's settings (its screen reader switch among them) are its own, so
# that two servers' sessions, and the user's desktop, do not change each other's.
# A server that is not installed or does not come up is an error with a message saying which.
set -euo pipefail

fail() {
    echo "display_server.sh: $*" >&2
    exit 1
}

usage() {
    fail "usage: display_server.sh start x11|wayland STATE_DIR [WIDTHxHEIGHT] | stop STATE_DIR | run STATE_DIR COMMAND..."
}

stop_process() {
    local pidfile=$1
    [ -f "$pidfile" ] || return 0
    local pid state
    pid=$(cat "$pidfile")
    if kill "$pid" 2>/dev/null; then
        # Ended once it is gone or a zombie waiting for its parent, the init process, to reap it.
        for _ in $(seq 50); do
            state=$(sed 's/.*) //' "/proc/$pid/stat" 2>/dev/null | cut -c1) || true
            case $state in "" | Z) break ;; esac
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null || true
    fi
    rm -f "$pidfile"
}

stop_server() {
    local state=$1
    stop_process "$state/pid"
    stop_process "$state/bus.pid"
    rm -f "$state/env"
}

start_session_bus() {
    local state=$1 out
    command -v dbus-daemon >/dev/null || fail "dbus-daemon is not installed (Debian package dbus-daemon)"
    rm -f "$state/bus"
    mkdir -p "$state/config"
    # The services the bus starts (the accessibility bus, the settings store) take its
    # environment: the session's own runtime and settings folders.
    out=$(XDG_RUNTIME_DIR="$state/runtime" XDG_CONFIG_HOME="$state/config" dbus-daemon --session \
        --fork --address="unix:path=$state/bus" --print-address=1 --print-pid=1) || fail "the session bus (dbus-daemon) did not start"
    sed -n 2p <<<"$out" >"$state/bus.pid"
    echo "DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$out")" >>"$state/env"
    echo "XDG_CONFIG_HOME=$state/config" >>"$state/env"
}

# Waits until the server just started answers ("ready" says so), then writes how to reach it
# ("reach" prints its lines of the env file) and starts the session bus beside it.
await_server() {
    local state=$1 name=$2 ready=$3 reach=$4
    for _ in $(seq 100); do
        if "$ready" "$state"; then
            "$reach" "$state" >"$state/env"
            start_session_bus "$state"
            return 0
        fi
        kill -0 "$(cat "$state/pid")" 2>/dev/null || break
        sleep 0.1
    done
    cat "$state/server.log" >&2 || true
    stop_server "$state"
    fail "$name did not start"
}

private_runtime_dir() {
    mkdir -p "$1/runtime"
    chmod 700 "$1/runtime"
}

x11_ready() { [ -s "$1/display-number" ]; }
x11_reach() {
    printf 'DISPLAY=:%s\nXDG_RUNTIME_DIR=%s\n' "$(tr -d '[:space:]' <"$1/display-number")" \
        "$1/runtime"
}

start_x11() {
    local state=$1 size=$2
    command -v Xvfb >/dev/null || fail "Xvfb is not installed (Debian package xvfb)"
    private_runtime_dir "$state"
    : >"$state/display-number"
    # Xvfb picks a free display itself and writes its number to the descriptor given.
    setsid Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset \
        3>"$state/display-number" </dev/null >"$state/server.log" 2>&1 &
    echo $! >"$state/pid"
    await_server "$state" "the virtual X server (Xvfb)" x11_ready x11_reach
}

wayland_socket=keb-test
wayland_ready() { [ -S "$1/runtime/$wayland_socket" ]; }
wayland_reach() {
    printf 'XDG_RUNTIME_DIR=%s\nWAYLAND_DISPLAY=%s\n' "$1/runtime" "$wayland_socket"
}

start_wayland() {
    local state=$1 size=$2
    command -v weston >/dev/null || fail "weston is not installed (Debian package weston)"
    private_runtime_dir "$state"
    rm -f "$state/runtime/$wayland_socket" "$state/runtime/$wayland_socket.lock"
    XDG_RUNTIME_DIR="$state/runtime" setsid weston --backend=headless-backend.so --no-config \
        --socket="$wayland_socket" --width="${size%x*}" --height="${size#*x}" --idle-time=0 \
        </dev/null >"$state/server.log" 2>&1 &
    echo $! >"$state/pid"
    await_server "$state" "the headless Wayland compositor (weston)" wayland_ready wayland_reach
}

[ $# -ge 2 ] || usage
case $1 in
start)
    [ $# -ge 3 ] || usage
    kind=$2
    state=$3
    size=${4:-1280x1024}
    mkdir -p "$state"
    state=$(cd "$state" && pwd)
    stop_server "$state" # one left over from an interrupted run
    case $kind in
    x11) start_x11 "$state" "$size" ;;
    wayland) start_wayland "$state" "$size" ;;
    *) usage ;;
    esac
    ;;
stop)
    stop_server "$2"
    ;;
run)
    [ $# -ge 3 ] || usage
    [ -f "$2/env" ] || fail "no display server runs in $2: its start failed or did not run"
    while IFS= read -r line; do
        export "${line?}"
    done <"$2/env"
    shift 2
    exec "$@"
    ;;
*) usage ;;
esac
