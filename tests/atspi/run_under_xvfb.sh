#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a screen-reader test of the tutor the way Orca meets it, on a machine
# with no display and no desktop session (CI, a container, ssh): a private
# Xvfb display, a private D-Bus session bus on which the AT-SPI bus starts on
# demand (at-spi2-core's activation file), and a private runtime folder for the
# buses' sockets. Nothing is left running afterwards.
#   run_under_xvfb.sh PATH/TO/radixon TEST.py [ARGUMENTS...]
set -euo pipefail

if [ "$#" -lt 2 ]; then
  echo "usage: $0 PATH/TO/radixon TEST.py [ARGUMENTS...]" >&2
  exit 2
fi
program="$1"
script="$2"
shift 2

# pyatspi comes with Debian's own Python; a python3 found first on the PATH
# (pyenv, a virtual environment) would not have it.
python=/usr/bin/python3

missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v dbus-run-session >/dev/null || missing+=(dbus-daemon)
[ -x /usr/libexec/at-spi-bus-launcher ] || missing+=(at-spi2-core)
"$python" -c 'import pyatspi' 2>/dev/null || missing+=(python3-pyatspi)
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Missing Debian packages: ${missing[*]} (./scripts/test.sh installs them)." >&2
  exit 1
fi
[ -x "$program" ] || { echo "No program $program" >&2; exit 1; }

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# -displayfd picks a free display and writes its number once the server
# accepts clients, so parallel runs do not collide.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 200); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.05
done
if [ ! -s "$work/display" ]; then
  echo "Xvfb did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi

mkdir -m 700 "$work/runtime"
# In the sanitizer build: Qt's X11 platform hands libxkbcommon-x11 key names
# that are not NUL-terminated, with their length, and strndup on them passes
# for an overflow under strict string checks. Only this test runs on X11.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS="${ASAN_OPTIONS//strict_string_checks=1/strict_string_checks=0}"
fi
# The test's own platform, not the offscreen one the rest of the suite uses;
# no __pycache__ beside the scripts in the source tree.
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS -u AT_SPI_BUS_ADDRESS \
  DISPLAY=":$(head -n 1 "$work/display")" XDG_RUNTIME_DIR="$work/runtime" NO_AT_BRIDGE=0 PYTHONDONTWRITEBYTECODE=1 \
  dbus-run-session -- "$python" "$script" "$program" "$@"
