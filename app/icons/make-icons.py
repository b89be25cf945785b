#!/usr/bin/env python3
"""Makes the icon files beside this script from its two drawings; run by hand after changing
either drawing, and commit what it writes. Needs rsvg-convert (Debian's librsvg2-bin).

total-reflection.svg     the drawing, on a 32-unit grid: the scalable icon (installed as it is) and
                         every size from 32 up
total-reflection-16.svg  the same drawing redone for 16 pixels

It writes the theme's sizes under hicolor/, total-reflection.ico, which holds the icon in
three images: 32 x 32 in 16 colours, 16 x 16 in 16 colours and 32 x 32 in two colours, and the
browser page's icons, 192 and 512 pixels, under web/page/icons/.
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ICON_NAME = "org.example.total_reflection"
MASTER = os.path.join(HERE, "total-reflection.svg")
SMALL = os.path.join(HERE, "total-reflection-16.svg")
SIZES = (16, 32, 48, 64, 128, 256)
WEB_ICONS = os.path.join(HERE, "..", "..", "web", "page", "icons")
WEB_SIZES = (192, 512)

GREY = (0xC0, 0xC0, 0xC0)
GREEN = (0xC0, 0xFF, 0xC0)
BLACK = (0x00, 0x00, 0x00)
RED = (0xC0, 0x00, 0x00)


def mix(a, b):
    return tuple((x + y) // 2 for x, y in zip(a, b))


# The 16 colours: those of the drawing, and the halfway colours its edges need.
PALETTE = [
    BLACK, (0xFF, 0xFF, 0xFF), GREY, GREEN, RED, (0x80, 0x80, 0x80),
    mix(RED, GREY), mix(RED, GREEN), mix(BLACK, GREY), mix(BLACK, GREEN), mix(RED, BLACK),
    mix((0x80, 0x80, 0x80), GREY), mix((0x80, 0x80, 0x80), GREEN), mix(mix(RED, GREY), GREY),
    mix(mix(RED, GREEN), GREEN), mix(mix(RED, BLACK), BLACK),
]


def render(svg, size, png):
    subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", png, svg], check=True)


def read_png(path):
    """The pixels of an 8-bit RGBA or RGB PNG, as rows of (r, g, b) on white."""
    with open(path, "rb") as f:
        data = f.read()
    pos, idat, width, height, channels = 8, b"", 0, 0, 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour_type = struct.unpack(">IIBB", body[:10])
            if depth != 8 or colour_type not in (2, 6) or body[12] != 0:
                sys.exit(f"{path}: expected an 8-bit, non-interlaced RGB or RGBA PNG")
            channels = 4 if colour_type == 6 else 3
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, prior = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = row[i - channels] if i >= channels else 0
            up = prior[i]
            corner = prior[i - channels] if i >= channels else 0
            if kind == 1:
                row[i] = (row[i] + left) & 255
            elif kind == 2:
                row[i] = (row[i] + up) & 255
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                row[i] = (row[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        prior = row
        pixels = []
        for x in range(width):
            r, g, b = row[x * channels:x * channels + 3]
            a = row[x * channels + 3] if channels == 4 else 255
            pixels.append(tuple((c * a + 255 * (255 - a)) // 255 for c in (r, g, b)))
        rows.append(pixels)
    return rows


def nearest(colour):
    return min(range(len(PALETTE)), key=lambda i: sum((p - c) ** 2 for p, c in zip(PALETTE[i], colour)))


def two_colours(indices):
    """The 16-colour image for a display of black and white: dark colours black, the air white,
    the medium white with a sparse dot, so that the two sides still differ."""
    mono = []
    for y, row in enumerate(indices):
        out = []
        for x, i in enumerate(row):
            r, g, b = PALETTE[i]
            dark = 0.299 * r + 0.587 * g + 0.114 * b < 150
            medium = PALETTE[i] == GREEN and x % 3 == 1 and y % 3 == 1
            out.append(0 if dark or medium else 1)
        mono.append(out)
    return mono


def bitmap(indices, bits, palette):
    """An icon image: header, palette, the colour bits bottom row first, an opaque mask."""
    height, width = len(indices), len(indices[0])

    def packed(values, depth):
        row, acc, filled = bytearray(), 0, 0
        for v in values:
            acc = (acc << depth) | v
            filled += depth
            if filled == 8:
                row.append(acc)
                acc, filled = 0, 0
        if filled:
            row.append(acc << (8 - filled))
        return bytes(row) + b"\0" * (-len(row) % 4)

    colour = b"".join(packed(row, bits) for row in reversed(indices))
    mask = b"".join(packed([0] * width, 1) for _ in range(height))
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, bits, 0, len(colour) + len(mask),
                         0, 0, len(palette), 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + table + colour + mask


def write_ico(path, images):
    """images: (indices, bits, palette) each."""
    blobs = [bitmap(*image) for image in images]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for (indices, bits, palette), blob in zip(images, blobs):
        size = len(indices)
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, len(palette) % 256, 0, 1, bits,
                                 len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(directory + b"".join(blobs))


def main():
    if not shutil.which("rsvg-convert"):
        sys.exit("make-icons.py: needs rsvg-convert (apt-get install librsvg2-bin)")
    for size in SIZES:
        folder = os.path.join(HERE, "hicolor", f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        render(SMALL if size == 16 else MASTER, size, os.path.join(folder, f"{ICON_NAME}.png"))
    os.makedirs(WEB_ICONS, exist_ok=True)
    for size in WEB_SIZES:
        render(MASTER, size, os.path.join(WEB_ICONS, f"total-reflection-{size}.png"))

    with tempfile.TemporaryDirectory() as work:
        images = {}
        for size, svg in ((32, MASTER), (16, SMALL)):
            png = os.path.join(work, f"{size}.png")
            render(svg, size, png)
            images[size] = [[nearest(c) for c in row] for row in read_png(png)]
    write_ico(os.path.join(HERE, "total-reflection.ico"), [
        (images[32], 4, PALETTE),
        (images[16], 4, PALETTE),
        (two_colours(images[32]), 1, [BLACK, (0xFF, 0xFF, 0xFF)]),
    ])


if __name__ == "__main__":
    main()
