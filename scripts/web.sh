#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds РАДИКСОН as a web page on Debian 12 and prints where it is:
#   radixon-1.0-web/       the page (index.html, radixon.js, radixon.wasm,
#                          qtloader.js, the icon), for any static web server
#   radixon-1.0-web.zip    the same folder, packed
#   web.sh           build them (the first run also builds Qt for WebAssembly,
#                    about 15 minutes on 2 cores; later runs reuse it)
#   web.sh --test    also build the logic's tests for WebAssembly and run them
#                    under node, and drive the page in headless Chromium
# RADIXON_WEB_BUILD_DIR chooses the build folder (default build-web);
# RADIXON_WEB_QT names a ready Qt for WebAssembly (see web-qt.sh).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$ROOT/scripts/setup.sh"
BUILD="${RADIXON_WEB_BUILD_DIR:-$ROOT/build-web}"

run_tests=0
case "${1:-}" in
  "") ;;
  --test) run_tests=1 ;;
  -h | --help) sed -n '3,12s/^# \{0,1\}//p' "${BASH_SOURCE[0]}"; exit 0 ;;
  *) echo "usage: web.sh [--test]" >&2; exit 2 ;;
esac

# Emscripten and node, the icon's drawing (librsvg2-bin), and the faces and
# Qt translation the page carries. GoogleTest's sources (googletest) are
# built for WebAssembly with the tests; Chromium, driven over its DevTools
# protocol from Debian's Python (python3-websocket), shows the page, whose
# pictures numpy and PIL compare with the desktop's.
web_packages=(emscripten nodejs cmake ninja-build librsvg2-bin fonts-liberation qt6-translations-l10n)
web_test_packages=(googletest chromium python3-websocket python3-numpy python3-pil)
if [ "$run_tests" = 1 ]; then
  install_packages "${web_packages[@]}" "${web_test_packages[@]}"
else
  install_packages "${web_packages[@]}"
fi

QT_PREFIX="$("$ROOT/scripts/web-qt.sh" | tail -n 1)"
# The emsdk that Qt's toolchain file looks for (web-qt.sh lays it out), and
# Debian's node-acorn for Emscripten's JavaScript tools.
export EMSDK="$QT_PREFIX/emsdk"
export NODE_PATH=/usr/share/nodejs
tests=OFF
[ "$run_tests" = 1 ] && tests=ON
"$QT_PREFIX/bin/qt-cmake" -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRADIXON_TESTS="$tests" >/dev/null
cmake --build "$BUILD" -j "$(nproc)"

if [ "$run_tests" = 1 ]; then
  echo "== The logic's tests under node, and the page in Chromium"
  ctest --test-dir "$BUILD" --output-on-failure --no-tests=error -j "$(nproc)"
fi
echo "The web page is in $BUILD/radixon-1.0-web and $BUILD/radixon-1.0-web.zip:"
ls -l "$BUILD/radixon-1.0-web" | tail -n +2
