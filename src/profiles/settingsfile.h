#pragma once

#include "profiles/profile.h"

class FichierIni;

#include <QString>
#include <QStringList>

#include <functional>

// The settings file "Vendelair.ini": one section per profile
// ("Profile_" followed by its name) and "DernierProfile" in "General". Every operation
// reads the file afresh; every change replaces the file in one atomic write, under a lock
// that other running programs respect, so a refused write leaves the previous file whole
// and two programs saving at once lose nothing.
class SettingsFile
{
public:
    explicit SettingsFile(QString chemin) : m_chemin(std::move(chemin)) {}

    // Where the settings file lives for a program in dossierProgramme (ending with '/'):
    // beside it when that folder is writable or a writable "Vendelair.ini" stands there (a
    // program copied into a folder of its own); otherwise the user's own file
    // "vendelair/Vendelair.ini" in the standard configuration folder ($XDG_CONFIG_HOME),
    // which the first time starts as a copy of a read-only "Vendelair.ini" beside the
    // program when there is one. Nothing is written beside the program in that case.
    static QString emplacement(const QString &dossierProgramme);

    const QString &chemin() const { return m_chemin; }

    // Display names of the profiles in file order: every section whose name holds
    // "Profile_" (with this case), less its first "Profile_" (in any case).
    QStringList EnumererProfiles() const;
    // "PROFILE" when the key or the file is missing.
    QString LireDernierProfile() const;
    // Overwrites the profile from the section of that name: a text or choice field keeps
    // its value when its key is missing (a choice also when the value is not a number),
    // a memo is emptied first. A choice outside its list becomes -1, nothing chosen.
    Profile ChargerProfile(const QString &nom, const Profile &courant) const;

    // The writes return false when the file could not be replaced; erreur() then holds
    // the message for the user and the file on disk is unchanged.
    bool EcrireDernierProfile(const QString &nom);
    // Whether spelling is checked in the letter ("Orthographe" in "General", on when missing).
    bool LireOrthographe() const;
    bool EcrireOrthographe(bool active);
    // Writes the 21 fields under the profile's own EdProfileName, then names it in
    // "DernierProfile"; keys of the section beyond the 21 are kept.
    bool SauverProfile(const Profile &profil);
    bool SupprimerProfile(const QString &nom);

    QString erreur() const { return m_erreur; }
    // "Impossible d'écrire dans …", followed by the cause when there is one.
    static QString messageErreurEcriture(const QString &chemin, const QString &raison = QString());

private:
    bool modifier(const std::function<bool(FichierIni &)> &changer);

    QString m_chemin;
    QString m_erreur;
};
