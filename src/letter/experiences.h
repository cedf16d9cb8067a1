#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The seven experience fields of a profile, in the order they are compared and listed:
// two studies fields, three previous missions, two current missions.
struct Profile;

struct Experiences
{
    enum Categorie { Aucune = -1, Etudes = 0, PrecedentesMissions = 1, TravailActuel = 2 };

    // MemoFormation1, MemoFormation2, MemoPrecMissions1…3, MemoActMissions1, MemoActMissions2.
    std::array<QString, 7> memos;

    static const std::array<const char *, 7> &cles();
    static Experiences duProfil(const Profile &profil);
    static Categorie categorieDuMemo(int index);

    // The form a field is listed and recognised in: first letter lowered, one final full
    // stop dropped.
    static QString formeNormale(const QString &memo);
    // The experience lists' items: one per field whose first line is not empty, in normal form.
    QStringList liste() const;
    // The category of a chosen entry: that of the first field whose normal form equals it.
    Categorie categorie(const QString &choix) const;

    static QString introduction(Categorie c); // "Durant mes études, " …
    static QString rappel(Categorie c);       // "mes études" …
};
