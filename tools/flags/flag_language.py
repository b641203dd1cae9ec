"""A small language for drawing flags of 23 x 14 pixels in the 16 standard colours.

A flag is a line of commands painted in order, later ones over earlier ones:

    h:kry                     horizontal stripes, top to bottom; a repeated
                              letter makes its stripe that much wider (h:rrwrr)
    v:bwr                     vertical stripes, hoist to fly
    rect:c,x,y,w,h            a rectangle of whole pixels
    cross:c,x,y,w,h           columns x..x+w-1 and rows y..y+h-1, across the flag
    line:c,x1,y1,x2,y2,t      a band t pixels thick between two points
    salt:c,t                  a saltire: both diagonals, t pixels thick
    poly:c,x1,y1,x2,y2,...    a polygon
    disc:c,cx,cy,r            a disc
    star:c,cx,cy,r[,deg]      a five-pointed star, first point towards deg
                              (-90, straight up, unless given)
    art:x,y,row/row/...       pixel art; each character a colour, '.' clear
    chk:c1,c2,size            a chequer of size x size squares

Coordinates are in pixels from the top-left corner; pixel (i, j) covers
[i, i+1] x [j, j+1], and a shape paints the pixels whose centres it holds.

Colours are letters: k black, m maroon, g green, o olive, n navy, p purple,
t teal, s silver, d grey, r red, l lime, y yellow, b blue, f fuchsia, a aqua,
w white. O stands for orange, which the palette lacks: a fine dither of red
and yellow.
"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pictures"))

from image_formats import Canvas  # noqa: E402

WIDTH, HEIGHT = 23, 14

_PLAIN = {ch: index for index, ch in enumerate("kmgonptsdrlybfaw")}
_DITHERED = {"O": (_PLAIN["r"], _PLAIN["y"])}


def colour(code):
    """A function (x, y) -> palette index for a colour letter."""
    if code in _PLAIN:
        index = _PLAIN[code]
        return lambda x, y: index
    if code in _DITHERED:
        even, odd = _DITHERED[code]
        return lambda x, y: even if (x + y) % 2 == 0 else odd
    raise ValueError("unknown colour %r" % code)


def _boundaries(weights, length):
    """Edges of stripes of the given weights over length pixels. Halves are
    rounded away from the middle, so symmetric patterns stay symmetric."""
    total = sum(weights)
    edges, cum = [0], 0
    for weight in weights:
        cum += weight
        exact = length * cum / total
        if 2 * cum < total:
            edges.append(math.ceil(exact - 0.5))
        else:
            edges.append(math.floor(exact + 0.5))
    return edges


def _stripes(codes, along):
    """Painter of stripes; along picks the coordinate the stripes follow."""
    runs = []
    for ch in codes:
        if runs and runs[-1][0] == ch:
            runs[-1][1] += 1
        else:
            runs.append([ch, 1])
    paints = [colour(ch) for ch, _ in runs]

    def paint(canvas):
        length = canvas.height if along == "y" else canvas.width
        edges = _boundaries([n for _, n in runs], length)
        for index, paint_at in enumerate(paints):
            for p in range(edges[index], edges[index + 1]):
                if along == "y":
                    for x in range(canvas.width):
                        canvas.put(x, p, paint_at(x, p))
                else:
                    for y in range(canvas.height):
                        canvas.put(p, y, paint_at(p, y))
    return paint


def _shape(paint_at, inside):
    def paint(canvas):
        for y in range(canvas.height):
            for x in range(canvas.width):
                if inside(x + 0.5, y + 0.5):
                    canvas.put(x, y, paint_at(x, y))
    return paint


def _near_segment(x1, y1, x2, y2, thickness):
    dx, dy = x2 - x1, y2 - y1
    length2 = dx * dx + dy * dy
    if length2 == 0:
        raise ValueError("a line needs two different points")

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / length2))
        return math.hypot(x - x1 - t * dx, y - y1 - t * dy) <= thickness / 2
    return inside


def _in_polygon(points):
    if len(points) < 3:
        raise ValueError("a polygon needs three points")

    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def _star_points(cx, cy, r, degrees):
    inner = r * math.sin(math.radians(18)) / math.sin(math.radians(126))
    points = []
    for k in range(10):
        angle = math.radians(degrees + 36 * k)
        radius = r if k % 2 == 0 else inner
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return points


def _art(left, top, rows):
    art = rows.split("/")
    for line in art:
        for ch in line:
            if ch != ".":
                colour(ch)
    if left < 0 or top < 0 or left + max(map(len, art)) > WIDTH or top + len(art) > HEIGHT:
        raise ValueError("art leaves the flag")

    def paint(canvas):
        for dy, line in enumerate(art):
            for dx, ch in enumerate(line):
                if ch != ".":
                    canvas.put(left + dx, top + dy, colour(ch)(left + dx, top + dy))
    return paint


def _chequer(first, second, size):
    if size < 1:
        raise ValueError("chequer squares need a size")
    a, b = colour(first), colour(second)

    def paint(canvas):
        for y in range(canvas.height):
            for x in range(canvas.width):
                pick = a if (x // size + y // size) % 2 == 0 else b
                canvas.put(x, y, pick(x, y))
    return paint


def _numbers(args, count=None, at_least=None):
    if count is not None and len(args) != count:
        raise ValueError("expected %d numbers, got %d" % (count, len(args)))
    if at_least is not None and len(args) < at_least:
        raise ValueError("expected at least %d numbers, got %d" % (at_least, len(args)))
    try:
        return [float(a) for a in args]
    except ValueError:
        raise ValueError("not a number in %r" % ",".join(args)) from None


def _whole(args, count):
    values = _numbers(args, count)
    if any(v != int(v) for v in values):
        raise ValueError("whole pixels expected in %r" % ",".join(args))
    return [int(v) for v in values]


def _rect(paint_at, args):
    x, y, w, h = _whole(args, 4)
    return _shape(paint_at, lambda px, py: x <= px < x + w and y <= py < y + h)


def _cross(paint_at, args):
    x, y, w, h = _whole(args, 4)
    return _shape(paint_at, lambda px, py: x <= px < x + w or y <= py < y + h)


def _line(paint_at, args):
    return _shape(paint_at, _near_segment(*_numbers(args, 5)))


def _saltire(paint_at, args):
    (t,) = _numbers(args, 1)
    down = _near_segment(0, 0, WIDTH, HEIGHT, t)
    up = _near_segment(0, HEIGHT, WIDTH, 0, t)
    return _shape(paint_at, lambda x, y: down(x, y) or up(x, y))


def _polygon(paint_at, args):
    values = _numbers(args, at_least=6)
    if len(values) % 2:
        raise ValueError("a polygon needs pairs of coordinates")
    return _shape(paint_at, _in_polygon(list(zip(values[::2], values[1::2]))))


def _disc(paint_at, args):
    cx, cy, r = _numbers(args, 3)
    return _shape(paint_at, lambda x, y: math.hypot(x - cx, y - cy) <= r)


def _star(paint_at, args):
    values = _numbers(args, at_least=3)
    if len(values) > 4:
        raise ValueError("a star takes a centre, a radius and an angle")
    cx, cy, r = values[:3]
    degrees = values[3] if len(values) == 4 else -90
    return _shape(paint_at, _in_polygon(_star_points(cx, cy, r, degrees)))


_SHAPES = {"rect": _rect, "cross": _cross, "line": _line, "salt": _saltire,
           "poly": _polygon, "disc": _disc, "star": _star}


def _command(text):
    name, sep, rest = text.partition(":")
    if not sep or not rest:
        raise ValueError("command %r has no arguments" % text)
    if name in ("h", "v"):
        for ch in rest:
            colour(ch)
        return _stripes(rest, "y" if name == "h" else "x")
    args = rest.split(",")
    if name == "art":
        if len(args) != 3:
            raise ValueError("art takes a position and rows")
        left, top = _whole(args[:2], 2)
        return _art(left, top, args[2])
    if name == "chk":
        if len(args) != 3:
            raise ValueError("chk takes two colours and a size")
        return _chequer(args[0], args[1], _whole(args[2:], 1)[0])
    if name not in _SHAPES:
        raise ValueError("unknown command %r" % name)
    return _SHAPES[name](colour(args[0]), args[1:])


def draw(description):
    """The flag a description draws, as a Canvas of palette indices."""
    commands = description.split()
    if not commands:
        raise ValueError("an empty flag")
    canvas = Canvas(WIDTH, HEIGHT, _PLAIN["w"])
    for text in commands:
        _command(text)(canvas)
    return canvas
