#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the 8-bit encoding of the settings file, the template corpus and RTF.
// Qt 6 has no codec of its own for it; this one is a table, so it behaves the same
// everywhere and says exactly which characters it cannot hold.
namespace Cp1252 {

// Every byte decodes: the five bytes Windows leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become the control character of the same value, as Windows itself does.
QString decoder(const QByteArray &octets);

// True when every character of the text has a Windows-1252 byte.
bool peutEncoder(const QString &texte);

// The byte of one character, or -1 when Windows-1252 has none for it.
int octetDe(char16_t c);

// Encodes the text; characters without a byte become '?' and *complet (if given)
// becomes false. Callers that must not lose anything check peutEncoder() first.
QByteArray encoder(const QString &texte, bool *complet = nullptr);

} // namespace Cp1252
