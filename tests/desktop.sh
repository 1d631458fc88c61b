# What the real-window tests share (sourced, on the X server scripts/xvfb-session started): the
# designed windows' titles, openers and places, written once; a desktop's session and
# accessibility buses, and a window manager when asked; hands that click or press controls by
# their accessible name (tests/at_spi.py); a scratch folder of its own; and the cleaning up of
# everything started here.
# The sourcing script sets `test` (its name, for messages) and `app` (the program's pid).

main_title='-.-.-.</[Harmtally]\>.-.-.'
main_place="305 185 339 368"
# Each secondary window: title|the main window's button that opens it|its designed client area.
secondary_windows=("About....|About|330 192 269 260"
                   "Istruzioni|Istruzioni|300 208 312 206"
                   "Lingua/Language|Opzioni/Options|330 238 246 251")
ranking_title='Classifica armi'
plan_title='Confronta e pianifica'

here=$(dirname "${BASH_SOURCE[0]}")
started=()
app=
scratch=$(mktemp -d)
trap 'kill $app "${started[@]}" 2>/dev/null || true; rm -rf "$scratch"' EXIT

fail() { echo "$test: $*" >&2; exit 1; }

# A session bus with the accessibility bus on it, as a desktop would have; with "openbox", a
# window manager too, which frames every window with borders and a title bar.
start_desktop() {
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    eval "$(dbus-launch --sh-syntax)"
    started+=("$DBUS_SESSION_BUS_PID")
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    started+=($!)
    if [ "${1:-}" = openbox ]; then
        openbox --sm-disable >/dev/null 2>&1 &
        started+=($!)
        # Managing windows: it owns the window manager selection of screen 0.
        for _ in $(seq 100); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
            sleep 0.1
        done
        fail "openbox did not start"
    fi
}

# Waits for the program's window titled exactly $1 and prints its id.
window() {
    for _ in $(seq 200); do
        for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
            [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && { echo "$id"; return; }
        done
        kill -0 "$app" 2>/dev/null || fail "no window titled '$1': the program has ended"
        sleep 0.05
    done
    xdpyinfo >/dev/null 2>&1 || fail "no window titled '$1': Xvfb on $DISPLAY has died"
    fail "no window titled '$1'"
}

# The client area of window $1 on the screen: x y width height.
client_area() {
    xwininfo -id "$1" | awk -F: '/Absolute upper-left X/{x=$2} /Absolute upper-left Y/{y=$2}
        /Width/{w=$2} /Height/{h=$2} END{print x+0, y+0, w+0, h+0}'
}

# The window manager's frame around window $1: left right top bottom (0 0 0 0 without one).
frame_extents() {
    xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p' | tr -d ',' \
        | grep . || echo "0 0 0 0"
}

# Clicks the control with accessible name $2 in the window titled $1 with the mouse.
click() { /usr/bin/python3 "$here/at_spi.py" click "$1" "$2" || fail "could not click '$2'"; }

# Presses the button with accessible name $2 in the window titled $1, on the screen or not.
press() { /usr/bin/python3 "$here/at_spi.py" press "$1" "$2" || fail "could not press '$2'"; }

# The texts of the text boxes named $2... in the window titled $1, joined by '|'.
read_texts() { /usr/bin/python3 "$here/at_spi.py" read "$@" || fail "could not read $*"; }

# Gives window $1 the keyboard, presses the keys $2 and waits until the window is gone.
close_with() {
    xdotool windowfocus --sync "$1" key --clearmodifiers "$2"
    for _ in $(seq 200); do
        xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -qx "$1" || return 0
        sleep 0.05
    done
    fail "window $1 did not close with $2"
}
