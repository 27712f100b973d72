#!/usr/bin/env python3
"""Draws the program icon, a small calendar page with a red header, at 16, 32 and 48 px
and writes it as a Windows .ico (32-bit images with alpha), or at one size as a PNG for
the freedesktop icon theme.

Usage: make_icon.py [out.ico]
       make_icon.py --png SIZE out.png    (SIZE a multiple of 16)"""
import struct
import sys
import zlib
from pathlib import Path

SIZES = (16, 32, 48)

CLEAR = (0, 0, 0, 0)
OUTLINE = (64, 64, 64, 255)
PAGE = (255, 255, 255, 255)
HEADER = (255, 0, 0, 255)
RING = (40, 40, 40, 255)
DAY = (150, 150, 150, 255)
TODAY = (255, 0, 0, 255)


def draw(size):
    """The page as rows of RGBA tuples, top row first."""
    pixels = [[CLEAR] * size for _ in range(size)]

    def fill(left, top, right, bottom, colour):  # inclusive bounds
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                pixels[y][x] = colour

    unit = size // 16
    left, right = unit, size - 1 - unit
    top, bottom = 2 * unit, size - 1 - unit
    edge = max(1, size // 24)
    header_bottom = top + round(size * 0.3)
    fill(left, top, right, bottom, OUTLINE)
    fill(left + edge, top + edge, right - edge, bottom - edge, PAGE)
    fill(left + edge, top + edge, right - edge, header_bottom, HEADER)

    # Two binding rings reaching above the page.
    ring_width = max(1, unit)
    for centre in (left + (right - left) // 4, right - (right - left) // 4):
        fill(centre - ring_width // 2, 0, centre - ring_width // 2 + ring_width - 1,
             top + 2 * unit, RING)

    # Days as small squares in a grid below the header; one of them is today.
    columns, rows = (4, 3) if size == 16 else (5, 4)
    inner_w = right - left + 1 - 2 * edge
    inner_h = bottom - header_bottom - edge
    cell_w, cell_h = inner_w // columns, inner_h // rows
    dot = max(1, round(min(cell_w, cell_h) * 0.6))
    grid_left = left + edge + (inner_w - columns * cell_w) // 2
    grid_top = header_bottom + 1 + (inner_h - rows * cell_h) // 2
    for row in range(rows):
        for column in range(columns):
            x = grid_left + column * cell_w + (cell_w - dot) // 2
            y = grid_top + row * cell_h + (cell_h - dot) // 2
            colour = TODAY if (row, column) == (1, 2) else DAY
            fill(x, y, x + dot - 1, y + dot - 1, colour)
    return pixels


def dib(pixels):
    """One icon image: BITMAPINFOHEADER, bottom-up BGRA colours, then the AND mask."""
    size = len(pixels)
    mask_stride = (size + 31) // 32 * 4
    colours = bytearray()
    mask = bytearray()
    for row in reversed(pixels):
        for red, green, blue, alpha in row:
            colours += bytes((blue, green, red, alpha))
        bits = bytearray(mask_stride)
        for x, (_, _, _, alpha) in enumerate(row):
            if alpha == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0,
                         len(colours) + len(mask), 0, 0, 0, 0)
    return header + colours + mask


def icon(sizes):
    images = [dib(draw(size)) for size in sizes]
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b''
    for size, image in zip(sizes, images):
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + entries + b''.join(images)


def png(pixels):
    """The page as an 8-bit RGBA PNG."""
    size = len(pixels)
    raw = b''.join(b'\0' + bytes(channel for pixel in row for channel in pixel) for row in pixels)

    def chunk(kind, body):
        return (struct.pack('>I', len(body)) + kind + body
                + struct.pack('>I', zlib.crc32(kind + body) & 0xFFFFFFFF))
    return (b'\x89PNG\r\n\x1a\n'
            + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


def main():
    if len(sys.argv) == 4 and sys.argv[1] == '--png':
        size = int(sys.argv[2])
        if size < 16 or size % 16:
            sys.exit(f'make_icon.py: {size} is not a multiple of 16')
        Path(sys.argv[3]).write_bytes(png(draw(size)))
        return
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / 'assets' / 'orrindale.ico'
    out.write_bytes(icon(SIZES))


if __name__ == '__main__':
    main()
