#!/usr/bin/env python3
"""Writes res/Velmora.ico, the application icon: a keycap with a shortcut
arrow in its lower left corner, as a 32x32 and a 16x16 image in the standard
16-colour palette (4 bits per pixel, bitmap with AND mask).

The pictures are drawn below as character grids, one character a pixel:
'.' is transparent, every other character names a palette colour (PALETTE).
The output depends on nothing but this file, so running it again gives the
same bytes.

Usage: make_icon.py [output path]   (default: Velmora.ico beside this script)
"""

import os
import struct
import sys

# The standard 16-colour palette in its usual order (index: R, G, B).
VGA_COLOURS = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]

# Grid characters and the palette index each stands for.
PALETTE = {
    'K': 0,   # black: outlines
    'n': 4,   # navy: the letter on the key
    's': 7,   # silver: lit sides of the key
    'g': 8,   # grey: shaded sides of the key
    'b': 12,  # blue: the shortcut arrow
    'w': 15,  # white: the key's top face and the arrow's badge
}

ICON_32 = [
    "................................",
    "....KKKKKKKKKKKKKKKKKKKKKKKK....",
    "...KsssssssssssssssssssssssgK...",
    "..KsssssssssssssssssssssssssgK..",
    "..KssKKKKKKKKKKKKKKKKKKKKKKsgK..",
    "..KssKwwwwwwwwwwwwwwwwwwwsKsgK..",
    "..KssKwwwwwnnwwwwwwnnnwwwsKsgK..",
    "..KssKwwwwwnnwwwwwnnnwwwwsKsgK..",
    "..KssKwwwwwnnwwwwnnnwwwwwsKsgK..",
    "..KssKwwwwwnnwwwnnnwwwwwwsKsgK..",
    "..KssKwwwwwnnwwnnnwwwwwwwsKsgK..",
    "..KssKwwwwwnnwnnnwwwwwwwwsKsgK..",
    "..KssKwwwwwnnnnnwwwwwwwwwsKsgK..",
    "..KssKwwwwwnnwnnnwwwwwwwwsKsgK..",
    "..KssKwwwwwnnwwnnnwwwwwwwsKsgK..",
    "..KssKwwwwwnnwwwnnnwwwwwwsKsgK..",
    "..KssKwwwwwnnwwwwnnnwwwwwsKsgK..",
    "..KssKwwwwwnnwwwwwnnnwwwwsKsgK..",
    ".KKKKKKKKKKKKwwwwwwnnnwwwsKsgK..",
    ".KwwwwwwwwwwKwwwwwwwwwwwwsKsgK..",
    ".KwwwbbbbbwwKwwwwwwwwwwwwsKsgK..",
    ".KwwwwbbbbwwKwwwwwwwwwwwwsKsgK..",
    ".KwwwbbbbbwwKsssssssssssssKsgK..",
    ".KwwbbbwbbwwKKKKKKKKKKKKKKKsgK..",
    ".KwbbbwwwbwwKssssssssssssssggK..",
    ".KwbbwwwwwwwKggggggggggggggggK..",
    ".KwbbwwwwwwwKggggggggggggggggK..",
    ".KwbbwwwwwwwKggggggggggggggggK..",
    ".KwwwwwwwwwwKggggggggggggggggK..",
    ".KKKKKKKKKKKKKKKKKKKKKKKKKKKK...",
    "................................",
    "................................",
]

ICON_16 = [
    "..KKKKKKKKKKKK..",
    ".KsssssssssssgK.",
    ".KsKKKKKKKKKKgK.",
    ".KsKwwnwwnwsKgK.",
    ".KsKwwnwnwwsKgK.",
    ".KsKwwnnwwwsKgK.",
    ".KsKwwnnwwwsKgK.",
    ".KsKwwnwnwwsKgK.",
    ".KsKwwnwwnwsKgK.",
    "KKKKKKKKKKKKKgK.",
    "KwwbbbKgggggggK.",
    "KwwwbbKgggggggK.",
    "KwwbwbKgggggggK.",
    "KwbwwwKKKKKKKK..",
    "KbwwwwK.........",
    "KKKKKKK.........",
]


def pack_rows(rows, bits_per_pixel, pixel):
    """Packs a picture bottom-up into rows padded to 4 bytes."""
    out = bytearray()
    for row in reversed(rows):
        bits = 0
        count = 0
        line = bytearray()
        for ch in row:
            bits = (bits << bits_per_pixel) | pixel(ch)
            count += bits_per_pixel
            if count == 8:
                line.append(bits)
                bits = 0
                count = 0
        assert count == 0, "row width must fill whole bytes"
        while len(line) % 4:
            line.append(0)
        out += line
    return bytes(out)


def icon_image(rows):
    size = len(rows)
    assert all(len(row) == size for row in rows), "pictures are square"
    assert all(ch == '.' or ch in PALETTE for row in rows for ch in row)
    xor = pack_rows(rows, 4, lambda ch: 0 if ch == '.' else PALETTE[ch])
    mask = pack_rows(rows, 1, lambda ch: 1 if ch == '.' else 0)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    colours = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in VGA_COLOURS)
    return header + colours + xor + mask


def icon_file(pictures):
    images = [icon_image(rows) for rows in pictures]
    offset = 6 + 16 * len(images)
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    for rows, image in zip(pictures, images):
        size = len(rows)
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    return bytes(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, 'Velmora.ico')
    with open(path, 'wb') as f:
        f.write(icon_file([ICON_32, ICON_16]))


if __name__ == '__main__':
    main()
