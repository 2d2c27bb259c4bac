#include "planner/sonderzeichen.h"

#include <QByteArray>

#include "platform/text.h"

namespace kronel {

namespace {

QString AlleZeichen() {
    QByteArray codes;
    for (int c = 32; c <= 255; ++c) {
        codes.append(static_cast<char>(c));
    }
    return AusCp1252(codes);
}

}  // namespace

const std::vector<Zeichensatz>& Zeichensaetze() {
    static const std::vector<Zeichensatz> saetze = {
        {QStringLiteral("Alle"), AlleZeichen()},
        {QStringLiteral("Deutsch"), QStringLiteral("äÄöÖüÜß")},
        {QStringLiteral("Dänisch"), QStringLiteral("æÆåÅøØ")},
        {QStringLiteral("Zeichen"), QStringLiteral("©®™¶£$@")},
        {QStringLiteral("Zahlen"), QStringLiteral("+-±×·•÷<«=»>¼½¾¹²³%‰øØ°~")},
        {QStringLiteral("Klammern"), QStringLiteral("«»{}[]“”")},
    };
    return saetze;
}

}  // namespace kronel
