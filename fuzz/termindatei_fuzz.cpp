// Any data file is read without a crash or a hang, in the current and in the
// old layout; every record line of a current file ends up in the book or in
// the rest, read in pieces it gives the same records, and the book then rolls
// over and sorts.

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "book/abgelaufene.h"
#include "book/sortieren.h"
#include "book/termin.h"
#include "book/termindatei.h"
#include "common/datenpfade.h"

using namespace kronel;

namespace {

// The lines of the file after the header that are not blank, counted on their
// own: ends at CR LF, LF or CR.
qsizetype RecordZeilen(const QByteArray& inhalt) {
    qsizetype zeilen = 0;
    bool kopf = true;
    qsizetype i = 0;
    const qsizetype n = inhalt.size();
    while (i < n) {
        bool blank = true;
        while (i < n && inhalt[i] != '\r' && inhalt[i] != '\n') {
            blank = blank && (inhalt[i] == ' ' || inhalt[i] == '\t');
            ++i;
        }
        if (!kopf && !blank) {
            ++zeilen;
        }
        kopf = false;
        if (i < n) {
            i += (inhalt[i] == '\r' && i + 1 < n && inhalt[i + 1] == '\n') ? 2 : 1;
        }
    }
    return zeilen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, size_t groesse) {
    const QByteArray inhalt(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    Dateiinhalt d = TermindateiLesen(inhalt);
    if (d.art == Dateiart::Aktuell) {
        // An unreadable header line is in the rest; what stood after a whole
        // header on its line is one more record, or one more rest line.
        const qsizetype ausDemKopf = (d.kopfUnlesbar || d.kopfZuLang) ? 1 : 0;
        if (d.termine.size() + d.rest.size() - ausDemKopf != RecordZeilen(inhalt)) {
            std::abort();
        }
    }
    // Read in pieces cut anywhere, the file gives the same records.
    QStringList stueckweise;
    TermineLesen leser([&](const QString& t) { stueckweise.append(t); });
    for (qsizetype ab = 0; ab < inhalt.size();) {
        const qsizetype laenge = 1 + static_cast<unsigned char>(inhalt[ab]) % 7;
        leser.weiter(QByteArrayView(inhalt).sliced(ab, std::min(laenge, inhalt.size() - ab)));
        ab += laenge;
    }
    if (leser.ende() != d.versionsZehntel ||
        stueckweise != (d.art == Dateiart::Aktuell ? d.termine : QStringList())) {
        std::abort();
    }
    for (const QString& t : d.termine) {
        if (t.size() < Spalte::Meldung || !SchluesselLesen(t)) {
            std::abort();
        }
        (void)Anzeigezeile(t);
    }
    AbgelaufenRegeln regeln;
    regeln.archivieren = false;
    const qsizetype vorher = d.termine.size();
    const AbgelaufenErgebnis e = AbgelaufeneFortschreiben(d.termine, QDate(2026, 12, 9), regeln);
    if (d.termine.size() + e.entfernt != vorher) {
        std::abort();
    }
    const auto reihe = DatumsReihenfolge(d.termine);
    if (static_cast<qsizetype>(reihe.size()) != d.termine.size()) {
        std::abort();
    }
    (void)MeldungsReihenfolge(d.termine);
    (void)TermindateiText(d.termine, QStringLiteral("8.010090"));
    return 0;
}
