#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the tutor in Release and starts it. Without
# a display it draws every window into PNG files instead.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${RADIXON_BUILD_DIR:-$ROOT/build}"
"$ROOT/scripts/setup.sh" release

# A platform chosen by hand (linuxfb, vnc, ...) is honoured; offscreen and
# minimal would run the tutor where nobody can see it.
case "${QT_QPA_PLATFORM:-}" in
  offscreen*|minimal*) chosen_platform="" ;;
  *) chosen_platform="${QT_QPA_PLATFORM:-}" ;;
esac
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || [ -n "$chosen_platform" ]; then
  exec "$BUILD_DIR/radixon"
fi

pictures="$BUILD_DIR/screenshots"
echo "No display found (DISPLAY and WAYLAND_DISPLAY are not set), so the tutor cannot open its window here."
echo "Drawing every window into PNG files instead:"
QT_QPA_PLATFORM="offscreen:configfile=$ROOT/tests/screens/large.json" "$BUILD_DIR/radixon_snapshots" "$pictures" 2>/dev/null
echo "The pictures are in $pictures"
