"""Bitmap 1007: the maker's web-site banner shown in the About dialog."""

from image_formats import AQUA, BLUE, NAVY, SILVER, TEAL, WHITE, Canvas
from pixel_font import ADDRESS_FONT, NAME_FONT

WIDTH, HEIGHT = 200, 42
NAME = "Lexorin"
ADDRESS = "www.lexorin.example"


def _gem_mark(canvas, left, top, size):
    """A cut gem seen from above, lit from the top left: four facets around a
    table with a white gleam."""
    half = size / 2.0
    for y in range(size):
        for x in range(size):
            dx, dy = x + 0.5 - half, y + 0.5 - half
            reach = abs(dx) + abs(dy)
            if reach > half:
                continue
            if reach > half - 1.0:
                colour = NAVY
            elif reach < half * 0.45:
                colour = WHITE if dx + dy < 0 else AQUA
            elif dy < 0:
                colour = AQUA if dx < 0 else TEAL
            else:
                colour = TEAL if dx < 0 else BLUE
            canvas.put(left + x, top + y, colour)


def draw():
    canvas = Canvas(WIDTH, HEIGHT, WHITE)
    canvas.frame(0, 0, WIDTH, HEIGHT, NAVY)
    canvas.frame(1, 1, WIDTH - 2, HEIGHT - 2, SILVER)
    # Mark and lettering are centred as one block.
    mark_size, gap = 32, 10
    block = mark_size + gap + max(NAME_FONT.width(NAME), ADDRESS_FONT.width(ADDRESS))
    left = (WIDTH - block) // 2
    _gem_mark(canvas, left, (HEIGHT - mark_size) // 2, mark_size)
    text_left = left + mark_size + gap
    NAME_FONT.draw(canvas, text_left, 22, NAME, NAVY)
    ADDRESS_FONT.draw(canvas, text_left, 34, ADDRESS, TEAL)
    return canvas
