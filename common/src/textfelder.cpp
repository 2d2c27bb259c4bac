#include "common/textfelder.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "common/berechnungen.h"
#include "common/einstellungen.h"
#include "common/fehlermeldung.h"
#include "common/kalender.h"
#include "common/tagetext.h"
#include "platform/dateien.h"
#include "platform/datum.h"
#include "platform/ordner.h"
#include "platform/schritte.h"
#include "platform/text.h"

namespace kronel {

namespace {

// Abbreviations may expand into each other; the loop ends after this many
// fields, or once the text is longer than any message could be.
constexpr int kMaxRunden = 500;
constexpr qsizetype kMaxLaenge = 32767;

int Werktage(const QDate& datum, const QDate& ziel, bool samstag) {
    int anzahl = 0;
    const int schritt = ziel > datum ? -1 : 1;
    for (QDate d = ziel; d != datum && anzahl < 3999; d = d.addDays(schritt)) {
        const int wt = Wochentag(d);
        const bool werktag = wt != 1 && (samstag || wt != 7);
        if (werktag && FeiertagText(d).isEmpty()) {
            ++anzahl;
        }
    }
    return anzahl;
}

QString Mehrzahl(long long n, const char* einzahl, const char* endung) {
    return QString::number(n) + QLatin1String(einzahl) +
           (n == 1 ? QString() : QLatin1String(endung));
}

// The name of a field, lowered as ersetzen() lowers it, is one that it expands
// by itself, without the abbreviation list or the holiday calendar.
bool EingebautesFeld(QStringView name) {
    constexpr qsizetype kLaenge = 13;  // as far as any of the names reach
    char16_t klein[kLaenge];
    const qsizetype n = std::min(name.size(), kLaenge);
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = name[i].unicode();
        klein[i] = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32)
                   : c < 0x80             ? c
                                          : KleinBuchstabe(name[i]).unicode();
    }
    const std::u16string_view kopf(klein, static_cast<size_t>(n));
    if (name.size() == n &&
        (kopf.empty() || kopf == u"test" || kopf == u"m" || kopf == u"mt" || kopf == u"j")) {
        return true;
    }
    return kopf.starts_with(u"diff:") || kopf.starts_with(u"diffta:") ||
           kopf.starts_with(u"diffja:") || kopf.starts_with(u"zykluszähler:");
}

}  // namespace

bool NurEingebauteFelder(QStringView text) {
    if (text.contains(u'[')) {
        return false;
    }
    // ersetzen() takes the first "{" and the first "}" again after each field;
    // as no built-in field leaves a brace behind, that is the next pair here.
    qsizetype ab = 0;
    for (;;) {
        const qsizetype zu = text.indexOf(QChar(u'}'), ab);
        const qsizetype auf = zu < 0 ? -1 : text.first(zu).indexOf(QChar(u'{'), ab);
        if (auf < 0) {
            return true;  // no "}" at all, or no "{" before the first one
        }
        if (!EingebautesFeld(text.mid(auf + 1, zu - auf - 1))) {
            return false;
        }
        ab = zu + 1;
    }
}

QString TextFelderStapel::datumsFeld(const QString& name, qsizetype feldPos, const QString& text,
                                     const QDate& datum, const QString& terminDatum) const {
    const qsizetype doppelpunkt = name.indexOf(QLatin1Char(':'));
    const QString argument = Trim(name.mid(doppelpunkt + 1).left(15));
    auto ziel = DatumLesen(argument);
    if (!ziel) {
        ziel = DatumLesen(terminDatum);
    }
    if (!ziel) {
        return QStringLiteral("{Formeldatum: ") + terminDatum + QStringLiteral(" ist fehlerhaft}");
    }
    const QString art = name.left(doppelpunkt);
    const long long tage = std::llabs(datum.daysTo(*ziel));
    if (art == u"diffwt") {
        return Mehrzahl(Werktage(datum, *ziel, true), " Werktag", "en");
    }
    if (art == u"diffat") {
        return Mehrzahl(Werktage(datum, *ziel, false), " Arbeitstag", "en");
    }
    if (art == u"diffta") {
        return Mehrzahl(tage, " Tag", "e");
    }
    if (art == u"diffja") {
        return Mehrzahl(std::abs(datum.year() - ziel->year()), " Jahr", "e");
    }
    // "diff": the short form ("5 Tage"), the dative behind "in", "seit", "vor".
    QString s = TageText(tage);
    if (s.endsWith(QLatin1String("en"))) {
        s.chop(1);
    }
    if (feldPos >= 5) {
        const QString davor = LCase(text.mid(feldPos - 5, 5));
        if (!davor.contains(QLatin1String("wird")) &&
            (davor.contains(QLatin1String("seit")) || davor.contains(QLatin1String("vor")) ||
             davor.contains(QLatin1String("in"))) &&
            s.endsWith(QLatin1Char('e'))) {
            s += QLatin1Char('n');
        }
    }
    return s;
}

TextFelderStapel::Kuerzel TextFelderStapel::kuerzelSuchen(const QString& name, QString& ersatz) {
    if (!kuerzel_) {
        const QString pfad =
            DateiImOrdnerFinden(ProgrammVerzeichnis(), QStringLiteral("Kuerzel.lst"));
        if (pfad.isEmpty()) {
            kuerzel_ = QStringList();
        } else {
            SchrittLaeufer lauf(
                [](const Fehler& f) {
                    return FehlerMeldungMitBeschreibung(
                        f, QStringLiteral(
                               "Es ist ein Fehler beim Auswerten der Formeln aufgetreten."));
                },
                QStringLiteral("TextFelderErsetzen"));
            const bool weiter = lauf([&]() -> Status {
                const auto bytes = DateiLesen(pfad);
                if (!bytes) {
                    return bytes.fehler();
                }
                kuerzel_ = ZeilenTeilen(TextTolerantLesen(*bytes));
                return {};
            });
            if (!weiter) {
                return Kuerzel::Abbruch;
            }
            if (!kuerzel_) {
                kuerzel_ = QStringList();  // ignored: no abbreviations for this batch
            }
        }
    }
    const QString anfang = name + QLatin1Char('\t');
    for (const QString& zeile : *kuerzel_) {
        if (zeile.size() >= anfang.size() && LCase(zeile.left(anfang.size())) == anfang) {
            ersatz = zeile.mid(anfang.size());
            return Kuerzel::Gefunden;
        }
    }
    return Kuerzel::Fehlt;
}

QString TextFelderStapel::ersetzen(const QString& text, const QString& datum,
                                   const QString& terminDatum) {
    const auto d = DatumLesen(datum);
    if (!d) {
        return datum + QStringLiteral(" ist kein gültiges Datum!");
    }
    return ersetzen(text, *d, terminDatum);
}

QString TextFelderStapel::ersetzen(const QString& eingabe, const QDate& datum,
                                   const QString& terminDatum) {
    if (!eingabe.contains(QLatin1Char('{')) && !eingabe.contains(QLatin1Char('['))) {
        return eingabe;
    }
    QString text = eingabe;
    for (int runde = 0; runde < kMaxRunden && text.size() <= kMaxLaenge; ++runde) {
        const qsizetype auf = text.indexOf(QLatin1Char('{'));
        const qsizetype zu = text.indexOf(QLatin1Char('}'));
        if (auf < 0 || zu < auf) {
            break;
        }
        const QString name = LCase(text.mid(auf + 1, zu - auf - 1));
        QString ersatz;
        if (name.isEmpty()) {
            ersatz = QStringLiteral("??????");
        } else if (name == u"test") {
            ersatz = QStringLiteral("ok");
        } else if (name == u"m") {
            ersatz = QString::number(datum.month());
        } else if (name == u"mt") {
            ersatz = ZahlDeutsch(datum.month() + datum.day() / 32.0);
        } else if (name == u"j") {
            ersatz = QStringLiteral("%1").arg(datum.year(), 4, 10, QLatin1Char('0'));
        } else if (name.startsWith(QLatin1String("diff:")) ||
                   name.startsWith(QLatin1String("diffwt:")) ||
                   name.startsWith(QLatin1String("diffat:")) ||
                   name.startsWith(QLatin1String("diffta:")) ||
                   name.startsWith(QLatin1String("diffja:"))) {
            ersatz = datumsFeld(name, auf, text, datum, terminDatum);
        } else if (name.startsWith(QStringLiteral("zykluszähler:"))) {
            const qsizetype nach = name.indexOf(QLatin1Char(':')) + 1;
            ersatz = ZahlText(Val(name.mid(nach, 4)));
        } else {
            ersatz = QStringLiteral("???") + name + QStringLiteral("???");
            if (kuerzelSuchen(name, ersatz) == Kuerzel::Abbruch) {
                return text;  // what is expanded so far, the rest as written
            }
        }
        text = text.left(auf) + ersatz + text.mid(zu + 1);
    }
    if (text.contains(QLatin1Char('['))) {
        if (!berechnungen_) {
            berechnungen_ =
                Val(IniLesen({}, {}, QStringLiteral("Berechnungen"), QStringLiteral("0"))) != 0.0;
        }
        if (*berechnungen_) {
            text = RTrim(text);
            text = BerechnungenErsetzen(text);
        }
    }
    return text;
}

QString TextFelderErsetzen(const QString& text, const QString& datum, const QString& terminDatum) {
    return TextFelderStapel().ersetzen(text, datum, terminDatum);
}

}  // namespace kronel
