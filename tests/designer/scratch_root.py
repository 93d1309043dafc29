"""A scratch copy of the game's data folder for the designer's tools: every entry is a link to
the game's own, and a file the test changes makes the folders on its way real folders of links,
so the change stays in the copy. HOME and the XDG folders point into the scratch folder too."""
import os
import shutil
import subprocess
import tempfile

from data_links import link_data, writable

ZEPO_BIN = os.environ["ZEPO_BIN"]
GAME_DIR = os.environ["ZEPO_GAME_DIR"]


class ScratchRoot:
    def __init__(self):
        self.base = tempfile.mkdtemp(prefix="zepo-designer-")
        self.root = os.path.join(self.base, "game")
        self.home = os.path.join(self.base, "home")
        link_data(self.root, GAME_DIR)
        os.makedirs(self.home)

    def env(self):
        return dict(os.environ, HOME=self.home, ZEPO_DATA_DIR=self.root,
                    XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                    XDG_DATA_HOME=os.path.join(self.home, ".local", "share"))

    def path(self, name):
        return os.path.join(self.root, name)

    def read(self, name):
        with open(self.path(name), encoding="utf-8") as f:
            return f.read()

    def write(self, name, text):
        target = writable(self.root, name)
        with open(target, "w", encoding="utf-8") as f:
            f.write(text)

    def remove(self, name):
        os.unlink(writable(self.root, name))

    def copy_set(self, source, name):
        """A real copy of a shipped set's folder under a new name."""
        writable(self.root, "data/maps/" + name + "/x")
        folder = self.path("data/maps/" + name)
        os.rmdir(folder)
        shutil.copytree(os.path.join(GAME_DIR, "data", "maps", source), folder)

    def run(self, *args, timeout=120):
        return subprocess.run([ZEPO_BIN, *args], cwd=self.root, env=self.env(), capture_output=True,
                              text=True, timeout=timeout)

    def close(self):
        shutil.rmtree(self.base, ignore_errors=True)


def line_of(text, needle):
    """The line (from 1) on which the text first holds the needle."""
    index = text.index(needle)
    return text.count("\n", 0, index) + 1
