#include "document/marges.h"
#include "editor/panneauediteur.h"
#include "editor/regle.h"

#include <QPrinter>
#include <QTest>

char *toString(const RectanglePage &r)
{
    return QTest::toString(QStringLiteral("(%1, %2, %3, %4)").arg(r.gauche).arg(r.haut).arg(r.droite).arg(r.bas));
}

// The paragraph ruler as the user drags its markers, and the page rectangle of printing.
class TestRegle : public QObject
{
    Q_OBJECT

private:
    QWidget *m_fenetre = nullptr;
    PanneauEditeur *b = nullptr;
    Regle *regle = nullptr;

    void definir(int f, int l, int r)
    {
        AttributsParagraphe p = b->Editor->paragrapheSelection();
        p.premiereLigne = f;
        p.gauche = l;
        p.droite = r;
        b->Editor->definirParagrapheSelection(p);
        b->EditorSelectionChange();
    }
    AttributsParagraphe paragraphe() const { return b->Editor->paragrapheSelection(); }
    QWidget *repere(const QString &nom) const { return regle->findChild<QWidget *>(nom); }
    // Press at the marker's centre, move the pointer by dx, release where the pointer is.
    static void glisser(QWidget *repere, int dx)
    {
        const QPoint centre(repere->width() / 2, 4);
        QTest::mousePress(repere, Qt::LeftButton, {}, centre);
        if (dx != 0)
            QTest::mouseMove(repere, centre + QPoint(dx, 0));
        QTest::mouseRelease(repere, Qt::LeftButton, {}, centre);
    }

private slots:
    void init()
    {
        m_fenetre = new QWidget;
        m_fenetre->resize(560, 600);
        b = new PanneauEditeur(m_fenetre);
        b->setGeometry(0, 0, 520, 528);
        b->disposer();
        m_fenetre->show();
        b->Editor->ajouterLigne(QStringLiteral("Premier paragraphe de la lettre."));
        b->Editor->ajouterLigne(QStringLiteral("Second paragraphe."));
        b->Editor->placerCurseur(3);
        b->EditorSelectionChange();
        regle = b->PanParagraphe->findChild<Regle *>();
        QVERIFY(regle);
    }
    void cleanup() { delete m_fenetre; }

    // Marker positions; the right one counted from the panel's width W. The scale is fixed:
    // the letter's zoom does not enter.
    void reperesPlaces_data()
    {
        QTest::addColumn<int>("f");
        QTest::addColumn<int>("l");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("premiere");
        QTest::addColumn<int>("gauche");
        QTest::addColumn<int>("droiteDepuisW");
        QTest::newRow("sans retrait") << 0 << 0 << 0 << 100 << 2 << 2 << -14;
        QTest::newRow("sans retrait, zoom 200") << 0 << 0 << 0 << 200 << 2 << 2 << -14;
        QTest::newRow("alinéa") << 20 << -20 << 1 << 100 << 28 << 2 << -15;
        QTest::newRow("retraits au zoom 50") << 30 << 10 << 31 << 50 << 42 << 55 << -55;
        QTest::newRow("première ligne hors règle") << -1 << 0 << 0 << 100 << 1 << 1 << -14;
        QTest::newRow("négatifs tronqués vers zéro") << -5 << -2 << -7 << 100 << -4 << -7 << -5;
    }
    void reperesPlaces()
    {
        QFETCH(int, f);
        QFETCH(int, l);
        QFETCH(int, r);
        QFETCH(int, zoom);
        b->Editor->definirZoom(zoom);
        definir(f, l, r);
        const int w = b->PanParagraphe->width();
        QCOMPARE(w, 518);
        QTEST(repere("FirstInd")->x(), "premiere");
        QTEST(repere("LeftInd")->x(), "gauche");
        QTEST(repere("RightInd")->x() - w, "droiteDepuisW");
        // The right marker keeps its distance from the right edge when the column widens.
        b->setGeometry(0, 0, 620, 528);
        b->disposer();
        QTEST(repere("RightInd")->x() - b->PanParagraphe->width(), "droiteDepuisW");
        QCOMPARE(b->PanParagraphe->width(), 618);
    }

    // Press and release at a marker's centre without moving: F and L stay; R stays when it
    // is a multiple of 3 points and otherwise loses one.
    void presserRelacher_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("f");
        QTest::addColumn<int>("l");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("rApres");
        for (const char *nom : {"FirstInd", "LeftInd"}) {
            for (auto [f, l] : {std::pair{0, 0}, {7, 5}, {50, -23}})
                QTest::addRow("%s F=%d L=%d", nom, f, l) << QString::fromLatin1(nom) << f << l << 0 << 0;
        }
        for (int r = 0; r <= 5; ++r)
            QTest::addRow("RightInd R=%d", r) << QStringLiteral("RightInd") << 5 << 5 << r << (r % 3 == 0 ? r : r - 1);
    }
    void presserRelacher()
    {
        QFETCH(QString, nom);
        QFETCH(int, f);
        QFETCH(int, l);
        QFETCH(int, r);
        definir(f, l, r);
        glisser(repere(nom), 0);
        QVERIFY(!regle->RulerDragActive);
        QCOMPARE(paragraphe().premiereLigne, f);
        QCOMPARE(paragraphe().gauche, l);
        QTEST(paragraphe().droite, "rApres");
    }

    // Dragging the first-line marker alone: F follows the pointer, L compensates so the
    // following lines stay where they were; the markers end where the new indents put them.
    void premiereLigneSeule_data()
    {
        QTest::addColumn<int>("f");
        QTest::addColumn<int>("l");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("fApres");
        QTest::newRow("vers la droite") << 0 << 0 << 40 << 30;
        QTest::newRow("alinéa vers la gauche") << 30 << 12 << -21 << 15;
        QTest::newRow("au-delà des lignes suivantes") << 10 << 5 << 60 << 55;
        QTest::newRow("hors de la règle") << 6 << 0 << -30 << -15;
    }
    void premiereLigneSeule()
    {
        QFETCH(int, f);
        QFETCH(int, l);
        QFETCH(int, dx);
        definir(f, l, 12);
        QWidget *gauche = repere("LeftInd");
        const int gaucheAvant = gauche->x();
        glisser(repere("FirstInd"), dx);
        QTEST(paragraphe().premiereLigne, "fApres");
        QCOMPARE(paragraphe().premiereLigne + paragraphe().gauche, f + l);
        QCOMPARE(paragraphe().droite, 12);
        QCOMPARE(gauche->x(), gaucheAvant);
        QCOMPARE(repere("FirstInd")->x(),
                 PositionsDesReperes(paragraphe().premiereLigne, 0, 0, regle->largeur()).premiereLigne);
    }

    // Drops left of the first-line marker or past the ruler's left end give negative
    // indents, truncated toward zero and written as they are.
    void retraitsNegatifs_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("f");
        QTest::addColumn<int>("l");
        QTest::addColumn<int>("r");
        // FirstInd and LeftInd start at 22 (F = 15), RightInd at W − 14.
        QTest::newRow("suivantes à gauche de la première") << "LeftInd" << -12 << 15 << -9 << 0;
        QTest::newRow("suivantes à droite de la première") << "LeftInd" << 12 << 15 << 9 << 0;
        QTest::newRow("suivantes hors de la règle") << "LeftInd" << -42 << 15 << -30 << 0;
        QTest::newRow("première hors de la règle") << "FirstInd" << -25 << -3 << 18 << 0;
        QTest::newRow("première juste hors de la règle") << "FirstInd" << -23 << -1 << 16 << 0;
        QTest::newRow("droite au-delà du bord") << "RightInd" << 20 << 15 << 0 << -15;
        QTest::newRow("droite juste au-delà") << "RightInd" << 3 << 15 << 0 << -3;
    }
    void retraitsNegatifs()
    {
        QFETCH(QString, nom);
        QFETCH(int, dx);
        definir(15, 0, 0);
        glisser(repere(nom), dx);
        QTEST(paragraphe().premiereLigne, "f");
        QTEST(paragraphe().gauche, "l");
        QTEST(paragraphe().droite, "r");
    }

    // A drop writes the dragged indent into every paragraph of the selection, and only it.
    void selectionDeParagraphes()
    {
        b->Editor->placerCurseur(40);
        b->Editor->definirAlignementSelection(AttributsParagraphe::Centre);
        definir(30, 0, 6);
        b->Editor->selectionner(3, 40);
        b->EditorSelectionChange();
        glisser(repere("LeftInd"), 20);
        const QTextBlock premier = b->Editor->document()->firstBlock();
        QCOMPARE(b->Editor->paragrapheDuBloc(premier).gauche, 15);
        QCOMPARE(b->Editor->paragrapheDuBloc(premier.next()).gauche, 15);
        // The second paragraph keeps its own first line, right indent and alignment.
        const AttributsParagraphe second = b->Editor->paragrapheDuBloc(premier.next());
        QCOMPARE(std::tuple(second.premiereLigne, second.droite, second.alignement),
                 std::tuple(30, 6, int(AttributsParagraphe::Centre)));
        // One step to undo.
        b->Editor->annuler();
        QCOMPARE(b->Editor->paragrapheDuBloc(premier).gauche, 0);
        QCOMPARE(b->Editor->paragrapheDuBloc(premier.next()).gauche, 0);
    }

    void pageDImpression_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("decalageX");
        QTest::addColumn<int>("decalageY");
        QTest::addColumn<double>("marge");
        QTest::addColumn<double>("margeBas");
        QTest::addColumn<RectanglePage>("attendu");
        // A4 printable area at 600 dpi: 4961 × 7016 pixels.
        QTest::newRow("600 dpi sans bord") << 600 << 0 << 0 << 24.0 << 0.0 << RectanglePage{567, 567, 4394, 7016};
        QTest::newRow("600 dpi avec bords") << 600 << 100 << 120 << 24.0 << 0.0 << RectanglePage{467, 447, 4494, 7136};
        // Halves go to the even neighbour: 2.5 gives 2, 7.5 gives 8.
        QTest::newRow("moitié vers le pair") << 127 << 0 << 0 << 0.5 << 1.5 << RectanglePage{2, 2, 4959, 7008};
    }
    void pageDImpression()
    {
        QFETCH(int, dpi);
        QFETCH(int, decalageX);
        QFETCH(int, decalageY);
        QFETCH(double, marge);
        QFETCH(double, margeBas);
        const MetriquesImprimante m{dpi, dpi, 4961, 7016, decalageX, decalageY};
        QTEST(SetMargins(m, marge, marge, marge, margeBas), "attendu");
    }

    // The same read from a printer: margins are counted from the paper's edge whatever the
    // printer's own unprintable border.
    void pageDUneImprimante()
    {
        QPrinter imprimante;
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setResolution(600);
        imprimante.setPageSize(QPageSize(QPageSize::A4));
        imprimante.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        const MetriquesImprimante sansBord = MetriquesDe(imprimante);
        QCOMPARE(sansBord.dpiX, 600);
        QCOMPARE(sansBord.decalageX, 0);
        const RectanglePage r = SetMargins(imprimante, 24, 24, 24, 0);
        QCOMPARE(r.gauche, 567);
        QCOMPARE(r.haut, 567);
        QCOMPARE(r.droite, sansBord.largeurPage - 567);
        QCOMPARE(r.bas, sansBord.hauteurPage);

        imprimante.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        const MetriquesImprimante bord = MetriquesDe(imprimante);
        QVERIFY(bord.decalageX > 200);
        const RectanglePage s = SetMargins(imprimante, 24, 24, 24, 0);
        QCOMPARE(s.gauche + bord.decalageX, 567);
        QCOMPARE(s.haut + bord.decalageY, 567);
        QCOMPARE(s.droite + bord.decalageX, sansBord.largeurPage - 567);
    }
};

QTEST_MAIN(TestRegle)
#include "tst_regle.moc"
