#!/usr/bin/env bash
# Builds the tutor in Release and makes its Debian package with CPack:
#   package.sh                  prints the .deb's path, its control summary and its files
#   package.sh --install-check  then installs it with apt-get, checks the installed files and
#                               starts the tutor the way the menu does (as root, on a machine
#                               that may keep the package; apt-get remove radixon undoes it)
# RADIXON_BUILD_DIR chooses the build folder, as for setup.sh.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$ROOT/scripts/setup.sh"

APP_ID=io.github.radixon.Radixon
# What the package must hold, and nothing else: the program, its menu files,
# its manual pages and the documents Debian asks for.
PACKAGED_FILES=(
  /usr/bin/radixon
  "/usr/share/applications/$APP_ID.desktop"
  "/usr/share/icons/hicolor/scalable/apps/$APP_ID.svg"
  "/usr/share/metainfo/$APP_ID.metainfo.xml"
  /usr/share/man/man1/radixon.1.gz
  /usr/share/man/ru/man1/radixon.1.gz
  /usr/share/doc/radixon/copyright
  /usr/share/doc/radixon/changelog.gz
  /usr/share/doc/radixon/README.md.gz
)

install_check=0
for arg in "$@"; do
  case "$arg" in
    --install-check) install_check=1 ;;
    -h | --help)
      sed -n '2,7s/^# \{0,1\}//p' "${BASH_SOURCE[0]}"
      exit 0
      ;;
    *)
      echo "usage: package.sh [--install-check]" >&2
      exit 2
      ;;
  esac
done
if [ "$install_check" = 1 ] && [ "$(id -u)" -ne 0 ]; then
  echo "--install-check installs the package with apt-get: run it as root." >&2
  exit 1
fi

# dpkg-shlibdeps (in dpkg-dev) adds the package dependencies of the linked libraries.
install_packages dpkg-dev
setup_main release

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

# A stray install() rule (a test, a benchmark, the snapshot tool) would show here.
mapfile -t packaged < <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort)
mapfile -t expected < <(printf '%s\n' "${PACKAGED_FILES[@]}" | sort)
if [ "${packaged[*]}" != "${expected[*]}" ]; then
  echo "The package holds other files than the expected ones (- missing, + not expected):" >&2
  diff <(printf '%s\n' "${expected[@]}") <(printf '%s\n' "${packaged[@]}") >&2 || true
  exit 1
fi

if [ "$install_check" = 0 ]; then
  echo
  echo "Install it with: sudo apt-get install $deb"
  exit 0
fi

echo
echo "== Installing $deb"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y "$deb"
trap 'echo; echo "The package stays installed; remove it with: apt-get remove radixon"' EXIT

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

trap - EXIT
echo
echo "The package is installed and starts. Remove it with: apt-get remove radixon"
