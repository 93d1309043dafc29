"""debian/control's Build-Depends name the Debian package of every library the build asks
pkg-config for (found through dpkg's own records of which package holds the .pc file), so that a
library added to CMakeLists.txt cannot be forgotten in the package's build dependencies."""
import re
import subprocess
import unittest

from installed import SOURCE


def pkg_config_modules():
    text = (SOURCE / "CMakeLists.txt").read_text()
    modules = []
    for call in re.findall(r"pkg_check_modules\(([^)]*)\)", text):
        words = call.split()[1:]
        modules += [w for w in words if w not in ("REQUIRED", "QUIET", "IMPORTED_TARGET", "GLOBAL")]
    return modules


def build_depends():
    control = (SOURCE / "debian/control").read_text()
    field = re.search(r"^Build-Depends:(.*?)^\S", control, re.S | re.M).group(1)
    return {re.match(r"\s*([a-z0-9.+-]+)", item).group(1) for item in field.split(",") if item.strip()}


def package_of(module):
    folder = subprocess.run(["pkg-config", "--variable=pcfiledir", module], capture_output=True, text=True,
                            check=True).stdout.strip()
    owner = subprocess.run(["dpkg", "-S", f"{folder}/{module}.pc"], capture_output=True, text=True,
                           check=True).stdout
    return owner.split(":")[0]


class BuildDependsTest(unittest.TestCase):
    def test_every_pkg_config_library_is_a_build_dependency(self):
        modules = pkg_config_modules()
        self.assertIn("libpng", modules)
        depends = build_depends()
        self.assertIn("debhelper-compat", depends)
        for module in modules:
            with self.subTest(module=module):
                self.assertIn(package_of(module), depends)


if __name__ == "__main__":
    unittest.main()
