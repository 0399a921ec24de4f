#!/usr/bin/env bash
# Builds the Windows programs and tests (scripts/build-windows.sh) and runs them under Wine:
# every test binary through CTest, then the command-line tools against the Linux build's (built
# by scripts/build.sh unless there), which must print and write the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
bash scripts/build-windows.sh
BUILD_DIR=${BUILD_DIR:-build}
WINDOWS_BUILD_DIR=${WINDOWS_BUILD_DIR:-build-windows}
root=$(pwd)
linux_bin="$root/$BUILD_DIR/bin"
windows_bin="$root/$WINDOWS_BUILD_DIR/bin"

# A private Wine prefix, made afresh, so that nothing of the user's own Wine is used or changed.
export WINEPREFIX="$root/$WINDOWS_BUILD_DIR/wine-prefix"
export WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko installer dialogs when the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"

# The script starts the server itself, in the foreground and persistent: a server that wine
# starts on demand would take the terminal of whatever program started it first (the simulated
# instrument's pseudo-terminal) as its controlling terminal and dump its state on hang-up.
wineserver -f -p </dev/null >/dev/null 2>&1 &
server=$!
sim=""
stop() {
  if [ -n "$sim" ]; then kill "$sim" 2>/dev/null || true; fi
  wineserver -k 2>/dev/null || true
  wait "$server" 2>/dev/null || true
}
trap stop EXIT
# Makes the prefix and starts Wine's services; without it the first test can hang.
wine cmd /c exit </dev/null >/dev/null 2>&1

started=$(date +%s)
(cd "$WINDOWS_BUILD_DIR" && ctest --output-on-failure -j2 --timeout 300)

fail() { echo "test-windows: $*" >&2; exit 1; }
work="$root/$WINDOWS_BUILD_DIR/compare"
rm -rf "$work"
mkdir -p "$work/linux" "$work/windows"

# vordalis-cli: type and info over every sample (the same relative paths, so even the paths in
# the JSON agree), convert and export of each; the same output, the same files, the same status.
samples=(resources/samples/*.vdo)
for command in type info export; do
  "$linux_bin/vordalis-cli" "$command" "${samples[@]}" >"$work/linux/$command.out" || fail "linux $command failed"
  wine "$windows_bin/vordalis-cli.exe" "$command" "${samples[@]}" >"$work/windows/$command.out" \
    || fail "windows $command failed"
  cmp "$work/linux/$command.out" "$work/windows/$command.out" || fail "vordalis-cli $command differs"
done
for sample in "${samples[@]}"; do
  name=$(basename "$sample")
  "$linux_bin/vordalis-cli" convert "$sample" -o "$work/linux/$name" || fail "linux convert $name failed"
  wine "$windows_bin/vordalis-cli.exe" convert "$sample" -o "$work/windows/$name" </dev/null \
    || fail "windows convert $name failed"
  # A summary names its members by the absolute paths they were found at: Z:\work\... under
  # Wine for /work/...; paths aside, the bytes are the same.
  if [[ $name == summary_* ]]; then
    sed -i -e 's|^"Z:\\|"/|' -e '/^"\//s|\\|/|g' "$work/windows/$name"
  fi
  cmp "$work/linux/$name" "$work/windows/$name" || fail "vordalis-cli convert $name writes other bytes"
done
echo "test-windows: vordalis-cli type, info, export and convert agree on ${#samples[@]} samples"
# vordalis-transfer against the simulated instrument of the Linux build, the port given as the
# pseudo-terminal's path (Wine opens /dev/pts/N directly): list and get --all by the Windows
# tool, then by the Linux tool, then get --all --overwrite by the Windows tool again; the same
# listing, the same saved files.
store="$work/store"
mkdir -p "$store/MEAS"
cp resources/samples/list_*.vdo "$store/"
cp resources/samples/bars_*.vdo resources/samples/raster_*.vdo "$store/MEAS/"
"$linux_bin/instrument-sim" --store "$store" </dev/null >"$work/sim.out" 2>"$work/sim.err" &
sim=$!
for _ in $(seq 100); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
device=$(head -n 1 "$work/sim.out")
[ -n "$device" ] || fail "the simulated instrument did not start: $(cat "$work/sim.err")"
for side in windows linux; do
  if [ "$side" = windows ]; then tool=(wine "$windows_bin/vordalis-transfer.exe"); else tool=("$linux_bin/vordalis-transfer"); fi
  "${tool[@]}" --device "$device" list </dev/null >"$work/$side/list.out" || fail "$side vordalis-transfer list failed"
  "${tool[@]}" --device "$device" get --all -o "$work/$side/received" </dev/null >/dev/null \
    || fail "$side vordalis-transfer get --all failed"
done
cmp "$work/linux/list.out" "$work/windows/list.out" || fail "vordalis-transfer list differs"
diff -r "$work/linux/received" "$work/windows/received" || fail "vordalis-transfer get --all saved other files"
wine "$windows_bin/vordalis-transfer.exe" --device "$device" get --all -o "$work/windows/received" --overwrite \
  </dev/null >/dev/null || fail "windows vordalis-transfer get --all --overwrite failed"
diff -r "$work/linux/received" "$work/windows/received" || fail "vordalis-transfer get --overwrite saved other files"
echo "test-windows: vordalis-transfer list and get --all agree: $(find "$work/windows/received" -type f | wc -l) objects"
echo "test-windows: Windows part took $(( $(date +%s) - started )) s after the build"
