#!/usr/bin/env python3
"""Writes the sample bar scans (type 2) and rasters (type 3) next to this script.

Bar scans: 256 binary bytes (two blocks of 100 covers at offsets 0 and 128, the header bytes
from offset 247 on), then the text: number, instrument-id token, cover limit and thresholds,
the common trailer (day, month, year, name, title, remarks) ending in CR LF 0x06, and the
number once more as the file's last bytes.

Rasters: text only: number, grid widths (mm, or tenths of an inch), default thresholds, nx and
ny, bar diameter, the statistics line, the covers row by row, an empty field, the
instrument-id token with the current limit and thresholds, and the common trailer.
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
CRLF = b"\r\n"
INCH = 0.0394


def trailer(date, name, title, remarks):
    day, month, year = date
    out = b"%d\t%d\t%d\r\n" % (day, month, year)
    out += b'"' + name.encode("latin-1") + b'"\r\n'
    out += b'"' + title.encode("latin-1") + b'"\r\n'
    out += b'"' + remarks.encode("latin-1") + b'"\r\n\x06'
    return out


def bars(number, first, second, instrument, limits, date, name, title, remarks, length_x=0, length_y=0,
         layer=0, orientation=1, diameter=16, grid_class=2, mark=0):
    data = bytearray(256)
    data[0:100] = bytes(first)
    data[128:228] = bytes(second)
    smallest = lambda scan: min([v for v in scan if v > 0], default=0)
    data[247:256] = bytes([length_x, length_y, layer, smallest(first), smallest(second), orientation, diameter,
                           grid_class, mark])
    text = b"%d\r\n" % number + instrument.encode("latin-1") + b"\t"
    text += b"%d\t%d\t%d\r\n" % limits
    text += trailer(date, name, title, remarks)
    return bytes(data) + text + b"%d" % number


def scan(positions, covers):
    s = [0] * 100
    for p, c in zip(positions, covers):
        s[p] = c
    return s


def raster(number, widths, defaults, nx, covers, diameter, default_limit, limit, instrument, thresholds, date, name,
           title, remarks, layer=0, inches=False):
    ny = len(covers) // nx
    measured = [v for v in covers if v > 0]
    n = len(measured)
    below = sum(1 for v in measured if v < limit)
    share = int(below * 100 / n + 0.5) if n else 0
    out = bytearray(CRLF)
    out += b"%d\r\n" % number
    out += b"%d\t%d\r\n" % widths
    out += b"%d\t%d\r\n" % defaults
    out += b"%d\t%d\r\n" % (nx, ny)
    out += b"%d\t%d\t" % (diameter, n)
    if inches:
        wx, wy = widths[0] // 10, widths[1] // 10
        mean = sum(v * INCH for v in measured) / n
        out += b"%0.3f\t%0.3f\t%0.3f\t" % (mean, min(measured) * INCH, max(measured) * INCH)
        area = (wx / 12) * n * (wy / 12)
    else:
        out += b"%d\t%d\t%d\t" % (int(sum(measured) / n + 0.5), min(measured), max(measured))
        area = n * widths[0] * widths[1] / 1e6
    out += b"%d\t%d\t%0.3f" % (default_limit, share, area)
    out += (b"\t%d\r\n" % layer) if layer > 0 else CRLF
    for r in range(ny):
        out += b"\t".join(b"%d" % v for v in covers[r * nx:(r + 1) * nx]) + CRLF
    out += b"\r\n\x06"
    out += instrument.encode("latin-1") + b"\t" + b"%d\t%d\t%d\r\n" % ((limit,) + thresholds)
    out += trailer(date, name, title, remarks)
    return bytes(out)


def wave(i, base, amplitude, period):
    return int(base + amplitude * math.sin(i / period))


def main():
    samples = {}
    # A mesh scanned in 10 mm steps with bars every 30 mm; the x scan ends after 0.6 m, the y scan
    # after 0.75 m (the strips are drawn as long as the other scan reached).
    xs = list(range(1, 61, 3))
    ys = list(range(1, 76, 3))
    samples["bars_metric.vdo"] = bars(
        200101, scan(xs, [wave(i, 36, 14, 2.2) for i in range(len(xs))]),
        scan(ys, [wave(i, 52, 16, 3.1) for i in range(len(ys))]), "VX(5A-0117;Deck)-", (30, 10, 80), (14, 3, 2025),
        "Miller", "Deck slab", "East bay, bottom layer", layer=30, diameter=12)
    # Inches: 0.2 in steps, a diameter byte of 0 (read as 16 mm); bars every 0.8 in.
    xs = list(range(2, 90, 4))
    ys = list(range(1, 70, 4))
    samples["bars_imperial.vdo"] = bars(
        200102, scan(xs, [wave(i, 44, 12, 2.7) for i in range(len(xs))]),
        scan(ys, [wave(i, 58, 14, 1.9) for i in range(len(ys))]), "V5i(5B-0301;Garage)-", (40, 10, 80),
        (2, 6, 2025), "Baker", "Garage ramp", "Level 2", diameter=0, grid_class=1)
    # The instrument stored the y scan first (orientation 2); the mark byte is set; 20 mm steps.
    ys = list(range(0, 45, 3))
    xs = list(range(1, 60, 3))
    samples["bars_orientation2.vdo"] = bars(
        200103, scan(ys, [wave(i, 30, 9, 2.0) for i in range(len(ys))]),
        scan(xs, [wave(i, 38, 10, 2.4) for i in range(len(xs))]), "VX(5A-0117;Wall)-", (25, 15, 45), (21, 9, 2025),
        "Miller", "Retaining wall", "Orientation 2", orientation=2, mark=1, grid_class=3, length_y=40)
    # 12 x 8 cells of 100 mm, some not measured; the last row and the two right columns are empty.
    nx, ny = 12, 8
    covers = []
    for r in range(ny):
        for c in range(nx):
            v = wave(r * 3 + c * 2, 40, 22, 3.5) + (r * c) % 7
            if r == ny - 1 or c >= nx - 2 or (r, c) in {(1, 3), (4, 7), (2, 0), (5, 5)}:
                v = 0
            covers.append(v)
    samples["raster_metric.vdo"] = raster(
        300201, (100, 100), (10, 80), nx, covers, 12, 25, 25, "VX(5A-0117;Column)-", (15, 70), (7, 4, 2025),
        "Keller", "Column C4", "Raster with unmeasured cells", layer=150)
    # Inches: grid widths of 12.5 in (kept as 12 in, shown in feet).
    nx, ny = 9, 6
    covers = [wave(r * 2 + c, 45, 18, 2.5) for r in range(ny) for c in range(nx)]
    covers[10] = 0
    samples["raster_inch.vdo"] = raster(
        300202, (125, 125), (10, 80), nx, covers, 16, 30, 30, "V5i(5B-0301;Pier)-", (20, 70), (30, 7, 2025), "Baker",
        "Pier cap", "Raster in inches", inches=True)
    for name, data in samples.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
