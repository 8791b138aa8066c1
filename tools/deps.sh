#!/usr/bin/env bash
# Builds the third-party libraries for the MinGW targets into .deps/<triple>/.
# Sources come from Debian: zlib as the packaged MinGW build, libzip, libpng
# and libxml2 as Debian source packages (apt-get source), GoogleTest from
# /usr/src.
# Versions are pinned below; a different version fails the run. A library
# already built at its pinned version is not built again.
#
#   tools/deps.sh [triple ...]     (default: both targets)
set -euo pipefail

ZLIB_VERSION=1.2.13        # Debian libz-mingw-w64-dev
LIBZIP_VERSION=1.7.3       # Debian source package libzip
LIBPNG_VERSION=1.6.39      # Debian source package libpng1.6
LIBXML2_VERSION=2.9.14+dfsg # Debian source package libxml2
GTEST_VERSION=1.12.1       # Debian googletest (/usr/src/googletest)

root=$(cd "$(dirname "$0")/.." && pwd)
deps=$root/.deps
src=$deps/src
triples=("$@")
[ ${#triples[@]} -gt 0 ] || triples=(i686-w64-mingw32 x86_64-w64-mingw32)

say() { echo "deps: $*"; }
fail() { echo "deps: error: $*" >&2; exit 1; }

installed_version() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || true; }

check_package_version() { # package pinned-upstream-version
  local v; v=$(installed_version "$1")
  [ -n "$v" ] || fail "package $1 is not installed (run tools/install-packages.sh)"
  case "$v" in "$2"*|*:"$2"*) ;; *) fail "package $1 is $v, expected upstream $2";; esac
}

ensure_deb_src() {
  if apt-cache showsrc libzip 2>/dev/null | grep -q '^Version:'; then return; fi
  say "adding deb-src entries for the configured Debian mirror"
  local f=/etc/apt/sources.list.d/debian.sources
  if [ -f "$f" ]; then
    sed 's/^Types: deb$/Types: deb-src/' "$f" >/etc/apt/sources.list.d/zarvanto-deb-src.sources
  elif [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >/etc/apt/sources.list.d/zarvanto-deb-src.list
  else
    fail "no Debian mirror configured"
  fi
  apt-get update >/dev/null || true
}

# Unpacks source package $1 at upstream version $2 into $src/$1-$2 (once).
# Tries the Debian revisions of that upstream version, newest first, because
# the security suite may list a revision whose files it no longer serves.
fetch_source() {
  local pkg=$1 upstream=$2 dir=$src/$1-$2
  [ -d "$dir" ] && return
  ensure_deb_src
  mkdir -p "$src/tmp-$pkg" && cd "$src/tmp-$pkg"
  local v ok=0
  for v in $(apt-cache showsrc "$pkg" | awk '/^Version:/{print $2}' | sort -Vru); do
    case "$v" in "$upstream"-*) ;; *) continue;; esac
    if apt-get source -qq "$pkg=$v" >/dev/null 2>&1; then ok=1; break; fi
  done
  [ "$ok" = 1 ] || fail "no source of $pkg $upstream is available from the mirror"
  local unpacked; unpacked=$(find . -maxdepth 1 -mindepth 1 -type d | head -n1)
  [ -n "$unpacked" ] || fail "apt-get source $pkg unpacked nothing"
  mv "$unpacked" "$dir"
  cd "$root" && rm -rf "$src/tmp-$pkg"
}

cmake_build() { # name source-dir triple extra-args...
  local name=$1 dir=$2 triple=$3; shift 3
  local build=$deps/build/$triple/$name prefix=$deps/$triple
  rm -rf "$build"; mkdir -p "$(dirname "$build")"
  cmake -S "$dir" -B "$build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$triple.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=OFF "$@" >"$build.log" 2>&1 \
    || { tail -30 "$build.log"; fail "configuring $name for $triple failed"; }
  cmake --build "$build" --target install >>"$build.log" 2>&1 \
    || { tail -30 "$build.log"; fail "building $name for $triple failed"; }
}

built() { [ -f "$deps/$1/.built-$2" ]; }
mark() { touch "$deps/$1/.built-$2"; }

build_for() {
  local t=$1 zlib=(-DZLIB_INCLUDE_DIR=/usr/$1/include -DZLIB_LIBRARY=/usr/$1/lib/libz.a)
  mkdir -p "$deps/$t"
  [ -f "/usr/$t/lib/libz.a" ] || fail "zlib for $t missing (libz-mingw-w64-dev)"

  if ! built "$t" "libpng-$LIBPNG_VERSION"; then
    say "building libpng $LIBPNG_VERSION for $t"
    cmake_build libpng "$src/libpng1.6-$LIBPNG_VERSION" "$t" "${zlib[@]}" \
      -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DSKIP_INSTALL_PROGRAMS=ON \
      -DSKIP_INSTALL_EXECUTABLES=ON -DPNG_EXECUTABLES=OFF
    mark "$t" "libpng-$LIBPNG_VERSION"
  fi
  if ! built "$t" "libzip-$LIBZIP_VERSION"; then
    say "building libzip $LIBZIP_VERSION for $t"
    cmake_build libzip "$src/libzip-$LIBZIP_VERSION" "$t" "${zlib[@]}" \
      -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF -DENABLE_COMMONCRYPTO=OFF \
      -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF -DENABLE_WINDOWS_CRYPTO=OFF \
      -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF
    mark "$t" "libzip-$LIBZIP_VERSION"
  fi
  if ! built "$t" "libxml2-$LIBXML2_VERSION"; then
    say "building libxml2 $LIBXML2_VERSION for $t"
    # Only the tolerant HTML parser and the tree it builds: no network, no
    # iconv (the viewer decodes the page's character set itself), no threads.
    # HAVE_PTHREAD_H is preset because 2.9.14 uses pthread.h whenever it
    # exists, even with threads off, and then fails to compile.
    local off=(C14N CATALOG DEBUG DOCB FTP HTTP ICONV ICU ISO8859X LEGACY LZMA MODULES PATTERN PROGRAMS
               PYTHON READER REGEXPS SCHEMAS SCHEMATRON TESTS THREADS VALID WRITER XINCLUDE XPATH XPTR ZLIB)
    local args=() o
    for o in "${off[@]}"; do args+=("-DLIBXML2_WITH_$o=OFF"); done
    cmake_build libxml2 "$src/libxml2-$LIBXML2_VERSION" "$t" "${args[@]}" -DLIBXML2_WITH_HTML=ON \
      -DLIBXML2_WITH_TREE=ON -DHAVE_PTHREAD_H=OFF
    mark "$t" "libxml2-$LIBXML2_VERSION"
  fi
  if ! built "$t" "googletest-$GTEST_VERSION"; then
    say "building GoogleTest $GTEST_VERSION for $t"
    cmake_build googletest /usr/src/googletest "$t" -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON
    mark "$t" "googletest-$GTEST_VERSION"
  fi
}

check_package_version libz-mingw-w64-dev "$ZLIB_VERSION"
check_package_version googletest "$GTEST_VERSION"
mkdir -p "$src"
fetch_source libpng1.6 "$LIBPNG_VERSION"
fetch_source libzip "$LIBZIP_VERSION"
fetch_source libxml2 "$LIBXML2_VERSION"
for t in "${triples[@]}"; do build_for "$t"; done
say "up to date in $deps"
