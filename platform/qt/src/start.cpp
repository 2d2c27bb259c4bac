#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform_qt/dienste_qt.h"

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

}  // namespace kronel
