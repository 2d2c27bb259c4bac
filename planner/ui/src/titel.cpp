#include "planner_ui/titel.h"

#include <QEventLoop>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include <cmath>

#include "common/fehlermeldung.h"
#include "common/fenster.h"
#include "common/modul.h"
#include "common/statistik.h"
#include "platform/dienste.h"
#include "platform/programmende.h"
#include "platform/uhr.h"
#include "shared_ui/emblem.h"
#include "shared_ui/programm.h"

namespace kronel {

namespace {

constexpr int Weite = 480;
constexpr int Hoehe = 300;
constexpr int Band = 80;  // 1200 twips at the top hold the name

const QColor Dunkelgrau(128, 128, 128);

// A whole number from 0 to below bis.
int Zufallszahl(int bis) {
    return static_cast<int>(bis * QRandomGenerator::global()->generateDouble());
}

void Stern(QPainter& p, QPointF mitte, double r, const QColor& farbe) {
    QPainterPath pfad;
    for (int i = 0; i < 10; ++i) {
        const double w = M_PI / 2 + i * M_PI / 5;
        const double radius = i % 2 == 0 ? r : r * 0.4;
        const QPointF punkt(mitte.x() + radius * std::cos(w), mitte.y() - radius * std::sin(w));
        i == 0 ? pfad.moveTo(punkt) : pfad.lineTo(punkt);
    }
    pfad.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawPath(pfad);
}

void Tanne(QPainter& p, bool geschmueckt) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 70, 30));
    p.drawRect(14, 26, 4, 6);
    p.setBrush(QColor(20, 130, 40));
    p.drawPolygon(QPolygonF({QPointF(16, 2), QPointF(4, 27), QPointF(28, 27)}));
    if (geschmueckt) {
        p.setBrush(Qt::red);
        for (const QPointF k :
             {QPointF(13, 14), QPointF(19, 19), QPointF(11, 23), QPointF(21, 24)}) {
            p.drawEllipse(k, 1.8, 1.8);
        }
        Stern(p, QPointF(16, 3), 4, QColor(255, 210, 0));
    }
}

// The seasonal pictures, 32 by 32 pixels, drawn here instead of shipped.
QPixmap BildMalen(Jahresbild bild) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (bild) {
        case Jahresbild::Weihnachtsbaum:
            Tanne(p, true);
            break;
        case Jahresbild::Baum:
            Tanne(p, false);
            break;
        case Jahresbild::Strumpf:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 20, 20));
            p.drawPolygon(
                QPolygonF({QPointF(12, 8), QPointF(22, 8), QPointF(22, 22), QPointF(14, 29),
                           QPointF(6, 29), QPointF(6, 24), QPointF(12, 20)}));
            p.setBrush(Qt::white);
            p.drawRect(11, 3, 12, 6);
            break;
        case Jahresbild::Sonne:
            p.setPen(QPen(QColor(250, 180, 0), 2));
            for (int i = 0; i < 8; ++i) {
                const double w = i * M_PI / 4;
                p.drawLine(QPointF(16 + 10 * std::cos(w), 16 + 10 * std::sin(w)),
                           QPointF(16 + 15 * std::cos(w), 16 + 15 * std::sin(w)));
            }
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 215, 0));
            p.drawEllipse(QPointF(16, 16), 8, 8);
            break;
        case Jahresbild::Schirm:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 80, 200));
            p.drawPie(QRectF(2, 3, 28, 24), 0, 180 * 16);
            p.setPen(QPen(QColor(60, 60, 60), 2));
            p.drawLine(16, 15, 16, 27);
            p.drawArc(QRectF(16, 24, 6, 6), 180 * 16, 180 * 16);
            break;
        case Jahresbild::Schneemann:
            p.setPen(QPen(QColor(120, 120, 140), 1));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(16, 23), 8, 8);
            p.drawEllipse(QPointF(16, 10), 6, 6);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            p.drawRect(11, 1, 10, 4);
            p.setBrush(QColor(255, 120, 0));
            p.drawPolygon(QPolygonF({QPointF(16, 10), QPointF(22, 11), QPointF(16, 12)}));
            break;
        case Jahresbild::Kerze:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(220, 30, 30));
            p.drawRect(12, 12, 8, 18);
            p.setBrush(QColor(255, 170, 0));
            p.drawEllipse(QPointF(16, 7), 3, 5);
            p.setBrush(QColor(255, 240, 120));
            p.drawEllipse(QPointF(16, 8), 1.5, 2.5);
            break;
        case Jahresbild::Sekt:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(20, 100, 50));
            p.drawRect(5, 12, 8, 18);
            p.drawRect(7, 4, 4, 9);
            p.setBrush(QColor(220, 190, 60, 200));
            for (const int x : {17, 25}) {
                p.drawPolygon(QPolygonF({QPointF(x - 3, 12), QPointF(x + 3, 12), QPointF(x, 20)}));
                p.setPen(QPen(QColor(150, 150, 150), 1));
                p.drawLine(x, 20, x, 29);
                p.drawLine(x - 3, 29, x + 3, 29);
                p.setPen(Qt::NoPen);
            }
            break;
    }
    return pm;
}

}  // namespace

Titel::Titel(std::function<void(Qt::WindowStates)> mainZeigen)
    : mainZeigen_(std::move(mainZeigen)) {
    setObjectName(QStringLiteral("Titel"));
    setWindowTitle(QStringLiteral("Kronelin"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(Weite, Hoehe);
    setFont(QFont(QStringLiteral("Arial")));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);
    setAutoFillBackground(true);
    bezInfoDo = new QLabel(QStringLiteral("Stelle Programmumgebung zusammen..."), this);
    bezInfoDo->setObjectName(QStringLiteral("bezInfoDo"));
    bezInfoDo->setAlignment(Qt::AlignCenter);
    bezInfoDo->setWordWrap(true);
    bezInfoDo->setGeometry(60, 150, Weite - 120, 60);
    BezAutor =
        new QLabel(QStringLiteral("Terminplaner für den Linux-Desktop · freie Software"), this);
    BezAutor->setObjectName(QStringLiteral("BezAutor"));
    BezAutor->setAlignment(Qt::AlignCenter);
    BezAutor->setGeometry(60, Hoehe - 30, Weite - 120, 20);
    Zeit = new QTimer(this);
    Zeit->setObjectName(QStringLiteral("Zeit"));
    Zeit->setInterval(100);
    // A tick may open a box with its own event loop: the timer waits meanwhile.
    connect(Zeit, &QTimer::timeout, this,
            Abgesichert(
                [this] {
                    Zeit->stop();
                    if (!ZeitTimer()) {
                        Zeit->start();
                    }
                },
                "Titel_Zeit_Timer"));
}

void Titel::showEvent(QShowEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            QWidget::showEvent(e);
            if (ersteGroesse_) {
                // The state the program was started in goes to the main window.
                ersteGroesse_ = false;
                startZustand_ = windowState();
                setWindowState(Qt::WindowNoState);
            }
        },
        "Titel_showEvent");
}

void Titel::Laden() {
    if (const QScreen* s = screen()) {
        const QRect r = s->availableGeometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
    VersionErmitteln();
    bezInfoDo->setText(TitelLadezeile(modul().VersionText));
    bild_ = JahresbildVon(uhr().heute());
    Zeit->start();
    if (TitelUeberspringen()) {
        ZeitTimer();
        ZeitTimer();
    }
}

bool Titel::ZeitTimer() {
    if (fertig_) {
        return true;
    }
    // A failing step is reported with the count the tick reached.
    const TitelAblauf::Schritt schritt = ablauf_.Tick();
    Absichern(
        [this, schritt] {
            switch (schritt) {
                case TitelAblauf::Schritt::Nichts:
                    break;
                case TitelAblauf::Schritt::Statistik:
                    bezInfoDo->setText(StatistikText(2));
                    break;
                case TitelAblauf::Schritt::MainZeigen:
                    QThread::msleep(500);
                    funke_ = QPoint(Zufallszahl(width() - 40) + 20,
                                    Zufallszahl(BezAutor->y() - 40) + 20);
                    repaint();
                    mainZeigen_(startZustand_);
                    break;
                case TitelAblauf::Schritt::Entladen:
                    fertig_ = true;
                    Zeit->stop();
                    hide();
                    break;
            }
        },
        QStringLiteral("Es ist ein Fehler beim Aufbau des Titelbildes aufgetreten #") +
            QString::number(ablauf_.Zaehler()));
    if (ProgrammBeendet()) {
        fertig_ = true;
        Zeit->stop();
        hide();
    }
    return fertig_;
}

void Titel::paintEvent(QPaintEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            QWidget::paintEvent(e);
            QPainter p(this);
            p.setRenderHint(QPainter::Antialiasing);
            // The name fills the width less 1600 twips, at most 55 points.
            const QString name = QStringLiteral("Kronel");
            QFont f = font();
            f.setBold(true);
            f.setPointSizeF(20);
            const double breite = QFontMetricsF(f).horizontalAdvance(name);
            f.setPointSizeF(std::min(55.0, (width() - 107) * 20.0 / breite));
            p.setFont(f);
            const QFontMetricsF m(f);
            const double x = (width() - m.horizontalAdvance(name)) / 2;
            const double y = (Band - m.height()) / 2 + m.ascent() + 20;
            p.setPen(Dunkelgrau);
            p.drawText(QPointF(x, y), name);
            p.setPen(Qt::red);
            p.drawText(QPointF(x - 2, y - 2), name);

            const int regel = BezAutor->y() - 8;
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(Dunkelgrau);
            p.drawLine(BezAutor->x(), regel, BezAutor->x() + BezAutor->width(), regel);
            p.setPen(Qt::white);
            p.drawLine(BezAutor->x(), regel + 1, BezAutor->x() + BezAutor->width(), regel + 1);

            p.drawPixmap(12, Hoehe - 44, Emblem(32, bildschirm().bitsProPixel() >= 8));
            if (bild_) {
                p.drawPixmap(8, (regel + 1 - 32) / 2, BildMalen(*bild_));
            }
            if (funke_.x() >= 0) {
                Stern(p, funke_, 9, QColor(255, 230, 0));
            }
        },
        "Titel_paintEvent");
}

void TitelAblaufen(const std::function<void(Qt::WindowStates)>& mainZeigen) {
    Titel titel(mainZeigen);
    titel.show();
    titel.Laden();
    if (titel.Fertig()) {
        return;
    }
    QEventLoop schleife;
    // Connected after the tick itself: it looks once the tick has returned.
    QObject::connect(titel.Zeit, &QTimer::timeout, &schleife,
                     Abgesichert(
                         [&] {
                             if (titel.Fertig()) {
                                 schleife.quit();
                             }
                         },
                         "Titel_Zeit_Timer"));
    schleife.exec();
}

}  // namespace kronel
