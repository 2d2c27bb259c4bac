// Any appointment text expands and ends, with abbreviations that refer to each
// other and the calculations on; no "inf" or "nan" ever reaches the text.

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include <QRegularExpression>

#include "common/einstellungen.h"
#include "common/textfelder.h"
#include "platform/text.h"
#include "testsupport/testsupport.h"

using namespace kronel;

namespace {

test::TestUmgebung& Umgebung() {
    static auto* u = [] {
        auto* neu = new test::TestUmgebung();
        neu->schreiben(neu->programm() + QStringLiteral("/Kuerzel.lst"),
                       "abc\t{abc}\r\nx\t<{y}>\r\ny\t[{x}]\r\nz\t{z}{z}\r\n"
                       "geb\twird {DiffJa:} alt\r\nrech\t[1/3;0.0%] und [{mt}*2]\r\n");
        neu->schreiben(neu->programm() + QStringLiteral("/Feiertag.Ini"),
                       "[Feiertage]\r\n01.01=Neujahr\r\n07.03=Probetag\r\n");
        IniSchreiben({}, {}, QStringLiteral("Berechnungen"), QStringLiteral("1"));
        return neu;
    }();
    return *u;
}

// "inf" or "nan" as a word of its own, as a number turned text would give it;
// a field's word next to the user's text ("Werktagen" + "And") is no such word.
// The user's own letters may spell it too, quoted one by one ("i"nf) or beside
// a format's literal ("I" + "NF0"): only a word whose letters the input does not
// hold can have come from a number.
bool HatFremdesUnendlich(const QString& aus, const QString& eingabe) {
    for (const QString& wort : {QStringLiteral("inf"), QStringLiteral("nan")}) {
        const QRegularExpression re(
            QStringLiteral("(?<!\\p{L})") + wort + QStringLiteral("(?!\\p{L})"),
            QRegularExpression::CaseInsensitiveOption);
        if (!re.match(aus).hasMatch()) {
            continue;
        }
        const bool buchstabierbar = std::all_of(wort.begin(), wort.end(), [&](QChar c) {
            return eingabe.contains(c, Qt::CaseInsensitive);
        });
        if (!buchstabierbar) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, size_t groesse) {
    test::TestUmgebung& u = Umgebung();
    u.meldungen.boxen.clear();
    u.ton.aufrufe.clear();
    const QString text = AusCp1252(
        QByteArray(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse)));
    TextFelderStapel stapel;
    const QString aus = stapel.ersetzen(text, QDate(2024, 3, 5), QStringLiteral("10.03.2024"));
    if (HatFremdesUnendlich(aus, text)) {
        std::abort();
    }
    return 0;
}
