#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the fuzz target of the text-to-number conversions for a given time and
# prints the executions, the corpus size and the findings.
#   scripts/fuzz.sh [SECONDS]   (default: 60)
# The seeds in fuzz/corpus stay untouched; what libFuzzer learns goes to
# build-fuzz/corpus, and a failing input to build-fuzz/findings/.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SECONDS_TO_RUN="${1:-60}"
OUT="${RADIXON_FUZZ_DIR:-$ROOT/build-fuzz}"

BIN="$("$ROOT/fuzz/build.sh" "$OUT")"
mkdir -p "$OUT/corpus" "$OUT/findings"
LOG="$OUT/fuzz.log"

set +e
"$BIN" "$OUT/corpus" "$ROOT/fuzz/corpus" \
  -max_total_time="$SECONDS_TO_RUN" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$OUT/findings/" >"$LOG" 2>&1
status=$?
set -e

execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$LOG" | tail -1)"
corpus="$(find "$OUT/corpus" -type f | wc -l)"
findings="$(find "$OUT/findings" -type f | wc -l)"
echo "fuzz: ${SECONDS_TO_RUN}s, executions: ${execs:-?}, corpus: ${corpus} inputs, findings: ${findings}"
if [ "$status" -ne 0 ] || [ "$findings" -ne 0 ]; then
  tail -n 40 "$LOG"
  echo "fuzz: failed (exit $status); inputs in $OUT/findings/ replay with: $BIN FILE" >&2
  exit 1
fi
