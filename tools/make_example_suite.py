#!/usr/bin/env python3
"""Write the bundled example suite: settings files, folder notes and one job.

The job "pont01" is a three-span continuous box girder (30 + 40 + 30 m) with
one pier column under the first support. The output is deterministic, CP1252
with CR LF line ends, like the files the rest of the suite produces.

Usage: make_example_suite.py [OUTPUT_FOLDER] [--units cm|m]

Lengths (structure and sections) default to centimetres: the editor shares one
length unit between structure and sections, and its fixed drawing sizes (text
heights, dimension overshoot) and integer pick tolerance are sized for
centimetres. With metres a 2.2 m deep section gets a pick tolerance of 0.
"""

import argparse
import os
import sys

ENCODING = "cp1252"
EOL = "\r\n"

JOB = "pont01"

# Girder: support abscissas (m) and element length (m) per stretch. Shorter
# elements around the interior supports follow the thicker pier section.
SPANS = (30.0, 40.0, 30.0)
STRETCHES = (  # (from X, to X, element length), metres
    (0.0, 26.0, 2.0),
    (26.0, 34.0, 1.0),
    (34.0, 66.0, 2.0),
    (66.0, 74.0, 1.0),
    (74.0, 100.0, 2.0),
)
PIER_SUPPORTS = (30.0, 70.0)
PIER_ZONE = 2.0  # nodes within this distance of a support get the pier section
PIER_X = 30.0
PIER_LEVELS = (-8.0, -6.0, -4.0, -2.0)  # below the girder node at Z = 0

GIRDER_FIRST_NODE = 101
PIER_FIRST_NODE = 501
PIER_FIRST_ELEMENT = 1001

MEMBER_PIER, MEMBER_GIRDER, MEMBER_CURB = 1, 2, 3

# Sections, in metres, Y up, Z across, origin at the bottom middle of the
# box (at the centre for the pier). Outer contours counter-clockwise, voids
# clockwise, so signed areas add up to the net section.
BOX_OUTER = [
    (-2.40, 0.00), (2.40, 0.00), (2.50, 0.10), (3.00, 1.70), (3.60, 1.85),
    (4.50, 1.98), (4.50, 2.20), (-4.50, 2.20), (-4.50, 1.98), (-3.60, 1.85),
    (-3.00, 1.70), (-2.50, 0.10),
]
SPAN_VOID = [  # bottom slab 0.25, webs about 0.45, top slab 0.28
    (-2.05, 0.25), (-2.48, 1.62), (-1.90, 1.92), (1.90, 1.92), (2.48, 1.62),
    (2.05, 0.25),
]
PIER_VOID = [  # bottom slab 0.60, webs about 0.75, top slab 0.35
    (-1.90, 0.60), (-2.20, 1.55), (-1.60, 1.85), (1.60, 1.85), (2.20, 1.55),
    (1.90, 0.60),
]
PIER_COLUMN = [(-2.00, -1.00), (2.00, -1.00), (2.00, 1.00), (-2.00, 1.00)]

SECTIONS = (  # name, contours; position in this list = section index
    ("CASSONE CAMPATA", (BOX_OUTER, SPAN_VOID)),
    ("CASSONE PILA", (BOX_OUTER, PIER_VOID)),
    ("PILA", (PIER_COLUMN,)),
)
SEC_SPAN, SEC_SUPPORT, SEC_PIER = 1, 2, 3

# Cable types: name; strands; area cm2, Young modulus N/mm2, friction
# coefficient, wobble rad/m; anchorage slip mm, fp(1)k N/mm2.
STRAND_AREA = 1.39  # cm2, 0.6" strand
CABLE_TYPES = [
    ("CAVO 4T15", 4), ("CAVO 7T15", 7), ("CAVO 12T15", 12),
    ("CAVO 19T15", 19), ("CAVO 27T15", 27),
]

FOLDER_NOTES = {
    "progra": [
        "Cartella dei programmi della suite.",
        "Qui vanno il file dei caratteri vettoriali font.001, usato per tutti",
        "i testi dei disegni, e il visualizzatore dei disegni (Ostrel.exe),",
        "che mostra l'anteprima dei tracciati.",
    ],
    "driver": [
        "Cartella dei driver della suite (periferiche di stampa e di disegno).",
        "Il programma dei tracciati non vi legge nulla, ma la cartella fa",
        "parte della struttura della suite e deve esistere.",
    ],
    "custom": [
        "Cartella delle personalizzazioni della suite.",
        "Qui può stare il file delle sezioni condiviso Sezio_ut, letto al",
        "posto di quello del lavoro quando il file di associazione",
        "nodo-sezione di una membratura indica una sorgente diversa da 1.",
        "Nel lavoro di esempio pont01 le sezioni stanno nel lavoro stesso.",
    ],
}


def num(value, decimals=4):
    """Shortest plain decimal text: no exponent, no trailing zeros, no -0."""
    text = f"{value:.{decimals}f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def write_text(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    data = "".join(line + EOL for line in lines).encode(ENCODING)
    with open(path, "wb") as f:
        f.write(data)


def chunks(items, size):
    return [items[i:i + size] for i in range(0, len(items), size)]


def girder_abscissas():
    xs = [STRETCHES[0][0]]
    for start, end, step in STRETCHES:
        count = round((end - start) / step)
        xs.extend(start + step * (k + 1) for k in range(count))
    assert abs(xs[-1] - sum(SPANS)) < 1e-9
    return xs


def build_model(scale):
    """Points, node records and element records of the structure file.

    Point order differs from node-record order on purpose, so that a node's
    internal number, its position in the node table and its number all differ.
    """
    xs = girder_abscissas()
    points = []  # (x, y, z), metres
    # Point 0: orientation point of the girder's local axes; its node record
    # has number 0, so the editor does not keep it as a node.
    points.append((50.0, 10.0, 0.0))
    pier_internal = []
    for z in PIER_LEVELS:
        pier_internal.append(len(points))
        points.append((PIER_X, 0.0, z))
    girder_internal = []
    for x in xs:
        girder_internal.append(len(points))
        points.append((x, 0.0, 0.0))
    # Foundation point of the second support, not modelled as a node.
    points.append((70.0, 0.0, -8.0))

    nodes = []  # (internal number, node number, x)
    for k, (internal, x) in enumerate(zip(girder_internal, xs)):
        nodes.append((internal, GIRDER_FIRST_NODE + k, x))
    for k, internal in enumerate(pier_internal):
        nodes.append((internal, PIER_FIRST_NODE + k, PIER_X))
    nodes.append((0, 0, None))

    top_of_pier = girder_internal[xs.index(PIER_X)]
    girder_elements = []  # (number, first internal, second internal)
    for k in range(len(xs) - 1):
        girder_elements.append((k + 1, girder_internal[k], girder_internal[k + 1]))
    pier_elements = []
    column = pier_internal + [top_of_pier]
    for k in range(len(column) - 1):
        pier_elements.append((PIER_FIRST_ELEMENT + k, column[k], column[k + 1]))

    return {
        "xs": xs,
        "points": [(x * scale, y * scale, z * scale) for x, y, z in points],
        "nodes": nodes,
        "girder_internal": girder_internal,
        "pier_internal": pier_internal,
        "top_of_pier": top_of_pier,
        "girder_elements": girder_elements,
        "pier_elements": pier_elements,
    }


def structure_lines(model):
    lines = ["Struttura release 4.2"]
    lines.append(str(len(model["points"])))
    for x, y, z in model["points"]:
        lines.append(f"{num(x)}, {num(y)}, {num(z)}")
    lines.append(str(len(model["nodes"])))
    for internal, number, _ in model["nodes"]:
        lines.append(f"{internal}, 0, 0")
        lines.append(f"{number}, 0")
    elements = model["girder_elements"] + model["pier_elements"]
    lines.append(str(len(elements)))
    for number, first, second in model["girder_elements"]:
        # third token: orientation point of the local axes
        lines.append(f"{first} {second} 0 1")
        lines.append(f"{number} 1 {SEC_SPAN}")
    for number, first, second in model["pier_elements"]:
        lines.append(f"{first} {second} 0 1")
        lines.append(f"{number} 1 {SEC_PIER}")
    # Restraints, which the editor does not read: pier foot fixed, girder
    # ends on sliding bearings.
    restraints = [
        (model["pier_internal"][0], "1, 1, 1, 1, 1, 1"),
        (model["girder_internal"][0], "0, 1, 1, 1, 0, 0"),
        (model["girder_internal"][-1], "0, 1, 1, 1, 0, 0"),
    ]
    lines.append(str(len(restraints)))
    for internal, codes in restraints:
        lines.append(f"{internal}, {codes}")
    return lines


def member_entry(number, type_code, description):
    return f"{number:>6}".ljust(20) + type_code.ljust(20) + description


def continuous_elements_lines(model):
    lines = ["3"]
    pier = [n for n, _, _ in model["pier_elements"]]
    girder = [n for n, _, _ in model["girder_elements"]]
    for number, code, description, elements in (
        (MEMBER_PIER, "P", "PILA 1", pier),
        (MEMBER_GIRDER, "T", "TRAVE CONTINUA", girder),
    ):
        lines.append(member_entry(number, code, description))
        lines.append(str(len(elements)))
        lines.extend(", ".join(str(e) for e in row) for row in chunks(elements, 10))
    lines.append(member_entry(MEMBER_CURB, "C", "CORDOLO"))
    lines.append("0, 0")  # the line after a type C entry is not element data
    return lines


def association_lines(pairs):
    lines = ["1", str(len(pairs))]
    lines.extend(f"{internal}, {section}" for internal, section in pairs)
    return lines


def girder_pairs(model):
    pairs = []
    for internal, x in zip(model["girder_internal"], model["xs"]):
        near = any(abs(x - s) <= PIER_ZONE + 1e-9 for s in PIER_SUPPORTS)
        pairs.append((internal, SEC_SUPPORT if near else SEC_SPAN))
    return pairs


def pier_pairs(model):
    return [(i, SEC_PIER) for i in model["pier_internal"] + [model["top_of_pier"]]]


def centroid(contours):
    """Centroid of the net section; voids are clockwise, so they subtract."""
    area = mz = my = 0.0
    for contour in contours:
        n = len(contour)
        for k in range(n):
            z0, y0 = contour[k]
            z1, y1 = contour[(k + 1) % n]
            cross = z0 * y1 - z1 * y0
            area += cross / 2.0
            mz += (z0 + z1) * cross / 6.0
            my += (y0 + y1) * cross / 6.0
    assert area > 0.0
    return mz / area, my / area


def section_lines(scale):
    lines = [str(len(SECTIONS))]
    for name, contours in SECTIONS:
        scaled = [[(round(z * scale, 4), round(y * scale, 4)) for z, y in c]
                  for c in contours]
        zs = [z for c in scaled for z, _ in c]
        ys = [y for c in scaled for _, y in c]
        ref_z, ref_y = centroid(scaled)
        lines.append(name)
        lines.append(" ".join(num(v) for v in (
            max(zs) - min(zs), max(ys) - min(ys), ref_z, ref_y)))
        lines.append(str(len(scaled)))
        for contour in scaled:
            lines.append(str(len(contour)))
            lines.extend(f"{num(z)} {num(y)}" for z, y in contour)
        # Trailing blocks used by other programs of the suite; not read here.
        lines += ["0 0", "0 0", "1", "0 0 0 0", "0 0 0 0", "0 0 0 0",
                  "0 0 0 0", "0 0", "0 0"]
    return lines


def cable_type_lines():
    lines = [str(len(CABLE_TYPES))]
    for name, strands in CABLE_TYPES:
        lines.append(name)
        lines.append(str(strands))
        lines.append(f"{num(strands * STRAND_AREA, 2)}, 195000, 0.2, 0.005")
        lines.append("6, 1860")
    return lines


def main(argv):
    repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("output", nargs="?",
                        default=os.path.join(repo, "examples", "suite"))
    parser.add_argument("--units", choices=("cm", "m"), default="cm")
    args = parser.parse_args(argv)
    scale = 100.0 if args.units == "cm" else 1.0
    out = args.output

    write_text(os.path.join(out, "impostazioni", "dirlav"), [r"c:\suite\lavori"])
    write_text(os.path.join(out, "impostazioni", "lavoro"), [JOB])
    for folder, note in sorted(FOLDER_NOTES.items()):
        write_text(os.path.join(out, folder, "LEGGIMI.txt"), note)

    job = os.path.join(out, "lavori", JOB)
    model = build_model(scale)
    write_text(os.path.join(job, "struttur.str"), structure_lines(model))
    write_text(os.path.join(job, "El_Conti.tmp"), continuous_elements_lines(model))
    write_text(os.path.join(job, f"AssSez{MEMBER_PIER:03d}.cap"),
               association_lines(pier_pairs(model)))
    write_text(os.path.join(job, f"AssSez{MEMBER_GIRDER:03d}.cap"),
               association_lines(girder_pairs(model)))
    write_text(os.path.join(job, "Sezio_ut"), section_lines(scale))
    write_text(os.path.join(job, "Group.cap"), cable_type_lines())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
