#!/usr/bin/env bash
# Every window whole on the screen, the window manager's frame and title bar included, with a real
# window manager (openbox): on a normal screen each designed window at its designed place; on
# 640 x 480 and on 320 x 240 moved just enough, towards the top left, never past it; on 1280 x 1024
# at a scale factor of 2, whole. The ranking window too. Once more on 640 x 480 with no window
# manager at all, which would otherwise keep the ranking window on the screen by itself.
# Usage: small_screens.sh PROGRAM
set -euo pipefail
program=$1
here=$(dirname "$0")

if [ -z "${SCREEN:-}" ]; then
    for screen in "1024 768 1 openbox" "640 480 1 openbox" "320 240 1 openbox" \
        "1280 1024 2 openbox" "640 480 1 none"; do
        read -r width height scale _ <<<"$screen"
        SCREEN=$screen QT_SCALE_FACTOR=$scale \
            "$here/../scripts/xvfb-session" -screen "${width}x${height}x24" "$0" "$@"
    done
    echo "small_screens: passed"
    exit 0
fi
read -r width height scale manager <<<"$SCREEN"
test="small_screens: ${width}x$height at scale $scale, window manager $manager"
source "$here/desktop.sh"
start_desktop "$manager"

# Where the frame of a window designed at "$1" (x y: its client area's top left) with the frame
# "$2" (left top width height, as it is now) must stand: there if it fits, else just inside the
# right and bottom edges, but never past the left and top ones.
fitted() {
    local x y l t fw fh
    read -r x y _ <<<"$1"
    read -r l t fw fh <<<"$2"
    local fx=$((x - l < width - fw ? x - l : width - fw))
    local fy=$((y - t < height - fh ? y - t : height - fh))
    echo "$((fx > 0 ? fx : 0)) $((fy > 0 ? fy : 0)) $fw $fh"
}

# Waits until window $1 (titled $2) has its frame and stands where it must: designed at the
# client area $3 (at a scale of 1), where fitted() says, and on the normal screen at its designed
# place and size; else whole on the screen.
placed() {
    local frame area x y w h l r t b actual expected=whole
    for _ in $(seq 200); do
        frame=$(frame_extents "$1")
        area=$(client_area "$1")
        read -r l r t b <<<"$frame"
        read -r x y w h <<<"$area"
        actual="$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
        if [ "$frame" != "0 0 0 0" ] || [ "$manager" = none ]; then
            if [ -n "${3:-}" ] && [ "$scale" = 1 ]; then
                expected=$(fitted "$3" "$l $t $((w + l + r)) $((h + t + b))")
                [ "$actual" = "$expected" ] && { [ "$width" != 1024 ] || [ "$area" = "$3" ]; } \
                    && return
            else
                # Whole; on 320 x 240, where the ranking window cannot be, at its top left.
                local small=$((width < 640))
                [ $((x - l)) -ge 0 ] && [ $((y - t)) -ge 0 ] \
                    && { [ $((x + w + r)) -le "$width" ] || { [ $small = 1 ] && [ $((x - l)) = 0 ]; }; } \
                    && { [ $((y + h + b)) -le "$height" ] || { [ $small = 1 ] && [ $((y - t)) = 0 ]; }; } \
                    && return
            fi
        fi
        sleep 0.05
    done
    fail "'$2': frame at '$actual' (client area '$area'), expected '$expected'"
}

"$program" &
app=$!
main=$(window "$main_title")
placed "$main" "$main_title" "$main_place"
for entry in "${secondary_windows[@]}"; do
    IFS='|' read -r title opener place <<<"$entry"
    press "$main_title" "$opener"
    id=$(window "$title")
    placed "$id" "$title" "$place"
    close_with "$id" alt+c
done
# The ranking window, larger than the small screens, made to fit them.
xdotool windowfocus --sync "$main" key --clearmodifiers ctrl+r
ranking=$(window "$ranking_title")
placed "$ranking" "$ranking_title"
