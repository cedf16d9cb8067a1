#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// The letter as RTF, the way word processors read it: Windows-1252 text (\'hh beyond
// ASCII, \uN with '?' for what Windows-1252 cannot hold), one font table and one colour table,
// each paragraph with its alignment and its indents in twips, each run of text with its
// face, size, bold, italic, underline, strike-out and colour.
QByteArray LettreEnRtf(const QTextDocument &lettre);

// One piece of text escaped for RTF: braces and backslashes, tabs, line breaks inside a
// paragraph, non-breaking spaces and the characters beyond ASCII. Control characters go.
QByteArray TexteRtf(const QString &texte);

// Writes the letter as RTF to a path, replacing any file there only once the whole letter
// is written. On failure the file is left as it was and *erreur says why, in French.
bool EnregistrerRtf(const QTextDocument &lettre, const QString &chemin, QString *erreur = nullptr);
