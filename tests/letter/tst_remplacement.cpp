#include "letter/casse.h"
#include "letter/experiences.h"
#include "letter/remplacement.h"

#include <QTest>

// How a template paragraph turns into the text of the letter: case changes, the "d'"
// before a vowel, the answers of the main window, the experience sentences and the
// applicant's gender endings.
namespace {

// Profile used by the experience cases: indexes follow the seven fields.
enum { Formation1, Formation2, PrecMissions1, PrecMissions2, PrecMissions3, ActMissions1, ActMissions2, Inconnue };

Experiences profilExperiences()
{
    Experiences e;
    e.memos = {QStringLiteral("j'ai appris à gérer un budget."),
               QStringLiteral("j'ai suivi un cours de comptabilité"),
               QStringLiteral("j'ai encadré une équipe de vente"),
               QStringLiteral("J'ai négocié avec les fournisseurs."),
               QString(),
               QStringLiteral("J'ai repris la gestion des stocks."),
               QStringLiteral("je forme les nouveaux vendeurs")};
    return e;
}

// The entry as the main window lists it; Inconnue stands for a text matching no field.
QString entree(int index)
{
    if (index == Inconnue)
        return QStringLiteral("J'ai vendu des voitures.");
    if (index < 0)
        return QString();
    return Experiences::formeNormale(profilExperiences().memos[index]);
}

DonneesLettre donnees()
{
    DonneesLettre d;
    d.societe = QStringLiteral("Durand Industries");
    d.intituleOffre = QStringLiteral("Comptable");
    d.nomContact = QStringLiteral("Mme Lefèvre");
    d.experiences = profilExperiences();
    d.experiencePrincipale = entree(Formation1);
    return d;
}

QString remplir(const QString &modele, const DonneesLettre &d)
{
    return RemplacerChamps(modele, d).texte;
}

} // namespace

class TestRemplacement : public QObject
{
    Q_OBJECT

private slots:
    void changerCasse_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("retirerPoint");
        QTest::addColumn<QString>("attendu");

        QTest::newRow("0 lettre initiale") << "consultant" << 0 << false << "Consultant";
        QTest::newRow("0 initiale accentuée") << "éric" << 0 << false << "Éric";
        QTest::newRow("0 deux points finaux") << "fin.." << 0 << true << "Fin.";
        QTest::newRow("1 point retiré") << "Consultant." << 1 << true << "consultant";
        QTest::newRow("1 point gardé") << "Consultant." << 1 << false << "consultant.";
        QTest::newRow("1 initiale accentuée") << "Étudier" << 1 << false << "étudier";
        QTest::newRow("2 initiale et reste") << "jEAN-PIERRE DUPONT" << 2 << false << "Jean-pierre dupont";
        QTest::newRow("2 accents") << "éCOLE ÉTÉ" << 2 << false << "École été";
        QTest::newRow("3 tout en minuscules") << "ASSISTANT DE DIRECTION." << 3 << true << "assistant de direction";
        QTest::newRow("3 accents") << "DÉLÉGUÉ" << 3 << false << "délégué";
        QTest::newRow("4 tout en majuscules") << "chef de rayon" << 4 << false << "CHEF DE RAYON";
        QTest::newRow("4 accents") << "Société Coopérative Rhône-Alpes, œuvres" << 4 << false
                                      << "SOCIÉTÉ COOPÉRATIVE RHÔNE-ALPES, ŒUVRES";
        QTest::newRow("point seul") << "." << 0 << true << "";
        QTest::newRow("point intérieur gardé") << "M. Martin" << 1 << true << "m. Martin";
        QTest::newRow("vide") << "" << 2 << true << "";
    }

    void changerCasse()
    {
        QFETCH(QString, texte);
        QFETCH(int, mode);
        QFETCH(bool, retirerPoint);
        QFETCH(QString, attendu);
        QCOMPARE(ChangerCasse(texte, mode, retirerPoint), attendu);
    }

    void commenceParVoyelle_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<bool>("elide");

        for (const char *mot : {"Assistant", "Hôtesse", "île", "ingénieur", "Ouvrier", "yaourtier", "Hélène", "été",
                                "Éditeur", "âge", "Île", "œnologue"})
            QTest::newRow(mot) << QString::fromUtf8(mot) << true;
        for (const char *mot : {"Vendeur", "1er"})
            QTest::newRow(mot) << QString::fromUtf8(mot) << false;
    }

    void commenceParVoyelle()
    {
        QFETCH(QString, mot);
        QFETCH(bool, elide);
        QCOMPARE(CommenceParVoyelle(mot), elide);
    }

    void destinataire_data()
    {
        QTest::addColumn<int>("titre");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("attendu");

        // The formula repeats the salutation, never the name; no title, no repetition.
        const QString sans = QStringLiteral("je vous prie d'agréer mes sincères salutations");
        QTest::newRow("Mr. nommé") << 1 << "Durand" << "je vous prie d'agréer, Monsieur, mes sincères salutations";
        QTest::newRow("Mme. nommée") << 2 << "Martin" << "je vous prie d'agréer, Madame, mes sincères salutations";
        QTest::newRow("Mlle. sans nom") << 3 << "" << "je vous prie d'agréer, Mademoiselle, mes sincères salutations";
        QTest::newRow("? avec nom") << 0 << "Martin" << sans;
    }

    void destinataire()
    {
        QFETCH(int, titre);
        QFETCH(QString, nom);
        QFETCH(QString, attendu);
        DonneesLettre d = donnees();
        d.titreDestinataire = titre;
        d.nomDestinataire = nom;
        QCOMPARE(remplir(QStringLiteral("je vous prie d'agréer___TITRE_DESTINATAIRE___ mes sincères salutations"), d),
                 attendu);
    }

    void elision_data()
    {
        QTest::addColumn<QString>("modele");
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<QString>("attendu");

        const QString intitule = QStringLiteral("la mission de ___INTITULEMISSION___");
        QTest::newRow("ingénieur") << intitule << "ingénieur commercial" << "la mission d'ingénieur commercial";
        QTest::newRow("Éditeur") << intitule << "Éditeur" << "la mission d'Éditeur";
        QTest::newRow("Hôte") << intitule << "Hôte d'accueil" << "la mission d'Hôte d'accueil";
        QTest::newRow("Assistant") << intitule << "Assistant" << "la mission d'Assistant";
        QTest::newRow("Vendeur") << intitule << "Vendeur" << "la mission de Vendeur";
        QTest::newRow("intitulé sans de") << "Poste : ___INTITULEMISSION___" << "ingénieur" << "Poste : ingénieur";
        QTest::newRow("intitulé en minuscules") << "la mission de ___intitulemission___" << "ingénieur"
                                                << "la mission d'ingénieur";

        const QString conseil = QStringLiteral("sur les conseils de ___RECOMMANDATIONS___");
        QTest::newRow("Alain Robert") << conseil << "Alain Robert" << "sur les conseils d'Alain Robert";
        QTest::newRow("Mme Lefèvre") << conseil << "Mme Lefèvre" << "sur les conseils de Mme Lefèvre";

        const QString societe = QStringLiteral("les produits de ___SOCIETE___");
        QTest::newRow("société Orange") << societe << "Orange" << "les produits de Orange";
        QTest::newRow("société Air Liquide") << societe << "Air Liquide" << "les produits de Air Liquide";
    }

    void elision()
    {
        QFETCH(QString, modele);
        QFETCH(QString, valeur);
        QFETCH(QString, attendu);
        DonneesLettre d = donnees();
        d.intituleOffre = d.nomContact = d.societe = valeur;
        QCOMPARE(remplir(modele, d), attendu);
    }

    void champs_data()
    {
        QTest::addColumn<QString>("modele");
        QTest::addColumn<int>("typeMission");
        QTest::addColumn<QString>("attendu");

        QTest::newRow("minuscules") << "chez ___societe___ et ___Societe___" << 0
                                    << "chez Durand Industries et Durand Industries";
        QTest::newRow("chaque occurrence") << "___SOCIETE___, ___SERVICE___ ; ___SOCIETE___, ___SERVICE___" << 0
                                           << "Durand Industries, ventes ; Durand Industries, ventes";
        QTest::newRow("date") << "disponible dès ___DATEDISPO___" << 0 << "disponible dès septembre 2028";
        QTest::newRow("emploi") << "lors d'___TYPEMISSIONNOM2___ chez vous, ___TYPEMISSIONNOM___" << 0
                                << "lors d'un emploi chez vous, un emploi";
        QTest::newRow("stage") << "lors d'___TYPEMISSIONNOM2___ chez vous" << 2 << "lors d'une mission chez vous";
        QTest::newRow("stage verbe") << "afin d'___TYPEMISSIONVERB___ ; ma recherche ___TYPEMISSIONADV___" << 2
                                     << "afin d'effectuer un stage ; ma recherche de stage";
        QTest::newRow("stage nom") << "pour ___TYPEMISSIONNOM___" << 2 << "pour un stage";
        QTest::newRow("intérim") << "lors d'___TYPEMISSIONNOM2___, ___TYPEMISSIONVERB___" << 1
                                 << "lors d'une mission, effectuer une mission d'intérim";
    }

    void champs()
    {
        QFETCH(QString, modele);
        QFETCH(int, typeMission);
        QFETCH(QString, attendu);
        DonneesLettre d = donnees();
        d.typeMission = typeMission;
        d.service = QStringLiteral("ventes");
        d.moisDispo = QStringLiteral("Septembre");
        d.anneeDispo = QStringLiteral("2028");
        QCOMPARE(remplir(modele, d), attendu);
    }

    // The month in lower case; a month already past reads "dès à présent", never a past date.
    void disponibilite_data()
    {
        QTest::addColumn<QString>("mois");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("l'an prochain") << "Février" << "2027" << "opérationnel dès février 2027.";
        QTest::newRow("ce mois-ci") << "Décembre" << "2026" << "opérationnel dès décembre 2026.";
        QTest::newRow("le mois dernier") << "Novembre" << "2026" << "opérationnel dès à présent.";
        QTest::newRow("une année passée") << "Août" << "2020" << "opérationnel dès à présent.";
    }

    void disponibilite()
    {
        QFETCH(QString, mois);
        QFETCH(QString, annee);
        QFETCH(QString, attendu);
        DonneesLettre d = donnees();
        d.moisDispo = mois;
        d.anneeDispo = annee;
        d.aujourdhui = QDate(2026, 12, 8);
        QCOMPARE(remplir(QStringLiteral("opérationnel dès ___DATEDISPO___."), d), attendu);
    }

    // The template's typographic apostrophes become plain ones; what the user typed stays.
    void apostrophes()
    {
        DonneesLettre d = donnees();
        d.societe = QStringLiteral("L’Atelier");
        QCOMPARE(remplir(QStringLiteral("L’offre d’emploi de ___SOCIETE___ m'a plu"), d),
                 QStringLiteral("L'offre d'emploi de L’Atelier m'a plu"));
    }

    void genre_data()
    {
        QTest::addColumn<int>("titre");
        QTest::addColumn<QString>("attendu");

        // What the user typed goes in as it stands, marks and all, after the template's own
        // marks are resolved.
        const QString masculin = QStringLiteral("conscient, heureux, opérationnel et passionné chez Ateliers [x|se] "
                                                "& ___SERVICE___");
        const QString feminin = QStringLiteral("consciente, heureuse, opérationnelle et passionnée chez Ateliers "
                                               "[x|se] & ___SERVICE___");
        QTest::newRow("Mr.") << 0 << masculin;
        QTest::newRow("Mme.") << 1 << feminin;
        QTest::newRow("Mlle.") << 2 << feminin;
        QTest::newRow("sans titre") << -1 << feminin;
    }

    void genre()
    {
        QFETCH(int, titre);
        QFETCH(QString, attendu);
        DonneesLettre d = donnees();
        d.titreCandidat = titre;
        d.societe = QStringLiteral("Ateliers [x|se] & ___SERVICE___");
        QCOMPARE(remplir(QStringLiteral("conscient[|e], heureu[x|se], opérationnel[|le] et passionn[é|ée] "
                                        "chez ___SOCIETE___"),
                         d),
                 attendu);
    }

    void phrasesExperience_data()
    {
        QTest::addColumn<int>("principale");
        QTest::addColumn<int>("seconde");
        QTest::addColumn<QString>("premiere");
        QTest::addColumn<QString>("phraseSeconde");
        QTest::addColumn<QString>("rappel");

        const QString budget = QStringLiteral("Durant mes études, j'ai appris à gérer un budget");
        QTest::newRow("études puis missions") << int(Formation1) << int(PrecMissions1) << budget
                                              << "Au cours de mes précédentes missions, j'ai aussi encadré une équipe de vente. "
                                              << "mes études et mes précédentes missions";
        QTest::newRow("deux études") << int(Formation1) << int(Formation2) << budget
                                     << "J'ai aussi suivi un cours de comptabilité. " << "mes études";
        QTest::newRow("deux missions") << int(PrecMissions2) << int(PrecMissions1)
                                       << "Au cours de mes précédentes missions, j'ai négocié avec les fournisseurs"
                                       << "J'ai aussi encadré une équipe de vente. " << "mes précédentes missions";
        QTest::newRow("travail actuel en second") << int(Formation1) << int(ActMissions1) << budget
                                                  << "En ce moment, j'ai repris la gestion des stocks. "
                                                  << "mes études et mon travail actuel";
        QTest::newRow("deux travaux actuels") << int(ActMissions2) << int(ActMissions1)
                                              << "En ce moment, je forme les nouveaux vendeurs"
                                              << "J'ai repris la gestion des stocks. " << "mon travail actuel";
        QTest::newRow("sans seconde") << int(Formation1) << -1 << budget << "" << "mes études";
        QTest::newRow("seconde inconnue") << int(Formation1) << int(Inconnue) << budget << "" << "mes études";
        QTest::newRow("principale inconnue") << int(Inconnue) << -1 << "j'ai vendu des voitures" << "" << "";
        QTest::newRow("même choix") << int(Formation1) << int(Formation1) << budget << "" << "mes études";
        // The recap then names the second experience alone, never "et mes …" on its own.
        QTest::newRow("principale inconnue, seconde connue")
            << int(Inconnue) << int(PrecMissions1) << "j'ai vendu des voitures"
            << "Au cours de mes précédentes missions, j'ai aussi encadré une équipe de vente. "
            << "mes précédentes missions";
    }

    void phrasesExperience()
    {
        QFETCH(int, principale);
        QFETCH(int, seconde);
        QFETCH(QString, premiere);
        QFETCH(QString, phraseSeconde);
        QFETCH(QString, rappel);
        DonneesLettre d = donnees();
        d.experiencePrincipale = entree(principale);
        d.experienceSeconde = entree(seconde);
        const PhrasesExperience p = ConstruirePhrasesExperience(d);
        QCOMPARE(p.premiere, premiere);
        QCOMPARE(p.seconde, phraseSeconde);
        QCOMPARE(p.rappel, rappel);
        QCOMPARE(p.memeChoix, principale == seconde);
    }

    void experiencesDansLeTexte_data()
    {
        QTest::addColumn<int>("seconde");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<bool>("oublier");

        QTest::newRow("deux expériences")
            << int(PrecMissions1)
            << "Durant mes études, j'ai appris à gérer un budget, ce qui me rend apte. Au cours de mes précédentes "
               "missions, j'ai aussi encadré une équipe de vente. Grâce à mes études et mes précédentes missions."
            << false;
        QTest::newRow("même choix") << int(Formation1)
                                    << "Durant mes études, j'ai appris à gérer un budget, ce qui me rend apte. "
                                       "Grâce à mes études."
                                    << true;
    }

    void experiencesDansLeTexte()
    {
        QFETCH(int, seconde);
        QFETCH(QString, attendu);
        QFETCH(bool, oublier);
        DonneesLettre d = donnees();
        d.experienceSeconde = entree(seconde);
        int etapes = 0;
        const ResultatRemplacement r = RemplacerChamps(
            QStringLiteral("___EXP1___, ce qui me rend apte. ___EXP2___Grâce à ___precexperiences___."), d,
            [&etapes] { ++etapes; });
        QCOMPARE(r.texte, attendu);
        QCOMPARE(r.oublierSecondeExperience, oublier);
        QCOMPARE(etapes, 2);
    }
};

QTEST_GUILESS_MAIN(TestRemplacement)
#include "tst_remplacement.moc"
