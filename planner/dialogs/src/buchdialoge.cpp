#include "planner_dialogs/buchdialoge.h"

#include <QFileDialog>
#include <QPushButton>

#include "common/texte.h"
#include "planner_dialogs/fensterverzeichnis.h"

namespace kronel {

QPushButton* DialogKnopf(QWidget* fenster, const QString& name, const QString& text) {
    auto* k = new QPushButton(text, fenster);
    k->setObjectName(name);
    k->setAutoDefault(false);
    return k;
}

void BuchDialogeEintragen(FensterVerzeichnis& fenster) {
    fenster.anzeigen.Altes = [](QWidget* besitzer, const AltesAnfrage& anfrage) {
        Altes w(besitzer, anfrage.Schrift);
        w.exec();
        return AltesErgebnis{w.BezUebergabe};
    };
    fenster.anzeigen.ImpGeb = [](QWidget* besitzer) {
        ImpGeb w(besitzer);
        w.exec();
        return ImpGebErgebnis{w.Auswahl()};
    };
    fenster.anzeigen.Dateiwahl = [](QWidget* besitzer, const DateiwahlAnfrage& a) {
        QFileDialog dialog(besitzer, a.Caption, a.pfad, a.Filter);
        dialog.setAcceptMode(a.speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(a.speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        // An exchange file grows by appending: choosing an existing one asks nothing.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.selectFile(a.pfad);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::optional<QString>();
        }
        return std::optional<QString>(dialog.selectedFiles().constFirst());
    };
    fenster.anzeigen.Freizeit = [&fenster](QWidget* besitzer, const FreizeitAnfrage& anfrage) {
        Freizeit::Kalender kalender;
        if (fenster.vorhanden(Fenstername::Monatsblatt)) {
            kalender = [&fenster](const QString& caption, const QDate& tag) {
                return fenster.Monatsblatt({caption, tag, {}}).Calendar;
            };
        }
        Freizeit w(besitzer, anfrage.Schrift, anfrage.ListeTermine, std::move(kalender));
        w.exec();
        return FreizeitErgebnis{w.BezUebergabe};
    };
}

}  // namespace kronel
