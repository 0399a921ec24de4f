#!/usr/bin/env bash
# Pictures of the loader and the transfer tool, in English and Chinese, with the simulated
# instrument's folder tree: tamlo_en.png, tamlo_zh.png, ondralink_en.png, ondralink_zh.png.
# Usage: scripts/screenshots-transfer.sh [OUTPUT_FOLDER]   (BUILD_DIR selects the build, default build)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
OUT=$(realpath -m "${1:-$BUILD_DIR/screenshots}")
mkdir -p "$OUT"
cmake --build "$BUILD_DIR" -j2 --target tamlo_tests ondralink_tests
export VORDALIS_SCREENSHOT_DIR="$OUT" QT_QPA_PLATFORM=offscreen
"$BUILD_DIR/bin/tamlo_tests" screenshots
"$BUILD_DIR/bin/ondralink_tests" screenshots
ls "$OUT"/tamlo_*.png "$OUT"/ondralink_*.png
