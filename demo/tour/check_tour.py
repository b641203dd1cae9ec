#!/usr/bin/env python3
"""Smoke test of the whole demo: runs its scripted tour and checks each
screen shot it writes.

    check_tour.py WINE_RUN DEMO_EXE FOLDER

Every picture must be a sound PNG (signature, chunk CRCs, zlib stream and
its checksum, row count and length), of a size that fits its window, and
show something: many colours, no single colour covering nearly all of it.
The pictures taken after a language switch must differ from those before.
"""

import collections
import os
import shutil
import struct
import subprocess
import sys
import zlib

sys.dont_write_bytecode = True

# name: (min width, min height, max width, max height)
DIALOG = (200, 120, 900, 700)
EXPECTED = {
    "01-splash.png": (400, 250, 400, 250),
    "02-main-window.png": (560, 360, 560, 360),
    "03-about.png": DIALOG,
    "04-tip-of-the-day.png": DIALOG,
    "05-folder-chooser.png": DIALOG,
    "06-language.png": (150, 80, 900, 700),
    "07-main-window-german.png": (560, 360, 560, 360),
    "08-about-german.png": DIALOG,
    "09-main-window-japanese.png": (560, 360, 560, 360),
    "10-about-japanese.png": DIALOG,
    "11-tip-of-the-day-japanese.png": DIALOG,
    "12-controls.png": DIALOG,
}
# Pairs that a language switch must tell apart.
DIFFERENT = [
    ("02-main-window.png", "07-main-window-german.png"),
    ("07-main-window-german.png", "09-main-window-japanese.png"),
    ("03-about.png", "08-about-german.png"),
    ("08-about-german.png", "10-about-japanese.png"),
    ("04-tip-of-the-day.png", "11-tip-of-the-day-japanese.png"),
]


def read_png(path):
    """(width, height, rows of RGB bytes) of an 8-bit RGB PNG; raises
    ValueError on anything unsound."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("no PNG signature")
    offset, chunks = 8, []
    while offset < len(data):
        if offset + 12 > len(data):
            raise ValueError("truncated chunk")
        length, kind = struct.unpack(">I4s", data[offset:offset + 8])
        body = data[offset + 8:offset + 8 + length]
        (crc,) = struct.unpack(">I", data[offset + 8 + length:offset + 12 + length])
        if len(body) != length or zlib.crc32(kind + body) != crc:
            raise ValueError("bad chunk %r" % kind)
        chunks.append((kind, body))
        offset += 12 + length
    kinds = [k for k, _ in chunks]
    if kinds[0] != b"IHDR" or kinds[-1] != b"IEND" or b"IDAT" not in kinds:
        raise ValueError("chunks out of order: %r" % kinds)
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    if (depth, colour, interlace) != (8, 2, 0):
        raise ValueError("not 8-bit RGB")
    raw = zlib.decompress(b"".join(body for k, body in chunks if k == b"IDAT"))
    stride = 1 + 3 * width
    if len(raw) != stride * height:
        raise ValueError("image data of %d bytes for %d x %d" % (len(raw), width, height))
    rows = []
    for y in range(height):
        if raw[y * stride] != 0:
            raise ValueError("row %d has filter %d" % (y, raw[y * stride]))
        rows.append(raw[y * stride + 1:(y + 1) * stride])
    return width, height, rows


def check_picture(path, limits):
    width, height, rows = read_png(path)
    low_w, low_h, high_w, high_h = limits
    if not (low_w <= width <= high_w and low_h <= height <= high_h):
        return "size %d x %d outside %r" % (width, height, limits)
    colours = collections.Counter()
    for row in rows:
        colours.update(row[i:i + 3] for i in range(0, len(row), 3))
    commonest = colours.most_common(1)[0][1]
    if len(colours) < 8 or commonest > 0.97 * width * height:
        return "blank: %d colours, commonest on %d of %d pixels" % (len(colours), commonest, width * height)
    return None


def main():
    wine_run, demo, folder = sys.argv[1:4]
    shutil.rmtree(folder, ignore_errors=True)
    run = subprocess.run([wine_run, demo, "--tour", folder], stdout=subprocess.PIPE,
                         stderr=subprocess.STDOUT, universal_newlines=True, timeout=240)
    print(run.stdout)
    faults = []
    if run.returncode != 0:
        faults.append("the tour ended with %d" % run.returncode)
    for name, limits in sorted(EXPECTED.items()):
        path = os.path.join(folder, name)
        if not os.path.isfile(path):
            faults.append("%s: missing" % name)
            continue
        try:
            fault = check_picture(path, limits)
        except (ValueError, zlib.error, struct.error) as error:
            fault = "not a sound PNG: %s" % error
        if fault:
            faults.append("%s: %s" % (name, fault))
    for first, second in DIFFERENT:
        a, b = os.path.join(folder, first), os.path.join(folder, second)
        if os.path.isfile(a) and os.path.isfile(b):
            with open(a, "rb") as fa, open(b, "rb") as fb:
                if fa.read() == fb.read():
                    faults.append("%s and %s are the same picture" % (first, second))
    leftovers = sorted(set(os.listdir(folder)) - set(EXPECTED)) if os.path.isdir(folder) else []
    if leftovers:
        faults.append("the tour left other files behind: %s" % ", ".join(leftovers))
    for fault in faults:
        print("FAULT", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
