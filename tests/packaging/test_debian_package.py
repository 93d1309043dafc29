"""The Debian package, built as a packager builds it: `dpkg-buildpackage -us -uc -b` in a clean
copy of the tree (no build folders) in a scratch folder, without the package's own checks
(DEB_BUILD_OPTIONS=nocheck: the suite runs anyway). lintian finds no error in it, and every
warning it gives is listed in the README with its reason. The two packages, unpacked with
dpkg -x into a scratch root, hold what each should, and the unpacked usr/games/zepo, started
from / with a fresh home, finds its data by itself and replays a committed demo headless to
the statistics kept beside it.

    ZEPO_PACKAGE_KEEP=1 keeps the scratch folder (its path is printed)."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

from installed import SOURCE, project_version

DEMO = SOURCE / "tests/demos/game/easy_l1.demo"
BUILD_DIRS = re.compile(r"^(build[^/]*|obj-[^/]*|debian/\.debhelper|debian/zepo(-data)?|debian/tmp)(/|$)")


def clean_copy(target):
    """The tree's files as they are now (tracked or new, never ignored or built) copied to target."""
    listed = subprocess.run(["git", "-C", str(SOURCE), "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                            capture_output=True, check=True).stdout.decode().split("\0")
    for rel in filter(None, listed):
        if BUILD_DIRS.match(rel) or not (SOURCE / rel).is_file():
            continue
        (target / rel).parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(SOURCE / rel, target / rel)


def ccache_settings(scratch):
    """ccache's own cache, reached from the package build (which gets a home of its own), with
    paths taken relative to the scratch folder so that the next run's copy hits the cache."""
    if not shutil.which("ccache"):
        return {}
    cache = subprocess.run(["ccache", "-k", "cache_dir"], capture_output=True, text=True).stdout.strip()
    return {"CCACHE_DIR": cache, "CCACHE_BASEDIR": str(scratch), "CCACHE_NOHASHDIR": "1"} if cache else {}


def listed_lintian_warnings():
    """The lintian tags the README lists as known warnings ("- `tag` ...")."""
    readme = (SOURCE / "README.md").read_text()
    section = readme.split("<!-- lintian warnings -->", 1)[-1].split("<!-- end of lintian warnings -->", 1)[0]
    return set(re.findall(r"^- `([a-z0-9-]+)`", section, re.M))


class DebianPackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = Path(tempfile.mkdtemp(prefix="zepo-package-"))
        cls.version = project_version()
        source = cls.scratch / f"zepo-{cls.version}"
        clean_copy(source)
        environment = dict(os.environ, DEB_BUILD_OPTIONS="nocheck parallel=2",
                           **ccache_settings(cls.scratch))
        log = cls.scratch / "build.log"
        with open(log, "w") as out:
            built = subprocess.run(["dpkg-buildpackage", "-us", "-uc", "-b"], cwd=source, env=environment,
                                   stdout=out, stderr=subprocess.STDOUT)
        if built.returncode != 0:
            tail = log.read_text().splitlines()[-40:]
            raise AssertionError("dpkg-buildpackage failed:\n" + "\n".join(tail))
        arch = subprocess.run(["dpkg-architecture", "-qDEB_HOST_ARCH"], capture_output=True, text=True,
                              check=True).stdout.strip()
        cls.changes = cls.scratch / f"zepo_{cls.version}_{arch}.changes"
        cls.debs = {"zepo": cls.scratch / f"zepo_{cls.version}_{arch}.deb",
                    "zepo-data": cls.scratch / f"zepo-data_{cls.version}_all.deb"}
        cls.root = cls.scratch / "root"
        for deb in cls.debs.values():
            subprocess.run(["dpkg", "-x", str(deb), str(cls.root)], check=True)

    @classmethod
    def tearDownClass(cls):
        if os.environ.get("ZEPO_PACKAGE_KEEP"):
            print("kept", cls.scratch, file=sys.stderr)
        else:
            shutil.rmtree(cls.scratch, ignore_errors=True)

    def contents(self, package):
        listing = subprocess.run(["dpkg-deb", "--fsys-tarfile", str(self.debs[package])], capture_output=True,
                                 check=True).stdout
        names = subprocess.run(["tar", "-t"], input=listing, capture_output=True, check=True).stdout.decode()
        return {n.lstrip("./").rstrip("/") for n in names.splitlines() if not n.endswith("/")}

    def test_lintian_finds_no_error_and_only_the_warnings_the_readme_explains(self):
        done = subprocess.run(["lintian", "--no-tag-display-limit", str(self.changes)], capture_output=True, text=True)
        tags = [line for line in done.stdout.splitlines() if re.match(r"^[EW]: ", line)]
        errors = [line for line in tags if line.startswith("E: ")]
        self.assertEqual(errors, [], done.stdout)
        warned = {line.split()[2] for line in tags if line.startswith("W: ")}
        self.assertEqual(sorted(warned - listed_lintian_warnings()), [], "warnings the README does not explain")

    def test_the_game_and_its_data_are_split_as_debian_splits_games(self):
        game, data = self.contents("zepo"), self.contents("zepo-data")
        for path in ("usr/games/zepo", "usr/share/man/man6/zepo.6.gz", "usr/share/applications/zepo.desktop",
                     "usr/share/metainfo/zepo.metainfo.xml", "usr/share/icons/hicolor/256x256/apps/zepo.png",
                     "usr/share/doc/zepo/copyright", "usr/share/doc/zepo/FONTS-LICENSE.txt"):
            self.assertIn(path, game)
        self.assertEqual([p for p in game if p.startswith("usr/share/games/")], [])
        self.assertIn("usr/share/games/zepo/data/gfx/didudo_sprites.xml", data)
        self.assertIn("usr/share/games/zepo/font2.png", data)
        self.assertIn("usr/share/doc/zepo-data/copyright", data)
        self.assertEqual(sorted(p for p in data if not p.startswith(("usr/share/games/zepo/", "usr/share/doc/"))), [])
        architecture = subprocess.run(["dpkg-deb", "-f", str(self.debs["zepo-data"]), "Architecture"],
                                      capture_output=True, text=True, check=True).stdout.strip()
        self.assertEqual(architecture, "all")

    def test_the_unpacked_game_replays_a_demo_from_the_root_folder_with_a_fresh_home(self):
        home = self.scratch / "home"
        home.mkdir()
        stats = self.scratch / "replay.stats"
        data = self.root / "usr/share/games/zepo"
        before = sorted(p.relative_to(data) for p in data.rglob("*"))
        environment = {k: v for k, v in os.environ.items()
                       if not k.startswith(("XDG_", "ZEPO_")) and k != "HOME"}
        environment.update(HOME=str(home), SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")
        done = subprocess.run([str(self.root / "usr/games/zepo"), "--timedemo", str(DEMO), "--statdump", str(stats),
                               "--software"], cwd="/", env=environment, capture_output=True, text=True, timeout=600)
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertEqual(stats.read_text(), DEMO.with_suffix(".stats").read_text())
        self.assertEqual(sorted(p.relative_to(data) for p in data.rglob("*")), before, "the game wrote into its data")


if __name__ == "__main__":
    unittest.main()
