#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// The letter as a PDF file: A4 portrait, the text inside 24 mm margins on every side, page
// after page as the printer lays it out, selectable text with its fonts embedded, the
// title and the author in the document's information.
QByteArray LettreEnPdf(const QTextDocument &lettre, const QString &titre, const QString &auteur);

// Writes it to a path, replacing any file there only once it is whole. On failure the file
// is left as it was and *erreur says why, in French.
bool EnregistrerPdf(const QTextDocument &lettre, const QString &chemin, const QString &titre, const QString &auteur,
                    QString *erreur = nullptr);
