#!/usr/bin/env bash
# Fails when a C++ file under version control does not follow .clang-format, naming each such
# file. `clang-format -i FILE` puts one right.
# Usage: scripts/check-format.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${files[@]}" 2>/dev/null; then
  for f in "${files[@]}"; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || echo "check-format: $f differs from .clang-format" >&2
  done
  exit 1
fi
echo "check-format: ${#files[@]} files follow .clang-format"
