#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

#include <sys/types.h>

// Writing files so that nothing the user keeps is ever lost: a file is replaced whole or
// not at all, and a failure says why in French.

// Replaces the file with these bytes: a new file beside it, every byte written and synced
// to the disk, then renamed over the old one. On failure the previous file is left as it
// was, nothing of the attempt remains, and `raison` holds the cause ("disque plein",
// "permission refusée", "nom de fichier trop long", …).
bool EcrireFichierAtomique(const QString &chemin, const QByteArray &octets, QString *raison = nullptr);

// Creates a file that does not exist yet, in a folder of ours: never through a link, never
// over something already there. Written whole or removed again.
bool CreerFichierExclusif(const QString &chemin, const QByteArray &octets, QString *raison = nullptr);

// The cause of a system error as the user reads it.
QString RaisonSysteme(int numero);

// "Impossible d'écrire dans <chemin> : <raison>." for the error box.
QString MessageEcritureImpossible(const QString &chemin, const QString &raison);

// Tests make the device fail: a function that stands in for write(2) (an empty function
// restores the real one).
void RemplacerEcritureSysteme(std::function<ssize_t(int, const void *, size_t)> ecrire);
