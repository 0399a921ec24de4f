#!/usr/bin/env bash
# Checks the layering of the includes, builds everything and runs the whole test suite under
# CTest (GUI tests offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/check-layering.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j2 --timeout 300
