"""The installed desktop entry passes desktop-file-validate, sits in the game and arcade game
menus, starts the installed executable and names the installed icon."""
import configparser
import subprocess
import unittest

from installed import ICON_SIZES, ScratchInstall


class DesktopEntryTest(unittest.TestCase):
    def test_installed_entry(self):
        with ScratchInstall() as install:
            entry = install.prefix / "share/applications/zepo.desktop"
            done = subprocess.run(["desktop-file-validate", str(entry)], capture_output=True, text=True)
            self.assertEqual((done.returncode, done.stdout + done.stderr), (0, ""))

            parser = configparser.ConfigParser(interpolation=None)
            parser.optionxform = str
            parser.read(entry, encoding="utf-8")
            fields = parser["Desktop Entry"]
            self.assertEqual(fields["Type"], "Application")
            self.assertEqual(fields["Categories"].split(";")[:2], ["Game", "ArcadeGame"])
            self.assertEqual(fields["Exec"], str(install.prefix / "games/zepo"))
            self.assertTrue((install.prefix / "games/zepo").is_file())
            for size in ICON_SIZES:
                self.assertTrue((install.prefix / f"share/icons/hicolor/{size}x{size}/apps"
                                 / (fields["Icon"] + ".png")).is_file())
            self.assertIn("Comment[cs]", fields)


if __name__ == "__main__":
    unittest.main()
