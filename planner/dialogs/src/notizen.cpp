#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include "common/adressbuch.h"
#include "common/dateien.h"
#include "common/texte.h"
#include "common/ton.h"
#include "fensterhilfen.h"
#include "planner_dialogs/einfuegefenster.h"
#include "platform/dienste.h"
#include "platform_qt/oberflaeche_qt.h"
#include "shared_ui/programm.h"

namespace kronel {

namespace {

constexpr Qt::KeyboardModifiers kBefehlstasten = Qt::AltModifier | Qt::ControlModifier;

bool IstUmschalttaste(int taste) {
    return taste == Qt::Key_Alt || taste == Qt::Key_AltGr || taste == Qt::Key_Control ||
           taste == Qt::Key_Shift || taste == Qt::Key_Meta;
}

bool IstEnter(const QEvent* e) {
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease) {
        return false;
    }
    const int taste = static_cast<const QKeyEvent*>(e)->key();
    return taste == Qt::Key_Return || taste == Qt::Key_Enter;
}

}  // namespace

Notizen::Notizen(QWidget* besitzer, const QString& schrift, const QString& dateiNotizen,
                 bool nurLesen)
    : QDialog(besitzer), dateiNotizen_(dateiNotizen), nurLesen_(nurLesen) {
    setObjectName(QStringLiteral("Notizen"));
    setWindowTitle(QStringLiteral("Notizen"));
    Liste = new QListWidget(this);
    Liste->setObjectName(QStringLiteral("Liste"));
    Liste->setUniformItemSizes(true);
    Text = new QLineEdit(this);
    Text->setObjectName(QStringLiteral("Text"));
    EinzeiligEinpassen(Text);
    BefAufnehmen = Knopf(this, "BefAufnehmen", "&Aufnehmen");
    BefLoeschen = Knopf(this, "BefLöschen", "&Löschen");
    BefEinfuegen = Knopf(this, "BefEinfügen", "&Einfügen");
    BefAbbruch = Knopf(this, "BefAbbruch", "&Zurück");
    BezPosi = new QLabel(QStringLiteral("1/1"), this);
    BezPosi->setObjectName(QStringLiteral("BezPosi"));
    BezPosi->setAlignment(Qt::AlignCenter);
    ListeAdr = new QListWidget(this);
    ListeAdr->setObjectName(QStringLiteral("ListeAdr"));
    bezListeAdr = new QLabel(QStringLiteral("Doppelklick lädt Telefonliste"), this);
    bezListeAdr->setObjectName(QStringLiteral("bezListeAdr"));
    bezListeAdr->setWordWrap(true);
    TxtSuche = new QLineEdit(this);
    TxtSuche->setObjectName(QStringLiteral("TxtSuche"));
    EinzeiligEinpassen(TxtSuche);
    BezUebergabe = new QLabel(this);
    BezUebergabe->setObjectName(QStringLiteral("BezÜbergabe"));
    Zeit = new QTimer(this);
    Zeit->setObjectName(QStringLiteral("Zeit"));
    Zeit->setInterval(500);

    auto* raster = new QGridLayout(this);
    raster->addWidget(Liste, 0, 0, 7, 1);
    raster->addWidget(Text, 7, 0);
    raster->addWidget(BefAufnehmen, 7, 1);
    raster->addWidget(BefEinfuegen, 0, 1);
    raster->addWidget(BefLoeschen, 1, 1);
    raster->addWidget(BefAbbruch, 2, 1);
    raster->addWidget(BezPosi, 3, 1);
    raster->addWidget(TxtSuche, 4, 1);
    raster->addWidget(bezListeAdr, 5, 1);
    raster->addWidget(ListeAdr, 6, 1);
    raster->setColumnStretch(0, 1);
    raster->setRowStretch(6, 1);
    BezUebergabe->hide();
    ListeAdr->hide();
    bezListeAdr->hide();
    TxtSuche->hide();
    // The right column keeps its width when the search field comes up.
    const int breite = BefAbbruch->sizeHint().width() * 3 / 2;
    for (QWidget* w :
         std::initializer_list<QWidget*>{BefEinfuegen, BefLoeschen, BefAbbruch, BezPosi, TxtSuche,
                                         bezListeAdr, ListeAdr, BefAufnehmen}) {
        w->setFixedWidth(breite);
    }

    QtSchriftTraeger liste(Liste);
    SchriftSetzen(liste, schrift, QStringLiteral("Farben"));

    connect(BefAufnehmen, &QPushButton::clicked, this,
            Abgesichert([this] { BefAufnehmen_Click(); }, "Notizen_BefAufnehmen_Click"));
    connect(BefLoeschen, &QPushButton::clicked, this,
            Abgesichert([this] { BefLoeschen_Click(); }, "Notizen_BefLoeschen_Click"));
    connect(BefEinfuegen, &QPushButton::clicked, this,
            Abgesichert([this] { BefEinfuegen_Click(); }, "Notizen_BefEinfuegen_Click"));
    connect(BefAbbruch, &QPushButton::clicked, this,
            Abgesichert([this] { BefAbbruch_Click(); }, "Notizen_BefAbbruch_Click"));
    connect(Liste, &QListWidget::itemDoubleClicked, this,
            Abgesichert([this] { BefEinfuegen_Click(); }, "Notizen_Liste_DblClick"));
    // The selected line, not the current one: a Ctrl+click takes the selection
    // away and leaves the current line where it was.
    connect(Liste, &QListWidget::itemSelectionChanged, this,
            Abgesichert(
                [this] {
                    const QList<QListWidgetItem*> gewaehlt = Liste->selectedItems();
                    liste_.Markieren(gewaehlt.isEmpty() ? -1 : Liste->row(gewaehlt.constFirst()));
                    if (!liste_.AdressModus()) {
                        BezPosi->setText(liste_.Position());
                    }
                    Zeit_Timer();
                },
                "Notizen_Liste_Click"));
    connect(Text, &QLineEdit::textChanged, this,
            Abgesichert([this] { Zeit_Timer(); }, "Notizen_Text_Change"));
    connect(ListeAdr, &QListWidget::itemDoubleClicked, this,
            Abgesichert([this] { ListeAdr_DblClick(); }, "Notizen_ListeAdr_DblClick"));
    connect(Zeit, &QTimer::timeout, this,
            Abgesichert([this] { Zeit_Timer(); }, "Notizen_Zeit_Timer"));
    for (QWidget* w : {static_cast<QWidget*>(Text), static_cast<QWidget*>(ListeAdr),
                       static_cast<QWidget*>(TxtSuche)}) {
        w->installEventFilter(this);
    }

    resize(520, 330);
    UeberBesitzerZentrieren(*this, besitzer);
    {
        SanduhrZeiger sanduhr;
        liste_.Laden(dateiNotizen_);
        ListeFuellen();
        LesefehlerMelden();
        const std::vector<Adressbuch> gefunden = AdressbuecherSuchen();
        for (const Adressbuch& buch : gefunden) {
            auto* zeile = new QListWidgetItem(buch.Name, ListeAdr);
            zeile->setData(Qt::UserRole, buch.Pfad);
        }
        ListeAdr->setVisible(ListeAdr->count() > 0);
        bezListeAdr->setVisible(ListeAdr->count() > 0);
        bezHinweis = Hinweis(this, AdressbuecherFehlenHinweis(gefunden));
        raster->addWidget(bezHinweis, 8, 0, 1, 2);
    }
    Zeit_Timer();
    Zeit->start();
    Liste->setFocus();
}

void Notizen::ListeFuellen() {
    const QSignalBlocker sperre(Liste);
    Liste->clear();
    Liste->addItems(liste_.Zeilen());
    AuswahlZeigen();
}

void Notizen::AuswahlZeigen() {
    {
        const QSignalBlocker sperre(Liste);
        Liste->setCurrentRow(static_cast<int>(liste_.Markiert()));
        if (liste_.Markiert() < 0) {
            Liste->clearSelection();
        }
    }
    BezPosi->setText(liste_.Position());
    Zeit_Timer();
}

void Notizen::Zeit_Timer() {
    BefAufnehmen->setEnabled(liste_.AufnehmenFrei(Text->text()));
    BefLoeschen->setEnabled(liste_.LoeschenFrei());
    BefEinfuegen->setEnabled(liste_.EinfuegenFrei());
}

void Notizen::BefAufnehmen_Click() {
    if (!liste_.AufnehmenFrei(Text->text())) {
        return;
    }
    liste_.Aufnehmen(Text->text());
    ListeFuellen();
    Text->clear();
}

void Notizen::BefLoeschen_Click() {
    if (!liste_.LoeschenFrei()) {
        return;
    }
    liste_.Loeschen();
    ListeFuellen();
}

void Notizen::LesefehlerMelden() {
    if (!liste_.Lesefehler()) {
        return;
    }
    TonAusgeben(QStringLiteral("#SystemExclamation"));
    meldungen().zeigen(QStringLiteral("Die Notizen »") + dateiNotizen_ +
                           QStringLiteral("« können nicht gelesen werden:\r\n\r\n") +
                           liste_.Lesefehler()->beschreibung +
                           QStringLiteral("\r\n\r\nDie Liste bleibt leer, die Datei bleibt "
                                          "unverändert. Neue Notizen lassen sich einfügen, werden "
                                          "aber nicht gespeichert."),
                       Box::OK + Box::Ausrufezeichen, QStringLiteral("Notizen"));
}

void Notizen::NotizenSpeichern() {
    const NotizenListe::SpeicherErgebnis s = liste_.Speichern(dateiNotizen_, nurLesen_);
    // The failure first; the note of kept notes then says nothing of a write.
    if (!s.status) {
        TonAusgeben(QStringLiteral("#SystemExclamation"));
        meldungen().zeigen(QStringLiteral("Die Notizen konnten nicht gespeichert werden:\r\n\r\n") +
                               s.status.fehler().beschreibung,
                           Box::OK + Box::Ausrufezeichen, QStringLiteral("Notizen"));
    }
    if (!s.bewahrt.isEmpty()) {
        TonAusgeben(QStringLiteral("#SystemAsterisk"));
        meldungen().zeigen(FremdeFassungText(dateiNotizen_, s.bewahrt, s.status.ok()),
                           Box::OK + Box::Information, QStringLiteral("Notizen"));
    }
}

void Notizen::Verlassen(const QString& uebergabe) {
    NotizenSpeichern();
    BezUebergabe->setText(uebergabe);
    Zeit->stop();
    hide();
}

void Notizen::BefEinfuegen_Click() {
    if (liste_.EinfuegenFrei()) {
        Verlassen(liste_.Gewaehlt());
    }
}

void Notizen::BefAbbruch_Click() {
    Verlassen({});
}

void Notizen::reject() {
    AbgesichertAusfuehren(
        [&] {
            BefAbbruch_Click();
            QDialog::reject();
        },
        "Notizen_reject");
}

void Notizen::ListeAdr_DblClick() {
    const QListWidgetItem* buch = ListeAdr->currentItem();
    if (buch == nullptr) {
        return;
    }
    // The notes as they stand go to their file before the list shows addresses.
    NotizenSpeichern();
    {
        SanduhrZeiger sanduhr;
        liste_.AdressbuchLaden(buch->data(Qt::UserRole).toString());
        Text->clear();
        Text->setEnabled(false);
        ListeFuellen();
    }
    TxtSuche->show();
    TxtSuche->clear();
    TxtSuche->setFocus();
}

// A typed key searches when it is let go; Alt, Ctrl and Shift alone and a key
// pressed with Alt or Ctrl (a mnemonic such as Alt+E, whose button clicks a
// moment later and reads the line shown) do not. The key pressed with Alt may
// be let go after Alt, and a mnemonic reaches the field only as a shortcut
// override, so such keys are remembered until their release.
bool Notizen::SuchtBeimLoslassen(const QKeyEvent& e) {
    const int taste = e.key();
    switch (e.type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
            if ((e.modifiers() & kBefehlstasten) != 0 && !IstUmschalttaste(taste)) {
                mitBefehlstaste_.insert(taste);
            }
            return false;
        case QEvent::KeyRelease:
            if (mitBefehlstaste_.remove(taste) || (e.modifiers() & kBefehlstasten) != 0) {
                return false;
            }
            return !IstUmschalttaste(taste);
        default:
            return false;
    }
}

bool Notizen::eventFilter(QObject* ziel, QEvent* e) {
    return AbgesichertAusfuehren([&] { return Filtern(ziel, e); }, "Notizen_eventFilter", false);
}

bool Notizen::Filtern(QObject* ziel, QEvent* e) {
    if (IstEnter(e)) {
        const bool druck = e->type() == QEvent::KeyPress;
        if (ziel == Text) {
            if (druck) {
                BefAufnehmen_Click();
            }
            return true;
        }
        if (ziel == ListeAdr) {
            if (druck) {
                ListeAdr_DblClick();
            }
            return true;
        }
        if (ziel == TxtSuche && druck) {
            return true;  // swallowed; its release searches
        }
    }
    const bool taste = e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease ||
                       e->type() == QEvent::ShortcutOverride;
    if (ziel == TxtSuche && taste && SuchtBeimLoslassen(*static_cast<const QKeyEvent*>(e))) {
        liste_.Suchen(TxtSuche->text());
        AuswahlZeigen();
    }
    return QDialog::eventFilter(ziel, e);
}

}  // namespace kronel
