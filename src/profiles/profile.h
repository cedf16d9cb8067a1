#pragma once

#include <QString>
#include <QStringList>

#include <array>

// One profile: the 21 fields the profile editor shows, each stored in the settings file
// under the name of the control that shows it.
struct Profile
{
    enum class Genre { Texte, Choix, Memo };

    struct Champ
    {
        const char *cle;
        Genre genre;
    };

    // The keys in the order a new section is written.
    static constexpr int NombreDeChamps = 21;
    static const std::array<Champ, NombreDeChamps> &champs();

    // Items of the five choice lists, and the two hidden phrase lists of CombTypeMission.
    static const QStringList &itemsTitre();
    static const QStringList &itemsStatutActuel();
    static const QStringList &itemsMoisDispo();
    static const QStringList &itemsAnneeDispo();
    static const QStringList &itemsTypeMission();
    static const QStringList &verbesTypeMission(); // CombTypeMissionHidden
    static const QStringList &nomsTypeMission();   // CombTypeMissionHidden2
    static const QStringList &itemsDuChoix(const char *cle);

    // The example data of the profile editor's button: identity, address, the current
    // position and three experiences (MemoFormation1, MemoPrecMissions1, MemoActMissions1),
    // the other experiences emptied, "Profil Exemple" as name; of the lists only
    // CombStatutActuel is set, the others keep their choice.
    void remplirExemple();

    // A field by key: the text of a text or memo field, the index of a choice field in
    // decimal (-1 when no item is chosen).
    QString valeur(const char *cle) const;
    void definir(const char *cle, const QString &valeur);
    int choix(const char *cle) const;
    void definirChoix(const char *cle, int index);

    // Every text and memo empty, every choice on its first item.
    std::array<QString, NombreDeChamps> textes{};
    std::array<int, NombreDeChamps> indexes{};

    bool operator==(const Profile &) const = default;

private:
    static int position(const char *cle);
};
