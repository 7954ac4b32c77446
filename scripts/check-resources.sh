#!/usr/bin/env bash
# Checks, with the binutils tools, that a Windows executable carries its
# dialogs, string, icon and version resources.
set -euo pipefail
exe=$1
rc=$(i686-w64-mingw32-windres -i "$exe" -O rc)
expect() {
  grep -qF -- "$1" <<<"$rc" || { echo "missing in $exe: $1" >&2; exit 1; }
}
expect '102 DIALOGEX 0, 0, 425, 97'
expect 'STYLE 0x90c800c0'
expect 'EXSTYLE 0x40000'
expect 'CAPTION "Tocsplice"'
expect 'CONTROL "OK", 1, "BUTTON", 0x50010001, 368, 7, 50, 14'
expect 'CONTROL "Cancel", 2, "BUTTON", 0x50010000, 368, 76, 50, 14'
expect 'to start the application", -1, "STATIC", 0x50020000, 7, 7, 354, 27'
expect '"":Base ""\nand", -1, "STATIC", 0x50020000, 7, 41, 354, 24'
expect 'file [output filename", -1, "STATIC", 0x50020000, 7, 67, 354, 18'
expect '100 DIALOG 0, 0, 235, 55'
expect 'STYLE 0x80c800c0'
expect 'CAPTION "About Tocsplice"'
expect 'CONTROL 128, 65535, "STATIC", 0x50000003, 11, 17, 20, 20'
expect 'CONTROL "Tocsplice Version 1.0", 65535, "STATIC", 0x50020080, 40, 10, 119, 8'
expect 'CONTROL "OK", 1, "BUTTON", 0x50030001, 178, 7, 50, 14'
expect '101, "&About Tocsplice..."'
expect '128 14 /* RT_GROUP_ICON */'
expect '"\040\040\020\000", 1, 4'
expect '"\020\020\020\000", 1, 4'
expect 'FILEVERSION 1, 0, 0, 1'
expect 'BLOCK "040904b0"'
echo "resources of $exe: ok"
