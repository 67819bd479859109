#!/usr/bin/python3
"""Checks Kalvio.exe as it ships: only system DLLs, the build's version, the committed pictures, the hardening flags.
Usage: check_exe.py Kalvio.exe 2.00.0001 res/Kalvio.ico   (Debian's python3 with python3-pefile and python3-pil)"""
import pathlib
import struct
import sys

import pefile
from PIL import Image, ImageStat

# A compiler's runtime DLL (libstdc++, libgcc, winpthread) is not on a user's machine.
SYSTEM_DLLS = {name + ".dll" for name in "advapi32 bcrypt comctl32 gdi32 kernel32 msvcrt ntdll ole32 oleaut32 "
                                         "shell32 ucrtbase user32 windowscodecs".split()}
TEXT = [(48, 8, 270, 60), (0, 72, 270, 90), (0, 120, 270, 165)]  # where the about window writes white on its picture


def checks(exe, version, ico_path):
    """Yields each property's (holds, description)."""
    pe = pefile.PE(exe)
    dlls = {e.dll.decode().lower() for e in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])}
    yield dlls and dlls <= SYSTEM_DLLS, f"imports only system DLLs: {sorted(dlls - SYSTEM_DLLS)} are not"

    major, minor, patch = map(int, version.split("."))
    info = pe.VS_FIXEDFILEINFO[0]
    yield (info.FileVersionMS, info.FileVersionLS) == (major << 16 | minor, patch), f"file version {version}"
    strings = {k.decode(): v.decode() for fi in pe.FileInfo for e in fi
               for table in getattr(e, "StringTable", []) for k, v in table.entries.items()}
    found = [strings.get(key) for key in ("FileVersion", "ProductVersion", "ProductName", "InternalName")]
    yield found == [version, version, "Kalvio", "Kalvio"], f"file, product version {version}, names Kalvio: {found}"

    ico = pathlib.Path(ico_path).read_bytes()
    size, offset = struct.unpack_from("<II", ico, 14)  # the .ico's only entry
    icons = [pe.get_data(lang.data.struct.OffsetToData, lang.data.struct.Size)
             for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries if kind.id == pefile.RESOURCE_TYPE["RT_ICON"]
             for name in kind.directory.entries for lang in name.directory.entries]
    yield icons == [ico[offset:offset + size]], "one icon, the image of " + ico_path
    alpha = Image.open(ico_path).convert("RGBA").getchannel("A")
    yield not any(alpha.getpixel((x, y)) for x in (0, 31) for y in (0, 31)), "the icon's corners see-through"
    night = Image.open(pathlib.Path(ico_path).with_name("night.jpg")).convert("L")
    brightest = max(ImageStat.Stat(night.crop((x, y, x + 40, y + 13))).mean[0]
                    for x0, y0, x1, y1 in TEXT for y in range(y0, y1 - 12) for x in range(x0, x1 - 39))
    yield night.size == (270, 170) and brightest <= 70, f"night.jpg 270x170, under text at most 70: {brightest:.0f}"

    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    for name in ("DYNAMIC_BASE", "HIGH_ENTROPY_VA", "NX_COMPAT"):
        yield flags & pefile.DLL_CHARACTERISTICS["IMAGE_DLLCHARACTERISTICS_" + name], name
    writable_code = [s.Name for s in pe.sections if s.Characteristics & 0xA0000000 == 0xA0000000]
    yield not writable_code, f"no section is both writable and executable: {writable_code}"
    yield not pe.FILE_HEADER.Characteristics & 0x0001, "relocations kept, so ASLR can move the image"


if __name__ == "__main__":
    results = list(checks(*sys.argv[1:]))
    print("\n".join(("ok   " if holds else "FAIL ") + what for holds, what in results))
    sys.exit(0 if all(holds for holds, _ in results) else 1)
