"""Pixel canvases and the file formats the library's pictures are stored in.

Everything is written with struct and zlib so that the pictures can be
regenerated on any machine with a plain Python 3.
"""

import struct
import zlib

# The standard Windows 16-colour palette (RGB); index 15 is pure white.
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)


class Canvas:
    """A picture of palette indices, row 0 at the top."""

    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.rows = [[fill] * width for _ in range(height)]

    def __getitem__(self, xy):
        x, y = xy
        return self.rows[y][x]

    def put(self, x, y, index):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = index

    def fill_rect(self, left, top, width, height, index):
        for y in range(top, top + height):
            for x in range(left, left + width):
                self.put(x, y, index)

    def frame(self, left, top, width, height, index):
        right, bottom = left + width - 1, top + height - 1
        for x in range(left, right + 1):
            self.put(x, top, index)
            self.put(x, bottom, index)
        for y in range(top, bottom + 1):
            self.put(left, y, index)
            self.put(right, y, index)

    def paint_art(self, left, top, art, legend):
        """Paints a character map; characters missing from legend stay untouched."""
        for dy, line in enumerate(art):
            for dx, ch in enumerate(line):
                if ch in legend:
                    self.put(left + dx, top + dy, legend[ch])


def parse_art(text):
    """Splits a multi-line character map, dropping the blank first and last lines."""
    lines = text.split("\n")
    while lines and not lines[0].strip():
        lines.pop(0)
    while lines and not lines[-1].strip():
        lines.pop()
    return lines


def _bitmap_info_header(width, height, bit_count, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bit_count, 0,
                       image_size, 0, 0, colours, 0)


def _colour_table(colours):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)


def _packed_rows(rows, pack_row):
    """Packs rows bottom-up, each padded to a multiple of four bytes."""
    data = bytearray()
    for row in reversed(rows):
        packed = pack_row(row)
        data += packed + b"\0" * (-len(packed) % 4)
    return bytes(data)


def _pack_nibbles(row):
    padded = list(row) + [0] * (len(row) % 2)
    return bytes((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))


def _pack_bits(row):
    padded = list(row) + [0] * (-len(row) % 8)
    out = bytearray()
    for i in range(0, len(padded), 8):
        byte = 0
        for bit in padded[i:i + 8]:
            byte = (byte << 1) | (1 if bit else 0)
        out.append(byte)
    return bytes(out)


def packed_dib4(canvas):
    """The canvas as a 4-bit packed DIB: header, 16-entry colour table, bits."""
    bits = _packed_rows(canvas.rows, _pack_nibbles)
    header = _bitmap_info_header(canvas.width, canvas.height, 4, len(bits), 16)
    return header + _colour_table(PALETTE16) + bits


def packed_dib8(rgb_rows, colours):
    """rgb_rows (lists of (r, g, b), top row first) as an 8-bit packed DIB with
    a 256-entry colour table: the picture's colours first, the rest black."""
    index = {colour: i for i, colour in enumerate(colours)}
    bits = _packed_rows(rgb_rows, lambda row: bytes(index[colour] for colour in row))
    header = _bitmap_info_header(len(rgb_rows[0]), len(rgb_rows), 8, len(bits), 256)
    table = list(colours) + [(0, 0, 0)] * (256 - len(colours))
    return header + _colour_table(table) + bits


def bmp_file(packed_dib):
    """Prefixes a packed DIB with the 14-byte file header of a .bmp file."""
    header_size = struct.unpack_from("<I", packed_dib, 0)[0]
    colours = struct.unpack_from("<I", packed_dib, 32)[0]
    bits_offset = 14 + header_size + 4 * colours
    return struct.pack("<2sIHHI", b"BM", 14 + len(packed_dib), 0, 0, bits_offset) + packed_dib


def cur_file(xor_rows, and_rows, hot_spot):
    """A .cur file holding one monochrome image.

    xor_rows and and_rows are rows of 0/1, top row first. Where AND is 1 the
    screen shows through; where it is 0 the XOR bit picks black (0) or white (1).
    """
    width, height = len(xor_rows[0]), len(xor_rows)
    xor_bits = _packed_rows(xor_rows, _pack_bits)
    and_bits = _packed_rows(and_rows, _pack_bits)
    # An icon or cursor image header counts both masks in its height.
    image = (_bitmap_info_header(width, 2 * height, 1, len(xor_bits) + len(and_bits), 2)
             + _colour_table([(0, 0, 0), (255, 255, 255)]) + xor_bits + and_bits)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0,
                        hot_spot[0], hot_spot[1], len(image), 6 + 16)
    return directory + entry + image


def png_file(rgb_rows, scale=1):
    """An 8-bit RGB PNG of rgb_rows (lists of (r, g, b)), each pixel scale x scale."""
    height, width = len(rgb_rows) * scale, len(rgb_rows[0]) * scale
    raw = bytearray()
    for row in rgb_rows:
        line = b"".join(bytes(rgb) * scale for rgb in row)
        for _ in range(scale):
            raw += b"\0" + line

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def canvas_rgb(canvas):
    return [[PALETTE16[i] for i in row] for row in canvas.rows]
