#include "app/demarrage.h"
#include "letter/detailscandidature.h"
#include "app/panneaucandidature.h"
#include "app/tform1.h"
#include "platform/systeme.h"
#include "widgets/ecran.h"
#include "widgets/clignotementlabel.h"
#include "widgets/sbitbtn.h"
#include "widgets/scombobox.h"
#include "widgets/sedit.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// The sectors as the user reads them and as the letter says them.
const std::pair<const char *, const char *> Secteurs[] = {
    {"Achats", "des achats"},
    {"Aéronautique", "de l'aéronautique"},
    {"Agriculture", "de l'agriculture"},
    {"Analyses médicales", "des analyses médicales"},
    {"Approvisionnement et transport", "de l'approvisionnement et du transport"},
    {"Architecture", "de l'architecture"},
    {"Armée", "de l'armée"},
    {"Assistance aux soins", "de l'assistance aux soins"},
    {"Assurances", "des assurances"},
    {"Banque", "bancaire"},
    {"Biotechnologies", "des biotechnologies"},
    {"BTP", "du BTP"},
    {"Chirurgie", "de la chirurgie"},
    {"Commerce", "du commerce"},
    {"Commerce électronique", "du commerce électronique"},
    {"Communication", "de la communication"},
    {"Comptabilité", "de la comptabilité"},
    {"Conseil", "du conseil"},
    {"Consulting", "du consulting"},
    {"Culture et Arts", "de la culture et des arts"},
    {"Développement logiciel", "du développement logiciel"},
    {"Divertissement", "du divertissement"},
    {"E-Business", "de l'e-business"},
    {"Economie", "de l'économie"},
    {"Edition", "de l'édition"},
    {"Education", "de l'éducation"},
    {"Electronique", "de l'électronique"},
    {"Encadrement", "de l'encadrement"},
    {"Entretien des bâtiments", "de l'entretien des bâtiments"},
    {"Entretien des espaces verts", "de l'entretien des espaces verts"},
    {"Environnement", "de l'environnement"},
    {"Finance", "de la finance"},
    {"Génie logiciel", "du génie logiciel"},
    {"Gestion de projet", "de la gestion de projet"},
    {"Gestion d'équipe", "de la gestion d'équipe"},
    {"Gestion des données médicales", "de la gestion des données médicales"},
    {"Grande distribution", "de la grande distribution"},
    {"Hôtellerie", "de l'hôtellerie"},
    {"Imagerie médicale", "de l'imagerie médicale"},
    {"Immobilier", "de l'immobilier"},
    {"Industrie Automobile", "de l'industrie automobile"},
    {"Industrie pétrolière", "de l'industrie pétrolière"},
    {"Industrie pharmaceutique", "de l'industrie pharmaceutique"},
    {"Industrie textile", "de l'industrie textile"},
    {"Informatique", "de l'informatique"},
    {"Ingénierie", "de l'ingénierie"},
    {"Intérim", "de l'intérim"},
    {"Internet", "de l'Internet"},
    {"Juridique", "juridique"},
    {"Logistique", "de la logistique"},
    {"Maintenance informatique", "de la maintenance informatique"},
    {"Management", "du management"},
    {"Marketing", "du marketing"},
    {"Marketing et Communication", "du marketing et de la communication"},
    {"Médecine", "de la médecine"},
    {"Media", "des médias"},
    {"Multimedia", "du multimédia"},
    {"Nouvelles technologies", "des nouvelles technologies"},
    {"Ophtalmologie", "de l'ophtalmologie"},
    {"PAO/CAO", "de la PAO/CAO"},
    {"Pétrochimie", "de la pétrochimie"},
    {"Pharmacie", "pharmaceutique"},
    {"Programmation", "de la programmation"},
    {"Publicité", "de la publicité"},
    {"Qualité", "de la qualité"},
    {"Recherche et Analyses", "de la recherche et des analyses"},
    {"Recherche et Développement", "de la recherche et du développement"},
    {"Recrutement", "du recrutement"},
    {"Rééducation", "de la rééducation"},
    {"Réseaux de télécommunications", "des réseaux de télécommunications"},
    {"Réseaux informatiques", "des réseaux informatiques"},
    {"Ressources Humaines", "des ressources humaines"},
    {"Restauration", "de la restauration"},
    {"Santé", "de la santé"},
    {"Sécurité", "de la sécurité"},
    {"Service clientèle", "du service clientèle"},
    {"Service public", "des services publics"},
    {"Services administratifs", "des services administratifs"},
    {"Services en informatique", "des services en informatique"},
    {"Services financiers", "des services financiers"},
    {"Services généraux", "des services généraux"},
    {"Services vétérinaires", "des services vétérinaires"},
    {"Spectacle", "du spectacle"},
    {"Sports", "des sports"},
    {"Stratégie et Management", "de la stratégie et du management"},
    {"Télécommunications", "des télécommunications"},
    {"Télémarketing", "du télémarketing"},
    {"Tourisme", "du tourisme"},
    {"Transport", "du transport"},
    {"Vente", "de la vente"},
    {"Vente à domicile", "de la vente à domicile"},
};

const char *const Etape3 = "Etape 3  -  Générer ma lettre";
const char *const Regenerer = "Regénérer une lettre différente";

// What the user does: pick an item in a list.
void choisir(SComboBox *liste, int index)
{
    liste->setCurrentIndex(index);
    emit liste->activated(index);
}

} // namespace

class TestPanneauCandidature : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dossier;
    PanneauCandidature *p = nullptr;

    QString etape3() const { return Form1->Label3->text(); }
    void marquerGenere() { Form1->Label3->setText(QString::fromUtf8(Regenerer)); }

private slots:
    void initTestCase()
    {
        RemplacerDossierProgramme(m_dossier.path());
        RemplacerMetriquesEcran(MetriquesEcran{QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 994)});
    }
    void init()
    {
        CreerFenetres();
        p = Form1->PanGauche;
    }
    void cleanup() { DetruireFenetres(); }

    void listesFixes()
    {
        QCOMPARE(p->sComboBox2->count(), 4);
        QCOMPARE(p->sComboBox2->currentIndex(), -1);
        QCOMPARE(p->sComboBox2->itemText(1), QStringLiteral("Réponse à l'offre XXXXXXXX par courrier"));
        QCOMPARE(p->sComboBox2->itemText(3), QStringLiteral("Réponse à l'offre XXXXXXXX par E-Mail"));
        QCOMPARE(p->sComboBox6->currentText(), QStringLiteral("Petite entreprise"));
        QCOMPARE(p->sComboBox6->itemText(2), QStringLiteral("Société internationale"));
        QCOMPARE(p->sComboBox4->currentText(), QStringLiteral("?"));
        QCOMPARE(p->sComboBox4->itemText(3), QStringLiteral("Mlle."));

        const std::pair<const char *, const char *> contacts[] = {
            {"Aucun", "Aucun"},
            {"Conversation téléphonique", "notre conversation téléphonique"},
            {"Echange de mails", "notre échange de courriels"},
            {"Rencontre au forum XXXXXX", "notre rencontre au forum XXXXXXXX"},
            {"Rencontre au meeting XXXXXX", "notre rencontre au meeting XXXXXXXX"},
            {"Stage dans son service/entreprise", "mon précédent stage dans votre entreprise"},
            {"Mission dans son service/entreprise", "la précédente mission que j'ai réalisée dans votre entreprise"},
            {"Recommandation de M./Mme XXXXXX", "recommandations de XXXXXX"},
        };
        QCOMPARE(p->CombPrecedentContact->count(), 8);
        QCOMPARE(p->CombPrecContactHidden->count(), 8);
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(p->CombPrecedentContact->itemText(i), QString::fromUtf8(contacts[i].first));
            QCOMPARE(p->CombPrecContactHidden->itemText(i), QString::fromUtf8(contacts[i].second));
        }
        QCOMPARE(p->CombSecteur->count(), 91);
        QCOMPARE(p->CombSecteurHidden->count(), 91);
        QCOMPARE(p->CombSecteur->currentIndex(), -1);
        for (int i = 0; i < 91; ++i) {
            QCOMPARE(p->CombSecteur->itemText(i), QString::fromUtf8(Secteurs[i].first));
            QCOMPARE(p->CombSecteurHidden->itemText(i), QString::fromUtf8(Secteurs[i].second));
        }
        QVERIFY(p->CombSecteurHidden->isHidden());
        QVERIFY(p->CombPrecContactHidden->isHidden());
        QCOMPARE(p->sComboBox8->count(), 0);
        QCOMPARE(p->sComboBox3->count(), 0);
        QVERIFY(!p->sEdit1->isEnabled());
        QVERIFY(!p->CombPrecedentContact->isEnabled());
    }

    void typeDeCandidature_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("offre");
        QTest::addColumn<bool>("courrier");
        QTest::newRow("spontanée, courrier") << 0 << false << true;
        QTest::newRow("offre, courrier") << 1 << true << true;
        QTest::newRow("spontanée, e-mail") << 2 << false << false;
        QTest::newRow("offre, e-mail") << 3 << true << false;
    }
    void typeDeCandidature()
    {
        QFETCH(int, index);
        QFETCH(bool, offre);
        QFETCH(bool, courrier);
        marquerGenere();
        choisir(p->sComboBox2, index);
        QCOMPARE(etape3(), QString::fromUtf8(Etape3));
        QCOMPARE(p->sComboBox2->width(), p->width() - (offre ? 108 : 80));
        QCOMPARE(p->sBitBtn4->isVisibleTo(p), offre);
        QCOMPARE(Form1->sBitBtn25->isVisibleTo(Form1), courrier);
        QCOMPARE(Form1->sBitBtn2->isVisibleTo(Form1), !courrier);
    }

    void offreFermeeAussitotEtTexteGarde()
    {
        choisir(p->sComboBox2, 1);
        p->sBitBtn4Click();
        for (int i = 0; i < 5; ++i)
            p->TimOffreOuvrirTimer();
        p->EdRefOffre->setText(QStringLiteral("REF-42"));
        choisir(p->sComboBox2, 0);
        QVERIFY(p->PanOffre->isHidden());
        QCOMPARE(p->PanOffre->height(), 0);
        QVERIFY(!p->sBitBtn4->estEnfonce());
        QVERIFY(!p->TimOffreOuvrir->isActive());
        QVERIFY(p->sBitBtn4->isHidden());
        choisir(p->sComboBox2, 3);
        QCOMPARE(p->EdRefOffre->text(), QStringLiteral("REF-42"));
        QVERIFY(p->PanOffre->isHidden()); // the button shows again, the panel stays closed
    }

    void panneauxCoulissants_data()
    {
        QTest::addColumn<bool>("offre");
        QTest::addColumn<QList<int>>("ouverture");
        QTest::newRow("offre") << true
                               << QList<int>{8, 16, 24, 32, 40, 48, 56, 64, 72, 80, 88, 96, 104, 112, 120, 128, 132};
        QTest::newRow("contact") << false << QList<int>{8, 16, 24, 32, 40, 44};
    }
    void panneauxCoulissants()
    {
        QFETCH(bool, offre);
        QFETCH(QList<int>, ouverture);
        SPanel *panneau = offre ? p->PanOffre : p->PanPrecContact;
        SBitBtn *bouton = offre ? p->sBitBtn4 : p->sBitBtn7;
        SBitBtn *valider = offre ? p->sBitBtn5 : p->sBitBtn6;
        QTimer *ouvrir = offre ? p->TimOffreOuvrir : p->TimContactOuvrir;
        QTimer *fermer = offre ? p->TimOffreFermer : p->TimContactFermer;
        auto tickOuvrir = [&] { offre ? p->TimOffreOuvrirTimer() : p->TimContactOuvrirTimer(); };
        auto tickFermer = [&] { offre ? p->TimOffreFermerTimer() : p->TimContactFermerTimer(); };
        if (offre) {
            choisir(p->sComboBox2, 1);
        } else {
            choisir(p->sComboBox4, 1);
            choisir(p->CombPrecedentContact, 7);
        }
        QCOMPARE(ouvrir->interval(), 16);
        QCOMPARE(fermer->interval(), 16);

        emit bouton->clicked();
        QVERIFY(panneau->isVisibleTo(p));
        QVERIFY(bouton->estEnfonce());
        QVERIFY(ouvrir->isActive());
        QList<int> hauteurs;
        while (ouvrir->isActive() && hauteurs.size() < 40) {
            tickOuvrir();
            hauteurs << panneau->height();
        }
        QCOMPARE(hauteurs, ouverture);
        QVERIFY(bouton->estEnfonce());

        // Typing in the panel, then "Valider" closes it in as many ticks.
        SEdit *champ = offre ? p->EdIntituleOffre : p->EdNomPrecContact;
        champ->setText(QStringLiteral("Assistant(e) de direction"));
        emit valider->clicked();
        QVERIFY(fermer->isActive());
        QList<int> fermeture;
        while (fermer->isActive() && fermeture.size() < 40) {
            QVERIFY(bouton->estEnfonce()); // released only once closed
            tickFermer();
            fermeture << panneau->height();
        }
        QCOMPARE(fermeture.size(), ouverture.size());
        QCOMPARE(fermeture.last(), 0);
        QCOMPARE(fermeture.at(fermeture.size() - 2), 4);
        QVERIFY(panneau->isHidden());
        QVERIFY(!bouton->estEnfonce());
        QCOMPARE(champ->text(), QStringLiteral("Assistant(e) de direction"));

        // A click while opening turns it round.
        emit bouton->clicked();
        tickOuvrir();
        tickOuvrir();
        emit bouton->clicked();
        QVERIFY(!ouvrir->isActive());
        QVERIFY(fermer->isActive());
        tickFermer();
        QCOMPARE(panneau->height(), 8);
        tickFermer();
        QCOMPARE(panneau->height(), 0);
        QVERIFY(!bouton->estEnfonce());
    }

    void destinataire()
    {
        // A contact kind with a name, then the title "?": the contact goes back to
        // "Aucun" without the contact handling, so its button keeps its state.
        choisir(p->sComboBox4, 2);
        QVERIFY(p->sEdit1->isEnabled());
        QVERIFY(p->CombPrecedentContact->isEnabled());
        choisir(p->CombPrecedentContact, 3);
        QVERIFY(p->sBitBtn7->isVisibleTo(p));
        marquerGenere();
        choisir(p->sComboBox4, 0);
        QCOMPARE(etape3(), QString::fromUtf8(Etape3));
        QVERIFY(!p->sEdit1->isEnabled());
        QVERIFY(!p->CombPrecedentContact->isEnabled());
        QCOMPARE(p->CombPrecedentContact->currentText(), QStringLiteral("Aucun"));
        QVERIFY(p->sBitBtn7->isVisibleTo(p));
        choisir(p->sComboBox4, 3);
        QVERIFY(p->sEdit1->isEnabled());
        QCOMPARE(p->CombPrecedentContact->currentIndex(), 0);
    }

    void genreDeContact_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("legende");
        for (int i : {0, 1, 2, 5, 6})
            QTest::addRow("%d", i) << i << QString();
        QTest::newRow("forum") << 3 << QStringLiteral("Nom du forum:");
        QTest::newRow("meeting") << 4 << QStringLiteral("Nom du meeting:");
        QTest::newRow("recommandation") << 7 << QStringLiteral("Prénom / Nom:");
    }
    void genreDeContact()
    {
        QFETCH(int, index);
        QFETCH(QString, legende);
        choisir(p->sComboBox4, 1);
        choisir(p->CombPrecedentContact, 7);
        emit p->sBitBtn7->clicked();
        marquerGenere();
        choisir(p->CombPrecedentContact, index);
        QCOMPARE(etape3(), QString::fromUtf8(Regenerer)); // no caption reset here
        const bool nom = !legende.isEmpty();
        QCOMPARE(p->CombPrecedentContact->width(), p->width() - (nom ? 174 : 146));
        QCOMPARE(p->sBitBtn7->isVisibleTo(p), nom);
        if (nom) {
            QCOMPARE(p->Label16->text(), legende);
            QVERIFY(p->sBitBtn7->estEnfonce()); // the panel carries on
        } else {
            QVERIFY(p->PanPrecContact->isHidden());
            QCOMPARE(p->PanPrecContact->height(), 0);
            QVERIFY(!p->sBitBtn7->estEnfonce());
            QVERIFY(!p->TimContactOuvrir->isActive());
        }
    }

    void legendeEtape3()
    {
        // Exactly these changes put the step-3 caption back.
        const auto remet = [&](const std::function<void()> &geste) {
            marquerGenere();
            geste();
            return etape3() == QString::fromUtf8(Etape3);
        };
        p->sComboBox8->addItems({QStringLiteral("a"), QStringLiteral("b")});
        p->sComboBox3->addItems({QString(), QStringLiteral("a")});
        QVERIFY(remet([&] { choisir(p->CombSecteur, 52); }));
        QVERIFY(remet([&] { choisir(p->sComboBox8, 1); }));
        QVERIFY(remet([&] { choisir(p->sComboBox3, 1); }));
        QVERIFY(remet([&] { choisir(p->sComboBox6, 2); }));
        QVERIFY(remet([&] { p->EdSociete->setText(QStringLiteral("ACME")); }));
        QVERIFY(remet([&] { p->sEdit3->setText(QStringLiteral("Achats")); }));
        QVERIFY(!remet([&] { p->sEdit1->setText(QStringLiteral("Durand")); }));
        QVERIFY(!remet([&] { p->EdRefOffre->setText(QStringLiteral("R1")); }));
        QVERIFY(!remet([&] { p->EdOffrePublieeSur->setText(QStringLiteral("le site")); }));
        QVERIFY(!remet([&] { p->EdIntituleOffre->setText(QStringLiteral("Comptable")); }));
        QVERIFY(!remet([&] { p->EdNomPrecContact->setText(QStringLiteral("Mme Roux")); }));
        // A list set from the program raises no change.
        QVERIFY(!remet([&] { p->CombSecteur->setCurrentIndex(3); }));
    }

    void clignotement()
    {
        ClignotementLabel *c = Form1->Clignotement;
        QLabel *nom = p->sLabel12;
        QLabel *domaine = p->sLabel11;
        QCOMPARE(c->TimFlash()->interval(), 800);
        QCOMPARE(c->TimArreteFlash()->interval(), 12000);
        QVERIFY(!c->TimFlash()->isActive());

        Form1->FlashLabel(nom);
        QVERIFY(c->TimFlash()->isActive());
        QVERIFY(!c->TimArreteFlash()->isActive());
        c->TimFlashTimer();
        QVERIFY(c->TimArreteFlash()->isActive());
        QVERIFY(ClignotementLabel::estRouge(nom));
        QVERIFY(nom->font().bold());
        c->TimFlashTimer();
        QVERIFY(!ClignotementLabel::estRouge(nom));
        QVERIFY(nom->font().bold());

        // A second request moves the flashing at once; the end stays where it was.
        c->TimFlashTimer();
        const int reste = c->TimArreteFlash()->remainingTime();
        Form1->FlashLabel(domaine);
        QCOMPARE(nom->palette().color(QPalette::WindowText), QColor(Qt::black));
        QVERIFY(!nom->font().bold());
        QCOMPARE(c->FlashedLabel(), domaine);
        c->TimFlashTimer();
        QVERIFY(ClignotementLabel::estRouge(domaine));
        QVERIFY(c->TimArreteFlash()->remainingTime() <= reste);

        c->TimArreteFlashTimer();
        QVERIFY(!c->TimFlash()->isActive());
        QVERIFY(!c->TimArreteFlash()->isActive());
        QCOMPARE(domaine->palette().color(QPalette::WindowText), QColor(Qt::black));
        QVERIFY(!domaine->font().bold());
        QCOMPARE(c->FlashedLabel(), domaine);
    }

    void etape3FinitEnGras()
    {
        ClignotementLabel *c = Form1->Clignotement;
        Form1->FlashLabel(Form1->Label3);
        c->TimFlashTimer();
        Form1->FlashLabel(p->Label2); // Label3 goes back to regular...
        QVERIFY(!Form1->Label3->font().bold());
        c->TimFlashTimer(); // ...and bold again at the next blink
        QVERIFY(Form1->Label3->font().bold());
        Form1->FlashLabel(Form1->Label3);
        c->TimArreteFlashTimer();
        QVERIFY(Form1->Label3->font().bold());
        QCOMPARE(Form1->Label3->font().family(), QStringLiteral("Tahoma"));
    }

    void elargissementDesListes()
    {
        // Never narrower than the control; the widest item plus 8; a scroll bar when the
        // list has more items than it shows at once.
        QCOMPARE(PanneauCandidature::largeurDeroulee(297, {40, 120}, 17, 8), 297);
        QCOMPARE(PanneauCandidature::largeurDeroulee(297, {40, 400}, 17, 8), 408);
        QCOMPARE(PanneauCandidature::largeurDeroulee(297, QList<int>(9, 300), 17, 8), 325);
        QCOMPARE(PanneauCandidature::largeurDeroulee(297, QList<int>(8, 300), 17, 8), 308);
        QCOMPARE(PanneauCandidature::largeurDeroulee(297, {}, 17, 8), 297);

        const QString longue(80, u'm');
        p->sComboBox8->addItems({QStringLiteral("court"), longue});
        emit p->sComboBox8->deroulement();
        QVERIFY(p->sComboBox8->largeurListe() > p->sComboBox8->width());
        p->sComboBox3->addItems({QString(), QStringLiteral("court")});
        emit p->sComboBox3->deroulement();
        QCOMPARE(p->sComboBox3->largeurListe(), p->sComboBox3->width());
    }

    void ordreDeTabulation()
    {
        const char *ordre[] = {"sComboBox1", "sBitBtn1", "sBitBtn14", "sBitBtn15", "sComboBox2", "sBitBtn4",
                               "EdRefOffre", "EdOffrePublieeSur", "EdIntituleOffre", "sBitBtn5", "CombSecteur",
                               "sComboBox8", "sComboBox3", "EdSociete", "sComboBox6", "sComboBox4", "sEdit1",
                               "CombPrecedentContact", "sBitBtn7", "EdNomPrecContact", "sBitBtn6", "sEdit3"};
        for (size_t i = 1; i < std::size(ordre); ++i) {
            QWidget *avant = p->findChild<QWidget *>(QString::fromLatin1(ordre[i - 1]));
            QWidget *apres = p->findChild<QWidget *>(QString::fromLatin1(ordre[i]));
            QVERIFY(avant && apres);
            QWidget *suivant = avant->nextInFocusChain();
            while (!(suivant->focusPolicy() & Qt::TabFocus))
                suivant = suivant->nextInFocusChain();
            QCOMPARE(suivant, apres);
        }
    }
};

QTEST_MAIN(TestPanneauCandidature)
#include "tst_panneaucandidature.moc"
