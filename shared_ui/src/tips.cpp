#include "shared_ui/tips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "common/tipps.h"
#include "platform/zufall.h"
#include "shared_ui/programm.h"

namespace kronel {

namespace {

// A small light bulb, the window's decoration.
QPixmap Gluehbirne() {
    QPixmap bild(40, 48);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 120, 0), 1.5));
    p.setBrush(QColor(255, 230, 80));
    p.drawEllipse(QRectF(6, 2, 28, 28));
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(QRectF(13, 30, 14, 12));
    p.drawLine(QPointF(13, 34), QPointF(27, 34));
    p.drawLine(QPointF(13, 38), QPointF(27, 38));
    return bild;
}

}  // namespace

Tips::Tips(Zufall& zufall, QWidget* besitzer) : QDialog(besitzer), zufall_(zufall) {
    setObjectName(QStringLiteral("Tips"));
    setWindowTitle(QStringLiteral("Willkommen"));
    bezTip0 = new QLabel(QStringLiteral("Wussten Sie schon..."), this);
    bezTip0->setObjectName(QStringLiteral("bezTip0"));
    QFont f = bezTip0->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    bezTip0->setFont(f);
    bezTip = new QLabel(QStringLiteral("Tip"), this);
    bezTip->setObjectName(QStringLiteral("bezTip"));
    bezTip->setWordWrap(true);
    bezTip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bezTip->setMinimumSize(360, 120);
    bezTip->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Anzeige = new QLabel(this);
    Anzeige->setObjectName(QStringLiteral("Anzeige"));
    Anzeige->setPixmap(Gluehbirne());
    strgAutoTip = new QCheckBox(QStringLiteral("&Tips bei jedem Programm-Start anzeigen"), this);
    strgAutoTip->setObjectName(QStringLiteral("strgAutoTip"));
    befNext = new QPushButton(QStringLiteral("&Nächster Tip"), this);
    befNext->setObjectName(QStringLiteral("befNext"));
    befAbbrechen = new QPushButton(QStringLiteral("&Schließen"), this);
    befAbbrechen->setObjectName(QStringLiteral("befAbbrechen"));
    befAbbrechen->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Anzeige, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(bezTip0, 0, 1, 1, 3);
    layout->addWidget(bezTip, 1, 1, 1, 3);
    layout->addWidget(strgAutoTip, 2, 1);
    layout->addWidget(befNext, 2, 2);
    layout->addWidget(befAbbrechen, 2, 3);
    layout->setColumnStretch(1, 1);

    connect(befNext, &QPushButton::clicked, this,
            Abgesichert([this] { befNext_Click(); }, "befNext_Click"));
    connect(befAbbrechen, &QPushButton::clicked, this, &QDialog::accept);
    connect(strgAutoTip, &QCheckBox::toggled, this,
            Abgesichert([](bool an) { AutoTipSetzen(an); }, "strgAutoTip_Click"));

    datei_ = TipDatei();
    {
        const QSignalBlocker sperre(strgAutoTip);
        strgAutoTip->setChecked(AutoTipAn());
    }
    befNext_Click();
}

void Tips::befNext_Click() {
    const std::optional<Tip> tip = TipZiehen(datei_, zufall_);
    if (!tip) {
        KeineTipsAnzeigen();
        return;
    }
    bezTip0->setText(tip->Frage);
    setWindowTitle(tip->Header);
    bezTip->setText(QString(tip->Text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void Tips::KeineTipsAnzeigen() {
    bezTip0->setText(QStringLiteral("Keine Tips gefunden !"));
    bezTip->clear();
    befNext->setEnabled(false);
    // A ticked box writes AutoTip 0 through its click: no more tips at start.
    strgAutoTip->setChecked(false);
}

void Tips::closeEvent(QCloseEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            e->accept();
            accept();
        },
        "Tips_closeEvent");
}

void TipsZeigen(QWidget* besitzer) {
    static SaatZufall zufall(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    Tips tips(zufall, besitzer);
    tips.exec();
}

}  // namespace kronel
