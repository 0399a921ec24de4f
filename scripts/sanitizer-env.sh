# Sourced by scripts/test.sh and scripts/fuzz.sh after the sanitizer build: adapts the runs to
# what this machine lets the sanitizers do, and says so, instead of failing every test for a
# reason that is not in our code.
# - LeakSanitizer needs ptrace, which some sandboxes refuse: leaks are then not checked.
# - Clang 14's AddressSanitizer cannot start under the high address-space randomisation of
#   newer kernels: the runs then go through `setarch -R` (randomisation off for them alone).
# Sets SANITIZER_RUN (a command prefix, possibly empty) and exports ASAN_OPTIONS.
# Usage: source scripts/sanitizer-env.sh BUILD_DIR
sanitizer_probe="$1/bin/settings_tests"
SANITIZER_RUN=()
if ! probe_output=$("$sanitizer_probe" --gtest_list_tests 2>&1); then
  if grep -q "LeakSanitizer" <<<"$probe_output" &&
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$sanitizer_probe" --gtest_list_tests >/dev/null 2>&1; then
    export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
    echo "sanitizers: LeakSanitizer cannot run on this machine (no ptrace); leaks are not checked"
  elif setarch "$(uname -m)" -R "$sanitizer_probe" --gtest_list_tests >/dev/null 2>&1; then
    SANITIZER_RUN=(setarch "$(uname -m)" -R)
    echo "sanitizers: address-space randomisation is turned off for the sanitizer runs"
  else
    echo "sanitizers: a sanitized program does not start on this machine:"
    tail -n 5 <<<"$probe_output"
  fi
fi
