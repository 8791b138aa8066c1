#!/usr/bin/python3
"""Builds a Zarvanto distribution from the component content trees.

Each catalogue component is zipped, cut into pieces FileName.1, FileName.2, ...
of --piece-size bytes and spread over --disks disks: one folder DISKn per disk
holding its DISKn marker file (layout "disks", the floppy layout), or
everything in one folder (layout "cd"). The first disk also carries
INSTALL.EXE, INSTALL.CFG ([General] NrDiscuri) and UPGRADE.1 (a ZIP of the
upgrade package).

The installer joins the pieces disk by disk, and on each disk in the order of
their numbers; the builder checks that this gives every archive back whole.

--made-on says which system's archiver the archives look like: "windows"
(MS-DOS attributes and NTFS times, as Windows archivers write them) or
"unix" (mode bits and extended timestamps, as Info-ZIP on Unix writes them).
--variant adds the odd kits the tests need (repeatable):
  many-pieces   EXE cut into twelve pieces, all on the first disk
  lower-case    EXE's first piece named exe.1
  stray-readme  a README.1 on the first disk that belongs to no component
  no-optional   no ORVIST and no PELDUN

Programs come from the build (--programs, searched in order); a program that
has not been built is replaced by a placeholder file so the kit stays whole.
"""
import argparse
import calendar
import os
import random
import shutil
import struct
import sys
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
CATALOGUE = ["EXE", "ORVIST", "DBDAT", "DBNEW", "BDE32", "HELP", "PELDUN"]
OPTIONAL = {"ORVIST", "PELDUN"}
VARIANTS = ["many-pieces", "lower-case", "stray-readme", "no-optional"]
MANY_PIECES = 12

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

DOS_DIRECTORY, DOS_ARCHIVE = 0x10, 0x20
SYSTEM_DOS, SYSTEM_UNIX = 0, 3


class OrderError(Exception):
    pass


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


def folders_of(files):
    """Every folder the file names lie in, parents first, as "a/", "a/b/"."""
    folders = set()
    for name, _ in files:
        parts = name.split("/")[:-1]
        folders.update("/".join(parts[:i]) + "/" for i in range(1, len(parts) + 1))
    return sorted(folders)


def entry_seconds():
    """ENTRY_TIME read as UTC, so that every machine builds the same bytes."""
    return calendar.timegm(ENTRY_TIME + (0, 0, 0))


def ntfs_times_field():
    """The NTFS extra field (modification, access, creation time) of ENTRY_TIME."""
    ticks = entry_seconds() * 10_000_000 + 116_444_736_000_000_000
    return struct.pack("<HHIHH3Q", 0x000A, 32, 0, 1, 24, ticks, ticks, ticks)


def unix_timestamp_field():
    """The extended timestamp field (modification time) of ENTRY_TIME."""
    return struct.pack("<HHBI", 0x5455, 5, 1, entry_seconds())


def entry_info(name, made_on):
    info = zipfile.ZipInfo(name, ENTRY_TIME)
    folder = name.endswith("/")
    if made_on == "unix":
        executable = folder or name.upper().endswith((".EXE", ".DLL"))
        mode = (0o40000 if folder else 0o100000) | (0o755 if executable else 0o644)
        info.create_system = SYSTEM_UNIX
        info.external_attr = mode << 16 | (DOS_DIRECTORY if folder else 0)
        info.extra = unix_timestamp_field()
    else:
        info.create_system = SYSTEM_DOS
        info.external_attr = DOS_DIRECTORY if folder else DOS_ARCHIVE
        info.extra = ntfs_times_field()
    info.compress_type = zipfile.ZIP_STORED if folder else zipfile.ZIP_DEFLATED
    return info


def make_zip(path, files, made_on="windows"):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for folder in folders_of(files):
            z.writestr(entry_info(folder, made_on), b"")
        for name, data in files:
            z.writestr(entry_info(name, made_on), data)


def cut(data, size):
    return [data[i:i + size] for i in range(0, len(data), size)] or [b""]


def spread(pieces, disks):
    """Splits the ordered piece list into `disks` consecutive groups."""
    per_disk = -(-len(pieces) // disks)
    return [pieces[i * per_disk:(i + 1) * per_disk] for i in range(disks)]


def piece_key(name):
    """The installer's order of the pieces on one disk: by component, then by number."""
    base, _, number = name.partition(".")
    return (base.upper(), int(number) if number.isdigit() else float("inf"), name.upper())


def join_order(groups):
    """Piece names in the order the installer joins them from these disks."""
    order = []
    for group in groups:
        order += sorted((name for name, _ in group), key=piece_key)
    return order


def check_join_order(groups):
    """Raises OrderError unless joining the disks gives each archive's pieces 1, 2, ... in turn."""
    expected = {}
    for name in join_order(groups):
        base, _, number = name.partition(".")
        if base.upper() not in CATALOGUE:
            continue
        want = expected.get(base.upper(), 1)
        if not number.isdigit() or int(number) != want:
            raise OrderError(f"piece {name} would be joined where piece {base.upper()}.{want} belongs")
        expected[base.upper()] = want + 1


def component_pieces(component, archive, piece_size, variants):
    size = -(-len(archive) // MANY_PIECES) if component == "EXE" and "many-pieces" in variants else piece_size
    names = [f"{component}.{i + 1}" for i in range(len(cut(archive, size)))]
    if component == "EXE" and "lower-case" in variants:
        names[0] = names[0].lower()
    return list(zip(names, cut(archive, size)))


def make_archives(args, work):
    """{component: archive bytes} for every component the kit carries."""
    archives = {}
    for component in CATALOGUE:
        if component in OPTIONAL and "no-optional" in args.variant:
            continue
        zip_path = os.path.join(work, component + ".ZIP")
        make_zip(zip_path, component_files(component, args.programs), args.made_on)
        with open(zip_path, "rb") as f:
            archives[component] = f.read()
    return archives


def layout_disks(archives, args):
    """The disks: lists of (file name, bytes), pieces in catalogue and piece order."""
    pieces = []
    for component, archive in archives.items():
        parts = component_pieces(component, archive, args.piece_size, args.variant)
        if component == "EXE" and "many-pieces" in args.variant:
            first_disk = parts
            continue
        pieces += parts
    groups = spread(pieces, args.disks)
    if "many-pieces" in args.variant:
        groups[0] = first_disk + groups[0]
    if "stray-readme" in args.variant:
        groups[0].append(("README.1", b"Acest fisier nu face parte din nicio componenta.\r\n"))
    check_join_order(groups)
    return groups


def build(args):
    out = os.path.abspath(args.out)
    if os.path.exists(out):
        shutil.rmtree(out)
    os.makedirs(out)
    work = os.path.join(out, ".work")
    os.makedirs(work)

    groups = layout_disks(make_archives(args, work), args)
    for n, group in enumerate(groups, 1):
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
    make_zip(os.path.join(first, "UPGRADE.1"), component_files("UPGRADE", args.programs), args.made_on)
    shutil.rmtree(work)
    count = sum(len(g) for g in groups)
    print(f"kit: {count} files on {args.disks} disk(s), {args.layout} layout, in {out}")


def parse_args(argv=None):
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--out", required=True, help="distribution folder to (re)create")
    p.add_argument("--install-exe", required=True, help="the built INSTALL.EXE")
    p.add_argument("--programs", action="append", default=[], help="folder with built programs")
    p.add_argument("--disks", type=int, default=1)
    p.add_argument("--layout", choices=["disks", "cd"], default="cd")
    p.add_argument("--piece-size", type=int, default=1_457_664)
    p.add_argument("--made-on", choices=["windows", "unix"], default="windows")
    p.add_argument("--variant", action="append", choices=VARIANTS, default=[])
    args = p.parse_args(argv)
    if args.disks < 1 or args.piece_size < 1:
        p.error("--disks and --piece-size must be positive")
    return args


def main():
    try:
        build(parse_args())
    except OrderError as e:
        sys.exit(f"kit: {e}; use another --piece-size or number of disks")


if __name__ == "__main__":
    main()
