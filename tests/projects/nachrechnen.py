#!/usr/bin/env python3
"""Independent recomputation of the golden projects.

Reads a project file (.zirvo9) by itself (unscrambling, tokens, escapes),
takes the climate station from the station data file and computes every zone
the way the energy balance is described for users of the program: energy
reference area, transmission to outside air, to unheated rooms / earth /
neighbour zones, windows and doors with solar gains, natural and mechanical
ventilation, internal gains, utilisation factor, monthly balance, limit value
and heat load. It shares no code with the program.

    nachrechnen.py NAME.zirvo9 [--stationen FILE] [--kommentar TEXT] > NAME.expected

The output has the line format of the golden-project test:
    ZONECODE KEY INDEX VALUE
"""

import argparse
import math
import os
import sys
from decimal import Decimal, ROUND_HALF_UP

TAGE = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]


# ---------------------------------------------------------------- numbers

def runden(x, n):
    """Rounds the decimal value of x to n decimals, halves away from zero."""
    d = Decimal(repr(float(x))).quantize(Decimal(1).scaleb(-n), rounding=ROUND_HALF_UP)
    return float(d)


def zahl_lesen(text):
    """A number typed into a cell: comma or point as decimal separator."""
    t = text.strip()
    if t == "":
        return 0.0
    if "," in t:
        t = t.replace(".", "").replace(",", ".")
    else:
        t = t.replace("'", "")
    try:
        return float(t)
    except ValueError:
        return 0.0


def zelle(wert, stellen, nkst):
    """The value as a number cell of that format shows it, read back."""
    if wert == 0:
        return 0.0
    v = runden(wert, nkst)
    breite = stellen + (1 if nkst else 0)
    text = f"{v:.{nkst}f}"
    if len(text) > breite:
        raise ValueError(f"{wert} passt nicht in eine Zelle z{stellen}{nkst}")
    return v


def ist_zahl(text):
    t = text.strip()
    if t == "":
        return False
    try:
        float(t.replace(",", "."))
        return True
    except ValueError:
        return False


def formel(text):
    """Value of a formula between braces, or None when the text holds none.
    Only what the golden projects use: numbers and the four operators."""
    p = text.find("{")
    if p < 0:
        return None
    q = text.find("}", p + 1)
    f = text[p + 1:q if q >= 0 else len(text)]
    if "'" in f:
        f = f[:f.index("'")].rstrip()
    if any(c not in "0123456789.,+-*/ " for c in f):
        raise ValueError("Formel ausserhalb des Nachrechenbaren: " + f)
    # Standard precedence, left to right within a level.
    tokens, zahl = [], ""
    for c in f.replace(" ", ""):
        if c in "+-*/" and zahl != "":
            tokens += [zahl_lesen(zahl), c]
            zahl = ""
        else:
            zahl += c
    tokens.append(zahl_lesen(zahl))
    summe, i = [tokens[0]], 1
    while i < len(tokens):
        op, x = tokens[i], tokens[i + 1]
        if op == "*":
            summe[-1] *= x
        elif op == "/":
            summe[-1] /= x
        else:
            summe += [op, x]
        i += 2
    wert = summe[0]
    for i in range(1, len(summe), 2):
        wert = wert + summe[i + 1] if summe[i] == "+" else wert - summe[i + 1]
    return wert


# ---------------------------------------------------------------- project file

def dokument_lesen(pfad):
    roh = open(pfad, "rb").read().decode("latin-1")
    if roh[3] == "f":
        roh = "{SDF}" + "".join(chr(158 - ord(c)) for c in roh[5:])
    if not roh.startswith("{SD") or not roh.endswith("{~SDF}"):
        raise ValueError("keine Projektdatei: " + pfad)
    return roh


def token(text):
    """Tokens of the document: ('o', name), ('e', name), ('i', name, value)."""
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if c == "{":
            j = text.index("}", i)
            tag = text[i + 1:j]
            yield ("e", tag[1:]) if tag.startswith("~") else ("o", tag)
            i = j + 1
        elif c == "|":
            j = i + 1
            while j < n and text[j] not in "{|}":
                j += 1
            roh = text[i + 1:j]
            if roh[0].islower():
                name, wert = roh[0], roh[1:]
            else:
                name, wert = roh.split("=", 1)
            # escapes: "~" and two hex digits, a Windows-1252 byte
            b, k = bytearray(), 0
            while k < len(wert):
                if wert[k] == "~":
                    b.append(int(wert[k + 1:k + 3], 16))
                    k += 3
                else:
                    b += wert[k].encode("latin-1")
                    k += 1
            yield ("i", name, b.decode("cp1252"))
            i = j
        else:
            raise ValueError("unerwartetes Zeichen im Dokument")


ZONE_ZAHLEN = {"a": "Gk", "g": "Ti", "h": "PFl", "i": "PWP", "j": "PPr", "k": "El", "l": "fe",
               "m": "AVE", "n": "WW", "q": "C", "z": "RZ", "v": "VTHB", "w": "VTHF"}
ZONE_TEXTE = {"b": "Bez", "c": "Code"}
ZEILEN = {
    "E": ("Ah_", [("b", "t"), ("f", "z"), ("h", "z"), ("a", "z")]),
    "A": ("A_", [("c", "t"), ("b", "t"), ("f", "z"), ("n", "z"), ("u", "z"), ("h", "t"), ("o", "t")]),
    "U": ("U_", [("c", "t"), ("b", "t"), ("f", "z"), ("n", "z"), ("u", "z"), ("h", "t"), ("o", "t"),
                 ("x", "z"), ("y", "z"), ("t", "t")]),
    "F": ("F_", [("c", "t"), ("b", "t"), ("f", "z"), ("n", "z"), ("u", "z"), ("h", "t"), ("o", "t"),
                 ("w", "z"), ("g", "z"), ("r", "z"), ("x", "t"), ("y", "t")]),
}


def projekt_lesen(pfad):
    """Project values, zones and items of the file, as plain dictionaries."""
    projekt = {"zonen": [], "B": {}, "F": {}, "W": {}, "EB": {}, "EBBt": [], "EBWb": []}
    stapel = []          # open objects
    zone = zeile = tabelle = element = None
    for t in token(dokument_lesen(pfad)):
        if t[1] == "SDF":
            continue
        if t[0] == "o":
            name = t[1]
            pfad_ = "/".join(stapel + [name])
            stapel.append(name)
            if pfad_ == "BODY/Z":
                zone = {"Ah_": [], "A_": [], "U_": [], "F_": [], "Lm_": [["", 0.0, 0.0, 0.0]], "GE_": []}
                projekt["zonen"].append(zone)
            elif len(stapel) == 3 and stapel[:2] == ["BODY", "Z"] and name in ZEILEN:
                tabelle = name
            elif len(stapel) == 4 and stapel[:2] == ["BODY", "Z"] and stapel[2] in ZEILEN:
                spalten = ZEILEN[stapel[2]][1]
                zeile = ["" if art == "t" else 0.0 for _, art in spalten]
            elif stapel == ["BODY", "Z", "G", "Z"]:
                zeile = ["", 0.0, 0.0, 0.0]
            elif len(stapel) == 3 and stapel[:2] == ["BODY", "B"]:
                element = {}
            elif stapel == ["BODY", "EB", "B"]:
                zeile = ["", "", 0.0, 0.0, 0.0, 0.0, 0.0]
            elif stapel == ["BODY", "EB", "W"]:
                zeile = ["", "", 0.0, 0.0]
            continue
        if t[0] == "e":
            name = stapel.pop()
            if len(stapel) == 3 and stapel[:2] == ["BODY", "Z"] and stapel[2] in ZEILEN:
                zone[ZEILEN[stapel[2]][0]].append(zeile)
            elif stapel == ["BODY", "Z", "G"] and name == "Z":
                zone["GE_"].append(zeile)
            elif len(stapel) == 2 and stapel == ["BODY", "B"]:
                projekt[name][int(element.get("n", 0))] = element
            elif stapel == ["BODY", "EB"] and name in ("B", "W"):
                projekt["EBBt" if name == "B" else "EBWb"].append(zeile)
            continue
        _, name, wert = t
        ort = stapel
        if ort == ["HEAD", "D"]:
            projekt[{"i": "Id", "b": "Bez", "n": "AktNr", "s": "Stand"}.get(name, "?" + name)] = wert
        elif ort == ["BODY", "P"]:
            zahlen = {"a": "BvArt", "x": "ArtB", "n": "NwAnf", "h": "MueM", "t": "JMT", "Hl_e": "HL_EtaV",
                      "Hl_f": "HL_fV"}
            texte = {"k": "KlSt", "H_N": "Nord", "v": "NwKt", "q": "Kanton"}
            if name in zahlen:
                projekt[zahlen[name]] = float(wert)
            elif name in texte:
                projekt[texte[name]] = wert
        elif ort == ["BODY", "Z"]:
            if name in ZONE_ZAHLEN:
                zone[ZONE_ZAHLEN[name]] = float(wert)
            elif name in ZONE_TEXTE:
                zone[ZONE_TEXTE[name]] = wert
        elif len(ort) == 4 and ort[:2] == ["BODY", "Z"] and ort[2] in ZEILEN:
            spalten = ZEILEN[ort[2]][1]
            for k, (item, art) in enumerate(spalten):
                if item == name:
                    zeile[k] = wert if art == "t" else float(wert)
        elif ort == ["BODY", "Z", "L"]:
            zahlen = {"m": "ML", "a": "MLAnteil", "x": "LmAVw", "y": "LmAVa"}
            if name in zahlen:
                zone[zahlen[name]] = float(wert)
            elif name in "blzw":
                k = "blzw".index(name)
                zone["Lm_"][0][k] = wert if k == 0 else float(wert)
        elif ort == ["BODY", "Z", "G", "Z"]:
            k = "blzf".index(name)
            zeile[k] = wert if k == 0 else float(wert)
        elif len(ort) == 3 and ort[:2] == ["BODY", "B"]:
            element[name] = wert if name in ("b", "k", "d", "v", "x", "Cgr") else float(wert)
        elif ort == ["BODY", "EB"]:
            projekt["EB"][name] = float(wert)
        elif ort in (["BODY", "EB", "B"], ["BODY", "EB", "W"]):
            zellen = "cbnutge" if ort[2] == "B" else "cbpg"
            k = zellen.index(name)
            zeile[k] = wert if k < 2 else float(wert)
    return projekt


# ---------------------------------------------------------------- standard tables

def station_lesen(datei, name):
    zeilen = [z.rstrip("\r\n") for z in open(datei, encoding="utf-8")]
    for i in range(0, len(zeilen) - 7, 8):
        if zeilen[i] == name:
            zahl = lambda k: [float(x) for x in zeilen[i + k].split(" ")]
            hoehe, tamin = zahl(1)
            h, e, s, w, n = (zahl(k) for k in range(3, 8))
            return {"h": int(round(hoehe)), "TaMin": tamin, "Te": zahl(2)[:12], "JMT": zahl(2)[12],
                    "H": h, "E": e, "S": s, "W": w, "N": n}
    raise ValueError("Klimastation nicht gefunden: " + name)


def strahlung_senkrecht(st, o, m):
    g = lambda a, b: math.sqrt(a * b)
    S, E, W, N = st["S"][m], st["E"][m], st["W"][m], st["N"][m]
    SE, SW, NE, NW = g(S, E), g(S, W), g(N, E), g(N, W)
    werte = {"H": st["H"][m], "S": S, "E": E, "W": W, "N": N, "SE": SE, "SW": SW, "NE": NE, "NW": NW,
             "SSE": g(S, SE), "ESE": g(E, SE), "SSW": g(S, SW), "WSW": g(W, SW),
             "NNE": g(N, NE), "ENE": g(E, NE), "NNW": g(N, NW), "WNW": g(W, NW)}
    if o not in werte:
        raise ValueError("Ungültige Himmelsrichtung: " + o)
    return werte[o]


def globalstrahlung(st, o, neigung):
    """Monthly global radiation in MJ/m² for orientation and tilt."""
    g = [strahlung_senkrecht(st, o, m) for m in range(12)]
    if neigung == 0:
        return g
    if neigung < 1 or neigung >= 90:
        raise ValueError("Ungültiger Neigungswinkel")
    return [((90 - neigung) * st["H"][m] + neigung * g[m]) / 90 for m in range(12)]


HAUPT = ["N", "NE", "E", "SE", "S", "SW", "W", "NW"]
GEDREHT = {"NNE": ["NNE", "ENE", "ESE", "SSE", "SSW", "WSW", "WNW", "NNW"],
           "NNW": ["NNW", "NNE", "ENE", "ESE", "SSE", "SSW", "WSW", "WNW"]}


def drehen(o, nord):
    if nord in GEDREHT and o in HAUPT:
        return GEDREHT[nord][HAUPT.index(o)]
    return o


FS = {
    "fS1": ([0, 10, 20, 30, 40, 50, 60, 70],
            {"S": [1, .96, .82, .59, .45, .36, .27, .19], "EW": [1, .94, .81, .68, .6, .5, .4, .3],
             "N": [1, 1, .97, .94, .9, .86, .82, .78]}),
    "fS2": ([0, 15, 30, 45, 60, 75],
            {"S": [1, .95, .91, .75, .52, .26], "EW": [1, .95, .89, .77, .59, .34],
             "N": [1, .96, .91, .8, .66, .48]}),
    "fS3": ([0, 15, 30, 45, 60, 75],
            {"S": [1, .97, .94, .84, .72, .57], "EW": [1, .96, .92, .84, .75, .65],
             "N": [1, 1, 1, 1, 1, 1]}),
}
NACHBARN = {"SSE": ("SE", "S"), "ESE": ("E", "SE"), "SSW": ("S", "SW"), "WSW": ("SW", "W"),
            "NNE": ("N", "NE"), "ENE": ("NE", "E"), "NNW": ("NW", "N"), "WNW": ("W", "NW")}


def fs_zeile(tab, o):
    zeilen = FS[tab][1]
    if o == "S":
        return zeilen["S"]
    if o in ("E", "W"):
        return zeilen["EW"]
    if o == "N":
        return zeilen["N"]
    if o in ("SE", "SW"):
        return [(a + b) / 2 for a, b in zip(zeilen["S"], zeilen["EW"])]
    if o in ("NE", "NW"):
        return [(a + b) / 2 for a, b in zip(zeilen["N"], zeilen["EW"])]
    return [0] * len(FS[tab][0])


def interpolieren(achse, werte, x):
    for i in range(len(achse) - 1):
        if x <= achse[i + 1]:
            return werte[i] + (x - achse[i]) * (werte[i + 1] - werte[i]) / (achse[i + 1] - achse[i])
    return 0.0


def fs1(o, alpha):
    if o == "H":
        return fs1("E", alpha) * fs1("S", alpha) * fs1("W", alpha) * fs1("N", alpha)
    if len(o) > 2:
        a, b = NACHBARN.get(o[:3], (None, None))
        return 0.0 if a is None else (fs1(a, alpha) + fs1(b, alpha)) / 2
    alpha = min(max(alpha, 0), 70)
    return interpolieren(FS["fS1"][0], fs_zeile("fS1", o), alpha)


def fs23(o, beta, gl, gr):
    if o == "H":
        return 1.0
    if len(o) > 2:
        a, b = NACHBARN.get(o[:3], (None, None))
        return 0.0 if a is None else (fs23(a, beta, gl, gr) + fs23(b, beta, gl, gr)) / 2
    beta, gl, gr = (min(max(x, 0), 75) for x in (beta, gl, gr))
    f2 = interpolieren(FS["fS2"][0], fs_zeile("fS2", o), beta)
    fl = interpolieren(FS["fS3"][0], fs_zeile("fS3", o), gl)
    fr = interpolieren(FS["fS3"][0], fs_zeile("fS3", o), gr)
    f3 = {"S": fl * fr, "SE": fl * fr, "SW": fl * fr, "E": fr, "W": fl}.get(o, 1.0)
    return f2 * f3


def fs1_text(text, o):
    t = text.strip()
    if t == "":
        return 0.0
    if t == "-":
        return 1.0
    a = runden(zahl_lesen(t), 0)
    return 0.0 if a < 0 or a > 89 else fs1(o, a)


def fs23_text(text, o):
    """(fS23, fS2, fS3) of the overhang / side-fin angle list."""
    t = text.strip()
    if t == "":
        return 0.0, 0.0, 0.0
    if t == "-":
        return 1.0, 1.0, 1.0
    teile = t.split(",")
    if len(teile) > 3:
        return 0.0, 0.0, 0.0
    teile += [""] * (3 - len(teile))
    b, gl, gr = (zahl_lesen(x) for x in teile)
    f = fs23(o, b, gl, gr)
    if f == 0:
        return 0.0, 0.0, 0.0
    return f, fs23(o, b, 0, 0), fs23(o, 0, gl, gr)


KATEGORIE = {  # Gk: (Hg0, DeltaHg, internal gains for the heat load W/m², heat-load limit W/m²)
    1: (13, 15, 3.1, 20), 2: (16, 15, 2.4, 25), 3: (13, 15, 3.3, 25), 4: (14, 15, 2.3, 20),
    5: (7, 14, 4.5, 0), 6: (16, 15, 5.2, 0), 7: (18, 15, 3.5, 0), 8: (18, 17, 4, 0),
    9: (10, 14, 3, 0), 10: (14, 14, 0.8, 0), 11: (16, 14, 1.8, 0), 12: (15, 18, 4.9, 0),
}


# ---------------------------------------------------------------- one zone

class Eingabefehler(Exception):
    pass


def vb_int(x):
    """A value read as a whole number: halves to the even neighbour."""
    return int(round(x))


def lage_gegenueber(ca, oa, cb, ob):
    if ca not in "DWBlp" or cb not in "DWBlp" or ca == "" or cb == "":
        return False
    if (ca, cb) in (("D", "B"), ("B", "D"), ("l", "l"), ("p", "p")):
        return True
    if ca == "W" and cb == "W":
        nr = lambda o: ("---N--NE-E--SE-S--SW-W--NW-".find("-" + o + "-") + 1) // 3 if o else 0
        a, b = nr(oa), nr(ob)
        if a == 0 or b == 0:
            return False
        soll = a + 4
        if soll > 8:
            soll -= 8
        return b == soll
    return False


def zone_rechnen(projekt, st, zi):
    zonen = projekt["zonen"]
    z = zonen[zi]
    num = lambda k: z.get(k, 0.0)
    erg = {}
    Te = st["Te"]
    nord = projekt.get("Nord", "")

    # energy reference area
    summe = 0.0
    for bez, fl, hg, ah in z["Ah_"]:
        f = formel(bez)
        if f is not None:
            fl = f
        summe += zelle(fl, 7, 1)
    EBF = runden(summe, 1)
    EBF0 = EBF
    erg["EBF0"] = EBF0
    erg["EBF"] = EBF
    if EBF == 0:
        raise Eingabefehler("Fehlende EBF")

    Ti_roh = num("Ti")
    Ti = Ti_roh + num("RZ")
    VTB, VTF = num("VTHB"), num("VTHF")
    HT = 0.0   # transmission coefficient W/K for the utilisation factor and the heat load

    def bauteil_u(art, nr):
        e = projekt[art].get(nr)
        if e is None:
            raise Eingabefehler(f"{art}-{nr} nicht gefunden")
        return e

    def opak(zeilen, tabelle):
        nonlocal HT
        Q = [[0.0] * 6 for _ in range(13)]
        Ae = 0.0
        for r in zeilen:
            C, bez, fl, bt, u, hz, o = r[:7]
            f = formel(bez)
            if f is not None:
                fl = f
            Fl = zelle(fl, 6, 1)
            if Fl == 0:
                continue
            C = C.strip()
            if C == "" or C not in "DWBlp" or len(C) != 1:
                raise Eingabefehler("Keinen gültigen Code.")
            col = "DWBlp".index(C)
            Bt = vb_int(zelle(bt, 2, 0))
            if Bt != 0:
                u = bauteil_u("B" if col <= 2 else "W", Bt)["u"]
            U = zelle(u, 4, 2)
            dT = 0.0
            if hz.rstrip() != "":
                if col > 2 or not VTB > Ti:
                    raise Eingabefehler("Bauteilheizung")
                dT = (VTB - Ti_roh) / 4
            if col == 1 and o.rstrip() == "":
                raise Eingabefehler("Orientierung fehlt")
            h = U * Fl * 0.024 / EBF
            if tabelle == "A":
                for m in range(12):
                    q = (Ti - Te[m] + dT) * TAGE[m] * h
                    Q[m][col] += q
                    Q[m][5] += q
                if col <= 2:
                    Ae += Fl
                HT += Fl * U
                continue
            bu_t, bg_t, tin = (r[7], r[8], r[9].rstrip())
            # the b-factor cells hold numbers; an empty cell is 0
            gegeben = [bu_t != 0, bg_t != 0, tin != ""]
            if gegeben.count(True) != 1:
                raise Eingabefehler("genau eine Reduktion")
            if bu_t != 0 or bg_t != 0:
                b = zelle(bu_t, 3, 2) if bu_t != 0 else zelle(bg_t, 3, 2)
                for m in range(12):
                    q = (Ti - Te[m] + dT) * TAGE[m] * h * b
                    Q[m][col] += q
                    Q[m][5] += q
                if col <= 2:
                    Ae += Fl
                HT += Fl * U * b
            else:
                if ist_zahl(tin):
                    Tn = runden(zahl_lesen(tin), 0)
                else:
                    nachbarn = [k for k, zz in enumerate(zonen) if k != zi and zz.get("Code", "") == tin]
                    if not nachbarn:
                        raise Eingabefehler(f"Es gibt keine Nachbarzone mit dem Code '{tin}'.")
                    nz = zonen[nachbarn[0]]
                    Tn = nz.get("Ti", 0.0) + nz.get("RZ", 0.0)
                    VT = 0.0
                    for kz in zonen:
                        if kz.get("Code", "") != tin:
                            continue
                        vtb = kz.get("VTHB", 0.0)
                        if vtb == 0:
                            break
                        gefunden = False
                        for rr in kz["U_"]:
                            rbt, ru = vb_int(rr[3]), rr[4]
                            gleich = (rbt == Bt) if rbt != 0 else (Bt == 0 and ru == U)
                            if (rr[9] == z.get("Code", "") and lage_gegenueber(rr[0], rr[6], C, o)
                                    and rr[2] == Fl and gleich):
                                if rr[5] != "":
                                    VT = vtb
                                gefunden = True
                                break
                        if gefunden:
                            break
                    if VT != 0 and VT > Tn:
                        Tn = Tn + (VT - nz.get("Ti", 0.0)) / 4
                for m in range(12):
                    q = (Ti - Tn + dT) * TAGE[m] * h
                    Q[m][col] += q
                    Q[m][5] += q
        return Q, Ae

    QtA, AeA = opak(z["A_"], "A")
    QtU, AeU = opak(z["U_"], "U")

    # windows and doors
    QtF = [[0.0] * 6 for _ in range(13)]
    QgS = [0.0] * 13
    AeF = 0.0
    for r in z["F_"]:
        C, bez, fl, bt, u, hz, o, on, g, ff, t1, t23 = r
        f = formel(bez)
        if f is not None:
            fl = f
        Fl = zelle(fl, 6, 1)
        if Fl == 0:
            continue
        C = C.strip()
        if C == "" or len(C) != 1 or C not in "FTlp":
            raise Eingabefehler("Code")
        col = "FTlp".index(C)
        Bt = vb_int(zelle(bt, 2, 0))
        if Bt != 0:
            if col <= 1:
                e = bauteil_u("F", Bt)
                u = e["u"]
                if 0 <= e.get("g", 0.0) <= 1:
                    g = e.get("g", 0.0)
                if 0 <= e.get("r", 0.0) <= 1:
                    ff = e.get("r", 0.0)
            else:
                u = bauteil_u("W", Bt)["u"]
        U = zelle(u, 4, 2)
        dT = 0.0
        if hz.rstrip() != "":
            if col != 0 or not VTF > Ti:
                raise Eingabefehler("Heizkörper vor Fenster")
            dT = (VTF - Ti_roh) / 2
        if col <= 1 and o.rstrip() == "":
            raise Eingabefehler("Orientierung fehlt")
        G = None
        if col <= 1:
            O = o.strip()
            On = zelle(on, 2, 0)
            g = zelle(g, 3, 2)
            FF = zelle(ff, 3, 2)
            Or = drehen(O, nord)
            f1 = fs1_text(t1, Or)
            f23, f2, f3 = fs23_text(t23, Or)
            if 1 <= On <= 60:
                f23 = f2 = f3 = 1.0
            if g != 0 and (g < 0 or g > 1):
                raise Eingabefehler("g-Wert")
            G = [x / 3.6 for x in globalstrahlung(st, Or, int(On))]
            if FF < 0 or FF > 1:
                raise Eingabefehler("Rahmenfaktor")
            if FF != 0 and not (0 < f1 <= 1 and 0 < f23 <= 1):
                raise Eingabefehler("Verschattungsfaktor")
        h = U * Fl * 0.024 / EBF
        for m in range(12):
            q = (Ti - Te[m] + dT) * TAGE[m] * h
            QtF[m][col] += q
            QtF[m][5] += q
        HT += Fl * U
        if G is not None:
            s = g * 0.9 * Fl * FF * f1 * f23 / EBF
            for m in range(12):
                QgS[m] += s * G[m]
            AeF += Fl

    # ventilation
    rho_c = (1220 - 0.14 * st["h"]) / 3600
    ML = vb_int(num("ML"))
    if ML == 1:
        s = 1.0
    elif ML == 2:
        s = runden(num("MLAnteil"), 1) / 100
        if not (0 < s <= 1):
            s = 1.0
    else:
        s = 0.0
    AVE = num("AVE")
    Hv = AVE * EBF0 * rho_c * 0.024 / EBF * (1 - s)
    Qv = [(Ti - Te[m]) * TAGE[m] * Hv for m in range(12)] + [0.0]
    Qvm = [0.0] * 13
    if ML in (1, 2):
        _, LSt, ha, WRG = z["Lm_"][0]
        LSt, ha, WRG = zelle(LSt, 6, 0), zelle(ha, 4, 0), zelle(WRG, 3, 0)
        AVw, AVa = runden(num("LmAVw"), 2), runden(num("LmAVa"), 2)
        t = ha / 8760
        r = WRG / 100
        V = (AVw * EBF0 * s + (1 - r) * LSt) * t + (1 - t) * AVa * EBF0 * s
        Hm = V * rho_c * 0.024 / EBF
        for m in range(12):
            Qvm[m] = (Ti - Te[m]) * TAGE[m] * Hm

    # internal gains
    QgP = [0.0] * 13
    if num("PFl") != 0:
        gp = num("PPr") * num("PWP") * EBF0 * 0.001 / num("PFl") / EBF
        QgP = [gp * TAGE[m] for m in range(12)] + [0.0]
    ge = num("fe") * num("El") * EBF0 / EBF / 365
    QgE = [ge * TAGE[m] for m in range(12)] + [0.0]
    for bez, W, ha, fe in z["GE_"][:6]:
        gi = zelle(ha, 4, 0) * zelle(W, 5, 0) * zelle(fe, 4, 2) * 0.001 / EBF / 365
        for m in range(12):
            QgE[m] += gi * TAGE[m]

    # utilisation factor
    H = EBF * AVE * rho_c + HT
    Cs = num("C")
    EtaG = [0.0] * 13
    if Ti != 0 and Cs != 0:
        tau = 100000 if H == 0 else Cs * EBF * 1000 / H
        a = 1 + tau / 15
        if a < 1 or a > 85:
            a = 85
        for m in range(12):
            L = QtA[m][5] + QtU[m][5] + QtF[m][5] + Qv[m] + Qvm[m]
            Gm = QgS[m] + QgP[m] + QgE[m]
            if L <= 0:
                continue
            gamma = Gm / L
            if gamma < 0 or gamma > 3800:
                gamma = 3800
            EtaG[m] = a / (a + 1) if gamma == 1 else (1 - gamma ** a) / (1 - gamma ** (a + 1))

    # monthly balance
    Qt, Qug, Qh = [0.0] * 13, [0.0] * 13, [0.0] * 13
    for m in range(12):
        Qug[m] = (QgP[m] + QgS[m] + QgE[m]) * EtaG[m]
        Qt[m] = QtU[m][5] + QtA[m][5] + QtF[m][5] + Qv[m] + Qvm[m]
        Qh[m] = Qt[m] - Qug[m] if Qt[m] > 0 else 0.0
    for tab in (QtA, QtU, QtF):
        tab[12] = [sum(tab[m][c] for m in range(12) if Qt[m] > 0) for c in range(6)]
    for arr in (Qv, Qvm, Qt, Qug, Qh):
        arr[12] = sum(arr[m] for m in range(12) if Qt[m] > 0)
    for arr in (QgS, QgP, QgE):
        arr[12] = sum(arr[:12])
    Gy = QgS[12] + QgP[12] + QgE[12]
    EtaG[12] = Qug[12] / Gy if Gy != 0 else 0.0

    # result and verdict values
    Gk = vb_int(num("Gk"))
    Hg0, DHg, gi_hl, grenze = KATEGORIE.get(Gk, (0, 0, 0, 0))
    Ae = AeA + AeU + AeF
    JMT = projekt.get("JMT", 0.0)
    HgNw = (Hg0 + DHg * Ae / EBF) * (1 + (9.4 - JMT) * 0.06)
    EtaV, fV = projekt.get("HL_EtaV", 0.0), projekt.get("HL_fV", 0.0)
    q_hl = AVE if (EtaV < 0 or EtaV >= 1 or fV == 0) else (AVE - 0.15) * (1 - EtaV) / fV + 0.15
    H_hl = EBF * q_hl * rho_c + HT
    Ti_int = vb_int(Ti_roh)
    PhNw = (Ti_int - st["TaMin"]) * H_hl / EBF - gi_hl
    PhNwGw = grenze
    if PhNwGw > 0 and st["TaMin"] < -8:
        PhNwGw = PhNwGw * (Ti_int - st["TaMin"]) / (Ti_int + 8)

    erg.update({"AeA": AeA, "AeU": AeU, "AeF": AeF, "Ae": Ae, "AEBF": Ae / EBF,
                "QhNw": Qh[12], "HgNw": HgNw, "PhNw": PhNw, "PhNwGw": PhNwGw})
    monate = {"QtA": [r[5] for r in QtA], "QtU": [r[5] for r in QtU], "QtF": [r[5] for r in QtF],
              "Qv": Qv, "Qvm": Qvm, "Qt": Qt, "QgS": QgS, "QgP": QgP, "QgE": QgE, "EtaG": EtaG,
              "Qug": Qug, "Qh": Qh}
    spalten = {"QtA": QtA, "QtU": QtU, "QtF": QtF}
    hilfswerte = {"H": H, "HT": HT, "H_Heizlast": H_hl}
    return erg, monate, spalten, hilfswerte


# ---------------------------------------------------------------- single-component proof

# SIA 380/1:2016, limit and target U-values of single components (W/m2K):
# new building limit, new building target, conversion limit, conversion target,
# limit without thermal-bridge proof.
EB_U = {
    "A1": (.17, .10, .25, .10, .17), "B1": (.17, .10, .25, .10, .17), "C1": (.17, .10, .25, .10, .17),
    "D1": (1.0, .80, 1.0, .80, 1.0), "E1": (1.2, .80, 1.2, .80, 1.2), "F1": (1.7, .80, 1.7, .80, 1.7),
    "B5": (.50, .50, .50, .50, .50),
    "A2": (.25, .10, .28, .10, .25), "B2": (.25, .10, .28, .10, .25), "C2": (.25, .10, .28, .10, .25),
    "D2": (1.3, .80, 1.3, .80, 1.3), "E2": (1.5, .80, 1.5, .80, 1.5), "F2": (2.0, .80, 2.0, .80, 2.0),
    "B6": (.50, .50, .50, .50, .50),
    "A3": (.17, .10, .25, .10, .17), "B3": (.17, .10, .25, .10, .17), "C3": (.17, .10, .25, .10, .17),
    "D3": (1.0, .80, 1.0, .80, 1.0),
    "A4": (.25, .10, .28, .10, .25), "B4": (.25, .10, .28, .10, .25), "C4": (.25, .10, .28, .10, .25),
    "D4": (1.3, .80, 1.3, .80, 1.3),
}
# Thermal bridges: limit and target (W/mK, the point bridge W/K). There is no L4.
EB_WB = {"L1": (.3, .3), "L2": (.2, .2), "L3": (.2, .2), "L5": (.15, .15), "P1": (.3, .3)}


def runden_anzeige(x, n):
    """Rounds as the program shows a number: the value written with 15
    significant digits, then halves away from zero."""
    d = Decimal(f"{float(x):.15g}").quantize(Decimal(1).scaleb(-n), rounding=ROUND_HALF_UP)
    return float(d)


def eb_zelle(wert, stellen, nkst):
    """The value as a cell of the proof shows it, read back."""
    if wert == 0:
        return 0.0
    return runden_anzeige(wert, nkst)


def eb_code(code):
    """(table values, limit type) of a code, None for an unknown code."""
    typ = 2 if code.endswith("*") else 1 if code.endswith("u") else 0
    kern = code[:-1] if code.endswith("*") else code
    kern = kern[:-1] if kern.endswith("u") else kern
    if kern in EB_U:
        w = EB_U[kern]
        return {"grenz": (w[0], w[2], w[4]), "ziel": (w[1], w[3], 0.0)}, typ
    if kern in EB_WB:
        g, z = EB_WB[kern]
        return {"grenz": (g, g, g), "ziel": (z, z, z)}, typ
    return None, typ


def eb_rechnen(projekt):
    """The stored rows of the single-component proof after loading: each
    row's cells as shown, the values of the items the rows name, table
    value, value corrected for the room temperature, verdict. A faulty row
    ends a pass; the rows after it keep empty results."""
    werte = projekt["EB"]
    zielwerte = vb_int(werte.get("n", 0.0)) != 0
    ohne_wb = vb_int(werte.get("w", 0.0)) != 0
    fehler = []

    # components, windows, doors: code, designation, nr, U, g, Ti, table value, effective, verdict
    bt = []
    for z in projekt["EBBt"][:30]:
        c, b, nr, u, g, ti = z[0].rstrip(), z[1].rstrip(), z[2], z[3], z[4], z[5]
        if g > 1:
            g, ti = 0.0, g   # stored before the g column existed
        bt.append([c, b, eb_zelle(nr, 2, 0), eb_zelle(u, 4, 2), eb_zelle(g, 3, 2), eb_zelle(ti, 2, 0), 0.0, 0.0, ""])
    for r in bt:
        nr = int(r[2])
        if nr == 0:
            continue
        if r[0][:1].upper() in ("D", "E", "F"):
            f = projekt["F"].get(nr)
            if f is None:
                fehler.append("Fenster nicht gefunden")
                break
            gw = f.get("g", 0.0) if 0 <= f.get("g", 0.0) <= 1 else 0.0
            ff = f.get("r", 0.0) if 0 <= f.get("r", 0.0) <= 1 else 0.0
            r[3], r[4] = eb_zelle(f.get("u", 0.0), 4, 2), eb_zelle(gw, 3, 2)
            if ff > 0 and gw < 0.3:
                fehler.append("Fenster mit g < 0,3")
                break
        else:
            e = projekt["B"].get(nr)
            if e is None:
                fehler.append("Bauteil nicht gefunden")
                break
            r[3], r[4] = eb_zelle(e.get("u", 0.0), 4, 2), 0.0
            if r[1] == "":
                r[1] = e.get("b", "").rstrip()
    if not fehler:
        for r in bt:
            if r[0] == "":
                continue
            tab, typ = eb_code(r[0])
            if tab is None:
                fehler.append("Ungültiger Code " + r[0])
                break
            if ohne_wb and typ == 0:
                wert = tab["grenz"][2]
            else:
                wert = tab["ziel" if zielwerte else "grenz"][typ]
            r[6] = eb_zelle(wert, 4, 2)
            if r[5] == 0:
                fehler.append("Ungültige Raumtemperatur")
                break
            v = r[6]
            if r[5] != 20:
                v = ((20 - r[5]) * 0.05 + 1) * v
                v = max(v, tab["ziel"][typ])
            r[7] = eb_zelle(runden_anzeige(v, 2), 4, 2)
            if r[3] <= 0:
                fehler.append("Ungültiger U-Wert")
                break
            r[8] = "ja" if r[3] <= r[7] else "nein"
    while bt and bt[-1][0] == "" and bt[-1][1] == "" and not any(bt[-1][2:6]):
        bt.pop()

    # thermal bridges: code, designation, nr, psi, limit, verdict
    wb = []
    for z in projekt["EBWb"][:20]:
        c, b, nr, psi = z[0].rstrip(), z[1].rstrip(), z[2], z[3]
        if 0 < nr < 1:
            nr, psi = 0.0, nr   # stored before the number column existed
        wb.append([c, b, eb_zelle(nr, 2, 0), eb_zelle(psi, 4, 2), 0.0, ""])
    wb_fehler = False
    for r in wb:
        nr = int(r[2])
        if nr == 0:
            continue
        w = projekt["W"].get(nr)
        if w is None:
            fehler.append("Wärmebrücke nicht gefunden")
            wb_fehler = True
            break
        r[3] = eb_zelle(w.get("u", 0.0), 4, 2)
        if r[1] == "":
            r[1] = w.get("b", "").rstrip()
    for r in ([] if wb_fehler else wb):
        if r[0] == "":
            continue
        tab, _ = eb_code(r[0])
        if tab is None:
            fehler.append("Ungültiger Code " + r[0])
            break
        r[4] = eb_zelle(tab["ziel" if zielwerte else "grenz"][0], 4, 2)
        r[5] = "ja" if r[3] <= r[4] else "nein"
    while wb and wb[-1][0] == "" and wb[-1][1] == "" and not any(wb[-1][2:4]):
        wb.pop()
    ebf = runden_anzeige(werte.get("e", 0.0), 1)
    return ebf, bt, wb, fehler


def zahl(x):
    t = f"{x:.6f}"
    return "0.000000" if t == "-0.000000" else t


def main():
    hier = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser()
    ap.add_argument("datei")
    ap.add_argument("--stationen",
                    default=os.path.join(hier, "..", "..", "..", "shared", "data", "klimastationen-sia2028.txt"))
    ap.add_argument("--kommentar", action="append", default=[])
    ap.add_argument("--hilfswerte", action="store_true", help="also print intermediate values as comments")
    a = ap.parse_args()
    projekt = projekt_lesen(a.datei)
    st = station_lesen(a.stationen, projekt["KlSt"])
    out = sys.stdout
    out.write(f"# {os.path.basename(a.datei)}: expected values computed by tests/projects/nachrechnen.py,\n")
    out.write("# an independent re-implementation of the balance formulas in Python that reads the project\n")
    out.write("# file and the station data file itself; it shares no code with the program.\n")
    for k in a.kommentar:
        out.write(f"# {k}\n")
    for zi, z in enumerate(projekt["zonen"]):
        erg, monate, spalten, hilf = zone_rechnen(projekt, st, zi)
        code = z.get("Code", "")
        out.write(f"# zone {zi} {code} ({z.get('Bez', '')})\n")
        if a.hilfswerte:
            for k, v in hilf.items():
                out.write(f"#   {k} = {v:.6f}\n")
        for k in ("EBF0", "EBF", "AeA", "AeU", "AeF", "Ae", "AEBF"):
            out.write(f"{code} {k} - {zahl(erg[k])}\n")
        for k, arr in monate.items():
            for m in range(13):
                out.write(f"{code} {k} {m} {zahl(arr[m])}\n")
        for k, tab in spalten.items():
            for c in range(5):
                out.write(f"{code} {k} 12,{c} {zahl(tab[12][c])}\n")
        for k in ("QhNw", "HgNw", "PhNw", "PhNwGw"):
            out.write(f"{code} {k} - {zahl(erg[k])}\n")
    if projekt["EB"] or projekt["EBBt"] or projekt["EBWb"]:
        ebf, bt, wb, fehler = eb_rechnen(projekt)
        out.write("# single-component proof: the rows as stored after loading (ROW,FIELD 0-based);\n")
        out.write("# components: 2 nr, 3 U, 4 g, 5 Ti, 6 table value, 7 effective; bridges: 2 nr, 3 psi, 4 limit\n")
        for f in fehler:
            out.write(f"# the rules stop at: {f}\n")
        out.write(f"- EB-EBF - {zahl(ebf)}\n")
        out.write(f"- EBBt - {len(bt)}\n")
        for i, r in enumerate(bt):
            out.write(f"# {r[0] or '-'} Ti {r[5]:g}: U {r[3]:.2f}, effective {r[7]:.2f}, {r[8] or '-'}\n")
            for k in range(2, 8):
                out.write(f"- EBBt {i},{k} {zahl(r[k])}\n")
        out.write(f"- EBWb - {len(wb)}\n")
        for i, r in enumerate(wb):
            out.write(f"# {r[0] or '-'}: psi {r[3]:.2f}, limit {r[4]:.2f}, {r[5] or '-'}\n")
            for k in range(2, 5):
                out.write(f"- EBWb {i},{k} {zahl(r[k])}\n")


if __name__ == "__main__":
    main()
