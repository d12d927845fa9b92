#!/usr/bin/python3
"""The game as a blind player meets it: Orca, Debian's screen reader, on the AT-SPI bus.

Run inside a private D-Bus session (dbus-run-session) on an X display with a window
manager. Starts the accessibility bus, Orca (its debug log written to a terminal, so
that each line arrives as it is written) and the game; plays a seeded game with the
keys alone and checks, after each key, the words Orca sent to speech ("SPEECH OUTPUT:
'...'"). Last it reads what Orca's log cannot show: the table's objects, where they lie
on the screen and the press actions a screen reader's "click" uses. Prints each step and
exits 1 at the first check that fails.

usage: screen_reader.py PATH/TO/vantrel
"""
import os
import pty
import re
import select
import signal
import subprocess
import sys
import time

import pyatspi

PLACES = ["Deck", "Hand 1", "Hand 2", "Hand 3", "Hand 4", "Crib", "Cut card", "Scores"]
CARD = r"(?:Ace|Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten|Jack|Queen|King) of " \
       r"(?:Hearts|Clubs|Diamonds|Spades)"
# The words, then the voice Orca chose, as "{'established': False}".
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?: ?\{.*\})?\s*$")
started = time.monotonic()
heard = []  # every utterance of Orca, in order
terminal = None  # where Orca's log arrives
partial = b""


def say(text):
    print(f"[reader {time.monotonic() - started:7.3f}s] {text}", flush=True)


def fail(text, since=0):
    print(f"FAIL: {text}", file=sys.stderr, flush=True)
    for words in heard[max(since - 3, 0):][-25:]:
        print(f"      Orca said: {words!r}", file=sys.stderr)
    sys.exit(1)


def check(what, condition):
    if not condition:
        fail(what, len(heard) - 8)
    say(f"ok: {what}")


def fresh(accessible):
    """The object as it is now, not as the bus client cached it."""
    accessible.clear_cache()
    return accessible


def listen(seconds):
    """Reads Orca's log for a while, keeping what it said."""
    global partial
    end = time.monotonic() + seconds
    while (left := end - time.monotonic()) > 0:
        if select.select([terminal], [], [], left)[0]:
            *lines, partial = (partial + os.read(terminal, 65536)).split(b"\n")
            heard.extend(found.group(1).strip() for found in
                         (SPOKEN.search(line.decode("utf-8", "replace")) for line in lines) if found)


def wait_for(what, test, timeout=20):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if result := test():
            return result
        listen(0.05)
    fail(f"timed out after {timeout}s waiting for {what}")


def after(keys, pattern, what):
    """Presses keys as a person does, waits until Orca says what matches, returns all it said."""
    mark = len(heard)
    for key in keys:
        if key.startswith("alt+"):  # held a moment before the letter, or the menu closes
            for step in (["keydown", "alt"], ["key", key[4:]], ["keyup", "alt"]):
                subprocess.run(["xdotool", *step], check=True)
                time.sleep(0.2)
            listen(0.5)
        else:
            subprocess.run(["xdotool", "key", key], check=True)
    wait_for(what, lambda: any(re.search(pattern, w) for w in heard[mark:]))
    listen(0.4)
    say(f"{' '.join(keys)}: {' | '.join(heard[mark:])}")
    return heard[mark:]


def once(words, pattern):
    return sum(1 for w in words if re.fullmatch(pattern, w)) == 1


def places_of(table):
    children = [fresh(fresh(table).getChildAtIndex(i)) for i in range(table.childCount)]
    return {child.name: child for child in children}


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def main():
    global terminal
    program, home = sys.argv[1], os.environ["HOME"]
    # The bus, Orca and what they start get process groups of their own, ended as wholes.
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           start_new_session=True)
    time.sleep(0.5)
    terminal, orca_end = pty.openpty()
    orca = subprocess.Popen(["orca", "-u", f"{home}/orca", "--debug-file", "/dev/stdout"],
                            stdout=orca_end, stderr=subprocess.DEVNULL, start_new_session=True)
    game = None
    try:
        wait_for("Orca to be ready", lambda: "Screen reader on." in heard, timeout=60)
        game = subprocess.Popen([program], cwd=home, env=dict(os.environ, VANTREL_SEED="1"),
                                stdout=open(f"{home}/program.log", "w"), stderr=subprocess.STDOUT)
        play()
        read_objects(game)
    finally:
        if game:
            game.kill()
        for group in (orca.pid, bus.pid):
            os.killpg(group, signal.SIGKILL)
        subprocess.run(["pkill", "-KILL", "-u", str(os.getuid()), "speech-dispatch"])


def play():
    wait_for("the deck when the window opens",
             lambda: "Face down. Space starts a game; H tells the keys." in heard)
    check("H speaks every key", re.search(r"Tab and Shift\+Tab.*Space or Return.*1 to 4.*S tells "
                                          r"where the game stands.*Escape", after(["h"], "^Keys: ", "the keys")[-1]))
    start = after(["space"], r"^Round 1\.", "round 1")[-1]
    check(f"Space starts round 1 with the dealt cards and the card to place", re.fullmatch(
        f"Round 1\\. Dealt: (?:{CARD} to Hand \\d, ){{3}}{CARD} to Hand 4\\. Card to place: "
        f"{CARD}\\.", start))
    card = re.search(f"to place: ({CARD})", start).group(1)
    check("Right reaches Hand 1 with its card", f"{re.search(f'({CARD}) to Hand 1', start)[1]}."
          in after(["Right"], "^Hand 1 panel", "Hand 1"))
    check("Space places the card in Hand 1, told once with the next card and its hands", once(
        after(["space"], f"^{card} to Hand 1", "the placement"),
        f"{card} to Hand 1\\. Next: {CARD}, for Hand 2, 3 or 4\\."))
    check("a refused card says why", once(after(["1"], "^Hand 1 already", "the refusal"),
                                          r"Hand 1 already has its card in row 2: under the "
                                          r"regular rules every hand gets a card in that row first\."))
    words = after(["alt+g", "u"], "^Undo: ", "Undo")
    check("Undo is told last, after the table is read again as the menu closes",
          re.match(f"Undo: {card} taken back from Hand 1\\.", words[-1]) and "Table canvas." in words)
    check("the keys stop at the deck and say so",
          "Deck is the first place." in after(["Left", "Left"], "first place", "the end"))
    for hand in "1234" * 3:
        count = after([hand], f"^{CARD} to Hand {hand}\\.", f"a card to hand {hand}")[-1]
    check(f"the last card tells the count with every score and the totals: {count!r}", re.fullmatch(
        f"{CARD} to Hand 4\\. Cut card: {CARD}(?:, his heels 2)?\\. (?:Hand \\d score \\d+, ){{4}}Crib "
        r"score \d+\. Round 1 total (\d+), game total \1\.", count))
    total = re.search(r"total (\d+)", count)[1]
    check("End reaches the scores, read with every round and the total",
          f"Round 1: {total}, Round 2: 0, Round 3: 0, Round 4: 0, Round 5: 0, Total {total}."
          in after(["End"], "^Round 1: ", "the scores"))
    check("S tells where the game stands", after(["s"], "counted", "the standing")[-1] ==
          f"Round 1 of 5 counted: {total}. Game total {total}. Space on the deck for the next round.")
    check("Space on the scores, where a click does nothing, tells nothing",
          after(["space"], "^space$", "the key") == ["space"])
    after(["Home"], "^Space for the next round", "the deck")
    for _ in range(4):
        mark = len(heard)
        after(["space"], r"^Round \d\. Dealt", "the round's start")
        for hand in "1234" * 3:
            after([hand], f"^{CARD} to Hand {hand}\\.", f"a card to hand {hand}")
    wait_for("the name prompt", lambda: any(w.startswith("New High Score") for w in heard[mark:]))
    listen(1)
    words = heard[mark:]
    end = next(w for w in words if "Game over" in w)
    final = re.search(r"Game over: total (\d+)\.", end)[1]
    check(f"the game's end comes before the prompt, which names the score: {end!r}",
          re.fullmatch(f"{CARD} to Hand 4\\. Cut card: .* Round 5 total \\d+\\. Game over: total "
                       f"{final}\\.( WIN!)?", end) and words.index(end) < words.index(
              f"New High Score dialog Your game total of {final} enters the Top 5 list at place 1."))
    check("back on the table after the name, the game's end is not told again", not any(
        "Game over" in w for w in after(["ctrl+a", "A", "n", "n", "Return"], "^Space for the next "
                                                                            "game", "the table")))
    check("the Top 5 list reads its entries", once(
        after(["alt+g", "h"], "^The Vantrel Top 5", "the list"),
        f"The Vantrel Top 5 list: Ann {final}, None 0, None 0, None 0, None 0\\. Escape closes it\\."))
    after(["Escape"], r"^Top 5 list closed\.$", "the list closing")
    check("the About window reads its version and its link", "About Vantrel dialog Vantrel 8.00, "
          "Freeware Edition." in after(["alt+h", "a"], r"link\.$", "the About window"))
    check("after the About window nothing is told again as if new", not any(
        "closed" in w for w in after(["Escape"], "^Space for the next game", "the table")))


def read_objects(game):
    app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == game.pid)
    frame = pyatspi.findDescendant(app, lambda o: o.getRoleName() == "frame" and "Vantrel 8.00 -"
                                   in o.name)
    table = pyatspi.findDescendant(frame, lambda o: o.getRoleName() == "canvas")
    places = places_of(table)
    check("the table holds its eight places, then the last move", list(places) == PLACES + ["Last move"])
    check("a button, panels, a picture and a status bar with one notification",
          [places[p].getRoleName() for p in PLACES + ["Last move"]] ==
          ["push button"] + ["panel"] * 5 + ["image", "panel", "status bar"]
          and fresh(places["Last move"].getChildAtIndex(0)).getRoleName() == "notification")
    fx, fy, fw, fh = extents(frame)
    hx, hy, hw, hh = extents(places["Hand 1"])
    check("Hand 1 lies where its column is drawn, a card wide",
          hw == 71 and fx < hx < fx + fw and fy < hy < fy + fh)
    notice = places["Last move"].getChildAtIndex(0)
    places["Deck"].queryAction().doAction(0)
    wait_for("the press on the deck", lambda: fresh(notice).name.startswith("New game. Round 1."))
    card = re.search(f"to place: ({CARD})", notice.name)[1]
    places_of(table)["Hand 2"].queryAction().doAction(0)
    check("the press actions start a game and place a card", wait_for(
        "the press on Hand 2", lambda: card in fresh(places_of(table)["Hand 2"]).description))


if __name__ == "__main__":
    main()
