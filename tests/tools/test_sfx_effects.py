"""Checks the committed sound effects in game/data/sfx: format, length, level, clean edges, character."""

import os
import sys
import unittest

import numpy as np

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools", "sfx"))

from wav_file import read_wav  # noqa: E402

SFX = os.path.join(ROOT, "game", "data", "sfx")

# File: shortest and longest length in seconds.
LENGTHS = {
    "uvod2.wav": (0.6, 1.5), "zasah.wav": (0.4, 0.7), "katapult.wav": (0.3, 0.6),
    "nadavani1.wav": (0.7, 1.3), "nadavani2.wav": (0.5, 1.0), "nadavani3.wav": (0.7, 1.3),
    "smich.wav": (0.8, 1.5), "vitr.wav": (1.0, 2.0), "bird_rock1.wav": (0.2, 0.4),
    "bird_tick1.wav": (0.1, 0.2), "bird_tick2.wav": (0.5, 1.0), "bird_bonus2.wav": (0.3, 0.6),
}


def mono(samples):
    return samples if samples.ndim == 1 else samples.mean(axis=1)


def pitch_track(signal, rate, low=70.0, high=420.0):
    """Pitch (Hz) of each 40 ms frame that is loud and periodic enough; autocorrelation peak."""
    frame, hop = int(0.04 * rate), int(0.01 * rate)
    loud = 0.25 * np.max(np.abs(signal))
    pitches = []
    for start in range(0, len(signal) - frame, hop):
        x = signal[start:start + frame] * np.hanning(frame)
        if np.max(np.abs(signal[start:start + frame])) < loud:
            continue
        corr = np.correlate(x, x, mode="full")[frame - 1:]
        lags = np.arange(int(rate / high), int(rate / low))
        best = lags[np.argmax(corr[lags])]
        if corr[best] > 0.4 * corr[0]:
            pitches.append(rate / best)
    return np.array(pitches)


class EffectFiles(unittest.TestCase):
    def load(self, name):
        rate, samples = read_wav(os.path.join(SFX, name))
        self.assertEqual(rate, 22050, name)
        return samples

    def test_every_effect_has_its_length_level_and_clean_edges(self):
        for name, (shortest, longest) in LENGTHS.items():
            with self.subTest(name):
                samples = self.load(name)
                seconds = len(samples) / 22050
                self.assertGreaterEqual(seconds, shortest)
                self.assertLessEqual(seconds, longest)
                top = np.max(np.abs(samples))
                self.assertLess(top, 0.95, "peak too close to full scale")
                self.assertGreater(top, 0.5, "too quiet to be heard over the music")
                self.assertLess(abs(np.mean(samples)), 0.01, "DC offset")
                self.assertLess(np.max(np.abs(samples[:8])), 0.03, "click at the start")
                self.assertLess(np.max(np.abs(samples[-8:])), 0.03, "click at the end")
                self.assertGreater(np.sqrt(np.mean(samples ** 2)), 0.04, "mostly silence")

    def test_only_the_wind_is_stereo(self):
        for name in LENGTHS:
            with self.subTest(name):
                self.assertEqual(self.load(name).ndim, 2 if name == "vitr.wav" else 1)

    def test_the_shout_is_the_highest_voice_and_the_first_grumble_the_lowest(self):
        pitch = {name: np.median(pitch_track(mono(self.load(name)), 22050))
                 for name in ("nadavani1.wav", "nadavani2.wav", "nadavani3.wav")}
        self.assertLess(pitch["nadavani1.wav"], 135)
        self.assertGreater(pitch["nadavani2.wav"], 180)
        self.assertLess(pitch["nadavani1.wav"], pitch["nadavani3.wav"])
        self.assertLess(pitch["nadavani3.wav"], pitch["nadavani2.wav"])

    def test_the_laugh_is_a_row_of_syllables_falling_in_pitch(self):
        laugh = self.load("smich.wav")
        frame = int(0.01 * 22050)
        energy = np.array([np.sqrt(np.mean(laugh[i:i + frame] ** 2)) for i in range(0, len(laugh) - frame, frame)])
        loud = energy > 0.5 * energy.max()
        onsets = np.count_nonzero(loud[1:] & ~loud[:-1]) + int(loud[0])
        self.assertGreaterEqual(onsets, 4, "a laugh needs several 'ha's")
        pitches = pitch_track(laugh, 22050)
        third = len(pitches) // 3
        self.assertGreater(np.median(pitches[:third]), 1.2 * np.median(pitches[-third:]))

    def test_the_effects_are_all_different(self):
        spectra = {}
        for name in LENGTHS:
            signal = mono(self.load(name))
            spectrum = np.abs(np.fft.rfft(signal, 1 << 15))
            spectra[name] = spectrum / np.linalg.norm(spectrum)
        names = sorted(spectra)
        for i, first in enumerate(names):
            for second in names[i + 1:]:
                similarity = float(np.dot(spectra[first], spectra[second]))
                self.assertLess(similarity, 0.95, f"{first} and {second} sound alike")


if __name__ == "__main__":
    unittest.main()
