#include "platform/systeme.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QCoreApplication>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// The private temporary folder holds the template corpus during a generation and the
// copies handed to other programs: nobody else may read it, nor slip a link into its place.
class TestSysteme : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_racine;
    QString m_runtime;
    QString m_tmp;

    static mode_t mode(const QString &chemin)
    {
        struct stat st {};
        ::lstat(QFile::encodeName(chemin).constData(), &st);
        return st.st_mode & 07777;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_racine.isValid());
        m_runtime = m_racine.filePath(QStringLiteral("runtime"));
        m_tmp = m_racine.filePath(QStringLiteral("tmp"));
        QVERIFY(QDir().mkpath(m_tmp));
        qputenv("TMPDIR", QFile::encodeName(m_tmp));
    }

    void init()
    {
        QDir(m_runtime).removeRecursively();
        QDir(m_tmp).removeRecursively();
        QVERIFY(QDir().mkpath(m_tmp));
    }

    void dossierDExecutionPriveUtilise()
    {
        QVERIFY(QDir().mkpath(m_runtime));
        QVERIFY(::chmod(QFile::encodeName(m_runtime).constData(), 0700) == 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime));
        QCOMPARE(DossierTemporaire(), m_runtime + u'/');
    }

    void repliQuandLeDossierDExecutionNeConvientPas_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::newRow("absent") << "absent";
        QTest::newRow("ouvert aux autres") << "ouvert";
        QTest::newRow("relatif") << "relatif";
    }
    void repliQuandLeDossierDExecutionNeConvientPas()
    {
        QFETCH(QString, cas);
        if (cas == QLatin1String("ouvert")) {
            QVERIFY(QDir().mkpath(m_runtime));
            QVERIFY(::chmod(QFile::encodeName(m_runtime).constData(), 0777) == 0);
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime));
        } else if (cas == QLatin1String("relatif")) {
            qputenv("XDG_RUNTIME_DIR", "runtime");
        } else {
            qunsetenv("XDG_RUNTIME_DIR");
        }
        const QString attendu = QDir(m_tmp).filePath(QStringLiteral("vendelair-%1/").arg(::geteuid()));
        QString erreur;
        QCOMPARE(DossierTemporaire(&erreur), attendu);
        QVERIFY(erreur.isEmpty());
        QCOMPARE(mode(attendu), mode_t(0700));
        // An open runtime folder is never changed by us.
        if (cas == QLatin1String("ouvert"))
            QCOMPARE(mode(m_runtime), mode_t(0777));
    }

    // A fallback folder that is open to others, a link or someone else's is never used nor
    // changed: what may have been planted in it stays out. A new private folder of ours is
    // made beside it, and kept for the rest of the run while it stays ours.
    void repliDouteuxRemplaceParUnDossierNeuf_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::newRow("ouvert aux autres") << "ouvert";
        QTest::newRow("lien symbolique") << "lien";
        QTest::newRow("à un autre utilisateur") << "autre";
    }
    void repliDouteuxRemplaceParUnDossierNeuf()
    {
        QFETCH(QString, cas);
        if (cas == QLatin1String("autre") && ::geteuid() != 0)
            QSKIP("only root can give a folder to someone else");
        qunsetenv("XDG_RUNTIME_DIR");
        const QString repli = QDir(m_tmp).filePath(QStringLiteral("vendelair-%1").arg(::geteuid()));
        const QString ailleurs = m_racine.filePath(QStringLiteral("ailleurs"));
        QVERIFY(QDir().mkpath(ailleurs));
        if (cas == QLatin1String("lien")) {
            QVERIFY(QFile::link(ailleurs, repli));
        } else {
            QVERIFY(QDir().mkpath(repli));
            QVERIFY(::chmod(QFile::encodeName(repli).constData(), 0777) == 0);
            if (cas == QLatin1String("autre"))
                QVERIFY(::chown(QFile::encodeName(repli).constData(), 65534, 65534) == 0);
        }
        QString erreur;
        const QString neuf = DossierTemporaire(&erreur);
        QVERIFY2(neuf.startsWith(repli + u'-') && neuf.endsWith(u'/'), qPrintable(neuf + erreur));
        QCOMPARE(mode(neuf), mode_t(0700));
        QCOMPARE(DossierTemporaire(), neuf);
        if (cas != QLatin1String("lien"))
            QCOMPARE(mode(repli), mode_t(0777));
        // Once the new folder is taken from us, another one replaces it.
        QVERIFY(QDir(neuf).removeRecursively());
        QVERIFY(QFile::link(ailleurs, neuf.chopped(1)));
        const QString autre = DossierTemporaire();
        QVERIFY(autre != neuf && autre.startsWith(repli + u'-'));
        QCOMPARE(QDir(ailleurs).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }

    void dossierDuProgramme()
    {
        QVERIFY(DossierProgramme().endsWith(u'/'));
        QCOMPARE(DossierProgramme(), QCoreApplication::applicationDirPath() + u'/');
        RemplacerDossierProgramme(m_tmp);
        QCOMPARE(DossierProgramme(), m_tmp + u'/');
        RemplacerDossierProgramme(QString());
        QCOMPARE(DossierProgramme(), QCoreApplication::applicationDirPath() + u'/');
    }

    // Qt's own dialogs speak French whatever the user's language.
    void traductionsDeQt()
    {
        qputenv("LANG", "en_US.UTF-8");
        QVERIFY2(ChargerTraductionsQt(), "qt6-translations-l10n is missing: scripts/setup.sh installs it");
        QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Imprimer"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"), QStringLiteral("Enregistrer sous"));
    }

    void ressourceInconnue() { QVERIFY(!RessourceEmbarquee(QStringLiteral("n'existe pas")).has_value()); }
};

QTEST_GUILESS_MAIN(TestSysteme)
#include "tst_systeme.moc"
