"""ZIMA: a winter waltz in D minor turning to F major; glockenspiel and celesta over strings,
sleigh bells on the beat."""

from parts import Bass, Comp, Drums, Melody
from sequencer import Section, Song

BASS = Bass("bass", "R/4' r/4 5/4'", low=38, level=0.8)
WALTZ = Comp("celesta", "r/4 x/4' x/4'", low=62, level=0.15, pan=-0.3, reverb=0.35)
HARP = Comp("celesta", "1/2 2/2 3/2 4/2 5/2 3/2", low=62, level=0.15, pan=-0.35, echo=0.25, reverb=0.35)
STRINGS = Comp("strings", "x/12", low=57, level=0.17, pan=0.25, reverb=0.45)

BELLS = Drums({"sleigh": "x...o...o...", "kick": "x...........", "brush": "....o...o..."})
BELLS_FILL = Drums({"sleigh": "x...o...o...", "kick": "x...........", "brush": "....o...o..."},
                   fill={"sleigh": "x.o.x.o.x.o.", "timpani": "x...........", "brush": "....x.x.x.xx"})
SLEIGH_ONLY = Drums({"sleigh": "x...o...o..."}, fill={"sleigh": "x.o.x.o.x.o.", "timpani": "x..........."})
SWELL = Drums({"timpani": "x..........." + "." * 84, "crash": "x..........." + "." * 84})

THEME = ("a5/8 d6/4 | f6/4 e6/4 d6/4 | c#6/8 e6/4 | a5/12 | g5/8 a5/4 | bb5/4 a5/4 g5/4 | f5/8 e5/4 | d5/12 | "
         "d6/8 g6/4 | e6/4 f6/4 g6/4 | a6/8 f6/4 | d6/12 | bb5/4 d6/4 g6/4 | f6/4 e6/4 c#6/4 | d6/12 | r/4 c#6/4 e6/4")
THEME_CHORDS = "Dm | Dm | A7 | A7 | A7 | A7 | Dm | Dm | Gm | C7 | F | Dm | Gm | A7 | Dm | A7"

MAJOR = ("c6/4 f6/4 a6/4 | a6/8 f6/4 | e6/4 g6/4 c7/4 | bb6/8 g6/4 | f6/4 bb6/4 d7/4 | d7/8 c7/4 | "
         "a6/4 g6/4 f6/4 | e6/8 g6/4 | c6/4 f6/4 a6/4 | c7/8 a6/4 | d6/4 f6/4 bb6/4 | d7/8 bb6/4 | "
         "bb6/4 a6/4 g6/4 | e6/4 g6/4 bb6/4 | a6/12 | e6/4 c#6/4 a5/4")
MAJOR_CHORDS = "F | F | C | C7 | Bb | Bb | F | C7 | F | F | Bb | Bb | Gm | C7 | F | A7"

BRIDGE = "d5/8 f5/4 | bb5/12 | g5/8 bb5/4 | d6/12 | eb6/8 bb5/4 | g5/12 | e5/4 g5/4 c#6/4 | e6/12"

SONG = Song(
    name="ZIMA", tempo=156, steps_per_bar=12, echo_steps=6, echo_feedback=0.4, reverb_size=1.3, seed=300,
    sections={
        "intro": Section("Dm | Dm | Gm | A7 | Dm | Dm | Gm | A7", [BASS, HARP, STRINGS, SLEIGH_ONLY]),
        "a": Section(THEME_CHORDS, [BASS, WALTZ, STRINGS, BELLS_FILL, SWELL,
                                    Melody("bell", THEME, level=0.42, pan=0.1, echo=0.3, reverb=0.3)]),
        "b": Section(MAJOR_CHORDS, [BASS, HARP, STRINGS, BELLS_FILL,
                                    Melody("bell", MAJOR, level=0.36, pan=0.1, echo=0.3, reverb=0.3),
                                    Melody("flute", MAJOR, level=0.3, pan=-0.15, transpose=-12, reverb=0.3)]),
        "bridge": Section("Bb | Bb | Gm | Gm | Eb | Eb | A7 | A7", [
            BASS, STRINGS, SLEIGH_ONLY,
            Comp("celesta", "1/4 3/4 5/4", low=62, level=0.2, pan=-0.35, echo=0.3),
            Melody("flute", BRIDGE, level=0.5, pan=0.05, echo=0.25, reverb=0.35)]),
        "a2": Section(THEME_CHORDS, [BASS, HARP, STRINGS, BELLS_FILL, SWELL,
                                     Melody("bell", THEME, level=0.4, pan=0.1, echo=0.3, reverb=0.3),
                                     Melody("strings", THEME, level=0.28, pan=-0.2, transpose=-12, reverb=0.4)]),
        "b2": Section(MAJOR_CHORDS, [BASS, WALTZ, STRINGS, BELLS_FILL,
                                     Melody("bell", MAJOR, level=0.36, pan=0.1, echo=0.3, reverb=0.3),
                                     Melody("celesta", MAJOR, level=0.25, pan=-0.3, transpose=-12, echo=0.2)]),
    },
    order=["intro", "a", "b", "bridge", "a2", "b2"],
)
