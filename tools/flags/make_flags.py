#!/usr/bin/env python3
"""Regenerates the language flags of LexorinInterface.dll in platform/interface/flags/.

    make_flags.py                 rewrite the .bmp files and Flags.rc (and remove
                                  .bmp files that no flag needs any more)
    make_flags.py --check         exit 1 if the files on disk are out of date
    make_flags.py --preview DIR   also write an enlarged sheet of all flags to DIR

Each flag is a 23 x 14 bitmap of 4 bits per pixel with the standard 16-colour
palette; Flags.rc makes it bitmap resource <language identifier> once for
every language that shows it. The output depends on nothing but the scripts,
so it is the same on every run and every machine.
"""

import argparse
import os
import pathlib
import sys

sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pictures"))

import flag_language  # noqa: E402
from flag_designs import FLAGS  # noqa: E402
from flag_languages import LANGUAGES  # noqa: E402
from image_formats import Canvas, bmp_file, canvas_rgb, packed_dib4, png_file  # noqa: E402
from label_font import FONT  # noqa: E402

FLAGS_DIR = pathlib.Path(__file__).resolve().parents[2] / "platform" / "interface" / "flags"
RC_NAME = "Flags.rc"


def check_tables(flags, languages):
    """Refuses tables that would leave a language without its flag or write a
    bitmap that no resource names."""
    seen = set()
    for identifier, name, flag in languages:
        if not 0 < identifier <= 0xFFFF:
            raise ValueError("%s: identifier 0x%X is no resource number" % (name, identifier))
        if identifier in seen:
            raise ValueError("identifier 0x%04X is listed twice" % identifier)
        seen.add(identifier)
        if flag not in flags:
            raise ValueError("%s: there is no flag %r" % (name, flag))
    unused = set(flags) - {flag for _, _, flag in languages}
    if unused:
        raise ValueError("flags shown by no language: %s" % ", ".join(sorted(unused)))


def draw_all(flags):
    """Maps each flag's name to its canvas."""
    canvases = {}
    for name, description in flags.items():
        try:
            canvases[name] = flag_language.draw(description)
        except ValueError as error:
            raise ValueError("flag %r: %s" % (name, error)) from None
    return canvases


def resource_script(languages):
    lines = ["// Flags of the languages, shown by the language dialog: bitmap <language identifier>.",
             "// Written by tools/flags/make_flags.py; change the generator, not this file.",
             ""]
    for identifier, name, flag in sorted(languages):
        lines.append('%-5d BITMAP "%s.bmp" // 0x%04X %s' % (identifier, flag, identifier, name))
    return ("\n".join(lines) + "\n").encode("ascii")


def build_files(flags=FLAGS, languages=LANGUAGES):
    """Maps each file name in the flags folder to its bytes."""
    check_tables(flags, languages)
    files = {name + ".bmp": bmp_file(packed_dib4(canvas))
             for name, canvas in draw_all(flags).items()}
    files[RC_NAME] = resource_script(languages)
    return files


def _blit(sheet, canvas, left, top, scale):
    for y, row in enumerate(canvas.rows):
        for x, index in enumerate(row):
            sheet.fill_rect(left + x * scale, top + y * scale, scale, scale, index)


def build_preview(scale=6, columns=8):
    """A PNG sheet: every flag enlarged, with its name and its real size."""
    canvases = draw_all(FLAGS)
    width, height = flag_language.WIDTH * scale, flag_language.HEIGHT * scale
    cell_w, cell_h = width + 12, height + 24
    rows = -(-len(canvases) // columns)
    sheet = Canvas(columns * cell_w + 12, rows * cell_h + 12, 7)
    for n, name in enumerate(sorted(canvases)):
        left, top = 12 + (n % columns) * cell_w, 12 + (n // columns) * cell_h
        sheet.frame(left - 1, top - 1, width + 2, height + 2, 0)
        _blit(sheet, canvases[name], left, top, scale)
        label = Canvas(FONT.width(name.upper()), 5, 7)
        FONT.draw(label, 0, 5, name.upper(), 0)
        _blit(sheet, label, left, top + height + 4, 2)
        _blit(sheet, canvases[name], left + width - flag_language.WIDTH, top + height + 3, 1)
    return png_file(canvas_rgb(sheet))


def stale_files(files, folder):
    """Names of files in folder that differ from files, or that the generator
    no longer writes."""
    folder = pathlib.Path(folder)
    stale = [name for name, data in sorted(files.items())
             if not (folder / name).is_file() or (folder / name).read_bytes() != data]
    if folder.is_dir():
        stale += sorted(path.name for path in folder.glob("*.bmp") if path.name not in files)
    return stale


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the files on disk instead of writing them")
    parser.add_argument("--preview", metavar="DIR", help="write flags.png to DIR")
    args = parser.parse_args(argv)

    try:
        files = build_files()
        if args.check:
            stale = stale_files(files, FLAGS_DIR)
        else:
            stale = []
            FLAGS_DIR.mkdir(parents=True, exist_ok=True)
            for name in stale_files(files, FLAGS_DIR):
                if name in files:
                    (FLAGS_DIR / name).write_bytes(files[name])
                else:
                    (FLAGS_DIR / name).unlink()
        if args.preview:
            preview = pathlib.Path(args.preview)
            preview.mkdir(parents=True, exist_ok=True)
            (preview / "flags.png").write_bytes(build_preview())
    except (ValueError, OSError) as error:
        print("make_flags: %s" % error, file=sys.stderr)
        return 2
    for name in stale:
        problem = "is out of date" if name in files else "is no flag of the generator's"
        print("make_flags: platform/interface/flags/%s %s" % (name, problem), file=sys.stderr)
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
