#pragma once
// What the side windows share: where they open and their buttons.

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace kronel {

// Centred over its owner, moved back onto the screen when it would stand
// beyond an edge.
inline void UeberBesitzerZentrieren(QWidget& fenster, const QWidget* besitzer) {
    const QSize groesse = fenster.frameSize().isValid() ? fenster.frameSize() : fenster.size();
    QRect bereich = fenster.screen() != nullptr ? fenster.screen()->geometry() : QRect();
    QPoint lage = bereich.topLeft();
    if (besitzer != nullptr) {
        const QRect b = besitzer->frameGeometry();
        lage = {b.left() + (b.width() - groesse.width()) / 2,
                b.top() + (b.height() - groesse.height()) / 2};
    }
    if (bereich.isValid()) {
        lage.setX(std::max(0, std::min(lage.x(), bereich.right() + 1 - groesse.width())));
        lage.setY(std::max(0, std::min(lage.y(), bereich.bottom() + 1 - groesse.height())));
    }
    fenster.move(lage);
}

// A button that Enter never presses by default: Enter belongs to the fields.
inline QPushButton* Knopf(QWidget* fenster, const char* name, const char* text) {
    auto* k = new QPushButton(QString::fromUtf8(text), fenster);
    k->setObjectName(QString::fromUtf8(name));
    k->setAutoDefault(false);
    return k;
}

// A note beneath a window's lists that says why they stay empty; hidden when
// there is nothing to say.
inline QLabel* Hinweis(QWidget* fenster, const QString& text) {
    auto* l = new QLabel(text, fenster);
    l->setObjectName(QStringLiteral("bezHinweis"));
    l->setWordWrap(true);
    l->setHidden(text.isEmpty());
    return l;
}

}  // namespace kronel
