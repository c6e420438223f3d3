#!/usr/bin/env python3
"""Writes the viewer's player and clock files and their resource list into res/swf/.

Each file is a minimal uncompressed SWF movie of the project's own making: a header with the
stage size, one SetBackgroundColor tag, one ShowFrame tag and the End tag. Every file gets a
colour of its own, so the files can be told apart in a browser.

Usage: tools/make_swf.py [OUTPUT_FOLDER]   (default: res/swf next to this script's parent)
"""

import os
import struct
import sys

SWF_VERSION = 8
TWIPS_PER_PIXEL = 20


def stage_rect(width_px, height_px):
    """The RECT record (0, width, 0, height) in twips, bit-packed with a common field width."""
    values = [0, width_px * TWIPS_PER_PIXEL, 0, height_px * TWIPS_PER_PIXEL]
    nbits = max(v.bit_length() for v in values) + 1  # signed fields
    bits = format(nbits, "05b") + "".join(format(v, "0%db" % nbits) for v in values)
    bits += "0" * (-len(bits) % 8)
    return bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8))


def tag(code, body=b""):
    assert len(body) < 0x3F
    return struct.pack("<H", (code << 6) | len(body)) + body


def movie(width_px, height_px, rgb):
    body = stage_rect(width_px, height_px)
    body += struct.pack("<HH", 12 << 8, 1)  # 12 frames per second (8.8 fixed), one frame
    body += tag(9, bytes(rgb))  # SetBackgroundColor
    body += tag(1)  # ShowFrame
    body += tag(0)  # End
    return b"FWS" + bytes([SWF_VERSION]) + struct.pack("<I", 8 + len(body)) + body


def files():
    """(resource type, resource id, file name, content) of every file."""
    yield "SWF", 314, "Player.swf", movie(576, 324, (0x20, 0x20, 0x20))
    yield "SWF", 327, "jw_Player.swf", movie(576, 324, (0x00, 0x00, 0x00))
    for number in range(1, 15):
        shade = 0x40 + number * 8
        yield "SWF_UHR", number + 327, "uhr%d.swf" % number, movie(120, 120, (0xFF, shade, 0x40))


def resource_list(entries):
    """The .qrc text: each file under the alias "type/id" by which the viewer looks it up."""
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '    <qresource prefix="/morvek">']
    lines += ['        <file alias="%s/%d">%s</file>' % (t, i, n) for t, i, n, _ in entries]
    lines += ['    </qresource>', '</RCC>', '']
    return "\n".join(lines)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "res", "swf")
    os.makedirs(folder, exist_ok=True)
    entries = list(files())
    for _, _, name, data in entries:
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
    with open(os.path.join(folder, "morvek_swf.qrc"), "w", encoding="ascii") as out:
        out.write(resource_list(entries))


if __name__ == "__main__":
    main()
