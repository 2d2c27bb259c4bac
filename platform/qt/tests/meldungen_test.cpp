#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "platform_qt/dienste_qt.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"

using namespace kronel;

namespace {

QApplication& App() {
    test::AnwendungSicherstellen();
    auto& app = *qApp;
    static bool geladen = [&app] {
        DeutscheUebersetzungenLaden(app);
        return true;
    }();
    (void)geladen;
    return app;
}

// Presses the button with the given text in the box that opens next, and records its texts.
struct Druecker {
    QString knopfText;
    QStringList gesehen;
    QString titel;
    QString text;
    bool standardIgnorieren = false;
    void starten() {
        test::BeimNaechstenModalen<QMessageBox>([this](QMessageBox* box) {
            titel = box->windowTitle();
            text = box->text();
            for (QAbstractButton* b : box->buttons()) {
                gesehen << b->text().remove(QLatin1Char('&'));
            }
            standardIgnorieren = box->defaultButton() == box->button(QMessageBox::Ignore);
            for (QAbstractButton* b : box->buttons()) {
                if (b->text().remove(QLatin1Char('&')) == knopfText) {
                    b->click();
                    return;
                }
            }
            box->reject();
        });
    }
};

}  // namespace

TEST(QtMeldungen, DeutscheKnoepfeUndKlassischeAntworten) {
    App();
    QtMeldungen m;
    Druecker d{QStringLiteral("Ignorieren"), {}, {}, {}, false};
    d.starten();
    const int a = m.zeigen(QStringLiteral("Zeile 1\r\nZeile 2"), 2 + 48 + 512 + 4096,
                           QStringLiteral("Fehler in Kronelin"));
    EXPECT_EQ(a, 5);
    EXPECT_EQ(d.titel, QStringLiteral("Fehler in Kronelin"));
    EXPECT_EQ(d.text, QStringLiteral("Zeile 1\nZeile 2"));
    EXPECT_TRUE(d.gesehen.contains(QStringLiteral("Abbrechen")));
    EXPECT_TRUE(d.gesehen.contains(QStringLiteral("Wiederholen")));
    EXPECT_TRUE(d.standardIgnorieren);

    Druecker ja{QStringLiteral("Ja"), {}, {}, {}, false};
    ja.starten();
    EXPECT_EQ(m.zeigen(QStringLiteral("Frage?"), 4 + 32, QStringLiteral("T")), 6);
    Druecker weg{QStringLiteral("<keiner>"), {}, {}, {}, false};
    weg.starten();
    EXPECT_EQ(m.zeigen(QStringLiteral("Weiter?"), 1, QStringLiteral("T")), 2);
}

// Escape and closing the box answer by the one rule the fakes use too, for every set of buttons.
TEST(QtMeldungen, EscapeUndSchliessenNachDerRegel) {
    App();
    QtMeldungen m;
    // OK, OK/Cancel, Abort/Retry/Ignore, Yes/No/Cancel, Yes/No, Retry/Cancel, two unknown sets
    const int erwartet[] = {1, 2, 3, 2, 7, 2, 1, 1};
    for (int stil = 0; stil < 8; ++stil) {
        EXPECT_EQ(EscapeAntwort(stil), erwartet[stil]) << stil;
        for (const bool schliessen : {false, true}) {
            test::BeimNaechstenModalen<QMessageBox>([schliessen](QMessageBox* box) {
                if (schliessen) {
                    box->close();
                    return;
                }
                test::Taste(box, Qt::Key_Escape);
            });
            EXPECT_EQ(m.zeigen(QStringLiteral("?"), stil + 32, QStringLiteral("T")), erwartet[stil])
                << stil << " " << schliessen;
        }
    }
}
