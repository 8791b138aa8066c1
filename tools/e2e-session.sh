#!/usr/bin/env bash
# Runs one end-to-end scenario in a fresh Wine prefix that shows the kit as
# users meet it:
#   tools/e2e-session.sh BUILD-DIR SCENARIO -- PROGRAM.exe [args...]
#   tools/e2e-session.sh BUILD-DIR SCENARIO -- 'D:\INSTALL.EXE'
#
# PROGRAM is a host file (run as C:\e2e\bin\PROGRAM.exe) or a Windows path
# of the prefix. With ZV_E2E_WAIT=1 the session ends once every program
# started in it has ended, instead of when PROGRAM ends.
#
#   A:  floppy   BUILD-DIR/e2e/SCENARIO/floppy, holding DISK1's files
#   C:  fixed    the prefix's own drive; C:\e2e\bin is PROGRAM's folder,
#                C:\e2e\kit the build's kits, C:\e2e\out the scenario's output
#   D:  cdrom    BUILD-DIR/kit/cd
#   N:  network  BUILD-DIR/e2e/SCENARIO/network
#   no Z:        the host's root stays out of reach
#
# The prefix is copied from a template made once per build tree (the same
# settings as wine-session.sh); Wine's own program images are shared with the
# template through hard links, everything else is copied. The display is the
# caller's (wine-session.sh provides a private one). The scenario's wineserver
# is stopped at the end; the prefix stays for inspection until the scenario
# runs again. The exit code is PROGRAM's.
set -uo pipefail
[ $# -ge 4 ] && [ "$3" = "--" ] || { echo "usage: $0 BUILD-DIR SCENARIO -- PROGRAM.exe [args...]" >&2; exit 2; }
build=$(realpath "$1"); scenario=$2; shift 3
if [[ $1 =~ ^[A-Za-z]:\\ ]]; then
  program_bin=$build; windows_program=$1
else
  program_bin=$(dirname "$(realpath "$1")"); windows_program="C:\\e2e\\bin\\$(basename "$1")"
fi
shift
here=$(cd "$(dirname "$0")" && pwd)
root=$build/e2e
template=$root/template-prefix
scenario_dir=$root/$scenario
prefix=$scenario_dir/prefix
started=$(date +%s.%N)

# Raised whenever the template's content changes, so old templates are remade.
template_stamp="zv-e2e-template 3 $(wine --version 2>/dev/null)"

with_prefix() { ( export ZV_WINEPREFIX=$1; shift; source "$here/wine-env.sh"; "$@" ); }

make_template() {
  echo "e2e-session: creating the template prefix $template"
  rm -rf "$template"; mkdir -p "$template"
  with_prefix "$template" bash -c '
    wineboot -i >/dev/null 2>&1
    wine reg add "HKCU\Software\Wine\WineDbg" /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    # The private display has no window manager to wait for.
    wine reg add "HKCU\Software\Wine\X11 Driver" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    # Drive types, in the 64-bit view that Wine'"'"'s mount manager reads.
    for drive in a:floppy d:cdrom n:network; do
      wine reg add "HKLM\Software\Wine\Drives" /v "${drive%%:*}:" /t REG_SZ /d "${drive#*:}" /reg:64 /f >/dev/null 2>&1
    done
    # A new prefix carries a stub of the database engine'"'"'s settings key that a
    # computer without the engine does not have; the installer would take it
    # for an engine already there.
    for view in 64 32; do wine reg delete "HKLM\Software\Borland" /reg:$view /f >/dev/null 2>&1; done
    # The HTML viewer'"'"'s default faces stand in as the Liberation ones.
    wine reg add "HKCU\Software\Wine\Fonts\Replacements" /v "Times New Roman" /t REG_SZ /d "Liberation Serif" /f >/dev/null 2>&1
    wine reg add "HKCU\Software\Wine\Fonts\Replacements" /v "Courier New" /t REG_SZ /d "Liberation Mono" /f >/dev/null 2>&1
    wineserver -w'
  cp /usr/share/wine/fonts/* "$template/drive_c/windows/Fonts/" 2>/dev/null
  rm -f "$template/dosdevices/z:"
  # The user's folders point at the host's home: make them plain folders.
  find "$template/drive_c/users" -maxdepth 2 -type l -print0 |
    while IFS= read -r -d '' link; do rm -f "$link"; mkdir -p "$link"; done
  echo "$template_stamp" >"$template/.zv-e2e-ready"
}

# Wine's program images are never written by the programs under test: they
# stay hard links to the template. Every other file gets its own copy, since
# programs rewrite files such as win.ini and the registry in place.
copy_template() {
  cp -al "$template" "$prefix"
  (cd "$template" && find . -type f ! \( -path './drive_c/windows/*' -a \( -iname '*.dll' -o -iname '*.exe' \
      -o -iname '*.drv' -o -iname '*.sys' -o -iname '*.ocx' -o -iname '*.cpl' -o -iname '*.acm' -o -iname '*.tlb' \
      -o -iname '*.ax' -o -iname '*.ds' -o -iname '*.nls' -o -iname '*.ttf' -o -iname '*.fon' -o -iname '*.ttc' \
      -o -iname '*.msstyles' \) \) -print0) |
    while IFS= read -r -d '' file; do cp -p --remove-destination "$template/$file" "$prefix/$file"; done
}

map_drives() {
  local devices=$prefix/dosdevices
  ln -sfn "$build/kit/cd" "$devices/d:"
  ln -sfn "$scenario_dir/floppy" "$devices/a:"
  ln -sfn "$scenario_dir/network" "$devices/n:"
  mkdir -p "$prefix/drive_c/e2e"
  ln -sfn "$program_bin" "$prefix/drive_c/e2e/bin"
  ln -sfn "$build/kit" "$prefix/drive_c/e2e/kit"
  ln -sfn "$scenario_dir/out" "$prefix/drive_c/e2e/out"
}

mkdir -p "$root"
exec 8>"$root/template.lock"
flock 8
[ "$(cat "$template/.zv-e2e-ready" 2>/dev/null)" = "$template_stamp" ] || make_template
[ -d "$prefix" ] && with_prefix "$prefix" wineserver -k >/dev/null 2>&1
rm -rf "$scenario_dir"
mkdir -p "$scenario_dir/floppy" "$scenario_dir/network" "$scenario_dir/out"
copy_template
flock -u 8
map_drives
cp -p "$build/kit/disks/DISK1/"* "$scenario_dir/floppy/" 2>/dev/null
ready=$(date +%s.%N)

export ZV_E2E_OUT='C:\e2e\out' ZV_E2E_DISKS='C:\e2e\kit\disks' ZV_E2E_SCENARIO=$scenario
cd "$prefix/drive_c"
with_prefix "$prefix" bash -c '
  # A window manager may be there when the caller keeps its own display.
  if [ "${ZV_USE_DISPLAY:-0}" = 1 ]; then
    wine reg delete "HKCU\Software\Wine\X11 Driver" /v Managed /f >/dev/null 2>&1
  fi
  # Server and services started apart from the caller'"'"'s pipes, as in wine-session.sh.
  wineserver -p >/dev/null 2>&1
  wine cmd /c exit 0 </dev/null >/dev/null 2>&1
  wine "$1" "${@:2}"
  rc=$?
  if [ "${ZV_E2E_WAIT:-0}" = 1 ]; then wineserver -w; else wineserver -k >/dev/null 2>&1; fi
  exit $rc' _ "$windows_program" "$@"
rc=$?
finished=$(date +%s.%N)
awk -v s="$scenario" -v a="$started" -v b="$ready" -v c="$finished" -v rc="$rc" -v p="$prefix" 'BEGIN {
  printf "e2e-session: scenario %s: prefix ready in %.1f s, program ran %.1f s, exit code %d; prefix %s\n", s, b - a, c - b, rc, p }'
exit $rc
