#include "platform/systeme.h"
#include "widgets/ecran.h"
#include "widgets/sbitbtn.h"
#include "widgets/skin.h"
#include "widgets/spanel.h"
#include "widgets/tformsdialog.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

using Resultat = TFormsDialog::Resultat;
enum class Geste { ClicOui, ClicNon, ClicOK, CaseFermeture, Echap, Entree };
Q_DECLARE_METATYPE(DispositionDialogue)
Q_DECLARE_METATYPE(Geste)

namespace {
const QRect ZoneTravail(0, 0, 1600, 1000);
}

class TestDialogueMessage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { TFormsDialog::definirRepondeur({}); }
    void cleanupTestCase();

    void disposition_data();
    void disposition();
    void fenetreAvantPremierAppel();
    void affichage_data();
    void affichage();
    void reponse();
    void boucleModale_data();
    void boucleModale();

private:
    template <typename T> T *enfant(const char *nom)
    {
        return m_dialogue->findChild<T *>(QString::fromLatin1(nom));
    }
    TFormsDialog *m_dialogue = nullptr; // one for all the tests, as in the program
};

void TestDialogueMessage::initTestCase()
{
    Skin::appliquer(*qApp);
    RemplacerMetriquesEcran(MetriquesEcran{ZoneTravail, ZoneTravail});
    m_dialogue = new TFormsDialog;
}

void TestDialogueMessage::cleanupTestCase()
{
    delete m_dialogue;
    RemplacerMetriquesEcran(std::nullopt);
}

void TestDialogueMessage::disposition_data()
{
    QTest::addColumn<int>("texte");
    QTest::addColumn<bool>("ligne2");
    QTest::addColumn<bool>("ligne3");
    QTest::addColumn<DispositionDialogue>("attendu");
    using D = DispositionDialogue;
    // panel w, panel h, window w, window h, buttons' top, OK, Oui, Non
    QTest::newRow("une ligne") << 80 << false << false << D{260, 84, 296, 200, 116, 99, 35, 155};
    QTest::newRow("deux") << 80 << true << false << D{260, 108, 296, 224, 140, 99, 35, 155};
    QTest::newRow("trois") << 80 << true << true << D{260, 132, 296, 248, 164, 99, 35, 155};
    QTest::newRow("ligne 2 vide") << 80 << false << true << D{260, 132, 296, 248, 164, 99, 35, 155};
    QTest::newRow("au minimum") << 144 << false << false << D{260, 84, 296, 200, 116, 99, 35, 155};
    // (298 - 81) / 2 truncates to 108.
    QTest::newRow("impaire") << 146 << false << false << D{262, 84, 298, 200, 116, 100, 36, 156};
    QTest::newRow("longue") << 600 << true << true << D{716, 132, 752, 248, 164, 327, 263, 383};
}

void TestDialogueMessage::disposition()
{
    QFETCH(int, texte);
    QFETCH(bool, ligne2);
    QFETCH(bool, ligne3);
    QFETCH(DispositionDialogue, attendu);
    const DispositionDialogue d = CalculerDisposition(texte, ligne2, ligne3);
    QCOMPARE(QList<int>({d.largeurPanneau, d.hauteurPanneau, d.largeurFenetre, d.hauteurFenetre,
                         d.hautBoutons, d.gaucheOK, d.gaucheOui, d.gaucheNon}),
             QList<int>({attendu.largeurPanneau, attendu.hauteurPanneau, attendu.largeurFenetre,
                         attendu.hauteurFenetre, attendu.hautBoutons, attendu.gaucheOK,
                         attendu.gaucheOui, attendu.gaucheNon}));
}

void TestDialogueMessage::fenetreAvantPremierAppel()
{
    TFormsDialog d;
    QCOMPARE(d.size(), QSize(289, 162));
    QCOMPARE(d.minimumSize(), d.maximumSize());
    QVERIFY(d.windowFlags() & Qt::WindowStaysOnTopHint);
    // Creation order is the tab order.
    QStringList noms;
    for (QObject *o : d.children())
        noms << o->objectName();
    QCOMPARE(noms, (QStringList{"BoutYes", "BoutNo", "BoutOK", "sPanel1"}));
    // Background: the button face, not the window colour.
    const QImage image = d.grab().toImage();
    QCOMPARE(image.pixelColor(2, image.height() - 2).rgb(),
             d.palette().color(QPalette::Button).rgb());
}

void TestDialogueMessage::affichage_data()
{
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<bool>("ouiNon");
    QTest::addColumn<int>("hauteurPanneau");
    // The rows run one after the other on the same dialog: each undoes the previous one.
    QTest::newRow("une ligne") << QStringList{"Lettre enregistrée.", "", ""} << false << 84;
    QTest::newRow("question")
        << QStringList{"Le profil a changé.", "Voulez-vous l'enregistrer", "avant de quitter ?"}
        << true << 132;
    QTest::newRow("ligne 2 vide")
        << QStringList{"Attention :", "", "le fichier existe déjà."} << false << 132;
    QTest::newRow("tres longue")
        << QStringList{"Erreur", "Le modèle choisi ne contient aucune des rubriques attendues "
                                 "par la lettre en cours.", ""}
        << true << 108;
    QTest::newRow("de nouveau courte") << QStringList{"OK.", "", ""} << false << 84;
}

void TestDialogueMessage::affichage()
{
    QFETCH(QStringList, lignes);
    QFETCH(bool, ouiNon);
    QFETCH(int, hauteurPanneau);

    QLabel *labels[3] = {enfant<QLabel>("Label1"), enfant<QLabel>("Label2"),
                         enfant<QLabel>("Label3")};
    auto *panneau = enfant<SPanel>("sPanel1");
    auto *oui = enfant<SBitBtn>("BoutYes");
    auto *non = enfant<SBitBtn>("BoutNo");
    auto *ok = enfant<SBitBtn>("BoutOK");

    int appels = 0;
    TFormsDialog::definirRepondeur([&](TFormsDialog &d) {
        ++appels;
        [&] {
            QCOMPARE(d.windowTitle(), QLatin1String(ouiNon ? "Attention" : "Information"));
            QCOMPARE(QList<bool>({oui->isVisibleTo(&d), non->isVisibleTo(&d),
                                  ok->isVisibleTo(&d)}),
                     QList<bool>({ouiNon, ouiNon, !ouiNon}));
            int largeurTexte = 0;
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(labels[i]->text(), lignes.at(i));
                QCOMPARE(labels[i]->y(), 32 + 24 * i); // an empty line 2 keeps its gap
                largeurTexte = qMax(largeurTexte, labels[i]->width());
            }
            const DispositionDialogue a = CalculerDisposition(
                largeurTexte, !lignes.at(1).isEmpty(), !lignes.at(2).isEmpty());
            QCOMPARE(a.hauteurPanneau, hauteurPanneau);
            QCOMPARE(panneau->geometry(), QRect(16, 8, a.largeurPanneau, a.hauteurPanneau));
            QCOMPARE(enfant<QLabel>("Image1")->geometry(), QRect(0, 0, 80, a.hauteurPanneau));
            QVERIFY(!enfant<QLabel>("Image1")->pixmap().isNull());
            QCOMPARE(d.size(), QSize(a.largeurFenetre - TFormsDialog::CadreLargeur,
                                     a.hauteurFenetre - TFormsDialog::CadreHauteur));
            QCOMPARE(ok->geometry(), QRect(a.gaucheOK, a.hautBoutons, 81, 33));
            QCOMPARE(oui->geometry(), QRect(a.gaucheOui, a.hautBoutons, 89, 33));
            QCOMPARE(non->geometry(), QRect(a.gaucheNon, a.hautBoutons, 105, 33));

            // Nothing cut off: each line whole and in the panel, the buttons in the window.
            for (QLabel *l : labels) {
                if (!l->text().isEmpty())
                    QCOMPARE(l->width(), l->sizeHint().width());
                QVERIFY(l->geometry().right() < panneau->width() - 8);
            }
            for (QWidget *w : std::initializer_list<QWidget *>{panneau, oui, non, ok})
                QVERIFY2(d.rect().contains(w->geometry()), qPrintable(w->objectName()));
            // Centred on the work area after the resize.
            QVERIFY((d.geometry().center() - ZoneTravail.center()).manhattanLength() <= 2);
        }();
        return ouiNon ? TFormsDialog::Oui : TFormsDialog::OK;
    });

    QVERIFY(m_dialogue->ShowsDialog(lignes.at(0), lignes.at(1), lignes.at(2), ouiNon));
    QCOMPARE(appels, 1);
    QCOMPARE(m_dialogue->dernieresLignes(), lignes);
    QVERIFY(!m_dialogue->isVisible());
}

void TestDialogueMessage::reponse()
{
    // Oui, Non, OK, Ferme and a value that means nothing (taken as closed): only Non is false.
    for (int r : {0, 1, 2, 3, 42}) {
        TFormsDialog::definirRepondeur([r](TFormsDialog &) { return r; });
        QCOMPARE(m_dialogue->ShowsDialog(QStringLiteral("Supprimer ce profil ?"), {}, {}, true),
                 r != TFormsDialog::Non);
    }
    QCOMPARE(m_dialogue->resultat(), TFormsDialog::Ferme);
}

void TestDialogueMessage::boucleModale_data()
{
    QTest::addColumn<bool>("ouiNon");
    QTest::addColumn<Geste>("geste");
    QTest::addColumn<int>("resultat");
    QTest::newRow("clic sur Non") << true << Geste::ClicNon << int(TFormsDialog::Non);
    QTest::newRow("clic sur Oui") << true << Geste::ClicOui << int(TFormsDialog::Oui);
    QTest::newRow("clic sur OK") << false << Geste::ClicOK << int(TFormsDialog::OK);
    // A question is never answered yes by accident.
    QTest::newRow("case de fermeture, question") << true << Geste::CaseFermeture << int(TFormsDialog::Non);
    QTest::newRow("Echap, question") << true << Geste::Echap << int(TFormsDialog::Non);
    QTest::newRow("Echap, information") << false << Geste::Echap << int(TFormsDialog::Ferme);
    QTest::newRow("Entree, question") << true << Geste::Entree << int(TFormsDialog::Non);
    QTest::newRow("Entree, information") << false << Geste::Entree << int(TFormsDialog::OK);
}

void TestDialogueMessage::boucleModale()
{
    QFETCH(bool, ouiNon);
    QFETCH(Geste, geste);
    QFETCH(int, resultat);

    TFormsDialog &d = *m_dialogue;
    bool visible = false;
    QWidget *focus = nullptr;
    QTimer::singleShot(0, &d, [&] {
        visible = d.isVisible();
        // The offscreen platform does not always give the focus back to a window shown
        // again; the window's own focus child is where the keyboard lands.
        focus = d.focusWidget();
        QWidget *cible = focus ? focus : &d;
        switch (geste) {
        case Geste::ClicOui: QTest::mouseClick(enfant<SBitBtn>("BoutYes"), Qt::LeftButton); break;
        case Geste::ClicNon: QTest::mouseClick(enfant<SBitBtn>("BoutNo"), Qt::LeftButton); break;
        case Geste::ClicOK: QTest::mouseClick(enfant<SBitBtn>("BoutOK"), Qt::LeftButton); break;
        case Geste::CaseFermeture: d.close(); break;
        case Geste::Echap: QTest::keyClick(cible, Qt::Key_Escape); break;
        case Geste::Entree: QTest::keyClick(cible, Qt::Key_Return); break;
        }
    });
    // Should the gesture miss, the dialog still ends instead of hanging the test.
    bool garde = false;
    QTimer minuterie;
    minuterie.setSingleShot(true);
    connect(&minuterie, &QTimer::timeout, &d, [&] { garde = true; d.close(); });
    minuterie.start(5000);

    const bool retour = d.ShowsDialog(QStringLiteral("Quitter Vendelair ?"), {}, {}, ouiNon);
    QVERIFY(!garde);
    QVERIFY(visible);
    QVERIFY(!d.isVisible());
    QCOMPARE(int(d.resultat()), resultat);
    QCOMPARE(retour, resultat != TFormsDialog::Non);
    QCOMPARE(focus, static_cast<QWidget *>(enfant<SBitBtn>(ouiNon ? "BoutNo" : "BoutOK")));
}

QTEST_MAIN(TestDialogueMessage)
#include "tst_messagedialog.moc"
