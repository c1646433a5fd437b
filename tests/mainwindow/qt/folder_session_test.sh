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
    # Whether a shown window is titled exactly $1 (other than window $3), asked for $2 tenths of
    # a second; the window found is $window. Titles are compared here, as xdotool matches some of
    # ours by name not at all.
    appears() {
        for attempt in $(seq "$2"); do
            for window in $(xdotool search --onlyvisible --name ""); do
                if [ "$window" != "${3:-}" ] &&
                    [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$1" ]; then
                    return 0
                fi
            done
            sleep 0.1
        done
        return 1
    }
    # That window, given the focus (no window manager gives it), or the session fails. The splash
    # has the main window'"'"'s title: a window other than $2 is waited for. A window that closes
    # meanwhile never takes the focus: the wait for it has an end.
    focus() {
        if appears "$1" 600 "${2:-}"; then
            timeout 5 xdotool windowfocus --sync "$window" || true
            sleep 0.2
            return
        fi
        echo "no window titled $1" >&2
        exit 1
    }
    # Types a folder into the picker titled $1 and presses Enter until the window titled $3
    # comes. On a busy machine xdotool may lose a letter beyond ASCII (it borrows a key for each),
    # and the path field'"'"'s list of completions may open late and take the first Enter for
    # itself: the picker then stays open, and the path is typed afresh. A folder of kits no
    # letter of which was lost is the only one that exists.
    choose() {
        for attempt in 1 2 3 4 5; do
            focus "$1"
            xdotool key ctrl+a
            xdotool type --delay 20 "$2"
            xdotool key Return
            appears "$3" 100 && return
            appears "$1" 10 || break
            focus "$1"
            xdotool key Return
            appears "$3" 100 && return
        done
        echo "the picker titled $1 did not take $2" >&2
        exit 1
    }
    focus Vestrix
    splash=$window
    xdotool key space
    focus Vestrix "$splash"
    xdotool key ctrl+shift+o
    choose "Convert a Folder: the folder of FIFA 99 kits" "$kits" \
        "Convert a Folder: the folder for the FIFA 2000 jerseys"
    choose "Convert a Folder: the folder for the FIFA 2000 jerseys" "$jerseys" "Convert a Folder"
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
