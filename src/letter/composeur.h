#pragma once

#include "letter/composition.h"
#include "letter/donneeslettre.h"
#include "letter/selection.h"

#include <QString>
#include <QTextDocument>

#include <memory>

// The whole letter from the answers and the profile, as a document: the lines in Tahoma 11,
// each paragraph justified with its indents in points (sender at the margin, recipient and
// signature at 240, the salutation and the body with a hanging indent of 28), "Objet"
// underlined, and every mark left for the user ("XXXXXXXX") in red.
struct LettreComposee
{
    std::unique_ptr<QTextDocument> document;
    // The subject without "Objet : ", for the e-mail too.
    QString sujet;
    // The same experience was chosen twice: the second list is to show no choice afterwards.
    bool oublierSecondeExperience = false;
};

// One paragraph's template text from the corpus installed under `textes` (ending with
// '/'): its candidates for the answers, one of them drawn from a seed taken from the
// clock, its file read. Throws ErreurCorpus when no text suits or the file is unreadable.
QString TirerTemplate(int paragraphe, const QString &textes, const ReponsesSelection &reponses,
                      const EtapesSelection &etapes = {});

// Installs the corpus in the working folder (which must exist), draws and fills the four
// paragraphs, each from a seed taken from the clock, deletes the corpus again (also when it
// fails), and lays the letter out. The gauge steps as the installation, the lists and the fillings go. Throws
// ErreurCorpus when the corpus cannot be installed or no text suits a paragraph.
LettreComposee ComposerLettre(const DonneesLettre &donnees, const QString &dossierTravail,
                              const EtapesSelection &etapes = {});
