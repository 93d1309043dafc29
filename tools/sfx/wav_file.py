"""Reading and writing 16-bit PCM WAV files, byte for byte the same on every run."""

import struct

import numpy as np

from dsp import SR


def to_pcm16(signal):
    """Float samples in [-1, 1] (mono: 1-D, stereo: frames x 2) as little-endian 16-bit integers."""
    clipped = np.clip(np.asarray(signal, dtype=np.float64), -1.0, 1.0)
    return np.round(clipped * 32767.0).astype("<i2")


def wav_bytes(signal, rate=SR):
    pcm = to_pcm16(signal)
    channels = 1 if pcm.ndim == 1 else pcm.shape[1]
    body = pcm.tobytes()
    block = channels * 2
    header = b"RIFF" + struct.pack("<I", 36 + len(body)) + b"WAVE"
    header += b"fmt " + struct.pack("<IHHIIHH", 16, 1, channels, rate, rate * block, block, 16)
    header += b"data" + struct.pack("<I", len(body))
    return header + body


def write_wav(path, signal, rate=SR):
    with open(path, "wb") as out:
        out.write(wav_bytes(signal, rate))


def read_wav(path):
    """Returns (rate, samples as floats in [-1, 1]: 1-D for mono, frames x channels otherwise)."""
    with open(path, "rb") as source:
        data = source.read()
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise ValueError(f"{path}: not a RIFF WAVE file")
    pos, fmt, body = 12, None, None
    while pos + 8 <= len(data):
        tag, size = data[pos:pos + 4], struct.unpack("<I", data[pos + 4:pos + 8])[0]
        chunk = data[pos + 8:pos + 8 + size]
        if tag == b"fmt ":
            fmt = struct.unpack("<HHIIHH", chunk[:16])
        elif tag == b"data":
            body = chunk
        pos += 8 + size + (size & 1)
    if fmt is None or body is None:
        raise ValueError(f"{path}: no fmt or data chunk")
    encoding, channels, rate, _, _, bits = fmt
    if encoding != 1 or bits != 16:
        raise ValueError(f"{path}: not 16-bit PCM (format {encoding}, {bits} bits)")
    samples = np.frombuffer(body, dtype="<i2").astype(np.float64) / 32767.0
    if channels > 1:
        samples = samples.reshape(-1, channels)
    return rate, samples
