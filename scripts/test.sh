#!/usr/bin/env bash
# Checks the layering of the includes, builds everything, checks that the C++ files follow
# .clang-format and runs the whole test suite under CTest (GUI tests offscreen). Then builds the plain C++ libraries, their tests and the fuzz
# targets with AddressSanitizer and UndefinedBehaviorSanitizer (scripts/sanitize-build.sh),
# runs those tests, and runs each fuzz target for 30 s from its seeds (scripts/fuzz.sh). Last,
# the Windows build's tests and tools under Wine (scripts/test-windows.sh). A test that fails
# twice, a sanitizer report or a fuzzing finding makes the status 1; every part runs even when
# an earlier one failed, and the last line names the parts that failed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/check-layering.sh
failed=() second_tries=()
# Runs CTest in folder $1 as part $2, through the command prefix that follows (if any). A test
# that fails runs once more: one that fails twice fails the part; one that passes only the
# second time is named at the end, so that a test that depends on the machine's load is seen.
run_ctest() {
  local dir=$1 part=$2 log names retried
  shift 2
  log=$(mktemp)
  if ! (cd "$dir" && "$@" ctest --output-on-failure -j2 --timeout 300 --repeat until-pass:2) | tee "$log"; then
    names=$(cut -d: -f2 "$dir/Testing/Temporary/LastTestsFailed.log" 2>/dev/null | paste -sd, || true)
    failed+=("$part($names)")
  fi
  retried=$(grep -E 'Test +#[0-9]+: ' "$log" | grep -vE ' Passed +[0-9.]+ sec' |
    sed -E 's/.*Test +#[0-9]+: ([^ ]+) .*/\1/' | sort -u | paste -sd, || true)
  if [[ -n $retried ]]; then second_tries+=("$part($retried)"); fi
  rm -f "$log"
}
bash scripts/build.sh
bash scripts/check-format.sh || failed+=(format)
export QT_QPA_PLATFORM=offscreen
run_ctest "${BUILD_DIR:-build}" tests
bash scripts/sanitize-build.sh
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
source scripts/sanitizer-env.sh "${ASAN_BUILD_DIR:-build-asan}"
run_ctest "${ASAN_BUILD_DIR:-build-asan}" sanitizer-tests "${SANITIZER_RUN[@]}"
# 30 s per target from the seeds. A finding fails the run: its input is kept, to be mended and
# added to the seeds.
bash scripts/fuzz.sh 30 || failed+=(fuzzing)
bash scripts/test-windows.sh || failed+=(windows)
if ((${#second_tries[@]})); then echo "test: passed only the second time: ${second_tries[*]}"; fi
# The last line names what failed, so that a log's tail is enough to know where to look.
if ((${#failed[@]})); then
  echo "test: FAILED: ${failed[*]}"
  exit 1
fi
echo "test: every part passed"
