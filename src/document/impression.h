#pragma once

#include <QRect>
#include <QString>

class QPagedPaintDevice;
class QPrinter;
class QTextDocument;

// Prints the whole letter on a printer whose job is open or about to open: the document
// name given, the text laid out inside the page rectangle (printer pixels, in the
// printable area's coordinates) page after page, black on white. False when the printer
// refuses the job.
bool ImprimerDocument(const QTextDocument &lettre, QPrinter &imprimante, const QString &nomDocument, const QRect &page);

// The same on any paged device (a printer, a PDF writer), without a document name.
bool DessinerPages(const QTextDocument &lettre, QPagedPaintDevice &appareil, const QRect &page);
