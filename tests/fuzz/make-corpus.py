#!/usr/bin/env python3
"""Writes the seed corpus of the .pat fuzz target into corpus/pat/."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus", "pat")

EXAMPLES = {
    "example1": "01 01 00 0C 01 00 06 01 00 00 01 02 01 F4 01 01 0F 80",
    "example2": "01 01 00 0F 01 00 09 01 00 00 01 02 01 F4 01 01 0F 80 0B B8 00 02 38 59 00",
    "example3": "01 01 00 12 01 00 0C 01 00 00 01 01 02 02 03 E8 00 C8 0F 00 64 00 FF 00",
    "empty": "01 01 00 00 00",
    "other-magic": "01 02 00 00 00",
    "kind3": "01 01 00 06 02 00 05 07 AA BB 09 03 00 06 01 00 00 01 02 01 F4 01 01 0F 80",
    "rhythm-2-and-4-steps": "01 01 00 00 01 00 00 02 00 00 05 01 01 02 00 0A 00 01 11 12 13 21 22 23"
                            " 03 04 FF FF 00 00 31 32 33 41 42 43 51 52 53 61 62 63",
    "trailer-low-codes": "01 01 00 00 00 04 F0 F5 FF 00 02 EF 31",
}


def write(name, data):
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)


def repeat_tail_wrap():
    # A repeating glowshow whose frame bytes count to 65534 modulo 65536: its rewritten size
    # wraps and the tail is lost, the one case the round trip skips.
    frames, entries_left = 255, 43690 - 255
    body = b""
    for _ in range(frames):
        n = min(255, entries_left)
        entries_left -= n
        body += struct.pack(">HB", 100, n) + b"\x01\x0f\x80" * n
    body += b"\x03\xe8\x00"
    return b"\x01\x01\x00\x00\x01" + struct.pack(">HB", 0xFFFF, frames) + b"\x00\x00\x01\x02" + body


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, text in EXAMPLES.items():
        write(name, bytes.fromhex(text))
    ex2 = bytes.fromhex(EXAMPLES["example2"])
    for cut in (1, 4, 10, 18, 22):
        write("example2-cut-%d" % cut, ex2[:cut])
    sample = os.path.join(HERE, "..", "..", "data", "samples", "Sample.pat")
    with open(sample, "rb") as f:
        data = f.read()
    write("sample", data)
    write("sample-cut", data[: len(data) // 2])
    write("repeat-tail-wrap", repeat_tail_wrap())


if __name__ == "__main__":
    main()
