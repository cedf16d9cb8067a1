#include "profiles/settingsfile.h"

#include "platform/fichierini.h"

namespace {

const QString General = QStringLiteral("General");
const QString CleDernierProfile = QStringLiteral("DernierProfile");
const QString Prefixe = QStringLiteral("Profile_");

} // namespace

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
    FichierIni ini = FichierIni::lire(m_chemin);
    ini.ecrireChaine(General, CleDernierProfile, nom);
    if (ini.enregistrer(m_chemin))
        return true;
    m_erreur = messageErreurEcriture(m_chemin);
    return false;
}

bool SettingsFile::SauverProfile(const Profile &profil)
{
    FichierIni ini = FichierIni::lire(m_chemin);
    const QString nom = profil.valeur("EdProfileName");
    const QString section = Prefixe + nom;
    for (const Profile::Champ &champ : Profile::champs())
        ini.ecrireChaine(section, QString::fromLatin1(champ.cle), profil.valeur(champ.cle));
    ini.ecrireChaine(General, CleDernierProfile, nom);
    if (ini.enregistrer(m_chemin))
        return true;
    m_erreur = messageErreurEcriture(m_chemin);
    return false;
}

bool SettingsFile::SupprimerProfile(const QString &nom)
{
    FichierIni ini = FichierIni::lire(m_chemin);
    if (!ini.contientSection(Prefixe + nom))
        return true; // nothing to erase: the file is left as it is
    ini.effacerSection(Prefixe + nom);
    if (ini.enregistrer(m_chemin))
        return true;
    m_erreur = messageErreurEcriture(m_chemin);
    return false;
}
