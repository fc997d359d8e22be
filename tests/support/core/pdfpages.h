#pragma once

#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

// A page of a PDF file as poppler-utils read it back.
struct PdfPage
{
    QSizeF sizeMM; // the page's media box, in millimetres
    QString text; // pdftotext's text of the page
};

// The pages of a PDF file, in order (pdfinfo for the sizes, pdftotext for
// the texts). Empty when the file is missing or not a PDF file.
QList<PdfPage> readPdfPages(const QString &path);

// A word of a PDF page with its box in millimetres from the sheet's corner.
struct PdfWord
{
    QString text;
    double left;
    double top;
    double right;
    double bottom;
};

struct PdfWordsPage
{
    double width; // mm
    double height;
    QList<PdfWord> words;
};

// The pages of a PDF file with their words (pdftotext -bbox). pdftotext
// splits a word where the font changes (digits in the Latin face between
// Chinese characters); pieces that touch on one line are joined again.
QList<PdfWordsPage> pdfWords(const QString &path);

// A field of a PDF file's document information as pdfinfo shows it
// ("Title", "Creator"); empty when it has none.
QString pdfInfo(const QString &path, const QString &field);

// The lines of a text that are not blank, each with its spaces simplified.
QStringList lines(const QString &text);

// Whether two sizes in millimetres agree to half a millimetre (a PDF file
// gives its page sizes in whole points).
bool sameSizeMM(const QSizeF &a, const QSizeF &b);
