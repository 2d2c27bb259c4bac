#include "setupbilder.h"

#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

#include "planner_dialogs/malen.h"

namespace kronel {

namespace {

using namespace malen;

// Output: a message sheet and its tune.
void Ausgabe(QPainter& p) {
    Blatt(p, QRectF(2, 2, 14, 19));
    p.setPen(QPen(Tinte, 1));
    for (int y = 7; y <= 16; y += 3) {
        p.drawLine(QPointF(5, y), QPointF(13, y));
    }
    p.setPen(QPen(Blau, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Blau);
    p.drawEllipse(QPointF(17.5, 19.5), 2.4, 1.8);
    p.drawLine(QPointF(19.8, 19.3), QPointF(19.8, 9));
    p.drawLine(QPointF(19.8, 9), QPointF(22.5, 11.5));
}

// Input: a calendar sheet and a pencil.
void Eingabe(QPainter& p) {
    Kalender(p, QRectF(2, 4, 15, 16));
    p.save();
    p.translate(18, 11);
    p.rotate(35);
    p.setPen(QPen(Tinte, 1));
    p.setBrush(QColor(240, 190, 50));
    p.drawRect(QRectF(-2, -9, 4, 12));
    p.setBrush(Papier);
    p.drawPolygon(QPolygonF({QPointF(-2, 3), QPointF(2, 3), QPointF(0, 7.5)}));
    p.restore();
}

// Presets: the stations, two users.
void Vorgaben(QPainter& p) {
    const auto person = [&p](QPointF kopf, const QColor& farbe) {
        p.setPen(QPen(Tinte, 1));
        p.setBrush(farbe);
        p.drawEllipse(kopf, 3.5, 3.5);
        p.drawChord(QRectF(kopf.x() - 6, kopf.y() + 4.5, 12, 12), 0, 180 * 16);
    };
    person(QPointF(15.5, 6.5), QColor(150, 170, 200));
    person(QPointF(8.5, 9.5), Blau);
}

// Sun and moon.
void Himmel(QPainter& p) {
    const QColor sonne(245, 185, 30);
    p.setPen(QPen(sonne, 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF mitte(9, 9);
    for (int i = 0; i < 8; ++i) {
        const double w = i * std::numbers::pi / 4;
        const QPointF richtung(std::cos(w), std::sin(w));
        p.drawLine(mitte + richtung * 5.5, mitte + richtung * 8);
    }
    p.setBrush(sonne);
    p.drawEllipse(mitte, 4, 4);
    QPainterPath mond;
    mond.addEllipse(QPointF(16.5, 16), 6, 6);
    QPainterPath schatten;
    schatten.addEllipse(QPointF(19.5, 13.5), 5.2, 5.2);
    p.setPen(QPen(Tinte, 1));
    p.setBrush(QColor(235, 225, 160));
    p.drawPath(mond.subtracted(schatten));
}

// Other: the list's font and colours.
void Sonstiges(QPainter& p) {
    Buchstabe(p, QRectF(0, 1, 15, 21), QStringLiteral("A"), 17, Tinte);
    p.setPen(QPen(Tinte, 1));
    const std::array<QColor, 3> farben{Rot, Gruen, Blau};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(farben[i]);
        p.drawRect(QRectF(16, 3 + i * 6.5, 5, 5));
    }
}

}  // namespace

QIcon SetupBild(int reiter) {
    struct Bild {
        const char* thema;
        void (*zeichnen)(QPainter&);
    };
    // The names of the freedesktop icon naming rules.
    static constexpr std::array<Bild, 5> bilder{{
        {"appointment-soon", Ausgabe},
        {"appointment-new", Eingabe},
        {"system-users", Vorgaben},
        {"weather-clear", Himmel},
        {"preferences-desktop-font", Sonstiges},
    }};
    const Bild& b = bilder.at(static_cast<std::size_t>(reiter));
    return ThemaOderSymbol(QString::fromLatin1(b.thema), b.zeichnen, 32);
}

}  // namespace kronel
