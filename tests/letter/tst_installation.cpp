#include "letter/composeur.h"
#include "letter/corpus.h"
#include "letter/tirage.h"
#include "platform/cp1252.h"
#include "platform/systeme.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The corpus on disk during a generation: written whole, used as found, deleted after.
class TestInstallation : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_racine;
    QString m_travail;
    QString m_dossierInitial;

    static int compterFichiers(const QString &dossier)
    {
        int n = 0;
        QDirIterator it(dossier, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            ++n;
        }
        return n;
    }
    static QByteArray lire(const QString &chemin)
    {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void ecrire(const QString &chemin, const QByteArray &octets)
    {
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(octets);
    }

private slots:
    void initTestCase()
    {
        m_dossierInitial = QDir::currentPath();
        m_travail = m_racine.filePath(QStringLiteral("Vendelair/"));
        QVERIFY(QDir().mkpath(m_travail));
    }
    void cleanup()
    {
        QDir::setCurrent(m_dossierInitial);
        SupprimerDossier(m_travail + QStringLiteral("Textes"));
    }

    void deuxInstallationsDeSuite()
    {
        for (int fois = 0; fois < 2; ++fois) {
            int pas = 0;
            InstallerCorpus(m_travail, [&pas] { ++pas; });
            QCOMPARE(pas, 520);
            QCOMPARE(QDir::currentPath() + u'/', QDir(m_travail).canonicalPath() + u'/');
            QCOMPARE(compterFichiers(m_travail + QStringLiteral("Textes")), 520);
            QVERIFY(QDir(m_travail + QStringLiteral("Textes/Paragraphe3")).exists());
            QVERIFY(QDir(m_travail + QStringLiteral("Textes/Paragraphe3")).isEmpty());
            QCOMPARE(lire(m_travail + QStringLiteral("Textes/Paragraphe5/10.txt")), *RessourceEmbarquee("5_10"));
            QCOMPARE(lire(m_travail + QStringLiteral("Textes/Paragraphe4.ini")), *RessourceEmbarquee("Paragraphe4"));
            QVERIFY(SupprimerDossier(m_travail + QStringLiteral("Textes")));
            QVERIFY(!QFileInfo::exists(m_travail + QStringLiteral("Textes")));
            QVERIFY(QDir(m_travail).exists()); // the working folder itself stays
        }
    }

    void unFichierDejaLaEstUtilise()
    {
        QVERIFY(QDir().mkpath(m_travail + QStringLiteral("Textes/Paragraphe1")));
        ecrire(m_travail + QStringLiteral("Textes/Paragraphe1/7.txt"), "Un texte pos\xe9 l\xe0 avant.\n");
        int pas = 0;
        InstallerCorpus(m_travail, [&pas] { ++pas; });
        QCOMPARE(pas, 520);
        QCOMPARE(lire(m_travail + QStringLiteral("Textes/Paragraphe1/7.txt")), QByteArray("Un texte pos\xe9 l\xe0 avant.\n"));
        QCOMPARE(lire(m_travail + QStringLiteral("Textes/Paragraphe1/8.txt")), *RessourceEmbarquee("1_8"));
    }

    void echecs()
    {
        // An item the program does not carry.
        QDir::setCurrent(m_travail);
        QVERIFY_THROWS_EXCEPTION(ErreurCorpus, ExtraireRessource(QStringLiteral("9_9"), QStringLiteral("x.txt"), {}));
        QVERIFY(!QFileInfo::exists(m_travail + QStringLiteral("x.txt")));
        // A folder that cannot be made: a plain file stands in its place.
        ecrire(m_travail + QStringLiteral("Textes"), "pas un dossier");
        try {
            InstallerCorpus(m_travail, {});
            QFAIL("the installation went on");
        } catch (const ErreurCorpus &e) {
            QVERIFY(e.message().contains(QStringLiteral("Textes")));
        }
        QFile::remove(m_travail + QStringLiteral("Textes"));
        // A working folder that does not exist.
        QVERIFY_THROWS_EXCEPTION(ErreurCorpus, InstallerCorpus(m_racine.filePath(QStringLiteral("absent")), {}));
    }

    void suppressionSansSuivreLesLiens()
    {
        const QString dehors = m_racine.filePath(QStringLiteral("dehors"));
        QVERIFY(QDir().mkpath(dehors));
        ecrire(dehors + QStringLiteral("/garder.txt"), "rien");
        QVERIFY(QDir().mkpath(m_travail + QStringLiteral("Textes/Paragraphe1")));
        QVERIFY(QFile::link(dehors, m_travail + QStringLiteral("Textes/Paragraphe1/lien")));
        QVERIFY(SupprimerDossier(m_travail + QStringLiteral("Textes")));
        QVERIFY(QFile::exists(dehors + QStringLiteral("/garder.txt")));
        QVERIFY(!SupprimerDossier(QString()));
    }

    void tirageDUnTexte()
    {
        const QString textes = m_travail + QStringLiteral("Textes/");
        ReponsesSelection spontanee;
        spontanee.typeCandidature = 0;
        InstallerCorpus(m_travail, {});
        // At 10:20:30.400 UTC the draw among the 72 spontaneous texts of paragraph 2 takes
        // index 13 of 72 candidates after one step of the generator.
        RemplacerHorloge([] { return QTime(10, 20, 30, 400); });
        const QString texte = TirerTemplate(2, textes, spontanee);
        Tirage t(Tirage::graineDe(QTime(10, 20, 30, 400)));
        const int index = t.tirer(72);
        const QByteArray attendu = *RessourceEmbarquee(QStringLiteral("2_%1").arg(73 + index));
        QCOMPARE(texte + u'\n', Cp1252::decoder(attendu));
        QVERIFY(texte.startsWith(QStringLiteral("___EXP1___, ")));

        // A changed catalogue that lets nothing through ends with a clear error.
        SupprimerDossier(m_travail + QStringLiteral("Textes"));
        QVERIFY(QDir().mkpath(m_travail + QStringLiteral("Textes")));
        ecrire(textes + QStringLiteral("Paragraphe5.ini"), "[GENERAL]\r\nNombreDeTemplates=0\r\n");
        InstallerCorpus(m_travail, {});
        try {
            TirerTemplate(5, textes, spontanee);
            QFAIL("an empty list was drawn from");
        } catch (const ErreurCorpus &e) {
            QCOMPARE(e.message(), QStringLiteral("Aucun texte ne convient au paragraphe 5 de la lettre."));
        }
        // A template file that cannot be read ends likewise.
        QFile::remove(textes + QStringLiteral("Paragraphe5.ini"));
        ecrire(textes + QStringLiteral("Paragraphe5.ini"),
               "[GENERAL]\r\nNombreDeTemplates=11\r\n[TEXTES]\r\nPetiteEntreprise=TOUS\r\nCandidatureSpontanee=TOUS\r\n");
        // The catalogue now names an eleventh text that no file holds.
        bool erreur = false;
        for (int essai = 0; essai < 50 && !erreur; ++essai) {
            RemplacerHorloge([essai] { return QTime(12, 0, 0, essai); });
            try {
                TirerTemplate(5, textes, spontanee);
            } catch (const ErreurCorpus &e) {
                erreur = e.message().startsWith(QStringLiteral("Impossible de lire le texte"));
            }
        }
        QVERIFY(erreur);
        RemplacerHorloge({});
    }
};

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_installation.moc"
