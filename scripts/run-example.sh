#!/usr/bin/env bash
# Builds the native program and hooks the module Motor into the example master.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-example -G Ninja -DTOCSPLICE_TESTS=OFF >/dev/null
cmake --build build-example --target tocsplice
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/Master.cnt "$work/"
(cd "$work" && "$OLDPWD/build-example/tocsplice" -s -i 'C:\Help\Motor.hlp' -a Master.cnt \
  -f Drives -l run.log Out.cnt)
echo "== Out.cnt"
cat "$work/Out.cnt"
echo "== run.log"
cat "$work/run.log"
