#!/usr/bin/python3
"""Quintara played by ear (keys sent with xdotool), judged by what Orca says alone (the SPEECH
OUTPUT lines of its debug log): a game lost to the computer (fixed die), the map heard read back
over its closed zone; a game won, after which the sheet grows; the sound chosen; the rules read
whole; a point taken back and a hint; a message box, a menu, a question and a dialog by
keyboard; a move between two players.
Then the game again under an English desktop, heard in English. Run by accessibility-under-xvfb.sh.
Usage: accessibility_test.py <quintara> <work folder>"""
import os
import re
import subprocess
import sys
import time

# Orca at its default settings, its speech written line by line to its debug log.
ORCA = """import sys
from orca import debug
debug.debugLevel, debug.debugFile = debug.LEVEL_INFO, open(sys.argv[1], "w", buffering=1)
orca = {"__name__": "orca"}
exec(open("/usr/bin/orca").read(), orca)
orca["otherOrcas"], sys.argv = lambda: [], ["orca"]
sys.exit(orca["main"]())
"""
SPOKEN = re.compile(r"^(\d\d):(\d\d):([\d.]+) - SPEECH OUTPUT: '(.*)' ?\[?\{", re.M)
CROSSING = re.compile(r"Ligne (\d+), colonne (\d+), (.+)\.$")
REPLY = re.compile(r"Ordinateur : ligne (\d+), colonne (\d+)\.")
WORDS = re.compile(r"[\w']+")
ARROWS = {"Up": (-1, 0), "Down": (1, 0), "Left": (0, -1), "Right": (0, 1)}
ALT_F = "keydown alt sleep 0.3 key f sleep 0.3 keyup alt"
# The player's moves of the second game, which win it left of the first one's zone against the
# computer's replies (the die is fixed): the sheet's first rows then hold no free 12 x 12 area,
# and the window grows to the largest sheet.
WIN = [(5, 9), (6, 10), (7, 12), (7, 13), (7, 11), (8, 12), (9, 13)]
RULES = """Comment jouer ? / pour jouer il suffit de cliquer à l'intersection de deux lignes. /
Il est possible de jouer  plusieurs parties  sur la même feuille, / mais vous pouvez changer de
feuille au  début de chaque / partie. / Ceux qui n 'aiment pas cliquer pourront utiliser le viseur.
/ La partie / Pour gagner une partie il faut arriver à former un alignement / de cinq points sur
une même ligne ( horizontale, verticale ou / diagonale) . / La manche / Le premier joueur qui
gagne trois parties remporte la manche. / Le jeu / Le vainqueur est celui qui, le premier,
remporte trois / manches."""


class Player:
    """Knows only what Orca said: where the cross-hair stands, and the points heard."""

    def __init__(self, log):
        self.log, self.unread, self.queue, self.transcript = log, "", [], []
        self.points, self.closed = {}, set()  # (row, column): "point vert" or "point rouge"

    def hear(self, last, what, timeout=10.0):
        """The (time, words) spoken since the last call, up to the first words `last` accepts."""
        deadline = time.monotonic() + timeout
        while not any(last(words) for _, words in self.queue):
            assert time.monotonic() < deadline, f"waited {timeout:.0f} s for {what}"
            time.sleep(0.05)
            done, _, self.unread = (self.unread + self.log.read()).rpartition("\n")
            self.queue += [(int(h) * 3600 + int(m) * 60 + float(s), words)
                           for h, m, s, words in SPOKEN.findall(done)]
        end = next(k for k, (_, words) in enumerate(self.queue) if last(words)) + 1
        told, self.queue = self.queue[:end], self.queue[end:]
        self.transcript += [words for _, words in told]
        return told

    def send(self, keys):
        self.transcript.append(f"[{keys}]")
        subprocess.run(["xdotool"] + keys.split(), check=True)

    def press(self, keys, said):
        """Orca answers the keys with exactly these words."""
        self.send(keys)
        heard = [w for _, w in self.hear(lambda w: w == said[-1], f"{said[-1]!r} after [{keys}]")]
        assert heard == said, f"[{keys}]: heard {heard}, wanted {said}"

    def crossing(self):
        r, c = self.where
        state = self.points.get(self.where, "vide")
        if self.where in self.closed:
            state = "zone fermée" if state == "vide" else state + ", zone fermée"
        return f"Ligne {r}, colonne {c}, {state}."

    def sheet(self):  # what Orca says when the sheet takes the focus
        return ["Quintara frame.", "Feuille.", "table with %d rows %d columns" % self.size,
                self.crossing()]

    def arrow(self, name):
        """An arrow moves the cross-hair one crossing within the sheet, and Orca says that one
        crossing; at the edge it says nothing (else the next key's words would show it)."""
        to = tuple(min(max(a + d, 1), n) for a, d, n in zip(self.where, ARROWS[name], self.size))
        if to == self.where:
            return self.send(f"key {name}")
        self.where = to
        self.press(f"key {name}", [self.crossing()])

    def walk(self, to):
        while self.where != to:
            (r, c), (r2, c2) = self.where, to
            self.arrow("Down" if r2 > r else "Up" if r2 < r else "Right" if c2 > c else "Left")

    def play(self):
        said = [words for _, words in self.hear(CROSSING.match, "the sheet", 60)]
        self.size = tuple(map(int, re.findall(r"\d+", said[-2])))  # "table with 14 rows 19 ..."
        self.where = tuple(map(int, CROSSING.match(said[-1]).groups()[:2]))
        assert said[-4:] == self.sheet(), f"the window read: {said}, wanted {self.sheet()}"
        for _ in range(self.where[0]):  # up to the top row, and once more at the edge
            self.arrow("Up")
        red = self.play_a_game()
        assert self.last == "notification %s Partie gagnée par l'ordinateur. Parties : 0 à 1." % \
            REPLY.search(self.last)[0], f"the game lost: {self.last}"
        assert any(all(self.points.get((red[0] + (s + k) * dr, red[1] + (s + k) * dc)) ==
                       "point rouge" for k in range(5))
                   for s in range(-4, 1) for dr, dc in ((0, 1), (1, 0), (1, 1), (1, -1))), \
            f"five red points in a row through {red}: {self.points}"
        self.over_the_closed_zone()
        for keys, said in [  # Enter on a closed crossing
                ("key Return", ["return ", "alert ATTENTION !!!", "Vous ne pouvez plus jouer ici.",
                                "OK push button."]),
                ("key Return", ["return "] + self.sheet())]:
            self.press(keys, said)
        # The player's five; the sheet's growth is said before the computer's opening point
        # (beyond the 19 columns heard so far, where the cross-hair now goes).
        self.walk(self.play_a_game(WIN))
        assert self.last == "notification Partie gagnée par \u2068Joueur 1\u2069. Parties : 1 à " \
            "1. Feuille agrandie : 20 lignes, 28 colonnes. Ordinateur : ligne 7, colonne 22.", \
            f"the game won: {self.last}"
        # Ctrl+Z takes back the player's point and the reply; Ctrl+H moves the cross-hair to the
        # free crossing the computer's rules choose for the player, and Orca reads it there.
        self.walk((7, 23))
        del self.points[self.point()[1]], self.points[self.where]
        self.press("key ctrl+z",
                   ["left control ", "notification Coup annulé : ligne 7, colonne 23."])
        self.point()
        self.send("key ctrl+h")
        said = [w for _, w in self.hear(lambda w: w.startswith("notification"), "the hint")]
        r, c = self.where = tuple(map(int, re.findall(r"\d+", said[-1])))
        assert said == ["left control ", f"Ligne {r}, colonne {c}, vide.",
                        f"notification Conseil : ligne {r}, colonne {c}."], f"the hint: {said}"
        menu, sheet = (ALT_F, ["left alt ", "Nouvelle feuille."]), self.sheet()[1:]
        for keys, said in [  # the sound chosen in the menu "Sons", confirmed
                menu, ("key Right", ["Son 1 checked."]), ("key Down", ["Désactiver le son."]),
                ("key Return", ["return ", "notification Son désactivé."] + sheet),
                menu, ("key Right", ["Son 1."]),
                ("key Return", ["return ", "notification Son activé."] + sheet),
                menu, ("key Right", ["Son 1 checked."]),
                ("key Right", ["Annuler le coup."]), ("key Right", ["?"])]:
            self.press(keys, said)
        self.read_the_rules()
        new_sheet = self.sheet()[:3] + ["Ligne %d, colonne %d, vide." % self.where]
        for keys, said in [  # the menu, a question and the dialog by keyboard
                menu, ("key Down", ["Changer de niveau."]),
                ("key Return", ["return ", "alert Quintara.", "Si vous changez de niveau alors que "
                                "la partie n'est pas terminée le point ira à Ordinateur. Voulez "
                                "vous tout de même changer de niveau?", "Oui push button."]),
                ("key Return", ["return ", "notification Partie gagnée par l'ordinateur. Parties :"
                                " 1 à 2. Nouvelle feuille.", "Quintara version 2 dialog.",
                                "Adversaires panel.", "Adversaires.", "Ordinateur.",
                                "selected radio button"]),
                ("key Right", ["Adversaires.", "Joueur 2.", "selected radio button"]),
                ("key Return", ["return "] + new_sheet),
                ("key Return", ["return ", "notification Ordinateur A vous de jouer."])]:
            self.press(keys, said)

    def in_english(self):
        """Under an English desktop the game speaks English (Orca's own words keep its language):
        the sheet's crossings, the computer's point, the menu; and no French word."""
        start = len(self.transcript)
        said = [w for _, w in self.hear(lambda w: re.match("Row|Ligne", w), "the sheet", 60)]
        at = re.fullmatch(r"Row (\d+), column (\d+), empty\.", said[-1])
        assert said[-4:-2] == ["Quintara frame.", "Sheet."] and at, f"the window read: {said}"
        self.send("key Return")
        said = self.hear(lambda w: w.startswith("notification"), "the reply")[-1][1]
        red = re.fullmatch(r"notification Computer: row (\d+), column (\d+)\.", said)
        assert red, f"the reply: {said}"
        (r, c), (r2, c2) = (tuple(map(int, m.groups())) for m in (at, red))
        self.send("key " + " ".join(["Down" if r2 > r else "Up"] * abs(r2 - r) +
                                    ["Right" if c2 > c else "Left"] * abs(c2 - c)))
        self.hear(lambda w: w == f"Row {r2}, column {c2}, red point.", "the computer's point")
        self.press(ALT_F, ["left alt ", "New sheet."])
        self.press("key Escape", ["escape ", "File."])
        french = [w for w in self.transcript[start:] if re.search(
            r"\b(Ligne|colonne|vide|point (vert|rouge)|Ordinateur|Feuille|Fichier|Nouvelle)\b", w)]
        assert not french, f"French heard under an English desktop: {french}"

    def play_a_game(self, moves=()):
        """Plays these moves, then the free crossing nearest the cross-hair, until a game ends;
        each Enter is answered within a second by one notification, which names the computer's
        point. The game's rectangle is then closed. Returns the computer's last point."""
        game, moves, said = [], list(moves), ""
        while "Partie" not in said:
            self.walk(moves.pop(0) if moves else min(
                ((r, c) for r in range(1, self.size[0] + 1) for c in range(1, self.size[1] + 1)
                 if (r, c) not in self.points),
                key=lambda p: (abs(p[0] - self.where[0]) + abs(p[1] - self.where[1]), -p[0], p[1])))
            game.append(self.where)
            said, red = self.point()
            if "Partie" not in said or REPLY.search(said).start() < said.index("Partie"):
                game.append(red)  # else the next game's
        self.closed |= {(r, c) for r in range(min(r for r, _ in game), max(r for r, _ in game) + 1)
                        for c in range(min(c for _, c in game), max(c for _, c in game) + 1)}
        self.last = said
        return red

    def point(self):
        """Enter on the cross-hair: the notification and the computer's point it names."""
        self.points[self.where] = "point vert"
        self.send("key Return")
        told = self.hear(lambda words: words.startswith("notification"), "the reply")
        said, heard = told[-1][1], REPLY.search(told[-1][1])
        assert len(told) == 2 and told[0][1] == "return " and heard, f"Enter: heard {told}"
        assert told[1][0] - told[0][0] < 1.0, f"the reply within a second: {told}"
        assert "Partie" in said or said == "notification " + heard[0], f"the reply: {said}"
        grown = re.search(r"Feuille agrandie : (\d+) lignes, (\d+) colonnes", said)
        self.size = tuple(map(int, grown.groups())) if grown else self.size
        red = (int(heard[1]), int(heard[2]))
        assert red not in self.points and all(1 <= a <= n for a, n in zip(red, self.size)), \
            f"the reply on a free crossing: {told}"
        self.points[red] = "point rouge"
        return said, red

    def over_the_closed_zone(self):
        """The game's rectangle is closed: every crossing of it is read with its point."""
        rows, columns = [r for r, _ in self.points], [c for _, c in self.points]
        for k, r in enumerate(range(min(rows), max(rows) + 1)):
            for c in range(min(columns), max(columns) + 1)[::1 if k % 2 == 0 else -1]:
                self.walk((r, c))

    def read_the_rules(self):
        """"&?": Orca reads the whole of the rules as the window opens, each word of every line in
        order; its flat review (the keypad), from the top, reads them all again, a paragraph a
        line."""
        self.send("key Return")
        said = [w for _, w in self.hear(lambda w: w == "Annuler push button.", "the rules")]
        assert said[0] == "return " and WORDS.findall(said[1]) == WORDS.findall(
            "Quintara  Version 2 dialog " + RULES), f"the rules read: {said}"
        self.press("key Insert+KP_Home", ["scroll bar 0 percent."])
        review = []
        while review[-1:] != ["Annuler"]:
            self.send("key KP_Page_Up")
            review += [w for _, w in self.hear(lambda w: True, "the next line")]
        assert WORDS.findall(" ".join(review[:-1])) == WORDS.findall(RULES), f"review: {review}"
        self.press("key Escape", ["escape "] + self.sheet())


def main():
    program, folder = sys.argv[1:3]
    log = os.path.join(folder, "orca.log")
    open(log, "w").close()
    output = open(os.path.join(folder, "output.log"), "w")
    orca = subprocess.Popen([sys.executable, "-c", ORCA, log], stdout=output, stderr=output)
    game, player = None, Player(open(log, encoding="utf-8"))
    try:
        player.hear(lambda words: words == "Screen reader on.", "Orca to start", 60)
        for language, lang, play in (("fr", "fr_FR.UTF-8", player.play),
                                     ("en", "en_US.UTF-8", player.in_english)):
            # The desktop's language for the game alone: Orca keeps its own.
            game = subprocess.Popen([program], stdout=output, stderr=output, env=dict(
                os.environ, QUINTARA_DIE_SEED="2026", LANGUAGE=language, LANG=lang,
                XDG_DATA_HOME=os.path.join(folder, "data-" + language)))
            play()
            game.kill()
            game.wait()
        print("passed")
        return 0
    except Exception as failure:
        print(f"FAILED: {failure!r}\nthe last words heard (all in {folder}/transcript.txt):",
              *player.transcript[-12:], *(words for _, words in player.queue), sep="\n")
        return 1
    finally:
        for process in (game, orca):
            if process is not None:
                process.kill()  # Orca may hang on a polite end
                process.wait()
        with open(os.path.join(folder, "transcript.txt"), "w") as out:
            out.write("\n".join(player.transcript) + "\n")


if __name__ == "__main__":
    sys.exit(main())
