#!/usr/bin/env python3
"""Writes the rebound series samples (object type 6) into resources/samples.

The files follow the series file format byte by byte: the instrument's header, the values,
the instrument-id token and, for files the viewer has saved, the extension with the evaluation
settings and the three wide-capable texts. Run from anywhere; the output folder is fixed.
"""
import os

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources', 'samples')


def field(v):
    """An int field: decimal, or "-" for 0 or less."""
    return str(v) if v > 0 else '-'


def wide_text(text, replacement):
    """A quoted text; one that does not fit in single bytes goes into the wide block."""
    if all(ord(c) <= 0xFF for c in text):
        return b'"' + text.encode('latin-1') + b'"'
    block = bytearray(b'\x03\x04\x05\x06')
    units = text.encode('utf-16-be')
    for i in range(0, len(units), 2):
        u = (units[i] << 8) | units[i + 1]
        block += bytes((u >> s) & 0x0F for s in (12, 8, 4, 0))
    block += b'\x00\x00\x00\x00'
    return bytes(block) + b'"' + replacement.encode('latin-1') + b'"'


def series(number, name, date, values, variant=1, aux=0, direction=1, outliers=0, curve_code=4,
           limits=(20, 55), carbonation=0, factors=(1.0, 1.0), unit=1,
           free=((0.0, 0.0, 0.0),) * 3, ident='TH(40112;0731)', options=None, ext=None):
    t = 'TORVIHAMMER\t%04d\t"%s"\t' % (number, name)
    t += ''.join(field(v) + '\t' for v in date)
    t += '%s\t%s\t%d\t' % (field(variant), field(aux), len(values))
    t += ''.join(field(v) + '\t' for v in (direction, outliers, curve_code, limits[0], limits[1], carbonation))
    t += '%0.2f\t%0.2f\t%s\r\n' % (factors[0], factors[1], field(unit))
    for a, b, c in free:
        t += '%0.4f\t%0.2f\t%0.1f\r\n' % (a, b, c)
    t += ''.join('%d\r\n' % v for v in values[:-1]) + '%d\r\n\x1a' % values[-1]
    ident = ident.replace(' ', '')
    data = t.encode('latin-1') + ident.encode('latin-1') + (str(options) if options else '-').encode()
    if ext is None:
        return data + b'\x1a'
    e = ext
    flags = (e.get('mean_line', 0) | e.get('limits', 0) << 1 | e.get('limits_initial', 1) << 2 |
             e.get('conversion_initial', 1) << 3 | e.get('parameters_initial', 1) << 4 | 1 << 5 |
             e.get('median', 0) << 6)
    x = ''.join(field(v) + '\t' for v in (e['curve'], e['unit'], e.get('carbonation', 0), e.get('direction', direction),
                                            e['lower'], e['upper'], flags))
    x += '%0.2f\t%0.2f\t' % e.get('factors', (1.0, 1.0))
    x += '%0.4f\t%0.2f\t%0.1f\r\n' % e.get('fx', (0.0, 0.0, 0.0))
    texts = (wide_text(e.get('name', ''), 'Update Vordalis!') + b'\r\n' +
             wide_text(e.get('title', ''), 'Update Vordalis!') + b'\r\n' +
             wide_text(e.get('remarks', ''), '<Update Vordalis to see this remarks!>') + b'\r\n\x1a')
    return data + b'\t\n' + x.encode('latin-1') + texts


WALL = [42, 45, 39, 44, 47, 41, 43, 46, 40, 38, 44, 45, 42, 49, 43, 41, 44, 46, 42, 40]
COLUMN = [36, 38, 35, 37, 40, 34, 36, 39, 33, 37]
SLAB = [31, 33, 30, 35, 29, 32, 34, 28, 31, 33, 30, 32]
# Options word: header, chart, statistics, table, values, axis, spectral colours.
OPTS = 0x643F

SAMPLES = {
    # The instrument's own file: no extension, the instrument's limits and settings.
    'rebound_instrument.vdo': series(17, 'PIER 2', (2024, 3, 11, 9, 42), COLUMN, curve_code=4, limits=(30, 45)),
    # The maker's curve, first coefficient set, with limits and mean line.
    'rebound_morvex_curve.vdo': series(
        21, 'WALL NORTH', (2024, 4, 2, 10, 15), WALL, curve_code=4, limits=(40, 48), options=OPTS,
        ext=dict(curve=1, unit=1, lower=40, upper=48, limits=1, mean_line=1, name='J. Doe',
                 title='Wall north 0021', remarks='Level 2, grid C-D, dry surface')),
    # A J curve of the second hammer variant, in kg/cm², measured downward and shown horizontal.
    'rebound_j_curve.vdo': series(
        22, 'SLAB 3', (2024, 4, 3, 8, 5), SLAB, variant=2, direction=5, curve_code=6, limits=(0, 99),
        carbonation=2, unit=4, options=OPTS,
        ext=dict(curve=3, unit=4, carbonation=2, direction=1, lower=25, upper=40, limits=1,
                 conversion_initial=0, parameters_initial=0, title='Slab 3 horizontal')),
    # A JAP curve in psi.
    'rebound_jap_curve.vdo': series(23, 'BEAM B7', (2024, 5, 14, 13, 30), COLUMN, curve_code=16, unit=3,
                                    limits=(30, 30)),
    # A free curve from the instrument's header (F2), with form and time factors.
    'rebound_free_curve.vdo': series(
        24, 'CORE TEST', (2024, 6, 1, 16, 45), WALL, curve_code=2, factors=(0.95, 0.90),
        free=((0.0100, 0.50, -5.0), (0.0150, 0.62, -8.5), (0.0, 1.10, -12.0))),
    # The special conversion Fx set in the viewer.
    'rebound_fx_curve.vdo': series(
        25, 'WALL SOUTH', (2024, 6, 20, 11, 0), WALL, curve_code=4, options=OPTS,
        ext=dict(curve=15, unit=2, lower=38, upper=50, limits=1, mean_line=1, conversion_initial=0,
                 fx=(0.0125, 0.35, 2.5), title='Wall south Fx')),
    # Median evaluation as the instrument's outlier setting; one value far off.
    'rebound_median.vdo': series(26, 'STAIR', (2024, 7, 8, 7, 55), [44, 46, 45, 12, 47, 43, 45, 44, 46, 45],
                                 outliers=4, curve_code=4, limits=(40, 50)),
    # Texts beyond single bytes in the remark, name and title.
    'rebound_cjk_remark.vdo': series(
        27, 'COLUMN C1', (2024, 8, 30, 15, 20), COLUMN, curve_code=5, options=OPTS,
        ext=dict(curve=2, unit=2, lower=30, upper=45, limits=1, name='\u738b\u5de5',
                 title='\u67f1 C1 \u56de\u5f39', remarks='\u4e8c\u5c42\u67f1\u5b50\uff0c\u8868\u9762\u5e72\u71e5')),
}

if __name__ == '__main__':
    for name, data in SAMPLES.items():
        with open(os.path.join(OUT, name), 'wb') as f:
            f.write(data)
        print(name, len(data))
