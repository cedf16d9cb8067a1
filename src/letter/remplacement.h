#pragma once

#include "letter/donneeslettre.h"

#include <QDate>
#include <QString>

#include <functional>

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
