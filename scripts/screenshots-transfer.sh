#!/usr/bin/env bash
# Pictures of the loader and the transfer tool, in English and Chinese, with the simulated
# instrument's folder tree: tamlo_en.png, tamlo_zh.png, ondralink_en.png, ondralink_zh.png.
# Each program takes its own picture (VORDALIS_SCREENSHOT) once it has read the tree.
# Usage: scripts/screenshots-transfer.sh [OUTPUT_FOLDER]   (BUILD_DIR selects the build, default build)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
OUT=$(realpath -m "${1:-$BUILD_DIR/screenshots}")
mkdir -p "$OUT"
nice cmake --build "$BUILD_DIR" -j2 --target tamlo ondralink instrument-sim
bin=$(realpath "$BUILD_DIR/bin")

# Everything the programs and the simulator write stays in a scratch folder: settings, the
# running lock, temporary files.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/vordalis-screenshots.XXXXXX")
sim=''
finish() {
  if [[ -n $sim ]]; then
    kill "$sim" 2>/dev/null || true
    wait "$sim" 2>/dev/null || true
  fi
  rm -rf "$scratch"
}
trap finish EXIT

# The instrument's store: two objects at its root (a name ending in .B is sent unchanged) and
# two in the folder MEAS.
store=$scratch/store
mkdir -p "$store/MEAS"
cp resources/samples/list_metric.vdo "$store/100123.vdo"
cp resources/samples/bars_metric.vdo "$store/200101.B"
cp resources/samples/raster_metric.vdo "$store/MEAS/300202.vdo"
cp resources/samples/list_imperial.vdo "$store/MEAS/100456.vdo"

# The simulator prints the device it serves on as its first line.
"$bin/instrument-sim" --store "$store" >"$scratch/sim.out" &
sim=$!
for _ in $(seq 100); do
  [[ -s $scratch/sim.out ]] && break
  sleep 0.1
done
device=$(head -n 1 "$scratch/sim.out")
if [[ $device != /dev/* ]]; then
  echo "screenshots-transfer: instrument-sim gave no device" >&2
  exit 1
fi

mkdir -m 700 "$scratch/runtime"
mkdir "$scratch/tmp" "$scratch/objects"
for language in 0:en 3:zh; do
  config=$scratch/config-${language#*:}
  mkdir -p "$config/Morvex"
  printf '[Settings]\nLanguage=%s\nDataFolder=%s\n' "${language%%:*}" "$scratch/objects" \
    >"$config/Morvex/Vordalis.conf"
  for program in tamlo ondralink; do
    XDG_CONFIG_HOME=$config XDG_RUNTIME_DIR=$scratch/runtime TMPDIR=$scratch/tmp \
      VORDALIS_SERIAL_PORTS=$device QT_QPA_PLATFORM=offscreen \
      VORDALIS_SCREENSHOT="$OUT/${program}_${language#*:}.png" "$bin/$program"
  done
done
