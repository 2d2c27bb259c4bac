#pragma once
// The options of the settings dialog as plain values: read from and written to
// the section Kronel of RIVIROR.INI in the dialog's order, the station names, the
// city table and the help ids of its tabs. The dialog only shows them.

#include <QString>
#include <QStringList>

#include <utility>

namespace kronel {

struct SetupWerte {
    // Terminausgabe
    bool AusgabeNurEinmal = true;
    bool Sound = true;
    QString SoundFile;
    bool ZufallsTermine = false;
    QString ZufallsTermineFile;
    QString TerminAutoPrint2;
    int Lieblingsausdruck = 1;  // 0 "Liste", 1 "Monatsblatt"
    bool KronelAusBeiNix = false;
    // Termineingabe
    bool Neu2MonBlatt = true;
    bool SpeicherAlleGeloeschten = false;
    bool BestaetigeLoeschen = true;
    // Vorgaben
    QString Tagefrueher;
    QString Tagespaeter;
    // Sonne, Mond und...
    bool Sonnenzeit = true;
    bool Mondphase = true;
    bool MESZ = true;
    QString NordBreite;
    QString Ostlaenge;
    bool operator==(const SetupWerte&) const = default;
};

// Every option with the dialog's defaults; a check box ticks when the leading
// number of its text is not 0, any favourite other than 0 is the sheet.
SetupWerte SetupLesen();
// Writes every option, check boxes as "1"/"0", and marks an old Zeitzone key
// as no longer used.
void SetupSchreiben(const SetupWerte& w);

// The fixed choices of "Automatischer Ausdruck wenn" and of the favourite printout.
QStringList AutoPrintVorgaben();
QStringList LieblingsausdruckListe();

// The station a typed text names: its first seven characters in lower case,
// trimmed, the first upper case; "|" is dropped, as the stored list is joined by it.
QString StationsName(const QString& text);
// Adds the name unless an entry equals it without regard to case; false when the
// list stays as it is (an empty name too).
bool StationHinzufuegen(QStringList& stationen, const QString& text);
// Removes the last entry equal to the name without regard to case.
bool StationEntfernen(QStringList& stationen, const QString& text);

// "Benutzer&name...": asks for a name proposing the current one; the first seven
// characters of a non-empty answer go to [Allgemein] User at once.
void BenutzernameAendern();

// The city list: name, 50 blanks, latitude, a blank and the longitude in five
// places, so the last eleven characters are the place.
QStringList StadtListe();
// Latitude and longitude of an entry, without their leading blanks.
std::pair<QString, QString> StadtPosition(const QString& eintrag);

// The help id of a tab (0 to 4); 0 for any other index.
int SetupHilfeId(int tab);

}  // namespace kronel
