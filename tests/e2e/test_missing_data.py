"""The game started on a data root with a font missing or broken, or the sprite collection broken,
ends at once with status 255 and says which file on standard error, before it shows anything.
(A root without the sprite collection is no data root at all: see test_data_and_home_folders.)"""
import os
import shutil
import subprocess
import tempfile

from e2elib import GAME_DIR, ZEPO_BIN, fail, game_environment

COLLECTION = "data/gfx/didudo_sprites.xml"


def start_without(name, contents=None):
    """Runs the game on a scratch data root linked to the real one, the named file removed (or
    replaced by contents), with a scratch home; returns its status and standard error."""
    scratch = tempfile.mkdtemp(prefix="zepo-missing-")
    root = os.path.join(scratch, "root")
    try:
        shutil.copytree(GAME_DIR, root, copy_function=os.symlink)
        os.mkdir(os.path.join(scratch, "home"))
        os.unlink(os.path.join(root, name))
        if contents is not None:
            with open(os.path.join(root, name), "w") as f:
                f.write(contents)
        run = subprocess.run([ZEPO_BIN], cwd=scratch, capture_output=True, text=True, timeout=60,
                             env=game_environment(root, os.path.join(scratch, "home"), SDL_VIDEODRIVER="dummy"))
        return run.returncode, run.stderr
    finally:
        shutil.rmtree(scratch)


cases = [("font2.png", None, "zepo: font2.png: "),
         ("fontsmall2.png", "", "zepo: fontsmall2.png: "),
         (COLLECTION, "<sprites><sprite", "zepo: File %s not found! (" % COLLECTION)]
for name, contents, message in cases:
    status, errors = start_without(name, contents)
    what = "%s %s" % (name, "missing" if contents is None else "broken")
    if status != 255:
        fail("with %s the game ended with status %d: %s" % (what, status, errors))
    if message not in errors:
        fail("with %s standard error does not say %r: %s" % (what, message, errors))
    print("%s: status 255, %s" % (what, [line for line in errors.splitlines() if message in line][0]))
