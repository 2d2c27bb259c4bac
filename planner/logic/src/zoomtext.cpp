#include "planner/zoomtext.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

#include "common/zahlformat.h"
#include "platform/datum.h"
#include "platform/dienste.h"
#include "platform/uhr.h"

namespace kronel {

qsizetype SatzLaenge(const QString& text) {
    return text.size() + text.count(QLatin1Char('\n'));
}

qsizetype SatzPosition(const QString& text, qsizetype position) {
    position = std::clamp<qsizetype>(position, 0, text.size());
    return position + QStringView(text).left(position).count(QLatin1Char('\n'));
}

qsizetype EditorPosition(const QString& text, qsizetype satzPosition) {
    qsizetype satz = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype breite = text[i] == QLatin1Char('\n') ? 2 : 1;
        if (satz + breite > satzPosition) {
            return i;
        }
        satz += breite;
    }
    return text.size();
}

ZoomPanels ZoomPanelsBilden(const QString& text, qsizetype position, int maxLength) {
    ZoomPanels p;
    const qsizetype n = SatzLaenge(text);
    if (n > 0) {
        const qsizetype pos = SatzPosition(text, position) + 1;
        // The line breaks within the first pos characters of the record's text.
        const qsizetype zeile =
            QStringView(text).left(EditorPosition(text, pos)).count(QLatin1Char('\n')) + 1;
        p.Position = QStringLiteral(" %1 Ze  %2 / %3 Zeichen ").arg(zeile).arg(pos).arg(n);
        p.PositionTip = QStringLiteral("%1. Zeile   %2 / %3 Zeichen").arg(zeile).arg(pos).arg(n);
    } else {
        p.Position = QStringLiteral("keine Eingaben");
        p.PositionTip = p.Position;
    }
    if (maxLength > 0) {
        const double prozent = static_cast<double>(n) * 100.0 / maxLength;
        p.Prozent = ZahlFormatieren(prozent, QStringLiteral("0")).wertOder({}) + QLatin1Char('%');
    }
    return p;
}

QString EinfuegungKuerzen(const QString& einfuegung, qsizetype frei) {
    if (frei <= 0) {
        return {};
    }
    return einfuegung.left(EditorPosition(einfuegung, frei));
}

QString ZoomDatumText() {
    return DatumText(uhr().jetzt().date()) + QLatin1Char(' ');
}

QString ZoomZeitText() {
    return uhr().jetzt().time().toString(QStringLiteral("hh:mm")) + QLatin1Char(' ');
}

double SchriftSchritt(const QList<int>& groessen, double jetzt, int richtung) {
    double naechste = jetzt;
    for (const int g : groessen) {
        const bool weiter = richtung > 0 ? g > jetzt : g < jetzt;
        const bool naeher = naechste == jetzt || std::abs(g - jetzt) < std::abs(naechste - jetzt);
        if (weiter && naeher) {
            naechste = g;
        }
    }
    return naechste;
}

}  // namespace kronel
