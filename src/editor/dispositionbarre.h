#pragma once

#include <QHash>
#include <QString>

// Where the controls of the letter's toolbars stand, from the width of their panel.

// The main toolbar of width E: eleven 33-pixel buttons and two 9-pixel separators share
// the free width b = E − 381 as gaps c = b × 7 / 132 and d = b × 15 / 132. Left edges by
// control name (sBitBtn2 shares sBitBtn25's place).
QHash<QString, int> PositionsBarrePrincipale(int largeurBarre);

// The two gaps of the main toolbar: c between buttons, d around the separators.
struct EcartsBarre
{
    int c = 0;
    int d = 0;
};
EcartsBarre EcartsBarrePrincipale(int largeurBarre);

// The font panel of width P: its controls keep their distance from the right edge; the
// font list is P − 334 wide. Left edges by control name, and "largeur:CombPolice".
QHash<QString, int> PositionsPanneauPolice(int largeurPanneau);
