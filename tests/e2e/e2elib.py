"""Helpers for the end-to-end tests: run the real game in the virtual X server that
xvfb-run started, find its window, send keys, take screenshots and close it."""
import os
import shutil
import subprocess
import tempfile
import time

ZEPO_BIN = os.environ["ZEPO_BIN"]
XCLOSE = os.environ["ZEPO_XCLOSE"]
GAME_DIR = os.environ["ZEPO_GAME_DIR"]
WRITTEN_FILES = ("audio.cfg", "video.cfg", "controls.cfg", "top10.bin")


def fail(message):
    raise AssertionError(message)


class Game:
    """The game running in a scratch copy of the runtime root: data is linked, option files
    and the high-score table are written into the scratch directory."""

    def __init__(self, *args, files=None, env=None):
        self.workdir = tempfile.mkdtemp(prefix="zepo-e2e-")
        for entry in os.listdir(GAME_DIR):
            if entry not in WRITTEN_FILES:
                os.symlink(os.path.join(GAME_DIR, entry), os.path.join(self.workdir, entry))
        for name, contents in (files or {}).items():
            target = self._writable(name)
            mode = "wb" if isinstance(contents, bytes) else "w"
            with open(target, mode) as f:
                f.write(contents)
        environment = dict(os.environ, SDL_AUDIODRIVER="dummy")
        environment.update(env or {})
        self.process = subprocess.Popen([ZEPO_BIN, *args], cwd=self.workdir, env=environment,
                                        stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self.window = None

    def _writable(self, name):
        """The scratch path of a file the test writes: linked directories on the way to it become
        real directories of links, so the file replaces the game's own only in the scratch copy."""
        path = self.workdir
        for part in name.split("/")[:-1]:
            path = os.path.join(path, part)
            if os.path.islink(path):
                source = os.readlink(path)
                os.unlink(path)
                os.mkdir(path)
                for entry in os.listdir(source):
                    os.symlink(os.path.join(source, entry), os.path.join(path, entry))
            elif not os.path.exists(path):
                os.mkdir(path)
        target = os.path.join(self.workdir, name)
        if os.path.islink(target):
            os.unlink(target)
        return target

    def path(self, name):
        return os.path.join(self.workdir, name)

    def wait_window(self, timeout=30):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if self.process.poll() is not None:
                out, err = self.process.communicate()
                fail("the game ended before showing its window (status %s): %s"
                     % (self.process.returncode, err.decode(errors="replace")))
            found = subprocess.run(["xdotool", "search", "--name", "Z.E.P.O."],
                                   capture_output=True, text=True)
            ids = found.stdout.split()
            if ids:
                self.window = ids[0]
                return self.window
            time.sleep(0.2)
        fail("no window titled Z.E.P.O. appeared")

    def key(self, *keys, delay_ms=60):
        for k in keys:
            subprocess.run(["xdotool", "key", "--window", self.window, "--delay", str(delay_ms), k], check=True)
            time.sleep(delay_ms / 1000)

    def key_down(self, key):
        subprocess.run(["xdotool", "keydown", "--window", self.window, key], check=True)

    def key_up(self, key):
        subprocess.run(["xdotool", "keyup", "--window", self.window, key], check=True)

    def type_text(self, text):
        subprocess.run(["xdotool", "type", "--window", self.window, "--delay", "80", text], check=True)

    def screenshot(self, name):
        target = os.path.join(self.workdir, name)
        subprocess.run(["import", "-window", "root", target], check=True)
        return target

    def close(self):
        subprocess.run([XCLOSE, self.window], check=True)

    def wait_exit(self, timeout=20):
        try:
            out, err = self.process.communicate(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.communicate()
            fail("the game did not end within %s s" % timeout)
        self.stdout = out.decode(errors="replace")
        self.stderr = err.decode(errors="replace")
        return self.process.returncode

    def cleanup(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.communicate()
        if not os.environ.get("ZEPO_E2E_KEEP"):
            shutil.rmtree(self.workdir, ignore_errors=True)
