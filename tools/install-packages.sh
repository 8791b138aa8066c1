#!/usr/bin/env bash
# Installs the Debian packages the build, the dependency script, the kit
# builder, the Wine test runs and the benchmarks need. Safe to run again: it
# does nothing when everything is present.
set -euo pipefail

packages=(
  cmake ninja-build make pkg-config dpkg-dev xz-utils
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
  googletest
  python3 python3-pil python3-fonttools fonts-lato
  xvfb xauth x11-utils imagemagick fonts-wine fonts-liberation
  libarchive-tools unzip p7zip-full
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

# Both halves of Wine in one transaction pinned to the release, so their
# versions match. A multi-arch library whose 64-bit half came from a security
# update has no matching i386 version in the release: the resolver calls it
# "not installable", and it is then asked for at the installed version.
install_wine32() {
  local extra=() log pkg version attempt
  for attempt in 1 2 3 4 5 6; do
    log=$(apt-get install -y -t bookworm wine wine64 wine32:i386 libwine:amd64 libwine:i386 \
      libgstreamer-plugins-base1.0-0:amd64 libgstreamer-plugins-base1.0-0:i386 "${extra[@]}" 2>&1) \
      && { echo "$log" | tail -n 3; return 0; }
    local found=0
    for pkg in $(echo "$log" | grep -o 'Depends: [a-z0-9.+-]*:i386 [^,]*but it is not installable' \
                  | sed 's/Depends: \([^ ]*\):i386.*/\1/' | sort -u); do
      version=$(dpkg-query -W -f='${Version}' "$pkg:amd64" 2>/dev/null || true)
      [ -n "$version" ] || continue
      extra+=("$pkg:i386=$version"); found=1
    done
    [ "$found" = 1 ] || { echo "$log" >&2; return 1; }
  done
  echo "$log" >&2
  return 1
}

# Wine. The shipped program is 32-bit, so 32-bit Wine is preferred; it needs a
# kernel that runs i386 binaries, which some virtual machines lack.
"$(dirname "$0")/can-run-i386.sh" && want32=1 || want32=0
if [ "$want32" = 1 ]; then
  if ! [ -x /usr/lib/wine/wine ] || ! [ -x /usr/lib/wine/wine64 ]; then
    dpkg --print-foreign-architectures | grep -qx i386 || { dpkg --add-architecture i386; updated=0; }
    apt_update
    if ! install_wine32; then
      echo "install-packages: 32-bit Wine could not be installed; the 64-bit build will be tested" >&2
      apt-get install -y -t bookworm wine wine64 libwine:amd64
    fi
  fi
else
  if ! [ -x /usr/lib/wine/wine64 ]; then
    apt_update
    apt-get install -y -t bookworm wine wine64 libwine:amd64
  fi
fi
