#!/usr/bin/python3
"""Appends deterministic, incompressible bytes to a file until it has SIZE bytes.

Usage: pad_file.py FILE SIZE. The bytes depend only on the file's name and the
current size, so the same build gives the same file. A file already that large
is left as it is.
"""
import os
import random
import sys


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    path, size = sys.argv[1], int(sys.argv[2])
    missing = size - os.path.getsize(path)
    if missing > 0:
        seed = f"{os.path.basename(path).upper()}:{size - missing}"
        with open(path, "ab") as f:
            f.write(random.Random(seed).randbytes(missing))


if __name__ == "__main__":
    main()
