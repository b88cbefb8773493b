#!/usr/bin/python3
"""The screenshot scripts' PNG chores, for the PNGs the drivers write (8-bit
RGB, stored deflate blocks):

  png_tool.py compress FILE...   recompress each file's image data in place
  png_tool.py same A B           exit 0 when both show the same pixels, 1 if not
"""
import struct
import sys
import zlib


def chunks(data):
    pos = 8
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        yield kind, data[pos + 8:pos + 8 + length]
        pos += 12 + length


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def compress(path):
    data = open(path, "rb").read()
    parts = list(chunks(data))
    idat = b"".join(body for kind, body in parts if kind == b"IDAT")
    out = [data[:8]]
    for kind, body in parts:
        if kind == b"IDAT":
            continue
        if kind == b"IEND":
            out.append(chunk(b"IDAT", zlib.compress(zlib.decompress(idat), 9)))
        out.append(chunk(kind, body))
    open(path, "wb").write(b"".join(out))


def pixels(path):
    parts = list(chunks(open(path, "rb").read()))
    header = dict(parts)[b"IHDR"]
    return header, zlib.decompress(b"".join(body for kind, body in parts if kind == b"IDAT"))


def main(args):
    if len(args) >= 2 and args[0] == "compress":
        for path in args[1:]:
            compress(path)
        return 0
    if len(args) == 3 and args[0] == "same":
        return 0 if pixels(args[1]) == pixels(args[2]) else 1
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
