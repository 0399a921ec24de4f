#!/usr/bin/env bash
# Builds everything and runs the whole test suite under CTest (GUI tests offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
(cd "${BUILD_DIR:-build}" && ctest --output-on-failure -j2 --timeout 300)
# The plain C++ libraries and their tests again under ASan and UBSan, then every fuzz
# target for 30 s from its seeds; a sanitizer report or a finding fails the run.
bash scripts/sanitize-build.sh
(cd "${ASAN_BUILD_DIR:-build-asan}" && ctest --output-on-failure -j2 --timeout 300)
bash scripts/fuzz.sh 30
