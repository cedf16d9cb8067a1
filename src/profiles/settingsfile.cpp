#include "profiles/settingsfile.h"

#include "platform/ecriture.h"
#include "platform/fichierini.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <cerrno>

namespace {

const QString General = QStringLiteral("General");
const QString CleDernierProfile = QStringLiteral("DernierProfile");
const QString Prefixe = QStringLiteral("Profile_");

} // namespace

QString SettingsFile::emplacement(const QString &dossierProgramme)
{
    const QString aCote = dossierProgramme + QStringLiteral("Vendelair.ini");
    const QFileInfo fichier(aCote);
    if (QFileInfo(dossierProgramme).isWritable() || (fichier.exists() && fichier.isWritable()))
        return aCote;
    const QString dossier =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/vendelair/");
    const QString personnel = dossier + QStringLiteral("Vendelair.ini");
    QDir().mkpath(dossier);
    if (!QFileInfo::exists(personnel) && fichier.exists()) {
        // The profiles that came with the program are where the user's will be. Should the
        // copy fail, the next start tries again: the file beside the program is untouched.
        QFile depart(aCote);
        if (depart.open(QIODevice::ReadOnly))
            EcrireFichierAtomique(personnel, depart.readAll());
    }
    return personnel;
}

// One change of the file, from reading it to replacing it, under a lock beside it, so that
// two running programs saving at once each keep the other's profiles. A file that exists
// but cannot be read is not replaced by a document that would lose what it holds.
// `changer` returns false when there is nothing to write.
bool SettingsFile::modifier(const std::function<bool(FichierIni &)> &changer)
{
    // A lock that cannot even be made (a folder closed to writing) is no reason to stop:
    // the write itself then fails and says why.
    QLockFile verrou(m_chemin + QStringLiteral(".lock"));
    verrou.setStaleLockTime(10000);
    if (!verrou.tryLock(10000) && verrou.error() == QLockFile::LockFailedError) {
        m_erreur = messageErreurEcriture(m_chemin, QStringLiteral("le fichier est occupé par un autre Vendelair"));
        return false;
    }
    if (QFileInfo(m_chemin).isDir()) {
        m_erreur = messageErreurEcriture(m_chemin, RaisonSysteme(EISDIR));
        return false;
    }
    bool lisible = false;
    FichierIni ini = FichierIni::lire(m_chemin, &lisible);
    if (!lisible) {
        m_erreur = messageErreurEcriture(m_chemin, QStringLiteral("le fichier ne peut pas être lu"));
        return false;
    }
    if (!changer(ini))
        return true;
    QString raison;
    if (ini.enregistrer(m_chemin, &raison))
        return true;
    m_erreur = messageErreurEcriture(m_chemin, raison);
    return false;
}

QString SettingsFile::messageErreurEcriture(const QString &chemin, const QString &raison)
{
    const QString message = QStringLiteral("Impossible d'écrire dans %1").arg(chemin);
    return raison.isEmpty() ? message : message + QStringLiteral(" : ") + raison;
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
    return modifier([&nom](FichierIni &ini) {
        ini.ecrireChaine(General, CleDernierProfile, nom);
        return true;
    });
}

bool SettingsFile::LireOrthographe() const
{
    return FichierIni::lire(m_chemin).lireChaine(General, QStringLiteral("Orthographe"), QStringLiteral("1"))
           != QLatin1String("0");
}

bool SettingsFile::EcrireOrthographe(bool active)
{
    return modifier([active](FichierIni &ini) {
        ini.ecrireChaine(General, QStringLiteral("Orthographe"), active ? QStringLiteral("1") : QStringLiteral("0"));
        return true;
    });
}

bool SettingsFile::SauverProfile(const Profile &profil)
{
    return modifier([&profil](FichierIni &ini) {
        const QString nom = profil.valeur("EdProfileName");
        const QString section = Prefixe + nom;
        for (const Profile::Champ &champ : Profile::champs())
            ini.ecrireChaine(section, QString::fromLatin1(champ.cle), profil.valeur(champ.cle));
        ini.ecrireChaine(General, CleDernierProfile, nom);
        return true;
    });
}

bool SettingsFile::SupprimerProfile(const QString &nom)
{
    return modifier([&nom](FichierIni &ini) {
        if (!ini.contientSection(Prefixe + nom))
            return false; // nothing to erase: the file is left as it is
        ini.effacerSection(Prefixe + nom);
        return true;
    });
}
