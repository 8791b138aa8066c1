#!/usr/bin/python3
"""Makes the synthetic kit the archive benchmark joins and unpacks.

OUT/EXE.ZIP holds six program files of about 20 MB and 3,000 small tables
(about 211 MB in all): text, fixed-size records and stretches of noise, so
that it deflates partly, as real program files and tables do. OUT/kit holds
that archive cut into pieces EXE.1, EXE.2, ... with the DISK1 marker, as on a
CD. A kit already made with the same recipe is kept.
"""
import os
import random
import shutil
import struct
import sys
import zipfile

RECIPE = "1"
PROGRAMS, PROGRAM_SIZE = 6, 20_000_000
TABLES, TABLE_SIZES = 3_000, (1_000, 60_000)
CHUNK = 64 * 1024
PIECE_SIZE = 1_457_664
WORDS = ("cont debit credit sold factura client furnizor jurnal balanta luna firma operator "
         "plata incasare TVA total cod denumire data suma valuta").split()


def text_chunk(rng):
    lines = []
    size = 0
    while size < CHUNK:
        line = " ".join(rng.choice(WORDS) for _ in range(rng.randint(4, 12)))
        line += f" {rng.randint(0, 99999)}.{rng.randint(0, 99):02d}\r\n"
        lines.append(line)
        size += len(line)
    return "".join(lines).encode("ascii")[:CHUNK]


def record_chunk(rng):
    records = []
    for i in range(CHUNK // 64):
        name = rng.choice(WORDS).encode("ascii").ljust(24, b"\0")
        records.append(struct.pack("<I24sdqI20s", i, name, rng.random() * 1e6, rng.randint(0, 1 << 40),
                                   rng.randint(0, 50), b"\0" * 20))
    return b"".join(records)[:CHUNK]


def noise_chunk(rng):
    return rng.randbytes(CHUNK)


def chunk_pool(rng):
    makers = [text_chunk] * 4 + [record_chunk] * 4 + [noise_chunk] * 2
    return [rng.choice(makers)(rng) for _ in range(160)]


def content(rng, pool, size):
    """Chunks of the pool, each one stamped so that no two are alike; deflate
    sees no repeats beyond its 32 KiB window anyway."""
    parts, total = [], 0
    while total < size:
        stamp = struct.pack("<Q", rng.getrandbits(64))
        parts.append(stamp + rng.choice(pool)[8:])
        total += CHUNK
    return b"".join(parts)[:size]


def make_archive(path):
    rng = random.Random(2026)
    pool = chunk_pool(rng)
    total = 0
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for i in range(PROGRAMS):
            data = content(rng, pool, PROGRAM_SIZE + rng.randint(-500_000, 500_000))
            z.writestr(f"PROGRAM{i + 1}.EXE", data)
            total += len(data)
        for i in range(TABLES):
            data = content(rng, pool, rng.randint(*TABLE_SIZES))
            z.writestr(f"DATA/T{i // 500:02d}/TABEL{i:04d}.DB", data)
            total += len(data)
    return total


def cut(archive, kit):
    os.makedirs(kit)
    with open(os.path.join(kit, "DISK1"), "wb") as f:
        f.write(b"Zarvanto - discul 1 din 1\r\n")
    with open(archive, "rb") as f:
        number = 1
        while piece := f.read(PIECE_SIZE):
            with open(os.path.join(kit, f"EXE.{number}"), "wb") as out:
                out.write(piece)
            number += 1
    return number - 1


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    stamp = os.path.join(out, ".recipe")
    if os.path.isfile(stamp) and open(stamp).read() == RECIPE:
        return
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    archive = os.path.join(out, "EXE.ZIP")
    total = make_archive(archive)
    pieces = cut(archive, os.path.join(out, "kit"))
    print(f"bench kit: {total / 1e6:.0f} MB in {PROGRAMS + TABLES} files, archive {os.path.getsize(archive) / 1e6:.0f} MB "
          f"in {pieces} pieces", file=sys.stderr)
    with open(stamp, "w") as f:
        f.write(RECIPE)


if __name__ == "__main__":
    main()
