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
out=$root/out
rm -rf "$out" && mkdir -p "$out/temp"
export ZV_USE_DISPLAY=1
tools/wine-session.sh "$build/run-prefix" -- bash -c '
  set -e
  export TMP="Z:'"${out//\//\\\\}"'\\temp" TEMP="Z:'"${out//\//\\\\}"'\\temp"
  wine "'"$build"'/kit/cd/INSTALL.EXE"
  wineserver -w
'
echo "run: kit in $build/kit (cd/ and disks/ layouts)"
echo "run: temporary working copies in $out/temp:"
ls -1 "$out/temp"
