#include "letter/casse.h"

QString ChangerCasse(const QString &texte, int mode, bool retirerPoint)
{
    if (texte.isEmpty())
        return texte;
    QString r = texte;
    switch (mode) {
    case 0:
        r[0] = r.at(0).toUpper();
        break;
    case 1:
        r[0] = r.at(0).toLower();
        break;
    case 2:
        r = r.at(0).toUpper() + r.mid(1).toLower();
        break;
    case 3:
        r = r.toLower();
        break;
    case 4:
        r = r.toUpper();
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
    static const QString voyelles = QStringLiteral("aeiouyàâéèêëîïôùûœæh");
    return voyelles.contains(mot.at(0).toLower());
}
