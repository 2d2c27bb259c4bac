#include "planner_ui/symbole.h"

#include <QFont>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kronel {

namespace {

constexpr int kGroesse = 24;
const QColor kTinte(60, 60, 60);
const QColor kBlatt(253, 253, 253);
const QColor kBlau(47, 109, 181);
const QColor kRot(210, 60, 42);
const QColor kGruen(46, 139, 87);

void Blatt(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kTinte, 1.2));
    p.setBrush(kBlatt);
    p.drawRect(r);
}

void Kalender(QPainter& p, const QRectF& r) {
    Blatt(p, r);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 4), kBlau);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlau);
    for (int zeile = 0; zeile < 3; ++zeile) {
        for (int spalte = 0; spalte < 3; ++spalte) {
            p.drawRect(QRectF(r.left() + 2 + spalte * (r.width() - 4) / 3,
                              r.top() + 6 + zeile * (r.height() - 8) / 3, 2.5, 2.5));
        }
    }
}

void Lupe(QPainter& p, const QPointF& mitte, double radius) {
    p.setPen(QPen(kTinte, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(220, 235, 250));
    p.drawEllipse(mitte, radius, radius);
    const double d = radius * 0.72;
    p.drawLine(mitte + QPointF(d, d), mitte + QPointF(d + 5, d + 5));
}

void Zeichnen(QPainter& p, const QString& k) {
    if (k == QStringLiteral("Ende")) {
        Blatt(p, QRectF(3, 3, 11, 18));
        p.setPen(QPen(kRot, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(9, 12), QPointF(21, 12));
        p.drawPolyline(QPolygonF({QPointF(17, 8), QPointF(21, 12), QPointF(17, 16)}));
    } else if (k == QStringLiteral("Speichern")) {
        p.setPen(QPen(kTinte, 1.2));
        p.setBrush(kBlau);
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.setBrush(kBlatt);
        p.drawRect(QRectF(7, 3.5, 10, 7));
        p.drawRect(QRectF(6, 14, 12, 7));
    } else if (k == QStringLiteral("Drucken")) {
        Blatt(p, QRectF(7, 2, 10, 8));
        p.setPen(QPen(kTinte, 1.2));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
        Blatt(p, QRectF(7, 15, 10, 7));
    } else if (k == QStringLiteral("Ordne01")) {
        Kalender(p, QRectF(2, 3, 14, 15));
        p.setPen(QPen(kRot, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(19, 5), QPointF(19, 21));
        p.drawPolyline(QPolygonF({QPointF(16, 18), QPointF(19, 21), QPointF(22, 18)}));
    } else if (k == QStringLiteral("OrdneAZ")) {
        QFont f = p.font();
        f.setPixelSize(10);
        f.setBold(true);
        p.setFont(f);
        p.setPen(kBlau);
        p.drawText(QRectF(1, 1, 14, 11), Qt::AlignCenter, QStringLiteral("A"));
        p.drawText(QRectF(1, 12, 14, 11), Qt::AlignCenter, QStringLiteral("Z"));
        p.setPen(QPen(kRot, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(19, 4), QPointF(19, 20));
        p.drawPolyline(QPolygonF({QPointF(16, 17), QPointF(19, 20), QPointF(22, 17)}));
    } else if (k == QStringLiteral("Suchen")) {
        Lupe(p, QPointF(10, 10), 6);
    } else if (k == QStringLiteral("Freizeit")) {
        Kalender(p, QRectF(2, 2, 15, 15));
        Lupe(p, QPointF(15, 15), 4);
    } else if (k == QStringLiteral("Notiz")) {
        p.setPen(QPen(kTinte, 1.2));
        p.setBrush(QColor(250, 232, 120));
        p.drawRect(QRectF(4, 3, 16, 18));
        p.setPen(QPen(kTinte, 1));
        for (int y = 8; y <= 17; y += 3) {
            p.drawLine(QPointF(7, y), QPointF(17, y));
        }
    } else if (k == QStringLiteral("ListeNeu")) {
        Blatt(p, QRectF(4, 2, 13, 18));
        p.setPen(QPen(kGruen, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 12), QPointF(17, 22));
        p.drawLine(QPointF(12, 17), QPointF(22, 17));
    } else if (k == QStringLiteral("ListeKopieren")) {
        Blatt(p, QRectF(3, 2, 12, 15));
        Blatt(p, QRectF(9, 7, 12, 15));
    } else if (k == QString::fromUtf8("ListeLöschen")) {
        Blatt(p, QRectF(4, 2, 13, 18));
        p.setPen(QPen(kRot, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 12), QPointF(21, 21));
        p.drawLine(QPointF(21, 12), QPointF(12, 21));
    } else {
        Blatt(p, QRectF(4, 2, 16, 20));
    }
}

}  // namespace

QIcon EigenesSymbol(const QString& schluessel) {
    QIcon symbol;
    for (const int faktor : {1, 2}) {
        QPixmap bild(kGroesse * faktor, kGroesse * faktor);
        bild.setDevicePixelRatio(faktor);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        Zeichnen(p, schluessel);
        p.end();
        symbol.addPixmap(bild);
    }
    return symbol;
}

QIcon ToolbarSymbol(const QString& schluessel) {
    // The names of the freedesktop icon naming rules.
    static const QMap<QString, QString> namen{
        {QStringLiteral("Ende"), QStringLiteral("application-exit")},
        {QStringLiteral("Speichern"), QStringLiteral("document-save")},
        {QStringLiteral("Drucken"), QStringLiteral("document-print")},
        {QStringLiteral("Ordne01"), QStringLiteral("x-office-calendar")},
        {QStringLiteral("OrdneAZ"), QStringLiteral("view-sort-ascending")},
        {QStringLiteral("Suchen"), QStringLiteral("edit-find")},
        {QStringLiteral("Freizeit"), QStringLiteral("appointment-soon")},
        {QStringLiteral("Notiz"), QStringLiteral("insert-text")},
        {QStringLiteral("ListeNeu"), QStringLiteral("appointment-new")},
        {QStringLiteral("ListeKopieren"), QStringLiteral("edit-copy")},
        {QString::fromUtf8("ListeLöschen"), QStringLiteral("edit-delete")},
    };
    return QIcon::fromTheme(namen.value(schluessel), EigenesSymbol(schluessel));
}

}  // namespace kronel
