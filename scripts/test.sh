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
status=0
bash scripts/build.sh
bash scripts/check-format.sh || status=1
export QT_QPA_PLATFORM=offscreen
(cd "${BUILD_DIR:-build}" && ctest --output-on-failure -j2 --timeout 300) || status=1
bash scripts/sanitize-build.sh
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
(cd "${ASAN_BUILD_DIR:-build-asan}" && ctest --output-on-failure -j2 --timeout 300) || status=1
bash scripts/fuzz.sh 30 || status=1
bash scripts/test-windows.sh || status=1
exit $status
