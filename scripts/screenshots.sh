#!/usr/bin/env bash
# Pictures of every dialog of the module for the README, as the real Win32
# code draws them under Wine on a private Xvfb display: the demo runs once in
# English and once with the sample French strings file, saving
# docs/screenshots/<dialog>-<lang>.png (the dialogs are listed in
# demo/show_dialogs.rb).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out_dir=$root/docs/screenshots
english=$(mktemp -d)
trap 'rm -rf "$english"' EXIT
mkdir -p "$out_dir"
rm -f "$out_dir"/*.png

KVR_XVFB=1 SORVANE_SCREENSHOTS=$out_dir SORVANE_RESOURCE_DIR=$english \
  bash "$root/scripts/wine-demo.sh" >/dev/null
KVR_XVFB=1 SORVANE_SCREENSHOTS=$out_dir SORVANE_RESOURCE_DIR=$root/demo/plugin \
  bash "$root/scripts/wine-demo.sh" >/dev/null

# The driver writes plain (stored) PNG; compress them for the repository.
/usr/bin/python3 - "$out_dir"/*.png <<'PY'
import struct, sys, zlib
for path in sys.argv[1:]:
    data = open(path, "rb").read()
    chunks, pos, idat = [], 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IDAT":
            idat += body
        else:
            chunks.append((kind, body))
    out = [data[:8]]
    for kind, body in chunks:
        if kind == b"IEND":
            packed = zlib.compress(zlib.decompress(idat), 9)
            out.append(struct.pack(">I", len(packed)) + b"IDAT" + packed +
                       struct.pack(">I", zlib.crc32(b"IDAT" + packed)))
        out.append(struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body)))
    open(path, "wb").write(b"".join(out))
    print(path)
PY
