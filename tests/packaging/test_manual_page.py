"""The installed manual page zepo.6 renders under `man --warnings` without a single warning and
documents exactly the options the game's own usage text names."""
import os
import re
import subprocess
import unittest

from installed import BUILD, ScratchInstall, usage_options


class ManualPageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with ScratchInstall() as install:
            cls.page = (install.prefix / "share/man/man6/zepo.6").read_text(encoding="utf-8")
            environment = dict(os.environ, LC_ALL="C.UTF-8", MANWIDTH="80")
            cls.rendered = subprocess.run(["man", "--warnings", "-l", str(install.prefix / "share/man/man6/zepo.6")],
                                          capture_output=True, text=True, env=environment)

    def test_renders_without_warnings(self):
        self.assertEqual(self.rendered.returncode, 0)
        self.assertEqual(self.rendered.stderr, "")
        for heading in ("NAME", "SYNOPSIS", "OPTIONS", "KEYS", "FILES", "ENVIRONMENT"):
            self.assertRegex(self.rendered.stdout, r"(?m)^" + heading + "$")

    def test_documents_the_options_the_game_takes(self):
        options_section = self.page.split(".SH OPTIONS", 1)[1].split(".SH ", 1)[0]
        documented = set(re.findall(r"^\.B[IR]? (\\-\\-[a-z]+)", options_section, re.M))
        documented = {o.replace("\\-", "-") for o in documented}
        self.assertEqual(sorted(documented), sorted(usage_options(BUILD / "zepo")))


if __name__ == "__main__":
    unittest.main()
