#!/usr/bin/env bash
# Keys on a real X display, as a user presses them: keyboard_case.sh PROGRAM CASE.
# The X server repeats a held key by itself, and a key without a key code in the keyboard
# map gets one assigned for the moment, as with a German keyboard's AltGr symbols.
source "$(dirname "$0")/desktop.sh"
start_case "$@"
# No message box may stand, or come again by itself, within the given seconds.
expect_no_box() {
    local until=$((SECONDS + ${1:-1}))
    while [ "$SECONDS" -le "$until" ]; do
        [ -z "$(windows_titled "Eingabefehler")" ] || { shot box; fail "a message box stands"; }
        sleep 0.05
    done
}

case "$case_name" in
menu-return)
    # "Technik", "Schlammentwässerung" chosen with Return: its release and repeats belong to
    # the menu, not to the first field of the window it opens.
    menu_keys Right Down Down Down Down Down Down
    xdotool keydown Return
    sleep 1.2
    xdotool keyup Return
    wait_window "Schlammentwässerung - Eindickung - Zentrifugation - Trocknung" >/dev/null
    expect_no_box 1
    ;;
held-enter)
    # Dewatering: with a population the dry-solids field shows; empty, its Enter fails and
    # would show the box again on every Enter that reaches it.
    menu_keys Right Down Down Down Down Down Down Return
    w=$(wait_window "Schlammentwässerung - Eindickung - Zentrifugation - Trocknung")
    xdotool type --delay 50 1000
    sleep 0.3
    xdotool mousemove --window "$w" 256 101 click 1  # the dry-solids field, empty
    sleep 0.3
    xdotool key Return
    wait_window "Eingabefehler" >/dev/null
    # Enter held on the box far past the repeat delay: the box closes once and does not
    # come back while the key is held or when it comes up.
    xdotool keydown Return
    shown=1 returned=0
    for _ in $(seq 30); do  # 1.5 s
        if [ -n "$(windows_titled "Eingabefehler")" ]; then
            [ "$shown" = 0 ] && returned=1
        else
            shown=0
        fi
        sleep 0.05
    done
    xdotool keyup Return
    [ "$returned" = 0 ] || fail "the message box came back while Enter was held"
    sleep 0.3
    expect_no_box 1
    # The next Enter is the user's again.
    xdotool key Return
    wait_window "Eingabefehler" >/dev/null
    ;;
euro)
    menu_keys Down Return
    w=$(wait_window "$calculator")
    xdotool key --window "$w" ctrl+a
    xdotool type --delay 80 "12€"
    wait_window "Eingabefehler" >/dev/null
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "passed"
