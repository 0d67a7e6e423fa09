#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the path of a Debian 11 root (glibc 2.31, older than the one the tutor
# is built against), made once with debootstrap and kept in
# ~/.cache/radixon/debian-11-minbase-HASH, where HASH is that of the recipe
# below: a changed recipe makes a new root. The tests copy it before they
# install anything into it. Needs root (debootstrap) and, the first time, the
# network.
set -euo pipefail
cache="${XDG_CACHE_HOME:-$HOME/.cache}/radixon"
# A desktop system has the menu's folder; a minimal root lacks it, and a
# package would leave behind the folder it had to make.
recipe="debootstrap --variant=minbase bullseye http://deb.debian.org/debian; mkdir usr/share/applications"
root="$cache/debian-11-minbase-$(sha256sum <<<"$recipe" | cut -c1-12)"
if [ ! -x "$root/bin/sh" ]; then
  mkdir -p "$cache"
  work="$(mktemp -d "$cache/debian-11.XXXXXX")"
  trap 'rm -rf "$work"' EXIT
  echo "Making Debian 11's root (once, about 2 minutes): $root" >&2
  debootstrap --variant=minbase bullseye "$work/root" http://deb.debian.org/debian >"$work/log" 2>&1 ||
    { cat "$work/log" >&2; exit 1; }
  mkdir -p "$work/root/usr/share/applications"
  mv "$work/root" "$root"
fi
echo "$root"
