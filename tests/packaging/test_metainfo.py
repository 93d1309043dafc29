"""The installed AppStream metainfo passes `appstreamcli validate --no-net` without errors or
warnings, in English and Czech, and names the installed desktop entry and executable; the
variant with the screenshots published validates too and lists the committed screenshots
with their sizes and captions in both languages."""
import subprocess
import unittest
import xml.etree.ElementTree as ET

from PIL import Image

from installed import BUILD, SOURCE, ScratchInstall

LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def languages(elements):
    return sorted(e.get(LANG, "en") for e in elements)


class MetainfoTest(unittest.TestCase):
    def validate(self, path):
        done = subprocess.run(["appstreamcli", "validate", "--no-net", str(path)], capture_output=True, text=True)
        problems = [line for line in done.stdout.splitlines() if line.lstrip()[:2] in ("E:", "W:")]
        self.assertEqual((done.returncode, problems), (0, []), done.stdout + done.stderr)
        return ET.parse(path).getroot()

    def test_installed_metainfo(self):
        with ScratchInstall() as install:
            root = self.validate(install.prefix / "share/metainfo/zepo.metainfo.xml")
            desktop_id = root.find("launchable[@type='desktop-id']").text
            self.assertTrue((install.prefix / "share/applications" / desktop_id).is_file())
            self.assertTrue((install.prefix / "games" / root.find("provides/binary").text).is_file())
        self.assertEqual(languages(root.findall("summary")), ["cs", "en"])
        paragraphs = root.findall("description/p")
        self.assertEqual(languages(paragraphs), ["cs", "cs", "en", "en"])
        self.assertEqual(root.find("content_rating").get("type"), "oars-1.1")
        self.assertIsNone(root.find("screenshots"), "screenshots listed without a web address")

    def test_screenshots_when_published(self):
        root = self.validate(BUILD / "packaging/check/zepo.metainfo.xml")
        shots = root.findall("screenshots/screenshot")
        self.assertGreaterEqual(len(shots), 2)
        for shot in shots:
            image = shot.find("image")
            name = image.text.rsplit("/", 1)[1]
            with self.subTest(screenshot=name):
                self.assertEqual(languages(shot.findall("caption")), ["cs", "en"])
                size = Image.open(SOURCE / "packaging/screenshots" / name).size
                self.assertEqual(size, (int(image.get("width")), int(image.get("height"))))


if __name__ == "__main__":
    unittest.main()
