#!/usr/bin/python3
"""Checks the committed windows/res/Kalvio.ico and night.jpg.

Run from the repository root, or pass the root as the first argument.
"""
import os
import struct
import sys

try:
    from PIL import Image
except ImportError:
    # Pillow comes from Debian's python3-pil, which only the system Python sees.
    if os.path.exists("/usr/bin/python3") and sys.executable != "/usr/bin/python3":
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("test_assets: Pillow is missing (apt-get install python3-pil)")

ROOT = sys.argv[1] if len(sys.argv) > 1 else "."
TEXT = [(48, 8, 270, 60), (0, 72, 270, 90), (0, 120, 270, 165)]  # where white text goes
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
    return ok


def icon(data):
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    if not check((kind, count) == (1, 1), f"ico: type/count {kind}/{count}, want 1/1"):
        return
    w, h, colors, _, planes, bpp, size, off = struct.unpack_from("<BBBBHHII", data, 6)
    check((w, h, colors, planes, bpp) == (32, 32, 0, 1, 8), f"ico entry {w}x{h} c{colors} p{planes} {bpp}bpp")
    hsize, bw, bh, _, bbits, comp = struct.unpack_from("<IiiHHI", data, off)
    used = struct.unpack_from("<I", data, off + 32)[0]
    check((hsize, bw, bh, bbits, comp) == (40, 32, 64, 8, 0), f"dib header {hsize} {bw}x{bh} {bbits}bpp comp {comp}")
    check(used in (0, 256), f"dib palette of {used} colours")
    pal, xor = off + 40, off + 40 + 1024
    mask = xor + 32 * 32
    if not check(size == 40 + 1024 + 1024 + 128 and off + size == len(data), "ico image size / AND mask size"):
        return
    seen = []
    clear = [[data[mask + 4 * (31 - y) + x // 8] >> (7 - x % 8) & 1 for x in range(32)] for y in range(32)]
    for y in range(32):
        for x in range(32):
            if not clear[y][x]:
                b, g, r = data[pal + 4 * data[xor + 32 * (31 - y) + x]:][:3]
                seen.append((r, g, b))
    check(0 < len(seen) < 1024, f"ico has {len(seen)} opaque pixels of 1024")
    check(all(clear[y][x] for x in (0, 31) for y in (0, 31)), "ico corners must be transparent")
    check(any(r > 150 and g < 110 and b < 110 for r, g, b in seen), "ico has no red")
    check(any(b > 150 and r < 110 and b > g for r, g, b in seen), "ico has no blue")
    check(any(r > 180 and g > 150 and b < 100 for r, g, b in seen), "ico has no yellow")


def night(path, data):
    i, sof = 2, None
    check(data[:2] == b"\xff\xd8", "jpg: no SOI")
    while i + 4 <= len(data) and data[i] == 0xFF and sof is None:
        marker, length = data[i + 1], struct.unpack_from(">H", data, i + 2)[0]
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            sof = marker, struct.unpack_from(">BHHB", data, i + 4)
        i += 2 + length
    if not check(sof is not None and sof[0] == 0xC0, f"jpg: want baseline SOF0, got {sof}"):
        return
    bits, h, w, comps = sof[1]
    check((bits, w, h, comps) == (8, 270, 170, 3), f"jpg: {w}x{h}, {comps} components, {bits} bits")
    lum = Image.open(path).convert("L")
    px = lum.load()
    # Summed-area table so every 40x13 block costs four look-ups.
    s = [[0] * (w + 1) for _ in range(h + 1)]
    for y in range(h):
        for x in range(w):
            s[y + 1][x + 1] = px[x, y] + s[y][x + 1] + s[y + 1][x] - s[y][x]
    for x0, y0, x1, y1 in TEXT:
        worst = max(((s[y + 13][x + 40] - s[y][x + 40] - s[y + 13][x] + s[y][x]) / 520, x, y)
                    for y in range(y0, min(y1, h) - 12) for x in range(x0, min(x1, w) - 39))
        check(worst[0] <= 70, f"jpg: block at {worst[1:]} has mean luminance {worst[0]:.1f} > 70")


with open(os.path.join(ROOT, "windows/res/Kalvio.ico"), "rb") as f:
    icon(f.read())
jpg = os.path.join(ROOT, "windows/res/night.jpg")
with open(jpg, "rb") as f:
    night(jpg, f.read())
for what in failures:
    print("FAIL:", what)
print("test_assets:", "ok" if not failures else f"{len(failures)} failed")
sys.exit(1 if failures else 0)
