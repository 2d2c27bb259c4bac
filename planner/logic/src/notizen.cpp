#include "planner/notizen.h"

#include <algorithm>

#include "common/adressbuch.h"
#include "common/dateien.h"
#include "platform/dateien.h"
#include "platform/ordner.h"
#include "platform/text.h"

namespace kronel {

namespace {

QStringList NotizZeilen(const QByteArray& inhalt) {
    QStringList zeilen;
    ZeilenDurchgehen(QByteArrayView(inhalt), LetztesZeilenende::SchliesstZeile,
                     [&](QByteArrayView zeile, QByteArrayView) {
                         zeilen << ZeileTolerantLesen(zeile.toByteArray());
                     });
    return zeilen;
}

}  // namespace

void NotizenListe::Laden(const QString& dateiNotizen) {
    adressModus_ = false;
    const Ergebnis<QByteArray> notizen = DateiLesen(dateiNotizen);
    // A notes file that is there but cannot be read is never written over,
    // and the list does not pretend to be a fresh one.
    const int fehler = notizen ? 0 : notizen.fehler().nummer;
    lesefehler_.reset();
    stand_.Vergessen();
    if (fehler == 0) {
        stand_.Merken(*notizen);
    } else if (fehler == FehlerNr::DateiNichtGefunden || fehler == FehlerNr::PfadNichtGefunden) {
        stand_.Fehlt();
    } else {
        lesefehler_ = notizen.fehler();
    }
    zeilen_ = NotizZeilen(notizen.wertOder({}));
    if (zeilen_.isEmpty() && !lesefehler_) {
        const QString kuerzel =
            DateiImOrdnerFinden(ProgrammOrdner(), QStringLiteral("Kuerzel.lst"));
        for (const QString& zeile : NotizZeilen(DateiLesen(kuerzel).wertOder({}))) {
            if (const qsizetype tab = zeile.indexOf(u'\t'); tab >= 0) {
                zeilen_ << zeile.mid(tab + 1);
            }
        }
    }
    DeutschSortieren(zeilen_);
    geladen_ = zeilen_;
    markiert_ = zeilen_.isEmpty() ? -1 : 0;
}

NotizenListe::SpeicherErgebnis NotizenListe::Speichern(const QString& dateiNotizen, bool nurLesen) {
    if (nurLesen || adressModus_ || zeilen_.isEmpty()) {
        return {};
    }
    if (lesefehler_) {
        return {Fehler(lesefehler_->nummer,
                       QStringLiteral("»") + dateiNotizen +
                           QStringLiteral("« konnte beim Öffnen nicht gelesen werden und bleibt "
                                          "unverändert (") +
                           lesefehler_->beschreibung + QLatin1Char(')')),
                {}};
    }
    // With the list as it was read, there is nothing to write over another
    // program's notes.
    if (zeilen_ == geladen_) {
        const auto fremd = stand_.FremdeFassung(dateiNotizen);
        if (!fremd) {
            return {fremd.fehler(), {}};
        }
        if (fremd.wert()) {
            return {};
        }
    }
    QByteArray inhalt;
    for (const QString& zeile : zeilen_) {
        inhalt += NachCp1252(zeile) + "\r\n";
    }
    QStringList bewahrt;
    SpeicherErgebnis s{GemeinsamSchreiben(dateiNotizen, inhalt, stand_, bewahrt), {}};
    s.bewahrt = bewahrt.value(0);
    if (s.status) {
        geladen_ = zeilen_;
    }
    return s;
}

void NotizenListe::Aufnehmen(const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    // Behind its equals, so the new one is the last of them.
    const auto stelle = std::upper_bound(
        zeilen_.begin(), zeilen_.end(), text,
        [](const QString& a, const QString& b) { return DeutschVergleichen(a, b) < 0; });
    markiert_ = stelle - zeilen_.begin();
    zeilen_.insert(markiert_, text);
}

void NotizenListe::Loeschen() {
    if (markiert_ < 0) {
        return;
    }
    zeilen_.removeAt(markiert_);
    markiert_ = std::min(markiert_, zeilen_.size() - 1);
}

void NotizenListe::AdressbuchLaden(const QString& pfad) {
    adressModus_ = true;
    zeilen_ = TelefonZeilen(pfad);
    markiert_ = -1;
}

void NotizenListe::Suchen(const QString& text) {
    const QString such = LCase(text);
    const qsizetype n = zeilen_.size();
    qsizetype i = markiert_;
    // At most n - 1 lines, never the selected one itself.
    for (qsizetype rest = n - 1; rest > 0; --rest) {
        i = i + 1 > n - 1 ? 0 : i + 1;
        if (LCase(zeilen_[i]).contains(such)) {
            markiert_ = i;
            return;
        }
    }
    if (n == 1) {
        markiert_ = 0;
    } else if (markiert_ < 0 && n > 1) {
        markiert_ = n - 1;
    }
}

void NotizenListe::Markieren(qsizetype index) {
    markiert_ = index >= 0 && index < zeilen_.size() ? index : -1;
}

QString NotizenListe::Position() const {
    if (adressModus_) {
        return QStringLiteral("Suchtext");
    }
    return QStringLiteral("%1/%2").arg(markiert_ + 1).arg(zeilen_.size());
}

}  // namespace kronel
