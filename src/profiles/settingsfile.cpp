#include "profiles/settingsfile.h"

#include "platform/fichierini.h"

namespace {

const QString General = QStringLiteral("General");
const QString CleDernierProfile = QStringLiteral("DernierProfile");
const QString Prefixe = QStringLiteral("Profile_");

} // namespace

// Reads the file before a change. A file that exists but cannot be read is not replaced
// by a document that would lose what it holds.
bool SettingsFile::ouvrirPourEcrire(FichierIni &ini)
{
    bool lisible = false;
    ini = FichierIni::lire(m_chemin, &lisible);
    if (!lisible)
        m_erreur = messageErreurEcriture(m_chemin);
    return lisible;
}

bool SettingsFile::enregistrer(const FichierIni &ini)
{
    if (ini.enregistrer(m_chemin))
        return true;
    m_erreur = messageErreurEcriture(m_chemin);
    return false;
}

QString SettingsFile::messageErreurEcriture(const QString &chemin)
{
    return QStringLiteral("Impossible d'écrire dans %1").arg(chemin);
}

QStringList SettingsFile::EnumererProfiles() const
{
    QStringList noms;
    for (QString section : FichierIni::lire(m_chemin).sections()) {
        if (!section.contains(Prefixe, Qt::CaseSensitive))
            continue;
        section.remove(section.indexOf(Prefixe, 0, Qt::CaseInsensitive), Prefixe.size());
        noms << section;
    }
    return noms;
}

QString SettingsFile::LireDernierProfile() const
{
    return FichierIni::lire(m_chemin).lireChaine(General, CleDernierProfile, QStringLiteral("PROFILE"));
}

Profile SettingsFile::ChargerProfile(const QString &nom, const Profile &courant) const
{
    const FichierIni ini = FichierIni::lire(m_chemin);
    const QString section = Prefixe + nom;
    Profile p = courant;
    for (const Profile::Champ &champ : Profile::champs()) {
        const QString cle = QString::fromLatin1(champ.cle);
        switch (champ.genre) {
        case Profile::Genre::Texte:
            p.definir(champ.cle, ini.lireChaine(section, cle, courant.valeur(champ.cle)));
            break;
        case Profile::Genre::Memo:
            p.definir(champ.cle, ini.lireChaine(section, cle, QString()));
            break;
        case Profile::Genre::Choix: {
            const int index = ini.lireEntier(section, cle, courant.choix(champ.cle));
            const bool dansLaListe = index >= 0 && index < Profile::itemsDuChoix(champ.cle).size();
            p.definirChoix(champ.cle, dansLaListe ? index : -1);
            break;
        }
        }
    }
    return p;
}

bool SettingsFile::EcrireDernierProfile(const QString &nom)
{
    FichierIni ini;
    if (!ouvrirPourEcrire(ini))
        return false;
    ini.ecrireChaine(General, CleDernierProfile, nom);
    return enregistrer(ini);
}

bool SettingsFile::SauverProfile(const Profile &profil)
{
    FichierIni ini;
    if (!ouvrirPourEcrire(ini))
        return false;
    const QString nom = profil.valeur("EdProfileName");
    const QString section = Prefixe + nom;
    for (const Profile::Champ &champ : Profile::champs())
        ini.ecrireChaine(section, QString::fromLatin1(champ.cle), profil.valeur(champ.cle));
    ini.ecrireChaine(General, CleDernierProfile, nom);
    return enregistrer(ini);
}

bool SettingsFile::SupprimerProfile(const QString &nom)
{
    FichierIni ini;
    if (!ouvrirPourEcrire(ini))
        return false;
    if (!ini.contientSection(Prefixe + nom))
        return true; // nothing to erase: the file is left as it is
    ini.effacerSection(Prefixe + nom);
    return enregistrer(ini);
}
