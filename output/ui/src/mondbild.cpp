#include "output_ui/mondbild.h"

#include <QMouseEvent>
#include <QPainter>

#include "output/mondsonne.h"
#include "shared_ui/programm.h"

namespace kronel {

namespace {

constexpr int kGroesse = 64;

// The full moon disc, centred where the shading expects it; its corners, pixel
// (1, 1) among them, stay transparent.
QPixmap Mondscheibe() {
    QPixmap bild(kGroesse, kGroesse);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    const double r = kGroesse / 2.05;
    maler.setPen(QColor(150, 150, 120));
    maler.setBrush(QColor(245, 240, 200));
    maler.drawEllipse(QPointF(r, r), r - 0.5, r - 0.5);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(215, 210, 170));  // a few seas, so the disc reads as the moon
    maler.drawEllipse(QPointF(r * 0.7, r * 0.75), r * 0.22, r * 0.18);
    maler.drawEllipse(QPointF(r * 1.2, r * 0.65), r * 0.16, r * 0.14);
    maler.drawEllipse(QPointF(r * 1.05, r * 1.3), r * 0.2, r * 0.15);
    return bild;
}

}  // namespace

MondBild::MondBild() {
    setObjectName(QStringLiteral("BildMond"));
    setPixmap(Mondscheibe());
    setFixedSize(kGroesse, kGroesse);
    // Opaque: redrawing the moon does not repaint the window beneath, which
    // would ask for the moon again at the next tick.
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
}

void MondBild::Zeigen(int p, const QString& text) {
    p_ = p;
    tag_ = text;
    setVisible(true);
    update();
}

void MondBild::paintEvent(QPaintEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            QLabel::paintEvent(e);
            if (p_ < 0) {
                return;
            }
            QPainter maler(this);
            // Pixel (1, 1) of the disc is transparent: the shade is the window's background.
            maler.setPen(QPen(palette().color(QPalette::Window), 1));
            for (const QLineF& linie : MondSchattenLinien(p_, width(), height())) {
                maler.drawLine(linie);
            }
        },
        "MondBild_paintEvent");
}

void MondBild::mousePressEvent(QMouseEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            if (e->button() == Qt::LeftButton && beiKlick) {
                beiKlick();
                return;
            }
            QLabel::mousePressEvent(e);
        },
        "MondBild_mousePressEvent");
}

}  // namespace kronel
