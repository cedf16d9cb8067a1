#include "app/placementfenetre.h"

PlacementFenetre PlacementDemarrage(QSize ecran, int hauteurZoneTravail)
{
    PlacementFenetre p;
    p.largeur = ecran.width() >= 820 ? 912 : 800;
    if (ecran.height() < 620)
        p.hauteur = 569;
    else if (ecran.height() < 780)
        p.hauteur = 680;
    else
        p.hauteur = 720;
    p.haut = (hauteurZoneTravail - p.hauteur) / 2;
    return p;
}

int GaucheCentree(int largeurZoneTravail, int largeurFenetre)
{
    return (largeurZoneTravail - largeurFenetre) / 2;
}
