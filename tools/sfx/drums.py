"""The drum kit: every hit is synthesised once per piece and reused (a drum machine does the same)."""

from functools import lru_cache

import numpy as np

from dsp import SR, bandpass, exp_decay, fft_filter, highpass, lowpass, noise, partials, samples, time_axis


def _sweep_sine(n, start_hz, end_hz, fall):
    t = time_axis(n)
    freq = end_hz + (start_hz - end_hz) * np.exp(-t / fall)
    return np.sin(2 * np.pi * np.cumsum(freq) / SR)


def kick():
    n = samples(.35)
    body = _sweep_sine(n, 150, 48, .035) * exp_decay(n, .16)
    click = fft_filter(noise(n, 11), highpass(2500)) * exp_decay(n, .004) * .25
    return np.tanh(1.5 * (body + click))


def snare():
    n = samples(.25)
    tone = (np.sin(2 * np.pi * 190 * time_axis(n)) + .5 * np.sin(2 * np.pi * 330 * time_axis(n))) * exp_decay(n, .05)
    rattle = fft_filter(noise(n, 12), lambda f: highpass(1200)(f) * lowpass(9000)(f)) * exp_decay(n, .07)
    return .55 * tone + .45 * rattle / np.max(np.abs(rattle))


def brush():
    n = samples(.22)
    swish = fft_filter(noise(n, 13), bandpass(4000, .8)) * np.minimum(1, time_axis(n) / .01) * exp_decay(n, .06)
    return swish / np.max(np.abs(swish))


def clap():
    n = samples(.25)
    source = fft_filter(noise(n, 14), bandpass(1300, 1.2))
    t = time_axis(n)
    env = sum(np.where(t >= d, np.exp(-(t - d) / .006), 0) for d in (0, .011, .022)) + np.where(t >= .03, np.exp(-(t - .03) / .07), 0)
    return source * env / np.max(np.abs(source * env))


def _metal(n, seed, low):
    source = fft_filter(noise(n, seed), highpass(low, 3))
    ring = partials(n, [(f, .2, 1.0) for f in (3170, 4430, 5210, 6810, 7370, 8240)])
    return source / np.max(np.abs(source)) + .35 * ring


def hat():
    n = samples(.07)
    return _metal(n, 15, 6500) * exp_decay(n, .018)


def open_hat():
    n = samples(.4)
    return _metal(n, 16, 6000) * exp_decay(n, .12)


def shaker():
    n = samples(.09)
    body = fft_filter(noise(n, 17), bandpass(6500, 1.5))
    return body / np.max(np.abs(body)) * np.minimum(1, time_axis(n) / .015) * exp_decay(n, .03)


def crash():
    n = samples(1.8)
    return _metal(n, 18, 3500) * exp_decay(n, .5) * .8


def ride():
    n = samples(.9)
    ping = partials(n, [(f, a, .5) for f, a in ((2950, .5), (4150, .4), (5300, .3), (6700, .2))])
    wash = fft_filter(noise(n, 19), highpass(5000, 3)) * exp_decay(n, .15) * .5
    return (ping + wash) * np.minimum(1, time_axis(n) / .001)


def _tom(pitch, seed):
    n = samples(.45)
    body = _sweep_sine(n, pitch * 1.6, pitch, .05) * exp_decay(n, .18)
    skin = fft_filter(noise(n, seed), bandpass(pitch * 4, 1.0)) * exp_decay(n, .02) * .3
    return body + skin


def tom_low():
    return _tom(95, 20)


def tom_mid():
    return _tom(135, 21)


def tom_high():
    return _tom(185, 22)


def timpani():
    n = samples(1.2)
    body = partials(n, [(98, 1.0, .55), (147, .45, .4), (196, .3, .3), (245, .12, .2)])
    thump = fft_filter(noise(n, 23), lowpass(600)) * exp_decay(n, .03)
    return body + thump / np.max(np.abs(thump)) * .4


def sleigh():
    """A handful of tiny jingle bells shaken once."""
    n = samples(.25)
    out = np.zeros(n)
    rng = np.random.default_rng(24)
    for i in range(9):
        start = samples(rng.uniform(0, .03))
        pitch = rng.uniform(4200, 7800)
        bell = partials(n - start, [(pitch, 1.0, .05), (pitch * 1.52, .5, .03)])
        out[start:] += bell
    hiss = fft_filter(noise(n, 25), highpass(7000)) * exp_decay(n, .04)
    return out / np.max(np.abs(out)) + .3 * hiss / np.max(np.abs(hiss))


def woodblock():
    n = samples(.12)
    return partials(n, [(1180, 1.0, .03), (2650, .4, .015)]) * np.minimum(1, time_axis(n) / .0008)


KIT = {
    "kick": kick, "snare": snare, "brush": brush, "clap": clap, "hat": hat, "openhat": open_hat,
    "shaker": shaker, "crash": crash, "ride": ride, "tomlow": tom_low, "tommid": tom_mid,
    "tomhigh": tom_high, "timpani": timpani, "sleigh": sleigh, "wood": woodblock,
}


@lru_cache(maxsize=None)
def hit(name):
    """The named drum as a mono sample with peak 1, made once."""
    sound = KIT[name]()
    sound = sound / np.max(np.abs(sound))
    sound[-samples(.01):] *= np.linspace(1, 0, samples(.01))
    sound.setflags(write=False)
    return sound


# Level and stereo position of each drum in the kit's mix.
MIX = {
    "kick": (1.0, 0.0), "snare": (.7, .05), "brush": (.45, .05), "clap": (.55, -.1),
    "hat": (.26, .3), "openhat": (.24, .3), "shaker": (.2, -.4), "crash": (.33, -.25),
    "ride": (.22, .35), "tomlow": (.7, -.3), "tommid": (.7, 0.0), "tomhigh": (.7, .3),
    "timpani": (.8, -.1), "sleigh": (.26, .35), "wood": (.3, -.3),
}
