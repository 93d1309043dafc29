"""LETO: a bouncy summer tune in G major; whistling square lead, off-beat stabs, marimba."""

from parts import Bass, Comp, Drums, Melody
from sequencer import Section, Song

BASS = Bass("bass", "R/2' r/2 5/2' R/2' 8/2' r/2 5/2' 3/2'", low=40, level=0.85)
STABS = Comp("stab", "r/2 x/2' r/2 x/2' r/2 x/2' r/2 x/2'", low=62, level=0.3, pan=0.35, reverb=0.15)
MARIMBA = Comp("marimba", "1/2 2/2 3/2 4/2 5/2 4/2 3/2 2/2", low=67, level=0.3, pan=-0.35, echo=0.15)
PAD = Comp("strings", "x/16", low=59, level=0.12, pan=0.0, reverb=0.3)

BEAT = {
    "kick":    "x.....x.x.......",
    "clap":    "....x.......x...",
    "shaker":  "xoxoxoxoxoxoxoxo",
    "openhat": "..x...x...x...x.",
}
GROOVE = Drums(BEAT, level=0.75)
GROOVE_FILL = Drums(BEAT, level=0.75, fill={"kick": "x.....x.x.......", "snare": "........x.x.xxxx",
                                "shaker": "xoxoxoxo........"})
CRASH = Drums({"crash": "x" + "." * 127})
INTRO_BEAT = Drums({"kick": "x.......x.......", "shaker": "xoxoxoxoxoxoxoxo"},
                   fill={"kick": "x.......x.......", "snare": "........xoxoxxxx"})
BREAK_BEAT = Drums({"kick": "x.......x.......", "clap": "....x.......x..x", "hat": "x.x.x.x.x.x.x.x."})

THEME = ("d5/2' g5/2' b5/2' d6/4 b5/2 g5/2 a5/2 | b5/6 a5/2 f#5/4 d5/4 | "
         "e5/2' g5/2' c6/2' e6/4 d6/2 c6/2 b5/2 | a5/8 r/4 f#5/2 a5/2 | "
         "g5/2' b5/2' d6/2' g6/4 f#6/2 e6/2 d6/2 | e6/6 d6/2 b5/4 g5/4 | c6/4 a5/4 f#5/4 a5/4 | ")
THEME_ON = THEME + "g5/6 r/4 d5/2' e5/2' f#5/2'"
THEME_HOME = THEME + "g5/4 d6/4 g6/8"

SONG_B = ("e6/6 d6/2 c6/4 g5/4 | f#5/6 e5/2 d5/4 a5/4 | b5/6 a5/2 f#5/4 d6/4 | g5/2 a5/2 b5/8 r/4 | "
          "c6/6 b5/2 a5/4 e5/4 | f#5/6 g5/2 a5/4 c6/4 | b5/4 g5/4 c6/4 e6/4 | d6/8 c6/2 b5/2 a5/4")

CALL = "e5/2' g5/2' b5/4 r/8 | e5/2' g5/2' c6/4 r/8 | d5/2' g5/2' b5/4 r/8 | f#5/2' a5/2' d6/4 r/8"

ENDING = ("e5/2' g5/2' c6/4 r/8 | f#5/2' a5/2' d6/4 r/8 | g5/2' b5/2' d6/2' g6/4 r/6 | "
          "d6/4 c6/4 a5/4 f#5/4")

LEAD = dict(level=0.7, pan=0.05, echo=0.22, reverb=0.2)
A_CHORDS = "G | Bm | C | D | G | Em | Am7 D7 | G"
B_CHORDS = "C | D | Bm7 | Em | Am7 | D7 | Em C | D7"

SONG = Song(
    name="LETO", tempo=128, swing=0.12, echo_steps=3, echo_feedback=0.3, seed=200,
    sections={
        "intro": Section("G | Em | C | D7", [BASS, MARIMBA, INTRO_BEAT]),
        "a": Section(A_CHORDS, [BASS, STABS, MARIMBA, GROOVE, CRASH, Melody("square", THEME_ON, **LEAD)]),
        "a2": Section(A_CHORDS, [BASS, STABS, MARIMBA, GROOVE_FILL, Melody("square", THEME_HOME, **LEAD),
                                 Melody("flute", THEME_HOME, level=0.25, pan=-0.3, transpose=-12)]),
        "b": Section(B_CHORDS, [BASS, STABS, PAD, GROOVE_FILL, CRASH, Melody("square", SONG_B, **LEAD)]),
        "break": Section("Em | C | G | D", [BASS, BREAK_BEAT, MARIMBA,
                                           Melody("marimba", CALL, level=0.45, pan=0.3, echo=0.3)]),
        "a3": Section(A_CHORDS, [BASS, STABS, MARIMBA, PAD, GROOVE, CRASH, Melody("square", THEME_ON, **LEAD),
                                 Melody("bell", THEME_ON, level=0.12, pan=0.4, transpose=12)]),
        "b2": Section(B_CHORDS, [BASS, STABS, MARIMBA, PAD, GROOVE_FILL, Melody("square", SONG_B, **LEAD),
                                 Melody("flute", SONG_B, level=0.25, pan=-0.3, transpose=-12)]),
        "ending": Section("C | D | G | D7", [BASS, STABS, INTRO_BEAT, Melody("square", ENDING, **LEAD)]),
    },
    order=["intro", "a", "a2", "b", "break", "a3", "b2", "ending"],
)
