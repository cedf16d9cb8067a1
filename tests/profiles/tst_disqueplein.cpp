#include "platform/ecriture.h"
#include "profiles/settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

#include <sys/mount.h>
#include <unistd.h>

// What users keep is never lost to a full disk or to a second running program: the
// settings file is replaced whole or not at all, and a refused write says why.
namespace {

Profile profil(const QString &nom, const QString &memo = QStringLiteral("j'ai animé des ateliers"))
{
    Profile p;
    p.definir("EdProfileName", nom);
    p.definir("EdNom", QStringLiteral("Durand"));
    p.definir("MemoFormation1", memo);
    return p;
}

QByteArray contenu(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A second program, started by the test: saves n profiles named after a prefix.
int ecrivain(const QString &chemin, const QString &prefixe, int n)
{
    SettingsFile s(chemin);
    for (int i = 0; i < n; ++i)
        if (!s.SauverProfile(profil(prefixe + QString::number(i))))
            return 1;
    return 0;
}

} // namespace

class TestDisquePlein : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dossier;

    // The previous file whole, the message with its cause, no leftover beside it.
    void verifierRefus(SettingsFile &s, const QByteArray &avant, const QString &cause)
    {
        QVERIFY(!s.SauverProfile(profil(QStringLiteral("Bob"), QString(4000, u'x'))));
        QCOMPARE(s.erreur(), QStringLiteral("Impossible d'écrire dans %1 : %2").arg(s.chemin(), cause));
        QCOMPARE(contenu(s.chemin()), avant);
        QCOMPARE(QFileInfo(s.chemin()).dir().entryList({QStringLiteral(".Vendelair.ini.*")}, QDir::Files | QDir::Hidden),
                 QStringList());
    }

private slots:
    // The device fails part-way through the write, as a full disk does.
    void ecritureQuiEchoue()
    {
        SettingsFile s(m_dossier.filePath(QStringLiteral("Vendelair.ini")));
        QVERIFY(s.SauverProfile(profil(QStringLiteral("Alice"))));
        const QByteArray avant = contenu(s.chemin());
        for (int numero : {ENOSPC, EIO}) {
            int appels = 0;
            RemplacerEcritureSysteme([&](int fd, const void *p, size_t n) -> ssize_t {
                if (appels++ == 0)
                    return ::write(fd, p, std::min<size_t>(n, 100)); // a short write first
                errno = numero;
                return -1;
            });
            verifierRefus(s, avant, RaisonSysteme(numero));
            RemplacerEcritureSysteme({});
        }
        QCOMPARE(RaisonSysteme(ENOSPC), QStringLiteral("disque plein"));
    }

    // A real file system filled to the last byte.
    void vraiDisquePlein()
    {
        if (::geteuid() != 0)
            QSKIP("mounting a small file system for this test needs root");
        const QString point = m_dossier.filePath(QStringLiteral("petit"));
        QVERIFY(QDir().mkpath(point));
        if (::mount("tmpfs", QFile::encodeName(point).constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("this machine does not let the test mount a small file system");
        SettingsFile s(point + QStringLiteral("/Vendelair.ini"));
        const bool premier = s.SauverProfile(profil(QStringLiteral("Alice")));
        const QByteArray avant = contenu(s.chemin());
        QFile remplissage(point + QStringLiteral("/remplissage"));
        if (remplissage.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            const QByteArray bloc(512, 'x');
            while (remplissage.write(bloc) == bloc.size()) {
            }
            remplissage.close();
        }
        verifierRefus(s, avant, QStringLiteral("disque plein"));
        ::umount(QFile::encodeName(point).constData());
        QVERIFY(premier);
    }

    // Two programs saving at once: each keeps the other's profiles.
    void deuxProgrammes()
    {
        const QString chemin = m_dossier.filePath(QStringLiteral("partage.ini"));
        QProcess a, b;
        const QString moi = QCoreApplication::applicationFilePath();
        a.start(moi, {QStringLiteral("--ecrire"), chemin, QStringLiteral("A"), QStringLiteral("200")});
        b.start(moi, {QStringLiteral("--ecrire"), chemin, QStringLiteral("B"), QStringLiteral("200")});
        QVERIFY(a.waitForFinished(120000) && b.waitForFinished(120000));
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(b.exitCode(), 0);
        QCOMPARE(SettingsFile(chemin).EnumererProfiles().size(), 400);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "--ecrire") == 0)
        return ecrivain(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), QByteArray(argv[4]).toInt());
    TestDisquePlein test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_disqueplein.moc"
