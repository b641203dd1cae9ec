#!/usr/bin/env python3
"""Writes the pictures of DibTestPictures.dll into a folder: dibNNN.bmp for
each resource number of DibTestPictureIds.h.

    make_dib_test_pictures.py OUTPUT_FOLDER

The resource compiler drops the first 14 bytes of a bitmap file (its file
header) and keeps the rest as it is, so every file is 14 filler bytes and
then exactly the block that the resource is to hold, corrupt or not.
"""

import os
import struct
import sys

RED, GREEN, BLUE, YELLOW = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0)
QUAD = [RED, GREEN, BLUE, YELLOW]
CREAM = (240, 230, 200)


def info_header(width, height, bits, compression=0, image_size=0, colours=0, planes=1, size=40):
    return struct.pack("<IiiHHIIiiII", size, width, height, planes, bits, compression,
                       image_size, 2835, 2835, colours, 0)


def core_header(width, height, bits):
    return struct.pack("<IHHHH", 12, width, height, 1, bits)


def table4(colours):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)


def table3(colours):
    return b"".join(struct.pack("<BBB", b, g, r) for r, g, b in colours)


def padded(row):
    return row + b"\0" * (-len(row) % 4)


def rows8(width, height, index):
    """8-bit rows, bottom row first; index(x, y) with y = 0 at the top."""
    return b"".join(padded(bytes(index(x, y) for x in range(width)))
                    for y in reversed(range(height)))


def rows4(width, height, index):
    out = b""
    for y in reversed(range(height)):
        values = [index(x, y) for x in range(width)] + [0] * (width % 2)
        out += padded(bytes((values[i] << 4) | values[i + 1] for i in range(0, len(values), 2)))
    return out


def quadrant(width, height):
    return lambda x, y: (0 if y < height // 2 else 2) + (0 if x < width // 2 else 1)


def grey_ramp(count, start):
    return [((i * 7) % 256, (i * 7) % 256, (i * 7) % 256) for i in range(start, start + count)]


def quad8():
    return (info_header(8, 6, 8) + table4(QUAD + grey_ramp(252, 4))
            + rows8(8, 6, quadrant(8, 6)))


def rgb24():
    out = b""
    for y in reversed(range(3)):
        out += padded(b"".join(struct.pack("<BBB", 200, 100 * y, 40 * x) for x in range(5)))
    return info_header(5, 3, 24) + out


def colours300():
    return (info_header(4, 2, 8, colours=300) + table4(QUAD + grey_ramp(296, 4))
            + rows8(4, 2, quadrant(4, 2)))


def core4():
    return core_header(6, 4, 4) + table3(QUAD + grey_ramp(12, 4)) + rows4(6, 4, quadrant(6, 4))


def splash():
    width, height = 120, 60
    corners = {(0, 0): 0, (width - 1, 0): 1, (0, height - 1): 2, (width - 1, height - 1): 3}
    return (info_header(width, height, 8) + table4(QUAD + [CREAM] + grey_ramp(251, 5))
            + rows8(width, height, lambda x, y: corners.get((x, y), 4)))


def rle8_bits():
    # Bottom row: two of blue, two of yellow; top row: two of red, two of
    # green; each row ended, then the picture.
    return bytes([2, 2, 2, 3, 0, 0, 2, 0, 2, 1, 0, 0, 0, 1])


def rle8(extra=0):
    bits = rle8_bits()
    return info_header(4, 2, 8, compression=1, image_size=len(bits) + extra, colours=4) + table4(QUAD) + bits


def broken():
    whole = quad8()
    small_bits = rows8(4, 2, quadrant(4, 2))
    return {
        201: b"",
        202: b"\x28\x00",
        203: info_header(8, 6, 8)[:30],
        204: struct.pack("<I", 1000) + info_header(8, 6, 8)[4:] + table4(QUAD) + small_bits,
        205: info_header(4, 2, 8, colours=200) + table4(QUAD) + small_bits,
        206: whole[:-1],
        207: core_header(6, 4, 4) + table3(QUAD + grey_ramp(6, 4)),
        208: info_header(8, -6, 8) + whole[40:],
        209: info_header(4, 2, 7) + table4(QUAD) + small_bits,
        210: info_header(0, 2, 8, colours=4) + table4(QUAD) + small_bits,
        211: info_header(0x40000000, 1, 32) + b"\0" * 16,
        212: rle8(extra=100),
        213: info_header(4, 2, 8, colours=0x10004) + table4(QUAD) + small_bits,
        214: struct.pack("<I", 124) + whole[4:40] + b"\0" * 84 + whole[40:],
        215: info_header(4, 2, 8, colours=4, planes=0) + table4(QUAD) + small_bits,
        216: info_header(1, 0x7FFFFFFF, 8, colours=4) + table4(QUAD) + small_bits,
        217: info_header(4, 2, 24, compression=4, image_size=16) + b"\xff\xd8" + b"\0" * 14,
        218: info_header(4, 2, 16, compression=3) + b"\0" * 4,
        219: info_header(4, 2, 24, colours=20000) + b"\0" * 80000 + b"\0" * 24,
    }


def pictures():
    whole = {101: quad8(), 102: rgb24(), 103: colours300(), 104: core4(), 105: splash(), 106: rle8()}
    whole.update(broken())
    return whole


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    folder = argv[1]
    os.makedirs(folder, exist_ok=True)
    for number, block in pictures().items():
        with open(os.path.join(folder, "dib%d.bmp" % number), "wb") as f:
            f.write(b"BM" + b"\0" * 12 + block)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
