#!/usr/bin/python3
"""Writes a Windows icon file holding the given PNG images as they are (Windows reads PNG
entries of any size). Usage: png_icon.py OUTPUT.ico IMAGE.png..."""
import struct
import sys

images = [open(path, "rb").read() for path in sys.argv[2:]]
offset = 6 + 16 * len(images)
header = struct.pack("<HHH", 0, 1, len(images))
entries = b""
for image in images:
    # A PNG's IHDR gives the width and height at bytes 16 to 24; 0 stands for 256.
    width, height = struct.unpack(">II", image[16:24])
    entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(image), offset)
    offset += len(image)
with open(sys.argv[1], "wb") as icon:
    icon.write(header + entries + b"".join(images))
