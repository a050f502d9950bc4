# The program on a real X display with a window manager, driven as a user would: a private
# Xvfb, openbox, xdotool for the mouse and keys, wmctrl for the window manager's close
# request. Sourced by the desktop tests.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    shot "failure"
    echo "on $DISPLAY; windows shown:" >&2
    wmctrl -l -p >&2 || true
    [ -n "${app_pid:-}" ] && ! kill -0 "$app_pid" 2>/dev/null && echo "the program is gone" >&2
    for log in xvfb openbox; do
        [ -s "$work/$log.log" ] && { echo "$log wrote:" >&2; tail -5 "$work/$log.log" >&2; }
    done
    [ -s "$work/program.log" ] && { echo "the program wrote:" >&2; head -50 "$work/program.log" >&2; }
    exit 1
}

# Starts Xvfb on a free display and openbox on it; everything ends with the test. Several
# tests start at once, beside other X servers: a display whose number turns out to be taken
# is given up for another one.
start_desktop() {
    work=$(mktemp -d /tmp/morvane-desktop.XXXXXX)
    trap stop_desktop EXIT
    local n
    for _ in $(seq 20); do
        n=$((200 + RANDOM % 3000))
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        # -noreset: the server must not start afresh whenever its last client leaves.
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 100); do
            kill -0 "$xvfb_pid" 2>/dev/null || break
            DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1 && break
            sleep 0.05
        done
        if kill -0 "$xvfb_pid" 2>/dev/null && DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1; then
            export DISPLAY=":$n"
            break
        fi
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    done
    [ -n "${xvfb_pid:-}" ] || fail "Xvfb did not start"
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.05; done
    wmctrl -m >/dev/null 2>&1 || fail "openbox did not start"
    # A desktop without a session bus, as on a bare X session.
    unset DBUS_SESSION_BUS_ADDRESS DBUS_STARTER_ADDRESS
    export XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home" QT_QPA_PLATFORM=xcb
    mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
}

# The start of every case: CASE_SCRIPT PROGRAM CASE starts the desktop and the program on
# it, and sets program and case_name.
start_case() {
    program=$1
    case_name=$2
    start_desktop
    start_program "$program"
}

# The first calculator of the start window's first menu.
calculator="Abwasserlasten der Einwohner"

stop_desktop() {
    [ -n "${app_pid:-}" ] && kill -9 "$app_pid" 2>/dev/null || true
    for p in $(leftovers); do kill "$p" 2>/dev/null || true; done
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}

# Processes that the program started and that are still there: every one carries the mark
# the program was started with (a helper left behind, such as a session bus of its own).
leftovers() {
    local p
    for p in /proc/[0-9]*; do
        { tr '\0' '\n' <"$p/environ"; } 2>/dev/null | grep -qx "MORVANE_DESKTOP_RUN=$work" &&
            echo "${p#/proc/}"
    done
    return 0
}

start_program() {
    MORVANE_DESKTOP_RUN="$work" "$@" >"$work/program.log" 2>&1 &
    app_pid=$!
    start_window=$(wait_window "Morvane - Kleine Programme")
}

# The ids of the program's windows that the window manager shows with this exact title.
windows_titled() {
    wmctrl -l -p 2>/dev/null | while read -r id _ pid _ title; do
        [ "$pid" = "$app_pid" ] && [ "$title" = "$1" ] && echo "$id"
    done
    return 0
}

# The id of the program's window with this title, once it is there.
wait_window() {
    local id
    for _ in $(seq 600); do
        id=$(windows_titled "$1" | head -1)
        if [ -n "$id" ]; then
            sleep 0.3  # given the focus by the window manager
            echo "$id"
            return
        fi
        kill -0 "$app_pid" 2>/dev/null || fail "the program ended while waiting for \"$1\""
        sleep 0.05
    done
    fail "no window \"$1\""
}

wait_gone() {
    for _ in $(seq 100); do
        [ -z "$(windows_titled "$1")" ] && return 0
        sleep 0.05
    done
    fail "the window \"$1\" stays"
}

# The window manager's close request, as from the title bar's close box.
close_window() { wmctrl -i -c "$1"; }

# A menu of the start window: a click on its first title, then keys.
menu_keys() {
    xdotool mousemove --window "$start_window" 40 10 click 1
    sleep 0.3
    xdotool key --delay 80 "$@"
}

still_running() {
    sleep 0.5
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended too early"
}

# The program must have ended within the given seconds (one unless told), with status 0,
# and left nothing behind.
expect_end() {
    local limit=${1:-1} status=0 waited=0
    local steps=$((limit * 20))
    while kill -0 "$app_pid" 2>/dev/null; do
        [ "$waited" -ge "$steps" ] && { shot "still-running"; fail "still running ${limit} s after the last window closed"; }
        sleep 0.05
        waited=$((waited + 1))
    done
    wait "$app_pid" || status=$?
    app_pid=""
    if [ "$status" -ne 0 ]; then
        cat "$work/program.log" >&2
        fail "exit status $status"
    fi
    sleep 0.2
    local left
    left=$(leftovers)
    if [ -n "$left" ]; then
        for p in $left; do echo "left behind: $(tr '\0' ' ' <"/proc/$p/cmdline")" >&2; done
        fail "helper processes outlived the program"
    fi
    echo "ended after about $((waited * 50)) ms with status 0"
}

# A picture of the screen for the log, where ImageMagick is installed.
shot() {
    [ -n "${MORVANE_DESKTOP_SHOTS:-}" ] && command -v import >/dev/null &&
        import -window root "$MORVANE_DESKTOP_SHOTS/${case_name:-desktop}-$1.png" 2>/dev/null || true
}
