#include "corpustest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace CorpusTest;

// Every text of the corpus, filled with sample answers as a letter would be, goes through
// the French grammar checker. Only typography remarks are let through, and by name the
// few words that come from the program's own phrase lists as they stand.
namespace {

struct Reponses
{
    bool masculin;
    QString typeMission, verbe, adverbe, secteur, intitule, recommandation, fonction, contact, exp2, rappel, titre, dispo;
};

QList<Reponses> jeuxDeReponses()
{
    return {
        {true, "un emploi", "travailler", "d'emploi", "de l'agriculture", "assistant commercial", "Mme Lefèvre",
         "comptable dans une entreprise de transport", "notre conversation téléphonique", "",
         "mes précédentes missions", ", Madame,", "septembre 2027"},
        {false, "un stage", "effectuer un stage", "de stage", "bancaire", "Comptable", "Alain Robert",
         "étudiante en gestion à l'université de Lille", "notre échange de courriels",
         "Au cours de mes précédentes missions, j'ai aussi encadré une équipe de vente. ",
         "mes études et mes précédentes missions", "", "à présent"},
        {true, "une mission d'intérim", "effectuer une mission d'intérim", "de mission d'intérim", "du marketing",
         "Hôte d'accueil",
         "Alain Robert", "technicien de maintenance", "notre rencontre au forum Emploi 2027", "",
         "mon travail actuel", "", "février 2027"},
        {false, "une formation en alternance", "effectuer une formation en alternance", "de formation en alternance",
         "des assurances", "chargée de clientèle", "Mme Lefèvre", "assistante de direction",
         "notre rencontre au meeting des métiers", "En ce moment, je m'occupe aussi du suivi des clients. ",
         "mon travail actuel et mes précédentes missions", ", Monsieur,", "à présent"},
    };
}

bool commenceParVoyelle(const QString &mot)
{
    return !mot.isEmpty() && QStringLiteral("aeiouyàéèêëùôîh").contains(mot.at(0).toLower());
}

QString remplir(QString t, const Reponses &r)
{
    auto remplacer = [&t](const QString &marque, const QString &valeur) {
        t.replace(QStringLiteral("___") + marque + QStringLiteral("___"), valeur);
    };
    remplacer("TITRE_DESTINATAIRE", r.titre);
    remplacer("SOCIETE", "Durand Industries");
    remplacer("TYPEMISSIONADV", r.adverbe);
    remplacer("TYPEMISSIONVERB", r.verbe);
    remplacer("TYPEMISSIONNOM2", r.typeMission == QLatin1String("un emploi") ? "un emploi" : "une mission");
    remplacer("TYPEMISSIONNOM", r.typeMission);
    remplacer("PRECCONTACT", r.contact);
    remplacer("SECTEUR", r.secteur);
    remplacer("PUBLICATIONOFFRE", "le site de l'Association pour l'emploi des cadres");
    remplacer("REFOFFRE", "RH-2027-14");
    t.replace(QStringLiteral("de ___INTITULEMISSION___"), (commenceParVoyelle(r.intitule) ? "d'" : "de ") + r.intitule);
    remplacer("INTITULEMISSION", r.intitule);
    t.replace(QStringLiteral("de ___RECOMMANDATIONS___"),
              (commenceParVoyelle(r.recommandation) ? "d'" : "de ") + r.recommandation);
    remplacer("RECOMMANDATIONS", r.recommandation);
    remplacer("SERVICE", "comptabilité");
    remplacer("FONCTIONACTUELLE", r.fonction);
    remplacer("DATEDISPO", r.dispo);
    remplacer("EXP1", "Durant mes études, j'ai appris à gérer un budget");
    remplacer("EXP2", r.exp2);
    remplacer("PRECEXPERIENCES", r.rappel);
    const QStringList alternatives = {"[é|ée]", "[|e]", "[|le]", "[x|se]"};
    for (const QString &a : alternatives) {
        const QStringList formes = a.mid(1, a.size() - 2).split(u'|');
        t.replace(a, r.masculin ? formes.at(0) : formes.at(1));
    }
    return t.trimmed();
}

} // namespace

class TestFrancais : public QObject
{
    Q_OBJECT

private slots:
    void sansFaute_data()
    {
        QTest::addColumn<int>("paragraphe");
        for (int p : {1, 2, 4, 5})
            QTest::addRow("paragraphe %d", p) << p;
    }
    void sansFaute()
    {
        QFETCH(int, paragraphe);
        if (!paragraphePresent(paragraphe))
            QSKIP("this paragraph's texts are not written yet");
        const QString correcteur = QStandardPaths::findExecutable(QStringLiteral("grammalecte-cli"));
        QVERIFY2(!correcteur.isEmpty(), "grammalecte-cli is missing: scripts/setup.sh installs it");

        // One paragraph of the checked file per filled text, with where it comes from.
        QStringList paragraphes, origines;
        QSet<QString> dejaVus;
        const QList<Reponses> jeux = jeuxDeReponses();
        for (int k = 1; k <= nombreDeTextes(paragraphe); ++k) {
            const QString t = texte(item(paragraphe, k));
            if (dejaVus.contains(t))
                continue;
            dejaVus << t;
            for (int j = 0; j < jeux.size(); ++j) {
                paragraphes << remplir(t, jeux.at(j));
                origines << QStringLiteral("%1_%2 (réponses %3)").arg(paragraphe).arg(k).arg(j + 1);
            }
        }
        QTemporaryDir dossier;
        QFile fichier(dossier.filePath(QStringLiteral("lettres.txt")));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write(paragraphes.join(QStringLiteral("\n\n")).toUtf8() + '\n');
        fichier.close();

        QProcess processus;
        processus.start(correcteur, {"-f", fichier.fileName(), "-j", "-ctx", "-owe"});
        QVERIFY(processus.waitForFinished(300000));
        const QJsonDocument doc = QJsonDocument::fromJson(processus.readAllStandardOutput());
        QVERIFY2(doc.isObject(), "grammalecte-cli gave no JSON");

        // Typography (apostrophes, spaces) is the word processor's business; "coeur" and "Ref"
        // stand in the imposed example texts; the rest are the sample answers.
        const QSet<QString> typesPermis{"apos", "nbsp", "esp", "typo"};
        const QSet<QString> motsPermis{"Durand", "Lefèvre", "coeur", "Ref", "RH-2027-14"};
        QStringList fautes;
        for (const QJsonValue &v : doc.object().value(QStringLiteral("data")).toArray()) {
            const QJsonObject p = v.toObject();
            const int index = (p.value(QStringLiteral("iParagraph")).toInt() - 1) / 2;
            const QString origine = origines.value(index, QStringLiteral("?"));
            for (const QJsonValue &e : p.value(QStringLiteral("lGrammarErrors")).toArray()) {
                const QJsonObject o = e.toObject();
                if (typesPermis.contains(o.value(QStringLiteral("sType")).toString()))
                    continue;
                fautes << QStringLiteral("%1 : %2 « %3 »")
                              .arg(origine, o.value(QStringLiteral("sMessage")).toString(),
                                   o.value(QStringLiteral("sBefore")).toString().right(30)
                                       + QStringLiteral("[") + o.value(QStringLiteral("sUnderlined")).toString()
                                       + QStringLiteral("]") + o.value(QStringLiteral("sAfter")).toString().left(30));
            }
            for (const QJsonValue &e : p.value(QStringLiteral("lSpellingErrors")).toArray()) {
                const QString mot = e.toObject().value(QStringLiteral("sValue")).toString();
                if (!motsPermis.contains(mot))
                    fautes << QStringLiteral("%1 : orthographe « %2 »").arg(origine, mot);
            }
        }
        for (const QString &f : std::as_const(fautes))
            qWarning().noquote() << f;
        QVERIFY2(fautes.isEmpty(), qPrintable(QStringLiteral("%1 faute(s)").arg(fautes.size())));
    }
};

QTEST_GUILESS_MAIN(TestFrancais)
#include "tst_francais.moc"
