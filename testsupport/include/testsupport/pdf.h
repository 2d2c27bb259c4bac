#pragma once
// The text of the PDF files the printer surface writes, through pdftotext.

#include <QString>

#include <optional>

namespace kronel::test {

// Whether pdftotext is installed.
bool PdfTextLesbar();
// The text of a PDF as pdftotext reads it, in UTF-8; pages end with a form feed.
// No value without pdftotext, an empty text when it did not finish.
std::optional<QString> PdfText(const QString& pfad);

}  // namespace kronel::test

// Skips the test where pdftotext is missing.
#define KRONEL_PDFTOTEXT_NOETIG()           \
    if (!::kronel::test::PdfTextLesbar()) { \
        GTEST_SKIP() << "pdftotext fehlt";  \
    }
