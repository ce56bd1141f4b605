#!/usr/bin/env python3
"""Draws the program's icon, korvath.ico: a blue rounded square with a white K.

Run once by hand after a change; the .ico is committed, so the build needs no
image tools. Standard library only.
"""
import math
import struct
import sys

SIZES = (16, 24, 32, 48, 64)
SAMPLES = 4  # per axis, for anti-aliased edges


def inside_rounded_square(x, y, radius):
    # Unit square [0,1]^2 with rounded corners.
    cx = min(max(x, radius), 1 - radius)
    cy = min(max(y, radius), 1 - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def near_segment(x, y, ax, ay, bx, by, half_width):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    px, py = ax + t * dx, ay + t * dy
    return math.hypot(x - px, y - py) <= half_width


# The letter: a stem and two arms meeting left of centre.
STROKES = (
    (0.34, 0.22, 0.34, 0.78),
    (0.37, 0.52, 0.70, 0.22),
    (0.45, 0.45, 0.72, 0.78),
)


def pixel(size, px, py):
    """BGRA of one pixel, from SAMPLES x SAMPLES sub-samples."""
    square = letter = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = (px + (sx + 0.5) / SAMPLES) / size
            y = (py + (sy + 0.5) / SAMPLES) / size
            if inside_rounded_square(x, y, 0.2):
                square += 1
                if any(near_segment(x, y, *s, 0.075) for s in STROKES):
                    letter += 1
    total = SAMPLES * SAMPLES
    if square == 0:
        return (0, 0, 0, 0)
    # Blue from top to bottom, white where the letter is.
    shade = py / max(size - 1, 1)
    blue = (int(200 - 60 * shade), int(120 - 50 * shade), int(30 - 10 * shade))
    mix = letter / square
    colour = tuple(int(c + (255 - c) * mix) for c in blue)
    return colour + (int(255 * square / total),)


def bitmap(size):
    rows = []
    for py in reversed(range(size)):  # bottom-up rows
        rows.append(b"".join(bytes(pixel(size, px, py)) for px in range(size)))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    mask_row = ((size + 31) // 32) * 4  # AND mask, all zero: alpha decides
    return header + b"".join(rows) + bytes(mask_row * size)


def main(path):
    images = [bitmap(size) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "korvath.ico")
