#include "output/planerstart.h"

#include <QFileInfo>

#include "platform/dienste.h"
#include "platform/ordner.h"

namespace kronel {

Status PlanerStarten(const QStringList& argumente) {
    const QString ordner = ProgrammOrdner();
    QString programm = DateiImOrdnerFinden(ordner, QStringLiteral("Kronelin"));
    if (programm.isEmpty()) {
        programm = DateiImOrdnerFinden(ordner, QStringLiteral("kronelin.exe"));
    }
    if (programm.isEmpty() || !QFileInfo(programm).isFile()) {
        return Fehler(FehlerNr::DateiNichtGefunden);
    }
    return prozesse().starten(programm, argumente, ordner);
}

QStringList GeheZuArgumente(const QString& auswahl) {
    if (auswahl.isEmpty()) {
        return {};
    }
    return {QStringLiteral("/GeheZu:") + auswahl.leftJustified(15, u' ', true)};
}

}  // namespace kronel
