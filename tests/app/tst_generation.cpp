#include "fenetrestest.h"
#include "app/demarrage.h"
#include "app/panneaucandidature.h"
#include "app/tform1.h"
#include "editor/panneauediteur.h"
#include "editor/sortie.h"
#include "letter/tirage.h"
#include "platform/cp1252.h"
#include "editor/editor.h"
#include "platform/systeme.h"
#include "profiles/settingsfile.h"
#include "app/tform2.h"
#include "app/tform4.h"
#include "widgets/clignotementlabel.h"
#include "widgets/sbitbtn.h"
#include "widgets/scombobox.h"
#include "widgets/sedit.h"
#include "widgets/spanel.h"
#include "widgets/tformsdialog.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QFileDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QMenu>
#include <QTextBlock>
#include <QTextLayout>
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

    // The composed letter in the editor: its lines and formats kept, the indents laid out
    // at the zoom, and the window around it ready for the next step.
    void lettrePostale()
    {
        Form1->sBitBtn3Click();
        QVERIFY2(m_erreurs.isEmpty(), qPrintable(m_erreurs.join(u'\n')));
        const QStringList l = lignes();
        QCOMPARE(l.size(), 26);
        QCOMPARE(l.first(), QStringLiteral("Hugo Ferrand"));
        QCOMPARE(l.at(12), QStringLiteral("Objet : Candidature spontanée"));
        const AttributsParagraphe corps = Form1->Editor->paragrapheDuBloc(bloc(14));
        QCOMPARE(std::tuple(corps.premiereLigne, corps.gauche, corps.droite), std::tuple(28, -28, 11));
        const qreal unites = 96.0 * Form1->Editor->zoom() / 100.0 / 72.0;
        const qreal retrait = bloc(6).blockFormat().textIndent() + bloc(6).blockFormat().leftMargin();
        QVERIFY2(qAbs(retrait - 240 * unites) < 240 * unites / 50, qPrintable(QString::number(retrait)));
        QCOMPARE(fragments([](const AttributsTexte &a) { return a.souligne; }), QStringList{QStringLiteral("Objet")});

        // The end: caret at the start, gauge hidden, caption for another letter, corpus gone,
        // nothing to undo and nothing modified.
        QCOMPARE(Form1->Editor->selStart(), 0);
        QCOMPARE(Form1->Editor->selLength(), 0);
        QVERIFY(!Form1->Editor->peutAnnuler());
        QVERIFY(!Form1->Editor->document()->isModified());
        QVERIFY(!Form1->PanProgression->isVisible());
        QCOMPARE(Form1->Label3->text(), QStringLiteral("Regénérer une lettre différente"));
        QVERIFY(!Form1->GenerationEnCours);
        QVERIFY(!QDir(Form1->WorkFolder + QStringLiteral("Textes")).exists());
        QVERIFY(Form1->PanDroite->BoutPolices->estEnfonce());
        QCOMPARE(Form1->Editor->zoom(), Form1->Editor->width() * 100 / 642);
        QCOMPARE(Form1->LetterSubject, QStringLiteral("Candidature spontanée"));

        // A second letter, from the keyboard (F5); typing in the company's name brings the
        // first caption back.
        const QString premiere = Form1->Editor->texteComplet();
        Form1->show();
        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        QTest::keyClick(Form1->Editor, Qt::Key_F5);
        QCOMPARE(lignes().size(), 26);
        QVERIFY(Form1->Editor->texteComplet() != premiere);
        QTest::keyClicks(p()->EdSociete, QStringLiteral(" SA"));
        QCOMPARE(Form1->Label3->text(), QStringLiteral("Etape 3  -  Générer ma lettre"));
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

        // The company's name and the applicant's are capitalised where the user sees them.
        Form1->sBitBtn14Click();
        Form2->EdNom->setText(QStringLiteral("ferrand"));
        Form2->sBitBtn3Click();
        choisir(p()->sComboBox2, 1);
        p()->EdSociete->setText(QStringLiteral("atelier éclair"));
        Form1->sBitBtn3Click();
        QCOMPARE(p()->EdSociete->text(), QStringLiteral("Atelier éclair"));
        QCOMPARE(Form2->EdNom->text(), QStringLiteral("Ferrand"));
        QCOMPARE(lignes().at(6), QStringLiteral("ATELIER ÉCLAIR"));
        QCOMPARE(lignes().first(), QStringLiteral("Hugo Ferrand"));
        QVERIFY(!fragments([](const AttributsTexte &a) { return a.couleur == QColor(255, 0, 0); }).isEmpty());
    }

    // Spelling in the generated letter: nothing of ours or of the user's flagged, a word
    // typed wrong is; turned off, it stays off at the next start.
    void orthographe()
    {
        const auto signales = [] {
            QStringList r;
            for (QTextBlock b = Form1->Editor->document()->begin(); b.isValid(); b = b.next())
                for (const QTextLayout::FormatRange &f : b.layout()->formats())
                    if (f.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                        r << b.text().mid(f.start, f.length);
            return r;
        };
        Form1->sBitBtn3Click();
        QVERIFY(Form1->Editor->orthographeActive());
        QCOMPARE(signales(), QStringList());
        Form1->Editor->placerCurseur(0);
        QTest::keyClicks(Form1->Editor, QStringLiteral("Motivaton "));
        QCOMPARE(signales(), QStringList{QStringLiteral("Motivaton")});

        std::unique_ptr<QMenu> menu = Form1->Editor->creerMenuContextuel(QPoint(5, 5));
        for (QAction *a : menu->actions())
            if (a->objectName() == QLatin1String("orthographe"))
                a->trigger();
        menu.reset();
        QCOMPARE(signales(), QStringList());
        QVERIFY(!::SettingsFile(Form1->SettingsFile).LireOrthographe());
        DetruireFenetres();
        FenetresTest::demarrerAvecLeProfilExemple();
        QVERIFY(!Form1->Editor->orthographeActive());
    }

    // The forum's name typed in the contact panel reaches the letter; left empty, the mark
    // stays for the user to fill in.
    void rencontreAuForum()
    {
        choisir(p()->sComboBox4, 2);
        p()->sEdit1->setText(QStringLiteral("Martin"));
        choisir(p()->CombPrecedentContact, 3);
        p()->EdNomPrecContact->setText(QStringLiteral("Emploi Culture de Lyon"));
        Form1->sBitBtn3Click();
        QVERIFY2(Form1->Editor->texteComplet().contains(QStringLiteral("notre rencontre au forum Emploi Culture de Lyon")),
                 qPrintable(Form1->Editor->texteComplet()));
        p()->EdNomPrecContact->clear();
        Form1->sBitBtn3Click();
        QVERIFY(Form1->Editor->texteComplet().contains(QStringLiteral("notre rencontre au forum XXXXXXXX")));
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

        // Print with no printer installed: said in the program's message dialog.
        RemplacerImprimantes([] { return QStringList(); });
        m_messages.clear();
        Form1->sBitBtn26Click();
        RemplacerImprimantes({});
        QCOMPARE(m_messages, QStringList{QStringLiteral("Aucune imprimante n'est installée sur cet ordinateur.|"
                                                        "Enregistrez la lettre pour l'imprimer depuis un autre poste.|")});

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
        // A new letter would replace it: the same question, "Non" keeps it.
        Form1->sBitBtn3Click();
        QCOMPARE(m_messages.size(), 2);
        QVERIFY(m_messages.last().endsWith(QStringLiteral("Voulez-vous vraiment la remplacer par une autre ?")));
        QVERIFY(lignes().first().startsWith(QStringLiteral("Cher ")));
        // Once saved (here with Ctrl+S), nothing more to ask.
        RemplacerDialogueEnregistrement([this](QFileDialog &) { return m_dossier.filePath(QStringLiteral("l.rtf")); });
        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        QTest::keyClick(Form1->Editor, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFile::exists(m_dossier.filePath(QStringLiteral("l.rtf"))));
        RemplacerDialogueEnregistrement({});
        QVERIFY(Form1->close());
        QCOMPARE(m_messages.size(), 2);
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
