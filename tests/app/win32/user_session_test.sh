#!/bin/sh
# vestrix.exe used as a user would, under Wine's X11 driver on an Xvfb display of its own: the
# splash dismissed with a key, a sample kit loaded through the real open dialog (its Windows path
# typed, then Enter), saved through the real save dialog, "Jersey Saved !" answered, Exit. The
# saved jersey must be, byte for byte, the one the Linux build makes of the same kit (the golden
# conversion its tests hold it to). Exit status 77: skipped.
#
# usage: user_session_test.sh BUILD_FOLDER SESSION_DRIVER SOURCE_FOLDER WINE64
set -eu
build=$1 driver=$2 source=$3 wine=$4
for tool in xvfb-run Xvfb xauth; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed (Debian's xvfb and xauth)"
        exit 77
    fi
done

# A prefix of its own, kept in the build folder once made: the tests' prefix has no display.
export WINEPREFIX="$build/wine-x11-prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winebrowser.exe,winemenubuilder.exe=d"
work=$(mktemp -d "$build/user-session.XXXXXX")
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$work"' EXIT
mkdir "$work/program" "$work/kits"
cp "$build/vestrix.exe" "$build/pk001.fsh" "$build/fifa2k.pal" "$build/readme.txt" "$build"/*.jpg \
    "$work/program/"
cp "$source/resources/samples/hoops.fsh" "$work/kits/"
windows() { printf 'Z:%s' "$1" | tr / '\\'; }

xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    wine=$1; shift
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        "$wine" wineboot -i >/dev/null 2>&1
        # No window manager: Wine draws the frames itself, with its own fonts, which Debian'"'"'s
        # Wine does not find by itself (fonts-wine).
        "$wine" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Decorated /d N /f >/dev/null 2>&1
        "$wine" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1
        if [ -d /usr/share/wine/fonts ]; then
            cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
        fi
        wineserver -w
    fi
    # The server with its output detached: ctest would otherwise wait on the inherited pipe.
    wineserver -p 60 </dev/null >/dev/null 2>&1
    "$wine" "$@"
' session "$wine" "$driver" "$(windows "$work/program")" "$(windows "$work/kits/hoops.fsh")" \
    "$(windows "$work/kits/hoops2000.fsh")"

cmp "$work/kits/hoops2000.fsh" "$source/tests/data/golden/hoops-normal.fsh"
echo "saved jersey equals the Linux build's"
