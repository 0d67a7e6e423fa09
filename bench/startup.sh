#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up and memory of the tutor against the floor of any Qt Widgets window:
# builds both (installing what is missing, as run.sh does), then times them
# alternately on the offscreen platform and, where Xvfb is installed, on a
# virtual X display. Prints the medians and the tutor/floor ratios; fails
# when a ratio misses its goal (start-up 1.15, peak RSS 1.10).
#   bench/startup.sh [RUNS]     RUNS of each program per platform (default 60)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=../scripts/setup.sh
source "$ROOT/scripts/setup.sh"
setup_main release >/dev/null

runs="${1:-60}"
bench="$BUILD_DIR/bench"
runner=("$bench/radixon_startup_runner" --runs "$runs")
programs=("$bench/radixon_startup_floor" "$bench/radixon_startup_tutor")
status=0

echo "Machine: $(nproc) cores, $(uname -r); Qt $(dpkg-query -W -f='${Version}' libqt6widgets6 2>/dev/null || echo '?')"
QT_QPA_PLATFORM=offscreen "${runner[@]}" --name "offscreen platform" "${programs[@]}" || status=1

if command -v Xvfb >/dev/null; then
  display_file="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
  xvfb_pid=$!
  trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -f "$display_file"' EXIT
  for _ in $(seq 50); do
    [ -s "$display_file" ] && break
    sleep 0.1
  done
  if [ -s "$display_file" ]; then
    DISPLAY=":$(head -n1 "$display_file")" QT_QPA_PLATFORM=xcb \
      "${runner[@]}" --name "Xvfb (xcb platform)" "${programs[@]}" || status=1
  else
    echo "Xvfb did not start: the virtual display was not measured." >&2
    status=1
  fi
else
  echo "Xvfb is not installed: only the offscreen platform was measured."
fi
exit "$status"
