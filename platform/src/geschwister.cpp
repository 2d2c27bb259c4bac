#include "platform/geschwister.h"

#include <QFileInfo>

#include "platform/dienste.h"
#include "platform/ordner.h"

namespace kronel {

Status GeschwisterprogrammStarten(const QString& name, const QStringList& argumente) {
    const QString ordner = ProgrammOrdner();
    QString programm = DateiImOrdnerFinden(ordner, name);
    if (programm.isEmpty()) {
        programm = DateiImOrdnerFinden(ordner, name + QStringLiteral(".exe"));
    }
    if (programm.isEmpty() || !QFileInfo(programm).isFile()) {
        return Fehler(FehlerNr::DateiNichtGefunden, ordner + QLatin1Char('/') + name);
    }
    return prozesse().starten(programm, argumente, ordner);
}

}  // namespace kronel
