"""The files of a release carry the source date and nothing of the machine.

    release_files.py stamp DIR EPOCH      every file under DIR gets EPOCH as its time
    release_files.py zip ZIP DIR EPOCH    ZIP holds the files under DIR, dated EPOCH

Run by CPack (Stage.cmake, Zip.cmake). CPack's own zip records the builder's
user and group ids and the order the file system lists a folder in, so the
portable download is written here: entries sorted by name, each dated EPOCH
(UTC), with fixed attributes and no extra fields.
"""
import os
import stat
import sys
import time
import zipfile


def files_under(top):
    """Relative POSIX paths of every file under top, sorted."""
    found = []
    for folder, _, names in os.walk(top):
        for name in names:
            found.append(os.path.relpath(os.path.join(folder, name), top).replace(os.sep, "/"))
    return sorted(found)


def stamp(top, epoch):
    for name in files_under(top):
        os.utime(os.path.join(top, name), (epoch, epoch))


def write_zip(output, top, epoch):
    # DOS times start in 1980 and count in local time; UTC keeps the time zone out.
    date_time = max(time.gmtime(epoch)[:6], (1980, 1, 1, 0, 0, 0))
    with zipfile.ZipFile(output, "w") as archive:
        for name in files_under(top):
            path = os.path.join(top, name)
            entry = zipfile.ZipInfo(name, date_time)
            entry.create_system = 3  # Unix, so the mode below is read
            mode = 0o755 if os.stat(path).st_mode & 0o111 else 0o644
            entry.external_attr = (stat.S_IFREG | mode) << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as f:
                archive.writestr(entry, f.read(), compresslevel=9)


def main(argv):
    if len(argv) == 4 and argv[1] == "stamp":
        stamp(argv[2], int(argv[3]))
    elif len(argv) == 5 and argv[1] == "zip":
        write_zip(argv[2], argv[3], int(argv[4]))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
