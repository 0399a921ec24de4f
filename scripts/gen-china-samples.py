#!/usr/bin/env python3
"""Writes the JGJ/T 23 sample objects and the rebound summaries over them into resources/samples.

The China files follow the object layout of type 8: a header line, the readings (a 2011
reading the instrument dropped as an outlier is stored plus 128), the instrument-id token and,
for files the viewer has saved, the extension with the settings in effect and the texts.
Summaries list their members relative to the summary's own folder.
"""
import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "resources", "samples")


def dash(v):
    return "-" if v <= 0 else "%d" % v


def china(name, *, edition2011, number, series, date, readings, angle=5, limits=(20, 45), surface=2,
          conversion=1, depth=0.0, pump=0, general=(0.0, 0.0, 0.0), n_m=(16, 3), flagged=(),
          extension=None, ident="TH(07-3311;2.04)"):
    t = []
    head = "TORVCHINA*" if edition2011 else "TORVCHINA"
    t.append("%s\t%04d\t\"%s\"\t" % (head, number, series))
    t.append("\t".join(dash(v) for v in date) + "\t")
    t.append("%s\t%s\t%s\t" % (dash(1), dash(0), dash(len(readings))))
    t.append("\t".join(dash(v) for v in (angle, limits[0], limits[1], surface, conversion)) + "\t")
    t.append("%0.1f\t%d\t" % (depth, 1 if pump else 0))
    t.append("".join("%0.5f\t" % c for c in general))
    t.append("%s\t%s\r\n" % (dash(n_m[0]), dash(n_m[1])))
    for i, r in enumerate(readings):
        v = r + 128 if i in flagged else r
        t.append("%d\r\n" % v + ("\x1a" if i + 1 == len(readings) else ""))
    if extension is None:
        # As the transfer tool stores it: the label, "0" and the final byte once more.
        t.append(ident + "0\x1a")
    else:
        e = extension
        t.append(ident + "-\t")
        t.append("\t".join(dash(v) for v in (e["angle"], e["conversion"], e["surface"], e["lower"], e["upper"],
                                               e["n"], e["m"])) + "\t")
        t.append("%0.1f\t" % e["depth"])
        t.append("".join("%0.5f\t" % c for c in e["general"]))
        t.append("%s\r\n" % dash(e["flags"]))
        t.append('"%s"\r\n"%s"\r\n"%s"\r\n\x1a' % (e["name"], e["title"], e["remarks"]))
    with open(os.path.join(OUT, name), "wb") as f:
        f.write("".join(t).encode("latin-1"))


def summary(name, tag, members, date=(2026, 3, 20, 16, 5), extension=None):
    t = "TORVDIR\t%s\t%s\r\n" % (tag, "\t".join(dash(v) for v in date[:4]) + "\t" + dash(date[4]))
    t += "".join('"%s"\r\n' % m for m in members)
    if extension is None:
        # As the summary builder writes it.
        t += '".end"\r\n\x1a'
    else:
        # As the viewer saves it: unit, limits, flag word, then name, title and remarks.
        e = extension
        t += '".end"\r\n'
        t += "%s\t%s\t%s\t%s\r\n" % (dash(e["unit"]), dash(e["lower"]), dash(e["upper"]), dash(e["flags"]))
        t += '"%s"\r\n"%s"\r\n"%s"\r\n\x1a' % (e["name"], e["title"], e["remarks"])
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(t.encode("latin-1"))


def main():
    # 2001 edition as the instrument stores it: horizontal, side face, table, d = 1.0 mm.
    china("china_2001.vdo", edition2011=False, number=12, series="PIER-A", date=(2026, 3, 14, 10, 25),
          readings=[36, 34, 38, 35, 33, 37, 36, 35, 34, 39, 36, 35, 33, 37, 36, 34], depth=1.0)
    # 2011 edition, table conversion: the reader drops the 3 highest and 3 lowest readings.
    china("china_2011.vdo", edition2011=True, number=13, series="PIER-B", date=(2026, 3, 14, 10, 41),
          readings=[41, 38, 44, 39, 40, 47, 38, 42, 31, 40, 39, 43, 41, 36, 40, 42], depth=1.5, angle=3,
          surface=1)
    # 2011 edition, general conversion: the instrument flagged 6 readings (3 at each end).
    china("china_general.vdo", edition2011=True, number=14, series="WALL-C", date=(2026, 3, 15, 9, 3),
          readings=[32, 30, 35, 29, 31, 33, 26, 30, 31, 38, 32, 30, 37, 31, 27, 33], conversion=2,
          depth=2.0, general=(0.02497, 2.01080, -0.03580), flagged=(2, 6, 9, 12, 14, 3))
    # Pump concrete, 2001 edition, saved by the viewer with settings, limits and texts.
    china("china_pump.vdo", edition2011=False, number=15, series="SLAB-D", date=(2026, 3, 16, 14, 12),
          readings=[33, 31, 34, 32, 30, 35, 33, 32, 31, 34, 33, 32, 30, 33, 34, 32], angle=1, surface=3,
          depth=0.5, pump=1,
          extension=dict(angle=1, conversion=1, surface=3, lower=28, upper=34, n=16, m=3, depth=0.5,
                         general=(0.0, 0.0, 0.0), flags=0x01 | 0x02 | 0x04 | 0x10 | 0x20 | 0x40,
                         name="Slab D", title="Slab D level 2", remarks="Pumped C30, cast 2025-11"))
    summary("summary_china.vdo", "TORVCHINASINGLE",
            ["china_2001.vdo", "china_2011.vdo", "china_general.vdo", "china_pump.vdo"])
    # Batch evaluation saved with limits 25..45 MPa shown, the mean line and a title.
    summary("summary_china_batch.vdo", "TORVCHINABATCH",
            ["china_2001.vdo", "china_2011.vdo", "china_general.vdo", "china_pump.vdo"],
            extension=dict(unit=2, lower=25, upper=45, flags=0x01 | 0x02 | 0x10, name="Block 3",
                           title="Block 3 columns", remarks="Batch of four areas"))
    # A series summary over the rebound series samples (mean mode: not every member uses the median).
    summary("summary_series.vdo", "TORVIHAMMER",
            ["rebound_instrument.vdo", "rebound_morvex_curve.vdo", "rebound_median.vdo",
             "rebound_cjk_remark.vdo", "rebound_j_curve.vdo"])


if __name__ == "__main__":
    main()
