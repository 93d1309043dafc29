"""Checks the committed music tracks, decoded with oggdec: format, length, size, level and the loop seam."""

import os
import subprocess
import sys
import tempfile
import unittest

import numpy as np

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools", "sfx"))

from wav_file import read_wav  # noqa: E402

SFX = os.path.join(ROOT, "game", "data", "sfx")
MAX_BYTES = 1_500_000

# File: shortest and longest loop in seconds.
TRACKS = {
    "bird00.ogg": (60, 120),   # MENU
    "bird01.ogg": (90, 180),   # LETO
    "bird02.ogg": (90, 180),   # ZIMA
    "bird03.ogg": (60, 120),   # BOSS
    "bird04.ogg": (60, 120),   # FINAL
}


def seam_jump_is_ordinary(test, samples, name):
    """The step from the last sample back to the first is no bigger than the steps around it."""
    joined = np.concatenate([samples[-256:], samples[:256]])
    steps = np.abs(np.diff(joined, axis=0))
    seam = steps[255]
    around = np.delete(steps, 255, axis=0).max(axis=0)
    for channel in range(samples.shape[1]):
        test.assertLessEqual(seam[channel], around[channel], f"{name}: a jump at the loop seam")
    edge = int(0.1 * 22050)
    end, start = np.sqrt(np.mean(samples[-edge:] ** 2)), np.sqrt(np.mean(samples[:edge] ** 2))
    test.assertGreater(min(end, start), 0.25 * max(end, start), f"{name}: the loop fades at its seam")


def decode(ogg, wav):
    subprocess.run(["oggdec", "--quiet", "--output", wav, ogg], check=True)
    return read_wav(wav)


class MusicTracks(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory()
        cls.decoded = {name: decode(os.path.join(SFX, name), os.path.join(cls.scratch.name, name + ".wav"))
                       for name in TRACKS}

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def test_tracks_are_stereo_vorbis_of_their_length_and_size(self):
        for name, (shortest, longest) in TRACKS.items():
            with self.subTest(name):
                rate, samples = self.decoded[name]
                self.assertIn(rate, (22050, 44100))
                self.assertEqual(samples.ndim, 2)
                self.assertEqual(samples.shape[1], 2)
                self.assertGreaterEqual(len(samples) / rate, shortest)
                self.assertLessEqual(len(samples) / rate, longest)
                self.assertLess(os.path.getsize(os.path.join(SFX, name)), MAX_BYTES)

    def test_tracks_are_mastered_loud_without_clipping_or_offset(self):
        for name in TRACKS:
            with self.subTest(name):
                _, samples = self.decoded[name]
                top = np.max(np.abs(samples))
                self.assertLess(top, 0.99)
                self.assertGreater(top, 0.7)
                self.assertGreater(np.sqrt(np.mean(samples ** 2)), 0.12, "the music plays at 35/128: master it loud")
                self.assertLess(np.max(np.abs(np.mean(samples, axis=0))), 0.005, "DC offset")

    def test_tracks_loop_without_a_click_or_a_gap(self):
        for name in TRACKS:
            with self.subTest(name):
                seam_jump_is_ordinary(self, self.decoded[name][1], name)

    def test_tracks_never_fall_silent(self):
        for name in TRACKS:
            with self.subTest(name):
                rate, samples = self.decoded[name]
                second = rate
                quietest = min(np.sqrt(np.mean(samples[i:i + second] ** 2))
                               for i in range(0, len(samples) - second, second))
                self.assertGreater(quietest, 0.03)


if __name__ == "__main__":
    unittest.main()
