#pragma once

#include <QImage>

// A transparent picture control shows what lies behind it wherever the picture has the
// colour of its bottom-left pixel. Pictures that carry their own alpha channel are taken
// as they are.
QImage ImageTransparente(const QImage &image);
