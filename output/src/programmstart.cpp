#include "output/programmstart.h"

#include <QFileInfo>
#include <QStandardPaths>

#include "common/ton.h"
#include "platform/dienste.h"
#include "platform/ordner.h"
#include "platform/tastatur.h"
#include "platform/text.h"

namespace kronel {

namespace {

bool IstTrenner(QChar c) {
    return c == u' ' || c == u'\t';
}

// Finds name in the folder; a Windows name "x.exe" also as the Linux program "x".
QString ProgrammImOrdner(const QString& ordner, const QString& name) {
    QString gefunden = DateiImOrdnerFinden(ordner, name);
    if (gefunden.isEmpty() && name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        gefunden = DateiImOrdnerFinden(ordner, name.chopped(4));
    }
    return gefunden;
}

QString ProgrammImPfad(const QString& name) {
    QString gefunden = QStandardPaths::findExecutable(name);
    if (gefunden.isEmpty() && name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        gefunden = QStandardPaths::findExecutable(name.chopped(4));
    }
    return gefunden;
}

QString Bericht(const QString& befehlszeile, const Fehler& f) {
    const QString grund = f.beschreibung.isEmpty() ? FehlerBeschreibung(f.nummer) : f.beschreibung;
    return QStringLiteral(" !!! Fehler beim Starten von »") + befehlszeile + QStringLiteral("«, ") +
           grund + QLatin1Char('.');
}

}  // namespace

std::optional<TerminProgramm> TerminProgrammLesen(const QString& text) {
    if (!text.startsWith(QLatin1Char('@'))) {
        return std::nullopt;
    }
    const QString rest = text.mid(1);
    const qsizetype zweites = rest.indexOf(QLatin1Char('@'));
    if (zweites < 0) {
        return TerminProgramm{rest, std::nullopt};
    }
    TerminProgramm p{rest.mid(zweites + 1), rest.left(zweites)};
    while (p.frage->endsWith(QStringLiteral("°°"))) {
        p.frage->chop(2);
    }
    if (p.frage->isEmpty()) {
        p.frage = QStringLiteral("Soll das Programm »") + p.befehlszeile +
                  QStringLiteral("« gestartet werden?");
    }
    return p;
}

Befehl BefehlszeileZerlegen(const QString& zeile) {
    Befehl b;
    const qsizetype n = zeile.size();
    qsizetype i = 0;
    while (i < n && IstTrenner(zeile[i])) {
        ++i;
    }
    // The program name knows no escapes: a quote runs to the next quote.
    if (i < n && zeile[i] == u'"') {
        const qsizetype ende = zeile.indexOf(QLatin1Char('"'), i + 1);
        b.programm = zeile.mid(i + 1, ende < 0 ? -1 : ende - i - 1);
        i = ende < 0 ? n : ende + 1;
    } else {
        const qsizetype start = i;
        while (i < n && !IstTrenner(zeile[i])) {
            ++i;
        }
        b.programm = zeile.mid(start, i - start);
    }
    for (;;) {
        while (i < n && IstTrenner(zeile[i])) {
            ++i;
        }
        if (i >= n) {
            break;
        }
        QString arg;
        bool inAnfuehrung = false;
        while (i < n) {
            const QChar c = zeile[i];
            if (c == u'\\') {
                qsizetype k = 0;
                while (i < n && zeile[i] == u'\\') {
                    ++k;
                    ++i;
                }
                if (i < n && zeile[i] == u'"') {
                    arg += QString(k / 2, QLatin1Char('\\'));
                    if (k % 2 == 1) {
                        arg += QLatin1Char('"');
                        ++i;
                    }
                } else {
                    arg += QString(k, QLatin1Char('\\'));
                }
            } else if (c == u'"') {
                if (inAnfuehrung && i + 1 < n && zeile[i + 1] == u'"') {
                    arg += QLatin1Char('"');
                    i += 2;
                } else {
                    inAnfuehrung = !inAnfuehrung;
                    ++i;
                }
            } else if (IstTrenner(c) && !inAnfuehrung) {
                break;
            } else {
                arg += c;
                ++i;
            }
        }
        b.argumente.append(arg);
    }
    return b;
}

Ergebnis<Programmaufruf> ProgrammaufrufBilden(const QString& befehlszeile) {
    const Befehl befehl = BefehlszeileZerlegen(befehlszeile);
    if (Trim(befehl.programm).isEmpty()) {
        return Fehler(FehlerNr::DateiNichtGefunden);
    }
    const QString pfad = PfadAusWindows(befehl.programm);
    if (pfad.isEmpty()) {
        // A drive letter names nothing here.
        return Fehler(FehlerNr::PfadNichtGefunden);
    }
    Programmaufruf aufruf;
    aufruf.argumente = befehl.argumente;
    const qsizetype schnitt = pfad.lastIndexOf(QLatin1Char('/'));
    if (schnitt >= 0) {
        const QString ordner =
            PfadAufloesen(PfadAbsolut(schnitt == 0 ? QStringLiteral("/") : pfad.left(schnitt)));
        if (!QFileInfo(ordner).isDir()) {
            return Fehler(FehlerNr::PfadNichtGefunden);
        }
        aufruf.programm = ProgrammImOrdner(ordner, pfad.mid(schnitt + 1));
        aufruf.arbeitsordner = ordner;
    } else {
        aufruf.programm = ProgrammImOrdner(ProgrammOrdner(), pfad);
        if (aufruf.programm.isEmpty()) {
            aufruf.programm = ProgrammImPfad(pfad);
        }
        aufruf.arbeitsordner = ProgrammOrdner();
    }
    if (aufruf.programm.isEmpty()) {
        return Fehler(FehlerNr::DateiNichtGefunden);
    }
    const QFileInfo datei(aufruf.programm);
    if (!datei.isFile() || !datei.isExecutable()) {
        return Fehler(FehlerNr::ZugriffVerweigert);
    }
    return aufruf;
}

QString ProgrammAusTerminStarten(QString& text) {
    const std::optional<TerminProgramm> teile = TerminProgrammLesen(text);
    if (!teile) {
        return text;
    }
    text = teile->befehlszeile;
    if (teile->frage) {
        TonAusgeben(QStringLiteral("#SystemQuestion"));
        const int antwort = meldungen().zeigen(*teile->frage, Box::JaNein | Box::Frage,
                                               QStringLiteral("Kronel Programmstart"));
        if (antwort != Antwort::Ja) {
            return {};
        }
    }
    if (tastatur().umschaltGedrueckt() || tastatur().feststelltasteAn()) {
        return {};
    }
    const Ergebnis<Programmaufruf> aufruf = ProgrammaufrufBilden(text);
    if (!aufruf) {
        return Bericht(text, aufruf.fehler());
    }
    if (Status s = prozesse().starten(aufruf->programm, aufruf->argumente, aufruf->arbeitsordner);
        !s) {
        return Bericht(text, s.fehler());
    }
    return {};
}

}  // namespace kronel
