#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and testing the tutor needs on Debian 12, then
# configures and builds it. Run by run.sh; test.sh sources it to reuse
# install_packages and configure_and_build for its second (sanitizer) build.
#   setup.sh [release|test]   which packages to make sure of (default: release)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${RADIXON_BUILD_DIR:-$ROOT/build}"

# qt6-translations-l10n holds Qt's own Russian texts (the dialogs' buttons),
# libqt6svg6 the SVG icon engine that draws the program's icon.
release_packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev fonts-liberation
  qt6-translations-l10n libqt6svg6)
# clang and its runtime libraries build the libFuzzer target, pkgconf finds
# Qt6Core for it, valgrind runs the leak check, Google Benchmark builds the
# handler benchmark, Xvfb gives the start-up benchmark and the screen-reader
# test a display, desktop-file-utils and appstream validate what the package
# installs. The screen-reader test reads the tutor as Orca does: over the
# accessibility bus (at-spi2-core), on a private session bus (dbus-daemon's
# dbus-run-session), through pyatspi. The Orca test runs the screen reader
# itself (orca) in a small window manager (openbox), pressing keys with
# xdotool, and once in Russian, in a locale it makes from the locales
# package. dpkg-dev gives the Release build Debian's hardening flags
# (dpkg-buildflags) from its first configure on, and lintian checks the
# package it makes. The self-contained build is tested in a root with
# busybox-static's shell and in Debian 11's (debootstrap), its RPM with rpm
# and rpmlint (cpio unpacks it), typing in the Russian layout with setxkbmap
# (x11-xkb-utils) and reading it back with xclip. clang-format checks that
# the C++ keeps the style of .clang-format.
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev pkgconf valgrind
  xvfb xauth desktop-file-utils appstream at-spi2-core dbus-daemon python3-pyatspi orca openbox xdotool
  locales dpkg-dev lintian rpm rpmlint cpio busybox-static debootstrap x11-xkb-utils xclip clang-format)

missing_packages() {
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      printf '%s\n' "$pkg"
    fi
  done
}

install_packages() {
  local missing
  mapfile -t missing < <(missing_packages "$@")
  [ "${#missing[@]}" -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  else
    echo "These Debian packages are missing. Run this as root, then try again:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
}

# debian_source PACKAGE DIR APT_DIR: Debian's source package PACKAGE of the
# system's release, unpacked into DIR with Debian's patches applied (as
# dpkg-source does). It comes through a private apt state in APT_DIR, the
# system's own entries turned into deb-src, so the system's package lists
# stay as they are.
debian_source() {
  local package="$1" dir="$2" apt_dir="$3" f
  mkdir -p "$apt_dir/parts" "$apt_dir/lists/partial"
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] && sed 's/^Types: deb$/Types: deb-src/' "$f" >"$apt_dir/parts/$(basename "$f")"
  done
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$apt_dir/parts/system.list"
  fi
  local apt_opts=(-o Dir::Etc::sourcelist=/dev/null -o "Dir::Etc::sourceparts=$apt_dir/parts"
    -o "Dir::State::Lists=$apt_dir/lists" -o Debug::NoLocking=1)
  apt-get "${apt_opts[@]}" update -qq >&2
  rm -rf "$dir" && mkdir -p "$dir"
  (cd "$dir" && apt-get "${apt_opts[@]}" source -qq "$package" >&2)
}

# configure_and_build [--default-generator] BUILD_DIR [cmake options...]
# Configures every time, so a build first made by run.sh (without the test
# libraries) picks up the tests once test.sh has installed them. A new tree is
# made with Ninja; --default-generator makes it with CMake's own default (Unix
# Makefiles), as a packager's plain `cmake -S . -B build` does, and starts
# afresh a tree that an earlier run made with another generator.
configure_and_build() {
  local generator=(-G Ninja)
  if [ "$1" = --default-generator ]; then
    generator=()
    shift
  fi
  local dir="$1"
  shift
  if [ "${#generator[@]}" -eq 0 ] && [ -f "$dir/CMakeCache.txt" ] &&
    ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Unix Makefiles' "$dir/CMakeCache.txt"; then
    rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
  fi
  if [ -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$dir" "$@" >/dev/null
  else
    env -u CMAKE_GENERATOR cmake -S "$ROOT" -B "$dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  fi
  cmake --build "$dir" -j "$(nproc)"
}

setup_main() {
  local mode="${1:-release}"
  case "$mode" in
    release) install_packages "${release_packages[@]}" ;;
    test) install_packages "${release_packages[@]}" "${test_packages[@]}" ;;
    *) echo "usage: setup.sh [release|test]" >&2; exit 2 ;;
  esac
  if [ "$mode" = test ]; then
    configure_and_build "$BUILD_DIR" -DRADIXON_TESTS=ON -DRADIXON_PACKAGE_TESTS=ON
  else
    configure_and_build "$BUILD_DIR"
  fi
}

# Sourced, it only defines the functions above.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  setup_main "$@"
fi
