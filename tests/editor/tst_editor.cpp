#include "editor/editor.h"
#include "platform/systeme.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

Q_DECLARE_METATYPE(AttributsParagraphe)

// The letter editor as the toolbar, the ruler and the Generate command use it.
class TestEditor : public QObject
{
    Q_OBJECT

private:
    static constexpr qreal UnitesParPoint = 96.0 / 72.0;
    static inline const QString Long = QStringLiteral(
        "Je me permets de vous adresser ma candidature pour le poste de technicien, car mon "
        "parcours et mes expériences récentes correspondent aux compétences que vous recherchez "
        "et je serais heureux de vous exposer mes motivations lors d'un entretien.");

    // keyClicks only knows ASCII: the other characters go one by one with their text.
    static void taper(Editor &e, const QString &texte)
    {
        for (const QChar ch : texte) {
            if (ch.unicode() < 128)
                QTest::keyClicks(&e, QString(ch));
            else
                QTest::sendKeyEvent(QTest::Click, &e, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }

    static QTextLine ligneDuBloc(Editor &e, int bloc, int ligne)
    {
        e.nombreDeLignes(); // lays the text out
        return e.document()->findBlockByNumber(bloc).layout()->lineAt(ligne);
    }

private slots:
    void attributsDeLaSelectionSeulement()
    {
        Editor e;
        e.ajouterLigne(QStringLiteral("Bonjour madame"));
        e.selectionner(0, 7);
        AttributsTexte a = e.attributsSelection();
        a.gras = true;
        a.taille = 14;
        a.police = QStringLiteral("DejaVu Serif");
        a.couleur = QColor(Qt::black);
        e.definirAttributsSelection(a);
        QCOMPARE(e.attributsSelection(), a);
        e.selectionner(7, 7);
        QVERIFY(!e.attributsSelection().gras);
        QCOMPARE(e.attributsSelection().taille, 11);
        QCOMPARE(e.attributsSelection().police, QStringLiteral("Tahoma"));
        QCOMPARE(e.attributsSelection().couleur, std::nullopt);

        // Back to the automatic colour: the property goes, black would stay black.
        e.selectionner(0, 7);
        a.couleur = std::nullopt;
        e.definirAttributsSelection(a);
        QCOMPARE(e.attributsSelection().couleur, std::nullopt);
        QVERIFY(!e.document()->begin().begin().fragment().charFormat().hasProperty(QTextFormat::ForegroundBrush));
    }

    void attributsParDefautPourLaSuiteSeulement()
    {
        Editor e;
        e.ajouterLigne(QStringLiteral("Madame,"));
        AttributsTexte a = e.attributsParDefaut();
        QCOMPARE(a.police, QStringLiteral("Tahoma"));
        QCOMPARE(a.taille, 11);
        a.italique = true;
        a.taille = 16;
        e.definirAttributsParDefaut(a);
        QCOMPARE(e.attributsSelection(), a); // the toolbar shows what comes next
        taper(e, QStringLiteral(" très"));
        e.selectionner(0, 7);
        QVERIFY(!e.attributsSelection().italique);
        QCOMPARE(e.attributsSelection().taille, 11);
        e.selectionner(8, 4);
        QVERIFY(e.attributsSelection().italique);
        QCOMPARE(e.attributsSelection().taille, 16);
        QCOMPARE(e.texteComplet(), QStringLiteral("Madame, très"));
    }

    void retraitsRelusEnPoints_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<AttributsParagraphe>("p");
        QTest::newRow("justifié") << 100 << AttributsParagraphe{AttributsParagraphe::Justifie, 20, 0, 11};
        QTest::newRow("alinéa suspendu") << 100 << AttributsParagraphe{AttributsParagraphe::Gauche, 28, -28, 0};
        QTest::newRow("au-delà de la marge à 50 %") << 50 << AttributsParagraphe{AttributsParagraphe::Centre, 10, -30, 5};
        QTest::newRow("destinataire à 200 %") << 200 << AttributsParagraphe{AttributsParagraphe::Droite, 240, 0, 11};
        QTest::newRow("suspendu à 200 %") << 200 << AttributsParagraphe{AttributsParagraphe::Justifie, 28, -28, 11};
    }

    void retraitsRelusEnPoints()
    {
        QFETCH(int, zoom);
        QFETCH(AttributsParagraphe, p);
        Editor e;
        e.definirZoom(zoom);
        e.ajouterLigne(QStringLiteral("Monsieur,"));
        e.definirParagrapheSelection(p);
        QCOMPARE(e.paragrapheSelection(), p);
        for (const int autre : {50, 100, 200}) {
            e.definirZoom(autre);
            QCOMPARE(e.paragrapheSelection(), p);
        }
    }

    void zoomEchelonneTexteEtRetraits_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::newRow("50 %") << 50;
        QTest::newRow("100 %") << 100;
        QTest::newRow("200 %") << 200;
    }

    void zoomEchelonneTexteEtRetraits()
    {
        QFETCH(int, zoom);
        const qreal echelle = zoom / 100.0;
        // At 100 %, the same line in a size scaled as the zoom would scale it.
        Editor reference;
        reference.ajouterLigne(QStringLiteral("Marseille, le 6 décembre"));
        QTextCursor tout(reference.document());
        tout.select(QTextCursor::Document);
        QTextCharFormat taille;
        taille.setFontPointSize(11 * echelle);
        tout.mergeCharFormat(taille);
        const QTextLine attendue = ligneDuBloc(reference, 0, 0);

        Editor e;
        e.resize(400, 300);
        e.ajouterLigne(QStringLiteral("Marseille, le 6 décembre"));
        e.ajouterLigne(Long + Long);
        e.definirParagrapheSelection({AttributsParagraphe::Gauche, 30, -15, 0});
        e.definirZoom(zoom);
        QCOMPARE(e.zoom(), zoom);
        const QTextLine courte = ligneDuBloc(e, 0, 0);
        QVERIFY(qAbs(courte.height() - attendue.height()) <= 0.5);
        QVERIFY(qAbs(courte.naturalTextWidth() - attendue.naturalTextWidth()) <= 0.5);
        QVERIFY(qAbs(ligneDuBloc(e, 1, 0).x() - 30 * UnitesParPoint * echelle) < 0.5);
        QVERIFY(qAbs(ligneDuBloc(e, 1, 1).x() - 15 * UnitesParPoint * echelle) < 0.5);
    }

    void annulerApresUnZoomGardeLesRetraitsJustes()
    {
        Editor e;
        e.resize(400, 300);
        e.ajouterLigne(Long);
        e.definirParagrapheSelection({AttributsParagraphe::Gauche, 30, 0, 0});
        e.definirZoom(200);
        QVERIFY(e.peutAnnuler());
        QVERIFY(qAbs(ligneDuBloc(e, 0, 0).x() - 80) < 0.5);
        e.annuler();
        QCOMPARE(e.paragrapheSelection(), AttributsParagraphe{});
        QCOMPARE(ligneDuBloc(e, 0, 0).x(), 0.0);
        e.definirZoom(50);
        e.retablir();
        QCOMPARE(e.paragrapheSelection().premiereLigne, 30);
        QVERIFY(qAbs(ligneDuBloc(e, 0, 1).x() - 20) < 0.5);
    }

    void typesDAnnulationEtDeRetablissement_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("type");
        QTest::newRow("frappe") << "frappe" << int(Editor::Frappe);
        QTest::newRow("entrée") << "entrée" << int(Editor::Frappe);
        QTest::newRow("retour arrière") << "retour" << int(Editor::Suppression);
        QTest::newRow("couper") << "couper" << int(Editor::Couper);
        QTest::newRow("coller") << "coller" << int(Editor::Coller);
        QTest::newRow("mise en forme") << "forme" << int(Editor::Inconnue);
    }

    void typesDAnnulationEtDeRetablissement()
    {
        QFETCH(QString, action);
        QFETCH(int, type);
        Editor e;
        e.ajouterLigne(QStringLiteral("Bonjour madame"));
        QGuiApplication::clipboard()->setText(QStringLiteral("Chère "));
        QVERIFY(!e.peutAnnuler());
        const QString avant = e.toHtml();
        if (action == u"frappe") {
            taper(e, QStringLiteral(" et monsieur, à bientôt"));
        } else if (action == u"entrée") {
            QTest::keyClick(&e, Qt::Key_Return);
        } else if (action == u"retour") {
            QTest::keyClick(&e, Qt::Key_Backspace);
        } else if (action == u"couper") {
            e.selectionner(0, 8);
            e.couper();
        } else if (action == u"coller") {
            QVERIFY(e.peutColler());
            e.placerCurseur(8);
            e.coller();
        } else {
            e.selectionner(0, 7);
            AttributsTexte a = e.attributsSelection();
            a.souligne = true;
            e.definirAttributsSelection(a);
        }
        const QString apres = e.toHtml();
        QVERIFY(apres != avant);
        QVERIFY(e.peutAnnuler());
        QCOMPARE(int(e.typeAnnulation()), type);

        QTest::keyClick(&e, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.toHtml(), avant);
        QVERIFY(!e.peutAnnuler());
        QCOMPARE(e.typeAnnulation(), Editor::Inconnue);
        QVERIFY(e.peutRetablir());
        QCOMPARE(int(e.typeRetablissement()), type);

        e.retablir();
        QCOMPARE(e.toHtml(), apres);
        QCOMPARE(int(e.typeAnnulation()), type);
        QVERIFY(!e.peutRetablir());
    }

    void nouvelleEtapeOublieCeQuiPouvaitEtreRetabli()
    {
        Editor e;
        taper(e, QStringLiteral("Madame"));
        e.annuler();
        QVERIFY(e.peutRetablir());
        taper(e, QStringLiteral("Monsieur"));
        QVERIFY(!e.peutRetablir());
        QCOMPARE(e.typeRetablissement(), Editor::Inconnue);
    }

    void historiqueLimiteACentEtapes()
    {
        Editor e;
        e.ajouterLigne(QStringLiteral("abc"));
        taper(e, QStringLiteral("d"));
        QCOMPARE(e.typeAnnulation(), Editor::Frappe);
        e.selectionner(0, 3);
        AttributsTexte a = e.attributsSelection();
        for (int i = 0; i < Editor::LimiteAnnulation; ++i) {
            a.italique = !a.italique;
            e.definirAttributsSelection(a);
        }
        int annulees = 0;
        while (e.peutAnnuler()) {
            QCOMPARE(e.typeAnnulation(), Editor::Inconnue);
            e.annuler();
            ++annulees;
        }
        QCOMPARE(annulees, Editor::LimiteAnnulation);
        QCOMPARE(e.texteComplet(), QStringLiteral("abcd")); // the oldest step is out of reach
    }

    void chercher_data()
    {
        QTest::addColumn<int>("debut");
        QTest::addColumn<int>("fin");
        QTest::addColumn<bool>("motEntier");
        QTest::addColumn<bool>("casse");
        QTest::addColumn<int>("attendu");
        // "Le XXXXXXXX et xxxxxxxx, puis XXXXXXXXY."
        QTest::newRow("premier") << 0 << -1 << true << true << 3;
        QTest::newRow("départ sur la marque") << 3 << 40 << true << true << 3;
        QTest::newRow("casse respectée, mot entier") << 4 << -1 << true << true << -1;
        QTest::newRow("sans casse") << 4 << -1 << true << false << 15;
        QTest::newRow("mot partiel") << 4 << -1 << false << true << 30;
        QTest::newRow("fin juste après") << 0 << 11 << true << true << 3;
        QTest::newRow("fin trop tôt") << 0 << 10 << true << true << -1;
    }

    void chercher()
    {
        QFETCH(int, debut);
        QFETCH(int, fin);
        QFETCH(bool, motEntier);
        QFETCH(bool, casse);
        QFETCH(int, attendu);
        Editor e;
        e.ajouterLigne(QStringLiteral("Le XXXXXXXX et xxxxxxxx, puis XXXXXXXXY."));
        QCOMPARE(e.chercher(QStringLiteral("XXXXXXXX"), debut, fin, motEntier, casse), attendu);
    }

    void ajouterLignesPuisVider()
    {
        Editor e;
        e.vider();
        e.definirPoliceDeBase(QStringLiteral("DejaVu Serif"), 12);
        e.ajouterLigne(QStringLiteral("Madame,"));
        QCOMPARE(e.document()->blockCount(), 1);
        e.ajouterLigne(QString());
        e.definirParagrapheSelection({AttributsParagraphe::Justifie, 28, -28, 11});
        e.ajouterLigne(QStringLiteral("Veuillez\u00A0agréer"));
        QCOMPARE(e.texteComplet(), QStringLiteral("Madame,\n\nVeuillez\u00A0agréer"));
        QCOMPARE(e.nombreDeLignes(), 3);
        QCOMPARE(e.paragrapheDuBloc(e.document()->findBlockByNumber(0)).premiereLigne, 0);
        QCOMPARE(e.paragrapheDuBloc(e.document()->findBlockByNumber(2)).gauche, -28);
        e.selectionner(9, 8);
        QCOMPARE(e.attributsSelection().police, QStringLiteral("DejaVu Serif"));
        QCOMPARE(e.attributsSelection().taille, 12);
        QVERIFY(!e.peutAnnuler());

        // Lines come at the end with the default face and size, wherever the caret is.
        e.placerCurseur(0);
        AttributsTexte a = e.attributsParDefaut();
        a.taille = 14;
        e.definirAttributsParDefaut(a);
        e.ajouterLigne(QStringLiteral("Fin"));
        QCOMPARE(e.selStart(), e.texteComplet().size());
        e.selectionner(e.texteComplet().size() - 3, 3);
        QCOMPARE(e.attributsSelection().taille, 14);

        e.definirZoom(200);
        e.vider();
        QCOMPARE(e.texteComplet(), QString());
        QCOMPARE(e.nombreDeLignes(), 0);
        QVERIFY(!e.peutAnnuler());
        e.ajouterLigne(QStringLiteral("Madame,")); // the zoom outlives the text
        const qreal hauteur = ligneDuBloc(e, 0, 0).height();
        e.definirZoom(100);
        QVERIFY(hauteur > 1.8 * ligneDuBloc(e, 0, 0).height());
    }

    void lignesAffichees()
    {
        Editor e;
        e.resize(160, 400);
        e.ajouterLigne(QStringLiteral("Objet"));
        QCOMPARE(e.nombreDeLignes(), 1);
        e.ajouterLigne(Long);
        const int nombre = e.nombreDeLignes();
        QVERIFY(nombre > 4);
        QString recousu;
        for (int i = 1; i < nombre; ++i)
            recousu += e.ligne(i);
        QCOMPARE(recousu, Long);
        QCOMPARE(e.ligne(nombre), QString());
        e.resize(3000, 400);
        QCOMPARE(e.nombreDeLignes(), 2);
    }

    void adressesMarqueesHorsDuDocument()
    {
        Editor e;
        taper(e, QStringLiteral("Voir www.exemple.fr ou écrire à jean.dupont@exemple.fr."));
        QCOMPARE(e.typeAnnulation(), Editor::Frappe);
        const QTextBlock bloc = e.document()->begin();
        for (auto it = bloc.begin(); !it.atEnd(); ++it) {
            QVERIFY(!it.fragment().charFormat().fontUnderline());
            QVERIFY(!it.fragment().charFormat().hasProperty(QTextFormat::ForegroundBrush));
        }
        QList<QPair<int, int>> marques;
        for (const QTextLayout::FormatRange &r : bloc.layout()->formats()) {
            if (r.format.fontUnderline())
                marques.append({r.start, r.length});
        }
        QCOMPARE(marques, (QList<QPair<int, int>>{{5, 14}, {32, 22}}));
        e.annuler(); // the marks are no step of their own
        QCOMPARE(e.texteComplet(), QString());
    }

    void ctrlClicOuvreLAdresse_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<Qt::KeyboardModifiers>("touches");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("site") << 8 << Qt::KeyboardModifiers(Qt::ControlModifier) << "http://www.exemple.fr";
        QTest::newRow("courriel") << 30 << Qt::KeyboardModifiers(Qt::ControlModifier) << "mailto:jean@exemple.fr";
        QTest::newRow("sans Ctrl") << 8 << Qt::KeyboardModifiers() << "";
    }

    void ctrlClicOuvreLAdresse()
    {
        QFETCH(int, position);
        QFETCH(Qt::KeyboardModifiers, touches);
        QFETCH(QString, attendu);
        QString ouvert;
        RemplacerOuvreur([&](const QUrl &url) {
            ouvert = url.toString();
            return true;
        });
        Editor e;
        e.resize(500, 200);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        e.ajouterLigne(QStringLiteral("Voir www.exemple.fr ou jean@exemple.fr"));
        QTextCursor c(e.document());
        c.setPosition(position);
        const QPoint point = e.cursorRect(c).center() + QPoint(2, 0);
        QTest::mouseClick(e.viewport(), Qt::LeftButton, touches, point);
        RemplacerOuvreur({});
        QCOMPARE(ouvert, attendu);
    }

    void selectionModifieeAChaqueMouvement()
    {
        Editor e;
        e.ajouterLigne(QStringLiteral("Bonjour"));
        QSignalSpy espion(&e, &Editor::selectionModifiee);
        e.placerCurseur(2);
        QCOMPARE(espion.size(), 1);
        e.selectionner(0, 4);
        QCOMPARE(espion.size(), 2);
        QTest::keyClick(&e, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(espion.size(), 3);
        taper(e, QStringLiteral("x"));
        QCOMPARE(espion.size(), 4);
        QCOMPARE(e.selStart(), 1);
        QCOMPARE(e.selLength(), 0);
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
