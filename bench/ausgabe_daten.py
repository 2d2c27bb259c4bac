#!/usr/bin/env python3
"""Writes the same appointments twice: as the planner saves them (Kronel.PlD,
Windows-1252, CR LF, in date order) and as REM lines for remind, for timing
bench/ausgabe_lauf against `remind -q`.

    ausgabe_daten.py ORDNER ANZAHL TT.MM.JJJJ

Mix: 60 % one-time appointments with an advance window, 20 % yearly birthdays
with a "{DiffJa:...}" field, 20 % weekly ones; all lie from the given day on.
"""
import datetime
import random
import sys

WOCHENTAGE = ["Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"]
MONATE = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
WOERTER = ["Zahnarzt", "Besprechung", "Chorprobe", "Steuer", "Werkstatt", "Elternabend",
           "Friseur", "Einkauf", "Training", "Versammlung"]


def feld(text, breite):
    return text.ljust(breite)[:breite]


def main():
    ordner, anzahl, tag = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    heute = datetime.datetime.strptime(tag, "%d.%m.%Y").date()
    zufall = random.Random(2026)
    termine = []  # (key, record, rem line)
    for i in range(anzahl):
        art = zufall.random()
        wort = zufall.choice(WOERTER)
        if art < 0.6:
            d = heute + datetime.timedelta(days=zufall.randrange(0, 400))
            vorlauf = zufall.choice([0, 1, 3, 7, 14])
            von = "%dT" % vorlauf if vorlauf else "-"
            meldung = "%s Nr. %d" % (wort, i)
            rec = (d.strftime("%Y%m%d") + feld(von, 4) + feld("-", 4) + feld("-", 10) +
                   feld("-", 4) + feld("Alle", 7) + meldung)
            rem = "REM %d %s %d +%d MSG %s" % (d.day, MONATE[d.month - 1], d.year, vorlauf,
                                                meldung)
        elif art < 0.8:
            geboren = datetime.date(zufall.randrange(1930, 2020), zufall.randrange(1, 13),
                                    zufall.randrange(1, 29))
            d = geboren.replace(year=heute.year)
            if d < heute:
                d = d.replace(year=heute.year + 1)
            name = "Person %d" % i
            rec = (d.strftime("%Y%m%d") + feld("3T", 4) + feld("-", 4) + feld("-", 10) +
                   feld("1J", 4) + feld("Alle", 7) +
                   "Geburtstag: %s wird {DiffJa:%s} alt" % (name, geboren.strftime("%d.%m.%Y")))
            rem = ("REM %d %s +3 MSG Geburtstag: %s wird [year(trigdate())-%d] alt" %
                   (d.day, MONATE[d.month - 1], name, geboren.year))
        else:
            d = heute + datetime.timedelta(days=zufall.randrange(0, 7))
            meldung = "%s jede Woche %d" % (wort, i)
            rec = (d.strftime("%Y%m%d") + feld("-", 4) + feld("-", 4) + feld("-", 10) +
                   feld("1W", 4) + feld("Alle", 7) + meldung)
            rem = "REM %s MSG %s" % (WOCHENTAGE[d.weekday()], meldung)
        termine.append((rec, rem))
    termine.sort(key=lambda t: t[0])
    with open(ordner + "/Kronel.PlD", "wb") as f:
        f.write(b"..Kronelin 8.020000\r\n")
        for rec, _ in termine:
            f.write(rec.encode("cp1252") + b"\r\n")
    with open(ordner + "/termine.rem", "w", encoding="utf-8") as f:
        for _, rem in termine:
            f.write(rem + "\n")


if __name__ == "__main__":
    main()
