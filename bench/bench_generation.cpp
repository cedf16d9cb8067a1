// How long the disk side of a generation takes, next to the floor of merely writing and
// deleting 520 small files, and how long filling four paragraphs takes without disk.
// Not a test: run it by hand (build/bench_generation) and read the medians.

#include "mesure.h"

#include "letter/corpus.h"
#include "letter/remplacement.h"
#include "letter/selection.h"
#include "letter/tirage.h"
#include "platform/systeme.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

DonneesLettre donnees()
{
    DonneesLettre d;
    d.titreDestinataire = 2;
    d.nomDestinataire = QStringLiteral("Martin");
    d.societe = QStringLiteral("Durand Industries");
    d.typeMission = 0;
    d.phraseContact = QStringLiteral("notre conversation téléphonique");
    d.phraseSecteur = QStringLiteral("de l'agriculture");
    d.publicationOffre = QStringLiteral("XXXXXXXX");
    d.referenceOffre = QStringLiteral("XXXXXXXX");
    d.intituleOffre = QStringLiteral("XXXXXXXX");
    d.nomContact = QStringLiteral("XXXXXXXX");
    d.service = QStringLiteral("comptabilité");
    d.fonctionActuelle = QStringLiteral("assistante de direction");
    d.moisDispo = QStringLiteral("Septembre");
    d.anneeDispo = QStringLiteral("2020");
    d.experiences.memos = {QStringLiteral("j'ai appris à gérer un budget."), QString(),
                           QStringLiteral("j'ai encadré une équipe de vente"), QString(), QString(),
                           QStringLiteral("je m'occupe du suivi de clientèle"), QString()};
    d.experiencePrincipale = Experiences::formeNormale(d.experiences.memos[0]);
    d.experienceSeconde = Experiences::formeNormale(d.experiences.memos[2]);
    d.titreCandidat = 1;
    return d;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir racine;
    const QString travail = racine.filePath(QStringLiteral("Vendelair/"));
    QDir().mkpath(travail);
    const QString depart = QDir::currentPath();
    const DonneesLettre d = donnees();
    const ReponsesSelection r{0, true, 0, true, 0, 0};
    constexpr int Tours = 30;

    QList<double> plancher, generation, remplissage;
    QElapsedTimer chrono;
    const QByteArray petit = *RessourceEmbarquee(QStringLiteral("4_1"));
    for (int tour = 0; tour < Tours; ++tour) {
        // The floor: 520 small files written into the same tree, then the tree deleted.
        chrono.start();
        const QString textes = travail + QStringLiteral("Textes/");
        for (int p = 1; p <= 5; ++p)
            QDir().mkpath(textes + QStringLiteral("Paragraphe%1").arg(p));
        for (int i = 0; i < 520; ++i) {
            QFile f(textes + QStringLiteral("Paragraphe%1/%2.txt").arg(i % 4 + 1).arg(i));
            f.open(QIODevice::WriteOnly);
            f.write(petit);
        }
        SupprimerDossier(textes);
        plancher << chrono.nsecsElapsed() / 1e6;

        // A generation's disk side: install, four lists, four draws, four fills, delete.
        chrono.start();
        InstallerCorpus(travail, {});
        for (int p : {1, 2, 4, 5}) {
            const QStringList candidats =
                ConstruireListeCandidats(travail + QStringLiteral("Textes/Paragraphe%1.ini").arg(p), r);
            Tirage t(Tirage::graineDepuisHorloge());
            const QString numero = candidats.at(t.tirer(int(candidats.size())));
            const auto modele = LireTemplate(travail + QStringLiteral("Textes/Paragraphe%1/%2.txt").arg(p).arg(numero));
            RemplacerChamps(modele->texte, d);
        }
        SupprimerDossier(travail + QStringLiteral("Textes"));
        QDir::setCurrent(depart);
        generation << chrono.nsecsElapsed() / 1e6;

        // Filling four paragraphs, nothing else.
        const QString modeles[] = {QString::fromLatin1(*RessourceEmbarquee(QStringLiteral("1_1"))),
                                   QString::fromLatin1(*RessourceEmbarquee(QStringLiteral("2_1"))),
                                   QString::fromLatin1(*RessourceEmbarquee(QStringLiteral("4_1"))),
                                   QString::fromLatin1(*RessourceEmbarquee(QStringLiteral("5_1")))};
        chrono.start();
        for (const QString &m : modeles)
            RemplacerChamps(m, d);
        remplissage << chrono.nsecsElapsed() / 1e6;
    }
    const double p = mediane(plancher), g = mediane(generation), f = mediane(remplissage);
    std::printf("écrire et supprimer 520 petits fichiers : %.2f ms (médiane de %d)\n", p, Tours);
    std::printf("génération, côté disque et textes     : %.2f ms, soit %.2f fois le plancher (cible : 2)\n", g, g / p);
    std::printf("remplir les quatre paragraphes        : %.3f ms (cible : 1)\n", f);
    return (g <= 2 * p && f < 1.0) ? 0 : 1;
}
