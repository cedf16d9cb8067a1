#pragma once

#include "letter/composeur.h"

#include <QDir>
#include <QList>
#include <QTemporaryDir>

#include <algorithm>

// The middle value of a series of timings.
inline double mediane(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

// The example profile's letter, composed in a working folder under a scratch folder.
inline LettreComposee composerExemple(const QTemporaryDir &racine)
{
    const QString travail = racine.filePath(QStringLiteral("Vendelair/"));
    QDir().mkpath(travail);
    return ComposerLettre(DonneesLettre::exemple(), travail);
}
