#include "planner_dialogs/malen.h"

#include <QFont>
#include <QPixmap>

namespace kronel::malen {

void Blatt(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Tinte, 1.2));
    p.setBrush(Papier);
    p.drawRect(r);
}

void Kalender(QPainter& p, const QRectF& r) {
    Blatt(p, r);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 4), Blau);
    p.setPen(Qt::NoPen);
    p.setBrush(Blau);
    for (int zeile = 0; zeile < 3; ++zeile) {
        for (int spalte = 0; spalte < 3; ++spalte) {
            p.drawRect(QRectF(r.left() + 2 + spalte * (r.width() - 4) / 3,
                              r.top() + 6 + zeile * (r.height() - 8) / 3, 2.5, 2.5));
        }
    }
}

void Lupe(QPainter& p, const QPointF& mitte, double radius) {
    p.setPen(QPen(Tinte, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(220, 235, 250));
    p.drawEllipse(mitte, radius, radius);
    const double d = radius * 0.72;
    p.drawLine(mitte + QPointF(d, d), mitte + QPointF(d + 5, d + 5));
}

void Buchstabe(QPainter& p, const QRectF& r, const QString& text, int pixel, const QColor& farbe) {
    QFont f = p.font();
    f.setPixelSize(pixel);
    f.setBold(true);
    p.setFont(f);
    p.setPen(farbe);
    p.drawText(r, Qt::AlignCenter, text);
}

QIcon Symbol(const std::function<void(QPainter&)>& zeichnen, int kante) {
    QIcon symbol;
    for (const int faktor : {1, 2}) {
        QPixmap bild(kante * faktor, kante * faktor);
        bild.setDevicePixelRatio(faktor);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kante / 24.0, kante / 24.0);
        zeichnen(p);
        p.end();
        symbol.addPixmap(bild);
    }
    return symbol;
}

QIcon ThemaOderSymbol(const QString& themaName, const std::function<void(QPainter&)>& zeichnen,
                      int kante) {
    return QIcon::fromTheme(themaName, Symbol(zeichnen, kante));
}

}  // namespace kronel::malen
