#!/usr/bin/python3
"""Builds a Zarvanto distribution from the component content trees.

Each catalogue component is zipped, cut into pieces FileName.1, FileName.2, ...
of --piece-size bytes and spread over --disks disks: one folder DISKn per disk
holding its DISKn marker file (layout "disks"), or everything in one folder
(layout "cd"). The first disk also carries INSTALL.EXE, INSTALL.CFG
([General] NrDiscuri) and UPGRADE.1 (a ZIP of the upgrade package).

Programs come from the build (--programs, searched in order); a program that
has not been built is replaced by a placeholder file so the kit stays whole.
"""
import argparse
import os
import random
import shutil
import sys
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
CATALOGUE = ["EXE", "ORVIST", "DBDAT", "DBNEW", "BDE32", "HELP", "PELDUN"]

# Built files that belong to each component (or to the upgrade package).
PROGRAMS = {
    "EXE": ["ZARVAN.EXE", "TUNSEL.EXE", "HHUPD.EXE", "TREGSVR.EXE"],
    "ORVIST": ["ORVIST.EXE"],
    "BDE32": ["IDAPI32.DLL", "bde.reg"],
    "PELDUN": ["PELDUN.EXE"],
    "UPGRADE": ["UPGRADE.DLL"],
}
MIN_SIZES = {"ZARVAN.EXE": 6_000_001}
# A fixed time for every entry, so the same content gives the same archives.
ENTRY_TIME = (2026, 11, 2, 10, 0, 0)


def find_program(name, dirs):
    for d in dirs:
        path = os.path.join(d, name)
        if os.path.isfile(path):
            return path
    return None


def placeholder(name):
    """A stand-in file; padded with incompressible bytes where a size is wanted."""
    text = f"Fisier de exemplu {name}: programul nu a fost construit.\r\n".encode("ascii")
    pad = MIN_SIZES.get(name, 0) - len(text)
    return text + (random.Random(name).randbytes(pad) if pad > 0 else b"")


def component_files(component, program_dirs):
    """(archive name, bytes) of everything the component holds, sorted."""
    files = {}
    root = os.path.join(HERE, "content", component)
    for folder, _, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            rel = os.path.relpath(path, root).replace(os.sep, "/")
            with open(path, "rb") as f:
                files[rel] = f.read()
    for name in PROGRAMS.get(component, []):
        path = find_program(name, program_dirs)
        if path:
            with open(path, "rb") as f:
                files[name] = f.read()
        else:
            print(f"kit: {name} not built, using a placeholder", file=sys.stderr)
            files[name] = placeholder(name)
    return sorted(files.items())


def make_zip(path, files):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in files:
            info = zipfile.ZipInfo(name, ENTRY_TIME)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0x20  # FILE_ATTRIBUTE_ARCHIVE
            z.writestr(info, data)


def cut(data, size):
    return [data[i:i + size] for i in range(0, len(data), size)] or [b""]


def spread(pieces, disks):
    """Splits the ordered piece list into `disks` consecutive groups."""
    per_disk = -(-len(pieces) // disks)
    return [pieces[i * per_disk:(i + 1) * per_disk] for i in range(disks)]


def build(args):
    out = os.path.abspath(args.out)
    if os.path.exists(out):
        shutil.rmtree(out)
    os.makedirs(out)
    work = os.path.join(out, ".work")
    os.makedirs(work)

    pieces = []  # (piece name, bytes) in catalogue and piece order
    for component in CATALOGUE:
        zip_path = os.path.join(work, component + ".ZIP")
        make_zip(zip_path, component_files(component, args.programs))
        with open(zip_path, "rb") as f:
            parts = cut(f.read(), args.piece_size)
        pieces += [(f"{component}.{i + 1}", part) for i, part in enumerate(parts)]

    groups = spread(pieces, args.disks)
    for n, group in enumerate(groups, 1):
        names = [name for name, _ in group]
        numbers = {}
        for name in names:
            base = name.split(".")[0]
            numbers[base] = numbers.get(base, 0) + 1
        if any(count > 9 for count in numbers.values()):
            sys.exit("kit: more than 9 pieces of one component on a disk would be joined out of "
                     "order; use a larger --piece-size or more disks")
        folder = out if args.layout == "cd" else os.path.join(out, f"DISK{n}")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, f"DISK{n}"), "wb") as f:
            f.write(f"Zarvanto - discul {n} din {args.disks}\r\n".encode("ascii"))
        for name, data in group:
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)

    first = out if args.layout == "cd" else os.path.join(out, "DISK1")
    shutil.copyfile(args.install_exe, os.path.join(first, "INSTALL.EXE"))
    with open(os.path.join(first, "INSTALL.CFG"), "wb") as f:
        f.write(f"[General]\r\nNrDiscuri={args.disks}\r\n".encode("ascii"))
    make_zip(os.path.join(first, "UPGRADE.1"), component_files("UPGRADE", args.programs))
    shutil.rmtree(work)
    print(f"kit: {len(pieces)} pieces on {args.disks} disk(s), {args.layout} layout, in {out}")


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--out", required=True, help="distribution folder to (re)create")
    p.add_argument("--install-exe", required=True, help="the built INSTALL.EXE")
    p.add_argument("--programs", action="append", default=[], help="folder with built programs")
    p.add_argument("--disks", type=int, default=1)
    p.add_argument("--layout", choices=["disks", "cd"], default="cd")
    p.add_argument("--piece-size", type=int, default=1_457_664)
    args = p.parse_args()
    if args.disks < 1 or args.piece_size < 1:
        p.error("--disks and --piece-size must be positive")
    build(args)


if __name__ == "__main__":
    main()
