#!/usr/bin/env bash
# Launch time: from starting INSTALL.EXE on the CD drive (Wine's server
# warm) to the install-type screen painted, median of seven runs, in a
# prefix that shows the kit as users meet it. Run by tools/bench.sh with
# ROOT and BUILD set; prints only its "bench" line on stdout.
set -euo pipefail
: "${ROOT:?}" "${BUILD:?}"
exe=$BUILD/tests/e2e/launch_bench.exe
[ -f "$exe" ] || { echo "launch.sh: $exe is not built" >&2; exit 1; }
"$ROOT/tools/e2e-session.sh" "$BUILD" launch-bench -- "$exe" 2>/dev/null | grep '^bench '
