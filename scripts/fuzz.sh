#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) with ASan and UBSan and runs each for SECONDS seconds
# (default 60) from its seed corpus fuzz/corpus/TARGET. New inputs are kept in
# build-asan/fuzz-corpus/TARGET; a finding stops the run, leaves the input that shows it in
# build-asan/fuzz-findings/TARGET and makes the status 1. A final line per target gives the
# executions and the coverage reached.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-60}
# FUZZ_SEED and FUZZ_RUNS (both optional): a seed and a cap on the inputs per target. The same
# seed walks much the same way again, though not exactly: coverage varies a little between runs.
SEED_AND_CAP=()
if [[ -n ${FUZZ_SEED:-} ]]; then SEED_AND_CAP+=(-seed="$FUZZ_SEED"); fi
if [[ -n ${FUZZ_RUNS:-} ]]; then SEED_AND_CAP+=(-runs="$FUZZ_RUNS"); fi
bash scripts/sanitize-build.sh
BUILD=$(realpath "${ASAN_BUILD_DIR:-build-asan}")
SEEDS=$(realpath fuzz/corpus)
source scripts/sanitizer-env.sh "$BUILD"
status=0
for target in objects unpacker instrument local-name; do
  corpus="$BUILD/fuzz-corpus/$target" findings="$BUILD/fuzz-findings/$target"
  mkdir -p "$corpus" "$findings"
  # A scratch folder as working and temporary folder: the checks that save files save there.
  scratch=$(mktemp -d)
  log="$BUILD/fuzz-$target.log"
  echo "fuzz-$target: ${SECONDS_EACH} s"
  if ! (cd "$scratch" && TMPDIR="$scratch" "${SANITIZER_RUN[@]}" "$BUILD/bin/fuzz-$target" -max_total_time="$SECONDS_EACH" "${SEED_AND_CAP[@]}" \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
        "$corpus" "$SEEDS/$target" >"$log" 2>&1); then
    status=1
    tail -n 40 "$log"
    echo "fuzz-$target: FINDING, input kept in $findings"
  fi
  rm -rf "$scratch"
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
  cov=$(grep -o '#[0-9]*[[:space:]]*DONE *cov: [0-9]* ft: [0-9]*' "$log" | tail -1 | sed 's/.*cov: /cov: /' || true)
  echo "fuzz-$target: ${runs:-?} executions, ${cov:-coverage not reported}"
done
exit $status
