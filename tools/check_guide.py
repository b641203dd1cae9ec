#!/usr/bin/env python3
"""Keeps the code blocks of the host developer's guide equal to the example
files they show.

    check_guide.py GUIDE            exit 1, naming each difference, when a block
                                    and its file differ or a file is not shown
    check_guide.py --write GUIDE    rewrite the guide's blocks from the files

A block shows a file when the line before its opening fence is the marker
<!-- example: PATH -->, PATH relative to the guide's repository (the folder
above docs/). Every file of docs/examples/ is shown at least once.
"""

import os
import re
import sys

sys.dont_write_bytecode = True

MARKER = re.compile(r"^<!-- example: (\S+) -->$")
FENCE = "```"
EXAMPLE_SUFFIXES = (".cpp", ".h", ".rc", ".txt")


def blocks(lines):
    """(path, index of the first line inside the block, index of the closing
    fence) for each marked block; raises ValueError on a marker without a
    block."""
    found = []
    for i, line in enumerate(lines):
        match = MARKER.match(line.rstrip("\n"))
        if not match:
            continue
        if i + 1 >= len(lines) or not lines[i + 1].startswith(FENCE):
            raise ValueError("line %d: the marker of %s is not followed by a code block" % (i + 1, match.group(1)))
        end = i + 2
        while end < len(lines) and lines[end].rstrip("\n") != FENCE:
            end += 1
        if end >= len(lines):
            raise ValueError("line %d: the code block of %s is not closed" % (i + 2, match.group(1)))
        found.append((match.group(1), i + 2, end))
    return found


def example_files(root):
    folder = os.path.join(root, "docs", "examples")
    return sorted("docs/examples/" + name for name in os.listdir(folder) if name.endswith(EXAMPLE_SUFFIXES))


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def main(argv):
    write = argv[:1] == ["--write"]
    if write:
        argv = argv[1:]
    if len(argv) != 1:
        sys.stderr.write(__doc__)
        return 2
    guide = os.path.abspath(argv[0])
    root = os.path.dirname(os.path.dirname(guide))
    lines = read(guide).splitlines(keepends=True)
    try:
        marked = blocks(lines)
    except ValueError as error:
        print("%s: %s" % (argv[0], error))
        return 1

    problems = []
    for path, first, end in reversed(marked):
        file = os.path.join(root, path)
        if not os.path.isfile(file):
            problems.append("%s: line %d shows %s, which does not exist" % (argv[0], first - 1, path))
            continue
        wanted = read(file)
        shown = "".join(lines[first:end])
        if shown == wanted:
            continue
        if write:
            lines[first:end] = wanted.splitlines(keepends=True)
        else:
            problems.append("%s: the block at line %d differs from %s" % (argv[0], first, path))
    shown_paths = {path for path, _, _ in marked}
    for path in example_files(root):
        if path not in shown_paths:
            problems.append("%s: %s is not shown" % (argv[0], path))

    if write:
        with open(guide, "w", encoding="utf-8") as f:
            f.write("".join(lines))
    for problem in reversed(problems):
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
