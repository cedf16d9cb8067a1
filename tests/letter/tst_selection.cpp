#include "letter/champs.h"
#include "letter/selection.h"
#include "letter/tirage.h"
#include "platform/systeme.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The candidate templates of each paragraph for the answers given, and the draw among them.
class TestSelection : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dossier;

    QString catalogue(int paragraphe) const
    {
        return m_dossier.filePath(QStringLiteral("Paragraphe%1.ini").arg(paragraphe));
    }
    QStringList liste(int paragraphe, const ReponsesSelection &r) const
    {
        return ConstruireListeCandidats(catalogue(paragraphe), r);
    }
    static QStringList nombres(std::initializer_list<std::pair<int, int>> plages)
    {
        QStringList l;
        for (auto [a, b] : plages)
            for (int i = a; i <= b; ++i)
                l << QString::number(i);
        return l;
    }
    QString ecrireCatalogue(const QByteArray &contenu)
    {
        const QString chemin = m_dossier.filePath(QStringLiteral("essai.ini"));
        QFile f(chemin);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(contenu);
        return chemin;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dossier.isValid());
        for (int n : {1, 2, 4, 5}) {
            QFile f(catalogue(n));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(*RessourceEmbarquee(QStringLiteral("Paragraphe%1").arg(n)));
        }
    }

    void champs_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QStringList>("champs");
        QTest::newRow("vide") << QString() << 0 << QStringList{};
        QTest::newRow("un") << "7" << 1 << QStringList{"7"};
        QTest::newRow("trois") << "1,10,100" << 3 << QStringList{"1", "10", "100"};
        QTest::newRow("séparateurs répétés") << ",,4,,5," << 6 << QStringList{"4", "5"};
        QTest::newRow("blancs gardés") << "1, 2" << 2 << QStringList{"1", " 2"};
    }
    void champs()
    {
        QFETCH(QString, texte);
        QFETCH(int, nombre);
        QFETCH(QStringList, champs);
        QCOMPARE(NombreDeChamps(texte, u','), nombre);
        for (int n = 1; n <= champs.size(); ++n)
            QCOMPARE(ExtraireChamp(texte, n, u','), champs.at(n - 1));
        QCOMPARE(ExtraireChamp(texte, champs.size() + 1, u','), QString());
    }

    void filtres()
    {
        const QStringList depart{"1", "2", "3", "10", "11"};
        QStringList l = depart;
        int pompes = 0;
        GarderTemplates(QStringLiteral("11,1,7"), l, [&pompes] { ++pompes; });
        QCOMPARE(l, (QStringList{"1", "11"}));
        QCOMPARE(pompes, 5); // once for every candidate looked at
        l = depart;
        RetirerTemplates(QStringLiteral("2,10"), l);
        QCOMPARE(l, (QStringList{"1", "3", "11"}));
        // An empty value names nothing: keeping empties the list, removing leaves it.
        l = depart;
        GarderTemplates(QString(), l);
        QVERIFY(l.isEmpty());
        l = depart;
        RetirerTemplates(QString(), l);
        QCOMPARE(l, depart);
        // Fields are strings: " 2" does not name "2".
        l = depart;
        RetirerTemplates(QStringLiteral("1, 2"), l);
        QCOMPARE(l, (QStringList{"2", "3", "10", "11"}));
    }

    void casDeReference()
    {
        ReponsesSelection r;
        // Paragraph 2 follows the kind of application only; paragraph 5 always has all ten.
        for (int type = 0; type < 4; ++type) {
            r.typeCandidature = type;
            QCOMPARE(liste(2, r), (type == 0 || type == 2) ? nombres({{73, 144}}) : nombres({{1, 72}}));
            QCOMPARE(liste(5, r), nombres({{1, 10}}));
        }

        // An offer, a known department and no previous contact: three openings, whatever else.
        for (int taille = 0; taille < 3; ++taille)
            for (int mission = 0; mission < 5; ++mission)
                for (bool missions : {false, true}) {
                    ReponsesSelection o{1, true, 0, missions, mission, taille};
                    QCOMPARE(liste(1, o), (QStringList{"43", "62", "68"}));
                }

        // A spontaneous letter to a small company, no department, no contact, a job sought,
        // studies cited.
        ReponsesSelection s{0, false, 0, false, 0, 0};
        QStringList ouvertures{"37", "40", "41", "56", "59", "60", "63", "65", "66", "69", "70", "73", "76"};
        ouvertures += nombres({{145, 148}, {155, 158}, {165, 168}, {175, 178}});
        QCOMPARE(liste(1, s), ouvertures);
        QCOMPARE(liste(4, s), nombres({{1, 28}, {89, 116}}) << "177");
        s.typeMission = 2; // an internship: 177 is not for interns
        QCOMPARE(liste(4, s), nombres({{1, 28}, {89, 116}}));
        // Citing a previous mission brings the texts on what it taught.
        s.typeMission = 0;
        s.precedentesMissions = true;
        QCOMPARE(liste(4, s), nombres({{1, 44}, {89, 132}}) << "177");
        // Only an international company is offered the openings on international renown.
        QVERIFY(!liste(1, s).contains("135"));
        s.tailleEntreprise = 2;
        QVERIFY(liste(1, s).contains("135"));
    }

    void aucuneCombinaisonNeLaisseUneListeVide()
    {
        QMap<int, qsizetype> minimum{{1, 1000}, {2, 1000}, {4, 1000}, {5, 1000}};
        for (int type = 0; type < 4; ++type)
            for (bool service : {false, true})
                for (int contact = 0; contact < 8; ++contact)
                    for (bool missions : {false, true})
                        for (int mission = 0; mission < 5; ++mission)
                            for (int taille = 0; taille < 3; ++taille) {
                                const ReponsesSelection r{type, service, contact, missions, mission, taille};
                                for (int p : {1, 2, 4, 5})
                                    minimum[p] = std::min(minimum[p], liste(p, r).size());
                            }
        QCOMPARE(minimum.value(1), 3);
        QCOMPARE(minimum.value(2), 72);
        QCOMPARE(minimum.value(4), 56);
        QCOMPARE(minimum.value(5), 10);
    }

    void catalogueAbime()
    {
        ReponsesSelection r;
        r.typeCandidature = 0;
        // "tous" in lower case is a list naming nothing; a missing key an empty list.
        QCOMPARE(ConstruireListeCandidats(ecrireCatalogue("[GENERAL]\r\nNombreDeTemplates=3\r\n[TEXTES]\r\n"
                                                          "CandidatureSpontanee=tous\r\n"),
                                          r),
                 QStringList{});
        QCOMPARE(ConstruireListeCandidats(ecrireCatalogue("[GENERAL]\r\nNombreDeTemplates=3\r\n[TEXTES]\r\n"
                                                          "CandidatureSpontanee=TOUS\r\nServiceConnu=2\r\n"
                                                          "PetiteEntreprise=TOUS\r\n"),
                                          r),
                 (QStringList{"1", "3"}));
        // Without its PetiteEntreprise key, the same catalogue keeps nothing for a small company.
        QCOMPARE(ConstruireListeCandidats(ecrireCatalogue("[GENERAL]\r\nNombreDeTemplates=3\r\n[TEXTES]\r\n"
                                                          "CandidatureSpontanee=TOUS\r\n"),
                                          r),
                 QStringList{});
        QCOMPARE(ConstruireListeCandidats(m_dossier.filePath(QStringLiteral("absent.ini")), r), QStringList{});
        // The gauge steps 13 times whatever the catalogue holds.
        int pas = 0;
        EtapesSelection etapes;
        etapes.progression = [&pas] { ++pas; };
        ConstruireListeCandidats(catalogue(1), r, etapes);
        QCOMPARE(pas, 13);
        pas = 0;
        ConstruireListeCandidats(m_dossier.filePath(QStringLiteral("absent.ini")), r, etapes);
        QCOMPARE(pas, 13);
    }

    void tirage()
    {
        QCOMPARE(Tirage::graineDe(QTime(10, 20, 30, 400)), quint32(37230400));
        Tirage t(Tirage::graineDe(QTime(10, 20, 30, 400)));
        QCOMPARE(t.tirer(184), 127);
        QCOMPARE(t.graine(), quint32(2970973249u));
        QCOMPARE(t.tirer(72), 13);
        QCOMPARE(t.tirer(10), 3);
        // Midnight: the first draw takes the first candidate; one candidate is always taken.
        QCOMPARE(Tirage(0).tirer(184), 0);
        Tirage u(4000000000u);
        for (int i = 0; i < 1000; ++i)
            QCOMPARE(u.tirer(1), 0);
        // The clock is the tests' to set.
        RemplacerHorloge([] { return QTime(23, 59, 59, 999); });
        QCOMPARE(Tirage::graineDepuisHorloge(), quint32(86399999));
        RemplacerHorloge({});
    }

    void lectureDUnTexte_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<QString>("texte");
        QTest::newRow("une ligne") << QByteArray("Une phrase. \n") << QStringList{"Une phrase. "}
                                   << QStringLiteral("Une phrase. ");
        QTest::newRow("formule sur la troisième ligne")
            << QByteArray("Je reste disponible.\n\nJe vous prie d'agr\xe9" "er mes salutations.\n")
            << QStringList{"Je reste disponible.", "", "Je vous prie d'agréer mes salutations."}
            << QStringLiteral("Je reste disponible. Je vous prie d'agréer mes salutations.");
        QTest::newRow("CR LF et CR") << QByteArray("a\r\nb\rc") << QStringList{"a", "b", "c"}
                                     << QStringLiteral("a b c");
        QTest::newRow("apostrophe 0x92") << QByteArray("L\x92offre\n") << QStringList{"L’offre"}
                                         << QStringLiteral("L’offre");
    }
    void lectureDUnTexte()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QStringList, lignes);
        QFETCH(QString, texte);
        const QString chemin = m_dossier.filePath(QStringLiteral("modele.txt"));
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(octets);
        f.close();
        const auto lu = LireTemplate(chemin);
        QVERIFY(lu.has_value());
        QCOMPARE(lu->lignes, lignes);
        QCOMPARE(lu->texte, texte);
        QVERIFY(!LireTemplate(m_dossier.filePath(QStringLiteral("absent.txt"))).has_value());
    }
};

QTEST_GUILESS_MAIN(TestSelection)
#include "tst_selection.moc"
