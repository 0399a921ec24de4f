#!/usr/bin/env bash
# Builds everything and runs the whole test suite under CTest (GUI tests offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j2 --timeout 300
