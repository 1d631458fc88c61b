#!/usr/bin/env bash
# The setup under Wine, silently: it installs the program where it is told, with its two
# Start-menu entries and its uninstaller among the installed programs; the installed shell
# answers; the uninstaller leaves nothing of Harmtally in its folder or the Start menu.
# Usage: windows_setup.sh SETUP.exe WINE_COMMAND...
set -euo pipefail
setup=$1
shift
wine=("$@")
test=windows_setup
fail() { echo "$test: $*" >&2; exit 1; }
[ -f "$setup" ] || fail "no $setup: make it with cpack -G NSIS in the build folder"

folder='C:\Games\Harmtally'
unix() { "${wine[@]}" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
where=$(unix "$folder")
# The setup installs for all users when it may, for the current one otherwise.
menus=()
for root in '%ProgramData%' '%APPDATA%'; do
    root=$("${wine[@]}" cmd /c "echo $root" | tr -d '\r')
    menus+=("$(unix "$root\Microsoft\Windows\Start Menu\Programs\Harmtally")")
done
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Harmtally'
rm -rf "$where"

# /D= comes last and unquoted, as NSIS wants it: Wine would quote a path with a space.
"${wine[@]}" "$setup" /S "/D=$folder"
"${wine[@]}" wineserver -w 2>/dev/null || true
[ -f "$where/harmtally.exe" ] && [ -f "$where/harmtally.com" ] || fail "nothing installed in $where"
menu=
for candidate in "${menus[@]}"; do [ -d "$candidate" ] && menu=$candidate; done
[ -n "$menu" ] || fail "no Start-menu folder Harmtally"
for entry in "Harmtally.lnk" "Harmtally — Rank weapons.lnk"; do
    [ -f "$menu/$entry" ] || fail "no Start-menu entry '$entry' in $menu: $(ls "$menu")"
done
tr -d '\0' <"$menu/Harmtally — Rank weapons.lnk" | grep -q -- '--rank-window' \
    || fail "'Harmtally — Rank weapons' does not start the ranking"
"${wine[@]}" reg query "$uninstall_key" /v UninstallString >/dev/null 2>&1 \
    || fail "no uninstaller among the installed programs"

answer=$("${wine[@]}" "$where/harmtally.com" calc "Rusted Dirk" --strength 33 --seconds 10)
[ "$answer" = $'7.6\t10.6\t83.6\t116.6' ] || fail "the installed shell answered '$answer'"

"${wine[@]}" "$where/Uninstall.exe" /S
"${wine[@]}" wineserver -w 2>/dev/null || true
[ ! -e "$where" ] || fail "left in $where: $(cd "$where" && find . | head)"
for candidate in "${menus[@]}"; do
    [ ! -e "$candidate" ] || fail "left in the Start menu: $(ls "$candidate")"
done
! "${wine[@]}" reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller's entry is left"
echo "$test: installed, answered and uninstalled cleanly"
