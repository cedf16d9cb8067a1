#include "letter/casse.h"

namespace {

QChar minusculeAscii(QChar c)
{
    return (c >= u'A' && c <= u'Z') ? QChar(c.unicode() + 32) : c;
}

QChar majusculeAscii(QChar c)
{
    return (c >= u'a' && c <= u'z') ? QChar(c.unicode() - 32) : c;
}

QString transformer(QString texte, QChar (*f)(QChar), qsizetype debut = 0)
{
    for (qsizetype i = debut; i < texte.size(); ++i)
        texte[i] = f(texte.at(i));
    return texte;
}

} // namespace

QString ChangerCasse(const QString &texte, int mode, bool retirerPoint)
{
    if (texte.isEmpty())
        return texte;
    QString r = texte;
    switch (mode) {
    case 0:
        r[0] = majusculeAscii(r.at(0));
        break;
    case 1:
        r[0] = minusculeAscii(r.at(0));
        break;
    case 2:
        r = transformer(r, minusculeAscii, 1);
        r[0] = majusculeAscii(r.at(0));
        break;
    case 3:
        r = transformer(r, minusculeAscii);
        break;
    case 4:
        r = transformer(r, majusculeAscii);
        break;
    default:
        break;
    }
    if (retirerPoint && r.endsWith(u'.'))
        r.chop(1);
    return r;
}

bool CommenceParVoyelle(const QString &mot)
{
    if (mot.isEmpty())
        return false;
    static const QString voyelles = QStringLiteral("aeiouyàéèêëùôîh");
    return voyelles.contains(minusculeAscii(mot.at(0)));
}
