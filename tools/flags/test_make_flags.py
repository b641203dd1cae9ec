"""Checks of the flag generator that the committed files cannot show."""

import os
import re
import struct
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True

import flag_language  # noqa: E402
import make_flags  # noqa: E402
from flag_languages import LANGUAGES  # noqa: E402


def _rows(description):
    return flag_language.draw(description).rows


class Drawing(unittest.TestCase):
    def test_stripes_follow_their_weights_and_stay_symmetric(self):
        spain = [row[0] for row in _rows("h:ryyr")]
        self.assertEqual(spain, [9] * 3 + [11] * 8 + [9] * 3)
        thailand = [row[5] for row in _rows("h:rwnnwr")]
        self.assertEqual(thailand, thailand[::-1])
        france = _rows("v:bwr")[0]
        self.assertEqual([france.count(i) for i in (12, 15, 9)], [8, 7, 8])

    def test_later_commands_paint_over_earlier_ones(self):
        rows = _rows("h:r rect:w,2,3,4,5")
        self.assertEqual(rows[3][2], 15)
        self.assertEqual(rows[7][5], 15)
        self.assertEqual(rows[8][5], 9)
        self.assertEqual(rows[3][6], 9)

    def test_orange_is_a_dither_of_red_and_yellow(self):
        rows = _rows("h:O")
        self.assertEqual((rows[0][0], rows[0][1], rows[1][0]), (9, 11, 11))

    def test_faulty_descriptions_are_refused(self):
        for description in ["", "h:", "h:kqy", "zigzag:r,1,2", "rect:r,1,2,3", "rect:r,1.5,2,3,4",
                            "disc:r,a,b,c", "poly:r,0,0,5,5,9", "poly:r,0,0,5,5",
                            "line:r,3,3,3,3,2", "star:r,1,1,1,1,1", "art:20,0,rrrrr",
                            "art:0,12,r/r/r", "art:0,0,rxr", "art:0,0", "chk:r,w,0"]:
            with self.subTest(description=description):
                with self.assertRaises(ValueError):
                    flag_language.draw(description)


class Tables(unittest.TestCase):
    FLAGS = {"de": "h:kry", "jp": "h:w disc:r,11.5,7,4.2"}

    def test_a_sound_table_passes(self):
        make_flags.check_tables(self.FLAGS, [(0x0407, "German", "de"), (0x0411, "Japanese", "jp")])

    def test_faulty_tables_are_refused(self):
        cases = {
            "no such flag": [(0x0407, "German", "de"), (0x0411, "Japanese", "jpn")],
            "twice": [(0x0407, "German", "de"), (0x0407, "German", "jp")],
            "unused": [(0x0407, "German", "de")],
            "zero": [(0, "German", "de"), (0x0411, "Japanese", "jp")],
            "too big": [(0x10407, "German", "de"), (0x0411, "Japanese", "jp")],
        }
        for what, languages in cases.items():
            with self.subTest(what):
                with self.assertRaises(ValueError):
                    make_flags.check_tables(self.FLAGS, languages)

    def test_a_faulty_drawing_names_its_flag(self):
        with self.assertRaisesRegex(ValueError, "'de'"):
            make_flags.build_files({"de": "h:kqy"}, [(0x0407, "German", "de")])


class Files(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.files = make_flags.build_files()

    def test_same_bytes_on_every_run(self):
        self.assertEqual(make_flags.build_files(), self.files)

    def test_every_flag_is_a_sixteen_colour_bitmap_of_23_by_14(self):
        for name, data in self.files.items():
            if not name.endswith(".bmp"):
                continue
            with self.subTest(name):
                self.assertEqual(data[:2], b"BM")
                size, _, _, offset = struct.unpack_from("<IHHI", data, 2)
                self.assertEqual(size, len(data))
                width, height, planes, bits, compression = struct.unpack_from("<iiHHI", data, 18)
                self.assertEqual((width, height, planes, bits, compression), (23, 14, 1, 4, 0))
                self.assertEqual(offset, 14 + 40 + 16 * 4)
                self.assertEqual(len(data), offset + 14 * 12)

    def test_the_script_names_each_identifier_once_with_an_existing_file(self):
        script = self.files[make_flags.RC_NAME].decode("ascii")
        entries = re.findall(r'^(\d+) +BITMAP "([^"]+)"', script, re.M)
        self.assertEqual(sorted(int(n) for n, _ in entries), sorted(i for i, _, _ in LANGUAGES))
        for _, file_name in entries:
            self.assertIn(file_name, self.files)
        self.assertIn('1041  BITMAP "jp.bmp"', script)
        self.assertIn('1281  BITMAP "pseudo.bmp"', script)

    def test_every_file_is_named_by_the_script(self):
        script = self.files[make_flags.RC_NAME].decode("ascii")
        for name in self.files:
            if name.endswith(".bmp"):
                self.assertIn('"%s"' % name, script)

    def test_changed_and_foreign_files_are_found(self):
        with tempfile.TemporaryDirectory() as folder:
            for name, data in self.files.items():
                with open(os.path.join(folder, name), "wb") as f:
                    f.write(data)
            self.assertEqual(make_flags.stale_files(self.files, folder), [])
            with open(os.path.join(folder, "de.bmp"), "r+b") as f:
                f.seek(-1, os.SEEK_END)
                f.write(b"\x12")
            with open(os.path.join(folder, "xx.bmp"), "wb") as f:
                f.write(b"BM")
            self.assertEqual(make_flags.stale_files(self.files, folder), ["de.bmp", "xx.bmp"])

    def test_the_preview_is_a_png_sheet(self):
        data = make_flags.build_preview(2)
        self.assertEqual(data[:8], b"\x89PNG\r\n\x1a\n")
        width, height = struct.unpack(">II", data[16:24])
        self.assertGreater(width, 8 * 46)
        self.assertGreater(height, 14 * 28)


if __name__ == "__main__":
    unittest.main()
