"""Ends that are not the player's:

- no display: with neither DISPLAY nor SDL_VIDEODRIVER the game draws nothing on the terminal;
  it ends with status 255 and "zepo: no graphical display: DISPLAY is not set", and every entry
  of the player's folders is as it was (no top10.bin made); a DISPLAY that cannot be opened is
  named the same way. With SDL_VIDEODRIVER naming the text-mode driver, the player's choice,
  the game runs on;
- a fatal error while a game is recorded: the definition of the level l6 is broken, and the
  password "plumb" typed in the menu starts a game there, which ends the game with status 255.
  The demo is written all the same, and replaying it (headless, as fast as it goes) ends with
  the same error."""
import os
import subprocess

from e2elib import ZEPO_BIN, fail, start_game
from player_folders import PLAYERS_FILES, PlayerFolders
from screen_text import LARGE, enter_password, expect_text

NO_DISPLAY = "zepo: no graphical display: DISPLAY is not set\n"


def without_display(folders, **extra):
    environment = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "SDL_VIDEODRIVER", "XAUTHORITY")}
    environment.update(folders.environment(), SDL_AUDIODRIVER="dummy", TERM="xterm", **extra)
    environment = {k: v for k, v in environment.items() if v is not None}
    return subprocess.Popen([ZEPO_BIN], cwd=folders.top, env=environment, stdin=subprocess.DEVNULL,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)


def no_display():
    folders = PlayerFolders("zepo-no-display-")
    try:
        folders.fill({name: contents for name, contents in PLAYERS_FILES.items() if "top10" not in name})
        before = folders.fingerprint()
        for display, said in ((None, NO_DISPLAY),
                              (":4242", "zepo: no graphical display: the X display :4242 cannot be opened\n")):
            game = without_display(folders, DISPLAY=display)
            try:
                _, errors = game.communicate(timeout=60)
            except subprocess.TimeoutExpired:
                game.kill()
                game.communicate()
                fail("without a display (DISPLAY %s) the game did not end" % display)
            if game.returncode != 255 or errors != said:
                fail("without a display (DISPLAY %s) the game ended with status %d, saying %r"
                     % (display, game.returncode, errors))
            folders.expect_unchanged(before, "no display")
            print("DISPLAY %s: status 255, %r, no file changed" % (display, errors.strip()))

        chosen = without_display(folders, SDL_VIDEODRIVER="caca")
        try:
            _, errors = chosen.communicate(timeout=3)
            fail("with the text-mode driver chosen the game ended with status %d: %r" % (chosen.returncode, errors))
        except subprocess.TimeoutExpired:
            chosen.kill()
            _, errors = chosen.communicate()
        if "no graphical display" in errors:
            fail("the text-mode driver the player chose was refused: %r" % errors)
        print("SDL_VIDEODRIVER=caca: the player's choice, the game ran")
    finally:
        folders.remove()


def headless_replay(game, demo):
    environment = dict(game.environment, SDL_VIDEODRIVER="dummy")
    done = subprocess.run([ZEPO_BIN, "--timedemo", demo, "--software"], cwd=game.workdir, env=environment,
                          capture_output=True, text=True, timeout=120)
    return done.returncode, done.stderr


def fatal_end_while_recording():
    broken = "data/maps/easy/l6_defs.xml"
    demo = "fatal.demo"
    game = start_game("--record", demo, files={broken: "<level name=", "video.cfg": "FULLSCREEN 0\nDIF 0\nHINTS 0\n"})
    try:
        game.key("space")
        expect_text(game, LARGE, ">hraj", 70, 245)
        enter_password(game, "plumb")
        status = game.wait_exit(timeout=30)
        fault = "zepo: File %s not found!" % broken
        if status != 255 or fault not in game.stderr:
            fail("the password of a broken level ended the game with status %d: %s" % (status, game.stderr))
        if not os.path.exists(game.path(demo)):
            fail("the game ended by an error left no demo")
        replayed, errors = headless_replay(game, demo)
        if replayed != 255 or fault not in errors or "out of step" in errors:
            fail("the demo's replay ended with status %d: %s" % (replayed, errors))
        lines = [line for line in errors.splitlines() if line.startswith("zepo:")]
        if lines != [line for line in game.stderr.splitlines() if line.startswith("zepo:")]:
            fail("the replay said %r, the recorded game %r" % (errors, game.stderr))
        print("a fatal end while recording: the demo of %d bytes replays to %r"
              % (os.path.getsize(game.path(demo)), fault))
    finally:
        game.cleanup()


no_display()
fatal_end_while_recording()
