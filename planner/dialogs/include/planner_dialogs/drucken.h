#pragma once
// The appointment list printout window "Termin-Liste drucken": span of days,
// options, preview and the printout itself (planner/druckliste.h).

#include <QStringList>

#include "planner/druckliste.h"
#include "planner_dialogs/druckdialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QTimer;

namespace kronel {

class DruckQuelle;
class NebenFenster;

class Drucken final : public DruckDialog {
public:
    // fenster gives the date picker; quelle the main list (none: an empty one).
    Drucken(QWidget* besitzer, NebenFenster& fenster, const DruckQuelle* quelle);
    ~Drucken() override;

    QGroupBox* Rahmen2;
    QLabel* TDruckenAb;
    QLabel* BDruckenBis;
    QComboBox* KDruckenBis;
    QGroupBox* Rahmen1;
    QScrollBar* TDruckenMaxSeiten;
    QScrollBar* TDruckenAnzahl;
    QScrollBar* TDruckenRandLinks;
    QScrollBar* TDruckenLeerzeilen;
    QLabel* BezDruckenMaxSeiten;
    QLabel* BezDruckenAnzahl;
    QLabel* BezDruckenRandLinks;
    QLabel* BezDruckenLeerzeilen;
    QCheckBox* ODruckenAlleTage;
    QPlainTextEdit* Text;
    QPushButton* BefVorschau;
    QPushButton* befOk;
    QPushButton* BefAbbruch;
    QTimer* Zeit;
    // The print list of the last build; no widget, the preview shows it.
    QStringList Liste;

    void befOk_Click() override;
    void BefVorschau_Click();
    void BefAbbruch_Click() override;
    void Zeit_Timer();
    void DruckListeAufbauen();
    void TDruckenAb_Click();
    void BDruckenBis_Click();

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    DruckListenOptionen optionen() const;
    void optionenZeigen(const DruckListenOptionen& o);
    void bedienbar(bool an);
    void VorschauVerbreitern(const QString& vorschau, int mindestens);
    QScrollBar* regler(const char* name, int min, int max);

    NebenFenster& fenster_;
    const DruckQuelle* quelle_;
};

}  // namespace kronel
