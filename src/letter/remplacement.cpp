#include "letter/remplacement.h"

#include "letter/casse.h"
#include "letter/composition.h"
#include "letter/detailscandidature.h"
#include "profiles/profile.h"

#include <QHash>
#include <QRegularExpression>

namespace {

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

    // The template's own marks first: the applicant's gender endings.
    const bool masculin = d.titreCandidat == 0;
    const std::pair<const char *, std::pair<const char *, const char *>> genres[] = {
        {"[é|ée]", {"é", "ée"}}, {"[|e]", {"", "e"}}, {"[|le]", {"", "le"}}, {"[x|se]", {"x", "se"}}};
    for (const auto &[forme, terminaisons] : genres)
        t.replace(QString::fromUtf8(forme), QString::fromUtf8(masculin ? terminaisons.first : terminaisons.second));

    // The closing formula repeats the salutation, never the recipient's name.
    const QString civilite = Civilite(DetailsCandidature::titresDestinataire().value(d.titreDestinataire));
    const QString typeMission = Profile::itemsTypeMission().value(d.typeMission);
    const PhrasesExperience phrases = ConstruirePhrasesExperience(d);
    const QHash<QString, QString> valeurs{
        {QStringLiteral("TITRE_DESTINATAIRE"), civilite.isEmpty() ? QString() : QStringLiteral(", ") + civilite + u','},
        {QStringLiteral("SOCIETE"), d.societe},
        {QStringLiteral("TYPEMISSIONADV"), Profile::nomsTypeMission().value(d.typeMission)},
        {QStringLiteral("TYPEMISSIONVERB"), Profile::verbesTypeMission().value(d.typeMission)},
        {QStringLiteral("TYPEMISSIONNOM"), typeMission},
        {QStringLiteral("PRECCONTACT"), d.phraseContact},
        {QStringLiteral("SECTEUR"), d.phraseSecteur},
        {QStringLiteral("PUBLICATIONOFFRE"), d.publicationOffre},
        {QStringLiteral("REFOFFRE"), d.referenceOffre},
        {QStringLiteral("INTITULEMISSION"), d.intituleOffre},
        {QStringLiteral("RECOMMANDATIONS"), d.nomContact},
        {QStringLiteral("SERVICE"), d.service},
        {QStringLiteral("FONCTIONACTUELLE"), d.fonctionActuelle},
        {QStringLiteral("DATEDISPO"), DateDisponibilite(d.moisDispo, d.anneeDispo, d.aujourdhui)},
        {QStringLiteral("TYPEMISSIONNOM2"), typeMission == QLatin1String("un emploi") ? QStringLiteral("un emploi")
                                                                                        : QStringLiteral("une mission")},
        {QStringLiteral("EXP1"), phrases.premiere},
        {QStringLiteral("EXP2"), phrases.seconde},
        {QStringLiteral("PRECEXPERIENCES"), phrases.rappel},
    };

    // Then every placeholder, matched without regard to case, in one pass over the template:
    // what the user typed goes in as it stands and is never read again for marks. "de"
    // before the offer's title and the recommending person's name elides.
    static const QRegularExpression marque(QStringLiteral("(\\bde )?___([A-Za-z0-9_]+?)___"),
                                           QRegularExpression::CaseInsensitiveOption);
    QString rempli;
    qsizetype fin = 0;
    for (const QRegularExpressionMatch &m : marque.globalMatch(t)) {
        const QString nom = m.captured(2).toUpper();
        const auto valeur = valeurs.constFind(nom);
        if (valeur == valeurs.constEnd())
            continue;
        rempli += QStringView(t).mid(fin, m.capturedStart() - fin);
        QString de = m.captured(1);
        if (!de.isEmpty() && (nom == QLatin1String("INTITULEMISSION") || nom == QLatin1String("RECOMMANDATIONS")))
            de = CommenceParVoyelle(*valeur) ? QStringLiteral("d'") : QStringLiteral("de ");
        rempli += de + *valeur;
        fin = m.capturedEnd();
    }
    rempli += QStringView(t).mid(fin);
    if (progression)
        progression();
    return {rempli, phrases.memeChoix};
}
