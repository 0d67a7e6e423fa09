#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The fit tests of the Windows build on Qt's Windows platform itself, under
# Wine on Xvfb, at the screen sizes and display scales of classrooms: Wine's
# display scale (LogPixels) is what Windows' "Scale" setting sets, and Qt
# draws at it as on Windows, with the screen's size in scaled pixels. Wine
# draws each window's frame itself, as Windows does, not a window manager.
#   fit_at_scales.sh test_fit.exe WORK WIDTHxHEIGHT@DPI...
# DPI: 96 is 100 %, 120 is 125 %, 144 is 150 %, 192 is 200 %.
set -euo pipefail
[ "$#" -ge 3 ] || { echo "usage: $0 test_fit.exe WORK WIDTHxHEIGHT@DPI..." >&2; exit 2; }
program="$1"
work="$2"
shift 2
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=SCRIPTDIR/xvfb.sh
source "$here/xvfb.sh"
mkdir -p "$work"
export WINEPREFIX="$work/prefix"
wineserver="$(dirname "$(command -v wine64 || echo /usr/lib/wine/wine64)")/wineserver"
xvfb_pid=""
stop_display() {
  timeout 60 "$wineserver" -k 2>/dev/null || true
  [ -z "$xvfb_pid" ] || { kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true; }
  xvfb_pid=""
}
trap stop_display EXIT

failures=0
for screen in "$@"; do
  size="${screen%@*}"
  dpi="${screen#*@}"
  start_xvfb "$size" "$work"
  timeout 180 "$here/wine.sh" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  timeout 180 "$here/wine.sh" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
  timeout 60 "$wineserver" -w || true
  echo "== $size at $((dpi * 100 / 96)) %"
  if ! timeout 600 "$here/wine.sh" "$program" -platform windows --gtest_brief=1; then
    failures=$((failures + 1))
  fi
  stop_display
done
[ "$failures" -eq 0 ]
