#!/usr/bin/env bash
# The Windows program under Wine on a real X server: the main window at its designed size, the
# melee road and the bow road walked with the mouse and the keyboard at the designed places,
# their results read back through the clipboard, the ranking (Ctrl+R) and the compare and plan
# window (Ctrl+G) opened; the main window kept as docs/screenshots/windows.png.
# Usage: windows_real_window.sh PROGRAM.exe SOURCE_DIR WINE_COMMAND...
set -euo pipefail
program=$1 source=$2
test=windows_real_window
[ -n "${DISPLAY:-}" ] && [ -n "${WINDOWS_ON_XVFB:-}" ] \
    || WINDOWS_ON_XVFB=1 exec "$source/scripts/xvfb-session" "$0" "$@"
shift 2
wine=("$@")
source "$source/tests/desktop.sh"
# A Wine prefix of its own, whose processes end with the test, on this X server.
export HARMTALLY_WINEPREFIX=$scratch/wine-prefix
trap '"${wine[@]}" wineserver -k 2>/dev/null; rm -rf "$scratch"' EXIT

# Clicks at a point of the main window's client area, then types what follows, if anything.
at() {
    xdotool mousemove $((x + $1)) $((y + $2)) click 1
    [ $# -gt 2 ] && xdotool key ctrl+a type "$3"
    sleep 1 # Wine on two busy cores takes its time
}
# The text of the box at a point of the main window's client area, copied to the clipboard.
copied() {
    xdotool mousemove $((x + $1)) $((y + $2)) click 1 key ctrl+a ctrl+c
    sleep 0.3
    xclip -o -selection clipboard 2>/dev/null
}
results() { echo "$(copied 84 177)|$(copied 180 177)|$(copied 84 233)|$(copied 180 233)"; }

LANG=en_US.UTF-8 "${wine[@]}" "$program" &
app=$!
main=$(xdotool search --sync --onlyvisible --name "^$(sed 's/[][\.*^$]/\\&/g' <<<"$main_title")\$" | head -n 1)
sleep 1
read -r x y width height <<<"$(client_area "$main")"
[ "$width $height" = "${main_place#* * }" ] \
    || fail "the main window is ${width}x$height, designed ${main_place#* * }"

at 100 266 "Rusted Dirk" && at 268 268 && at 180 41 33 && at 180 137 10 && at 272 136 && at 276 232
import -window root "$scratch/melee.png"
melee=$(results)
[ "$melee" = "7.6|10.6|83.6|116.6" ] \
    || { cp "$scratch/melee.png" /tmp/windows_real_window.png; fail "the melee road's results read '$melee' (the screen: /tmp/windows_real_window.png)"; }
import -window root -crop "${width}x$height+$x+$y" "$source/docs/screenshots/windows.png"

# To the bows: the options window's "Archi", closed with Alt+C.
at 64 340
options=$(xdotool search --sync --onlyvisible --name '^Lingua/Language$' | head -n 1)
read -r ox oy _ <<<"$(client_area "$options")"
xdotool mousemove $((ox + 116)) $((oy + 176)) click 1 key alt+c
sleep 0.5
at 136 267 "Elm Flatbow" && at 276 268 && at 140 299 "Pinpoint Arrows" && at 276 300
at 180 41 57 && at 180 137 7 && at 272 136 && at 276 232
bow=$(results)
[ "$bow" = "20.4|29.4|35.7|51.45" ] || fail "the bow road's results read '$bow'"

for opened in "ctrl+r|Classifica armi" "ctrl+g|Confronta e pianifica"; do
    xdotool windowfocus --sync "$main" key --clearmodifiers "${opened%%|*}"
    timeout 20 xdotool search --sync --onlyvisible --name "^${opened#*|}\$" >/dev/null \
        || fail "${opened%%|*} opened no window '${opened#*|}'"
done
echo "$test: passed"
