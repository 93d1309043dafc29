"""Helpers for the end-to-end tests: run the real game in the virtual X server that
xvfb-run started, find its window, send keys, take screenshots and close it."""
import os
import select
import shutil
import subprocess
import tempfile
import time

import numpy as np
from PIL import ImageGrab

import data_links

ZEPO_BIN = os.environ["ZEPO_BIN"]
XCLOSE = os.environ["ZEPO_XCLOSE"]
GAME_DIR = os.environ["ZEPO_GAME_DIR"]
# The player's files and where the game keeps them in a home without XDG values.
PLAYER_FILES = {"audio.cfg": ".config/zepo", "video.cfg": ".config/zepo", "controls.cfg": ".config/zepo",
                "top10.bin": ".local/share/zepo"}
_claimed_windows = set()


def fail(message):
    raise AssertionError(message)


def game_environment(data_root, home, **extra):
    """The environment of a game run on this data root with this (scratch) home: no XDG values,
    the dummy audio driver unless extra says otherwise."""
    environment = {k: v for k, v in os.environ.items() if k not in ("XDG_CONFIG_HOME", "XDG_DATA_HOME")}
    environment.update(SDL_AUDIODRIVER="dummy", ZEPO_DATA_DIR=str(data_root), HOME=str(home))
    environment.update(extra)
    return {k: v for k, v in environment.items() if v is not None}


def link_data(root):
    """A data root in root whose entries are links to the game's own data."""
    return data_links.link_data(root, GAME_DIR)


class Game:
    """The game started in a scratch folder (its working directory, where the files named on its
    command line go) with a scratch home there ("home") and its data read from a scratch data
    root ("root") of links to the game's own. files puts files in place first: the player's
    files in the home, where the game keeps them, the others in the data root; env (a value of
    None removes the variable) is added to the game's environment; the game's command line
    follows the words of run_as (e.g. a program that runs it as another user)."""

    def __init__(self, *args, files=None, env=None, scale=1, run_as=()):
        self.workdir = tempfile.mkdtemp(prefix="zepo-e2e-")
        self.home = os.path.join(self.workdir, "home")
        self.root = link_data(os.path.join(self.workdir, "root"))
        os.mkdir(self.home)
        for name, contents in (files or {}).items():
            self.write(name, contents)
        self.environment = game_environment(self.root, self.home, **(env or {}))
        # The window shows the picture at this scale (None: the game chooses from the screen's
        # size); at 1 the screenshots show the picture pixel for pixel.
        if scale is not None:
            args = ("--scale", str(scale), *args)
        self.process = subprocess.Popen([*run_as, ZEPO_BIN, *args], cwd=self.workdir, env=self.environment,
                                        stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self.window = None

    def _writable(self, name):
        """The scratch path of a file the test writes: a player's file in the home, a data file in
        the data root, where linked directories on the way to it become real directories of
        links, so the file replaces the game's own only in the scratch copy."""
        if name in PLAYER_FILES:
            os.makedirs(os.path.dirname(self.path(name)), exist_ok=True)
            return self.path(name)
        return data_links.writable(self.root, name)

    def write(self, name, contents):
        """Puts a file in place while the game runs, where files= would have put it."""
        target = self._writable(name)
        with open(target, "wb" if isinstance(contents, bytes) else "w") as f:
            f.write(contents)

    def path(self, name):
        """Where the game keeps a player's file in its home; any other name is taken from the
        working directory."""
        if name in PLAYER_FILES:
            return os.path.join(self.home, PLAYER_FILES[name], name)
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
            ids = [i for i in found.stdout.split() if i not in _claimed_windows]
            if ids:
                self.window = ids[0]
                _claimed_windows.add(self.window)
                return self.window
            time.sleep(0.2)
        fail("no window titled Z.E.P.O. appeared (found %r, taken by other games %s)"
             % (found.stdout + found.stderr, sorted(_claimed_windows)))

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

    def grab(self):
        """The game's window as it is now, as an RGB array (int16, like screen_match.load), and
        the moment it was taken (time.time())."""
        if not hasattr(self, "frame"):
            shell = subprocess.run(["xdotool", "getwindowgeometry", "--shell", self.window],
                                   capture_output=True, text=True, check=True).stdout
            v = dict(line.split("=", 1) for line in shell.split() if "=" in line)
            x, y = int(v["X"]), int(v["Y"])
            self.frame = (x, y, x + int(v["WIDTH"]), y + int(v["HEIGHT"]))
        before = time.time()
        picture = ImageGrab.grab(bbox=self.frame, xdisplay=os.environ.get("DISPLAY"))
        taken = (before + time.time()) / 2
        return np.asarray(picture.convert("RGB"), dtype=np.int16), taken

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

    def expect_exit(self):
        """Waits for the game to end and fails unless it ended with status 0."""
        status = self.wait_exit()
        if status != 0:
            fail("exit status %d, standard error: %s" % (status, self.stderr))

    def cleanup(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.communicate()
        _claimed_windows.discard(self.window)
        if not os.environ.get("ZEPO_E2E_KEEP"):
            shutil.rmtree(self.workdir, ignore_errors=True)


def start_game(*args, attempts=3, **kwargs):
    """A Game (arguments as for Game) whose window has shown. A start that shows no window, as
    happens now and then on a busy machine, is tried again."""
    for attempt in range(attempts):
        game = Game(*args, **kwargs)
        try:
            game.wait_window()
            return game
        except AssertionError as refused:
            game.cleanup()
            if attempt == attempts - 1:
                raise
            print("the game showed no window, starting it again: %s" % refused, flush=True)


class VirtualScreen:
    """A virtual X server of the script's own, big enough to show several games side by side;
    everything the script starts afterwards draws on it. It does not reset when its last client
    leaves (a reset refuses the games and xdotool calls that connect meanwhile). A server that
    does not come up is started again."""

    def __init__(self, width, height, attempts=3):
        for _ in range(attempts):
            ready, announce = os.pipe()
            self.process = subprocess.Popen(
                ["Xvfb", "-displayfd", str(announce), "-screen", "0", "%dx%dx24" % (width, height),
                 "-nolisten", "tcp", "-noreset"], pass_fds=(announce,),
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            os.close(announce)
            number = b""
            deadline = time.time() + 15
            while not number.endswith(b"\n") and time.time() < deadline:
                if select.select([ready], [], [], 0.5)[0]:
                    chunk = os.read(ready, 16)
                    if not chunk:
                        break
                    number += chunk
            os.close(ready)
            if number.endswith(b"\n"):
                display = ":" + number.decode().strip()
                for _ in range(10):
                    if subprocess.run(["xdotool", "getdisplaygeometry"], env=dict(os.environ, DISPLAY=display),
                                      capture_output=True).returncode == 0:
                        os.environ["DISPLAY"] = display
                        return
                    time.sleep(0.5)
            self.close()
        fail("no virtual X server of %dx%d came up" % (width, height))

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
