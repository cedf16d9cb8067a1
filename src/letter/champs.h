#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// A catalogue value that is not "TOUS" is a list of template numbers separated by commas.

// 0 for an empty text, otherwise one more than the number of separators.
int NombreDeChamps(const QString &texte, QChar separateur);
// The n-th field counting from 1; runs of separators count as one; empty past the end.
QString ExtraireChamp(const QString &texte, int n, QChar separateur);

// The two filters of a candidate list. `pomper` runs once for each candidate looked at, so
// the window can process its messages while long lists are filtered.
// GarderTemplates keeps only the numbers the value names (an empty value empties the list);
// RetirerTemplates removes them (an empty value changes nothing).
void GarderTemplates(const QString &valeur, QStringList &liste, const std::function<void()> &pomper = {});
void RetirerTemplates(const QString &valeur, QStringList &liste, const std::function<void()> &pomper = {});
