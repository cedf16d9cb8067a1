#pragma once

#include <QStringList>

// The fixed choices of steps 1 and 2 of the main window. The sector and previous-contact
// lists come in pairs: what the user picks, and at the same index the phrase the letter says.
namespace DetailsCandidature {

const QStringList &typesCandidature();   // sComboBox2
const QStringList &taillesEntreprise();  // sComboBox6
const QStringList &titresDestinataire(); // sComboBox4
const QStringList &contacts();           // CombPrecedentContact
const QStringList &phrasesContact();     // CombPrecContactHidden
const QStringList &secteurs();           // CombSecteur
const QStringList &phrasesSecteur();     // CombSecteurHidden

// The letter's phrase for a previous contact: for a meeting at a forum or a meeting, the
// name typed in EdNomPrecContact in place of the mark; the mark stays when none was typed.
QString phraseContact(int indexContact, const QString &nomContact);

// Caption of the contact panel's label for a contact kind that needs a name, empty otherwise.
QString legendeNomContact(int indexContact);

} // namespace DetailsCandidature
