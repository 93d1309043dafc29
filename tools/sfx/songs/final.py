"""FINAL: a warm, triumphant march in C major for the ending; brass over strings, timpani."""

from parts import Bass, Comp, Drums, Melody
from sequencer import Section, Song

BASS = Bass("bass", "R/6 R/2 5/4 R/4", low=36, level=0.65)
STRINGS = Comp("strings", "x/16", low=55, level=0.22, pan=-0.25, reverb=0.4)
HIGH_STRINGS = Comp("strings", "x/8 x/8", low=67, level=0.16, pan=0.3, reverb=0.4)
ORGAN = Comp("organ", "x/4 x/4 x/4 x/4", low=53, level=0.12, pan=0.3, reverb=0.3, legato=0.75)
HORNS = Comp("brass", "r/4 x/4' r/4 x/4'", low=55, level=0.16, pan=-0.35, reverb=0.25)

MARCH = {"kick": "x.......x.......", "snare": "....X..o....X.oo", "hat": "x.x.x.x.x.x.x.x."}
MARCH_BEAT = Drums(MARCH)
MARCH_FILL = Drums(MARCH, fill={"kick": "x.......x.......", "snare": "X.oo....xoxoXXXX",
                                "timpani": "x.......x......."})
CRASH = Drums({"crash": "x" + "." * 127, "timpani": "x" + "." * 127}, level=0.7)
ROLLS = Drums({"timpani": "x.......x.......", "snare": "..............oo"}, level=0.7,
              fill={"timpani": "o.o.o.o.oxoxoxxX", "snare": "....oooooooxxxXX"})

FANFARE = "r/16 | r/8 e5/2' e5/2' e5/2' a5/2 | c6/12 r/4 | d6/4 c6/4 b5/4 d6/4"

THEME = ("c5/4 e5/4 g5/6 c6/2 | b5/8 g5/4 d5/4 | a5/4 c6/4 e6/6 d6/2 | b5/12 g5/4 | "
         "a5/4 c6/4 f6/6 e6/2 | g6/8 e6/4 c6/4 | d6/4 f6/4 d6/2 b5/2 g5/4 | c6/12 r/4")
A_CHORDS = "C | G/B | Am | Em/G | F | C/E | Dm7 G7 | C"

HYMN = ("f5/4 a5/4 c6/6 a5/2 | b5/4 d6/4 g6/8 | g6/6 f6/2 e6/4 b5/4 | c6/12 a5/4 | "
        "d6/4 f6/4 a6/6 g6/2 | g6/8 d6/4 b5/4 | e6/4 g6/4 c#6/4 e6/4 | d6/4 f6/4 g6/4 b5/4")

GLORY = "a5/4 c6/4 f6/8 | b5/4 d6/4 g6/8 | c6/4 eb6/4 d6/4 f6/4 | e6/8 d6/8"

LEAD = dict(level=0.7, pan=0.05, echo=0.18, reverb=0.35)

SONG = Song(
    name="FINAL", tempo=92, echo_steps=8, echo_feedback=0.3, reverb_size=1.4, seed=500,
    sections={
        "intro": Section("C | Am | F | G", [BASS, STRINGS, ROLLS, Melody("brass", FANFARE, **LEAD)]),
        "a": Section(A_CHORDS, [BASS, STRINGS, HORNS, MARCH_BEAT, CRASH, Melody("brass", THEME, **LEAD)]),
        "b": Section("F | G | Em | Am | Dm | G | Em A7 | Dm7 G7", [
            BASS, STRINGS, ORGAN, MARCH_FILL, Melody("brass", HYMN, **LEAD),
            Melody("flute", HYMN, level=0.22, pan=-0.3, transpose=-12)]),
        "a2": Section(A_CHORDS, [BASS, STRINGS, HIGH_STRINGS, HORNS, MARCH_FILL, CRASH,
                                 Melody("brass", THEME, **LEAD),
                                 Melody("bell", THEME, level=0.14, pan=0.4, transpose=12)]),
        "glory": Section("F | G | Ab Bb | C G7", [BASS, STRINGS, ORGAN, HORNS, ROLLS,
                                                  Melody("brass", GLORY, **LEAD)]),
    },
    order=["intro", "a", "b", "a2", "glory"],
)
