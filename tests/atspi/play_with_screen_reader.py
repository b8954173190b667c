#!/usr/bin/env python3
"""Plays the running game through AT-SPI, the way a screen reader user does.

    play_with_screen_reader.py GAME_PID

Finds the game in the AT-SPI registry, prints its tree, checks the nine
cells read "<place>, empty", presses one through its action and checks it
then reads "<place>, X" while another reads "<place>, O" (and that the name
changes were announced as events). It then plays on, never blocking the
computer, until it loses; the "<< You Failed >>" box is read and closed
through AT-SPI, and the computer's score reads "Computer score 1".

Exits 0 when every check holds, 1 with a message otherwise.

    play_with_screen_reader.py --press GAME_PID CELL_NAME

presses one cell and returns once the game takes input again; used in a
child process because a move that ends a game opens a modal box, and the
press does not answer until the box is closed.
"""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

PLACES = ["Top left", "Top centre", "Top right", "Middle left", "Centre", "Middle right",
          "Bottom left", "Bottom centre", "Bottom right"]
CELL_NAME = re.compile(r"^(%s), (X|O|empty)$" % "|".join(PLACES))
LINES = [(0, 1, 2), (3, 4, 5), (6, 7, 8), (0, 3, 6), (1, 4, 7), (2, 5, 8), (0, 4, 8), (2, 4, 6)]


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def pump():
    """Lets queued AT-SPI events reach their listeners."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, predicate, timeout=10.0):
    deadline = time.monotonic() + timeout
    while True:
        pump()
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


def find_app(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def walk(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def describe(node, depth):
    return "%s[%s] %r" % ("  " * depth, node.getRoleName(), node.name)


def cells(app):
    """The board as the reader hears it: place -> accessible, in board order."""
    found = {}
    for node, _ in walk(app):
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON:
            match = CELL_NAME.match(node.name or "")
            if match:
                found[match.group(1)] = node
    return [found[p] for p in PLACES] if len(found) == 9 else None


def marks(board):
    return [CELL_NAME.match(c.name).group(2) for c in board]


def press(node):
    action = node.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    check("press" in names, "%r offers no press action, only %s" % (node.name, names))
    action.doAction(names.index("press"))


def find_role(app, role):
    for node, _ in walk(app):
        if node.getRole() == role:
            return node
    return None


def choose_losing_move(board):
    """An empty cell that neither completes a line of X nor blocks one of O."""
    m = marks(board)
    free = [i for i in range(9) if m[i] == "empty"]

    def completes(i, mark):
        return any(i in line and all(m[j] == mark for j in line if j != i) for line in LINES)

    for i in free:
        if not completes(i, "X") and not completes(i, "O"):
            return i
    return free[0] if free else None


def play(pid):
    app = wait_for("the game in the AT-SPI registry", lambda: find_app(pid), timeout=20)
    print("application:", repr(app.name), "pid", pid)
    board = wait_for("nine cells in the tree", lambda: cells(app))

    print("tree:")
    for node, depth in walk(app):
        print("  " + describe(node, depth))
    print("cells:")
    for cell in board:
        print("  " + cell.name)
    check([c.name for c in board] == [p + ", empty" for p in PLACES], "the board does not start empty")

    heard = []  # the cells a name-change event came from, by the name they then read
    pyatspi.Registry.registerEventListener(
        lambda e: heard.append(e.source.name), "object:property-change:accessible-name")

    press(board[0])
    print("pressed 'Top left'")
    wait_for("'Top left, X' and one O", lambda: board[0].name == "Top left, X" and marks(board).count("O") == 1)
    o_cell = next(c.name for c in board if c.name.endswith(", O"))
    print("cells now:")
    for cell in board:
        print("  " + cell.name)
    wait_for("name-change events for both cells", lambda: {"Top left, X", o_cell} <= set(heard))
    print("heard:", heard)

    # Play on without ever blocking the computer until it wins and says so.
    score = next(n for n, _ in walk(app) if n.getRole() == pyatspi.ROLE_LABEL
                 and (n.name or "").startswith("Computer score"))
    check(score.name == "Computer score 0", "computer's score reads %r" % score.name)
    alert = None
    while alert is None:
        move = choose_losing_move(board)
        check(move is not None, "the board filled up without a winner")
        print("pressing %r" % PLACES[move])
        # The press answers only after any box it opens is closed, so it runs aside.
        presser = subprocess.Popen([sys.executable, __file__, "--press", str(pid), PLACES[move] + ", empty"])
        deadline = time.monotonic() + 10
        while alert is None and presser.poll() is None:
            check(time.monotonic() < deadline, "the move was not taken")
            alert = find_role(app, pyatspi.ROLE_ALERT)
            time.sleep(0.1)
        if alert is None:
            check(presser.returncode == 0, "pressing %r failed" % PLACES[move])
            wait_for("the computer's answer", lambda: marks(board).count("O") == marks(board).count("X"))

    print("alert:")
    for node, depth in walk(alert):
        print("  " + describe(node, depth))
    texts = [n.name for n, _ in walk(alert) if n.getRole() == pyatspi.ROLE_LABEL]
    check("<< You Failed >>" in texts, "the alert does not read the outcome: %s" % texts)
    ok = next((n for n, _ in walk(alert) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "OK"), None)
    check(ok is not None, "the alert has no OK button")
    press(ok)
    check(presser.wait(timeout=10) == 0, "the winning move's press failed")
    wait_for("the box to close", lambda: find_role(app, pyatspi.ROLE_ALERT) is None)
    wait_for("'Computer score 1'", lambda: score.name == "Computer score 1")
    wait_for("an empty board", lambda: marks(board) == ["empty"] * 9)
    print("after the box:", repr(score.name), "board", marks(board))


def press_one(pid, name):
    app = find_app(pid)
    node = next((n for n, _ in walk(app) if n.name == name), None) if app else None
    check(node is not None, "no %r to press" % name)
    press(node)


def main(argv):
    try:
        if len(argv) == 4 and argv[1] == "--press":
            # Long enough for a box to be read and closed before the press answers.
            Atspi.set_timeout(30000, 30000)
            press_one(int(argv[2]), argv[3])
        elif len(argv) == 2:
            play(int(argv[1]))
            print("PASS")
        else:
            print(__doc__, file=sys.stderr)
            return 2
    except Failure as failure:
        print("FAIL:", failure, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
