#pragma once

#include <QList>
#include <QSizeF>
#include <QString>

// A page of a PDF file as poppler-utils read it back.
struct PdfPage
{
    QSizeF sizeMM; // the page's media box, in millimetres
    QString text; // pdftotext's text of the page
};

// The pages of a PDF file, in order (pdfinfo for the sizes, pdftotext for
// the texts). Empty when the file is missing or not a PDF file.
QList<PdfPage> readPdfPages(const QString &path);

// Whether two sizes in millimetres agree to half a millimetre (a PDF file
// gives its page sizes in whole points).
bool sameSizeMM(const QSizeF &a, const QSizeF &b);
