#!/usr/bin/env bash
# Installs the Debian packages the build, the dependency script, the kit
# builder and the Wine test runs need. Safe to run again: it does nothing
# when everything is present.
set -euo pipefail

packages=(
  cmake ninja-build make pkg-config dpkg-dev xz-utils
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
  googletest
  python3 python3-pil python3-fonttools fonts-lato
  xvfb xauth x11-utils imagemagick fonts-wine
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

export DEBIAN_FRONTEND=noninteractive
updated=0
apt_update() {
  # The i386 index of the security suite is sometimes out of sync: tolerate it.
  [ "$updated" = 1 ] || { apt-get update || true; updated=1; }
}
if [ ${#missing[@]} -gt 0 ]; then
  apt_update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Wine. The shipped program is 32-bit, so 32-bit Wine is preferred; it needs a
# kernel that runs i386 binaries, which some virtual machines lack.
"$(dirname "$0")/can-run-i386.sh" && want32=1 || want32=0
if [ "$want32" = 1 ]; then
  if ! [ -x /usr/lib/wine/wine ] || ! [ -x /usr/lib/wine/wine64 ]; then
    dpkg --print-foreign-architectures | grep -qx i386 || { dpkg --add-architecture i386; updated=0; }
    apt_update
    apt-get install -y -t bookworm wine wine64 wine32:i386 libwine:amd64 libwine:i386 \
      libgstreamer-plugins-base1.0-0:amd64 libgstreamer-plugins-base1.0-0:i386
  fi
else
  if ! [ -x /usr/lib/wine/wine64 ]; then
    apt_update
    apt-get install -y -t bookworm wine wine64 libwine:amd64
  fi
fi
