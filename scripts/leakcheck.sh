#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs valgrind memcheck over whole sessions of the tutor on the offscreen
# platform and fails on any memory error or any definite or indirect leak:
#   1. the robot pupil's scripted session: every window, both information
#      pages, a worked solution in each direction, a test sat and scored;
#   2. a short random robot run with hostile replies (RADIXON_LEAKCHECK_ACTIONS,
#      default 1500), to reach the error paths as well.
# Uses the test build of test.sh (RADIXON_BUILD_DIR, default build/).
#   scripts/leakcheck.sh
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${RADIXON_BUILD_DIR:-$ROOT/build}"
ROBOT="$BUILD_DIR/tests/test_robot"
ACTIONS="${RADIXON_LEAKCHECK_ACTIONS:-1500}"
[ -x "$ROBOT" ] || { echo "leakcheck: $ROBOT is missing; run scripts/test.sh first" >&2; exit 1; }

export QT_QPA_PLATFORM=offscreen
LEAK_EXIT=97
VALGRIND=(valgrind --tool=memcheck --leak-check=full
  --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect
  --suppressions="$ROOT/scripts/valgrind.supp" --num-callers=40
  --error-exitcode=$LEAK_EXIT)

summary() {
  grep -E "definitely lost|indirectly lost|ERROR SUMMARY" "$1" | sed 's/^==[0-9]*== */  /'
}

status=0
log="$BUILD_DIR/leakcheck-session.log"
echo "leakcheck: scripted whole session"
if ! "${VALGRIND[@]}" "$ROBOT" --gtest_filter=RobotPupil.ScriptedWholeSession >"$log" 2>&1; then
  echo "leakcheck: the scripted session failed under valgrind; see $log" >&2
  status=1
fi
summary "$log"

log="$BUILD_DIR/leakcheck-robot.log"
echo "leakcheck: random robot session of $ACTIONS actions"
set +e
RADIXON_ROBOT_ACTIONS="$ACTIONS" RADIXON_ROBOT_KEEP_GOING=1 \
  "${VALGRIND[@]}" "$ROBOT" --gtest_filter=RobotPupil.SurvivesTwentyThousandRandomActions >"$log" 2>&1
rc=$?
set -e
# A robot finding is reported by the test suite itself; here only memory
# errors and leaks count.
if [ "$rc" -eq "$LEAK_EXIT" ] || ! grep -q "ERROR SUMMARY: 0 errors" "$log"; then
  echo "leakcheck: memory errors or leaks in the random session; see $log" >&2
  status=1
elif [ "$rc" -ne 0 ]; then
  echo "leakcheck: (the robot reported findings of its own in this run; see $log)"
fi
grep -E "RADIXON_ROBOT_SEED=[0-9]+, " "$log" | head -1 | sed 's/^/  /'
summary "$log"

[ "$status" -eq 0 ] && echo "leakcheck: no memory errors, no definite or indirect leaks"
exit "$status"
