#!/usr/bin/env bash
# The manual page formats without a warning and names every command and option that --help
# shows. Usage: manual_page.sh PROGRAM MANUAL_PAGE
set -euo pipefail
program=$1 page=$2
fail() { echo "manual_page: FAIL: $*" >&2; exit 1; }

warnings=$(LC_ALL=C.UTF-8 MANWIDTH=1000 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null) || true
[ -z "$warnings" ] || fail "man warns: $warnings"
# Wide enough that no option is hyphenated across lines.
text=$(LC_ALL=C.UTF-8 MANWIDTH=1000 man -E UTF-8 -l "$page" 2>/dev/null | sed 's/\xe2\x80\x90/-/g')
words=$("$program" --help | grep -oE -- '(^| )(-h|--[a-z-]+|harmtally [a-z]+)' | sed 's/^ //' | sort -u)
[ -n "$words" ] || fail "$program --help shows no option"
# Each option described under OPTIONS, each command under COMMANDS, as items of their own.
section() { sed -n "/^$1\$/,/^[A-Z]/p" <<<"$text"; }
for word in $words; do
    case $word in
        harmtally) ;;
        -*) section OPTIONS | grep -qE -- "^ +([^ ]+, )*$word( |,|\$)" || fail "OPTIONS does not describe $word of --help" ;;
        *) section COMMANDS | grep -qE "^ +$word( |\$)" || fail "COMMANDS does not describe '$word' of --help" ;;
    esac
done
for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" ENVIRONMENT FILES EXAMPLES; do
    grep -q "^$section" <<<"$text" || fail "the manual page has no $section"
done
echo "manual_page: ok ($(wc -w <<<"$words") words of --help)"
