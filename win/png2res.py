#!/usr/bin/env python3
"""Turns the committed 16-colour PNG pictures into the Windows program's resources.

    png2res.py bmp IN.png OUT.bmp            a 4-bit bitmap; transparent pixels keep their own palette
                                             entries, which take the colour KEY
    png2res.py ico OUT.ico IN.png...         an icon with one 4-bit image per PNG, transparency as its mask

Standard library only. It reads just what the drawing script writes: indexed PNG, 4 bits a
pixel, no interlace, an optional tRNS chunk; anything else is refused rather than misdrawn.
"""

import struct
import sys
import zlib

# The colour of a bitmap's transparent pixels, which no drawn pixel has: the program fills them
# from what lies beneath (ClearColour in Picture.h).
KEY = (255, 0, 255)


def ReadPng(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG file")
    pos, idat, palette, alpha = 8, b"", [], b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if (depth, colour, interlace) != (4, 3, 0):
                sys.exit(f"{path}: only 4-bit indexed, non-interlaced PNG is handled")
        elif kind == b"PLTE":
            palette = [tuple(body[i:i + 3]) for i in range(0, len(body), 3)]
        elif kind == b"tRNS":
            alpha = body
        elif kind == b"IDAT":
            idat += body
    raw = zlib.decompress(idat)
    stride = (width + 1) // 2
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - 1] if x else 0
            up, corner = previous[x], previous[x - 1] if x else 0
            if kind == 1:
                line[x] = (line[x] + left) & 0xFF
            elif kind == 2:
                line[x] = (line[x] + up) & 0xFF
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                predictor = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[x] = (line[x] + predictor) & 0xFF
        previous = line
        rows.append([(line[x // 2] >> (4 if x % 2 == 0 else 0)) & 0xF for x in range(width)])
    clear = {i for i, a in enumerate(alpha) if a == 0}
    return width, height, (palette + [(0, 0, 0)] * 16)[:16], rows, clear


def Dib(width, height, palette, rows, mask=None):
    """A bottom-up 4-bit device-independent bitmap; with a mask, the icon form (double height)."""
    colour_stride = (width * 4 + 31) // 32 * 4
    pixels = b""
    for row in reversed(rows):
        line = bytearray(colour_stride)
        for x, index in enumerate(row):
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        pixels += bytes(line)
    if mask is not None:
        mask_stride = (width + 31) // 32 * 4
        for row in reversed(mask):
            line = bytearray(mask_stride)
            for x, transparent in enumerate(row):
                if transparent:
                    line[x // 8] |= 0x80 >> (x % 8)
            pixels += bytes(line)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * (2 if mask is not None else 1), 1, 4, 0,
                         len(pixels), 2835, 2835, 16, 16)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + pixels


def Bitmap(source, target):
    width, height, palette, rows, clear = ReadPng(source)
    # A bitmap has no transparency: its clear pixels are told by the key colour instead.
    if KEY in [c for i, c in enumerate(palette) if i not in clear]:
        sys.exit(f"{source}: a drawn colour is the key colour")
    palette = [KEY if i in clear else c for i, c in enumerate(palette)]
    dib = Dib(width, height, palette, rows)
    with open(target, "wb") as out:
        out.write(struct.pack("<2sIHHI", b"BM", 14 + len(dib), 0, 0, 14 + 40 + 64) + dib)


def Icon(target, sources):
    images = []
    for source in sources:
        width, height, palette, rows, clear = ReadPng(source)
        mask = [[i in clear for i in row] for row in rows]
        # Masked pixels draw as screen XOR colour, so they must be black to leave the screen alone.
        black = palette.index((0, 0, 0)) if (0, 0, 0) in palette else 0
        rows = [[black if i in clear else i for i in row] for row in rows]
        images.append((width, height, Dib(width, height, palette, rows, mask)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for width, height, dib in images:
        out += struct.pack("<BBBBHHII", width % 256, height % 256, 16, 0, 1, 4, len(dib), offset)
        offset += len(dib)
    out += b"".join(dib for _, _, dib in images)
    open(target, "wb").write(out)


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "bmp":
        Bitmap(sys.argv[2], sys.argv[3])
    elif len(sys.argv) >= 4 and sys.argv[1] == "ico":
        Icon(sys.argv[2], sys.argv[3:])
    else:
        sys.exit(__doc__)
