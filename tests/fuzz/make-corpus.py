#!/usr/bin/env python3
"""Writes the seed corpora of the .pat, skin, language and bitmap fuzz targets into corpus/<name>/."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "corpus")
OUT = os.path.join(CORPUS, "pat")

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


def write(name, data, folder=OUT):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


# --- Bitmaps -------------------------------------------------------------------------------

def bitmap(width, height, bits, compression, palette, pixels, info_size=40):
    """A bitmap file: header, info header (40-byte, or the 12-byte OS/2 one), palette, pixels."""
    if info_size == 12:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
    else:
        info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(pixels),
                           2835, 2835, len(palette) // 4, 0)
    offset = 14 + len(info) + len(palette)
    return b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + info + palette + pixels


def rows(width, height, bits, pixel):
    """Bottom-up rows of `pixel(x, y)` values, each padded to four bytes."""
    out = b""
    for y in range(height):
        bitsrow = []
        for x in range(width):
            value = pixel(x, y)
            bitsrow.append(value.to_bytes(bits // 8, "little") if bits >= 8 else value)
        if bits >= 8:
            row = b"".join(bitsrow)
        else:
            per = 8 // bits
            row = bytes(sum(v << (8 - bits * (i + 1)) for i, v in enumerate(bitsrow[k:k + per]))
                        for k in range(0, len(bitsrow), per))
        out += row + b"\0" * (-len(row) % 4)
    return out


GREY2 = bytes.fromhex("000000 00 FFFFFF 00".replace(" ", ""))
MAGENTA_GREEN = bytes.fromhex("FF00FF00 00FF0000 0000FF00 FF000000".replace(" ", ""))


def bitmaps():
    chess = lambda x, y: (x + y) % 2
    small = {
        "rgb24-3x2": bitmap(3, 2, 24, 0, b"", rows(3, 2, 24, lambda x, y: 0x1020F0 * (x + 1) + y)),
        "rgb24-top-down": bitmap(2, -2, 24, 0, b"", rows(2, 2, 24, lambda x, y: 0xFF << (8 * x))),
        "argb32-2x2": bitmap(2, 2, 32, 0, b"", rows(2, 2, 32, lambda x, y: 0x80FF0000 >> (x + y))),
        "bitfields16-2x2": bitmap(2, 2, 16, 3, struct.pack("<III", 0xF800, 0x07E0, 0x001F),
                                  rows(2, 2, 16, lambda x, y: 0xF800 >> (5 * x))),
        "rgb16-4x1": bitmap(4, 1, 16, 0, b"", rows(4, 1, 16, lambda x, y: 0x7C00 >> (5 * x))),
        "pal8-4x3": bitmap(4, 3, 8, 0, MAGENTA_GREEN, rows(4, 3, 8, lambda x, y: (x + y) % 4)),
        "pal4-5x2": bitmap(5, 2, 4, 0, MAGENTA_GREEN, rows(5, 2, 4, lambda x, y: x % 4)),
        "mono-9x2": bitmap(9, 2, 1, 0, GREY2, rows(9, 2, 1, chess)),
        "os2-mono-2x2": bitmap(2, 2, 1, 0, bytes.fromhex("FF00FF 00FF00".replace(" ", "")), rows(2, 2, 1, chess),
                               info_size=12),
        # 4 x 2: a run of four, then two absolute pixels and a run after an end of line.
        "rle8-4x2": bitmap(4, 2, 8, 1, MAGENTA_GREEN, bytes.fromhex("0401 0000 0003 010203 00 0201 0001")),
        "rle8-delta": bitmap(6, 4, 8, 1, MAGENTA_GREEN, bytes.fromhex("0202 0002 0201 0303 0001")),
        "rle4-5x1": bitmap(5, 1, 4, 2, MAGENTA_GREEN, bytes.fromhex("0512 0001")),
        "rle8-early-end": bitmap(40, 30, 8, 1, MAGENTA_GREEN, bytes.fromhex("0001")),
    }
    cut = small["rgb24-3x2"]
    small["rgb24-cut"] = cut[:len(cut) - 5]
    small["header-only"] = cut[:54]
    small["png-magic"] = bytes.fromhex("89504E470D0A1A0A0000000D49484452")
    small["bm-text"] = b"BM but not really a bitmap"
    small["empty"] = b""
    # Found by the fuzzer: header sizes whose pixel byte count overflowed the completeness check.
    small["row-size-overflow"] = bytes.fromhex("424d480000000013 0b00540039576701 0070600000 3f1dff20ff"
                                               "000000ff0000000001".replace(" ", ""))
    small["extreme-header"] = bitmap(-2**31, -2**31, 0xFFFF, 0, b"", b"")
    for name, data in small.items():
        write(name, data, os.path.join(CORPUS, "bmp"))
    return small


# --- Skins and language files: "<name>[|<file>]\n<main file>" and "\n---- <name>\n<bytes>" --

def layout(head, main, extras=()):
    data = head.encode("utf-8") + b"\n" + main
    for name, content in extras:
        data += b"\n---- " + name.encode("utf-8") + b"\n" + content
    return data


def element(n, body):
    return ("[Element0%d]\n" % n + body + "\n").encode("latin-1")


def shapes(*coords):
    lines = ["Count=%d" % len(coords)]
    for j, (left, top, right, bottom, shape, opacity) in enumerate(coords, 1):
        lines += ["Left_%d=%s" % (j, left), "Top_%d=%s" % (j, top), "Right_%d=%s" % (j, right),
                  "Bottom_%d=%s" % (j, bottom), "Shape_%d=%s" % (j, shape), "Opacity_%d=%s" % (j, opacity)]
    return "\n".join(lines)


def skins(pictures):
    pic = pictures["rgb24-3x2"]
    full = (b"[Skin]\nImages=Phone\n\n" +
            element(1, "Available=1\nHaveImage=1\n" + shapes((52, 268, 205, 400, "Rectangle", 110))) +
            element(2, "Available=1\nHaveImage=0\n" + shapes((50, 58, 207, 196, "Circle", 80),
                                                              (22, 106, 33, 118, "Circle", 255))) +
            element(3, "Available=0\nHaveImage=1\nCount=4") +
            element(6, "Available=1\nHaveImage=1\n" + shapes(("$10", "0x20", "-3", "+4", '"Rectangle"', "0"))))
    phone_pictures = [("Phone.bmp", pic), ("Phone_01.bmp", pic), ("Phone_06.bmp", pictures["mono-9x2"])]
    seeds = {
        "full": layout("Motorola Phone", full, phone_pictures),
        "default-skin": layout("Motorola Nothing|", full, [("phone.BMP", pic)]),
        "case-folded": layout("Motorola Lumen|motorola LUMEN",
                              b"[skin]\nimages = lumen \n" + element(1, "available=1\nhaveimage=1\ncount=0"),
                              [("LUMEN.bmp", pic), ("lumen_01.BMP", pic), ("Lumen_01.bmp", b"no")]),
        "negative-count": layout("Neg", b"[Skin]\nImages=Neg\n" + element(1, "Available=1\nCount=2") +
                                 element(2, "Available=1\nCount=200"), [("Neg.bmp", pic)]),
        "missing-picture": layout("Miss", b"[Skin]\nImages=Miss\n" + element(1, "Available=1\nCount=1") +
                                  element(4, "Available=1\nHaveImage=1\nCount=1"), [("Miss.bmp", pic)]),
        "not-a-bitmap": layout("Png", b"[Skin]\nImages=Png\n" + element(2, "Available=1\nHaveImage=1"),
                               [("Png.bmp", pic), ("Png_02.bmp", pictures["png-magic"])]),
        "picture-is-folder": layout("Dir", b"[Skin]\nImages=Dir\n", [("Dir.bmp/", b"")]),
        "images-leave-folder": layout("Out", b"[Skin]\nImages=../../Out\n" + element(1, "Available=1")),
        "profile-leaves-folder": layout("../Profiles/Secret|x/y", full, phone_pictures),
        "no-skin": layout("Motorola X", b""),
        "shape-texts": layout("Txt", b"[Skin]\nImages=Txt\n" +
                              element(5, "Available=1\nCount=3\nShape_1=Kreis \xe4\xf6\nShape_2=\xe2\x97\x8f\n"
                                      "Shape_3=" + "x" * 2100), [("Txt.bmp", pic)]),
    }
    for name, data in seeds.items():
        write(name, data, os.path.join(CORPUS, "skin"))


def strings(pairs):
    return b"".join(b"%s=%s\r\n" % (k.encode(), v) for k, v in pairs)


def languages():
    western = (b"[Language]\r\nExt=eng\r\nCodepage=1252\r\n[Strings]\r\n" +
               strings([("s1", b"&File"), ("s8", b"About"), ("s51", b"Play"), ("s57", b"Stop")]) +
               b"[Dialogs]\r\n" + strings([("d1", b"OK"), ("d5", b"Cancel")]))
    cyrillic = "[Language]\nExt=cyr\nCodepage=1251\n[Strings]\ns1=Файл\ns57='Стоп'\n[Dialogs]\nd3=Обычный\n"
    seeds = {
        "western": layout("English", western, [("About.eng", b"Glowshow Editor\r\nversion 2\r\n\r\nlast line")]),
        "cp1251": layout("Russian", cyrillic.encode("cp1251"),
                         [("About.cyr", "Редактор\nсветовых эффектов\n".encode("cp1251"))]),
        "utf8-bom": layout("Utf8", b"\xef\xbb\xbf" + cyrillic.encode("utf-8"),
                           [("About.cyr", b"\xef\xbb\xbf" + "Редактор\r\n".encode("utf-8"))]),
        "case-folded": layout("english|ENGLISH", b"[LANGUAGE]\nEXT=Eng\n[strings]\nS2=&New\n",
                              [("ABOUT.ENG", b"upper case")]),
        "western-bytes": layout("Deutsch", b"[Language]\nExt=deu\n[Strings]\ns1=Datei \xf6ffnen \x80\x81\n",
                                [("About.deu", b"\xc4nderungen\n\x9f\r")]),
        "line-breaks": layout("Breaks", b"[Language]\nExt=txt\n",
                              [("About.txt", b"a\rb\nc\r\nd\n\re\r\n\r\n"), ("Other.lng", b"[Language]\nExt=o\n")]),
        "about-is-folder": layout("Dir", b"[Language]\nExt=dir\n", [("About.dir/", b"")]),
        "ext-leaves-folder": layout("Out", b"[Language]\nExt=../About.eng\n", [("About.eng", b"outside")]),
        "name-leaves-folder": layout("../Languages/Secret|Secret", western),
        "missing": layout("Klingon|Vulcan", b"[Language]\nExt=kli\n"),
        "long-value": layout("Long", b"[Language]\nCodepage=1251\n[Strings]\ns1=" + b"\xe9" * 2100 +
                             b"\ns2=" + "ж".encode("utf-8") * 1100 + b"\n"),
    }
    for name, data in seeds.items():
        write(name, data, os.path.join(CORPUS, "language"))


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
    skins(bitmaps())
    languages()


if __name__ == "__main__":
    main()
