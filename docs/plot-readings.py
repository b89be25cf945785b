#!/usr/bin/python3
"""Plots a run's readings, as the driver's --readings writes them, as an SVG picture: each
detector's reading against its position along its track, one panel a detector.

    total-reflection-driver click cmdStart --readings water-35-750.csv
    python3 docs/plot-readings.py water-35-750.csv > docs/readings-water-35-750.svg
"""

import csv
import sys
from xml.sax.saxutils import escape

WIDTH, PANEL, GAP, LEFT, RIGHT, TOP = 720, 150, 56, 78, 16, 28
PANELS = [
    ("y_V", "reading_V", "Detector V: reading against its y, down its vertical track (twips)"),
    ("x_H", "reading_H", "Detector H: reading against its position x along its line in the air (twips)"),
    ("x_S", "reading_S", "Detector S: reading against its position x along its line in the medium (twips)"),
]


def panel(rows, position, reading, title, top):
    points = [(float(row[position]), float(row[reading])) for row in rows]
    xs = [x for x, _ in points]
    low, high = min(xs), max(xs)
    most = max(y for _, y in points) or 1.0
    width = WIDTH - LEFT - RIGHT

    def at(x, y):
        return LEFT + (x - low) / (high - low) * width, top + PANEL - y / most * PANEL

    line = " ".join(f"{px:.1f},{py:.1f}" for px, py in (at(x, y) for x, y in points))
    return [
        f'<text x="{LEFT}" y="{top - 8}" font-weight="bold">{escape(title)}</text>',
        f'<rect x="{LEFT}" y="{top}" width="{width}" height="{PANEL}" fill="none" stroke="#999"/>',
        f'<polyline points="{line}" fill="none" stroke="#000" stroke-width="1"/>',
        f'<text x="{LEFT - 6}" y="{top + 10}" text-anchor="end">{most:,.0f}</text>',
        f'<text x="{LEFT - 6}" y="{top + PANEL}" text-anchor="end">0</text>',
        f'<text x="{LEFT}" y="{top + PANEL + 16}">{low:.0f}</text>',
        f'<text x="{LEFT + width}" y="{top + PANEL + 16}" text-anchor="end">{high:.0f}</text>',
    ]


def main(path):
    with open(path, newline="") as file:
        rows = list(csv.DictReader(file))
    height = TOP + len(PANELS) * (PANEL + GAP)
    parts = [
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{height}" '
        f'font-family="sans-serif" font-size="12">',
        f'<rect width="{WIDTH}" height="{height}" fill="#fff"/>',
    ]
    for k, (position, reading, title) in enumerate(PANELS):
        parts += panel(rows, position, reading, title, TOP + k * (PANEL + GAP))
    parts.append("</svg>")
    print("\n".join(parts))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
