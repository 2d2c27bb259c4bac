#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/dateien.h"
#include "platform_qt/dienste_qt.h"

namespace kronel {

namespace {

QString FuerWidget(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

struct Knopf {
    QMessageBox::StandardButton knopf;
    int antwort;
};

}  // namespace

int QtMeldungen::zeigen(const QString& text, int stil, const QString& titel) {
    QMessageBox box;
    box.setWindowTitle(titel);
    box.setText(FuerWidget(text));
    switch (stil & Box::SymbolMaske) {
        case Box::Stop:
            box.setIcon(QMessageBox::Critical);
            break;
        case Box::Frage:
            box.setIcon(QMessageBox::Question);
            break;
        case Box::Ausrufezeichen:
            box.setIcon(QMessageBox::Warning);
            break;
        case Box::Information:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            box.setIcon(QMessageBox::NoIcon);
            break;
    }
    std::vector<Knopf> knoepfe;
    switch (stil & Box::KnopfMaske) {
        case Box::OKAbbrechen:
            knoepfe = {{QMessageBox::Ok, Antwort::OK}, {QMessageBox::Cancel, Antwort::Abbrechen}};
            break;
        case Box::AbbrechenWiederholenIgnorieren:
            knoepfe = {{QMessageBox::Abort, Antwort::Abbruch},
                       {QMessageBox::Retry, Antwort::Wiederholen},
                       {QMessageBox::Ignore, Antwort::Ignorieren}};
            break;
        case Box::JaNeinAbbrechen:
            knoepfe = {{QMessageBox::Yes, Antwort::Ja},
                       {QMessageBox::No, Antwort::Nein},
                       {QMessageBox::Cancel, Antwort::Abbrechen}};
            break;
        case Box::JaNein:
            knoepfe = {{QMessageBox::Yes, Antwort::Ja}, {QMessageBox::No, Antwort::Nein}};
            break;
        case Box::WiederholenAbbrechen:
            knoepfe = {{QMessageBox::Retry, Antwort::Wiederholen},
                       {QMessageBox::Cancel, Antwort::Abbrechen}};
            break;
        default:
            knoepfe = {{QMessageBox::Ok, Antwort::OK}};
            break;
    }
    QMessageBox::StandardButtons alle;
    for (const Knopf& k : knoepfe) {
        alle |= k.knopf;
    }
    box.setStandardButtons(alle);
    const size_t standard = static_cast<size_t>((stil & Box::StandardMaske) / 256);
    if (standard < knoepfe.size()) {
        box.setDefaultButton(knoepfe[standard].knopf);
    }
    // Escape and closing the box answer as the rule says for this set of buttons.
    const int escape = EscapeAntwort(stil);
    for (const Knopf& k : knoepfe) {
        if (k.antwort == escape) {
            box.setEscapeButton(k.knopf);
        }
    }
    // With KRONEL_MELDUNGEN_PROTOKOLL set, tests of the real programs read every
    // box there; it is answered with its default button and never shown.
    const QString protokoll = qEnvironmentVariable("KRONEL_MELDUNGEN_PROTOKOLL");
    if (!protokoll.isEmpty()) {
        QString zeile = titel + QStringLiteral(": ") + FuerWidget(text);
        zeile.replace(QLatin1Char('\n'), QLatin1Char(' '));
        (void)DateiAnhaengen(protokoll, zeile.toUtf8() + '\n');
        return knoepfe[standard < knoepfe.size() ? standard : 0].antwort;
    }
    if ((stil & Box::Systemmodal) != 0) {
        box.setWindowModality(Qt::ApplicationModal);
    }
    const auto gewaehlt = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const Knopf& k : knoepfe) {
        if (k.knopf == gewaehlt) {
            return k.antwort;
        }
    }
    return escape;  // ended without a button
}

std::optional<QString> QtMeldungen::eingabe(const QString& frage, const QString& titel,
                                            const QString& vorgabe) {
    bool ok = false;
    const QString t =
        QInputDialog::getText(nullptr, titel, FuerWidget(frage), QLineEdit::Normal, vorgabe, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return t;
}

}  // namespace kronel
