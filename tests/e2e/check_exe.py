#!/usr/bin/python3
"""Checks Kalvio.exe as it ships: it needs no DLL of its own, carries its
version record and its icon, and is built with the hardening flags.

Usage: check_exe.py Kalvio.exe   (Debian's python3 with python3-pefile)
"""
import struct
import sys

import pefile

# DLLs every Windows installation has; a runtime DLL of a compiler
# (libstdc++, libgcc, winpthread) would not be there on a user's machine.
SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "dwmapi.dll", "gdi32.dll",
    "kernel32.dll", "msvcrt.dll", "ntdll.dll", "ole32.dll", "oleaut32.dll",
    "shcore.dll", "shell32.dll", "shlwapi.dll", "ucrtbase.dll", "user32.dll",
    "uxtheme.dll", "version.dll", "windowscodecs.dll",
}

VERSION_STRINGS = {
    "FileVersion": "2.00.0001",
    "ProductVersion": "2.00.0001",
    "ProductName": "Kalvio",
    "InternalName": "Kalvio",
    "OriginalFilename": "Kalvio.exe",
}

RT_ICON = pefile.RESOURCE_TYPE["RT_ICON"]
RT_GROUP_ICON = pefile.RESOURCE_TYPE["RT_GROUP_ICON"]


class Report:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, ok, what, detail=""):
        if ok:
            self.passed += 1
            print(f"ok   {what}")
        else:
            self.failed += 1
            print(f"FAIL {what}" + (f": {detail}" if detail else ""))


def resources_of(pe, type_id):
    """(id, data) of every resource of one type, all languages."""
    found = []
    root = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    if root is None:
        return found
    for type_entry in root.entries:
        if type_entry.id != type_id:
            continue
        for name_entry in type_entry.directory.entries:
            for lang_entry in name_entry.directory.entries:
                rva = lang_entry.data.struct.OffsetToData
                size = lang_entry.data.struct.Size
                found.append((name_entry.id, pe.get_data(rva, size)))
    return found


def check_imports(pe, report):
    imported = sorted({entry.dll.decode("ascii").lower()
                       for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])})
    foreign = [dll for dll in imported
               if dll not in SYSTEM_DLLS and not dll.startswith("api-ms-win-")]
    report.check(bool(imported) and not foreign, "imports only system DLLs",
                 f"also imports {', '.join(foreign)}" if foreign else "no import table")


def check_version(pe, report):
    fixed = getattr(pe, "VS_FIXEDFILEINFO", None)
    if not fixed:
        report.check(False, "has a version record", "no VS_VERSIONINFO resource")
        return
    info = fixed[0]
    numbers = lambda ms, ls: (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    report.check(numbers(info.FileVersionMS, info.FileVersionLS) == (2, 0, 0, 1),
                 "file version is 2.0.0.1", str(numbers(info.FileVersionMS, info.FileVersionLS)))
    report.check(numbers(info.ProductVersionMS, info.ProductVersionLS) == (2, 0, 0, 1),
                 "product version is 2.0.0.1",
                 str(numbers(info.ProductVersionMS, info.ProductVersionLS)))
    strings = {}
    for file_info in getattr(pe, "FileInfo", []):
        for entry in file_info:
            for table in getattr(entry, "StringTable", []):
                for key, value in table.entries.items():
                    strings[key.decode("utf-8", "replace")] = value.decode("utf-8", "replace")
    for key, expected in VERSION_STRINGS.items():
        report.check(strings.get(key) == expected, f'{key} is "{expected}"',
                     f"found {strings.get(key)!r}")


def check_icon(pe, report):
    groups = resources_of(pe, RT_GROUP_ICON)
    report.check(len(groups) == 1, "one icon group", f"found {len(groups)}")
    if not groups:
        return
    data = groups[0][1]
    _reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    report.check(kind == 1 and count == 1, "the icon group holds one image", f"holds {count}")
    if count < 1:
        return
    width, height, colours, _r, _planes, bits, size, icon_id = struct.unpack_from("<BBBBHHIH", data, 6)
    report.check((width, height) == (32, 32), "the image is 32 x 32", f"{width} x {height}")
    report.check(bits == 8 and colours == 0, "the image has 8 bits per pixel (256 colours)",
                 f"{bits} bits, {colours} colours")
    images = dict(resources_of(pe, RT_ICON))
    image = images.get(icon_id)
    if image is None:
        report.check(False, "the group's image is present", f"no RT_ICON {icon_id}")
        return
    # A palette DIB: header, 256 colours, 32 x 32 bytes of colour, then the
    # 1-bit transparency mask with rows padded to 4 bytes.
    header_size, dib_width, dib_height, _planes, dib_bits = struct.unpack_from("<IiiHH", image, 0)
    report.check(dib_width == 32 and dib_height == 64 and dib_bits == 8,
                 "the image data is an 8-bit 32 x 32 bitmap with its mask",
                 f"{dib_width} x {dib_height // 2}, {dib_bits} bits")
    expected_size = header_size + 256 * 4 + 32 * 32 + 32 * 4
    report.check(len(image) >= expected_size, "the image carries its transparency mask",
                 f"{len(image)} bytes, {expected_size} needed")
    if len(image) >= expected_size:
        mask = image[header_size + 256 * 4 + 32 * 32:expected_size]
        report.check(any(mask) and not all(b == 0xFF for b in mask),
                     "the mask leaves some pixels transparent and some not")


def check_hardening(pe, report):
    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    for name in ("IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE",
                 "IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA",
                 "IMAGE_DLLCHARACTERISTICS_NX_COMPAT"):
        report.check(bool(flags & pefile.DLL_CHARACTERISTICS[name]), name.split("_", 2)[2],
                     f"DllCharacteristics 0x{flags:04x}")
    writable = pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_WRITE"]
    executable = pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_EXECUTE"]
    both = [section.Name.rstrip(b"\0").decode("ascii", "replace") for section in pe.sections
            if section.Characteristics & writable and section.Characteristics & executable]
    report.check(not both, "no section is both writable and executable", ", ".join(both))
    # Relocations must survive, or the loader cannot move the image for ASLR.
    report.check(pe.FILE_HEADER.Characteristics & 0x0001 == 0,
                 "relocations are kept (ASLR can move the image)")


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    pe = pefile.PE(sys.argv[1])
    report = Report()
    report.check(pe.FILE_HEADER.Machine == pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"],
                 "a 64-bit Windows executable")
    report.check(pe.OPTIONAL_HEADER.Subsystem == pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"],
                 "a windowed program (no console)")
    check_imports(pe, report)
    check_version(pe, report)
    check_icon(pe, report)
    check_hardening(pe, report)
    print(f"{report.passed} passed, {report.failed} failed")
    return 1 if report.failed else 0


if __name__ == "__main__":
    sys.exit(main())
