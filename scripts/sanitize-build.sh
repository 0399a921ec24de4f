#!/usr/bin/env bash
# Configures and builds the plain C++ libraries, their tests and the fuzz targets with Clang,
# AddressSanitizer and UndefinedBehaviorSanitizer (no Qt) into ${ASAN_BUILD_DIR:-build-asan}.
# Every sanitizer report is fatal. Used by scripts/test.sh and scripts/fuzz.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
ASAN_BUILD_DIR=${ASAN_BUILD_DIR:-build-asan}
FLAGS="-O1 -gline-tables-only -fno-omit-frame-pointer -fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all"
LAUNCHER=()
if command -v ccache >/dev/null; then LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
if [ ! -f "$ASAN_BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S . -B "$ASAN_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_COMPILER=clang++ \
    "${LAUNCHER[@]}" -DCMAKE_CXX_FLAGS="$FLAGS" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DVORDALIS_QT=OFF -DVORDALIS_FUZZ=ON
fi
cmake --build "$ASAN_BUILD_DIR" -j2
