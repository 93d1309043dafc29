"""`cmake --install` into a scratch prefix puts every file where a desktop game's files go, and
nothing else there: the executable in games/, exactly the data the game reads in
share/games/zepo (the committed files of game/: nothing a run left there), the icons,
desktop entry, metainfo, manual page and documents (the level designer's guide with its
pictures among them); the version is the same everywhere."""
import os
import re
import stat
import subprocess
import unittest

from installed import ICON_SIZES, SOURCE, ScratchInstall, project_version

# Committed in game/ for people, not for the game: installed as a document.
NOT_DATA = {"FONTS-LICENSE.txt"}


def committed(folder):
    return subprocess.run(["git", "-C", str(SOURCE), "ls-files", folder], capture_output=True, text=True,
                          check=True).stdout.split()


def committed_data():
    return {os.path.relpath(f, "game") for f in committed("game")} - NOT_DATA


def committed_guide():
    """The level designer's guide with its pictures, as share/doc/zepo holds them."""
    return {"share/doc/zepo/" + os.path.relpath(f, "docs") for f in committed("docs")}


class InstallLayoutTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.install = ScratchInstall().__enter__()
        cls.files = cls.install.files()

    @classmethod
    def tearDownClass(cls):
        cls.install.__exit__(None, None, None)

    def test_every_file_is_where_it_belongs_and_nothing_else_is_installed(self):
        data = {"share/games/zepo/" + f for f in committed_data()}
        self.assertIn("share/games/zepo/data/gfx/didudo_sprites.xml", data)
        self.assertIn("share/games/zepo/font2.png", data)
        expected = data | {
            "games/zepo",
            "share/applications/zepo.desktop",
            "share/metainfo/zepo.metainfo.xml",
            "share/man/man6/zepo.6",
            "share/doc/zepo/README.md",
            "share/doc/zepo/FONTS-LICENSE.txt",
        } | {f"share/icons/hicolor/{n}x{n}/apps/zepo.png" for n in ICON_SIZES} | committed_guide()
        self.assertIn("share/doc/zepo/levels.md", expected)
        self.assertIn("share/doc/zepo/levels/entities/clovek1.png", expected)
        self.assertEqual(sorted(self.files - expected), [], "installed but not expected")
        self.assertEqual(sorted(expected - self.files), [], "expected but not installed")

    def test_only_the_executable_is_executable(self):
        for rel in self.files:
            with self.subTest(file=rel):
                mode = (self.install.prefix / rel).stat().st_mode
                self.assertEqual(bool(mode & stat.S_IXUSR), rel == "games/zepo")

    def test_data_and_documents_are_the_committed_bytes(self):
        for rel, source in (("share/games/zepo/data/maps/easy/levellist.xml", "game/data/maps/easy/levellist.xml"),
                            ("share/games/zepo/zq.png", "game/zq.png"),
                            ("share/doc/zepo/FONTS-LICENSE.txt", "game/FONTS-LICENSE.txt"),
                            ("share/doc/zepo/levels.md", "docs/levels.md"),
                            ("share/doc/zepo/levels/entities/player.png", "docs/levels/entities/player.png"),
                            ("share/icons/hicolor/48x48/apps/zepo.png", "packaging/icons/48x48/apps/zepo.png")):
            with self.subTest(file=rel):
                self.assertEqual((self.install.prefix / rel).read_bytes(), (SOURCE / source).read_bytes())

    def test_the_version_agrees_everywhere(self):
        version = project_version()
        changelog = (SOURCE / "debian" / "changelog").read_text().splitlines()[0]
        self.assertRegex(changelog, r"^zepo \(" + re.escape(version) + r"\) ")
        metainfo = (self.install.prefix / "share/metainfo/zepo.metainfo.xml").read_text()
        self.assertIn(f'<release version="{version}"', metainfo)
        page = (self.install.prefix / "share/man/man6/zepo.6").read_text()
        self.assertRegex(page.splitlines()[0], r'^\.TH ZEPO 6 \S+ "zepo ' + re.escape(version) + '"')


if __name__ == "__main__":
    unittest.main()
