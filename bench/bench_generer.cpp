// One whole Generate on the example profile, from the click to the finished letter, next
// to the floor of writing and deleting 520 small files in the same working folder; then the
// program's peak memory after ten generations.
// Not a test: run it by hand (QT_QPA_PLATFORM=offscreen build/bench_generer), best from a
// Release build, and read the medians. The working folder is made under $TMPDIR (/tmp by
// default); the program itself works in $XDG_RUNTIME_DIR, a memory file system on most
// desktops, so TMPDIR=/dev/shm measures what users get.

#include "mesure.h"

#include "app/demarrage.h"
#include "app/tform1.h"
#include "letter/corpus.h"
#include "editor/editor.h"
#include "platform/systeme.h"
#include "widgets/ecran.h"
#include "app/tform2.h"
#include "app/tform4.h"
#include "widgets/tformsdialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

namespace {

// A line of /proc/self/status in kibibytes ("VmHWM", "VmRSS"), -1 when it cannot be read.
long memoireKo(const char *cle)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefixe = QByteArray(cle) + ':';
    for (const QByteArray &ligne : f.readAll().split('\n'))
        if (ligne.startsWith(prefixe))
            return ligne.mid(prefixe.size()).trimmed().split(' ').value(0).toLong();
    return -1;
}

// The floor: 520 small files written into the working folder's tree, then the tree deleted.
void ecrireEtSupprimer(const QString &travail, const QByteArray &contenu)
{
    const QString textes = travail + QStringLiteral("Textes/");
    for (int p = 1; p <= 5; ++p)
        QDir().mkpath(textes + QStringLiteral("Paragraphe%1").arg(p));
    for (int i = 0; i < 520; ++i) {
        QFile f(textes + QStringLiteral("Paragraphe%1/%2.txt").arg(i % 4 + 1).arg(i));
        if (f.open(QIODevice::WriteOnly))
            f.write(contenu);
    }
    SupprimerDossier(textes);
}

// The process's CPU time so far in milliseconds: in user space and in the kernel.
std::pair<double, double> tempsProcesseur()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    const auto ms = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return {ms(r.ru_utime), ms(r.ru_stime)};
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // The settings file goes to a folder of our own, never beside the benchmark; messages
    // are answered at once, errors counted.
    QTemporaryDir dossier;
    RemplacerDossierProgramme(dossier.path());
    RemplacerMetriquesEcran(MetriquesEcran{QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 994)});
    int erreurs = 0;
    RemplacerAfficheurErreur([&erreurs](const QString &m) {
        ++erreurs;
        std::fprintf(stderr, "erreur : %s\n", qPrintable(m));
    });
    TFormsDialog::definirRepondeur([](TFormsDialog &) { return 1; });

    CreerFenetres();
    Form1->TimerDemarrageTimer();
    Form4->close();
    Form2->sBitBtn7Click();
    Form2->sBitBtn6Click();
    // The corpus and the floor's files go to a working folder of our own, so that tests or
    // the program running meanwhile cannot disturb the measure.
    Form1->WorkFolder = dossier.filePath(QStringLiteral("Vendelair")) + u'/';
    const long auDepart = memoireKo("VmHWM");

    constexpr int Tours = 15;
    constexpr int ToursMemoire = 10;
    const QByteArray petit = *RessourceEmbarquee(QStringLiteral("4_1"));
    QList<double> plancher, generation, utilisateur, noyau;
    long pic = -1, residente = -1;
    QElapsedTimer chrono;
    for (int tour = 1; tour <= Tours; ++tour) {
        chrono.start();
        ecrireEtSupprimer(Form1->WorkFolder, petit);
        plancher << chrono.nsecsElapsed() / 1e6;

        const auto avant = tempsProcesseur();
        chrono.start();
        Form1->sBitBtn3Click();
        generation << chrono.nsecsElapsed() / 1e6;
        const auto apres = tempsProcesseur();
        utilisateur << apres.first - avant.first;
        noyau << apres.second - avant.second;
        if (tour == ToursMemoire) {
            pic = memoireKo("VmHWM");
            residente = memoireKo("VmRSS");
        }
    }
    const bool lettre = Form1->Editor->texteComplet().count(u'\n') > 20;
    DetruireFenetres();

    const double p = mediane(plancher), g = mediane(generation);
    std::printf("écrire et supprimer 520 petits fichiers : %.2f ms (médiane de %d)\n", p, Tours);
    std::printf("générer une lettre (clic → lettre)       : %.2f ms (médiane de %d), soit %.2f fois le plancher "
                "(cible : 3 au plus)\n",
                g, Tours, g / p);
    std::printf("  dont processeur : %.1f ms dans le programme, %.1f ms dans le noyau (médianes)\n",
                mediane(utilisateur), mediane(noyau));
    std::printf("mémoire au départ (VmHWM)                : %.1f Mo\n", auDepart * 1024 / 1e6);
    std::printf("pic de mémoire après %d lettres (VmHWM)  : %.1f Mo, résidente %.1f Mo (cible : moins de 80 Mo)\n",
                ToursMemoire, pic * 1024 / 1e6, residente * 1024 / 1e6);
    if (erreurs || !lettre) {
        std::printf("la génération a échoué\n");
        return 2;
    }
    return (g <= 3 * p && pic >= 0 && pic * 1024.0 < 80e6) ? 0 : 1;
}
