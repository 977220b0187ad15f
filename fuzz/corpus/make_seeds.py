#!/usr/bin/env python3
"""Writes the seed files of the picture and record fuzzers into this folder."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def picture(width, height, bits=24, colours=0, compression=0, header=40, magic=b"Y5"):
    row = (width * bits + 31) // 32 * 4
    offset = 14 + header + 4 * colours
    info = struct.pack("<IiiHHIIiiII", header, width, height, 1, bits, compression, 0, 0, 0, 0, 0)
    info = (info + bytes(max(0, header - 40)))[:header]
    table = b"".join(struct.pack("<I", 0x010101 * (c & 0xFF)) for c in range(colours))
    pixels = bytes((i * 7 + 1) & 0xFF for i in range(row * abs(height)))
    head = magic + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    return head + info + table + pixels


def record_long(value):
    return struct.pack("<i", value)


def record_string(text):
    return record_long(len(text)) + text


def write(folder, name, data):
    os.makedirs(os.path.join(HERE, folder), exist_ok=True)
    with open(os.path.join(HERE, folder, name), "wb") as f:
        f.write(data)


write("pictures", "rgb24_4x3.dat", picture(4, 3))
write("pictures", "rgb24_1x1.dat", picture(1, 1))
write("pictures", "pal8_4x2.dat", picture(4, 2, bits=8, colours=256))
write("pictures", "pal4_9x2.dat", picture(9, 2, bits=4, colours=16))
write("pictures", "mono_33x2.dat", picture(33, 2, bits=1, colours=2))
write("pictures", "rgb32_3x3.dat", picture(3, 3, bits=32))
write("pictures", "bitfields16.dat", picture(4, 2, bits=16, colours=3, compression=3))
write("pictures", "v4_header.dat", picture(4, 2, header=108))
write("pictures", "os2_header.dat", picture(4, 2, header=12))
write("pictures", "bm_magic.dat", picture(4, 2, magic=b"BM"))

options = record_string(b"ZEPGOPTN") + record_long(1024)
write("records", "options_hint_on", b"\x00" + options + record_long(1))
write("records", "options_hint_off", b"\x00" + options + record_long(0))
header = record_string(b"TV") + record_string(b"MORVEN04") + record_long(1024)
states = [1 if k in (84, 85, 106) else 0 for k in range(224)]
write("records", "ledger", b"\x01" + header + b"".join(record_long(s) for s in states))
page = record_string(b"MORVEN04") + record_long(1024)
stickers = [(84, 100, 69, 5, 0), (106, 332, 147, 6, 1), (0, -7, 9, 7, 0)]
write("records", "page_empty", b"\x02" + page)
write("records", "page_three", b"\x02" + page + b"".join(
    b"".join(record_long(v) for v in s) for s in stickers))
