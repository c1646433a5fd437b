#!/bin/sh
# vestrix-convert over COUNT richly shaded kits against what only moves the same bytes, on tmpfs,
# each run into a fresh output folder: a script that reads each kit and the template and writes the
# template's copy, and the I/O floor in C++ as a whole process (bench/vestrix-io-floor). The runs
# take turns (copy script, floor, each converter with its default jobs and with -j 1, again...),
# so a machine that gets busier meanwhile slows them all alike; medians of RUNS (default 5).
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
python3 - "$scratch" "${RUNS:-5}" "$build/bench/vestrix-io-floor" "$build/vestrix-convert" "$@" <<'PY'
import os, resource, shutil, statistics, subprocess, sys, time
scratch, runs, floor, converters = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4:]
out = os.path.join(scratch, "out")
load = os.getloadavg()[0]  # other work on the machine, before ours adds to it
commands = [("copy script", ["python3", f"{scratch}/copy.py", f"{scratch}/in",
                             f"{scratch}/pk001.fsh", out]),
            ("I/O floor", [floor, f"{scratch}/in", f"{scratch}/pk001.fsh", out])]
for converter in converters:
    commands.append((converter, [converter, "-q", "-d", out, f"{scratch}/in"]))
    commands.append((converter + " -j 1", [converter, "-q", "-j", "1", "-d", out, f"{scratch}/in"]))
measured = {name: [] for name, _ in commands}
for run in range(runs + 1):  # the first round only warms the caches
    for name, command in commands:
        shutil.rmtree(out, ignore_errors=True)
        os.mkdir(out)
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.perf_counter()
        subprocess.run(command, check=True)
        wall = time.perf_counter() - start
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        if run > 0:
            measured[name].append((wall, after.ru_utime - before.ru_utime,
                                   after.ru_stime - before.ru_stime))
median = {name: [statistics.median(x[i] for x in measured[name]) for i in range(3)]
          for name, _ in commands}
copy, floor = median["copy script"][0], median["I/O floor"][0]
print(f"| {runs} runs each, medians | wall | user | system | / copy script | / I/O floor")
print("|---|---|---|---|---|---|")
for name, _ in commands:
    wall, user, system = median[name]
    print(f"| {name} | {wall * 1000:.0f} ms | {user * 1000:.0f} ms | {system * 1000:.0f} ms "
          f"| {wall / copy:.2f} | {wall / floor:.2f} |")
for converter in converters:
    print(f"{converter}: -j 1 / default jobs "
          f"{median[converter + ' -j 1'][0] / median[converter][0]:.2f}")
print(f"load average (1 min) before the runs: {load:.2f}")
PY
