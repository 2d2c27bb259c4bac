#include "printing/qtdrucker.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <cstdio>

#include "platform/dienste.h"
#include "platform/uhr.h"

namespace kronel {

namespace {

constexpr double CmJeZoll = 2.54;
// Pen widths of outlines and points; thin, but visible on paper.
constexpr double LinienBreiteCm = 0.02;
constexpr double PunktBreiteCm = 0.015;

QColor AlsFarbe(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QPageLayout::Orientation AlsQtAusrichtung(int ausrichtung) {
    return ausrichtung == Ausrichtung::Querformat ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// A name that no file in the folder has yet: the name, else name-2, name-3 ...
QString FreierName(const QString& ordner, const QString& basis) {
    QString pfad = ordner + QLatin1Char('/') + basis + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(pfad); ++n) {
        pfad = ordner + QLatin1Char('/') + basis + QStringLiteral("-%1.pdf").arg(n);
    }
    return pfad;
}

// The n-th document of a run to the named file: the first takes the name,
// later ones get "-2", "-3" before the extension, so none overwrites another.
QString NummerierterName(const QString& pfad, int n) {
    if (n <= 1) {
        return pfad;
    }
    const QFileInfo info(pfad);
    const QString endung = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("-%1").arg(n) +
           endung;
}

}  // namespace

QFont DruckSchrift(const DruckerSeitenmodell::Zustand& s) {
    QFont f(s.name);
    f.setPointSizeF(s.groesse);
    f.setBold(s.fett);
    f.setItalic(s.kursiv);
    return f;
}

bool DruckerEingerichtet() {
    return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty();
}

QtDrucker::QtDrucker() : printer_(QPrinter::HighResolution) {
    if (!DruckerEingerichtet()) {
        // The PDF stand-in: an A4 sheet with a margin of 1 cm.
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                           QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    }
}

QtDrucker::~QtDrucker() {
    if (maler_ && maler_->isActive()) {
        maler_->end();
    }
}

double QtDrucker::seitenBreiteCm(int ausrichtung) const {
    QPageLayout layout = printer_.pageLayout();
    layout.setOrientation(AlsQtAusrichtung(ausrichtung));
    return layout.paintRect(QPageLayout::Millimeter).width() / 10.0;
}

double QtDrucker::seitenHoeheCm(int ausrichtung) const {
    QPageLayout layout = printer_.pageLayout();
    layout.setOrientation(AlsQtAusrichtung(ausrichtung));
    return layout.paintRect(QPageLayout::Millimeter).height() / 10.0;
}

const QFontMetricsF& QtDrucker::masse(const Zustand& s) const {
    const QString schluessel = QStringLiteral("%1|%2|%3|%4")
                                   .arg(s.name)
                                   .arg(s.groesse)
                                   .arg(s.fett ? 1 : 0)
                                   .arg(s.kursiv ? 1 : 0);
    if (!masse_ || schluessel != masseSchluessel_) {
        // Measured against the printer, so the widths are those of the page.
        masse_.emplace(DruckSchrift(s), &const_cast<QPrinter&>(printer_));
        masseSchluessel_ = schluessel;
    }
    return *masse_;
}

double QtDrucker::inPixel(double cm) const {
    return cm / CmJeZoll * printer_.resolution();
}

double QtDrucker::zeilenBreiteCm(const Zustand& s, const QString& zeile) const {
    return masse(s).horizontalAdvance(zeile) / printer_.resolution() * CmJeZoll;
}

double QtDrucker::zeilenHoeheCm(const Zustand& s) const {
    return masse(s).lineSpacing() / printer_.resolution() * CmJeZoll;
}

QString QtDrucker::pdfZiel() {
    const QString benannt = qEnvironmentVariable("KRONEL_DRUCKER_PDF");
    if (!benannt.isEmpty()) {
        return NummerierterName(benannt, ++pdfNummer_);
    }
    if (printer_.outputFormat() == QPrinter::NativeFormat && DruckerEingerichtet()) {
        return {};
    }
    QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (ordner.isEmpty()) {
        ordner = QDir::homePath();
    }
    QDir().mkpath(ordner);
    return FreierName(ordner, QStringLiteral("Kronel-Ausdruck-") +
                                  uhr().jetzt().toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

Status QtDrucker::dokumentBeginnen(const Zustand& s) {
    pdfPfad_ = pdfZiel();
    if (!pdfPfad_.isEmpty()) {
        const QPageLayout layout = printer_.pageLayout();
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setPageLayout(layout);
        printer_.setOutputFileName(pdfPfad_);
    }
    printer_.setDocName(QStringLiteral("Kronel"));
    printer_.setPageOrientation(AlsQtAusrichtung(s.ausrichtung));
    maler_ = std::make_unique<QPainter>();
    if (!maler_->begin(&printer_)) {
        maler_.reset();
        const QString text =
            pdfPfad_.isEmpty()
                ? QStringLiteral("Der Drucker »%1« ist nicht bereit.").arg(printer_.printerName())
                : QStringLiteral("Die PDF-Datei »%1« kann nicht angelegt werden.").arg(pdfPfad_);
        return Fehler(FehlerNr::Druckerfehler, text);
    }
    return {};
}

Status QtDrucker::seiteBeginnen(const Zustand& s) {
    printer_.setPageOrientation(AlsQtAusrichtung(s.ausrichtung));
    if (!printer_.newPage()) {
        return Fehler(FehlerNr::Druckerfehler,
                      QStringLiteral("Der Drucker nimmt keine neue Seite an."));
    }
    return {};
}

Status QtDrucker::zeileZeichnen(const Zustand& s, double x, double y, const QString& zeile) {
    maler_->setFont(DruckSchrift(s));
    maler_->setPen(AlsFarbe(s.farbe));
    // The position is the top left corner of the text; QPainter wants the baseline.
    maler_->drawText(QPointF(inPixel(x), inPixel(y) + masse(s).ascent()), zeile);
    return {};
}

Status QtDrucker::punktZeichnen(double x, double y, int farbe) {
    QPen stift(AlsFarbe(farbe));
    stift.setWidthF(inPixel(PunktBreiteCm));
    stift.setCapStyle(Qt::RoundCap);
    maler_->setPen(stift);
    maler_->drawPoint(QPointF(inPixel(x), inPixel(y)));
    return {};
}

Status QtDrucker::rahmenZeichnen(double x, double y, double b, double h, int farbe) {
    QPen stift(AlsFarbe(farbe));
    stift.setWidthF(inPixel(LinienBreiteCm));
    maler_->setPen(stift);
    maler_->setBrush(Qt::NoBrush);
    maler_->drawRect(QRectF(inPixel(x), inPixel(y), inPixel(b), inPixel(h)));
    return {};
}

Ergebnis<QString> QtDrucker::dokumentBeenden() {
    const bool ok = maler_->end();
    maler_.reset();
    if (!ok) {
        return Fehler(FehlerNr::Druckerfehler,
                      QStringLiteral("Der Ausdruck konnte nicht abgeschlossen werden."));
    }
    if (pdfPfad_.isEmpty()) {
        return QString();
    }
    const QString hinweis =
        QStringLiteral("Der Ausdruck wurde als PDF-Datei »%1« gespeichert.").arg(pdfPfad_);
    // Also on standard error, for unattended runs that show no window.
    std::fprintf(stderr, "%s\n", hinweis.toLocal8Bit().constData());
    return hinweis;
}

void QtDrucker::dokumentVerwerfen() {
    printer_.abort();
    if (maler_->isActive()) {
        maler_->end();
    }
    maler_.reset();
    if (!pdfPfad_.isEmpty()) {
        QFile::remove(pdfPfad_);
    }
}

namespace {

QtDrucker*& Installierter() {
    static QtDrucker* d = nullptr;
    return d;
}

// The printer object must go before the application object does.
void DruckerAbbauen() {
    DruckerSetzen(nullptr);
    delete Installierter();
    Installierter() = nullptr;
}

}  // namespace

QtDrucker& DruckerInstallieren() {
    if (Installierter() == nullptr) {
        Installierter() = new QtDrucker;
        qAddPostRoutine(DruckerAbbauen);
    }
    DruckerSetzen(Installierter());
    return *Installierter();
}

}  // namespace kronel
