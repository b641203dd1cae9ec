#!/usr/bin/env python3
"""Regenerates the library's own pictures in resources/.

    make_pictures.py                 rewrite the .bmp and .cur files
    make_pictures.py --check         exit 1 if the files on disk are out of date
    make_pictures.py --preview DIR   also write enlarged PNG previews to DIR

The output depends on nothing but this folder's scripts, so it is the same on
every run and every machine.
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True  # keep the source folder clean

import link_hand  # noqa: E402
import maker_logo  # noqa: E402
import tip_bulb  # noqa: E402
from image_formats import (bmp_file, canvas_rgb, cur_file, packed_dib4,  # noqa: E402
                           png_file)

RESOURCES = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                          "..", "..", "resources"))

# How the Tip of the Day control shows the tip picture: the outer white in the
# default button-shadow colour.
BUTTON_SHADOW = (128, 128, 128)
CHECKER = ((204, 204, 204), (255, 255, 255))


def _sized(data, size, what):
    if len(data) != size:
        raise ValueError("%s is %d bytes, not %d" % (what, len(data), size))
    return data


def build_files():
    """Maps each resource file's path below resources/ to its bytes."""
    tip_bulb.check()
    link_hand.check()
    xor_rows, and_rows = link_hand.masks()
    return {
        "bitmaps/maker_logo.bmp":
            bmp_file(_sized(packed_dib4(maker_logo.draw()), 4304, "bitmap 1007")),
        "bitmaps/tip_bulb.bmp":
            bmp_file(_sized(packed_dib4(tip_bulb.draw()), 728, "bitmap 2006")),
        "cursors/link_hand.cur": cur_file(xor_rows, and_rows, link_hand.HOT_SPOT),
    }


def build_previews(scale):
    """Maps each preview's file name to its PNG bytes."""
    logo = canvas_rgb(maker_logo.draw())
    bulb = canvas_rgb(tip_bulb.draw())
    shown = [row[:] for row in bulb]
    for x, y in tip_bulb.background():
        shown[y][x] = BUTTON_SHADOW
    hand = [[CHECKER[(x // 4 + y // 4) % 2] if ch == "-" else
             ((0, 0, 0) if ch == "K" else (255, 255, 255))
             for x, ch in enumerate(line)] for y, line in enumerate(link_hand.ART)]
    return {
        "maker_logo.png": png_file(logo, scale),
        "tip_bulb.png": png_file(bulb, scale),
        "tip_bulb_shown.png": png_file(shown, scale),
        "link_hand.png": png_file(hand, scale),
    }


def _read(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return None


def _write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def regenerate(program, argv, doc, build, previews, folder, label):
    """The command line of a picture generator: writes (or with --check
    compares) the files that build() maps below `folder`, shown as `label`,
    and the previews that previews(scale) maps. The exit code."""
    parser = argparse.ArgumentParser(description=doc.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the files on disk instead of writing them")
    parser.add_argument("--preview", metavar="DIR", help="write PNG previews to DIR")
    parser.add_argument("--scale", type=int, default=8, help="preview enlargement (1 to 32)")
    args = parser.parse_args(argv)
    if not 1 <= args.scale <= 32:
        parser.error("--scale must be between 1 and 32")

    try:
        files = build()
        stale = []
        for name, data in files.items():
            path = os.path.join(folder, name)
            if args.check:
                if _read(path) != data:
                    stale.append(name)
            else:
                _write(path, data)
        if args.preview:
            for name, data in previews(args.scale).items():
                _write(os.path.join(args.preview, name), data)
    except (ValueError, OSError) as error:
        print("%s: %s" % (program, error), file=sys.stderr)
        return 2
    for name in stale:
        print("%s: %s/%s is out of date" % (program, label, name), file=sys.stderr)
    return 1 if stale else 0


def main(argv):
    return regenerate("make_pictures", argv, __doc__, build_files, build_previews, RESOURCES, "resources")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
