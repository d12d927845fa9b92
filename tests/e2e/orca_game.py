#!/usr/bin/python3
"""A seeded game played with the keys alone while Orca listens; what Orca said is checked.

Run inside a private D-Bus session (dbus-run-session) on an X display with a window
manager: starts the accessibility bus, Orca (its debug log written to a terminal, so
that each line arrives as it is written) and the game, presses keys as a player does,
and after each key reads the words Orca sent to speech ("SPEECH OUTPUT: '...'").
Prints each step with what was heard and exits 1 at the first check that fails.

usage: orca_game.py PATH/TO/vantrel
"""
import os
import pty
import re
import select
import signal
import subprocess
import sys
import time

CARD = r"(?:Ace|Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten|Jack|Queen|King) of " \
       r"(?:Hearts|Clubs|Diamonds|Spades)"
# The words, then the voice Orca chose, as "{'established': False}".
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?: ?\{.*\})?\s*$")
started = time.monotonic()


def say(text):
    print(f"[orca {time.monotonic() - started:7.3f}s] {text}", flush=True)


class Orca:
    """Orca running with its debug log on a terminal of ours, and everything it said."""

    def __init__(self, prefs):
        self.heard = []
        self._partial = b""
        self._terminal, child_end = pty.openpty()
        self.process = subprocess.Popen(
            ["orca", "-u", prefs, "--debug-file", "/dev/stdout"], stdout=child_end,
            stderr=subprocess.DEVNULL, start_new_session=True)
        os.close(child_end)

    def pump(self, seconds):
        end = time.monotonic() + seconds
        while True:
            left = end - time.monotonic()
            ready, _, _ = select.select([self._terminal], [], [], max(left, 0))
            if ready:
                try:
                    self._partial += os.read(self._terminal, 65536)
                except OSError:
                    return
                *lines, self._partial = self._partial.split(b"\n")
                for line in lines:
                    found = SPOKEN.search(line.decode("utf-8", "replace"))
                    if found:
                        self.heard.append(found.group(1).strip())
            if left <= 0:
                return

    def wait_for(self, pattern, since, what, timeout=20):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            for index in range(since, len(self.heard)):
                if re.search(pattern, self.heard[index]):
                    return index
            self.pump(0.05)
        fail(f"Orca never said {what} (/{pattern}/)", since)

    def stop(self):
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass


orca = None


def fail(text, since=0):
    print(f"FAIL: {text}", file=sys.stderr, flush=True)
    for words in orca.heard[max(since - 3, 0):][-25:]:
        print(f"      Orca said: {words!r}", file=sys.stderr)
    sys.exit(1)


def check(what, condition, since=0):
    if not condition:
        fail(what, since)
    say(f"ok: {what}")


def press(key):
    """A key as a person presses it: a modifier held a moment before the letter."""
    if key.startswith("alt+"):
        subprocess.run(["xdotool", "keydown", "alt"], check=True)
        time.sleep(0.3)
        subprocess.run(["xdotool", "key", key[4:]], check=True)
        time.sleep(0.1)
        subprocess.run(["xdotool", "keyup", "alt"], check=True)
    else:
        subprocess.run(["xdotool", "key", key], check=True)


def after(keys, pattern, what, settle=0.4):
    """Presses the keys, waits until Orca says what matches, and returns all it said."""
    mark = len(orca.heard)
    for key in keys:
        press(key)
        if key.startswith("alt+"):
            orca.pump(0.6)  # the menu opens and reads its first item
    orca.wait_for(pattern, mark, what)
    orca.pump(settle)
    words = orca.heard[mark:]
    say(f"{' '.join(keys)}: {' | '.join(words)}")
    return words


def heard_once(words, pattern):
    return sum(1 for w in words if re.search(pattern, w)) == 1


def main():
    global orca
    program = sys.argv[1]
    home = os.environ["HOME"]
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           start_new_session=True)
    time.sleep(0.5)
    orca = Orca(os.path.join(home, "orca"))
    game = None
    try:
        orca.wait_for(r"^Screen reader on\.$", 0, "that it is ready", timeout=60)
        env = dict(os.environ, VANTREL_SEED="1")
        log = open(os.path.join(home, "program.log"), "w")
        game = subprocess.Popen([program], cwd=home, env=env, stdout=log,
                                stderr=subprocess.STDOUT)
        play()
    finally:
        if game:
            game.kill()
        orca.stop()
        subprocess.run(["pkill", "-KILL", "-u", str(os.getuid()), "-f", "speech-dispatcher"])
        os.killpg(bus.pid, signal.SIGKILL)


def play_round(first_key):
    """Starts a round and places its cards in turn; returns what the count said."""
    words = after([first_key], r"^(New game\. )?Round \d\. Dealt: ", "the round's start")
    for hand in "1234" * 3:
        words = after([hand], f"^{CARD} to Hand {hand}\\.", f"the placement into hand {hand}")
    return words


def play():
    mark = orca.wait_for(r"^Deck push button", 0, "the deck when the window opens")
    orca.pump(0.5)
    check("the deck says how to start and how to hear the keys",
          any(w == "Face down. Space starts a game; H tells the keys." for w in orca.heard[mark:]))
    words = after(["h"], r"^Keys: ", "the keys")
    check("H speaks every key of the table", re.search(
        r"Tab and Shift\+Tab.*Space or Return.*1 to 4.*S tells where the game stands.*Escape",
        words[-1]))

    # --- round 1, step by step ------------------------------------------------------
    words = after(["space"], r"^Round 1\.", "the start of round 1")
    start = next(w for w in words if w.startswith("Round 1."))
    check(f"Space starts round 1 with the dealt cards and the card to place: {start!r}",
          re.fullmatch(f"Round 1\\. Dealt: (?:{CARD} to Hand \\d, ){{3}}{CARD} to Hand 4\\. "
                       f"Card to place: {CARD}\\.", start))
    to_place = re.search(f"Card to place: ({CARD})", start).group(1)
    dealt = re.search(f"({CARD}) to Hand 1", start).group(1)
    words = after(["Right"], r"^Hand 1 panel", "Hand 1 when the keyboard reaches it")
    check("Right reaches Hand 1, read with its card", f"{dealt}." in words)
    words = after(["space"], f"^{to_place} to Hand 1\\.", "the placement")
    check("Space places the card into Hand 1, heard once with the next card and its hands",
          heard_once(words, f"^{to_place} to Hand 1\\. Next: {CARD}, for Hand 2, 3 or 4\\.$"))
    words = after(["1"], r"^Hand 1 already has", "the refusal")
    check("a refused card says why", heard_once(
        words, r"^Hand 1 already has its card in row 2: under the regular rules every hand "
               r"gets a card in that row first\.$"))
    words = after(["alt+g", "u"], r"^Undo: ", "Undo")
    check("Undo says what it took back, and the table read after the menu is not told again",
          heard_once(words, f"^Undo: {to_place} taken back from Hand 1\\.")
          and words.index(next(w for w in words if w.startswith("Undo:"))) == len(words) - 1)
    after(["Left"], r"^Deck push button", "the deck")
    words = after(["Left"], r"first place", "the first place")
    check("the keys stop at the deck and say so", "Deck is the first place." in words)
    for hand in "1234" * 3:
        words = after([hand], f"^{CARD} to Hand {hand}\\.", f"the placement into hand {hand}")
    count = words[-1]
    check(f"the sixteenth card tells the count with every score and the totals: {count!r}",
          re.fullmatch(f"{CARD} to Hand 4\\. Cut card: {CARD}(, his heels 2)?\\. "
                       r"(Hand \d score \d+, ){4}Crib score \d+\. Round 1 total (\d+), "
                       r"game total \d+\.", count))
    total = re.search(r"Round 1 total (\d+)", count).group(1)
    words = after(["End"], r"^Round 1: ", "the scores")
    check("End reaches the scores, read with every round and the total",
          "Scores panel." in words and f"Round 1: {total}, Round 2: 0, Round 3: 0, Round 4: 0, "
                                       f"Round 5: 0, Total {total}." in words)
    words = after(["s"], r"^Round 1 of 5 counted", "where the game stands")
    check("S tells where the game stands", words[-1] ==
          f"Round 1 of 5 counted: {total}. Game total {total}. Space on the deck for the next "
          "round.")
    after(["Home"], r"^Space for the next round", "the deck after the count")

    # --- rounds 2 to 5, and the end of the game -------------------------------------
    for _ in range(3):
        play_round("space")
    mark = len(orca.heard)
    words = play_round("space")
    end = orca.wait_for(r"^New High Score dialog", mark, "the name prompt")
    orca.pump(1.0)
    words = orca.heard[mark:]
    say(f"the end of the game: {' | '.join(words)}")
    last = next(i for i, w in enumerate(words) if re.search(r"Game over: total \d+\.", w))
    game_total = re.search(r"Game over: total (\d+)", words[last]).group(1)
    prompt = next(i for i, w in enumerate(words) if w.startswith("New High Score dialog"))
    check("the last placement, the count and the game total come before the prompt",
          re.fullmatch(f"{CARD} to Hand 4\\. Cut card: .* Round 5 total \\d+\\. Game over: total "
                       f"{game_total}\\.( WIN!)?", words[last]) and last < prompt)
    check("the prompt is read with the score that enters the list",
          words[prompt] == f"New High Score dialog Your game total of {game_total} enters the "
                           "Top 5 list at place 1.")
    words = after(["ctrl+a", "A", "n", "n", "Return"], r"^Space for the next game", "the table")
    check("back on the table nothing of the game's end is told again",
          not any("Game over" in w for w in words))

    # --- the Top 5 list and the About window ----------------------------------------
    words = after(["alt+g", "h"], r"^The Vantrel Top 5 list", "the Top 5 list")
    check("the Top 5 list reads its entries", heard_once(
        words, f"^The Vantrel Top 5 list: Ann {game_total}, None 0, None 0, None 0, None 0\\. "
               r"Escape closes it\.$"))
    words = after(["Escape"], r"^Top 5 list closed\.$", "the list closing")
    words = after(["alt+h", "a"], r"link\.$", "the About window")
    check("the About window reads its version and its link",
          "About Vantrel dialog Vantrel 8.00, Freeware Edition." in words)
    words = after(["Escape"], r"^Space for the next game", "the table again")
    check("after the About window nothing is told again as if it were new",
          not any("closed" in w or "Top 5" in w for w in words))


if __name__ == "__main__":
    main()
