#!/usr/bin/python3
"""The game's objects as a screen reader finds them on the AT-SPI accessibility bus.

Run inside a private D-Bus session (dbus-run-session) on an X display of its own:
starts the accessibility bus and the game, then reads the table's objects: their names,
roles and places on the screen, and the press actions a screen reader's own "click"
uses. What a player hears is checked with Orca itself (orca_game.py). Prints one line per
check and exits 1 at the first that fails.

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
heard = []  # (event type, object name, detail), for the report of a failure


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
    except Exception:  # the object may be gone by the time the event is read
        return
    heard.append((event.type, name, event.detail1))


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
    pyatspi.Registry.registerEventListener(listen, "object:state-changed:focused")
    app = wait_for("the game on the accessibility bus", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == game.pid), None))
    def frames():  # the windows on the screen now, and their widths (the splash is 280)
        try:
            found = pyatspi.findAllDescendants(app, lambda o: o.getRoleName() == "frame")
        except (TypeError, GLib.Error):  # a window went away while it was walked
            return [], []
        widths = [width_of(f) for f in found]
        return [f for f, w in zip(found, widths) if w is not None], [w for w in widths if w]
    wait_for("the main window, the splash gone", lambda: pump(0.2) or (
        frames()[1] and 280 not in frames()[1]))
    frame = frames()[0][0]
    table = wait_for("the table", lambda: pyatspi.findDescendant(
        app, lambda o: o.getRoleName() == "canvas" and o.name == "Table"))

    # What Orca's log cannot show: the objects themselves, where they lie on the
    # screen, and the press action a screen reader's "click" uses.
    places = places_of(table)
    check("the table has its eight places, named as the player knows them, then the last move",
          list(places) == PLACES + ["Last move"])
    check("the deck is a button, the hands, the crib and the scores group what they hold, the "
          "cut card is a picture, the last move a status bar with one notification",
          places["Deck"].getRoleName() == "push button"
          and all(places[name].getRoleName() == "panel" for name in PLACES[1:6] + ["Scores"])
          and places["Cut card"].getRoleName() == "image"
          and places["Last move"].getRoleName() == "status bar"
          and [fresh(places["Last move"].getChildAtIndex(0)).getRoleName()] == ["notification"])
    fx, fy, fw, fh = extents(frame)
    hx, hy, hw, hh = extents(places["Hand 1"])
    check("Hand 1 lies on the screen where its column is drawn, a card wide",
          hw == 71 and fx < hx < fx + fw and fy < hy < fy + fh)
    check("the table takes the keyboard focus on the deck",
          wait_for("the deck to be focused", lambda: fresh(places["Deck"]).getState().contains(
              pyatspi.STATE_FOCUSED), timeout=10))

    places["Deck"].queryAction().doAction(0)
    notice = fresh(places["Last move"].getChildAtIndex(0))
    check("the deck's press action starts a round, told by the last move",
          wait_for("the round's start", lambda: fresh(notice).name.startswith("Round 1.")))
    to_place = re.search(f"Card to place: ({CARD})", notice.name).group(1)
    places_of(table)["Hand 2"].queryAction().doAction(0)
    check("a hand's press action places the card there",
          wait_for("the placement", lambda: fresh(notice).name.startswith(f"{to_place} to Hand 2"))
          and to_place in fresh(places_of(table)["Hand 2"]).description)
    subprocess.run(["xdotool", "keydown", "alt"], check=True)
    time.sleep(0.3)
    subprocess.run(["xdotool", "key", "g"], check=True)
    subprocess.run(["xdotool", "keyup", "alt"], check=True)
    pump(0.5)
    subprocess.run(["xdotool", "key", "h"], check=True)
    check("while it shows, the Top 5 list is an object of the table",
          wait_for("the Top 5 object", lambda: "Top 5" in places_of(table)))
    say("all screen reader checks passed")


if __name__ == "__main__":
    main()
