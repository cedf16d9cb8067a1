#include "corpustest.h"
#include "letter/casse.h"
#include "letter/composeur.h"
#include "letter/composition.h"
#include "letter/detailscandidature.h"
#include "letter/tirage.h"
#include "profiles/profile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Whole letters, as the composer writes them for a spread of answers, go through
// the French grammar checker in one run. What the user typed is the user's business; every
// other remark is a fault of the program, except the few phrases it writes on purpose,
// each named below with its reason.
namespace {

// One application: the answers a letter is generated from.
struct Candidature
{
    int titreCandidat;    // CombTitre: 0 Mr., 1 Mme., 2 Mlle.
    int type;             // sComboBox2
    int typeMission;      // CombTypeMission
    int contact;          // CombPrecedentContact
    int destinataire;     // index in destinataires()
    bool service;         // sEdit3 filled
    int taille;           // sComboBox6
    int principale;       // sComboBox8
    int seconde;          // sComboBox3 (0 is the empty item)
    int offre;            // 0 reference, title and publication given, 1 title only, 2 nothing
    int secteur;          // CombSecteur
    int societe;          // index in societes()
    int nomContact;       // index in nomsContact(), the last one empty
};

struct Destinataire
{
    int titre; // sComboBox4: 0 "?", 1 Mr., 2 Mme., 3 Mlle.
    QString nom;
};

const QList<Destinataire> &destinataires()
{
    static const QList<Destinataire> l{{0, QString()},
                                       {1, QStringLiteral("martin")},
                                       {2, QStringLiteral("Lefèvre")},
                                       {3, QStringLiteral("Roux")},
                                       {1, QString()},
                                       {2, QString()}};
    return l;
}

// Companies the user might type; two begin with a vowel.
const QStringList &societes()
{
    static const QStringList l{QStringLiteral("FRANCE TELECOM"), QStringLiteral("Durand Industries"),
                               QStringLiteral("Océalis"), QStringLiteral("Atelier Vidal")};
    return l;
}

const QStringList &nomsContact()
{
    static const QStringList l{QStringLiteral("Alain Robert"), QStringLiteral("Isabelle Moreau"), QString()};
    return l;
}

// A small generator of our own, so that the plan is the same on every machine.
struct Melangeur
{
    quint32 etat = 20270601u;
    int suivant(int n)
    {
        etat = etat * 1664525u + 1013904223u;
        return int((quint64(etat) * quint64(n)) >> 32);
    }
    // The values, each repeated by its weight, in a shuffled order.
    QList<int> suite(const QList<int> &poids)
    {
        QList<int> r;
        for (int v = 0; v < poids.size(); ++v)
            for (int k = 0; k < poids.at(v); ++k)
                r << v;
        for (int i = int(r.size()) - 1; i > 0; --i)
            r.swapItemsAt(i, suivant(i + 1));
        return r;
    }
};

// A covering plan rather than every combination: each factor's values are spread evenly
// over the letters, each in its own shuffled order, so every value comes several times and
// in varied company.
QList<Candidature> plan()
{
    constexpr int N = 48;
    Melangeur m;
    const QList<int> titres = m.suite({24, 16, 8});
    const QList<int> types = m.suite({12, 12, 12, 12});
    const QList<int> missions = m.suite({10, 10, 10, 9, 9});
    QList<int> contacts = m.suite({13, 5, 5, 5, 5, 5, 5, 5});
    const QList<int> dest = m.suite({8, 8, 8, 8, 8, 8});
    const QList<int> services = m.suite({24, 24});
    const QList<int> tailles = m.suite({16, 16, 16});
    const QList<int> principales = m.suite({16, 16, 16});
    const QList<int> secondes = m.suite({12, 12, 12, 12});
    const QList<int> offres = m.suite({16, 16, 16});
    const QList<int> societesTirees = m.suite({12, 12, 12, 12});
    const QList<int> noms = m.suite({16, 16, 16});
    // A previous contact can only be chosen for a recipient with a title: such a letter
    // trades its contact with one that has none.
    for (int i = 0; i < N; ++i) {
        if (destinataires().at(dest.at(i)).titre != 0 || contacts.at(i) == 0)
            continue;
        for (int j = 0; j < N; ++j)
            if (contacts.at(j) == 0 && destinataires().at(dest.at(j)).titre != 0) {
                contacts.swapItemsAt(i, j);
                break;
            }
    }
    const int nombreSecteurs = int(DetailsCandidature::secteurs().size());
    QList<Candidature> r;
    for (int i = 0; i < N; ++i)
        r << Candidature{titres.at(i), types.at(i), missions.at(i), contacts.at(i), dest.at(i), services.at(i) == 1,
                         tailles.at(i), principales.at(i), secondes.at(i), offres.at(i),
                         (i * 37 + 11) % nombreSecteurs, societesTirees.at(i), noms.at(i)};
    return r;
}

QString decrire(const Candidature &c)
{
    return QStringLiteral("titre %1, type %2, poste %3, contact %4, destinataire %5, service %6, taille %7, "
                          "expériences %8/%9, offre %10, secteur %11")
        .arg(c.titreCandidat)
        .arg(c.type)
        .arg(c.typeMission)
        .arg(c.contact)
        .arg(c.destinataire)
        .arg(c.service ? 1 : 0)
        .arg(c.taille)
        .arg(c.principale)
        .arg(c.seconde)
        .arg(c.offre)
        .arg(c.secteur);
}

// One checked paragraph: a line of a letter, where it comes from, and the texts in it
// that the user typed.
struct Ligne
{
    QString texte, origine;
    QStringList saisies;
};

// Whether the checker's remark [debut, fin[ lies inside something the user typed.
bool dansUneSaisie(const Ligne &l, int debut, int fin)
{
    for (const QString &s : l.saisies) {
        if (s.isEmpty())
            continue;
        for (qsizetype i = l.texte.indexOf(s, 0, Qt::CaseInsensitive); i >= 0;
             i = l.texte.indexOf(s, i + 1, Qt::CaseInsensitive))
            if (debut >= i && fin <= i + s.size())
                return true;
    }
    return false;
}

// A remark the checker makes on a phrase the program writes on purpose: the rule (part of
// its identifier, or "orthographe" for an unknown word), the whole underlined text, and the
// start of the lines it is limited to.
struct Exception
{
    QString regle;
    QRegularExpression souligne;
    QString debutLigne;

    bool couvre(const QString &r, const QString &s, const QString &ligne) const
    {
        return r.contains(regle) && souligne.match(s).hasMatch() && ligne.startsWith(debutLigne);
    }
};

QRegularExpression entier(const QString &motif)
{
    return QRegularExpression(QStringLiteral("^(?:") + motif + QStringLiteral(")$"),
                              QRegularExpression::UseUnicodePropertiesOption);
}

const QList<Exception> &exceptions()
{
    static const QList<Exception> l{
        // The corpus and the program's own lists ("d'emploi", "de l'Aéronautique") write the
        // keyboard's plain apostrophe, some texts the typographic one: both are correct
        // French. Only a plain apostrophe closing an elided word is let through.
        {QStringLiteral("apostrophe_typographique"), entier(QStringLiteral("\\w+'")), QString()},
        // The texts of paragraphs 1 and 2 keep their final blank, which goes into the letter
        // as it stands. One blank, at the end of the line, nothing more.
        {QStringLiteral("esp_fin_ligne"), entier(QStringLiteral(" ")), QString()},
        // The texts put an ordinary space before ":" and ";": the French spacing is there,
        // only its unbreakable kind is not. A colon or semicolon without space still counts.
        {QStringLiteral("nbsp_avant_deux_points"), entier(QStringLiteral(" :")), QString()},
        {QStringLiteral("nbsp_avant_double_ponctuation"), entier(QStringLiteral(" ;")), QString()},
        // The subject line quotes the offer's title between straight double quotation marks.
        {QStringLiteral("typo_guillemets_typographiques_doubles_"), entier(QStringLiteral("\"")),
         QStringLiteral("Objet : ")},
        // The sector phrases that the dictionary does not know: "du BTP", "du consulting".
        {QStringLiteral("orthographe"), entier(QStringLiteral("BTP|consulting")), QString()},
    };
    return l;
}

const QStringList &phrasesImposees()
{
    // Words the letter takes from the program's lists and the experience lead-ins, not from
    // a template; the closing formula's title.
    static const QStringList l = [] {
        QStringList r = DetailsCandidature::phrasesSecteur() + DetailsCandidature::phrasesContact()
            + Profile::itemsTypeMission() + Profile::verbesTypeMission() + Profile::nomsTypeMission();
        r << QStringLiteral("Durant mes études") << QStringLiteral("Au cours de mes précédentes missions")
          << QStringLiteral("En ce moment") << QStringLiteral("mes études") << QStringLiteral("mes précédentes missions")
          << QStringLiteral("mon travail actuel") << QStringLiteral("une mission") << QStringLiteral("Madame")
          << QStringLiteral("Monsieur") << QStringLiteral("Mademoiselle") << QStringLiteral("à présent");
        for (const QString &mois : Profile::itemsMoisDispo())
            r << mois.toLower();
        // Longest first, so that a phrase goes before the shorter phrases inside it.
        std::sort(r.begin(), r.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
        return r;
    }();
    return l;
}

// What a careful writer never lets through in a whole letter: the fixed lines as French
// writes them, one kind of apostrophe, the formula without the recipient's name, no content
// word of our templates more than twice. The imposed example texts are not counted.
QStringList fautesDeLaLettre(const QStringList &lignes, const Destinataire &d, const QStringList &saisies)
{
    QStringList fautes;
    const QString lettre = lignes.join(u'\n');
    if (lettre.contains(u'’'))
        fautes << QStringLiteral("apostrophes de deux sortes");
    static const QRegularExpression moisMajuscule(QStringLiteral("dès (") + Profile::itemsMoisDispo().join(u'|')
                                                  + u')');
    if (lettre.contains(moisMajuscule))
        fautes << QStringLiteral("mois de disponibilité en majuscule");
    const qsizetype salutation = lignes.indexOf(Salutation(DetailsCandidature::titresDestinataire().at(d.titre)));
    if (salutation < 0)
        fautes << QStringLiteral("salutation absente ou mal écrite");
    const bool postale = lignes.value(0) != lignes.value(salutation);
    if (postale && !lettre.contains(QStringLiteral("\nObjet : ")))
        fautes << QStringLiteral("ligne d'objet");
    const QString nom = d.nom.isEmpty() ? QString() : d.nom.at(0).toUpper() + d.nom.mid(1);
    if (postale && !nom.isEmpty()) {
        static const QStringList abreviations{QString(), QStringLiteral("M."), QStringLiteral("Mme"),
                                              QStringLiteral("Mlle")};
        if (!lignes.contains(QStringLiteral("À l'attention de ") + abreviations.at(d.titre) + u' ' + nom))
            fautes << QStringLiteral("ligne du destinataire");
    }
    const QStringList corps = lignes.mid(salutation + 1);
    if (!nom.isEmpty() && corps.join(u' ').contains(nom))
        fautes << QStringLiteral("le nom du destinataire dans le corps de la lettre");

    static const QStringList imposes{QStringLiteral("a retenu toute mon attention. Je suis actuellement"),
                                     QStringLiteral("ce qui me rend apte à mener à bien"),
                                     QStringLiteral("panel de missions enrichissant"),
                                     QStringLiteral("de façon plus approfondie"),
                                     QStringLiteral("Afin de vous donner de plus amples renseignements")};
    QHash<QString, int> compte;
    for (QString paragraphe : corps) {
        if (std::any_of(imposes.cbegin(), imposes.cend(), [&](const QString &i) { return paragraphe.contains(i); }))
            continue;
        for (const QString &s : saisies) {
            paragraphe.remove(s, Qt::CaseInsensitive);
            // A second experience comes with "aussi" after its "j'ai".
            paragraphe.remove(QString(s).replace(QStringLiteral("j'ai "), QStringLiteral("j'ai aussi ")),
                              Qt::CaseInsensitive);
        }
        for (const QString &p : phrasesImposees())
            paragraphe.remove(p);
        for (const QString &r : CorpusTest::motsDeContenu(paragraphe))
            ++compte[r];
    }
    for (auto it = compte.cbegin(); it != compte.cend(); ++it)
        if (it.value() > 2)
            fautes << QStringLiteral("« %1 » %2 fois").arg(it.key()).arg(it.value());
    return fautes;
}

} // namespace

class TestLettresFrancais : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dossier;
    int m_lettre = 0;
    int m_appel = 0;

    // The example profile answering one application, as the main window reads it once the
    // empty offer fields are marked and the names capitalised.
    static DonneesLettre repondre(const Candidature &c)
    {
        Profile profil;
        profil.remplirExemple();
        profil.definirChoix("CombTitre", c.titreCandidat);
        profil.definirChoix("CombTypeMission", c.typeMission);
        DonneesLettre d;
        d.reprendreProfil(profil);
        d.typeCandidature = c.type;
        const bool offre = c.type == 1 || c.type == 3;
        const auto ouMarque = [](const QString &s) { return s.isEmpty() ? MarqueACompleter : s; };
        d.referenceOffre = ouMarque(offre && c.offre == 0 ? QStringLiteral("RH-2027-14") : QString());
        d.intituleOffre = ouMarque(offre && c.offre <= 1 ? QStringLiteral("assistant marketing") : QString());
        d.publicationOffre = ouMarque(offre && c.offre == 0 ? QStringLiteral("le site de l'Apec") : QString());
        d.nomContact = ouMarque(nomsContact().at(c.nomContact));
        d.phraseSecteur = DetailsCandidature::phrasesSecteur().at(c.secteur);
        const QStringList experiences = d.experiences.liste();
        d.experiencePrincipale = experiences.at(c.principale);
        d.experienceSeconde = c.seconde == 0 ? QString() : experiences.at(c.seconde - 1);
        d.societe = ChangerCasse(societes().at(c.societe), 0, false);
        d.tailleEntreprise = c.taille;
        d.service = c.service ? QStringLiteral("marketing") : QString();
        const Destinataire &dest = destinataires().at(c.destinataire);
        d.titreDestinataire = dest.titre;
        d.nomDestinataire = dest.titre != 0 ? ChangerCasse(dest.nom, 0, false) : QString();
        d.precedentContact = c.contact;
        d.phraseContact = DetailsCandidature::phrasesContact().at(c.contact);
        return d;
    }

    // Everything of the letter that the user typed rather than the program wrote.
    static QStringList saisies(const DonneesLettre &d)
    {
        QStringList s{MarqueACompleter, d.prenom, d.nom, d.adresse, d.codePostal, d.ville, d.telephone, d.courriel,
                      d.societe, d.nomDestinataire, d.service, d.referenceOffre, d.intituleOffre, d.publicationOffre,
                      d.nomContact, d.fonctionActuelle};
        // The experiences enter the letter without their first capital and final full stop.
        for (QString t : d.experiences.memos) {
            if (t.endsWith(u'.'))
                t.chop(1);
            s << t;
        }
        s.removeAll(QString());
        return s;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dossier.isValid());
        // Each letter has its own time of day, and each paragraph a step further.
        RemplacerHorloge([this] { return QTime(8, 0).addSecs(m_lettre * 97).addMSecs(m_appel += 7919); });
    }
    void cleanupTestCase() { RemplacerHorloge({}); }

    void sansFaute()
    {
        const QString correcteur = QStandardPaths::findExecutable(QStringLiteral("grammalecte-cli"));
        QVERIFY2(!correcteur.isEmpty(), "grammalecte-cli is missing: scripts/setup.sh installs it");

        const QString travail = m_dossier.filePath(QStringLiteral("Vendelair/"));
        QVERIFY(QDir().mkpath(travail));
        QList<Ligne> lignes;
        QStringList redaction, lettres;
        const QList<Candidature> candidatures = plan();
        for (m_lettre = 0; m_lettre < candidatures.size(); ++m_lettre) {
            const Candidature &c = candidatures.at(m_lettre);
            m_appel = 0;
            const DonneesLettre d = repondre(c);
            const QStringList tapes = saisies(d);
            const QStringList texte = ComposerLettre(d, travail).document->toRawText().split(QChar(0x2029));
            lettres << QStringLiteral("=== Lettre %1 (%2)\n").arg(m_lettre + 1).arg(decrire(c)) + texte.join(u'\n');
            for (const QString &f : fautesDeLaLettre(texte, destinataires().at(c.destinataire), tapes))
                redaction << QStringLiteral("lettre %1 (%2) : %3").arg(m_lettre + 1).arg(decrire(c), f);
            for (int n = 0; n < texte.size(); ++n)
                if (!texte.at(n).isEmpty())
                    lignes << Ligne{texte.at(n),
                                    QStringLiteral("lettre %1 (%2), ligne %3").arg(m_lettre + 1).arg(decrire(c)).arg(n + 1),
                                    tapes};
        }

        // VENDELAIR_LETTRES names a file that receives the letters, for reading them as a
        // recruiter would.
        if (const QString sortie = qEnvironmentVariable("VENDELAIR_LETTRES"); !sortie.isEmpty()) {
            QFile f(sortie);
            if (f.open(QIODevice::WriteOnly))
                f.write(lettres.join(QStringLiteral("\n\n")).toUtf8() + '\n');
        }
        for (const QString &f : std::as_const(redaction))
            qWarning().noquote() << f;
        QVERIFY2(redaction.isEmpty(), qPrintable(QStringLiteral("%1 faute(s) de rédaction").arg(redaction.size())));

        QTemporaryDir dossier;
        QFile fichier(dossier.filePath(QStringLiteral("lettres.txt")));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        QStringList textes;
        for (const Ligne &l : std::as_const(lignes))
            textes << l.texte;
        fichier.write(textes.join(QStringLiteral("\n\n")).toUtf8() + '\n');
        fichier.close();

        QProcess processus;
        processus.start(correcteur, {"-f", fichier.fileName(), "-j", "-ctx", "-owe"});
        QVERIFY(processus.waitForFinished(120000));
        const QJsonDocument doc = QJsonDocument::fromJson(processus.readAllStandardOutput());
        QVERIFY2(doc.isObject(), "grammalecte-cli gave no JSON");

        QStringList fautes;
        for (const QJsonValue &v : doc.object().value(QStringLiteral("data")).toArray()) {
            const QJsonObject paragraphe = v.toObject();
            const int index = (paragraphe.value(QStringLiteral("iParagraph")).toInt() - 1) / 2;
            if (index < 0 || index >= lignes.size()) {
                fautes << QStringLiteral("paragraphe inattendu %1").arg(index);
                continue;
            }
            const Ligne &l = lignes.at(index);
            const auto remarque = [&](const QJsonObject &o, const QString &regle, const QString &message) {
                const int debut = o.value(QStringLiteral("nStart")).toInt();
                const int fin = o.value(QStringLiteral("nEnd")).toInt();
                const QString souligne = l.texte.mid(debut, fin - debut);
                if (dansUneSaisie(l, debut, fin))
                    return;
                for (const Exception &e : exceptions())
                    if (e.couvre(regle, souligne, l.texte))
                        return;
                fautes << QStringLiteral("%1 : %2 [%3] « %4[%5]%6 »")
                              .arg(l.origine, message, regle, l.texte.mid(qMax(0, debut - 40), qMin(debut, 40)),
                                   souligne, l.texte.mid(fin, 40));
            };
            for (const QJsonValue &e : paragraphe.value(QStringLiteral("lGrammarErrors")).toArray())
                remarque(e.toObject(), e.toObject().value(QStringLiteral("sRuleId")).toString(),
                         e.toObject().value(QStringLiteral("sMessage")).toString());
            for (const QJsonValue &e : paragraphe.value(QStringLiteral("lSpellingErrors")).toArray())
                remarque(e.toObject(), QStringLiteral("orthographe"), QStringLiteral("mot inconnu"));
        }
        for (const QString &f : std::as_const(fautes))
            qWarning().noquote() << f;
        QVERIFY2(fautes.isEmpty(), qPrintable(QStringLiteral("%1 faute(s) dans %2 lettres").arg(fautes.size()).arg(candidatures.size())));
    }
};

QTEST_GUILESS_MAIN(TestLettresFrancais)
#include "tst_lettresfrancais.moc"
