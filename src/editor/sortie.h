#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class QFileDialog;
class QPrintDialog;
class QPrinter;
class QTextDocument;
class QWidget;

// The letter's four output commands as the user meets them: the save and print dialogs,
// the word processor, the e-mail program, and the error box when one fails. The main
// window's buttons call these with its letter; the dialogs can be answered by tests.

// "Lettre_de_motivation_" and the last name with its first letter raised and one final
// full stop dropped; "Lettre_de_motivation" alone when there is no name.
QString NomFichierLettre(const QString &nomDeFamille);

// The letter file name as a name on disk: a '/' would name a folder, it becomes '_'.
QString NomFichierSurDisque(const QString &nomDeFamille);

// The save dialog's filters: "Document PDF (*.pdf)", "Texte enrichi (*.rtf)" (chosen at
// first), "Document OpenDocument (*.odt)".
const QStringList &FiltresEnregistrement();

// The save dialog as the letter's save command shows it: its title, the three filters, no
// question before replacing a file, the letter file name proposed. The caller owns it.
QFileDialog *PreparerDialogueEnregistrement(QWidget *parent, const QString &nomDeFamille);

// Save: asks where (nothing happens when the user cancels) and writes the letter there as
// PDF, RTF or ODT, as the extension typed says or else the chosen filter (whose extension
// a name typed without one gets); a PDF gets the
// file's name as title and the applicant as author. A file that cannot be written is
// reported in the standard error box; the result says whether the letter was written.
bool EnregistrerLettre(QWidget *parent, const QTextDocument &lettre, const QString &nomDeFamille,
                       const QString &auteur = QString());

// Tests answer the save dialog: given the prepared dialog, the chosen path or an empty
// string for Cancel (an empty function restores the real dialog).
void RemplacerDialogueEnregistrement(std::function<QString(QFileDialog &)> reponse);

// The print dialog: the printer choice only, without page range, selection or printing
// to a file. The caller owns it.
QPrintDialog *PreparerDialogueImpression(QPrinter *imprimante, QWidget *parent);

// Print: nothing when no printer is installed; otherwise the print dialog (nothing happens
// when it is cancelled), portrait whatever the dialog said, the page rectangle the caller
// computes for the chosen printer, the letter file name as document name. False when the
// letter was not printed; when that is a failure (no printer, a job refused), *echec
// receives the two lines the program's message dialog says, otherwise it is left alone.
bool ImprimerLettre(QWidget *parent, const QTextDocument &lettre, const QString &nomDeFamille,
                    const std::function<QRect(const QPrinter &)> &rectanglePage, QStringList *echec = nullptr);

// Tests say which printers are installed (an empty function asks the system again).
void RemplacerImprimantes(std::function<QStringList()> imprimantes);

// Tests answer the print dialog instead of showing it: they may set the printer up (a PDF
// file, say) and return false for Cancel (an empty function restores the real dialog).
void RemplacerDialogueImpression(std::function<bool(QPrintDialog &, QPrinter &)> reponse);

// Word processor: the letter as RTF in the private temporary folder under the letter file
// name and ".rtf", replacing the previous copy, then opened with the desktop's program
// for it. The path is returned, empty when it could not be written (reported in the
// standard error box). Whether a program opened it is not examined.
QString OuvrirDansTraitementDeTexte(QWidget *parent, const QTextDocument &lettre, const QString &nomDeFamille);

// E-mail: hands the address to the desktop's e-mail program. A letter too long for an
// address, or no e-mail program, is said in the error box, with the way out.
bool EnvoyerParCourriel(QWidget *parent, const QTextDocument &lettre, const QString &sujet);
