"""Unit checks of the music generator: the note notation, the parts and the seamless loop."""

import os
import subprocess
import sys
import tempfile
import unittest

import numpy as np

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools", "sfx"))

from dsp import samples  # noqa: E402
from notation import NotationError, midi, parse_chord, parse_grid, parse_notes  # noqa: E402
from parts import Bass, Comp, Drums, Melody  # noqa: E402
from sequencer import Section, Song, render  # noqa: E402
from wav_file import read_wav, wav_bytes, write_wav  # noqa: E402


class Notation(unittest.TestCase):
    def test_pitches_follow_scientific_names(self):
        self.assertEqual(midi("c4"), 60)
        self.assertEqual(midi("a4"), 69)
        self.assertEqual(midi("f#5"), 78)
        self.assertEqual(midi("bb2"), 46)
        self.assertEqual(midi("b3"), 59)

    def test_notes_holds_and_marks(self):
        notes, steps = parse_notes("c5/4! r/4 e5/8 | -/4 g5/4' a5/8?", 16)
        self.assertEqual(steps, 32)
        self.assertEqual([(n.step, n.length, n.pitch) for n in notes], [(0, 4, 72), (8, 12, 76), (20, 4, 79), (24, 8, 81)])
        self.assertEqual([n.velocity for n in notes], [1.0, 0.8, 0.8, 0.55])
        self.assertEqual([n.short for n in notes], [False, False, True, False])

    def test_a_bar_that_does_not_add_up_is_named(self):
        with self.assertRaisesRegex(NotationError, "lead: bar 2 holds 12 steps, not 16"):
            parse_notes("c5/16 | c5/4 d5/8", 16, "lead")
        with self.assertRaisesRegex(NotationError, "bad note 'h5/4' in bar 1"):
            parse_notes("h5/4 c5/12", 16)
        with self.assertRaisesRegex(NotationError, "a hold with nothing to hold"):
            parse_notes("r/4 -/12", 16)

    def test_chords_and_slash_basses(self):
        chord = parse_chord("F#m7")
        self.assertEqual((chord.root, chord.intervals, chord.bass), (6, (0, 3, 7, 10), 6))
        self.assertEqual(parse_chord("C/E").bass, 4)
        self.assertEqual(parse_chord("Bb").root, 10)
        with self.assertRaisesRegex(NotationError, "unknown chord 'Cxyz'"):
            parse_chord("Cxyz")

    def test_drum_grids_must_be_whole_bars(self):
        hits, steps = parse_grid("X.x.|o...|....|x...", 16)
        self.assertEqual((hits, steps), ([(0, 1.0), (2, 0.75), (4, 0.45), (12, 0.75)], 16))
        with self.assertRaisesRegex(NotationError, "not whole bars"):
            parse_grid("x.x.x.", 16)
        with self.assertRaisesRegex(NotationError, "bad drum cell"):
            parse_grid("x.x.x.x.x.x.x.x?", 16)


class Parts(unittest.TestCase):
    chords = [[parse_chord("C")], [parse_chord("G7")]]

    def test_bass_follows_the_chords_and_leads_into_the_next(self):
        events = Bass("bass", "R/4 5/4 8/4 A/4", low=36).events(self.chords, 32, 16, parse_chord("F"))
        self.assertEqual([e[2] for e in events], [36, 43, 48, 42, 43, 50, 55, 40])

    def test_comping_voices_chords_above_the_low_note(self):
        whole = Comp("pad", "x/16", low=55).events(self.chords, 32, 16, None)
        self.assertEqual([e[2] for e in whole], [55, 60, 64, 55, 59, 62, 65])
        arpeggio = Comp("harp", "1/4 3/4 4/4 r/4", low=60).events(self.chords[:1], 16, 16, None)
        self.assertEqual([e[2] for e in arpeggio], [60, 67, 72])
        power = Comp("guitar", "x/16", low=52, power=True).events(self.chords[1:], 16, 16, None)
        self.assertEqual([e[2] for e in power], [55, 62, 67])

    def test_drum_fill_replaces_only_the_last_bar(self):
        drums = Drums({"kick": "x..............."}, fill={"snare": "....x..........."})
        events = drums.events(self.chords * 2, 64, 16, None)
        self.assertEqual(sorted((e[0], e[2]) for e in events), [(0, "kick"), (16, "kick"), (32, "kick"), (52, "snare")])

    def test_a_melody_must_fill_its_section(self):
        with self.assertRaisesRegex(NotationError, "16 steps of notes in a section of 32"):
            Melody("flute", "c5/16").events(self.chords, 32, 16, None)


def tiny_song(**changes):
    settings = dict(name="TEST", tempo=120, swing=0.0, seed=7, sections={
        "a": Section("C | G", [Melody("strings", "r/16 | r/8 g5/8"), Bass("bass", "R/8 5/8")])},
        order=["a"])
    settings.update(changes)
    return Song(**settings)


class Loop(unittest.TestCase):
    def test_swing_pushes_only_the_off_beat_eighths(self):
        song = tiny_song(swing=0.5)
        self.assertAlmostEqual(song.seconds(4), 0.5)
        self.assertAlmostEqual(song.seconds(2), 2.5 * song.step_seconds)
        self.assertAlmostEqual(song.seconds(1), 1.25 * song.step_seconds)
        self.assertLess(song.seconds(2), song.seconds(3))

    def test_the_loop_has_the_length_of_its_bars(self):
        self.assertEqual(len(render(tiny_song())), samples(4.0))

    def test_what_rings_past_the_end_is_heard_at_the_start(self):
        # Only the strings' last note plays, dry: the first half bar hears nothing but its release.
        song = tiny_song(sections={"a": Section("C | G", [Melody("strings", "r/16 | r/8 g5/8", reverb=0.0)])})
        loop = render(song)
        start = np.sqrt(np.mean(loop[:samples(0.1)] ** 2))
        self.assertGreater(start, 0.05 * np.sqrt(np.mean(loop[-samples(0.1):] ** 2)))
        self.assertLess(np.sqrt(np.mean(loop[samples(0.9):samples(1.0)] ** 2)), 0.2 * start)
        joined = np.concatenate([loop[-100:], loop[:100]])
        steps = np.abs(np.diff(joined, axis=0))
        self.assertLessEqual(steps[99].max(), steps.max())

    def test_rendering_is_repeatable(self):
        self.assertEqual(wav_bytes(render(tiny_song())), wav_bytes(render(tiny_song())))


class Files(unittest.TestCase):
    def test_wav_round_trip_of_mono_and_stereo(self):
        with tempfile.TemporaryDirectory() as scratch:
            for shape in ((100,), (100, 2)):
                signal = np.linspace(-1, 1, np.prod(shape)).reshape(shape)
                path = os.path.join(scratch, "x.wav")
                write_wav(path, signal * 1.5)
                rate, back = read_wav(path)
                self.assertEqual(rate, 22050)
                self.assertEqual(back.shape, signal.shape)
                self.assertLessEqual(np.max(np.abs(back)), 1.0)
                np.testing.assert_allclose(back, np.clip(signal * 1.5, -1, 1), atol=1 / 32767)

    def test_unknown_sound_names_are_refused_with_a_message(self):
        result = subprocess.run([sys.executable, os.path.join(ROOT, "tools", "sfx", "make_sfx.py"),
                                 "--only", "nosuch.wav", "--out", tempfile.gettempdir()],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 2)
        self.assertIn("no such sound: nosuch.wav", result.stderr)


if __name__ == "__main__":
    unittest.main()
