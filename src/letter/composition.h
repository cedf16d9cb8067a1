#pragma once

#include <QDate>
#include <QString>

// The fixed lines of a letter around its four paragraphs.

// The subject without "Objet: ": the kind of application less its " par E-Mail" or
// " par courrier", its first XXXXXXXX replaced by the offer's reference, or by the offer's
// title between straight double quotation marks when the reference is still the mark.
QString SujetLettre(const QString &typeCandidature, const QString &reference, const QString &intitule);

// "Monsieur,", "Madame,", "Mademoiselle," from the recipient's title; anything else, the
// unknown recipient "?", gives "Madame, monsieur".
QString Salutation(const QString &titreDestinataire);

// The line under the company: to the named recipient when there is one, otherwise the
// department that fits the company's size (0 small, 1 national, 2 international).
QString LigneDestinataire(const QString &titreDestinataire, const QString &nomDestinataire, int tailleEntreprise);

// "Marseille, le 6 décembre 2026": French month names, day without a leading zero.
QString LigneDate(const QString &ville, QDate date);
