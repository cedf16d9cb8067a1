#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// The e-mail's recipient: obviously fictitious, the user types the real one.
inline constexpr char DestinataireCourriel[] = "destinataire@exemple.invalid";

class QTextDocument;

// The body of the e-mail: the letter's paragraphs, one line each, whatever the width of a
// window (the recipient's program wraps them); empty paragraphs are empty lines, a line
// break inside a paragraph stays one. The empty paragraph a document always ends with is
// not a line.
QStringList ParagraphesDeLaLettre(const QTextDocument &lettre);

// mailto: address with the placeholder recipient, the subject on one line and the body:
// each line followed by a line break (CR LF). Subject and body are UTF-8, percent-encoded,
// so "&", "#", "%", "?", "+" and accented letters reach the e-mail program as they are.
QUrl AdresseCourriel(const QString &sujet, const QStringList &lignes);

// Longest mailto: address handed over, in bytes.
constexpr qsizetype LongueurMaximaleCourriel = 100000;
