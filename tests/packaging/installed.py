"""Shared by the packaging checks: the game installed with `cmake --install` into a scratch
prefix, and the paths and facts of the source tree those checks compare it with."""
import os
import re
import subprocess
import tempfile
from pathlib import Path

SOURCE = Path(__file__).resolve().parents[2]
BUILD = Path(os.environ["ZEPO_BINARY_DIR"])
ICON_SIZES = (16, 32, 48, 64, 128, 256)


class ScratchInstall:
    """`cmake --install` of the build into a fresh prefix, removed afterwards."""

    def __enter__(self):
        self.tmp = tempfile.TemporaryDirectory(prefix="zepo-install-")
        self.prefix = Path(self.tmp.name) / "prefix"
        subprocess.run(["cmake", "--install", str(BUILD), "--prefix", str(self.prefix)],
                       check=True, capture_output=True, text=True)
        return self

    def __exit__(self, *exc):
        self.tmp.cleanup()

    def files(self):
        """Every file installed, relative to the prefix."""
        return {str(p.relative_to(self.prefix)) for p in self.prefix.rglob("*") if not p.is_dir()}


def project_version():
    """The version of the CMake project, the one source of the game's version."""
    text = (SOURCE / "CMakeLists.txt").read_text()
    return re.search(r"project\(zepo VERSION (\S+)", text).group(1)


def usage_options(zepo):
    """The options the game's usage text names."""
    done = subprocess.run([str(zepo), "--help"], capture_output=True, text=True, timeout=30)
    return set(re.findall(r"--[a-z]+", done.stdout + done.stderr))
