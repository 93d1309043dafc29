"""The parts a section of a piece is made of. Each turns its text into timed events:
(step, length in steps, what to play, velocity, short) where "what" is a MIDI pitch or a drum name.
"""

from dataclasses import dataclass, field

from notation import NotationError, chord_at, parse_grid, parse_notes, parse_pattern


def _place(pitch_class, low):
    """The pitch of that pitch class in the octave that starts at MIDI note low."""
    return low + (pitch_class - low) % 12


@dataclass
class Melody:
    """A written line of notes: lead, counter-melody or any figure that does not follow the chords."""
    instrument: str
    notes: str
    level: float = 1.0
    pan: float = 0.0
    echo: float = 0.0
    reverb: float = 0.2
    transpose: int = 0
    legato: float = 0.92

    def events(self, chords, steps, steps_per_bar, following):
        notes, length = parse_notes(self.notes, steps_per_bar, self.instrument)
        if length != steps:
            raise NotationError(f"{self.instrument}: {length} steps of notes in a section of {steps}")
        return [(n.step, n.length, n.pitch + self.transpose, n.velocity, n.short) for n in notes]


@dataclass
class Bass:
    """A bar pattern that follows the chords: R root (or the written bass), 3, 5, 7 chord tones,
    8 the octave, L the fifth below, A a half-step lead into the next chord, r a rest."""
    instrument: str
    pattern: str
    low: int = 38
    level: float = 1.0
    pan: float = 0.0
    echo: float = 0.0
    reverb: float = 0.05
    legato: float = 0.85

    def events(self, chords, steps, steps_per_bar, following):
        pattern, cycle = parse_pattern(self.pattern, steps_per_bar, self.instrument)
        out = []
        for start in range(0, steps, cycle):
            for step, length, symbol, velocity, short in pattern:
                at = start + step
                if at >= steps:
                    break
                chord = chord_at(chords, at, steps_per_bar)
                root = _place(chord.bass, self.low)
                tones = [_place(chord.root + i, root) for i in chord.intervals]
                if symbol == "R":
                    pitch = root
                elif symbol in ("3", "5", "7"):
                    index = {"3": 1, "5": 2, "7": 3}[symbol]
                    pitch = tones[index] if index < len(tones) else root + 12
                elif symbol == "8":
                    pitch = root + 12
                elif symbol == "L":
                    pitch = _place(chord.root + 7, root) - 12
                elif symbol == "A":
                    after = at + length
                    upcoming = chord_at(chords, after, steps_per_bar) if after < steps else following
                    pitch = _place(upcoming.bass, self.low) - 1
                else:
                    raise NotationError(f"{self.instrument}: bad bass symbol {symbol!r}")
                out.append((at, length, pitch, velocity, short))
        return out


@dataclass
class Comp:
    """Chords played to a bar pattern: x the whole chord, 1 2 3 ... single chord tones from the
    bottom up (numbers past the chord size go an octave higher), voiced from MIDI note low.
    A power comp plays only root, fifth and octave, as a driven guitar would."""
    instrument: str
    pattern: str
    low: int = 55
    level: float = 1.0
    pan: float = 0.0
    echo: float = 0.0
    reverb: float = 0.25
    legato: float = 0.9
    power: bool = False

    def events(self, chords, steps, steps_per_bar, following):
        pattern, cycle = parse_pattern(self.pattern, steps_per_bar, self.instrument)
        out = []
        for start in range(0, steps, cycle):
            for step, length, symbol, velocity, short in pattern:
                at = start + step
                if at >= steps:
                    break
                chord = chord_at(chords, at, steps_per_bar)
                if self.power:
                    root = _place(chord.root, self.low)
                    voicing = [root, root + 7, root + 12]
                else:
                    voicing = sorted(_place(chord.root + i, self.low) for i in chord.intervals)
                if symbol == "x":
                    out.extend((at, length, pitch, velocity * 0.7, short) for pitch in voicing)
                elif symbol.isdigit() and int(symbol) > 0:
                    octave, index = divmod(int(symbol) - 1, len(voicing))
                    out.append((at, length, voicing[index] + 12 * octave, velocity, short))
                else:
                    raise NotationError(f"{self.instrument}: bad comping symbol {symbol!r}")
        return out


@dataclass
class Drums:
    """Drum grids by drum name, repeated over the section; the fill grids replace them in the
    section's last bar."""
    grids: dict
    fill: dict = field(default_factory=dict)
    level: float = 1.0
    reverb: float = 0.08
    echo: float = 0.0
    instrument: str = "drums"

    def events(self, chords, steps, steps_per_bar, following):
        out = []
        last_bar = steps - steps_per_bar
        for name, grid in self.grids.items():
            hits, cycle = parse_grid(grid, steps_per_bar, name)
            for start in range(0, steps, cycle):
                out.extend((start + step, 1, name, velocity, True) for step, velocity in hits
                           if start + step < steps and not (self.fill and start + step >= last_bar))
        for name, grid in self.fill.items():
            hits, _ = parse_grid(grid, steps_per_bar, name)
            out.extend((last_bar + step, 1, name, velocity, True) for step, velocity in hits if step < steps_per_bar)
        return out
