#include "letter/remplacement.h"

#include "letter/casse.h"
#include "letter/composition.h"
#include "profiles/profile.h"

namespace {

QString marque(const char *nom)
{
    return QStringLiteral("___") + QLatin1String(nom) + QStringLiteral("___");
}

void remplacer(QString &t, const char *nom, const QString &valeur)
{
    t.replace(marque(nom), valeur, Qt::CaseInsensitive);
}

// "de ___X___" becomes "d'" or "de " followed by the value, by its first letter.
void remplacerAvecElision(QString &t, const char *nom, const QString &valeur)
{
    t.replace(QStringLiteral("de ") + marque(nom),
              (CommenceParVoyelle(valeur) ? QStringLiteral("d'") : QStringLiteral("de ")) + valeur,
              Qt::CaseInsensitive);
    remplacer(t, nom, valeur);
}

QString itemOuVide(const QStringList &items, int index)
{
    return (index >= 0 && index < items.size()) ? items.at(index) : QString();
}

// "J'ai " becomes "J'ai aussi ", and the lead-in's own "j'ai " likewise, first occurrence only.
QString ajouterAussi(QString s, Experiences::Categorie c)
{
    const auto premiere = [&s](const QString &avant, const QString &apres) {
        const qsizetype i = s.indexOf(avant);
        if (i >= 0)
            s.replace(i, avant.size(), apres);
    };
    premiere(QStringLiteral("J'ai "), QStringLiteral("J'ai aussi "));
    const QString introduction = Experiences::introduction(c);
    premiere(introduction + QStringLiteral("j'ai "), introduction + QStringLiteral("j'ai aussi "));
    return s;
}

} // namespace

PhrasesExperience ConstruirePhrasesExperience(const DonneesLettre &d)
{
    PhrasesExperience p;
    const Experiences &e = d.experiences;
    const Experiences::Categorie principale = e.categorie(d.experiencePrincipale);
    const QString introduction = Experiences::introduction(principale);
    p.rappel = Experiences::rappel(principale);
    p.premiere = introduction + ChangerCasse(d.experiencePrincipale, 1, true);

    const QString &seconde = d.experienceSeconde;
    if (seconde == d.experiencePrincipale) {
        p.memeChoix = true;
        return p;
    }
    const Experiences::Categorie c = e.categorie(seconde);
    if (seconde.isEmpty() || c == Experiences::Aucune)
        return p;
    if (Experiences::introduction(c) != introduction) {
        p.seconde = Experiences::introduction(c) + ChangerCasse(seconde, 1, true) + QStringLiteral(". ");
        // A main experience the profile no longer holds has no recap of its own: the second
        // one then stands alone rather than as "et mes …".
        p.rappel += (p.rappel.isEmpty() ? QString() : QStringLiteral(" et ")) + Experiences::rappel(c);
    } else {
        p.seconde = ChangerCasse(seconde, 0, true) + QStringLiteral(". ");
    }
    if (c == Experiences::Etudes || c == Experiences::PrecedentesMissions)
        p.seconde = ajouterAussi(p.seconde, c);
    return p;
}

ResultatRemplacement RemplacerChamps(const QString &modele, const DonneesLettre &d,
                                     const std::function<void()> &progression)
{
    if (progression)
        progression();
    QString t = modele;
    t.replace(u'’', u'\'');

    // The closing formula repeats the salutation, never the recipient's name.
    static const QStringList civilites{QString(), QStringLiteral(", Monsieur,"), QStringLiteral(", Madame,"),
                                       QStringLiteral(", Mademoiselle,")};
    remplacer(t, "TITRE_DESTINATAIRE", itemOuVide(civilites, d.titreDestinataire));
    remplacer(t, "SOCIETE", d.societe);
    const QString typeMission = itemOuVide(Profile::itemsTypeMission(), d.typeMission);
    remplacer(t, "TYPEMISSIONADV", itemOuVide(Profile::nomsTypeMission(), d.typeMission));
    remplacer(t, "TYPEMISSIONVERB", itemOuVide(Profile::verbesTypeMission(), d.typeMission));
    remplacer(t, "TYPEMISSIONNOM", typeMission);
    remplacer(t, "PRECCONTACT", d.phraseContact);
    remplacer(t, "SECTEUR", d.phraseSecteur);
    remplacer(t, "PUBLICATIONOFFRE", d.publicationOffre);
    remplacer(t, "REFOFFRE", d.referenceOffre);
    remplacerAvecElision(t, "INTITULEMISSION", d.intituleOffre);
    remplacerAvecElision(t, "RECOMMANDATIONS", d.nomContact);
    remplacer(t, "SERVICE", d.service);
    remplacer(t, "FONCTIONACTUELLE", d.fonctionActuelle);
    remplacer(t, "DATEDISPO", DateDisponibilite(d.moisDispo, d.anneeDispo, d.aujourdhui));
    remplacer(t, "TYPEMISSIONNOM2",
              typeMission == QLatin1String("un emploi") ? QStringLiteral("un emploi") : QStringLiteral("une mission"));

    const PhrasesExperience phrases = ConstruirePhrasesExperience(d);
    remplacer(t, "EXP1", phrases.premiere);
    remplacer(t, "EXP2", phrases.seconde);
    remplacer(t, "PRECEXPERIENCES", phrases.rappel);
    if (progression)
        progression();

    const bool masculin = d.titreCandidat == 0;
    const std::pair<const char *, std::pair<const char *, const char *>> genres[] = {
        {"[é|ée]", {"é", "ée"}}, {"[|e]", {"", "e"}}, {"[|le]", {"", "le"}}, {"[x|se]", {"x", "se"}}};
    for (const auto &[forme, terminaisons] : genres)
        t.replace(QString::fromUtf8(forme), QString::fromUtf8(masculin ? terminaisons.first : terminaisons.second));

    return {t, phrases.memeChoix};
}
