#!/usr/bin/env bash
# Every program we ship must run on a bare Windows: it may import only
# system DLLs (and the kit's own engine), never a MinGW runtime or zlib DLL.
set -euo pipefail
objdump=$1; shift
allowed='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comctl32|comdlg32|msimg32|msvcrt|rpcrt4|shlwapi|version|winspool\.drv|uuid|ws2_32|imm32|uxtheme|idapi32)(\.dll)?$'
status=0
for file in "$@"; do
  while read -r dll; do
    if ! echo "${dll,,}" | grep -Eq "$allowed"; then
      echo "$file imports $dll" >&2
      status=1
    fi
  done < <("$objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p')
done
exit $status
