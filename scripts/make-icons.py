#!/usr/bin/env python3
# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
"""Draws Tavilo's icon and writes it as res/icon/tavilo.ico, tavilo-32.png and tavilo-16.png.

The two pictures are the pixel maps below, one character per pixel. The .ico
holds them as 4-bit DIB images (palette, bottom-up XOR rows, an all-zero AND
mask), the 32x32 one first; each PNG holds one of them at its native size with
the same palette, so the desktop shows exactly the pixels that the window shows.

Usage:
  scripts/make-icons.py            write the three files into res/icon/
  scripts/make-icons.py --check    exit 1 if the files in res/icon/ are not
                                   what this script draws (nothing is written)
  scripts/make-icons.py --out-dir DIR   write them into DIR instead

Only the standard library is used, so the files can be regenerated anywhere.
"""

import argparse
import pathlib
import struct
import sys
import zlib

# The standard 16-colour palette, in its usual order, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00),  # 0 black
    (0x80, 0x00, 0x00),  # 1 dark red
    (0x00, 0x80, 0x00),  # 2 dark green
    (0x80, 0x80, 0x00),  # 3 dark yellow
    (0x00, 0x00, 0x80),  # 4 dark blue
    (0x80, 0x00, 0x80),  # 5 dark magenta
    (0x00, 0x80, 0x80),  # 6 dark cyan
    (0xC0, 0xC0, 0xC0),  # 7 light grey
    (0x80, 0x80, 0x80),  # 8 dark grey
    (0xFF, 0x00, 0x00),  # 9 red
    (0x00, 0xFF, 0x00),  # 10 green
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 magenta
    (0x00, 0xFF, 0xFF),  # 14 cyan
    (0xFF, 0xFF, 0xFF),  # 15 white
]
BLACK, DARK_RED, LIGHT_GREY, DARK_GREY, RED, BLUE, CYAN, WHITE = 0, 1, 7, 8, 9, 12, 14, 15

# Image 1, 32x32: a red pi on a light-grey button, lit white at the top and
# left, shaded dark grey at the bottom and right.
BUTTON_KEY = {".": LIGHT_GREY, "W": WHITE, "D": DARK_GREY, "R": RED, "r": DARK_RED}
BUTTON = """
WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWD
WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWDD
WW............................DD
WW............................DD
WW............................DD
WW............................DD
WW.....RRRRRRRRRRRRRRRRRRRRR..DD
WW....RRRRRRRRRRRRRRRRRRRRRRD.DD
WW...RRRRRRRRRRRRRRRRRRRRRRRD.DD
WW..RRRRRRRRRRRRRRRRRRRRRRRRD.DD
WW..RRRDDDRRRRDDDDDRRRRDDDDDD.DD
WW...DDD..RRRRD....RRRRD......DD
WW........RRRRD....RRRRD......DD
WW........RRRRD....RRRRD......DD
WW........RRRRD....RRRRD......DD
WW........RRRRD....RRRRD......DD
WW........RRRRD....RRRRD......DD
WW........RRRRD....RRRRD......DD
WW........RRRRD....RRRRD......DD
WW........RRRRD....RRRRD......DD
WW........RRRRD....RRRRD......DD
WW........RRRRD....RRRRD......DD
WW.......RRRRDD....RRRRD.R....DD
WW.......RRRRD.....RRRRD.RD...DD
WW......RRRRDD.....RRRRRRRD...DD
WW......RRRDD.......RRRRRDD...DD
WW.......DDD.........DDDDD....DD
WW............................DD
WW............................DD
WW............................DD
WDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDD
DDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDD
"""

# Image 2, 16x16: a pi-network schematic drawn as a blueprint: the coil, three
# turns on the top wire, and a capacitor from each end of it to the ground rail.
BLUEPRINT_KEY = {"K": BLACK, "B": BLUE, "C": CYAN, "W": WHITE}
BLUEPRINT = """
KKKKKKKKKKKKKKKK
KBBBBBBBBBBBBBBK
KBBBCCBCCBCCBBBK
KWWWCCWCCWCCWWWK
KBBWCCBCCBCCWBBK
KBBWBBBBBBBBWBBK
KBBWBBBBBBBBWBBK
KCCCCCBBBBCCCCCK
KBBBBBBBBBBBBBBK
KCCCCCBBBBCCCCCK
KBBWBBBBBBBBWBBK
KBBWBBBBBBBBWBBK
KBBWBBBBBBBBWBBK
KWWWWWWWWWWWWWWK
KBBBBBBBBBBBBBBK
KKKKKKKKKKKKKKKK
"""

ICON_DIR = pathlib.Path(__file__).resolve().parent.parent / "res" / "icon"


def parse_map(text, key, size):
    """Turns a pixel map into rows of palette indices, top row first."""
    rows = text.strip("\n").split("\n")
    if len(rows) != size or any(len(row) != size for row in rows):
        raise ValueError(f"pixel map is not {size}x{size}")
    return [[key[ch] for ch in row] for row in rows]


def pack_nibbles(row):
    """Packs 4-bit indices two to a byte, the left pixel in the high nibble."""
    return bytes(row[i] << 4 | row[i + 1] for i in range(0, len(row), 2))


def padded(data, boundary):
    return data + bytes(-len(data) % boundary)


def dib_image(pixels):
    """One icon image: BITMAPINFOHEADER (height doubled for XOR and AND),
    palette, 4-bit XOR rows bottom-up, then an all-zero 1-bit AND mask."""
    size = len(pixels)
    xor = b"".join(padded(pack_nibbles(row), 4) for row in reversed(pixels))
    mask = bytes(len(padded(bytes((size + 7) // 8), 4)) * size)
    header = struct.pack(
        "<IiiHHIIiiII",
        40,  # header size
        size,  # width
        2 * size,  # height of XOR and AND together
        1,  # planes
        4,  # bits per pixel
        0,  # BI_RGB, uncompressed
        len(xor) + len(mask),
        0,
        0,  # no resolution
        0,
        0,  # every palette entry used and important
    )
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + xor + mask


def ico_file(images):
    """An icon directory of 4-bit, 16-colour entries followed by their images."""
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    blobs = []
    for pixels in images:
        blob = dib_image(pixels)
        size = len(pixels)
        directory += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return directory + b"".join(blobs)


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png_file(pixels):
    """A 4-bit palette PNG of the picture, with the same 16 colours."""
    size = len(pixels)
    header = struct.pack(">IIBBBBB", size, size, 4, 3, 0, 0, 0)
    palette = bytes(c for colour in PALETTE for c in colour)
    scanlines = b"".join(b"\x00" + pack_nibbles(row) for row in pixels)
    return (
        b"\x89PNG\r\n\x1a\n"
        + png_chunk(b"IHDR", header)
        + png_chunk(b"PLTE", palette)
        + png_chunk(b"IDAT", zlib.compress(scanlines, 9))
        + png_chunk(b"IEND", b"")
    )


def png_content(data):
    """The chunks of a PNG with IDAT inflated, so that two encoders of the
    same pixels compare equal whatever their zlib makes of them."""
    chunks, pos = [], 8
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos : pos + 4])
        kind = data[pos + 4 : pos + 8]
        body = data[pos + 8 : pos + 8 + length]
        chunks.append((kind, zlib.decompress(body) if kind == b"IDAT" else body))
        pos += 12 + length
    return data[:8], chunks


def draw():
    button = parse_map(BUTTON, BUTTON_KEY, 32)
    blueprint = parse_map(BLUEPRINT, BLUEPRINT_KEY, 16)
    return {
        "tavilo.ico": ico_file([button, blueprint]),
        "tavilo-32.png": png_file(button),
        "tavilo-16.png": png_file(blueprint),
    }


def same(name, expected, actual):
    if name.endswith(".png"):
        try:
            return png_content(expected) == png_content(actual)
        except (struct.error, zlib.error):
            return False  # not a readable PNG
    return expected == actual


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--check", action="store_true", help="compare instead of writing")
    parser.add_argument("--out-dir", type=pathlib.Path, default=ICON_DIR)
    args = parser.parse_args()

    files = draw()
    if args.check:
        stale = []
        for name, data in files.items():
            path = args.out_dir / name
            if not path.is_file() or not same(name, data, path.read_bytes()):
                stale.append(str(path))
        if stale:
            print("not what scripts/make-icons.py draws: " + ", ".join(stale), file=sys.stderr)
            print("run scripts/make-icons.py to regenerate them", file=sys.stderr)
            return 1
        return 0

    args.out_dir.mkdir(parents=True, exist_ok=True)
    for name, data in files.items():
        (args.out_dir / name).write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
