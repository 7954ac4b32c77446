#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds the native, 64-bit
# and 32-bit Windows configurations, and runs every test: natively, and the
# 64-bit Windows build under Wine. Stops at the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

echo "== format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

echo "== native"
cmake -S . -B build -G Ninja -DTOCSPLICE_TESTS=ON
cmake --build build
(cd build && ctest --output-on-failure --no-tests=error --timeout 120)

echo "== windows, 32-bit (built only: it cannot run here)"
cmake -S . -B build-win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
cmake --build build-win32
file build-win32/tocsplice.exe | grep -q 'PE32 executable (GUI) Intel 80386'

echo "== windows, 64-bit, under Wine"
cmake -S . -B build-win64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake
cmake --build build-win64
scripts/wine-ctest.sh build-win64
