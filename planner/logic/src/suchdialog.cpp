#include "planner/suchdialog.h"

#include "common/einstellungen.h"
#include "common/listen.h"
#include "planner/suchmuster.h"
#include "platform/dienste.h"
#include "platform/oberflaeche.h"

namespace kronel {

namespace {

const QString kSuche = QStringLiteral("Suche");

// Nine texts: the current one and eight before it.
constexpr int kFruehere = 8;

}  // namespace

void SuchVerlaufLaden(ListenSteuerelement& komSuche) {
    TextInListe(komSuche, IniLesen({}, {}, kSuche, {}), QStringLiteral(";"));
    komSuche.setText({});
}

QString SucheAusfuehren(ListenSteuerelement& komSuche, bool aufwaerts, const QStringList& zeilen,
                        qsizetype aktuell) {
    const QString text = komSuche.Text();
    qsizetype i = -1;
    {
        const SanduhrZeiger sanduhr;  // the normal pointer is back for the box
        ListeAktuellOben(komSuche, kFruehere);
        IniSchreiben({}, {}, kSuche, ListeAlsText(komSuche, QStringLiteral(";")));
        i = ZeileSuchen(zeilen, aktuell, text, aufwaerts ? -1 : 1);
    }
    if (i >= 0) {
        return QLatin1Char(' ') + QString::number(i);
    }
    meldungen().zeigen(
        QString::fromUtf8("Suche nach »") + text + QString::fromUtf8("« war erfolglos."),
        Box::OK + Box::Ausrufezeichen, QStringLiteral("Kronelin"));
    return QStringLiteral("-1");
}

}  // namespace kronel
