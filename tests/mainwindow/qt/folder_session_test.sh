#!/bin/sh
# vestrix converting a folder as a user would, on an Xvfb display of its own with the real folder
# pickers and message boxes, driven by keys: the splash dismissed, Ctrl+Shift+O, the folder of
# kits and the folder for the jerseys typed into the two pickers (each then Enter), the summary
# answered No, Exit. The jerseys must be, byte for byte, those vestrix-convert -d makes of the same
# folder. The folders' names go beyond ASCII. Exit status 77: skipped.
#
# usage: folder_session_test.sh BUILD_FOLDER MAKE_RICH_KITS SOURCE_FOLDER
set -eu
build=$1 make_kits=$2 source=$3
for tool in xvfb-run Xvfb xauth xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed (Debian's xvfb, xauth and xdotool)"
        exit 77
    fi
done

export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
program="$work/program"
mkdir -p "$program"
cp "$build/vestrix" "$build/pk001.fsh" "$build/fifa2k.pal" "$build/readme.txt" "$build"/*.jpg \
    "$program/"
kits="$work/Kits für 日本"
"$make_kits" "$kits" 12 >/dev/null
"$make_kits" "$kits/Liga 2" 3 >/dev/null
cp "$source/tests/data/damaged/kits/cut_in_front.fsh" "$kits/Liga 2/"
jerseys="$work/Trikots 2000"

xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    program=$1 kits=$2 jerseys=$3
    export XDG_RUNTIME_DIR="$(dirname "$program")/runtime" QT_QPA_PLATFORM=xcb
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    "$program/vestrix" & pid=$!
    # The shown window titled exactly $1, with the keyboard focus: no window manager gives it.
    # Titles are compared here, as xdotool matches some of ours by name not at all. The splash
    # has the main window'"'"'s title: a window other than $2 is waited for.
    focus() {
        for attempt in $(seq 300); do
            for window in $(xdotool search --onlyvisible --name ""); do
                if [ "$window" != "${2:-}" ] && [ "$(xdotool getwindowname "$window")" = "$1" ]; then
                    xdotool windowfocus --sync "$window"
                    sleep 0.2
                    return
                fi
            done
            sleep 0.1
        done
        echo "no window titled $1" >&2
        exit 1
    }
    focus Vestrix
    splash=$window
    xdotool key space
    focus Vestrix "$splash"
    xdotool key ctrl+shift+o
    focus "Convert a Folder: the folder of FIFA 99 kits"
    xdotool type --delay 20 "$kits"
    xdotool key Return
    focus "Convert a Folder: the folder for the FIFA 2000 jerseys"
    xdotool type --delay 20 "$jerseys"
    xdotool key Return
    focus "Convert a Folder"
    xdotool key Escape
    focus Vestrix
    xdotool key ctrl+x
    timeout 30 sh -c "while kill -0 $pid 2>/dev/null; do sleep 0.1; done"
' session "$program" "$kits" "$jerseys"

# The converter fails the damaged kit too: status 1.
status=0
"$build/vestrix-convert" -q -d "$work/reference" "$kits" || status=$?
test "$status" = 1
grep -q "cut_in_front.fsh: damaged" "$jerseys/vestrix-report.txt"
diff -r -x vestrix-report.txt "$jerseys" "$work/reference"
test "$(find "$jerseys" -name '*.fsh' | wc -l)" = 15
echo "the window's jerseys equal vestrix-convert's"
