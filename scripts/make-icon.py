#!/usr/bin/env python3
"""Draws the program's icon from its text description into a .ico file.

Usage: make-icon.py DESCRIPTION OUTPUT.ico

The description names colours and draws each size from rectangles in that
size's own pixels, so every size is drawn for its grid rather than scaled.
Each size goes into the file three times: 16 colours of the standard
Windows palette and 256 colours, both with a transparency mask (what
Windows Me and 2000 show), and 32 bits with alpha (XP and later) that
carries the mask too.

    colour NAME RRGGBB[AA] VGA    a colour (hex, alpha optional); VGA is the
                                  one of the 16 standard colours that stands
                                  in for it at 4 bits
    size N                        the following shapes draw the N x N image
    rect X Y W H NAME             fills the rectangle
    frame X Y W H NAME            draws its one-pixel outline

A pixel less than half opaque is transparent in the paletted images, so a
soft shadow shows only at 32 bits. '#' starts a comment.
"""

import os
import struct
import sys

# The 4-bit palette in the order Windows gives its 16 colours.
VGA = {
    "black": (0, 0, 0), "maroon": (128, 0, 0), "green": (0, 128, 0), "olive": (128, 128, 0),
    "navy": (0, 0, 128), "purple": (128, 0, 128), "teal": (0, 128, 128), "silver": (192, 192, 192),
    "gray": (128, 128, 128), "red": (255, 0, 0), "lime": (0, 255, 0), "yellow": (255, 255, 0),
    "blue": (0, 0, 255), "fuchsia": (255, 0, 255), "aqua": (0, 255, 255), "white": (255, 255, 255),
}
VGA_INDEX = {name: index for index, name in enumerate(VGA)}
SIZES = (16, 32, 48)


class DescriptionError(Exception):
    pass


def parse(text):
    colours, shapes, size = {}, {}, None
    for number, raw in enumerate(text.splitlines(), 1):
        words = raw.split("#", 1)[0].split()
        if not words:
            continue
        try:
            if words[0] == "colour":
                name, value, vga = words[1], words[2], words[3]
                if vga not in VGA or len(value) not in (6, 8) or len(words) != 4:
                    raise ValueError
                rgba = tuple(int(value[i:i + 2], 16) for i in range(0, len(value), 2)) + (255,)
                colours[name] = (rgba[:4], vga)
            elif words[0] == "size":
                size = int(words[1])
                if size not in SIZES or size in shapes:
                    raise ValueError
                shapes[size] = []
            elif words[0] in ("rect", "frame") and len(words) == 6 and size is not None:
                x, y, w, h = (int(v) for v in words[1:5])
                if words[5] not in colours or x < 0 or y < 0 or w < 1 or h < 1 or x + w > size or y + h > size:
                    raise ValueError
                shapes[size].append((words[0], x, y, w, h, words[5]))
            else:
                raise ValueError
        except (ValueError, IndexError):
            raise DescriptionError(f"line {number}: cannot use {raw.strip()!r}") from None
    missing = [s for s in SIZES if s not in shapes]
    if missing:
        raise DescriptionError(f"no drawing for size {missing[0]}")
    return colours, shapes


def render(size, shapes, colours):
    """Rows of (r, g, b, a, vga) pixels: the colour drawn over what was there,
    and the 4-bit colour of the last shape at least half opaque."""
    pixels = [[(0, 0, 0, 0, None)] * size for _ in range(size)]

    def paint(x, y, name):
        (r, g, b, a), vga = colours[name]
        br, bg, bb, ba, bvga = pixels[y][x]
        below = ba * (255 - a) // 255  # what still shows of the pixel below
        out = a + below
        mix = lambda s, d: (s * a + d * below) // out if out else 0
        pixels[y][x] = (mix(r, br), mix(g, bg), mix(b, bb), out, vga if a >= 128 else bvga)

    for kind, x0, y0, w, h, name in shapes:
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                inside = x0 < x < x0 + w - 1 and y0 < y < y0 + h - 1
                if kind == "rect" or not inside:
                    paint(x, y, name)
    return pixels


def row_bytes(bits):
    return (bits + 31) // 32 * 4


def and_mask(pixels):
    size = len(pixels)
    out = bytearray()
    for row in reversed(pixels):
        line = bytearray(row_bytes(size))
        for x, p in enumerate(row):
            if p[3] < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def dib(pixels, bits):
    """A BITMAPINFOHEADER, colour table, XOR image and AND mask, bottom row first."""
    size = len(pixels)
    opaque = lambda p: p[3] >= 128
    table = []
    xor = bytearray()
    if bits == 4:
        table = list(VGA.values())
        for row in reversed(pixels):
            line = bytearray(row_bytes(size * 4))
            for x, p in enumerate(row):
                if opaque(p):  # transparent pixels stay black, which the mask leaves alone
                    line[x // 2] |= VGA_INDEX[p[4]] << (4 if x % 2 == 0 else 0)
            xor += line
    elif bits == 8:
        # The standard 16 first, so that a 16-colour display maps them exactly.
        table = list(VGA.values())
        for row in pixels:
            for p in row:
                if opaque(p) and p[:3] not in table:
                    table.append(p[:3])
        if len(table) > 256:
            raise DescriptionError(f"{len(table)} colours at {size} pixels do not fit 256")
        index = {c: i for i, c in enumerate(table)}
        table += [(0, 0, 0)] * (256 - len(table))
        for row in reversed(pixels):
            line = bytearray(row_bytes(size * 8))
            for x, p in enumerate(row):
                if opaque(p):
                    line[x] = index[p[:3]]
            xor += line
    else:
        for row in reversed(pixels):
            for r, g, b, a, _ in row:
                xor += bytes((b, g, r, a)) if a else bytes(4)
    mask = and_mask(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, len(xor) + len(mask), 0, 0, 0, 0)
    colour_table = b"".join(bytes((b, g, r, 0)) for r, g, b in table)
    return header + colour_table + bytes(xor) + mask


def icon(images):
    """An .ico file of (size, bits, dib) images."""
    entries, data = b"", b""
    offset = 6 + 16 * len(images)
    for size, bits, image in images:
        entries += struct.pack("<BBBBHHII", size, size, 16 if bits == 4 else 0, 0, 1, bits, len(image),
                               offset + len(data))
        data += image
    return struct.pack("<HHH", 0, 1, len(images)) + entries + data


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    try:
        with open(argv[1], encoding="utf-8") as source:
            colours, shapes = parse(source.read())
        images = []
        for size in sorted(SIZES, reverse=True):
            pixels = render(size, shapes[size], colours)
            for bits in (32, 8, 4):
                images.append((size, bits, dib(pixels, bits)))
    except DescriptionError as error:
        sys.stderr.write(f"{argv[1]}: {error}\n")
        return 1
    # Whole or not at all: a half-written icon would fail the resource compile later and less clearly.
    temporary = argv[2] + ".tmp"
    with open(temporary, "wb") as out:
        out.write(icon(images))
    os.replace(temporary, argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
