#!/usr/bin/python3
"""The program as a screen reader meets it: read and driven through AT-SPI, then by ear.

Started by accessibility-under-xvfb.sh inside an Xvfb display and a D-Bus session of their own.
It starts the accessibility bus and a copy of the program (its best scores beside that copy),
reads the level, the status line, the bottom bar, the score board, the menus, the dialogs and
every message box, activates menu items and buttons with their accessible actions, and plays a
whole match between two players (keys through the bus's keyboard); "Non" to "Voulez vous
rejouer" must end the program. A second copy is then played by ear with Orca (HeardGame).

Usage: accessibility_test.py <quintara> <work folder> <at-spi-bus-launcher>
Exit status: 0 passed, 1 failed, 77 skipped (the accessibility bus could not be started).
"""

import itertools
import os
import re
import shutil
import subprocess
import sys
import time

SKIP = 77
TIMEOUT = 10.0  # seconds, for anything to appear

TURN_SUFFIX = " A vous de jouer     "
ONE, TWO = "\u2068Joueur 1\u2069", "\u2068Joueur 2\u2069"  # names isolated in sentences
HOVER_MESSAGE = "      Vous survolez une zone non jouable"
GIVE_UP_SHEET = (
    "Si vous changez de feuille alors que la partie n'est pas terminée le point ira à "
    "Ordinateur. Voulez vous tout de même changer de feuille?")
GIVE_UP_LEVEL = (
    "Si vous changez de niveau alors que la partie n'est pas terminée le point ira à "
    "Ordinateur. Voulez vous tout de même changer de niveau?")
RULES_LINES = [
    "Comment jouer ?",
    "pour jouer il suffit de cliquer à l'intersection de deux lignes.",
    "Ceux qui n 'aiment pas cliquer pourront utiliser le viseur.",
    "La partie",
    "La manche",
    "Le premier joueur qui gagne trois parties remporte la manche.",
    "Le jeu",
    "manches.",
]

# Keys as X keysyms.
RETURN, LEFT, UP, RIGHT, DOWN = 0xFF0D, 0xFF51, 0xFF52, 0xFF53, 0xFF54


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)


def equal(got, wanted, what):
    if got != wanted:
        raise Failure(f"{what}: got {got!r}, wanted {wanted!r}")


def wait_for(probe, what, timeout=TIMEOUT):
    """Polls probe() until it returns something true; returns that."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except Exception:  # an object that went away while it was being read
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure(f"waited {timeout:.0f} s for {what}")
        time.sleep(0.05)


def passed(what):
    print(f"passed: {what}", flush=True)


# --- Starting the accessibility bus and the program ----------------------------------------

def start_bus(launcher, folder):
    """Starts at-spi-bus-launcher; returns it and its address, or None when it cannot run."""
    from gi.repository import Gio, GLib

    log = open(os.path.join(folder, "at-spi-bus.log"), "w")
    bus = subprocess.Popen([launcher, "--launch-immediately"], stdout=log, stderr=log)
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        if bus.poll() is not None:
            return bus, None
        try:
            reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                      "GetAddress", None, GLib.VariantType("(s)"),
                                      Gio.DBusCallFlags.NO_AUTO_START, 500, None)
            address = reply.unpack()[0]
            if address:
                return bus, address
        except GLib.Error:
            pass
        time.sleep(0.05)
    return bus, None


def start_program(program, folder, orca=False):
    """A copy of the program in a folder of its own, with its chime and sound plugin, started
    as a player starts it."""
    home = os.path.join(folder, "program")
    os.makedirs(home, exist_ok=True)
    copy = os.path.join(home, "quintara")
    shutil.copy2(program, copy)
    for name in ("Chimes.wav", "libquintara_chime.so"):
        beside = os.path.join(os.path.dirname(program), name)
        if os.path.exists(beside):
            shutil.copy2(beside, home)
    runtime = os.path.join(folder, "runtime")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    environment = dict(os.environ)
    environment.pop("QT_QPA_PLATFORM", None)
    environment.update({
        "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        "QUINTARA_DIE_SEED": "2026",
        "XDG_RUNTIME_DIR": runtime,
        "XDG_DATA_HOME": os.path.join(folder, "data"),
    })
    if orca:  # Qt finds the screen reader running, as for a player
        del environment["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"]
    log = open(os.path.join(folder, "quintara.log"), "w")
    return subprocess.Popen([copy], cwd=home, env=environment, stdout=log, stderr=log)


# --- Reading through AT-SPI -----------------------------------------------------------------

class Reader:
    def __init__(self, pyatspi, a11y_bus):
        self.pyatspi = pyatspi
        self.bus = a11y_bus
        self.application = None

    def find_application(self):
        for application in self.pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == "Quintara":
                return application
        return None

    def states(self, accessible):
        return set(accessible.getState().getStates())

    def showing(self, accessible):
        return self.pyatspi.STATE_SHOWING in self.states(accessible)

    def checked(self, accessible):
        return self.pyatspi.STATE_CHECKED in self.states(accessible)

    def enabled(self, accessible):
        return self.pyatspi.STATE_ENABLED in self.states(accessible)

    def windows(self):
        """The program's top-level windows that are on screen."""
        return [w for w in self.application if w is not None and self.showing(w)]

    def window(self, name, role=None, containing=None):
        """A window on screen with this name (and role, and a descendant named so), or None."""
        for window in self.windows():
            if window.name != name:
                continue
            if role is not None and window.getRole() != role:
                continue
            if containing is not None and self.find(window, name=containing) is None:
                continue
            return window
        return None

    def find(self, root, role=None, name=None):
        """The first descendant of root with this role and name, depth first."""
        for index in range(root.childCount):
            child = root.getChildAtIndex(index)
            if child is None:
                continue
            if (role is None or child.getRole() == role) and (name is None or child.name == name):
                return child
            if child.getRole() == self.pyatspi.ROLE_TABLE:
                continue  # the sheet's cells hold no control
            found = self.find(child, role, name)
            if found is not None:
                return found
        return None

    def all(self, root, role):
        found = []
        for index in range(root.childCount):
            child = root.getChildAtIndex(index)
            if child is None:
                continue
            if child.getRole() == role:
                found.append(child)
            if child.getRole() != self.pyatspi.ROLE_TABLE:
                found.extend(self.all(child, role))
        return found

    def get(self, root, role, name):
        """Like find, but waits for it a while: a window's parts may come a moment later."""
        kind = "object" if role is None else self.pyatspi.Atspi.role_get_name(role)
        return wait_for(lambda: self.find(root, role, name),
                        f"a {kind} named {name!r} in {root.name!r}", timeout=2)

    def text(self, accessible):
        """What the Text interface holds (edit fields)."""
        text = accessible.queryText()
        return text.getText(0, -1)

    def press(self, accessible, action="Press"):
        """Runs an accessible action without waiting for its reply, as a screen reader may: a
        menu item that opens a modal window answers only when that window closes."""
        from gi.repository import Gio, GLib

        actions = accessible.queryAction()
        names = [actions.getName(k) for k in range(actions.nActions)]
        check(action in names, f"{accessible.name!r} has no action {action!r} (only {names})")
        self.bus.call(accessible.app.bus_name, accessible.path, "org.a11y.atspi.Action",
                      "DoAction", GLib.Variant("(i)", (names.index(action),)), None,
                      Gio.DBusCallFlags.NONE, -1, None, None, None)

    def key(self, *keysyms):
        for keysym in keysyms:
            self.pyatspi.Registry.generateKeyboardEvent(keysym, None, self.pyatspi.KEY_SYM)


# --- The scenario ---------------------------------------------------------------------------

class Scenario:
    def __init__(self, reader, program_process):
        self.r = reader
        self.at = reader.pyatspi
        self.program = program_process
        self.main = None

    # What the main window shows.
    def label(self, name):
        return self.r.get(self.main, self.at.ROLE_LABEL, name)

    def status_line(self):
        right = [label.name for label in self.r.all(self.main, self.at.ROLE_LABEL)
                 if label.name.endswith(TURN_SUFFIX)]
        check(len(right) == 1, f"one status line, found {right}")
        return right[0]

    def count(self, heading):
        """A count of the score board, read from its name: who it is for, then the number."""
        names = [label.name for label in self.r.all(self.main, self.at.ROLE_LABEL)]
        return next((n[len(heading) + 3:] for n in names if n.startswith(heading + " : ")), None)

    def wait_count(self, heading, value):
        wait_for(lambda: self.count(heading) == value, f"{heading!r} to read {value}")

    def menu_item(self, menu, item):
        bar = self.r.get(self.main, self.at.ROLE_MENU_BAR, None)
        top = self.r.get(bar, self.at.ROLE_MENU_ITEM, menu)
        return top if item is None else self.r.get(top, self.at.ROLE_MENU_ITEM, item)

    def choose(self, menu, item=None):
        self.r.press(self.menu_item(menu, item))

    # Message boxes: the caption is the window's name; the text is its label.
    def message_box(self, caption, text):
        return wait_for(lambda: self.r.window(caption, containing=text),
                        f"the message box {caption!r}: {text!r}")

    def answer(self, box, button):
        self.r.press(self.r.get(box, self.at.ROLE_PUSH_BUTTON, button))
        wait_for(lambda: not self.r.showing(box), f"the box to close after {button!r}")

    def run(self):
        self.opens_readable()
        self.menus_readable()
        self.sound_items_are_radio_items()
        self.keyboard_play()
        self.new_sheet_declined()
        self.change_of_level_and_dialog()
        self.statistics_window()
        self.rules_window()
        self.whole_match_between_two_players()

    def opens_readable(self):
        application = wait_for(self.r.find_application, "the program on the accessibility bus")
        self.r.application = application
        self.main = wait_for(lambda: self.r.window("Quintara", self.at.ROLE_FRAME),
                             "the main window \"Quintara\"")
        self.label("Niveau 1")
        equal(self.status_line(), "Joueur 1" + TURN_SUFFIX, "the status line")
        indicator = self.r.get(self.main, None, "Indicateur de tour")
        equal(indicator.description, "Joueur 1" + TURN_SUFFIX, "the turn indicator")
        check(self.r.find(self.main, self.at.ROLE_LABEL, HOVER_MESSAGE) is None,
              "no hover message before the mouse has come")
        for heading in (f"Parties gagnées par {ONE}", "Parties gagnées par l'ordinateur",
                        f"Manches gagnées par {ONE}", "Manches gagnées par l'ordinateur"):
            equal(self.count(heading), "0", "the score board")
        self.label("Parties")
        check(self.r.showing(self.label(f"Parties gagnées par {ONE} : 0")), "the games shown")
        check(not self.r.showing(self.label("Manches")), "\"Manches\" is hidden before a set")
        passed("level, status line, turn indicator, blank bottom bar and score board read")

    def menus_readable(self):
        bar = self.r.get(self.main, self.at.ROLE_MENU_BAR, None)
        menus = [item.name for item in bar]
        equal(menus, ["Fichier", "Sons", "?"], "the menus")
        items = {}
        for menu in ("Fichier", "Sons"):
            popup = self.r.get(bar, self.at.ROLE_MENU_ITEM, menu)
            items[menu] = [item.name for item in self.r.all(popup, self.at.ROLE_MENU_ITEM)]
        equal(items["Fichier"], ["Nouvelle feuille", "Changer de niveau", "Statistique",
                                 "Quitter"], "the items of \"Fichier\"")
        equal(items["Sons"], ["Son 1", "Son 2", "Désactiver le son"], "the items of \"Sons\"")
        check(self.r.checked(self.menu_item("Sons", "Son 1")), "\"Son 1\" is checked at start")
        check(not self.r.enabled(self.menu_item("Sons", "Son 2")), "\"Son 2\" cannot be chosen")
        passed("menus and their items read: " + ", ".join(menus))

    def sound_items_are_radio_items(self):
        self.choose("Sons", "Désactiver le son")
        wait_for(lambda: self.r.checked(self.menu_item("Sons", "Désactiver le son")),
                 "\"Désactiver le son\" to be checked")
        check(not self.r.checked(self.menu_item("Sons", "Son 1")), "\"Son 1\" unchecked")
        self.choose("Sons", "Son 1")
        wait_for(lambda: self.r.checked(self.menu_item("Sons", "Son 1")),
                 "\"Son 1\" to be checked again")
        passed("\"Sons\" items chosen through their actions")

    def keyboard_play(self):
        # Enter plays on the cross-hair; the computer answers within the same key press.
        self.r.key(RETURN)
        wait_for(lambda: self.r.find(self.main, self.at.ROLE_LABEL, "Joueur 1" + TURN_SUFFIX),
                 "the computer's reply")

    def new_sheet_declined(self):
        self.choose("Fichier", "Nouvelle feuille")
        box = self.message_box("Quintara", GIVE_UP_SHEET)
        self.answer(box, "Non")
        equal(self.count("Parties gagnées par l'ordinateur"), "0", "red's games after No")
        passed("\"Nouvelle feuille\" asks first; No changes nothing")

    def change_of_level_and_dialog(self):
        self.choose("Fichier", "Changer de niveau")
        box = self.message_box("Quintara", GIVE_UP_LEVEL)
        self.answer(box, "Oui")
        self.wait_count("Parties gagnées par l'ordinateur", "1")

        dialog = wait_for(lambda: self.r.window("Quintara version 2", self.at.ROLE_DIALOG),
                          "the dialog \"Quintara version 2\"")
        opponents = self.r.get(dialog, None, "Adversaires")
        levels = self.r.get(dialog, None, "Niveaux")
        computer = self.r.get(opponents, self.at.ROLE_RADIO_BUTTON, "Ordinateur")
        others = self.r.get(opponents, self.at.ROLE_RADIO_BUTTON, "Autres")
        check(self.r.checked(computer) and not self.r.checked(others), "\"Ordinateur\" chosen")
        names = self.r.all(opponents, self.at.ROLE_TEXT)
        equal([field.name for field in names], ["Joueur vert", "Joueur rouge"], "name fields")
        equal([self.r.text(field) for field in names], ["Joueur 1", "Ordinateur"], "the names")
        self.r.get(opponents, self.at.ROLE_LABEL, "contre")
        self.r.get(opponents, self.at.ROLE_LABEL, "Joueur 1")
        buttons = self.r.all(levels, self.at.ROLE_RADIO_BUTTON)
        equal([button.name for button in buttons],
              ["Niveau 1", "Niveau 2", "Niveau 3", "Niveau 4"], "the level buttons")
        check(self.r.checked(buttons[0]), "\"Niveau 1\" chosen")
        self.r.get(dialog, self.at.ROLE_PUSH_BUTTON, "OK")
        self.r.get(dialog, self.at.ROLE_PUSH_BUTTON, "Annuler")

        # A level applies at once and shows in the main window.
        self.r.press(buttons[2], "Toggle")
        wait_for(lambda: self.r.find(self.main, self.at.ROLE_LABEL, "Niveau 3"),
                 "the level text \"Niveau 3\"")
        # "Autres": two players; the levels are hidden and the second name is "Joueur 2".
        self.r.press(others, "Toggle")
        wait_for(lambda: not self.r.showing(levels), "the levels to be hidden")
        equal(self.r.text(names[1]), "Joueur 2", "the second name")
        equal(others.name, "Joueur 2", "the button \"Autres\" named after the second player")
        self.r.press(self.r.get(dialog, self.at.ROLE_PUSH_BUTTON, "OK"))
        wait_for(lambda: not self.r.showing(dialog), "the dialog to close after OK")
        passed("\"Changer de niveau\": question answered \"Oui\", red's game counted, the dialog "
               "read and set to two players through its buttons")

    def statistics_window(self):
        self.choose("Fichier", "Statistique")
        window = wait_for(lambda: self.r.window("Quintara", self.at.ROLE_DIALOG,
                                                containing="Les meilleurs scores"),
                          "the statistics window")
        for name in ("Niveau 1 : parties gagnées par le joueur rouge : 1",
                     "Niveau 1 : parties gagnées par le joueur vert : 0"):
            self.r.get(window, self.at.ROLE_LABEL, name)
        self.r.get(window, self.at.ROLE_LABEL, "Vos points pour ce match : 0")
        self.r.get(window, self.at.ROLE_LABEL,
                   "  Nombre de parties gagnées au cours de ce match")
        self.r.press(self.r.get(window, self.at.ROLE_PUSH_BUTTON, "OK"))
        wait_for(lambda: not self.r.showing(window), "the statistics window to close")
        passed("\"Statistique\": the statistics window read and closed")

    def rules_window(self):
        self.choose("?")
        window = wait_for(lambda: self.r.window("Quintara  Version 2", self.at.ROLE_DIALOG),
                          "the rules window \"Quintara  Version 2\"")
        lines = [label.name for label in self.r.all(window, self.at.ROLE_LABEL)]
        for line in RULES_LINES:
            check(line in lines, f"the rules line {line!r} (read {lines})")
        bar = self.r.get(window, self.at.ROLE_SCROLL_BAR, None)
        value = bar.queryValue()
        equal((value.minimumValue, value.maximumValue, value.currentValue), (0.0, 2000.0, 0.0),
              "the scroll bar's range and value")
        value.currentValue = 2000.0
        wait_for(lambda: bar.queryValue().currentValue == 2000.0, "the scroll bar at 2000")
        self.r.press(self.r.get(window, self.at.ROLE_PUSH_BUTTON, "Annuler"))
        wait_for(lambda: not self.r.showing(window), "the rules window to close")
        passed("\"?\": the rules window read, scrolled and closed")

    # A whole match between two players, with the keyboard. The sides alternate strictly, so
    # green opens the first game and red every later one, green winning each. The games lie in
    # pairs of rows with a free row between them, three to a pair. The first game takes five
    # columns: green across the top row, red below. A game red opens takes six: red across the
    # top row with its fifth point set apart, so that it never has five, green below.
    def whole_match_between_two_players(self):
        moves = []
        game = 0
        for top in (2, 5, 8, 11, 14):
            column = 2
            for _ in range(3):
                green_opens = game == 0
                green_row, red_row = (top, top + 1) if green_opens else (top + 1, top)
                greens = [(green_row, column + k) for k in range(5)]
                reds = [(red_row, column + k) for k in range(4)]
                if green_opens:
                    moves.append(interleave(greens, reds))
                else:
                    reds.append((red_row, column + 5))
                    moves.append(interleave(reds, greens))
                column += 5 if green_opens else 6
                game += 1

        cross_hair = (3, 15)  # where the earlier Enter left it
        for number, game_moves in enumerate(moves, start=1):
            for row, column in game_moves:
                keys = []
                keys += [DOWN] * (row - cross_hair[0]) + [UP] * (cross_hair[0] - row)
                keys += [RIGHT] * (column - cross_hair[1]) + [LEFT] * (cross_hair[1] - column)
                self.r.key(*keys, RETURN)
                cross_hair = (row, column)
            if number == 15:
                break
            games, sets = number % 5, number // 5
            self.wait_count(f"Parties gagnées par {ONE}", str(games))
            self.wait_count(f"Manches gagnées par {ONE}", str(sets))
            if number == 1:
                equal(self.status_line(), "Ordinateur" + TURN_SUFFIX,
                      "the status line after green's win: red to move")
            if number == 5:
                check(self.r.showing(self.label("Manches")), "\"Manches\" shown after a set")
                equal(self.count(f"Parties gagnées par {TWO}"), "0", "red's games after the set")
                passed("five games to green: the counts and \"Manches\" read")

        box = self.message_box("Quintara", "\u2068Joueur 1\u2069 remporte le match. Bravo!")
        self.answer(box, "OK")
        window = wait_for(lambda: self.r.window("Quintara", self.at.ROLE_DIALOG,
                                                containing="Les meilleurs scores"),
                          "the statistics window at the end of the match")
        # Fifteen games at level 3 (30 points each) and the bonus for level 3, where green won
        # 15 games to none; at level 1 red won the game given up.
        self.r.get(window, self.at.ROLE_LABEL, "Vos points pour ce match : 900")
        scores = self.r.text(self.r.get(window, None, "Les meilleurs scores"))
        check("Joueur 1" in scores and "900" in scores, f"the best scores: {scores!r}")
        self.r.press(self.r.get(window, self.at.ROLE_PUSH_BUTTON, "OK"))
        box = self.message_box("Quintara", "Voulez vous rejouer")
        self.r.press(self.r.get(box, self.at.ROLE_PUSH_BUTTON, "Non"))
        try:
            status = self.program.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            raise Failure("the program is still running after No")
        equal(status, 0, "the program's exit status")
        passed("a whole match: its message, the statistics and \"Voulez vous rejouer\" "
               "read; \"Non\" ends the program")


CROSSING = re.compile(r"^Ligne (\d+), colonne (\d+), (.+)\.$")
REPLY = re.compile(r"Ordinateur : ligne (\d+), colonne (\d+)")
# Orca at its default settings, its speech written line by line to its debug log. Any other
# Orca of the user (a developer's own) is left alone, as the test's runs in a session of its own.
ORCA = """import sys
from orca import debug
debug.debugLevel, debug.debugFile = debug.LEVEL_INFO, open(sys.argv[1], "w", buffering=1)
orca = {"__name__": "orca"}
exec(open("/usr/bin/orca").read(), orca)
orca["otherOrcas"], sys.argv = lambda: [], ["orca"]
sys.exit(orca["main"]())
"""


class HeardGame:
    """Games played by ear: keys in (xdotool), Orca's speech out, which alone tells where the
    cross-hair stands and what the computer did. The map made from it must equal the sheet."""

    def __init__(self, reader, log):
        self.r, self.at, self.log = reader, reader.pyatspi, log
        self.points, self.closed = {}, set()  # (row, column): "point vert" or "point rouge"
        self.lines, self.heard, self.transcript = [], 0, []

    def hear(self, wanted, what, timeout=TIMEOUT):
        """Waits for words `wanted` accepts; returns the words since, and (Orca's time, words)."""
        def found():
            with open(self.log, encoding="utf-8") as log:
                self.lines = [(int(h) * 3600 + int(m) * 60 + float(s), w) for h, m, s, w in
                              re.findall(r"^(\d\d):(\d\d):([\d.]+) - SPEECH OUTPUT: '(.*)' ?\{",
                                         log.read(), re.M)]
            return next((k + 1 for k in range(self.heard, len(self.lines))
                         if wanted(self.lines[k][1])), None)
        end = wait_for(found, what, timeout)
        told, self.heard = self.lines[self.heard:end], end
        self.transcript += [words for _, words in told]
        return [words for _, words in told], told

    def key(self, keys, wanted, what):
        self.transcript.append(f"[{' '.join(keys)}]")
        subprocess.run(["xdotool"] + keys, check=True)
        return self.hear(wanted, f"{what} after {keys}")

    def stand(self, words):  # where the cross-hair stands, as the words say; what lies there
        heard = CROSSING.match(words)
        self.where = (int(heard[1]), int(heard[2]))
        return heard[3]

    def state(self, place):
        state = self.points.get(place, "vide")
        closed = {"vide": "zone fermée"}.get(state, state + ", zone fermée")
        return closed if place in self.closed else state

    def run(self, program_on_bus):
        said, _ = self.hear(CROSSING.match, "the cross-hair's crossing", timeout=60)
        self.stand(said[-1])
        table = program_on_bus().queryTable()
        self.places = [(r, c) for r in range(1, table.nRows + 1)
                       for c in range(1, table.nColumns + 1)]
        self.over_the_finished_game(self.against_the_computer())
        for row, column in self.places:
            equal(table.getAccessibleAt(row - 1, column - 1).name,
                  f"Ligne {row}, colonne {column}, {self.state((row, column))}", "a cell")
        passed("the map made by ear equals the sheet")
        self.between_two_players()

    def against_the_computer(self):
        moves = []
        while "Partie gagnée" not in self.transcript[-1]:
            check(len(moves) < 100, "a game ends within 100 points")
            self.walk_to(min((p for p in self.places if p not in self.points),
                             key=lambda p: (abs(p[0] - self.where[0]) +
                                            abs(p[1] - self.where[1]), -p[0], p[1])))
            said, told = self.key(["key", "Return"], REPLY.search, "the computer's reply")
            check(said[0] == "return " and said[-1].startswith("notification "), f"heard {said}")
            check(told[-1][0] - told[0][0] < 1.0, f"the reply within a second: {told}")
            reply = REPLY.search(said[-1])
            moves += [self.where, (int(reply[1]), int(reply[2]))]
            self.points.update({moves[-2]: "point vert", moves[-1]: "point rouge"})
        equal(said[-1], f"notification {reply[0]}. Partie gagnée par l'ordinateur. Parties : "
              "0 à 1.", "the computer's winning point")
        passed(f"by ear: {len(moves) // 2} replies, each within a second, the computer's win")
        return moves

    def over_the_finished_game(self, moves):
        rows, columns = [r for r, _ in moves], [c for _, c in moves]
        self.closed = {(r, c) for r in range(min(rows), max(rows) + 1)
                       for c in range(min(columns), max(columns) + 1)}
        self.walk_to(next(p for p in moves[::2] if p != self.where))
        # Enter on a point: the message box is read, and answered with the keyboard.
        said, _ = self.key(["key", "Return"], lambda w: w == "OK push button.", "the box")
        equal(said, ["return ", "alert ATTENTION !!!", "Vous ne pouvez plus jouer ici.",
                     "OK push button."], "the refusal")
        said, _ = self.key(["key", "Return"], CROSSING.match, "the sheet again")
        equal(self.stand(said[-1]), "point vert, zone fermée", "the crossing after the box")
        self.walk_to((min(rows) - 1 if min(rows) > 1 else max(rows) + 1, self.where[1]))
        passed("a finished game's points and zone heard; \"ATTENTION !!!\" heard and answered")

    def between_two_players(self):
        # "Changer de niveau" from the menu, "Autres" and "OK" in the dialog, by keyboard.
        self.key(["keydown", "alt", "sleep", "0.3", "key", "f", "sleep", "0.3", "keyup", "alt"],
                 lambda w: w == "Nouvelle feuille.", "the menu")
        self.key(["key", "Down"], lambda w: w == "Changer de niveau.", "the item")
        self.key(["key", "Return"], lambda w: w == "selected radio button", "the dialog")
        self.key(["key", "Right"], lambda w: w == "selected radio button", "\"Autres\"")
        said, _ = self.key(["key", "Return"], CROSSING.match, "the sheet")
        self.stand(said[-1])
        self.points, self.closed = {}, set()
        turns = ["notification Ordinateur A vous de jouer.",
                 "notification Joueur 1 A vous de jouer."] * 5
        turns[-1] = f"notification Partie gagnée par {TWO}. Parties : 0 à 2. " + turns[-1][13:]
        for k, turn in enumerate(turns):  # green across row 2 with gaps, red's five below
            self.walk_to((2 + k % 2, 2 + k // 2 * (2 - k % 2)))
            said, _ = self.key(["key", "Return"], lambda w: w.startswith("notification"), "turn")
            equal(said, ["return ", turn], "Enter between two players")
            self.points[self.where] = ("point vert", "point rouge")[k % 2]
        passed("by ear: menu and dialog by keyboard; two players, whose turn, the second's win")

    def walk_to(self, target):
        """One arrow at a time, from where the speech says; each says one crossing, no more."""
        while self.where != target:
            (row, column), (to_row, to_column) = self.where, target
            arrow = ("Down" if to_row > row else "Up" if to_row < row
                     else "Right" if to_column > column else "Left")
            said, _ = self.key(["key", arrow], CROSSING.match, "a crossing")
            check(len(said) == 1, f"one crossing for {arrow}, heard {said}")
            equal(self.stand(said[0]), self.state(self.where), f"what {self.where} holds")


def interleave(first, second):
    """first[0], second[0], first[1], ... : the two sides alternate."""
    return [move for pair in itertools.zip_longest(first, second) for move in pair if move]


def main():
    program, folder, launcher = sys.argv[1:4]
    os.makedirs(folder, exist_ok=True)
    bus, address = start_bus(launcher, folder)
    if address is None:
        print("skipped: the accessibility bus (at-spi-bus-launcher) did not start; see "
              + os.path.join(folder, "at-spi-bus.log"))
        bus.kill()
        return SKIP

    from gi.repository import Gio
    import pyatspi

    a11y_bus = Gio.DBusConnection.new_for_address_sync(
        address,
        Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    started = time.monotonic()
    program_process = start_program(program, folder)
    status, orca = 1, None
    try:
        Scenario(Reader(pyatspi, a11y_bus), program_process).run()
        log = os.path.join(folder, "orca.log")
        orca = subprocess.Popen(["/usr/bin/python3", "-c", ORCA, log],
                                stdout=open(os.path.join(folder, "orca.out"), "w"),
                                stderr=subprocess.STDOUT)
        game = HeardGame(Reader(pyatspi, a11y_bus), log)
        game.hear(lambda w: w == "Screen reader on.", "Orca to start", timeout=60)
        program_process = start_program(program, os.path.join(folder, "heard"), orca=True)
        game.r.application = wait_for(game.r.find_application, "the program on the bus")
        game.run(lambda: game.r.get(wait_for(lambda: game.r.window("Quintara"), "the window"),
                                    pyatspi.ROLE_TABLE, "Feuille"))
        with open(os.path.join(folder, "transcript.txt"), "w") as out:
            out.write("\n".join(game.transcript) + "\n")
        print(f"passed in {time.monotonic() - started:.1f} s")
        status = 0
    except Failure as failure:
        print(f"FAILED: {failure}")
        if shutil.which("import"):
            screen = os.path.join(folder, "failure.png")
            subprocess.run(["import", "-window", "root", screen], check=False)
            print(f"the screen is in {screen}")
        with open(os.path.join(folder, "quintara.log")) as log:
            sys.stdout.write(log.read())
    finally:
        if orca is not None:
            orca.kill()  # Orca may hang on a polite end
            orca.wait()
        if program_process.poll() is None:
            program_process.kill()
            program_process.wait()
        bus.terminate()
        bus.wait()
    return status


if __name__ == "__main__":
    sys.exit(main())
