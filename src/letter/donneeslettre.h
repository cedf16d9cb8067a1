#pragma once

#include "letter/experiences.h"

#include <QDate>
#include <QString>
#include <QStringList>

struct Profile;
struct ReponsesSelection;

// Everything one letter is made from: the answers of the main window and the current
// profile, read once when Generate is pressed.
struct DonneesLettre
{
    int typeCandidature = 0;        // sComboBox2: 0 spontaneous by post, 1 offer by post, 2 and 3 by e-mail
    int titreDestinataire = 0;      // sComboBox4: 0 "?", 1 "Mr.", 2 "Mme.", 3 "Mlle."
    QString nomDestinataire;        // sEdit1, empty when the field is disabled
    QString societe;                // EdSociete
    int tailleEntreprise = 0;       // sComboBox6: 0 small, 1 national, 2 international
    int precedentContact = 0;       // CombPrecedentContact
    QString phraseContact;          // the letter's phrase for that contact
    QString phraseSecteur;          // the letter's phrase for CombSecteur's sector
    QString publicationOffre;       // EdOffrePublieeSur
    QString referenceOffre;         // EdRefOffre
    QString intituleOffre;          // EdIntituleOffre
    QString nomContact;             // EdNomPrecContact
    QString service;                // sEdit3
    QString experiencePrincipale;   // sComboBox8 as shown
    QString experienceSeconde;      // sComboBox3 as shown
    QDate aujourdhui = QDate::currentDate(); // the letter's date; an availability already past reads "à présent"

    // From the profile.
    QString prenom, nom, adresse, codePostal, ville, telephone, courriel;
    int titreCandidat = 0;          // CombTitre: 0 "Mr." masculine, any other feminine
    int typeMission = 0;            // CombTypeMission (-1 when nothing is chosen)
    QString fonctionActuelle;       // MemoProfilActuel
    QString moisDispo, anneeDispo;  // CombMoisDispo, CombAnneeDispo as shown
    Experiences experiences;        // the seven experience fields

    // The example profile with the application the main window prepares for it: a
    // spontaneous letter by post to FRANCE TELECOM, an international company, in marketing,
    // its second and third experiences chosen, the offer's fields marked.
    static DonneesLettre exemple();

    // Takes every field of the profile the letter uses.
    void reprendreProfil(const Profile &profil);
    // What narrows each paragraph's candidates.
    ReponsesSelection reponsesSelection() const;
    bool parCourriel() const { return typeCandidature >= 2; }
    // What the letter takes from the user rather than from the program's texts: the
    // profile's fields, the answers typed, and the phrases said for the sector and contact.
    QStringList textesDeLUtilisateur() const;
};
