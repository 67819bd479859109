#!/usr/bin/python3
"""Writes windows/res/Kalvio.ico: the digits 2, 8 and 9 overlapping.

One 32x32 image, 8 bits per pixel with a 256-colour palette and a 1-bit AND
mask. The ICO bytes are packed here by hand so the format never depends on
what an image library prefers to write.

Needs Debian's python3-pil and fonts-liberation2. Same bytes on every run.
Usage: make_icon.py [output path]
"""
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

FONT = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"
SIZE = 32
SS = 8                      # supersampling factor while drawing
BIG = SIZE * SS
OUTLINE = (22, 18, 34)

# digit, fill top, fill bottom, ink box left x, top y, width, height (final pixels).
# Drawn in list order, so later digits cover earlier ones.
DIGITS = [
    ("2", (255, 92, 78), (196, 20, 28), 1.0, 1.5, 13.0, 19.0),
    ("9", (255, 226, 70), (232, 156, 0), 18.0, 1.5, 13.0, 19.0),
    ("8", (88, 150, 255), (22, 62, 196), 9.5, 11.0, 13.0, 19.5),
]


def glyph_mask(ch, x, y, w, h):
    """Coverage of one digit at BIG scale, its ink stretched into the box x, y, w, h."""
    font = ImageFont.truetype(FONT, 400)
    left, top, right, bottom = font.getbbox(ch)
    ink = Image.new("L", (right - left, bottom - top), 0)
    ImageDraw.Draw(ink).text((-left, -top), ch, font=font, fill=255)
    ink = ink.resize((round(w * SS), round(h * SS)), Image.LANCZOS)
    m = Image.new("L", (BIG, BIG), 0)
    m.paste(ink, (round(x * SS), round(y * SS)))
    return m, (round(y * SS), round((y + h) * SS))


def gradient(top_rgb, bottom_rgb, y0, y1):
    img = Image.new("RGB", (BIG, BIG))
    px = img.load()
    for yy in range(BIG):
        t = min(1.0, max(0.0, (yy - y0) / max(1, y1 - y0)))
        c = tuple(round(a + (b - a) * t) for a, b in zip(top_rgb, bottom_rgb))
        for xx in range(BIG):
            px[xx, yy] = c
    return img


def compose():
    """RGBA picture at BIG scale: each digit with a dark rim, later ones on top."""
    canvas = Image.new("RGBA", (BIG, BIG), (0, 0, 0, 0))
    rim = 6                 # 6/8 px of dark around the ink: about one pixel once reduced
    for ch, c_top, c_bot, x, y, w, h in DIGITS:
        m, (y0, y1) = glyph_mask(ch, x, y, w, h)
        grown = m.filter(ImageFilter.MaxFilter(2 * rim + 1))
        outline = Image.new("RGBA", (BIG, BIG), OUTLINE + (255,))
        canvas.paste(outline, (0, 0), grown)
        fill = gradient(c_top, c_bot, y0, y1).convert("RGBA")
        # A soft lighter core gives the flat digit a little body.
        inner = m.filter(ImageFilter.MinFilter(2 * SS + 1))
        canvas.paste(fill, (0, 0), m)
        glow = Image.blend(fill, Image.new("RGBA", (BIG, BIG), (255, 255, 255, 255)), 0.18)
        canvas.paste(glow, (0, 0), inner.filter(ImageFilter.GaussianBlur(SS)))
    return canvas


def reduce(canvas):
    """Down to 32x32: colour averaged over covered area only, alpha thresholded."""
    small = canvas.convert("RGBa").resize((SIZE, SIZE), Image.BOX).convert("RGBA")
    opaque = [[small.getpixel((x, y))[3] >= 128 for x in range(SIZE)] for y in range(SIZE)]
    rgb = Image.new("RGB", (SIZE, SIZE), (0, 0, 0))
    for y in range(SIZE):
        for x in range(SIZE):
            if opaque[y][x]:
                rgb.putpixel((x, y), small.getpixel((x, y))[:3])
    return rgb, opaque


def ico_bytes(rgb, opaque):
    # Index 0 stays black for transparent pixels; opaque ones share the other 255.
    pal_img = rgb.quantize(colors=255, method=Image.Quantize.MEDIANCUT,
                           dither=Image.Dither.NONE)
    pal = pal_img.getpalette()[:255 * 3]
    pal += [0] * (255 * 3 - len(pal))
    palette = [(0, 0, 0)] + [tuple(pal[i:i + 3]) for i in range(0, 255 * 3, 3)]
    xor_rows, and_rows = [], []
    for y in range(SIZE - 1, -1, -1):           # DIB rows go bottom-up
        xor_rows.append(bytes(pal_img.getpixel((x, y)) + 1 if opaque[y][x] else 0
                              for x in range(SIZE)))
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (0 if opaque[y][x] else 1)
        and_rows.append(struct.pack(">I", bits))  # 32 bits, already DWORD-aligned
    xor, mask = b"".join(xor_rows), b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0,
                         len(xor) + len(mask), 0, 0, 256, 0)
    pal_bytes = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    image = header + pal_bytes + xor + mask
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return icondir + entry + image


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "windows", "res", "Kalvio.ico")
    rgb, opaque = reduce(compose())
    data = ico_bytes(rgb, opaque)
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with open(out, "wb") as f:
        f.write(data)
    print(f"wrote {out} ({len(data)} bytes)")


if __name__ == "__main__":
    main()
