"""The player's folders of the fault tests, apart from the game's scratch home: a config and a
data folder (XDG_CONFIG_HOME, XDG_DATA_HOME) holding the player's four files, every entry in them
fingerprinted, another user to run the game as (with a cookie of the X server of its own), and a
small file system to fill up."""
import errno
import hashlib
import os
import pwd
import stat
import struct
import subprocess
import tempfile

from e2elib import GAME_DIR, ZEPO_BIN, fail
from screen_text import LARGE, SMALL, centred_x, expect_text, font

# The player's own settings and a table of three, none of them what the game would write itself.
PLAYERS_FILES = {
    "config/zepo/controls.cfg": b"LEFT 276\nRIGHT 275\nUP 273\nDOWN 274\nSHOOT 306",
    "config/zepo/audio.cfg": b"SOUND 0\nMUSIC 0",
    "config/zepo/video.cfg": b"FULLSCREEN 0\nDIF 0\nHINTS 0\n",
    "data/zepo/top10.bin": struct.pack("<I", 3) + b"".join(
        name.ljust(52, b"\0") + struct.pack("<I", score)
        for name, score in ((b"Jana", 9100), (b"Petr", 4300), (b"Ola", 120))),
}


class PlayerFolders:
    """A scratch folder (mounted over by a caller that wants another file system there) with
    config/zepo and data/zepo for the game's XDG folders, filled with PLAYERS_FILES."""

    def __init__(self, prefix):
        self.top = tempfile.mkdtemp(prefix=prefix)
        os.chmod(self.top, 0o755)

    def fill(self, files=PLAYERS_FILES):
        for name, contents in files.items():
            path = self.path(name)
            os.makedirs(os.path.dirname(path), mode=0o700, exist_ok=True)
            with open(path, "wb") as f:
                f.write(contents)

    def path(self, name):
        return os.path.join(self.top, name)

    def environment(self):
        return {"XDG_CONFIG_HOME": self.path("config"), "XDG_DATA_HOME": self.path("data"), "HOME": self.top}

    def fingerprint(self):
        """Every entry below the folder: its kind, mode, owner and contents (a file's SHA-256,
        a link's target)."""
        entries = {}
        for base, folders, files in os.walk(self.top):
            for name in folders + files:
                path = os.path.join(base, name)
                status = os.lstat(path)
                contents = ""
                if stat.S_ISREG(status.st_mode):
                    with open(path, "rb") as f:
                        contents = hashlib.sha256(f.read()).hexdigest()
                elif stat.S_ISLNK(status.st_mode):
                    contents = os.readlink(path)
                entries[os.path.relpath(path, self.top)] = (stat.filemode(status.st_mode), status.st_uid, contents)
        return entries

    def expect_unchanged(self, before, what):
        after = self.fingerprint()
        changes = ["%s: %s -> %s" % (name, before.get(name, "(none)"), after.get(name, "(none)"))
                   for name in sorted(set(before) | set(after)) if before.get(name) != after.get(name)]
        if changes:
            fail("%s: the player's folders changed:\n  %s" % (what, "\n  ".join(changes)))

    def remove(self):
        for base, folders, _ in os.walk(self.top):
            for name in folders:
                os.chmod(os.path.join(base, name), 0o700)
        subprocess.run(["rm", "-rf", self.top], check=False)


def other_user():
    """The uid and gid of nobody when this test may run the game as it (as root, with the game and
    its data where nobody can reach them), else the reason why not."""
    if os.geteuid() != 0:
        return None, "the test must be root to run the game as another user"
    nobody = pwd.getpwnam("nobody")
    user = nobody.pw_uid, nobody.pw_gid
    reachable = subprocess.run([*run_as(user), "sh", "-c", 'test -x "$1" && test -r "$2"', "sh", ZEPO_BIN,
                                os.path.join(GAME_DIR, "data", "gfx", "didudo_sprites.xml")])
    if reachable.returncode != 0:
        return None, "nobody cannot run %s or read the game's data (a folder above them is closed)" % ZEPO_BIN
    return user, None


def run_as(user):
    """The words before the game's command line that run it as the user (uid, gid)."""
    return ["setpriv", "--reuid=%d" % user[0], "--regid=%d" % user[1], "--clear-groups", "--"]


def x_cookie_for(user, folder):
    """The X server's cookie in a file of the user's own (XAUTHORITY for the game); {} when the
    server wants none."""
    listed = subprocess.run(["xauth", "nlist", os.environ["DISPLAY"]], capture_output=True, check=True).stdout
    if not listed.strip():
        return {}
    path = os.path.join(folder, "Xauthority")
    subprocess.run(["xauth", "-f", path, "nmerge", "-"], input=listed, capture_output=True, check=True)
    os.chown(path, *user)
    os.chmod(path, 0o600)
    return {"XAUTHORITY": path}


def mount_small_disk(folder, size="64k"):
    """Mounts a tmpfs of the size over the folder; the reason when that is refused, else None."""
    if os.geteuid() != 0:
        return "not root"
    done = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=%s,mode=0755" % size, "tmpfs", folder],
                          capture_output=True, text=True)
    return None if done.returncode == 0 else (done.stderr.strip() or "mount ended with %d" % done.returncode)


def unmount(folder):
    subprocess.run(["umount", folder], capture_output=True)


def fill_up(path):
    """Writes the file until the disk has no room left for another byte."""
    descriptor = os.open(path, os.O_WRONLY | os.O_CREAT, 0o600)
    try:
        for chunk in (b"\0" * 4096, b"\0"):
            while True:
                try:
                    os.write(descriptor, chunk)
                except OSError as full:
                    if full.errno != errno.ENOSPC:
                        raise
                    break
    finally:
        os.close(descriptor)


def expect_message_line(game, text, timeout=8.0):
    """The one line the game shows at the bottom of its screen, in the small font."""
    expect_text(game, SMALL, text, centred_x(SMALL, text, 320), 480 - font(SMALL).height - 4, timeout=timeout)


def choose_the_next_difficulty(game, hints=None):
    """Skips the story, opens "volby" (where the hints item shows "[ ]" or "[X]" when hints
    says so) and changes the difficulty from spacek to sokolik, which saves video.cfg."""
    game.key("space")
    expect_text(game, LARGE, ">hraj", 70, 245)
    game.key("Down", "Down", delay_ms=150)
    expect_text(game, LARGE, ">volby", 70, 245 + 2 * font(LARGE).height)
    game.key("Return")
    expect_text(game, SMALL, ">Obtiznost: spacek", 70, 245)
    if hints:
        expect_text(game, SMALL, " %s ukazuj hinty" % hints, 70, 245 + font(SMALL).height)
    game.key("Return")
    expect_text(game, SMALL, ">Obtiznost: sokolik", 70, 245)
