#!/usr/bin/env bash
# Screenshots of the viewer's main window with every sample object, in all five languages,
# at 100 % and at a high-DPI scale factor, and of the viewer's own dialogs (title and remarks,
# page borders, About). Usage: scripts/screenshots.sh [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
OUT=${1:-$BUILD_DIR/screenshots}
cmake --build "$BUILD_DIR" --target vordalis-shot vordalis >/dev/null
mkdir -p "$OUT"
# A settings folder of its own, so the user's settings stay untouched.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
shopt -s nullglob
for sample in resources/samples/*.vdo; do
  name=$(basename "$sample" .vdo)
  for lang in 0:en 1:fr 2:de 3:zh_CN 4:ru; do
    for scale in 1 2; do
      out="$OUT/${name}_${lang#*:}_x${scale}.png"
      QT_SCALE_FACTOR=$scale "$BUILD_DIR/bin/vordalis-shot" "$out" --language "${lang%%:*}" "$sample" 2>/dev/null
    done
  done
done
for lang in 0:en 1:fr 2:de 3:zh_CN 4:ru; do
  for dialog in 2009:title 2023:pageborder 57664:about; do
    "$BUILD_DIR/bin/vordalis-shot" "$OUT/dialog_${dialog#*:}_${lang#*:}.png" --language "${lang%%:*}" \
      --command "${dialog%%:*}" resources/samples/list_metric.vdo 2>/dev/null
  done
done
