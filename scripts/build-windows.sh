#!/usr/bin/env bash
# Cross-builds the plain C++ libraries, the command-line tools and their tests for 64-bit
# Windows with MinGW-w64 into ${WINDOWS_BUILD_DIR:-build-windows} (no Qt). scripts/test-windows.sh
# runs the result under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
WINDOWS_BUILD_DIR=${WINDOWS_BUILD_DIR:-build-windows}
LAUNCHER=()
if command -v ccache >/dev/null; then LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
if [ ! -f "$WINDOWS_BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S . -B "$WINDOWS_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake "${LAUNCHER[@]}" -DVORDALIS_QT=OFF
fi
cmake --build "$WINDOWS_BUILD_DIR" -j2
