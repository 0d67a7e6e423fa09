#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for 64-bit Windows (x86_64-w64-mingw32, static) from Debian's own
# qt6-base source package, with Debian's patches, and installs it into a cache
# folder outside the work tree. Prints the Qt prefix as its last line.
#   windows-qt.sh        build it unless the cache already holds this recipe
# The cache folder is keyed by the Qt version and a hash of the recipe below
# (the configure options and the toolchain file packaging/windows/mingw64.cmake), so a changed recipe builds
# a new Qt and an unchanged one costs nothing. A fresh 2-core machine takes
# about 25 minutes.
#   RADIXON_WINDOWS_QT=PREFIX   use a ready Qt for MinGW-w64 instead
#   RADIXON_CACHE_DIR=DIR       the cache folder (default ~/.cache/radixon)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$ROOT/scripts/setup.sh"

# One compound command, which bash reads whole before running it: an edit to
# this file during the long build cannot change what the build does.
{

if [ -n "${RADIXON_WINDOWS_QT:-}" ]; then
  if [ ! -f "$RADIXON_WINDOWS_QT/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    echo "RADIXON_WINDOWS_QT=$RADIXON_WINDOWS_QT holds no Qt for Windows" >&2
    exit 1
  fi
  echo "$RADIXON_WINDOWS_QT"
  exit 0
fi

# The host tools (moc, rcc, uic) are Debian's own Qt, so the source must be
# that very version.
QT_VERSION="$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)"
windows_qt_packages=(g++-mingw-w64-x86-64-posix cmake ninja-build dpkg-dev qt6-base-dev)
install_packages "${windows_qt_packages[@]}"
QT_VERSION="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
QT_UPSTREAM="${QT_VERSION%%+*}"

# The same toolchain file cross-builds the tutor (scripts/windows.sh).
TOOLCHAIN_FILE="$ROOT/packaging/windows/mingw64.cmake"
# Comments are not part of the recipe.
TOOLCHAIN="$(grep -v "^#" "$TOOLCHAIN_FILE")"$'\n'
# Only what the tutor and its tests use. With OpenGL off, the Windows plugin
# compiles only with dynamicgl off too; Debian's tarball lacks the Wintab
# headers, hence no tablet events.
CONFIGURE_OPTIONS=(
  -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
  -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_system_zlib=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
)
RECIPE_HASH="$(printf '%s\n' "$TOOLCHAIN" "${CONFIGURE_OPTIONS[@]}" | sha256sum | cut -c1-12)"
CACHE_DIR="${RADIXON_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/radixon}"
PREFIX="$CACHE_DIR/qt-$QT_UPSTREAM-mingw64-static-$RECIPE_HASH"

if [ -f "$PREFIX/.complete" ]; then
  echo "$PREFIX"
  exit 0
fi

WORK="$CACHE_DIR/work-$QT_UPSTREAM-$RECIPE_HASH"
mkdir -p "$WORK"
echo "Building Qt $QT_UPSTREAM for Windows into $PREFIX (about 25 minutes on 2 cores)" >&2
started=$SECONDS

# The source comes through a private apt state: the system's own entries
# turned into deb-src, without touching the system's package lists.
SRC="$WORK/src"
if [ ! -f "$SRC/.unpacked" ]; then
  apt_dir="$WORK/apt"
  mkdir -p "$apt_dir/parts" "$apt_dir/lists/partial"
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] && sed 's/^Types: deb$/Types: deb-src/' "$f" >"$apt_dir/parts/$(basename "$f")"
  done
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$apt_dir/parts/system.list"
  fi
  apt_opts=(-o Dir::Etc::sourcelist=/dev/null -o "Dir::Etc::sourceparts=$apt_dir/parts"
    -o "Dir::State::Lists=$apt_dir/lists" -o Debug::NoLocking=1)
  apt-get "${apt_opts[@]}" update -qq >&2
  rm -rf "$SRC" && mkdir -p "$SRC"
  # dpkg-source applies Debian's patches (debian/patches/series) as it unpacks.
  (cd "$SRC" && apt-get "${apt_opts[@]}" source -qq "qt6-base=$QT_VERSION" >&2)
  touch "$SRC/.unpacked"
fi
QT_SRC="$(find "$SRC" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)"

cmake -S "$QT_SRC" -B "$WORK/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN_FILE" -DCMAKE_INSTALL_PREFIX="$PREFIX" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "${CONFIGURE_OPTIONS[@]}" >"$WORK/configure.log" 2>&1 ||
  { tail -n 40 "$WORK/configure.log" >&2; exit 1; }
cmake --build "$WORK/build" -j "$(nproc)" >"$WORK/build.log" 2>&1 ||
  { tail -n 40 "$WORK/build.log" >&2; exit 1; }
rm -rf "$PREFIX"
cmake --install "$WORK/build" >"$WORK/install.log" 2>&1 ||
  { tail -n 20 "$WORK/install.log" >&2; exit 1; }
touch "$PREFIX/.complete"
rm -rf "$WORK"
# Qt built by an earlier recipe is not used again.
find "$CACHE_DIR" -mindepth 1 -maxdepth 1 -name "qt-*-mingw64-static-*" ! -path "$PREFIX" -exec rm -rf {} +
echo "Qt for Windows built in $(((SECONDS - started) / 60)) min" >&2
echo "$PREFIX"
exit
}
