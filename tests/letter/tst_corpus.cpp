#include "corpustest.h"

#include "letter/selection.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace CorpusTest;

using Listes = QMap<QString, QList<int>>; // a missing key means "TOUS"

namespace {

const QStringList Marques = {"TITRE_DESTINATAIRE", "SOCIETE", "TYPEMISSIONADV", "TYPEMISSIONVERB", "TYPEMISSIONNOM",
                             "TYPEMISSIONNOM2", "PRECCONTACT", "SECTEUR", "PUBLICATIONOFFRE", "REFOFFRE",
                             "INTITULEMISSION", "RECOMMANDATIONS", "SERVICE", "FONCTIONACTUELLE", "DATEDISPO",
                             "EXP1", "EXP2", "PRECEXPERIENCES"};
const QStringList Alternatives = {"[é|ée]", "[|e]", "[|le]", "[x|se]"};

QSet<QString> marquesDe(const QString &texte)
{
    static const QRegularExpression marque(QStringLiteral("___([A-Z][A-Z0-9]*(?:_[A-Z0-9]+)*)___"));
    QSet<QString> trouvees;
    for (const auto &m : marque.globalMatch(texte))
        trouvees << m.captured(1);
    return trouvees;
}

// Every number of the catalogue table, written out.
QList<int> plages(std::initializer_list<std::pair<int, int>> p)
{
    QList<int> l;
    for (auto [a, b] : p)
        for (int i = a; i <= b; ++i)
            l << i;
    return l;
}

bool blocAvecService(int fichier)
{
    return (fichier >= 45 && fichier <= 88) || (fichier >= 133 && fichier <= 176) || fichier == 178;
}

// Files 1–176: four blocks of 44; inside a block, eleven texts A–K in four files each.
int lettreDuBloc(int fichier)
{
    const int k = (fichier - 1) % 44 + 1;
    if (k == 21 || (k >= 26 && k <= 28))
        return 5; // F
    if (k >= 22 && k <= 25)
        return 6; // G
    if (k == 29 || (k >= 34 && k <= 36))
        return 7; // H
    if (k >= 30 && k <= 33)
        return 8; // I
    return (k - 1) / 4; // A–E, J, K
}

// The sector phrase brings its own article or is an adjective ("de l'agriculture",
// "bancaire"): it follows "le domaine" or "le secteur".
int apresDomaineOuSecteur(const QString &t)
{
    return int(t.count(QStringLiteral("domaine ___SECTEUR___")) + t.count(QStringLiteral("secteur ___SECTEUR___")));
}

// The words a family of paragraph 1 must open with: they are not ours to judge.
QString sansOuverture(const QString &t)
{
    static const QRegularExpression ouverture(QStringLiteral(
        "^(L’offre ___TYPEMISSIONADV___|Parmi le panel de missions|Le panel des offres d’emploi|"
        "Le panel des offres d'emploi|Ayant effectué un précédent stage)"));
    return QString(t).remove(ouverture);
}

QSet<int> listeDuCatalogue(int paragraphe, const QString &cle)
{
    // Read once a catalogue and key: the writing checks ask for every text.
    static QHash<QString, QSet<int>> lues;
    const QString nom = QStringLiteral("%1/%2").arg(paragraphe).arg(cle);
    if (const auto deja = lues.constFind(nom); deja != lues.constEnd())
        return *deja;
    const QString catalogue =
        QString::fromLatin1(*RessourceEmbarquee(QStringLiteral("Paragraphe%1").arg(paragraphe)));
    QSet<int> numeros;
    for (const QString &ligne : catalogue.split(QStringLiteral("\r\n")))
        if (ligne.startsWith(cle + u'='))
            for (const QString &n : ligne.section(u'=', 1).split(u','))
                numeros << n.toInt();
    return lues[nom] = numeros;
}

// A fault of writing found in one of our texts: the text's name and what is wrong.
QStringList fautesDeRedaction(int paragraphe, int k, const QString &t)
{
    QStringList fautes;
    const auto interdits = [&](const QString &ou, const QString &motif, const QString &raison) {
        const QRegularExpression re(motif, QRegularExpression::CaseInsensitiveOption
                                               | QRegularExpression::UseUnicodePropertiesOption);
        const QRegularExpressionMatch m = re.match(ou);
        if (m.hasMatch())
            fautes << QStringLiteral("%1_%2 : %3 « %4 »").arg(paragraphe).arg(k).arg(raison, m.captured());
    };
    const QString corps = paragraphe == 1 ? sansOuverture(t) : t;
    if (t.contains(u'’'))
        fautes << QStringLiteral("%1_%2 : apostrophe typographique").arg(paragraphe).arg(k);
    interdits(corps,
              QStringLiteral("\\bpanel\\b|surtout à|vous assister|aimerais beaucoup|vraiment|challenge|force de "
                             "proposition|esprit d'équipe|dynamisme|dynamique|\\bmotivé|passionn|n'hésitez|"
                             "(vif|grand|réel) intérêt|à c(oe|œ)ur|je suis quelqu'un|requêtes?\\b"),
              QStringLiteral("formule creuse"));
    // "dès à présent" follows a present, never a future: "je pourrai être opérationnel dès à présent".
    interdits(t, QStringLiteral("(pourrai|serai) (être )?opérationnel"),
              QStringLiteral("annonce au futur une disponibilité qui peut être immédiate"));
    // Every text serves letters sent by post and by e-mail alike.
    interdits(t, QStringLiteral("\\blettre|courrier|courriel|e-mail|\\bmails?\\b|missive|présente demande"),
              QStringLiteral("nomme le support"));
    // Praise only in terms that hold for any company.
    interdits(t, QStringLiteral("leader|place de choix|réputé|reconnu|incontournable|fleuron|pionni|premier plan|"
                                "réputation"),
              QStringLiteral("prête à l'entreprise ce qu'on ne sait pas d'elle"));
    // Texts drawn for an internship or a work-study contract name no job.
    const bool stagePossible = paragraphe != 4 || listeDuCatalogue(4, QStringLiteral("RechercheStage")).contains(k);
    if (stagePossible)
        interdits(corps, QStringLiteral("\\bpostes?\\b|\\bemplois?\\b|embauch|\\bCDI\\b|\\bCDD\\b|salarié"),
                  QStringLiteral("parle d'un emploi à un stagiaire"));
    const bool familleStage = paragraphe == 1 && t.startsWith(QStringLiteral("Ayant effectué un précédent stage"));
    if (!familleStage)
        interdits(corps, QStringLiteral("\\bstages?\\b|alternance|stagiaire"), QStringLiteral("parle d'un stage à tous"));
    const bool spontanee = (paragraphe == 1 && listeDuCatalogue(1, QStringLiteral("CandidatureSpontanee")).contains(k))
        || (paragraphe == 2 && k > 72);
    if (spontanee)
        interdits(corps,
                  QStringLiteral("(votre|vos|cette|l')\\s*(offre|annonce)|annonce|référence|à pourvoir|recrutez|"
                                 "offres d.emploi (de|que)|vous proposez|vous publiez|publiée?s?"),
                  QStringLiteral("parle d'une offre dans une candidature spontanée"));
    // The second experience may be empty: the sentence after it stands on its own.
    if (paragraphe == 2) {
        const qsizetype i = t.indexOf(QStringLiteral("___EXP2___")) + 10;
        const qsizetype fin = t.indexOf(QStringLiteral(". "), i);
        const QString phrase = t.mid(i, fin < 0 ? -1 : fin - i);
        interdits(phrase,
                  QStringLiteral("^(mais|aussi|ainsi|donc|là|c'|ce |dès lors|de ce fait|par conséquent)|"
                                 "\\b(toutefois|néanmoins|cependant|pourtant|cela|ceci|cette|ces|celles?|celui|ceux|"
                                 "j'y|j'en|m'y|m'en)\\b"),
                  QStringLiteral("renvoie à la phrase d'avant"));
    }
    return fautes;
}

} // namespace

class TestCorpus : public QObject
{
    Q_OBJECT

private slots:
    void catalogues_data()
    {
        QTest::addColumn<int>("paragraphe");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<Listes>("listes");
        using L = Listes;
        QList<int> spontanee1{2, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31, 33, 35};
        spontanee1 += plages({{37, 41}, {56, 60}, {63, 66}, {69, 76}, {97, 111}, {120, 126}, {135, 184}});
        QList<int> service1{2, 3, 5, 6, 9, 10, 13, 14, 17, 18, 21, 22, 25, 26, 29, 30, 33, 34, 38, 39};
        service1 += plages({{43, 45}, {49, 51}});
        service1 += QList<int>{55, 57, 58, 62, 64, 68, 77, 78, 82, 87, 88, 92};
        service1 += plages({{97, 111}});
        service1 += QList<int>{115};
        service1 += plages({{119, 122}});
        service1 += QList<int>{130, 134};
        service1 += plages({{139, 144}, {149, 154}, {159, 164}, {169, 174}, {179, 184}});
        QList<int> contact1{38, 39};
        contact1 += plages({{46, 49}, {52, 55}});
        contact1 += QList<int>{57, 58, 64, 71, 72, 74, 75};
        contact1 += plages({{79, 82}, {89, 92}});
        QList<int> stage1 = plages({{5, 20}});
        stage1 += QList<int>{44, 50, 77, 83, 87, 93};
        QList<int> travail1{2, 3};
        travail1 += plages({{21, 36}});
        travail1 += QList<int>{45, 51, 78, 84, 88, 94};
        QList<int> service4 = plages({{45, 88}, {133, 176}});
        service4 << 178;
        QTest::newRow("paragraphe 1")
            << 1 << 184
            << L{{"CandidatureSpontanee", spontanee1}, {"ServiceConnu", service1}, {"PrecedentContact", contact1},
                 {"PrecedentStage", stage1}, {"PrecedentTravail", travail1},
                 {"Recommandations", plages({{110, 134}})}, {"SocieteNationale", plages({{1, 134}, {145, 184}})},
                 {"PetiteEntreprise", plages({{1, 134}, {145, 184}})}};
        QTest::newRow("paragraphe 2") << 2 << 144 << L{{"CandidatureSpontanee", plages({{73, 144}})}};
        QTest::newRow("paragraphe 4")
            << 4 << 178
            << L{{"ServiceConnu", service4},
                 {"PrecedentesMissions", plages({{29, 44}, {73, 88}, {117, 132}, {161, 176}})},
                 {"RechercheStage", plages({{1, 28}, {45, 72}, {89, 116}, {133, 160}})}};
        QTest::newRow("paragraphe 5") << 5 << 10 << L{};
    }
    void catalogues()
    {
        QFETCH(int, paragraphe);
        QFETCH(int, nombre);
        QFETCH(Listes, listes);
        const auto octets = RessourceEmbarquee(QStringLiteral("paragraphe%1").arg(paragraphe));
        QVERIFY(octets.has_value());
        // Plain ASCII with CR LF line ends, nothing else.
        for (char c : *octets)
            QVERIFY(uchar(c) < 0x80);
        QVERIFY(octets->endsWith("\r\n"));
        QCOMPARE(octets->count('\n'), octets->count("\r\n"));
        QCOMPARE(octets->count('\r'), octets->count("\r\n"));

        const QStringList lignes = QString::fromLatin1(*octets).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lignes.mid(0, 3), (QStringList{"[GENERAL]", QStringLiteral("NombreDeTemplates=%1").arg(nombre),
                                                "[TEXTES]"}));
        const QStringList cles = {"CandidatureSpontanee", "ServiceConnu", "PrecedentContact", "PrecedentStage",
                                  "PrecedentTravail", "Recommandations", "PrecedentesMissions", "RechercheStage",
                                  "SocieteInternationale", "SocieteNationale", "PetiteEntreprise"};
        QCOMPARE(lignes.size(), 3 + cles.size());
        QSet<QString> vues;
        for (const QString &ligne : lignes.mid(3)) {
            const QString cle = ligne.section(u'=', 0, 0);
            const QString valeur = ligne.section(u'=', 1);
            QVERIFY2(cles.contains(cle) && !vues.contains(cle), qPrintable(ligne));
            vues << cle;
            if (!listes.contains(cle)) {
                QCOMPARE(valeur, QStringLiteral("TOUS"));
                continue;
            }
            QList<int> numeros;
            for (const QString &champ : valeur.split(u',')) {
                QVERIFY2(QRegularExpression(QStringLiteral("^[1-9][0-9]*$")).match(champ).hasMatch(), qPrintable(cle));
                numeros << champ.toInt();
            }
            std::sort(numeros.begin(), numeros.end());
            QCOMPARE(numeros, listes.value(cle));
        }
    }

    void formatDesFichiers_data()
    {
        QTest::addColumn<int>("paragraphe");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("paragraphe 1") << 1 << 221 << 487;
        QTest::newRow("paragraphe 2") << 2 << 376 << 512;
        QTest::newRow("paragraphe 4") << 4 << 386 << 576;
        QTest::newRow("paragraphe 5") << 5 << 201 << 257;
    }
    void formatDesFichiers()
    {
        QFETCH(int, paragraphe);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        if (!paragraphePresent(paragraphe))
            QSKIP("this paragraph's texts are not written yet");
        const int nombre = nombreDeTextes(paragraphe);
        QVERIFY(!RessourceEmbarquee(QStringLiteral("%1_%2").arg(paragraphe).arg(nombre + 1)).has_value());
        for (int k = 1; k <= nombre; ++k) {
            const QByteArray octets = item(paragraphe, k);
            const QByteArray nom = QByteArray::number(paragraphe) + '_' + QByteArray::number(k);
            QVERIFY2(!octets.isEmpty(), nom);
            QVERIFY2(!octets.contains('\r') && !octets.startsWith("\xEF\xBB\xBF"), nom);
            QVERIFY2(octets.endsWith('\n') && !octets.endsWith("\n\n"), nom);
            const bool troisLignes = paragraphe == 5 && (k == 5 || k == 10);
            QCOMPARE(octets.count('\n'), troisLignes ? 3 : 1);
            if (troisLignes)
                QVERIFY2(octets.split('\n').at(1).isEmpty(), nom);
            const QByteArray premiere = octets.left(octets.indexOf('\n'));
            // Paragraphs 1 and 2 run on with one final blank; 4 and 5 end on their full stop.
            if (paragraphe <= 2)
                QVERIFY2(premiere.endsWith(". ") && !premiere.endsWith("  "), nom);
            else
                QVERIFY2(premiere.endsWith('.'), nom);
            const int longueur = int(Cp1252::encoder(texte(octets)).size());
            QVERIFY2(longueur >= minimum && longueur <= maximum, nom + " : " + QByteArray::number(longueur));

            // Only the eighteen placeholders and the four gender alternatives.
            QString reste = texte(octets);
            for (const QString &m : Marques)
                reste.remove(QStringLiteral("___") + m + QStringLiteral("___"));
            for (const QString &a : Alternatives)
                reste.remove(a);
            QVERIFY2(!reste.contains(QStringLiteral("__")) && !reste.contains(u'[') && !reste.contains(u']')
                         && !reste.contains(u'|'),
                     nom);
        }
    }

    void paragraphe1()
    {
        if (!paragraphePresent(1))
            QSKIP("not written yet");
        // What each number is drawn for comes from its catalogue, itself checked above.
        const auto liste = [](const QString &cle) { return listeDuCatalogue(1, cle); };
        const QSet<int> spontanees = liste(QStringLiteral("CandidatureSpontanee"));
        const QSet<int> service = liste(QStringLiteral("ServiceConnu"));
        const QSet<int> contact = liste(QStringLiteral("PrecedentContact"));
        const QSet<int> recommandation = liste(QStringLiteral("Recommandations"));
        const std::pair<const char *, QList<int>> familles[] = {
            {"L’offre ___TYPEMISSIONADV___ disponible sur ___PUBLICATIONOFFRE___", {1, 85, 95}},
            {"Ayant effectué une précédente mission",
             {2, 3, 21, 22, 23, 25, 26, 27, 29, 30, 31, 33, 34, 35, 45, 51, 78, 88}},
            {"Parmi le panel de missions", {4, 42, 43, 61, 62, 67, 68, 86, 96}},
            {"Ayant effectué un précédent stage",
             plages({{5, 20}}) + QList<int>{44, 50, 77, 83, 87, 93}},
            {"Ayant déjà travaillé chez ___SOCIETE___,", {24, 28, 32, 36, 84, 94}},
            {"Les profils décrits dans les", QList<int>{37, 40, 41, 56, 59, 60, 63, 65, 66} + plages({{97, 105}})},
            {"Suite à ___PRECCONTACT___, je vous", contact.values()},
            {"Le panel des offres d’emploi", {69, 70, 73, 76, 106, 107, 108, 109}},
            {"Sur les recommandations de ___RECOMMANDATIONS___,", plages({{110, 134}})},
            {"La renommée internationale de votre", plages({{135, 144}})},
            {"La notoriété et le succès", plages({{145, 164}})},
            {"La notoriété et les excellentes", plages({{165, 184}})},
        };
        QSet<QString> distincts;
        int rangees = 0;
        for (const auto &[ouverture, numeros] : familles) {
            for (int k : numeros) {
                ++rangees;
                const QString t = texte(item(1, k));
                const QByteArray nom = "1_" + QByteArray::number(k);
                distincts << t;
                QString debut = QString::fromUtf8(ouverture);
                QVERIFY2(t.startsWith(debut) || t.startsWith(debut.replace(u'’', u'\'')), nom);
                const bool offre = !spontanees.contains(k);
                QSet<QString> permises{"SOCIETE", "SECTEUR", "FONCTIONACTUELLE", "TYPEMISSIONADV", "TYPEMISSIONVERB",
                                       "TYPEMISSIONNOM"};
                if (offre)
                    permises << "REFOFFRE";
                if (k == 1 || k == 85 || k == 95)
                    permises << "PUBLICATIONOFFRE";
                if (service.contains(k))
                    permises << "SERVICE";
                if (contact.contains(k))
                    permises << "PRECCONTACT";
                if (recommandation.contains(k))
                    permises << "RECOMMANDATIONS";
                const QSet<QString> marques = marquesDe(t);
                QVERIFY2(QSet<QString>(marques).subtract(permises).isEmpty(), nom);
                QCOMPARE(t.count(QStringLiteral("___REFOFFRE___")), offre ? 1 : 0);
                QCOMPARE(marques.contains(QStringLiteral("SERVICE")), service.contains(k));
                QCOMPARE(marques.contains(QStringLiteral("PRECCONTACT")), contact.contains(k));
                QCOMPARE(marques.contains(QStringLiteral("RECOMMANDATIONS")), recommandation.contains(k));
                QCOMPARE(t.count(QStringLiteral("___RECOMMANDATIONS___")), t.count(QStringLiteral("de ___RECOMMANDATIONS___")));
                if (k == 1 || k == 85 || k == 95)
                    QVERIFY2(t.contains(QStringLiteral("disponible sur ___PUBLICATIONOFFRE___")), nom);
                QCOMPARE(t.count(QStringLiteral("___SECTEUR___")), apresDomaineOuSecteur(t));
                // A spontaneous application never speaks of an offer of its own.
                if (!offre)
                    for (const char *mot : {"votre offre", "votre annonce", "cette offre", "l'annonce", "référence"})
                        QVERIFY2(!t.toLower().contains(QString::fromUtf8(mot)), nom + " : " + mot);
            }
        }
        QCOMPARE(rangees, 184);
        QCOMPARE(distincts.size(), 184);
        QCOMPARE(texte(item(1, 1)),
                 QStringLiteral("L’offre ___TYPEMISSIONADV___ disponible sur ___PUBLICATIONOFFRE___ (Ref "
                                "___REFOFFRE___) dans le domaine ___SECTEUR___ a retenu toute mon attention. Je suis "
                                "actuellement ___FONCTIONACTUELLE___ et souhaiterais en effet effectuer cette mission "
                                "au sein de ___SOCIETE___. "));
        // The typographic apostrophe is carried as byte 0x92.
        QVERIFY(item(1, 1).startsWith("L\x92offre "));
    }

    void paragraphe2()
    {
        if (!paragraphePresent(2))
            QSKIP("not written yet");
        QSet<QString> distincts;
        for (int k = 1; k <= 144; ++k) {
            const QString t = texte(item(2, k));
            const QByteArray nom = "2_" + QByteArray::number(k);
            distincts << t;
            QVERIFY2(t.startsWith(QStringLiteral("___EXP1___, ")), nom);
            QVERIFY2(t.endsWith(QStringLiteral("lors d'___TYPEMISSIONNOM2___ chez vous. "))
                         || t.endsWith(QStringLiteral("lors d’___TYPEMISSIONNOM2___ chez vous. ")),
                     nom);
            QCOMPARE(t.count(QStringLiteral("___EXP2___")), 1);
            QVERIFY2(t.contains(QStringLiteral(". ___EXP2___")), nom);
            const int apres = t.indexOf(QStringLiteral("___EXP2___")) + 10;
            QVERIFY2(t.at(apres).isUpper(), nom); // glued to a sentence of its own
            QSet<QString> permises{"EXP1", "EXP2", "TYPEMISSIONNOM2", "SECTEUR"};
            if (k <= 72) {
                permises << "INTITULEMISSION";
                QVERIFY2(t.contains(QStringLiteral("de ___INTITULEMISSION___")), nom);
                QCOMPARE(t.count(QStringLiteral("___INTITULEMISSION___")),
                         t.count(QStringLiteral("de ___INTITULEMISSION___")));
            }
            QVERIFY2(marquesDe(t).subtract(permises).isEmpty(), nom);
            QCOMPARE(t.count(QStringLiteral("___SECTEUR___")), apresDomaineOuSecteur(t));
        }
        QCOMPARE(distincts.size(), 144);
        QCOMPARE(texte(item(2, 1)),
                 QStringLiteral("___EXP1___, ce qui me rend apte à mener à bien la mission de ___INTITULEMISSION___ que "
                                "vous proposez. ___EXP2___Mais, conscient[|e] que la réussite d'un projet "
                                "professionnel ne dépend pas seulement de l'expérience et des capacités acquises, "
                                "j'ai aussi eu à coeur de développer des qualités de communication, de dynamisme et "
                                "d'efficacité dans le travail en équipe. Je pourrais donc mettre à profit ces acquis "
                                "lors d'___TYPEMISSIONNOM2___ chez vous. "));
    }

    void paragraphe4()
    {
        if (!paragraphePresent(4))
            QSKIP("not written yet");
        QSet<QString> distincts;
        QMap<QString, QList<int>> fichiersDuTexte;
        for (int k = 1; k <= 178; ++k) {
            const QString t = texte(item(4, k));
            const QByteArray nom = "4_" + QByteArray::number(k);
            distincts << t;
            fichiersDuTexte[t] << k;
            QVERIFY2(t.startsWith(QStringLiteral("Je recherche une société")), nom);
            QVERIFY2(t.endsWith(QStringLiteral("dès ___DATEDISPO___.")), nom);
            QVERIFY2(t.contains(QStringLiteral("opérationnel[|le]")), nom);
            QVERIFY2(t.contains(QStringLiteral("___SOCIETE___")), nom);
            QCOMPARE(t.contains(QStringLiteral("___SERVICE___")), blocAvecService(k));
            if (blocAvecService(k))
                QVERIFY2(t.contains(QStringLiteral("au sein du service ___SERVICE___")), nom);
            const bool missions = k <= 176 && (k - 1) % 44 + 1 >= 29;
            QSet<QString> permises{"SOCIETE", "SECTEUR", "DATEDISPO", "SERVICE"};
            if (missions)
                permises << "PRECEXPERIENCES";
            QVERIFY2(marquesDe(t).subtract(permises).isEmpty(), nom);
        }
        QCOMPARE(distincts.size(), 46);
        // The copies: four files a text inside each block, one file each for 177 and 178.
        for (const QList<int> &fichiers : std::as_const(fichiersDuTexte)) {
            if (fichiers.first() > 176) {
                QCOMPARE(fichiers.size(), 1);
                continue;
            }
            QCOMPARE(fichiers.size(), 4);
            const int bloc = (fichiers.first() - 1) / 44;
            const int lettre = lettreDuBloc(fichiers.first());
            for (int f : fichiers) {
                QCOMPARE((f - 1) / 44, bloc);
                QCOMPARE(lettreDuBloc(f), lettre);
            }
        }
        // In each block exactly one of the texts on previous missions recalls them by name.
        for (int bloc = 0; bloc < 4; ++bloc) {
            QSet<QString> avecRappel;
            for (int k = bloc * 44 + 29; k <= bloc * 44 + 44; ++k)
                if (texte(item(4, k)).contains(QStringLiteral("___PRECEXPERIENCES___")))
                    avecRappel << texte(item(4, k));
            QCOMPARE(avecRappel.size(), 1);
        }
        QCOMPARE(texte(item(4, 1)),
                 QStringLiteral("Je recherche une société qui propose un panel de missions enrichissant dans le domaine "
                                "___SECTEUR___. Je recherche surtout à accomplir une mission qui s'intègre dans un "
                                "projet de l'entreprise pour avoir de vraies responsabilités et pour que mon travail "
                                "puisse être utilisé dans un cadre professionnel. Dans cette optique, ___SOCIETE___ "
                                "correspond tout à fait à mes attentes. Je m'intégrerais ainsi avec plaisir à votre "
                                "équipe et pourrais être immédiatement opérationnel[|le] dès ___DATEDISPO___."));
    }

    void paragraphe5()
    {
        if (!paragraphePresent(5))
            QSKIP("not written yet");
        QSet<QString> distincts;
        for (int k = 1; k <= 10; ++k) {
            const QString t = texte(item(5, k));
            const QByteArray nom = "5_" + QByteArray::number(k);
            distincts << t;
            if (k != 5 && k != 10)
                QVERIFY2(t.startsWith(QStringLiteral("Je serais heureu[x|se] de vous rencontrer")), nom);
            QVERIFY2(t.endsWith(k <= 5 ? QStringLiteral("mes sincères salutations.")
                                       : QStringLiteral("l'assurance de mes sentiments distingués.")),
                     nom);
            QCOMPARE(t.contains(QStringLiteral("___TITRE_DESTINATAIRE___")), k == 1 || k == 6);
            QVERIFY2(marquesDe(t).subtract({"TITRE_DESTINATAIRE"}).isEmpty(), nom);
        }
        QCOMPARE(distincts.size(), 10);
        QVERIFY(texte(item(5, 1)).contains(QStringLiteral("je vous prie d'agréer___TITRE_DESTINATAIRE___ mes")));
        QVERIFY(texte(item(5, 6)).contains(QStringLiteral("de croire___TITRE_DESTINATAIRE___ à l")));
        QVERIFY(item(5, 5).endsWith("\n\nJe vous prie d'agr\xe9" "er mes sinc\xe8res salutations.\n"));
        QCOMPARE(item(5, 10),
                 Cp1252::encoder(QStringLiteral(
                     "Afin de vous donner de plus amples renseignements sur mon parcours professionnel, je me tiens à "
                     "votre disposition et j'espère vraiment que nous pourrons convenir d'un rendez-vous.\n\n"
                     "Je vous prie de croire à l'assurance de mes sentiments distingués.\n")));
        QCOMPARE(texte(item(5, 1)),
                 QStringLiteral("Je serais heureu[x|se] de vous rencontrer pour présenter de façon plus approfondie les "
                                "expériences mentionnées dans mon CV ci-joint. Dans l'attente de votre réponse, je vous "
                                "prie d'agréer___TITRE_DESTINATAIRE___ mes sincères salutations."));
    }

    // What a careful applicant never writes, in every text of ours (the imposed examples
    // are left as they stand).
    void redaction()
    {
        QStringList fautes;
        for (int paragraphe : {1, 2, 4, 5})
            for (int k = 1; k <= nombreDeTextes(paragraphe); ++k)
                if (!texteImpose(paragraphe, k))
                    fautes << fautesDeRedaction(paragraphe, k, texte(item(paragraphe, k)));
        for (const QString &f : std::as_const(fautes))
            qWarning().noquote() << f;
        QVERIFY2(fautes.isEmpty(), qPrintable(QStringLiteral("%1 faute(s) de rédaction").arg(fautes.size())));
    }

    // No content word of ours comes more than twice in one letter, whatever the draw: for
    // every set of answers, the most of a word each paragraph's candidates can bring, summed.
    void pasDEcho()
    {
        QTemporaryDir dossier;
        QHash<int, QList<QHash<QString, int>>> mots; // paragraph -> text number - 1 -> stem -> count
        QHash<QString, QString> exemple;               // stem -> a word it stands for
        for (int paragraphe : {1, 2, 4, 5}) {
            QFile catalogue(dossier.filePath(QStringLiteral("Paragraphe%1.ini").arg(paragraphe)));
            QVERIFY(catalogue.open(QIODevice::WriteOnly));
            catalogue.write(*RessourceEmbarquee(QStringLiteral("Paragraphe%1").arg(paragraphe)));
            for (int k = 1; k <= nombreDeTextes(paragraphe); ++k) {
                QHash<QString, int> compte;
                if (!texteImpose(paragraphe, k))
                    for (const QString &r : motsDeContenu(texte(item(paragraphe, k))))
                        ++compte[r];
                mots[paragraphe] << compte;
            }
        }
        QMap<QString, QStringList> echos; // "stem: texts" -> the answers where it happens
        for (int type : {0, 1})
            for (bool service : {false, true})
                for (int contact = 0; contact <= 7; ++contact)
                    for (bool missions : {false, true})
                        for (int poste : {0, 2})
                            for (int taille = 0; taille <= 2; ++taille) {
                                const ReponsesSelection r{type, service, contact, missions, poste, taille};
                                QHash<QString, int> total;
                                QHash<QString, QStringList> sources;
                                for (int paragraphe : {1, 2, 4, 5}) {
                                    QHash<QString, int> plus;
                                    QHash<QString, QStringList> ou;
                                    const QStringList candidats = ConstruireListeCandidats(
                                        dossier.filePath(QStringLiteral("Paragraphe%1.ini").arg(paragraphe)), r);
                                    for (const QString &n : candidats) {
                                        const auto &compte = mots[paragraphe].at(n.toInt() - 1);
                                        for (auto it = compte.cbegin(); it != compte.cend(); ++it) {
                                            if (it.value() > plus.value(it.key())) {
                                                plus[it.key()] = it.value();
                                                ou[it.key()].clear();
                                            }
                                            if (it.value() == plus.value(it.key()))
                                                ou[it.key()] << QStringLiteral("%1_%2").arg(paragraphe).arg(n);
                                        }
                                    }
                                    for (auto it = plus.cbegin(); it != plus.cend(); ++it) {
                                        total[it.key()] += it.value();
                                        sources[it.key()] << ou.value(it.key()).mid(0, 6).join(u' ')
                                                + (ou.value(it.key()).size() > 6 ? QStringLiteral(" …") : QString());
                                    }
                                }
                                for (auto it = total.cbegin(); it != total.cend(); ++it)
                                    if (it.value() > 2)
                                        echos[QStringLiteral("%1 ×%2 : %3")
                                                  .arg(it.key())
                                                  .arg(it.value())
                                                  .arg(sources.value(it.key()).join(QStringLiteral(" | ")))]
                                            << QStringLiteral("%1%2%3%4%5%6")
                                                   .arg(type)
                                                   .arg(service)
                                                   .arg(contact)
                                                   .arg(missions)
                                                   .arg(poste)
                                                   .arg(taille);
                            }
        for (auto it = echos.cbegin(); it != echos.cend(); ++it)
            qWarning().noquote() << it.key();
        QVERIFY2(echos.isEmpty(), qPrintable(QStringLiteral("%1 écho(s)").arg(echos.size())));
    }

    void nomsSansEgardALaCasse()
    {
        QCOMPARE(RessourceEmbarquee(QStringLiteral("PARAGRAPHE5")), RessourceEmbarquee(QStringLiteral("Paragraphe5")));
        QVERIFY(!RessourceEmbarquee(QStringLiteral("Paragraphe3")).has_value());
        QVERIFY(!RessourceEmbarquee(QStringLiteral("5_0")).has_value());
    }
};

QTEST_GUILESS_MAIN(TestCorpus)
#include "tst_corpus.moc"
