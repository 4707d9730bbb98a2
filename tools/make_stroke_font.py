#!/usr/bin/env python3
"""Build the stroke font font.001 from the Hershey simplex sans-serif font.

Usage: make_stroke_font.py [HERSHEY_FILE] [OUTPUT]
  HERSHEY_FILE  default /usr/share/hershey-fonts/futural.jhf
                (Debian package hershey-fonts-data)
  OUTPUT        default examples/suite/progra/font.001

The output is CP1252 text with CR LF line ends. Line 1 is the spacing (the
percentage of the character pitch left empty between characters); every
further line is one character: column 1 the character, then one 8-column
group per stroke, "x1y1x2y2" with each coordinate in two columns (0..99), in
a cell whose baseline is at y = 30. A character has at most 50 strokes.

Hershey glyphs are already polylines, so every curve arrives as short
straight strokes. The accented Italian letters are built from the base letter
and an accent stroke, the degree sign from a small polygon. A glyph that
needs more than 50 strokes is simplified (Douglas-Peucker, growing tolerance)
until it fits. The acknowledgement that the Hershey licence asks for is
written beside the font (font.001.LEGGIMI).

The script is run by hand; its output is committed.
"""

import math
import os
import sys

ENCODING = "cp1252"
EOL = "\r\n"

SPACING = 20          # per cent of the pitch left between characters
BASELINE = 30         # cell row of the baseline
MAX_STROKES = 50
CELL_MAX = 99

# Hershey units (y grows downwards, baseline at +9, capitals reach -12) to
# cell units. The vertical scale leaves the brackets (4 units above the
# capitals) inside the cell. The horizontal one makes glyphs up to 9 units
# either side of their centre (every capital but W, every digit) fill the
# cell, the spacing keeping them apart; the few wider ones are squeezed.
# With the pitch equal to the height, as the drawings use them, capitals come
# out about three quarters as wide as they are high.
HERSHEY_BASELINE = 9
SCALE_Y = 2.75
SCALE_X = 5.5
CELL_CENTRE_X = 49.5

ACKNOWLEDGEMENT = """\
Il file font.001 di questa cartella è stato ricavato dai caratteri di
Hershey (file futural.jhf del pacchetto Debian hershey-fonts-data) con lo
script tools/make_stroke_font.py. La loro licenza chiede che questi
riconoscimenti accompagnino i dati dei caratteri:

- The Hershey Fonts were originally created by Dr.
  A. V. Hershey while working at the U. S.
  National Bureau of Standards.
- The format of the Font data in this distribution
  was originally created by
    James Hurt
    Cognition, Inc.
    900 Technology Park Drive
    Billerica, MA 01821
    (mit-eddie!ci-dandelion!hurt)

The font data in this distribution may be converted into any other format
EXCEPT the format distributed by the U.S. NTIS.

Formato di font.001: riga 1 la spaziatura (percentuale del passo lasciata
vuota tra due caratteri); ogni altra riga un carattere: colonna 1 il
carattere, poi un gruppo di 8 colonne per tratto, x1 y1 x2 y2 in due colonne
ciascuno (0..99), linea di base a y = 30; al massimo 50 tratti.
"""


def read_hershey(path):
    """Glyphs of a .jhf file in order: lists of polylines [(x, y), ...] plus
    the left and right bounds. Long glyphs may continue on following lines;
    the vertex count says how many characters belong to the glyph."""
    with open(path, "r", encoding="ascii") as f:
        text = f.read()
    lines = text.splitlines()
    glyphs = []
    i = 0
    while i < len(lines):
        line = lines[i]
        i += 1
        if not line.strip():
            continue
        count = int(line[5:8])
        body = line[8:]
        while len(body) < 2 * count and i < len(lines):
            body += lines[i]
            i += 1
        body = body[: 2 * count]
        left = ord(body[0]) - ord("R")
        right = ord(body[1]) - ord("R")
        polylines = []
        current = []
        for k in range(2, len(body), 2):
            pair = body[k:k + 2]
            if pair == " R":
                if current:
                    polylines.append(current)
                current = []
                continue
            current.append((ord(pair[0]) - ord("R"), ord(pair[1]) - ord("R")))
        if current:
            polylines.append(current)
        glyphs.append((polylines, left, right))
    return glyphs


def ascii_glyphs(path):
    glyphs = read_hershey(path)
    if len(glyphs) < 95:
        sys.exit(f"{path}: {len(glyphs)} glifi, ne servono 95 (ASCII 32..126)")
    return {chr(32 + k): glyphs[k][0] for k in range(95)}


# --- composed characters -------------------------------------------------

def shifted(polylines, dx=0.0, dy=0.0, sy=1.0):
    """Polylines moved by (dx, dy) after scaling heights about the baseline."""
    return [[(x + dx, HERSHEY_BASELINE + (y - HERSHEY_BASELINE) * sy + dy)
             for x, y in pl] for pl in polylines]


def accent(kind, x_centre, bottom):
    """One accent stroke whose lower end is at height bottom (Hershey y)."""
    height, lean = 4.0, 2.0
    top = bottom - height
    if kind == "grave":
        return [[(x_centre - lean, top), (x_centre + lean, bottom)]]
    return [[(x_centre + lean, top), (x_centre - lean, bottom)]]


def ink_box(polylines):
    xs = [x for pl in polylines for x, _ in pl]
    ys = [y for pl in polylines for _, y in pl]
    return min(xs), max(xs), min(ys), max(ys)


def dotless(polylines):
    """The letter i without its dot: the dot is the short polyline above the
    x-height."""
    return [pl for pl in polylines if min(y for _, y in pl) > -8]


def accented_lower(base, kind):
    x0, x1, top, _ = ink_box(base)
    return base + accent(kind, (x0 + x1) / 2, top - 2)


def accented_capital(base, kind):
    """Capitals are lowered a little so that the accent stays in the cell."""
    squeezed = shifted(base, sy=0.78)
    x0, x1, top, _ = ink_box(squeezed)
    return squeezed + accent(kind, (x0 + x1) / 2, top - 1.5)


def degree_sign():
    """A small octagon just above the capitals' height."""
    cx, cy, r = 0.0, -9.5, 2.5
    points = [(cx + r * math.cos(2 * math.pi * k / 8 + math.pi / 8),
               cy + r * math.sin(2 * math.pi * k / 8 + math.pi / 8)) for k in range(9)]
    return [points]


def composed(glyphs):
    out = {}
    vowels = {"a": "àá", "e": "èé", "i": "ìí", "o": "òó", "u": "ùú"}
    for base, (grave, acute) in vowels.items():
        lower = glyphs[base]
        if base == "i":
            lower = dotless(lower)
        out[grave] = accented_lower(lower, "grave")
        out[acute] = accented_lower(lower, "acute")
        out[grave.upper()] = accented_capital(glyphs[base.upper()], "grave")
        out[acute.upper()] = accented_capital(glyphs[base.upper()], "acute")
    out["°"] = degree_sign()
    return out


# --- to the cell ---------------------------------------------------------

def to_cell(polylines):
    def cx(x):
        return CELL_CENTRE_X + x * SCALE_X

    def cy(y):
        return BASELINE + (HERSHEY_BASELINE - y) * SCALE_Y

    return [[(cx(x), cy(y)) for x, y in pl] for pl in polylines]


def fit_width(polylines):
    """Squeezes a glyph horizontally about the cell centre when it is wider
    than the cell."""
    xs = [x for pl in polylines for x, _ in pl]
    reach = max(abs(min(xs) - CELL_CENTRE_X), abs(max(xs) - CELL_CENTRE_X))
    if reach <= CELL_CENTRE_X:
        return polylines
    k = CELL_CENTRE_X / reach
    return [[(CELL_CENTRE_X + (x - CELL_CENTRE_X) * k, y) for x, y in pl] for pl in polylines]


def check_height(ch, polylines):
    for pl in polylines:
        for _, y in pl:
            if y < -0.5 or y > CELL_MAX + 0.5:
                sys.exit(f"carattere {ch!r}: y = {y:.1f} fuori dalla cella")


def simplify(points, tolerance):
    """Douglas-Peucker on one polyline."""
    if len(points) < 3 or tolerance <= 0:
        return list(points)
    (x0, y0), (x1, y1) = points[0], points[-1]
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy)
    worst, index = -1.0, 0
    for k in range(1, len(points) - 1):
        px, py = points[k]
        if length == 0:
            d = math.hypot(px - x0, py - y0)
        else:
            d = abs(dy * (px - x0) - dx * (py - y0)) / length
        if d > worst:
            worst, index = d, k
    if worst <= tolerance:
        return [points[0], points[-1]]
    left = simplify(points[: index + 1], tolerance)
    right = simplify(points[index:], tolerance)
    return left[:-1] + right


def strokes_of(polylines):
    """Integer strokes, without the ones that rounding made into points and
    without repeats."""
    strokes = []
    seen = set()
    for pl in polylines:
        rounded = [(min(CELL_MAX, max(0, round(x))), min(CELL_MAX, max(0, round(y))))
                   for x, y in pl]
        for a, b in zip(rounded, rounded[1:]):
            if a == b:
                continue
            key = (a, b) if a <= b else (b, a)
            if key in seen:
                continue
            seen.add(key)
            strokes.append((a, b))
    return strokes


def glyph_strokes(ch, polylines):
    cell = fit_width(to_cell(polylines))
    check_height(ch, cell)
    tolerance = 0.0
    strokes = strokes_of(cell)
    while len(strokes) > MAX_STROKES:
        tolerance += 0.25
        strokes = strokes_of([simplify(pl, tolerance) for pl in cell])
    return strokes, tolerance


def font_line(ch, strokes):
    fields = "".join(f"{x1:2d}{y1:2d}{x2:2d}{y2:2d}" for (x1, y1), (x2, y2) in strokes)
    return ch + fields


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    source = argv[1] if len(argv) > 1 else "/usr/share/hershey-fonts/futural.jhf"
    target = argv[2] if len(argv) > 2 else os.path.normpath(os.path.join(
        here, "..", "examples", "suite", "progra", "font.001"))
    glyphs = ascii_glyphs(source)
    glyphs.update(composed(glyphs))

    lines = [str(SPACING)]
    simplified = []
    for ch in sorted(glyphs, key=lambda c: c.encode(ENCODING)[0]):
        if ch == " ":
            lines.append(" ")  # a blank: no strokes, but it is in the font
            continue
        strokes, tolerance = glyph_strokes(ch, glyphs[ch])
        if tolerance > 0:
            simplified.append(f"{ch} ({tolerance:.2f})")
        lines.append(font_line(ch, strokes))

    with open(target, "w", encoding=ENCODING, newline="") as f:
        f.write(EOL.join(lines) + EOL)
    with open(target + ".LEGGIMI", "w", encoding=ENCODING, newline="") as f:
        f.write(ACKNOWLEDGEMENT.replace("\n", EOL))
    print(f"{target}: {len(lines) - 1} caratteri; semplificati: {', '.join(simplified) or 'nessuno'}")


if __name__ == "__main__":
    main(sys.argv)
