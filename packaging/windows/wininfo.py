#!/usr/bin/env python3
"""Reads what the Windows package check needs from files made by windres and NSIS.

wininfo.py version < RESOURCE   the version resource (as wrestool -x --raw -t 16 writes it):
                                "fixed X.X.X.X" and one "Key=Value" line per string
wininfo.py workdir LINK.lnk     the working folder of a shortcut
"""
import struct
import sys

FIXED_SIGNATURE = 0xFEEF04BD


def align4(pos):
    return (pos + 3) & ~3


def read_block(data, pos):
    """One VS_VERSIONINFO node: (key, value, children), and where the next one starts."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, pos)
    end = pos + length
    key_end = pos + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[pos + 6:key_end].decode("utf-16-le")
    start = align4(key_end + 2)
    size = value_length * 2 if is_text else value_length
    value = data[start:start + size]
    if is_text:
        value = value.decode("utf-16-le").rstrip("\0")
    children, child = [], align4(start + size)
    while child < end:
        node, child = read_block(data, child)
        children.append(node)
        child = align4(child)
    return (key, value, children), end


def print_version(data):
    if len(data) < 6:
        sys.exit("wininfo: no version resource")
    (_, fixed, tables), _ = read_block(data, 0)
    signature, _, ms, ls = struct.unpack_from("<IIII", fixed)
    if signature != FIXED_SIGNATURE:
        sys.exit("wininfo: no VS_FIXEDFILEINFO")
    print("fixed %d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF))
    for name, _, languages in tables:
        for _, _, strings in languages if name == "StringFileInfo" else []:
            for key, value, _ in strings:
                print("%s=%s" % (key, value))


def print_workdir(data):
    # Shell link: flags at 0x14, then an optional ID list and link info, then counted strings
    # (name, relative path, working folder, ...) each present only when its flag is set.
    flags = struct.unpack_from("<I", data, 0x14)[0]
    pos = 0x4C
    if flags & 0x1:
        pos += 2 + struct.unpack_from("<H", data, pos)[0]
    if flags & 0x2:
        pos += struct.unpack_from("<I", data, pos)[0]
    unit = 2 if flags & 0x80 else 1
    for bit in (0x4, 0x8, 0x10):
        if flags & bit:
            count = struct.unpack_from("<H", data, pos)[0]
            text = data[pos + 2:pos + 2 + count * unit]
            pos += 2 + count * unit
            if bit == 0x10:
                print(text.decode("utf-16-le" if unit == 2 else "latin-1").rstrip("\0"))
                return
    sys.exit("wininfo: the shortcut has no working folder")


if __name__ == "__main__":
    if len(sys.argv) == 2 and sys.argv[1] == "version":
        print_version(sys.stdin.buffer.read())
    elif len(sys.argv) == 3 and sys.argv[1] == "workdir":
        with open(sys.argv[2], "rb") as link:
            print_workdir(link.read())
    else:
        sys.exit(__doc__)
