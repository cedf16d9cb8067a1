#include "document/marges.h"

#include <QPrinter>

#include <cmath>

int ArrondiPair(double x)
{
    const double dessous = std::floor(x);
    const double reste = x - dessous;
    double n = dessous;
    if (reste > 0.5 || (reste == 0.5 && std::fmod(dessous, 2.0) != 0.0))
        n = dessous + 1;
    return int(n);
}

RectanglePage SetMargins(const MetriquesImprimante &m, double gauche, double haut, double droite, double bas)
{
    constexpr double MillimetresParPouce = 25.4;
    RectanglePage r;
    r.gauche = ArrondiPair(m.dpiX * gauche / MillimetresParPouce) - m.decalageX;
    r.haut = ArrondiPair(m.dpiY * haut / MillimetresParPouce) - m.decalageY;
    r.droite = m.largeurPage + m.decalageX - ArrondiPair(m.dpiX * droite / MillimetresParPouce);
    r.bas = m.hauteurPage + m.decalageY - ArrondiPair(m.dpiY * bas / MillimetresParPouce);
    return r;
}

MetriquesImprimante MetriquesDe(const QPrinter &imprimante)
{
    // The printable area is the page layout's paint rectangle; its offsets are measured
    // from the paper's corner.
    const QRect papier = imprimante.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = imprimante.pageRect(QPrinter::DevicePixel).toRect();
    MetriquesImprimante m;
    m.dpiX = imprimante.logicalDpiX();
    m.dpiY = imprimante.logicalDpiY();
    m.largeurPage = page.width();
    m.hauteurPage = page.height();
    m.decalageX = page.x() - papier.x();
    m.decalageY = page.y() - papier.y();
    return m;
}

RectanglePage SetMargins(const QPrinter &imprimante, double gauche, double haut, double droite, double bas)
{
    return SetMargins(MetriquesDe(imprimante), gauche, haut, droite, bas);
}
