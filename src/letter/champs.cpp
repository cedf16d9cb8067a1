#include "letter/champs.h"

#include <QSet>

int NombreDeChamps(const QString &texte, QChar separateur)
{
    return texte.isEmpty() ? 0 : int(texte.count(separateur)) + 1;
}

QString ExtraireChamp(const QString &texte, int n, QChar separateur)
{
    const QStringList champs = texte.split(separateur, Qt::SkipEmptyParts);
    return (n >= 1 && n <= champs.size()) ? champs.at(n - 1) : QString();
}

namespace {

// The fields a value names, compared as strings (no blank trimmed, no number parsed).
// Looking each candidate up in a set gives the same result as comparing it with every field
// extracted in turn, without the cost of re-extracting fields from the start of the text.
QSet<QString> champsNommes(const QString &valeur)
{
    const QStringList champs = valeur.split(u',', Qt::SkipEmptyParts);
    return QSet<QString>(champs.cbegin(), champs.cend());
}

void filtrer(const QString &valeur, QStringList &liste, bool garder, const std::function<void()> &pomper)
{
    const QSet<QString> nommes = champsNommes(valeur);
    qsizetype i = 0;
    while (i < liste.size()) {
        if (pomper)
            pomper();
        if (nommes.contains(liste.at(i)) != garder)
            liste.removeAt(i);
        else
            ++i;
    }
}

} // namespace

void GarderTemplates(const QString &valeur, QStringList &liste, const std::function<void()> &pomper)
{
    filtrer(valeur, liste, true, pomper);
}

void RetirerTemplates(const QString &valeur, QStringList &liste, const std::function<void()> &pomper)
{
    filtrer(valeur, liste, false, pomper);
}
