#pragma once
// The help pages, the advertising page and the web pages of the package.

#include <QString>

namespace kronel {

// The base address of the package's web pages (no trailing "/").
QString WebAdresse();

// The HTML page that stands for a help file name ("Kronel.hlp" -> "Kronel.html").
QString HilfeSeite(const QString& hilfedatei);
// The anchor of a context id on a help page ("kontext400"); 0: the contents.
QString HilfeAnker(int kontext);

// Shows the help page of a help file (found with DateiSuchen) at a context id,
// 0 for its contents. A missing page is reported in a box; false then.
bool HilfeZeigen(const QString& hilfedatei, int kontext = 0);
// Closes the help window (the quit command of the help viewer).
void HilfeBeenden();

// Shows the advertising page "werbung.html", or says that it is missing.
void WerbungZeigen();

// Opens the page of a keyword ("Home", "Kronel32Info"; any other keyword the
// home page) in the desktop's browser, after the question when it is due (every
// 60 days, Browser1stHTML2nd in [Fragen]); Cancel opens nothing.
void InternetSeiteAufrufen(const QString& schluesselwort);
// The full address that a keyword opens.
QString InternetSeite(const QString& schluesselwort);

}  // namespace kronel
