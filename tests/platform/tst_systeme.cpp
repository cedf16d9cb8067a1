#include "platform/systeme.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

    void repliResserreSesDroits()
    {
        qunsetenv("XDG_RUNTIME_DIR");
        const QString repli = QDir(m_tmp).filePath(QStringLiteral("vendelair-%1").arg(::geteuid()));
        QVERIFY(QDir().mkpath(repli));
        QVERIFY(::chmod(QFile::encodeName(repli).constData(), 0755) == 0);
        QCOMPARE(DossierTemporaire(), repli + u'/');
        QCOMPARE(mode(repli), mode_t(0700));
    }

    void lienSymboliqueRefuse()
    {
        qunsetenv("XDG_RUNTIME_DIR");
        const QString ailleurs = m_racine.filePath(QStringLiteral("ailleurs"));
        QVERIFY(QDir().mkpath(ailleurs));
        const QString repli = QDir(m_tmp).filePath(QStringLiteral("vendelair-%1").arg(::geteuid()));
        QVERIFY(QFile::link(ailleurs, repli));
        QString erreur;
        QCOMPARE(DossierTemporaire(&erreur), QString());
        QVERIFY(erreur.contains(repli));
    }

    void dossierDUnAutreRefuse()
    {
        if (::geteuid() != 0)
            QSKIP("only root can give a folder to someone else");
        qunsetenv("XDG_RUNTIME_DIR");
        const QString repli = QDir(m_tmp).filePath(QStringLiteral("vendelair-%1").arg(::geteuid()));
        QVERIFY(QDir().mkpath(repli));
        QVERIFY(::chown(QFile::encodeName(repli).constData(), 65534, 65534) == 0);
        QString erreur;
        QCOMPARE(DossierTemporaire(&erreur), QString());
        QVERIFY(erreur.contains(QStringLiteral("autre utilisateur")));
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

    void ressourceInconnue() { QVERIFY(!RessourceEmbarquee(QStringLiteral("n'existe pas")).has_value()); }
};

QTEST_GUILESS_MAIN(TestSysteme)
#include "tst_systeme.moc"
