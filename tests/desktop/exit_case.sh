#!/usr/bin/env bash
# One way of ending the program on a real desktop: exit_case.sh PROGRAM CASE.
# The program must end with status 0 within a second of its last window closing (or of the
# quit from outside), and leave no helper process behind.
source "$(dirname "$0")/desktop.sh"
start_case "$@"
open_calculator() {  # "Abwasserbehandlung", "Einwohnergleichwert"
    menu_keys Down Return
    calc_window=$(wait_window "$calculator")
}
dewatering="Schlammentwässerung - Eindickung - Zentrifugation - Trocknung"
print_question() {  # "Technik", "Schlammentwässerung", then its print button
    menu_keys Right Down Down Down Down Down Down Return  # the first entry is active at once
    local w
    w=$(wait_window "$dewatering")
    # The release of the Enter that chose the entry can still reach the window's first field
    # and raise its guard; such a box is answered first.
    sleep 0.5
    local stray
    for stray in $(windows_titled "Eingabefehler"); do
        close_window "$stray"
        wait_gone "Eingabefehler"
    done
    xdotool mousemove --window "$w" 298 282 click 1  # "Drucken"
    wait_window "Schlammentwässerung" >/dev/null
}

case "$case_name" in
start-window-alone)
    close_window "$start_window"
    expect_end
    ;;
calculator-after-start-window)
    open_calculator
    close_window "$start_window"
    wait_gone "Morvane - Kleine Programme"
    still_running
    close_window "$calc_window"
    expect_end
    ;;
start-window-last)
    open_calculator
    close_window "$calc_window"
    wait_gone "$calculator"
    still_running
    close_window "$start_window"
    expect_end
    ;;
sigterm)
    open_calculator
    kill -TERM "$app_pid"
    expect_end
    ;;
sigterm-message-box)
    open_calculator
    xdotool key --window "$calc_window" ctrl+a x  # no number: the guard's message box
    wait_window "Eingabefehler" >/dev/null
    shot message-box
    kill -TERM "$app_pid"
    expect_end
    ;;
sigterm-print-question)
    print_question
    shot print-question
    kill -TERM "$app_pid"
    expect_end
    ;;
sigterm-file-dialog)
    print_question
    xdotool key Return  # "Yes": a PDF file instead
    wait_window "Seite als PDF-Datei speichern" >/dev/null
    shot file-dialog
    kill -TERM "$app_pid"
    expect_end
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
