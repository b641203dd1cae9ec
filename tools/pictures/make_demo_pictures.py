#!/usr/bin/env python3
"""Regenerates the demo host's product pictures and its stamp in demo/pictures/.

    make_demo_pictures.py                 rewrite the .bmp files
    make_demo_pictures.py --check         exit 1 if the files on disk are out of date
    make_demo_pictures.py --preview DIR   also write enlarged PNG previews to DIR
"""

import os
import sys

sys.dont_write_bytecode = True  # keep the source folder clean

import product_picture  # noqa: E402
from image_formats import (BLACK, NAVY, WHITE, YELLOW, Canvas, bmp_file, canvas_rgb, packed_dib4,  # noqa: E402
                           packed_dib8, png_file)
import make_pictures  # noqa: E402

PICTURES = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                         "..", "..", "demo", "pictures"))


def draw_stamp():
    """A 16-colour stamp on white for the transparent bitmap control: a
    yellow square framed in navy and black, with a white window inside that
    its frame encloses (that white stays white on screen)."""
    stamp = Canvas(32, 32, WHITE)
    stamp.fill_rect(4, 4, 24, 24, YELLOW)
    stamp.frame(4, 4, 24, 24, BLACK)
    stamp.frame(5, 5, 22, 22, NAVY)
    stamp.fill_rect(11, 11, 10, 10, WHITE)
    stamp.frame(10, 10, 12, 12, NAVY)
    return stamp


def build_files():
    """Maps each file name in demo/pictures/ to its bytes."""
    rows = product_picture.draw_rgb()
    return {
        "product16.bmp": bmp_file(packed_dib4(product_picture.draw16())),
        "product256.bmp": bmp_file(packed_dib8(rows, product_picture.palette_of(rows))),
        "stamp16.bmp": bmp_file(packed_dib4(draw_stamp())),
    }


def build_previews(scale):
    return {
        "product16.png": png_file(canvas_rgb(product_picture.draw16()), scale),
        "product256.png": png_file(product_picture.draw_rgb(), scale),
        "stamp16.png": png_file(canvas_rgb(draw_stamp()), scale),
    }


def main(argv):
    return make_pictures.regenerate("make_demo_pictures", argv, __doc__, build_files, build_previews, PICTURES,
                                    "demo/pictures")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
