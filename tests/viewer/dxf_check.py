"""Reads drawing files (.dis) and the DXF files exported from them, and
checks that every line, arc and circle of each drawing is in its DXF file at
the same coordinates, in the nearest DXF colour, dash-dotted lines in the
DASHDOT line type.

usage: dxf_check.py DRAWING.dis EXPORT.dxf [DRAWING.dis EXPORT.dxf ...]
Prints each difference; exit 0 when there is none, 1 otherwise, 3 when
ezdxf is missing."""
import functools
import math
import sys

try:
    import ezdxf
    from ezdxf.colors import aci2rgb
except ImportError:
    print("ezdxf mancante")
    sys.exit(3)

PALETTE = [(0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128),
           (128, 128, 0), (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0),
           (0, 255, 255), (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255)]


@functools.lru_cache(maxsize=None)
def expected_aci(palette_number):
    rgb = PALETTE[palette_number % 16]
    if rgb == (0, 0, 0):
        return 7  # drawn black on white paper, white on black
    return min(range(1, 256),
               key=lambda n: (sum((a - b) ** 2 for a, b in zip(aci2rgb(n), rgb)), n))


def read_dis(path):
    with open(path, encoding="cp1252", newline="") as f:
        rows = [r for r in f.read().split("\r\n")]
    at = 4

    def numbers():
        nonlocal at
        values = [float(v.replace(",", ".")) for v in rows[at].split()]
        at += 1
        return values

    def section(lines_each):
        count = int(numbers()[0])
        return [sum((numbers() for _ in range(lines_each)), []) for _ in range(count)]

    points = [(v[0], v[1]) for v in section(1)]
    markers = section(1)
    lines = section(1)
    texts = int(numbers()[0])
    at += texts
    arcs = section(2)
    return points, markers, lines, texts, arcs


def close(a, b):
    return math.isclose(a, b, rel_tol=1e-12, abs_tol=1e-9)


def same_angle(a, b):
    d = (a - b) % 360.0
    return min(d, 360.0 - d) < 1e-9


def check(dis_path, dxf_path):
    problems = []
    points, markers, lines, texts, arcs = read_dis(dis_path)
    doc = ezdxf.readfile(dxf_path)
    msp = doc.modelspace()
    auditor = doc.audit()
    problems += [f"errore DXF: {e.message}" for e in auditor.errors]
    if "DASHDOT" not in doc.linetypes:
        problems.append("manca il tipo di linea DASHDOT")
    dxf_lines = msp.query("LINE")
    if len(dxf_lines) != len(lines):
        problems.append(f"linee: {len(dxf_lines)} invece di {len(lines)}")
    for k, (line, e) in enumerate(zip(lines, dxf_lines)):
        start, end, colour, line_type = (int(v) for v in line)
        got = (e.dxf.start.x, e.dxf.start.y, e.dxf.end.x, e.dxf.end.y)
        want = points[start] + points[end]
        if not all(close(g, w) for g, w in zip(got, want)):
            problems.append(f"linea {k}: {got} invece di {want}")
        if e.dxf.color != expected_aci(colour):
            problems.append(f"linea {k}: colore {e.dxf.color} invece di {expected_aci(colour)}")
        dashed = e.dxf.linetype == "DASHDOT"
        if dashed != (line_type == 1):
            problems.append(f"linea {k}: tipo {e.dxf.linetype}, nel disegno {line_type}")
    curves = msp.query("ARC CIRCLE")
    if len(curves) != len(arcs):
        problems.append(f"archi: {len(curves)} invece di {len(arcs)}")
    for k, (arc, e) in enumerate(zip(arcs, curves)):
        centre, start, _, end, colour = (int(v) for v in arc[:5])
        (cx, cy), (sx, sy), (ex, ey) = points[centre], points[start], points[end]
        whole = start == end or (abs(sx - ex) < 1e-4 and abs(sy - ey) < 1e-4)
        if e.dxftype() != ("CIRCLE" if whole else "ARC"):
            problems.append(f"arco {k}: {e.dxftype()}")
        if not (close(e.dxf.center.x, cx) and close(e.dxf.center.y, cy)
                and close(e.dxf.radius, math.hypot(sx - cx, sy - cy))):
            problems.append(f"arco {k}: centro {e.dxf.center} raggio {e.dxf.radius}")
        if e.dxf.color != expected_aci(colour):
            problems.append(f"arco {k}: colore {e.dxf.color} invece di {expected_aci(colour)}")
        if e.dxftype() == "ARC":
            a0 = math.degrees(math.atan2(sy - cy, sx - cx))
            a1 = math.degrees(math.atan2(ey - cy, ex - cx))
            if not (same_angle(e.dxf.start_angle, a0) and same_angle(e.dxf.end_angle, a1)):
                problems.append(f"arco {k}: angoli {e.dxf.start_angle} {e.dxf.end_angle}"
                                f" invece di {a0} {a1}")
    if len(msp.query("POINT")) != len(markers) or len(msp.query("TEXT")) != texts:
        problems.append("marcatori o testi in numero diverso")
    return [f"{dxf_path}: {p}" for p in problems]


def main(args):
    problems = []
    for dis_path, dxf_path in zip(args[::2], args[1::2]):
        problems += check(dis_path, dxf_path)
    for p in problems:
        print(p)
    return 1 if problems or len(args) % 2 or not args else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
