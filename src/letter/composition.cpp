#include "letter/composition.h"

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
    const QString marque = QStringLiteral("XXXXXXXX");
    QString sujet = typeCandidature;
    retirerPremier(sujet, QLatin1String(" par E-Mail"));
    retirerPremier(sujet, QLatin1String(" par courrier"));
    const QString remplacement = reference != marque ? reference : u'"' + intitule + u'"';
    const int i = sujet.indexOf(marque);
    if (i >= 0)
        sujet.replace(i, marque.size(), remplacement);
    return sujet;
}

QString Salutation(const QString &titreDestinataire)
{
    if (titreDestinataire == QLatin1String("Mr."))
        return QStringLiteral("Monsieur,");
    if (titreDestinataire == QLatin1String("Mme."))
        return QStringLiteral("Madame,");
    if (titreDestinataire == QLatin1String("Mlle."))
        return QStringLiteral("Mademoiselle,");
    return QStringLiteral("Madame, monsieur");
}

QString LigneDestinataire(const QString &titreDestinataire, const QString &nomDestinataire, int tailleEntreprise)
{
    if (!nomDestinataire.isEmpty())
        return QStringLiteral("A l'attention de ") + titreDestinataire + u' ' + nomDestinataire;
    return tailleEntreprise == 0 ? QStringLiteral("Service du personnel")
                                 : QStringLiteral("Direction des ressources humaines");
}

QString LigneDate(const QString &ville, QDate date)
{
    return ville + QStringLiteral(", le ") + QLocale(QLocale::French).toString(date, QStringLiteral("d MMMM yyyy"));
}
