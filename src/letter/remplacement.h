#pragma once

#include "letter/experiences.h"

#include <QDate>
#include <QString>

#include <functional>

// What a template is filled with: the answers of the main window and the current profile,
// read in one place by the window.
struct DonneesLettre
{
    int titreDestinataire = 0;      // sComboBox4: 0 "?", 1 "Mr.", 2 "Mme.", 3 "Mlle."
    QString nomDestinataire;        // sEdit1, empty when the field is disabled
    QString societe;                // EdSociete
    int typeMission = 0;            // CombTypeMission (-1 when nothing is chosen)
    QString phraseContact;          // CombPrecContactHidden at the contact's index
    QString phraseSecteur;          // CombSecteurHidden at the sector's index
    QString publicationOffre;       // EdOffrePublieeSur
    QString referenceOffre;         // EdRefOffre
    QString intituleOffre;          // EdIntituleOffre
    QString nomContact;             // EdNomPrecContact
    QString service;                // sEdit3
    QString fonctionActuelle;       // MemoProfilActuel
    QString moisDispo, anneeDispo;  // CombMoisDispo, CombAnneeDispo as shown
    QDate aujourdhui = QDate::currentDate(); // an availability already past reads "à présent"
    QString experiencePrincipale;   // sComboBox8 as shown
    QString experienceSeconde;      // sComboBox3 as shown
    Experiences experiences;        // the seven experience fields of the profile
    int titreCandidat = 0;          // CombTitre: 0 "Mr." masculine, any other feminine
};

struct ResultatRemplacement
{
    QString texte;
    // The same entry was chosen twice: the second list is to show no choice afterwards.
    bool oublierSecondeExperience = false;
};

// The experience sentences of a letter: the first (lead-in and main experience, no final
// full stop), the second (empty, or a sentence ending with ". ") and the recap.
struct PhrasesExperience
{
    QString premiere, seconde, rappel;
    bool memeChoix = false;
};
PhrasesExperience ConstruirePhrasesExperience(const DonneesLettre &d);

// Fills one template: the applicant's gender endings, then every placeholder, matched
// without regard to case, with the elision of "de" before the offer's title and the
// recommending person's name, and the experience sentences. Values go in as typed, once:
// brackets or underscores in a company's name are never read as marks. The template's own
// apostrophes all become the plain one, so a letter never mixes the two kinds. The gauge
// steps twice.
ResultatRemplacement RemplacerChamps(const QString &modele, const DonneesLettre &d,
                                     const std::function<void()> &progression = {});
