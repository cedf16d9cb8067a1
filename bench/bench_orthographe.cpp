// How long French spelling takes: loading the dictionary, checking a whole generated
// letter (first with nothing known yet, then as typing finds it), checking the paragraph
// being typed, and a 20-page text pasted into the editor with checking on.
// Not a test: run it by hand, best from a Release build (QT_QPA_PLATFORM=offscreen
// build/bench_orthographe), and read the medians. Target: a whole letter under 5 ms.

#include "mesure.h"

#include "editor/editor.h"
#include "letter/composeur.h"
#include "letter/orthographe.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QClipboard>
#include <QTemporaryDir>
#include <QTextBlock>

#include <algorithm>
#include <cstdio>

namespace {

int verifier(const Orthographe &o, const QTextDocument &lettre)
{
    int fautes = 0;
    for (QTextBlock b = lettre.begin(); b.isValid(); b = b.next())
        fautes += int(o.fautes(b.text()).size());
    return fautes;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QTemporaryDir racine;
    const LettreComposee lettre = composerExemple(racine);
    const DonneesLettre d = DonneesLettre::exemple();

    constexpr int Tours = 30;
    QElapsedTimer chrono;
    QList<double> chargement, premiere, ensuite, paragraphe;
    const QString corps = lettre.document->findBlockByNumber(18).text();
    for (int tour = 0; tour < Tours; ++tour) {
        chrono.start();
        Orthographe o(Orthographe::dossiersDictionnaires(), QString());
        chargement << chrono.nsecsElapsed() / 1e6;
        o.accepterTextes(d.textesDeLUtilisateur());
        chrono.start();
        verifier(o, *lettre.document);
        premiere << chrono.nsecsElapsed() / 1e6;
        chrono.start();
        verifier(o, *lettre.document);
        ensuite << chrono.nsecsElapsed() / 1e6;
        chrono.start();
        o.fautes(corps + QStringLiteral(" expérence"));
        paragraphe << chrono.nsecsElapsed() / 1e6;
    }

    // Twenty pages pasted at once: each paragraph is checked once, as it is laid out.
    QString texte;
    for (int page = 0; page < 20; ++page)
        for (QTextBlock b = lettre.document->begin(); b.isValid(); b = b.next())
            texte += b.text() + u'\n';
    Editor editeur;
    editeur.resize(800, 600);
    editeur.definirOrthographe(Orthographe::partagee());
    editeur.activerOrthographe(true);
    QGuiApplication::clipboard()->setText(texte);
    chrono.start();
    editeur.coller();
    const double collage = chrono.nsecsElapsed() / 1e6;

    std::printf("chargement du dictionnaire        : %.1f ms (médiane de %d)\n", mediane(chargement), Tours);
    std::printf("lettre entière, premier passage   : %.2f ms (cible : moins de 5 ms)\n", mediane(premiere));
    std::printf("lettre entière, mots déjà vus     : %.2f ms\n", mediane(ensuite));
    std::printf("un paragraphe retapé              : %.3f ms\n", mediane(paragraphe));
    std::printf("collage de 20 pages (%lld signes)  : %.0f ms\n", static_cast<long long>(texte.size()), collage);
    return 0;
}
