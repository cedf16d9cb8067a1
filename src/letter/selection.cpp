#include "letter/selection.h"

#include "letter/champs.h"
#include "platform/cp1252.h"
#include "platform/fichierini.h"

#include <QFile>
#include <QRegularExpression>

namespace {

enum class Filtre { Aucun, Garder, Retirer };

// What each key does for these answers, in the order the keys are read.
QList<std::pair<const char *, Filtre>> filtres(const ReponsesSelection &r)
{
    const auto selon = [](bool garder) { return garder ? Filtre::Garder : Filtre::Retirer; };
    const int c = r.precedentContact;
    return {
        {"CandidatureSpontanee", selon(r.typeCandidature == 0 || r.typeCandidature == 2)},
        {"ServiceConnu", selon(r.serviceConnu)},
        {"PrecedentContact", selon(c >= 1 && c <= 4)},
        {"PrecedentStage", selon(c == 5)},
        {"PrecedentTravail", selon(c == 6)},
        {"Recommandations", selon(c == 7)},
        {"PrecedentesMissions", r.precedentesMissions ? Filtre::Aucun : Filtre::Retirer},
        {"RechercheStage", (r.typeMission == 2 || r.typeMission == 4) ? Filtre::Garder : Filtre::Aucun},
        {"SocieteInternationale", r.tailleEntreprise == 2 ? Filtre::Garder : Filtre::Aucun},
        {"SocieteNationale", r.tailleEntreprise == 1 ? Filtre::Garder : Filtre::Aucun},
        {"PetiteEntreprise", r.tailleEntreprise == 0 ? Filtre::Garder : Filtre::Aucun},
    };
}

} // namespace

QStringList ConstruireListeCandidats(const QString &catalogue, const ReponsesSelection &reponses,
                                     const EtapesSelection &etapes)
{
    const auto pas = [&etapes] {
        if (etapes.progression)
            etapes.progression();
    };
    pas();
    QStringList liste;
    const FichierIni ini = FichierIni::lire(catalogue);
    const int nombre = ini.lireEntier(QStringLiteral("GENERAL"), QStringLiteral("NombreDeTemplates"), 0);
    for (int n = 1; n <= nombre; ++n)
        liste << QString::number(n);
    pas();
    for (const auto &[cle, filtre] : filtres(reponses)) {
        const QString valeur = ini.lireChaine(QStringLiteral("TEXTES"), QString::fromLatin1(cle), QString());
        if (valeur != QLatin1String("TOUS")) {
            if (filtre == Filtre::Garder)
                GarderTemplates(valeur, liste, etapes.pomper);
            else if (filtre == Filtre::Retirer)
                RetirerTemplates(valeur, liste, etapes.pomper);
        }
        pas();
    }
    return liste;
}

std::optional<FichierTemplate> LireTemplate(const QString &chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray octets = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    static const QRegularExpression finDeLigne(QStringLiteral("\r\n|\r|\n"));
    FichierTemplate t;
    t.lignes = Cp1252::decoder(octets).split(finDeLigne);
    if (!t.lignes.isEmpty() && t.lignes.last().isEmpty())
        t.lignes.removeLast(); // the line end of the last line starts no new line
    QStringList pleines = t.lignes;
    pleines.removeAll(QString());
    t.texte = pleines.join(u' ');
    return t;
}
