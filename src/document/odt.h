#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// The letter as an OpenDocument text (ODT), written by Qt's own writer: the text, the
// faces and sizes, bold, italic, underline, colours, alignment and paragraph indents.
QByteArray LettreEnOdt(const QTextDocument &lettre);

// Writes it to a path, replacing any file there only once it is whole. On failure the file
// is left as it was and *erreur says why, in French.
bool EnregistrerOdt(const QTextDocument &lettre, const QString &chemin, QString *erreur = nullptr);
