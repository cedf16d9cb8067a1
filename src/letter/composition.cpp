#include "letter/composition.h"

#include "profiles/profile.h"

#include <QHash>
#include <QLocale>

namespace {

void retirerPremier(QString &texte, QLatin1String motif)
{
    const int i = texte.indexOf(motif, 0, Qt::CaseInsensitive);
    if (i >= 0)
        texte.remove(i, motif.size());
}

} // namespace

QString SujetLettre(const QString &typeCandidature, const QString &reference, const QString &intitule)
{
    const QString &marque = MarqueACompleter;
    QString sujet = typeCandidature;
    retirerPremier(sujet, QLatin1String(" par E-Mail"));
    retirerPremier(sujet, QLatin1String(" par courrier"));
    const QString remplacement = reference != marque ? reference : u'"' + intitule + u'"';
    const int i = sujet.indexOf(marque);
    if (i >= 0)
        sujet.replace(i, marque.size(), remplacement);
    return sujet;
}

QString Civilite(const QString &titreDestinataire)
{
    if (titreDestinataire == QLatin1String("Mr."))
        return QStringLiteral("Monsieur");
    if (titreDestinataire == QLatin1String("Mme."))
        return QStringLiteral("Madame");
    if (titreDestinataire == QLatin1String("Mlle."))
        return QStringLiteral("Mademoiselle");
    return QString();
}

QString Salutation(const QString &titreDestinataire)
{
    const QString civilite = Civilite(titreDestinataire);
    return (civilite.isEmpty() ? QStringLiteral("Madame, Monsieur") : civilite) + u',';
}

QString LigneDestinataire(const QString &titreDestinataire, const QString &nomDestinataire, int tailleEntreprise)
{
    // French abbreviations: "M." for monsieur, "Mme" and "Mlle" without a full stop.
    static const QHash<QString, QString> abreviations{{QStringLiteral("Mr."), QStringLiteral("M.")},
                                                      {QStringLiteral("Mme."), QStringLiteral("Mme")},
                                                      {QStringLiteral("Mlle."), QStringLiteral("Mlle")}};
    if (!nomDestinataire.isEmpty())
        return QStringLiteral("À l'attention de ") + abreviations.value(titreDestinataire, titreDestinataire) + u' '
            + nomDestinataire;
    return tailleEntreprise == 0 ? QStringLiteral("Service du personnel")
                                 : QStringLiteral("Direction des ressources humaines");
}

QString LigneDate(const QString &ville, QDate date)
{
    const QLocale francais(QLocale::French);
    const QString jour = date.day() == 1 ? QStringLiteral("1er") : QString::number(date.day());
    return ville + QStringLiteral(", le ") + jour + u' ' + francais.toString(date, QStringLiteral("MMMM yyyy"));
}

QString DateDisponibilite(const QString &mois, const QString &annee, QDate aujourdhui)
{
    const int numero = int(Profile::itemsMoisDispo().indexOf(mois)) + 1;
    bool nombre = false;
    const int an = annee.toInt(&nombre);
    if (numero >= 1 && nombre && (an < aujourdhui.year() || (an == aujourdhui.year() && numero < aujourdhui.month())))
        return QStringLiteral("à présent");
    return mois.toLower() + u' ' + annee;
}
