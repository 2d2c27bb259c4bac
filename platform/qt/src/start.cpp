#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/uhr.h"
#include "platform_qt/dienste_qt.h"
#include "platform_qt/oberflaeche_qt.h"
#include "platform_qt/tastatur_qt.h"

namespace kronel {

void DeutscheUebersetzungenLaden(QApplication& app) {
    const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_de", "qtmultimedia_de"}) {
        auto* t = new QTranslator(&app);
        if (t->load(QLatin1String(name), ordner)) {
            QApplication::installTranslator(t);
        } else {
            delete t;
        }
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void DesktopDiensteInstallieren() {
    static QtMeldungen meldungenQt;
    static QtTon tonQt;
    static QtZeiger zeigerQt;
    static SystemUhr uhrSystem;
    static QtBildschirm bildschirmQt;
    static QtWeb webQt;
    static QtInstanzen instanzenQt;
    static SystemProzesse prozesseSystem;
    Dienste d = dienste();
    d.meldungen = &meldungenQt;
    d.ton = &tonQt;
    d.zeiger = &zeigerQt;
    d.uhr = &uhrSystem;
    d.bildschirm = &bildschirmQt;
    d.web = &webQt;
    d.instanzen = &instanzenQt;
    d.prozesse = &prozesseSystem;
    DiensteSetzen(d);
    static QtTastatur tastaturQt;
    TastaturSetzen(&tastaturQt);
}

}  // namespace kronel
