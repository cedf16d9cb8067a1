#pragma once

#include <QRect>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

// What the windows ask of the screen, and the program's error box.

struct MetriquesEcran
{
    QRect ecran;       // the whole primary screen
    QRect zoneTravail; // what panels and task bars leave of it
};
MetriquesEcran MetriquesEcranPrincipal();
// Tests pretend to have a screen of a given size (nullopt restores the real one).
void RemplacerMetriquesEcran(std::optional<MetriquesEcran> metriques);

// The program's standard error box (title "Vendelair", an error icon, OK), for the
// unexpected failures that end a command. Tests catch the message instead.
void AfficherErreurStandard(QWidget *parent, const QString &message);
void RemplacerAfficheurErreur(std::function<void(const QString &)> afficheur);

// Puts a window in the middle of the work area (the dialogs open there).
void CentrerSurBureau(QWidget *fenetre);
