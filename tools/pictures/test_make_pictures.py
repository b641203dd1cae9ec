"""Checks of the picture generator that the committed files cannot show."""

import contextlib
import io
import struct
import sys
import unittest
import zlib

sys.dont_write_bytecode = True

import link_hand  # noqa: E402
import make_pictures  # noqa: E402
import tip_bulb  # noqa: E402
from image_formats import png_file  # noqa: E402


class Generator(unittest.TestCase):
    def test_same_bytes_on_every_run(self):
        self.assertEqual(make_pictures.build_files(), make_pictures.build_files())

    def test_an_opening_in_the_glass_is_refused(self):
        art = list(tip_bulb.ART)
        art[8] = "......" + art[8][6:]  # outline and glass beside the highlight
        self._expect_refusal(tip_bulb, art, "leaks")

    def test_a_diagonal_gap_in_the_gem_is_refused(self):
        art = list(tip_bulb.ART)
        self.assertEqual((art[27][8], art[28][9]), ("K", "w"))
        art[27] = art[27][:8] + "." + art[27][9:]  # corner to corner with the facet
        self._expect_refusal(tip_bulb, art, "leaks")

    def test_background_cut_off_from_the_corner_is_refused(self):
        art = list(tip_bulb.ART)
        art[1] = "K" + art[1][1:]
        art[0] = ".K" + art[0][2:]
        self._expect_refusal(tip_bulb, art, "cut off")

    def test_a_hot_spot_off_the_fingertip_is_refused(self):
        art = list(link_hand.ART)
        art[5] = "K" + art[5][1:]
        self._expect_refusal(link_hand, art, "hot spot")

    def test_wrong_size_is_refused(self):
        self._expect_refusal(tip_bulb, tip_bulb.ART[:-1], "28 x 39")

    def _expect_refusal(self, module, art, message):
        saved = module.ART
        module.ART = art
        try:
            with self.assertRaisesRegex(ValueError, message):
                module.check()
            with contextlib.redirect_stderr(io.StringIO()) as errors:
                self.assertEqual(make_pictures.main(["--check"]), 2)
            self.assertIn(message, errors.getvalue())
        finally:
            module.ART = saved


class Png(unittest.TestCase):
    def test_chunks_carry_their_checksums_and_the_enlarged_size(self):
        data = png_file([[(255, 0, 0), (0, 0, 255)]], scale=3)
        self.assertEqual(data[:8], b"\x89PNG\r\n\x1a\n")
        offset, kinds = 8, []
        while offset < len(data):
            length, = struct.unpack_from(">I", data, offset)
            body = data[offset + 4:offset + 8 + length]
            crc, = struct.unpack_from(">I", data, offset + 8 + length)
            self.assertEqual(zlib.crc32(body), crc)
            kinds.append(body[:4])
            if body[:4] == b"IHDR":
                self.assertEqual(struct.unpack_from(">II", body, 4), (6, 3))
            offset += 12 + length
        self.assertEqual(kinds, [b"IHDR", b"IDAT", b"IEND"])


if __name__ == "__main__":
    unittest.main()
