#pragma once

// What the corpus tests share: the items as the program carries them, and the text a
// letter receives from a template file.

#include "platform/cp1252.h"
#include "platform/systeme.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QSet>
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

// The texts the letter keeps word for word: the examples every corpus starts from.
inline bool texteImpose(int paragraphe, int numero)
{
    return (paragraphe == 1 && numero == 1) || (paragraphe == 2 && numero == 1) || (paragraphe == 4 && numero <= 4)
        || (paragraphe == 5 && (numero == 1 || numero == 10));
}

// The content words of a text (nouns, verbs, adjectives, adverbs: everything but the small
// words of grammar), each reduced to a stem so that "prépare" and "préparé", "mission" and
// "missions" meet: case and accents dropped, a final s or x dropped, six letters kept.
// Placeholders are left out, gender alternatives read in the masculine.
inline QStringList motsDeContenu(QString texte)
{
    static const QSet<QString> grammaire = [] {
        const char *mots = "les des une aux ces cet cette cela ceci celui celle ceux celles qui que quoi dont "
                           "mais donc car pas plus moins tres bien aussi ainsi alors moi mon mes nous notre nos "
                           "vous votre vos elle ils elles lui leur leurs son ses tout tous toute toutes meme "
                           "autre autres tel telle dans par pour sur sous avec sans chez entre vers depuis pendant "
                           "durant lors avant apres comme puis deja encore toujours jamais ici afin quel quelle "
                           "quels quelles chaque plusieurs peu beaucoup trop tant etre suis sommes etes sont "
                           "serai serais serait serions seront ete etant etais etait avons avez ont aurai aurais "
                           "aurait ayant avoir pourrais pourrait pourrai pourrions pouvoir peux peut puisse "
                           "aujourd sein part avais avait avaient avions aviez etaient";
        QSet<QString> s;
        for (const QString &m : QString::fromLatin1(mots).split(u' '))
            s << m;
        return s;
    }();
    static const QRegularExpression marque(QStringLiteral("___[A-Za-z0-9_]+?___"));
    static const QRegularExpression alternative(QStringLiteral("\\[([^|\\]]*)\\|[^\\]]*\\]"));
    static const QRegularExpression separateur(QStringLiteral("[^\\p{L}]+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    texte.remove(marque);
    texte.replace(alternative, QStringLiteral("\\1"));
    QStringList radicaux;
    for (const QString &mot : texte.split(separateur, Qt::SkipEmptyParts)) {
        QString r;
        for (QChar c : mot.toLower().normalized(QString::NormalizationForm_D))
            if (c.category() != QChar::Mark_NonSpacing)
                r += c;
        if (r.size() <= 3 || grammaire.contains(r))
            continue;
        if (r.size() > 4 && (r.endsWith(u's') || r.endsWith(u'x')))
            r.chop(1);
        radicaux << r.left(6);
    }
    return radicaux;
}

} // namespace CorpusTest
