#include "book/sortieren.h"

#include "book/termin.h"
#include "platform/text.h"

#include <algorithm>
#include <numeric>

namespace kronel {

namespace {

// The eight digits as a number, -1 when the record does not begin with eight digits.
int ZiffernSchluessel(const QString& t) {
    if (t.size() < 8) {
        return -1;
    }
    int wert = 0;
    for (qsizetype i = 0; i < 8; ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9') {
            return -1;
        }
        wert = wert * 10 + (c - u'0');
    }
    return wert;
}

}  // namespace

std::vector<qsizetype> DatumsReihenfolge(const QStringList& termine) {
    const auto n = static_cast<size_t>(termine.size());
    std::vector<int> schluessel(n);
    for (size_t i = 0; i < n; ++i) {
        schluessel[i] = ZiffernSchluessel(termine[static_cast<qsizetype>(i)]);
        if (schluessel[i] < 0) {
            return DeutscheReihenfolge(termine);
        }
    }
    // Eight digits at the start decide the collation by themselves wherever they
    // differ (digits are plain primary weights), so records of different dates are
    // ordered by the number; only records of one date need the collator.
    std::vector<qsizetype> reihe(n);
    std::iota(reihe.begin(), reihe.end(), qsizetype{0});
    if (!std::is_sorted(schluessel.begin(), schluessel.end())) {
        std::stable_sort(reihe.begin(), reihe.end(), [&](qsizetype a, qsizetype b) {
            return schluessel[static_cast<size_t>(a)] < schluessel[static_cast<size_t>(b)];
        });
    }
    size_t anfang = 0;
    while (anfang < n) {
        size_t ende = anfang + 1;
        const int s = schluessel[static_cast<size_t>(reihe[anfang])];
        bool geordnet = true;
        while (ende < n && schluessel[static_cast<size_t>(reihe[ende])] == s) {
            if (geordnet &&
                DeutschVergleichen(termine[reihe[ende - 1]], termine[reihe[ende]]) > 0) {
                geordnet = false;
            }
            ++ende;
        }
        if (!geordnet) {
            QStringList gruppe;
            gruppe.reserve(static_cast<qsizetype>(ende - anfang));
            for (size_t i = anfang; i < ende; ++i) {
                gruppe.append(termine[reihe[i]]);
            }
            const auto teil = DeutscheReihenfolge(gruppe);
            std::vector<qsizetype> neu(teil.size());
            for (size_t i = 0; i < teil.size(); ++i) {
                neu[i] = reihe[anfang + static_cast<size_t>(teil[i])];
            }
            std::copy(neu.begin(), neu.end(), reihe.begin() + static_cast<std::ptrdiff_t>(anfang));
        }
        anfang = ende;
    }
    return reihe;
}

std::vector<qsizetype> MeldungsReihenfolge(const QStringList& termine) {
    QStringList schluessel;
    schluessel.reserve(termine.size());
    for (const QString& t : termine) {
        // Shorter records have no fixed fields to move behind the message.
        if (t.size() < FesteFelderLaenge) {
            schluessel.append(t);
        } else {
            schluessel.append(t.mid(FesteFelderLaenge) + t.left(FesteFelderLaenge));
        }
    }
    return DeutscheReihenfolge(schluessel);
}

}  // namespace kronel
