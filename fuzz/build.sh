#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer target of the text-to-number conversions with clang
# (ASan + UBSan + libFuzzer), linking Qt6Core only.
#   fuzz/build.sh [OUT_DIR]   (default: build-fuzz) prints the binary's path
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT="${1:-$ROOT/build-fuzz}"
mkdir -p "$OUT"
BIN="$OUT/runtime_fuzz"
SOURCES=("$ROOT/fuzz/runtime_fuzz.cpp" "$ROOT/core/runtime.cpp")

# Rebuild only when a source is newer than the binary.
stale=0
[ -x "$BIN" ] || stale=1
for src in "${SOURCES[@]}" "$ROOT/core/runtime.h" "$0"; do
  [ "$src" -nt "$BIN" ] && stale=1
done
if [ "$stale" -eq 1 ]; then
  # shellcheck disable=SC2046
  clang++ -std=c++20 -g -O1 -fPIC -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -Wall -Wextra -I"$ROOT/core" $(pkg-config --cflags Qt6Core) \
    "${SOURCES[@]}" $(pkg-config --libs Qt6Core) -o "$BIN" >&2
fi
echo "$BIN"
