"""The master bus of the music: clean low end, even loudness, soft peaks, a fixed peak level."""

import numpy as np

from dsp import fft_filter, highpass

PEAK = 0.84          # about -1.5 dB: room for the encoder's overshoots on sharp bells and drums
LOUDNESS = 0.2       # RMS the mix is brought to before its peaks are softened
KNEE = 0.6


def soft_limit(signal, knee=KNEE):
    """Leaves everything below the knee alone and bends the peaks above it smoothly below 1."""
    magnitude = np.abs(signal)
    over = magnitude > knee
    bent = knee + (1 - knee) * np.tanh((magnitude - knee) / (1 - knee))
    return np.where(over, np.sign(signal) * bent, signal)


def master(mix):
    """Masters one loop period (stereo); the filters wrap around, so the loop stays seamless."""
    mix = fft_filter(mix, highpass(35), circular=True)
    mix = mix - mix.mean(axis=0)
    mix = mix * (LOUDNESS / np.sqrt(np.mean(mix ** 2)))
    mix = soft_limit(mix)
    return mix * (PEAK / np.max(np.abs(mix)))
