#include "letter/detailscandidature.h"

#include "letter/composition.h"

namespace DetailsCandidature {

const QStringList &typesCandidature()
{
    static const QStringList l{
        QStringLiteral("Candidature spontanée par courrier"),
        QStringLiteral("Réponse à l'offre XXXXXXXX par courrier"),
        QStringLiteral("Candidature spontanée par E-Mail"),
        QStringLiteral("Réponse à l'offre XXXXXXXX par E-Mail"),
    };
    return l;
}

const QStringList &taillesEntreprise()
{
    static const QStringList l{
        QStringLiteral("Petite entreprise"),
        QStringLiteral("Société nationale"),
        QStringLiteral("Société internationale"),
    };
    return l;
}

const QStringList &titresDestinataire()
{
    static const QStringList l{QStringLiteral("?"), QStringLiteral("Mr."), QStringLiteral("Mme."),
                               QStringLiteral("Mlle.")};
    return l;
}

const QStringList &contacts()
{
    static const QStringList l{
        QStringLiteral("Aucun"),
        QStringLiteral("Conversation téléphonique"),
        QStringLiteral("Echange de mails"),
        QStringLiteral("Rencontre au forum XXXXXX"),
        QStringLiteral("Rencontre au meeting XXXXXX"),
        QStringLiteral("Stage dans son service/entreprise"),
        QStringLiteral("Mission dans son service/entreprise"),
        QStringLiteral("Recommandation de M./Mme XXXXXX"),
    };
    return l;
}

const QStringList &phrasesContact()
{
    static const QStringList l{
        QStringLiteral("Aucun"),
        QStringLiteral("notre conversation téléphonique"),
        QStringLiteral("notre échange de courriels"),
        QStringLiteral("notre rencontre au forum XXXXXXXX"),
        QStringLiteral("notre rencontre au meeting XXXXXXXX"),
        QStringLiteral("mon précédent stage dans votre entreprise"),
        QStringLiteral("la précédente mission que j'ai réalisée dans votre entreprise"),
        QStringLiteral("recommandations de XXXXXX"),
    };
    return l;
}

const QStringList &secteurs()
{
    static const QStringList l{
        QStringLiteral("Achats"),
        QStringLiteral("Aéronautique"),
        QStringLiteral("Agriculture"),
        QStringLiteral("Analyses médicales"),
        QStringLiteral("Approvisionnement et transport"),
        QStringLiteral("Architecture"),
        QStringLiteral("Armée"),
        QStringLiteral("Assistance aux soins"),
        QStringLiteral("Assurances"),
        QStringLiteral("Banque"),
        QStringLiteral("Biotechnologies"),
        QStringLiteral("BTP"),
        QStringLiteral("Chirurgie"),
        QStringLiteral("Commerce"),
        QStringLiteral("Commerce électronique"),
        QStringLiteral("Communication"),
        QStringLiteral("Comptabilité"),
        QStringLiteral("Conseil"),
        QStringLiteral("Consulting"),
        QStringLiteral("Culture et Arts"),
        QStringLiteral("Développement logiciel"),
        QStringLiteral("Divertissement"),
        QStringLiteral("E-Business"),
        QStringLiteral("Economie"),
        QStringLiteral("Edition"),
        QStringLiteral("Education"),
        QStringLiteral("Electronique"),
        QStringLiteral("Encadrement"),
        QStringLiteral("Entretien des bâtiments"),
        QStringLiteral("Entretien des espaces verts"),
        QStringLiteral("Environnement"),
        QStringLiteral("Finance"),
        QStringLiteral("Génie logiciel"),
        QStringLiteral("Gestion de projet"),
        QStringLiteral("Gestion d'équipe"),
        QStringLiteral("Gestion des données médicales"),
        QStringLiteral("Grande distribution"),
        QStringLiteral("Hôtellerie"),
        QStringLiteral("Imagerie médicale"),
        QStringLiteral("Immobilier"),
        QStringLiteral("Industrie Automobile"),
        QStringLiteral("Industrie pétrolière"),
        QStringLiteral("Industrie pharmaceutique"),
        QStringLiteral("Industrie textile"),
        QStringLiteral("Informatique"),
        QStringLiteral("Ingénierie"),
        QStringLiteral("Intérim"),
        QStringLiteral("Internet"),
        QStringLiteral("Juridique"),
        QStringLiteral("Logistique"),
        QStringLiteral("Maintenance informatique"),
        QStringLiteral("Management"),
        QStringLiteral("Marketing"),
        QStringLiteral("Marketing et Communication"),
        QStringLiteral("Médecine"),
        QStringLiteral("Media"),
        QStringLiteral("Multimedia"),
        QStringLiteral("Nouvelles technologies"),
        QStringLiteral("Ophtalmologie"),
        QStringLiteral("PAO/CAO"),
        QStringLiteral("Pétrochimie"),
        QStringLiteral("Pharmacie"),
        QStringLiteral("Programmation"),
        QStringLiteral("Publicité"),
        QStringLiteral("Qualité"),
        QStringLiteral("Recherche et Analyses"),
        QStringLiteral("Recherche et Développement"),
        QStringLiteral("Recrutement"),
        QStringLiteral("Rééducation"),
        QStringLiteral("Réseaux de télécommunications"),
        QStringLiteral("Réseaux informatiques"),
        QStringLiteral("Ressources Humaines"),
        QStringLiteral("Restauration"),
        QStringLiteral("Santé"),
        QStringLiteral("Sécurité"),
        QStringLiteral("Service clientèle"),
        QStringLiteral("Service public"),
        QStringLiteral("Services administratifs"),
        QStringLiteral("Services en informatique"),
        QStringLiteral("Services financiers"),
        QStringLiteral("Services généraux"),
        QStringLiteral("Services vétérinaires"),
        QStringLiteral("Spectacle"),
        QStringLiteral("Sports"),
        QStringLiteral("Stratégie et Management"),
        QStringLiteral("Télécommunications"),
        QStringLiteral("Télémarketing"),
        QStringLiteral("Tourisme"),
        QStringLiteral("Transport"),
        QStringLiteral("Vente"),
        QStringLiteral("Vente à domicile"),
    };
    return l;
}

const QStringList &phrasesSecteur()
{
    static const QStringList l{
        QStringLiteral("des achats"),
        QStringLiteral("de l'aéronautique"),
        QStringLiteral("de l'agriculture"),
        QStringLiteral("des analyses médicales"),
        QStringLiteral("de l'approvisionnement et du transport"),
        QStringLiteral("de l'architecture"),
        QStringLiteral("de l'armée"),
        QStringLiteral("de l'assistance aux soins"),
        QStringLiteral("des assurances"),
        QStringLiteral("bancaire"),
        QStringLiteral("des biotechnologies"),
        QStringLiteral("du BTP"),
        QStringLiteral("de la chirurgie"),
        QStringLiteral("du commerce"),
        QStringLiteral("du commerce électronique"),
        QStringLiteral("de la communication"),
        QStringLiteral("de la comptabilité"),
        QStringLiteral("du conseil"),
        QStringLiteral("du consulting"),
        QStringLiteral("de la culture et des arts"),
        QStringLiteral("du développement logiciel"),
        QStringLiteral("du divertissement"),
        QStringLiteral("de l'e-business"),
        QStringLiteral("de l'économie"),
        QStringLiteral("de l'édition"),
        QStringLiteral("de l'éducation"),
        QStringLiteral("de l'électronique"),
        QStringLiteral("de l'encadrement"),
        QStringLiteral("de l'entretien des bâtiments"),
        QStringLiteral("de l'entretien des espaces verts"),
        QStringLiteral("de l'environnement"),
        QStringLiteral("de la finance"),
        QStringLiteral("du génie logiciel"),
        QStringLiteral("de la gestion de projet"),
        QStringLiteral("de la gestion d'équipe"),
        QStringLiteral("de la gestion des données médicales"),
        QStringLiteral("de la grande distribution"),
        QStringLiteral("de l'hôtellerie"),
        QStringLiteral("de l'imagerie médicale"),
        QStringLiteral("de l'immobilier"),
        QStringLiteral("de l'industrie automobile"),
        QStringLiteral("de l'industrie pétrolière"),
        QStringLiteral("de l'industrie pharmaceutique"),
        QStringLiteral("de l'industrie textile"),
        QStringLiteral("de l'informatique"),
        QStringLiteral("de l'ingénierie"),
        QStringLiteral("de l'intérim"),
        QStringLiteral("de l'Internet"),
        QStringLiteral("juridique"),
        QStringLiteral("de la logistique"),
        QStringLiteral("de la maintenance informatique"),
        QStringLiteral("du management"),
        QStringLiteral("du marketing"),
        QStringLiteral("du marketing et de la communication"),
        QStringLiteral("de la médecine"),
        QStringLiteral("des médias"),
        QStringLiteral("du multimédia"),
        QStringLiteral("des nouvelles technologies"),
        QStringLiteral("de l'ophtalmologie"),
        QStringLiteral("de la PAO/CAO"),
        QStringLiteral("de la pétrochimie"),
        QStringLiteral("pharmaceutique"),
        QStringLiteral("de la programmation"),
        QStringLiteral("de la publicité"),
        QStringLiteral("de la qualité"),
        QStringLiteral("de la recherche et des analyses"),
        QStringLiteral("de la recherche et du développement"),
        QStringLiteral("du recrutement"),
        QStringLiteral("de la rééducation"),
        QStringLiteral("des réseaux de télécommunications"),
        QStringLiteral("des réseaux informatiques"),
        QStringLiteral("des ressources humaines"),
        QStringLiteral("de la restauration"),
        QStringLiteral("de la santé"),
        QStringLiteral("de la sécurité"),
        QStringLiteral("du service clientèle"),
        QStringLiteral("des services publics"),
        QStringLiteral("des services administratifs"),
        QStringLiteral("des services en informatique"),
        QStringLiteral("des services financiers"),
        QStringLiteral("des services généraux"),
        QStringLiteral("des services vétérinaires"),
        QStringLiteral("du spectacle"),
        QStringLiteral("des sports"),
        QStringLiteral("de la stratégie et du management"),
        QStringLiteral("des télécommunications"),
        QStringLiteral("du télémarketing"),
        QStringLiteral("du tourisme"),
        QStringLiteral("du transport"),
        QStringLiteral("de la vente"),
        QStringLiteral("de la vente à domicile"),
    };
    return l;
}

QString phraseContact(int indexContact, const QString &nomContact)
{
    QString phrase = phrasesContact().value(indexContact);
    // The forum's or meeting's name, once typed, takes the place of the mark.
    const bool rencontre = indexContact == 3 || indexContact == 4;
    const QString nom = nomContact.trimmed();
    if (rencontre && !nom.isEmpty() && nom != MarqueACompleter)
        phrase.replace(MarqueACompleter, nom);
    return phrase;
}

QString legendeNomContact(int indexContact)
{
    switch (indexContact) {
    case 3:
        return QStringLiteral("Nom du forum:");
    case 4:
        return QStringLiteral("Nom du meeting:");
    case 7:
        return QStringLiteral("Prénom / Nom:");
    default:
        return QString();
    }
}

} // namespace DetailsCandidature
