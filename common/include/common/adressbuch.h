#pragma once
// The address books of the separate address program: one file per book, named
// "<Buch>.dat" (any case) in the folder of the setting [Solmika] Dir of
// RIVIROR.INI; one address per line, its fields cut at tab characters and
// counted from 0. The planner only reads them.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <vector>

namespace kronel {

struct Adressbuch {
    QString Name;  // the base name, as the user picks the book
    QString Pfad;  // the file as it is spelled on disk
};

// The folder of the books as a path of this system: empty when the setting is
// missing or names a drive.
QString AdressbuchOrdner();
// The books of that folder in German order of their names; empty when there
// is no folder or it cannot be listed.
std::vector<Adressbuch> AdressbuecherSuchen();
std::vector<Adressbuch> AdressbuecherIn(const QString& ordner);

// For a window that found none of the books: which folder it searched and
// where that folder is set; empty when books were found.
QString AdressbuecherFehlenHinweis(const std::vector<Adressbuch>& gefunden);

// The fields of one address: fields 0 to anzahl - 1, each trimmed of blanks;
// a missing field reads empty, fields after the last are not cut.
class AdressFelder {
public:
    AdressFelder(QStringView zeile, int anzahl);
    QString feld(int i) const;

private:
    QStringList felder_;
};

// Hands each line of the book, as the first anzahl fields, to je; a line is
// read as UTF-8 when it is that, else as Windows-1252. False when the book
// cannot be read.
bool AdressbuchLesen(const QString& pfad, int anzahl,
                     const std::function<void(const AdressFelder&)>& je);

// The line the notes window offers: name, ", " and the first name when there
// is one, " - " and the telephone numbers (fields 7 and 12, joined by
// " oder " when both are filled); empty when the address has no number.
QString TelefonZeile(const AdressFelder& adresse);
// The telephone lines of a book in German order; empty when it cannot be read.
QStringList TelefonZeilen(const QString& pfad);

}  // namespace kronel
