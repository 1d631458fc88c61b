#!/usr/bin/env bash
# The Windows shell under Wine answers as Debian's: for every command and format, in English and
# in Italian, the same standard output, standard error and exit status, byte for byte (both end
# lines with "\n"). Then, with no locale variable, it speaks Windows' display language.
# Usage: windows_shell.sh DEBIAN_PROGRAM WINDOWS_PROGRAM WINE_COMMAND...
set -uo pipefail
debian=$1 windows=$2
shift 2
wine=("$@")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
faults=0
# Wine reads the words it is given in the terminal's character set, which an Italian locale
# that is not installed would leave unknown: the test brings its own.
mkdir "$scratch/locales"
localedef -i it_IT -f UTF-8 "$scratch/locales/it_IT.UTF-8" 2>/dev/null
export LOCPATH=$scratch/locales

commands=(
    '--version' '--help' 'list' 'list --bows' 'list --arrows'
    'calc "Rusted Dirk" --strength 33 --seconds 10'
    'calc "Elm Flatbow" --arrows "Pinpoint Arrows" --strength 57 --seconds 7'
    'calc "Elm Flatbow" --arrows "Trueshot Quiver" --level 10 --strength 40 --seconds 10'
    'calc "Elm Flatbow" --strength 40 --seconds 10'
    'calc "città più" --strength 40 --seconds 10'
    'calc "Rusted Dirk" --strength 3,5 --seconds 10'
    'rank --strength 100 --seconds 60'
    'rank --strength 100 --seconds 60 --wieldable --format csv'
    'rank --strength 100 --seconds 60 --bows --level 10 --format json'
    'rank --strength 100 --seconds 60 --wieldable --goal-hit 150'
    'rank --strength 100 --seconds 60 --goal-total 5000 --format csv'
    'rank --strength 100 --seconds 60 --foe-health 5000 --format json'
    'compare "Fine Steel Dagger+3" "Polished Hand Axe+3" --strength 100 --seconds 60'
    'compare "Rusted Dirk" "Wooden Club+3" --strength 10 --seconds 60 --format json'
    'compare "Elm Flatbow/Pinpoint Arrows" "Rusted Dirk" --strength 50 --seconds 60 --from 0 --to 1000 --format csv'
    'path --from 100 --to 300'
    'path --from 100 --to 300 --format csv'
    'path --bows --level 5 --from 0 --to 200 --by min --format json'
    'rank' 'frobnicate' 'rank --strength 100 --seconds 60 --format xml'
)

for locale in C.UTF-8 it_IT.UTF-8; do
    for command in "${commands[@]}"; do
        eval "words=($command)"
        LC_ALL=$locale "$debian" "${words[@]}" >"$scratch/debian.out" 2>"$scratch/debian.err"
        debian_status=$?
        LC_ALL=$locale "${wine[@]}" "$windows" "${words[@]}" >"$scratch/windows.out" \
            2>"$scratch/windows.err"
        windows_status=$?
        for stream in out err; do
            if ! cmp -s "$scratch/debian.$stream" "$scratch/windows.$stream"; then
                echo "windows_shell: $locale harmtally $command: std$stream differs (Debian <, Windows >):"
                diff "$scratch/debian.$stream" "$scratch/windows.$stream" | head -n 6
                faults=$((faults + 1))
            fi
        done
        if [ "$debian_status" != "$windows_status" ]; then
            echo "windows_shell: $locale harmtally $command: status $windows_status, Debian's $debian_status"
            faults=$((faults + 1))
        fi
    done
done

# No LC_ALL, LC_MESSAGES or LANG in the program's environment: Wine's display language decides.
for language in it_IT C; do
    folder=$(dirname "$windows")
    LC_ALL=$language.UTF-8 "${wine[@]}" cmd /c "set LC_ALL=& set LC_MESSAGES=& set LANG=& \
cd /d Z:${folder//\//\\} & $(basename "$windows") frobnicate" >/dev/null 2>"$scratch/language.err" </dev/null
    LC_ALL=$language.UTF-8 "$debian" frobnicate 2>"$scratch/expected.err"
    cmp -s "$scratch/expected.err" <(tr -d '\r' <"$scratch/language.err") || {
        echo "windows_shell: with the display language $language, the shell said:"
        cat "$scratch/language.err"
        faults=$((faults + 1))
    }
done

# In a console (Wine makes one of a terminal), the accented letters come out whole: the console
# gets characters, not bytes in its code page. Wine draws spaces as cursor moves; the terminal
# is wide enough for the line.
words=(calc "città più" --strength 1 --seconds 1)
expected=$(LC_ALL=it_IT.UTF-8 "$debian" "${words[@]}" 2>&1)
shown=$(LANG=C.UTF-8 LC_MESSAGES=it_IT.UTF-8 script -qec "stty cols 200; $(printf '%q ' "${wine[@]}" "$windows" "${words[@]}")" \
    /dev/null </dev/null | perl -pe 's/\e\[(\d*)C/" " x ($1 || 1)/ge; s/\e\[[0-9;?]*[A-Za-z]//g; s/\r//g')
[[ "$shown" == *"$expected"* ]] || {
    echo "windows_shell: in a console, expected '$expected', shown '$shown'"
    faults=$((faults + 1))
}

[ "$faults" -eq 0 ] || { echo "windows_shell: $faults differences"; exit 1; }
echo "windows_shell: ${#commands[@]} commands in 2 locales answered as on Debian"
