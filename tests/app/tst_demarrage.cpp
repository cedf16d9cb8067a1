#include "app/demarrage.h"
#include "app/disposition.h"
#include "app/placementfenetre.h"
#include "app/tform1.h"
#include "platform/systeme.h"
#include "widgets/ecran.h"
#include "app/tform2.h"
#include "app/tform4.h"
#include "widgets/sbitbtn.h"
#include "widgets/scombobox.h"
#include "widgets/sedit.h"
#include "widgets/sgauge.h"
#include "widgets/spanel.h"
#include "app/tform3.h"
#include "widgets/tformsdialog.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>

class TestDemarrage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dossier;
    QString m_ini;
    QStringList m_erreurs;

    void ecrireIni(const QByteArray &octets)
    {
        QFile f(m_ini);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(octets);
    }
    QByteArray lireIni() const
    {
        QFile f(m_ini);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dossier.isValid());
        m_ini = m_dossier.filePath(QStringLiteral("Vendelair.ini"));
        RemplacerDossierProgramme(m_dossier.path());
        RemplacerMetriquesEcran(MetriquesEcran{QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 994)});
        RemplacerAfficheurErreur([this](const QString &m) { m_erreurs << m; });
    }

    void init()
    {
        QFile::remove(m_ini);
        m_erreurs.clear();
    }

    void cleanup() { DetruireFenetres(); }

    void tailleSelonEcran_data()
    {
        QTest::addColumn<QSize>("ecran");
        QTest::addColumn<int>("zoneTravail");
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<int>("haut");
        QTest::newRow("800x600") << QSize(800, 600) << 570 << QSize(800, 569) << 0;
        QTest::newRow("1024x768") << QSize(1024, 768) << 738 << QSize(912, 680) << 29;
        QTest::newRow("1280x1024") << QSize(1280, 1024) << 994 << QSize(912, 720) << 137;
        QTest::newRow("819 de large") << QSize(819, 800) << 800 << QSize(800, 720) << 40;
        QTest::newRow("820 de large") << QSize(820, 800) << 800 << QSize(912, 720) << 40;
        QTest::newRow("619 de haut") << QSize(1024, 619) << 619 << QSize(912, 569) << 25;
        QTest::newRow("620 de haut") << QSize(1024, 620) << 620 << QSize(912, 680) << -30;
        QTest::newRow("779 de haut") << QSize(1024, 779) << 779 << QSize(912, 680) << 49;
        QTest::newRow("780 de haut") << QSize(1024, 780) << 780 << QSize(912, 720) << 30;
        // A window taller than the work area: the division truncates toward zero.
        QTest::newRow("zone trop basse") << QSize(800, 600) << 540 << QSize(800, 569) << -14;
    }
    void tailleSelonEcran()
    {
        QFETCH(QSize, ecran);
        QFETCH(int, zoneTravail);
        QFETCH(QSize, taille);
        QFETCH(int, haut);
        const PlacementFenetre p = PlacementDemarrage(ecran, zoneTravail);
        QCOMPARE(QSize(p.largeur, p.hauteur), taille);
        QCOMPARE(p.haut, haut);
        QCOMPARE(GaucheCentree(1024, 912), 56);
        QCOMPARE(GaucheCentree(800, 912), -56);
    }

    void cinqFenetres()
    {
        CreerFenetres();
        const struct { QWidget *fenetre; const char *nom; const char *titre; QSize taille; } attendues[] = {
            {static_cast<QWidget *>(Form1), "Form1",
             "Vendelair - une lettre de motivation personnalisée en quelques clics",
             TailleClient(QSize(912, 720))}, // 912 × 720 frame included
            {static_cast<QWidget *>(Form2), "Form2", "Edition d'un profil", QSize(792, 467)},
            {static_cast<QWidget *>(Form3), "Form3", "A propos de Vendelair...", QSize(792, 502)},
            {static_cast<QWidget *>(Form4), "Form4", "Un peu d'aide...", QSize(593, 333)},
            {static_cast<QWidget *>(FormsDialog), "FormsDialog", "", QSize(289, 162)},
        };
        for (const auto &a : attendues) {
            QVERIFY(a.fenetre);
            QCOMPARE(a.fenetre->objectName(), QString::fromLatin1(a.nom));
            QCOMPARE(a.fenetre->windowTitle(), QString::fromUtf8(a.titre));
            QCOMPARE(a.fenetre->size(), a.taille);
            QVERIFY(a.fenetre->isWindow());
        }
        QCOMPARE(TailleExterieure(Form1->minimumSize()), QSize(800, 569));
        // The dialogs cannot be resized.
        QCOMPARE(Form2->minimumSize(), Form2->maximumSize());
        QCOMPARE(Form3->minimumSize(), Form3->maximumSize());

        // The progress panel covers the whole toolbar, hidden until a generation runs.
        QCOMPARE(Form1->PanProgression->geometry(), Form1->PanEditeur->rect());
        QVERIFY(Form1->PanProgression->isHidden());
        QCOMPARE(Form1->BarreProgression->maxValue(), 512);
        QCOMPARE(Form1->BarreProgression->progress(), 0);
        QCOMPARE(Form1->BarreProgression->height(), 28);
        QCOMPARE(Form1->BarreProgression->texte(), QStringLiteral("0%"));

        QCOMPARE(Form1->SettingsFile, m_dossier.filePath(QStringLiteral("Vendelair.ini")));
        QVERIFY(Form1->WorkFolder.endsWith(QStringLiteral("/Vendelair/")));
        QVERIFY(!Form1->GenerationEnCours);
    }

    void premierDemarrageSansProfil()
    {
        CreerFenetres();
        // Nothing is on screen before the decision, the main window least of all.
        QVERIFY(!Form1->isVisible());
        QVERIFY(Form1->estGaree());
        QVERIFY(Form1->TimerDemarrage->isActive());
        QCOMPARE(Form1->TimerDemarrage->interval(), 2);

        Form1->TimerDemarrageTimer();
        QVERIFY(!Form1->TimerDemarrage->isActive());
        QVERIFY(!Form1->isVisible());
        QVERIFY(Form4->isVisible());
        QVERIFY(Form4->PanWelcome->isVisible());
        QVERIFY(!Form1->sBitBtn14->isEnabled());
        QVERIFY(!QFile::exists(m_ini)); // starting writes nothing
    }

    void demarrageAvecUnProfil()
    {
        ecrireIni("[Profile_Alice]\r\nEdPrenom=Alice\r\nEdNom=Martin\r\nMemoFormation1=la gestion de projets\r\n"
                  "[General]\r\nDernierProfile=Alice\r\n");
        const QByteArray avant = lireIni();
        CreerFenetres();
        QVERIFY(!Form1->isVisible());
        // The selected profile is loaded before anything is shown.
        QCOMPARE(Form1->sComboBox1->currentText(), QStringLiteral("Alice"));
        QCOMPARE(Form2->findChild<SEdit *>(QStringLiteral("EdNom"))->text(), QStringLiteral("Martin"));
        QVERIFY(Form1->sBitBtn14->isEnabled());
        QVERIFY(Form1->sBitBtn15->isEnabled());

        Form1->TimerDemarrageTimer();
        QVERIFY(Form1->isVisible());
        QVERIFY(!Form4->isVisible());
        QCOMPARE(Form1->gauche(), (1280 - 912) / 2);
        QCOMPARE(Form1->pos(), QPoint((1280 - 912) / 2, (994 - 720) / 2));
        QCOMPARE(lireIni(), avant);
    }

    void fermetureEcritDernierProfil_data()
    {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("profil choisi") << QByteArray("[Profile_A]\r\nEdNom=a\r\n[Profile_B]\r\nEdNom=b\r\n"
                                                     "[General]\r\nDernierProfile=B\r\n")
                                       << QStringLiteral("B");
        QTest::newRow("aucun choisi") << QByteArray("[Profile_A]\r\nEdNom=a\r\n[General]\r\nDernierProfile=Z\r\n")
                                      << QString();
    }
    void fermetureEcritDernierProfil()
    {
        QFETCH(QByteArray, fichier);
        QFETCH(QString, attendu);
        ecrireIni(fichier);
        CreerFenetres();
        Form1->TimerDemarrageTimer();
        Form1->close();
        QVERIFY(!Form1->isVisible());
        const QByteArray apres = lireIni();
        QVERIFY2(apres.contains("DernierProfile=" + attendu.toLatin1() + "\r\n"), apres.constData());
        // The profiles themselves are untouched.
        QVERIFY(apres.startsWith(fichier.left(fichier.indexOf("[General]"))));
        QVERIFY(m_erreurs.isEmpty());
    }

    void fermetureRefuseeTermineQuandMeme()
    {
        // A settings file that is a folder cannot be written: the error is shown, the
        // window still closes.
        QVERIFY(QDir().mkpath(m_ini));
        CreerFenetres();
        Form1->TimerDemarrageTimer();
        Form1->close();
        QVERIFY(!Form1->isVisible());
        QCOMPARE(m_erreurs, QStringList{QStringLiteral("Impossible d'écrire dans ") + m_ini
                                        + QStringLiteral(" : ce nom est celui d'un dossier")});
        QVERIFY(QDir().rmdir(m_ini));
    }

    void fichierAbimeNeChangeRien_data()
    {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<QStringList>("profils");
        QByteArray bruit(64 * 1024, '\0');
        for (int i = 0; i < bruit.size(); ++i)
            bruit[i] = char((i * 7919 + 13) % 251);
        QTest::newRow("binaire") << bruit << QStringList{};
        QTest::newRow("tronqué") << QByteArray("[Profile_Alice]\r\nEdNom=Mar") << QStringList{"Alice"};
        QTest::newRow("CR seuls") << QByteArray("[Profile_A]\rEdNom=x\r[Profile_B]\rEdNom=y\r")
                                  << QStringList{"A", "B"};
        QTest::newRow("LF seuls") << QByteArray("[Profile_A]\nEdNom=x\n[General]\nDernierProfile=A\n")
                                  << QStringList{"A"};
        QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBF[Profile_Zo\xC3\xA9]\r\nEdNom=x\r\n")
                             << QStringList{QStringLiteral("Zoé")};
        QTest::newRow("sections en double") << QByteArray("[Profile_A]\r\nEdNom=1\r\n[Profile_A]\r\nEdNom=2\r\n")
                                            << QStringList{"A", "A"};
        QTest::newRow("clés sans section, lignes sans =")
            << QByteArray("EdNom=orphelin\r\nn'importe quoi\r\n[Profile_A]\r\nsans egal\r\n") << QStringList{"A"};
    }
    void fichierAbimeNeChangeRien()
    {
        QFETCH(QByteArray, fichier);
        QFETCH(QStringList, profils);
        ecrireIni(fichier);
        CreerFenetres();
        Form1->TimerDemarrageTimer();
        QStringList listes;
        for (int i = 0; i < Form1->sComboBox1->count(); ++i)
            listes << Form1->sComboBox1->itemText(i);
        QCOMPARE(listes, profils);
        QCOMPARE(Form1->isVisible(), !profils.isEmpty());
        QCOMPARE(lireIni(), fichier);
    }

    void fichierEnorme()
    {
        // 50 MB of one long line and many short ones: the program starts and lists the
        // one profile it can find.
        QByteArray grand("[Profile_Grand]\r\nEdNom=");
        grand.append(QByteArray(30 * 1024 * 1024, 'x'));
        grand.append("\r\n");
        QByteArray ligne("bruit sans signe egal\r\n");
        while (grand.size() < 50 * 1024 * 1024)
            grand.append(ligne);
        ecrireIni(grand);
        CreerFenetres();
        QCOMPARE(Form1->sComboBox1->count(), 1);
        QCOMPARE(Form1->sComboBox1->itemText(0), QStringLiteral("Grand"));
    }
};

QTEST_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
