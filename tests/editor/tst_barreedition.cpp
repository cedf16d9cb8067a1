#include "editor/dispositionbarre.h"
#include "editor/panneauediteur.h"
#include "widgets/sbitbtn.h"
#include "widgets/scombobox.h"
#include "widgets/sedit.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <QTimer>

// The letter's toolbars as the user drives them: what a click changes in the text, what
// the buttons show for the selection, how the panels slide.
class TestBarreEdition : public QObject
{
    Q_OBJECT

private:
    QWidget *m_fenetre = nullptr;
    PanneauEditeur *b = nullptr;

    void taper(const QString &texte) { QTest::keyClicks(b->Editor, texte); }
    void selectionner(int debut, int longueur)
    {
        b->Editor->selectionner(debut, longueur);
        b->EditorSelectionChange();
    }
    static QTextCharFormat formatA(Editor *e, int position)
    {
        QTextCursor c(e->document());
        c.setPosition(position + 1);
        return c.charFormat();
    }

private slots:
    void init()
    {
        m_fenetre = new QWidget;
        m_fenetre->resize(560, 600);
        b = new PanneauEditeur(m_fenetre);
        b->setGeometry(0, 0, 520, 528);
        b->disposer();
        b->GetFontNames();
        m_fenetre->show();
        b->Editor->setFocus();
    }
    void cleanup()
    {
        delete m_fenetre;
        QApplication::clipboard()->clear();
    }

    void selectionOuTexteAVenir()
    {
        taper(QStringLiteral("abc def"));
        selectionner(4, 3);
        b->BoutGrasClick();
        QVERIFY(b->BoutGras->estEnfonce());
        QCOMPARE(formatA(b->Editor, 4).fontWeight(), QFont::Bold);
        QCOMPARE(formatA(b->Editor, 0).fontWeight(), QFont::Normal);
        b->EdTaillePolice->setText(QStringLiteral("20"));
        QCOMPARE(qRound(formatA(b->Editor, 5).fontPointSize()), 20);
        QVERIFY(qRound(formatA(b->Editor, 1).fontPointSize()) != 20);
        b->BoutCouleur1Click(b->Pastilles.at(9));
        QCOMPARE(formatA(b->Editor, 6).foreground().color(), QColor(0xFF, 0, 0));
        QVERIFY(!formatA(b->Editor, 2).hasProperty(QTextFormat::ForegroundBrush));

        // Undone from the keyboard, the selection unchanged: the buttons show it at once.
        QTest::keyClick(b->Editor, Qt::Key_Z, Qt::ControlModifier); // the colour
        QTest::keyClick(b->Editor, Qt::Key_Z, Qt::ControlModifier); // the size
        QTest::keyClick(b->Editor, Qt::Key_Z, Qt::ControlModifier); // the bold
        QVERIFY(!b->BoutGras->estEnfonce());
        QCOMPARE(formatA(b->Editor, 4).fontWeight(), QFont::Normal);
        QVERIFY(b->BoutRetablir->isEnabled());
        QTest::keyClick(b->Editor, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(b->BoutGras->estEnfonce());

        // Nothing selected: the change goes to what is typed next, not to the text.
        b->Editor->placerCurseur(7);
        b->EditorSelectionChange();
        b->BoutItalClick();
        taper(QStringLiteral("x"));
        QVERIFY(formatA(b->Editor, 7).fontItalic());
        QVERIFY(!formatA(b->Editor, 5).fontItalic());
    }

    void raccourcisDeStyle()
    {
        // Ctrl+B, Ctrl+I, Ctrl+U work on the selection as the buttons do.
        taper(QStringLiteral("abc def"));
        m_fenetre->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_fenetre));
        selectionner(4, 3);
        QTest::keyClick(b->Editor, Qt::Key_B, Qt::ControlModifier);
        QVERIFY(b->BoutGras->estEnfonce());
        QTest::keyClick(b->Editor, Qt::Key_I, Qt::ControlModifier);
        QVERIFY(b->BoutItal->estEnfonce());
        QVERIFY(formatA(b->Editor, 4).fontItalic());
        QTest::keyClick(b->Editor, Qt::Key_U, Qt::ControlModifier);
        QVERIFY(formatA(b->Editor, 4).fontUnderline());
        QTest::keyClick(b->Editor, Qt::Key_B, Qt::ControlModifier);
        QVERIFY(!b->BoutGras->estEnfonce());
        QCOMPARE(formatA(b->Editor, 4).fontWeight(), QFont::Normal);
        QCOMPARE(b->BoutGras->toolTip(), QStringLiteral("Gras (Ctrl+B)"));
    }

    void laBarreSuitLaSelection()
    {
        taper(QStringLiteral("noir auto"));
        selectionner(0, 4);
        b->BoutCouleur1Click(b->Pastilles.at(0)); // black, explicitly
        selectionner(0, 4);
        QVERIFY(b->Pastilles.at(0)->estEnfonce());
        // Automatic colour is no swatch, not even the black one.
        selectionner(5, 4);
        for (SBitBtn *p : std::as_const(b->Pastilles))
            QVERIFY(!p->estEnfonce());
        // A justified paragraph shows only the justify button down.
        b->BoutAlignClick(b->BoutAlignJustify);
        selectionner(0, 1);
        QVERIFY(b->BoutAlignJustify->estEnfonce());
        for (SBitBtn *a : {b->BoutAlignGauche, b->BoutAlignCentre, b->BoutAlignDroite})
            QVERIFY(!a->estEnfonce());
        // The font list names the selection's face, even one this machine lacks.
        AttributsTexte absente = b->Editor->attributsSelection();
        absente.police = QStringLiteral("Police Introuvable");
        b->Editor->definirAttributsSelection(absente);
        b->EditorSelectionChange();
        QCOMPARE(b->CombPolice->currentIndex(), -1);
        QCOMPARE(b->CombPolice->placeholderText(), absente.police);
        b->CombPolice->setCurrentIndex(1);
        b->CombPoliceChange();
        selectionner(0, 1);
        QCOMPARE(b->CombPolice->currentIndex(), 1);
        QCOMPARE(b->Editor->attributsSelection().police, b->CombPolice->itemText(1));
        // Filling the toolbar writes nothing back into the text.
        QVERIFY(!b->SyncingToolbar);
        QCOMPARE(b->EdTaillePolice->text(), QString::number(b->Editor->attributsSelection().taille));
    }

    void palette()
    {
        QCOMPARE(b->Pastilles.size(), 10);
        const QStringList noms{"BoutCouleur1", "BoutCouleur2", "BoutCouleur3", "BoutCouleur4", "BoutCouleur6",
                               "BoutCouleur7", "BoutCouleur8", "BoutCouleur9", "BoutCouleur10", "BoutCouleur11"};
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(b->Pastilles.at(i)->objectName(), noms.at(i));
            QCOMPARE(PanneauEditeur::couleurPastille(b->Pastilles.at(i)).rgb() & 0xFFFFFF,
                     PanneauEditeur::couleursPalette().at(i));
            QCOMPARE(b->Pastilles.at(i)->x(), 12 + 32 * i);
        }
    }

    void tailleAuClavier()
    {
        b->EdTaillePolice->setText(QStringLiteral("12"));
        b->EdTaillePolice->setFocus();
        b->EdTaillePolice->end(false);
        QTest::keyClick(b->EdTaillePolice, Qt::Key_3);
        QCOMPARE(b->EdTaillePolice->text(), QStringLiteral("12"));
        QTest::keyClick(b->EdTaillePolice, Qt::Key_Backspace);
        QTest::keyClick(b->EdTaillePolice, Qt::Key_A);
        QCOMPARE(b->EdTaillePolice->text(), QStringLiteral("1"));
        QTest::keyClick(b->EdTaillePolice, Qt::Key_4);
        QCOMPARE(b->EdTaillePolice->text(), QStringLiteral("14"));
        // Pasted text that is no number applies nothing and says nothing.
        const int avant = b->CurrText().taille;
        b->EdTaillePolice->setText(QStringLiteral("douze"));
        QCOMPARE(b->CurrText().taille, avant);
        b->EdTaillePolice->clear();
        b->BoutTaillePoliceUpClick();
        QCOMPARE(b->EdTaillePolice->text(), QString());
    }

    void boutonsDeTaille()
    {
        b->EdTaillePolice->setText(QStringLiteral("97"));
        QTest::mousePress(b->BoutTaillePoliceUp, Qt::LeftButton);
        QVERIFY(b->TimTaillePoliceUp->isActive());
        QCOMPARE(b->TimTaillePoliceUp->interval(), 600);
        for (int i = 0; i < 5; ++i)
            b->TimTaillePoliceUpTimer();
        QCOMPARE(b->TimTaillePoliceUp->interval(), 60);
        QCOMPARE(b->EdTaillePolice->text(), QStringLiteral("99"));
        QTest::mouseRelease(b->BoutTaillePoliceUp, Qt::LeftButton);
        QVERIFY(!b->TimTaillePoliceUp->isActive());
        QCOMPARE(b->EdTaillePolice->text(), QStringLiteral("99"));
        QCOMPARE(b->CurrText().taille, 99);

        b->EdTaillePolice->setText(QStringLiteral("6"));
        for (int i = 0; i < 5; ++i)
            b->BoutTaillePoliceDownClick();
        QCOMPARE(b->EdTaillePolice->text(), QStringLiteral("4"));
        // Leaving the button while it repeats stops it.
        QTest::mousePress(b->BoutTaillePoliceDown, Qt::RightButton);
        QVERIFY(b->TimTaillePoliceDown->isActive());
        QEvent sortie(QEvent::Leave);
        QApplication::sendEvent(b->BoutTaillePoliceDown, &sortie);
        QVERIFY(!b->TimTaillePoliceDown->isActive());
    }

    void annulerEtSesIndications()
    {
        b->UpdateEditActions();
        QVERIFY(!b->BoutAnnuler->isEnabled());
        QCOMPARE(b->BoutAnnuler->toolTip(), QStringLiteral("Annuler (Ctrl+Z)"));
        QVERIFY(!b->BoutCouper->isEnabled());
        taper(QStringLiteral("Bonjour"));
        b->UpdateEditActions();
        QVERIFY(b->BoutAnnuler->isEnabled());
        QCOMPARE(b->BoutAnnuler->toolTip(), QStringLiteral("Annuler texte (Ctrl+Z)"));
        QApplication::clipboard()->setText(QStringLiteral(" madame"));
        b->BoutCollerClick();
        QCOMPARE(b->BoutAnnuler->toolTip(), QStringLiteral("Annuler coller (Ctrl+Z)"));
        b->BoutAnnulerClick();
        QCOMPARE(b->BoutRetablir->toolTip(), QStringLiteral("Rétablir coller (Ctrl+Y)"));
        QCOMPARE(b->BoutAnnuler->toolTip(), QStringLiteral("Annuler texte (Ctrl+Z)"));
        b->BoutAnnulerClick();
        QVERIFY(!b->BoutAnnuler->isEnabled());
        QCOMPARE(b->BoutAnnuler->toolTip(), QStringLiteral("Annuler (Ctrl+Z)"));
        QCOMPARE(b->Editor->texteComplet(), QString());
        b->BoutRetablirClick();
        selectionner(0, 3);
        QVERIFY(b->BoutCouper->isEnabled() && b->BoutCopier->isEnabled());
        b->BoutCouperClick();
        QCOMPARE(b->BoutAnnuler->toolTip(), QStringLiteral("Annuler couper (Ctrl+Z)"));
        // Formatting a selection is an undo step too, shown as soon as it is made.
        b->Editor->vider();
        b->Editor->ajouterLigne(QStringLiteral("Madame"));
        selectionner(0, 3);
        QVERIFY(!b->BoutAnnuler->isEnabled());
        b->BoutGrasClick();
        QVERIFY(b->BoutAnnuler->isEnabled());
        QCOMPARE(b->BoutAnnuler->toolTip(), QStringLiteral("Annuler (Ctrl+Z)"));
    }

    void panneauxCoulissants()
    {
        auto ouvrir = [](QTimer *t, const std::function<void()> &tick) {
            for (int i = 0; t->isActive() && i < 20; ++i)
                tick();
        };
        b->BoutPolicesClick();
        QVERIFY(b->BoutPolices->estEnfonce());
        ouvrir(b->TimPoliceOuvrir, [this] { b->TimPoliceOuvrirTimer(); });
        QCOMPARE(b->PanPolice->height(), 38);
        // The palette opens to the right edge of the underline button.
        b->BoutCouleurClick();
        ouvrir(b->TimCouleursOuvrir, [this] { b->TimCouleursOuvrirTimer(); });
        QCOMPARE(b->PanCouleurs->width(), b->BoutSoulign->x() + b->BoutSoulign->width());
        QVERIFY(b->BoutCouleur->estEnfonce());
        // The ruler closes the font panel; the palette keeps its state.
        b->BoutParagrapheClick();
        QVERIFY(b->TimPoliceFermer->isActive());
        ouvrir(b->TimPoliceFermer, [this] { b->TimPoliceFermerTimer(); });
        ouvrir(b->TimParagrapheOuvrir, [this] { b->TimParagrapheOuvrirTimer(); });
        QCOMPARE(b->PanPolice->height(), 0);
        QVERIFY(!b->BoutPolices->estEnfonce());
        QCOMPARE(b->PanParagraphe->height(), 28);
        b->BoutPolicesClick();
        ouvrir(b->TimParagrapheFermer, [this] { b->TimParagrapheFermerTimer(); });
        ouvrir(b->TimPoliceOuvrir, [this] { b->TimPoliceOuvrirTimer(); });
        QCOMPARE(b->PanParagraphe->height(), 0);
        QCOMPARE(b->PanPolice->height(), 38);
        QVERIFY(b->BoutCouleur->estEnfonce());
        QCOMPARE(b->PanCouleurs->width(), b->BoutSoulign->x() + b->BoutSoulign->width());
        // The letter takes what the panels leave.
        b->disposer();
        QCOMPARE(b->Editor->y(), 1 + 49 + 38);
    }

    void focusVersLaLettre()
    {
        auto *champ = new SEdit(m_fenetre);
        champ->show();
        champ->setFocus();
        QApplication::setActiveWindow(m_fenetre);
        bool attention = true;
        b->attentionEnCours = [&attention] { return attention; };
        emit b->Editor->sourisDeplacee();
        QVERIFY(!b->Editor->hasFocus());
        attention = false;
        emit b->Editor->sourisDeplacee();
        QVERIFY(b->Editor->hasFocus());
    }

    void placesDeLaBarre()
    {
        const QHash<QString, int> etroite = PositionsBarrePrincipale(518);
        const std::pair<const char *, int> attendues[] = {
            {"sBitBtn27", 7},    {"sBitBtn26", 47},  {"BoutPolices", 87}, {"BoutParagraphe", 127},
            {"Sep1", 175},       {"BoutAnnuler", 199}, {"BoutRetablir", 239}, {"BoutCouper", 279},
            {"BoutCopier", 319}, {"BoutColler", 359}, {"Sep2", 407},        {"sBitBtn25", 431},
            {"sBitBtn2", 431},   {"sBitBtn28", 471}};
        for (const auto &[nom, gauche] : attendues)
            QCOMPARE(etroite.value(QString::fromLatin1(nom)), gauche);
        const QHash<QString, int> large = PositionsBarrePrincipale(718); // c = 17, d = 38
        QCOMPARE(large.value("sBitBtn27"), 17);
        QCOMPARE(large.value("Sep1"), 17 + 4 * 33 + 3 * 17 + 38);
        QCOMPARE(large.value("sBitBtn28"), large.value("sBitBtn25") + 33 + 17);
        const QHash<QString, int> police = PositionsPanneauPolice(518);
        QCOMPARE(police.value("largeur:CombPolice"), 184);
        QCOMPARE(police.value("BoutAlignJustify"), 479);
        QCOMPARE(b->sBitBtn28->x(), 471);
    }
};

QTEST_MAIN(TestBarreEdition)
#include "tst_barreedition.moc"
