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


SRGB, EMBEDDED = 0x73524742, 0x4D424544


def v5_header(width, height, bits, colours=0, masks=(0, 0, 0, 0), colour_space=SRGB, profile=(0, 0)):
    """The 124-byte header: the 40-byte fields, four masks, the colour
    space and its end points and gammas, intent, profile place and size."""
    return (info_header(width, height, bits, colours=colours, size=124) + struct.pack("<4I", *masks) + struct.pack("<I", colour_space) + b"\0" * 48
            + struct.pack("<4I", 4, profile[0], profile[1], 0))


def core_header(width, height, bits):
    return struct.pack("<IHHHH", 12, width, height, 1, bits)


def table4(colours):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)


def table3(colours):
    return b"".join(struct.pack("<BBB", b, g, r) for r, g, b in colours)


def padded(row):
    return row + b"\0" * (-len(row) % 4)


def row_order(height, top_down):
    return range(height) if top_down else reversed(range(height))


def rows8(width, height, index, top_down=False):
    """8-bit rows, bottom row first unless top-down; index(x, y) with y = 0
    at the top."""
    return b"".join(padded(bytes(index(x, y) for x in range(width)))
                    for y in row_order(height, top_down))


def rows16(width, height, pixel, top_down=False):
    return b"".join(padded(b"".join(struct.pack("<H", pixel(x, y)) for x in range(width)))
                    for y in row_order(height, top_down))


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


def quad8_top_down():
    return (info_header(8, -6, 8) + table4(QUAD + grey_ramp(252, 4))
            + rows8(8, 6, quadrant(8, 6), top_down=True))


def quad8_v5():
    return v5_header(8, 6, 8, colours=6) + table4(QUAD + grey_ramp(2, 4)) + rows8(8, 6, quadrant(8, 6))


# 5-6-5 bits: red, green, blue, yellow.
QUAD565 = [0xF800, 0x07E0, 0x001F, 0xFFE0]


def quad16_v3():
    """56 bytes: the 40-byte fields and four masks, the last for alpha."""
    index = quadrant(8, 6)
    return (info_header(8, -6, 16, compression=3, size=56) + struct.pack("<4I", 0xF800, 0x07E0, 0x001F, 0)
            + rows16(8, 6, lambda x, y: QUAD565[index(x, y)], top_down=True))


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
    tail = whole[40:]
    small_bits = rows8(4, 2, quadrant(4, 2))
    return {
        201: b"",
        202: b"\x28\x00",
        203: info_header(8, 6, 8)[:30],
        204: struct.pack("<I", 1000) + info_header(8, 6, 8)[4:] + table4(QUAD) + small_bits,
        205: info_header(4, 2, 8, colours=200) + table4(QUAD) + small_bits,
        206: whole[:-1],
        207: core_header(6, 4, 4) + table3(QUAD + grey_ramp(6, 4)),
        208: rle8()[:8] + struct.pack("<i", -2) + rle8()[12:],
        209: info_header(4, 2, 7) + table4(QUAD) + small_bits,
        210: info_header(0, 2, 8, colours=4) + table4(QUAD) + small_bits,
        211: info_header(0x40000000, 1, 32) + b"\0" * 16,
        212: rle8(extra=100),
        213: info_header(4, 2, 8, colours=0x10004) + table4(QUAD) + small_bits,
        214: v5_header(8, 6, 8, colour_space=EMBEDDED, profile=(124 + len(tail) - 16, 32)) + tail,
        215: info_header(4, 2, 8, colours=4, planes=0) + table4(QUAD) + small_bits,
        216: info_header(1, 0x7FFFFFFF, 8, colours=4) + table4(QUAD) + small_bits,
        217: info_header(4, 2, 24, compression=4, image_size=16) + b"\xff\xd8" + b"\0" * 14,
        218: info_header(4, 2, 16, compression=3) + b"\0" * 4,
        219: info_header(4, 2, 24, colours=20000) + b"\0" * 80000 + b"\0" * 24,
        220: info_header(2, 1, 16, compression=3, size=44) + b"\0" * 4 + struct.pack("<3I", 0xF800, 0x07E0, 0x001F)
             + b"\0" * 4,
    }


def pictures():
    whole = {101: quad8(), 102: rgb24(), 103: colours300(), 104: core4(), 105: splash(), 106: rle8(),
             107: quad8_top_down(), 108: quad8_v5(), 109: quad16_v3()}
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
