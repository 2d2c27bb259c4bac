#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include "platform/zeilen.h"

using namespace kronel;

namespace {

// Every line with its end in brackets: "a[\r\n]b[]".
QByteArray Ganz(QByteArrayView text, LetztesZeilenende letztes) {
    QByteArray aus;
    ZeilenDurchgehen(text, letztes, [&](QByteArrayView zeile, QByteArrayView ende) {
        aus.append(zeile).append('[').append(ende).append(']');
    });
    return aus;
}

QByteArray GanzAlsText(QByteArrayView text, LetztesZeilenende letztes) {
    const QString t = QString::fromLatin1(text);
    QString aus;
    ZeilenDurchgehen(QStringView(t), letztes, [&](QStringView zeile, QStringView ende) {
        aus.append(zeile).append(u'[').append(ende).append(u']');
    });
    return aus.toLatin1();
}

// The lines alone, each closed by "|".
QByteArray OhneEnden(const QByteArray& ganz) {
    QByteArray aus;
    bool inEnde = false;
    for (const char c : ganz) {
        if (c == '[' || c == ']') {
            inEnde = c == '[';
            if (!inEnde) {
                aus += '|';
            }
        } else if (!inEnde) {
            aus += c;
        }
    }
    return aus;
}

struct Fall {
    const char* text;
    const char* schliesst;  // LetztesZeilenende::SchliesstZeile
    const char* beginnt;    // LetztesZeilenende::BeginntZeile
};

const Fall kFaelle[] = {
    {"", "", "[]"},
    {"a", "a[]", "a[]"},
    {"a\r\n", "a[\r\n]", "a[\r\n][]"},
    {"a\nb\rc\r\nd", "a[\n]b[\r]c[\r\n]d[]", "a[\n]b[\r]c[\r\n]d[]"},
    // a lone CR before a CR LF, and empty lines, are lines of their own
    {"\r\r\n\n", "[\r][\r\n][\n]", "[\r][\r\n][\n][]"},
    // LF CR is two line ends
    {"a\n\rb", "a[\n][\r]b[]", "a[\n][\r]b[]"},
    {"\r", "[\r]", "[\r][]"},
};

}  // namespace

TEST(Zeilen, LetztesZeilenendeInBytesUndText) {
    for (const Fall& f : kFaelle) {
        const QByteArrayView text(f.text);
        EXPECT_EQ(Ganz(text, LetztesZeilenende::SchliesstZeile), f.schliesst) << f.text;
        EXPECT_EQ(Ganz(text, LetztesZeilenende::BeginntZeile), f.beginnt) << f.text;
        EXPECT_EQ(GanzAlsText(text, LetztesZeilenende::SchliesstZeile), f.schliesst) << f.text;
        EXPECT_EQ(GanzAlsText(text, LetztesZeilenende::BeginntZeile), f.beginnt) << f.text;
    }
}

// Cut in two at every place, an empty piece between, the lines stay those of the whole.
TEST(Zeilen, StueckweiseWieAmStueck) {
    for (const Fall& f : kFaelle) {
        const QByteArrayView text(f.text);
        for (qsizetype schnitt = 0; schnitt <= text.size(); ++schnitt) {
            QByteArray aus;
            auto je = [&](QByteArrayView zeile) { aus.append(zeile).append('|'); };
            Zeilenteiler teiler;
            teiler.weiter(text.first(schnitt), je);
            teiler.weiter({}, je);
            teiler.weiter(text.sliced(schnitt), je);
            teiler.ende(je);
            EXPECT_EQ(aus, OhneEnden(f.schliesst)) << f.text << " " << schnitt;
        }
    }
}
