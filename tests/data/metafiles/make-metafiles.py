#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Writes the metafiles whose drawings tst_metafiles compares with tests/golden/metafiles.

Each file is small and drawn by hand, record by record, so that together they go through every
record kind the converters look at (mapping, objects, bitmaps, text, EMF+ comments) and every
way a file can be refused. Run it from anywhere; it writes next to itself.
"""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
FILES = {}


def pack(fmt, *values):
    return struct.pack("<" + fmt, *values)


def rgb(r, g, b):
    return pack("BBBB", r, g, b, 0)


# ---------------------------------------------------------------- bitmaps

def bitmap_info(w, h, bits, compression=0, colours=0, image_bytes=0, header=40):
    if header == 12:
        return pack("IHHHH", 12, w, h, 1, bits)
    info = pack("IiiHHIIiiII", header, w, h, 1, bits, compression, image_bytes, 2835, 2835, colours, 0)
    return info + b"\0" * (header - 40)


def palette(colours):
    return b"".join(pack("BBBB", b, g, r, 0) for r, g, b in colours)


def rows(w, h, bits, pixel):
    """Uncompressed rows, bottom-up, each padded to 32 bits; pixel(x, y) gives an index or
    (r, g, b)."""
    out = b""
    for y in range(h):
        row = 0
        bitcount = 0
        data = b""
        for x in range(w):
            p = pixel(x, y)
            if bits >= 16:
                if bits == 16:
                    r, g, b = p
                    data += pack("H", (r >> 3) << 10 | (g >> 3) << 5 | (b >> 3))
                else:
                    data += bytes((p[2], p[1], p[0])) + (b"\xff" if bits == 32 else b"")
                continue
            row = row << bits | p
            bitcount += bits
            if bitcount == 8:
                data += bytes((row,))
                row = bitcount = 0
        if bitcount:
            data += bytes((row << (8 - bitcount),))
        out += data + b"\0" * (-len(data) % 4)
    return out


FOUR = [(0, 0, 0), (220, 40, 40), (40, 160, 60), (40, 80, 220)]


def checker(x, y):
    return (x // 2 + y // 2) % 4


def dib(bits, w=8, h=8, compression=0, header=40):
    """A small device-independent bitmap of four colour squares."""
    if bits <= 8:
        entries = FOUR + [(255, 255, 255)] * ((1 << bits) - 4) if bits > 1 else FOUR[:2]
        pixels = rows(w, h, bits, lambda x, y: checker(x, y) % len(entries))
        return bitmap_info(w, h, bits, compression, 0, len(pixels), header) + palette(entries) + pixels
    pixels = rows(w, h, bits, lambda x, y: FOUR[checker(x, y)])
    if compression == 3:  # the three masks after the header
        return (bitmap_info(w, h, bits, 3, 0, len(pixels))
                + pack("III", 0xFF0000, 0xFF00, 0xFF) + pixels)
    return bitmap_info(w, h, bits, compression, 0, len(pixels), header) + pixels


def os2_dib4():
    """The old OS/2 header, with a palette of three-byte entries."""
    entries = FOUR + [(255, 255, 255)] * 12
    return (bitmap_info(8, 8, 4, header=12) + b"".join(bytes((b, g, r)) for r, g, b in entries)
            + rows(8, 8, 4, checker))


def dib_rle8():
    codes = b""
    for y in range(8):
        codes += bytes((4, checker(0, y), 4, checker(4, y) ^ 1, 0, 0))
    codes += b"\0\1"
    return bitmap_info(8, 8, 8, 1, 4, len(codes)) + palette(FOUR) + codes


def dib_rle4():
    codes = b""
    for y in range(8):
        a, b = checker(0, y), checker(2, y)
        codes += bytes((8, a << 4 | b, 0, 0))
    codes += b"\0\1"
    return bitmap_info(8, 8, 4, 2, 4, len(codes)) + palette(FOUR) + codes


# ---------------------------------------------------------------- Windows metafiles

def wr(function, *words, raw=b""):
    """A record: its function, 16-bit parameters, then raw bytes (padded to a word)."""
    body = b"".join(pack("h" if w < 0 else "H", w) for w in words) + raw
    body += b"\0" * (len(body) % 2)
    return pack("IH", 3 + len(body) // 2, function) + body


def wmf_body(records, end=True):
    body = b"".join(records) + (wr(0) if end else b"")
    return pack("HHHIHIH", 1, 9, 0x0300, (18 + len(body)) // 2, 16, 64, 0) + body


def placeable(left, top, right, bottom, per_inch=1440):
    words = struct.unpack("<10H", pack("IHhhhhHI", 0x9AC6CDD7, 0, left, top, right, bottom,
                                       per_inch, 0))
    checksum = 0
    for w in words:
        checksum ^= w
    return pack("IHhhhhHIH", 0x9AC6CDD7, 0, left, top, right, bottom, per_inch, 0, checksum)


def wmf(records, frame=(0, 0, 2880, 2160), per_inch=1440, end=True):
    return placeable(*frame, per_inch) + wmf_body(records, end)


def colour_words(r, g, b):
    return r | g << 8, b


def pen(style, width, r, g, b):
    return wr(0x02FA, style, width, 0, *colour_words(r, g, b))


def brush(style, r, g, b, hatch=0):
    return wr(0x02FC, style, *colour_words(r, g, b), hatch)


def font(height, face, escapement=0, weight=400, italic=0, underline=0, strike=0):
    name = face.encode("latin-1") + b"\0"
    return wr(0x02FB, height, 0, escapement, escapement, weight,
              raw=bytes((italic, underline, strike, 0, 0, 0, 0, 0)) + name)


def select(i):
    return wr(0x012D, i)


def delete(i):
    return wr(0x01F0, i)


def rect16(function, l, t, r, b):
    return wr(function, b, r, t, l)


def points16(points):
    return b"".join(pack("hh", x, y) for x, y in points)


def text_out(x, y, text):
    s = text.encode("cp1252", errors="replace") if isinstance(text, str) else text
    return wr(0x0521, len(s), raw=s + b"\0" * (len(s) % 2) + pack("hh", y, x))


def ext_text_out(x, y, text, options=0, box=None):
    raw = pack("hhhH", y, x, len(text), options)
    if box:
        raw += pack("hhhh", *box)
    return wr(0x0A32, raw=raw + text + b"\0" * (len(text) % 2))


def window(x, y, w, h):
    return [wr(0x0103, 8), wr(0x020B, y, x), wr(0x020C, h, w)]


def stretch_dib(x, y, w, h, bitmap, src=(8, 8)):
    return wr(0x0F43, 0x0020, 0x00CC, 0, src[1], src[0], 0, 0, h, w, y, x, raw=bitmap)


def make_wmfs():
    # Shapes with each pen and brush style, saved and restored states, and object slots reused.
    shapes = window(0, 0, 2880, 2160) + [
        wr(0x0106, 1),  # alternate filling
        pen(0, 40, 20, 20, 20), select(0),
        brush(0, 250, 210, 60), select(1),
        rect16(0x041B, 80, 80, 680, 480),
        wr(0x061C, 120, 160, 480, 1480, 80, 780),  # RoundRect
        rect16(0x0418, 1580, 80, 2180, 480),
        wr(0x0817, 280, 2780, 80, 2480, 480, 2780, 80, 2280),  # Arc
        wr(0x081A, 580, 80, 580, 680, 1080, 680, 580, 80),  # Pie
        wr(0x0830, 1080, 1080, 580, 1480, 1080, 1480, 580, 880),  # Chord
        wr(0x001E),  # SaveDC
        pen(1, 1, 200, 30, 30), select(2),
        brush(2, 30, 30, 200, 3), select(3),  # hatched: diagonal
        rect16(0x041B, 1580, 580, 2180, 1080),
        wr(0x001E),
        pen(2, 1, 30, 120, 30), select(4),
        brush(1, 0, 0, 0), select(5),  # hollow
        rect16(0x0418, 2280, 580, 2780, 1080),
        pen(3, 1, 0, 0, 200), select(6), wr(0x0214, 1180, 80), wr(0x0213, 1180, 2780),
        pen(4, 1, 140, 0, 140), select(7), wr(0x0214, 1230, 80), wr(0x0213, 1230, 2780),
        pen(5, 1, 0, 0, 0), select(8), rect16(0x041B, 80, 1280, 480, 1580),
        pen(6, 60, 0, 120, 120), select(9), rect16(0x041B, 580, 1280, 980, 1580),
        wr(0x0127, 0xFFFE),  # RestoreDC -2: back to the solid pen and yellow brush
        rect16(0x041B, 1080, 1280, 1480, 1580),
        wr(0x0106, 2),  # winding
        wr(0x0324, 5, raw=points16([(1780, 1280), (1880, 1580), (1630, 1390), (1930, 1390),
                                     (1680, 1580)])),
        wr(0x0325, 4, raw=points16([(2080, 1280), (2280, 1580), (2480, 1280), (2780, 1580)])),
        wr(0x0538, 2, 4, 3, raw=points16([(80, 1680), (680, 1680), (680, 2080), (80, 2080),
                                         (180, 1780), (580, 1780), (380, 1980)])),
        wr(0x041F, *colour_words(255, 0, 0), 1880, 880),  # SetPixel
        delete(1), brush(0, 120, 200, 240), select(1),
        rect16(0x041B, 780, 1680, 1180, 2080),
        delete(0), delete(1), delete(2),
    ]
    FILES["shapes-wmf.wmf"] = wmf(shapes)

    # Text: alignment, escapement, background, Windows code page and characters to escape.
    texts = window(0, 0, 2880, 2160) + [
        font(-200, "Times New Roman", weight=700, italic=1), select(0),
        wr(0x0209, *colour_words(10, 60, 160)),
        wr(0x0102, 1),  # transparent
        wr(0x012E, 0), text_out(100, 100, b"left & <top>"),
        wr(0x012E, 6), text_out(1440, 500, b"centred \x80 \x9f \xa0 \xe9"),
        wr(0x012E, 2 | 24), text_out(2780, 900, b"right\x01 base\tline"),
        font(-160, "Courier New", escapement=450, underline=1, strike=1), select(1), delete(0),
        wr(0x0201, *colour_words(255, 255, 180)), wr(0x0102, 2),  # opaque, pale yellow
        wr(0x012E, 0), ext_text_out(300, 1800, b"rising 45", 2, (280, 1600, 1200, 1900)),
        ext_text_out(1500, 1500, b"opaque box", 6, (1480, 1480, 2400, 1700)),
        font(-120, "Symbol"), select(0),
        text_out(1500, 1900, b"abc"),
    ]
    FILES["text.wmf"] = wmf(texts)

    # Every bitmap record and depth the checks know, each pixel block exactly as long as needed.
    bitmaps = window(0, 0, 2880, 2160)
    cells = [dib(1), dib(4), dib(8), dib(16), dib(24), dib(32), dib(32, compression=3),
             dib_rle8(), dib_rle4(), dib(24, header=12), dib(8, header=124), os2_dib4()]
    for i, bitmap in enumerate(cells):
        x, y = 80 + (i % 6) * 460, 80 + (i // 6) * 460
        bitmaps.append(stretch_dib(x, y, 400, 400, bitmap))
    bitmaps += [
        wr(0x0940, 0x0020, 0x00CC, 0, 0, 8, 8, 1000, 80, raw=dib(24)),  # DibBitBlt
        wr(0x0B41, 0x0020, 0x00CC, 8, 8, 0, 0, 400, 400, 1000, 560, raw=dib(8)),  # DibStretchBlt
        wr(0x0D33, 0, 8, 0, 0, 0, 8, 8, 1000, 1040, raw=dib(4)),  # SetDibToDev
        brush(0, 200, 40, 40), select(0),
        wr(0x0940, 0x0021, 0x00F0, 0, 0, 0, 400, 400, 1500, 80),  # DibBitBlt without a bitmap
        wr(0x0B41, 0x0021, 0x00F0, 8, 8, 0, 0, 0, 400, 400, 1500, 560),  # DibStretchBlt without
        wr(0x0142, 5, 0, raw=dib(1)), select(1), delete(0),  # DibCreatePatternBrush
        rect16(0x041B, 1040, 1500, 1440, 1900),
        wr(0x0142, 3, 0, raw=pack("HHHHBB", 0, 8, 8, 2, 1, 1) + b"\xaa\0\x55\0" * 4),
        select(0), rect16(0x041B, 1520, 1500, 1920, 1900),
        wr(0x061D, 0x0021, 0x00F0, 300, 300, 1500, 2000),  # PatBlt
    ]
    FILES["bitmaps.wmf"] = wmf(bitmaps)

    # No placeable header: the window, upside down and moved, gives the frame; mapping records
    # after the first drawing do not.
    plain = [wr(0x0103, 8), wr(0x020B, 500, 200), wr(0x020C, -2000, 3000),
             wr(0x020D, 0, 0), wr(0x020E, 300, 400),
             pen(0, 20, 0, 0, 0), select(0), brush(0, 60, 160, 60), select(1),
             rect16(0x041B, 300, -1400, 1800, 300),
             wr(0x0325, 3, raw=points16([(200, 500), (3200, -1500), (3200, 500)])),
             wr(0x020C, 500, 500), wr(0x020B, 0, 0), wr(0x020F, 100, 100),
             rect16(0x0418, 2000, -1200, 3000, 0)]
    FILES["plain-window.wmf"] = wmf_body(plain)
    FILES["plain-no-window.wmf"] = wmf_body([wr(0x0103, 1), rect16(0x041B, 0, 0, 100, 100)])
    FILES["plain-window-too-far.wmf"] = wmf_body(
        [wr(0x0103, 8), wr(0x020B, 0, 30000), wr(0x020C, 1000, 5000), rect16(0x041B, 0, 0, 9, 9)])
    # Old-style header type and a window set by offsets and scales before anything is drawn.
    scaled = [wr(0x0103, 8), wr(0x020B, 0, 0), wr(0x020C, 1000, 1000), wr(0x020F, -100, -100),
              wr(0x0410, 1, 2, 1, 2), wr(0x0211, 10, 10), wr(0x0412, 2, 1, 2, 1),
              wr(0x001E), wr(0x0127, 0xFFFF),
              brush(0, 0, 0, 200), select(0), rect16(0x0418, 0, 0, 1000, 1000)]
    FILES["plain-scaled.wmf"] = pack("H", 2) + wmf_body(scaled)[2:]

    # The frame's corners given right to left, bottom to top; records after the end are ignored.
    FILES["reversed-frame.wmf"] = wmf(
        window(0, 0, 1440, 1440) + [brush(0, 200, 0, 0), select(0),
                                    wr(0x0324, 3, raw=points16([(0, 0), (1440, 0), (0, 1440)]))],
        frame=(1440, 1440, 0, 0), per_inch=720) + wr(0x041B, 0, 0, 0, 0)[:4]
    # A frame wider than 16 bits of logical units, and ink far beyond it.
    FILES["wide-frame.wmf"] = wmf(
        window(-30000, -100, 60000, 200) + [pen(0, 10, 0, 0, 0), select(0),
                                           rect16(0x041B, -29000, -90, 29000, 90)],
        frame=(-30000, -100, 30000, 100), per_inch=28800)
    FILES["far-ink.wmf"] = wmf(
        window(0, 0, 100, 100) + [pen(0, 2, 0, 0, 0), select(0),
                                 wr(0x0214, 50, 50), wr(0x0213, 32000, 32000),
                                 wr(0x0213, -32000, 50)],
        frame=(0, 0, 100, 100))
    FILES["header-only.wmf"] = placeable(0, 0, 1440, 720) + wmf_body([], end=False)[:18]
    FILES["no-end-record.wmf"] = wmf(window(0, 0, 1440, 1440) + [rect16(0x0418, 0, 0, 1440, 1440)],
                                     end=False)

    # Refused.
    good = window(0, 0, 1440, 1440) + [rect16(0x041B, 100, 100, 1340, 1340)]
    FILES["no-units-per-inch.wmf"] = wmf(good, frame=(0, 0, 1440, 1440), per_inch=0)
    FILES["empty-frame.wmf"] = wmf(good, frame=(0, 0, 0, 1440))
    FILES["frame-too-large.wmf"] = wmf(good, frame=(0, 0, 1000, 1000), per_inch=2)
    whole = wmf(good)
    FILES["cut-short.wmf"] = whole[:-4]
    FILES["record-too-long.wmf"] = whole[:-6] + pack("IH", 40, 0x041B)
    FILES["record-too-short.wmf"] = wmf(good[:1] + [pack("IH", 2, 0x0102)] + good[1:])
    FILES["wrong-header.wmf"] = whole[:22] + pack("H", 3) + whole[24:]
    FILES["wrong-header-size.wmf"] = whole[:24] + pack("H", 10) + whole[26:]
    FILES["too-small.wmf"] = whole[:30]
    bad_bitmaps = {
        "bitmap-short.wmf": dib(24)[:-2],
        "bitmap-short-8.wmf": dib(8)[:-4],
        "bitmap-depth.wmf": bitmap_info(8, 8, 7) + b"\0" * 64,
        "bitmap-palette.wmf": bitmap_info(8, 8, 1, 0, 3) + palette(FOUR[:3]) + b"\0" * 32,
        "bitmap-deep-palette.wmf": bitmap_info(2, 2, 24, 0, 257) + b"\0" * (257 * 4 + 16),
        "bitmap-compression.wmf": bitmap_info(8, 8, 8, 4) + palette(FOUR) + b"\0" * 64,
        "bitmap-header.wmf": bitmap_info(8, 8, 8, header=128) + palette(FOUR) + b"\0" * 64,
        "bitmap-rle-short.wmf": bitmap_info(8, 8, 8, 1, 4) + palette(FOUR),
        "bitmap-no-header.wmf": b"\0" * 16,
        "bitmap-fields-short.wmf": dib(32, compression=3)[:-2],
    }
    for name, bitmap in bad_bitmaps.items():
        FILES[name] = wmf(window(0, 0, 2880, 2160) + [stretch_dib(0, 0, 2880, 2160, bitmap)])
    FILES["pattern-brush-short.wmf"] = wmf(window(0, 0, 2880, 2160) + [
        wr(0x0142, 5, 0, raw=dib(8)[:-2]), select(0), rect16(0x041B, 0, 0, 100, 100)])
    FILES["bitblt-bitmap-short.wmf"] = wmf(window(0, 0, 2880, 2160) + [
        wr(0x0940, 0x0020, 0x00CC, 0, 0, 8, 8, 0, 0, raw=dib(24)[:-4])])


# ---------------------------------------------------------------- enhanced metafiles

def er(kind, fmt="", *values, raw=b""):
    body = pack(fmt, *values) + raw
    body += b"\0" * (-len(body) % 4)
    return pack("II", kind, 8 + len(body)) + body


def emf(records, frame=(0, 0, 5080, 3810), bounds=None, device=(1920, 1440), mm=(508, 381),
        micrometres=None, header_bytes=None, end=True):
    """A header for a 96 dpi reference device, then the records and an end record."""
    body = b"".join(records) + (er(14, "III", 0, 16, 20) if end else b"")
    if bounds is None:
        bounds = (0, 0, frame[2] * 96 // 2540, frame[3] * 96 // 2540)
    size = 108 if micrometres else 88
    head = (pack("IIiiiiiiii", 1, size, *bounds, *frame)
            + pack("IIIIHHIIIiiii", 0x464D4520, 0x10000, 0, len(records) + 2, 8, 0, 0, 0, 0,
                   *device, *mm))
    if micrometres:
        head += pack("III", 0, 0, 0) + pack("ii", *micrometres)
    total = len(head) + len(body)
    head = head[:48] + pack("I", total) + head[52:]
    if header_bytes is not None:
        head = head[:4] + pack("I", header_bytes) + head[8:]
    return head + body


def e_pen(handle, style, width, r, g, b):
    return er(38, "IIii", handle, style, width, 0, raw=rgb(r, g, b))


def e_brush(handle, style, r, g, b, hatch=0):
    return er(39, "II", handle, style, raw=rgb(r, g, b) + pack("I", hatch))


def e_ext_pen(handle, style, width, r, g, b, dashes=()):
    return er(95, "IIIIIIIIII", handle, 0, 0, 0, 0, style, width, 0, r | g << 8 | b << 16, 0,
              raw=pack("I", len(dashes)) + b"".join(pack("I", d) for d in dashes))


def e_font(handle, height, face, escapement=0, weight=400, italic=0, underline=0, strike=0):
    name = face.encode("utf-16-le").ljust(64, b"\0")
    logfont = pack("iiiii", height, 0, escapement, escapement, weight)
    logfont += bytes((italic, underline, strike, 0, 0, 0, 0, 0)) + name
    return er(82, "I", handle, raw=logfont)


def e_text(x, y, text, options=0, box=(0, 0, -1, -1)):
    chars = text.encode("utf-16-le")
    off = 8 + 16 + 12 + 40
    dx = b"".join(pack("I", 12) for _ in text)
    return er(84, "iiiiIff", 0, 0, -1, -1, 1, 1.0, 1.0,
              raw=pack("iiIIIiiiiI", x, y, len(text), off, options, *box,
                       off + len(chars) + (-len(chars) % 4))
              + chars + b"\0" * (-len(chars) % 4) + dx)


def e_box(kind, l, t, r, b):
    return er(kind, "iiii", l, t, r, b)


def e_points(kind, points, counts=None):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    bounds = pack("iiii", min(xs), min(ys), max(xs), max(ys))
    small = kind >= 85
    pts = b"".join(pack("hh" if small else "ii", x, y) for x, y in points)
    if counts is None:
        return er(kind, raw=bounds + pack("I", len(points)) + pts)
    return er(kind, raw=bounds + pack("II", len(counts), len(points))
              + b"".join(pack("I", c) for c in counts) + pts)


def blit_fields(bitmap, at):
    info_bytes = len(bitmap) - len(pixels_of(bitmap))
    return pack("IIII", at, info_bytes, at + info_bytes, len(bitmap) - info_bytes)


def pixels_of(bitmap):
    size = struct.unpack_from("<I", bitmap)[0]
    if size == 12:
        return bitmap[12:]
    bits, compression, colours = struct.unpack_from("<HIxxxxxxxxxxxxI", bitmap, 14)
    masks = 12 if compression == 3 else 0
    if bits <= 8:
        colours = colours or (1 << bits)
    return bitmap[size + masks + colours * 4:]


IDENTITY = pack("ffffff", 1, 0, 0, 1, 0, 0)


def stretch_dibits(x, y, w, h, bitmap, src=(8, 8), rop=0x00CC0020):
    fixed = 80
    return er(81, "iiiiiiiiii", x, y, x + w, y + h, x, y, 0, 0, *src,
              raw=blit_fields(bitmap, fixed) + pack("IIii", 0, rop, w, h) + bitmap)


def bit_blt(x, y, w, h, bitmap=None, rop=0x00CC0020, stretch=False, kind=None):
    kind = kind or (77 if stretch else 76)
    fixed = 108 if kind != 76 else 100
    head = pack("iiiiiiii", x, y, x + w, y + h, x, y, w, h)
    head += pack("Iii", rop, 0, 0) + IDENTITY + pack("II", 0, 0)
    fields = blit_fields(bitmap, fixed) if bitmap else pack("IIII", 0, 0, 0, 0)
    tail = pack("ii", 8, 8) if fixed == 108 else b""
    return er(kind, raw=head + fields + tail + (bitmap or b""))


def mask_blt(x, y, w, h, bitmap, mask):
    fixed = 128
    head = pack("iiiiiiii", x, y, x + w, y + h, x, y, w, h) + pack("Iii", 0x00CC0020, 0, 0)
    head += IDENTITY + pack("II", 0, 0) + blit_fields(bitmap, fixed) + pack("iiI", 0, 0, 0)
    return er(78, raw=head + blit_fields(mask, fixed + len(bitmap)) + bitmap + mask)


def plg_blt(corners, bitmap, mask):
    fixed = 140
    xs = [c[0] for c in corners]
    ys = [c[1] for c in corners]
    head = pack("iiii", min(xs), min(ys), max(xs), max(ys))
    head += b"".join(pack("ii", *c) for c in corners) + pack("iiii", 0, 0, 8, 8)
    head += IDENTITY + pack("II", 0, 0) + blit_fields(bitmap, fixed) + pack("iiI", 0, 0, 0)
    return er(79, raw=head + blit_fields(mask, fixed + len(bitmap)) + bitmap + mask)


def set_dibits(x, y, bitmap):
    fixed = 76
    return er(80, "iiiiiiiiii", x, y, x + 8, y + 8, x, y, 0, 0, 8, 8,
              raw=blit_fields(bitmap, fixed) + pack("III", 0, 0, 8) + bitmap)


def brush_from(kind, handle, bitmap):
    fixed = 32
    return er(kind, "II", handle, 0, raw=blit_fields(bitmap, fixed) + bitmap)


def plus(*records):
    """A comment carrying EMF+ records: (type, flags, data)."""
    data = b"".join(pack("HHII", t, f, 12 + len(d), len(d)) + d for t, f, d in records)
    return er(70, "I", 4 + len(data), raw=b"EMF+" + data)


def make_emfs():
    shapes = [
        er(17, "I", 8), er(10, "ii", 0, 0), er(9, "ii", 2880, 2160),
        er(12, "ii", 0, 0), er(11, "ii", 192, 144),
        er(19, "I", 1),
        e_pen(1, 0, 40, 20, 20, 20), er(37, "I", 1),
        e_brush(2, 0, 153, 153, 153), er(37, "I", 2),  # #999999: a colour made of digits
        e_box(43, 80, 80, 680, 480),
        er(44, "iiiiii", 780, 80, 1480, 480, 160, 120),  # RoundRect
        e_box(42, 1580, 80, 2180, 480),
        er(45, "iiiiiiii", 2280, 80, 2780, 480, 2780, 80, 2480, 280),  # Arc
        er(47, "iiiiiiii", 80, 580, 680, 1080, 680, 580, 80, 580),  # Pie
        er(46, "iiiiiiii", 880, 580, 1480, 1080, 1480, 580, 1080, 1080),  # Chord
        er(33),  # SaveDC
        e_ext_pen(3, 0x00010100, 20, 200, 30, 30), er(37, "I", 3),  # geometric dash
        e_brush(4, 2, 30, 30, 200, 5), er(37, "I", 4),  # hatched: cross
        e_box(43, 1580, 580, 2180, 1080),
        er(33),
        e_pen(5, 2, 1, 30, 120, 30), er(37, "I", 5), e_brush(6, 1, 0, 0, 0), er(37, "I", 6),
        e_box(42, 2280, 580, 2780, 1080),
        e_pen(7, 3, 1, 0, 0, 200), er(37, "I", 7),
        er(27, "ii", 80, 1180), er(54, "ii", 2780, 1180),
        e_ext_pen(8, 0x00010000 | 7, 10, 140, 0, 140, (60, 20, 10, 20)), er(37, "I", 8),
        e_points(4, [(80, 1230), (1400, 1260), (2780, 1230)]),
        er(34, "i", -2),  # RestoreDC -2
        e_box(43, 1080, 1280, 1480, 1580),
        er(19, "I", 2),
        e_points(86, [(1780, 1280), (1880, 1580), (1630, 1390), (1930, 1390), (1680, 1580)]),
        e_points(87, [(2080, 1280), (2280, 1580), (2480, 1280), (2780, 1580)]),
        e_points(91, [(80, 1680), (680, 1680), (680, 2080), (80, 2080), (180, 1780), (580, 1780),
                      (380, 1980)], counts=[4, 3]),
        e_points(90, [(780, 1680), (1180, 2080), (780, 2080), (1180, 1680)], counts=[2, 2]),
        e_points(85, [(1280, 1680), (1380, 2080), (1580, 1680), (1680, 2080)]),
        e_points(3, [(1780, 1680), (2080, 1680), (1930, 2080)]),
        e_points(2, [(2180, 1680), (2280, 2080), (2480, 1680), (2580, 2080)]),
        er(27, "ii", 2600, 1700),
        e_points(89, [(2780, 1700), (2780, 2000)]),
        e_points(88, [(2700, 2100), (2650, 2100), (2600, 2000)]),
        er(15, "ii", 1880, 880, raw=rgb(255, 0, 0)),  # SetPixelV
        er(40, "I", 1), er(40, "I", 2),
        er(37, "I", 0x80000000 | 4), er(37, "I", 0x80000000 | 7),  # stock black brush, black pen
        e_box(42, 2380, 1380, 2480, 1480),
    ]
    FILES["shapes-emf.emf"] = emf(shapes)

    paths = [
        er(17, "I", 1),
        e_pen(1, 0, 3, 0, 0, 0), er(37, "I", 1), e_brush(2, 0, 240, 120, 40), er(37, "I", 2),
        er(59), er(27, "ii", 10, 10), er(54, "ii", 90, 10), er(54, "ii", 50, 60), er(61), er(60),
        er(63, "iiii", 10, 10, 90, 60),  # StrokeAndFillPath
        er(59), er(27, "ii", 100, 10), e_points(5, [(120, 60), (160, 60), (180, 10)]), er(60),
        er(64, "iiii", 100, 10, 180, 60),  # StrokePath
        er(59), e_points(3, [(10, 70), (90, 70), (50, 130)]), er(60),
        er(62, "iiii", 10, 70, 90, 130),  # FillPath
        er(33),
        er(30, "iiii", 100, 70, 150, 120),  # IntersectClipRect
        e_box(43, 90, 60, 190, 140),
        er(34, "i", -1),
        er(33),
        er(30, "iiii", 10, 100, 40, 140),  # a second clip, in the same group
        e_box(42, 0, 90, 60, 144),
        er(34, "i", -1),
        er(35, raw=pack("ffffff", 2.0, 0.0, 0.0, 2.0, 100.0, 70.0)),  # SetWorldTransform
        er(36, raw=pack("ffffff", 1.0, 0.0, 0.0, 1.0, 20.0, 20.0) + pack("I", 2)),
        e_box(43, 0, 0, 10, 10),
        er(36, raw=IDENTITY + pack("I", 1)),
        er(29, "iiii", 0, 0, 20, 20),  # ExcludeClipRect
        er(55, "iiiiiiii", 140, 0, 190, 50, 190, 25, 165, 0),  # ArcTo
        er(41, "iiIff", 170, 110, 20, 0.0, 270.0),  # AngleArc
        er(22, "I", 0),
    ]
    # libemf2svg writes an ellipse inside a path as an element inside the path's d attribute.
    FILES["ellipse-in-path.emf"] = emf([er(59), e_box(42, 10, 10, 90, 60), er(60),
                                        er(62, "iiii", 10, 10, 90, 60)])
    FILES["paths.emf"] = emf(paths, frame=(0, 0, 5080, 3810), bounds=(0, 0, 191, 143))

    texts = [
        er(17, "I", 1),
        e_font(1, -20, "Times New Roman", weight=700, italic=1), er(37, "I", 1),
        er(24, raw=rgb(10, 60, 160)), er(18, "I", 1),
        er(22, "I", 0), e_text(10, 10, "left & <top> \u00e9\u20ac"),
        er(22, "I", 6), e_text(96, 50, "centred"),
        er(22, "I", 2 | 24), e_text(180, 80, "right\u0001 base"),
        e_font(2, -16, "Univers 2000000", escapement=450, underline=1, strike=1),
        er(37, "I", 2), er(40, "I", 1),
        er(25, raw=rgb(255, 255, 180)), er(18, "I", 2), er(22, "I", 0),
        e_text(20, 130, "rising 45", options=2, box=(18, 110, 90, 135)),
        e_font(3, -12, "A>B55555555"), er(37, "I", 3), e_text(100, 120, "odd face"),
    ]
    FILES["text.emf"] = emf(texts)

    cells = [dib(1), dib(4), dib(8), dib(24), dib(32), dib(32, compression=3)]
    bitmaps = [er(17, "I", 1)]
    for i, bitmap in enumerate(cells):
        bitmaps.append(stretch_dibits(4 + (i % 6) * 30, 4 + (i // 6) * 30, 28, 28, bitmap))
    bitmaps += [
        bit_blt(4, 64, 8, 8, dib(24)),
        bit_blt(34, 64, 28, 28, dib(8), stretch=True),
        bit_blt(64, 64, 28, 28, dib(32), rop=0x00FF0000, kind=114),  # AlphaBlend
        bit_blt(94, 64, 28, 28, dib(24), rop=0, kind=116),  # TransparentBlt
        mask_blt(124, 64, 8, 8, dib(24), dib(1)),
        plg_blt([(154, 64), (182, 70), (148, 92)], dib(24), dib(1)),
        set_dibits(4, 100, dib(4)),
        e_brush(1, 0, 200, 40, 40), er(37, "I", 1),
        bit_blt(34, 100, 28, 28, None, rop=0x00F00021),  # PatBlt as BitBlt without a bitmap
        brush_from(93, 2, dib(1)), er(37, "I", 2), e_box(43, 64, 100, 92, 128),
        brush_from(94, 3, dib(24)), er(37, "I", 3), er(40, "I", 2), e_box(43, 94, 100, 122, 128),
    ]
    FILES["bitmaps.emf"] = emf(bitmaps)
    # libemf2svg gives up on the whole file for these two.
    FILES["bitmap-rle8.emf"] = emf([stretch_dibits(4, 4, 28, 28, dib_rle8())])
    FILES["bitmap-os2.emf"] = emf([stretch_dibits(4, 4, 28, 28, dib(24, header=12))])

    # EMF+ records, with the plain records GDI writes beside them.
    plus_records = [
        plus((0x4001, 0, pack("IIII", 0xDBC01002, 1, 96, 96))),  # Header, dual
        plus((0x4025, 0, pack("I", 1)),  # Save
             (0x400A, 0xC000, pack("III", 0xFF2080C0, 1, 0) + pack("hhhh", 10, 10, 80, 60)),
             (0x4026, 0, pack("I", 1)),  # Restore
             (0x4008, 0x0100, pack("II", 0xDBC01002, 0) + pack("I", 0xFF00A000))),  # solid brush
        e_brush(1, 0, 0x20, 0x80, 0xC0), er(37, "I", 1), e_box(43, 10, 10, 90, 70),
        plus((0x400A, 0x4000, pack("III", 0, 1, 0) + pack("hhhh", 100, 10, 60, 60))),
        plus((0x4002, 0, b"")),  # EndOfFile
        er(70, "I", 8, raw=b"EMF+\x30\x40\0\0"),  # a record too short to be one
        er(70, "I", 12, raw=b"GDIC" + pack("II", 2, 0)),  # an ordinary comment
    ]
    FILES["plus.emf"] = emf(plus_records)

    # The frame away from the origin, the bounds moved, and the reference size in micrometres.
    FILES["moved-frame.emf"] = emf(
        [er(17, "I", 1), e_brush(1, 0, 90, 30, 160), er(37, "I", 1),
         e_box(43, 150, 120, 250, 200), e_box(42, 140, 110, 170, 140)],
        frame=(2540, 2540, 7620, 6350), bounds=(100, 100, 300, 250),
        micrometres=(508000, 381000), mm=(1, 1))
    # Micrometres only count when both are given.
    FILES["half-micrometres.emf"] = emf([e_box(43, 10, 10, 50, 50)], micrometres=(508000, 0))
    # A world transform may stretch the drawing a thousand times, not more.
    FILES["stretched-most.emf"] = emf([er(35, raw=pack("ffffff", 500, 0, 0, 500, 0, 0)),
                                       e_box(43, 0, 0, 1, 1)])
    FILES["stretched.emf"] = emf([er(35, raw=pack("ffffff", 600, 0, 0, 600, 0, 0)),
                                  e_box(43, 0, 0, 1, 1)])
    FILES["no-end-record.emf"] = emf([e_box(43, 0, 0, 10, 10)], end=False)
    after_end = emf([e_box(42, 0, 0, 100, 100)])
    FILES["after-end-record.emf"] = after_end + er(43, "iiii", 0, 0, 50, 50)
    FILES["largest-frame.emf"] = emf([e_box(43, 0, 0, 100, 100)], frame=(0, 0, 1000000, 1000000),
                                     bounds=(0, 0, 100, 100))
    FILES["smallest-frame.emf"] = emf([e_box(43, 0, 0, 1, 1)], frame=(0, 0, 1, 1),
                                      bounds=(0, 0, 0, 0))

    # Saved states of both kinds count together: one short of the most allowed, then one beyond.
    saves = [er(33)] * 999
    FILES["plus-restored-states.emf"] = emf(saves + [
        plus((0x4026, 0, b""), (0x4025, 0, pack("I", 1)), (0x4025, 0, b""))])
    FILES["plus-saved-states.emf"] = emf(saves + [
        plus((0x4025, 0, pack("I", 1)), (0x4025, 0, b""))])
    # A bitmap record that carries no bitmap may end right after its bitmap fields.
    FILES["bitblt-fields-only.emf"] = emf([e_brush(1, 0, 0, 160, 0), er(37, "I", 1),
                                           bit_blt(10, 10, 100, 80, None, rop=0x00F00021)[:100]
                                           .replace(pack("II", 76, 108), pack("II", 76, 100))])

    # Refused.
    good = [e_box(43, 10, 10, 50, 50)]
    whole = emf(good)
    FILES["frame-too-large.emf"] = emf(good, frame=(0, 0, 1000001, 1000))
    FILES["empty-frame.emf"] = emf(good, frame=(0, 0, 1000, 0))
    FILES["no-device.emf"] = emf(good, device=(0, 1440))
    FILES["no-device-height.emf"] = emf(good, device=(1920, 0))
    FILES["no-millimetres.emf"] = emf(good, mm=(508, 0))
    FILES["no-millimetres-across.emf"] = emf(good, mm=(0, 381))
    FILES["wrong-type.emf"] = pack("I", 2) + whole[4:]
    FILES["wrong-signature.emf"] = whole[:40] + b" EMG" + whole[44:]
    FILES["header-too-small.emf"] = emf(good, header_bytes=84)
    FILES["header-odd-size.emf"] = emf(good, header_bytes=90)
    FILES["header-beyond.emf"] = emf(good, header_bytes=4000)
    FILES["too-small.emf"] = whole[:80]
    FILES["record-too-short.emf"] = emf([pack("II", 43, 4)] + good)
    FILES["record-odd-size.emf"] = emf([pack("II", 18, 10) + b"\0\0"] + good)
    FILES["record-beyond.emf"] = emf([pack("II", 43, 4000)] + good, end=False)
    FILES["cut-short.emf"] = whole[:-4]
    bad = dib(24)
    inside = stretch_dibits(0, 0, 8, 8, bad)
    FILES["bitmap-outside.emf"] = emf([inside[:52] + pack("I", 4000) + inside[56:]])
    FILES["bitmap-pixels-outside.emf"] = emf(
        [er(81, "iiiiiiiiii", 0, 0, 8, 8, 0, 0, 0, 0, 8, 8,
            raw=pack("IIII", 80, 40, 120, 4000) + pack("IIii", 0, 0xCC0020, 8, 8) + bad)])
    FILES["bitmap-header-unknown.emf"] = emf(
        [er(81, "iiiiiiiiii", 0, 0, 8, 8, 0, 0, 0, 0, 8, 8,
            raw=pack("IIII", 80, 40, 120, 192) + pack("IIii", 0, 0xCC0020, 8, 8)
            + pack("I", 20) + bad[4:])])
    FILES["bitmap-fields-cut.emf"] = emf([er(76, raw=b"\0" * 80)])
    masked = mask_blt(0, 0, 8, 8, dib(24), dib(1))
    FILES["mask-outside.emf"] = emf([masked[:124] + pack("I", 4000) + masked[128:]])


def main():
    make_wmfs()
    make_emfs()
    for name in sorted(os.listdir(HERE)):
        if name.endswith((".wmf", ".emf")) and name not in FILES:
            os.remove(os.path.join(HERE, name))
    for name, data in sorted(FILES.items()):
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
