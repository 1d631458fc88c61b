#!/usr/bin/env bash
# The real program in a real X server: the window where its design puts it, the melee road walked
# with the mouse and keyboard and its results read back through the accessibility bus in an
# English and an Italian locale, the focus kept off "&Esci" after "Calcola", each secondary
# window opened and closed by the keyboard, "&Esci" ending the program with status 0 and no
# window left behind, and what Qt says (here, what it is asked to log) reaching standard error,
# both while the program looks for a display and after.
set -euo pipefail
program=$1
test=real_window

# Its own X server, once: the rest of this script runs on it.
[ -n "${DISPLAY:-}" ] && [ -n "${REAL_WINDOW_ON_XVFB:-}" ] \
    || REAL_WINDOW_ON_XVFB=1 exec "$(dirname "$0")/../scripts/xvfb-session" "$0" "$@"
source "$(dirname "$0")/desktop.sh"
start_desktop

no_error_box() {
    for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        [ "$(xdotool getwindowname "$id")" != "Error" ] || fail "an error box opened: $1"
    done
}

# Logged while the application opens the display, then when the main window is made.
export QT_LOGGING_RULES="qt.qpa.plugin.debug=true;qt.qpa.xdnd.debug=true"
for locale in it_IT.UTF-8 en_US.UTF-8; do
    LANG=$locale "$program" 2>"$scratch/$locale.err" &
    app=$!
    main=$(window "$main_title")
    [ "$(client_area "$main")" = "$main_place" ] \
        || fail "the main window at '$(client_area "$main")', expected '$main_place'"

    click "$main_title" Armi && xdotool key ctrl+a type "Rusted Dirk"
    click "$main_title" OK                                  # Command1
    click "$main_title" "Forza (castata)" && xdotool type 33
    click "$main_title" "    Secondi" && xdotool type 10
    click "$main_title" OK                                  # Command2
    click "$main_title" Calcola                             # Command3
    # Both result pairs are named alike: per hit, then over the seconds.
    results=$(read_texts "$main_title" "  Danno MIN" "Danno MAX" " Danno MIN" "Danno MAX")
    no_error_box "on the melee road"
    expected="7.6|10.6|83.6|116.6"
    [ "$locale" = en_US.UTF-8 ] || expected=${expected//./,}
    [ "$results" = "$expected" ] || fail "$locale: results read '$results', expected '$expected'"
    # "Calcola" hid itself and left the focus on the weapon pick-list, not on "&Esci".
    xdotool key space
    # A second program's window would say nothing: the main window still answers the bus.
    read_texts "$main_title" Armi >/dev/null
    kill -0 "$app" 2>/dev/null || fail "$locale: Space after Calcola ended the program"
    [ "$locale" = en_US.UTF-8 ] || { kill $app; wait $app 2>/dev/null || true; }
done

# Each closed by a key of its own: Enter or the keypad's Enter on the close button, which has
# the focus, or Alt+C.
keys=(Return KP_Enter alt+c)
for i in "${!secondary_windows[@]}"; do
    IFS='|' read -r title opener place <<<"${secondary_windows[$i]}"
    click "$main_title" "$opener"
    id=$(window "$title")
    [ "$(client_area "$id")" = "$place" ] || fail "'$title' at '$(client_area "$id")', expected '$place'"
    close_with "$id" "${keys[$i]}"
done

# No window manager here to give the main window the keyboard back: give it by hand.
xdotool windowfocus --sync "$main" key --clearmodifiers alt+e
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ -z "$(xdotool search --name Harmtally 2>/dev/null)" ] || fail "a window was left behind"
said=$(grep -o -e 'Successfully loaded Qt platform plugin "xcb"' -e 'setting XdndAware' \
    "$scratch/en_US.UTF-8.err" | uniq)
[ "$said" = $'Successfully loaded Qt platform plugin "xcb"\nsetting XdndAware' ] \
    || fail "Qt's messages, held back until a display is found and then let through, read: '$said'"
echo "real_window: passed"
