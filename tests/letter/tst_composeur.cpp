#include "letter/composeur.h"
#include "letter/composition.h"
#include "letter/corpus.h"
#include "letter/detailscandidature.h"
#include "letter/formatlettre.h"
#include "letter/tirage.h"
#include "profiles/profile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

// The whole letter as the composer lays it out, line by line: the fixed lines, the
// paragraph formats, what is underlined and what is red, for the example profile's
// ready-made application and its variations.
class TestComposeur : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dossier;
    QString m_travail;
    int m_heure = 0;

    static DonneesLettre exemple() { return DonneesLettre::exemple(); }

    LettreComposee composer(const DonneesLettre &d)
    {
        QDir().mkpath(m_travail);
        LettreComposee l = ComposerLettre(d, m_travail);
        return l;
    }

    // One string per paragraph, non-breaking spaces kept.
    static QStringList lignes(const QTextDocument &document)
    {
        QStringList r;
        for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
            r << b.text();
        return r;
    }
    static std::tuple<int, int, int, int> retrait(const QTextDocument &document, int n)
    {
        const AttributsParagraphe a = FormatLettre::paragrapheDuBloc(document.findBlockByNumber(n));
        return std::tuple{a.premiereLigne, a.gauche, a.droite, a.alignement};
    }
    // The texts of the letter whose attributes are chosen, fragment by fragment.
    static QStringList fragments(const QTextDocument &document, const std::function<bool(const AttributsTexte &)> &choisi)
    {
        QStringList r;
        for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (choisi(FormatLettre::attributs(it.fragment().charFormat(), document.defaultFont())))
                    r << it.fragment().text();
        return r;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dossier.isValid());
        m_travail = m_dossier.filePath(QStringLiteral("Vendelair/"));
        // A new seed for every paragraph and every letter, the same from run to run.
        RemplacerHorloge([this] { return QTime(9, 0).addMSecs(m_heure += 7919); });
    }
    void cleanupTestCase() { RemplacerHorloge({}); }

    void lettrePostale()
    {
        int pas = 0;
        QDir().mkpath(m_travail);
        const LettreComposee lettre = ComposerLettre(exemple(), m_travail, {[&pas] { ++pas; }, {}});
        const QTextDocument &doc = *lettre.document;
        const QStringList l = lignes(doc);
        QCOMPARE(l.size(), 26);
        const QStringList debut{QStringLiteral("Hugo Ferrand"),
                                QStringLiteral("15 rue de la République, 13000 Marseille"),
                                QStringLiteral("06 12 34 56 78"),
                                QStringLiteral("hugo.ferrand@gmail.com"),
                                QString(),
                                QString(),
                                QStringLiteral("FRANCE TELECOM"),
                                QStringLiteral("Direction des ressources humaines"),
                                QString(),
                                QStringLiteral("Marseille, le ") + LigneDate(QString(), QDate::currentDate()).mid(5),
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
        QCOMPARE(lettre.sujet, QStringLiteral("Candidature spontanée"));
        // The corpus was installed (520 steps), each paragraph's list and filling stepped
        // the gauge, and nothing of the corpus is left.
        QVERIFY2(pas > 520, qPrintable(QString::number(pas)));
        QVERIFY(!QFileInfo::exists(m_travail + QStringLiteral("Textes")));

        // Paragraph formats: sender at the margin, recipient at 240 points, body indented.
        const int J = AttributsParagraphe::Justifie;
        QCOMPARE(retrait(doc, 0), (std::tuple{0, 0, 11, J}));
        QCOMPARE(retrait(doc, 6), (std::tuple{240, 0, 11, J}));
        QCOMPARE(retrait(doc, 9), (std::tuple{240, 0, 11, J}));
        QCOMPARE(retrait(doc, 12), (std::tuple{0, 0, 11, J}));
        QCOMPARE(retrait(doc, 14), (std::tuple{28, -28, 11, J}));
        QCOMPARE(retrait(doc, 22), (std::tuple{28, -28, 11, J}));
        QCOMPARE(std::get<0>(retrait(doc, 25)), 240);
        // Tahoma 11 throughout; only "Objet" underlined; nothing red in this letter.
        QCOMPARE(fragments(doc, [](const AttributsTexte &a) { return a.police != QLatin1String("Tahoma") || a.taille != 11; }),
                 QStringList());
        QCOMPARE(fragments(doc, [](const AttributsTexte &a) { return a.souligne; }), QStringList{QStringLiteral("Objet")});
        QCOMPARE(fragments(doc, [](const AttributsTexte &a) { return a.couleur.has_value(); }), QStringList());
        QVERIFY(!doc.isModified());
    }

    void lettreParCourriel()
    {
        DonneesLettre d = exemple();
        d.typeCandidature = 2;
        const LettreComposee lettre = composer(d);
        const QStringList l = lignes(*lettre.document);
        QCOMPARE(l.size(), 16);
        QCOMPARE(l.first(), QStringLiteral("Madame, Monsieur,"));
        QCOMPARE(l.mid(9), (QStringList{QString(), QString(), QStringLiteral("--------"), QStringLiteral("Hugo Ferrand"),
                                        QStringLiteral("15 rue de la République, 13000 Marseille"),
                                        QStringLiteral("06 12 34 56 78"), QStringLiteral("hugo.ferrand@gmail.com")}));
        QCOMPARE(std::get<0>(retrait(*lettre.document, 11)), 0);
        QCOMPARE(std::get<1>(retrait(*lettre.document, 11)), 0);
        QCOMPARE(fragments(*lettre.document, [](const AttributsTexte &a) { return a.souligne; }), QStringList());
        QCOMPARE(lettre.sujet, QStringLiteral("Candidature spontanée"));
    }

    void offreSansRenseignements()
    {
        DonneesLettre d = exemple();
        d.typeCandidature = 1;
        d.societe = QStringLiteral("Atelier éclair");
        const LettreComposee lettre = composer(d);
        const QTextDocument &doc = *lettre.document;
        const QStringList l = lignes(doc);
        QCOMPARE(l.at(6), QStringLiteral("ATELIER ÉCLAIR"));
        QCOMPARE(l.at(12), QStringLiteral("Objet : Réponse à l'offre \"XXXXXXXX\""));
        QCOMPARE(lettre.sujet, QStringLiteral("Réponse à l'offre \"XXXXXXXX\""));
        // Every mark is red, and nothing else is.
        const QStringList rouges = fragments(doc, [](const AttributsTexte &a) { return a.couleur == QColor(255, 0, 0); });
        QVERIFY(!rouges.isEmpty());
        QCOMPARE(rouges.join(QString()), MarqueACompleter.repeated(l.join(u'\n').count(MarqueACompleter)));
        QCOMPARE(fragments(doc, [](const AttributsTexte &a) { return a.couleur.has_value() && a.couleur != QColor(255, 0, 0); }),
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

    void destinataire()
    {
        QFETCH(int, titre);
        QFETCH(int, taille);
        QFETCH(QString, ligne);
        QFETCH(QString, salutation);
        DonneesLettre d = exemple();
        d.titreDestinataire = titre;
        d.nomDestinataire = titre == 0 ? QString() : QStringLiteral("Martin");
        d.tailleEntreprise = taille;
        const QStringList l = lignes(*composer(d).document);
        QCOMPARE(l.at(7), ligne);
        QCOMPARE(l.at(14), salutation);
    }

    void premierDuMois()
    {
        QCOMPARE(LigneDate(QStringLiteral("Lyon"), QDate(2026, 12, 1)), QStringLiteral("Lyon, le 1er décembre 2026"));
        QCOMPARE(LigneDate(QStringLiteral("Lyon"), QDate(2027, 2, 2)), QStringLiteral("Lyon, le 2 février 2027"));
    }

    // No text suits a paragraph: a clear error, and the corpus does not stay behind.
    void corpusSansTexteConvenable()
    {
        // A catalogue already on disk is used as found: this one lets nothing through.
        QVERIFY(QDir().mkpath(m_travail + QStringLiteral("Textes")));
        QFile catalogue(m_travail + QStringLiteral("Textes/Paragraphe1.ini"));
        QVERIFY(catalogue.open(QIODevice::WriteOnly));
        catalogue.write("[GENERAL]\r\nNombreDeTemplates=0\r\n");
        catalogue.close();
        try {
            ComposerLettre(exemple(), m_travail);
            QFAIL("a letter was composed");
        } catch (const ErreurCorpus &e) {
            QCOMPARE(e.message(), QStringLiteral("Aucun texte ne convient au paragraphe 1 de la lettre."));
        }
        QVERIFY(!QFileInfo::exists(m_travail + QStringLiteral("Textes")));
    }
};

QTEST_GUILESS_MAIN(TestComposeur)
#include "tst_composeur.moc"
