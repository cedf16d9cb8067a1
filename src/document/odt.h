#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// The letter as an OpenDocument text (ODT), written by Qt's own writer: the text, the
// faces and sizes, bold, italic, underline, colours, alignment and paragraph indents.
// Empty when the writer failed.
QByteArray LettreEnOdt(const QTextDocument &lettre);
