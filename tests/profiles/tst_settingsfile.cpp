#include "profiles/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QDate>
#include <QTest>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

class TestSettingsFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dossier;
    QString m_ini;

    void ecrire(const QByteArray &octets)
    {
        QFile f(m_ini);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(octets);
    }
    QByteArray contenu() const
    {
        QFile f(m_ini);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static Profile alice()
    {
        Profile p;
        p.definir("EdPrenom", QStringLiteral("Alice"));
        p.definir("EdNom", QStringLiteral("Martin"));
        p.definirChoix("CombTitre", 1);
        p.definir("EdAdresse", QStringLiteral("3 rue des Lilas"));
        p.definir("EdCodePostal", QStringLiteral("67000"));
        p.definir("EdVille", QStringLiteral("Strasbourg"));
        p.definir("EdTelephone", QStringLiteral("03 88 00 00 00"));
        p.definir("EdMail", QStringLiteral("alice@example.org"));
        p.definirChoix("CombStatutActuel", 4);
        p.definirChoix("CombMoisDispo", 8);
        p.definirChoix("CombAnneeDispo", 13);
        p.definirChoix("CombTypeMission", 2);
        p.definir("MemoProfilActuel", QStringLiteral("assistante de direction"));
        p.definir("MemoFormation1", QStringLiteral("la gestion de projets d’envergure."));
        p.definir("MemoPrecMissions1", QStringLiteral("le suivi commercial"));
        p.definir("EdProfileName", QStringLiteral("Alice"));
        return p;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dossier.isValid());
        m_ini = m_dossier.filePath(QStringLiteral("Vendelair.ini"));
    }
    void init() { QFile::remove(m_ini); }

    void listeDesProfils_data()
    {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<QStringList>("noms");
        QTest::addColumn<QString>("dernier");
        QTest::newRow("pas de fichier") << QByteArray() << QStringList{} << QStringLiteral("PROFILE");
        QTest::newRow("General seul") << QByteArray("[General]\r\nDernierProfile=Alice\r\n") << QStringList{}
                                      << QStringLiteral("Alice");
        QTest::newRow("casse du filtre")
            << QByteArray("[profile_x]\r\n[MonProfile_Test]\r\n[PROFILE_y]\r\n[Profile_Zoé]\r\n")
            << QStringList{QStringLiteral("MonTest"), QStringLiteral("Zoé")} << QStringLiteral("PROFILE");
        QTest::newRow("ordre du fichier, doublons gardés")
            << QByteArray("[Profile_B]\r\n[General]\r\nDernierProfile=\r\n[Profile_A]\r\n[Profile_B]\r\n")
            << QStringList{"B", "A", "B"} << QString();
        QTest::newRow("crochet dans le nom") << QByteArray("[Profile_a]b]\r\nEdNom=x\r\n") << QStringList{"a]b"}
                                             << QStringLiteral("PROFILE");
    }
    void listeDesProfils()
    {
        QFETCH(QByteArray, fichier);
        QFETCH(QStringList, noms);
        QFETCH(QString, dernier);
        if (!fichier.isEmpty())
            ecrire(QString::fromUtf8(fichier).toLatin1());
        SettingsFile s(m_ini);
        QCOMPARE(s.EnumererProfiles(), noms);
        QCOMPARE(s.LireDernierProfile(), dernier);
    }

    // A program folder nobody may write into: a read-only file system for root (who may
    // write anywhere else), the permission bits for anyone else. `ini` is put there first.
    static bool dossierEnLectureSeule(const QString &dossier, const QByteArray &ini)
    {
        QDir().mkpath(dossier);
        const QByteArray chemin = QFile::encodeName(dossier);
        if (::geteuid() == 0 && ::mount("tmpfs", chemin.constData(), "tmpfs", 0, "size=64k") != 0)
            return false;
        if (!ini.isEmpty()) {
            QFile f(dossier + QStringLiteral("/Vendelair.ini"));
            if (!f.open(QIODevice::WriteOnly) || f.write(ini) != ini.size())
                return false;
        }
        if (::geteuid() == 0)
            return ::mount("tmpfs", chemin.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
        return ::chmod(chemin.constData(), 0555) == 0;
    }

    // Beside a program in a folder of its own; in the user's configuration folder for an
    // installed one, starting from the file that came with it, which stays as it was.
    void emplacement()
    {
        const QString config = m_dossier.filePath(QStringLiteral("config"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        const QString portable = m_dossier.filePath(QStringLiteral("portable/"));
        QVERIFY(QDir().mkpath(portable));
        QCOMPARE(SettingsFile::emplacement(portable), portable + QStringLiteral("Vendelair.ini"));
        QVERIFY(!QFileInfo::exists(config + QStringLiteral("/vendelair")));

        const QString installe = m_dossier.filePath(QStringLiteral("installe"));
        const QString exemple = m_dossier.filePath(QStringLiteral("exemple"));
        const QByteArray livre = "[Profile_Livr\xe9]\r\nEdNom=Martin\r\n";
        // Writable again at the end, whatever happens.
        struct Liberer
        {
            QStringList dossiers;
            ~Liberer()
            {
                for (const QString &d : dossiers)
                    if (::geteuid() == 0)
                        ::umount(QFile::encodeName(d).constData());
                    else
                        ::chmod(QFile::encodeName(d).constData(), 0755);
            }
        } liberer{{installe, exemple}};
        if (!dossierEnLectureSeule(installe, QByteArray()) || !dossierEnLectureSeule(exemple, livre))
            QSKIP("this machine does not let the test make a read-only folder");
        const QString personnel = config + QStringLiteral("/vendelair/Vendelair.ini");
        QCOMPARE(SettingsFile::emplacement(installe + u'/'), personnel);
        QVERIFY(QDir(installe).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
        SettingsFile installeVide(personnel);
        QVERIFY(installeVide.SauverProfile(Profile{}));

        // The file that came with the program is copied once, never over the user's own.
        QVERIFY(QFile::remove(personnel));
        QCOMPARE(SettingsFile::emplacement(exemple + u'/'), personnel);
        QCOMPARE(SettingsFile(personnel).EnumererProfiles(), QStringList{QStringLiteral("Livré")});
        Profile p;
        p.definir("EdProfileName", QStringLiteral("Moi"));
        QVERIFY(SettingsFile(personnel).SauverProfile(p));
        QCOMPARE(SettingsFile::emplacement(exemple + u'/'), personnel);
        QCOMPARE(SettingsFile(personnel).EnumererProfiles(), (QStringList{QStringLiteral("Livré"), QStringLiteral("Moi")}));
        QFile livreLu(exemple + QStringLiteral("/Vendelair.ini"));
        QVERIFY(livreLu.open(QIODevice::ReadOnly));
        QCOMPARE(livreLu.readAll(), livre);
    }

    // Stored profiles count years from 2007; the list reaches five years past this one.
    void anneesDeDisponibilite()
    {
        const QStringList &annees = Profile::itemsAnneeDispo();
        QCOMPARE(annees.first(), QStringLiteral("2007"));
        QCOMPARE(annees.at(13), QStringLiteral("2020"));
        QCOMPARE(annees.last(), QString::number(QDate::currentDate().year() + 5));
    }

    void premiereSauvegarde()
    {
        SettingsFile s(m_ini);
        QVERIFY(s.SauverProfile(alice()));
        const QByteArray attendu =
            "[Profile_Alice]\r\nEdPrenom=Alice\r\nEdNom=Martin\r\nCombTitre=1\r\nEdAdresse=3 rue des Lilas\r\n"
            "EdCodePostal=67000\r\nEdVille=Strasbourg\r\nEdTelephone=03 88 00 00 00\r\nEdMail=alice@example.org\r\n"
            "CombStatutActuel=4\r\nCombMoisDispo=8\r\nCombAnneeDispo=13\r\nCombTypeMission=2\r\n"
            "MemoProfilActuel=assistante de direction\r\nMemoFormation1=la gestion de projets d\x92" "envergure.\r\n"
            "MemoPrecMissions1=le suivi commercial\r\nMemoPrecMissions2=\r\nMemoPrecMissions3=\r\n"
            "MemoActMissions1=\r\nMemoFormation2=\r\nMemoActMissions2=\r\nEdProfileName=Alice\r\n"
            "[General]\r\nDernierProfile=Alice\r\n";
        QCOMPARE(contenu(), attendu);
        QCOMPARE(s.ChargerProfile(QStringLiteral("Alice"), Profile{}), alice());
    }

    void renommerCreeUnSecondProfil()
    {
        SettingsFile s(m_ini);
        Profile p = alice();
        QVERIFY(s.SauverProfile(p));
        p.definir("EdProfileName", QStringLiteral("Alicia"));
        p.definir("EdVille", QStringLiteral("Colmar"));
        QVERIFY(s.SauverProfile(p));
        QCOMPARE(s.EnumererProfiles(), (QStringList{"Alice", "Alicia"}));
        QCOMPARE(s.LireDernierProfile(), QStringLiteral("Alicia"));
        QCOMPARE(s.ChargerProfile(QStringLiteral("Alice"), Profile{}).valeur("EdVille"), QStringLiteral("Strasbourg"));
        // The General section stays where the first save put it: before the new profile.
        QVERIFY(contenu().indexOf("[General]") < contenu().indexOf("[Profile_Alicia]"));
    }

    void resaveKeepsForeignKeys()
    {
        ecrire("[Profile_Alice]\r\nEdNom=Ancien\r\nNotePerso=garder\r\n");
        SettingsFile s(m_ini);
        QVERIFY(s.SauverProfile(alice()));
        const QByteArray apres = contenu();
        QVERIFY(apres.contains("NotePerso=garder\r\n"));
        QVERIFY(apres.contains("EdNom=Martin\r\n"));
        QVERIFY(!apres.contains("Ancien"));
    }

    void chargementPartiel()
    {
        // Text and choice fields keep the previous profile's values for missing keys,
        // memos come out empty, a choice outside its list chooses nothing.
        ecrire("[Profile_B]\r\nEdNom=Bernard\r\nCombTitre=7\r\nCombMoisDispo=abc\r\nCombAnneeDispo=$3\r\n"
               "CombTypeMission=0x4\r\nCombStatutActuel=-1\r\n");
        SettingsFile s(m_ini);
        const Profile p = s.ChargerProfile(QStringLiteral("B"), alice());
        QCOMPARE(p.valeur("EdNom"), QStringLiteral("Bernard"));
        QCOMPARE(p.valeur("EdVille"), QStringLiteral("Strasbourg"));
        QCOMPARE(p.valeur("EdPrenom"), QStringLiteral("Alice"));
        QCOMPARE(p.valeur("MemoFormation1"), QString());
        QCOMPARE(p.valeur("MemoProfilActuel"), QString());
        QCOMPARE(p.choix("CombTitre"), -1);
        QCOMPARE(p.choix("CombMoisDispo"), 8);
        QCOMPARE(p.choix("CombAnneeDispo"), 3);
        QCOMPARE(p.choix("CombTypeMission"), 4);
        QCOMPARE(p.choix("CombStatutActuel"), -1);
        // A missing section, the empty name among them, changes only the memos.
        Profile attendu = alice();
        for (const char *memo : {"MemoProfilActuel", "MemoFormation1", "MemoPrecMissions1"})
            attendu.definir(memo, QString());
        QCOMPARE(s.ChargerProfile(QString(), alice()), attendu);
    }

    void rienNestPerdu_data()
    {
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<QString>("relu");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("très longue valeur") << "MemoFormation1" << QString(5000, u'é') << QString(5000, u'é') << false;
        QTest::newRow("hors Windows-1252") << "EdNom" << QStringLiteral("Łukasiewicz Ω 😀")
                                           << QStringLiteral("Łukasiewicz Ω 😀") << true;
        QTest::newRow("saut de ligne") << "MemoActMissions1" << QStringLiteral("un\r\ndeux\ntrois")
                                       << QStringLiteral("un  deux trois") << false;
        QTest::newRow("blancs autour") << "EdVille" << QStringLiteral("  Metz ") << QStringLiteral("  Metz ") << false;
        QTest::newRow("signe égal") << "EdMail" << QStringLiteral("a=b@c.fr") << QStringLiteral("a=b@c.fr") << false;
    }
    void rienNestPerdu()
    {
        QFETCH(QString, cle);
        QFETCH(QString, valeur);
        QFETCH(QString, relu);
        QFETCH(bool, utf8);
        SettingsFile s(m_ini);
        Profile p = alice();
        p.definir(cle.toLatin1().constData(), valeur);
        QVERIFY(s.SauverProfile(p));
        QCOMPARE(contenu().startsWith("\xEF\xBB\xBF"), utf8);
        QCOMPARE(s.ChargerProfile(QStringLiteral("Alice"), Profile{}).valeur(cle.toLatin1().constData()), relu);
        QCOMPARE(s.EnumererProfiles(), QStringList{"Alice"});
    }

    void nomAvecCrochet()
    {
        SettingsFile s(m_ini);
        Profile p = alice();
        p.definir("EdProfileName", QStringLiteral("Stage [été]"));
        QVERIFY(s.SauverProfile(p));
        QCOMPARE(s.EnumererProfiles(), QStringList{QStringLiteral("Stage [été]")});
        QCOMPARE(s.ChargerProfile(QStringLiteral("Stage [été]"), Profile{}), p);
    }

    void suppression()
    {
        SettingsFile s(m_ini);
        Profile p = alice();
        QVERIFY(s.SauverProfile(p));
        p.definir("EdProfileName", QStringLiteral("Bob"));
        QVERIFY(s.SauverProfile(p));
        QVERIFY(s.EcrireDernierProfile(QStringLiteral("Alice")));
        QVERIFY(s.SupprimerProfile(QStringLiteral("alice"))); // section names ignore case
        QCOMPARE(s.EnumererProfiles(), QStringList{"Bob"});
        QCOMPARE(s.LireDernierProfile(), QStringLiteral("Alice"));
        QVERIFY(!contenu().contains("Martin\r\nCombTitre=1\r\nEdAdresse=3 rue des Lilas\r\nEdCodePostal=67000\r\n"
                                    "EdVille=Strasbourg\r\nEdTelephone=03 88 00 00 00\r\nEdMail=alice@example.org\r\n"
                                    "CombStatutActuel=4\r\nCombMoisDispo=8\r\nCombAnneeDispo=13\r\nCombTypeMission=2\r\n"
                                    "MemoProfilActuel=assistante de direction\r\nMemoFormation1=la gestion de projets"
                                    " d\x92" "envergure.\r\nMemoPrecMissions1=le suivi commercial\r\n"
                                    "MemoPrecMissions2=\r\nMemoPrecMissions3=\r\nMemoActMissions1=\r\n"
                                    "MemoFormation2=\r\nMemoActMissions2=\r\nEdProfileName=Alice"));
        // Erasing what is not there leaves the file byte for byte.
        const QByteArray avant = contenu();
        QVERIFY(s.SupprimerProfile(QStringLiteral("Personne")));
        QCOMPARE(contenu(), avant);
    }

    void ecritureRefusee()
    {
        // The settings file's folder is a plain file: nothing can be written there.
        const QString fichierOrdinaire = m_dossier.filePath(QStringLiteral("pas-un-dossier"));
        QFile f(fichierOrdinaire);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        const QString chemin = fichierOrdinaire + QStringLiteral("/Vendelair.ini");
        SettingsFile s(chemin);
        QVERIFY(!s.SauverProfile(alice()));
        QCOMPARE(s.erreur(), QStringLiteral("Impossible d'écrire dans ") + chemin
                                 + QStringLiteral(" : une partie du chemin n'est pas un dossier"));
        QVERIFY(!s.EcrireDernierProfile(QStringLiteral("x")));
        QCOMPARE(s.EnumererProfiles(), QStringList{});
    }

    void ecritureRefuseeGardeLAncienFichier()
    {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        SettingsFile s(m_ini);
        QVERIFY(s.SauverProfile(alice()));
        const QByteArray avant = contenu();
        QVERIFY(QFile::setPermissions(m_dossier.path(), QFile::ReadOwner | QFile::ExeOwner));
        Profile p = alice();
        p.definir("EdNom", QStringLiteral("Autre"));
        const bool ecrit = s.SauverProfile(p);
        QFile::setPermissions(m_dossier.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!ecrit);
        QCOMPARE(contenu(), avant);
    }

    void fichierIlliblePasEcrase()
    {
        if (::geteuid() == 0)
            QSKIP("root reads every file");
        ecrire("[Profile_Bob]\r\nEdNom=Dupont\r\n");
        QVERIFY(QFile::setPermissions(m_ini, QFile::WriteOwner));
        SettingsFile s(m_ini);
        QVERIFY(!s.SauverProfile(alice()));
        QVERIFY(!s.EcrireDernierProfile(QStringLiteral("Alice")));
        QVERIFY(QFile::setPermissions(m_ini, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(contenu(), QByteArray("[Profile_Bob]\r\nEdNom=Dupont\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
