#!/usr/bin/env bash
# Times `vordalis-transfer get --all` of many small objects from the simulated instrument paced
# at 38400 baud: 100 objects of 1 000 bytes, then 100 of 200 bytes. Each run is divided by the
# line-rate limit of every byte that went over the line in both directions (commands, echoes,
# answers, listing and objects at the rate in effect, 10 bits a byte), which the simulator
# prints when it stops. Goal: at most 1.15.
# Usage: bench/many_objects.sh [BUILD_DIR]   (takes about a minute)
set -euo pipefail
BUILD="${1:-build}/bin"
WORK="$(mktemp -d)"
SIM=""
trap '[ -n "$SIM" ] && kill "$SIM" 2>/dev/null; rm -rf "$WORK"' EXIT
STATUS=0

run() { # COUNT SIZE
    local count=$1 size=$2 store="$WORK/store-$1x$2"
    # Plain objects of exactly SIZE bytes: readings in lines, the terminator at the end.
    python3 - "$store" "$count" "$size" <<'PY'
import os, sys
store, count, size = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
os.makedirs(store)
for n in range(count):
    lines, i = "", 0
    while len(lines) < size - 20:
        lines += "%d\t%d\r\n" % (100 + (n + i) % 400, 20 + i % 60); i += 1
    text = lines + "x" * (size - 1 - len(lines)) + "\x06"
    open(os.path.join(store, "%06d" % (100001 + n)), "wb").write(text.encode())
PY
    "$BUILD/instrument-sim" --store "$store" --pace --send plain --rates 38400 > "$WORK/sim.out" &
    SIM=$!
    for _ in $(seq 50); do [ -s "$WORK/sim.out" ] && break; sleep 0.1; done
    local device start end
    device="$(head -1 "$WORK/sim.out")"
    start=$(date +%s.%N)
    "$BUILD/vordalis-transfer" --device "$device" get --all -o "$WORK/out-$1x$2" > "$WORK/transfer.out"
    end=$(date +%s.%N)
    kill -TERM "$SIM"
    wait "$SIM" || true
    SIM=""
    local saved
    saved=$(($(wc -l < "$WORK/transfer.out") - 1))
    python3 - "$start" "$end" "$count" "$size" "$saved" "$(tail -1 "$WORK/sim.out")" <<'PY' || STATUS=1
import re, sys
start, end = float(sys.argv[1]), float(sys.argv[2])
count, size, saved, stats = int(sys.argv[3]), int(sys.argv[4]), int(sys.argv[5]), sys.argv[6]
m = re.match(r"sent (\d+) bytes, received (\d+) bytes, line time ([\d.]+) s", stats)
if not m:
    sys.exit("the simulator printed no line statistics: " + stats)
sent, received, limit = int(m.group(1)), int(m.group(2)), float(m.group(3))
took = end - start
print("%d objects of %d bytes: %d saved" % (count, size, saved))
print("  on the wire: %d bytes sent, %d received" % (sent, received))
print("  measured:    %.2f s" % took)
print("  line limit:  %.2f s" % limit)
print("  ratio:       %.3f (goal <= 1.15)" % (took / limit))
sys.exit(0 if saved == count and took <= 1.15 * limit else 1)
PY
}

run 100 1000
run 100 200
exit $STATUS
