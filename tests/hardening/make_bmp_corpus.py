#!/usr/bin/env python3
"""Turns a folder of BMP files into what a bitmap resource holds.

    make_bmp_corpus.py CORPUS OUT          resource script, table and blocks
    make_bmp_corpus.py --blocks CORPUS OUT blocks only (seeds of the fuzz target)

CORPUS has one sub-folder per category (for instance g good, q questionable,
b bad); every file in them becomes one block: the file without its 14-byte
file header, which a bitmap resource does not carry. A file too short to
hold that header goes in as it is. The blocks are written to OUT/blocks as
<category>_<name>.dib.

The resource script OUT/BmpCorpus.rc names each block as a bitmap resource
by the type number 2, so that the resource compiler copies the bytes as
they are instead of parsing a file header of its own. OUT/BmpCorpusTable.h
lists the resources: identifier, category and file name.
"""
import os
import sys

FILE_HEADER_SIZE = 14
RT_BITMAP = 2


def corpus_files(corpus):
    for category in sorted(os.listdir(corpus)):
        folder = os.path.join(corpus, category)
        if not os.path.isdir(folder):
            continue
        for name in sorted(os.listdir(folder)):
            path = os.path.join(folder, name)
            if os.path.isfile(path) and name.lower().endswith(".bmp"):
                yield category, name, path


def write_if_changed(path, data):
    if os.path.exists(path):
        with open(path, "rb") as existing:
            if existing.read() == data:
                return
    with open(path, "wb") as out:
        out.write(data)


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def main(argv):
    blocks_only = len(argv) > 1 and argv[1] == "--blocks"
    args = argv[2:] if blocks_only else argv[1:]
    if len(args) != 2:
        sys.stderr.write(__doc__)
        return 2
    corpus, out = args
    blocks = os.path.join(out, "blocks")
    os.makedirs(blocks, exist_ok=True)

    rc_lines = ["// Written by make_bmp_corpus.py: every corpus file as a bitmap resource.\n"]
    table_lines = [
        "// Written by make_bmp_corpus.py: the bitmap resources of BmpCorpus.dll.\n",
        "#pragma once\n\n",
        "struct CorpusEntry {\n    unsigned id;\n    const char* category;\n    const char* name;\n};\n\n",
        "static const CorpusEntry kCorpus[] = {\n",
    ]
    count = 0
    for category, name, path in corpus_files(corpus):
        with open(path, "rb") as source:
            data = source.read()
        block = data[FILE_HEADER_SIZE:] if len(data) >= FILE_HEADER_SIZE else data
        block_path = os.path.join(blocks, "%s_%s" % (category, name[:-4] + ".dib"))
        write_if_changed(block_path, block)
        count += 1
        rc_lines.append("%d %d %s\n" % (count, RT_BITMAP, c_string(os.path.abspath(block_path))))
        table_lines.append("    {%d, %s, %s},\n" % (count, c_string(category), c_string(name)))
    table_lines.append("};\n")
    if count == 0:
        sys.stderr.write("make_bmp_corpus.py: no BMP files under %s\n" % corpus)
        return 1
    if not blocks_only:
        write_if_changed(os.path.join(out, "BmpCorpus.rc"), "".join(rc_lines).encode())
        write_if_changed(os.path.join(out, "BmpCorpusTable.h"), "".join(table_lines).encode())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
