#!/usr/bin/env python3
"""Rewrites a zip with sorted entries and fixed metadata, so equal contents give equal bytes."""
import sys
import zipfile

# Any fixed time will do; zip times cannot express anything before 1980.
FIXED_TIME = (2020, 1, 1, 0, 0, 0)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: normalize-zip.py <input.zip> <output.zip>")
    with zipfile.ZipFile(sys.argv[1]) as source, \
            zipfile.ZipFile(sys.argv[2], "w") as target:
        for entry in sorted(source.infolist(), key=lambda e: e.filename):
            if entry.is_dir():
                continue
            fixed = zipfile.ZipInfo(entry.filename, FIXED_TIME)
            # Stored entries stay stored: the package tools expect them uncompressed.
            fixed.compress_type = entry.compress_type
            fixed.create_system = 0
            fixed.external_attr = 0
            target.writestr(fixed, source.read(entry), compresslevel=9)


if __name__ == "__main__":
    main()
