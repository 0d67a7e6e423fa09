#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt 5.15 for 64-bit Windows (x86_64-w64-mingw32, static) from Debian's
# own qtbase-opensource-src source package, with Debian's patches, and installs
# it into a cache folder outside the work tree. Prints the Qt prefix as its
# last line. Qt 5.15 is the last Qt that runs on Windows 7 SP1 and 8.1.
#   windows-qt.sh        build it unless the cache already holds this recipe
# The cache folder is keyed by a hash of the recipe below (the configure
# options and the compilers), so a changed recipe builds a new Qt and an
# unchanged one costs nothing. A fresh 2-core machine takes about 40 minutes.
#   RADIXON_WINDOWS_QT=PREFIX   use a ready Qt 5 for MinGW-w64 instead
#   RADIXON_CACHE_DIR=DIR       the cache folder (default ~/.cache/radixon)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$ROOT/scripts/setup.sh"

# One compound command, which bash reads whole before running it: an edit to
# this file during the long build cannot change what the build does.
{

if [ -n "${RADIXON_WINDOWS_QT:-}" ]; then
  if [ ! -f "$RADIXON_WINDOWS_QT/lib/cmake/Qt5/Qt5Config.cmake" ]; then
    echo "RADIXON_WINDOWS_QT=$RADIXON_WINDOWS_QT holds no Qt 5 for Windows" >&2
    exit 1
  fi
  echo "$RADIXON_WINDOWS_QT"
  exit 0
fi

install_packages g++-mingw-w64-x86-64-posix make perl python3 dpkg-dev xz-utils

# Qt's win32-g++ mkspec calls $CROSS_COMPILE{gcc,g++,ar,...}: these links make
# it the POSIX-thread compilers (std::thread) whatever the system's default.
CROSS=x86_64-w64-mingw32
# Only what the tutor and its tests use; the bundled third-party libraries,
# so the exe needs nothing beside it.
CONFIGURE_OPTIONS=(
  -xplatform win32-g++ -platform linux-g++ -static -release -opensource -confirm-license
  -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -no-sql-sqlite
  -no-feature-network -no-feature-sql -qt-zlib -qt-libpng -qt-freetype -qt-harfbuzz -qt-pcre
  -no-libjpeg -no-direct2d -no-feature-concurrent
)
RECIPE_HASH="$(printf '%s\n' "$CROSS-g++-posix" "${CONFIGURE_OPTIONS[@]}" | sha256sum | cut -c1-12)"
CACHE_DIR="${RADIXON_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/radixon}"
PREFIX="$CACHE_DIR/qt-5.15-mingw64-static-$RECIPE_HASH"

if [ -f "$PREFIX/.complete" ]; then
  echo "$PREFIX"
  exit 0
fi

WORK="$CACHE_DIR/work-5.15-$RECIPE_HASH"
mkdir -p "$WORK/bin"
echo "Building Qt 5.15 for Windows into $PREFIX (about 40 minutes on 2 cores)" >&2
started=$SECONDS
for tool in gcc g++; do ln -sf "/usr/bin/$CROSS-$tool-posix" "$WORK/bin/$CROSS-$tool"; done
for tool in ar ranlib nm objcopy strip windres; do ln -sf "/usr/bin/$CROSS-$tool" "$WORK/bin/$CROSS-$tool"; done

# The source comes through a private apt state: the system's own entries
# turned into deb-src, without touching the system's package lists.
SRC="$WORK/src"
if [ ! -f "$SRC/.unpacked" ]; then
  debian_source qtbase-opensource-src "$SRC" "$WORK/apt"
  # Debian's tarball lacks the Wintab headers that the Windows platform needs
  # for tablets; Wine's (LGPL), from Debian's libwine-dev, take their place,
  # behind packaging/windows/wintab.h, which adds what Wine's own headers
  # would define for them.
  (cd "$WORK" && apt-get download -qq libwine-dev >&2)
  dpkg-deb -x "$(find "$WORK" -maxdepth 1 -name 'libwine-dev_*.deb' | head -n1)" "$WORK/wine"
  wintab="$(find "$SRC" -mindepth 1 -maxdepth 1 -type d -name 'qtbase-opensource-src-*' | head -n1)/src/3rdparty/wintab"
  mkdir -p "$wintab"
  cp "$WORK/wine/usr/include/wine/wine/windows/wintab.h" "$wintab/wine_wintab.h"
  cp "$WORK/wine/usr/include/wine/wine/windows/pktdef.h" "$ROOT/packaging/windows/wintab.h" "$wintab/"
  touch "$SRC/.unpacked"
fi
QT_SRC="$(find "$SRC" -mindepth 1 -maxdepth 1 -type d -name 'qtbase-opensource-src-*' | head -n1)"

rm -rf "$WORK/build" && mkdir -p "$WORK/build"
MAKEFLAGS="-j$(nproc)"
export MAKEFLAGS
(cd "$WORK/build" && "$QT_SRC/configure" -prefix "$PREFIX" \
  -device-option "CROSS_COMPILE=$WORK/bin/$CROSS-" "${CONFIGURE_OPTIONS[@]}") >"$WORK/configure.log" 2>&1 ||
  { tail -n 40 "$WORK/configure.log" >&2; exit 1; }
make -C "$WORK/build" >"$WORK/build.log" 2>&1 || { tail -n 40 "$WORK/build.log" >&2; exit 1; }
rm -rf "$PREFIX"
make -C "$WORK/build" install >"$WORK/install.log" 2>&1 || { tail -n 20 "$WORK/install.log" >&2; exit 1; }
basename "$QT_SRC" >"$PREFIX/debian-source"
touch "$PREFIX/.complete"
rm -rf "$WORK/build" "$WORK/src" "$WORK/apt" "$WORK/wine" "$WORK"/libwine-dev_*.deb
# Qt built by an earlier recipe is not used again.
find "$CACHE_DIR" -mindepth 1 -maxdepth 1 -name "qt-*-mingw64-static-*" ! -path "$PREFIX" -exec rm -rf {} +
echo "Qt for Windows built in $(((SECONDS - started) / 60)) min" >&2
echo "$PREFIX"
exit
}
