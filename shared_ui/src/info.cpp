#include "shared_ui/info.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

#include "common/fenster.h"
#include "common/modul.h"
#include "common/programminfo.h"
#include "common/startwachen.h"
#include "common/statistik.h"
#include "platform/dienste.h"
#include "shared_ui/emblem.h"
#include "shared_ui/programm.h"

namespace kronel {

namespace {

Info*& Vorhanden() {
    static Info* info = nullptr;
    return info;
}

constexpr int KopfHoehe = 80;  // the band of the drawn name (1200 twips)

// The program name in red over its dark grey shadow, as large as the width
// less 120 pixels allows, at most groesste points, centred in the top band.
void NameZeichnen(QWidget& w, const QString& name, double groesste, int band) {
    QPainter p(&w);
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(20);
    const double breite = QFontMetricsF(f).horizontalAdvance(name);
    f.setPointSizeF(std::min(groesste, (w.width() - 120) * 20.0 / std::max(1.0, breite)));
    f.setBold(true);
    p.setFont(f);
    const QFontMetricsF m(f);
    const double x = (w.width() - m.horizontalAdvance(name)) / 2;
    const double y = (band - m.height()) / 2 + m.ascent();
    p.setPen(QColor(128, 128, 128));
    p.drawText(QPointF(x, y), name);
    p.setPen(QColor(255, 0, 0));
    p.drawText(QPointF(x - 2, y - 2), name);
}

// An engraved rule: dark grey, and white one pixel lower.
void Rille(QWidget& w, int links, int rechts, int y) {
    QPainter p(&w);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(links, y, rechts, y);
    p.setPen(Qt::white);
    p.drawLine(links, y + 1, rechts, y + 1);
}

}  // namespace

Info::Info() {
    setObjectName(QStringLiteral("Info"));
    if (modul().VersionText.isEmpty()) {
        VersionErmitteln();
    }
    setWindowTitle(InfoTitel(QCoreApplication::applicationFilePath(), modul().VersionText));
    QFont arial(QStringLiteral("Arial"));
    setFont(arial);
    Emblem = new QLabel(this);
    Emblem->setObjectName(QStringLiteral("Emblem"));
    const QIcon symbol = QApplication::windowIcon();
    Emblem->setPixmap(symbol.isNull() ? kronel::Emblem(32) : symbol.pixmap(32, 32));
    CopyrightName =
        new QLabel(QStringLiteral("Terminplaner für den Linux-Desktop – Planer, Terminausgabe, "
                                  "Erinnerung und Zeitstarter"),
                   this);
    CopyrightName->setObjectName(QStringLiteral("CopyrightName"));
    CopyrightName->setWordWrap(true);
    CopyrightHinweis =
        new QLabel(QStringLiteral("Freie Software. Doppelklick hier zeigt Ihre Nutzung."), this);
    CopyrightHinweis->setObjectName(QStringLiteral("CopyrightHinweis"));
    QFont fett = CopyrightHinweis->font();
    fett.setBold(true);
    CopyrightHinweis->setFont(fett);
    CopyrightHinweis->installEventFilter(this);
    QString fakten = InfoSystemText(Benutzername(), modul().VersionText);
    SysInfo =
        new QLabel(fakten.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed(), this);
    SysInfo->setObjectName(QStringLiteral("SysInfo"));
    SysInfo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    befAbbrechen = new QPushButton(QStringLiteral("Ok"), this);
    befAbbrechen->setObjectName(QStringLiteral("befAbbrechen"));
    befAbbrechen->setDefault(true);
    connect(befAbbrechen, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(12, KopfHoehe, 12, 12);
    layout->setVerticalSpacing(14);
    layout->addWidget(Emblem, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(CopyrightName, 0, 1);
    layout->addWidget(CopyrightHinweis, 1, 1);
    layout->addWidget(SysInfo, 2, 1);
    layout->addWidget(befAbbrechen, 3, 1, Qt::AlignRight);
    setMinimumWidth(440);
}

void Info::CopyrightHinweis_DblClick() {
    meldungen().zeigen(StatistikText(0), Box::OK + Box::Information,
                       QStringLiteral("Kronel, Anwender-Statistik"));
}

bool Info::eventFilter(QObject* o, QEvent* e) {
    return AbgesichertAusfuehren(
        [&] {
            if (o == CopyrightHinweis && e->type() == QEvent::MouseButtonDblClick) {
                CopyrightHinweis_DblClick();
                return true;
            }
            return QDialog::eventFilter(o, e);
        },
        "Info_eventFilter", false);
}

void Info::paintEvent(QPaintEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            QDialog::paintEvent(e);
            NameZeichnen(*this, QStringLiteral("Kronel"), 45, KopfHoehe);
            const int links = CopyrightHinweis->geometry().left();
            const int rechts = CopyrightHinweis->geometry().right();
            for (const QLabel* l : {CopyrightName, SysInfo}) {
                Rille(*this, links, rechts, l->geometry().top() - 7);
            }
        },
        "Info_paintEvent");
}

void Info::keyPressEvent(QKeyEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            // Space hides the box wherever the focus is, as Enter and Esc do.
            if (e->key() == Qt::Key_Space) {
                accept();
                return;
            }
            QDialog::keyPressEvent(e);
        },
        "Info_keyPressEvent");
}

Info* InfoFenster() {
    return Vorhanden();
}

void InfoZeigen() {
    if (Vorhanden() == nullptr) {
        Vorhanden() = new Info();  // stays loaded for the run
    }
    Vorhanden()->exec();
}

}  // namespace kronel
