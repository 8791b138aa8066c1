#!/usr/bin/env bash
# Runs a command inside a private Wine session:
#   tools/wine-session.sh PREFIX-DIR -- command [args...]
# Creates the Wine prefix once (wineboot -i, crash dialog off, Wine's fonts),
# starts a private Xvfb display unless ZV_USE_DISPLAY=1 keeps the caller's,
# keeps a persistent wineserver for the session, runs the command with
# ZV_WINEPREFIX and DISPLAY exported, then stops what it started by PID.
set -uo pipefail
[ $# -ge 3 ] && [ "$2" = "--" ] || { echo "usage: $0 PREFIX-DIR -- command..." >&2; exit 2; }
prefix=$(realpath -m "$1"); shift 2
here=$(cd "$(dirname "$0")" && pwd)
export ZV_WINEPREFIX=$prefix
source "$here/wine-env.sh"

xvfb_pid=""
cleanup() {
  wineserver -k >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT

if [ "${ZV_USE_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
  fd_file=$(mktemp)
  Xvfb -displayfd 9 -screen 0 1920x1080x24 -dpi 96 -nolisten tcp 9>"$fd_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$fd_file" ] && break; sleep 0.1; done
  display=$(tr -d '\n' <"$fd_file"); rm -f "$fd_file"
  [ -n "$display" ] || { echo "wine-session: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=:$display
fi

if [ ! -f "$prefix/.zv-ready-2" ]; then
  echo "wine-session: creating Wine prefix $prefix"
  mkdir -p "$prefix"
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/" 2>/dev/null
  # The private display has no window manager: Wine would wait two seconds
  # for one each time it hides a captioned window.
  if [ -n "${xvfb_pid:-}" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  fi
  wineserver -w
  touch "$prefix/.zv-ready-2"
fi

# The HTML viewer's default faces are absent from Wine; the Liberation faces
# (fonts-liberation) have their metrics and stand in for them.
if [ ! -f "$prefix/.zv-fonts-1" ]; then
  key='HKCU\Software\Wine\Fonts\Replacements'
  wine reg add "$key" /v 'Times New Roman' /t REG_SZ /d 'Liberation Serif' /f >/dev/null 2>&1
  wine reg add "$key" /v 'Courier New' /t REG_SZ /d 'Liberation Mono' /f >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.zv-fonts-1"
fi

# A persistent server, and Wine's services started here with their output
# detached, so no long-lived helper holds the pipes of the command's children.
wineserver -p >/dev/null 2>&1
wine cmd /c exit 0 </dev/null >/dev/null 2>&1
"$@"
