"""Regenerates every sound into a temporary directory and compares it with the committed files,
so that the data in game/data/sfx never drifts from its source in tools/sfx."""

import os
import subprocess
import sys
import tempfile
import unittest

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.join(ROOT, "tools", "sfx"))
sys.path.insert(0, HERE)

from music import TRACKS, encode, master_name  # noqa: E402
from test_sfx_music import decode, seam_jump_is_ordinary  # noqa: E402
from wav_file import read_wav  # noqa: E402

SFX = os.path.join(ROOT, "game", "data", "sfx")
MAKE = os.path.join(ROOT, "tools", "sfx", "make_sfx.py")

# The sound table of the game, in registration order.
TABLE = ["uvod2.wav", "zasah.wav", "katapult.wav", "nadavani1.wav", "nadavani2.wav", "nadavani3.wav",
         "smich.wav", "vitr.wav", "bird_rock1.wav", "bird_tick1.wav", "bird_tick2.wav", "bird_bonus2.wav",
         "bird00.ogg", "bird01.ogg", "bird02.ogg", "bird03.ogg", "bird04.ogg"]


def vorbis_vendor(path):
    """The encoder's vendor string from the comment header of an Ogg Vorbis file."""
    with open(path, "rb") as source:
        data = source.read(1 << 16)
    at = data.index(b"\x03vorbis") + 7
    length = int.from_bytes(data[at:at + 4], "little")
    return data[at + 4:at + 4 + length]


class Regeneration(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory()
        cls.out = cls.scratch.name
        result = subprocess.run([sys.executable, MAKE, "--wav-only", "--out", cls.out],
                                capture_output=True, text=True)
        if result.returncode != 0:
            raise AssertionError(f"make_sfx.py failed:\n{result.stderr}")

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def test_the_data_directory_holds_exactly_the_sound_table(self):
        self.assertEqual(sorted(os.listdir(SFX)), sorted(TABLE))

    def test_effects_regenerate_byte_for_byte(self):
        for name in TABLE[:12]:
            with self.subTest(name):
                with open(os.path.join(self.out, name), "rb") as fresh, open(os.path.join(SFX, name), "rb") as kept:
                    self.assertTrue(fresh.read() == kept.read(), f"{name} differs from its generator: rerun make_sfx.py")

    def test_music_masters_loop_seamlessly(self):
        for name, _, _ in TRACKS:
            with self.subTest(name):
                rate, samples = read_wav(os.path.join(self.out, master_name(name)))
                self.assertEqual(rate, 22050)
                seam_jump_is_ordinary(self, samples, master_name(name))

    def test_music_encodes_to_the_committed_tracks(self):
        for name, song, serial in TRACKS:
            with self.subTest(name):
                master = os.path.join(self.out, master_name(name))
                fresh = os.path.join(self.out, name)
                kept = os.path.join(SFX, name)
                encode(master, fresh, serial, song.name)
                if vorbis_vendor(fresh) == vorbis_vendor(kept):
                    with open(fresh, "rb") as a, open(kept, "rb") as b:
                        self.assertTrue(a.read() == b.read(), f"{name} differs from its generator: rerun make_sfx.py")
                else:
                    # Another Vorbis encoder version: the committed track must still be this master.
                    _, original = read_wav(master)
                    _, decoded = decode(kept, os.path.join(self.out, name + ".wav"))
                    self.assertEqual(decoded.shape, original.shape)
                    noise = np.mean((decoded - original) ** 2)
                    self.assertGreater(10 * np.log10(np.mean(original ** 2) / noise), 15)


if __name__ == "__main__":
    unittest.main()
