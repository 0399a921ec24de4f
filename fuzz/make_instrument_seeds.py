#!/usr/bin/env python3
"""Writes the seed corpus of the instrument fuzz target (fuzz/corpus/instrument): scripts of
what an instrument sends to vordalis-transfer get --all. Every command is answered as the
instrument does: prompt ">", the echo of the command, a blank, the answer, CR LF; the object's
bytes follow the answer to LD."""
import os

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "instrument")


def said(command, answer):
    return b">" + command + b" " + answer + b"\r\n"


def identified(cp=True):
    s = said(b"ID", b"VERNOSKANT 5; 12-7702; 1.5")
    if not cp:
        return s + said(b"CP1?", b"N") + b"".join(said(b"BR%d?" % r, b"N") for r in
                                                  (38400, 28800, 23040, 19200, 14400, 12800, 11520))
    return s + said(b"CP1?", b"Y") + said(b"CP1", b"OK") + said(b"BR38400?", b"Y") + said(b"BR38400", b"OK")


def listing(entries):
    """FF/FN answers of one folder: entries are names, folders ending in a backslash."""
    s = b""
    for i, e in enumerate(entries):
        s += said(b"FN" if i else b"FF", b'"' + e + b'"')
    return s + said(b"FN" if entries else b"FF", b"?")


def cd(name):
    return said(b'CD"' + name + b'"', b"OK")


LIST = b"VERNOSKANT 5 123456\r\n000123\t12\t14\r\n15\r\n15\r\n16\r\n15\r\n15\r\n15\r\n\x06"
PACKED_LIST = bytes([0xC1]) + b"\x06\x00 \r\n\t" + b"not really packed\x0e"

seeds = {
    # One object in the root: identified, listed, saved.
    "get-root-object": identified() + said(b"CD\\", b"OK") + listing([b"000123.VDO"]) + cd(b"\\")
    + said(b'LD"000123"', b"OK") + LIST,
    # Without the packed mode and the faster rates; a folder with an object inside.
    "get-in-folder": identified(cp=False) + said(b"CD\\", b"OK") + listing([b"MEAS\\"]) + cd(b"MEAS")
    + listing([b"100200"]) + said(b"CD..", b"OK") + cd(b"\\") + cd(b"MEAS") + said(b'LD"100200"', b"OK")
    + LIST,
    "packed-header": identified() + said(b"CD\\", b"OK") + listing([b"000123.VDO"]) + cd(b"\\")
    + said(b'LD"000123"', b"OK") + PACKED_LIST,
    # Hostile listings: an object name that the listing cuts to nothing at its first dot, and
    # a folder that would climb out of the output folder.
    "object-name-of-dots": identified() + said(b"CD\\", b"OK") + listing([b"../../x.VDO"]) + cd(b"\\")
    + said(b'LD""', b"OK") + LIST,
    "folder-climbs-out": identified() + said(b"CD\\", b"OK") + listing([b"../..\\"]) + cd(b"../..")
    + listing([b"000123.VDO"]) + said(b"CD..", b"OK") + cd(b"\\") + cd(b"../..")
    + said(b'LD"000123"', b"OK") + LIST,
}

os.makedirs(HERE, exist_ok=True)
for name, script in seeds.items():
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(script)
