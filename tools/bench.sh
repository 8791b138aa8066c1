#!/usr/bin/env bash
# Runs the benchmarks: installs what is missing, builds the 64-bit preset, then
# runs each tools/bench/*.sh in name order inside one Wine session, with ROOT
# (the source tree) and BUILD (the build tree) exported. Each piece prints only
# lines "bench NAME ours=SECONDS peer=SECONDS" (or "bench peak-mib ours=MIB")
# on stdout and its diagnostics on stderr; so does this script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

{
  tools/install-packages.sh
  tools/deps.sh x86_64-w64-mingw32
  cmake --preset x86_64-w64-mingw32 >/dev/null
  cmake --build --preset x86_64-w64-mingw32 -j "${ZV_BUILD_JOBS:-2}"
} >&2

export ROOT=$root BUILD=$root/build/x86_64-w64-mingw32
# The pieces' stdout goes to descriptor 3, everything else of the session to stderr.
tools/wine-session.sh "$BUILD/wineprefix" -- bash -c '
  status=0
  for piece in "$ROOT"/tools/bench/*.sh; do
    bash "$piece" >&3 || { echo "bench: $(basename "$piece") failed" >&2; status=1; }
  done
  exit $status' 3>&1 1>&2
