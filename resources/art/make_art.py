#!/usr/bin/env python3
"""Draws the field, base, ball and icon pictures as 16-colour PNG files beside this script.

The pictures are committed; the build never runs this. Run it again after changing a shape:
    python3 resources/art/make_art.py [scale ...]      (default: 1 2)
Each picture is drawn once per scale from the same shapes, in the same units: at scale 2 it has
twice the pixels each way and is named NAME@2x.png, the name Qt looks for on a screen scaled by 2.
Standard library only: shapes are filled by sampling each pixel on a 4 x 4 grid, and the PNG
files are indexed, 4 bits a pixel, with palette entry 0 transparent where a picture needs it.
"""

import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# One palette for every picture, so the pieces match when the window lays them over the field.
PALETTE = [
    (0, 0, 0),        # 0 transparent
    (0, 0, 0),        # 1 black
    (255, 255, 255),  # 2 white
    (46, 122, 44),    # 3 grass
    (58, 138, 52),    # 4 grass, mown the other way
    (181, 122, 68),   # 5 dirt
    (140, 90, 43),    # 6 dirt in shadow
    (200, 200, 200),  # 7 light grey
    (128, 128, 128),  # 8 grey
    (208, 32, 32),    # 9 red
    (128, 0, 0),      # 10 dark red
    (30, 88, 30),     # 11 grass in shadow
    (204, 150, 98),   # 12 dirt in light
    (64, 64, 64),     # 13 dark grey
    (232, 232, 232),  # 14 off-white
    (96, 60, 28),     # 15 dark dirt
]
CLEAR, BLACK, WHITE, GRASS, STRIPE, DIRT, DIRT_SHADE, LIGHT_GREY, GREY, RED, DARK_RED, \
    GRASS_SHADE, DIRT_LIGHT, DARK_GREY, OFF_WHITE, DARK_DIRT = range(16)

# Where the window lays each picture over the field, in the field's pixels. The window places
# the pictures by dialog units (x by 6/4, y by 13/8 at its default font); these are the
# template's rectangles less the field's own corner at 14,15.
FIELD_SIZE = (251, 260)
BASE_SIZE = 48
BALL_SIZE = 42


def DialogToField(x, y):
    Pixels = lambda units, base, per: math.floor(units * base / per + 0.5)  # halves round up
    return (Pixels(x, 6, 4) - Pixels(14, 6, 4), Pixels(y, 13, 8) - Pixels(15, 13, 8))


def Centre(corner, size):
    return (corner[0] + size / 2, corner[1] + size / 2)


THIRD = Centre(DialogToField(14, 77), BASE_SIZE)
SECOND = Centre(DialogToField(82, 15), BASE_SIZE)
FIRST = Centre(DialogToField(149, 80), BASE_SIZE)
HOME = Centre(DialogToField(79, 145), BASE_SIZE)
BALL = Centre(DialogToField(83, 118), BALL_SIZE)


# The scale every Canvas is drawn at; shapes are always given in 1x pixels.
SCALE = 1


class Canvas:
    def __init__(self, width, height, colour=CLEAR):
        self.scale = SCALE
        self.width = width * self.scale
        self.height = height * self.scale
        self.pixels = [[colour] * self.width for _ in range(self.height)]

    def Fill(self, inside, colour, box=None, samples=4):
        """Paints colour where at least half of a pixel's samples fall inside the shape. A callable
        colour is asked at the pixel's centre."""
        s = self.scale
        x0, y0, x1, y1 = [v * s for v in box] if box else (0, 0, self.width, self.height)
        x0, y0 = max(0, int(x0) - 1), max(0, int(y0) - 1)
        x1, y1 = min(self.width, int(math.ceil(x1)) + 1), min(self.height, int(math.ceil(y1)) + 1)
        offsets = [(i + 0.5) / samples for i in range(samples)]
        need = samples * samples / 2
        for y in range(y0, y1):
            row = self.pixels[y]
            for x in range(x0, x1):
                hits = sum(1 for dy in offsets for dx in offsets if inside((x + dx) / s, (y + dy) / s))
                if hits >= need:
                    row[x] = colour if not callable(colour) else colour((x + 0.5) / s, (y + 0.5) / s)

    def Circle(self, cx, cy, r, colour):
        self.Fill(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, colour,
                  (cx - r, cy - r, cx + r, cy + r))

    def Polygon(self, points, colour):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.Fill(lambda x, y: InsidePolygon(points, x, y), colour,
                  (min(xs), min(ys), max(xs), max(ys)))

    def Line(self, a, b, width, colour):
        self.Fill(lambda x, y: DistanceToSegment(a, b, x, y) <= width / 2, colour,
                  (min(a[0], b[0]) - width, min(a[1], b[1]) - width,
                   max(a[0], b[0]) + width, max(a[1], b[1]) + width))

    def Colours(self):
        return {c for row in self.pixels for c in row}


def InsidePolygon(points, x, y):
    inside = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def DistanceToSegment(a, b, x, y):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0 if length == 0 else max(0, min(1, ((x - ax) * dx + (y - ay) * dy) / length))
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy))


def Towards(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


def Inflate(points, centre, by):
    """Moves each corner of a convex shape away from its centre by `by` pixels."""
    out = []
    for x, y in points:
        d = math.hypot(x - centre[0], y - centre[1])
        out.append((x + (x - centre[0]) / d * by, y + (y - centre[1]) / d * by))
    return out


def WritePng(path, canvas):
    used = canvas.Colours()
    if max(used) >= 16:
        sys.exit(f"{path}: colour index out of range")
    rows = bytearray()
    for row in canvas.pixels:
        rows.append(0)  # no filter
        padded = row + [0] * (len(row) % 2)
        rows.extend((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))

    def Chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    png = b"\x89PNG\r\n\x1a\n"
    png += Chunk(b"IHDR", struct.pack(">IIBBBBB", canvas.width, canvas.height, 4, 3, 0, 0, 0))
    png += Chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
    if CLEAR in used:
        png += Chunk(b"tRNS", b"\x00")  # entry 0 only; the rest stay opaque
    png += Chunk(b"IDAT", zlib.compress(bytes(rows), 9))
    png += Chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def Field():
    w, h = FIELD_SIZE
    c = Canvas(w, h, GRASS)
    mound = Towards(HOME, SECOND, 0.475)
    centre = ((FIRST[0] + THIRD[0]) / 2, (HOME[1] + SECOND[1]) / 2)

    # The mower's checks, square to the base lines, four to a base path.
    cell = (abs(FIRST[0] - HOME[0]) + abs(FIRST[1] - HOME[1])) / 4
    def Mown(x, y):
        u, v = (x - HOME[0]) + (y - HOME[1]), (x - HOME[0]) - (y - HOME[1])
        return STRIPE if (math.floor(u / cell) + math.floor(v / cell)) % 2 == 0 else GRASS
    c.Fill(lambda x, y: True, Mown)

    # The skin of the infield: a band of dirt along the base paths, rounded at each base.
    corners = [HOME, FIRST, SECOND, THIRD]
    outer = Inflate(corners, centre, 14)
    inner = Inflate(corners, centre, -14)
    c.Polygon(outer, DIRT)
    for a, b in zip(corners, corners[1:] + corners[:1]):
        c.Line(a, b, 22, DIRT)
    for base in (FIRST, SECOND, THIRD):
        c.Circle(base[0], base[1], 17, DIRT)
    c.Circle(HOME[0], HOME[1], 24, DIRT)

    # The infield grass inside the base paths, mown like the outfield.
    c.Polygon(inner, Mown)
    for base in (FIRST, THIRD):
        c.Circle(base[0], base[1], 17, DIRT)
    c.Circle(HOME[0], HOME[1], 24, DIRT)

    # The pitcher's mound: a dirt circle with a light top and the rubber.
    c.Circle(mound[0], mound[1], 15, DIRT_SHADE)
    c.Circle(mound[0] - 1, mound[1] - 1, 13, DIRT)
    c.Circle(mound[0] - 3, mound[1] - 3, 7, DIRT_LIGHT)
    c.Polygon([(mound[0] - 5, mound[1] - 1), (mound[0] + 5, mound[1] - 1),
               (mound[0] + 5, mound[1] + 1), (mound[0] - 5, mound[1] + 1)], WHITE)

    # Chalk: the four base lines, and the foul lines on to the edge of the field.
    for a, b in zip(corners, corners[1:] + corners[:1]):
        c.Line(a, b, 2, WHITE)
    for base in (FIRST, THIRD):
        c.Line(base, Towards(HOME, base, 3), 2, WHITE)

    # The batter's boxes beside home plate.
    for side in (-1, 1):
        x = HOME[0] + side * 14
        box = [(x - 5, HOME[1] - 9), (x + 5, HOME[1] - 9), (x + 5, HOME[1] + 9), (x - 5, HOME[1] + 9)]
        for a, b in zip(box, box[1:] + box[:1]):
            c.Line(a, b, 1.2, WHITE)
    return c


def Base(occupied):
    c = Canvas(BASE_SIZE, BASE_SIZE)
    m = BASE_SIZE / 2
    r = 11
    # A white bag seen from above, corners towards the neighbouring bases, with a shadow below.
    shadow = [(m, m - r + 2), (m + r + 1, m + 2), (m, m + r + 2), (m - r + 1, m + 2)]
    bag = [(m, m - r), (m + r, m), (m, m + r), (m - r, m)]
    c.Polygon(shadow, DARK_DIRT)
    c.Polygon(bag, WHITE)
    c.Polygon(Inflate(bag, (m, m), -2.5), OFF_WHITE)
    c.Polygon(Inflate(bag, (m, m), -4), WHITE)
    if occupied:
        c.Circle(m, m, 6, BLACK)
    return c


def Baseball(size, margin):
    """A baseball filling size less margin, its two red seams curving in from the sides."""
    c = Canvas(size, size)
    m = size / 2
    r = size / 2 - margin
    outline = 1.0 if r < 24 else r / 24
    inner = r - outline
    inside_ball = lambda x, y: (x - m) ** 2 + (y - m) ** 2 <= (inner - 0.5) ** 2
    c.Circle(m, m, r, DARK_GREY)
    c.Circle(m, m, inner, LIGHT_GREY)
    c.Circle(m - r * 0.12, m - r * 0.12, inner * 0.86, WHITE)
    seam_r = r * 0.95
    seam_width = 1.0 if r < 10 else max(1.8, r / 12)
    for side in (-1, 1):
        sx = m + side * r * 1.5
        on_seam = lambda x, y, sx=sx: abs(math.hypot(x - sx, y - m) - seam_r) <= seam_width / 2
        c.Fill(lambda x, y: inside_ball(x, y) and on_seam(x, y), RED)
        if r < 10:
            continue
        # Stitches: short chevrons along the seam, pointing along it.
        ticks = 5 if r < 20 else 7
        spread = 1.18  # radians of the seam's circle that lie inside the ball
        for k in range(ticks):
            a = (math.pi if side > 0 else 0) + spread * (k / (ticks - 1) - 0.5)
            px, py = sx + seam_r * math.cos(a), m + seam_r * math.sin(a)
            nx, ny = math.cos(a), math.sin(a)
            tx, ty = -ny, nx
            tick = max(1.5, r * 0.14)
            for n in (-1, 1):
                end = (px + n * nx * tick - tx * tick * 0.5, py + n * ny * tick - ty * tick * 0.5)
                if inside_ball(*end):
                    c.Line(end, (px, py), max(1.0, seam_width * 0.8), RED)
    return c


# At 16 pixels a drawn ball blurs its seams into bars, so the smallest icon is set by hand.
SMALL_ICON = [
    ".....DDDDDD.....",
    "...DDWWWWWWDD...",
    "..DRWWWWWWWWRD..",
    ".DWRWWWWWWWWRLD.",
    ".DWWRWWWWWWRWLD.",
    "DWWWRWWWWWWRWWLD",
    "DWWWWRWWWWRWWWLD",
    "DWWWWRWWWWRWWWLD",
    "DWWWWRWWWWRWWWLD",
    "DWWWWRWWWWRWWLLD",
    "DWWWRWWWWWWRWLLD",
    ".DWWRWWWWWWRLLD.",
    ".DWRWWWWWWWWRLD.",
    "..DRLWWWWWWLRD..",
    "...DDLLLLLLDD...",
    ".....DDDDDD.....",
]


def SmallIcon():
    # Twice as many pixels hold a drawn ball as well as the 32-pixel icon does.
    if SCALE > 1:
        return Baseball(16, 0.5)
    keys = {".": CLEAR, "D": DARK_GREY, "W": WHITE, "L": LIGHT_GREY, "R": RED}
    c = Canvas(16, 16)
    c.pixels = [[keys[k] for k in row] for row in SMALL_ICON]
    return c


def Draw(scale):
    global SCALE
    SCALE = scale
    suffix = "" if scale == 1 else f"@{scale}x"
    pictures = {
        "bitmap129.png": Field(),
        "bitmap130.png": Base(True),
        "bitmap131.png": Base(False),
        "bitmap132.png": Baseball(BALL_SIZE, 9),
        "icon128-16.png": SmallIcon(),
        "icon128-32.png": Baseball(32, 1),
    }
    # The desktop's icon theme has sizes enough of its own; only the window's pictures double.
    if scale == 1:
        pictures.update({
            "icon-48.png": Baseball(48, 2),
            "icon-64.png": Baseball(64, 3),
            "icon-128.png": Baseball(128, 6),
        })
    for name, canvas in pictures.items():
        name = name.replace(".png", suffix + ".png")
        WritePng(os.path.join(HERE, name), canvas)
        print(f"{name}: {canvas.width} x {canvas.height}, {len(canvas.Colours())} colours")


def main():
    for scale in [int(arg) for arg in sys.argv[1:]] or [1, 2]:
        Draw(scale)


if __name__ == "__main__":
    main()
