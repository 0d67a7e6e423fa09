#!/usr/bin/env bash
# Redraws the README's pictures of the windows from the real widgets, on Qt's
# offscreen platform (no display needed), into docs/pictures/.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$ROOT/scripts/setup.sh" release >/dev/null
BUILD_DIR="${RADIXON_BUILD_DIR:-$ROOT/build}"
# A screen large enough for every window, at 96 dpi: the windows exactly as designed.
QT_QPA_PLATFORM="offscreen:configfile=$ROOT/tests/screens/large.json" "$BUILD_DIR/radixon_snapshots" "$ROOT/docs/pictures" 2>/dev/null
