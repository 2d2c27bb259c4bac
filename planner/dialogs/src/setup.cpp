#include "planner_dialogs/setup.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

#include "common/dateien.h"
#include "common/hilfe.h"
#include "common/ton.h"
#include "platform/ordner.h"
#include "platform_qt/oberflaeche_qt.h"
#include "setupbilder.h"
#include "shared_ui/programm.h"

namespace kronel {

namespace {

template <typename T>
T* Element(QWidget* eltern, const QString& name) {
    auto* w = new T(eltern);
    w->setObjectName(name);
    return w;
}

QCheckBox* Pruefkasten(QWidget* eltern, const char* name, const char* text) {
    auto* k = Element<QCheckBox>(eltern, QString::fromUtf8(name));
    k->setText(QString::fromUtf8(text));
    return k;
}

QPushButton* Knopf(QWidget* eltern, const char* name, const char* text) {
    auto* k = Element<QPushButton>(eltern, QString::fromUtf8(name));
    k->setText(QString::fromUtf8(text));
    k->setAutoDefault(false);
    return k;
}

QComboBox* Kombi(QWidget* eltern, const char* name, bool frei) {
    auto* k = Element<QComboBox>(eltern, QString::fromUtf8(name));
    if (frei) {
        KombiFreitext(*k);
    }
    return k;
}

QLabel* Ueberschrift(QWidget* eltern, const char* text) {
    auto* l = new QLabel(QString::fromUtf8(text), eltern);
    l->setWordWrap(true);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

// The top of a tab: its picture, and what heads the tab beside it.
QHBoxLayout* Kopf(QWidget* seite, int reiter, QLabel* daneben) {
    auto* bild = Element<QLabel>(seite, QStringLiteral("Image%1").arg(reiter + 1));
    // A theme may have the picture only smaller: the place stays the same.
    bild->setFixedSize(32, 32);
    bild->setAlignment(Qt::AlignCenter);
    bild->setPixmap(SetupBild(reiter).pixmap(QSize(32, 32), seite->devicePixelRatioF()));
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(bild, 0, Qt::AlignTop);
    kopf->addWidget(daneben, 1);
    return kopf;
}

void Fuellen(QComboBox* k, const QStringList& e) {
    const QString text = k->currentText();
    k->clear();
    k->addItems(e);
    k->setEditText(text);
}

}  // namespace

Setup::Setup(QWidget* besitzer) : QDialog(besitzer) {
    setObjectName(QStringLiteral("Setup"));
    setWindowTitle(QStringLiteral("Kronel - Einstellungen"));
    SSTab = Element<QTabWidget>(this, QStringLiteral("SSTab"));

    auto* ausgabe = new QWidget(SSTab);
    auto* g0 = new QGridLayout(ausgabe);
    g0->addLayout(
        Kopf(ausgabe, 0, Ueberschrift(ausgabe, "Grundsätzliche Einstellungen zur Terminausgabe.")),
        0, 0, 1, 3);
    OSetEinmal = Pruefkasten(ausgabe, "OSetEinmal", "Termine nur einmal täglich ausgeben ");
    OSetSound = Pruefkasten(ausgabe, "OSetSound", "Erkennungsmelodie bei Ausgabe");
    OtxtSound = Element<QLineEdit>(ausgabe, QStringLiteral("OtxtSound"));
    EinzeiligEinpassen(OtxtSound);
    befSuchSnd = Knopf(ausgabe, "befSuchSnd", "Suche");
    OSetRndDat = Pruefkasten(ausgabe, "OSetRndDat", "Zufallsmeldung ausgeben");
    OTxtRndDat = Element<QLineEdit>(ausgabe, QStringLiteral("OTxtRndDat"));
    EinzeiligEinpassen(OTxtRndDat);
    befSuchRnd = Knopf(ausgabe, "befSuchRnd", "Suche");
    oKombiListeAutoPrint = Kombi(ausgabe, "oKombiListeAutoPrint", true);
    oKombiPrintLieblings = Kombi(ausgabe, "oKombiPrintLieblings", false);
    OSetAusNull = Pruefkasten(ausgabe, "OSetAusNull", "Sofort beenden, wenn keine Termine");
    g0->addWidget(OSetEinmal, 1, 0, 1, 3);
    g0->addWidget(OSetSound, 2, 0, 1, 3);
    g0->addWidget(OtxtSound, 3, 0, 1, 2);
    g0->addWidget(befSuchSnd, 3, 2);
    g0->addWidget(OSetRndDat, 4, 0, 1, 3);
    g0->addWidget(OTxtRndDat, 5, 0, 1, 2);
    g0->addWidget(befSuchRnd, 5, 2);
    g0->addWidget(new QLabel(QStringLiteral("Automatischer Ausdruck wenn"), ausgabe), 6, 0);
    g0->addWidget(oKombiListeAutoPrint, 6, 1, 1, 2);
    g0->addWidget(new QLabel(QStringLiteral("Bevorzugter Terminausdruck als"), ausgabe), 7, 0);
    g0->addWidget(oKombiPrintLieblings, 7, 1, 1, 2);
    g0->addWidget(OSetAusNull, 8, 0, 1, 3);
    g0->setRowStretch(9, 1);
    SSTab->addTab(ausgabe, QStringLiteral("Terminausgabe"));

    auto* eingabe = new QWidget(SSTab);
    auto* g1 = new QVBoxLayout(eingabe);
    g1->addLayout(
        Kopf(eingabe, 1, Ueberschrift(eingabe, "Grundsätzliche Einstellungen zur Termineingabe.")));
    OSetNeu2MonBlatt =
        Pruefkasten(eingabe, "OSetNeu2MonBlatt", "Termin neu erstellen startet das Monatsblatt");
    OSetSpeicherAlleGeloeschten =
        Pruefkasten(eingabe, "OSetSpeicherAlleGelöschten", "Speichere auch manuell Gelöschtes");
    OSetBestaetigeLoeschen =
        Pruefkasten(eingabe, "OSetBestätigeLöschen", "Bestätigung bei manuellem Löschen");
    g1->addWidget(OSetNeu2MonBlatt);
    g1->addWidget(OSetSpeicherAlleGeloeschten);
    g1->addWidget(OSetBestaetigeLoeschen);
    g1->addStretch(1);
    SSTab->addTab(eingabe, QStringLiteral("Termineingabe"));

    auto* vorgaben = new QWidget(SSTab);
    auto* g2 = new QGridLayout(vorgaben);
    g2->addLayout(
        Kopf(
            vorgaben, 2,
            Ueberschrift(vorgaben, "Für einige Eingaben können Sie die Vorschläge fest vorgeben.")),
        0, 0, 1, 3);
    KSetVon = Kombi(vorgaben, "KSetVon", true);
    KSetBis = Kombi(vorgaben, "KSetBis", true);
    KSetAdresse = Kombi(vorgaben, "KSetAdresse", true);
    BefAdrEdit[1] = Knopf(vorgaben, "BefAdrEdit1", "&hinzufügen");
    BefAdrEdit[0] = Knopf(vorgaben, "BefAdrEdit0", "&entfernen");
    befUserName = Knopf(vorgaben, "befUserName", "Benutzer&name...");
    g2->addWidget(new QLabel(QStringLiteral("Termin früher melden"), vorgaben), 1, 0);
    g2->addWidget(KSetVon, 1, 1, 1, 2);
    g2->addWidget(new QLabel(QStringLiteral("Termin später melden"), vorgaben), 2, 0);
    g2->addWidget(KSetBis, 2, 1, 1, 2);
    g2->addWidget(new QLabel(QStringLiteral("Auswahl der Stationen (Benutzer)"), vorgaben), 3, 0);
    g2->addWidget(KSetAdresse, 3, 1, 1, 2);
    g2->addWidget(BefAdrEdit[1], 4, 1);
    g2->addWidget(BefAdrEdit[0], 4, 2);
    g2->addWidget(befUserName, 5, 1, 1, 2);
    g2->setRowStretch(6, 1);
    SSTab->addTab(vorgaben, QStringLiteral("Vorgaben"));

    auto* astro = new QWidget(SSTab);
    auto* g3 = new QGridLayout(astro);
    g3->addLayout(Kopf(astro, 3,
                       Ueberschrift(astro,
                                    "Astronomische Hinweise. Wenn Sie die Hinweise stören, "
                                    "schalten Sie einfach alles aus.")),
                  0, 0, 1, 3);
    OSetSonne = Pruefkasten(astro, "OSetSonne", "Sonnen Auf- und Untergangszeiten anzeigen");
    OSetMond = Pruefkasten(astro, "OSetMond", "Mondphasen anzeigen");
    oMESZauto = Pruefkasten(astro, "oMESZauto", "Sommerzeit automatisch berücksichtigen");
    TSetBreite = Element<QLineEdit>(astro, QStringLiteral("TSetBreite"));
    TSetLaenge = Element<QLineEdit>(astro, QStringLiteral("TSetLänge"));
    EinzeiligEinpassen(TSetBreite);
    EinzeiligEinpassen(TSetLaenge);
    KSetStadt = Element<QListWidget>(astro, QStringLiteral("KSetStadt"));
    KSetStadt->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    befNoAstro = Knopf(astro, "befNoAstro", "Keine Astro-Hinweise mehr");
    g3->addWidget(OSetSonne, 1, 0, 1, 2);
    g3->addWidget(OSetMond, 2, 0, 1, 2);
    g3->addWidget(oMESZauto, 3, 0, 1, 2);
    g3->addWidget(TSetBreite, 4, 0);
    g3->addWidget(new QLabel(QStringLiteral("Grad nördliche Breite"), astro), 4, 1);
    g3->addWidget(TSetLaenge, 5, 0);
    g3->addWidget(new QLabel(QStringLiteral("Grad östliche Länge"), astro), 5, 1);
    g3->addWidget(new QLabel(QStringLiteral("Einige Städte..."), astro), 1, 2);
    g3->addWidget(KSetStadt, 2, 2, 4, 1);
    g3->addWidget(befNoAstro, 6, 0, 1, 2);
    g3->setRowStretch(7, 1);
    SSTab->addTab(astro, QStringLiteral("Sonne, Mond und..."));

    auto* sonst = new QWidget(SSTab);
    auto* g4 = new QVBoxLayout(sonst);
    BefSchrift = Knopf(sonst, "BefSchrift", "&Schrift und Farbe...");
    Command1 = Knopf(sonst, "Command1", "&Hintergrundfarbe...");
    g4->addLayout(
        Kopf(sonst, 4, new QLabel(QStringLiteral("Schrift und Farben der Terminliste:"), sonst)));
    g4->addWidget(BefSchrift);
    g4->addWidget(Command1);
    g4->addStretch(1);
    SSTab->addTab(sonst, QStringLiteral("Sonstiges"));

    befOk = Knopf(this, "befOk", "Ok");
    befOk->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab);
    layout->addWidget(befOk, 0, Qt::AlignRight);

    connect(befOk, &QPushButton::clicked, this, Abgesichert([this] { befOk_Click(); }, "befOk"));
    connect(OSetSound, &QCheckBox::toggled, OtxtSound, &QWidget::setEnabled);
    connect(OSetRndDat, &QCheckBox::toggled, OTxtRndDat, &QWidget::setEnabled);
    for (int i = 0; i < 2; ++i) {
        connect(BefAdrEdit[i], &QPushButton::clicked, this,
                Abgesichert([this, i] { BefAdrEdit_Click(i); }, "BefAdrEdit"));
    }
    connect(befUserName, &QPushButton::clicked, this,
            Abgesichert(BenutzernameAendern, "befUserName"));
    // A city is chosen by the mouse, or by the arrow keys, which click no item.
    connect(KSetStadt, &QListWidget::itemClicked, this,
            Abgesichert([this] { KSetStadt_Click(); }, "KSetStadt"));
    connect(KSetStadt, &QListWidget::currentRowChanged, this,
            Abgesichert([this] { KSetStadt_Click(); }, "KSetStadt"));
    connect(befNoAstro, &QPushButton::clicked, this,
            Abgesichert([this] { befNoAstro_Click(); }, "befNoAstro"));
    connect(BefSchrift, &QPushButton::clicked, this,
            Abgesichert([this] { BefSchrift_Click(); }, "BefSchrift"));
    connect(Command1, &QPushButton::clicked, this,
            Abgesichert([this] { Command1_Click(); }, "Command1"));
    connect(befSuchRnd, &QPushButton::clicked, this,
            Abgesichert(
                [this] {
                    DateiWaehlen(OTxtRndDat,
                                 QStringLiteral("Wählen Sie eine "
                                                "Zufalls-Termin-Datei"),
                                 QStringLiteral("Zufallstermine (*.daz);;"
                                                "Fachwortbibliotheken "
                                                "(*.bib);;Alles (*)"),
                                 false);
                },
                "befSuchRnd"));
    connect(befSuchSnd, &QPushButton::clicked, this,
            Abgesichert(
                [this] {
                    DateiWaehlen(OtxtSound, QStringLiteral("Wählen Sie eine Tondatei"),
                                 QStringLiteral("Ton (*.wav)"), true);
                },
                "befSuchSnd"));
}

void Setup::Laden(const SetupAnfrage& anfrage) {
    SSTab->setCurrentIndex(0);
    KSetVon->addItems(anfrage.SKVon);
    oKombiListeAutoPrint->addItems(AutoPrintVorgaben());
    oKombiPrintLieblings->addItems(LieblingsausdruckListe());
    for (const QString& stadt : StadtListe()) {
        // The list shows the names; the entry with its place rides along.
        auto* item = new QListWidgetItem(stadt.left(stadt.size() - 11).trimmed(), KSetStadt);
        item->setData(Qt::UserRole, stadt);
    }
    KSetBis->addItems(anfrage.SKVon);
    KSetAdresse->addItems(anfrage.SKAdresse);
    KSetAdresse->setEditText({});
    aussehen_ = anfrage.ListeAnzeige;

    const SetupWerte w = SetupLesen();
    OSetEinmal->setChecked(w.AusgabeNurEinmal);
    OSetSpeicherAlleGeloeschten->setChecked(w.SpeicherAlleGeloeschten);
    OSetBestaetigeLoeschen->setChecked(w.BestaetigeLoeschen);
    KSetVon->setEditText(w.Tagefrueher);
    KSetBis->setEditText(w.Tagespaeter);
    TSetLaenge->setText(w.Ostlaenge);
    TSetBreite->setText(w.NordBreite);
    OSetMond->setChecked(w.Mondphase);
    OSetSonne->setChecked(w.Sonnenzeit);
    oMESZauto->setChecked(w.MESZ);
    OSetNeu2MonBlatt->setChecked(w.Neu2MonBlatt);
    OSetAusNull->setChecked(w.KronelAusBeiNix);
    oKombiListeAutoPrint->setEditText(w.TerminAutoPrint2);
    oKombiPrintLieblings->setCurrentIndex(w.Lieblingsausdruck);
    OSetSound->setChecked(w.Sound);
    OtxtSound->setEnabled(w.Sound);
    OtxtSound->setText(w.SoundFile);
    OSetRndDat->setChecked(w.ZufallsTermine);
    OTxtRndDat->setEnabled(w.ZufallsTermine);
    OTxtRndDat->setText(w.ZufallsTermineFile);
}

SetupWerte Setup::Werte() const {
    SetupWerte w;
    w.AusgabeNurEinmal = OSetEinmal->isChecked();
    w.Sound = OSetSound->isChecked();
    w.SoundFile = OtxtSound->text();
    w.ZufallsTermine = OSetRndDat->isChecked();
    w.ZufallsTermineFile = OTxtRndDat->text();
    w.TerminAutoPrint2 = oKombiListeAutoPrint->currentText();
    w.Lieblingsausdruck = oKombiPrintLieblings->currentIndex() == 1 ? 1 : 0;
    w.KronelAusBeiNix = OSetAusNull->isChecked();
    w.Neu2MonBlatt = OSetNeu2MonBlatt->isChecked();
    w.SpeicherAlleGeloeschten = OSetSpeicherAlleGeloeschten->isChecked();
    w.BestaetigeLoeschen = OSetBestaetigeLoeschen->isChecked();
    w.Tagefrueher = KSetVon->currentText();
    w.Tagespaeter = KSetBis->currentText();
    w.Sonnenzeit = OSetSonne->isChecked();
    w.Mondphase = OSetMond->isChecked();
    w.MESZ = oMESZauto->isChecked();
    w.NordBreite = TSetBreite->text();
    w.Ostlaenge = TSetLaenge->text();
    return w;
}

SetupErgebnis Setup::Ergebnis() const {
    return {KombiEintraege(*KSetAdresse), aussehen_};
}

void Setup::befOk_Click() {
    SetupSchreiben(Werte());
    TonAusgeben({});
    hide();
    accept();
}

void Setup::BefAdrEdit_Click(int index) {
    QStringList stationen = KombiEintraege(*KSetAdresse);
    const QString text = KSetAdresse->currentText();
    if (index == 1 ? StationHinzufuegen(stationen, text) : StationEntfernen(stationen, text)) {
        Fuellen(KSetAdresse, stationen);
        KSetAdresse->setEditText({});
    }
}

void Setup::KSetStadt_Click() {
    if (const QListWidgetItem* item = KSetStadt->currentItem()) {
        const auto [breite, laenge] = StadtPosition(item->data(Qt::UserRole).toString());
        TSetBreite->setText(breite);
        TSetLaenge->setText(laenge);
    }
}

void Setup::befNoAstro_Click() {
    OSetMond->setChecked(false);
    OSetSonne->setChecked(false);
    oMESZauto->setChecked(false);
}

void Setup::BefSchrift_Click() {
    QFont vorher;
    vorher.setFamily(aussehen_.schrift.name);
    vorher.setPointSizeF(aussehen_.schrift.groesse > 0 ? aussehen_.schrift.groesse : 12);
    vorher.setBold(aussehen_.schrift.fett);
    vorher.setItalic(aussehen_.schrift.kursiv);
    vorher.setUnderline(aussehen_.schrift.unterstrichen);
    vorher.setStrikeOut(aussehen_.schrift.durchgestrichen);
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, vorher, this, QStringLiteral("Schrift"));
    if (!ok) {
        return;  // cancel keeps the list's font
    }
    aussehen_.schrift = {f.family(),    std::clamp(f.pointSizeF(), 4.0, 25.0),
                         f.bold(),      f.italic(),
                         f.underline(), f.strikeOut()};
    const QColor farbe = QColorDialog::getColor(FarbeAusWert(aussehen_.vordergrund), this,
                                                QStringLiteral("Schriftfarbe"));
    if (farbe.isValid()) {
        aussehen_.vordergrund = WertAusFarbe(farbe);
    }
}

void Setup::Command1_Click() {
    const QColor farbe = QColorDialog::getColor(FarbeAusWert(aussehen_.hintergrund), this,
                                                QStringLiteral("Hintergrundfarbe"));
    if (farbe.isValid()) {
        aussehen_.hintergrund = WertAusFarbe(farbe);
    }
}

void Setup::DateiWaehlen(QLineEdit* feld, const QString& titel, const QString& filter, bool ton) {
    feld->setFocus();
    const QString jetzt = feld->text();
    // A name without folder counts from the program folder, not from wherever
    // the program was started.
    const QString start =
        DateiVorhanden(jetzt) ? PfadAufloesen(PfadAbsolut(PfadAusWindows(jetzt))) : QString();
    const QString name = QFileDialog::getOpenFileName(this, titel, start, filter);
    if (name.isEmpty()) {
        return;
    }
    feld->setText(name);  // paths keep their case
    if (ton) {
        TonAusgeben(name);
    }
}

void Setup::closeEvent(QCloseEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            // The close box stores as Ok does; the window then goes, the next opening
            // loads it anew.
            befOk_Click();
            e->accept();
            deleteLater();
        },
        "Setup_closeEvent");
}

void Setup::keyPressEvent(QKeyEvent* e) {
    AbgesichertAusfuehren(
        [&] {
            if (e->key() == Qt::Key_F1) {
                HilfeZeigen(QStringLiteral("Kronel.Hlp"), SetupHilfeId(SSTab->currentIndex()));
                return;
            }
            if (e->key() == Qt::Key_Escape) {
                return;  // there is no cancel
            }
            QDialog::keyPressEvent(e);
        },
        "Setup_keyPressEvent");
}

void SetupEintragen(FensterVerzeichnis& fenster) {
    auto geladen = std::make_shared<QPointer<Setup>>();
    fenster.anzeigen.Setup = [geladen](QWidget* besitzer, const SetupAnfrage& anfrage) {
        if (geladen->isNull()) {
            *geladen = new Setup(besitzer);  // stays loaded for the run
            (*geladen)->Laden(anfrage);
        }
        Setup* s = *geladen;
        s->AussehenUebernehmen(anfrage.ListeAnzeige);
        s->exec();
        return s->Ergebnis();
    };
}

}  // namespace kronel
