#include "app/demarrage.h"
#include "app/disposition.h"
#include "app/panneaucandidature.h"
#include "app/tform1.h"
#include "editor/panneauediteur.h"
#include "editor/editor.h"
#include "platform/systeme.h"
#include "widgets/ecran.h"
#include "widgets/sbitbtn.h"
#include "widgets/scombobox.h"
#include "widgets/sedit.h"
#include "widgets/spanel.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What the user does: pick an item in a list.
void choisir(SComboBox *liste, int index)
{
    liste->setCurrentIndex(index);
    emit liste->activated(index);
}

// The rows of inputs of the left column, top to bottom, with their height.
const struct
{
    const char *noms[2];
    int hauteur;
} RangsDeSaisie[] = {
    {{"sComboBox1"}, 21},           {{"sComboBox2"}, 21},           {{"CombSecteur"}, 21},
    {{"sComboBox8"}, 21},           {{"sComboBox3"}, 21},           {{"sPanel2"}, 9},
    {{"EdSociete", "sComboBox6"}, 21}, {{"sComboBox4", "sEdit1"}, 21}, {{"CombPrecedentContact"}, 21},
    {{"sEdit3"}, 21},
};

} // namespace

class TestDisposition : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dossier;

    // Gives the main window an outer size, as the user dragging its frame would.
    static void redimensionner(QSize exterieur)
    {
        Form1->resize(TailleClient(exterieur));
        QCOMPARE(TailleExterieure(Form1->size()), exterieur);
    }

    // Every control stands where the rules computed it.
    static void verifierPlaces(const Disposition &d)
    {
        for (auto it = d.controles.cbegin(); it != d.controles.cend(); ++it) {
            const QWidget *w = Form1->findChild<QWidget *>(it.key());
            QVERIFY2(w, qPrintable(it.key()));
            const Placement &p = it.value();
            const auto egal = [](int attendu, int reel) { return attendu == Placement::Inchange || attendu == reel; };
            QVERIFY2(egal(p.gauche, w->x()) && egal(p.haut, w->y()) && egal(p.largeur, w->width())
                         && egal(p.hauteur, w->height()),
                     qPrintable(it.key()));
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dossier.isValid());
        RemplacerDossierProgramme(m_dossier.path());
        RemplacerMetriquesEcran(MetriquesEcran{QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 994)});
        QFile ini(m_dossier.filePath(QStringLiteral("Vendelair.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Profile_Alice]\r\nEdPrenom=Alice\r\nEdNom=Martin\r\n[General]\r\nDernierProfile=Alice\r\n");
    }

    void init()
    {
        CreerFenetres();
        Form1->TimerDemarrageTimer(); // a profile exists: the window is shown
        QVERIFY(Form1->isVisible());
    }
    void cleanup() { DetruireFenetres(); }

    void taillesDessinees_data()
    {
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<int>("gaucheDroite");
        QTest::addColumn<int>("largeurDroite");
        QTest::addColumn<int>("hauteurDroite");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("G");
        QTest::addColumn<int>("hautGauche");
        QTest::addColumn<int>("hauteurGauche");
        QTest::addColumn<int>("hautEtape3");
        QTest::newRow("912x592") << QSize(912, 592) << 368 << 520 << 528 << 80 << 338 << 80 << 360 << 455;
        QTest::newRow("800x569") << QSize(800, 569) << 368 << 408 << 505 << 63 << 338 << 69 << 360 << 433;
        QTest::newRow("1112x680") << QSize(1112, 680) << 368 << 720 << 616 << 111 << 338 << 80 << 448 << 543;
        QTest::newRow("1280x720") << QSize(1280, 720) << 536 << 720 << 656 << 111 << 506 << 80 << 488 << 583;
    }
    void taillesDessinees()
    {
        QFETCH(QSize, taille);
        QFETCH(int, gaucheDroite);
        QFETCH(int, largeurDroite);
        QFETCH(int, hauteurDroite);
        QFETCH(int, zoom);
        QFETCH(int, G);
        QFETCH(int, hautGauche);
        QFETCH(int, hauteurGauche);
        QFETCH(int, hautEtape3);
        const Disposition d = CalculerDisposition(taille);
        QCOMPARE(d.controle("PanDroite"), (Placement{gaucheDroite, 16, largeurDroite, hauteurDroite}));
        QCOMPARE(d.zoom, zoom);
        QCOMPARE(d.G, G);
        QCOMPARE(d.controle("PanGauche"), (Placement{16, hautGauche, G, hauteurGauche}));
        QCOMPARE(d.controle("sPanel1").haut, hautEtape3);

        // The window itself, laid out at that size.
        redimensionner(taille);
        QCOMPARE(Form1->PanDroite->geometry(), QRect(gaucheDroite, 16, largeurDroite, hauteurDroite));
        QCOMPARE(Form1->PanGauche->geometry(), QRect(16, hautGauche, G, hauteurGauche));
        QCOMPARE(Form1->sPanel1->geometry(), QRect(16, hautEtape3, G, 89));
        QCOMPARE(Form1->sPanel4->geometry(), QRect(16, 16, G, 49));
        QCOMPARE(Form1->Editor->width(), d.largeurEditeur);
        QCOMPARE(Form1->Editor->zoom(), zoom);
        verifierPlaces(d);
        QCOMPARE(Form1->PanGauche->sComboBox2->width(), G - 80);
        QCOMPARE(Form1->PanGauche->CombPrecedentContact->width(), G - 146);
    }

    void sautEntre589Et590_data()
    {
        QTest::addColumn<int>("H");
        QTest::addColumn<int>("haut");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<int>("hautService");
        QTest::newRow("589") << 589 << 79 << 360 << 320;
        QTest::newRow("590") << 590 << 80 << 358 << 318; // 358 × 320 div 360
    }
    void sautEntre589Et590()
    {
        QFETCH(int, H);
        QFETCH(int, haut);
        QFETCH(int, hauteur);
        QFETCH(int, hautService);
        const Disposition d = CalculerDisposition(QSize(912, H));
        QCOMPARE(d.hautGauche, haut);
        QCOMPARE(d.hauteurGauche, hauteur);
        QCOMPARE(d.hautEtape3, 453);
        QCOMPARE(d.controle("sEdit3").haut, hautService);
        QCOMPARE(d.controle("sBitBtn7").haut, d.controle("CombPrecedentContact").haut - 2);
    }

    void margesEtRangsATouteTaille()
    {
        // At any size the client area keeps 16 pixels around the columns, and the inputs of
        // the left column neither overlap nor leave it.
        for (int W = 700; W <= 1400; W += 37) {
            for (int H = 500; H <= 1000; H += 23) {
                const Disposition d = CalculerDisposition(QSize(W, H));
                const QSize client = TailleClient(QSize(d.W, d.H));
                const Placement droite = d.controle("PanDroite");
                const Placement gauche = d.controle("PanGauche");
                const Placement etape3 = d.controle("sPanel1");
                const QByteArray ici = QByteArray::number(W) + " x " + QByteArray::number(H) + " ";
                QVERIFY2(client.width() - (droite.gauche + droite.largeur) == 16, ici);
                QVERIFY2(client.height() - (droite.haut + droite.hauteur) == 16, ici);
                // The Generate panel ends with the editor column (one pixel lower below 590).
                QVERIFY2(etape3.haut + etape3.hauteur - (droite.haut + droite.hauteur) == (d.H < 590 ? 1 : 0), ici);
                QVERIFY2(gauche.haut + gauche.hauteur < etape3.haut && 16 + 49 < gauche.haut, ici);
                int basPrecedent = 0;
                for (const auto &rang : RangsDeSaisie) {
                    for (const char *nom : rang.noms) {
                        if (!nom)
                            continue;
                        const Placement p = d.controle(nom);
                        QVERIFY2(p.haut >= basPrecedent, ici + nom);
                        QVERIFY2(p.largeur == Placement::Inchange || p.gauche + p.largeur <= d.G - 16, ici + nom);
                    }
                    basPrecedent = d.controle(rang.noms[0]).haut + rang.hauteur;
                    QVERIFY2(basPrecedent <= gauche.hauteur, ici);
                }
                // A list beside its button ends 3 pixels before it, the button 16 before the edge.
                QVERIFY2(64 + d.largeurType(true) + 3 == d.controle("sBitBtn4").gauche, ici);
                QVERIFY2(130 + d.largeurContact(true) + 3 == d.controle("sBitBtn7").gauche, ici);
                QVERIFY2(d.controle("sBitBtn4").gauche + 25 == d.G - 16, ici);
            }
        }
        // Smaller than the minimum is laid out as the minimum.
        QCOMPARE(CalculerDisposition(QSize(640, 480)).controles, CalculerDisposition(QSize(800, 569)).controles);
    }

    void barrePrincipaleEtPolice_data()
    {
        QTest::addColumn<int>("W");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("apropos");
        // The toolbar is 518 wide (b = 137), then 718 wide (b = 337).
        QTest::newRow("912") << 912 << 7 << 15 << 471;
        QTest::newRow("1280") << 1280 << 17 << 38 << 653;
    }
    void barrePrincipaleEtPolice()
    {
        QFETCH(int, W);
        QFETCH(int, c);
        QFETCH(int, d);
        QFETCH(int, apropos);
        const Disposition dispo = CalculerDisposition(QSize(W, 680));
        QCOMPARE(dispo.ecartC, c);
        QCOMPARE(dispo.ecartD, d);
        redimensionner(QSize(W, 680));
        PanneauEditeur *e = Form1->PanDroite;
        QCOMPARE(e->PanEditeur->width(), dispo.largeurBarre);
        // Left to right, each control the gap after the one before.
        const std::pair<SBitBtn *, bool> suite[] = {
            {e->sBitBtn26, false}, {e->BoutPolices, false}, {e->BoutParagraphe, false}, {nullptr, true},
            {e->BoutAnnuler, true}, {e->BoutRetablir, false}, {e->BoutCouper, false}, {e->BoutCopier, false},
            {e->BoutColler, false}, {nullptr, true}, {e->sBitBtn25, true}, {e->sBitBtn28, false}};
        QCOMPARE(e->sBitBtn27->x(), c);
        const QWidget *avant = e->sBitBtn27;
        int separateurs = 0;
        for (const auto &[bouton, grand] : suite) {
            const QWidget *w = bouton ? static_cast<QWidget *>(bouton) : separateurs++ ? e->Sep2 : e->Sep1;
            QCOMPARE(w->x(), avant->x() + avant->width() + (grand ? d : c));
            avant = w;
        }
        QCOMPARE(e->sBitBtn28->x(), apropos);
        QCOMPARE(e->sBitBtn2->x(), e->sBitBtn25->x());
        // The font panel keeps its controls against its right edge.
        QCOMPARE(e->BoutAlignJustify->x(), dispo.largeurPolice - 39);
        QCOMPARE(e->CombPolice->width(), dispo.largeurPolice - 334);
    }

    void listesAvecBoutonGardentLeurLargeur()
    {
        PanneauCandidature *g = Form1->PanGauche;
        choisir(g->sComboBox4, 1);
        choisir(g->sComboBox2, 3);           // an offer: its button shows
        choisir(g->CombPrecedentContact, 7); // a recommendation: its button shows
        emit g->sBitBtn4->clicked();
        for (int i = 0; i < 17; ++i)
            g->TimOffreOuvrirTimer();
        for (const QSize &t : {QSize(1280, 720), QSize(800, 569), QSize(1400, 900), QSize(912, 592)}) {
            redimensionner(t);
            const Disposition d = CalculerDisposition(t);
            QCOMPARE(g->sComboBox2->width(), d.G - 108);
            QCOMPARE(g->CombPrecedentContact->width(), d.G - 174);
            // The open offer panel hangs under its list at the new width, still open.
            QCOMPARE(g->PanOffre->geometry(), QRect(16, g->sComboBox2->y() + 21, d.G - 32, 132));
        }

        // Set by the handlers at a large size, the widths are those a resize gives.
        redimensionner(QSize(1280, 720));
        choisir(g->sComboBox2, 0);
        choisir(g->CombPrecedentContact, 1);
        QCOMPARE(g->sComboBox2->width(), 506 - 80);
        QCOMPARE(g->CombPrecedentContact->width(), 506 - 146);
        Form1->FormResize();
        QCOMPARE(g->sComboBox2->width(), 506 - 80);
        QCOMPARE(g->CombPrecedentContact->width(), 506 - 146);
    }

    void fenetreGareeEtTailleMinimum()
    {
        // Parked off-screen and not shown yet, the window is already laid out for its
        // starting size (912 × 720 on this screen).
        DetruireFenetres();
        CreerFenetres();
        QVERIFY(!Form1->isVisible());
        verifierPlaces(CalculerDisposition(QSize(912, 720)));
        QCOMPARE(Form1->PanDroite->PanEditeur->width(), 518);
        QCOMPARE(Form1->Editor->zoom(), 80);
        // The window can never be made smaller than 800 × 569, frame included.
        QCOMPARE(TailleExterieure(Form1->minimumSize()), QSize(800, 569));
        // Each name the rules use is that of one control only.
        for (const QString &nom : CalculerDisposition(QSize(912, 592)).controles.keys())
            QVERIFY2(Form1->findChildren<QWidget *>(nom).size() == 1, qPrintable(nom));
    }
};

QTEST_MAIN(TestDisposition)
#include "tst_disposition.moc"
