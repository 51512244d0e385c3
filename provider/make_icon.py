#!/usr/bin/env python3
"""Draws the provider's icon (a calendar page with two sync arrows) and writes
it as lunea_sync.ico: 32 x 32 and 16 x 16, 16 colours. Run it again after a
change; the .ico is committed so the build needs no Python."""
import math
import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
CLEAR, BORDER, PAGE, HEADER, RING, GRID, ARROW = None, 8, 15, 9, 0, 7, 12


def draw(size):
    s = size / 32.0
    img = [[CLEAR] * size for _ in range(size)]

    def fill(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), int(math.ceil(y1 * s))):
            for x in range(int(x0 * s), int(math.ceil(x1 * s))):
                img[y][x] = colour

    fill(2, 5, 30, 30, BORDER)      # page outline, one pixel wide at any size
    x0, y0, x1, y1 = int(2 * s) + 1, int(5 * s) + 1, int(math.ceil(30 * s)) - 1, int(math.ceil(30 * s)) - 1
    for y in range(y0, y1):
        for x in range(x0, x1):
            img[y][x] = HEADER if y < int(11 * s) + (size < 32) else PAGE
    for x in (8, 22):               # binding rings
        fill(x, 2, x + 2, 8, RING)
    if size >= 32:                  # day grid, only where it stays legible
        for gy in (14, 18, 22, 26):
            for gx in (6, 10, 22, 26):
                fill(gx, gy, gx + 2, gy + 2, GRID)

    # Two arrows chasing each other round the middle of the page.
    cx, cy = 16 * s, 19.5 * s
    outer, inner = 7.5 * s, 7.5 * s - max(2.0, 2.5 * s)
    for y in range(size):
        for x in range(size):
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            r = math.hypot(dx, dy)
            a = math.degrees(math.atan2(dy, dx)) % 360
            if inner <= r <= outer and not (60 <= a <= 110 or 240 <= a <= 290):
                img[y][x] = ARROW
    for angle in (240, 60):         # arrow heads at the end of each arc
        rad = math.radians(angle)
        mid = (outer + inner) / 2
        hx, hy = cx + mid * math.cos(rad), cy + mid * math.sin(rad)
        tx, ty = -math.sin(rad), math.cos(rad)        # direction of travel
        nx, ny = math.cos(rad), math.sin(rad)
        half = 3.2 * s if size >= 32 else 1.8
        length = 3.5 * s if size >= 32 else 2.0
        for y in range(size):
            for x in range(size):
                px, py = x + 0.5 - hx, y + 0.5 - hy
                along = px * tx + py * ty
                across = px * nx + py * ny
                if 0 <= along <= length and abs(across) <= half * (1 - along / length):
                    img[y][x] = ARROW
    return img


def bitmap(img):
    size = len(img)
    xor_rows, and_rows = [], []
    for row in reversed(img):       # bottom-up
        nibbles = [0 if c is None else c for c in row]
        packed = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows.append(packed.ljust((len(packed) + 3) // 4 * 4, b"\0"))
        bits = 0
        for c in row:
            bits = (bits << 1) | (1 if c is None else 0)
        mask = bits.to_bytes(size // 8, "big")
        and_rows.append(mask.ljust((len(mask) + 3) // 4 * 4, b"\0"))
    pixels = b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + pixels


def main(path):
    images = [bitmap(draw(size)) for size in (32, 16)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "lunea_sync.ico")
