"""Signal building blocks shared by the effects and the music: oscillators, envelopes, filters, delays.

Everything works on float64 NumPy arrays at SR samples per second; stereo is frames x 2.
Randomness always comes from a seeded generator, so every call gives the same samples.
"""

from functools import lru_cache

import numpy as np

SR = 22050
NYQUIST = SR / 2


def samples(seconds):
    return int(round(seconds * SR))


def time_axis(n):
    return np.arange(n) / SR


def noise(n, seed):
    return np.random.default_rng(seed).standard_normal(n)


def phase_of(freq, n):
    """Running phase in radians of a tone whose frequency (Hz) is a constant or a curve of n values."""
    if np.ndim(freq) == 0:
        return 2 * np.pi * freq * time_axis(n)
    return 2 * np.pi * np.cumsum(freq) / SR


def additive(freq, n, amps):
    """Sum of harmonics k = 1, 2, ... of freq; amps[k-1] is a constant or a curve of n values.

    Harmonics that would reach the top of the band at the tone's highest pitch are left out, so
    nothing aliases.
    """
    top = float(np.max(freq))
    phase = phase_of(freq, n)
    out = np.zeros(n)
    for k, amp in enumerate(amps, start=1):
        if k * top >= 0.45 * SR:
            break
        out += amp * np.sin(k * phase)
    return out


TABLE_SIZE = 4096


@lru_cache(maxsize=None)
def _cycle(amps, count):
    x = np.arange(TABLE_SIZE + 1) / TABLE_SIZE
    cycle = sum(a * np.sin(2 * np.pi * k * x) for k, a in enumerate(amps[:count], start=1))
    return cycle * (0.5 / np.sqrt(np.mean(cycle[:-1] ** 2)))


def wavetable(freq, n, amps):
    """A steady tone with the harmonic amplitudes amps (a tuple), read from one stored cycle.

    Every cycle is brought to the same loudness (RMS 0.5), so spectra can be swapped freely.
    Cheap for long notes and chords; like additive() it keeps every harmonic below the top of the
    band at the tone's highest pitch.
    """
    count = max(1, min(len(amps), int(0.45 * SR / float(np.max(freq)))))
    table = _cycle(tuple(amps), count)
    position = (phase_of(freq, n) / (2 * np.pi) % 1.0) * TABLE_SIZE
    index = position.astype(np.int64)
    frac = position - index
    return table[index] + frac * (table[index + 1] - table[index])


def partials(n, table, detune=1.0):
    """Inharmonic partials: table rows (frequency Hz, amplitude, decay time s) summed, each decaying."""
    t = time_axis(n)
    out = np.zeros(n)
    for freq, amp, decay in table:
        if freq * detune < 0.45 * SR:
            out += amp * np.sin(2 * np.pi * freq * detune * t) * np.exp(-t / decay)
    return out


def adsr(n, attack, decay, sustain, gate, release):
    """Attack/decay/sustain/release envelope of n samples; the key is held for gate seconds."""
    t = time_axis(n)
    env = np.where(t < attack, t / max(attack, 1e-6), sustain + (1 - sustain) * np.exp(-(t - attack) / max(decay, 1e-6)))
    held_level = env[min(samples(gate), n - 1)] if n else 0.0
    after = t >= gate
    env[after] = held_level * np.exp(-(t[after] - gate) / max(release, 1e-6))
    return env


def exp_decay(n, time_constant):
    return np.exp(-time_axis(n) / time_constant)


def fade(signal, fade_in, fade_out):
    """Raised-cosine fade in and out (seconds) over the first axis."""
    out = np.array(signal, dtype=np.float64)
    n = len(out)
    shape = (slice(None),) + (None,) * (out.ndim - 1)
    for length, edge in ((samples(fade_in), slice(0, None)), (samples(fade_out), slice(None, None, -1))):
        length = min(length, n)
        if length:
            ramp = 0.5 - 0.5 * np.cos(np.pi * np.arange(length) / length)
            view = out[edge]
            view[:length] *= ramp[shape]
    return out


def lowpass(cutoff, order=2):
    return lambda f: 1 / np.sqrt(1 + (f / cutoff) ** (2 * order))


def highpass(cutoff, order=2):
    return lambda f: 1 / np.sqrt(1 + (cutoff / np.maximum(f, 1e-3)) ** (2 * order))


def bandpass(center, q):
    """Resonance around center (Hz) with quality q (center / bandwidth)."""
    return lambda f: 1 / np.sqrt(1 + (q * (f / center - center / np.maximum(f, 1e-3))) ** 2)


def fast_size(n):
    """The smallest length of at least n whose only prime factors are 2, 3 and 5 (fast FFTs)."""
    best = 1 << int(np.ceil(np.log2(max(n, 1))))
    power5 = 1
    while power5 < best:
        power35 = power5
        while power35 < best:
            size = power35
            while size < n:
                size *= 2
            best = min(best, size)
            power35 *= 3
        power5 *= 5
    return best


def fft_filter(signal, gain, circular=False):
    """Zero-phase filter by a magnitude response gain(frequencies in Hz) along the first axis.

    A circular filter treats the signal as one period of a loop: a second of the loop's end is
    put before it and a second of its start after it, so the filter's ring wraps round the seam.
    Otherwise the signal is padded with silence so that nothing wraps from the end to the start.
    """
    n = len(signal)
    if circular:
        wrap = min(n, samples(1.0))
        signal = np.concatenate([signal[n - wrap:], signal, signal[:wrap]])
    else:
        wrap = 0
    size = fast_size(len(signal) + (0 if circular else n))
    spectrum = np.fft.rfft(signal, size, axis=0)
    response = gain(np.fft.rfftfreq(size, 1 / SR))
    if spectrum.ndim == 2:
        response = response[:, None]
    return np.fft.irfft(spectrum * response, size, axis=0)[wrap:wrap + n]


def sweeping_noise(n, centers, q, seed, bands=24, low=80.0, high=9000.0):
    """Noise through a band that follows the curve centers (Hz): a bank of fixed bands crossfaded."""
    source = noise(n, seed)
    grid = np.geomspace(low, high, bands)
    spacing = np.log2(grid[1] / grid[0])
    position = np.log2(np.clip(centers, low, high))
    out = np.zeros(n)
    for center in grid:
        weight = np.exp(-0.5 * ((position - np.log2(center)) / spacing) ** 2)
        if weight.max() > 1e-3:
            out += weight * fft_filter(source, bandpass(center, q))
    return out


def feedback_delay(signal, delay, feedback):
    """Comb: y[n] = x[n] + feedback * y[n - delay], computed a whole delay-length block at a time."""
    out = np.array(signal, dtype=np.float64)
    for start in range(delay, len(out), delay):
        stop = min(start + delay, len(out))
        out[start:stop] += feedback * out[start - delay:stop - delay]
    return out


def allpass(signal, delay, gain):
    """Schroeder all-pass: y[n] = -g x[n] + x[n - delay] + g y[n - delay], block by block."""
    x = np.asarray(signal, dtype=np.float64)
    out = -gain * x
    out[delay:] += x[:-delay]
    for start in range(delay, len(out), delay):
        stop = min(start + delay, len(out))
        out[start:stop] += gain * out[start - delay:stop - delay]
    return out


def pan(mono, position):
    """Constant-power pan: position -1 (left) to 1 (right), a constant or a curve."""
    angle = (np.asarray(position) + 1) * np.pi / 4
    return np.stack([mono * np.cos(angle), mono * np.sin(angle)], axis=1)


def mix_into(buffer, signal, start):
    """Adds signal into buffer at sample start, dropping what falls past its end."""
    start = int(start)
    length = min(len(signal), len(buffer) - start)
    if length > 0:
        buffer[start:start + length] += signal[:length]


def normalize(signal, level):
    top = float(np.max(np.abs(signal))) if len(signal) else 0.0
    return signal * (level / top) if top > 0 else signal


def remove_dc(signal):
    return signal - np.mean(signal, axis=0)


def midi_to_hz(note):
    return 440.0 * 2 ** ((note - 69) / 12)
