#!/usr/bin/python3
"""Checks Kalvio.exe as it ships: only system DLLs, its version record, one
32 x 32 256-colour icon with a mask, and the hardening flags.

Usage: check_exe.py Kalvio.exe   (Debian's python3 with python3-pefile)
"""
import struct
import sys

import pefile

# A compiler's runtime DLL (libstdc++, libgcc, winpthread) is not on a user's machine.
SYSTEM_DLLS = {
    "advapi32.dll", "bcrypt.dll", "comctl32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll",
    "ntdll.dll", "ole32.dll", "oleaut32.dll", "shell32.dll", "ucrtbase.dll", "user32.dll",
    "windowscodecs.dll",
}
VERSION_STRINGS = {"FileVersion": "2.00.0001", "ProductVersion": "2.00.0001",
                   "ProductName": "Kalvio", "InternalName": "Kalvio"}
results = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    results.append(bool(ok))


def resources(pe, type_name):
    """{id: data} of every resource of one type."""
    return {name.id: pe.get_data(lang.data.struct.OffsetToData, lang.data.struct.Size)
            for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries if kind.id == pefile.RESOURCE_TYPE[type_name]
            for name in kind.directory.entries for lang in name.directory.entries}


def main():
    pe = pefile.PE(sys.argv[1])
    dlls = {e.dll.decode().lower() for e in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])}
    check(dlls and dlls <= SYSTEM_DLLS, f"imports only system DLLs: {sorted(dlls - SYSTEM_DLLS)} are not")

    info = pe.VS_FIXEDFILEINFO[0]
    check((info.FileVersionMS, info.FileVersionLS) == (0x20000, 0x1), "file version 2.0.0.1")
    strings = {k.decode(): v.decode() for fi in pe.FileInfo for e in fi
               for table in getattr(e, "StringTable", []) for k, v in table.entries.items()}
    for key, expected in VERSION_STRINGS.items():
        check(strings.get(key) == expected, f'{key} is "{expected}" (found {strings.get(key)!r})')

    groups = resources(pe, "RT_GROUP_ICON")
    check(len(groups) == 1, "one icon")
    group = next(iter(groups.values()))
    count, = struct.unpack_from("<H", group, 4)
    width, height, colours, _, _, bits, _, icon_id = struct.unpack_from("<BBBBHHIH", group, 6)
    check(count == 1 and (width, height, bits, colours) == (32, 32, 8, 0), "a 32 x 32 icon of 256 colours")
    image = resources(pe, "RT_ICON")[icon_id]
    header, = struct.unpack_from("<I", image, 0)
    mask = image[header + 256 * 4 + 32 * 32:header + 256 * 4 + 32 * 32 + 32 * 4]
    check(len(mask) == 128 and any(mask) and any(b != 0xFF for b in mask), "the icon has a transparency mask")

    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    for name in ("DYNAMIC_BASE", "HIGH_ENTROPY_VA", "NX_COMPAT"):
        check(flags & pefile.DLL_CHARACTERISTICS["IMAGE_DLLCHARACTERISTICS_" + name], name)
    wx = [s.Name for s in pe.sections if s.Characteristics & 0x80000000 and s.Characteristics & 0x20000000]
    check(not wx, "no section is both writable and executable")
    check(not pe.FILE_HEADER.Characteristics & 0x0001, "relocations kept, so ASLR can move the image")
    print(f"{results.count(True)} passed, {results.count(False)} failed")
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
