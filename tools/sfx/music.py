"""The five music tracks: which piece goes to which file, and how its master is encoded."""

import subprocess

import songs.boss
import songs.final
import songs.leto
import songs.menu
import songs.zima

# File, piece, the Ogg stream serial number (fixed, so that encoding is repeatable).
TRACKS = (
    ("bird00.ogg", songs.menu.SONG, 1000),
    ("bird01.ogg", songs.leto.SONG, 1001),
    ("bird02.ogg", songs.zima.SONG, 1002),
    ("bird03.ogg", songs.boss.SONG, 1003),
    ("bird04.ogg", songs.final.SONG, 1004),
)

OGG_QUALITY = "4"


def master_name(ogg_name):
    return ogg_name.replace(".ogg", ".wav")


def encode(master_path, ogg_path, serial, title):
    """Encodes a WAV master as Ogg Vorbis; raises with oggenc's own message if that fails."""
    command = ["oggenc", "--quiet", "--serial", str(serial), "--quality", OGG_QUALITY,
               "--title", title, "--output", ogg_path, master_path]
    try:
        result = subprocess.run(command, capture_output=True, text=True)
    except FileNotFoundError:
        raise RuntimeError("oggenc was not found: install vorbis-tools") from None
    if result.returncode != 0:
        raise RuntimeError(f"oggenc failed on {master_path}: {result.stderr.strip()}")
