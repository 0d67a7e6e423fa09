#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the tutor and its tests, and runs every test:
#   0. the C++ keeps the style of .clang-format (scripts/format.sh --check);
#   1. the Release build and its whole test suite (the robot pupil included),
#      then its Debian package (scripts/package.sh, lintian) and the
#      self-contained Linux build with its RPM and .deb (scripts/linux.sh),
#      and CTest's checks of the three packages (label "package");
#   2. a second build (build-asan, RelWithDebInfo) with AddressSanitizer and
#      UndefinedBehaviorSanitizer, running the same suite; any report fails.
#      It is made with CMake's default generator (Unix Makefiles), so the
#      plain build a packager runs keeps working, not only Ninja's;
#   3. the fuzz target of the text-to-number conversions for 60 seconds;
#   4. the valgrind leak check over a whole scripted session;
#   5. the Windows build (scripts/windows.sh --test): radixon.exe, its
#      installer and zip, and the tests built for Windows, run under Wine
#      posing as Windows 7 and as Windows 10. The first run on a machine
#      builds Qt 5.15 for Windows (about 40 minutes on two cores) and caches
#      it; later runs add about eight minutes;
#   6. the web page (scripts/web.sh --test): the logic's tests built for
#      WebAssembly, run under node, and the page served on 127.0.0.1 and
#      driven in headless Chromium. The first run on a machine builds Qt 6
#      for WebAssembly (about 15 minutes on two cores) and caches it; later
#      runs add about five minutes.
# RADIXON_TEST_QUICK=1 stops after step 1 (for a quick local round; ignored
# when CI=true, so CI always runs everything).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$ROOT/scripts/setup.sh"
setup_main test

echo "== C++ style"
"$ROOT/scripts/format.sh" --check

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD_DIR" --output-on-failure --no-tests=error -j "$(nproc)" -LE package

# The packages are made from the Release build just tested (it already has
# Debian's hardening flags), so this builds nothing again; the self-contained
# build's files are compressed again only when their contents changed.
echo "== Debian package and lintian"
"$ROOT/scripts/package.sh" --lintian
echo "== The self-contained Linux build, its RPM and its .deb"
"$ROOT/scripts/linux.sh"
echo "== The packages' checks"
ctest --test-dir "$BUILD_DIR" --output-on-failure --no-tests=error -j "$(nproc)" -L package

if [ "${RADIXON_TEST_QUICK:-0}" = "1" ] && [ "${CI:-}" != "true" ]; then
  echo "RADIXON_TEST_QUICK=1: skipping the sanitizer build, the fuzz run, the leak check, the Windows build and the web page."
  exit 0
fi

ASAN_DIR="${RADIXON_ASAN_BUILD_DIR:-$ROOT/build-asan}"
echo "== Sanitizer build ($ASAN_DIR)"
configure_and_build --default-generator "$ASAN_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRADIXON_SANITIZE=ON -DRADIXON_TESTS=ON
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0"
ctest --test-dir "$ASAN_DIR" --output-on-failure --no-tests=error -j "$(nproc)" -LE package
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

echo "== Fuzzing the text-to-number conversions for 60 seconds"
"$ROOT/scripts/fuzz.sh" 60

echo "== Leak check under valgrind"
"$ROOT/scripts/leakcheck.sh"

echo "== Windows build and its tests under Wine"
"$ROOT/scripts/windows.sh" --test

echo "== The web page, its tests under node and in Chromium"
"$ROOT/scripts/web.sh" --test
