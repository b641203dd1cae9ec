"""The demo host's product picture: a page of text on a blue tile with a gold
seal, 64 x 64 pixels, drawn once in true colour and kept as a 256-colour
picture and as a 16-colour one."""

from image_formats import PALETTE16

SIZE = 64
FACE = (192, 192, 192)            # the classic dialog face, around the tile
TILE_TOP, TILE_BOTTOM = (60, 120, 225), (15, 40, 120)
TILE_EDGE = (10, 25, 80)
PAGE, PAGE_SHADE, PAGE_EDGE = (255, 255, 255), (225, 230, 240), (90, 100, 130)
TEXT_LINE = (120, 130, 160)
SEAL, SEAL_LIGHT, SEAL_EDGE = (230, 170, 20), (255, 225, 90), (140, 90, 0)

_RADIUS = 4
_PAGE = (17, 9, 47, 55)           # left, top, right, bottom (exclusive)
_FOLD = 9                         # size of the folded corner
_SEAL_CENTRE, _SEAL_RADIUS = (44.5, 46.5), 10.5


def _mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def _inside_tile(x, y, inset=0):
    """Whether (x, y) lies in the rounded tile shrunk by `inset` pixels."""
    low, high = inset, SIZE - 1 - inset
    if not (low <= x <= high and low <= y <= high):
        return False
    r = _RADIUS - inset
    cx = min(max(x, low + r), high - r)
    cy = min(max(y, low + r), high - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def _page_pixel(x, y, flat):
    left, top, right, bottom = _PAGE
    if not (left <= x < right and top <= y < bottom):
        return None
    fold_x, fold_y = x - (right - _FOLD), y - top
    if fold_x >= 0 and fold_y < _FOLD:
        if fold_x > fold_y:
            return None                       # cut-off corner shows the tile
        return PAGE_EDGE if fold_x == fold_y or fold_x == 0 or fold_y == _FOLD - 1 else PAGE_SHADE
    if x in (left, right - 1) or y in (top, bottom - 1):
        return PAGE_EDGE
    if (y - top) % 6 == 5 and left + 4 <= x < right - 4 - (5 if y < top + _FOLD else 0):
        return TEXT_LINE
    return PAGE if flat else _mix(PAGE, PAGE_SHADE, (x - left) / float(right - left))


def _seal_pixel(x, y, flat):
    dx, dy = x + 0.5 - _SEAL_CENTRE[0], y + 0.5 - _SEAL_CENTRE[1]
    distance = (dx * dx + dy * dy) ** 0.5
    if distance > _SEAL_RADIUS:
        return None
    if distance > _SEAL_RADIUS - 1.2:
        return SEAL_EDGE
    # A letter L in the seal's own dark edge colour.
    if -4 <= dx <= -1.5 and -5 <= dy <= 5 or -4 <= dx <= 4.5 and 2.5 <= dy <= 5:
        return SEAL_EDGE
    if flat:
        return SEAL_LIGHT if dx + dy < -_SEAL_RADIUS * 0.6 else SEAL
    light = max(0.0, min(1.0, 0.5 - (dx + dy) / (4 * _SEAL_RADIUS)))
    return _mix(SEAL, SEAL_LIGHT, light)


# Ordered dithering between blue and navy stands in for the shading.
_BAYER = (0.125, 0.625, 0.875, 0.375)


def _tile_pixel(x, y, flat):
    t = y / float(SIZE - 1)
    if flat:
        return PALETTE16[4] if t > _BAYER[(y % 2) * 2 + x % 2] else PALETTE16[12]
    return _mix(TILE_TOP, TILE_BOTTOM, t)


def draw_rgb(flat=False):
    """Rows of (r, g, b), top row first. `flat` leaves out the shading, for
    a picture of few colours."""
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            colour = FACE
            if _inside_tile(x, y):
                colour = TILE_EDGE
                if _inside_tile(x, y, 1):
                    colour = _tile_pixel(x, y, flat)
            for layer in (_page_pixel, _seal_pixel):
                painted = layer(x, y, flat)
                if painted is not None:
                    colour = painted
            row.append(colour)
        rows.append(row)
    return rows


def palette_of(rows):
    """The picture's own colours, in order of first use; at most 256."""
    colours = []
    seen = set()
    for row in rows:
        for colour in row:
            if colour not in seen:
                seen.add(colour)
                colours.append(colour)
    if len(colours) > 256:
        raise ValueError("the product picture has %d colours, more than 256" % len(colours))
    return colours


def draw16():
    """The flat picture as a Canvas of the standard 16 colours."""
    from image_formats import Canvas
    canvas = Canvas(SIZE, SIZE, 0)
    for y, row in enumerate(draw_rgb(flat=True)):
        for x, colour in enumerate(row):
            canvas.put(x, y, nearest16(colour))
    return canvas


def nearest16(colour):
    """Index of the standard 16-colour entry closest to `colour`."""
    return min(range(16), key=lambda i: sum((PALETTE16[i][c] - colour[c]) ** 2 for c in range(3)))
