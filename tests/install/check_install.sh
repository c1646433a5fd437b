#!/bin/sh
# Installs the build into a scratch prefix and checks what a desktop and a package need there:
# every file in its place, a valid menu entry, valid software-centre metadata and file type,
# manual pages that render without warnings; then builds the Debian package into the scratch
# folder and has lintian check it. Without lintian or dpkg-shlibdeps, that last part is skipped
# (status 77) once everything else has passed.
# Usage: check_install.sh BUILD-FOLDER SCRATCH-FOLDER
set -eu
build=$1
stage=$2
rm -rf "$stage"
cmake --install "$build" --prefix "$stage" >/dev/null

status=0
for file in bin/vestrix bin/vestrix-convert \
    share/vestrix/pk001.fsh share/vestrix/fifa2k.pal share/vestrix/readme.txt \
    share/vestrix/subzero.jpg share/vestrix/frost.jpg share/vestrix/glacier.jpg \
    share/doc/vestrix/examples/stripes.fsh share/applications/vestrix.desktop \
    share/metainfo/example.tavrimel.vestrix.metainfo.xml share/mime/packages/vestrix.xml \
    share/man/man1/vestrix.1.gz share/man/man1/vestrix-convert.1.gz \
    share/doc/vestrix/copyright share/doc/vestrix/changelog.gz share/bash-completion/completions/vestrix-convert \
    share/icons/hicolor/16x16/apps/vestrix.png share/icons/hicolor/48x48/apps/vestrix.png \
    share/icons/hicolor/256x256/apps/vestrix.png; do
    [ -s "$stage/$file" ] || { echo "missing: $file"; status=1; }
done
# Nothing of the build or the tests may reach the installation.
extra=$(cd "$stage" && find . -type f | grep -v -e '^\./bin/vestrix$' -e '^\./bin/vestrix-convert$' \
    -e '^\./share/' || true)
[ -z "$extra" ] || { echo "not meant to be installed:"; echo "$extra"; status=1; }
[ -z "$(ls "$stage/share/vestrix" | grep -v -e '\.fsh$' -e '\.pal$' -e '\.txt$' -e '\.jpg$')" ] ||
    { echo "unexpected files in share/vestrix"; status=1; }

desktop-file-validate "$stage/share/applications/vestrix.desktop" || status=1
appstreamcli validate --no-net "$stage/share/metainfo/example.tavrimel.vestrix.metainfo.xml" || status=1
bash -n "$stage/share/bash-completion/completions/vestrix-convert" || status=1

# The installed converter works from anywhere: it needs no files beside itself.
"$stage/bin/vestrix-convert" -q -o "$stage/converted.fsh" "$stage/share/doc/vestrix/examples/stripes.fsh" ||
    status=1
cmp -s "$stage/converted.fsh" "$(dirname "$0")/../data/golden/stripes-normal.fsh" ||
    { echo "the installed converter's result differs from the golden jersey"; status=1; }

if command -v man >/dev/null; then
    for page in "$stage"/share/man/man1/*.1.gz; do
        warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || { echo "$page:"; echo "$warnings"; status=1; }
    done
fi
[ $status = 0 ] || exit $status

for tool in lintian dpkg-shlibdeps; do
    command -v $tool >/dev/null ||
        { echo "SKIPPED: the Debian package is not checked: $tool is missing"; exit 77; }
done
cpack --config "$build/CPackConfig.cmake" -B "$stage/package" >/dev/null
# Errors and warnings fail, as does a lintian that cannot run; information tags only show.
lintian --info --fail-on error,warning "$stage"/package/vestrix_*.deb
