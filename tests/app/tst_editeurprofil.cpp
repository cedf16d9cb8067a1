#include "../app/fenetrestest.h"
#include "app/demarrage.h"
#include "app/disposition.h"
#include "app/panneaucandidature.h"
#include "app/tform1.h"
#include "platform/systeme.h"
#include "profiles/settingsfile.h"
#include "app/tform2.h"
#include "app/tform4.h"
#include "editor/sortie.h"
#include "widgets/clignotementlabel.h"
#include "widgets/sbitbtn.h"
#include "widgets/scombobox.h"
#include "widgets/sedit.h"
#include "widgets/smemo.h"
#include "widgets/spanel.h"
#include "widgets/tformsdialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QRegularExpression>
#include <QTimer>

// The profile editor and the profile line of the main window, driven as the user does:
// what is warned, what is written to the settings file, what the main window shows after.
class TestEditeurProfil : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dossier;
    QString m_ini;
    QStringList m_messages;
    QStringList m_erreurs;
    int m_reponse = TFormsDialog::OK;

    QByteArray lireIni() const
    {
        QFile f(m_ini);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void remplir(const QString &nomProfil, const QString &experience)
    {
        Form2->viderChamps();
        Form2->EdProfileName->setText(nomProfil);
        Form2->EdPrenom->setText(QStringLiteral("Léa"));
        Form2->EdNom->setText(QStringLiteral("Martin"));
        Form2->EdAdresse->setText(QStringLiteral("3 place du Marché"));
        Form2->EdCodePostal->setText(QStringLiteral("69001"));
        Form2->EdVille->setText(QStringLiteral("Lyon"));
        Form2->EdTelephone->setText(QStringLiteral("06 00 00 00 00"));
        Form2->MemoProfilActuel->setPlainText(QStringLiteral("vendeuse"));
        Form2->MemosExperience.at(3)->setPlainText(experience);
    }
    // Saves a profile through the editor as the user does: new, fill, save.
    static void creer(const QString &nomProfil, const QString &experience)
    {
        Form1->sBitBtn1Click();
        remplir(nomProfil, experience);
        Form2->sBitBtn3Click();
    }
    static QStringList items(const SComboBox *liste)
    {
        QStringList r;
        for (int i = 0; i < liste->count(); ++i)
            r << liste->itemText(i);
        return r;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dossier.isValid());
        m_ini = m_dossier.filePath(QStringLiteral("Vendelair.ini"));
        FenetresTest::brancher(m_dossier.path(), m_erreurs, m_messages, [this] { return m_reponse; });
    }

    void init()
    {
        QFile::remove(m_ini);
        m_messages.clear();
        m_erreurs.clear();
        CreerFenetres();
        Form1->TimerDemarrageTimer();
    }
    void cleanup() { DetruireFenetres(); }

    void premierChampManquantSeulement()
    {
        Form1->sBitBtn1Click();
        QVERIFY(!Form1->isEnabled());
        QVERIFY(Form2->isVisible());
        remplir(QStringLiteral("Moi"), QStringLiteral("x"));
        Form2->EdPrenom->clear();
        Form2->EdVille->clear();
        Form2->EdMail->clear(); // not required
        Form2->sBitBtn3Click();
        QCOMPARE(m_messages, QStringList{QStringLiteral("Vous devez remplir le champ \"Prénom:\".||")});
        QCOMPARE(Form2->focusWidget(), Form2->EdPrenom);
        QVERIFY(Form2->isVisible());
        QVERIFY(lireIni().isEmpty());
        // The caption flashes: red and bold at the first tick, black and regular at the end.
        QLabel *prenom = Form2->labelDe(Form2->EdPrenom);
        QCOMPARE(Form2->Clignotement->FlashedLabel(), prenom);
        QVERIFY(Form2->Clignotement->TimFlash()->isActive());
        QCOMPARE(Form2->Clignotement->TimFlash()->interval(), 800);
        Form2->Clignotement->TimFlashTimer();
        QVERIFY(ClignotementLabel::estRouge(prenom) && prenom->font().bold());
        // A second warning moves the flash to its caption; the first goes back to rest.
        Form2->EdPrenom->setText(QStringLiteral("Léa"));
        Form2->sBitBtn3Click();
        QCOMPARE(m_messages.last(), QStringLiteral("Vous devez remplir le champ \"Ville:\".||"));
        QVERIFY(!ClignotementLabel::estRouge(prenom) && !prenom->font().bold());
        Form2->Clignotement->TimArreteFlashTimer();
        QVERIFY(!Form2->Clignotement->TimFlash()->isActive());

        // The memos: the current position first, then at least one experience.
        Form2->EdVille->setText(QStringLiteral("Lyon"));
        Form2->MemoProfilActuel->clear();
        Form2->MemosExperience.at(3)->clear();
        Form2->sBitBtn3Click();
        QCOMPARE(m_messages.last(), QStringLiteral("Vous devez remplir le champ \"Je suis actuellement ...\".||"));
        QCOMPARE(Form2->focusWidget(), Form2->MemoProfilActuel);
        Form2->MemoProfilActuel->setPlainText(QStringLiteral("vendeuse"));
        Form2->sBitBtn3Click();
        QCOMPARE(m_messages.last(), QStringLiteral("Vous devez remplir au moins un champ correspondant|"
                                                   "à votre expérience ou vos connaissances.|"));
        QCOMPARE(Form2->Clignotement->FlashedLabel(), Form2->Label12);
        QCOMPARE(Form2->focusWidget(), Form2->MemosExperience.at(0));
        // The last experience memo alone is enough.
        Form2->MemosExperience.at(6)->setPlainText(QStringLiteral("je conseille la clientèle"));
        Form2->sBitBtn3Click();
        QVERIFY(!Form2->isVisible());
        QVERIFY(Form1->isEnabled() && Form1->isVisible());
        QCOMPARE(Form1->sComboBox1->currentText(), QStringLiteral("Moi"));
        QCOMPARE(items(Form1->sComboBox8), QStringList{QStringLiteral("je conseille la clientèle")});
    }

    void nomDeBlancsEtEcrasement()
    {
        creer(QStringLiteral("   "), QStringLiteral("accueil"));
        QVERIFY(lireIni().contains("[Profile_   ]"));
        creer(QStringLiteral("A"), QStringLiteral("première"));
        creer(QStringLiteral("B"), QStringLiteral("deuxième"));
        // Editing B and saving it under A's name overwrites A and leaves B as it was.
        Form1->sComboBox1->setCurrentIndex(Form1->sComboBox1->findText(QStringLiteral("B")));
        Form1->sComboBox1Change();
        Form1->sBitBtn14Click();
        Form2->EdProfileName->setText(QStringLiteral("A"));
        Form2->MemosExperience.at(3)->setPlainText(QStringLiteral("troisième"));
        Form2->sBitBtn3Click();
        const SettingsFile fichier(m_ini);
        QCOMPARE(fichier.EnumererProfiles(), (QStringList{QStringLiteral("   "), QStringLiteral("A"), QStringLiteral("B")}));
        QCOMPARE(fichier.ChargerProfile(QStringLiteral("A"), Profile()).valeur("MemoPrecMissions2"), QStringLiteral("troisième"));
        QCOMPARE(fichier.ChargerProfile(QStringLiteral("B"), Profile()).valeur("MemoPrecMissions2"), QStringLiteral("deuxième"));
        QCOMPARE(Form1->sComboBox1->currentText(), QStringLiteral("A"));
    }

    void annulerRevientAuDernierProfil()
    {
        creer(QStringLiteral("B"), QStringLiteral("bébé"));
        creer(QStringLiteral("A"), QStringLiteral("alpha"));
        // DernierProfile names A. Choosing B, editing, cancelling: A again, and loaded.
        Form1->sComboBox1->setCurrentIndex(0);
        Form1->sComboBox1Change();
        QCOMPARE(Form2->MemosExperience.at(3)->texte(), QStringLiteral("bébé"));
        Form1->sBitBtn14Click();
        Form2->EdNom->setText(QStringLiteral("modifié"));
        Form2->sBitBtn6Click();
        QCOMPARE(Form1->sComboBox1->currentText(), QStringLiteral("A"));
        QCOMPARE(Form2->MemosExperience.at(3)->texte(), QStringLiteral("alpha"));
        QCOMPARE(Form2->EdNom->text(), QStringLiteral("Martin"));
        QVERIFY(Form1->isEnabled());
        // Closing by the title bar does the same.
        Form1->sBitBtn14Click();
        Form2->close();
        QVERIFY(Form1->isEnabled());
    }

    void supprimer()
    {
        creer(QStringLiteral("A"), QStringLiteral("alpha"));
        creer(QStringLiteral("B"), QStringLiteral("bêta"));
        creer(QStringLiteral("C"), QStringLiteral("gamma"));
        // The program asks first; "Non" keeps the profile.
        Form1->sComboBox1->setCurrentIndex(0);
        Form1->sComboBox1Change();
        m_messages.clear();
        m_reponse = TFormsDialog::Non;
        Form1->sBitBtn15Click();
        m_reponse = TFormsDialog::Oui;
        QCOMPARE(m_messages, QStringList{QStringLiteral("Voulez-vous vraiment supprimer le profil « A » ?||")});
        QCOMPARE(items(Form1->sComboBox1).size(), 3);
        // Deleting a profile that is not the last saved one: the last saved one comes back.
        Form1->sBitBtn15Click();
        QCOMPARE(items(Form1->sComboBox1), (QStringList{QStringLiteral("B"), QStringLiteral("C")}));
        QCOMPARE(Form1->sComboBox1->currentText(), QStringLiteral("C"));
        QCOMPARE(Form2->MemosExperience.at(3)->texte(), QStringLiteral("gamma"));
        // Deleting the last saved one leaves nothing selected.
        Form1->sBitBtn15Click();
        QCOMPARE(Form1->sComboBox1->currentIndex(), -1);
        QVERIFY(!Form1->sBitBtn14->isEnabled() && !Form1->sBitBtn15->isEnabled());
        QCOMPARE(Form1->sComboBox8->count(), 0);
        QCOMPARE(Form1->sComboBox3->count(), 0);
        QVERIFY(m_erreurs.isEmpty());
        // With no profile chosen, the letter is not named after a deleted one.
        QString propose;
        RemplacerDialogueEnregistrement([&](QFileDialog &d) {
            propose = QFileInfo(d.selectedFiles().value(0)).completeBaseName();
            return QString();
        });
        Form1->sBitBtn27Click();
        RemplacerDialogueEnregistrement({});
        QCOMPARE(propose, QStringLiteral("Lettre_de_motivation"));
        m_reponse = TFormsDialog::OK;
    }

    void listesExperiences_data()
    {
        QTest::addColumn<QStringList>("memos");
        QTest::addColumn<QStringList>("attendus");
        QTest::newRow("point final") << QStringList{QStringLiteral("Gestion de projets.")}
                                     << QStringList{QStringLiteral("gestion de projets")};
        QTest::newRow("majuscule accentuée") << QStringList{QStringLiteral("École d'ingénieurs")}
                                             << QStringList{QStringLiteral("école d'ingénieurs")};
        QTest::newRow("deux points") << QStringList{QStringLiteral("Vente..")} << QStringList{QStringLiteral("vente.")};
        QTest::newRow("deux mémos égaux") << QStringList{QStringLiteral("Accueil"), QStringLiteral("Accueil")}
                                          << QStringList{QStringLiteral("accueil"), QStringLiteral("accueil")};
    }
    void listesExperiences()
    {
        QFETCH(QStringList, memos);
        QFETCH(QStringList, attendus);
        Form1->sBitBtn1Click();
        remplir(QStringLiteral("P"), QString());
        for (int i = 0; i < memos.size(); ++i)
            Form2->MemosExperience.at(2 * i)->setPlainText(memos.at(i));
        Form2->sBitBtn3Click();
        QCOMPARE(items(Form1->sComboBox8), attendus);
        QCOMPARE(items(Form1->sComboBox3), QStringList{QString()} + attendus);
        QCOMPARE(Form1->sComboBox8->currentIndex(), -1);
        QCOMPARE(Form1->sComboBox3->currentIndex(), -1);
    }

    void profilExemple()
    {
        // An e-mail answer to an offer was chosen before the example profile.
        Form1->PanGauche->sComboBox2->setCurrentIndex(3);
        Form1->PanGauche->sComboBox2Change();
        Form1->sBitBtn1Click();
        Form2->CombTitre->setCurrentIndex(1);
        Form2->sBitBtn7Click();
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.first(),
                 QStringLiteral("Les champs ont été remplis avec des données d'exemple.|"
                                "Pour générer une lettre de motivation, sauvegardez ce profil|"
                                "puis cliquez sur \"Générer ma lettre\" sur la page principale."));
        QVERIFY(Form2->isVisible());
        // Long texts written by the program show their beginning.
        QCOMPARE(Form2->EdMail->cursorPosition(), 0);
        const Profile ecrit = SettingsFile(m_ini).ChargerProfile(QStringLiteral("Profil Exemple"), Profile());
        QCOMPARE(ecrit.choix("CombTitre"), 1);
        QCOMPARE(ecrit.valeur("EdMail"), QStringLiteral("hugo.ferrand@gmail.com"));
        QVERIFY(QRegularExpression(QStringLiteral("^06( \\d\\d){4}$")).match(ecrit.valeur("EdTelephone")).hasMatch());
        // Cancelling keeps what the button saved; the main window takes the example presets.
        Form2->sBitBtn6Click();
        PanneauCandidature *p = Form1->PanGauche;
        QCOMPARE(Form1->sComboBox1->currentText(), QStringLiteral("Profil Exemple"));
        QVERIFY(Form1->sComboBox8->currentText().startsWith(QStringLiteral("j'ai eu l'occasion d'organiser")));
        QVERIFY(Form1->sComboBox3->currentText().startsWith(QStringLiteral("j'effectue, en plus")));
        QCOMPARE(p->sComboBox2->currentIndex(), 0);
        // A postal letter: the word processor's button, not the e-mail one; no offer button.
        QVERIFY(!Form1->sBitBtn2->isVisibleTo(Form1) && Form1->sBitBtn25->isVisibleTo(Form1));
        QVERIFY(!p->sBitBtn4->isVisibleTo(p));
        QCOMPARE(p->CombSecteur->currentText(), QStringLiteral("Marketing"));
        QCOMPARE(p->EdSociete->text(), QStringLiteral("FRANCE TELECOM"));
        QCOMPARE(p->sComboBox6->currentText(), QStringLiteral("Société internationale"));
        QCOMPARE(Form1->Clignotement->FlashedLabel(), Form1->Label3);
        QVERIFY(Form1->Clignotement->TimFlash()->isActive());
    }

    void nomExempleAvecSaCasse()
    {
        creer(QStringLiteral("profil exemple"), QStringLiteral("alpha"));
        QCOMPARE(Form1->PanGauche->EdSociete->text(), QString());
        QVERIFY(!Form1->Clignotement->TimFlash()->isActive());
    }

    void ecritureRefusee()
    {
        creer(QStringLiteral("A"), QStringLiteral("alpha"));
        // The settings file turns into a folder while the editor is open: nothing can be written.
        const QString cote = m_ini + QStringLiteral(".mis-de-cote");
        QVERIFY(QFile::rename(m_ini, cote));
        QVERIFY(QDir().mkpath(m_ini));
        Form1->sBitBtn14Click();
        Form2->EdVille->setText(QStringLiteral("Grenoble"));
        Form2->sBitBtn3Click();
        QVERIFY(QDir().rmdir(m_ini));
        QVERIFY(QFile::rename(cote, m_ini));
        QCOMPARE(m_erreurs, QStringList{QStringLiteral("Impossible d'écrire dans ") + m_ini
                                        + QStringLiteral(" : ce nom est celui d'un dossier")});
        QVERIFY(Form2->isVisible());
        QCOMPARE(Form2->EdVille->text(), QStringLiteral("Grenoble"));
        QVERIFY(lireIni().contains("Lyon"));
    }

    void memosSurUneLigne()
    {
        SMemo *memo = Form2->MemosExperience.at(0);
        Form1->sBitBtn1Click();
        memo->setFocus();
        QTest::keyClicks(memo, QStringLiteral("un"));
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClick(memo, Qt::Key_Enter, Qt::ShiftModifier);
        QApplication::clipboard()->setText(QStringLiteral(" deux\r\ntrois\nquatre"));
        memo->paste();
        QCOMPARE(memo->texte(), QStringLiteral("un deux trois quatre"));
    }

    void sujetsDAide()
    {
        // The welcome page, then a topic: only the topic's two panels.
        Form4->PanWelcome->show();
        Form1->sBitBtn1Click();
        Form2->sBitBtn2Click();
        QVERIFY(!Form2->isEnabled());
        QVERIFY(Form4->isVisible());
        QVERIFY(!Form4->PanWelcome->isVisible());
        for (int i = 0; i < Form4->Sujets.size(); ++i) {
            QCOMPARE(Form4->Sujets.at(i).first->isVisible(), i == TForm4::DurantMaFormation);
            QCOMPARE(Form4->Sujets.at(i).second->isVisible(), i == TForm4::DurantMaFormation);
        }
        Form4->close();
        QVERIFY(Form2->isEnabled() && Form2->isVisible());
        // The help says what saving asks: the current position is required.
        QStringList textes;
        for (const QLabel *l : Form4->Sujets.at(TForm4::JeSuisActuellement).first->findChildren<QLabel *>())
            textes << l->text();
        QVERIFY2(textes.contains(QStringLiteral("Ce champ est obligatoire.")), qPrintable(textes.join(u'|')));
    }

    void premierDemarrage()
    {
        // No profile: the welcome page, then the editor, then the main window centred.
        QVERIFY(Form4->isVisible() && Form4->PanWelcome->isVisible());
        QVERIFY(!Form1->isVisible());
        Form4->close();
        QVERIFY(Form2->isVisible());
        Form2->sBitBtn7Click();
        Form2->sBitBtn3Click();
        QVERIFY(Form1->isVisible() && Form1->isEnabled());
        QCOMPARE(Form1->x(), (1280 - TailleExterieure(Form1->size()).width()) / 2);
        QCOMPARE(Form1->sComboBox1->currentText(), QStringLiteral("Profil Exemple"));
    }
};

QTEST_MAIN(TestEditeurProfil)
#include "tst_editeurprofil.moc"
