#include "letter/experiences.h"

#include "letter/casse.h"
#include "profiles/profile.h"

const std::array<const char *, 7> &Experiences::cles()
{
    static const std::array<const char *, 7> c{"MemoFormation1",    "MemoFormation2",   "MemoPrecMissions1",
                                               "MemoPrecMissions2", "MemoPrecMissions3", "MemoActMissions1",
                                               "MemoActMissions2"};
    return c;
}

Experiences Experiences::duProfil(const Profile &profil)
{
    Experiences e;
    for (int i = 0; i < 7; ++i)
        e.memos[i] = profil.valeur(cles()[i]);
    return e;
}

QStringList Experiences::liste() const
{
    QStringList items;
    for (const QString &memo : memos)
        if (!memo.section(u'\n', 0, 0).isEmpty())
            items.append(formeNormale(memo));
    return items;
}

Experiences::Categorie Experiences::categorieDuMemo(int index)
{
    return index < 2 ? Etudes : index < 5 ? PrecedentesMissions : TravailActuel;
}

QString Experiences::formeNormale(const QString &memo)
{
    return ChangerCasse(memo, 1, true);
}

Experiences::Categorie Experiences::categorie(const QString &choix) const
{
    if (choix.isEmpty())
        return Aucune; // the empty entry of the second list: no experience at all
    for (int i = 0; i < 7; ++i)
        if (formeNormale(memos[i]) == choix)
            return categorieDuMemo(i);
    return Aucune;
}

QString Experiences::introduction(Categorie c)
{
    switch (c) {
    case Etudes:
        return QStringLiteral("Durant mes études, ");
    case PrecedentesMissions:
        return QStringLiteral("Au cours de mes précédentes missions, ");
    case TravailActuel:
        return QStringLiteral("En ce moment, ");
    default:
        return QString();
    }
}

QString Experiences::rappel(Categorie c)
{
    switch (c) {
    case Etudes:
        return QStringLiteral("mes études");
    case PrecedentesMissions:
        return QStringLiteral("mes précédentes missions");
    case TravailActuel:
        return QStringLiteral("mon travail actuel");
    default:
        return QString();
    }
}
