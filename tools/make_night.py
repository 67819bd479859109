#!/usr/bin/python3
"""Writes windows/res/night.jpg: a town at night, behind the about window's text.

270x170, baseline JPEG. White text is drawn over the top-left block and the
lower rows, so the picture stays dark there: the sky is deep, the houses are
near-black and their windows small and dimmed where the text runs.

Needs Debian's python3-pil. A fixed seed keeps the output identical each run.
Usage: make_night.py [output path]
"""
import math
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFilter

W, H = 270, 170
SS = 4                                      # silhouettes drawn 4x, then reduced
SEED = 289

SKY_TOP = (3, 6, 22)
SKY_MID = (10, 20, 52)
SKY_LOW = (26, 34, 70)
GLOW = (84, 44, 18)                         # warm haze the town throws up
FAR = (17, 22, 42)                          # distant roofs, lifted by haze
NEAR = (6, 7, 15)
MOON = (236, 230, 204)

# Bands where the about window writes text: (x0, y0, x1, y1).
TEXT = [(48, 8, W, 60), (0, 72, W, 90), (0, 120, W, 165)]


def in_text(x, y):
    return any(x0 <= x < x1 and y0 <= y < y1 for x0, y0, x1, y1 in TEXT)


def lerp(a, b, t):
    return tuple(round(p + (q - p) * t) for p, q in zip(a, b))


def sky():
    img = Image.new("RGB", (W, H))
    px = img.load()
    for y in range(H):
        t = y / (H - 1)
        base = lerp(SKY_TOP, SKY_MID, t / 0.55) if t < 0.55 else lerp(SKY_MID, SKY_LOW, (t - 0.55) / 0.45)
        for x in range(W):
            # Glow is widest above the centre of town, strongest at the roofline.
            g = math.exp(-((x - 150) / 95) ** 2) * math.exp(-((y - 118) / 26) ** 2)
            px[x, y] = tuple(min(255, round(c + k * g)) for c, k in zip(base, GLOW))
    return img


def stars(img, rnd):
    px = img.load()
    for _ in range(95):
        x, y = rnd.randrange(W), int(rnd.random() ** 1.4 * 100)
        b = rnd.uniform(0.25, 1.0) ** 2
        tint = rnd.choice([(210, 220, 255), (255, 244, 220), (235, 235, 255)])
        mix = lambda c, a: tuple(round(p + (q - p) * a) for p, q in zip(c, tint))
        quiet = 0.6 if in_text(x, y) else 1.0   # dots under text look like accents
        px[x, y] = mix(px[x, y], (0.25 + 0.6 * b) * quiet)
        if b > 0.7 and not in_text(x, y):  # the brightest get a faint cross
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                if 0 <= x + dx < W and 0 <= y + dy < H:
                    px[x + dx, y + dy] = mix(px[x + dx, y + dy], 0.22)


def moon(img):
    cx, cy, r = 250 * SS, 22 * SS, 9 * SS
    big = Image.new("L", (W * SS, H * SS), 0)
    d = ImageDraw.Draw(big)
    d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=255)
    d.ellipse((cx - r - 5 * SS, cy - r - 2 * SS, cx + r - 5 * SS, cy + r - 2 * SS), fill=0)
    crescent = big.resize((W, H), Image.LANCZOS)
    halo = crescent.filter(ImageFilter.GaussianBlur(6)).point(lambda v: min(255, v * 2))
    img.paste(Image.new("RGB", (W, H), (60, 70, 110)), (0, 0), halo.point(lambda v: v // 3))
    img.paste(Image.new("RGB", (W, H), MOON), (0, 0), crescent)


def house(d, x0, x1, top, rnd, shapes):
    """One silhouette at SS scale; records where its windows may go."""
    kind = rnd.choices(["flat", "gable", "hip", "tower"], [5, 4, 2, 1])[0]
    d.rectangle((x0 * SS, top * SS, x1 * SS, H * SS), fill=255)
    if kind == "gable":
        peak = top - (x1 - x0) * 0.45
        d.polygon([(x0 * SS - SS, top * SS), (x1 * SS + SS, top * SS), ((x0 + x1) / 2 * SS, peak * SS)], fill=255)
    elif kind == "hip":
        d.polygon([(x0 * SS, top * SS), (x1 * SS, top * SS), ((x1 - 3) * SS, (top - 4) * SS),
                   ((x0 + 3) * SS, (top - 4) * SS)], fill=255)
    elif kind == "tower":
        mid = (x0 + x1) / 2
        d.line((mid * SS, (top - 7) * SS, mid * SS, top * SS), fill=255, width=SS // 2)
    shapes.append((x0, x1, top))


def skyline(rnd, base, tall, short, gap, widths, low=()):
    mask = Image.new("L", (W * SS, H * SS), 0)
    d = ImageDraw.Draw(mask)
    shapes, x = [], -rnd.randrange(6)
    while x < W:
        w = rnd.randrange(*widths)
        top = base - rnd.randrange(short, tall)
        if any(x < b and x + w > a for a, b in low):
            top = max(top, 132)
        house(d, x, x + w, top, rnd, shapes)
        x += w + rnd.randrange(*gap)
    return mask, d, shapes


# Old-town landmarks: (x0, x1) kept clear of tall houses so their outlines read.
CHURCH = (174, 212)
CLOCK = (56, 76)


def landmarks(d):
    s = SS
    # Church: gabled nave and a west tower with a needle spire and a cross.
    d.rectangle((178 * s, 106 * s, 204 * s, H * s), fill=255)
    d.polygon([(176 * s, 106 * s), (205 * s, 106 * s), (190 * s, 95 * s)], fill=255)
    d.rectangle((199 * s, 80 * s, 210 * s, H * s), fill=255)
    d.rectangle((198 * s, 79 * s, 211 * s, 81 * s), fill=255)
    d.polygon([(199 * s, 79 * s), (210 * s, 79 * s), (204.5 * s, 50 * s)], fill=255)
    d.line((204.5 * s, 43 * s, 204.5 * s, 51 * s), fill=255, width=s // 2)
    d.line((202.5 * s, 45.5 * s, 206.5 * s, 45.5 * s), fill=255, width=s // 2)
    # Clock tower: square shaft, onion dome, lantern and spike.
    d.rectangle((60 * s, 86 * s, 72 * s, H * s), fill=255)
    d.rectangle((59 * s, 85 * s, 73 * s, 87 * s), fill=255)
    d.ellipse((59.5 * s, 75 * s, 72.5 * s, 87 * s), fill=255)
    d.polygon([(63 * s, 78 * s), (69 * s, 78 * s), (66 * s, 70 * s)], fill=255)
    d.rectangle((64.5 * s, 69 * s, 67.5 * s, 74 * s), fill=255)
    d.line((66 * s, 62 * s, 66 * s, 70 * s), fill=255, width=s // 2)


def landmark_lights(img):
    """Clock face and a few church windows, in the band free of text."""
    px = img.load()
    for y in range(94, 101):
        for x in range(62, 71):
            r = math.hypot(x - 66, y - 97)
            if r <= 3.2:
                px[x, y] = lerp(px[x, y], (232, 196, 120), 0.55 if r < 2.6 else 0.25)
    px[66, 96] = px[66, 95] = px[67, 97] = lerp(px[66, 97], NEAR, 0.8)   # hands
    for x0, y0, w, h in ((201, 91, 1, 3), (208, 91, 1, 3), (181, 110, 2, 5),
                         (187, 110, 2, 5), (193, 110, 2, 5), (204, 100, 1, 2)):
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                px[x, y] = lerp(px[x, y], (246, 180, 96), 0.7 if y < 120 else 0.4)


def windows(img, shapes, rnd, lit, size, dim, avoid=()):
    px = img.load()
    warm = [(255, 206, 120), (250, 178, 86), (255, 226, 160), (236, 150, 70)]
    for x0, x1, roof in shapes:
        for wy in range(int(roof) + 3, H - 3, size[1] + 3):
            for wx in range(int(x0) + 2, int(x1) - size[0], size[0] + 2):
                if any(a <= wx <= b for a, b in avoid) or rnd.random() > lit:
                    continue
                c = rnd.choice(warm)
                k = dim * rnd.uniform(0.6, 1.0)
                if in_text(wx, wy) or in_text(wx, wy + size[1] - 1):
                    k *= 0.55              # text passes over here: keep it quiet
                for yy in range(wy, min(H, wy + size[1])):
                    for xx in range(max(0, wx), min(W, wx + size[0])):
                        px[xx, yy] = lerp(px[xx, yy], c, k)


def main():
    rnd = random.Random(SEED)
    img = sky()
    stars(img, rnd)
    moon(img)

    far_mask, _, far = skyline(rnd, 118, 24, 4, (-2, 3), (8, 20))
    img.paste(Image.new("RGB", (W, H), FAR), (0, 0), far_mask.resize((W, H), Image.LANCZOS))
    windows(img, far, rnd, 0.18, (1, 1), 0.55)

    near_mask, d, near = skyline(rnd, 150, 30, 6, (0, 4), (12, 30), low=[CHURCH, CLOCK])
    landmarks(d)
    img.paste(Image.new("RGB", (W, H), NEAR), (0, 0), near_mask.resize((W, H), Image.LANCZOS))
    windows(img, near, rnd, 0.28, (2, 2), 0.8, avoid=[CHURCH, CLOCK])
    landmark_lights(img)

    # Street lamps along the foot of the houses.
    px = img.load()
    for x in range(6, W, 19):
        for dy, k in ((0, 0.5), (1, 0.25)):
            px[x, H - 3 + dy] = lerp(px[x, H - 3 + dy], (255, 190, 110), k)

    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "windows", "res", "night.jpg")
    os.makedirs(os.path.dirname(out), exist_ok=True)
    img.save(out, "JPEG", quality=88, subsampling=0, progressive=False, optimize=False)
    print(f"wrote {out}")


if __name__ == "__main__":
    main()
