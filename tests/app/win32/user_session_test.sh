#!/bin/sh
# vestrix.exe used as a user would, under Wine's X11 driver on an Xvfb display of its own: the
# splash dismissed with a key, a sample kit loaded through the real open dialog (its Windows path
# typed, then Enter), saved through the real save dialog, "Jersey Saved !" answered, a folder of
# kits converted (Ctrl+Shift+O, both folders typed into the real folder pickers, the summary
# answered), Exit. The saved jersey must be, byte for byte, the one the Linux build makes of the
# same kit (the golden conversion its tests hold it to); the folder's jerseys those that
# vestrix-convert.exe -d makes of the same folder. Exit status 77: skipped.
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
# Twice: once in plain names, once with the program folder and the kit named in Cyrillic and
# Japanese, which no ANSI code page holds together. Wine reads its arguments as UTF-8.
export LC_ALL=C.UTF-8
plain_program="$work/program" plain_kits="$work/kits"
named_program="$work/Программа 日本" named_kits="$work/Кубок 日本"
for program in "$plain_program" "$named_program"; do
    mkdir -p "$program"
    cp "$build/vestrix.exe" "$build/pk001.fsh" "$build/fifa2k.pal" "$build/readme.txt" \
        "$build"/*.jpg "$program/"
done
mkdir -p "$plain_kits" "$named_kits"
cp "$source/resources/samples/hoops.fsh" "$plain_kits/hoops.fsh"
cp "$source/resources/samples/hoops.fsh" "$named_kits/Кубок.fsh"
# The folders converted from the window: the samples, one further down, two damaged kits.
plain_folder="$work/folder" named_folder="$work/Кубок"
for folder in "$plain_folder" "$named_folder"; do
    mkdir -p "$folder/nested"
    cp "$source"/resources/samples/*.fsh "$folder/"
    cp "$source/resources/samples/stripes.fsh" "$folder/nested/Кубок.fsh"
    cp "$source/tests/data/damaged/kits/cut_in_front.fsh" \
        "$source/tests/data/damaged/kits/header_only.fsh" "$folder/"
done
# The pickers choose folders that exist.
plain_jerseys="$work/jerseys" named_jerseys="$work/Кубок 日本 2000"
mkdir -p "$plain_jerseys" "$named_jerseys"
windows() { printf 'Z:%s' "$1" | tr / '\\'; }

xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    wine=$1 driver=$2; shift 2
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
    "$wine" "$driver" "$1" "$2" "$3" "$4" "$5"
    "$wine" "$driver" "$6" "$7" "$8" "$9" "${10}"
    # What the converter makes of the same folders, to compare with.
    "$wine" "${11}" -d "${12}" "$4" >/dev/null 2>&1 || true
    "$wine" "${11}" -d "${13}" "$9" >/dev/null 2>&1 || true
' session "$wine" "$driver" \
    "$(windows "$plain_program")" "$(windows "$plain_kits/hoops.fsh")" \
    "$(windows "$plain_kits/hoops2000.fsh")" "$(windows "$plain_folder")" \
    "$(windows "$plain_jerseys")" \
    "$(windows "$named_program")" "$(windows "$named_kits/Кубок.fsh")" \
    "$(windows "$named_kits/Кубок 2000.fsh")" "$(windows "$named_folder")" \
    "$(windows "$named_jerseys")" \
    "$build/vestrix-convert.exe" "$(windows "$work/converted")" "$(windows "$work/converted-named")"

cmp "$plain_kits/hoops2000.fsh" "$source/tests/data/golden/hoops-normal.fsh"
cmp "$named_kits/Кубок 2000.fsh" "$source/tests/data/golden/hoops-normal.fsh"
echo "both saved jerseys equal the Linux build's"
# The damaged kits are told in the report beside the jerseys, which the converter does not write.
test -f "$plain_jerseys/nested/Кубок.fsh"
grep -q header_only.fsh "$plain_jerseys/vestrix-report.txt"
grep -q header_only.fsh "$named_jerseys/vestrix-report.txt"
diff -r -x vestrix-report.txt "$work/converted" "$plain_jerseys"
diff -r -x vestrix-report.txt "$work/converted-named" "$named_jerseys"
echo "both converted folders equal vestrix-convert.exe's"
