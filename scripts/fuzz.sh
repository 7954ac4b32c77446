#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a bounded time (seconds, the
# first argument, 60 by default) from a seed corpus made of the test
# fixtures. Prints each target's executions; fails on any finding, whose
# input is kept in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake --preset fuzz >/dev/null
cmake --build build-fuzz
work=build-fuzz/corpus
rm -rf "$work"
mkdir -p "$work"/{merge,split,search} build-fuzz/findings
i=0
for f in tests/fixtures/*.cnt examples/*.cnt; do
  i=$((i + 1))
  # mode byte, input name, 0xFF, section, 0xFF, master
  { printf '\000C:\\Help\\Motor.hlp\377Drives\377'; cat "$f"; } >"$work/merge/$i"
  { printf '\001Motor.hlp\3771 \377'; cat "$f"; } >"$work/merge/$i-dbcs"
  head -c 300 "$f" | { printf '\001:Base \377'; cat; } >"$work/search/$i"
done
printf '\000"C:\\Program Files\\t.exe" -s -i "a b" /a "C:\\dir\\" x' >"$work/split/1"
printf '\001p \225\\" x" "a""b" a\\\\"b c"' >"$work/split/2"
printf '\000p "" a\\"b \\\\\\" \t "x' >"$work/split/3"
status=0
for target in merge split search; do
  log=build-fuzz/$target.log
  if ! build-fuzz/fuzz/${target}_fuzzer -max_total_time="$seconds" -max_len=65536 \
      -print_final_stats=1 -artifact_prefix=build-fuzz/findings/$target- \
      "$work/$target" >"$log" 2>&1; then
    echo "== $target fuzzer found a failure:"
    tail -30 "$log"
    status=1
  fi
  execs=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  rate=$(grep -o 'average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  echo "fuzz $target: $execs executions, $rate per second"
done
exit $status
