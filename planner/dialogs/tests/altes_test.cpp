#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

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

}  // namespace
