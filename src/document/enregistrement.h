#pragma once

#include <QString>

class QTextDocument;

// The three formats a letter is saved in.
enum class FormatFichier { Pdf, Rtf, Odt };

// The format a path names by its extension (".pdf", ".rtf", ".odt", in any case), or
// parDefaut when it names none of them.
FormatFichier FormatDuChemin(const QString &chemin, FormatFichier parDefaut);
// "pdf", "rtf", "odt".
QString ExtensionDe(FormatFichier format);

// Writes the letter in the format, through a file replaced only once it is whole. The PDF
// takes the title and the author. On failure *erreur says why, in French.
bool EnregistrerDocument(const QTextDocument &lettre, const QString &chemin, FormatFichier format,
                         const QString &titre, const QString &auteur, QString *erreur = nullptr);
