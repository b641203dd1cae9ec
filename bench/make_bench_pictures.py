#!/usr/bin/env python3
"""Writes the benchmark's pictures into a folder as bitmap files:
bench_splash.bmp, 400 x 250, bench_large.bmp, 1920 x 1080, and
bench_product.bmp, 64 x 64, all 8 bits per pixel with a 256-entry colour
table.

    make_bench_pictures.py OUTPUT_FOLDER
"""

import os
import struct
import sys


def picture(width, height):
    """A packed 8-bit DIB: diagonal bands through a ramp of 256 colours."""
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, 0, 0, 0, 256, 0)
    table = b"".join(struct.pack("<BBBB", i, (i * 3) % 256, 255 - i, 0) for i in range(256))
    stride = (width + 3) // 4 * 4
    rows = bytearray()
    for y in range(height):
        row = bytes(((x + y) // 8) % 256 for x in range(width))
        rows += row + b"\0" * (stride - width)
    return header + table + bytes(rows)


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    os.makedirs(argv[1], exist_ok=True)
    for name, size in (("bench_splash.bmp", (400, 250)), ("bench_large.bmp", (1920, 1080)),
                       ("bench_product.bmp", (64, 64))):
        dib = picture(*size)
        file_header = struct.pack("<2sIHHI", b"BM", 14 + len(dib), 0, 0, 14 + 40 + 1024)
        with open(os.path.join(argv[1], name), "wb") as f:
            f.write(file_header + dib)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
