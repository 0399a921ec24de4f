#!/usr/bin/env bash
# The main job: builds when needed and starts the viewer on a bundled sample object.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
shopt -s nullglob
samples=(resources/samples/*.vdo)
if [ ${#samples[@]} -eq 0 ]; then
  echo "no sample objects in resources/samples" >&2
  exit 1
fi
BUILD_DIR=${BUILD_DIR:-build}
# The viewer gets a copy, so that a save (Ctrl+S) never changes the repository's sample. A copy
# already there is the user's and stays as it is.
mkdir -p "$BUILD_DIR/try"
sample=$BUILD_DIR/try/list_metric.vdo
cp -n resources/samples/list_metric.vdo "$sample"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  # The viewer on a sample cover list.
  echo "opening a copy of the sample: $sample"
  exec "$BUILD_DIR/bin/vordalis" "$sample"
fi
# No display: describe the samples and show what the viewer's window looks like as a picture.
"$BUILD_DIR/bin/vordalis-cli" info "${samples[@]}"
shot=$BUILD_DIR/vordalis-window.png
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bin/vordalis-shot" "$shot" "$sample" 2>/dev/null
echo "no display: the viewer's window on $sample is in $shot (run 'xvfb-run $BUILD_DIR/bin/vordalis $sample' or use a desktop)"
