#!/usr/bin/env python3
"""Copies the tour's screen shots into a folder for the documentation,
compressed: the demo writes its PNGs uncompressed, which is quick but large.
The pixels stay as they are.

    compact_screenshots.py TOUR_FOLDER OUTPUT_FOLDER
"""

import os
import struct
import sys
import zlib

sys.dont_write_bytecode = True


def chunks(data):
    offset = 8
    while offset < len(data):
        (length,) = struct.unpack(">I", data[offset:offset + 4])
        yield data[offset + 4:offset + 8], data[offset + 8:offset + 8 + length]
        offset += 12 + length


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def compact(data):
    parts = list(chunks(data))
    image = zlib.decompress(b"".join(body for kind, body in parts if kind == b"IDAT"))
    out = data[:8]
    for kind, body in parts:
        if kind == b"IDAT":
            continue
        if kind == b"IEND":
            out += chunk(b"IDAT", zlib.compress(image, 9))
        out += chunk(kind, body)
    return out


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    os.makedirs(argv[2], exist_ok=True)
    for name in sorted(os.listdir(argv[1])):
        if name.endswith(".png"):
            with open(os.path.join(argv[1], name), "rb") as f:
                data = compact(f.read())
            with open(os.path.join(argv[2], name), "wb") as f:
                f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
