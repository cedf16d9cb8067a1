#include "letter/composeur.h"

#include "letter/casse.h"
#include "letter/composition.h"
#include "letter/corpus.h"
#include "letter/detailscandidature.h"
#include "letter/formatlettre.h"
#include "letter/remplacement.h"
#include "letter/tirage.h"

#include <QDir>
#include <QTextCursor>

namespace {

// Writes the letter line after line, each line a paragraph in the format in force.
class Redaction
{
public:
    explicit Redaction(QTextDocument &document) : m_curseur(&document)
    {
        AttributsTexte attributs;
        attributs.police = QStringLiteral("Tahoma");
        attributs.taille = 11;
        FormatLettre::ecrireAttributs(m_texte, attributs);
        m_format.alignement = AttributsParagraphe::Justifie;
        m_format.droite = 11;
    }

    void retraits(int premiereLigne, int gauche)
    {
        m_format.premiereLigne = premiereLigne;
        m_format.gauche = gauche;
    }

    void ligne(const QString &texte, int soulignes = 0)
    {
        QTextBlockFormat bloc;
        FormatLettre::ecrireParagraphe(bloc, m_format, 1.0);
        if (m_premiere) {
            m_curseur.setBlockFormat(bloc);
            m_curseur.setBlockCharFormat(m_texte);
            m_premiere = false;
        } else {
            m_curseur.insertBlock(bloc, m_texte);
        }
        if (soulignes > 0) {
            QTextCharFormat souligne = m_texte;
            souligne.setFontUnderline(true);
            m_curseur.insertText(texte.left(soulignes), souligne);
        }
        m_curseur.insertText(texte.mid(soulignes), m_texte);
    }

private:
    QTextCursor m_curseur;
    QTextCharFormat m_texte;
    AttributsParagraphe m_format;
    bool m_premiere = true;
};

} // namespace

QString TirerTemplate(int paragraphe, const QString &textes, const ReponsesSelection &reponses,
                      const EtapesSelection &etapes)
{
    Tirage tirage(Tirage::graineDepuisHorloge());
    const QStringList candidats =
        ConstruireListeCandidats(textes + QStringLiteral("Paragraphe%1.ini").arg(paragraphe), reponses, etapes);
    if (candidats.isEmpty())
        throw ErreurCorpus(QStringLiteral("Aucun texte ne convient au paragraphe %1 de la lettre.").arg(paragraphe));
    const QString numero = candidats.at(tirage.tirer(int(candidats.size())));
    const QString chemin = textes + QStringLiteral("Paragraphe%1/%2.txt").arg(paragraphe).arg(numero);
    const std::optional<FichierTemplate> fichier = LireTemplate(chemin);
    if (!fichier)
        throw ErreurCorpus(QStringLiteral("Impossible de lire le texte %1").arg(QDir::toNativeSeparators(chemin)));
    return fichier->texte;
}

namespace {

void marquerEnRouge(QTextDocument &document)
{
    QTextCharFormat rouge;
    rouge.setForeground(QColor(255, 0, 0));
    for (QTextCursor c = document.find(MarqueACompleter, 0, QTextDocument::FindWholeWords); !c.isNull();
         c = document.find(MarqueACompleter, c, QTextDocument::FindWholeWords))
        c.mergeCharFormat(rouge);
}

} // namespace

LettreComposee ComposerLettre(const DonneesLettre &donnees, const QString &dossierTravail,
                              const EtapesSelection &etapes)
{
    LettreComposee lettre;
    lettre.document = std::make_unique<QTextDocument>();
    QTextDocument &document = *lettre.document;
    document.setDefaultFont(QFont(QStringLiteral("Tahoma"), 11));
    const auto progression = etapes.progression ? etapes.progression : [] {};
    // The corpus is deleted however the composition ends.
    struct Nettoyage
    {
        QString textes;
        ~Nettoyage() { SupprimerDossier(textes); }
    } nettoyage{dossierTravail + QStringLiteral("Textes")};
    InstallerCorpus(dossierTravail, progression);

    const QString titre = DetailsCandidature::titresDestinataire().value(donnees.titreDestinataire);
    lettre.sujet = SujetLettre(DetailsCandidature::typesCandidature().value(donnees.typeCandidature),
                               donnees.referenceOffre, donnees.intituleOffre);
    const QStringList expediteur{
        donnees.prenom + u' ' + donnees.nom,
        donnees.adresse + QStringLiteral(", ") + donnees.codePostal + u' ' + donnees.ville,
        donnees.telephone,
        donnees.courriel,
    };

    Redaction r(document);
    if (!donnees.parCourriel()) {
        for (const QString &l : expediteur)
            r.ligne(l);
        r.ligne(QString());
        r.ligne(QString());
        r.retraits(240, 0);
        r.ligne(ChangerCasse(donnees.societe, 4, false));
        r.ligne(LigneDestinataire(titre, donnees.nomDestinataire, donnees.tailleEntreprise));
        r.ligne(QString());
        r.ligne(LigneDate(donnees.ville, donnees.aujourdhui));
        r.ligne(QString());
        r.ligne(QString());
        r.retraits(0, 0);
        r.ligne(QStringLiteral("Objet : ") + lettre.sujet, 5);
        r.ligne(QString());
    }

    // The salutation and the four paragraphs hang by 28 points.
    r.retraits(28, -28);
    r.ligne(Salutation(titre));
    r.ligne(QString());
    const QString textes = dossierTravail + QStringLiteral("Textes/");
    DonneesLettre d = donnees;
    for (int numero : {1, 2, 4, 5}) {
        const QString modele = TirerTemplate(numero, textes, d.reponsesSelection(), etapes);
        const ResultatRemplacement rempli = RemplacerChamps(modele, d, progression);
        if (rempli.oublierSecondeExperience) {
            // From then on the letter goes on as if no second experience had been chosen.
            d.experienceSeconde.clear();
            lettre.oublierSecondeExperience = true;
        }
        r.ligne(rempli.texte);
        r.ligne(QString());
    }
    r.ligne(QString());

    if (donnees.parCourriel()) {
        r.retraits(0, 0);
        r.ligne(QStringLiteral("--------"));
        for (const QString &l : expediteur)
            r.ligne(l);
    } else {
        r.retraits(240, -28);
        r.ligne(expediteur.first());
    }
    marquerEnRouge(document);
    document.setModified(false);
    return lettre;
}
