"""Where the game finds its data and where it keeps the player's files, on a read-only copy of
the data that nothing may change:

- an install prefix (games/zepo, share/games/zepo) replays a committed demo headless from the
  working directory /, and again after the prefix has been moved; a lone executable does so with
  ZEPO_DATA_DIR; with no data anywhere the game ends with status 255 naming every place it tried;
- under Xvfb, with XDG_CONFIG_HOME and XDG_DATA_HOME set, the options menu writes video.cfg and
  the start-up top10.bin into them; relative XDG values are ignored for ~/.config/zepo and
  ~/.local/share/zepo, which are made private;
- without the dummy audio driver (whatever device the machine has, usually none) and with a
  driver that cannot open, a level is played and the game closes with status 0."""
import os
import shutil
import stat
import subprocess
import tempfile
import time
from pathlib import Path

from e2elib import GAME_DIR, ZEPO_BIN, fail, start_game
from player_folders import choose_the_next_difficulty

SOURCE = Path(__file__).resolve().parents[2]
DEMO = SOURCE / "tests/demos/game/easy_l2.demo"
NO_DATA = "cannot find the game's data: no data/gfx/didudo_sprites.xml in "


def snapshot(folder):
    return sorted((str(p.relative_to(folder)), p.lstat().st_size, p.lstat().st_mtime_ns)
                  for p in Path(folder).rglob("*"))


def set_writable(folder, writable):
    for path in [Path(folder), *Path(folder).rglob("*")]:
        mode = path.stat().st_mode
        if writable:
            path.chmod(mode | stat.S_IWUSR)
        else:
            path.chmod(mode & ~(stat.S_IWUSR | stat.S_IWGRP | stat.S_IWOTH))


def headless_environment(home, **extra):
    environment = {k: v for k, v in os.environ.items()
                   if k not in ("ZEPO_DATA_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME")}
    environment.update(SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy", HOME=str(home), **extra)
    return environment


def fresh_home(scratch, name):
    home = scratch / "homes" / name
    home.mkdir(parents=True)
    return home


def replay(binary, scratch, what, **extra):
    """Replays the committed demo headless from / with a fresh home; its statistics must be the
    committed ones."""
    stats = scratch / ("%s.stats" % what.replace(" ", "_"))
    done = subprocess.run([str(binary), "--timedemo", str(DEMO), "--statdump", str(stats), "--software"], cwd="/",
                          env=headless_environment(fresh_home(scratch, what), **extra),
                          capture_output=True, text=True, timeout=300)
    if done.returncode != 0 or "zepo:" in done.stderr:
        fail("%s: status %d: %s" % (what, done.returncode, done.stderr[-500:]))
    if stats.read_text() != DEMO.with_suffix(".stats").read_text():
        fail("%s: the replay's statistics differ:\n%s" % (what, stats.read_text()))
    print("%s: the demo replays from /" % what)


def no_data(binary, scratch, what, **extra):
    empty = scratch / "empty"
    empty.mkdir(exist_ok=True)
    done = subprocess.run([str(binary)], cwd=empty, env=headless_environment(fresh_home(scratch, what), **extra),
                          capture_output=True, text=True, timeout=60)
    return done.returncode, done.stderr


def expect_bytes(path, contents):
    if not path.exists():
        fail("%s was not written" % path)
    if path.read_bytes() != contents:
        fail("%s holds %r, expected %r" % (path, path.read_bytes(), contents))


def close(game):
    game.close()
    game.expect_exit()


def xdg_folders(data, scratch):
    xdg = scratch / "xdg"
    game = start_game(env={"ZEPO_DATA_DIR": str(data), "XDG_CONFIG_HOME": str(xdg / "config"),
                           "XDG_DATA_HOME": str(xdg / "data")})
    try:
        choose_the_next_difficulty(game)
        expect_bytes(xdg / "config/zepo/video.cfg", b"FULLSCREEN 0\nDIF 1\nHINTS 1\n")
        expect_bytes(xdg / "data/zepo/top10.bin", b"")
        if os.listdir(game.home):
            fail("with XDG values the home holds %s" % os.listdir(game.home))
        close(game)
    finally:
        game.cleanup()
    print("XDG_CONFIG_HOME and XDG_DATA_HOME hold video.cfg and top10.bin")


def relative_xdg_values(data):
    game = start_game(env={"ZEPO_DATA_DIR": str(data), "XDG_CONFIG_HOME": "config", "XDG_DATA_HOME": "data"})
    try:
        choose_the_next_difficulty(game)
        expect_bytes(Path(game.path("video.cfg")), b"FULLSCREEN 0\nDIF 1\nHINTS 1\n")
        expect_bytes(Path(game.path("top10.bin")), b"")
        for made in (".config", ".config/zepo", ".local", ".local/share/zepo"):
            mode = stat.S_IMODE(os.stat(os.path.join(game.home, made)).st_mode)
            if mode != 0o700:
                fail("%s was made with mode %o, not 700" % (made, mode))
        for relative in ("config", "data"):
            if os.path.exists(game.path(relative)):
                fail("the relative XDG value %s was used" % relative)
        close(game)
    finally:
        game.cleanup()
    print("relative XDG values ignored: ~/.config/zepo and ~/.local/share/zepo made with mode 700")


def level_without_sound_card(data, driver):
    """Plays the first level a few seconds; driver None leaves the machine's own audio device."""
    game = start_game("--set", "easy", "--level", "l1", env={"ZEPO_DATA_DIR": str(data), "SDL_AUDIODRIVER": driver})
    try:
        game.key_down("d")
        time.sleep(1.0)
        game.key_up("d")
        game.key("space", "w", "space")
        time.sleep(1.0)
        close(game)
        silent = "Nemohu otevrit audio!" in game.stdout
        if driver and (not silent or "the game plays without sound" not in game.stderr):
            fail("with the audio driver %s the game did not say it plays silently: %r %r"
                 % (driver, game.stdout[-300:], game.stderr[-300:]))
    finally:
        game.cleanup()
    print("audio driver %s: a level played, status 0%s"
          % (driver or "of the machine", ", without sound" if silent else ", with sound"))


def main():
    scratch = Path(tempfile.mkdtemp(prefix="zepo-folders-"))
    source_before = snapshot(GAME_DIR)
    data = scratch / "data"
    try:
        shutil.copytree(GAME_DIR, data)
        set_writable(data, False)
        data_before = snapshot(data)

        prefix = scratch / "prefix"
        (prefix / "games").mkdir(parents=True)
        (prefix / "share/games").mkdir(parents=True)
        shutil.copy2(ZEPO_BIN, prefix / "games/zepo")
        (prefix / "share/games/zepo").symlink_to(data)
        replay(prefix / "games/zepo", scratch, "install prefix")
        moved = scratch / "moved"
        prefix.rename(moved)
        replay(moved / "games/zepo", scratch, "moved prefix")

        lone = scratch / "bin/zepo"
        lone.parent.mkdir()
        shutil.copy2(ZEPO_BIN, lone)
        replay(lone, scratch, "ZEPO_DATA_DIR", ZEPO_DATA_DIR=str(data))

        status, errors = no_data(lone, scratch, "no data")
        places = [str(scratch / "share/games/zepo"), str(scratch / "empty"), "ZEPO_DATA_DIR"]
        if status != 255 or NO_DATA not in errors or not all(place in errors for place in places):
            fail("with no data the game ended with status %d: %s" % (status, errors))
        status, errors = no_data(lone, scratch, "empty choice", ZEPO_DATA_DIR=str(scratch / "empty"))
        if status != 255 or "%s (ZEPO_DATA_DIR)" % (scratch / "empty") not in errors:
            fail("with an empty ZEPO_DATA_DIR the game ended with status %d: %s" % (status, errors))
        print("no data anywhere: status 255, %s" % errors.strip())

        xdg_folders(data, scratch)
        relative_xdg_values(data)
        level_without_sound_card(data, None)
        level_without_sound_card(data, "no-such-driver")

        if snapshot(data) != data_before:
            fail("the read-only data folder was changed")
        if snapshot(GAME_DIR) != source_before:
            fail("the source tree's data folder was changed")
        print("the data folders are unchanged")
    finally:
        set_writable(data, True)
        shutil.rmtree(scratch, ignore_errors=True)


main()
