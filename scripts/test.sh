#!/usr/bin/env bash
# Checks the layering of the includes, builds everything, checks that the C++ files follow
# .clang-format and runs the whole test suite under CTest (GUI tests offscreen). Then builds the plain C++ libraries, their tests and the fuzz
# targets with AddressSanitizer and UndefinedBehaviorSanitizer (scripts/sanitize-build.sh),
# runs those tests, and runs each fuzz target for 30 s from its seeds (scripts/fuzz.sh). Last,
# the Windows build's tests and tools under Wine (scripts/test-windows.sh). A failing test, a
# sanitizer report or a fuzzing finding makes the status 1; every part runs even when an
# earlier one failed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/check-layering.sh
failed=()
# Runs CTest in folder $1; on failure adds "$2(the failed tests)" to the failed parts.
run_ctest() {
  if ! (cd "$1" && ctest --output-on-failure -j2 --timeout 300); then
    local names
    names=$(cut -d: -f2 "$1/Testing/Temporary/LastTestsFailed.log" 2>/dev/null | paste -sd, || true)
    failed+=("$2(${names})")
  fi
}
bash scripts/build.sh
bash scripts/check-format.sh || failed+=(format)
export QT_QPA_PLATFORM=offscreen
run_ctest "${BUILD_DIR:-build}" tests
bash scripts/sanitize-build.sh
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
run_ctest "${ASAN_BUILD_DIR:-build-asan}" sanitizer-tests
bash scripts/fuzz.sh 30 || failed+=(fuzzing)
bash scripts/test-windows.sh || failed+=(windows)
# The last line names what failed, so that a log's tail is enough to know where to look.
if ((${#failed[@]})); then
  echo "test: FAILED: ${failed[*]}"
  exit 1
fi
echo "test: every part passed"
