#!/usr/bin/env bash
# Times the tool against `cp` plus `sync` of the same master, alternating,
# and reports the ratios and peak memory. Usage: bench/run.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTOCSPLICE_TESTS=OFF >/dev/null
cmake --build build-bench --target tocsplice >/dev/null
tool=$PWD/build-bench/tocsplice
work=$(mktemp -d -p "${BENCH_DIR:-$PWD}")
trap 'rm -rf "$work"' EXIT
python3 bench/generate.py "$work"
cd "$work"

# Wall time in seconds (to the millisecond) and peak resident set in KiB.
measure() {
  local TIMEFORMAT=%3R
  local seconds
  seconds=$({ time /usr/bin/time -f %M -o mem.t "$@" >/dev/null; } 2>&1)
  echo "$seconds $(cat mem.t)"
}

printf '%-16s %9s %9s %7s %10s %10s %7s %7s\n' master MiB tool_s cp_s ratio \
  peak_MiB limit_MiB ns/B
realistic_ns=""
for master in realistic one-line empty-lines near-misses nul-lines; do
  size=$(stat -c %s "$master.cnt")
  tool_times=()
  cp_times=()
  peak=0
  for _ in $(seq "$runs"); do
    rm -f out.cnt copy.cnt run.log
    sync  # each timed command starts with nothing left to write back
    read -r t m < <(measure "$tool" -s -i 'C:\Help\Motor.hlp' \
      -a "$master.cnt" -f Drives -l run.log out.cnt)
    tool_times+=("$t")
    [ "$m" -gt "$peak" ] && peak=$m
    rm -f copy.cnt
    sync
    read -r t _ < <(measure sh -c "cp $master.cnt copy.cnt && sync copy.cnt")
    cp_times+=("$t")
  done
  python3 - "$master" "$size" "$peak" "$realistic_ns" "${tool_times[*]}" \
    "${cp_times[*]}" >>summary.txt <<'PY'
import statistics, sys
name, size, peak, base = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
tool = statistics.median(float(x) for x in sys.argv[5].split())
cp = statistics.median(float(x) for x in sys.argv[6].split())
mib = size / 2**20
limit = 1.2 * mib + 16
ns = tool * 1e9 / size
line = "%-16s %9.1f %9.3f %7.3f %10.2f %10.1f %7.1f %7.2f" % (
    name, mib, tool, cp, tool / cp if cp else 0, peak / 1024, limit, ns)
if base:
    line += "  (per byte %.2fx the realistic master)" % (ns / float(base))
print(line)
PY
  tail -1 summary.txt
  if [ "$master" = realistic ]; then
    realistic_ns=$(IFS=,; python3 -c \
      "import statistics as s; print(s.median([${tool_times[*]}]) * 1e9 / $size)")
  fi
done
