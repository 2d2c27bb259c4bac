#include "planner_dialogs/zoomtext.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include "planner/zoomtext.h"
#include "planner_dialogs/fensterverzeichnis.h"
#include "shared_ui/programm.h"

namespace kronel {

namespace {

// The font of the message field on the text box (points as given).
QFont SchriftAus(const SchriftWerte& s, QFont f) {
    if (!s.name.isEmpty()) {
        f.setFamily(s.name);
    }
    if (s.groesse > 0) {
        f.setPointSizeF(s.groesse);
    }
    f.setBold(s.fett);
    f.setItalic(s.kursiv);
    return f;
}

constexpr int kRand = 8;

}  // namespace

void ZoomTextFeld::keyPressEvent(QKeyEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            const bool strg = e->modifiers() == Qt::ControlModifier;
            if (strg && e->key() == Qt::Key_D) {
                Einfuegen(ZoomDatumText());
                return;
            }
            if (strg && e->key() == Qt::Key_U) {
                Einfuegen(ZoomZeitText());
                return;
            }
            MeldungsFeld::keyPressEvent(e);
        },
        "ZoomTextFeld_keyPressEvent");
}

ZoomText::ZoomText(QWidget* besitzer) : QDialog(besitzer) {
    setObjectName(QStringLiteral("ZoomText"));
    setWindowTitle(QStringLiteral("Zoom"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);

    Text = new ZoomTextFeld(this);
    Text->setObjectName(QStringLiteral("Text"));
    Text->setGeometry(kRand, kRand, 400, 300);
    // Tab walks on to the buttons: a tab character never reaches the record.
    Text->setTabChangesFocus(true);

    Abbruch = new QCheckBox(this);
    Abbruch->setObjectName(QStringLiteral("Abbruch"));
    Abbruch->setVisible(false);

    befOk = new QPushButton(QStringLiteral("&Ok"), this);
    befOk->setObjectName(QStringLiteral("befOk"));
    befOk->setDefault(false);
    befOk->setAutoDefault(false);
    befOk->setGeometry(0, kRand, 96, 28);
    connect(befOk, &QPushButton::clicked, this,
            Abgesichert([this] { befOk_Click(); }, "ZoomText_befOk_Click"));
    befAbbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    befAbbrechen->setObjectName(QStringLiteral("befAbbrechen"));
    befAbbrechen->setAutoDefault(false);
    befAbbrechen->setGeometry(0, kRand + 34, 96, 28);
    connect(befAbbrechen, &QPushButton::clicked, this,
            Abgesichert([this] { befAbbrechen_Click(); }, "ZoomText_befAbbrechen_Click"));
    const char* texte[] = {"-", "+", "12"};
    const char* tips[] = {"Schrift kleiner", "Schrift größer", "Schriftgröße auf 12"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(texte[i]), this);
        b->setObjectName(QStringLiteral("befFontSize(%1)").arg(i));
        b->setToolTip(QString::fromUtf8(tips[i]));
        b->setAutoDefault(false);
        b->setGeometry(0, kRand + 68, 32, 28);
        connect(b, &QPushButton::clicked, this,
                Abgesichert([this, i] { befFontSize_Click(i); }, "ZoomText_befFontSize_Click"));
        befFontSize[static_cast<size_t>(i)] = b;
    }

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    const std::tuple<const char*, const char*, int> panels[] = {
        {"Status", "Allgemeiner Hinweis", 1},
        {"Position", "Aktuelle Position", 0},
        {"Prozent", "Auslastung der Eingabe", 0}};
    for (const auto& [schluessel, tip, dehnen] : panels) {
        auto* l = new QLabel(StatusBar);
        l->setObjectName(QString::fromLatin1(schluessel));
        l->setToolTip(QString::fromUtf8(tip));
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusBar->addWidget(l, dehnen);
    }

    ZeitInfo = new QTimer(this);
    ZeitInfo->setObjectName(QStringLiteral("ZeitInfo"));
    ZeitInfo->setInterval(750);
    connect(ZeitInfo, &QTimer::timeout, this,
            Abgesichert([this] { ZeitInfo_Timer(); }, "ZoomText_ZeitInfo_Timer"));
    ZeitInfo->start();
    resize(560, 400);
}

void ZoomText::Vorbereiten(const ZoomTextAnfrage& anfrage) {
    if (!anfrage.Caption.isEmpty()) {
        setWindowTitle(anfrage.Caption);
    }
    QString text = anfrage.Text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text->setFont(SchriftAus(anfrage.Schrift, Text->font()));
    Text->MaxLength = anfrage.MaxLength;
    Text->setPlainText(text);
    QTextCursor c = Text->textCursor();
    const qsizetype start = EditorPosition(text, anfrage.SelStart);
    const qsizetype ende = EditorPosition(text, anfrage.SelStart + anfrage.SelLength);
    c.setPosition(static_cast<int>(start));
    c.setPosition(static_cast<int>(ende), QTextCursor::KeepAnchor);
    Text->setTextCursor(c);
    Text->setFocus();
    ZeitInfo_Timer();
}

ZoomTextErgebnis ZoomText::Ergebnis() const {
    ZoomTextErgebnis e;
    e.Abbruch = Abbruch->isChecked() ? 1 : 0;
    e.Text = Text->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return e;
}

QLabel* ZoomText::panel(const char* schluessel) const {
    return StatusBar->findChild<QLabel*>(QString::fromLatin1(schluessel));
}

void ZoomText::befOk_Click() {
    Abbruch->setChecked(false);
    done(QDialog::Accepted);
}

void ZoomText::befAbbrechen_Click() {
    Abbruch->setChecked(true);
    done(QDialog::Rejected);
}

void ZoomText::befFontSize_Click(int index) {
    QFont f = Text->font();
    if (index == 2) {
        f.setPointSizeF(12);
    } else {
        f.setPointSizeF(
            SchriftSchritt(QFontDatabase::standardSizes(), f.pointSizeF(), index == 0 ? -1 : 1));
    }
    Text->setFont(f);
    Text->setFocus();
}

void ZoomText::ZeitInfo_Timer() {
    const ZoomPanels p =
        ZoomPanelsBilden(Text->toPlainText(), Text->textCursor().selectionStart(), Text->MaxLength);
    QLabel* position = panel("Position");
    if (position->text() != p.Position) {
        position->setText(p.Position);
        position->setToolTip(p.PositionTip);
    }
    panel("Prozent")->setText(p.Prozent);
    panel("Status")->setText(QStringLiteral("Bereit"));
}

void ZoomText::closeEvent(QCloseEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            // The close box keeps the edited text, as Ok does.
            befOk_Click();
            e->accept();
        },
        "ZoomText_closeEvent");
}

void ZoomText::reject() {
    AbgesichertAusfuehren([&] { befAbbrechen_Click(); }, "ZoomText_reject");
}

void ZoomText::resizeEvent(QResizeEvent* e) {
    AbgesichertAusfuehren([&] { GroesseAendern(e); }, "ZoomText_resizeEvent");
}

void ZoomText::GroesseAendern(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    const int leiste = StatusBar->sizeHint().height();
    StatusBar->setGeometry(0, height() - leiste, width(), leiste);
    const int w = width();
    const int h = height() - leiste;
    // A dimension without room for three buttons keeps its last layout.
    if (3 * befOk->width() < w) {
        const int links = w - befOk->width() - kRand;
        befOk->move(links, befOk->y());
        befAbbrechen->move(links, befAbbrechen->y());
        const int drittel = befOk->width() / 3;
        for (int i = 0; i < 3; ++i) {
            QPushButton* b = befFontSize[static_cast<size_t>(i)];
            b->setGeometry(links + i * drittel, b->y(), drittel, b->height());
        }
        Text->resize(w - 3 * kRand - befOk->width(), Text->height());
    }
    if (3 * befOk->height() < h) {
        Text->resize(Text->width(), h - 2 * kRand);
    }
}

void ZoomTextEintragen(FensterVerzeichnis& fenster) {
    fenster.anzeigen.ZoomText = [](QWidget* besitzer, const ZoomTextAnfrage& anfrage) {
        ZoomText zoom(besitzer);
        if (besitzer != nullptr) {
            zoom.resize(besitzer->size() * 0.9);
        }
        zoom.Vorbereiten(anfrage);
        (void)zoom.exec();
        return zoom.Ergebnis();
    };
}

}  // namespace kronel
