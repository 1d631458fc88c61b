#!/usr/bin/env bash
# Every window whole on a 640 x 480 screen, and on a 1280 x 1024 screen at a scale factor of 2:
# the program moves a window that would not fit just enough, towards the top left.
# Usage: small_screens.sh PROGRAM
set -euo pipefail
program=$1
here=$(dirname "$0")

if [ -z "${SMALL_SCREEN:-}" ]; then
    SMALL_SCREEN="640 480 1" "$here/../scripts/xvfb-session" -screen 640x480x24 "$0" "$@"
    SMALL_SCREEN="1280 1024 2" QT_SCALE_FACTOR=2 \
        "$here/../scripts/xvfb-session" -screen 1280x1024x24 "$0" "$@"
    echo "small_screens: passed"
    exit 0
fi
read -r width height scale <<<"$SMALL_SCREEN"
fail() { echo "small_screens: ${width}x$height at scale $scale: $*" >&2; exit 1; }

"$program" &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT

# Waits for the window titled exactly $1 and checks that it is whole on the screen.
whole() {
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
            [ "$(xdotool getwindowname "$id")" = "$1" ] || continue
            read -r x y w h < <(xwininfo -id "$id" | awk -F: '/Absolute upper-left X/{x=$2}
                /Absolute upper-left Y/{y=$2} /Width/{w=$2} /Height/{h=$2} END{print x, y, w, h}')
            [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$width" ] \
                && [ $((y + h)) -le "$height" ] || fail "'$1' at $x,$y ${w}x$h"
            echo "$id"
            return
        done
        sleep 0.1
    done
    fail "no window titled '$1'"
}

main=$(whole '-.-.-.</[Harmtally]\>.-.-.')
# Opens a secondary window by its button (at a point of the main window's client area, in
# design pixels), checks it, and closes it with Alt+C.
for button in "225 340 About...." "152 340 Istruzioni" "64 340 Lingua/Language"; do
    read -r bx by title <<<"$button"
    xdotool mousemove --window "$main" $((bx * scale)) $((by * scale)) click 1
    id=$(whole "$title")
    xdotool windowfocus --sync "$id" key --clearmodifiers alt+c
    for _ in $(seq 50); do
        xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -qx "$id" || continue 2
        sleep 0.1
    done
    fail "'$title' did not close with Alt+C"
done
kill $app
