#include "letter/donneeslettre.h"

#include "letter/composition.h"
#include "letter/detailscandidature.h"
#include "letter/selection.h"
#include "profiles/profile.h"

DonneesLettre DonneesLettre::exemple()
{
    Profile profil;
    profil.remplirExemple();
    DonneesLettre d;
    d.reprendreProfil(profil);
    d.typeCandidature = 0;
    d.phraseSecteur = DetailsCandidature::phrasesSecteur().value(52);
    d.phraseContact = DetailsCandidature::phrasesContact().value(0);
    const QStringList experiences = d.experiences.liste();
    d.experiencePrincipale = experiences.value(1);
    d.experienceSeconde = experiences.value(2);
    d.societe = QStringLiteral("FRANCE TELECOM");
    d.tailleEntreprise = 2;
    for (QString *offre : {&d.referenceOffre, &d.intituleOffre, &d.publicationOffre, &d.nomContact})
        *offre = MarqueACompleter;
    return d;
}

void DonneesLettre::reprendreProfil(const Profile &profil)
{
    prenom = profil.valeur("EdPrenom");
    nom = profil.valeur("EdNom");
    adresse = profil.valeur("EdAdresse");
    codePostal = profil.valeur("EdCodePostal");
    ville = profil.valeur("EdVille");
    telephone = profil.valeur("EdTelephone");
    courriel = profil.valeur("EdMail");
    titreCandidat = profil.choix("CombTitre");
    typeMission = profil.choix("CombTypeMission");
    fonctionActuelle = profil.valeur("MemoProfilActuel");
    moisDispo = Profile::itemsMoisDispo().value(profil.choix("CombMoisDispo"));
    anneeDispo = Profile::itemsAnneeDispo().value(profil.choix("CombAnneeDispo"));
    experiences = Experiences::duProfil(profil);
}

ReponsesSelection DonneesLettre::reponsesSelection() const
{
    ReponsesSelection r;
    r.typeCandidature = typeCandidature;
    r.serviceConnu = !service.isEmpty();
    r.precedentContact = precedentContact;
    // The texts on previous missions suit a letter that cites one.
    r.precedentesMissions = experiences.categorie(experiencePrincipale) == Experiences::PrecedentesMissions
                            || experiences.categorie(experienceSeconde) == Experiences::PrecedentesMissions;
    r.typeMission = typeMission;
    r.tailleEntreprise = tailleEntreprise;
    return r;
}

QStringList DonneesLettre::textesDeLUtilisateur() const
{
    QStringList textes{prenom,        nom,           adresse,          codePostal,   ville,
                       telephone,     courriel,      societe,          nomDestinataire, service,
                       referenceOffre, intituleOffre, publicationOffre, nomContact,   fonctionActuelle,
                       phraseSecteur, phraseContact};
    for (const QString &memo : experiences.memos)
        textes << memo;
    textes.removeAll(QString());
    return textes;
}
