#!/usr/bin/env bash
# Runs every test: installs what is missing, builds the libraries and both
# targets, then runs ctest under Wine on a private prefix and display.
# The 32-bit build is tested when this machine runs 32-bit Wine; otherwise the
# 64-bit build is tested instead, and the run says so.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/install-packages.sh
tools/deps.sh
for preset in i686-w64-mingw32 x86_64-w64-mingw32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

tested=i686-w64-mingw32
if ! tools/can-run-i386.sh || ! [ -x /usr/lib/wine/wine ]; then
  tested=x86_64-w64-mingw32
  echo "############################################################################"
  echo "## This machine cannot run 32-bit Wine (the kernel does not execute i386 ##"
  echo "## programs, or 32-bit Wine could not be installed). The tests run the    ##"
  echo "## 64-bit build under wine64 instead.                                     ##"
  echo "############################################################################"
fi

build=build/$tested
tools/wine-session.sh "$build/wineprefix" -- \
  ctest --test-dir "$build" --output-on-failure --timeout 900 -j "$(nproc)" "$@"
