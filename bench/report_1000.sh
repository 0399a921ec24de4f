#!/usr/bin/env bash
# Times a report over 1 000 object files (the samples over and over) and its peak memory, and
# compares them with 10 s and 300 MB. Usage: bench/report_1000.sh [BUILD_DIR]
set -euo pipefail
BUILD="${1:-build}/bin"
SAMPLES="$(cd "$(dirname "$0")/../resources/samples" && pwd)"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

# The samples themselves (summaries find their members beside them), then copies up to 1 000.
cp "$SAMPLES"/*.vdo "$WORK/"
mapfile -t SOURCES < <(ls "$SAMPLES"/*.vdo)
FILES=()
for i in $(seq 0 999); do
    src="${SOURCES[$((i % ${#SOURCES[@]}))]}"
    dst="$WORK/$(printf '%04d' "$i")_$(basename "$src")"
    cp "$src" "$dst"
    FILES+=("$dst")
done

export XDG_CONFIG_HOME="$WORK/config" QT_QPA_PLATFORM=offscreen
/usr/bin/time -v "$BUILD/vordalis-cli" report "${FILES[@]}" -o "$WORK/report.pdf" 2> "$WORK/time.txt" || true
grep -E "Elapsed|Maximum resident" "$WORK/time.txt"
PAGES=$(pdfinfo "$WORK/report.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
echo "objects: ${#FILES[@]}  pages: ${PAGES:-?}  size: $(stat -c %s "$WORK/report.pdf") bytes"

python3 - "$WORK/time.txt" <<'PY'
import re, sys
text = open(sys.argv[1]).read()
clock = re.search(r"Elapsed \(wall clock\) time.*: (?:(\d+):)?(\d+):([\d.]+)", text)
secs = int(clock.group(1) or 0) * 3600 + int(clock.group(2)) * 60 + float(clock.group(3))
rss = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", text).group(1)) / 1024
print("time %.2f s (limit 10 s): %s" % (secs, "ok" if secs < 10 else "TOO SLOW"))
print("memory %.0f MB (limit 300 MB): %s" % (rss, "ok" if rss < 300 else "TOO MUCH"))
PY
