#pragma once
// Text as the programs store it: Windows-1252 on disk, one byte per character,
// with a case mapping that never changes the length of a text.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

#include "platform/zeilen.h"

namespace kronel {

// --- Codec ------------------------------------------------------------------
QString AusCp1252(const QByteArray& bytes);
// Characters Windows-1252 cannot hold become "?".
QByteArray NachCp1252(const QString& text);
// Replaces every character Windows-1252 cannot hold by "?", so that what the
// user sees is what is stored.
QString NurCp1252(const QString& text);
// Every character has its Windows-1252 byte: the text is saved as it stands.
bool Cp1252Darstellbar(QStringView text);
// Tolerant reading: a line that is valid UTF-8 with bytes above 0x7F is read as
// UTF-8, any other line as Windows-1252. Line ends stay as they are.
QString ZeileTolerantLesen(const QByteArray& zeile);
QString TextTolerantLesen(const QByteArray& bytes);
// Splits text at CR LF, LF or CR; by default a trailing line end gives no empty
// last line.
QStringList ZeilenTeilen(const QString& text,
                         LetztesZeilenende letztes = LetztesZeilenende::SchliesstZeile);
// Every kind of line break (LF, CR, CR LF, U+2028, U+2029) as CR LF.
QString ZeilenumbruecheVereinheitlichen(const QString& text);
// A typed, pasted or dropped text as a text field takes it: every kind of line
// break becomes umbruch, every other control character (a tab too) goes, and
// what Windows-1252 cannot hold becomes "?".
QString EingabeBereinigen(const QString& text, QStringView umbruch);

// --- Case -------------------------------------------------------------------
QChar GrossBuchstabe(QChar c);
QChar KleinBuchstabe(QChar c);
QString UCase(const QString& s);
QString LCase(const QString& s);
bool GleichOhneFall(const QString& a, const QString& b);
// <0, 0, >0 by the one-to-one case mapping, then by character code.
int VergleichOhneFall(const QString& a, const QString& b);

// --- The classic string runtime (1-based positions, counting characters) ----
QString Left(const QString& s, qsizetype n);
QString Right(const QString& s, qsizetype n);
// Mid(s, start) and Mid(s, start, laenge); start counts from 1.
QString Mid(const QString& s, qsizetype start, qsizetype laenge = -1);
// Position (from 1) of such in s at or after start, 0 when absent.
// An empty such gives start when start <= Len(s) + 1 ... as the classic runtime.
qsizetype InStr(qsizetype start, const QString& s, const QString& such, bool ohneFall = false);
qsizetype InStr(const QString& s, const QString& such, bool ohneFall = false);
qsizetype InStrRev(const QString& s, const QString& such);
QString LTrim(const QString& s);  // blanks only, as the classic runtime
QString RTrim(const QString& s);
QString Trim(const QString& s);
QString Space(qsizetype n);
QString Zeichenkette(qsizetype n, QChar c);

// --- Numbers ----------------------------------------------------------------
// The leading number of a text: blanks skipped, sign, digits, "." decimals,
// optional exponent; no number reads 0. Never depends on the locale.
double Val(const QString& s);
// Rounds toward minus infinity.
double Int(double x);
// Rounds to the nearest whole number, halves to even (the classic CInt/CLng).
long long RundenGerade(double x);
// A number as the classic Str$/CStr wrote it for files: no locale, "." as point,
// no trailing zeros.
QString ZahlText(double x);
// A number for the user: German separators ("1.234", "3,1").
QString ZahlDeutsch(double x, int nachkommastellen = -1);

// --- Sorting ----------------------------------------------------------------
// German collation independent of the process locale: case-insensitive, ä with a,
// ß with ss; ties by character code. Sort keys are computed once per item.
int DeutschVergleichen(const QString& a, const QString& b);
// The stable order of the texts: the indexes of schluessel in sorted order.
std::vector<qsizetype> DeutscheReihenfolge(const QStringList& schluessel);
void DeutschSortieren(QStringList& liste);

}  // namespace kronel
