#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The RPM and the portable .deb in Debian 11's root (glibc 2.31, older than
# the one the tutor is built against; debian11_root.sh caches it), seen
# through an overlay in a mount namespace of its own, so the cached root
# stays as it is and every mount goes with the namespace:
# - rpm --root with a database of its own installs the RPM, asking nothing;
#   the menu entry's command starts the tutor on a private Xvfb, with the
#   root's own Qt plugin folder in QT_PLUGIN_PATH, and every file it maps is
#   its own or data; rpm -e leaves no file or folder behind;
# - the same for the .deb, with the root's dpkg, and dpkg --purge.
#   debian11.sh PACKAGE.rpm PACKAGE.deb      (as root)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
if [ "${RADIXON_IN_NAMESPACE:-}" != 1 ]; then
  RADIXON_IN_NAMESPACE=1 exec unshare --mount --propagation private "${BASH_SOURCE[0]}" "$@"
fi
rpm_file="$(realpath "$1")" deb_file="$(realpath "$2")"
lower="$("$here/debian11_root.sh")"
# shellcheck source=../windows/xvfb.sh
source "$here/../windows/xvfb.sh"
work="$(mktemp -d)"
cleanup() {
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  # The namespace would take the mounts away by itself, but only after rm:
  # a remove must never reach the host's /dev through them.
  umount -R "$work/root" 2>/dev/null || true
  rm -rf --one-file-system "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

root="$work/root"
mkdir "$root" "$work/upper" "$work/overlay"
mount -t overlay overlay -o "lowerdir=$lower,upperdir=$work/upper,workdir=$work/overlay" "$root"
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
start_xvfb 1280x1024 "$work"
cp "$deb_file" "$root/tmp/"

# Every file and folder but the package managers' records, logs and homes.
tree() {
  (cd "$root" && find . -xdev \( -path ./var/lib/dpkg -o -path ./var/lib/radixon-rpm -o -path ./var/log \
    -o -path ./var/cache -o -path ./tmp -o -path ./root \) -prune -o -print | sort)
}
tree >"$work/before"

# started_from_menu WHAT: runs the menu entry's command in the root for 5 s.
started_from_menu() {
  local desktop="$root/usr/share/applications/io.github.radixon.Radixon.desktop" command pid tutor
  grep -qx 'Categories=Education;Math;' "$desktop" || fail "$1: the menu entry is not in Education"
  icon="$(sed -n 's/^Icon=//p' "$desktop")"
  [ -f "$root$icon" ] || fail "$1: the menu entry's icon $icon is not installed"
  command="$(sed -n 's/^Exec=//p' "$desktop")"
  chroot "$root" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/root "DISPLAY=$DISPLAY" \
    QT_PLUGIN_PATH=/usr/lib/x86_64-linux-gnu/qt5/plugins /bin/sh -c "exec $command" >"$work/log" 2>&1 &
  pid=$!
  sleep 5
  kill -0 "$pid" 2>/dev/null || fail "$1: Exec=$command stopped: $(cat "$work/log")"
  xdotool search --onlyvisible --class radixon >/dev/null || fail "$1: no window on X"
  # Mapped files: the folder's own, or data (fonts' cache, locale, shared memory).
  tutor="$pid"
  foreign="$(awk '$6 ~ /^\// { print $6 }' "/proc/$tutor/maps" | sort -u |
    grep -v "^$root/opt/radixon/" | grep '\.so' || true)"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  [ -z "$foreign" ] || fail "$1: the tutor loaded from the system: $foreign"
  echo "ok  $1: Exec=$command started the tutor from the Education menu entry, loading only its own libraries"
}

# dpkg also takes away the empty folders it shipped that no package owns.
left_nothing() {
  tree >"$work/after"
  left="$(comm -13 "$work/before" "$work/after")"
  [ -z "$left" ] || fail "$1 left these behind: $left"
  echo "ok  $1 leaves no file or folder behind"
}

# Debian's rpm warns that it should not install into Debian itself; this root
# is no rpm system's either, so the warning is left out.
rpm_in_root() {
  rpm --root "$root" --dbpath /var/lib/radixon-rpm "$@" 2>&1 | { grep -v -e 'should not be used' -e 'assuming you know' || true; }
  return "${PIPESTATUS[0]}"
}
rpm_in_root --initdb
rpm_in_root -i "$rpm_file"
rpm_in_root -q radixon >/dev/null || fail "rpm -i did not install the RPM"
[ "$(chroot "$root" /usr/bin/radixon --version)" = "radixon 1.0" ] || fail "rpm: --version"
started_from_menu "RPM in Debian 11"
rpm_in_root -e radixon
left_nothing "rpm -e"

chroot "$root" dpkg -i "/tmp/$(basename "$deb_file")" >/dev/null
started_from_menu ".deb in Debian 11"
chroot "$root" dpkg --purge radixon-portable >/dev/null
left_nothing "dpkg --purge"
