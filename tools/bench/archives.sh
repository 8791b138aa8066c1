#!/usr/bin/env bash
# Joining and unpacking a synthetic kit (six program files of about 20 MB and
# 3,000 small tables, about 211 MB), side by side with the host's tools on the
# same files: our joining against cat, our unpacking against bsdtar, unzip
# and 7z, and our peak working set while unpacking. Medians of ZV_BENCH_RUNS
# runs (default 5). Ours is timed inside archive_bench.exe (the work, not
# Wine's process start); the host tools are timed around their process.
set -euo pipefail
: "${ROOT:?}" "${BUILD:?}"
runs=${ZV_BENCH_RUNS:-5}
work=$BUILD/bench/archives
bench_exe=$BUILD/tests/archive_bench.exe
[ -f "$bench_exe" ] || { echo "archives: $bench_exe is not built" >&2; exit 1; }

/usr/bin/python3 "$ROOT/tools/bench/make_archive_kit.py" "$work/input" >&2
kit=$work/input/kit
archive=$work/input/EXE.ZIP

winpath() { local p=${1//\//\\}; echo "Z:$p"; }
now() { date +%s%N; }
median() { sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
host_seconds() { # command... : seconds it took
  local start end; start=$(now); "$@" >/dev/null 2>&1; end=$(now)
  awk -v ns=$((end - start)) 'BEGIN {printf "%.3f\n", ns / 1e9}'
}
ours() { # command args... : the seconds= (and peak_mib=) figures of archive_bench
  wine "$bench_exe" "$@" </dev/null 2>/dev/null | tr -d '\r'
}
field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p"; }

mapfile -t pieces < <(cd "$kit" && ls | grep -E '^EXE\.[0-9]+$' | sort -t. -k2 -n)
cat "$kit"/* >/dev/null  # into the page cache before anything is timed

join_cat() { (cd "$kit" && cat "${pieces[@]}" >"$work/cat/EXE.ZIP"); }
unpack_bsdtar() { bsdtar -xf "$archive" -C "$work/peer"; }
unpack_unzip() { unzip -q -o "$archive" -d "$work/peer"; }
unpack_7z() { 7z x -y -bd -o"$work/peer" "$archive"; }

declare -A times
record() { times[$1]+="$2"$'\n'; }
# Written data of the run before is flushed first, so that no run pays for another's.
fresh() { rm -rf "$1"; mkdir -p "$1"; sync; }

for ((run = 1; run <= runs; run++)); do
  fresh "$work/ours"; fresh "$work/cat"
  record join-ours "$(ours join "$(winpath "$kit")" "$(winpath "$work/ours")" | field seconds)"
  record join-cat "$(host_seconds join_cat)"
  cmp -s "$work/ours/EXE.ZIP" "$archive" || echo "archives: our joined archive differs from the original" >&2

  fresh "$work/ours"
  result=$(ours unzip "$(winpath "$archive")" "$(winpath "$work/ours")")
  record unzip-ours "$(field seconds <<<"$result")"
  record peak "$(field peak_mib <<<"$result")"
  for peer in bsdtar unzip 7z; do
    fresh "$work/peer"
    record "unzip-$peer" "$(host_seconds "unpack_$peer")"
  done
  [ "$run" = 1 ] && { diff -rq "$work/ours" "$work/peer" >&2 || echo "archives: our tree differs from 7z's" >&2; }
done
rm -rf "$work/ours" "$work/peer" "$work/cat"

m() { printf '%s' "${times[$1]}" | median; }
echo "bench join-vs-cat ours=$(m join-ours) peer=$(m join-cat)"
for peer in bsdtar unzip 7z; do
  echo "bench unzip-vs-$peer ours=$(m unzip-ours) peer=$(m "unzip-$peer")"
done
echo "bench peak-mib ours=$(m peak)"
