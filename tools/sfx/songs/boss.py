"""BOSS: a driving fight theme in E minor; driven bass ostinato, power chords, saw lead."""

from parts import Bass, Comp, Drums, Melody
from sequencer import Section, Song

OSTINATO = Bass("drivebass", "R/2' R/2' 8/2' R/2' R/2' 5/2' 8/2' 5/2'", low=40, level=0.75)
POWER = Comp("guitar", "x/3' x/3' x/2' r/2 x/2' x/4'", low=52, level=0.22, pan=-0.35, power=True, reverb=0.1)
POWER_HELD = Comp("guitar", "x/16", low=52, level=0.18, pan=-0.35, power=True, reverb=0.15)
TENSION = Comp("strings", "x/16", low=60, level=0.16, pan=0.35, reverb=0.35)
PULSE = Comp("stab", "5/2' 8/2' 5/2' 8/2' 5/2' 8/2' 5/2' 8/2'", low=64, level=0.12, pan=0.4, echo=0.2)

DRIVE = {"kick": "x...x...x...x...", "snare": "....X.......X...", "hat": "xoxoxoxoxoxoxoxo",
         "openhat": "..............x."}
FILL = {"kick": "x...x...x...x...", "snare": "....X...xoxoXxXx", "tomhigh": "..........x.....",
        "tomlow": "..............x."}
BEAT_FILL = Drums(DRIVE, level=0.8, fill=FILL)
CRASH = Drums({"crash": "x" + "." * 127})
HALF_TIME = Drums({"kick": "x.........x.....", "snare": "........X.......", "ride": "x.x.x.x.x.x.x.x."},
                  fill={"snare": "xoxoxoxoXoXoXXXX", "kick": "x...x...x...x..."})
TICKING = Drums({"hat": "x.x.x.x.x.x.x.x.", "kick": "x.......x.......", "wood": "....x.......x..."},
                fill={"kick": "x...x...x...x...", "tomhigh": "x.x.x.x.........", "tomlow": "........x.x.x.x."})
BUILD = Drums({"kick": "x...x...x...x...", "snare": "....x.......x..."},
              fill={"snare": "x.x.x.x.xxxxXXXX", "kick": "x...x...x...x..."})

RIFF = ("e5/2' e5/2' g5/2' e5/2' a5/2' e5/2' b5/4 | c6/4 b5/2 a5/2 g5/4 f#5/4 | "
        "e5/2' e5/2' g5/2' e5/2' c6/2' e5/2' b5/4 | a5/4 f#5/2 d5/2 a5/8 | "
        "e6/6 d#6/2 e6/4 b5/4 | g5/6 f#5/2 e5/8 | ")
RIFF_ONE = RIFF + "f5/4 a5/4 c6/4 f6/4 | d#6/6 c6/2 b5/4 a5/4"
RIFF_TWO = RIFF + "f6/4 e6/2 c6/2 a5/4 f5/4 | f#5/4 a5/4 b5/4 d#6/4"

CLIMB = "a5/12 c6/4 | e6/8 d6/4 c6/4 | b5/12 g5/4 | e5/16 | f5/4 a5/4 c6/4 e6/4 | f6/8 e6/4 c6/4 | " \
        "b5/4 d#6/4 f#6/4 a6/4 | b6/16"

TURN = "e6/4 b5/4 g5/4 e5/4 | c6/4 g5/4 e5/4 c5/4 | f5/2 a5/2 c6/2 f6/2 a6/8 | b6/8 a6/4 f#6/4"

LEAD = dict(level=0.7, pan=0.1, echo=0.2, reverb=0.15)
A_CHORDS = "Em | Em | C | D | Em | Em | F | B7"

SONG = Song(
    name="BOSS", tempo=152, echo_steps=3, echo_feedback=0.3, reverb_size=0.8, seed=400,
    sections={
        "intro": Section("Em | Em | F | B7", [OSTINATO, TICKING, TENSION]),
        "a": Section(A_CHORDS, [OSTINATO, POWER, BEAT_FILL, CRASH, Melody("sawlead", RIFF_ONE, **LEAD)]),
        "a2": Section(A_CHORDS, [OSTINATO, POWER, PULSE, BEAT_FILL, CRASH, Melody("sawlead", RIFF_TWO, **LEAD)]),
        "b": Section("Am | Am | Em | Em | F | F | B7 | B7", [
            OSTINATO, POWER_HELD, TENSION, HALF_TIME, CRASH,
            Melody("brass", CLIMB, level=0.7, pan=0.1, echo=0.25, reverb=0.25)]),
        "break": Section("Em | C | F | B7", [OSTINATO, PULSE, TENSION, BUILD]),
        "a3": Section(A_CHORDS, [OSTINATO, POWER, PULSE, TENSION, BEAT_FILL, CRASH,
                                 Melody("sawlead", RIFF_TWO, **LEAD),
                                 Melody("square", RIFF_TWO, level=0.15, pan=-0.3, transpose=-12)]),
        "turn": Section("Em | C | F | B7", [OSTINATO, POWER, BEAT_FILL, Melody("sawlead", TURN, **LEAD)]),
    },
    order=["intro", "a", "a2", "b", "break", "a3", "turn"],
)
