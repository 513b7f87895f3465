#!/usr/bin/env python3
"""Prints the target of a Windows shortcut (.lnk) as Windows names it: the local base path of
its LinkInfo (MS-SHLLINK 2.3). Wine's shell cannot start a program from a shortcut, so the
scripts read the target themselves and start that, the way Explorer would."""
import struct
import sys

data = open(sys.argv[1], "rb").read()
if len(data) < 0x4C or struct.unpack_from("<I", data, 0)[0] != 0x4C:
    sys.exit("not a shortcut: " + sys.argv[1])
flags = struct.unpack_from("<I", data, 0x14)[0]
at = 0x4C
if flags & 0x1:  # HasLinkTargetIDList
    at += 2 + struct.unpack_from("<H", data, at)[0]
if not flags & 0x2:  # HasLinkInfo
    sys.exit("the shortcut names no local target: " + sys.argv[1])
header_size = struct.unpack_from("<I", data, at + 4)[0]
if header_size >= 0x24:  # the Unicode path is there too
    offset = struct.unpack_from("<I", data, at + 0x1C)[0]
    end = data.index(b"\0\0", at + offset)
    while (end - at - offset) % 2:
        end = data.index(b"\0\0", end + 1)
    print(data[at + offset:end].decode("utf-16-le"))
else:
    offset = struct.unpack_from("<I", data, at + 0x10)[0]
    print(data[at + offset:data.index(b"\0", at + offset)].decode("latin-1"))
