#!/usr/bin/python3
"""The game as a screen reader meets it, over the AT-SPI accessibility bus.

Run inside a private D-Bus session (dbus-run-session) on an X display of its own:
starts the accessibility bus and the game, then reads the table's objects and listens
to their events the way a screen reader does, while a seeded round is played with the
keys alone. Prints one line per check and exits 1 at the first that fails.

usage: screen_reader.py PATH/TO/vantrel
"""
import os
import re
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "Vantrel 8.00 - Freeware Edition - Cribbage Solitaire for Windows"
PLACES = ["Deck", "Hand 1", "Hand 2", "Hand 3", "Hand 4", "Crib", "Cut card", "Scores"]
CARD = r"(?:Ace|Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten|Jack|Queen|King) of " \
       r"(?:Hearts|Clubs|Diamonds|Spades)"

started = time.monotonic()
heard = []  # (event type, object name, what it says now or the focus detail)


def say(text):
    print(f"[reader {time.monotonic() - started:7.3f}s] {text}", flush=True)


def fail(text):
    print(f"FAIL: {text}", file=sys.stderr, flush=True)
    for kind, name, said in heard[-12:]:
        print(f"      heard {kind} on {name!r}: {said!r}", file=sys.stderr)
    sys.exit(1)


def check(what, condition):
    if not condition:
        fail(what)
    say(f"ok: {what}")


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def wait_for(what, test, timeout=15):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        result = test()
        if result:
            return result
        pump(0.05)
    fail(f"timed out after {timeout}s waiting for {what}")


def fresh(accessible):
    """The object as it is now, not as the bus client cached it."""
    accessible.clear_cache()
    return accessible


def listen(event):
    try:
        name = fresh(event.source).name
        said = event.source.description if "description" in event.type else event.detail1
    except Exception:  # the object may be gone by the time the event is read
        return
    heard.append((event.type, name, said))


def last_focus():
    gained = [name for kind, name, on in heard if "focused" in kind and on == 1]
    return gained[-1] if gained else None


def act(keys, pattern, what):
    """Presses keys and returns the (object, text) of the first change spoken after."""
    mark = len(heard)
    for k in keys:
        subprocess.run(["xdotool", "key", "--clearmodifiers", k], check=True)
        if k == "alt+g":  # the Game menu takes the next key once its first item has the focus
            wait_for("the Game menu", lambda: last_focus() == "Start a New Game")

    def spoken():
        for kind, name, said in heard[mark:]:
            if kind.endswith("description") and re.search(pattern, said):
                return name, said
        return None
    return wait_for(what, spoken)


def places_of(table):
    children = [fresh(fresh(table).getChildAtIndex(i)) for i in range(table.childCount)]
    return {child.name: child for child in children}


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def width_of(accessible):
    try:
        return extents(accessible)[2]
    except GLib.Error:  # gone between finding it and asking
        return None


def main():
    program = os.path.realpath(sys.argv[1])
    # The bus and what it starts get a process group of their own, ended as a whole,
    # and none of them keeps the test's output open after the test.
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           start_new_session=True)
    time.sleep(0.5)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", VANTREL_SEED="1")
    log = open(os.path.join(os.environ.get("E2E_TMP", "/tmp"), "program.log"), "w")
    game = subprocess.Popen([program], cwd=os.path.dirname(program), env=env,
                            stdout=log, stderr=subprocess.STDOUT)
    try:
        play(game)
    finally:
        game.kill()
        os.killpg(bus.pid, signal.SIGTERM)


def play(game):
    pyatspi.Registry.registerEventListener(
        listen, "object:property-change:accessible-description", "object:state-changed:focused")
    app = wait_for("the game on the accessibility bus", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == game.pid), None))
    def frames():  # the windows on the screen now, and their widths (the splash is 280)
        found = pyatspi.findAllDescendants(app, lambda o: o.getRoleName() == "frame")
        widths = [width_of(f) for f in found]
        return [f for f, w in zip(found, widths) if w is not None], [w for w in widths if w]
    wait_for("the main window, the splash gone", lambda: pump(0.2) or (
        frames()[1] and 280 not in frames()[1]))
    frame = frames()[0][0]
    table = wait_for("the table", lambda: pyatspi.findDescendant(
        app, lambda o: o.getRoleName() == "canvas" and o.name == "Table"))

    # --- the objects -------------------------------------------------------------
    places = places_of(table)
    check("the table has its eight places, named as the player knows them",
          list(places) == PLACES)
    check("the deck is a button, the hands and the crib group their cards",
          places["Deck"].getRoleName() == "push button"
          and all(places[name].getRoleName() == "panel" for name in PLACES[1:6]))
    fx, fy, fw, fh = extents(frame)
    hx, hy, hw, hh = extents(places["Hand 1"])
    check("Hand 1 lies on the screen where its column is drawn, a card wide",
          hw == 71 and fx < hx < fx + fw and fy < hy < fy + fh)
    check("the table takes the keyboard focus, and a screen reader hears it on the deck",
          wait_for("the deck to be focused", lambda: last_focus() == "Deck", timeout=10)
          and fresh(places["Deck"]).getState().contains(pyatspi.STATE_FOCUSED))
    check("before a game the hands are empty", places["Hand 2"].description == "empty")

    # --- a round from the keys alone ---------------------------------------------
    name, said = act(["space"], r"^Round 1\.", "the start of a round")
    check(f"Space on the deck starts round 1, spoken on the deck: {said!r}", name == "Deck")
    to_place = re.search(f"Card to place: ({CARD})", said).group(1)
    subprocess.run(["xdotool", "key", "Right"], check=True)
    check("Right moves the focus to Hand 1, told to the bus",
          wait_for("the focus on Hand 1", lambda: last_focus() == "Hand 1"))
    name, said = act(["space"], f"to Hand 1\\. Next: {CARD}", "the placement")
    check(f"Space places the card into the focused hand: {said!r}",
          name == "Hand 1" and said.startswith(f"{to_place} to Hand 1."))
    check("a refused placement says why", act(["1"], "Hand 1 already has its card in row 2",
                                              "the refusal"))
    name, said = act(["alt+g", "u"], r"^Undo: ", "Undo")
    check(f"Undo says what was taken back: {said!r}",
          said.startswith(f"Undo: {to_place} taken back from Hand 1."))
    for hand in "1234" * 3:
        name, said = act([hand], f"to Hand {hand}\\.", f"the placement into hand {hand}")
    check(f"the round's end tells the cut card and every score: {said!r}",
          re.search(f"The Cut: {CARD}, (his heels 2, )?(Hand \\d score \\d+, ){{4}}Crib "
                    r"score \d+\. Round 1 total \d+\.", said))
    total = re.search(r"Round 1 total (\d+)\.", said).group(1)
    places = places_of(table)
    check("the scores read as the panel shows them",
          places["Scores"].description == f"Round 1: {total}, Round 2: 0, Round 3: 0, "
                                          f"Round 4: 0, Round 5: 0, Total {total}")
    check("a counted hand reads its cards top to bottom and its score",
          re.fullmatch(f"(?:{CARD}, ){{3}}{CARD}, score \\d+", places["Hand 3"].description))

    # --- the Top 5 list ----------------------------------------------------------
    act(["alt+g", "h"], r"\.\.\.The Vantrel Top 5 List\.\.\.: None 0", "the Top 5 list")
    check("while it shows, the Top 5 list is an object of the table",
          wait_for("the Top 5 object", lambda: "Top 5" in places_of(table)))
    say("all screen reader checks passed")


if __name__ == "__main__":
    main()
