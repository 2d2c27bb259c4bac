#pragma once
// The printer surface of the programs: draws on the default printer through
// QPrinter/QPainter. Where no printer is set up, or the environment variable
// KRONEL_DRUCKER_PDF names a file, each document becomes a PDF file instead and
// Hinweis() tells where it went; the caller shows that sentence (status bar or
// output text), so an unattended printout never waits for a person.

#include <QFont>
#include <QFontMetricsF>
#include <QPrinter>
#include <QString>

#include <memory>
#include <optional>

#include "platform/drucker.h"

class QPainter;

namespace kronel {

class QtDrucker final : public DruckerSeitenmodell {
public:
    // Needs the application object (QApplication or QGuiApplication).
    QtDrucker();
    ~QtDrucker() override;
    QtDrucker(const QtDrucker&) = delete;
    QtDrucker& operator=(const QtDrucker&) = delete;

    // The printer object itself, for the printer setup dialog: a printer chosen
    // there is used by the next document.
    QPrinter& qprinter() { return printer_; }

protected:
    double seitenBreiteCm(int ausrichtung) const override;
    double seitenHoeheCm(int ausrichtung) const override;
    double zeilenBreiteCm(const Zustand& s, const QString& zeile) const override;
    double zeilenHoeheCm(const Zustand& s) const override;
    Status dokumentBeginnen(const Zustand& s) override;
    Status seiteBeginnen(const Zustand& s) override;
    Status zeileZeichnen(const Zustand& s, double x, double y, const QString& zeile) override;
    Status punktZeichnen(double x, double y, int farbe) override;
    Status rahmenZeichnen(double x, double y, double b, double h, int farbe) override;
    Ergebnis<QString> dokumentBeenden() override;
    void dokumentVerwerfen() override;

private:
    const QFontMetricsF& masse(const Zustand& s) const;
    double inPixel(double cm) const;
    // The file the next document goes to; empty for the printer.
    QString pdfZiel();

    QPrinter printer_;
    std::unique_ptr<QPainter> maler_;
    QString pdfPfad_;    // the PDF of the open document, empty on a printer
    int pdfNummer_ = 0;  // documents written to the named file in this run
    mutable std::optional<QFontMetricsF> masse_;
    mutable QString masseSchluessel_;
};

// The font the surface draws with for that state; a name the system lacks is
// substituted by fontconfig.
QFont DruckSchrift(const DruckerSeitenmodell::Zustand& s);

// True when the desktop has a printer the surface can print on.
bool DruckerEingerichtet();

// Creates the one printer surface of the program and installs it; call after
// the application object exists. Gives the surface, for the printer setup.
QtDrucker& DruckerInstallieren();

}  // namespace kronel
