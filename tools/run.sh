#!/usr/bin/env bash
# The main job: installs what is missing, builds, makes the sample kit and
# starts INSTALL.EXE from it under Wine. With a $DISPLAY the program appears
# there; without one it runs on a private virtual display and the script
# prints where its results lie.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/install-packages.sh
tools/deps.sh
preset=i686-w64-mingw32
if ! tools/can-run-i386.sh || ! [ -x /usr/lib/wine/wine ]; then
  preset=x86_64-w64-mingw32
  echo "run: this machine cannot run 32-bit Wine; using the 64-bit build"
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"

build=$root/build/$preset
prefix=$build/run-prefix
export ZV_USE_DISPLAY=1
# Wine takes the temporary directory from the prefix's registry, so the
# working copy lands in the prefix; old copies are cleared first.
rm -rf "$prefix"/drive_c/users/*/Temp/*
tools/wine-session.sh "$prefix" -- bash -c '
  set -e
  wine "'"$build"'/kit/cd/INSTALL.EXE"
  # The first instance starts its temporary copy and ends: wait for the copy.
  for _ in $(seq 3600); do pgrep -f "INSTZARV[.]EXE" >/dev/null || break; sleep 1; done
'
echo "run: kit in $build/kit (cd/ and disks/ layouts)"
echo "run: the temporary working copy:"
find "$prefix"/drive_c/users/*/Temp -mindepth 1 -maxdepth 2 | sed 's/^/  /'
