"""The game started on a runtime root with a font or the sprite collection missing or broken ends
at once with status 255 and says which file on standard error, before it shows anything."""
import os
import shutil
import subprocess
import tempfile

from e2elib import GAME_DIR, ZEPO_BIN, fail

COLLECTION = "data/gfx/didudo_sprites.xml"


def start_without(name, contents=None):
    """Runs the game in a scratch root linked to the real one, the named file removed (or
    replaced by contents); returns its status and standard error."""
    root = tempfile.mkdtemp(prefix="zepo-missing-")
    try:
        shutil.copytree(GAME_DIR, root, dirs_exist_ok=True, copy_function=os.symlink,
                        ignore=shutil.ignore_patterns("*.cfg", "top10.bin"))
        os.unlink(os.path.join(root, name))
        if contents is not None:
            with open(os.path.join(root, name), "w") as f:
                f.write(contents)
        run = subprocess.run([ZEPO_BIN], cwd=root, capture_output=True, text=True, timeout=60,
                             env=dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy"))
        return run.returncode, run.stderr
    finally:
        shutil.rmtree(root)


cases = [("font2.png", None, "zepo: font2.png: "),
         ("fontsmall2.png", "", "zepo: fontsmall2.png: "),
         (COLLECTION, None, "zepo: File %s not found!" % COLLECTION),
         (COLLECTION, "<sprites><sprite", "zepo: File %s not found! (" % COLLECTION)]
for name, contents, message in cases:
    status, errors = start_without(name, contents)
    what = "%s %s" % (name, "missing" if contents is None else "broken")
    if status != 255:
        fail("with %s the game ended with status %d: %s" % (what, status, errors))
    if message not in errors:
        fail("with %s standard error does not say %r: %s" % (what, message, errors))
    print("%s: status 255, %s" % (what, [line for line in errors.splitlines() if message in line][0]))
