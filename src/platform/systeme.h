#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

// What the program asks of the system: its own folder, a private temporary folder,
// the screen, the embedded items and the desktop's "open with" action.

// Folder of the running executable, always ending with '/'.
QString DossierProgramme();
// Tests put the program folder somewhere of their own (an empty path restores it).
void RemplacerDossierProgramme(const QString &dossier);

// A temporary folder private to the user, ending with '/': $XDG_RUNTIME_DIR when it is
// a real folder of ours that nobody else can enter, otherwise "vendelair-<uid>" under
// the system's temporary folder, created with mode 0700. When that one is a link, belongs
// to someone else or is open to others, it is left alone and a new private folder
// "vendelair-<uid>-XXXXXX" is made beside it for the rest of the run. Call it at every use:
// it checks the folder each time. Empty when no private folder can be had, and *erreur
// then says why, in French.
QString DossierTemporaire(QString *erreur = nullptr);

// Makes a folder of ours (mode 0700) or accepts the one already there when it is a real
// folder of ours, never a link. False with the cause in French otherwise.
bool CreerDossierPrive(const QString &chemin, QString *raison = nullptr);

// The embedded items the program carries (the template corpus, the licences), looked up
// by name without regard to case. nullopt when there is no such item.
std::optional<QByteArray> RessourceEmbarquee(const QString &nom);

// Opens a file, a web address or a mailto: address with the desktop's program for it.
// Failures are not reported to the user; the result says whether the desktop took it.
bool OuvrirAvecShell(const QUrl &cible);
// Tests watch what would be opened instead of starting programs (empty restores).
void RemplacerOuvreur(std::function<bool(const QUrl &)> ouvreur);

// Qt's own texts (file, print and colour dialogs, the editor's context menu) in French,
// whatever the user's language: Qt's French translations from Qt's translations folder,
// installed into the application. False when they are not installed.
bool ChargerTraductionsQt();
