"""MENU: an easy-going swung tune in F major for the menus; flute over electric piano."""

from parts import Bass, Comp, Drums, Melody
from sequencer import Section, Song

BASS = Bass("bass", "R/6 5/2 8/4 5/2 A/2", low=36, level=0.75)
PIANO = Comp("epiano", "x/6 x/4 r/2 x/4", low=57, level=0.3, pan=-0.3, reverb=0.3)
PAD = Comp("strings", "x/16", low=53, level=0.16, pan=0.25, reverb=0.4)

GROOVE = Drums({
    "kick":  "x......x..x.....",
    "brush": "....x.......x...",
    "hat":   "x.o.x.o.x.o.x.oo",
})
LIGHT = Drums({"hat": "x.o.x.o.x.o.x.o.", "wood": "......x.......x."}, level=0.8)
RIDE = Drums({
    "kick":  "x.........x.....",
    "brush": "....x.......x...",
    "ride":  "x...x.o.x...x.o.",
}, fill={"tomhigh": "........x.x.....", "tommid": "............x.x.", "snare": "..............xx"})

THEME = ("a5/4 c6/2 a5/2 g5/4 f5/4 | e5/3 g5/3 a5/2 c#6/4 a5/4 | d6/6 c6/2 a5/4 f5/4 | "
         "g5/4 eb5/4 f5/2 a5/6 | bb5/4 d6/2 c6/2 bb5/2 a5/2 g5/4 | db6/4 c6/4 bb5/2 g5/6 | ")
THEME_OPEN = THEME + "a5/4 f5/4 d6/4 c6/4 | bb5/3 a5/3 g5/2 e5/8"
THEME_CLOSE = THEME + "a5/4 c6/4 f6/4 e6/2 d6/2 | c6/4 a5/2 g5/2 e5/4 c5/4"

BRIDGE = ("d6/2 d6/2 d6/2 c6/2 d6/4 f6/4 | e6/4 c6/4 g5/4 bb5/4 | c6/2 c6/2 c6/2 b5/2 c6/4 e6/4 | "
          "d6/4 a5/4 f5/4 a5/4 | bb5/6 a5/2 g5/4 f5/4 | e5/4 g5/4 bb5/4 c6/4 | "
          "a5/8 f#5/2 a5/2 c6/2 d6/2 | bb5/4 g5/4 e5/4 c5/4")

TAG = "a5/4 c6/2 a5/2 g5/4 f5/4 | d5/4 f5/4 g5/4 bb5/4 | a5/8 f5/8 | g5/8 e5/8"

A_CHORDS = "Fmaj7 | Em7 A7 | Dm7 | Cm7 F7 | Bbmaj7 | Bbm6 | F/C Dm7 | Gm7 C7"

SONG = Song(
    name="MENU", tempo=100, swing=0.45, echo_steps=6, echo_feedback=0.35, seed=100,
    sections={
        "intro": Section("Fmaj7 | Dm7 | Gm7 | C7", [
            BASS, PIANO, LIGHT,
            Comp("celesta", "3/4 4/2 5/2 r/4 4/4", low=65, level=0.22, pan=0.35, echo=0.3)]),
        "a": Section(A_CHORDS, [
            BASS, PIANO, PAD, GROOVE,
            Melody("flute", THEME_OPEN, level=0.7, pan=0.05, echo=0.25, reverb=0.3)]),
        "a2": Section(A_CHORDS, [
            BASS, PIANO, PAD, GROOVE,
            Melody("flute", THEME_CLOSE, level=0.7, pan=0.05, echo=0.25, reverb=0.3),
            Melody("celesta", THEME_CLOSE, level=0.16, pan=0.4, transpose=12, echo=0.2)]),
        "b": Section("Bbmaj7 | C7 | Am7 | Dm7 | Gm7 | C7 | Am7 D7 | Gm7 C7", [
            BASS, PIANO, RIDE,
            Comp("strings", "x/16", low=55, level=0.22, pan=0.3, reverb=0.4),
            Melody("square", BRIDGE, level=0.45, pan=-0.1, echo=0.3, reverb=0.3)]),
        "a3": Section(A_CHORDS, [
            BASS, PIANO, GROOVE,
            Comp("strings", "x/8 x/8", low=60, level=0.2, pan=0.3, reverb=0.4),
            Melody("flute", THEME_CLOSE, level=0.7, pan=0.05, echo=0.25, reverb=0.3)]),
        "tag": Section("Dm7 | Gm7 | Bbmaj7 | C7sus4 C7", [
            BASS, PIANO, LIGHT, PAD,
            Melody("flute", TAG, level=0.45, pan=0.05, echo=0.35, reverb=0.35)]),
    },
    order=["intro", "a", "a2", "b", "a3", "tag"],
)
