#!/usr/bin/env python3
"""Draws the application icon, res/tavoro.ico: a gold coin with a yen sign,
one 32 x 32 image in the 16 standard colours. Run it after changing the drawing;
the .ico it writes is committed."""
import math
import struct
import sys

SIZE = 32
# The 16 colours of the standard palette, as (blue, green, red, reserved).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]  # as RGB
BLACK, DARK_RED, OLIVE, NAVY, YELLOW, WHITE = 0, 1, 3, 4, 11, 15
TRANSPARENT = None


def distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def in_yen_sign(x, y):
    strokes = [
        (10.5, 6.5, 15.5, 14.5), (21.5, 6.5, 16.5, 14.5),  # the two arms
        (16.0, 14.5, 16.0, 25.0),                          # the stem
        (10.5, 16.5, 21.5, 16.5), (10.5, 20.5, 21.5, 20.5),  # the two bars
    ]
    return any(distance_to_segment(x, y, *s) <= 1.2 for s in strokes)


def pixel(x, y):
    cx = cy = 15.5
    r = math.hypot(x - cx, y - cy)
    if r > 15.5:
        return TRANSPARENT
    if r > 14.0:
        return BLACK
    if r > 12.5:
        return OLIVE
    if in_yen_sign(x, y):
        return DARK_RED
    # A glint on the upper left of the face.
    if 9.5 < r < 11.5 and -2.6 < math.atan2(y - cy, x - cx) < -1.9:
        return WHITE
    return YELLOW


def icon_bytes():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    # Bitmaps run bottom-up: colour indices two to a byte, then the mask, one bit
    # a pixel, set where the image is transparent, each row padded to 32 bits.
    colour = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        for x in range(0, SIZE, 2):
            hi, lo = (row[x] or 0), (row[x + 1] or 0)
            colour.append(hi << 4 | lo)
        bits = 0
        for x in range(SIZE):
            bits = bits << 1 | (1 if row[x] is TRANSPARENT else 0)
        mask += bits.to_bytes(SIZE // 8, "big")
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(colour) + len(mask), 0, 0, 16, 0)
    image = header + palette + bytes(colour) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "res/tavoro.ico"
    with open(out, "wb") as f:
        f.write(icon_bytes())
