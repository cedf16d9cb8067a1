#pragma once

#include <QSize>

// Where the main window starts: its size from the screen, its top from the work area.
// Divisions truncate toward zero, so a window taller than the work area gets a slightly
// negative top. The work area's own offset is not added (a panel at the top of the
// screen is not accounted for), as for the left edge.
struct PlacementFenetre
{
    int largeur = 0;
    int hauteur = 0;
    int haut = 0;
};

PlacementFenetre PlacementDemarrage(QSize ecran, int hauteurZoneTravail);

// Left edge that centres a window of that width in the work area.
int GaucheCentree(int largeurZoneTravail, int largeurFenetre);
