#include "planner/meldungseingabe.h"

#include <algorithm>

#include "platform/text.h"

namespace kronel {

namespace {

qsizetype RecordLaenge(const QString& text) {
    return text.size() + text.count(QLatin1Char('\n'));
}

// Every kind of line break as "\n", then no control character but "\n".
QString OhneSteuerzeichen(const QString& eingefuegt) {
    const QString einheitlich = ZeilenumbruecheVereinheitlichen(eingefuegt)
                                    .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QString s;
    s.reserve(einheitlich.size());
    for (const QChar c : einheitlich) {
        if (c == u'\n' || c.category() != QChar::Other_Control) {
            s += c;
        }
    }
    return NurCp1252(s);
}

}  // namespace

MeldungsEingabe MeldungEinpassen(const QString& alt, const QString& neu, qsizetype grenze) {
    const qsizetype kuerzer = std::min(alt.size(), neu.size());
    qsizetype vorn = 0;
    while (vorn < kuerzer && alt[vorn] == neu[vorn]) {
        ++vorn;
    }
    qsizetype hinten = 0;
    while (hinten < kuerzer - vorn &&
           alt[alt.size() - 1 - hinten] == neu[neu.size() - 1 - hinten]) {
        ++hinten;
    }
    const QString davor = alt.left(vorn);
    const QString danach = alt.right(hinten);
    const QString eingefuegt = OhneSteuerzeichen(neu.mid(vorn, neu.size() - vorn - hinten));

    qsizetype platz = grenze - RecordLaenge(davor) - RecordLaenge(danach);
    qsizetype passt = 0;
    for (; passt < eingefuegt.size(); ++passt) {
        platz -= eingefuegt[passt] == u'\n' ? 2 : 1;
        if (platz < 0) {
            break;
        }
    }
    MeldungsEingabe e;
    e.text = davor + eingefuegt.left(passt) + danach;
    e.cursor = static_cast<int>(vorn + passt);
    e.gekuerzt = passt < eingefuegt.size();
    return e;
}

}  // namespace kronel
