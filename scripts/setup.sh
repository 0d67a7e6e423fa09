#!/usr/bin/env bash
# Installs what building and testing the tutor needs on Debian 12, then
# configures and builds it. Run by run.sh; test.sh sources it to reuse
# install_packages and configure_and_build for its second (sanitizer) build.
#   setup.sh [release|test]   which packages to make sure of (default: release)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${RADIXON_BUILD_DIR:-$ROOT/build}"

release_packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev fonts-liberation)
# clang and its runtime libraries build the libFuzzer target, pkgconf finds
# Qt6Core for it, and valgrind runs the leak check.
test_packages=(libgtest-dev libgmock-dev clang libclang-rt-14-dev pkgconf valgrind)

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

# configure_and_build BUILD_DIR [cmake options...]
configure_and_build() {
  local dir="$1"
  shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
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
  configure_and_build "$BUILD_DIR"
}

# Sourced, it only defines the functions above.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  setup_main "$@"
fi
