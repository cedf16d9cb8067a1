#pragma once

#include <QDate>
#include <QString>

// The fixed lines of a letter around its four paragraphs.

// What the user still has to fill in: the letter shows it in red.
inline const QString MarqueACompleter = QStringLiteral("XXXXXXXX");

// The subject without "Objet: ": the kind of application less its " par E-Mail" or
// " par courrier", its first XXXXXXXX replaced by the offer's reference, or by the offer's
// title between straight double quotation marks when the reference is still the mark.
QString SujetLettre(const QString &typeCandidature, const QString &reference, const QString &intitule);

// "Monsieur", "Madame", "Mademoiselle" from the recipient's title as the list shows it
// ("Mr.", "Mme.", "Mlle."); empty for the unknown recipient "?".
QString Civilite(const QString &titreDestinataire);

// "Monsieur,", "Madame,", "Mademoiselle,"; the unknown recipient gives "Madame, Monsieur,".
QString Salutation(const QString &titreDestinataire);

// The line under the company: to the named recipient when there is one ("À l'attention de
// Mme Martin"), otherwise the
// department that fits the company's size (0 small, 1 national, 2 international).
QString LigneDestinataire(const QString &titreDestinataire, const QString &nomDestinataire, int tailleEntreprise);

// "Marseille, le 6 décembre 2026": French month names, day without a leading zero, "1er" on
// the first of the month.
QString LigneDate(const QString &ville, QDate date);

// When the applicant can start, after "dès": "septembre 2027" from the profile's month
// ("Septembre") and year, or "à présent" when that month is already past.
QString DateDisponibilite(const QString &mois, const QString &annee, QDate aujourdhui);
