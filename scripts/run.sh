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
sample=resources/samples/list_metric.vdo
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  # The viewer on a sample cover list.
  exec "$BUILD_DIR/bin/vordalis" "$sample"
fi
# No display: describe the samples and show what the viewer's window looks like as a picture.
"$BUILD_DIR/bin/vordalis-cli" info "${samples[@]}"
shot=$BUILD_DIR/vordalis-window.png
XDG_CONFIG_HOME=$(mktemp -d) QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bin/vordalis-shot" "$shot" "$sample" 2>/dev/null
echo "no display: the viewer's window on $sample is in $shot (run 'xvfb-run $BUILD_DIR/bin/vordalis $sample' or use a desktop)"
