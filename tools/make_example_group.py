#!/usr/bin/env python3
"""Writes the example layout group Memb002Gr_001.cap of the girder (member 2).

Six typical layouts of the three-span girder (spans 30, 40, 30 m, lengths in
centimetres): two continuous web cables over the whole girder, two bottom
cables of the central span, a top cable over the first pier and a bottom
cable of the first span measured from a corner of the section. Node
positions follow the node table of struttur.str: node 101 + k is at
X = x(k) and is position k + 1.
"""
import math
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
JOB = os.path.join(ROOT, "examples", "suite", "lavori", "pont01")


def girder_xs():
    """X of the girder nodes 101..159 in table order, as the generator lays them."""
    xs, x = [], 0
    while x <= 10000:
        xs.append(x)
        near_pier = 2600 <= x < 3400 or 6600 <= x < 7400
        x += 100 if near_pier else 200
    return xs


def continuous_profile(x):
    """Y from the centroid: low at mid-span, high over the piers, 0 at the ends."""
    supports = [(0, 0.0), (3000, 60.0), (7000, 60.0), (10000, 0.0)]
    for (xa, ya), (xb, yb) in zip(supports, supports[1:]):
        if xa <= x <= xb:
            xm, ym = (xa + xb) / 2, -105.0
            xs, ys = (xa, ya) if x <= xm else (xb, yb)
            return ym + (ys - ym) * ((x - xm) / (xs - xm)) ** 2
    raise ValueError(x)


def two_decimals(v):
    """The group file's text of a value rounded half up to two decimals."""
    h = math.floor(v * 100 + 0.5)
    if h == 0:
        return "0"
    sign, h = ("-", -h) if h < 0 else ("", h)
    whole, cents = divmod(h, 100)
    text = sign + (str(whole) if whole else "")
    if cents:
        text += "." + ("%02d" % cents).rstrip("0")
    return text


def columns(*fields):
    line = ""
    for col, text in zip((0, 20, 40), fields):
        line = line.ljust(col) + text
    return line


def layout(name, cable_type, points):
    """points: (position, ref_vertex, y, z, distortion)."""
    lines = [columns(str(name), str(cable_type)), str(len(points))]
    for pos, ref, y, z, ang in points:
        lines.append(columns(str(pos), str(ref)))
        lines.append(columns(two_decimals(y), two_decimals(z), two_decimals(ang)))
    return lines


def main():
    xs = girder_xs()
    pos = {x: k + 1 for k, x in enumerate(xs)}
    everywhere = [(pos[x], 0, continuous_profile(x)) for x in xs]
    central = [x for x in xs if 4000 <= x <= 6000]
    over_pier = [x for x in xs if 2600 <= x <= 3400]
    first_span = [x for x in xs if 600 <= x <= 2400]

    def bottom(x, x0, x1):
        t = (x - (x0 + x1) / 2) / ((x1 - x0) / 2)
        return -115 + 25 * t * t

    layouts = [
        layout(1, 4, [(p, r, y, -270, 0) for p, r, y in everywhere]),
        layout(2, 4, [(p, r, y, 270, 0) for p, r, y in everywhere]),
        layout(3, 3, [(pos[x], 0, bottom(x, 4000, 6000), -150, 0) for x in central]),
        layout(4, 3, [(pos[x], 0, bottom(x, 4000, 6000), 150, 0) for x in central]),
        layout(5, 2, [(pos[x], 0, 70 - 10 * ((x - 3000) / 400) ** 2, 0,
                       0.02 if x == 3000 else 0) for x in over_pier]),
        # Measured from vertex 1, the bottom-left corner of the outline.
        layout(6, 2, [(pos[x], 1, 15, 40, 0) for x in first_span]),
    ]
    lines = ["Cavi impalcato", "3", "1             1", str(len(layouts))]
    for block in layouts:
        lines += block
    with open(os.path.join(JOB, "Memb002Gr_001.cap"), "wb") as out:
        out.write("".join(l + "\r\n" for l in lines).encode("cp1252"))


if __name__ == "__main__":
    sys.exit(main())
