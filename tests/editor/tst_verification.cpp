#include "document/rtf.h"
#include "editor/editor.h"
#include "letter/orthographe.h"

#include <QAbstractTextDocumentLayout>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

// Spelling in the letter editor: marks on screen only, the menu of a flagged word, the
// entry that turns checking on and off.
class TestVerification : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dossier;
    std::shared_ptr<Orthographe> m_orthographe;

    // The stretches of a paragraph drawn with the spelling line.
    static QStringList soulignes(const QTextBlock &b)
    {
        QStringList r;
        for (const QTextLayout::FormatRange &f : b.layout()->formats())
            if (f.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                r << b.text().mid(f.start, f.length);
        return r;
    }
    static QAction *action(QMenu &menu, const QString &nom)
    {
        for (QAction *a : menu.actions())
            if (a->objectName() == nom)
                return a;
        return nullptr;
    }
    // The menu at the middle of a word of the first paragraph.
    static std::unique_ptr<QMenu> menuSur(Editor &e, const QString &mot)
    {
        QTextCursor c(e.document());
        c.setPosition(int(e.texteComplet().indexOf(mot)) + 2);
        return e.creerMenuContextuel(e.cursorRect(c).center());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dossier.isValid());
        m_orthographe = std::make_shared<Orthographe>(Orthographe::dossiersDictionnaires(),
                                                      m_dossier.filePath(QStringLiteral("mots.txt")));
        QVERIFY(m_orthographe->disponible());
    }

    void marquesALEcranSeulement()
    {
        Editor e;
        e.resize(500, 300);
        e.definirOrthographe(m_orthographe);
        e.ajouterLigne(QStringLiteral("Mon expérence chez Océalis."));
        QCOMPARE(soulignes(e.document()->begin()), QStringList());
        e.activerOrthographe(true);
        QVERIFY(e.orthographeActive());
        QCOMPARE(soulignes(e.document()->begin()), (QStringList{QStringLiteral("expérence"), QStringLiteral("Océalis")}));
        // The user's words of the letter at hand are not flagged.
        m_orthographe->accepterTextes({QStringLiteral("Océalis")});
        e.reverifierOrthographe();
        QCOMPARE(soulignes(e.document()->begin()), QStringList{QStringLiteral("expérence")});
        // Nothing of it is in the letter: no format, no undo step, not modified, not in the RTF.
        QVERIFY(!e.peutAnnuler());
        QVERIFY(!e.document()->isModified());
        for (auto it = e.document()->begin().begin(); !it.atEnd(); ++it)
            QCOMPARE(it.fragment().charFormat().underlineStyle(), QTextCharFormat::NoUnderline);
        QVERIFY(!LettreEnRtf(*e.document()).contains("\\ul"));
        e.activerOrthographe(false);
        QCOMPARE(soulignes(e.document()->begin()), QStringList());
        m_orthographe->accepterTextes({});
    }

    void menuDUnMotSignale()
    {
        Editor e;
        e.resize(500, 300);
        e.show();
        e.definirOrthographe(m_orthographe);
        e.activerOrthographe(true);
        e.ajouterLigne(QStringLiteral("Ma motivaton est grande."));
        std::unique_ptr<QMenu> menu = menuSur(e, QStringLiteral("motivaton"));
        const QList<QAction *> actions = menu->actions();
        // Suggestions first, then ignore and add, then the switch, then Qt's own entries.
        QCOMPARE(actions.first()->objectName(), QStringLiteral("suggestion"));
        QCOMPARE(actions.first()->text(), QStringLiteral("motivation"));
        QVERIFY(actions.size() > 10);
        QVERIFY(action(*menu, QStringLiteral("ignorer")) && action(*menu, QStringLiteral("ajouter")));
        QVERIFY(action(*menu, QStringLiteral("orthographe"))->isChecked());
        QVERIFY(action(*menu, QStringLiteral("edit-paste")));
        // A suggestion replaces the word as one step of undo.
        actions.first()->trigger();
        QCOMPARE(e.texteComplet(), QStringLiteral("Ma motivation est grande."));
        QVERIFY(soulignes(e.document()->begin()).isEmpty());
        e.annuler();
        QCOMPARE(e.texteComplet(), QStringLiteral("Ma motivaton est grande."));
        QVERIFY(!e.peutAnnuler());

        // Turned off from the menu, said to the window.
        bool etat = true;
        connect(&e, &Editor::orthographeBasculee, this, [&etat](bool oui) { etat = oui; });
        std::unique_ptr<QMenu> autre = menuSur(e, QStringLiteral("motivaton"));
        action(*autre, QStringLiteral("orthographe"))->trigger();
        QVERIFY(!etat);
        QVERIFY(!e.orthographeActive());
        QVERIFY(!action(*menuSur(e, QStringLiteral("motivaton")), QStringLiteral("suggestion")));
    }

    void sansDictionnaire()
    {
        Editor e;
        e.definirOrthographe(std::make_shared<Orthographe>(QStringList{m_dossier.filePath(QStringLiteral("vide"))}, QString()));
        e.activerOrthographe(true);
        QVERIFY(!e.orthographeActive());
        e.ajouterLigne(QStringLiteral("Mon expérence"));
        std::unique_ptr<QMenu> menu = e.creerMenuContextuel(QPoint(5, 5));
        QAction *entree = action(*menu, QStringLiteral("orthographe"));
        QVERIFY(entree && !entree->isEnabled());
        QVERIFY(entree->text().contains(QStringLiteral("aucun dictionnaire français")));
    }
};

QTEST_MAIN(TestVerification)
#include "tst_verification.moc"
