#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws the README's pictures of the windows from the real widgets, on Qt's
# offscreen platform (no display needed), into docs/pictures/: every window on
# a large screen at 96 dpi, exactly as designed, and the test window on a
# 1366x768 laptop screen at 125 %, where it is drawn smaller to fit.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$ROOT/scripts/setup.sh" release >/dev/null
BUILD_DIR="${RADIXON_BUILD_DIR:-$ROOT/build}"
SCREENS="$ROOT/tests/screens"
QT_QPA_PLATFORM="offscreen:configfile=$SCREENS/large.json" "$BUILD_DIR/radixon_snapshots" "$ROOT/docs/pictures" 2>/dev/null

laptop="$(mktemp -d)"
trap 'rm -rf "$laptop"' EXIT
QT_QPA_PLATFORM="offscreen:configfile=$SCREENS/laptop-1366x768-125.json" "$BUILD_DIR/radixon_snapshots" "$laptop" \
  >/dev/null 2>&1
cp "$laptop/form4.png" "$ROOT/docs/pictures/form4-laptop-1366x768-125.png"
echo "wrote $ROOT/docs/pictures/form4-laptop-1366x768-125.png"
