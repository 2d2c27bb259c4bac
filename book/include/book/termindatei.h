#pragma once
// The data file Kronel.PlD: a header "..Kronelin " + version, then one record per
// line; Windows-1252 with CR LF. Reading and writing its bytes, without any file
// access, so every program and the fuzzer use the same reader.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace kronel {

enum class Dateiart {
    Aktuell,     // records of the current layout
    KeineDaten,  // a version that holds nothing to read
    Dos,         // data of the old DOS program: refused
    Alt,         // the older fixed-column layout: converted
};

// The version number of a header in tenths (v * 10), from the four characters
// at column 12 read as a number, times 100: "8.01" gives 8010, "3.49" 3490.
// Whole numbers in tenths keep 3.99 from turning into 399.00000000000006.
long long VersionsZehntel(const QString& kopf);
Dateiart DateiartVon(long long versionsZehntel);

struct Dateiinhalt {
    Dateiart art = Dateiart::Aktuell;
    long long versionsZehntel = 0;
    QStringList termine;
    // Lines that could not be read, byte for byte: they go to Kronel.Rest.
    QList<QByteArray> rest;
    // Messages of the old layout: one per line without a valid date.
    QStringList ungueltigeAlte;
    qsizetype aufgefuellt = 0;  // short lines with a valid date, padded
    qsizetype leer = 0;         // empty lines skipped
    bool kopfFehlt = false;     // an empty file
    bool kopfUnlesbar = false;  // no ".." at the start: the header line is in the rest
    // More than the header on its first line (a lost line break): what follows
    // it is the first record when it reads as one, else in the rest.
    bool kopfZuLang = false;
    bool kopfTermin = false;  // and it was taken as the first record
    // Records holding characters that the file cannot store (a line of a UTF-8
    // editor): a save turns them into "?".
    qsizetype nichtSpeicherbar = 0;
    // Not every line of the file made it into the book or into the rest.
    bool unvollstaendig = false;
};

// One line of the current layout checked: the record, or empty when the line
// cannot be read. A line too short for the fixed fields but with a valid date key
// is padded.
QString ZeilePruefen(const QString& zeile, bool* aufgefuellt = nullptr);

// What stands on the header line after the header ("..Kronelin " and the
// version number), without blanks around it: empty for a whole header.
QString NachDemKopf(const QString& kopf);
// What follows the header as one record: empty when it reads as none, or as
// more than one (every line break lost), or when the version holds no records
// of the current layout.
QString GeklebterTermin(const QString& kopf);

// Lines end with CR LF, LF or CR; a last line end gives no empty last line.
Dateiinhalt TermindateiLesen(const QByteArray& inhalt);

// A data file taken in pieces: its records one after the other, checked as
// TermindateiLesen checks them, without a list of them all, for a reader that
// keeps few of them. The text handed to je is used again for the next record;
// records are handed on only when the header is one of the current layout.
class TermineLesen {
public:
    explicit TermineLesen(std::function<void(const QString&)> je);
    ~TermineLesen();
    TermineLesen(const TermineLesen&) = delete;
    TermineLesen& operator=(const TermineLesen&) = delete;

    // The next bytes of the file, cut anywhere.
    void weiter(QByteArrayView stueck);
    // After the last piece: the version of the header (as VersionsZehntel), 0
    // for an empty file.
    long long ende();
    // After the end: the first line began with "..", as every header does.
    bool kopfGueltig() const;
    // After the end: text after the header that reads as no single record
    // (line breaks lost); none of it was handed on.
    bool kopfRestUngelesen() const;

private:
    struct Zustand;
    std::unique_ptr<Zustand> z_;
};

// The file of a book: header, then every record, each line with CR LF.
QByteArray TermindateiText(const QStringList& termine, const QString& versionText);

// The title of the messages about old files: "Kronel 3,48".
QString VersionsTitel(long long versionsZehntel);

// The conversion of one line of the older layout into a record. Empty when the
// line has no valid date; then meldung holds the text of the message.
QString AltenTerminUmsetzen(const QString& zeile, QString* meldung);

}  // namespace kronel
