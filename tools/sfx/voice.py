"""A small formant voice for the people's grumbles, their laugh and the bird's squawk.

An utterance is a list of syllables. Each syllable is turned into control curves (pitch, voicing,
noise, three formants) sample by sample; the curves are smoothed so that the sounds glide into one
another, and a harmonic source is shaped by the formants. The syllables are nonsense on purpose.
"""

from collections import namedtuple

import numpy as np

from dsp import SR, fft_filter, highpass, noise, phase_of, samples, sweeping_noise

# First three formants (Hz) of a grown man's vowels; other voices scale them.
VOWELS = {
    "a": (760, 1250, 2600),
    "e": (520, 1800, 2500),
    "i": (310, 2200, 2950),
    "o": (560, 880, 2450),
    "u": (340, 820, 2250),
    "@": (520, 1450, 2500),
}
FORMANT_GAINS = (1.0, 0.55, 0.3)
FORMANT_WIDTHS = (100, 130, 200)

# Consonant: kind, length in seconds, where it pulls the second formant or centres its noise.
CONSONANTS = {
    "b": ("voiced stop", 0.045, 800),
    "d": ("voiced stop", 0.040, 1700),
    "g": ("voiced stop", 0.050, 2100),
    "p": ("stop", 0.055, 900),
    "t": ("stop", 0.050, 3800),
    "k": ("stop", 0.060, 1900),
    "h": ("breath", 0.070, 0),
    "m": ("nasal", 0.070, 1000),
    "n": ("nasal", 0.060, 1600),
    "r": ("trill", 0.080, 1300),
    "l": ("liquid", 0.050, 1100),
    "s": ("hiss", 0.090, 5200),
    "x": ("hiss", 0.080, 2600),
}

# onset and coda are strings of consonant letters; pitches in Hz at the start and end; level 0..1.
Syllable = namedtuple("Syllable", "onset vowel length pitch_from pitch_to level coda", defaults=("",))


class _Curves:
    def __init__(self, n):
        self.pitch = np.zeros(n)
        self.voice = np.zeros(n)
        self.hiss = np.zeros(n)
        self.hiss_centre = np.full(n, 1500.0)
        self.trill = np.zeros(n)
        self.nasal = np.zeros(n)
        self.formants = np.zeros((3, n))

    def set(self, start, stop, voice, hiss=0.0, centre=None, formants=None, trill=0.0, nasal=0.0):
        self.voice[start:stop] = voice
        self.hiss[start:stop] = hiss
        if centre is not None:
            self.hiss_centre[start:stop] = centre
        self.trill[start:stop] = trill
        self.nasal[start:stop] = nasal
        if formants is not None:
            for i in range(3):
                self.formants[i, start:stop] = formants[i]


def _consonant(curves, letter, start, vowel, scale, level):
    kind, length, place = CONSONANTS[letter]
    stop = start + samples(length)
    split = start + (stop - start) * 6 // 10
    near = (vowel[0] * 0.6, place * scale if place else vowel[1], vowel[2])
    if kind == "stop":
        curves.set(start, split, 0.0, formants=near)
        curves.set(split, stop, 0.0, hiss=0.8 * level, centre=place * scale, formants=near)
    elif kind == "voiced stop":
        curves.set(start, split, 0.12 * level, formants=(250 * scale, near[1], near[2]))
        curves.set(split, stop, 0.5 * level, hiss=0.3 * level, centre=place * scale, formants=near)
    elif kind == "breath":
        curves.set(start, stop, 0.0, hiss=0.55 * level, centre=vowel[1], formants=vowel)
    elif kind == "nasal":
        curves.set(start, stop, 0.6 * level, formants=(260 * scale, place * scale, 2300 * scale), nasal=1.0)
    elif kind == "trill":
        curves.set(start, stop, 0.75 * level, formants=(450 * scale, place * scale, 2400 * scale), trill=1.0)
    elif kind == "liquid":
        curves.set(start, stop, 0.7 * level, formants=(360 * scale, place * scale, 2500 * scale))
    else:
        curves.set(start, stop, 0.0, hiss=0.6 * level, centre=place * scale, formants=vowel)
    return stop


def _smooth(curve, seconds):
    width = max(1, samples(seconds))
    padded = np.concatenate([np.full(width, curve[0]), curve, np.full(width, curve[-1])])
    return np.convolve(padded, np.ones(width) / width, mode="same")[width:-width]


def _curves(syllables, scale):
    n = samples(sum(s.length for s in syllables) + 0.08)
    curves = _Curves(n)
    curves.formants[:] = np.array(VOWELS["@"])[:, None] * scale
    position = 0
    for syllable in syllables:
        vowel = tuple(f * scale for f in VOWELS[syllable.vowel])
        end = position + samples(syllable.length)
        curves.pitch[position:end] = np.linspace(syllable.pitch_from, syllable.pitch_to, end - position)
        cursor = position
        for letter in syllable.onset:
            cursor = _consonant(curves, letter, cursor, vowel, scale, syllable.level)
        coda_length = sum(samples(CONSONANTS[c][1]) for c in syllable.coda)
        vowel_end = max(cursor, end - coda_length)
        curves.set(cursor, vowel_end, syllable.level, formants=vowel)
        release = max(1, (vowel_end - cursor) // 4)
        curves.voice[vowel_end - release:vowel_end] *= np.linspace(1.0, 0.55, release)
        cursor = vowel_end
        for letter in syllable.coda:
            cursor = _consonant(curves, letter, cursor, vowel, scale, syllable.level)
        position = end
    curves.pitch[position:] = syllables[-1].pitch_to
    return curves


def speak(syllables, scale=1.0, growl=0.0, breath=0.05, seed=1):
    """Renders the syllables as one utterance, peak level 1.

    scale multiplies every formant (1 a man, 1.15 a higher voice, ~1.8 a bird); growl (0..1) adds
    a rough half-pitch undertone; breath mixes a little noise into the voiced sounds.
    """
    curves = _curves(syllables, scale)
    n = len(curves.pitch)
    jitter = _smooth(noise(n, seed), 0.03)
    pitch = curves.pitch * (1 + 0.015 * jitter / max(np.std(jitter), 1e-9))
    voice = _smooth(curves.voice, 0.012)
    formants = np.array([_smooth(f, 0.03) for f in curves.formants])
    nasal = _smooth(curves.nasal, 0.02)
    phase = phase_of(pitch, n)

    voiced = np.zeros(n)
    top = float(np.max(pitch))
    for k in range(1, int(min(5500 * scale, 0.45 * SR) / top) + 1):
        freq = k * pitch
        gain = 0.02 + sum(
            g / np.sqrt(1 + ((freq - formants[i]) / (FORMANT_WIDTHS[i] * scale / 2)) ** 2)
            for i, g in enumerate(FORMANT_GAINS))
        gain *= 1 - nasal * np.clip((freq - 400) / 600, 0, 0.9)
        voiced += gain / k ** 0.9 * np.sin(k * phase)
    if growl:
        shimmer = _smooth(noise(n, seed + 1), 0.004)
        voiced *= 1 + growl * np.sin(phase / 2) + growl * shimmer / max(np.max(np.abs(shimmer)), 1e-9)
    trill = _smooth(curves.trill, 0.01)
    voiced *= 1 - 0.85 * trill * (0.5 + 0.5 * np.cos(2 * np.pi * 27 * np.arange(n) / SR))

    centre = _smooth(curves.hiss_centre, 0.01)
    hiss = sweeping_noise(n, centre, 2.5, seed + 2)
    aspiration = fft_filter(noise(n, seed + 3), highpass(900))
    out = voice * voiced / max(np.max(np.abs(voiced)), 1e-9)
    out += _smooth(curves.hiss, 0.006) * hiss / max(np.max(np.abs(hiss)), 1e-9)
    out += breath * voice * aspiration / max(np.max(np.abs(aspiration)), 1e-9)
    return out / max(np.max(np.abs(out)), 1e-9)
