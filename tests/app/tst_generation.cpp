#include "fenetrestest.h"
#include "app/demarrage.h"
#include "app/panneaucandidature.h"
#include "app/tform1.h"
#include "editor/panneauediteur.h"
#include "editor/sortie.h"
#include "letter/composition.h"
#include "letter/tirage.h"
#include "platform/cp1252.h"
#include "editor/editor.h"
#include "platform/systeme.h"
#include "app/tform2.h"
#include "app/tform4.h"
#include "widgets/clignotementlabel.h"
#include "widgets/sbitbtn.h"
#include "widgets/scombobox.h"
#include "widgets/sedit.h"
#include "widgets/spanel.h"
#include "widgets/tformsdialog.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QFileDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBlock>
#include <QUrlQuery>

#include <unistd.h>

// The Generate command from the click to the finished letter: its lines, their formats,
// what is red and underlined, the fields it changes, and how it ends when something fails.
class TestGeneration : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dossier;
    QStringList m_messages;
    QStringList m_erreurs;
    int m_heure = 0;
    int m_reponse = TFormsDialog::OK;

    static PanneauCandidature *p() { return Form1->PanGauche; }
    static QStringList lignes() { return Form1->Editor->texteComplet().split(u'\n'); }
    static QTextBlock bloc(int n) { return Form1->Editor->document()->findBlockByNumber(n); }
    static void choisir(SComboBox *liste, int index)
    {
        liste->setCurrentIndex(index);
        emit liste->change();
    }
    // The texts of the letter in a given colour or underlined, fragment by fragment.
    static QStringList fragments(const std::function<bool(const AttributsTexte &)> &choisi)
    {
        QStringList r;
        for (QTextBlock b = Form1->Editor->document()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (choisi(Form1->Editor->attributsDuFormat(it.fragment().charFormat())))
                    r << it.fragment().text();
        return r;
    }
    static QString dateDuJour()
    {
        return LigneDate(QString(), QDate::currentDate()).mid(5);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dossier.isValid());
        FenetresTest::brancher(m_dossier.path(), m_erreurs, m_messages, [this] { return m_reponse; });
        // A new seed for every paragraph and every letter, the same from run to run.
        RemplacerHorloge([this] { return QTime(9, 0).addMSecs(m_heure += 7919); });
    }

    void init()
    {
        QFile::remove(m_dossier.filePath(QStringLiteral("Vendelair.ini")));
        m_erreurs.clear();
        FenetresTest::demarrerAvecLeProfilExemple();
        m_messages.clear();
    }
    void cleanup() { DetruireFenetres(); }

    void lettrePostale()
    {
        Form1->sBitBtn3Click();
        QVERIFY2(m_erreurs.isEmpty(), qPrintable(m_erreurs.join(u'\n')));
        const QStringList l = lignes();
        QCOMPARE(l.size(), 26);
        const QStringList debut{QStringLiteral("Hugo Ferrand"),
                                QStringLiteral("15 rue de la République, 13000 Marseille"),
                                Form2->EdTelephone->text(),
                                QStringLiteral("hugo.ferrand@gmail.com"),
                                QString(),
                                QString(),
                                QStringLiteral("FRANCE TELECOM"),
                                QStringLiteral("Direction des ressources humaines"),
                                QString(),
                                QStringLiteral("Marseille, le ") + dateDuJour(),
                                QString(),
                                QString(),
                                QStringLiteral("Objet : Candidature spontanée"),
                                QString(),
                                QStringLiteral("Madame, Monsieur,"),
                                QString()};
        QCOMPARE(l.mid(0, 16), debut);
        for (int i : {16, 18, 20, 22})
            QVERIFY2(l.at(i).size() > 80 && !l.at(i).contains(u'_'), qPrintable(l.at(i)));
        QCOMPARE(l.mid(23), (QStringList{QString(), QString(), QStringLiteral("Hugo Ferrand")}));

        // Paragraph formats: sender at the margin, recipient at 240 points, body indented.
        const auto retrait = [](int n) {
            const AttributsParagraphe a = Form1->Editor->paragrapheDuBloc(bloc(n));
            return std::tuple{a.premiereLigne, a.gauche, a.droite, a.alignement};
        };
        const int J = AttributsParagraphe::Justifie;
        QCOMPARE(retrait(0), (std::tuple{0, 0, 11, J}));
        QCOMPARE(retrait(6), (std::tuple{240, 0, 11, J}));
        QCOMPARE(retrait(9), (std::tuple{240, 0, 11, J}));
        QCOMPARE(retrait(12), (std::tuple{0, 0, 11, J}));
        QCOMPARE(retrait(14), (std::tuple{28, -28, 11, J}));
        QCOMPARE(retrait(22), (std::tuple{28, -28, 11, J}));
        QCOMPARE(std::get<0>(retrait(25)), 240);
        // Tahoma 11 throughout; only "Objet" underlined; nothing red in this letter.
        QCOMPARE(fragments([](const AttributsTexte &a) { return a.police != QLatin1String("Tahoma") || a.taille != 11; }),
                 QStringList());
        QCOMPARE(fragments([](const AttributsTexte &a) { return a.souligne; }), QStringList{QStringLiteral("Objet")});
        QCOMPARE(fragments([](const AttributsTexte &a) { return a.couleur.has_value(); }), QStringList());

        // The end: caret at the start, gauge hidden, caption for another letter, corpus gone.
        QCOMPARE(Form1->Editor->selStart(), 0);
        QCOMPARE(Form1->Editor->selLength(), 0);
        QVERIFY(!Form1->PanProgression->isVisible());
        QCOMPARE(Form1->Label3->text(), QStringLiteral("Regénérer une lettre différente"));
        QVERIFY(!Form1->GenerationEnCours);
        QVERIFY(!QDir(Form1->WorkFolder + QStringLiteral("Textes")).exists());
        QVERIFY(Form1->PanDroite->BoutPolices->estEnfonce());
        QCOMPARE(Form1->Editor->zoom(), Form1->Editor->width() * 100 / 642);
        QCOMPARE(Form1->LetterSubject, QStringLiteral("Candidature spontanée"));

        // A second press writes a new letter; typing in the company's name brings the
        // first caption back.
        const QString premiere = Form1->Editor->texteComplet();
        Form1->sBitBtn3Click();
        QCOMPARE(lignes().size(), 26);
        QVERIFY(Form1->Editor->texteComplet() != premiere);
        QTest::keyClicks(p()->EdSociete, QStringLiteral(" SA"));
        QCOMPARE(Form1->Label3->text(), QStringLiteral("Etape 3  -  Générer ma lettre"));
    }

    void lettreParCourriel()
    {
        choisir(p()->sComboBox2, 2);
        Form1->sBitBtn3Click();
        const QStringList l = lignes();
        QCOMPARE(l.size(), 16);
        QCOMPARE(l.first(), QStringLiteral("Madame, Monsieur,"));
        QCOMPARE(l.mid(9), (QStringList{QString(), QString(), QStringLiteral("--------"), QStringLiteral("Hugo Ferrand"),
                                        QStringLiteral("15 rue de la République, 13000 Marseille"),
                                        Form2->EdTelephone->text(), QStringLiteral("hugo.ferrand@gmail.com")}));
        const AttributsParagraphe tirets = Form1->Editor->paragrapheDuBloc(bloc(11));
        QCOMPARE(std::pair(tirets.premiereLigne, tirets.gauche), std::pair(0, 0));
        QCOMPARE(fragments([](const AttributsTexte &a) { return a.souligne; }), QStringList());
        QCOMPARE(Form1->LetterSubject, QStringLiteral("Candidature spontanée"));
    }

    void offreSansRenseignements()
    {
        choisir(p()->sComboBox2, 1);
        p()->EdSociete->clear();
        Form1->sBitBtn3Click();
        // The check failed, the offer's fields are marked all the same.
        QCOMPARE(m_messages, QStringList{QStringLiteral("Vous devez tout d'abord saisir le nom de la société ciblée.||")});
        QCOMPARE(Form1->Clignotement->FlashedLabel(), p()->sLabel12);
        for (SEdit *e : {p()->EdRefOffre, p()->EdIntituleOffre, p()->EdOffrePublieeSur, p()->EdNomPrecContact})
            QCOMPARE(e->text(), QStringLiteral("XXXXXXXX"));
        QVERIFY(Form1->Editor->texteComplet().isEmpty());
        QVERIFY(!Form1->GenerationEnCours);

        p()->EdSociete->setText(QStringLiteral("atelier éclair"));
        Form1->sBitBtn3Click();
        QCOMPARE(p()->EdSociete->text(), QStringLiteral("Atelier éclair"));
        const QStringList l = lignes();
        QCOMPARE(l.at(6), QStringLiteral("ATELIER éCLAIR"));
        QCOMPARE(l.at(12), QStringLiteral("Objet : Réponse à l'offre \"XXXXXXXX\""));
        QCOMPARE(Form1->LetterSubject, QStringLiteral("Réponse à l'offre \"XXXXXXXX\""));
        // Every mark is red, and nothing else is.
        const QStringList rouges = fragments([](const AttributsTexte &a) { return a.couleur == QColor(255, 0, 0); });
        QVERIFY(!rouges.isEmpty());
        QCOMPARE(rouges.join(QString()), QStringLiteral("XXXXXXXX").repeated(Form1->Editor->texteComplet().count(QStringLiteral("XXXXXXXX"))));
        QCOMPARE(fragments([](const AttributsTexte &a) { return a.couleur.has_value() && a.couleur != QColor(255, 0, 0); }),
                 QStringList());
    }

    void destinataire_data()
    {
        QTest::addColumn<int>("titre");
        QTest::addColumn<int>("taille");
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QString>("salutation");
        QTest::newRow("inconnu, petite entreprise") << 0 << 0 << "Service du personnel" << "Madame, Monsieur,";
        QTest::newRow("inconnu, société nationale") << 0 << 1 << "Direction des ressources humaines" << "Madame, Monsieur,";
        QTest::newRow("madame Martin") << 2 << 0 << "À l'attention de Mme Martin" << "Madame,";
        QTest::newRow("monsieur Martin") << 1 << 2 << "À l'attention de M. Martin" << "Monsieur,";
        QTest::newRow("mademoiselle Martin") << 3 << 1 << "À l'attention de Mlle Martin" << "Mademoiselle,";
    }

    void premierDuMois()
    {
        QCOMPARE(LigneDate(QStringLiteral("Lyon"), QDate(2026, 12, 1)), QStringLiteral("Lyon, le 1er décembre 2026"));
        QCOMPARE(LigneDate(QStringLiteral("Lyon"), QDate(2027, 2, 2)), QStringLiteral("Lyon, le 2 février 2027"));
    }

    void destinataire()
    {
        QFETCH(int, titre);
        QFETCH(int, taille);
        QFETCH(QString, ligne);
        QFETCH(QString, salutation);
        choisir(p()->sComboBox4, titre);
        p()->sEdit1->setText(QStringLiteral("martin"));
        choisir(p()->sComboBox6, taille);
        Form1->sBitBtn3Click();
        QCOMPARE(lignes().at(7), ligne);
        QCOMPARE(lignes().at(14), salutation);
    }

    void sortiesDeLaLettre()
    {
        QList<QUrl> ouverts;
        RemplacerOuvreur([&ouverts](const QUrl &u) {
            ouverts << u;
            return true;
        });
        // Before any letter, the e-mail has an empty subject.
        choisir(p()->sComboBox2, 2);
        QVERIFY(Form1->sBitBtn2->isVisible() || !Form1->isVisible());
        Form1->sBitBtn2Click();
        QCOMPARE(QUrlQuery(ouverts.last()).queryItemValue(QStringLiteral("subject")), QString());
        Form1->sBitBtn3Click();
        Form1->sBitBtn2Click();
        const QUrlQuery courriel(ouverts.last());
        QCOMPARE(courriel.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), QStringLiteral("Candidature spontanée"));
        QVERIFY(courriel.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded).endsWith(QStringLiteral("hugo.ferrand@gmail.com\r\n")));

        // Save: the file proposed under the applicant's last name, written as RTF.
        QString propose;
        const QString chemin = m_dossier.filePath(QStringLiteral("lettre.rtf"));
        RemplacerDialogueEnregistrement([&](QFileDialog &d) {
            propose = d.selectedFiles().value(0);
            return chemin;
        });
        Form2->EdNom->setText(QStringLiteral("ferrand."));
        Form1->sBitBtn27Click();
        // Proposed in the user's own folders, never in the private working folder.
        QVERIFY2(QFileInfo(propose).completeBaseName() == QStringLiteral("Lettre_de_motivation_Ferrand"), qPrintable(propose));
        QVERIFY2(!propose.startsWith(Form1->WorkFolder) && propose.startsWith(QDir::homePath()), qPrintable(propose));
        QFile rtf(chemin);
        QVERIFY(rtf.open(QIODevice::ReadOnly));
        const QByteArray octets = rtf.readAll();
        QVERIFY(octets.startsWith("{\\rtf1"));
        QVERIFY(octets.contains("--------"));
        // Read back by an RTF reader, the saved letter has the editor's text line for line.
        const QString lecteur = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
        if (!lecteur.isEmpty()) {
            QProcess unrtf;
            unrtf.start(lecteur, {QStringLiteral("--text"), chemin});
            QVERIFY(unrtf.waitForFinished(30000));
            QStringList relu = Cp1252::decoder(unrtf.readAllStandardOutput()).split(u'\n');
            while (!relu.isEmpty() && !relu.first().startsWith(QStringLiteral("-----")))
                relu.removeFirst();
            relu.removeFirst();
            const QStringList ecrit = lignes();
            QCOMPARE(relu.mid(0, ecrit.size()), ecrit);
        }

        // Word processor: the same letter in the private folder, opened by the desktop.
        Form1->sBitBtn25Click();
        QVERIFY(ouverts.last().isLocalFile());
        QVERIFY(ouverts.last().toLocalFile().endsWith(QStringLiteral("/Lettre_de_motivation_Ferrand.rtf")));
        QVERIFY(QFile::exists(ouverts.last().toLocalFile()));
        RemplacerOuvreur({});
        RemplacerDialogueEnregistrement({});
        QCOMPARE(m_erreurs, QStringList());
    }

    void quitterSansPerdreSesRetouches()
    {
        // A letter as generated closes without a question, even after the window was resized.
        Form1->sBitBtn3Click();
        Form1->show();
        Form1->resize(Form1->width() + 200, Form1->height() + 100);
        QVERIFY(Form1->close());
        QVERIFY(m_messages.isEmpty());

        // Retouched by the user: the program asks, and "Non" keeps it open with the text.
        Form1->show();
        Form1->Editor->placerCurseur(0);
        QTest::keyClicks(Form1->Editor, QStringLiteral("Cher "));
        m_reponse = TFormsDialog::Non;
        QVERIFY(!Form1->close());
        QVERIFY(Form1->isVisible());
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages.first().endsWith(QStringLiteral("Voulez-vous vraiment quitter Vendelair ?")));
        QVERIFY(lignes().first().startsWith(QStringLiteral("Cher ")));
        // Once saved, nothing more to ask.
        RemplacerDialogueEnregistrement([this](QFileDialog &) { return m_dossier.filePath(QStringLiteral("l.rtf")); });
        Form1->sBitBtn27Click();
        RemplacerDialogueEnregistrement({});
        QVERIFY(Form1->close());
        QCOMPARE(m_messages.size(), 1);
        m_reponse = TFormsDialog::OK;
    }

    // The temporary folder is replaced by another user's link after a first letter: the
    // next letter is written all the same, from our own texts, and nothing there is written
    // or deleted.
    void dossierTemporaireRemplace()
    {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), tmp = qgetenv("TMPDIR");
        qunsetenv("XDG_RUNTIME_DIR");
        const QString racine = m_dossier.filePath(QStringLiteral("tmp-partage"));
        QVERIFY(QDir().mkpath(racine));
        qputenv("TMPDIR", QFile::encodeName(racine));
        Form1->sBitBtn3Click();
        const QString repli = racine + QStringLiteral("/vendelair-%1").arg(::geteuid());
        QVERIFY(QFileInfo(repli).isDir());

        const QString plantes = m_dossier.filePath(QStringLiteral("ailleurs/Vendelair/Textes/Paragraphe5"));
        QVERIFY(QDir().mkpath(plantes));
        for (int k = 1; k <= 10; ++k) {
            QFile f(plantes + QStringLiteral("/%1.txt").arg(k));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("TEXTE PLANTE\n");
        }
        QVERIFY(QDir(repli).removeRecursively());
        QVERIFY(QFile::link(m_dossier.filePath(QStringLiteral("ailleurs")), repli));
        Form1->sBitBtn3Click();
        qputenv("TMPDIR", tmp);
        if (!runtime.isEmpty())
            qputenv("XDG_RUNTIME_DIR", runtime);

        QVERIFY(m_erreurs.isEmpty());
        QCOMPARE(lignes().size(), 26);
        QVERIFY(!Form1->Editor->texteComplet().contains(QStringLiteral("PLANTE")));
        QCOMPARE(QDir(plantes).entryList(QDir::Files).size(), 10);
        QVERIFY(!QFileInfo::exists(m_dossier.filePath(QStringLiteral("ailleurs/Vendelair/Textes/Paragraphe1"))));
    }

    void echecs()
    {
        // A click while a letter is being written is ignored.
        Form1->GenerationEnCours = true;
        Form1->sBitBtn3Click();
        QVERIFY(Form1->Editor->texteComplet().isEmpty());
        Form1->GenerationEnCours = false;

        // The working folder cannot be made: a clear error that names it and says why, the
        // program goes on, and the next Generate works.
        const QString dossier = DossierTemporaire() + QStringLiteral("Vendelair");
        QVERIFY(QDir(dossier).removeRecursively());
        QFile bloquant(dossier);
        QVERIFY(bloquant.open(QIODevice::WriteOnly));
        bloquant.close();
        Form1->sBitBtn3Click();
        QVERIFY(bloquant.remove());
        QCOMPARE(m_erreurs, QStringList{QStringLiteral("Impossible de créer le dossier de travail %1/ : ce n'est pas "
                                                       "un dossier du programme.").arg(dossier)});
        QVERIFY(!Form1->GenerationEnCours);
        QVERIFY(!Form1->PanProgression->isVisible());
        Form1->sBitBtn3Click();
        QCOMPARE(m_erreurs.size(), 1);
        QCOMPARE(lignes().size(), 26);
    }
};

QTEST_MAIN(TestGeneration)
#include "tst_generation.moc"
