#!/usr/bin/env python3
"""Draws the status window's artwork and writes it beside this script:

  banner.bmp  627 x 172, 24-bit: the rounded banner, lime (0,255,0) outside it
  close.bmp   20 x 20, 24-bit: the close button's grey cross
  icon.ico    one 32 x 32 24-bit image: the product's mark

The build embeds the committed files (resources.rc); run this again only to
change the artwork. Standard library only, no randomness: the same bytes on
every run. The outputs are read back and checked; any breach stops the script.
"""

import math
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

LIME = (0, 255, 0)             # the window's colour key: exactly this is see-through
TEXT = (16, 73, 101)           # colour of the headline and the status line
CROSS = (119, 119, 119)        # close glyph
GLYPH_KEY = (48, 166, 221)     # close glyph background, drawn transparent

BANNER_W, BANNER_H = 627, 172
BANNER_RADIUS = 16.0
BORDER_W = 1.5
BORDER = (38, 104, 150)

TEXT_AREA = (256, 88, 600, 150)     # inclusive pixel box the labels use
CLOSE_AREA = (560, 1, 583, 23)      # inclusive pixel box under the close button
GLYPH_AREA = (561, 2, 580, 21)      # where the button centres its 20 x 20 glyph

MARK_BOX = (64, 34, 104)            # left, top, size of the mark on the banner


class ArtworkError(Exception):
    pass


def check(condition, message):
    # Not `assert`: these checks must also hold under `python -O`.
    if not condition:
        raise ArtworkError(message)


# ---- small drawing helpers (signed distances in pixels, negative inside) ----

def clamp01(t):
    return 0.0 if t < 0.0 else 1.0 if t > 1.0 else t


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def coverage(d):
    """Approximate area of a pixel covered by a shape whose edge is d pixels away."""
    return clamp01(0.5 - d)


def sd_round_rect(x, y, x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    qx = abs(x - cx) - ((x1 - x0) / 2 - r)
    qy = abs(y - cy) - ((y1 - y0) / 2 - r)
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - r


def sd_capsule(x, y, ax, ay, bx, by, r):
    px, py, vx, vy = x - ax, y - ay, bx - ax, by - ay
    h = clamp01((px * vx + py * vy) / (vx * vx + vy * vy))
    return math.hypot(px - vx * h, py - vy * h) - r


def sd_lens(x, y, ax, ay, bx, by, half_width):
    """A leaf: the intersection of two discs, pointed at a and b."""
    mx, my = (ax + bx) / 2, (ay + by) / 2
    half_len = math.hypot(bx - ax, by - ay) / 2
    nx, ny = -(by - ay) / (2 * half_len), (bx - ax) / (2 * half_len)
    radius = (half_len ** 2 + half_width ** 2) / (2 * half_width)
    off = radius - half_width
    d1 = math.hypot(x - (mx + nx * off), y - (my + ny * off)) - radius
    d2 = math.hypot(x - (mx - nx * off), y - (my - ny * off)) - radius
    return max(d1, d2)


def sd_arc(x, y, cx, cy, radius, a0, a1, half_width):
    """A stroke along a circle from angle a0 to a1 (radians, y down), round ends."""
    angle = math.atan2(y - cy, x - cx)
    while angle < a0:
        angle += 2 * math.pi
    if angle <= a1:
        return abs(math.hypot(x - cx, y - cy) - radius) - half_width
    ends = ((cx + radius * math.cos(a), cy + radius * math.sin(a)) for a in (a0, a1))
    return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - half_width


def to_bytes(colour):
    return tuple(int(math.floor(c + 0.5)) for c in colour)


# ---- the mark: a sprig of two leaves on a rounded blue tile ----
# Drawn in unit coordinates (0..1 across the tile) so the banner and the
# icon share one drawing at different sizes.

TILE_RADIUS = 0.23
TILE_EDGE = (16, 66, 108)
SPRIG = (255, 255, 255)


def tile_sd(u, v):
    return sd_round_rect(u, v, 0.0, 0.0, 1.0, 1.0, TILE_RADIUS)


def tile_fill(u, v, scale):
    """Colour of the tile at (u, v), its details antialiased, its outline not."""
    t = clamp01((u * 0.45 + v * 0.85) / 1.3)
    colour = mix((58, 182, 226), (20, 88, 142), t)
    # A thin darker rim keeps the tile crisp on any background.
    colour = mix(colour, TILE_EDGE, clamp01(2.0 + tile_sd(u, v) * scale))
    d = min(
        sd_capsule(u, v, 0.45, 0.86, 0.53, 0.42, 0.040),
        sd_lens(u, v, 0.49, 0.64, 0.17, 0.44, 0.095),
        sd_lens(u, v, 0.52, 0.47, 0.86, 0.17, 0.125),
    )
    return mix(colour, SPRIG, coverage(d * scale))


def draw_mark(u, v, scale, under):
    """The mark over the colour `under`, antialiased at its outline."""
    d = tile_sd(u, v) * scale
    if d > 1.0:
        return under
    return mix(under, tile_fill(u, v, scale), coverage(d))


# ---- wordmark: "Brindova" in monoline strokes ----
# Letters in x-height units, baseline at 0, y down; each is (advance, strokes).
# A stroke is ("line", x0, y0, x1, y1), ("arc", cx, cy, r, a0, a1) or ("dot", x, y).

PI = math.pi
LETTERS = {
    "B": (0.80, [("line", 0, -1.4, 0, 0), ("line", 0, -1.4, 0.36, -1.4),
                 ("arc", 0.36, -1.07, 0.33, -PI / 2, PI / 2), ("line", 0, -0.74, 0.42, -0.74),
                 ("arc", 0.42, -0.37, 0.37, -PI / 2, PI / 2), ("line", 0, 0, 0.42, 0)]),
    "r": (0.62, [("line", 0, -1, 0, 0), ("arc", 0.5, -0.5, 0.5, -PI, -PI / 2.6)]),
    "i": (0.0, [("line", 0, -1, 0, 0), ("dot", 0, -1.38)]),
    "n": (0.80, [("line", 0, -1, 0, 0), ("arc", 0.4, -0.6, 0.4, -PI, 0), ("line", 0.8, -0.6, 0.8, 0)]),
    "d": (0.90, [("arc", 0.45, -0.5, 0.45, -PI, PI), ("line", 0.9, -1.4, 0.9, 0)]),
    "o": (0.96, [("arc", 0.48, -0.5, 0.48, -PI, PI)]),
    "v": (0.84, [("line", 0, -1, 0.42, 0), ("line", 0.42, 0, 0.84, -1)]),
    "a": (0.90, [("arc", 0.45, -0.5, 0.45, -PI, PI), ("line", 0.9, -1, 0.9, 0)]),
}
WORDMARK = "Brindova"
WORDMARK_ORIGIN = (259.0, 64.0)     # left end of the baseline, pixels
WORDMARK_XHEIGHT = 15.0
WORDMARK_STROKE = 3.1
WORDMARK_GAP = 0.36                 # between letters, x-height units
WORDMARK_COLOUR = (22, 92, 138)


def wordmark_strokes():
    """The word's strokes in pixels, and its bounding box for a quick reject."""
    strokes, pen = [], 0.0
    ox, oy = WORDMARK_ORIGIN
    k = WORDMARK_XHEIGHT
    for ch in WORDMARK:
        advance, parts = LETTERS[ch]
        for kind, *a in parts:
            if kind == "line":
                strokes.append(("line", ox + (pen + a[0]) * k, oy + a[1] * k,
                                ox + (pen + a[2]) * k, oy + a[3] * k))
            elif kind == "arc":
                strokes.append(("arc", ox + (pen + a[0]) * k, oy + a[1] * k, a[2] * k, a[3], a[4]))
            else:
                strokes.append(("dot", ox + (pen + a[0]) * k, oy + a[1] * k))
        pen += advance + WORDMARK_GAP
    margin = WORDMARK_STROKE + 2
    bounds = (ox - margin, oy - 1.6 * k - margin, ox + pen * k + margin, oy + margin)
    return strokes, bounds


WORDMARK_STROKES, WORDMARK_BOUNDS = wordmark_strokes()


def wordmark_sd(x, y):
    x0, y0, x1, y1 = WORDMARK_BOUNDS
    if not (x0 <= x <= x1 and y0 <= y <= y1):
        return 1e9
    hw = WORDMARK_STROKE / 2
    d = 1e9
    for kind, *a in WORDMARK_STROKES:
        if kind == "line":
            d = min(d, sd_capsule(x, y, a[0], a[1], a[2], a[3], hw))
        elif kind == "arc":
            d = min(d, sd_arc(x, y, a[0], a[1], a[2], a[3], a[4], hw))
        else:
            d = min(d, math.hypot(x - a[0], y - a[1]) - hw * 1.15)
    return d


# ---- banner ----

def ribbon_top(x):
    # The coloured band along the bottom; it stays below the labels' area.
    return 161.0 + 3.0 * math.sin(x / BANNER_W * math.pi * 1.7 + 0.6)


def banner_background(x, y):
    """The banner's inside at pixel centre (x, y), before its border."""
    colour = mix((255, 255, 255), (221, 236, 247), clamp01((y - 4) / 150))
    # A soft light behind the mark, with faint rings spreading from it.
    mx = MARK_BOX[0] + MARK_BOX[2] / 2
    my = MARK_BOX[1] + MARK_BOX[2] / 2
    r = math.hypot(x - mx, y - my)
    colour = mix(colour, (255, 255, 255), 0.7 * math.exp(-(r / 95) ** 2))
    fade = clamp01((235 - x) / 70) * clamp01((y - 2) / 12)
    for ring in (76.0, 98.0, 124.0):
        colour = mix(colour, (176, 212, 236), 0.45 * fade * coverage(abs(r - ring) - 0.6))
    top = ribbon_top(x)
    line = coverage(abs(y - (top - 4.5)) - 0.6)
    colour = mix(colour, (130, 196, 230), line)
    band = clamp01(y - top + 0.5)
    if band > 0.0:
        ribbon = mix((44, 158, 212), (22, 96, 146), x / BANNER_W)
        colour = mix(colour, ribbon, band)
    return colour


def banner_sd(x, y):
    return sd_round_rect(x, y, 0.0, 0.0, BANNER_W, BANNER_H, BANNER_RADIUS)


def draw_banner():
    pixels = []
    for y in range(BANNER_H):
        row = []
        for x in range(BANNER_W):
            cx, cy = x + 0.5, y + 0.5
            d = banner_sd(cx, cy)
            if d > 0.0:
                # Outside: exactly the key colour, never a blend toward it.
                row.append(LIME)
                continue
            colour = banner_background(cx, cy)
            size = MARK_BOX[2]
            colour = draw_mark((cx - MARK_BOX[0]) / size, (cy - MARK_BOX[1]) / size, size, colour)
            colour = mix(colour, WORDMARK_COLOUR, coverage(wordmark_sd(cx, cy)))
            # The border's inner edge is smoothed; its outer pixels are pure border.
            colour = mix(colour, BORDER, clamp01(d + BORDER_W + 0.5))
            row.append(to_bytes(colour))
        pixels.append(row)
    return pixels


# ---- close glyph ----

def cross_pixels():
    """A 3-pixel-wide X in the 10 x 10 box 5..14, its four tips rounded off."""
    lo, hi = 5, 14
    tips = {(lo, lo), (hi, hi), (lo, hi), (hi, lo)}
    return {
        (x, y)
        for y in range(lo, hi + 1)
        for x in range(lo, hi + 1)
        if (abs(x - y) <= 1 or abs(x + y - (lo + hi)) <= 1) and (x, y) not in tips
    }


def draw_close():
    cross = cross_pixels()
    return [[CROSS if (x, y) in cross else GLYPH_KEY for x in range(20)] for y in range(20)]


# ---- icon ----

ICON_SIZE = 32


def draw_icon():
    """Pixels and transparency of the icon: outside the tile is masked."""
    pixels, masked = [], []
    for y in range(ICON_SIZE):
        prow, mrow = [], []
        for x in range(ICON_SIZE):
            u, v = (x + 0.5) / ICON_SIZE, (y + 0.5) / ICON_SIZE
            if tile_sd(u, v) * ICON_SIZE > 0.0:
                prow.append((0, 0, 0))
                mrow.append(True)
            else:
                prow.append(to_bytes(tile_fill(u, v, ICON_SIZE)))
                mrow.append(False)
        pixels.append(prow)
        masked.append(mrow)
    return pixels, masked


# ---- file formats ----

def dib_header(width, height, image_size):
    # BITMAPINFOHEADER: 24 bits per pixel, uncompressed, 96 dpi.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, image_size, 3780, 3780, 0, 0)


def rgb_rows(pixels):
    """24-bit rows bottom-up, blue-green-red, each padded to 4 bytes."""
    width = len(pixels[0])
    pad = b"\0" * ((4 - width * 3 % 4) % 4)
    out = bytearray()
    for row in reversed(pixels):
        for r, g, b in row:
            out += bytes((b, g, r))
        out += pad
    return bytes(out)


def bmp_bytes(pixels):
    data = rgb_rows(pixels)
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(data), 0, 0, header_size)
    return file_header + dib_header(len(pixels[0]), len(pixels), len(data)) + data


def ico_bytes(pixels, masked):
    size = len(pixels)
    xor = rgb_rows(pixels)
    mask = bytearray()
    for row in reversed(masked):
        bits = bytearray((size + 31) // 32 * 4)
        for x, m in enumerate(row):
            if m:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    # An icon's DIB is twice as high: the colour image over the AND mask.
    image = dib_header(size, size * 2, len(xor) + len(mask)) + xor + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 24, len(image), 6 + 16)
    return directory + entry + image


# ---- reading back, for the checks ----

def parse_dib(data, offset):
    """Width and height as stored; only uncompressed 24-bit DIBs pass."""
    hsize, width, height, planes, bpp, compression = struct.unpack_from("<IiiHHI", data, offset)
    check(hsize == 40, "DIB header is not a BITMAPINFOHEADER")
    check(planes == 1 and bpp == 24 and compression == 0, "DIB is not uncompressed 24-bit")
    return width, height


def read_rows(data, start, width, rows):
    stride = (width * 3 + 3) & ~3
    check(len(data) >= start + stride * rows, "pixel data is truncated")
    out = []
    for i in range(rows):
        base = start + i * stride
        out.append([(data[base + 3 * x + 2], data[base + 3 * x + 1], data[base + 3 * x])
                    for x in range(width)])
    out.reverse()   # stored bottom-up
    return out


def read_bmp(path):
    with open(path, "rb") as f:
        data = f.read()
    magic, file_size, _, _, bits = struct.unpack_from("<2sIHHI", data, 0)
    check(magic == b"BM" and file_size == len(data), path + ": not a complete BMP")
    width, height = parse_dib(data, 14)
    check(height > 0, path + ": not bottom-up")
    return read_rows(data, bits, width, height)


def read_ico(path):
    with open(path, "rb") as f:
        data = f.read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    check((reserved, kind, count) == (0, 1, 1), path + ": not an icon file with one image")
    w, h, colours, _, planes, bpp, size, offset = struct.unpack_from("<BBBBHHII", data, 6)
    check((w, h, colours, planes, bpp) == (32, 32, 0, 1, 24), path + ": entry is not 32 x 32 24-bit")
    check(offset + size == len(data), path + ": image size does not match the file")
    width, height = parse_dib(data, offset)
    check((width, height) == (32, 64), path + ": DIB is not 32 x 32 with its mask")
    pixels = read_rows(data, offset + 40, 32, 32)
    mask_start = offset + 40 + 32 * 96
    check(mask_start + 32 * 4 == len(data), path + ": AND mask has the wrong size")
    masked = []
    for i in range(32):
        row = data[mask_start + 4 * i: mask_start + 4 * i + 4]
        masked.append([bool(row[x // 8] & (0x80 >> (x % 8))) for x in range(32)])
    masked.reverse()
    return pixels, masked


def luminance(colour):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in colour)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def box(pixels, area):
    x0, y0, x1, y1 = area
    return [pixels[y][x] for y in range(y0, y1 + 1) for x in range(x0, x1 + 1)]


def check_banner(pixels):
    check((len(pixels[0]), len(pixels)) == (BANNER_W, BANNER_H), "banner is not 627 x 172")
    check(pixels[-1][0] == LIME, "banner's bottom-left pixel is not lime")
    for y, row in enumerate(pixels):
        for x, p in enumerate(row):
            inside = banner_sd(x + 0.5, y + 0.5) <= 0.0
            check(inside == (p != LIME), "banner: lime at (%d,%d) does not follow the shape" % (x, y))
            # A greenish edge pixel would show as a fringe around the window.
            check(p == LIME or not (p[1] > 160 and p[0] < 110 and p[2] < 110),
                  "banner: lime-like colour %r at (%d,%d)" % (p, x, y))
    worst_text = min(contrast(p, TEXT) for p in box(pixels, TEXT_AREA))
    check(worst_text >= 7.0, "banner: text area contrast %.2f is below 7:1" % worst_text)
    under_close = box(pixels, CLOSE_AREA)
    check(LIME not in under_close, "banner: lime under the close button")
    worst_cross = min(contrast(p, CROSS) for p in box(pixels, GLYPH_AREA))
    check(worst_cross >= 3.5, "banner: contrast under the cross %.2f is below 3.5:1" % worst_cross)
    return sum(p == LIME for row in pixels for p in row), worst_text, worst_cross


def check_close(pixels):
    check((len(pixels[0]), len(pixels)) == (20, 20), "close glyph is not 20 x 20")
    cross = {(x, y) for y, row in enumerate(pixels) for x, p in enumerate(row) if p == CROSS}
    check(len(cross) == 48, "close glyph has %d cross pixels, not 48" % len(cross))
    check(all(5 <= x <= 14 and 5 <= y <= 14 for x, y in cross), "cross leaves rows/columns 5..14")
    check(all(p in (CROSS, GLYPH_KEY) for row in pixels for p in row), "close glyph has stray colours")
    check(pixels[-1][0] == GLYPH_KEY, "close glyph's bottom-left pixel is not its background")
    for image in ({(19 - x, y) for x, y in cross}, {(x, 19 - y) for x, y in cross},
                  {(y, x) for x, y in cross}):
        check(image == cross, "close glyph's cross is not symmetric")
    return len(cross)


def check_icon(pixels, masked):
    opaque = sum(not m for row in masked for m in row)
    check(all(p == (0, 0, 0) for row, mrow in zip(pixels, masked)
              for p, m in zip(row, mrow) if m), "icon: masked pixels are not black")
    check(masked[0][0] and masked[-1][-1] and not masked[16][16], "icon: mask does not follow the tile")
    check(any(p == SPRIG for row in pixels for p in row), "icon: the sprig is missing")
    return opaque


def main():
    outputs = {
        "banner.bmp": bmp_bytes(draw_banner()),
        "close.bmp": bmp_bytes(draw_close()),
        "icon.ico": ico_bytes(*draw_icon()),
    }
    for name, data in outputs.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)

    lime, worst_text, worst_cross = check_banner(read_bmp(os.path.join(HERE, "banner.bmp")))
    cross = check_close(read_bmp(os.path.join(HERE, "close.bmp")))
    opaque = check_icon(*read_ico(os.path.join(HERE, "icon.ico")))
    print("banner.bmp 627x172 24-bit: %d lime pixels, text contrast >= %.2f:1, "
          "under the cross >= %.2f:1" % (lime, worst_text, worst_cross))
    print("close.bmp 20x20 24-bit: %d cross pixels" % cross)
    print("icon.ico 32x32 24-bit: %d opaque pixels" % opaque)


if __name__ == "__main__":
    try:
        main()
    except ArtworkError as e:
        sys.exit("make_assets.py: " + str(e))
