#!/usr/bin/env bash
# The HTML viewer's benchmark: layout and first paint of a 1 MB page.
# Run by tools/bench.sh inside a Wine session with ROOT and BUILD set; prints
# only its "bench" line on stdout.
set -euo pipefail
: "${ROOT:?}" "${BUILD:?}"
exe=$BUILD/tests/html/html_bench.exe
[ -f "$exe" ] || { echo "html.sh: $exe is not built" >&2; exit 1; }
cd "$(dirname "$exe")"
wine "$exe" 2>/dev/null | grep '^bench '
