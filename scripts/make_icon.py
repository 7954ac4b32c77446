#!/usr/bin/env python3
"""Makes the application icon (.ico: a 32 by 32 and a 16 by 16 image of 16
colours) from its text source. Usage: make_icon.py SOURCE OUTPUT"""
import struct
import sys

# The 16 colours of the standard palette, as (blue, green, red).
PALETTE = [(0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128),
           (128, 0, 0), (128, 0, 128), (128, 128, 0), (192, 192, 192),
           (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
           (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
# Source letters to palette indexes (BGR order above: 12 is red, 9 blue).
COLOURS = {"k": 0, "b": 4, "B": 9, "g": 8, "w": 15, "y": 14, "r": 12, ".": 0}


def image(rows):
    """One icon image: header, palette, colour bits, mask bits."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0,
                         16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for b, g, r in PALETTE)
    colour = b""
    mask = b""
    for row in reversed(rows):  # bottom-up
        line = [COLOURS[c] for c in row]
        packed = bytes((line[i] << 4) | line[i + 1] for i in range(0, size, 2))
        colour += packed + b"\0" * (-len(packed) % 4)
        bits = 0
        for c in row:
            bits = (bits << 1) | (c == ".")
        maskbytes = bits.to_bytes(size // 8, "big")
        mask += maskbytes + b"\0" * (-len(maskbytes) % 4)
    return header + palette + colour + mask


def main():
    with open(sys.argv[1]) as f:
        rows = [line.rstrip("\n") for line in f if not line.startswith("#")]
    rows = [r for r in rows if r]
    assert len(rows) == 32 and all(len(r) == 32 for r in rows)
    small = [row[::2] for row in rows[::2]]
    images = [image(rows), image(small)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data),
                           offset)
        offset += len(data)
    with open(sys.argv[2], "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main()
