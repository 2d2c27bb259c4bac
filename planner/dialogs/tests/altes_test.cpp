#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "common/modul.h"
#include "planner_dialogs/buchdialoge.h"
#include "testsupport/anwendung.h"
#include "testsupport/fensterbedienung.h"
#include "testsupport/testsupport.h"
#include "testsupport/utf8.h"

using namespace kronel;

namespace {

using test::L;

TEST(AltesFenster, EnterImFilterLiestNeu) {
    test::AnwendungSicherstellen();
    test::TestUmgebung umgebung;
    modul().DateiAltes = umgebung.daten() + L("/Kronel.Old");
    modul().DateiNotizen = umgebung.daten() + L("/Kronel.Txt");
    umgebung.schreiben(modul().DateiAltes, "01.12.2026 Arzt\r\n02.12.2026 Kino\r\n");
    Altes w(nullptr, {});
    ASSERT_EQ(w.Liste->count(), 2);
    // Typing alone does not read again; Enter does
    w.txtFilter->lineEdit()->setText(L("kino"));
    EXPECT_EQ(w.Liste->count(), 2);
    test::Taste(w.txtFilter, Qt::Key_Return, L("\r"));
    EXPECT_EQ(w.Liste->count(), 1);
}

TEST(AltesFenster, FilterIstDasGetippteNichtEineNotiz) {
    test::AnwendungSicherstellen();
    test::TestUmgebung umgebung;
    modul().DateiAltes = umgebung.daten() + L("/Kronel.Old");
    modul().DateiNotizen = umgebung.daten() + L("/Kronel.Txt");
    umgebung.schreiben(modul().DateiAltes,
                       "01.12.2026 Abrechnung\r\n02.12.2026 Abendessen\r\n03.12.2026 Kino\r\n");
    umgebung.schreiben(modul().DateiNotizen, "Abendessen\r\n");
    Altes w(nullptr, {});
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.txtFilter->setFocus();
    // "ab" is in both lines that begin with it; the note is only a choice.
    test::Tippen(w.txtFilter, L("Ab"));
    test::Taste(w.txtFilter, Qt::Key_Return, L("\r"));
    EXPECT_EQ(w.txtFilter->currentText(), L("Ab"));
    EXPECT_EQ(w.Liste->count(), 2);
}

}  // namespace
