#!/usr/bin/env python3
"""Regenerates the demo host's product pictures in demo/pictures/.

    make_demo_pictures.py                 rewrite the .bmp files
    make_demo_pictures.py --check         exit 1 if the files on disk are out of date
    make_demo_pictures.py --preview DIR   also write enlarged PNG previews to DIR
"""

import os
import sys

sys.dont_write_bytecode = True  # keep the source folder clean

import product_picture  # noqa: E402
from image_formats import bmp_file, canvas_rgb, packed_dib4, packed_dib8, png_file  # noqa: E402
import make_pictures  # noqa: E402

PICTURES = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                         "..", "..", "demo", "pictures"))


def build_files():
    """Maps each file name in demo/pictures/ to its bytes."""
    rows = product_picture.draw_rgb()
    return {
        "product16.bmp": bmp_file(packed_dib4(product_picture.draw16())),
        "product256.bmp": bmp_file(packed_dib8(rows, product_picture.palette_of(rows))),
    }


def build_previews(scale):
    return {
        "product16.png": png_file(canvas_rgb(product_picture.draw16()), scale),
        "product256.png": png_file(product_picture.draw_rgb(), scale),
    }


def main(argv):
    return make_pictures.regenerate("make_demo_pictures", argv, __doc__, build_files, build_previews, PICTURES,
                                    "demo/pictures")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
