#include "profiles/profile.h"

#include <QByteArray>
#include <QDate>

#include <algorithm>
#include <cstring>

const std::array<Profile::Champ, Profile::NombreDeChamps> &Profile::champs()
{
    static const std::array<Champ, NombreDeChamps> liste{{
        {"EdPrenom", Genre::Texte},
        {"EdNom", Genre::Texte},
        {"CombTitre", Genre::Choix},
        {"EdAdresse", Genre::Texte},
        {"EdCodePostal", Genre::Texte},
        {"EdVille", Genre::Texte},
        {"EdTelephone", Genre::Texte},
        {"EdMail", Genre::Texte},
        {"CombStatutActuel", Genre::Choix},
        {"CombMoisDispo", Genre::Choix},
        {"CombAnneeDispo", Genre::Choix},
        {"CombTypeMission", Genre::Choix},
        {"MemoProfilActuel", Genre::Memo},
        {"MemoFormation1", Genre::Memo},
        {"MemoPrecMissions1", Genre::Memo},
        {"MemoPrecMissions2", Genre::Memo},
        {"MemoPrecMissions3", Genre::Memo},
        {"MemoActMissions1", Genre::Memo},
        {"MemoFormation2", Genre::Memo},
        {"MemoActMissions2", Genre::Memo},
        {"EdProfileName", Genre::Texte},
    }};
    return liste;
}

const QStringList &Profile::itemsTitre()
{
    static const QStringList l{QStringLiteral("Mr."), QStringLiteral("Mme."), QStringLiteral("Mlle.")};
    return l;
}

const QStringList &Profile::itemsStatutActuel()
{
    static const QStringList l{QStringLiteral("Etudiant(e)"), QStringLiteral("Stagiaire en fin d'étude"),
                               QStringLiteral("Sans emploi"), QStringLiteral("en CDD"),
                               QStringLiteral("en CDI"), QStringLiteral("en Intérim")};
    return l;
}

const QStringList &Profile::itemsMoisDispo()
{
    static const QStringList l{QStringLiteral("Janvier"), QStringLiteral("Février"), QStringLiteral("Mars"),
                               QStringLiteral("Avril"), QStringLiteral("Mai"), QStringLiteral("Juin"),
                               QStringLiteral("Juillet"), QStringLiteral("Août"), QStringLiteral("Septembre"),
                               QStringLiteral("Octobre"), QStringLiteral("Novembre"), QStringLiteral("Décembre")};
    return l;
}

const QStringList &Profile::itemsAnneeDispo()
{
    static const QStringList l = [] {
        QStringList annees;
        // Index 0 stays 2007, as stored profiles count from it; the list reaches five years
        // past the current one, so any start a user could plan is there.
        const int derniere = std::max(2020, QDate::currentDate().year() + 5);
        for (int a = 2007; a <= derniere; ++a)
            annees << QString::number(a);
        return annees;
    }();
    return l;
}

const QStringList &Profile::itemsTypeMission()
{
    static const QStringList l{QStringLiteral("un emploi"), QStringLiteral("une mission d'intérim"),
                               QStringLiteral("un stage"), QStringLiteral("un travail d'été"),
                               QStringLiteral("une formation en alternance")};
    return l;
}

const QStringList &Profile::verbesTypeMission()
{
    static const QStringList l{QStringLiteral("travailler"), QStringLiteral("effectuer une mission d'intérim"),
                               QStringLiteral("effectuer un stage"), QStringLiteral("travailler"),
                               QStringLiteral("effectuer une formation en alternance")};
    return l;
}

const QStringList &Profile::nomsTypeMission()
{
    static const QStringList l{QStringLiteral("d'emploi"), QStringLiteral("de mission d'intérim"),
                               QStringLiteral("de stage"), QStringLiteral("de travail d'été"),
                               QStringLiteral("de formation en alternance")};
    return l;
}

const QStringList &Profile::itemsDuChoix(const char *cle)
{
    static const QStringList aucun;
    if (!std::strcmp(cle, "CombTitre"))
        return itemsTitre();
    if (!std::strcmp(cle, "CombStatutActuel"))
        return itemsStatutActuel();
    if (!std::strcmp(cle, "CombMoisDispo"))
        return itemsMoisDispo();
    if (!std::strcmp(cle, "CombAnneeDispo"))
        return itemsAnneeDispo();
    if (!std::strcmp(cle, "CombTypeMission"))
        return itemsTypeMission();
    return aucun;
}

int Profile::position(const char *cle)
{
    const auto &liste = champs();
    for (int i = 0; i < NombreDeChamps; ++i)
        if (!std::strcmp(liste[i].cle, cle))
            return i;
    Q_ASSERT_X(false, "Profile", cle);
    return 0;
}

QString Profile::valeur(const char *cle) const
{
    const int i = position(cle);
    return champs()[i].genre == Genre::Choix ? QString::number(indexes[i]) : textes[i];
}

void Profile::definir(const char *cle, const QString &valeur)
{
    textes[position(cle)] = valeur;
}

int Profile::choix(const char *cle) const
{
    return indexes[position(cle)];
}

void Profile::definirChoix(const char *cle, int index)
{
    indexes[position(cle)] = index;
}

void Profile::remplirExemple()
{
    definir("EdPrenom", QStringLiteral("Hugo"));
    definir("EdNom", QStringLiteral("Ferrand"));
    definir("EdAdresse", QStringLiteral("15 rue de la République"));
    definir("EdCodePostal", QStringLiteral("13000"));
    definir("EdVille", QStringLiteral("Marseille"));
    definir("EdTelephone", QStringLiteral("06 12 34 56 78"));
    definir("EdMail", QStringLiteral("hugo.ferrand@gmail.com"));
    definirChoix("CombStatutActuel", 4);
    definir("MemoProfilActuel", QStringLiteral("assistant marketing chez PEUGEOT"));
    for (const Champ &c : champs())
        if (c.genre == Genre::Memo && QByteArray(c.cle) != "MemoProfilActuel")
            definir(c.cle, QString());
    definir("MemoFormation1",
            QStringLiteral("j'ai appris à effectuer des études de marché, à synthétiser des données concurrentielles "
                           "et à en déduire un plan d'action marketing"));
    definir("MemoPrecMissions1",
            QStringLiteral("j'ai eu l'occasion d'organiser des campagnes publicitaires à grande échelle et "
                           "d'effectuer une analyse complète des retours pour déterminer les points forts du produit "
                           "et rediriger la stratégie commerciale si nécessaire"));
    definir("MemoActMissions1",
            QStringLiteral("j'effectue, en plus des tâches d'assistanat quotidiennes, le suivi commercial et "
                           "administratif des dossiers clients, le suivi du planning de la Direction et la "
                           "préparation des réunions"));
    definir("EdProfileName", QStringLiteral("Profil Exemple"));
}
