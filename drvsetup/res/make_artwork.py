#!/usr/bin/env python3
"""Draws the installer's artwork: icon 128 (32x32 in 16 and 256 colours,
48x48 in 256 colours) and bitmap 135 (82x64, 256 colours): a compact disc,
the bitmap with the caption CD-ROM DRIVES. Run it to regenerate the files."""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# 5x7 glyphs for the caption.
FONT = {
    'C': ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    'D': ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    '-': ["00000", "00000", "00000", "11111", "00000", "00000", "00000"],
    'R': ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    'O': ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    'M': ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    'I': ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    'V': ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    'E': ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    'S': ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    ' ': ["00000"] * 7,
}

# A small palette: 0 black, 1 dark grey, 2 grey, 3 white, 4.. disc rainbow.
BASE = [(0, 0, 0), (128, 128, 128), (192, 192, 192), (255, 255, 255),
        (0, 0, 128), (0, 128, 128), (0, 128, 0), (128, 128, 0), (128, 0, 0), (128, 0, 128)]
# The 16-colour icon uses the standard VGA colours.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
       (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def disc(size, transparent):
    """Pixel grid (rows top-down) of colour indices into BASE; None is transparent."""
    c = (size - 1) / 2.0
    r_out, r_hole, r_hub = size * 0.47, size * 0.08, size * 0.18
    grid = []
    for y in range(size):
        row = []
        for x in range(size):
            d = math.hypot(x - c, y - c)
            if d > r_out:
                row.append(transparent)
            elif d > r_out - 1.2:
                row.append(1)
            elif d < r_hole:
                row.append(transparent)
            elif d < r_hub:
                row.append(2 if d > r_hole + 1 else 1)
            else:
                angle = (math.atan2(y - c, x - c) + math.pi) / (2 * math.pi)
                row.append(4 + int(angle * 6) % 6 if (x + y) % 3 else 3)
        grid.append(row)
    return grid


def bmp_rows(grid, width, bits):
    """Bottom-up rows, each padded to four bytes."""
    out = b""
    for row in reversed(grid):
        if bits == 8:
            data = bytes(row)
        else:
            data = bytes((row[i] << 4) | (row[i + 1] if i + 1 < width else 0) for i in range(0, width, 2))
        out += data + b"\0" * (-len(data) % 4)
    return out


def mask_rows(mask, width):
    out = b""
    for row in reversed(mask):
        bits = 0
        data = bytearray()
        for i, m in enumerate(row):
            bits = (bits << 1) | m
            if i % 8 == 7:
                data.append(bits)
                bits = 0
        if width % 8:
            data.append(bits << (8 - width % 8))
        out += bytes(data) + b"\0" * (-len(data) % 4)
    return out


def palette_bytes(colours, count):
    colours = list(colours) + [(0, 0, 0)] * (count - len(colours))
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)


def icon_image(size, bits):
    grid = disc(size, None)
    mask = [[1 if p is None else 0 for p in row] for row in grid]
    if bits == 4:
        to_vga = {0: 0, 1: 8, 2: 7, 3: 15, 4: 4, 5: 6, 6: 2, 7: 3, 8: 1, 9: 5}
        pixels = [[0 if p is None else to_vga[p] for p in row] for row in grid]
        pal = palette_bytes(VGA, 16)
    else:
        pixels = [[0 if p is None else p for p in row] for row in grid]
        pal = palette_bytes(BASE, 256)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    return header + pal + bmp_rows(pixels, size, bits) + mask_rows(mask, size)


def write_icon(path):
    images = [(32, 4), (32, 8), (48, 8)]
    blobs = [icon_image(s, b) for s, b in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (size, bits), blob in zip(images, blobs):
        out += struct.pack("<BBBBHHII", size, size, 16 if bits == 4 else 0, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(out + b"".join(blobs))


def write_bitmap(path):
    # The picture control shows the middle of the bitmap: keep the drawing
    # within the centre 60 pixels.
    width, height = 82, 64
    grid = [[2] * width for _ in range(height)]
    d = disc(38, 2)
    for y in range(38):
        for x in range(38):
            grid[2 + y][22 + x] = d[y][x]
    for line, top in (("CD-ROM", 43), ("DRIVES", 54)):
        x0 = (width - (len(line) * 6 - 1)) // 2
        for i, ch in enumerate(line):
            for gy, row in enumerate(FONT[ch]):
                for gx, bit in enumerate(row):
                    if bit == "1":
                        grid[top + gy][x0 + i * 6 + gx] = 0
    pixels = bmp_rows(grid, width, 8)
    pal = palette_bytes(BASE, 256)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    offset = 14 + len(info) + len(pal)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info + pal + pixels)


if __name__ == "__main__":
    write_icon(os.path.join(HERE, "drvsetup.ico"))
    write_bitmap(os.path.join(HERE, "cdrom.bmp"))
