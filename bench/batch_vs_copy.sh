#!/bin/sh
# vestrix-convert over COUNT richly shaded kits against a script that only reads each kit and the
# template and writes the template's copy, in one hyperfine run on tmpfs, each run into a fresh
# output folder; medians of 5. More converters (an older build, say) join the same run.
#   bench/batch_vs_copy.sh BUILD [COUNT] [OTHER-CONVERTER...]
set -eu
build=$1
count=${2:-1000}
shift $(( $# > 1 ? 2 : 1 ))
scratch=/dev/shm/vestrix-vs-copy
rm -rf "$scratch" && mkdir -p "$scratch"
"$build/tools/vestrix-make-rich-kits" "$scratch/in" "$count"
cp "$(dirname "$0")/../resources/pk001.fsh" "$scratch/"
cat > "$scratch/copy.py" <<'PY'
import os, sys
source, template, out = sys.argv[1:]
with open(template, "rb") as f:
    copy = f.read()
for name in sorted(os.listdir(source)):
    with open(os.path.join(source, name), "rb") as f:
        f.read()
    with open(os.path.join(out, name), "wb") as f:
        f.write(copy)
PY
fresh="rm -rf $scratch/out && mkdir $scratch/out"
set -- "$build/vestrix-convert" "$@"
commands=""
for converter in "$@"; do
    commands="$commands|$converter -q -d $scratch/out $scratch/in"
done
IFS='|'
# shellcheck disable=SC2086
hyperfine --runs 5 --warmup 1 --prepare "$fresh" --export-markdown "$scratch/result.md" \
    "python3 $scratch/copy.py $scratch/in $scratch/pk001.fsh $scratch/out" ${commands#|}
cat "$scratch/result.md"
