"""The melodic instruments of the music (and of the jingles among the effects).

Most instruments are one row of INSTRUMENTS: a bright and a settled spectrum that the note morphs
between, an envelope, vibrato and detuning. Bells, marimba and electric piano have their own small
recipes. Every instrument is called as play(name, frequency Hz, gate seconds, velocity 0..1) and
returns a mono note that includes its release tail.
"""

from dataclasses import dataclass
from functools import lru_cache

import numpy as np

from dsp import adsr, fft_filter, highpass, noise, partials, samples, time_axis, wavetable


def saw(count, tilt=1.0):
    return tuple(1 / k ** tilt for k in range(1, count + 1))


def square(count, tilt=1.0, even=0.0):
    return tuple((1 if k % 2 else even) / k ** tilt for k in range(1, count + 1))


def soft(*amps):
    return tuple(amps)


@dataclass(frozen=True)
class Tone:
    """A note's recipe. It starts with the bright spectrum and settles into the other one with the
    time constant morph (seconds); a negative morph runs the other way, so the tone opens up after
    its attack, as brass does. Envelope times are in seconds, vibrato depth a fraction of the pitch,
    detune in cents between two voices, drive the amount of soft saturation, breath a noise level."""
    bright: tuple
    settled: tuple
    morph: float
    attack: float
    decay: float
    sustain: float
    release: float
    vibrato: float = 0.0
    vibrato_rate: float = 5.5
    vibrato_delay: float = 0.3
    detune: float = 0.0
    drive: float = 0.0
    breath: float = 0.0


INSTRUMENTS = {
    # soft whistling lead with a breathy edge and a late vibrato
    "flute": Tone(soft(1, .35, .12, .06, .03), soft(1, .2, .05, .02), .08, .03, .3, .8, .08,
                  vibrato=.006, vibrato_rate=5.2, breath=.06),
    # hollow square lead, a little nasal
    "square": Tone(square(24, 1.0, .15), square(16, 1.3, .1), .15, .008, .25, .7, .06,
                   vibrato=.005, vibrato_rate=5.8, vibrato_delay=.2),
    # bright saw lead for the boss fight, slightly detuned and driven
    "sawlead": Tone(saw(40, .9), saw(30, 1.1), .2, .005, .2, .75, .05,
                    vibrato=.004, vibrato_rate=6.2, vibrato_delay=.15, detune=6, drive=.6),
    # warm brass: the spectrum opens after the attack
    "brass": Tone(saw(30, 1.0), saw(24, 1.35), -.06, .04, .4, .8, .1,
                  vibrato=.005, vibrato_rate=5.0, vibrato_delay=.35, detune=4),
    # slow string pad, wide and soft
    "strings": Tone(saw(24, 1.4), saw(24, 1.6), .3, .25, 1.0, .85, .35,
                    vibrato=.004, vibrato_rate=4.8, vibrato_delay=.1, detune=9),
    # airy synth pad
    "pad": Tone(saw(16, 1.7), saw(12, 2.0), .5, .35, 1.5, .8, .5, detune=12),
    # round bass that starts with a pluck
    "bass": Tone(saw(20, 1.1), soft(1, .35, .12, .05), .06, .004, .35, .55, .05),
    # buzzing driven bass for the boss fight
    "drivebass": Tone(saw(28, 1.0), saw(10, 1.4), .08, .003, .2, .6, .04, detune=5, drive=.9),
    # short stabbed chord tone, for off-beat guitar-like comping
    "stab": Tone(saw(20, 1.2), saw(10, 1.6), .05, .003, .08, .25, .04),
    # overdriven power-chord guitar
    "guitar": Tone(saw(30, 1.0), saw(20, 1.2), .1, .004, .3, .6, .06, detune=8, drive=2.5),
    # reed organ for the ending
    "organ": Tone(soft(1, .6, .5, .2, .25, .1, .12, .05), soft(1, .6, .5, .2, .25, .1, .12, .05), 1.0,
                  .02, .1, 1.0, .06, vibrato=.003, vibrato_rate=6.5, vibrato_delay=0),
}


@lru_cache(maxsize=None)
def _breath():
    """Two seconds of airy noise (RMS 1/3) that breathy instruments mix in."""
    hiss = fft_filter(noise(samples(2.0), 5), highpass(1500))
    return hiss / (3 * np.sqrt(np.mean(hiss ** 2)))


def _vibrato(n, tone):
    if not tone.vibrato:
        return 1.0
    t = time_axis(n)
    depth = tone.vibrato * np.clip((t - tone.vibrato_delay) / 0.25, 0, 1)
    return 1 + depth * np.sin(2 * np.pi * tone.vibrato_rate * t)


def _tone(tone, freq, gate, velocity):
    n = samples(gate + 4 * tone.release)
    freq_curve = freq * _vibrato(n, tone)
    voices = (-tone.detune, tone.detune) if tone.detune else (0.0,)
    body = np.zeros(n)
    t = time_axis(n)
    opening = np.exp(-t / abs(tone.morph))
    if tone.morph < 0:
        opening = 1 - opening
    for cents in voices:
        f = freq_curve * 2 ** (cents / 1200)
        settled = wavetable(f, n, tone.settled)
        bright = wavetable(f, n, tone.bright)
        body += settled + (bright - settled) * opening
    body /= len(voices)
    if tone.drive:
        body = np.tanh(body * (1 + tone.drive)) / np.tanh(1 + tone.drive)
    if tone.breath:
        body += tone.breath * np.resize(_breath(), n)
    env = adsr(n, tone.attack, tone.decay, tone.sustain, gate, tone.release)
    return body * env * velocity


# Glockenspiel-like bar: partial ratios and decay times
BELL = ((1.0, 1.0, 1.1), (2.76, .45, .35), (5.40, .25, .15), (8.93, .12, .08), (2.0, .15, .6))
# celesta / music box: softer upper partials
CELESTA = ((1.0, 1.0, .9), (2.0, .2, .4), (3.0, .08, .2), (4.16, .1, .12))
# marimba: wooden bar with its tuned overtones
MARIMBA = ((1.0, 1.0, .35), (3.93, .25, .07), (9.2, .08, .03))
# bowed-metal gong for the final tick
GONG = ((1.0, 1.0, 1.2), (1.48, .6, .9), (2.02, .45, .7), (2.44, .35, .5), (3.03, .25, .4),
        (4.1, .15, .3), (5.2, .1, .2))


def _struck(table, freq, gate, velocity, seed):
    n = samples(min(max(gate + .3, .4), 2.5) + max(d for _, _, d in table))
    rows = [(freq * ratio, amp, decay) for ratio, amp, decay in table]
    body = partials(n, rows)
    strike = fft_filter(noise(samples(.01), seed), highpass(3000)) * .15
    body[:len(strike)] += strike * np.linspace(1, 0, len(strike))
    attack = np.minimum(1, time_axis(n) / .002)
    damp = np.where(time_axis(n) > gate + .25, np.exp(-(time_axis(n) - gate - .25) / .15), 1.0)
    return body * attack * damp * velocity


def _epiano(freq, gate, velocity):
    """Tine piano: a sine carrier whose 1:1 modulator fades, so the note mellows as it rings."""
    n = samples(gate + .6)
    t = time_axis(n)
    index = (.3 + 1.5 * velocity) * np.exp(-t / .25)
    phase = 2 * np.pi * freq * t
    body = np.sin(phase + index * np.sin(phase)) + .25 * np.sin(2 * phase) * np.exp(-t / .1)
    env = adsr(n, .003, .9, .35, gate, .15) * np.exp(-t / 2.5)
    return body * env * velocity


STRUCK = {"bell": BELL, "celesta": CELESTA, "marimba": MARIMBA, "gong": GONG}


def _render(name, freq, gate, velocity, seed):
    if name in INSTRUMENTS:
        return _tone(INSTRUMENTS[name], freq, gate, velocity)
    if name in STRUCK:
        return _struck(STRUCK[name], freq, gate, velocity, seed)
    if name == "epiano":
        return _epiano(freq, gate, velocity)
    raise KeyError(f"unknown instrument {name!r}")


def play(name, freq, gate, velocity=0.8, seed=0):
    """One note; its last 5 ms fade to silence, so that a note cut at the end of its tail never clicks."""
    note = _render(name, freq, gate, velocity, seed)
    end = min(len(note), samples(0.005))
    note[len(note) - end:] *= np.linspace(1, 0, end)
    return note

