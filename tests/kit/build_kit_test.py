#!/usr/bin/python3
"""Checks the distribution builder: the pieces on the disks join back into the
archives byte for byte in the installer's order, the variants hold what the
tests expect of them, and a spread that would join out of order is refused."""
import io
import os
import sys
import tempfile
import unittest
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "kit"))
import build_kit  # noqa: E402


class KitBuilder(unittest.TestCase):
    def setUp(self):
        self.temp = tempfile.TemporaryDirectory()
        self.install_exe = os.path.join(self.temp.name, "INSTALL.EXE")
        with open(self.install_exe, "wb") as f:
            f.write(b"MZ installer")

    def tearDown(self):
        self.temp.cleanup()

    def build(self, *options):
        out = os.path.join(self.temp.name, "kit")
        args = build_kit.parse_args(["--out", out, "--install-exe", self.install_exe, *options])
        build_kit.build(args)
        work = os.path.join(self.temp.name, "work")
        os.makedirs(work, exist_ok=True)
        return out, args, build_kit.make_archives(args, work)

    @staticmethod
    def disks(out, args):
        """[(folder, file names)] per disk, as the installer finds them."""
        folders = [out] if args.layout == "cd" else [os.path.join(out, f"DISK{n}") for n in range(1, args.disks + 1)]
        return [(folder, sorted(os.listdir(folder))) for folder in folders]

    def rejoin(self, out, args, order=build_kit.piece_key):
        joined = {}
        for folder, names in self.disks(out, args):
            for name in sorted(names, key=order):
                base, _, number = name.partition(".")
                if base.upper() not in build_kit.CATALOGUE or not number[-1:].isdigit():
                    continue
                with open(os.path.join(folder, name), "rb") as f:
                    data = f.read()
                joined[base.upper()] = (b"" if number == "1" else joined.get(base.upper(), b"")) + data
        return joined

    def test_pieces_rejoin_into_the_archives(self):
        for layout in ("disks", "cd"):
            with self.subTest(layout=layout):
                out, args, archives = self.build("--layout", layout, "--disks", "3", "--piece-size", "700000")
                self.assertEqual(self.rejoin(out, args), archives)
                for n in range(1, 4):
                    folder = out if layout == "cd" else os.path.join(out, f"DISK{n}")
                    self.assertTrue(os.path.isfile(os.path.join(folder, f"DISK{n}")))

    def test_many_pieces_on_one_disk_join_by_number(self):
        out, args, archives = self.build("--layout", "disks", "--disks", "2", "--variant", "many-pieces")
        first = self.disks(out, args)[0][1]
        self.assertEqual(sum(name.startswith("EXE.") for name in first), build_kit.MANY_PIECES)
        self.assertEqual(self.rejoin(out, args), archives)
        by_name = self.rejoin(out, args, order=str.upper)
        self.assertNotEqual(by_name["EXE"], archives["EXE"], "joined by name, EXE.10 would come before EXE.2")

    def test_variants(self):
        out, args, archives = self.build("--layout", "disks", "--disks", "2", "--variant", "lower-case",
                                         "--variant", "stray-readme", "--variant", "no-optional")
        first = self.disks(out, args)[0][1]
        self.assertIn("exe.1", first)
        self.assertNotIn("EXE.1", first)
        self.assertIn("README.1", first)
        every = [name for _, names in self.disks(out, args) for name in names]
        self.assertFalse([n for n in every if n.startswith(("ORVIST.", "PELDUN."))])
        self.assertNotIn("ORVIST", archives)
        self.assertEqual(self.rejoin(out, args), archives)

    def test_archives_look_made_on_the_chosen_system(self):
        for made_on, system in (("windows", 0), ("unix", 3)):
            with self.subTest(made_on=made_on):
                _, _, archives = self.build("--made-on", made_on)
                with zipfile.ZipFile(io.BytesIO(archives["EXE"])) as z:
                    infos = z.infolist()
                self.assertTrue(all(i.create_system == system for i in infos))
                folder = next(i for i in infos if i.filename.endswith("/"))
                program = next(i for i in infos if i.filename == "ZARVAN.EXE")
                text = next(i for i in infos if i.filename == "ZARVAN.INI")
                if made_on == "windows":
                    self.assertEqual(folder.external_attr, 0x10)
                    self.assertEqual(program.external_attr, 0x20)
                    self.assertEqual(folder.extra[:2], b"\x0a\x00")
                else:
                    self.assertEqual(folder.external_attr >> 16, 0o40755)
                    self.assertEqual(program.external_attr >> 16, 0o100755)
                    self.assertEqual(text.external_attr >> 16, 0o100644)
                    self.assertEqual(text.extra[:2], b"\x55\x54")

    def test_order_check_refuses_a_misordered_spread(self):
        piece = lambda name: (name, b"")  # noqa: E731
        misordered = [
            [[piece("EXE.2")], [piece("EXE.1")]],
            [[piece("EXE.1"), piece("EXE.3")], [piece("EXE.2")]],
            [[piece("HELP.1")], [piece("EXE.2"), piece("HELP.2")]],
        ]
        for groups in misordered:
            with self.subTest(groups=groups):
                with self.assertRaises(build_kit.OrderError):
                    build_kit.check_join_order(groups)
        eight_to_thirteen = [[piece(f"EXE.{n}") for n in range(1, 8)], [piece(f"EXE.{n}") for n in range(8, 14)]]
        build_kit.check_join_order(eight_to_thirteen)


if __name__ == "__main__":
    unittest.main()
