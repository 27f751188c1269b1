#!/usr/bin/env python3
"""Writes data/samples/Sample.pat, the sample programme shipped with the editor.

Run from anywhere: python3 tools/make-sample.py [output]
"""
import os
import struct
import sys


def word(value):
    return struct.pack(">H", value & 0xFFFF)


def normal(ident, frames, repeat=None):
    """frames: list of (duration_ms, {element: (r, g, b)}); repeat: repeat duration or None."""
    body = b""
    for duration, colours in frames:
        body += word(duration) + bytes([len(colours)])
        for element, (r, g, b) in sorted(colours.items()):
            body += bytes([element, r, (g << 4) | b])
    if repeat is not None:
        body += word(repeat) + b"\x00"
    return word(len(body)) + bytes([len(frames)]) + b"\x00\x00" + bytes([ident, 2]), body


def rhythm(ident, channels):
    """channels: list of (element, upper, lower, [(r, g, b, parameter), ...]), equal step counts."""
    steps = len(channels[0][3])
    body = b""
    for element, upper, lower, row in channels:
        assert len(row) == steps
        body += bytes([element, len(row)]) + word(upper) + word(lower)
        for r, g, b, parameter in row:
            body += bytes([r, (g << 4) | b, parameter])
    size = len(channels) * (6 + 3 * steps)
    return word(size) + bytes([len(channels)]) + b"\x00\x00" + bytes([ident, 1]), body


def trailer_text(text):
    data = text.encode("latin-1")
    assert len(data) <= 255
    return bytes([len(data)]) + bytes((c - 16) % 256 for c in data)


RED, GREEN, BLUE = (15, 0, 0), (0, 15, 0), (0, 0, 15)
YELLOW, CYAN, MAGENTA, WHITE = (15, 15, 0), (0, 15, 15), (15, 0, 15), (15, 15, 15)
ORANGE, PURPLE, OFF = (15, 8, 0), (8, 0, 15), (0, 0, 0)
RAINBOW = [RED, ORANGE, YELLOW, GREEN, CYAN, BLUE]


def glowshows():
    # Incoming call: a colour chase running round the six elements.
    chase = [(150, {e: RAINBOW[(e - 1 + step) % 6] for e in range(1, 7)}) for step in range(6)]
    yield normal(0x01, chase, repeat=2000)
    # Message: two soft blue pulses on the keypad and the display.
    pulse = [(300, {1: BLUE, 2: (0, 4, 15)}), (200, {1: (0, 0, 6), 2: (0, 0, 4)}),
             (300, {1: BLUE, 2: (0, 4, 15)}), (600, {1: OFF, 2: OFF})]
    yield normal(0x02, pulse)
    # Power on: a white flash that fades through warm colours.
    power = [(100, {e: WHITE for e in range(1, 7)}), (250, {e: YELLOW for e in range(1, 7)}),
             (250, {e: ORANGE for e in range(1, 7)}), (400, {e: (6, 1, 0) for e in range(1, 7)})]
    yield normal(0x0A, power)
    # Alarm: red and magenta alternating on the outer elements.
    alarm = [(200, {3: RED, 4: MAGENTA, 5: RED, 6: MAGENTA}), (200, {3: MAGENTA, 4: RED, 5: MAGENTA, 6: RED})]
    yield normal(0x80, alarm * 2)
    # Charging: a slow green breath on element 6.
    breath = [(500, {6: (0, level, 0)}) for level in (2, 6, 10, 15, 10, 6)]
    yield normal(0x94, breath)
    # Music: bass, mids and treble drive three elements.
    yield rhythm(0x9E, [
        (1, 250, 20, [(15, 0, 0, 100), (8, 0, 0, 50), (15, 4, 0, 200), (0, 0, 0, 0)]),
        (2, 2000, 250, [(0, 15, 0, 100), (0, 8, 8, 50), (4, 15, 0, 150), (0, 0, 0, 0)]),
        (3, 12000, 2000, [(0, 0, 15, 100), (8, 0, 15, 50), (0, 8, 15, 255), (0, 0, 0, 0)]),
    ])


def build():
    parts = list(glowshows())
    body = b"".join(header + body for header, body in parts)
    header_word = sum(6 + len(b) for _, b in parts)
    data = word(257) + word(header_word) + bytes([len(parts)]) + body
    data += trailer_text("Glowshow Editor sample") + trailer_text("Made with Glowshow Editor 2")
    return data


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "samples", "Sample.pat")
    with open(out, "wb") as f:
        f.write(build())


if __name__ == "__main__":
    main()
