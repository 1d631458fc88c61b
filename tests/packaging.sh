#!/usr/bin/env bash
# Builds the Debian package from a configured, built tree and checks that it installs Harmtally
# as a desktop program: valid menu entry and AppStream data, icons the theme can find, the Qt
# runtime in Depends, nothing but the program itself and its documentation, and nothing lintian
# would say against it: no error, no warning.
# Usage: packaging.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
id=org.example.Harmtally
checks=0

fail() { echo "packaging: FAIL: $*" >&2; exit 1; }
pass() { checks=$((checks + 1)); }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

desktop-file-validate "$source/packaging/$id.desktop" >"$tmp/log" 2>&1 \
    || { cat "$tmp/log" >&2; fail "desktop-file-validate rejects packaging/$id.desktop"; }
pass
appstreamcli validate --no-net "$source/packaging/$id.metainfo.xml" >"$tmp/log" 2>&1 \
    || { cat "$tmp/log" >&2; fail "appstreamcli rejects packaging/$id.metainfo.xml"; }
pass

[ -x "$build/harmtally" ] || fail "$build/harmtally is not built; build the harmtally target first"
(cd "$build" && cpack -G DEB -B "$tmp/out") >"$tmp/log" 2>&1 \
    || { cat "$tmp/log" >&2; fail "cpack -G DEB failed"; }
debs=("$tmp"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made ${#debs[@]} .deb files, expected one"
deb=${debs[0]}
pass

package=$(dpkg-deb -f "$deb" Package)
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
[ "$package" = harmtally ] || fail "package is named '$package', expected harmtally"
[ "$(basename "$deb")" = "harmtally_${version}_${arch}.deb" ] \
    || fail "package file is $(basename "$deb"), expected harmtally_${version}_${arch}.deb"
# Software centres show the newest <release>; it has to be the version being shipped.
grep -q "<release version=\"$version\"" "$source/packaging/$id.metainfo.xml" \
    || fail "the metainfo has no <release> for package version $version"
pass

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6; do
    [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done
pass

root=$tmp/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
expected="usr/bin/harmtally
usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/harmtally/libharmtally-windows.so
usr/share/applications/$id.desktop
usr/share/bash-completion/completions/harmtally
usr/share/doc/harmtally/changelog.gz
usr/share/doc/harmtally/copyright
usr/share/icons/hicolor/16x16/apps/$id.png
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/man/man1/harmtally.1.gz
usr/share/metainfo/$id.metainfo.xml"
actual=$(cd "$root" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] \
    || fail "the package holds other files than the program's:"$'\n'"$(diff <(echo "$expected") <(echo "$actual") || true)"
pass

[ -x "$root/usr/bin/harmtally" ] || fail "usr/bin/harmtally is not executable"
# The installed program finds its windows' library where the package put it: without a display
# it gets as far as saying so.
said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/harmtally" 2>&1) && true
[[ $said != *libharmtally-windows* ]] || fail "the installed program misses its library: $said"
for size in 16 32 48; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$id.png
    file -b "$icon" | grep -q "^PNG image data, $size x $size," \
        || fail "the ${size}x${size} icon is $(file -b "$icon")"
done
pass

# The menu entry must point at what the package installs, or the launcher shows no icon or
# runs nothing.
entry=$share/applications/$id.desktop
icon_line=$(sed -n 's/^Icon=//p' "$entry")
# The entry itself and each of its actions (the ranking window).
[ "$(sed -n 's/^Exec=//p' "$entry")" = "harmtally
harmtally --rank-window" ] || fail "the entry's Exec lines do not run the installed harmtally"
[ "$icon_line" = "$id" ] || fail "Icon=$icon_line is not the installed icon name $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$share/metainfo/$id.metainfo.xml" \
    || fail "the metainfo does not launch $id.desktop"
grep -q "<id>$id</id>" "$share/metainfo/$id.metainfo.xml" || fail "the metainfo id is not $id"
pass

# Debian's own judge of a package. Informational tags and overrides aside, every tag fails.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$tmp/log" 2>&1 \
    || { cat "$tmp/log" >&2; fail "lintian finds errors or warnings in $(basename "$deb")"; }
pass

echo "packaging: $(basename "$deb") ok ($checks checks); Depends: $depends"
