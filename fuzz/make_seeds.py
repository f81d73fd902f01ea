#!/usr/bin/env python3
"""Writes the first inputs of the fuzz targets that need a shape to start from (a skin folder,
picture files, INI lookups) into fuzz/corpus/NAME; the fuzzers grow and the merge trims them."""
import os
import struct
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORPUS = os.path.join(ROOT, "fuzz", "corpus")


def write(target, name, data):
    folder = os.path.join(CORPUS, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


def read(path):
    with open(os.path.join(ROOT, path), "rb") as f:
        return f.read()


def bmp(width, height, bits=24):
    row = (width * bits + 31) // 32 * 4
    pixels = bytes((x * 40 + y * 7) & 0xFF for y in range(height) for x in range(row))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def png(width, height):
    raw = b"".join(b"\0" + bytes((x * 30 + y) & 0xFF for x in range(width * 3)) for y in range(height))
    chunk = lambda kind, body: struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def gif(width, height):
    palette = bytes(range(6))
    image = b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0) + b"\x02\x02\x4c\x01\x00"
    return b"GIF89a" + struct.pack("<HHBBB", width, height, 0x80, 0, 0) + palette + image + b"\x3b"


pictures = {"small.bmp": bmp(5, 3), "palette.bmp": bmp(4, 2, 8), "small.png": png(6, 4), "small.gif": gif(2, 2),
            "button.jpg": read("sample/image/btn01.jpg"), "golden.png": read("tests/golden/flat_checked.png")}
for name, data in pictures.items():
    write("picture", name, data)

config = read("sample/config.ini")
write("skin_tool", "sample", config.replace(b"btn01.jpg", b"p.jpg") + b"\n--picture--\n" + pictures["small.bmp"])
write("skin_tool", "broken", b"[option1]\r\ntransparency=abc\r\n[001]\r\nimage=p.jpg\r\nsource=\"C:\\Program Files\\x.exe\r\n"
      b"[BG1]\r\nimage=..\\..\\x.jpg\r\n\n--picture--\n" + pictures["small.png"][:40])

lookups = bytes([0, 1, 2, 7, 0x10, 3, 4, 255, 0x21, 5, 1, 9, 4]) + b"option1|transparency|" + bytes([8])
write("ini_reader", "sample", lookups + b"\n--\n" + config)
write("ini_reader", "awkward", bytes([4]) + b"s|k|" + bytes([12, 4]) + b"s|k|\"d\"  |" + bytes([3]) + b"\n--\n" +
      b"\xef\xbb\xbf[s]\r\nk=\"v\"\r[t]\nk=\xea\xb0\x80\x00x\n")
write("transparency", "numbers", b" 230 ")
write("transparency", "fraction", b"-1.5e2")
write("command_search", "quoted", b"\x01\"C:\\Program Files\\x.exe\" /k")
write("command_search", "blank", b"\x02C:\\Program Files\\tool.bat a b")
write("command_search", "web", b"\x03https://example.org/")
write("gallery_description", "defaults", b"[Gloss]\nStyle=5\nCaption=Hello\nColorScheme=3\n[Flat]\nStyle=1\n")
