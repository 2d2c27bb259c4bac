#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

#include "common/einstellungen.h"
#include "output_ui/telewahl.h"
#include "platform_qt/oberflaeche_qt.h"
#include "platform_qt/seriell_qt.h"
#include "shared_ui/programm.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/seriell.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

QString Gespeichert(const char* schluessel) {
    return IniLesen({}, L("Allgemein"), L(schluessel), L("(fehlt)"));
}

class Dialog : public ::testing::Test {
protected:
    Dialog() { test::AnwendungSicherstellen(); }
    // Shows the window with the three choices filled in.
    static void fuellen(Telewahl& t, const char* nummer, const QString& modem, const char* dial) {
        t.show();
        t.txtNummer->setText(L(nummer));
        t.kombiModem->setCurrentText(modem);
        t.kombiString->setCurrentText(L(dial));
    }
    test::TestUmgebung umgebung{L("Kronel")};
    test::FakeSerielleSchnittstelle port;
};

// A pseudo-terminal pair stands in for a modem: the dialog opens the terminal
// end, the test reads and answers at the other.
class Modem {
public:
    Modem() {
        fd_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (fd_ >= 0 && grantpt(fd_) == 0 && unlockpt(fd_) == 0) {
            geraet = QString::fromLocal8Bit(ptsname(fd_));
            fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) | O_NONBLOCK);
            melder_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
            QObject::connect(melder_.get(), &QSocketNotifier::activated, [this] { lesen(); });
        }
    }
    ~Modem() {
        melder_.reset();
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    // Answers the dial command once it has come whole.
    void lesen() {
        char puffer[256];
        ssize_t n = 0;
        while ((n = ::read(fd_, puffer, sizeof puffer)) > 0) {
            empfangen.append(puffer, n);
        }
        if (n < 0 && errno == EIO) {
            melder_->setEnabled(false);  // the terminal end is closed
        }
        if (!beantwortet && empfangen.endsWith(";\r")) {
            beantwortet = true;
            if (!antwort.isEmpty()) {
                ::write(fd_, antwort.constData(), static_cast<size_t>(antwort.size()));
            }
        }
    }
    // Collects what is still on its way for up to a second.
    void nachlesen(const QByteArray& ende) {
        QElapsedTimer uhr;
        uhr.start();
        while (!empfangen.endsWith(ende) && uhr.elapsed() < 1000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            lesen();
        }
    }

    QString geraet;
    QByteArray empfangen;
    QByteArray antwort = "\r\nOK\r\n";
    bool beantwortet = false;

private:
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> melder_;
};

}  // namespace

TEST_F(Dialog, LaedtWahlenUndAnschluesse) {
    IniSchreiben({}, L("Allgemein"), L("COM2Dial"), L("2"));
    IniSchreiben({}, L("Allgemein"), L("DialString"),
                 L("AT X3 DP0, ; Pulswahl mit einer 0 fürs Amt"));
    Telewahl t(port);
    EXPECT_EQ(t.objectName(), L("Telewahl"));
    EXPECT_EQ(t.windowTitle(), L("Telefonnummer wählen"));
    EXPECT_EQ(t.kombiModem->currentText(), L("COM2"));
    EXPECT_EQ(t.kombiString->currentText(), L("AT X3 DP0, ; Pulswahl mit einer 0 fürs Amt"));
    ASSERT_GE(t.kombiModem->count(), 9);
    EXPECT_EQ(t.kombiModem->itemText(0), QString());
    EXPECT_EQ(t.kombiModem->itemText(8), L("COM8"));
    ASSERT_EQ(t.kombiString->count(), 4);
    EXPECT_EQ(t.kombiString->itemText(0), L("AT DT ; Tonwahl"));
    EXPECT_EQ(t.befWählen->objectName(), L("befWählen"));
    // A pasted number stays one line without tabs, as the settings keep it.
    QApplication::clipboard()->setText(L("040\t123\r\n45"));
    t.txtNummer->paste();
    EXPECT_EQ(t.txtNummer->text(), L("040123 45"));
}

TEST_F(Dialog, WaehltUeberDenAnschlussUndSchliesst) {
    port.antworten = {"OK\r\n"};
    Telewahl t(port, nullptr, 500, 5);
    fuellen(t, "030 / 12-34", L("COM2"), "AT DT ; Tonwahl");
    t.befWählen->click();
    EXPECT_TRUE(port.gesendet.startsWith("AT DT0301234;\r"));
    EXPECT_EQ(port.geraet, L("/dev/ttyS1"));
    EXPECT_EQ(port.baud, 300);
    EXPECT_FALSE(t.isVisible());
    EXPECT_EQ(Gespeichert("COM2Dial"), L("COM2"));
    EXPECT_EQ(Gespeichert("DialString"), L("AT DT ; Tonwahl"));
}

// An empty stored port loads as "COM" and fails with the report; the window
// stays open with both buttons enabled.
TEST_F(Dialog, LeererAnschlussScheitertMitMeldung) {
    Telewahl t(port, nullptr, 500, 5);
    t.show();
    EXPECT_EQ(t.kombiModem->currentText(), L("COM"));
    t.kombiString->setCurrentText(L("AT DT"));
    t.txtNummer->setText(L("1"));
    t.befWählen->click();
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.startsWith(
        L("Es ist ein Fehler beim Wählen aufgetreten. Überprüfen Sie bitte die Einstellungen.")));
    EXPECT_TRUE(t.isVisible());
    EXPECT_TRUE(t.befWählen->isEnabled());
    EXPECT_TRUE(t.befAbbrechen->isEnabled());
    EXPECT_EQ(Gespeichert("COM2Dial"), L("(fehlt)"));
}

TEST_F(Dialog, AbbrechenUndSchliessfeldSpeichern) {
    Telewahl t(port);
    t.show();
    t.kombiModem->setCurrentText(L("COM4"));
    t.kombiString->setCurrentText(L("AT DP ; Pulswahl"));
    t.befAbbrechen->click();
    EXPECT_FALSE(t.isVisible());
    EXPECT_EQ(Gespeichert("COM2Dial"), L("COM4"));
    EXPECT_EQ(Gespeichert("DialString"), L("AT DP ; Pulswahl"));

    Telewahl zwei(port);
    zwei.show();
    zwei.kombiModem->setCurrentText(QString());
    zwei.close();
    EXPECT_FALSE(zwei.isVisible());
    EXPECT_EQ(Gespeichert("COM2Dial"), QString());
    EXPECT_EQ(Gespeichert("DialString"), L("AT DP ; Pulswahl"));
}

TEST_F(Dialog, PseudoterminalAlsModem) {
    Modem modem;
    ASSERT_FALSE(modem.geraet.isEmpty());
    QtSerielleSchnittstelle echt;
    Telewahl t(echt, nullptr, 5000, 50);
    fuellen(t, "030 / 12-34", modem.geraet, "AT DT ; Tonwahl");
    t.befWählen->click();
    modem.nachlesen("ATH0\r");
    EXPECT_EQ(modem.empfangen, QByteArray("AT DT0301234;\rATH0\r"));
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u)
        << umgebung.meldungen.boxen[0].text.toStdString();
    EXPECT_EQ(umgebung.meldungen.boxen[0].text,
              L("Bitte jetzt den Telefonhörer abnehmen und ENTER drücken."));
    EXPECT_FALSE(echt.offen());
    EXPECT_FALSE(t.isVisible());
}

// A refusal, silence and a close during the wait: the port is closed and both
// buttons are enabled again. Enter in the report (Ignore) ends the dial: no
// handset prompt, and only the modem that answered is hung up.
TEST_F(Dialog, PseudoterminalBesetztStummUndSchliessen) {
    for (const QByteArray& antwort : {QByteArray("\r\nBUSY\r\n"), QByteArray()}) {
        Modem modem;
        modem.antwort = antwort;
        QtSerielleSchnittstelle echt;
        Telewahl t(echt, nullptr, 300, 20);
        fuellen(t, "0301234", modem.geraet, "AT DT");
        const size_t boxenVorher = umgebung.meldungen.boxen.size();
        umgebung.meldungen.antworten({Antwort::Ignorieren});
        t.befWählen->click();
        modem.nachlesen(antwort.isEmpty() ? QByteArray(";\r") : QByteArray("ATH0\r"));
        EXPECT_EQ(modem.empfangen, antwort.isEmpty() ? QByteArray("AT DT0301234;\r")
                                                     : QByteArray("AT DT0301234;\rATH0\r"));
        EXPECT_EQ(umgebung.meldungen.boxen.size(), boxenVorher + 1);
        EXPECT_TRUE(umgebung.meldungen.boxen.back().text.contains(
            antwort.isEmpty() ? L("antwortet nicht") : L("»BUSY«")))
            << umgebung.meldungen.boxen.back().text.toStdString();
        EXPECT_FALSE(echt.offen());
        EXPECT_TRUE(t.befWählen->isEnabled());
        EXPECT_TRUE(t.befAbbrechen->isEnabled());
        EXPECT_TRUE(t.isVisible());
    }

    Modem modem;
    modem.antwort.clear();
    QtSerielleSchnittstelle echt;
    Telewahl t(echt, nullptr, 60000, 20);
    fuellen(t, "1", modem.geraet, "AT DT");
    QTimer::singleShot(100, &t, [&t] {
        EXPECT_TRUE(t.Waehlt());
        t.close();
    });
    const size_t boxenVorher = umgebung.meldungen.boxen.size();
    t.befWählen->click();
    EXPECT_FALSE(t.Waehlt());
    EXPECT_EQ(umgebung.meldungen.boxen.size(), boxenVorher);
    EXPECT_FALSE(echt.offen());
    EXPECT_TRUE(t.befWählen->isEnabled());
    EXPECT_TRUE(t.befAbbrechen->isEnabled());
    EXPECT_FALSE(t.isVisible());
    EXPECT_EQ(Gespeichert("COM2Dial"), modem.geraet);
}

// The modem's answer is handled inside the dial's own event loop, out of reach
// of the dial key's guard: a failure there is reported under the port's
// handler name, and the loop goes on.
TEST_F(Dialog, FehlerBeiDerModemantwortWirdGemeldet) {
    Modem modem;
    ASSERT_FALSE(modem.geraet.isEmpty());
    QtSerielleSchnittstelle echt;
    ASSERT_TRUE(echt.oeffnen(modem.geraet, 300).ok());
    echt.beiDaten([] { throw std::runtime_error("kaputt"); });
    ASSERT_TRUE(echt.schreiben(";\r").ok());  // the pseudo-modem answers this
    QElapsedTimer uhr;
    uhr.start();
    while (umgebung.meldungen.boxen.empty() && uhr.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        modem.lesen();
    }
    ASSERT_EQ(umgebung.meldungen.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.meldungen.boxen[0].text.startsWith(L("Comm1_OnComm\r\nkaputt")));
    echt.schliessen();
}

TEST_F(Dialog, KombisBehaltenDasGetippte) {
    Telewahl t(port);
    LeeresEinfuegenAbfangen();
    EXPECT_EQ(test::LeerEinfuegen(&t),
              (QStringList{L("kombiModem"), L("kombiString"), L("txtNummer")}));
    EXPECT_EQ(test::KombisBetippen(&t), (QStringList{L("kombiModem=a"), L("kombiString=a")}));
}
