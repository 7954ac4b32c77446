#!/usr/bin/env bash
# Runs ctest in the given Windows build tree under Wine, in a fresh prefix
# with a warm server and a virtual X display, and removes both afterwards.
set -euo pipefail
build=$1
wine=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver
root=$(mktemp -d)
export WINEPREFIX=$root/wine WINEDEBUG=-all WINEDLLOVERRIDES="winhlp32.exe=d"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$root/display" \
  >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  "$server" -k 2>/dev/null || true
  "$server" -w 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$root"
}
trap cleanup EXIT
for _ in $(seq 100); do
  [ -s "$root/display" ] && break
  sleep 0.1
done
export DISPLAY=":$(cat "$root/display")"
"$wine" wineboot --init >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
"$server" -w
# A persistent server started outside ctest, so no test waits for it.
"$server" -p
"$wine" wineboot >/dev/null 2>&1 </dev/null
status=0
(cd "$build" && ctest --output-on-failure --no-tests=error --timeout 60) || status=$?
# The dialog tests save what the screen showed; kept as PNG in the build tree.
for shot in "$build"/tests/*.bmp; do
  [ -e "$shot" ] && convert "$shot" "${shot%.bmp}.png" && rm -f "$shot"
done
exit $status
