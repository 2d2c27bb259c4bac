#pragma once
// The desktop implementations of the platform services.

#include <QPointer>
#include <QSoundEffect>
#include <QString>

#include <memory>

#include "platform/dienste.h"

class QApplication;
class QWidget;

namespace kronel {

class QtMeldungen final : public MeldungsDienst {
public:
    int zeigen(const QString& text, int stil, const QString& titel) override;
    std::optional<QString> eingabe(const QString& frage, const QString& titel,
                                   const QString& vorgabe) override;
};

class QtTon final : public TonDienst {
public:
    QtTon();
    ~QtTon() override;
    void piepen(int typ, const QString& name) override;
    Status spielen(const QString& pfad) override;
    void stoppen() override;

private:
    void protokollieren(const QString& name);
    // Owned by the application object, so it never outlives the sound system.
    QPointer<QSoundEffect> effekt_;
};

class QtZeiger final : public ZeigerDienst {
public:
    Zeiger aktuell() const override { return z_; }
    void setzen(Zeiger z) override;

private:
    Zeiger z_ = Zeiger::Standard;
};

// Loads Qt's German translations, so that standard buttons read "Abbrechen", "Wiederholen" ...
void DeutscheUebersetzungenLaden(QApplication& app);

}  // namespace kronel
