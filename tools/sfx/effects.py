"""The twelve sound effects, one small recipe each, and the table that names their files."""

import numpy as np

import drums
import instruments
from dsp import (SR, additive, bandpass, exp_decay, fade, fft_filter, lowpass, midi_to_hz, mix_into,
                 noise, normalize, pan, partials, remove_dc, samples, sweeping_noise, time_axis)
from notation import midi
from voice import Syllable, speak


def _note(instrument, name, gate, velocity=0.8):
    return instruments.play(instrument, midi_to_hz(midi(name)), gate, velocity)


def _canvas(seconds):
    return np.zeros(samples(seconds))


def lets_go():
    """A quick rising fanfare into a held major chord, over a snare roll."""
    out = _canvas(1.15)
    for at, name in ((0.0, "g5"), (0.09, "c6"), (0.18, "e6")):
        mix_into(out, 0.5 * _note("brass", name, 0.07, 0.9), samples(at))
    for name in ("c5", "e5", "g5"):
        mix_into(out, 0.35 * _note("brass", name, 0.62, 0.8), samples(0.27))
    mix_into(out, 0.6 * _note("square", "c6", 0.62, 1.0), samples(0.27))
    mix_into(out, 0.3 * _note("bell", "c7", 0.3, 0.9), samples(0.27))
    for i in range(9):
        mix_into(out, 0.12 * (0.4 + 0.07 * i) * drums.hit("snare"), samples(0.03 * i))
    mix_into(out, 0.1 * drums.hit("crash"), samples(0.27))
    return out * np.where(time_axis(len(out)) > 0.95, np.exp(-(time_axis(len(out)) - 0.95) / 0.08), 1)


def hit():
    """The thud of the blow, and the bird's squawk right after it."""
    out = _canvas(0.48)
    n = samples(0.3)
    t = time_axis(n)
    thump = np.sin(2 * np.pi * np.cumsum(70 + 110 * np.exp(-t / 0.025)) / SR) * exp_decay(n, 0.07)
    thump += 0.6 * normalize(fft_filter(noise(n, 32), bandpass(600, 1.2)), 1.0) * exp_decay(n, 0.015)
    mix_into(out, 0.8 * normalize(thump, 1.0), 0)
    squawk = speak([Syllable("kr", "a", 0.2, 950, 820, 1.0), Syllable("", "e", 0.12, 820, 600, 0.8)],
                   scale=1.9, growl=0.6, breath=0.3, seed=31)
    mix_into(out, 0.75 * squawk, samples(0.04))
    return out


def catapult():
    """A wooden creak, the arm's twang and the stone's whoosh."""
    out = _canvas(0.58)
    for i, at in enumerate((0.0, 0.035, 0.07)):
        mix_into(out, (0.15 + 0.05 * i) * drums.hit("wood"), samples(at))
    n = samples(0.45)
    t = time_axis(n)
    pitch = 98 * (1 - 0.18 * (1 - np.exp(-t / 0.05)))
    twang = additive(pitch, n, [exp_decay(n, 0.25 / k) / k for k in range(1, 16)])
    knock = partials(n, [(220, 1.0, 0.05), (530, 0.6, 0.03), (910, 0.4, 0.02)])
    mix_into(out, 0.55 * normalize(twang, 1.0) + 0.35 * normalize(knock, 1.0), samples(0.1))
    m = samples(0.4)
    sweep = np.interp(time_axis(m), (0, 0.12, 0.4), (400, 1800, 600))
    whoosh = sweeping_noise(m, sweep, 2.0, seed=33)
    whoosh *= np.sin(np.pi * np.minimum(time_axis(m) / 0.4, 1)) ** 2
    mix_into(out, 0.5 * normalize(whoosh, 1.0), samples(0.13))
    return out


def grumble_one():
    """A low, growled mutter that rises to an angry last word."""
    return speak([
        Syllable("br", "a", 0.16, 122, 112, 0.85),
        Syllable("d", "u", 0.13, 118, 106, 0.75),
        Syllable("g", "o", 0.15, 126, 113, 0.85),
        Syllable("m", "e", 0.12, 112, 102, 0.7),
        Syllable("kr", "a", 0.34, 140, 88, 1.0, "m"),
    ], scale=1.0, growl=0.45, breath=0.04, seed=41)


def grumble_two():
    """A short, higher shout: 'heh-GAAH!'."""
    return speak([
        Syllable("h", "e", 0.14, 205, 235, 0.8),
        Syllable("g", "a", 0.46, 265, 165, 1.0, "x"),
    ], scale=1.12, growl=0.25, breath=0.06, seed=42)


def grumble_three():
    """Fast indignant babble that ends in a rolled growl."""
    return speak([
        Syllable("bl", "a", 0.09, 145, 155, 0.75),
        Syllable("bl", "a", 0.09, 160, 170, 0.75),
        Syllable("k", "u", 0.08, 175, 170, 0.7),
        Syllable("r", "i", 0.08, 180, 172, 0.7),
        Syllable("m", "u", 0.1, 165, 150, 0.8, "n"),
        Syllable("d", "a", 0.1, 160, 140, 0.85),
        Syllable("gr", "o", 0.36, 150, 100, 1.0, "rr"),
    ], scale=1.05, growl=0.35, breath=0.05, seed=43)


def laugh():
    """A mocking 'HA-ha-ha-ha-haa', each syllable lower than the one before."""
    syllables = [Syllable("h", "a", 0.2, 310, 290, 1.0)]
    for i, pitch in enumerate((265, 245, 225, 205)):
        syllables.append(Syllable("h", "a", 0.15, pitch, pitch - 12, 0.9 - 0.08 * i))
    syllables.append(Syllable("h", "a", 0.34, 195, 150, 0.75))
    return speak(syllables, scale=1.1, growl=0.1, breath=0.18, seed=44)


def wind():
    """A gust that swells, howls a little and dies away, drifting from left to right."""
    n = samples(1.9)
    t = time_axis(n)
    centre = np.interp(t, (0, 0.7, 1.3, 1.9), (260, 720, 520, 300))
    body = fft_filter(sweeping_noise(n, centre, 1.4, seed=51), lowpass(1600))
    howl = sweeping_noise(n, centre * 1.9, 6.0, seed=52)
    gusts = 1 + 0.5 * normalize(fft_filter(noise(n, 53), lowpass(4)), 1.0)
    swell = np.sin(np.pi * np.clip(t / 1.9, 0, 1)) ** 1.5
    mono = (normalize(body, 1.0) + 0.5 * normalize(howl, 1.0)) * gusts * swell
    return pan(mono, np.interp(t, (0, 1.9), (-0.7, 0.7)))


def rock():
    """A stone whistling past: the swish rises and falls as it passes."""
    n = samples(0.32)
    t = time_axis(n)
    centre = np.interp(t, (0, 0.13, 0.32), (700, 2600, 900))
    swish = sweeping_noise(n, centre, 3.0, seed=61)
    whistle = np.sin(2 * np.pi * np.cumsum(centre * 0.9) / SR)
    passing = np.exp(-0.5 * ((t - 0.13) / 0.06) ** 2)
    return (normalize(swish, 1.0) + 0.15 * whistle) * passing


def tick():
    """A crisp clock tick with a short high beep."""
    n = samples(0.13)
    out = 0.7 * partials(n, [(1568, 1.0, 0.035), (3136, 0.3, 0.02)])
    mix_into(out, 0.6 * drums.hit("wood"), 0)
    return out


def final_tick():
    """Time's up: a low gong with a bright strike on top."""
    out = _canvas(0.95)
    mix_into(out, normalize(_note("gong", "a3", 0.9, 1.0), 1.0), 0)
    mix_into(out, 0.35 * _note("bell", "a5", 0.4, 0.9), 0)
    return out


def bonus():
    """A bright rising arpeggio with a ringing top note and sparkle."""
    out = _canvas(0.6)
    for i, name in enumerate(("c6", "e6", "g6", "c7")):
        ring = 0.35 if name == "c7" else 0.05
        mix_into(out, 0.5 * _note("bell", name, ring, 0.9), samples(0.045 * i))
        mix_into(out, 0.25 * _note("square", name, 0.04, 0.8), samples(0.045 * i))
    rng = np.random.default_rng(71)
    for at in np.sort(rng.uniform(0.14, 0.4, 7)):
        mix_into(out, 0.08 * partials(samples(0.1), [(rng.uniform(5000, 8000), 1.0, 0.025)]), samples(at))
    return out


# File, recipe, peak level, fade in and fade out (seconds).
EFFECTS = (
    ("uvod2.wav", lets_go, 0.85, 0.002, 0.05),
    ("zasah.wav", hit, 0.9, 0.002, 0.04),
    ("katapult.wav", catapult, 0.85, 0.002, 0.04),
    ("nadavani1.wav", grumble_one, 0.85, 0.005, 0.04),
    ("nadavani2.wav", grumble_two, 0.85, 0.005, 0.04),
    ("nadavani3.wav", grumble_three, 0.85, 0.005, 0.04),
    ("smich.wav", laugh, 0.85, 0.005, 0.05),
    ("vitr.wav", wind, 0.7, 0.05, 0.15),
    ("bird_rock1.wav", rock, 0.8, 0.003, 0.03),
    ("bird_tick1.wav", tick, 0.7, 0.002, 0.02),
    ("bird_tick2.wav", final_tick, 0.8, 0.002, 0.1),
    ("bird_bonus2.wav", bonus, 0.8, 0.002, 0.06),
)


def make(recipe, level, fade_in, fade_out):
    """Runs a recipe and finishes it: no DC, short fades against clicks, a fixed peak level."""
    return normalize(fade(remove_dc(recipe()), fade_in, fade_out), level)
