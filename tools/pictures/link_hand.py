"""Cursor 1006: the pointing hand shown over the library's hyperlinks."""

from image_formats import parse_art

SIZE = 32
HOT_SPOT = (14, 9)  # the tip of the index finger

# 'K' black outline, 'w' white fill, '-' transparent.
ART = parse_art("""
--------------------------------
--------------------------------
--------------------------------
--------------------------------
--------------------------------
--------------------------------
--------------------------------
--------------------------------
--------------------------------
-------------KKK----------------
------------KwwwK---------------
------------KwwwK---------------
------------KwwwK---------------
------------KwwwK---------------
------------KwwwKKKK------------
------------KwwwKwwwKKKK--------
------------KwwwKwwwKwwwKKK-----
------------KwwwKwwwKwwwKwwK----
------KKK---KwwwKwwwKwwwKwwK----
-----KwwwK--KwwwwwwwKwwwKwwK----
-----KwwwwK-KwwwwwwwwwwwwwwK----
------KwwwwKKwwwwwwwwwwwwwwK----
-------KwwwwwwwwwwwwwwwwwwwK----
--------KwwwwwwwwwwwwwwwwwwK----
---------KwwwwwwwwwwwwwwwwwK----
----------KwwwwwwwwwwwwwwwwK----
----------KwwwwwwwwwwwwwwwK-----
-----------KwwwwwwwwwwwwwwK-----
-----------KwwwwwwwwwwwwwK------
------------KwwwwwwwwwwwwK------
------------KwwwwwwwwwwwwK------
------------KKKKKKKKKKKKKK------
""")


def masks():
    """The XOR and AND masks, top row first."""
    xor_rows = [[1 if ch == "w" else 0 for ch in line] for line in ART]
    and_rows = [[1 if ch == "-" else 0 for ch in line] for line in ART]
    return xor_rows, and_rows


def check():
    """Raises ValueError unless the art is well formed and the hot spot is on the outline."""
    if len(ART) != SIZE or any(len(line) != SIZE for line in ART):
        raise ValueError("hand cursor must be %d x %d" % (SIZE, SIZE))
    unknown = {ch for line in ART for ch in line} - set("Kw-")
    if unknown:
        raise ValueError("unknown characters %s in hand cursor" % sorted(unknown))
    x, y = HOT_SPOT
    if ART[y][x] != "K" or any(ch != "-" for line in ART[:y] for ch in line):
        raise ValueError("the hot spot must be the topmost point of the fingertip")
