#!/usr/bin/env bash
# The format check as on a fresh machine from a source archive: no .git, no git, a build tree
# beside the sources. A formatted tree passes; an unformatted file is named as such; a missing
# clang-format or an unreadable style is said to be that, never taken for unformatted files.
# Usage: format_check.sh PROJECT_ROOT
set -euo pipefail
root=$1
fail() { echo "format_check: FAIL: $*" >&2; exit 1; }
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

mkdir -p "$tree/src/scripts" "$tree/src/texts" "$tree/src/build/app" "$tree/bin"
cp "$root/.clang-format" "$tree/src/"
cp "$root/scripts/format-check" "$tree/src/scripts/"
cp "$root/texts/language.h" "$tree/src/texts/"
# Generated sources in a build tree are no one's to format.
touch "$tree/src/build/CMakeCache.txt"
printf 'int  generated ;\n' >"$tree/src/build/app/moc.cpp"
# Only what the check needs: no git.
for tool in bash env dirname mktemp rm cat grep find xargs clang-format; do
    ln -s "$(type -P "$tool")" "$tree/bin/$tool"
done
check() { PATH="$tree/bin" "$tree/src/scripts/format-check" 2>&1; }

said=$(check) || fail "a formatted tree without git failed: $said"

printf 'int  x ;\n' >"$tree/src/texts/unformatted.h"
said=$(check) && fail "an unformatted file passed"
grep -q 'texts/unformatted.h' <<<"$said" && grep -q 'not formatted' <<<"$said" \
    || fail "an unformatted file was reported as: $said"
rm "$tree/src/texts/unformatted.h"

rm "$tree/bin/clang-format"
said=$(check) && fail "the check passed without clang-format"
grep -q 'not formatted' <<<"$said" && fail "a missing clang-format was reported as: $said"
grep -q 'clang-format is not installed' <<<"$said" || fail "a missing clang-format said: $said"
ln -s "$(type -P clang-format)" "$tree/bin/clang-format"

echo 'BasedOnStyle: NoSuchStyle' >"$tree/src/.clang-format"
said=$(check) && fail "the check passed with an unreadable style"
grep -q 'not formatted' <<<"$said" && fail "an unreadable style was reported as: $said"
echo "format_check: ok"
