#include "widgets/transparence.h"

QImage ImageTransparente(const QImage &image)
{
    if (image.isNull() || image.hasAlphaChannel())
        return image;
    QImage resultat = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb fond = resultat.pixel(0, resultat.height() - 1);
    for (int y = 0; y < resultat.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(resultat.scanLine(y));
        for (int x = 0; x < resultat.width(); ++x)
            if (ligne[x] == fond)
                ligne[x] = qRgba(0, 0, 0, 0);
    }
    return resultat;
}
