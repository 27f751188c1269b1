#!/usr/bin/env python3
"""Draws the shipped preview skins: device pictures, element pictures and the .skin files.

Run from anywhere; writes into data/Profiles and data/Profiles/Images of this repository.
Pictures are 24-bit Windows bitmaps; element pictures use magenta (255, 0, 255) for the
parts the preview leaves out. Every picture is drawn here, from plain shapes.
"""

import math
import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "Profiles")
W, H = 257, 425
MAGENTA = (255, 0, 255)


class Canvas:
    def __init__(self, w, h, colour):
        self.w, self.h = w, h
        self.px = [[colour] * w for _ in range(h)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, l, t, r, b, c):
        for y in range(max(t, 0), min(b, self.h)):
            row = self.px[y]
            for x in range(max(l, 0), min(r, self.w)):
                row[x] = c

    def round_rect(self, l, t, r, b, radius, c):
        for y in range(t, b):
            for x in range(l, r):
                dx = max(l + radius - x - 0.5, 0, x + 0.5 - (r - radius))
                dy = max(t + radius - y - 0.5, 0, y + 0.5 - (b - radius))
                if dx * dx + dy * dy <= radius * radius:
                    self.put(x, y, c)

    def ellipse(self, l, t, r, b, c):
        cx, cy = (l + r) / 2, (t + b) / 2
        rx, ry = (r - l) / 2, (b - t) / 2
        for y in range(t, b):
            for x in range(l, r):
                if ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2 <= 1:
                    self.put(x, y, c)

    def line(self, x0, y0, x1, y1, width, c):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        half = width / 2
        for i in range(steps + 1):
            x = x0 + (x1 - x0) * i / steps
            y = y0 + (y1 - y0) * i / steps
            for yy in range(int(y - half), int(y + half) + 1):
                for xx in range(int(x - half), int(x + half) + 1):
                    if (xx + 0.5 - x) ** 2 + (yy + 0.5 - y) ** 2 <= half * half:
                        self.put(xx, yy, c)

    def save_bmp(self, path):
        stride = (self.w * 3 + 3) // 4 * 4
        rows = bytearray()
        for y in range(self.h - 1, -1, -1):
            row = bytearray()
            for (r, g, b) in self.px[y]:
                row += bytes((b, g, r))
            row += b"\0" * (stride - len(row))
            rows += row
        header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
        with open(path, "wb") as f:
            f.write(header + info + rows)


def logo(canvas, l, t, r, b, c, hole):
    """Our badge: a ring around a double chevron; `hole` fills the inside of the ring."""
    canvas.ellipse(l, t, r, b, c)
    canvas.ellipse(l + 2, t + 2, r - 2, b - 2, hole)
    w, h = r - l, b - t
    pts = [(0.18, 0.72), (0.34, 0.28), (0.5, 0.6), (0.66, 0.28), (0.82, 0.72)]
    for (ax, ay), (bx, by) in zip(pts, pts[1:]):
        canvas.line(l + ax * w, t + ay * h, l + bx * w, t + by * h, max(2, h // 8), c)
    return canvas


def phone(style):
    c = Canvas(W, H, MAGENTA)
    s = style
    # Background around the phone is the preview's own colour, so the picture blends in.
    c.rect(0, 0, W, H, (236, 233, 216))
    l, t, r, b = s["body"]
    c.round_rect(l + 4, t + 4, r + 4, b + 4, s["radius"], (200, 196, 184))  # shadow
    c.round_rect(l, t, r, b, s["radius"], s["edge"])
    c.round_rect(l + 3, t + 3, r - 3, b - 3, s["radius"] - 3, s["shell"])
    # side light grooves
    for (gl, gt, gr, gb) in s["sides"]:
        c.round_rect(gl, gt, gr, gb, 3, (60, 62, 70))
    # screen
    sl, st, sr, sb = s["screen"]
    c.round_rect(sl - 5, st - 5, sr + 5, sb + 5, 6, (30, 30, 34))
    c.rect(sl, st, sr, sb, s["glass"])
    for y in range(st + 6, st + 14):  # status bar
        for x in range(sl + 6, sl + 6 + (y - st) * 2):
            c.put(x, y, (90, 110, 120))
    c.rect(sr - 26, st + 6, sr - 8, st + 13, (90, 110, 120))
    # keypad
    kl, kt, kr, kb = s["keypad"]
    cols, rows = s["keys"]
    kw, kh = (kr - kl) // cols, (kb - kt) // rows
    for j in range(rows):
        for i in range(cols):
            x, y = kl + i * kw, kt + j * kh
            c.round_rect(x + 3, y + 3, x + kw - 3, y + kh - 3, 5, s["key"])
            c.rect(x + kw // 2 - 3, y + kh // 2 - 1, x + kw // 2 + 3, y + kh // 2 + 1, (70, 70, 76))
    # navigation ring between screen and keypad
    nl, nt, nr, nb = s["nav"]
    c.ellipse(nl, nt, nr, nb, s["key"])
    c.ellipse(nl + 10, nt + 6, nr - 10, nb - 6, s["shell"])
    # logo and call indicator
    logo(c, *s["logo"], (150, 150, 156), s["shell"])
    il, it, ir, ib = s["indicator"]
    c.ellipse(il - 2, it - 2, ir + 2, ib + 2, (40, 40, 44))
    c.ellipse(il, it, ir, ib, (110, 40, 40))
    # earpiece
    el, et, er, eb = s["earpiece"]
    c.round_rect(el, et, er, eb, 3, (40, 40, 44))
    return c


ALL_MODELS = dict(
    body=(30, 8, 227, 414), radius=26, edge=(55, 58, 66), shell=(120, 126, 138), glass=(176, 196, 190),
    screen=(50, 58, 207, 196), keypad=(52, 268, 205, 400), keys=(3, 4), key=(176, 180, 188),
    nav=(96, 206, 161, 258), logo=(114, 212, 143, 234), indicator=(164, 20, 176, 32),
    earpiece=(104, 24, 153, 30), sides=[(24, 110, 31, 310), (226, 110, 233, 310)],
)
LUMEN_X1 = dict(
    body=(40, 4, 217, 420), radius=34, edge=(30, 44, 70), shell=(66, 92, 140), glass=(150, 186, 210),
    screen=(56, 46, 201, 236), keypad=(60, 300, 197, 404), keys=(3, 3), key=(200, 210, 226),
    nav=(100, 244, 157, 292), logo=(112, 256, 145, 280), indicator=(122, 14, 134, 26),
    earpiece=(100, 30, 157, 36), sides=[(34, 90, 41, 330), (216, 90, 223, 330)],
)
PICO_S2 = dict(
    body=(52, 60, 205, 380), radius=20, edge=(70, 40, 40), shell=(170, 70, 60), glass=(190, 210, 170),
    screen=(70, 96, 187, 196), keypad=(70, 264, 187, 364), keys=(3, 4), key=(236, 220, 200),
    nav=(104, 206, 153, 252), logo=(114, 212, 143, 232), indicator=(174, 70, 184, 80),
    earpiece=(104, 78, 153, 84), sides=[],
)


def element_picture(w, h, draw):
    c = Canvas(w, h, MAGENTA)
    draw(c)
    return c


def ini(sections):
    out = []
    for name, keys in sections:
        out.append("[%s]" % name)
        out += ["%s=%s" % kv for kv in keys]
        out.append("")
    return "\r\n".join(out)


def element(available, shapes=(), have_image=False):
    if not available:
        return [("Available", 0)]
    keys = [("Available", 1), ("HaveImage", 1 if have_image else 0), ("Count", len(shapes))]
    for j, (shape, (l, t, r, b), opacity) in enumerate(shapes, 1):
        keys += [("Left_%d" % j, l), ("Top_%d" % j, t), ("Right_%d" % j, r), ("Bottom_%d" % j, b),
                 ("Shape_%d" % j, shape), ("Opacity_%d" % j, opacity)]
    return keys


def keypad_shapes(s, opacity):
    kl, kt, kr, kb = s["keypad"]
    return [("Rectangle", (kl, kt, kr, kb), opacity)]


def side_shapes(groove, opacity):
    l, t, r, b = groove
    return [("Rectangle", (l, t + 4, r, b - 4), opacity), ("Circle", (l - 2, t - 4, r + 2, t + 8), 255),
            ("Circle", (l - 2, b - 8, r + 2, b + 4), 255)]


def main():
    images = os.path.join(ROOT, "Images")
    os.makedirs(images, exist_ok=True)
    skins = []

    a = ALL_MODELS
    phone(a).save_bmp(os.path.join(images, "AllModels.bmp"))
    skins.append(("Motorola (All Models)", "AllModels", [
        element(True, keypad_shapes(a, 110)),
        element(True, [("Rectangle", a["screen"], 80)]),
        element(True, side_shapes(a["sides"][0], 200)),
        element(True, side_shapes(a["sides"][1], 200)),
        element(True, [("Circle", a["logo"], 160)]),
        element(True, [("Circle", a["indicator"], 255)]),
    ]))

    x = LUMEN_X1
    phone(x).save_bmp(os.path.join(images, "LumenX1.bmp"))
    ll, lt, lr, lb = x["logo"]
    element_picture(lr - ll, lb - lt, lambda c: logo(c, 0, 0, lr - ll, lb - lt, (255, 255, 255), MAGENTA)) \
        .save_bmp(os.path.join(images, "LumenX1_05.bmp"))
    il, it, ir, ib = x["indicator"]
    element_picture(ir - il, ib - it, lambda c: c.ellipse(0, 0, ir - il, ib - it, (255, 0, 0))) \
        .save_bmp(os.path.join(images, "LumenX1_06.bmp"))
    skins.append(("Motorola Lumen X1", "LumenX1", [
        element(True, keypad_shapes(x, 140)),
        element(True, [("Rectangle", x["screen"], 64), ("Circle", x["nav"], 96)]),
        element(True, side_shapes(x["sides"][0], 230)),
        element(True, side_shapes(x["sides"][1], 230)),
        element(True, [("Rectangle", x["logo"], 255)], have_image=True),
        element(True, [("Circle", x["indicator"], 255)], have_image=True),
    ]))

    p = PICO_S2
    phone(p).save_bmp(os.path.join(images, "PicoS2.bmp"))
    kl, kt, kr, kb = p["keypad"]

    def green_keys(c):
        cols, rows = p["keys"]
        kw, kh = (kr - kl) // cols, (kb - kt) // rows
        for j in range(rows):
            for i in range(cols):
                c.round_rect(i * kw + 3, j * kh + 3, (i + 1) * kw - 3, (j + 1) * kh - 3, 5, (120, 255, 120))
                c.rect(i * kw + kw // 2 - 3, j * kh + kh // 2 - 1, i * kw + kw // 2 + 3, j * kh + kh // 2 + 1,
                       (30, 140, 30))

    element_picture(kr - kl, kb - kt, green_keys).save_bmp(os.path.join(images, "PicoS2_01.bmp"))
    il, it, ir, ib = p["indicator"]
    element_picture(ir - il, ib - it, lambda c: c.ellipse(0, 0, ir - il, ib - it, (255, 0, 0))) \
        .save_bmp(os.path.join(images, "PicoS2_06.bmp"))
    skins.append(("Motorola Pico S2", "PicoS2", [
        element(True, keypad_shapes(p, 255), have_image=True),
        element(True, [("Rectangle", p["screen"], 128)]),
        element(False),
        element(False),
        element(True, [("Circle", p["logo"], 192)]),
        element(True, [("Circle", p["indicator"], 255)], have_image=True),
    ]))

    for name, base, elements in skins:
        sections = [("Skin", [("Images", base)])]
        sections += [("Element%02d" % n, keys) for n, keys in enumerate(elements, 1)]
        with open(os.path.join(ROOT, name + ".skin"), "w", newline="") as f:
            f.write(ini(sections))


if __name__ == "__main__":
    main()
