#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The answers that narrow a paragraph's candidate templates.
struct ReponsesSelection
{
    int typeCandidature = -1;      // sComboBox2: 0 and 2 spontaneous, 1 and 3 answer to an offer
    bool serviceConnu = false;      // sEdit3 not empty
    int precedentContact = 0;       // CombPrecedentContact
    bool precedentesMissions = false; // the main or the second chosen experience is a previous mission
    int typeMission = 0;            // CombTypeMission: 2 internship, 4 work-study
    int tailleEntreprise = 0;       // sComboBox6: 0 small, 1 national, 2 international
};

struct EtapesSelection
{
    std::function<void()> progression; // the gauge steps 13 times a list
    std::function<void()> pomper;      // once for every candidate a filter looks at
};

// The candidate numbers of one paragraph, in increasing order, from its catalogue (an INI
// file): every number up to NombreDeTemplates, narrowed by the eleven criterion keys of
// section TEXTES in their fixed order. "TOUS" (with this case) restricts nothing; a missing
// key reads as an empty list. A missing or unreadable catalogue gives an empty list.
QStringList ConstruireListeCandidats(const QString &catalogue, const ReponsesSelection &reponses,
                                     const EtapesSelection &etapes = {});

// A template file's text: its lines (ended by LF, CR or CR LF) as the list box holds them,
// and the text a letter receives, the non-empty lines joined by one blank. nullopt when the
// file cannot be read.
struct FichierTemplate
{
    QStringList lignes;
    QString texte;
};
std::optional<FichierTemplate> LireTemplate(const QString &chemin);
