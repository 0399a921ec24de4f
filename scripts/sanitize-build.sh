#!/usr/bin/env bash
# Configures and builds the plain C++ libraries, their tests and the fuzz targets with Clang,
# AddressSanitizer and UndefinedBehaviorSanitizer (no Qt) into ${ASAN_BUILD_DIR:-build-asan}.
# Every sanitizer report is fatal. Used by scripts/test.sh and scripts/fuzz.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
ASAN_BUILD_DIR=${ASAN_BUILD_DIR:-build-asan}
# -O1 and line tables only: quick to build, fast enough to fuzz, and reports still name the
# file and line. The build type is one of its own, so that no other optimisation or debug
# flags are added to these.
FLAGS="-O1 -gline-tables-only -fno-omit-frame-pointer -fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all"
LAUNCHER=()
if command -v ccache >/dev/null; then LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# Configured every time (quick when nothing changed), so that a changed flag reaches a
# build folder made before.
cmake -S . -B "$ASAN_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Sanitize -DCMAKE_CXX_COMPILER="$(command -v clang++)" \
  "${LAUNCHER[@]}" -DCMAKE_CXX_FLAGS="$FLAGS" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DVORDALIS_QT=OFF -DVORDALIS_FUZZ=ON >/dev/null
cmake --build "$ASAN_BUILD_DIR" -j2
