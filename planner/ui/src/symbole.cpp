#include "planner_ui/symbole.h"

#include <QMap>

#include "planner_dialogs/malen.h"

namespace kronel {

namespace {

using namespace malen;

void Zeichnen(QPainter& p, const QString& k) {
    if (k == QStringLiteral("Ende")) {
        Blatt(p, QRectF(3, 3, 11, 18));
        p.setPen(QPen(Rot, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(9, 12), QPointF(21, 12));
        p.drawPolyline(QPolygonF({QPointF(17, 8), QPointF(21, 12), QPointF(17, 16)}));
    } else if (k == QStringLiteral("Speichern")) {
        p.setPen(QPen(Tinte, 1.2));
        p.setBrush(Blau);
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.setBrush(Papier);
        p.drawRect(QRectF(7, 3.5, 10, 7));
        p.drawRect(QRectF(6, 14, 12, 7));
    } else if (k == QStringLiteral("Drucken")) {
        Blatt(p, QRectF(7, 2, 10, 8));
        p.setPen(QPen(Tinte, 1.2));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
        Blatt(p, QRectF(7, 15, 10, 7));
    } else if (k == QStringLiteral("Ordne01")) {
        Kalender(p, QRectF(2, 3, 14, 15));
        p.setPen(QPen(Rot, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(19, 5), QPointF(19, 21));
        p.drawPolyline(QPolygonF({QPointF(16, 18), QPointF(19, 21), QPointF(22, 18)}));
    } else if (k == QStringLiteral("OrdneAZ")) {
        Buchstabe(p, QRectF(1, 1, 14, 11), QStringLiteral("A"), 10, Blau);
        Buchstabe(p, QRectF(1, 12, 14, 11), QStringLiteral("Z"), 10, Blau);
        p.setPen(QPen(Rot, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(19, 4), QPointF(19, 20));
        p.drawPolyline(QPolygonF({QPointF(16, 17), QPointF(19, 20), QPointF(22, 17)}));
    } else if (k == QStringLiteral("Suchen")) {
        Lupe(p, QPointF(10, 10), 6);
    } else if (k == QStringLiteral("Freizeit")) {
        Kalender(p, QRectF(2, 2, 15, 15));
        Lupe(p, QPointF(15, 15), 4);
    } else if (k == QStringLiteral("Notiz")) {
        p.setPen(QPen(Tinte, 1.2));
        p.setBrush(QColor(250, 232, 120));
        p.drawRect(QRectF(4, 3, 16, 18));
        p.setPen(QPen(Tinte, 1));
        for (int y = 8; y <= 17; y += 3) {
            p.drawLine(QPointF(7, y), QPointF(17, y));
        }
    } else if (k == QStringLiteral("ListeNeu")) {
        Blatt(p, QRectF(4, 2, 13, 18));
        p.setPen(QPen(Gruen, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 12), QPointF(17, 22));
        p.drawLine(QPointF(12, 17), QPointF(22, 17));
    } else if (k == QStringLiteral("ListeKopieren")) {
        Blatt(p, QRectF(3, 2, 12, 15));
        Blatt(p, QRectF(9, 7, 12, 15));
    } else if (k == QString::fromUtf8("ListeLöschen")) {
        Blatt(p, QRectF(4, 2, 13, 18));
        p.setPen(QPen(Rot, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 12), QPointF(21, 21));
        p.drawLine(QPointF(21, 12), QPointF(12, 21));
    } else {
        Blatt(p, QRectF(4, 2, 16, 20));
    }
}

}  // namespace

QIcon EigenesSymbol(const QString& schluessel) {
    return Symbol([&schluessel](QPainter& p) { Zeichnen(p, schluessel); });
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
    return ThemaOderSymbol(namen.value(schluessel),
                           [&schluessel](QPainter& p) { Zeichnen(p, schluessel); });
}

}  // namespace kronel
