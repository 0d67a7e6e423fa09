#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Formats the C++ sources with Debian's clang-format, in the style that
# .clang-format states.
#   format.sh           formats every .cpp and .h file in place
#   format.sh --check   changes nothing; fails, naming the files, where the
#                       style is not kept (the test command runs this)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
case "${1:-}" in
  "") clang-format -i "${sources[@]}" ;;
  --check)
    unformatted=()
    for file in "${sources[@]}"; do
      clang-format --dry-run --Werror "$file" 2>/dev/null || unformatted+=("$file")
    done
    if [ "${#unformatted[@]}" -ne 0 ]; then
      printf 'Not in the style of .clang-format: %s\n' "${unformatted[@]}" >&2
      echo "Mend it with: ./scripts/format.sh" >&2
      exit 1
    fi
    echo "All ${#sources[@]} C++ files keep the style of .clang-format."
    ;;
  *) echo "usage: format.sh [--check]" >&2; exit 2 ;;
esac
