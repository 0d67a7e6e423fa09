#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the tutor in Release with Debian's hardening flags and makes its Debian package with CPack:
#   package.sh                  prints the .deb's path, its control summary and its files
#                               (CTest's package tests check them: packaging/check_package.sh)
#   package.sh --lintian        also runs lintian -EvIL +pedantic on it: an error or a warning
#                               fails, the infos and pedantic notes are listed
#   package.sh --install-check  then installs it with apt-get, checks the installed files,
#                               starts the tutor the way the menu does, and purges it again,
#                               checking that nothing of it is left (as root, on a machine
#                               that may change)
# RADIXON_BUILD_DIR chooses the build folder, as for setup.sh.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$ROOT/scripts/setup.sh"

APP_ID=io.github.radixon.Radixon
# What the package holds, as packaging/installed-files.txt lists it.
mapfile -t PACKAGED_FILES < <(grep -v '^#' "$ROOT/packaging/installed-files.txt" | sed 's|^|/usr/|')

install_check=0
run_lintian=0
for arg in "$@"; do
  case "$arg" in
    --install-check) install_check=1 ;;
    --lintian) run_lintian=1 ;;
    -h | --help)
      sed -n '3,12s/^# \{0,1\}//p' "${BASH_SOURCE[0]}"
      exit 0
      ;;
    *)
      echo "usage: package.sh [--lintian] [--install-check]" >&2
      exit 2
      ;;
  esac
done
if [ "$install_check" = 1 ] && [ "$(id -u)" -ne 0 ]; then
  echo "--install-check installs the package with apt-get: run it as root." >&2
  exit 1
fi

# dpkg-dev gives dpkg-buildflags, whose flags the packaged program must be
# built with, and dpkg-shlibdeps, which adds the dependencies of the linked
# libraries. The test command's build folder already has the same flags, so
# packaging it rebuilds nothing.
install_packages "${release_packages[@]}" dpkg-dev
configure_and_build "$BUILD_DIR" -DRADIXON_DEB_BUILDFLAGS=ON

echo "== Building the Debian package in $BUILD_DIR"
cpack_log="$BUILD_DIR/cpack-deb.log"
(cd "$BUILD_DIR" && cpack -G DEB) | tee "$cpack_log"
deb="$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' "$cpack_log" | tail -n 1)"
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
  echo "cpack did not say which package it made; its output is in $cpack_log" >&2
  exit 1
fi

echo
echo "Package: $deb"
dpkg-deb -I "$deb"
echo "Files:"
dpkg-deb -c "$deb"

# What it holds, its Depends line, its hardened program and its version are
# checked by CTest (packaging/check_package.sh): the test command runs them.
if [ "$run_lintian" = 1 ]; then
  echo
  echo "== lintian -EvIL +pedantic $(basename "$deb")"
  install_packages lintian
  # lintian fails by itself on errors and warnings. Missing hardening and an
  # unneeded .comment section it reports only as infos: faults here all the same.
  lintian_log="$BUILD_DIR/lintian.log"
  lintian_status=0
  lintian -EvIL +pedantic --fail-on error,warning --color never "$deb" >"$lintian_log" 2>&1 || lintian_status=$?
  # As root lintian first says it would rather not be; that is no finding.
  grep -v '^running with root privileges is not recommended!$' "$lintian_log" || true
  tags="$(grep -E '^[EWIPXO]: ' "$lintian_log" || true)"
  count() { grep -c "^$1: " <<<"$tags" || true; }
  echo "lintian: $(count E) errors, $(count W) warnings, $(count I) infos, $(count P) pedantic notes (exit $lintian_status)"
  if [ "$lintian_status" -ne 0 ]; then
    echo "lintian rejects the package; its report is in $lintian_log" >&2
    exit 1
  fi
  if grep -Eq '^[EW]: |: (hardening-[a-z-]+|binary-has-unneeded-section)( |$)' <<<"$tags"; then
    echo "lintian finds an error, a warning or a hardening fault; its report is in $lintian_log" >&2
    exit 1
  fi
fi

if [ "$install_check" = 0 ]; then
  echo
  echo "Install it with: sudo apt-get install $deb"
  exit 0
fi

# The purge at the end must take away every folder the package brought and
# no folder that was there before it.
mapfile -t package_dirs < <(dpkg-deb -c "$deb" | awk '$1 ~ /^d/ { sub(/^\./, "", $6); sub(/\/$/, "", $6); if ($6 != "") print $6 }')
dirs_before=()
for dir in "${package_dirs[@]}"; do
  if [ -d "$dir" ]; then
    dirs_before+=("$dir")
  fi
done

echo
echo "== Installing $deb"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y "$deb"
trap 'echo; echo "The package stays installed; remove it with: apt-get purge radixon"' EXIT

echo
echo "== Checking the installed files"
for file in "${PACKAGED_FILES[@]}" /usr/share/qt6/translations/qtbase_ru.qm; do
  if [ ! -f "$file" ]; then
    echo "missing after the install: $file" >&2
    exit 1
  fi
  echo "ok  $file"
done
if [ ! -x /usr/bin/radixon ]; then
  echo "/usr/bin/radixon is not executable" >&2
  exit 1
fi
desktop_file="/usr/share/applications/$APP_ID.desktop"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop_file"
  echo "ok  desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "/usr/share/metainfo/$APP_ID.metainfo.xml"
fi
# man finds the pages by the program's name, the Russian one for a Russian
# reader (-L: the machine need not have a Russian locale for the lookup).
for lang_page in "C=/usr/share/man/man1/radixon.1.gz" "ru=/usr/share/man/ru/man1/radixon.1.gz"; do
  found="$(man -L "${lang_page%%=*}" -w radixon 2>/dev/null || true)"
  if [ "$found" != "${lang_page#*=}" ]; then
    echo "man -L ${lang_page%%=*} -w radixon finds '${found:-nothing}', not ${lang_page#*=}" >&2
    exit 1
  fi
  echo "ok  man -L ${lang_page%%=*} -w radixon: $found"
done

# The menu runs the entry's Exec line, less the field codes that stand for
# files to open (none here). gtk-launch would detach from the program, so its
# exit status would tell nothing about whether the tutor kept running.
exec_line="$(sed -n 's/^Exec=//p' "$desktop_file" | head -n 1)"
exec_line="$(sed -E 's/ ?%[fFuUdDnNickvm]//g' <<<"$exec_line")"
read -r -a launch <<<"$exec_line"
if [ "${#launch[@]}" -eq 0 ]; then
  echo "$desktop_file has no Exec line" >&2
  exit 1
fi
resolved="$(command -v "${launch[0]}" || true)"
if [ "$resolved" != /usr/bin/radixon ]; then
  echo "Exec=${launch[0]} finds '${resolved:-nothing}' on PATH, not the installed /usr/bin/radixon" >&2
  exit 1
fi

# still_running LABEL COMMAND...: the tutor must still be up when timeout stops
# it after 5 seconds (status 124); a crash or a missing plugin ends it sooner.
still_running() {
  local label="$1" status=0
  shift
  local log
  log="$(mktemp)"
  (cd / && "$@") >"$log" 2>&1 || status=$?
  if [ "$status" -ne 124 ]; then
    echo "The tutor did not keep running on $label (exit status $status):" >&2
    cat "$log" >&2
    rm -f "$log"
    exit 1
  fi
  if [ -s "$log" ]; then
    sed 's/^/    /' "$log"
  fi
  rm -f "$log"
  echo "ok  Exec=$exec_line ran for 5 s on $label"
}

echo
echo "== Starting the tutor as the menu does: $exec_line"
still_running "the offscreen platform" env QT_QPA_PLATFORM=offscreen timeout 5 "${launch[@]}"
if command -v xvfb-run >/dev/null && command -v Xvfb >/dev/null; then
  still_running "Xvfb (xcb platform)" env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY xvfb-run -a timeout 5 "${launch[@]}"
else
  echo "Xvfb is not installed: the start on the xcb platform is not tried."
fi

echo
echo "== Purging the package"
apt-get purge -y radixon
trap - EXIT
status="$(dpkg-query -W -f='${db:Status-Abbrev}' radixon 2>/dev/null || true)"
if [ -n "$status" ] && [ "${status:1:1}" != "n" ]; then
  echo "dpkg still knows radixon after the purge (status '$status')" >&2
  exit 1
fi
left=()
for file in "${PACKAGED_FILES[@]}"; do
  if [ -e "$file" ] || [ -L "$file" ]; then
    left+=("$file")
  fi
done
for dir in "${package_dirs[@]}"; do
  if [ -d "$dir" ] && ! grep -qxF "$dir" <<<"$(printf '%s\n' "${dirs_before[@]}")"; then
    left+=("$dir/")
  fi
done
if [ "${#left[@]}" -ne 0 ]; then
  echo "The purge left these behind:" >&2
  printf '  %s\n' "${left[@]}" >&2
  exit 1
fi
echo "ok  purged: none of its ${#PACKAGED_FILES[@]} files and no folder it brought is left"
echo
echo "The package installs, starts and purges cleanly."
