#include "shared_ui/emblem.h"

#include <QPainter>

namespace kronel {

QPixmap Emblem(int kantenlaenge, bool vieleFarben) {
    QPixmap bild(kantenlaenge, kantenlaenge);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    const QRect r(0, 0, kantenlaenge - 1, kantenlaenge - 1);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setBrush(vieleFarben ? QColor(200, 30, 30) : QColor(Qt::black));
    p.drawRect(r.x(), r.y(), r.width(), r.height() / 4);
    p.setPen(vieleFarben ? QColor(128, 128, 128) : QColor(Qt::black));
    for (int z = 0; z < 3; ++z) {
        for (int s = 0; s < 4; ++s) {
            p.drawPoint(r.x() + 5 + s * (r.width() - 10) / 3,
                        r.y() + r.height() / 3 + 4 + z * (r.height() / 5));
        }
    }
    return bild;
}

}  // namespace kronel
