#pragma once

// What the corpus tests share: the items as the program carries them, and the text a
// letter receives from a template file.

#include "platform/cp1252.h"
#include "platform/systeme.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace CorpusTest {

inline int nombreDeTextes(int paragraphe)
{
    switch (paragraphe) {
    case 1: return 184;
    case 2: return 144;
    case 4: return 178;
    default: return 10;
    }
}

inline QByteArray item(int paragraphe, int numero)
{
    return RessourceEmbarquee(QStringLiteral("%1_%2").arg(paragraphe).arg(numero)).value_or(QByteArray());
}

// A template's text: its non-empty lines joined by one blank.
inline QString texte(const QByteArray &octets)
{
    QStringList lignes = Cp1252::decoder(octets).split(u'\n');
    lignes.removeAll(QString());
    return lignes.join(u' ');
}

inline bool paragraphePresent(int paragraphe)
{
    return RessourceEmbarquee(QStringLiteral("%1_1").arg(paragraphe)).has_value();
}

} // namespace CorpusTest
