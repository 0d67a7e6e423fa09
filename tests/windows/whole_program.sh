#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows files as a school gets them, under Wine on a private Xvfb
# display, in a fresh Wine prefix:
#   1. radixon.exe opens its main window titled "РАДИКСОН" and ends when
#      asked to close (taskkill without /F sends WM_CLOSE, as Windows does);
#   2. the installer, run silently (/S), puts the program into Program Files
#      with its Start-menu entry, desktop shortcut and "Apps & features"
#      entry, and the program starts from the Start-menu entry;
#   3. the uninstaller, run silently, removes every file, both shortcuts and
#      the entry;
#   4. the MSI, as group policy installs it (msiexec /i /qn), puts the program
#      into Program Files with its Start-menu entry and its "Programs and
#      Features" entry, the program starts from the entry; a later version
#      (the same package with its version raised) replaces it, and
#      msiexec /x /qn removes it, leaving nothing.
# A picture of the screen with each main window goes to WORK/*.png.
#   whole_program.sh DIST WORK
set -euo pipefail
[ "$#" -eq 2 ] || { echo "usage: $0 DIST WORK" >&2; exit 2; }
dist="$(cd "$1" && pwd)"
work="$2"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=SCRIPTDIR/xvfb.sh
source "$here/xvfb.sh"
rm -rf "$work"
mkdir -p "$work"
work="$(cd "$work" && pwd)"
export WINEPREFIX="$work/prefix"
# No menu entries on this machine for what is installed into Wine.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Nothing here may hang the test run: every Wine command has its time.
wine() { timeout 180 "$here/wine.sh" "$@"; }

failures=0
check() {
  local what="$1"
  shift
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAILED: $what" >&2
    failures=$((failures + 1))
  fi
}

wineserver="$(dirname "$(command -v wine64 || echo /usr/lib/wine/wine64)")/wineserver"
xvfb_pid=""
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null || true
}
trap cleanup EXIT
start_xvfb 1366x768 "$work"
wine wineboot --init >/dev/null 2>&1 # through wine.sh: the prefix is made once

# wait_for SECONDS COMMAND...: until the command succeeds, or fails after the time.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.5
  done
}
main_window() { xdotool search --onlyvisible --name '^РАДИКСОН$'; }
program_gone() { ! pgrep -f 'radixon[.]exe' >/dev/null; }
screenshot() { xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$work/$1.png"; }

# close_program: asks the program to close and waits for it to end.
close_program() {
  wine taskkill /im radixon.exe >/dev/null 2>&1 || true
  wait_for 30 program_gone
}

# The program file itself, started as from the zip.
wine "$dist/radixon.exe" &
check "radixon.exe opens its main window titled РАДИКСОН" wait_for 90 main_window
screenshot wine-radixon-exe
check "radixon.exe ends when asked to close" close_program

# The installer, silently, as on 25 machines at once.
check "the installer runs silently and ends with success" wine "$dist/radixon-1.0-setup.exe" /S
timeout 60 "$wineserver" --wait || true
drive="$WINEPREFIX/drive_c"
folder="$drive/Program Files/РАДИКСОН"
start_menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/РАДИКСОН.lnk"
desktop="$drive/users/Public/Desktop/РАДИКСОН.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\io.github.radixon.Radixon'
check "the program, its licence and its uninstaller are in Program Files" \
  test -f "$folder/radixon.exe" -a -f "$folder/LICENSE.txt" -a -f "$folder/uninstall.exe"
check "the installed program is the one built" cmp -s "$folder/radixon.exe" "$dist/radixon.exe"
check "the Start menu and the desktop have an entry РАДИКСОН" test -f "$start_menu" -a -f "$desktop"
# The entry as regedit exports it (UTF-16), one value a line.
wine reg export "$key" 'C:\entry.reg' /y >/dev/null 2>&1 || true
iconv -f UTF-16 -t UTF-8 "$drive/entry.reg" 2>/dev/null | tr -d '\r' >"$work/entry.reg" || true
rm -f "$drive/entry.reg"
entry_has() { grep -Fqx "$1" "$work/entry.reg"; }
check "Apps & features lists РАДИКСОН 1.0" entry_has '"DisplayName"="РАДИКСОН"'
check "Apps & features lists version 1.0" entry_has '"DisplayVersion"="1.0"'
check "Apps & features can uninstall it silently" \
  entry_has '"QuietUninstallString"="\"C:\\Program Files\\РАДИКСОН\\uninstall.exe\" /S"'

wine start /unix "$start_menu"
check "the installed program starts from its Start-menu entry" wait_for 90 main_window
screenshot wine-installed
check "the installed program ends when asked to close" close_program

# The uninstaller copies itself out of the folder it removes and returns at
# once; wineserver --wait waits for that copy to end.
check "the uninstaller runs silently" wine "$folder/uninstall.exe" /S
timeout 60 "$wineserver" --wait || true
check "the program's folder is gone" test ! -e "$folder"
check "both shortcuts are gone" test ! -e "$start_menu" -a ! -e "$desktop"
no_entry() { ! wine reg query "$key" >/dev/null 2>&1; }
check "the Apps & features entry is gone" no_entry
left="$(find "$drive" \( -iname '*radixon*' -o -name '*РАДИКСОН*' \) | head)"
check "nothing of the program is left on drive C: ($left)" test -z "$left"

# The MSI, and a later version of it, as the next release makes it: the same
# package and upgrade code with a new version, product code and package code.
msi="$dist/radixon-1.0.msi"
later="$work/radixon-1.0.1.msi"
cp "$msi" "$later"
msibuild "$later" -q "UPDATE Property SET Value='1.0.1' WHERE Property='ProductVersion'" \
  -q "UPDATE Property SET Value='{2A1D9F3E-5B7C-4E60-8D14-C3B2A9F07E51}' WHERE Property='ProductCode'" \
  -q "DELETE FROM Upgrade WHERE ActionProperty='WIX_UPGRADE_DETECTED'" \
  -q "INSERT INTO Upgrade (UpgradeCode, VersionMax, Attributes, ActionProperty) VALUES
      ('$(msiinfo export "$msi" Property | tr -d '\r' | sed -n 's/^UpgradeCode\t//p')', '1.0.1', 1, 'WIX_UPGRADE_DETECTED')" \
  -s "RADIXON 1.0.1" "The RADIXON developers" "x64;1049" "{6C0E4B2A-9D31-4F7E-A5B8-2E1F0C9D8A47}"
msiexec() { wine msiexec "$1" "Z:${2//\//\\}" /qn && timeout 60 "$wineserver" --wait; }
# The versions of the "Programs and Features" entries named РАДИКСОН, a line
# each, as regedit exports them (UTF-16).
entries_are() {
  wine reg export 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 'C:\entries.reg' /y >/dev/null 2>&1
  [ "$(iconv -f UTF-16 -t UTF-8 "$drive/entries.reg" | tr -d '\r' | awk '/^\[/ { ours = 0 }
    $0 == "\"DisplayName\"=\"РАДИКСОН\"" { ours = 1 } ours && sub(/^"DisplayVersion"="/, "") { print }' |
    tr -d '"')" = "$1" ]
  local same=$?
  rm -f "$drive/entries.reg"
  return "$same"
}
check "msiexec installs the MSI silently" msiexec /i "$msi"
in_program_files() { cmp -s "$folder/radixon.exe" "$dist/radixon.exe" && test -f "$folder/LICENSE.txt"; }
check "the MSI put the program and its licence into Program Files" in_program_files
check "Programs and Features lists РАДИКСОН 1.0.0, once" entries_are 1.0.0
# Windows puts the entry of a package for all users (ALLUSERS 1) into the
# common Start menu; Wine 8 puts it into the user's own.
user_start_menu="$drive/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/РАДИКСОН.lnk"
msi_entry="$user_start_menu"
if [ -f "$start_menu" ]; then msi_entry="$start_menu"; fi
wine start /unix "$msi_entry"
check "the program starts from the MSI's Start-menu entry РАДИКСОН" wait_for 90 main_window
screenshot wine-installed-msi
check "the program from the MSI ends when asked to close" close_program
check "msiexec installs the later version" msiexec /i "$later"
check "the later version replaced it: one entry, version 1.0.1" entries_are 1.0.1
check "msiexec removes it silently" msiexec /x "$later"
check "Programs and Features lists no РАДИКСОН" entries_are ""
left="$(find "$drive" \( -iname '*radixon*' -o -name '*РАДИКСОН*' \) | head)"
nothing_left() { [ -z "$left" ] && ! wine reg query 'HKLM\Software\io.github.radixon.Radixon' >/dev/null 2>&1; }
check "nothing of the MSI is left on drive C: ($left) or in the registry" nothing_left

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "All checks passed; pictures in $work"
