#!/usr/bin/env bash
# The main job: installs what is missing, builds, makes the sample kit and
# starts INSTALL.EXE from its CD layout under Wine, in a prefix that shows
# the kit as users meet it (the CD as drive D:, a floppy A:, no drive Z:).
# With a $DISPLAY the wizard appears there for a person. Without one it
# drives a complete LOCAL installation through the end-to-end driver and
# prints where the installed tree, the screenshots and the trace are, and a
# one-line verdict.
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

if [ -n "${DISPLAY:-}" ]; then
  echo "run: starting D:\\INSTALL.EXE on $DISPLAY"
  ZV_USE_DISPLAY=1 ZV_E2E_WAIT=1 tools/wine-session.sh "$build/wineprefix" -- \
    tools/e2e-session.sh "$build" run -- 'D:\INSTALL.EXE'
  exit 0
fi

status=0
tools/wine-session.sh "$build/wineprefix" -- \
  tools/e2e-session.sh "$build" main-job -- "$build/tests/e2e/main_job.exe" | tee "$build/main-job.log" || status=$?
job=$build/e2e/main-job
echo "run: installed tree:  $job/prefix/drive_c/Zarvant"
echo "run: engine:          $job/prefix/drive_c/Program Files/Borland/Common Files/BDE"
echo "run: screenshots:     $job/out/main-job"
ls "$job/out/main-job" | sed 's/^/                       /'
echo "run: trace:           $job/prefix/drive_c/Zarvanto-copie/INSTZARV.TRC"
grep '^VERDICT' "$build/main-job.log" || echo "VERDICT: FAILED: the driver printed no verdict"
exit $status
