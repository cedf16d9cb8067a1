#include "letter/corpus.h"

#include "platform/ecriture.h"
#include "platform/systeme.h"

#include <QDir>
#include <QFile>

#include <filesystem>

int NombreDeTemplatesInstalles(int paragraphe)
{
    switch (paragraphe) {
    case 1:
        return 184;
    case 2:
        return 144;
    case 4:
        return 178;
    case 5:
        return 10;
    default:
        return 0;
    }
}

void ExtraireRessource(const QString &item, const QString &fichier, const std::function<void()> &progression)
{
    const std::optional<QByteArray> octets = RessourceEmbarquee(item);
    if (!octets)
        throw ErreurCorpus(QStringLiteral("Le texte « %1 » manque au programme.").arg(item));
    // Created only when nothing stands at that name (not even a link): a file already there
    // is used as it is. A write that fails leaves no half file behind.
    CreerFichierExclusif(fichier, *octets);
    if (progression)
        progression();
}

namespace {

// Makes the folder when missing and enters it; something else at that name (a link
// above all) is never entered.
void entrer(const QString &dossier)
{
    QString raison;
    if (!CreerDossierPrive(dossier, &raison))
        throw ErreurCorpus(QStringLiteral("Impossible de créer le dossier %1 : %2.")
                               .arg(QDir::toNativeSeparators(dossier), raison));
    if (!QDir::setCurrent(dossier))
        throw ErreurCorpus(QStringLiteral("Impossible d'ouvrir le dossier %1").arg(QDir::toNativeSeparators(dossier)));
}

} // namespace

void InstallerCorpus(const QString &dossierTravail, const std::function<void()> &progression)
{
    const QString w = dossierTravail.endsWith(u'/') ? dossierTravail : dossierTravail + u'/';
    if (!QDir::setCurrent(w))
        throw ErreurCorpus(QStringLiteral("Impossible d'ouvrir le dossier %1").arg(QDir::toNativeSeparators(w)));
    const QString textes = w + QStringLiteral("Textes");
    entrer(textes);
    for (int n : {1, 2, 4, 5})
        ExtraireRessource(QStringLiteral("Paragraphe%1").arg(n), QStringLiteral("Paragraphe%1.ini").arg(n),
                          progression);
    for (int n = 1; n <= 5; ++n) {
        entrer(textes + QStringLiteral("/Paragraphe%1").arg(n));
        for (int k = 1; k <= NombreDeTemplatesInstalles(n); ++k)
            ExtraireRessource(QStringLiteral("%1_%2").arg(n).arg(k), QStringLiteral("%1.txt").arg(k), progression);
    }
    QDir::setCurrent(w);
}

bool SupprimerDossier(const QString &chemin)
{
    if (chemin.isEmpty())
        return false;
    std::error_code erreur;
    const std::filesystem::path p(QFile::encodeName(chemin).toStdString());
    // remove_all deletes a link itself, never what it points to.
    std::filesystem::remove_all(p, erreur);
    return !erreur && !std::filesystem::exists(std::filesystem::symlink_status(p));
}
