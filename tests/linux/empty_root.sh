#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The self-contained folder in a root that holds nothing but it and a static
# shell (Debian's busybox-static), in a mount namespace of its own, so that
# every mount goes with it, under a private Xvfb:
# - every window, drawn there by the snapshot tool through the folder's
#   loader, libraries, plugins and fonts, is byte for byte the picture the
#   build draws with the system's Qt;
# - the launcher, started through a symbolic link from a path with blanks and
#   Cyrillic letters, with a foreign LD_LIBRARY_PATH and Qt plugin paths that
#   hold broken files, says without a display that it has none (exit 1),
#   answers --version, opens its window on X, and takes Cyrillic typed in
#   the Russian keyboard layout.
#   empty_root.sh FOLDER SNAPSHOT_TOOL SCREEN.json      (as root)
set -euo pipefail
folder="$1" snapshots="$2" screen="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../windows/xvfb.sh
source "$here/../windows/xvfb.sh"
work="$(mktemp -d)"
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf --one-file-system "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

root="$work/root"
place="/Мои программы/школа 5"
mkdir -p "$root/bin" "$root/proc" "$root/dev" "$root/tmp/.X11-unix" "$root$place/radixon" "$root/poison/platforms"
cp /bin/busybox "$root/bin/busybox"
for applet in sh env readlink dirname; do ln -s busybox "$root/bin/$applet"; done
ln -s "$place/radixon/radixon" "$root/bin/radixon"
cp "$snapshots" "$root/bin/radixon_snapshots"
cp "$screen" "$root/screen.json"
# What a foreign environment would load, if it were listened to.
echo broken >"$root/poison/libQt6Core.so.6"
echo broken >"$root/poison/platforms/libqxcb.so"

QT_QPA_PLATFORM="offscreen:configfile=$screen" "$snapshots" "$work/expected" >/dev/null 2>&1
start_xvfb 1280x1024 "$work"
poisoned=(LD_LIBRARY_PATH=/poison QT_PLUGIN_PATH=/poison QT_QPA_PLATFORM_PLUGIN_PATH=/poison/platforms HOME=/tmp)
in_root() {
  # shellcheck disable=SC2016 # the inner shell expands them
  unshare --mount --propagation private sh -c '
    mount --bind -o ro "$1" "$2$3/radixon" && mount -t proc proc "$2/proc" && mount --rbind /dev "$2/dev" &&
      mount --bind /tmp/.X11-unix "$2/tmp/.X11-unix" && shift 3 && exec chroot "$@"' \
    sh "$folder" "$root" "$place" "$root" /bin/sh -c 'cd /tmp && exec env -i "$@"' sh "$@"
}

in_root "${poisoned[@]}" QT_QPA_PLATFORM=offscreen:configfile=/screen.json "FONTCONFIG_FILE=$place/radixon/fonts/fonts.conf" \
  "$place/radixon/lib/ld-linux-x86-64.so.2" --inhibit-cache --library-path "$place/radixon/lib" \
  /bin/radixon_snapshots /tmp/pictures >/dev/null 2>&1 || fail "the snapshot tool did not draw in the empty root"
count=0
for picture in "$work/expected"/*.png; do
  cmp -s "$picture" "$root/tmp/pictures/$(basename "$picture")" ||
    fail "$(basename "$picture") drawn in the empty root differs from the build's"
  count=$((count + 1))
done
[ "$count" -ge 6 ] || fail "only $count pictures drawn"
echo "ok  $count windows drawn in the empty root are the build's pictures, byte for byte"

status=0
in_root "${poisoned[@]}" /bin/radixon >"$work/no-display" 2>&1 || status=$?
{ [ "$status" = 1 ] && grep -q 'нет графического экрана' "$work/no-display"; } ||
  fail "without a display: exit $status, $(cat "$work/no-display")"
[ "$(in_root "${poisoned[@]}" /bin/radixon --version)" = "radixon 1.0" ] || fail "--version"
echo "ok  without a display it says so and exits 1; --version answers"

in_root "${poisoned[@]}" "DISPLAY=$DISPLAY" /bin/radixon >"$work/x.log" 2>&1 &
pid=$!
for _ in $(seq 100); do
  window="$(xdotool search --onlyvisible --class radixon 2>/dev/null | head -n 1 || true)"
  [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the tutor stopped on X: $(cat "$work/x.log")"
  sleep 0.1
done
[ -n "$window" ] || fail "no window on X after 10 s"
# The Russian layout only: the keys xdotool presses are the ones a Russian
# keyboard has, and the tutor must read them through the server's keymap.
setxkbmap -display "$DISPLAY" ru
sleep 0.5
xdotool windowfocus --sync "$window" type --delay 50 'Иванов'
xdotool key --delay 50 End shift+Home
sleep 0.5
typed="$(xclip -o -selection primary -display "$DISPLAY" 2>/dev/null || true)"
# The surname box starts with one blank, after the caret.
[ "$typed" = "Иванов " ] || fail "typed Иванов in the Russian layout, the box holds '$typed'"
kill -0 "$pid" 2>/dev/null || fail "the tutor stopped on X: $(cat "$work/x.log")"
echo "ok  on X from '$place' through a link: Cyrillic typed in the Russian layout reaches the box"
