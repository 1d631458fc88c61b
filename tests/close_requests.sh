#!/usr/bin/env bash
# The close box of every window, through the window system, again and again: with no window
# manager (WM_DELETE_WINDOW straight to the window) and with openbox (asked of it, as a taskbar
# does). Each of About, Instructions and the language window, opened with a click on its
# button, closes at every request and gives the main window back; the ranking (Ctrl+R) and the
# compare and plan window (Ctrl+G) close at every request; the main window ignores a close while
# another window has it unavailable, and ends the program at one after.
# Usage: close_requests.sh PROGRAM
set -euo pipefail
program=$1
here=$(dirname "$0")
repeat=10

if [ -z "${MANAGER:-}" ]; then
    for manager in none openbox; do
        MANAGER=$manager "$here/../scripts/xvfb-session" "$0" "$@"
    done
    echo "close_requests: passed"
    exit 0
fi
test="close_requests: window manager $MANAGER"
source "$here/desktop.sh"
start_desktop "$MANAGER"

# Asks to close window $1 (titled $2) and waits until no window of that title is left.
close_box() {
    /usr/bin/python3 "$here/close_request.py" "$1" || fail "could not ask to close '$2'"
    for _ in $(seq 100); do
        shown "$2" || return 0
        sleep 0.05
    done
    fail "'$2' ignored a close request"
}
shown() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        [ "$(xdotool getwindowname "$id" 2>/dev/null)" != "$1" ] || return 0
    done
    return 1
}

"$program" &
app=$!
main=$(window "$main_title")
for entry in "${secondary_windows[@]}"; do
    IFS='|' read -r title opener _ <<<"$entry"
    for try in $(seq $repeat); do
        # The click waits until the button is enabled: the main window given back.
        click "$main_title" "$opener"
        id=$(window "$title")
        if [ "$try" = 1 ]; then
            /usr/bin/python3 "$here/close_request.py" "$main"
            sleep 0.5
            shown "$main_title" || fail "the main window closed while '$title' was open"
        fi
        close_box "$id" "$title"
    done
done
for keys in "ctrl+r|$ranking_title" "ctrl+g|$plan_title"; do
    IFS='|' read -r key title <<<"$keys"
    for _ in $(seq $repeat); do
        xdotool windowfocus --sync "$main" key --clearmodifiers "$key"
        close_box "$(window "$title")" "$title"
    done
done
close_box "$main" "$main_title"
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ -z "$(xdotool search --name Harmtally 2>/dev/null)" ] || fail "a window was left behind"
