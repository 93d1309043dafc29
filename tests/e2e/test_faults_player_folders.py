"""The player's folders when saving or reading fails, each with the player's own four files in
them. The difficulty chosen in "volby" saves video.cfg:

- a read-only config and data folder (the game run as nobody when the test is root, whom a mode
  does not stop): the save fails with "video.cfg nelze ulozit: slozka jen pro cteni" on screen
  and on standard error, the difficulty chosen stays in force and the game goes on;
- a full disk (a tmpfs of 64 KiB filled to the last byte, where the test may mount one): the
  same with "video.cfg nelze ulozit: plny disk";
- files that cannot be read (root's, mode 0600, in folders of nobody, who runs the game): each
  is said on standard error, "controls.cfg nelze precist: plati vychozi hodnoty" shows on
  screen, the game plays with the defaults and the save is refused rather than written over.

Every entry of the player's folders is the same afterwards (contents, mode, owner; nothing set
aside, no temporary file left); the game closes with status 0."""
import os

from e2elib import fail, start_game
from player_folders import (PLAYERS_FILES, PlayerFolders, choose_the_next_difficulty, expect_message_line, fill_up,
                            mount_small_disk, other_user, run_as, unmount, x_cookie_for)
from screen_text import LARGE, expect_text

READ_NOTE = "%s nelze precist: plati vychozi hodnoty"


def expect_said(game, lines):
    for line in lines:
        if line not in game.stderr:
            fail("standard error does not say %r: %s" % (line, game.stderr))


def play_and_close(game):
    """The game goes on after the failure: back to the main menu, then the window is closed."""
    game.key("Escape")
    expect_text(game, LARGE, ">hraj", 70, 245)
    game.close()
    game.expect_exit()


def save_fails(folders, what, note, said, run_as_user=None, extra_env=None):
    before = folders.fingerprint()
    env = folders.environment()
    env.update(extra_env or {})
    game = start_game(env=env, run_as=run_as(run_as_user) if run_as_user else ())
    try:
        choose_the_next_difficulty(game, hints="[ ]")
        expect_message_line(game, note)
        play_and_close(game)
        video = folders.path("config/zepo/video.cfg")
        expect_said(game, ["zepo: %s: cannot be saved (%s); the previous file is kept" % (video, said)])
    finally:
        game.cleanup()
    folders.expect_unchanged(before, what)
    print("%s: %r on screen and standard error, the game went on, no file changed" % (what, note))


def read_only_folders():
    folders = PlayerFolders("zepo-read-only-")
    try:
        folders.fill()
        user, why_not = other_user()
        if not user and os.geteuid() == 0:
            print("read-only folders: skipped, mode bits do not stop root and %s" % why_not)
            return
        extra = x_cookie_for(user, folders.top) if user else {}
        for folder in ("config/zepo", "data/zepo", "config", "data"):
            os.chmod(folders.path(folder), 0o555)
        for name in PLAYERS_FILES:
            os.chmod(folders.path(name), 0o444)
        save_fails(folders, "read-only folders", "video.cfg nelze ulozit: slozka jen pro cteni",
                   "Permission denied", user, extra)
    finally:
        folders.remove()


def full_disk():
    folders = PlayerFolders("zepo-full-disk-")
    try:
        refused = mount_small_disk(folders.top)
        if refused:
            print("full disk: skipped, no tmpfs could be mounted (%s)" % refused)
            return
        try:
            folders.fill()
            fill_up(folders.path("filler"))
            save_fails(folders, "full disk", "video.cfg nelze ulozit: plny disk", "No space left on device")
        finally:
            unmount(folders.top)
    finally:
        folders.remove()


def unreadable_files():
    user, why_not = other_user()
    if not user:
        print("unreadable files: skipped, %s" % why_not)
        return
    folders = PlayerFolders("zepo-unreadable-")
    try:
        folders.fill()
        for folder in ("config", "config/zepo", "data", "data/zepo"):
            os.chown(folders.path(folder), *user)
            os.chmod(folders.path(folder), 0o700)
        for name in PLAYERS_FILES:
            os.chmod(folders.path(name), 0o600)
        env = dict(folders.environment(), **x_cookie_for(user, folders.top))
        before = folders.fingerprint()
        game = start_game(env=env, run_as=run_as(user))
        try:
            expect_message_line(game, READ_NOTE % "controls.cfg")
            choose_the_next_difficulty(game, hints="[X]")
            play_and_close(game)
            expect_said(game, ["zepo: %s: cannot be read (Permission denied); the game plays with the defaults "
                               "and keeps the file as it is" % folders.path(name) for name in PLAYERS_FILES])
            expect_said(game, ["zepo: %s: not saved: the file could not be read, so it is kept as it is"
                               % folders.path("config/zepo/video.cfg")])
        finally:
            game.cleanup()
        folders.expect_unchanged(before, "unreadable files")
        print("unreadable files: each said, %r on screen, the defaults played, none written over"
              % (READ_NOTE % "controls.cfg"))
    finally:
        folders.remove()


read_only_folders()
full_disk()
unreadable_files()
