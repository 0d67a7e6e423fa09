#!/usr/bin/env bash
# Installs what is missing, builds the tutor and its tests, and runs every test.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${RADIXON_BUILD_DIR:-$ROOT/build}"
"$ROOT/scripts/setup.sh" test

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
