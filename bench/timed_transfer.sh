#!/usr/bin/env bash
# Times the transfer of a 1 MB object from the simulated instrument paced at 38400 baud and
# compares it with the line-rate limit: bytes x 10 / 38400 seconds (8 data bits, start and
# stop bit). Usage: bench/timed_transfer.sh [BUILD_DIR]   (takes about four and a half minutes)
set -euo pipefail
BUILD="${1:-build}/bin"
WORK="$(mktemp -d)"
trap 'kill "$SIM" 2>/dev/null || true; rm -rf "$WORK"' EXIT

# One plain object of exactly 1 000 000 bytes: readings in lines, the terminator at the end.
python3 - "$WORK/store/100001" <<'PY'
import os, sys
os.makedirs(os.path.dirname(sys.argv[1]))
lines, size, i = [], 0, 0
while size < 1_000_000 - 40:
    line = "%d\t%d\t%d\r\n" % (100 + i % 400, 20 + i % 60, i)
    lines.append(line); size += len(line); i += 1
text = "".join(lines)
text += "x" * (1_000_000 - 1 - len(text)) + "\x06"
open(sys.argv[1], "wb").write(text.encode())
PY
BYTES=$(stat -c %s "$WORK/store/100001")

"$BUILD/instrument-sim" --store "$WORK/store" --pace --send plain --rates 38400 > "$WORK/sim.out" &
SIM=$!
for _ in $(seq 50); do [ -s "$WORK/sim.out" ] && break; sleep 0.1; done
DEVICE="$(head -1 "$WORK/sim.out")"

START=$(date +%s.%N)
"$BUILD/vordalis-transfer" --device "$DEVICE" get 100001 -o "$WORK/out" > "$WORK/transfer.out"
END=$(date +%s.%N)
tail -n +2 "$WORK/transfer.out"

python3 - "$START" "$END" "$BYTES" <<'PY'
import sys
start, end, size = float(sys.argv[1]), float(sys.argv[2]), int(sys.argv[3])
limit = size * 10 / 38400
took = end - start
print("object bytes: %d" % size)
print("measured:     %.2f s" % took)
print("line limit:   %.2f s (bytes x 10 / 38400)" % limit)
print("difference:   %+.2f %%" % ((took - limit) / limit * 100))
sys.exit(0 if abs(took - limit) <= 0.05 * limit else 1)
PY
