// How long one tick of the rippling icon takes (waves spread + picture redrawn) on the
// About window's 128 x 128 picture, while the water is kept moving by drops as a drag
// with the left button would make them. Not a test: run it by hand (build/bench_ripple)
// and read the median; the tick comes every 5 ms, and should stay under 0.5 ms.

#include "widgets/twavedimage.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

QImage icone(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0xCE, 0x46, 0x10));
    p.drawEllipse(8, 8, w - 16, h - 16);
    p.setPen(QPen(Qt::white, 6));
    for (int i = 16; i < w; i += 16)
        p.drawLine(i, 0, i, h);
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const int w = 128, h = 128;
    const QImage source = icone(w, h);
    QImage affichee = source.copy();
    TIntegerArray tampons[2] = {TIntegerArray(TailleTamponOndulation(w, h), 0),
                                TIntegerArray(TailleTamponOndulation(w, h), 0)};
    int courant = 0;

    const int ticks = 20000;
    std::vector<double> durees;
    durees.reserve(ticks);
    std::int64_t penteMax = 0;
    std::srand(7);
    for (int t = 0; t < ticks; ++t) {
        // A drag across the picture: a drop of 1000 every other tick somewhere inside.
        if (t % 2 == 0) {
            const int x = 1 + std::rand() % (w - 2), y = 1 + std::rand() % (h - 2);
            tampons[courant][std::size_t(w - x) * h + y] = 1000;
        }
        const TIntegerArray &a = tampons[courant];
        TIntegerArray &b = tampons[1 - courant];
        QElapsedTimer chrono;
        chrono.start();
        RendreOndulation(a, w, h, source, affichee);
        PropagerOndulation(a, b, w, h);
        durees.push_back(chrono.nsecsElapsed() / 1e6);
        courant = 1 - courant;
        for (std::size_t i = 0; i + h < a.size(); ++i)
            penteMax = std::max<std::int64_t>(penteMax, std::abs(std::int64_t(a[i]) - a[i + 1]));
    }
    std::sort(durees.begin(), durees.end());
    std::printf("Un tick de l'ondulation (%d x %d), propagation + rendu, sur %d ticks :\n", w, h, ticks);
    std::printf("  médiane %.4f ms, 90e centile %.4f ms, maximum %.4f ms (objectif < 0,5 ms)\n",
                durees[durees.size() / 2], durees[durees.size() * 9 / 10], durees.back());
    std::printf("  plus forte pente rencontrée : %lld\n", static_cast<long long>(penteMax));
    return 0;
}
