#!/usr/bin/env python3
"""Draws the home screen's icon (a grid of app tiles) as PNGs, one per screen density."""
import math
import os
import struct
import sys
import zlib

# Density folder and icon edge in pixels (48 dp at each density).
DENSITIES = [("mdpi", 48), ("hdpi", 72), ("xhdpi", 96), ("xxhdpi", 144), ("xxxhdpi", 192)]

TOP = (0x26, 0xA6, 0x9A)  # gradient of the badge, top to bottom
BOTTOM = (0x1E, 0x5A, 0xC8)
TILE = (0xFF, 0xFF, 0xFF)


def rounded_box_distance(px, py, cx, cy, half, radius):
    """Signed distance from a point to a rounded square (negative inside)."""
    qx = abs(px - cx) - (half - radius)
    qy = abs(py - cy) - (half - radius)
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - radius


def coverage(distance):
    """Share of a pixel covered by a shape, from the distance at its centre."""
    return min(max(0.5 - distance, 0.0), 1.0)


def draw(size):
    """Rows of straight-alpha RGBA bytes, each prefixed with PNG filter type 0."""
    badge_half = size * 0.45
    badge_radius = size * 0.18
    tile_half = size * 0.11
    tile_radius = size * 0.04
    pitch = size * 0.27
    centre = size / 2.0
    tiles = [(centre + dx * pitch / 2.0, centre + dy * pitch / 2.0)
             for dy in (-1, 1) for dx in (-1, 1)]
    rows = bytearray()
    for y in range(size):
        rows.append(0)
        py = y + 0.5
        t = y / (size - 1)
        base = [TOP[i] + (BOTTOM[i] - TOP[i]) * t for i in range(3)]
        for x in range(size):
            px = x + 0.5
            alpha = coverage(rounded_box_distance(px, py, centre, centre, badge_half, badge_radius))
            tile = 0.0
            for tx, ty in tiles:
                tile = max(tile, coverage(rounded_box_distance(px, py, tx, ty, tile_half, tile_radius)))
            colour = [base[i] + (TILE[i] - base[i]) * tile for i in range(3)]
            rows.extend(int(c + 0.5) for c in colour)
            rows.append(int(alpha * 255 + 0.5))
    return bytes(rows)


def png(size, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: draw-icon.py <res folder>")
    for density, size in DENSITIES:
        folder = os.path.join(sys.argv[1], "drawable-" + density)
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "ic_launcher.png"), "wb") as out:
            out.write(png(size, draw(size)))


if __name__ == "__main__":
    main()
