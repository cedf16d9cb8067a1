#include "editor/editor.h"
#include "document/rtf.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

Q_DECLARE_METATYPE(AttributsParagraphe)

// The letter as RTF: what word processors must read back from it.
class TestRtf : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dossier;

    static int position(const Editor &e, const QString &texte)
    {
        const int p = int(e.texteComplet().indexOf(texte));
        Q_ASSERT(p >= 0);
        return p;
    }

    static void formater(Editor &e, const QString &texte, const std::function<void(AttributsTexte &)> &changer)
    {
        e.selectionner(position(e, texte), int(texte.size()));
        AttributsTexte a = e.attributsSelection();
        changer(a);
        e.definirAttributsSelection(a);
    }

    static void paragraphe(Editor &e, const QString &texte, const AttributsParagraphe &p)
    {
        e.selectionner(position(e, texte), 0);
        e.definirParagrapheSelection(p);
    }

    // A short postal letter: the recipient at 240 pt, the subject's "Objet" underlined,
    // justified paragraphs, a red word still to fill in, accents and RTF's own characters.
    static void lettre(Editor &e)
    {
        const QStringList lignes = {
            QStringLiteral("Jean Dupont"),
            QStringLiteral("Société Générale des Eaux"),
            QStringLiteral("12, rue de l'Église"),
            QString(),
            QStringLiteral("Objet : Candidature spontanée"),
            QString(),
            QStringLiteral("Madame, Monsieur,"),
            QStringLiteral("Je me permets de vous adresser ma candidature au poste de XXXXXXXX, car mon parcours "
                           "correspond à vos attentes et je serais heureux d'en parler avec vous."),
            QStringLiteral("Mes outils : C++ {Qt} et C:\\Projets, 5 € — « œuvre » Ω."),
        };
        for (const QString &l : lignes)
            e.ajouterLigne(l);
        AttributsParagraphe destinataire;
        destinataire.premiereLigne = 240;
        paragraphe(e, QStringLiteral("Société"), destinataire);
        paragraphe(e, QStringLiteral("12, rue"), destinataire);
        AttributsParagraphe justifie;
        justifie.alignement = AttributsParagraphe::Justifie;
        justifie.premiereLigne = 36;
        justifie.gauche = -36;
        justifie.droite = 18;
        paragraphe(e, QStringLiteral("Je me permets"), justifie);
        paragraphe(e, QStringLiteral("Mes outils"), justifie);
        formater(e, QStringLiteral("Objet"), [](AttributsTexte &a) { a.souligne = true; });
        formater(e, QStringLiteral("XXXXXXXX"), [](AttributsTexte &a) { a.couleur = QColor(Qt::red); });
        formater(e, QStringLiteral("Jean Dupont"), [](AttributsTexte &a) {
            a.gras = true;
            a.taille = 14;
            a.police = QStringLiteral("DejaVu Serif");
        });
        formater(e, QStringLiteral("Madame"), [](AttributsTexte &a) { a.italique = true; });
    }

    QString ecrire(const Editor &e, const QString &nom)
    {
        const QString chemin = m_dossier.filePath(nom);
        QString erreur;
        if (!EnregistrerRtf(*e.document(), chemin, &erreur))
            qWarning() << erreur;
        return chemin;
    }

private slots:
    void echappement_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("ascii") << QStringLiteral("Madame, 12 rue") << QByteArray("Madame, 12 rue");
        QTest::newRow("rtf's own characters") << QStringLiteral("a\\b{c}") << QByteArray("a\\\\b\\{c\\}");
        QTest::newRow("latin-1 accents") << QStringLiteral("éàçÉÿ") << QByteArray("\\'e9\\'e0\\'e7\\'c9\\'ff");
        QTest::newRow("windows-1252 0x80-0x9f") << QStringLiteral("€œ’—…Ÿ") << QByteArray("\\'80\\'9c\\'92\\'97\\'85\\'9f");
        QTest::newRow("beyond windows-1252") << QStringLiteral("Ωą") << QByteArray("\\u937\\'3f\\u261\\'3f");
        QTest::newRow("signed 16 bits") << QStringLiteral("\uFFFD") << QByteArray("\\u-3\\'3f");
        QTest::newRow("surrogate pair") << QStringLiteral("\U0001F600") << QByteArray("\\u-10179\\'3f\\u-8704\\'3f");
        QTest::newRow("tab, line break, no-break space") << QStringLiteral("a\tb\u2028c\u00A0d")
                                                         << QByteArray("a\\tab b\\line c\\~d");
        QTest::newRow("control characters dropped") << QStringLiteral("a\u0001\u0081\u007Fb") << QByteArray("ab");
    }

    void echappement()
    {
        QFETCH(QString, texte);
        QFETCH(QByteArray, rtf);
        QCOMPARE(TexteRtf(texte), rtf);
    }

    void motsDeParagraphe_data()
    {
        QTest::addColumn<AttributsParagraphe>("paragraphe");
        QTest::addColumn<QByteArray>("mots");
        auto p = [](int alignement, int f, int l, int r) { return AttributsParagraphe{alignement, f, l, r}; };
        QTest::newRow("left, no indent") << p(0, 0, 0, 0) << QByteArray("\\pard\\ql\\fi0\\li0\\ri0 ");
        QTest::newRow("recipient block") << p(1, 240, 0, 0) << QByteArray("\\pard\\qr\\fi0\\li4800\\ri0 ");
        QTest::newRow("first line indented") << p(3, 36, -36, 18) << QByteArray("\\pard\\qj\\fi720\\li0\\ri360 ");
        QTest::newRow("hanging indent") << p(2, 10, 30, 0) << QByteArray("\\pard\\qc\\fi-600\\li800\\ri0 ");
    }

    void motsDeParagraphe()
    {
        QFETCH(AttributsParagraphe, paragraphe);
        QFETCH(QByteArray, mots);
        Editor e;
        e.ajouterLigne(QStringLiteral("Un"));
        e.ajouterLigne(QStringLiteral("Deux"));
        e.selectionner(0, 0);
        e.definirParagrapheSelection(paragraphe);
        const QByteArray rtf = LettreEnRtf(*e.document());
        QVERIFY2(rtf.contains(mots + "\\plain"), rtf.constData());
        // The second paragraph keeps its own format, and the last one has no \par.
        QVERIFY(rtf.contains("\\par\n\\pard\\ql\\fi0\\li0\\ri0 Deux}"));
        QCOMPARE(rtf.count("\\par\n"), 1);
    }

    void tablesEtAttributs()
    {
        Editor e;
        lettre(e);
        formater(e, QStringLiteral("Madame"), [](AttributsTexte &a) { a.couleur = QColor(Qt::black); });
        formater(e, QStringLiteral("Monsieur"), [](AttributsTexte &a) {
            a.couleur = QColor(Qt::red);
            a.barre = true;
        });
        const QByteArray rtf = LettreEnRtf(*e.document());
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
        QVERIFY(rtf.endsWith("}\n"));
        QCOMPARE(rtf.count('{') - rtf.count("\\{"), rtf.count('}') - rtf.count("\\}"));
        // The base font is face 0; each face and each colour once. Explicit black is a colour
        // of its own: entry 0 is the automatic one.
        QVERIFY2(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Tahoma;}{\\f1\\fnil\\fcharset0 DejaVu Serif;}}"), rtf.constData());
        QVERIFY2(rtf.contains("{\\colortbl ;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}"), rtf.constData());
        QVERIFY(rtf.contains("\\plain\\f1\\fs28\\b Jean Dupont"));
        QVERIFY(rtf.contains("\\plain\\f0\\fs22\\ul Objet\\plain\\f0\\fs22  : Candidature spontan\\'e9e"));
        QVERIFY(rtf.contains("\\plain\\f0\\fs22\\cf2 XXXXXXXX\\plain\\f0\\fs22 , car"));
        QVERIFY(rtf.contains("\\plain\\f0\\fs22\\i\\cf1 Madame"));
        QVERIFY(rtf.contains("\\plain\\f0\\fs22\\strike\\cf2 Monsieur"));
        QVERIFY(rtf.contains("C++ \\{Qt\\} et C:\\\\Projets, 5 \\'80 \\'97 \\'ab \\'9cuvre \\'bb \\u937\\'3f."));
        // Nothing but ASCII in the file.
        for (const char c : rtf)
            QVERIFY(uchar(c) < 0x80);
    }

    // An empty line's height is its paragraph mark's size.
    void ligneVide()
    {
        Editor e;
        e.ajouterLigne(QStringLiteral("Un"));
        e.ajouterLigne(QString());
        e.ajouterLigne(QStringLiteral("Deux"));
        QTextCursor c(e.document()->findBlockByNumber(1));
        QTextCharFormat f;
        f.setFontPointSize(20);
        c.mergeBlockCharFormat(f);
        QVERIFY2(LettreEnRtf(*e.document()).contains("Un\\par\n\\pard\\ql\\fi0\\li0\\ri0 \\plain\\f0\\fs40 \\par\n"
                                         "\\pard\\ql\\fi0\\li0\\ri0 \\plain\\f0\\fs22 Deux}"),
                 LettreEnRtf(*e.document()).constData());
    }

    // What a word processor reads back: unrtf renders text, accents, colour and alignment.
    void allerRetourUnrtf()
    {
        const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
        if (unrtf.isEmpty())
            QSKIP("unrtf n'est pas installé (paquet Debian unrtf)");
        Editor e;
        lettre(e);
        const QString chemin = ecrire(e, QStringLiteral("lettre.rtf"));
        QProcess p;
        p.start(unrtf, {QStringLiteral("--html"), chemin});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        const QString html = QString::fromUtf8(p.readAllStandardOutput());

        // Read unrtf's page back: every line whole, and the formats where they were.
        QTextDocument lu;
        lu.setHtml(html);
        QStringList lignes = lu.toRawText().split(QRegularExpression(QStringLiteral("[\u2028\u2029\n]")));
        for (QString &l : lignes)
            l = l.trimmed();
        const QStringList attendues = {
            QStringLiteral("Jean Dupont"),
            QStringLiteral("Société Générale des Eaux"),
            QStringLiteral("12, rue de l'Église"),
            QStringLiteral("Objet : Candidature spontanée"),
            QStringLiteral("Madame, Monsieur,"),
            QStringLiteral("Je me permets de vous adresser ma candidature au poste de XXXXXXXX, car mon parcours "
                           "correspond à vos attentes et je serais heureux d'en parler avec vous."),
            QStringLiteral("Mes outils : C++ {Qt} et C:\\Projets, 5 € — « œuvre » Ω."),
        };
        for (const QString &attendue : attendues)
            QVERIFY2(lignes.contains(attendue), qPrintable(attendue + QStringLiteral("\n---\n") + lignes.join('\n')));

        auto format = [&](const QString &mot) {
            QTextCursor c = lu.find(mot);
            Q_ASSERT(!c.isNull());
            c.setPosition(c.selectionStart() + 1);
            return c.charFormat();
        };
        QVERIFY(format(QStringLiteral("Objet")).fontUnderline());
        QVERIFY(!format(QStringLiteral("Candidature")).fontUnderline());
        QCOMPARE(format(QStringLiteral("XXXXXXXX")).foreground().color(), QColor(Qt::red));
        QVERIFY(!format(QStringLiteral("parcours")).hasProperty(QTextFormat::ForegroundBrush));
        QVERIFY(format(QStringLiteral("Jean")).fontWeight() >= QFont::Bold);
        QVERIFY(format(QStringLiteral("Madame")).fontItalic());
        QVERIFY(!format(QStringLiteral("Monsieur")).fontItalic());
        QCOMPARE(lu.find(QStringLiteral("Je me permets")).block().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignJustify);
    }
};


QTEST_MAIN(TestRtf)
#include "tst_rtf.moc"
