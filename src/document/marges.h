#pragma once

#include <QRect>

class QPrinter;

// What the page rectangle is computed from, as the printer tells it: resolution in dots per
// inch, the printable area's size in printer pixels, and its offsets from the paper's left
// and top edges.
struct MetriquesImprimante
{
    int dpiX = 0, dpiY = 0;
    int largeurPage = 0, hauteurPage = 0;
    int decalageX = 0, decalageY = 0;
};

// The rectangle the letter is printed in, in printer pixels, in the printable area's
// coordinates. Right and bottom are edges, not last pixels (as a Windows rectangle): the
// width is droite − gauche.
struct RectanglePage
{
    int gauche = 0, haut = 0, droite = 0, bas = 0;

    QRect rect() const { return QRect(gauche, haut, droite - gauche, bas - haut); }
    bool operator==(const RectanglePage &) const = default;
};

// x to the nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
int ArrondiPair(double x);

// Page margins in millimetres to the page rectangle.
RectanglePage SetMargins(const MetriquesImprimante &imprimante, double gauche, double haut, double droite, double bas);
// The same for a printer as it is set now (resolution, paper, margins of its page layout).
MetriquesImprimante MetriquesDe(const QPrinter &imprimante);
RectanglePage SetMargins(const QPrinter &imprimante, double gauche, double haut, double droite, double bas);
