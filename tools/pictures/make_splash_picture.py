#!/usr/bin/env python3
"""Regenerates the demo host's splash picture, demo/pictures/splash.bmp.

    make_splash_picture.py                 rewrite the .bmp file
    make_splash_picture.py --check         exit 1 if the file on disk is out of date
    make_splash_picture.py --preview DIR   also write an enlarged PNG preview to DIR
"""

import sys

sys.dont_write_bytecode = True  # keep the source folder clean

import make_demo_pictures  # noqa: E402
import make_pictures  # noqa: E402
import splash_picture  # noqa: E402
from image_formats import bmp_file, packed_dib8, png_file  # noqa: E402
from product_picture import palette_of  # noqa: E402


def build_files():
    rows = splash_picture.draw_rgb()
    return {"splash.bmp": bmp_file(packed_dib8(rows, palette_of(rows)))}


def build_previews(scale):
    return {"splash.png": png_file(splash_picture.draw_rgb(), scale)}


def main(argv):
    return make_pictures.regenerate("make_splash_picture", argv, __doc__, build_files, build_previews,
                                    make_demo_pictures.PICTURES, "demo/pictures")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
