#include "app/demarrage.h"
#include "app/tform1.h"
#include "platform/systeme.h"
#include "widgets/ecran.h"
#include "app/tform2.h"
#include "app/tform4.h"
#include "widgets/sbitbtn.h"
#include "widgets/spanel.h"
#include "app/tform3.h"
#include "widgets/tformsdialog.h"
#include "widgets/tlabelurl.h"
#include "widgets/twavedimage.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The About window and the welcome page of the help window, driven as the user does:
// what each link opens, the licence notices written into the private temporary folder,
// and which window comes back after each close.
class TestAPropos : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_programme;
    QTemporaryDir m_temporaire;
    QList<QUrl> m_ouverts;
    QStringList m_erreurs;

    static QByteArray lire(const QString &chemin)
    {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Every caption under `racine` fits its text and stays inside its panel; captions of
    // one panel do not overlap.
    static void verifierDisposition(QWidget *racine)
    {
        const auto labels = racine->findChildren<QLabel *>();
        for (QLabel *l : labels) {
            if (l->text().isEmpty())
                continue;
            const QString nom = l->objectName();
            QVERIFY2(l->parentWidget()->rect().contains(l->geometry()), qPrintable(nom + " sort de son panneau"));
            if (l->wordWrap())
                QVERIFY2(l->height() >= l->heightForWidth(l->width()), qPrintable(nom + " coupé en bas"));
            else
                QVERIFY2(l->width() >= l->fontMetrics().horizontalAdvance(l->text()), qPrintable(nom + " coupé"));
            for (QLabel *autre : labels)
                if (autre != l && autre->parentWidget() == l->parentWidget() && !autre->text().isEmpty())
                    QVERIFY2(!l->geometry().intersects(autre->geometry()),
                             qPrintable(nom + " chevauche " + autre->objectName()));
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_programme.isValid() && m_temporaire.isValid());
        // The licence notices go into a private folder of the test's own.
        QFile::setPermissions(m_temporaire.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_temporaire.path()));
        QCOMPARE(DossierTemporaire(), m_temporaire.path() + u'/');
        RemplacerDossierProgramme(m_programme.path());
        RemplacerMetriquesEcran(MetriquesEcran{QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 994)});
        RemplacerAfficheurErreur([this](const QString &m) { m_erreurs << m; });
        RemplacerOuvreur([this](const QUrl &u) {
            m_ouverts << u;
            return true;
        });
        TFormsDialog::definirRepondeur([](TFormsDialog &) { return 1; });
    }

    void init()
    {
        m_ouverts.clear();
        m_erreurs.clear();
        for (const QString &f : QDir(m_temporaire.path()).entryList(QDir::Files))
            QFile::remove(m_temporaire.filePath(f));
        // No profile yet: the start shows the welcome page.
        CreerFenetres();
        Form1->TimerDemarrageTimer();
    }
    void cleanup() { DetruireFenetres(); }

    void licenceEcriteUneFoisOuverteDeuxFois_data()
    {
        QTest::addColumn<QString>("lien");
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("programme") << "LabelURL4" << "Licence.txt" << "Vendelair est un logiciel gratuit";
        QTest::newRow("LGPL") << "LabelURL6" << "LGPL.txt" << "https://www.gnu.org/licenses/lgpl-3.0.html";
        QTest::newRow("MPL") << "LabelURL8" << "MPL.txt" << "https://www.mozilla.org/MPL/2.0/";
    }
    void licenceEcriteUneFoisOuverteDeuxFois()
    {
        QFETCH(QString, lien);
        QFETCH(QString, fichier);
        QFETCH(QString, attendu);
        Form1->sBitBtn28Click();
        auto *label = Form3->findChild<TLabelURL *>(lien);
        QVERIFY(label);
        const QString chemin = m_temporaire.filePath(fichier);

        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, label->rect().center());
        QCOMPARE(m_ouverts, QList<QUrl>{QUrl::fromLocalFile(chemin)});
        const QByteArray octets = lire(chemin);
        // UTF-8 text with CR LF line ends, as embedded.
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString texte = utf8(octets);
        QVERIFY(!utf8.hasError());
        QVERIFY(texte.contains(attendu));
        QVERIFY(texte.contains(QStringLiteral("\r\n")));
        QCOMPARE(octets.count('\n'), octets.count("\r\n"));
        QCOMPARE(octets, RessourceEmbarquee(fichier.section(u'.', 0, 0)).value_or(QByteArray()));

        // The second click opens the file as it stands, even if the user changed it.
        {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("retouché");
        }
        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, label->rect().center());
        QCOMPARE(m_ouverts.size(), 2);
        QCOMPARE(m_ouverts.last(), QUrl::fromLocalFile(chemin));
        QCOMPARE(lire(chemin), QByteArray("retouché"));
        QVERIFY(m_erreurs.isEmpty());
    }

    void licenceAbsente()
    {
        Form3->OuvrirLicence(QStringLiteral("Absente"), QStringLiteral("Absente.txt"));
        QCOMPARE(m_erreurs, QStringList{QStringLiteral("Ressource Absente introuvable.")});
        QVERIFY(m_ouverts.isEmpty());
        QVERIFY(!QFile::exists(m_temporaire.filePath(QStringLiteral("Absente.txt"))));
    }

    void liens_data()
    {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QUrl>("cible");
        const QUrl site(QStringLiteral("https://vendelair.example"));
        const QUrl contact(QStringLiteral("mailto:contact@vendelair.example"));
        const QUrl qt(QStringLiteral("https://www.qt.io/"));
        QTest::newRow("icône") << "Image1" << QString() << site;
        QTest::newRow("nom, début") << "Label13" << "Vend" << site;
        QTest::newRow("nom, fin") << "Label12" << "elair" << site;
        QTest::newRow("invitation") << "LabelURL2"
                                    << "Visitez notre site pour télécharger d'autres logiciels gratuits." << site;
        QTest::newRow("image courrier") << "ImageMail" << QString() << contact;
        QTest::newRow("courrier") << "UrlMail" << "Contactez-nous par email" << contact;
        QTest::newRow("image site") << "ImageWebsite" << QString() << site;
        QTest::newRow("site") << "UrlWebsite" << "Visiter le site WEB de Vendelair" << site;
        QTest::newRow("interface") << "LabelURL5" << "Qt 6" << qt;
        QTest::newRow("composant texte") << "LabelURL7" << "Qt 6" << qt;
        QTest::newRow("icônes") << "LabelURL1" << QString() << site;
    }
    void liens()
    {
        QFETCH(QString, controle);
        QFETCH(QString, texte);
        QFETCH(QUrl, cible);
        Form1->sBitBtn28Click();
        auto *w = Form3->findChild<QWidget *>(controle);
        QVERIFY(w);
        if (auto *l = qobject_cast<QLabel *>(w); l && !texte.isEmpty())
            QCOMPARE(l->text(), texte);
        QCOMPARE(w->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
        QCOMPARE(m_ouverts, QList<QUrl>{cible});
        // A right click opens nothing.
        QTest::mouseClick(w, Qt::RightButton, Qt::NoModifier, w->rect().center());
        QCOMPARE(m_ouverts.size(), 1);
    }

    void presentation()
    {
        Form1->sBitBtn28Click();
        QVERIFY(Form3->isVisible());
        QCOMPARE(Form3->windowModality(), Qt::ApplicationModal);
        QCOMPARE(Form3->Label13->text() + Form3->Label12->text(), QStringLiteral("Vendelair"));
        QVERIFY(Form3->Label13->font().bold() && !Form3->Label12->font().bold());
        QCOMPARE(Form3->Label12->palette().color(QPalette::WindowText), QColor(206, 70, 16));
        // The two halves of the name touch.
        QCOMPARE(Form3->Label12->x(), Form3->Label13->x() + Form3->Label13->width());
        QCOMPARE(Form3->Label14->text(), QStringLiteral("(version 1.1)"));
        QCOMPARE(Form3->LabelDescription->text(),
                 QStringLiteral("Votre lettre de motivation personnalisée en quelques clics"));
        verifierDisposition(Form3);

        // The icon ripples as soon as the mouse passes over it.
        QCOMPARE(Form3->Image1->size(), QSize(128, 128));
        QTest::mouseMove(Form3->Image1, QPoint(60, 60));
        QVERIFY(Form3->Image1->TimOndulation()->isActive());
        QCOMPARE(Form3->Image1->hauteur(128 - 60, 60), 360);
    }

    void retourReactiveLaFenetrePrincipale_data()
    {
        QTest::addColumn<bool>("depuisAccueil");
        QTest::addColumn<bool>("boutonRetour");
        QTest::newRow("fenêtre principale, bouton") << false << true;
        QTest::newRow("fenêtre principale, case de fermeture") << false << false;
        QTest::newRow("page d'accueil, bouton") << true << true;
        QTest::newRow("page d'accueil, case de fermeture") << true << false;
    }
    void retourReactiveLaFenetrePrincipale()
    {
        QFETCH(bool, depuisAccueil);
        QFETCH(bool, boutonRetour);
        Form1->setEnabled(false);
        if (depuisAccueil)
            Form4->sBitBtn28->click();
        else
            Form1->sBitBtn28Click();
        QVERIFY(Form3->isVisible());
        QVERIFY(Form3->isModal());
        if (boutonRetour)
            Form3->sBitBtn6->click();
        else
            Form3->close();
        QVERIFY(!Form3->isVisible());
        QVERIFY(Form1->isEnabled());
        // The welcome page is still there, the main window still hidden behind it.
        QVERIFY(Form4->isVisible() && Form4->PanWelcome->isVisible());
        QVERIFY(!Form1->isVisible());
    }

    void accueilVersEditeur_data()
    {
        QTest::addColumn<bool>("boutonSuivant");
        QTest::newRow("page suivante") << true;
        QTest::newRow("case de fermeture") << false;
    }
    void accueilVersEditeur()
    {
        QFETCH(bool, boutonSuivant);
        QVERIFY(Form4->isVisible() && Form4->PanWelcome->isVisible());
        QCOMPARE(Form4->BtnSuivant->toolTip(), QStringLiteral("Page suivante"));
        if (boutonSuivant)
            Form4->BtnSuivant->click();
        else
            Form4->close();
        QVERIFY(!Form4->isVisible());
        QVERIFY(Form2->isVisible() && Form2->isEnabled());
        QVERIFY(!Form1->isVisible());
    }

    void pageDAccueil()
    {
        QCOMPARE(Form4->Label31->text() + Form4->Label32->text(), QStringLiteral("Vendelair"));
        QCOMPARE(Form4->Label31->font().pixelSize(), 21);
        QVERIFY(Form4->Label31->font().bold() && !Form4->Label32->font().bold());
        QCOMPARE(Form4->Label32->palette().color(QPalette::WindowText), QColor(206, 70, 16));
        QCOMPARE(Form4->Label32->x(), Form4->Label31->x() + Form4->Label31->width());
        QCOMPARE(Form4->sBitBtn28->toolTip(), QStringLiteral("A propos de Vendelair"));
        QCOMPARE(Form4->Image1->size(), QSize(96, 96));
        QCOMPARE(Form4->Image1->MouseMoveIntensity(), 360);
        // The page covers the topics and the close button.
        QVERIFY(Form4->PanWelcome->geometry().contains(Form4->sBitBtn6->geometry()));
        const QWidget *dessus = Form4->childAt(Form4->sBitBtn6->geometry().center());
        QVERIFY(dessus && (dessus == Form4->PanWelcome || Form4->PanWelcome->isAncestorOf(dessus)));
        QVERIFY(Form4->sPanel1->geometry().bottom() < Form4->PanWelcome->height());
        verifierDisposition(Form4->PanWelcome);
    }
};

QTEST_MAIN(TestAPropos)
#include "tst_apropos.moc"
