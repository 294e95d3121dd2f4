#!/usr/bin/env python3
"""Makes faults mechanically over the rule code, for scripts/mutanten.sh --erzeugt.

  mutanten_erzeugen.py liste WURZEL AUS.json [--seed S] [--anzahl N] [ID ...]
      every fault the operators make, less the known equivalents, a sample of N drawn with seed S
      (or only the IDs named) written to AUS.json; one line per fault on stdout: ID file:line change
  mutanten_erzeugen.py pflanzen KOPIE AUS.json ID
      plants that fault into the copy; exit 3 when the lines are no longer there

Operators: a relational operator turned into its neighbour, an integer constant off by one, two
adjacent entries of a table swapped, a case label dropped or moved to the next group, a call
statement left out. Comments, strings, preprocessor lines, asserts and logging are left alone. A
fault keeps the file's line count, so that an unchanged object file shows an equivalent fault.
An ID is a hash of the file, the lines and the change, so it survives code moving elsewhere.
"""
import hashlib
import json
import random
import re
import sys
from pathlib import Path

# The rule code: every layer the build names (knallfeld_schicht in CMakeLists.txt) below the Qt
# windows, and of those the few files that hold rules rather than widgets.
SCHICHT = re.compile(r"^knallfeld_schicht\(\w+ ([\w/]+)", re.M)
UI_REGELN = ["ui/spiel/UFeldMassstab", "ui/spiel/UFensterGroesse", "ui/basis/UTaktgeber",
             "ui/eingabe/UTastencode", "ui/eingabe/UTastenname", "ui/basis/UMitwachsen"]
AEQUIVALENT = "tests/mutanten/aequivalent.txt"

NACHBAR = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
KEIN_AUFRUF = {"return", "if", "for", "while", "switch", "case", "else", "do", "delete", "new",
               "throw", "sizeof", "static_assert", "assert", "using", "typedef", "goto"}
AUSGELASSEN = re.compile(r"\b(static_assert|assert|Q_ASSERT\w*|fprintf|qDebug|qWarning|qInfo)\b")
TABELLEN_TYP = re.compile(r"std::array<|std::vector<|QList<|QVector<|QStringList|std::map<|QMap<|"
                          r"QHash<|std::unordered_map<|std::initializer_list<")


def dateien(wurzel):
    out = []
    ordner = SCHICHT.findall((wurzel / "CMakeLists.txt").read_text(encoding="utf-8"))
    for o in [o for o in ordner if not o.startswith("ui/")]:
        out += sorted((wurzel / o).rglob("*.cpp")) + sorted((wurzel / o).rglob("*.h"))
    for u in UI_REGELN:
        out += [p for p in (wurzel / (u + ".cpp"), wurzel / (u + ".h")) if p.exists()]
    return out


def maskiert(text):
    """The text with comments blanked and the insides of strings and characters blanked."""
    out = list(text)
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            while i < n and text[i] != "\n":
                out[i] = " "
                i += 1
        elif text.startswith("/*", i):
            e = text.find("*/", i + 2)
            e = n if e < 0 else e + 2
            for k in range(i, e):
                if text[k] != "\n":
                    out[k] = " "
            i = e
        elif c == "R" and text.startswith('R"', i) and (i == 0 or not text[i - 1].isalnum()):
            auf = text.find("(", i)
            trenner = ")" + text[i + 2:auf] + '"'
            e = text.find(trenner, auf)
            e = n if e < 0 else e + len(trenner)
            for k in range(i + 2, e - 1):
                if text[k] != "\n":
                    out[k] = " "
            i = e
        elif c in "\"'":
            if c == "'" and i > 0 and text[i - 1].isalnum() and text[i + 1:i + 2].isdigit():
                i += 1  # a digit separator
                continue
            k = i + 1
            while k < n and text[k] != c and text[k] != "\n":
                if text[k] == "\\":
                    out[k] = " "
                    k += 1
                out[k] = " "
                k += 1
            i = k + 1
        else:
            i += 1
    return "".join(out)


class Datei:
    def __init__(self, wurzel, pfad):
        self.name = str(pfad.relative_to(wurzel))
        self.text = pfad.read_text(encoding="utf-8")
        self.zeilen = self.text.split("\n")
        self.maske = maskiert(self.text)
        self.mzeilen = self.maske.split("\n")
        self.anfang = [0]
        for z in self.zeilen:
            self.anfang.append(self.anfang[-1] + len(z) + 1)
        # Lines to leave alone: preprocessor (with continuations), asserts, logging.
        self.tabu = set()
        weiter = False
        for nr, (z, m) in enumerate(zip(self.zeilen, self.mzeilen)):
            if weiter or m.lstrip().startswith("#"):
                self.tabu.add(nr)
                weiter = z.rstrip().endswith("\\")
            if AUSGELASSEN.search(z):
                self.tabu.add(nr)
        self.code = self._im_code()

    def zeile_von(self, pos):
        lo, hi = 0, len(self.anfang) - 1
        while lo < hi - 1:
            mid = (lo + hi) // 2
            if self.anfang[mid] <= pos:
                lo = mid
            else:
                hi = mid
        return lo

    def _im_code(self):
        """For each line: whether it starts inside a function body."""
        stapel, code, m = [], [], self.maske
        zeile_anf = set(self.anfang)
        for i, c in enumerate(m):
            if i in zeile_anf:
                code.append(bool(stapel) and stapel[-1])
            if c == "{":
                vorher = m[max(0, i - 200):i].rstrip()
                vorher = re.sub(r"(\bconst|\bnoexcept|\boverride|\bmutable|\bfinal|->\s*[\w:<>*&, ]+)\s*$",
                                "", vorher).rstrip()
                ist = vorher.endswith(")") or re.search(r"\b(else|do|try)$", vorher) is not None
                stapel.append(ist or (bool(stapel) and stapel[-1]))
            elif c == "}" and stapel:
                stapel.pop()
        while len(code) < len(self.zeilen):
            code.append(False)
        return code


def fehler(d, z1, z2, neu, art, was):
    return {"datei": d.name, "von": z1, "bis": z2, "alt": d.zeilen[z1:z2 + 1], "neu": neu,
            "art": art, "was": was}


def ersetze_zeile(d, nr, a, e, ersatz):
    z = d.zeilen[nr]
    return [z[:a] + ersatz + z[e:]]


def vergleiche(d):
    for nr, m in enumerate(d.mzeilen):
        if nr in d.tabu or "template" in m or "operator" in m:
            continue
        for t in re.finditer(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)", m):
            op = t.group(1)
            yield fehler(d, nr, nr, ersetze_zeile(d, nr, t.start(), t.end(), NACHBAR[op]), "vergleich",
                         f"{op} -> {NACHBAR[op]}")


def konstanten(d):
    zahl = re.compile(r"(?<![\w.])(0[xX][0-9a-fA-F]+|\d+)([uUlL]*)(?![\w.'])")
    for nr, m in enumerate(d.mzeilen):
        if nr in d.tabu:
            continue
        for t in zahl.finditer(m):
            roh = t.group(1)
            wert = int(roh, 16) if roh[:2] in ("0x", "0X") else int(roh)
            for neu in (wert + 1, wert - 1):
                if neu < 0:
                    continue
                text = (f"0x{neu:X}" if roh[:2] in ("0x", "0X") else str(neu))
                yield fehler(d, nr, nr, ersetze_zeile(d, nr, t.start(1), t.end(1), text), "konstante",
                             f"{roh} -> {text}")


def eintraege(m, auf):
    """The top-level entries of the braces opened at auf: (start, end) of each, stripped."""
    tiefe, i, anf, out = 0, auf + 1, auf + 1, []
    while i < len(m):
        c = m[i]
        if c in "({[":
            tiefe += 1
        elif c in ")]}":
            if tiefe == 0:
                out.append((anf, i))
                break
            tiefe -= 1
        elif c == ";" and tiefe == 0:
            return []
        elif c == "," and tiefe == 0:
            out.append((anf, i))
            anf = i + 1
        i += 1
    fein = []
    for a, e in out:
        while a < e and m[a].isspace():
            a += 1
        while e > a and m[e - 1].isspace():
            e -= 1
        if e > a:
            fein.append((a, e))
    return fein


def tabellen(d):
    m = d.maske
    for t in re.finditer(r"\{", m):
        i = t.start()
        vorher = m[max(0, i - 300):i]
        satz = re.split(r"[;{}]", vorher)[-1]
        ist = (re.search(r"\]\s*=?\s*$", satz) or (TABELLEN_TYP.search(satz) and re.search(r"[=\w]\s*$", satz))
               or re.search(r"\bfor\s*\(.*:\s*$", satz) or re.search(r"\{\s*$", vorher))
        if not ist:
            continue
        teile = eintraege(m, i)
        if len(teile) < 2:
            continue
        for k in range(len(teile) - 1):
            (a1, e1), (a2, e2) = teile[k], teile[k + 1]
            x, y = d.text[a1:e1], d.text[a2:e2]
            if x == y:
                continue
            z1, z2 = d.zeile_von(a1), d.zeile_von(e2 - 1)
            if any(z in d.tabu for z in range(z1, z2 + 1)):
                continue
            bereich = d.text[d.anfang[z1]:d.anfang[z2 + 1] - 1]
            o = d.anfang[z1]
            neu = bereich[:a1 - o] + y + bereich[e1 - o:a2 - o] + x + bereich[e2 - o:]
            if neu.count("\n") != bereich.count("\n"):
                continue
            kurz = lambda s: " ".join(s.split())[:40]
            yield fehler(d, z1, z2, neu.split("\n"), "tabelle", f"swap [{kurz(x)}] <-> [{kurz(y)}]")


MARKE = re.compile(r"^(\s*)(case\b[^:]*(?:::[^:]*)*?:)(?!:)\s*(.*)$")


def faelle(d):
    for nr, m in enumerate(d.mzeilen):
        t = MARKE.match(m)
        if not t or nr in d.tabu:
            continue
        einr, marke = t.group(1), t.group(2)
        z = d.zeilen[nr]
        rest = z[len(einr) + len(marke):]
        yield fehler(d, nr, nr, [einr + rest.strip() if rest.strip() else ""], "fall", f"drop {marke}")
        if t.group(3):
            continue
        # Move the label to the next group of labels at the same depth (or to the first group).
        ziel, k, im_rumpf = None, nr + 1, False
        while k < len(d.mzeilen):
            mk = d.mzeilen[k]
            if mk.strip() and len(mk) - len(mk.lstrip()) < len(einr):
                break
            ist_marke = mk.startswith(einr) and re.match(r"(case\b|default\s*:)", mk[len(einr):])
            if ist_marke and im_rumpf:
                ziel = k
                break
            if mk.strip() and not ist_marke:
                im_rumpf = True
            k += 1
        if ziel is None:
            continue
        neu = d.zeilen[nr + 1:ziel] + [z]
        yield fehler(d, nr, ziel - 1, neu, "fall", f"move {marke} to line {ziel + 1}")


AUFRUF = re.compile(r"^\s*(?:emit\s+)?((?:::)?[A-Za-z_][\w:]*(?:\s*(?:\.|->)\s*[A-Za-z_]\w*|\[[^\]]*\])*)\s*\(")


def aufrufe(d):
    nr = 0
    while nr < len(d.mzeilen):
        m = d.mzeilen[nr]
        t = AUFRUF.match(m)
        if not t or not d.code[nr] or nr in d.tabu:
            nr += 1
            continue
        kopf = t.group(1).split("::")[0].split(".")[0].split("->")[0].strip()
        if kopf in KEIN_AUFRUF or re.match(r"Q_[A-Z_]+$", kopf):
            nr += 1
            continue
        # Follow the statement to its end: balanced parentheses, chained calls, then ';'.
        text = "\n".join(d.mzeilen[nr:nr + 30])
        i, tiefe, ende = t.end() - 1, 0, None
        while i < len(text):
            c = text[i]
            if c in "([{":
                tiefe += 1
            elif c in ")]}":
                tiefe -= 1
                if tiefe == 0:
                    rest = text[i + 1:]
                    weiter = re.match(r"\s*(?:\.|->)\s*[A-Za-z_]\w*\s*\(", rest)
                    if weiter:
                        i += weiter.end()
                        tiefe = 1
                        i += 1
                        continue
                    if re.match(r"\s*;\s*(\n|$)", rest):
                        ende = i
                    break
            i += 1
        if ende is None:
            nr += 1
            continue
        z2 = nr + text[:ende].count("\n")
        if any(z in d.tabu for z in range(nr, z2 + 1)):
            nr = z2 + 1
            continue
        name = t.group(1).strip()
        yield fehler(d, nr, z2, [""] * (z2 - nr + 1), "aufruf", f"leave out call {name}(...)")
        nr += 1


def alle(wurzel):
    out = []
    for p in dateien(wurzel):
        d = Datei(wurzel, p)
        gesehen = {}
        for op in (vergleiche, konstanten, tabellen, faelle, aufrufe):
            for f in op(d):
                schluessel = json.dumps([f["datei"], f["alt"], f["neu"]])
                gesehen[schluessel] = gesehen.get(schluessel, 0) + 1
                f["id"] = "g" + hashlib.sha1(f"{schluessel}#{gesehen[schluessel]}".encode()).hexdigest()[:8]
                out.append(f)
    return out


def aequivalente(wurzel):
    p = wurzel / AEQUIVALENT
    if not p.exists():
        return set()
    return {z.split()[0] for z in p.read_text(encoding="utf-8").splitlines()
            if z.strip() and not z.startswith("#")}


def liste(argv):
    wurzel, aus = Path(argv[0]), Path(argv[1])
    seed, anzahl, ids, i = None, 150, [], 2
    while i < len(argv):
        if argv[i] == "--seed":
            seed, i = int(argv[i + 1]), i + 2
        elif argv[i] == "--anzahl":
            anzahl, i = int(argv[i + 1]), i + 2
        else:
            ids.append(argv[i])
            i += 1
    alle_fehler = alle(wurzel)
    bekannt = aequivalente(wurzel)
    if ids:
        wahl = [f for f in alle_fehler if f["id"] in ids]
        print(f"{len(wahl)} of the {len(ids)} IDs found", file=sys.stderr)
    else:
        offen = [f for f in alle_fehler if f["id"] not in bekannt]
        if seed is None:
            seed = random.SystemRandom().randrange(1, 100000)
        wahl = random.Random(seed).sample(offen, min(anzahl, len(offen)))
        arten = {}
        for f in offen:
            arten[f["art"]] = arten.get(f["art"], 0) + 1
        print(f"seed {seed}: {len(wahl)} drawn of {len(offen)} faults "
              f"({', '.join(f'{k} {v}' for k, v in sorted(arten.items()))}; "
              f"{len(alle_fehler) - len(offen)} known equivalents left out)", file=sys.stderr)
    aus.write_text(json.dumps(wahl), encoding="utf-8")
    for f in wahl:
        print(f"{f['id']}\t{f['datei']}\t{f['von'] + 1}\t{f['was']}")


def pflanzen(argv):
    kopie, liste_pfad, fid = Path(argv[0]), Path(argv[1]), argv[2]
    f = next(x for x in json.loads(liste_pfad.read_text(encoding="utf-8")) if x["id"] == fid)
    p = kopie / f["datei"]
    zeilen = p.read_text(encoding="utf-8").split("\n")
    if zeilen[f["von"]:f["bis"] + 1] != f["alt"]:
        sys.exit(3)
    zeilen[f["von"]:f["bis"] + 1] = f["neu"]
    p.write_text("\n".join(zeilen), encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) < 2 or sys.argv[1] not in ("liste", "pflanzen"):
        sys.exit(__doc__)
    (liste if sys.argv[1] == "liste" else pflanzen)(sys.argv[2:])
