"""The text notation the pieces are written in.

Time is counted in steps of a sixteenth note. A note is "pitch/steps" with optional marks:
  c5/4   C of the fifth octave (c4 is middle C) for a quarter note; "f#4/2", "bb3/8" likewise
  r/4    a rest; -/4 holds the previous note four more steps (a tie across a bar line)
  marks  ! accent, ? soft, ' short (staccato)
A "|" marks a bar line and is checked: every bar must be full.
Chords are written one bar per "|": "F | Dm7 | Bb C7 | F/A" (two chords split the bar in halves).
"""

import re
from collections import namedtuple

NOTE_LETTERS = {"c": 0, "d": 2, "e": 4, "f": 5, "g": 7, "a": 9, "b": 11}

CHORD_QUALITIES = {
    "": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10), "maj7": (0, 4, 7, 11),
    "sus4": (0, 5, 7), "sus2": (0, 2, 7), "dim": (0, 3, 6), "aug": (0, 4, 8), "6": (0, 4, 7, 9),
    "m6": (0, 3, 7, 9), "add9": (0, 4, 7, 14), "9": (0, 4, 7, 10, 14), "5": (0, 7), "7sus4": (0, 5, 7, 10),
}

VELOCITIES = {"!": 1.0, "?": 0.55}
DEFAULT_VELOCITY = 0.8

Note = namedtuple("Note", "step length pitch velocity short")
Chord = namedtuple("Chord", "root intervals bass")

_TOKEN = re.compile(r"^(?P<what>[a-g](#|b)?\d|r|-)/(?P<length>\d+)(?P<marks>[!?']*)$")
_CHORD = re.compile(r"^(?P<root>[A-G](#|b)?)(?P<quality>[^/]*)(/(?P<bass>[A-G](#|b)?))?$")


class NotationError(ValueError):
    pass


def pitch_class(name):
    semitone = NOTE_LETTERS[name[0].lower()]
    if name[1:2] == "#":
        semitone += 1
    elif name[1:2] == "b":
        semitone -= 1
    return semitone % 12


def midi(name):
    """'c4' -> 60, 'f#5' -> 78, 'bb2' -> 46."""
    letter, rest = name[0], name[1:]
    semitone = NOTE_LETTERS[letter]
    if rest[:1] == "#":
        semitone, rest = semitone + 1, rest[1:]
    elif rest[:1] == "b" and len(rest) > 1:
        semitone, rest = semitone - 1, rest[1:]
    return 12 * (int(rest) + 1) + semitone


def _bars(text):
    return [bar.split() for bar in text.split("|")]


def parse_notes(text, steps_per_bar, where=""):
    """Note text -> list of Note; raises NotationError naming the bar that does not add up."""
    notes, step = [], 0
    for number, bar in enumerate(_bars(text), start=1):
        bar_start = step
        for token in bar:
            match = _TOKEN.match(token)
            if not match:
                raise NotationError(f"{where}: bad note {token!r} in bar {number}")
            length = int(match["length"])
            what, marks = match["what"], match["marks"]
            if what == "-":
                if not notes or notes[-1].step + notes[-1].length != step:
                    raise NotationError(f"{where}: a hold with nothing to hold in bar {number}")
                notes[-1] = notes[-1]._replace(length=notes[-1].length + length)
            elif what != "r":
                velocity = DEFAULT_VELOCITY
                for mark in marks:
                    velocity = VELOCITIES.get(mark, velocity)
                notes.append(Note(step, length, midi(what), velocity, "'" in marks))
            step += length
        if step - bar_start != steps_per_bar:
            raise NotationError(f"{where}: bar {number} holds {step - bar_start} steps, not {steps_per_bar}")
    return notes, step


def parse_chord(symbol):
    match = _CHORD.match(symbol)
    if not match or match["quality"] not in CHORD_QUALITIES:
        raise NotationError(f"unknown chord {symbol!r}")
    root = pitch_class(match["root"])
    bass = pitch_class(match["bass"]) if match["bass"] else root
    return Chord(root, CHORD_QUALITIES[match["quality"]], bass)


def parse_chords(text):
    """Chord text -> one list of chords per bar."""
    return [[parse_chord(symbol) for symbol in bar] for bar in _bars(text)]


def chord_at(bars, step, steps_per_bar):
    bar = bars[step // steps_per_bar % len(bars)]
    return bar[step % steps_per_bar * len(bar) // steps_per_bar]


def parse_pattern(text, steps_per_bar, where=""):
    """A one- or more-bar pattern of symbols: returns [(step, length, symbol, velocity, short)]."""
    events, step = [], 0
    for number, bar in enumerate(_bars(text), start=1):
        bar_start = step
        for token in bar:
            symbol, _, rest = token.partition("/")
            match = re.match(r"^(\d+)([!?']*)$", rest)
            if not symbol or not match:
                raise NotationError(f"{where}: bad pattern step {token!r} in bar {number}")
            length = int(match[1])
            if symbol != "r":
                velocity = DEFAULT_VELOCITY
                for mark in match[2]:
                    velocity = VELOCITIES.get(mark, velocity)
                events.append((step, length, symbol, velocity, "'" in match[2]))
            step += length
        if step - bar_start != steps_per_bar:
            raise NotationError(f"{where}: pattern bar {number} holds {step - bar_start} steps, not {steps_per_bar}")
    return events, step


GRID_VELOCITIES = {"X": 1.0, "x": 0.75, "o": 0.45}


def parse_grid(text, steps_per_bar, where=""):
    """A drum grid, one character a step ('X' accent, 'x' hit, 'o' ghost, '.' nothing; '|' ignored)."""
    cells = text.replace("|", "").replace(" ", "")
    if not cells or len(cells) % steps_per_bar:
        raise NotationError(f"{where}: a drum grid of {len(cells)} steps is not whole bars of {steps_per_bar}")
    hits = []
    for step, cell in enumerate(cells):
        if cell in GRID_VELOCITIES:
            hits.append((step, GRID_VELOCITIES[cell]))
        elif cell != ".":
            raise NotationError(f"{where}: bad drum cell {cell!r}")
    return hits, len(cells)
