#!/usr/bin/env bash
# The main job: builds when needed and shows the bundled sample objects.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
shopt -s nullglob
samples=(resources/samples/*.vdo)
if [ ${#samples[@]} -eq 0 ]; then
  echo "no sample objects in resources/samples" >&2
  exit 1
fi
"${BUILD_DIR:-build}/bin/vordalis-cli" info "${samples[@]}"
