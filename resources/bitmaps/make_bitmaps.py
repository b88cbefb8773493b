#!/usr/bin/python3
"""Draws a bitmap from a readable description and writes it as a 24-bit BMP.

Usage: make_bitmaps.py DESCRIPTION.txt OUTPUT.bmp

The description is a list of drawing statements, one per line, applied in
order on a canvas whose origin is the top-left corner (x to the right, y
down). '#' starts a comment. Statements:

    size W H                      canvas size in pixels (first statement)
    colour NAME RRGGBB            names a colour
    fill C                        paints the whole canvas
    gradient C1 C2 X Y W H        vertical gradient, C1 at the top row, C2 at the bottom
    rect C X Y W H                filled rectangle
    frame C WIDTH                 border of WIDTH pixels along the canvas edges
    polygon C X1 Y1 X2 Y2 ...     filled polygon; corners lie on pixel edges and
                                  may be fractional; edges are anti-aliased
    glyph CH                      block-letter glyph for the character CH: the
      ...art rows...              following rows, up to a line "end", draw it;
    end                           '#' marks ink, '.' marks none (all rows equal width;
                                  no comments inside the rows)
    text C X Y SCALE SPACING STR  draws STR with the glyphs, each glyph cell a
                                  SCALE x SCALE square, SPACING cells between letters;
                                  STR is one word

Only the Python standard library is used.
"""

import os
import struct
import sys


class DescriptionError(Exception):
    pass


class Canvas:
    def __init__(self, width, height):
        if not (0 < width <= 4096 and 0 < height <= 4096):
            raise DescriptionError("size out of range: %d x %d" % (width, height))
        self.width = width
        self.height = height
        self.pixels = [[(0, 0, 0)] * width for _ in range(height)]

    def put(self, x, y, colour, coverage=1.0):
        if 0 <= x < self.width and 0 <= y < self.height and coverage > 0.0:
            if coverage >= 1.0:
                self.pixels[y][x] = colour
            else:
                old = self.pixels[y][x]
                self.pixels[y][x] = tuple(
                    int(round(o + (n - o) * coverage)) for o, n in zip(old, colour))

    def rect(self, colour, x, y, w, h):
        for row in range(max(y, 0), min(y + h, self.height)):
            for col in range(max(x, 0), min(x + w, self.width)):
                self.pixels[row][col] = colour

    def gradient(self, top, bottom, x, y, w, h):
        for i in range(h):
            t = i / (h - 1) if h > 1 else 0.0
            colour = tuple(int(round(a + (b - a) * t)) for a, b in zip(top, bottom))
            self.rect(colour, x, y + i, w, 1)

    def frame(self, colour, width):
        self.rect(colour, 0, 0, self.width, width)
        self.rect(colour, 0, self.height - width, self.width, width)
        self.rect(colour, 0, 0, width, self.height)
        self.rect(colour, self.width - width, 0, width, self.height)

    def polygon(self, colour, points, samples=4):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        x0, x1 = max(int(min(xs)), 0), min(int(max(xs)) + 1, self.width)
        y0, y1 = max(int(min(ys)), 0), min(int(max(ys)) + 1, self.height)
        offsets = [(i + 0.5) / samples for i in range(samples)]
        for py in range(y0, y1):
            for px in range(x0, x1):
                inside = sum(
                    1 for oy in offsets for ox in offsets
                    if point_in_polygon(px + ox, py + oy, points))
                self.put(px, py, colour, inside / (samples * samples))

    def text(self, colour, glyphs, x, y, scale, spacing, string):
        for ch in string:
            if ch not in glyphs:
                raise DescriptionError("no glyph for %r" % ch)
            rows = glyphs[ch]
            for gy, row in enumerate(rows):
                for gx, cell in enumerate(row):
                    if cell == "#":
                        self.rect(colour, x + gx * scale, y + gy * scale, scale, scale)
            x += (len(rows[0]) + spacing) * scale

    def bmp(self):
        """The canvas as a BMP file: bottom-up rows of BGR triples, each row
        padded to a multiple of 4 bytes, no compression."""
        stride = (self.width * 3 + 3) & ~3
        image = bytearray()
        for row in reversed(self.pixels):
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r))
            line += bytes(stride - len(line))
            image += line
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0,
                           len(image), 2835, 2835, 0, 0)
        header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(image), 0, 0,
                             14 + len(info))
        return header + info + bytes(image)


def point_in_polygon(x, y, points):
    inside = False
    n = len(points)
    for i in range(n):
        xa, ya = points[i]
        xb, yb = points[(i + 1) % n]
        if (ya > y) != (yb > y):
            cross = xa + (y - ya) * (xb - xa) / (yb - ya)
            if x < cross:
                inside = not inside
    return inside


def parse_colour(text):
    if len(text) != 6:
        raise DescriptionError("colour must be RRGGBB: %r" % text)
    try:
        value = int(text, 16)
    except ValueError:
        raise DescriptionError("colour must be RRGGBB: %r" % text)
    return ((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF)


def draw(description):
    canvas = None
    colours = {}
    glyphs = {}
    lines = description.splitlines()
    index = 0

    def colour(name):
        if name not in colours:
            raise DescriptionError("unknown colour %r" % name)
        return colours[name]

    def numbers(args, count=None, kind=int):
        if count is not None and len(args) != count:
            raise DescriptionError("expected %d numbers, got %d" % (count, len(args)))
        try:
            return [kind(a) for a in args]
        except ValueError:
            raise DescriptionError("not a number in %r" % " ".join(args))

    while index < len(lines):
        lineno = index + 1
        line = lines[index].split("#", 1)[0].strip()
        index += 1
        if not line:
            continue
        try:
            words = line.split()
            op, args = words[0], words[1:]
            if op == "size":
                if canvas is not None:
                    raise DescriptionError("size given twice")
                canvas = Canvas(*numbers(args, 2))
                continue
            if op == "colour":
                if len(args) != 2:
                    raise DescriptionError("colour NAME RRGGBB")
                colours[args[0]] = parse_colour(args[1])
                continue
            if op == "glyph":
                if len(args) != 1 or len(args[0]) != 1:
                    raise DescriptionError("glyph takes one character")
                rows = []
                while index < len(lines) and lines[index].strip() != "end":
                    rows.append(lines[index].strip())
                    index += 1
                if index == len(lines):
                    raise DescriptionError("glyph %r has no end" % args[0])
                index += 1
                if not rows or any(len(r) != len(rows[0]) or set(r) - set("#.") for r in rows):
                    raise DescriptionError("glyph %r: rows of '#' and '.' of equal width"
                                           % args[0])
                glyphs[args[0]] = rows
                continue
            if canvas is None:
                raise DescriptionError("size must come first")
            if op == "fill":
                canvas.rect(colour(args[0]), 0, 0, canvas.width, canvas.height)
            elif op == "gradient":
                canvas.gradient(colour(args[0]), colour(args[1]), *numbers(args[2:], 4))
            elif op == "rect":
                canvas.rect(colour(args[0]), *numbers(args[1:], 4))
            elif op == "frame":
                canvas.frame(colour(args[0]), *numbers(args[1:], 1))
            elif op == "polygon":
                coords = numbers(args[1:], kind=float)
                if len(coords) < 6 or len(coords) % 2:
                    raise DescriptionError("polygon needs at least three x y pairs")
                canvas.polygon(colour(args[0]), list(zip(coords[0::2], coords[1::2])))
            elif op == "text":
                if len(args) != 6:
                    raise DescriptionError("text C X Y SCALE SPACING STRING")
                x, y, scale, spacing = numbers(args[1:5], 4)
                canvas.text(colour(args[0]), glyphs, x, y, scale, spacing, args[5])
            else:
                raise DescriptionError("unknown statement %r" % op)
        except DescriptionError as e:
            raise DescriptionError("line %d: %s" % (lineno, e))
        except IndexError:
            raise DescriptionError("line %d: %r lacks arguments" % (lineno, line))
    if canvas is None:
        raise DescriptionError("no size statement")
    return canvas


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: make_bitmaps.py DESCRIPTION.txt OUTPUT.bmp\n")
        return 2
    try:
        with open(argv[1], encoding="utf-8") as f:
            canvas = draw(f.read())
    except (OSError, DescriptionError) as e:
        sys.stderr.write("%s: %s\n" % (argv[1], e))
        return 1
    data = canvas.bmp()
    temporary = argv[2] + ".tmp"
    with open(temporary, "wb") as f:
        f.write(data)
    os.replace(temporary, argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
