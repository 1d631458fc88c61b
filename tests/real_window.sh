#!/usr/bin/env bash
# The real program in a real X server: the window where its design puts it, the melee road walked
# with the mouse and keyboard and its results read back through the accessibility bus in an
# English and an Italian locale, the focus kept off "&Esci" after "Calcola", each secondary
# window opened and closed by the keyboard, and "&Esci" ending the program with status 0 and no
# window left behind.
set -euo pipefail
program=$1

fail() { echo "real_window: $*" >&2; exit 1; }

# Its own X server, once: the rest of this script runs on it.
[ -n "${DISPLAY:-}" ] && [ -n "${REAL_WINDOW_ON_XVFB:-}" ] \
    || REAL_WINDOW_ON_XVFB=1 exec "$(dirname "$0")/../scripts/xvfb-session" "$0" "$@"

app=
atspi=
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# A session bus of its own, with the accessibility bus on it, as a desktop would have.
eval "$(dbus-launch --sh-syntax)"
trap 'kill $app $atspi $DBUS_SESSION_BUS_PID 2>/dev/null || true' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
atspi=$!

# Waits for the window titled exactly $1 and prints its id.
window() {
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
            [ "$(xdotool getwindowname "$id")" = "$1" ] && { echo "$id"; return; }
        done
        sleep 0.1
    done
    xdpyinfo >/dev/null 2>&1 || fail "no window titled '$1': Xvfb on $DISPLAY has died"
    kill -0 "$app" 2>/dev/null || fail "no window titled '$1': the program has ended"
    fail "no window titled '$1'"
}

# Checks the client area's position and size: x y width height.
geometry() {
    local info
    info=$(xwininfo -id "$1")
    local actual
    actual="$(awk -F: '/Absolute upper-left X/{x=$2} /Absolute upper-left Y/{y=$2}
        /Width/{w=$2} /Height/{h=$2} END{print x+0, y+0, w+0, h+0}' <<<"$info")"
    [ "$actual" = "$2" ] || fail "window $1 at '$actual', expected '$2'"
}

# Clicks at a point of the main window's client area.
click() { xdotool mousemove $((305 + $1)) $((185 + $2)) click 1; sleep 0.2; }

no_error_box() {
    for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        [ "$(xdotool getwindowname "$id")" != "Error" ] || fail "an error box opened: $1"
    done
}

# Opens a secondary window by its button, checks it and closes it with a key: Alt+C, or Enter
# on the close button, which has the focus.
open_and_close() {
    click "$1" "$2"
    local id
    id=$(window "$3")
    geometry "$id" "$4"
    xdotool windowfocus --sync "$id" key --clearmodifiers "$5"
    for _ in $(seq 50); do
        xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -qx "$id" || return 0
        sleep 0.1
    done
    fail "'$3' did not close with $5"
}

title='-.-.-.</[Harmtally]\>.-.-.'
for locale in it_IT.UTF-8 en_US.UTF-8; do
    LANG=$locale "$program" &
    app=$!
    main=$(window "$title")
    geometry "$main" "305 185 339 368"

    click 100 266 && xdotool key ctrl+a && xdotool type "Rusted Dirk"
    click 268 268                      # OK (Command1)
    click 180 41 && xdotool type "33"  # Text2
    click 180 137 && xdotool type "10" # Text6
    click 272 136                      # OK (Command2)
    click 276 232                      # Calcola (Command3)
    no_error_box "on the melee road"
    results=$(/usr/bin/python3 "$(dirname "$0")/read_boxes.py" "$title" \
        345,353 441,353 345,409 441,409)
    expected="7.6|10.6|83.6|116.6"
    [ "$locale" = en_US.UTF-8 ] || expected=${expected//./,}
    [ "$results" = "$expected" ] || fail "$locale: results read '$results', expected '$expected'"
    # "Calcola" hid itself and left the focus on the weapon pick-list, not on "&Esci".
    xdotool key space && sleep 0.3
    kill -0 "$app" 2>/dev/null || fail "$locale: Space after Calcola ended the program"
    [ "$locale" = en_US.UTF-8 ] || { kill $app; wait $app 2>/dev/null || true; }
done

open_and_close 225 340 "About...." "330 192 269 260" Return
open_and_close 152 340 "Istruzioni" "300 208 312 206" KP_Enter
open_and_close 64 340 "Lingua/Language" "330 238 246 251" alt+c

# No window manager here to give the main window the keyboard back: give it by hand.
xdotool windowfocus --sync "$main" key --clearmodifiers alt+e
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ -z "$(xdotool search --name Harmtally 2>/dev/null)" ] || fail "a window was left behind"
echo "real_window: passed"
