#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds РАДИКСОН for 64-bit Windows 7 SP1, 8.1, 10 and 11 on Debian 12 and prints the
# folder that holds the four files for schools:
#   radixon.exe                  the program, one file that needs nothing beside it
#   radixon-1.0-setup.exe        the installer (Russian; /S installs silently)
#   radixon-1.0.msi              the Windows Installer package, for group policy
#   radixon-1.0-win64.zip        the program, its licence and a read-me
#   windows.sh           build them (the first run also builds Qt 5.15 for
#                        Windows, about 40 minutes on 2 cores; later runs reuse it)
#   windows.sh --test    also build the tests for Windows and run them under
#                        Wine posing as Windows 7 and as Windows 10, with the
#                        installer and the installed program
# RADIXON_WINDOWS_BUILD_DIR chooses the build folder (default build-windows);
# RADIXON_WINDOWS_QT names a ready Qt for MinGW-w64 (see windows-qt.sh).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$ROOT/scripts/setup.sh"
BUILD="${RADIXON_WINDOWS_BUILD_DIR:-$ROOT/build-windows}"

run_tests=0
case "${1:-}" in
  "") ;;
  --test) run_tests=1 ;;
  -h | --help) sed -n '3,15s/^# \{0,1\}//p' "${BASH_SOURCE[0]}"; exit 0 ;;
  *) echo "usage: windows.sh [--test]" >&2; exit 2 ;;
esac

# The cross compiler (Qt's host tools come with Qt for Windows), the icon's
# drawing and packing (librsvg2-bin, icoutils), NSIS with its Russian texts,
# wixl and msitools for the MSI, and the faces and Qt translation the program
# carries. Wine runs the tests (in a Russian locale made from the locales
# package) on Xvfb, the window tests with openbox; xdotool, xwd (x11-apps) and netpbm watch the installer and
# the installed program and take pictures of their windows.
windows_packages=(g++-mingw-w64-x86-64-posix cmake ninja-build librsvg2-bin icoutils nsis wixl msitools
  fonts-liberation qttranslations5-l10n)
windows_test_packages=(wine64 locales xvfb xauth openbox xdotool x11-apps netpbm procps python3)
if [ "$run_tests" = 1 ]; then
  install_packages "${windows_packages[@]}" "${windows_test_packages[@]}"
else
  install_packages "${windows_packages[@]}"
fi

QT_PREFIX="$("$ROOT/scripts/windows-qt.sh" | tail -n 1)"
tests=OFF
[ "$run_tests" = 1 ] && tests=ON
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/packaging/windows/mingw64.cmake" \
  -DCMAKE_FIND_ROOT_PATH="$QT_PREFIX" -DCMAKE_PREFIX_PATH="$QT_PREFIX" \
  -DRADIXON_TESTS="$tests" >/dev/null
if [ "$run_tests" = 1 ]; then
  cmake --build "$BUILD" -j "$(nproc)"
fi
cmake --build "$BUILD" -j "$(nproc)" --target radixon_windows

if [ "$run_tests" = 1 ]; then
  echo "== The tests built for Windows, under Wine"
  ctest --test-dir "$BUILD" --output-on-failure --no-tests=error -j "$(nproc)"
fi
echo "The Windows files are in $BUILD/dist:"
ls -l "$BUILD/dist" | tail -n +2
