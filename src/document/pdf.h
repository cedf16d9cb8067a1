#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// The letter as a PDF file: A4 portrait, the text inside 24 mm margins on every side, page
// after page as the printer lays it out, selectable text with its fonts embedded, the
// title and the author in the document's information. Empty when the layout failed.
QByteArray LettreEnPdf(const QTextDocument &lettre, const QString &titre, const QString &auteur);
