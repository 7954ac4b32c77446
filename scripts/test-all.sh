#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds every configuration
# and runs every test: native, with the sanitizers, under valgrind, the
# fuzzers for a bounded time, the packages, the 32-bit Windows build (built
# only) and the 64-bit one under Wine. Stops at the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

echo "== format"
git ls-files '*.cpp' '*.h' '*.c' | xargs clang-format --dry-run -Werror

echo "== native"
cmake --preset native
cmake --build build
(cd build && ctest --output-on-failure --no-tests=error --timeout 120)

echo "== native, AddressSanitizer and UBSan"
cmake --preset sanitize
cmake --build build-sanitize
(cd build-sanitize && ctest --output-on-failure --no-tests=error --timeout 300)

echo "== end-to-end tests, the program under valgrind"
(cd build && TOCSPLICE_TEST_WRAPPER="$(command -v valgrind) -q --error-exitcode=99 \
  --leak-check=full --errors-for-leak-kinds=definite" \
  ctest -R '^E2e' --output-on-failure --no-tests=error --timeout 300)

echo "== fuzzing"
scripts/fuzz.sh "${FUZZ_SECONDS:-60}"

echo "== packages"
(cd build && rm -f ./*.deb ./*.tar.gz && cpack)
deb=$(ls build/tocsplice_*.deb)
root=$(mktemp -d)
dpkg-deb -x "$deb" "$root"
printf ':Base x.hlp\r\n' >"$root/m.cnt"
"$root/usr/bin/tocsplice" -s -i M.hlp -a "$root/m.cnt" "$root/o.cnt"
grep -q ':Index M=M.hlp' "$root/o.cnt"
man -l "$root/usr/share/man/man1/tocsplice.1" >/dev/null
rm -rf "$root"
ls build/tocsplice-*.tar.gz

echo "== windows, 32-bit (built and packed only: it cannot run here)"
cmake --preset win32
cmake --build build-win32
file build-win32/tocsplice.exe | grep -q 'PE32 executable (GUI) Intel 80386'
scripts/check-resources.sh build-win32/tocsplice.exe
(cd build-win32 && rm -f ./*.zip && cpack)
ls build-win32/tocsplice-*.zip

echo "== windows, 64-bit, under Wine"
cmake --preset win64
cmake --build build-win64
scripts/wine-ctest.sh build-win64
