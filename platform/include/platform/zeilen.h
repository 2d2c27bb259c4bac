#pragma once
// Cutting text or file bytes into lines. CR LF, LF and a lone CR each end a line;
// empty lines are handed on like any other. The lines are views into the text:
// no copy of them is made.

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <algorithm>
#include <cstring>

namespace kronel {

// What a line end at the very end of the text is.
enum class LetztesZeilenende {
    // The end of the last line, as in a file: "a\r\n" is one line, an empty text none.
    SchliesstZeile,
    // The start of an empty line, as in a printed text where the end moves on by
    // a line: "a\r\n" is "a" and "", an empty text one empty line.
    BeginntZeile,
};

namespace zeilen_intern {

inline qsizetype Finden(const char* p, qsizetype von, qsizetype n, char c) {
    const void* t = std::memchr(p + von, c, static_cast<size_t>(n - von));
    return t != nullptr ? static_cast<const char*>(t) - p : n;
}

inline qsizetype Finden(const char16_t* p, qsizetype von, qsizetype n, char16_t c) {
    const qsizetype i = QStringView(p, n).indexOf(QChar(c), von);
    return i < 0 ? n : i;
}

// Hands every line that has a line end to je(zeile, ende) and returns where
// the rest after the last line end starts.
template <typename Z, typename Ansicht, typename F>
qsizetype ZeilenMitEnde(const Z* p, qsizetype n, F& je) {
    qsizetype start = 0;
    // Where the next CR and the next LF stand, each searched again only once
    // passed: a text of LF (or CR) lines alone is read in one sweep too.
    qsizetype cr = -1;
    qsizetype lf = -1;
    while (start < n) {
        if (cr < start) {
            cr = Finden(p, start, n, '\r');
        }
        if (lf < start) {
            lf = Finden(p, start, n, '\n');
        }
        const qsizetype ende = std::min(cr, lf);
        if (ende == n) {
            break;
        }
        qsizetype weiter = ende + 1;
        if (p[ende] == '\r' && weiter < n && p[weiter] == '\n') {
            ++weiter;
        }
        je(Ansicht(p + start, ende - start), Ansicht(p + ende, weiter - ende));
        start = weiter;
    }
    return start;
}

template <typename Z, typename Ansicht, typename F>
void Zeilen(const Z* p, qsizetype n, LetztesZeilenende letztes, F& je) {
    const qsizetype rest = ZeilenMitEnde<Z, Ansicht>(p, n, je);
    if (rest < n || letztes == LetztesZeilenende::BeginntZeile) {
        je(Ansicht(p + rest, n - rest), Ansicht(p + n, 0));
    }
}

}  // namespace zeilen_intern

// Hands every line to je(zeile, ende): the line without its end, and the end as
// it stands ("\r\n", "\n", "\r", or empty for a last line without one).
template <typename F>
void ZeilenDurchgehen(QByteArrayView text, LetztesZeilenende letztes, F&& je) {
    zeilen_intern::Zeilen<char, QByteArrayView>(text.data(), text.size(), letztes, je);
}

template <typename F>
void ZeilenDurchgehen(QStringView text, LetztesZeilenende letztes, F&& je) {
    zeilen_intern::Zeilen<char16_t, QStringView>(text.utf16(), text.size(), letztes, je);
}

// The same cut for bytes that come in pieces cut anywhere, even between the CR
// and the LF of one line end; a last line end closes the last line. Only a line
// that runs across the end of a piece is copied.
class Zeilenteiler {
public:
    // Hands every line that the piece completes to je(zeile).
    template <typename F>
    void weiter(QByteArrayView stueck, F&& je) {
        const char* p = stueck.data();
        qsizetype n = stueck.size();
        if (n == 0) {
            return;
        }
        if (nachCr_) {
            nachCr_ = false;
            if (p[0] == '\n') {
                ++p;  // the LF of a CR LF cut apart
                --n;
            }
        }
        auto ganz = [&](QByteArrayView z, QByteArrayView) { zeile(z, je); };
        const qsizetype rest = zeilen_intern::ZeilenMitEnde<char, QByteArrayView>(p, n, ganz);
        if (rest < n) {
            rest_.append(p + rest, n - rest);  // goes on in the next piece
        } else {
            nachCr_ = n > 0 && p[n - 1] == '\r';
        }
    }

    // After the last piece: a last line without a line end.
    template <typename F>
    void ende(F&& je) {
        if (!rest_.isEmpty()) {
            zeile(QByteArrayView(), je);
        }
    }

private:
    template <typename F>
    void zeile(QByteArrayView z, F& je) {
        if (rest_.isEmpty()) {
            je(z);
            return;
        }
        rest_.append(z);
        je(QByteArrayView(rest_));
        rest_.resize(0);
    }

    QByteArray rest_;  // the start of a line cut by the end of a piece
    bool nachCr_ = false;
};

}  // namespace kronel
