// How long saving a generated letter as PDF takes (layout, drawing, fonts, the document
// information), and as ODT. Not a test: run it by hand, best from a Release build
// (QT_QPA_PLATFORM=offscreen build/bench_pdf), and read the medians. Target: PDF under 100 ms.

#include "mesure.h"

#include "document/odt.h"
#include "document/pdf.h"
#include "letter/composeur.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QTemporaryDir racine;
    const LettreComposee lettre = composerExemple(racine);

    constexpr int Tours = 30;
    QList<double> pdf, odt;
    QElapsedTimer chrono;
    qsizetype taille = 0;
    // The first export loads the fonts; it is timed apart.
    chrono.start();
    LettreEnPdf(*lettre.document, QStringLiteral("Lettre"), QStringLiteral("Hugo Ferrand"));
    const double premier = chrono.nsecsElapsed() / 1e6;
    for (int tour = 0; tour < Tours; ++tour) {
        chrono.start();
        taille = LettreEnPdf(*lettre.document, QStringLiteral("Lettre"), QStringLiteral("Hugo Ferrand")).size();
        pdf << chrono.nsecsElapsed() / 1e6;
        chrono.start();
        LettreEnOdt(*lettre.document);
        odt << chrono.nsecsElapsed() / 1e6;
    }
    std::printf("première exportation PDF (polices chargées) : %.1f ms\n", premier);
    std::printf("exportation PDF                             : %.1f ms (médiane de %d), %lld octets (cible : moins de 100 ms)\n",
                mediane(pdf), Tours, static_cast<long long>(taille));
    std::printf("exportation ODT                             : %.1f ms (médiane de %d)\n", mediane(odt), Tours);
    return 0;
}
