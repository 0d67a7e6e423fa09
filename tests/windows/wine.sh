#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under Wine (wine64) in a Wine prefix of its own,
# made on first use and posing as the Windows named by RADIXON_WINE_WINDOWS
# (win7 or win10, default win10); the build's tests run through it.
#   wine.sh --prefix DIR PROGRAM.exe [ARGUMENTS...]
# Wine does not hand the program environment variables whose names start with
# QT_, so a Qt platform is chosen with -platform in the arguments. Wine makes
# every window through an X server: without DISPLAY the program gets an Xvfb
# of its own, of the size RADIXON_WINE_SCREEN (default 1366x768), with a
# window manager, for as long as it runs.
set -euo pipefail
if [ "${1:-}" = --prefix ]; then
  export WINEPREFIX="$2"
  shift 2
fi
: "${WINEPREFIX:?wine.sh needs --prefix DIR or WINEPREFIX}"
windows="${RADIXON_WINE_WINDOWS:-win10}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No offers to download Mono or Gecko, which these programs never use.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# The Windows of a Russian school: Wine takes its language and its ANSI code
# page (1251) from the locale, and shortcuts keep their target's path in that
# code page (in any other, the Cyrillic folder of the program is lost). The
# locale is made for the prefix alone, from the locales package's sources.
export LOCPATH="$WINEPREFIX.locale"
WINE="$(command -v wine64 || echo /usr/lib/wine/wine64)"
wine() { env LC_ALL=ru_RU.UTF-8 "$WINE" "$@"; }

mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  if [ ! -f "$LOCPATH/ru_RU.UTF-8/LC_CTYPE" ]; then
    mkdir -p "$LOCPATH"
    localedef -i ru_RU -f UTF-8 "$LOCPATH/ru_RU.UTF-8"
  fi
  if [ "$(cat "$WINEPREFIX/.ready" 2>/dev/null)" != "$windows" ]; then
    wine wineboot --init >/dev/null 2>&1
    wine winecfg -v "$windows" >/dev/null 2>&1
    wine wineboot --shutdown >/dev/null 2>&1 || true
    echo "$windows" >"$WINEPREFIX/.ready"
  fi
) 9>"$WINEPREFIX.lock"
if [ -n "${DISPLAY:-}" ]; then
  exec env LC_ALL=ru_RU.UTF-8 "$WINE" "$@"
fi
# shellcheck source=SCRIPTDIR/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
screen="$(mktemp -d)"
xvfb_pid=""
trap 'kill "$xvfb_pid" 2>/dev/null; rm -rf "$screen"' EXIT
start_xvfb "${RADIXON_WINE_SCREEN:-1366x768}" "$screen"
status=0
env LC_ALL=ru_RU.UTF-8 "$WINE" "$@" || status=$?
exit "$status"
