"""The demo host's splash picture: the Lexorin mark and name on a blue
gradient, over a light band where the splash window writes its text lines.
400 x 250 pixels, drawn in true colour with few enough colours for an 8-bit
picture."""

from image_formats import PALETTE16, Canvas
from maker_logo import _gem_mark
from pixel_font import NAME_FONT

WIDTH, HEIGHT = 400, 250
BAND_TOP = 190                    # the light band for the text lines starts here
SKY_TOP, SKY_BOTTOM = (16, 42, 110), (40, 120, 170)
ACCENT = (230, 170, 20)
BAND = (246, 244, 236)
NAME = "Lexorin"
UNSET = -1


def _mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def _sky(y):
    # Bands of four rows keep the gradient within a few dozen colours.
    return _mix(SKY_TOP, SKY_BOTTOM, (y // 4 * 4) / float(BAND_TOP - 4))


def _paint(rows, canvas, left, top, scale, colour_of):
    """Copies the set pixels of an index canvas, each as scale x scale."""
    for y in range(canvas.height):
        for x in range(canvas.width):
            index = canvas[x, y]
            if index == UNSET:
                continue
            for dy in range(scale):
                for dx in range(scale):
                    rows[top + y * scale + dy][left + x * scale + dx] = colour_of(index)


def draw_rgb():
    """Rows of (r, g, b), top row first."""
    rows = [[_sky(y) if y < BAND_TOP - 2 else (ACCENT if y < BAND_TOP else BAND) for _ in range(WIDTH)]
            for y in range(HEIGHT)]

    mark = Canvas(64, 64, UNSET)
    _gem_mark(mark, 0, 0, 64)
    name = Canvas(NAME_FONT.width(NAME), len(next(iter(NAME_FONT.glyphs.values()))), UNSET)
    NAME_FONT.draw(name, 0, NAME_FONT.baseline, NAME, 0)

    gap, scale = 20, 3
    block = mark.width + gap + name.width * scale
    left = (WIDTH - block) // 2
    _paint(rows, mark, left, (BAND_TOP - mark.height) // 2, 1, lambda i: PALETTE16[i])
    _paint(rows, name, left + mark.width + gap, (BAND_TOP - name.height * scale) // 2, scale,
           lambda i: (255, 255, 255))
    return rows
