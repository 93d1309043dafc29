"""Plays a piece written as data into one period of a seamless stereo loop.

The notes of the whole piece are rendered into a buffer longer than the loop; whatever rings past
the loop's end (release tails, the last cymbal) is folded back onto its start, and the echo and
reverb run over the loop as if it had already been playing, so the end flows into the start with
no seam.
"""

from dataclasses import dataclass

import numpy as np

import drums
import instruments
from dsp import SR, allpass, fft_filter, feedback_delay, highpass, lowpass, midi_to_hz, pan, samples
from mixdown import master
from notation import parse_chords
from parts import Drums

TAIL_SECONDS = 6.0
SETTLE_SECONDS = 8.0


@dataclass
class Section:
    chords: str
    parts: list


@dataclass
class Song:
    name: str
    tempo: float
    sections: dict
    order: list
    steps_per_bar: int = 16
    swing: float = 0.0          # how far (in steps) the off-beat eighths are pushed late
    echo_steps: int = 6         # echo delay in sixteenths
    echo_feedback: float = 0.35
    reverb_size: float = 1.0
    seed: int = 1

    @property
    def step_seconds(self):
        return 60.0 / self.tempo / 4

    def total_steps(self):
        return sum(len(parse_chords(self.sections[name].chords)) for name in self.order) * self.steps_per_bar

    def seconds(self, step):
        """The time of a step, with the off-beat eighths swung."""
        beat, within = divmod(step, 4)
        if within <= 2:
            warped = within * (2 + self.swing) / 2
        else:
            warped = 2 + self.swing + (within - 2) * (2 - self.swing) / 2
        return (beat * 4 + warped) * self.step_seconds

    def loop_samples(self):
        return samples(self.total_steps() * self.step_seconds)


class _Strips:
    """Mono mixing buffers, one per (pan, echo send, reverb send) setting."""

    def __init__(self, length):
        self.length = length
        self.buffers = {}

    def add(self, signal, start, pan_position, echo, reverb):
        key = (pan_position, echo, reverb)
        if key not in self.buffers:
            self.buffers[key] = np.zeros(self.length)
        buffer = self.buffers[key]
        stop = min(start + len(signal), self.length)
        if stop > start:
            buffer[start:stop] += signal[:stop - start]


def _note(cache, instrument, pitch, gate_samples, velocity, seed):
    key = (instrument, pitch, gate_samples, velocity)
    if key not in cache:
        cache[key] = instruments.play(instrument, midi_to_hz(pitch), gate_samples / SR, velocity, seed)
    return cache[key]


def _play_section(song, section, start_step, following, strips, cache, rng):
    chords = parse_chords(section.chords)
    steps = len(chords) * song.steps_per_bar
    for part in section.parts:
        for step, length, what, velocity, short in part.events(chords, steps, song.steps_per_bar, following):
            at = start_step + step
            onset = samples(song.seconds(at))
            accent = 1 + 0.05 * rng.uniform(-1, 1)
            if isinstance(part, Drums):
                level, position = drums.MIX[what]
                strips.add(drums.hit(what) * level * velocity * part.level * accent, onset,
                           position, part.echo, part.reverb)
                continue
            gate = samples((song.seconds(at + length) - song.seconds(at)) * (0.45 if short else part.legato))
            onset += samples(rng.uniform(0, 0.004))
            note = _note(cache, part.instrument, what, gate, velocity, song.seed)
            strips.add(note * part.level * accent, onset, part.pan, part.echo, part.reverb)


def _settled(process, signal):
    """Runs a time-invariant effect over a loop period as if the loop had been playing before."""
    settle = samples(SETTLE_SECONDS)
    history = np.concatenate([signal] * -(-settle // len(signal)))[-settle:]
    return process(np.concatenate([history, signal]))[len(history):]


def _echo(send, song):
    """Ping-pong echo: the first repeat on the left, the next on the right, and so on."""
    delay = samples(song.echo_steps * song.step_seconds)

    def run(x):
        first = np.concatenate([np.zeros(delay), x[:-delay]])
        left = feedback_delay(first, 2 * delay, song.echo_feedback ** 2)
        right = np.concatenate([np.zeros(delay), left[:-delay]]) * song.echo_feedback
        return np.stack([left, right], axis=1)

    darker = fft_filter(send, lambda f: lowpass(3500)(f) * highpass(200)(f), circular=True)
    return _settled(run, darker)


COMB_DELAYS = ((558, 594, 639, 678), (569, 605, 650, 689))
ALLPASS_DELAYS = (278, 110)


def _reverb(send, song):
    def run(x):
        sides = []
        for combs in COMB_DELAYS:
            wet = sum(feedback_delay(x, int(d * song.reverb_size), 0.80) for d in combs) / 4
            for d in ALLPASS_DELAYS:
                wet = allpass(wet, d, 0.5)
            sides.append(wet)
        return np.stack(sides, axis=1)

    darker = fft_filter(send, lambda f: lowpass(5000)(f) * highpass(250)(f), circular=True)
    return _settled(run, darker)


def render(song):
    """One period of the piece's loop as a mastered stereo signal."""
    loop = song.loop_samples()
    strips = _Strips(loop + samples(TAIL_SECONDS))
    cache = {}
    rng = np.random.default_rng(song.seed)
    step = 0
    for index, name in enumerate(song.order):
        section = song.sections[name]
        after = song.sections[song.order[(index + 1) % len(song.order)]]
        following = parse_chords(after.chords)[0][0]
        _play_section(song, section, step, following, strips, cache, rng)
        step += len(parse_chords(section.chords)) * song.steps_per_bar

    dry = np.zeros((loop, 2))
    echo_send = np.zeros(loop)
    reverb_send = np.zeros(loop)
    for (position, echo, reverb), buffer in strips.buffers.items():
        folded = buffer[:loop].copy()
        for start in range(loop, len(buffer), loop):
            tail = buffer[start:start + loop]
            folded[:len(tail)] += tail
        dry += pan(folded, position)
        echo_send += echo * folded
        reverb_send += reverb * folded
    mix = dry
    if echo_send.any():
        mix = mix + _echo(echo_send, song)
    if reverb_send.any():
        mix = mix + _reverb(reverb_send, song)
    return master(mix)
