#include "letter/composeur.h"
#include "letter/detailscandidature.h"
#include "letter/orthographe.h"
#include "letter/tirage.h"
#include "profiles/profile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

// French spelling as the letter's editor checks it: our own texts pass, the user's names
// pass, real misspellings are caught with the right suggestion, elision is French.
class TestOrthographe : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dossier;
    std::unique_ptr<Orthographe> m_orthographe;
    int m_heure = 0;

    static QStringList mots(const QString &paragraphe, const QList<Orthographe::Faute> &fautes)
    {
        QStringList r;
        for (const Orthographe::Faute &f : fautes)
            r << paragraphe.mid(f.debut, f.longueur);
        return r;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dossier.isValid());
        m_orthographe = std::make_unique<Orthographe>(Orthographe::dossiersDictionnaires(),
                                                      m_dossier.filePath(QStringLiteral("mots.txt")));
        QVERIFY2(m_orthographe->disponible(), "hunspell-fr is missing: scripts/setup.sh installs it");
        RemplacerHorloge([this] { return QTime(7, 0).addMSecs(m_heure += 7919); });
    }
    void cleanupTestCase() { RemplacerHorloge({}); }

    // Letters of every kind, for both genders and every kind of position, many draws:
    // nothing of ours is flagged once the user's own words are accepted.
    void lettresSansFaute()
    {
        const QString travail = m_dossier.filePath(QStringLiteral("Vendelair/"));
        QVERIFY(QDir().mkpath(travail));
        QStringList signales;
        for (int essai = 0; essai < 40; ++essai) {
            Profile profil;
            profil.remplirExemple();
            profil.definirChoix("CombTitre", essai % 3);
            profil.definirChoix("CombTypeMission", essai % 5);
            DonneesLettre d;
            d.reprendreProfil(profil);
            d.typeCandidature = essai % 4;
            d.titreDestinataire = essai % 4;
            d.nomDestinataire = d.titreDestinataire ? QStringLiteral("Lefèvre") : QString();
            d.precedentContact = d.titreDestinataire ? essai % 8 : 0;
            d.phraseContact = DetailsCandidature::phraseContact(d.precedentContact, MarqueACompleter);
            d.phraseSecteur = DetailsCandidature::phrasesSecteur().at((essai * 7) % DetailsCandidature::phrasesSecteur().size());
            d.tailleEntreprise = essai % 3;
            d.service = essai % 2 ? QStringLiteral("marketing") : QString();
            const QStringList experiences = d.experiences.liste();
            d.experiencePrincipale = experiences.at(essai % 3);
            d.experienceSeconde = experiences.at((essai + 1) % 3);
            d.societe = QStringLiteral("Océalis");
            d.referenceOffre = d.publicationOffre = d.nomContact = MarqueACompleter;
            d.intituleOffre = QStringLiteral("assistant marketing");
            m_orthographe->accepterTextes(d.textesDeLUtilisateur());
            const LettreComposee lettre = ComposerLettre(d, travail);
            for (QTextBlock b = lettre.document->begin(); b.isValid(); b = b.next())
                for (const QString &m : mots(b.text(), m_orthographe->fautes(b.text())))
                    signales << m + QStringLiteral(" (") + b.text().left(60) + QStringLiteral("…)");
        }
        signales.removeDuplicates();
        QVERIFY2(signales.isEmpty(), qPrintable(signales.join(u'\n')));
    }

    void francais_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QStringList>("signales");
        QTest::newRow("élisions") << QStringLiteral("l'entreprise, d'expérience, qu'elle, aujourd'hui, l’entreprise, "
                                                    "J’ai, jusqu'à, c'est-à-dire")
                                  << QStringList();
        QTest::newRow("adresses, nombres, marques")
            << QStringLiteral("hugo.ferrand@gmail.com, www.vendelair.example, https://exemple.fr/offre?id=3, "
                              "le 1er mars 2027, 06 12 34 56 78, XXXXXXXX et XXXXXX")
            << QStringList();
        QTest::newRow("fautes") << QStringLiteral("Mon expérence et ma motivaton.")
                                << QStringList{QStringLiteral("expérence"), QStringLiteral("motivaton")};
        QTest::newRow("mot composé") << QStringLiteral("réseau Wi-Fi, Rhône-Alpes") << QStringList();
    }

    void francais()
    {
        QFETCH(QString, texte);
        QFETCH(QStringList, signales);
        m_orthographe->accepterTextes({});
        QCOMPARE(mots(texte, m_orthographe->fautes(texte)), signales);
    }

    void suggestionsEtMotsAcceptes()
    {
        QVERIFY(m_orthographe->suggestions(QStringLiteral("expérence")).mid(0, 3).contains(QStringLiteral("expérience")));
        QVERIFY(m_orthographe->suggestions(QStringLiteral("motivaton")).mid(0, 3).contains(QStringLiteral("motivation")));
        QVERIFY(m_orthographe->suggestions(QStringLiteral("expérence")).size() <= 6);

        // The letter's own words, then ignored and added ones.
        m_orthographe->accepterTextes({QStringLiteral("Hugo Ferrand"), QStringLiteral("Océalis")});
        QVERIFY(m_orthographe->fautes(QStringLiteral("Ferrand travaillera chez Océalis, d'Océalis")).isEmpty());
        m_orthographe->accepterTextes({});
        QCOMPARE(m_orthographe->fautes(QStringLiteral("Ferrand")).size(), 1);
        m_orthographe->ignorer(QStringLiteral("Ferrand"));
        QVERIFY(m_orthographe->correct(QStringLiteral("Ferrand")));
        QVERIFY(m_orthographe->ajouter(QStringLiteral("Vendelair")));
        const Orthographe relu(Orthographe::dossiersDictionnaires(), m_dossier.filePath(QStringLiteral("mots.txt")));
        QVERIFY(relu.correct(QStringLiteral("Vendelair")));
        QVERIFY(!relu.correct(QStringLiteral("Ferrand"))); // ignored for the run only
    }

    void sansDictionnaire()
    {
        const Orthographe aucun({m_dossier.filePath(QStringLiteral("vide"))}, QString());
        QVERIFY(!aucun.disponible());
        QVERIFY(aucun.fautes(QStringLiteral("expérence")).isEmpty());
        QVERIFY(aucun.suggestions(QStringLiteral("expérence")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestOrthographe)
#include "tst_orthographe.moc"
