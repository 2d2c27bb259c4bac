#pragma once
// Our own small pictures, drawn in code on a square of 24 units: the planner's
// toolbar keys and the pictures of the settings tabs share their colours and
// shapes here.

#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QString>

#include <functional>

namespace kronel::malen {

inline constexpr QColor Tinte{60, 60, 60};
inline constexpr QColor Papier{253, 253, 253};
inline constexpr QColor Blau{47, 109, 181};
inline constexpr QColor Rot{210, 60, 42};
inline constexpr QColor Gruen{46, 139, 87};

// A sheet of paper.
void Blatt(QPainter& p, const QRectF& r);
// A calendar sheet: a blue head and three rows of days.
void Kalender(QPainter& p, const QRectF& r);
// A magnifying glass, its handle to the lower right.
void Lupe(QPainter& p, const QPointF& mitte, double radius);

// A bold letter of the given pixel size, centred in r.
void Buchstabe(QPainter& p, const QRectF& r, const QString& text, int pixel, const QColor& farbe);

// The picture a drawing makes at the given edge length, sharp on displays with
// twice the pixels too; the drawing works on 24 units whatever the size.
QIcon Symbol(const std::function<void(QPainter&)>& zeichnen, int kante = 24);
// The desktop theme's icon of that name, else our drawing.
QIcon ThemaOderSymbol(const QString& themaName, const std::function<void(QPainter&)>& zeichnen,
                      int kante = 24);

}  // namespace kronel::malen
