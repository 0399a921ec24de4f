#!/usr/bin/env python3
"""Writes the sample cover lists (type 1 object files) next to this script.

The files follow the cover list format byte for byte: a CR LF, the kind token, the header
integers separated by TAB, one cover per line, the instrument-id token, the current limit and
the common trailer (day, month, year, name, title, remarks). Texts outside Latin-1 travel in
a wide-text block (03 04 05 06 and four nibble bytes per UTF-16 unit) in front of a quoted
placeholder.
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
CRLF = b"\r\n"


def wide_quoted(text, placeholder):
    if all(ord(c) <= 0xFF for c in text):
        return b'"' + text.encode("latin-1") + b'"'
    units = text.encode("utf-16-le")
    block = bytearray(b"\x03\x04\x05\x06")
    for i in range(0, len(units), 2):
        u = units[i] | (units[i + 1] << 8)
        block += bytes((u >> s) & 0xF for s in (12, 8, 4, 0))
    block += b"\x00\x00\x00\x00"
    return bytes(block) + b'"' + placeholder.encode("latin-1") + b'"'


def cover_list(number, diameter, limit, unit, covers, instrument, date, name, title, remarks,
               layer=0, current_limit=None, to_mm=lambda v: v):
    """covers and diameter in the file's unit; the statistics are written as the instrument does
    (mean, smallest, largest and deviation of the readings above 0)."""
    shown = [to_mm(v) for v in covers if v > 0]
    n = len(shown)
    mean = sum(shown) / n if n else 0.0
    dev = math.sqrt((sum(v * v for v in shown) - sum(shown) ** 2 / n) / (n - 1)) if n > 1 else 0.0
    raw = [v for v in covers if v > 0]
    out = bytearray(CRLF)
    out += b"Vernoskant5\t"
    header = [number, diameter, limit]
    out += b"".join(str(v).encode() + b"\t" for v in header)
    out += unit.encode() + b"\t"
    if layer:
        out += str(layer).encode() + b"\t"
    out += b"%d\t%d\t%d\t%d\t%0.3f" % (len(covers), int(mean + 0.5), min(raw), max(raw), dev) + CRLF
    for i, v in enumerate(covers):
        out += str(v).encode() + CRLF
    out += b"\x1a"
    out += instrument.encode() + b"\t"
    out += str(limit if current_limit is None else current_limit).encode() + CRLF
    day, month, year = date
    out += b"%d\t%d\t%d" % (day, month, year) + CRLF
    out += wide_quoted(name, "Update Vordalis!") + CRLF
    out += wide_quoted(title, "Update Vordalis!") + CRLF
    out += wide_quoted(remarks, "<Update Vordalis to see this remarks!>") + CRLF + b"\x1a"
    return bytes(out)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def main():
    # Metric, bar distance 150 mm, limit 25 mm, one position without a reading; options not
    # stored, so the viewer's default applies.
    write("list_metric.vdo", cover_list(
        100123, 12, 25, "mm",
        [34, 31, 28, 22, 36, 40, 38, 27, 0, 24, 33, 35, 41, 29, 26, 30, 37, 23, 32, 36, 39, 31, 28, 34],
        "V5(20417;S-101)-", (14, 3, 2024), "J. Hale", "Deck east", "Slab underside, axis C, 150 mm bar grid",
        layer=150))
    # Imperial: diameter in eighths of an inch, covers in hundredths; grayscale, grid, values.
    write("list_imperial.vdo", cover_list(
        100007, 5, 38, "inch",
        [150, 162, 141, 175, 133, 158, 149, 170, 126, 155, 161, 147],
        "V5i(20417;S-101)431", (2, 11, 2023), "R. Stone", "Wall W2", "Retaining wall, inside face",
        to_mm=lambda v: (v * 254 + 500) // 1000))
    # Two-layer correction: double bars in the first layer, 25 mm second layer, 150 x 100 mesh;
    # green/red shades, frame, values; the current limit differs from the instrument's.
    write("list_two_layer.vdo", cover_list(
        100045, 16, 30, "mm",
        [42, 47, 39, 28, 51, 44, 36, 29, 48, 45],
        "V5(20417;S-101)863", (21, 6, 2024), "M. Reyes", "Beam B7", "Two-layer mesh, soffit",
        layer=1 | 2 | (1 << 2) | (2 << 4), current_limit=35))
    # Names and texts beyond Latin-1 travel as wide text.
    write("list_cjk.vdo", cover_list(
        100009, 10, 20, "mm",
        [25, 22, 18, 27, 31, 19, 24, 26, 23, 29, 21, 17, 28, 30, 25],
        "V4(88;)-", (5, 1, 2025), "王工程师", "桥墩 P3", "东侧，混凝土保护层检测",
        ))


if __name__ == "__main__":
    main()
