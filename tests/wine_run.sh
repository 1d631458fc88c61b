#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, as CTest's emulator for that build.
# Usage: wine_run.sh QT_PREFIX BUILD_DIR PROGRAM [ARGUMENT...]
#        wine_run.sh QT_PREFIX BUILD_DIR wineserver [-k | -w]     (that prefix's server)
# The build tree has one Wine prefix, made on first use (scripts/windows starts each run with a
# new one); Qt's and the C++ runtime's DLLs are found through WINEPATH; Wine says nothing of its
# own and installs no Mono or Gecko.
# HARMTALLY_WINEPREFIX names another prefix, made on first use too, whose windows go to $DISPLAY.
set -euo pipefail
qt=$1 build=$2
shift 2
export WINEPREFIX=${HARMTALLY_WINEPREFIX:-$build/wine-prefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
pthread=$(dirname "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")
windows_path() { echo "Z:${1//\//\\}"; }
export WINEPATH="$(windows_path "$qt/bin");$(windows_path "$runtime");$(windows_path "$pthread")"
(
    flock 9
    # Wine reads locale variables through the C library: an Italian locale this machine does not
    # have installed would leave Wine in English. The tests bring their own.
    [ -d "$build/locales/it_IT.UTF-8" ] || { mkdir -p "$build/locales" \
        && localedef -i it_IT -f UTF-8 "$build/locales/it_IT.UTF-8" 2>/dev/null || true; }
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
        # Windows on no display at all, for Qt's offscreen platform, unless one is given.
        [ -n "${HARMTALLY_WINEPREFIX:-}" ] || /usr/lib/wine/wine64 reg add \
            'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
        # The desktop wineboot started keeps the driver it began with: start afresh.
        /usr/lib/wine/wineserver -k 2>/dev/null || true
    fi
) 9>"$build/wine-prefix.lock"
[ "$1" != wineserver ] || exec /usr/lib/wine/wineserver "${@:2}"
export LOCPATH=$build/locales
exec /usr/lib/wine/wine64 "$@"
