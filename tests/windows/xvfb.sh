# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that run Windows programs under Wine, which draws
# through X.
# start_xvfb WIDTHxHEIGHT DIR: starts a private X server of that size, its
# display number and log in DIR, with a window manager; sets DISPLAY and
# xvfb_pid. Wine waits for a window manager's word on each window it shows or
# hides, a second at a time where there is none; openbox ends with the server.
start_xvfb() {
  rm -f "$2/display"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$2/display" 2>"$2/xvfb.log" &
  # shellcheck disable=SC2034 # for the caller to stop it
  xvfb_pid=$!
  for _ in $(seq 200); do
    [ -s "$2/display" ] && break
    sleep 0.05
  done
  [ -s "$2/display" ] || { cat "$2/xvfb.log" >&2; return 1; }
  DISPLAY=":$(head -n 1 "$2/display")"
  export DISPLAY
  openbox >/dev/null 2>&1 &
}
