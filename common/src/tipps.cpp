#include "common/tipps.h"

#include "common/dateien.h"
#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/hilfe.h"
#include "platform/ordner.h"
#include "platform/text.h"
#include "platform/zufall.h"

namespace kronel {

namespace {

QString Nummer(int k) {
    return QStringLiteral("%1").arg(k, 4, 10, QLatin1Char('0'));
}

QString TipLesen(const QString& datei, int k) {
    return IniLesen(datei, QStringLiteral("Tips"), QStringLiteral("Tip") + Nummer(k));
}

}  // namespace

QString TipDatei() {
    const QString gefunden = DateiImOrdnerFinden(ProgrammVerzeichnis(), QStringLiteral("Tips.Inf"));
    return gefunden.isEmpty() ? ProgrammVerzeichnis() + QStringLiteral("/Tips.Inf") : gefunden;
}

std::optional<Tip> TipZiehen(const QString& datei, Zufall& zufall) {
    const QString abschnitt = QStringLiteral("Tips");
    if (!DateiVorhanden(datei)) {
        return std::nullopt;
    }
    const int n = static_cast<int>(
        Val(IniLesen(datei, abschnitt, QStringLiteral("Anzahl"), QStringLiteral("0"))));
    if (n < 1) {
        return std::nullopt;
    }
    QString zuletzt =
        IniLesen(datei, abschnitt, QStringLiteral("Zuletzt"), QStringLiteral(".0000"));
    Tip tip;
    tip.Frage = IniLesen(datei, abschnitt, QStringLiteral("Frage"), QStringLiteral("???"));
    tip.Header = IniLesen(datei, abschnitt, QStringLiteral("Header"), QStringLiteral("Willkommen"));
    // The last tip is drawn half as often as each other one (the factor is
    // n - 0.5); the 1000th draw gives up on tip 1.
    int k = 1;
    for (int zug = 1;; ++zug) {
        k = static_cast<int>(zufall.zahl() * (n - 1 + 0.5)) + 1;
        if (zug == 1000) {
            k = 1;
            break;
        }
        if (!TipLesen(datei, k).isEmpty() && !zuletzt.contains(QLatin1Char('.') + Nummer(k))) {
            break;
        }
    }
    const int behalten = n > 10 ? 10 : n - 1;
    zuletzt = (QLatin1Char('.') + Nummer(k) + zuletzt).left(5 * behalten);
    (void)IniSchreiben(datei, abschnitt, QStringLiteral("Zuletzt"), zuletzt);

    QString text = Trim(TipLesen(datei, k));
    text = Ersetzen(text, QStringLiteral("~"), QStringLiteral("\r\n\r\n"));
    text = Ersetzen(text, QStringLiteral("{URL}"), WebAdresse());
    if (!text.isEmpty() && !QStringLiteral(".!?").contains(text.back())) {
        text += QLatin1Char('.');
    }
    tip.Text = text;
    return tip;
}

bool AutoTipAn() {
    return Val(IniLesen({}, {}, QStringLiteral("AutoTip"), QStringLiteral("1"))) != 0;
}

void AutoTipSetzen(bool an) {
    // Written as a number with the place for its sign, as " 1" and " 0".
    (void)IniSchreiben({}, {}, QStringLiteral("AutoTip"),
                       an ? QStringLiteral(" 1") : QStringLiteral(" 0"));
}

}  // namespace kronel
