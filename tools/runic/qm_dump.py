#!/usr/bin/python3
"""Prints the messages of a Qt .qm translation file as TSV: context, source, comment, translation.

Used to read Hungarian star, planet and constellation names from Debian
stellarium-data (translations/stellarium-skycultures/hu.qm) without Qt's tools.
Usage: /usr/bin/python3 tools/runic/qm_dump.py FILE.qm > names.txt
"""
import struct
import sys

MAGIC = bytes.fromhex("3cb86418caef9c95cd211cbf60a1bddd")


def messages(data):
    if data[:16] != MAGIC:
        raise SystemExit("not a .qm file")
    pos = 16
    while pos < len(data):
        tag, length = data[pos], struct.unpack(">I", data[pos + 1:pos + 5])[0]
        pos += 5
        if tag == 0x69:  # the message block
            yield from parse_messages(data[pos:pos + length])
        pos += length


def parse_messages(block):
    pos, msg = 0, {}
    while pos < len(block):
        tag = block[pos]
        pos += 1
        if tag == 1:  # end of one message
            yield msg
            msg = {}
            continue
        if tag in (5,):  # obsolete, no payload
            continue
        if tag == 9:
            pos += 4
            continue
        length = struct.unpack(">I", block[pos:pos + 4])[0]
        pos += 4
        if length == 0xFFFFFFFF:
            continue
        raw = block[pos:pos + length]
        pos += length
        if tag == 3:
            msg.setdefault("translation", raw.decode("utf-16-be"))
        elif tag == 6:
            msg["source"] = raw.decode("utf-8", errors="replace").rstrip("\0")
        elif tag == 7:
            msg["context"] = raw.decode("utf-8", errors="replace").rstrip("\0")
        elif tag == 8:
            msg["comment"] = raw.decode("utf-8", errors="replace").rstrip("\0")


def main():
    data = open(sys.argv[1], "rb").read()
    for m in messages(data):
        print("\t".join(m.get(k, "").replace("\t", " ").replace("\n", " ")
                        for k in ("context", "source", "comment", "translation")))


if __name__ == "__main__":
    main()
