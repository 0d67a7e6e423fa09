#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt 6.4 for WebAssembly (wasm-emscripten, static, one thread) from
# Debian's own qt6-base source package, with Debian's patches, and Debian's
# emscripten, and installs it into a cache folder outside the work tree.
# Prints the Qt prefix as its last line.
#   web-qt.sh        build it unless the cache already holds this recipe
# The cache folder is keyed by a hash of the recipe below, so a changed recipe
# builds a new Qt and an unchanged one costs nothing. A fresh 2-core machine
# takes about 15 minutes (12 on an otherwise idle one).
#   RADIXON_WEB_QT=PREFIX    use a ready Qt 6 for WebAssembly instead
#   RADIXON_CACHE_DIR=DIR    the cache folder (default ~/.cache/radixon)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$ROOT/scripts/setup.sh"

# One compound command, which bash reads whole before running it: an edit to
# this file during the long build cannot change what the build does.
{

if [ -n "${RADIXON_WEB_QT:-}" ]; then
  if [ ! -f "$RADIXON_WEB_QT/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    echo "RADIXON_WEB_QT=$RADIXON_WEB_QT holds no Qt 6 for WebAssembly" >&2
    exit 1
  fi
  echo "$RADIXON_WEB_QT"
  exit 0
fi

# Qt's host tools (moc, rcc) are Debian's own Qt 6 of the same version.
install_packages emscripten cmake ninja-build qt6-base-dev qt6-base-dev-tools dpkg-dev xz-utils
QT_VERSION="$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+~-].*//')"

# Only what the tutor uses, its size before its speed.
CONFIGURE_OPTIONS=(
  -platform wasm-emscripten -release -static -optimize-size -nomake examples -nomake tests
  -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml -no-feature-printsupport
  -no-feature-testlib -no-feature-dbus
)
RECIPE_HASH="$(printf '%s\n' "qt-$QT_VERSION" "emscripten-$(dpkg-query -W -f='${Version}' emscripten)" \
  "${CONFIGURE_OPTIONS[@]}" | sha256sum | cut -c1-12)"
CACHE_DIR="${RADIXON_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/radixon}"
PREFIX="$CACHE_DIR/qt-$QT_VERSION-wasm-$RECIPE_HASH"

if [ -f "$PREFIX/.complete" ]; then
  echo "$PREFIX"
  exit 0
fi

WORK="$CACHE_DIR/work-wasm-$RECIPE_HASH"
mkdir -p "$WORK"
echo "Building Qt $QT_VERSION for WebAssembly into $PREFIX (about 15 minutes on 2 cores)" >&2
started=$SECONDS

SRC="$WORK/src"
if [ ! -f "$SRC/.unpacked" ]; then
  debian_source qt6-base "$SRC" "$WORK/apt"
  touch "$SRC/.unpacked"
fi
QT_SRC="$(find "$SRC" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)"

# Qt's configure looks for an emsdk: the Emscripten named in its .emscripten
# file, under upstream/emscripten. Debian's emscripten, in that shape.
# It lies in the prefix, where the programs built against this Qt find it.
rm -rf "$PREFIX"
EMSDK="$PREFIX/emsdk"
mkdir -p "$EMSDK/upstream/emscripten"
echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$EMSDK/.emscripten"
ln -s /usr/share/emscripten/* "$EMSDK/upstream/emscripten/"
for tool in emcc em++ emar emranlib; do ln -sf "/usr/bin/$tool" "$EMSDK/upstream/emscripten/$tool"; done
export EMSDK
# Emscripten's JavaScript tools need Debian's node-acorn, which a node that is
# not Debian's does not find by itself.
export NODE_PATH=/usr/share/nodejs

rm -rf "$WORK/build" && mkdir -p "$WORK/build"
(cd "$WORK/build" && "$QT_SRC/configure" -prefix "$PREFIX" -qt-host-path /usr "${CONFIGURE_OPTIONS[@]}" \
  -- -G Ninja -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake) >"$WORK/configure.log" 2>&1 ||
  { tail -n 40 "$WORK/configure.log" >&2; exit 1; }
cmake --build "$WORK/build" --parallel "$(nproc)" >"$WORK/build.log" 2>&1 || { tail -n 40 "$WORK/build.log" >&2; exit 1; }
cmake --install "$WORK/build" >"$WORK/install.log" 2>&1 || { tail -n 20 "$WORK/install.log" >&2; exit 1; }
basename "$QT_SRC" >"$PREFIX/debian-source"
touch "$PREFIX/.complete"
rm -rf "$WORK"
# Qt built by an earlier recipe is not used again.
find "$CACHE_DIR" -mindepth 1 -maxdepth 1 -name "qt-*-wasm-*" ! -path "$PREFIX" -exec rm -rf {} +
echo "Qt for WebAssembly built in $(((SECONDS - started) / 60)) min" >&2
echo "$PREFIX"
exit
}
