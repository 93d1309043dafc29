"""Composes a demo file from a demo script, so that regression demos need no player at the
keyboard. The demo file format is described in src/demo/demo_file.h.

    /usr/bin/python3 tools/demos/compose.py SCRIPT [DEMO]

A script is a text file, one command a line, '#' starts a comment. Frames count from 0.

    set easy|medium|hard      the level set the game starts in (--set)
    level NAME                the level it starts at (--level)
    seed N                    the start-up tick count: the seed of rand() (default 1)
    difficulty N              the difficulty of video.cfg (default: that of the set)
    hints 0|1                 the hints switch (default 0: no hint window waits for a key)
    keys UP DOWN LEFT RIGHT SHOOT   the control keys (default w s a d space)
    highscore SCORE NAME      an entry of the top-ten table the game starts with (default: none)
    frames N                  the demo's length; the replay ends after its last frame
    duration MS               the duration of every frame (default 20)
    at F duration MS          the duration of frame F and of the frames after it
    at F down KEY             a key goes down in frame F
    at F up KEY               ... and up
    at F press KEY            down in frame F, up in the next
    at F hold KEY N           down in frame F, up N frames later
    at F mouse X Y            the mouse stands at (X, Y) from frame F on
    at F click X Y            the mouse moves to (X, Y) and its left button is pressed in frame F
                              and released in the next
    at F quit                 the window is closed
    every N from A to B COMMAND   the command (press, hold, click) in frames A, A+N, ... up to B

Keys are SDL key names: letters, digits, space, return, escape, tab, backspace, up, down,
left, right. The events of one frame keep the order of the script.
"""
import argparse
import struct
import sys
from pathlib import Path

SIGNATURE = b"ZEPODEMO"
VERSION = 1

KEYDOWN, KEYUP, MOUSEMOTION, MOUSEBUTTONDOWN, MOUSEBUTTONUP, QUIT = 2, 3, 4, 5, 6, 12
PRESSED, RELEASED = 1, 0
BUTTON_LEFT = 1

NAMED_KEYS = {"space": 32, "return": 13, "escape": 27, "tab": 9, "backspace": 8,
              "up": 273, "down": 274, "right": 275, "left": 276}
SETS = {"easy": 0, "medium": 1, "hard": 2}


class ScriptError(Exception):
    pass


def key_code(name):
    if name in NAMED_KEYS:
        return NAMED_KEYS[name]
    if len(name) == 1 and (name.islower() or name.isdigit()):
        return ord(name)
    raise ScriptError(f"unknown key {name!r}")


def typed_character(code):
    """The unicode value SDL gives a key going down (printable keys only)."""
    return code if 32 <= code < 127 or code in (8, 9, 13, 27) else 0


class Demo:
    def __init__(self):
        self.level_set = ""
        self.level = ""
        self.seed = 1
        self.difficulty = None
        self.hints = 0
        self.keys = [ord("w"), ord("s"), ord("a"), ord("d"), 32]
        self.high_scores = []  # (name, score) in table order
        self.frames = None
        self.duration = 20
        self.durations = {}   # frame -> duration from that frame on
        self.mouse = {}       # frame -> (x, y) from that frame on
        self.events = {}      # frame -> [event bytes] in script order

    def add(self, frame, event):
        self.events.setdefault(frame, []).append(event)

    def key(self, frame, code, down):
        fields = struct.pack("<BBBHHHHH", KEYDOWN if down else KEYUP, PRESSED if down else RELEASED, 0,
                             code, 0, typed_character(code) if down else 0, 0, 0)
        self.add(frame, fields)

    def click(self, frame, x, y):
        self.mouse[frame] = (x, y)
        self.add(frame, struct.pack("<BBBHHHHH", MOUSEMOTION, 0, 0, 0, 0, 0, x, y))
        self.add(frame, struct.pack("<BBBHHHHH", MOUSEBUTTONDOWN, BUTTON_LEFT, PRESSED, 0, 0, 0, x, y))
        self.add(frame + 1, struct.pack("<BBBHHHHH", MOUSEBUTTONUP, BUTTON_LEFT, RELEASED, 0, 0, 0, x, y))

    def encode(self):
        if self.frames is None:
            raise ScriptError("the script gives no 'frames' length")
        late = [f for f in list(self.events) + list(self.mouse) + list(self.durations) if f >= self.frames]
        if late:
            raise ScriptError(f"frame {min(late)} is beyond the demo's {self.frames} frames")
        difficulty = self.difficulty if self.difficulty is not None else SETS.get(self.level_set, 0)
        out = bytearray(SIGNATURE)
        out += struct.pack("<HIB", VERSION, difficulty, self.hints)
        out += struct.pack("<5H", *self.keys)
        out += struct.pack("<I", self.seed)
        for text in (self.level_set, self.level):
            out += struct.pack("<B", len(text)) + text.encode("ascii")
        out += struct.pack("<B", len(self.high_scores))
        for name, score in self.high_scores:
            out += struct.pack("<B", len(name)) + name.encode("latin-1") + struct.pack("<I", score)
        out += struct.pack("<I", self.frames)
        duration, mouse = self.duration, (0, 0)
        for frame in range(self.frames):
            duration = self.durations.get(frame, duration)
            mouse = self.mouse.get(frame, mouse)
            events = self.events.get(frame, [])
            out += struct.pack("<HBHHI", duration, 0, mouse[0], mouse[1], len(events))
            for event in events:
                out += event
        return bytes(out)


def first_frames(data, count):
    """The demo cut after its first count frames (a replay of it ends there)."""
    at = len(SIGNATURE) + 2 + 4 + 1 + 10 + 4
    for _ in range(2):                       # level set, level
        at += 1 + data[at]
    entries, at = data[at], at + 1
    for _ in range(entries):                 # top-ten table
        at += 1 + data[at] + 4
    total = struct.unpack_from("<I", data, at)[0]
    frames_at = at + 4
    at = frames_at
    for _ in range(min(count, total)):
        polls = struct.unpack_from("<I", data, at + 7)[0]
        at += 11
        for _ in range(polls):
            at += 1 if data[at] == 0 else 13
    return data[:frames_at - 4] + struct.pack("<I", min(count, total)) + data[frames_at:at]


def number(text, what):
    try:
        value = int(text, 0)
    except ValueError:
        raise ScriptError(f"{what} {text!r} is not a number") from None
    if value < 0:
        raise ScriptError(f"{what} {text} is negative")
    return value


def timed_command(demo, frame, words):
    """A command of an 'at' or 'every' line, in the given frame."""
    verb, args = words[0], words[1:]
    arity = {"down": 1, "up": 1, "press": 1, "hold": 2, "mouse": 2, "click": 2, "quit": 0, "duration": 1}
    if verb not in arity:
        raise ScriptError(f"unknown command {verb!r}")
    if len(args) != arity[verb]:
        raise ScriptError(f"{verb} takes {arity[verb]} value(s)")
    if verb in ("down", "up"):
        demo.key(frame, key_code(args[0]), verb == "down")
    elif verb == "press":
        demo.key(frame, key_code(args[0]), True)
        demo.key(frame + 1, key_code(args[0]), False)
    elif verb == "hold":
        demo.key(frame, key_code(args[0]), True)
        demo.key(frame + max(1, number(args[1], "hold length")), key_code(args[0]), False)
    elif verb == "mouse":
        demo.mouse[frame] = (number(args[0], "x"), number(args[1], "y"))
    elif verb == "click":
        demo.click(frame, number(args[0], "x"), number(args[1], "y"))
    elif verb == "quit":
        demo.add(frame, struct.pack("<B", QUIT) + bytes(12))
    else:
        demo.durations[frame] = number(args[0], "duration")


def parse(text):
    demo = Demo()
    for number_of_line, line in enumerate(text.splitlines(), 1):
        words = line.split("#", 1)[0].split()
        if not words:
            continue
        try:
            command, args = words[0], words[1:]
            if command == "set" and len(args) == 1 and args[0] in SETS:
                demo.level_set = args[0]
            elif command == "level" and len(args) == 1:
                demo.level = args[0]
            elif command == "seed" and len(args) == 1:
                demo.seed = number(args[0], "seed")
            elif command == "difficulty" and len(args) == 1:
                demo.difficulty = number(args[0], "difficulty")
            elif command == "hints" and args in (["0"], ["1"]):
                demo.hints = int(args[0])
            elif command == "keys" and len(args) == 5:
                demo.keys = [key_code(name) for name in args]
            elif command == "highscore" and len(args) >= 2:
                name = " ".join(args[1:])
                if len(demo.high_scores) == 10 or len(name) > 51:
                    raise ScriptError("the top-ten table takes ten names of at most 51 characters")
                demo.high_scores.append((name, number(args[0], "score")))
                demo.high_scores.sort(key=lambda entry: -entry[1])
            elif command == "frames" and len(args) == 1:
                demo.frames = number(args[0], "frame count")
            elif command == "duration" and len(args) == 1:
                demo.duration = number(args[0], "duration")
            elif command == "at" and len(args) >= 2:
                timed_command(demo, number(args[0], "frame"), args[1:])
            elif command == "every" and len(args) >= 6 and args[1] == "from" and args[3] == "to":
                step = number(args[0], "step")
                if step == 0:
                    raise ScriptError("the step of 'every' is 0")
                for frame in range(number(args[2], "frame"), number(args[4], "frame") + 1, step):
                    timed_command(demo, frame, args[5:])
            else:
                raise ScriptError(f"cannot read {line.strip()!r}")
        except ScriptError as error:
            raise ScriptError(f"line {number_of_line}: {error}") from None
    return demo


def compose(script_path):
    return parse(Path(script_path).read_text()).encode()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("script")
    parser.add_argument("demo", nargs="?", help="the demo file (default: the script's name with .demo)")
    options = parser.parse_args()
    target = Path(options.demo or Path(options.script).with_suffix(".demo"))
    try:
        data = compose(options.script)
    except (ScriptError, OSError) as error:
        sys.exit(f"compose.py: {options.script}: {error}")
    target.write_bytes(data)


if __name__ == "__main__":
    main()
