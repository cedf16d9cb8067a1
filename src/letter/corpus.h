#pragma once

#include <QString>

#include <functional>
#include <stdexcept>

// The template corpus on disk: written into the working folder at the start of every
// generation, read by the candidate lists and the draw, deleted once the fourth paragraph
// has been read.

// An installation that cannot go on: a folder that cannot be made or entered, an item the
// program does not carry. The message is for the user, in French.
class ErreurCorpus : public std::runtime_error
{
public:
    explicit ErreurCorpus(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// How many templates each paragraph has on disk; paragraph 3 has a folder and nothing else.
int NombreDeTemplatesInstalles(int paragraphe);

// Writes one embedded item to a file relative to the current directory, unless the file is
// already there (the file on disk is then used as it stands). A write that fails is
// skipped silently. The gauge steps once either way. Throws ErreurCorpus when the program
// does not carry the item.
void ExtraireRessource(const QString &item, const QString &fichier, const std::function<void()> &progression);

// Writes the four catalogues and the 516 texts under dossierTravail + "Textes/" (folders
// made only when missing, Paragraphe3 left empty), leaving the current directory at the
// working folder, which must already exist. 520 gauge steps. Throws ErreurCorpus.
void InstallerCorpus(const QString &dossierTravail, const std::function<void()> &progression);

// Deletes a folder and everything under it, never following a symbolic link out of it.
// True when nothing is left.
bool SupprimerDossier(const QString &chemin);
