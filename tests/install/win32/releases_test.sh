#!/bin/sh
# The Windows releases as a user meets them, in a fresh Wine prefix of their own:
# - the portable zip holds one folder with the programs, the shipped files and the sample kits;
# - the installer, run with /S, puts the files into Program Files, a Start-menu entry, the .fsh
#   file type and an entry in the system's list of programs;
# - the installed converter converts a sample byte for byte as the Linux build does;
# - a kit opened through the file type starts the installed vestrix.exe, which seeds the user's
#   own folder and loads the kit there, leaving the installed template alone;
# - while the installed program runs, the installer and the uninstaller, run with /S, stop with
#   status 2 and change nothing;
# - the uninstaller, run with /S, removes the files and the registry entries, not the user's folder.
# Where the tests run as root, Wine runs as the ordinary user 65534: root may write anywhere.
# Exit status 77: skipped.
#
# usage: releases_test.sh BUILD_FOLDER VERSION OPEN_KIT_PROGRAM SOURCE_FOLDER WINE64
set -eu
build=$1 version=$2 opener=$3 source=$4 wine=$5

fail() { echo "FAILED: $*"; status=1; }
status=0

zip=$build/vestrix-$version-windows-x64.zip
folder=vestrix-$version
expected=$(printf '%s\n' "$folder/" "$folder/LICENSE.txt" "$folder/fifa2k.pal" "$folder/frost.jpg" "$folder/glacier.jpg" \
    "$folder/pk001.fsh" "$folder/readme.txt" "$folder/samples/" "$folder/samples/hoops.fsh" \
    "$folder/samples/plain_sleeves.fsh" "$folder/samples/shaded_halves.fsh" \
    "$folder/samples/stripes.fsh" "$folder/start-here.txt" "$folder/subzero.jpg" \
    "$folder/vestrix-convert.exe" "$folder/vestrix.exe" | sort)
[ "$(cmake -E tar tf "$zip" | sort)" = "$expected" ] || fail "the zip holds: $(cmake -E tar tf "$zip")"

installer=$build/vestrix-$version-setup.exe
if [ ! -f "$installer" ]; then
    echo "skipped: no installer was built (makensis, Debian's nsis, was missing at configure time)"
    [ $status = 0 ] && exit 77
    exit $status
fi

work=$(mktemp -d)
if [ "$(id -u)" = 0 ]; then
    chown 65534:65534 "$work"
    as_user() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
else
    as_user() { "$@"; }
fi
export WINEPREFIX="$work/prefix" HOME="$work/home" USER=kitfan WINEDEBUG=-all DISPLAY=
export WINEDLLOVERRIDES="mscoree,mshtml=;winebrowser.exe,winemenubuilder.exe=d"
cleanup() {
    as_user wineserver -k >/dev/null 2>&1 || true
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
as_user mkdir "$WINEPREFIX" "$HOME" "$work/kits"
cp "$installer" "$opener" "$work/"
cp "$source/resources/samples/hoops.fsh" "$work/kits/"
chmod -R a+rX "$work"
windows() { printf 'Z:%s' "$1" | tr / '\\'; }
wine() { as_user "$wine" "$@" </dev/null; }

# A new prefix with the null display driver, its server kept apart from ctest's output.
wine wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
as_user wineserver -k >/dev/null 2>&1 || true
as_user wineserver -w
as_user wineserver -p 60 </dev/null >/dev/null 2>&1
wine wineboot >/dev/null 2>&1

wine "$(windows "$work/$(basename "$installer")")" /S
program_files="$WINEPREFIX/drive_c/Program Files/Vestrix"
start_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vestrix.lnk"
for file in bin/vestrix.exe bin/vestrix-convert.exe uninstall.exe LICENSE.txt share/vestrix/pk001.fsh \
    share/vestrix/fifa2k.pal share/vestrix/readme.txt share/vestrix/subzero.jpg \
    share/vestrix/frost.jpg share/vestrix/glacier.jpg samples/hoops.fsh samples/stripes.fsh; do
    [ -s "$program_files/$file" ] || fail "not installed: $file"
done
[ -s "$start_menu" ] || fail "no Start-menu entry"
registered() { wine reg query "$@" >/dev/null 2>&1; }
registered 'HKCR\.fsh\OpenWithProgids' /v Vestrix.Jersey || fail "Open with does not offer Vestrix"
registered 'HKCR\Applications\vestrix.exe\shell\open\command' || fail "no Open with entry"
registered 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vestrix' /v QuietUninstallString ||
    fail "not in the list of programs"
wine reg query 'HKCR\Vestrix.Jersey\shell\open\command' /ve | grep -qF '"C:\Program Files\Vestrix\bin\vestrix.exe" "%1"' ||
    fail "the jersey file type does not start the installed program"

wine 'C:\Program Files\Vestrix\bin\vestrix-convert.exe' -q -o "$(windows "$work/kits/stripes2000.fsh")" \
    'C:\Program Files\Vestrix\samples\stripes.fsh' || fail "the installed converter failed"
cmp -s "$work/kits/stripes2000.fsh" "$source/tests/data/golden/stripes-normal.fsh" ||
    fail "the installed converter's jersey differs from the golden one"

# Program Files as an ordinary user finds it: not theirs to write.
chmod -R a-w "$program_files"
wine "$(windows "$work/$(basename "$opener")")" "$(windows "$work/kits/hoops.fsh")" ||
    fail "opening a kit through its file type"
user_folder="$WINEPREFIX/drive_c/users/$USER/AppData/Local/Vestrix"
for file in pk001.fsh fifa2k.pal readme.txt subzero.jpg; do
    [ -s "$user_folder/$file" ] || fail "the user's folder was not seeded with $file"
done
cmp -s "$user_folder/pk001.fsh" "$source/tests/data/golden/hoops-normal.fsh" ||
    fail "the kit was not converted into the user's work file"
cmp -s "$program_files/share/vestrix/pk001.fsh" "$source/resources/pk001.fsh" ||
    fail "the installed template changed"
chmod -R u+w "$program_files"

# With the installed program running, neither the installer nor the uninstaller may change a
# thing: without a window nobody can close it, so both stop with status 2. The uninstaller runs
# in place (_?=, NSIS's way, whose folder must end the line unquoted: hence a batch file) so
# that its status reaches us; run plainly it hands over to a copy of itself and says 0 at once.
installed_files() { (cd "$program_files" && find . -type f -exec cksum {} + | sort); }
before=$(installed_files)
as_user "$wine" 'C:\Program Files\Vestrix\bin\vestrix.exe' </dev/null >/dev/null 2>&1 &
running=$!
# The installer doubles as the probe: until the program holds its file, it installs the same
# files again.
tries=0
while :; do
    wine "$(windows "$work/$(basename "$installer")")" /S && code=0 || code=$?
    [ $code = 0 ] || break
    tries=$((tries + 1))
    [ $tries -lt 60 ] || break
    sleep 0.5
done
[ $code = 2 ] || fail "the installer over the running program ended with status $code, not 2"
printf '@"C:\\Program Files\\Vestrix\\uninstall.exe" /S _?=C:\\Program Files\\Vestrix\r\n@exit /b %%errorlevel%%\r\n' \
    >"$work/uninstall_in_place.bat"
chmod a+r "$work/uninstall_in_place.bat"
wine cmd /c "$(windows "$work/uninstall_in_place.bat")" && code=0 || code=$?
[ $code = 2 ] || fail "the uninstaller beside the running program ended with status $code, not 2"
[ "$(installed_files)" = "$before" ] || fail "the installation changed while the program ran"
registered 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vestrix' ||
    fail "the uninstaller beside the running program removed its registry entry"
# The user closes it (the job is the shell that started Wine, so Windows ends the program).
wine taskkill /F /IM vestrix.exe >/dev/null 2>&1 || fail "the running program could not be ended"
wait "$running" 2>/dev/null || true

wine 'C:\Program Files\Vestrix\uninstall.exe' /S
# The uninstaller runs on from a copy of itself, so that it can remove its own file.
tries=0
while [ -e "$program_files" ] && [ $tries -lt 120 ]; do sleep 0.5; tries=$((tries + 1)); done
[ ! -e "$program_files" ] || fail "left in Program Files: $(cd "$program_files" && find . -type f)"
[ ! -e "$start_menu" ] || fail "the Start-menu entry is left"
for key in 'HKCR\Vestrix.Jersey' 'HKCR\Applications\vestrix.exe' 'HKLM\Software\Classes\.fsh' \
    'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vestrix'; do
    if registered "$key"; then fail "left in the registry: $key"; fi
done
[ -s "$user_folder/pk001.fsh" ] || fail "the uninstaller removed the user's own folder"
[ $status = 0 ] && echo "installed, used and uninstalled"
exit $status
