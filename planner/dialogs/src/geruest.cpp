#include "shared_ui/geruest.h"

#include <QApplication>
#include <QMainWindow>

#include "platform_qt/dienste_qt.h"
#include "shared_ui/hilfefenster.h"

namespace kronel {

int LeeresHauptfensterStarten(int argc, char** argv, const QString& titel) {
    QApplication app(argc, argv);
    DeutscheUebersetzungenLaden(app);
    GemeinsameDiensteInstallieren();
    QMainWindow fenster;
    fenster.setObjectName(QStringLiteral("Main"));
    fenster.setWindowTitle(titel);
    fenster.resize(800, 560);
    fenster.show();
    return QApplication::exec();
}

}  // namespace kronel
