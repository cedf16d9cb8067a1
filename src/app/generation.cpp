// The Generate command: checks the answers, installs the corpus, writes the whole letter
// into the editor line by line, marks what is left to fill in and removes the corpus.

#include "app/panneaucandidature.h"
#include "app/tform1.h"
#include "app/demarrage.h"
#include "editor/panneauediteur.h"
#include "letter/casse.h"
#include "letter/composition.h"
#include "letter/corpus.h"
#include "editor/editor.h"
#include "platform/systeme.h"
#include "widgets/ecran.h"
#include "app/tform2.h"
#include "widgets/sbitbtn.h"
#include "widgets/scombobox.h"
#include "widgets/sedit.h"
#include "widgets/sgauge.h"
#include "widgets/spanel.h"
#include "widgets/tformsdialog.h"

#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLockFile>
#include <QTextDocument>

#include <functional>
#include <optional>

namespace {

const QString Marque = QStringLiteral("XXXXXXXX");

// Clears the generation guard however the command ends.
struct Garde
{
    bool &drapeau;
    explicit Garde(bool &d) : drapeau(d) { drapeau = true; }
    ~Garde() { drapeau = false; }
};

void capitaliser(SEdit *edit)
{
    edit->setText(ChangerCasse(edit->text(), 0, false));
}

} // namespace

bool TForm1::verifierReponses()
{
    PanneauCandidature *p = PanGauche;
    struct Verification
    {
        bool remplie;
        QLabel *legende;
        QString ligne1, ligne2;
        QWidget *focus;
    };
    const Verification verifications[] = {
        {!p->EdSociete->text().isEmpty(), p->sLabel12,
         QStringLiteral("Vous devez tout d'abord saisir le nom de la société ciblée."), QString(), p->EdSociete},
        {!p->CombSecteur->currentText().isEmpty(), p->sLabel11,
         QStringLiteral("Vous devez tout d'abord sélectionner le secteur recherché."), QString(), p->CombSecteur},
        {p->sComboBox2->currentIndex() >= 0, p->sLabel2,
         QStringLiteral("Vous devez tout d'abord sélectionner le type de candidature."), QString(), p->sComboBox2},
        {sComboBox8->currentIndex() >= 0, p->Label2, QStringLiteral("Vous devez tout d'abord sélectionner"),
         QStringLiteral("une expérience en adéquation avec le poste."), sComboBox8},
    };
    for (const Verification &v : verifications) {
        if (v.remplie)
            continue;
        FlashLabel(v.legende);
        FormsDialog->ShowsDialog(v.ligne1, v.ligne2, QString(), false);
        v.focus->setFocus();
        return false;
    }
    return true;
}

void TForm1::sBitBtn3Click()
{
    Label3EnGras();
    if (GenerationEnCours)
        return;
    PanneauCandidature *p = PanGauche;
    // The offer's fields left empty are marked for the user to fill in the letter.
    for (SEdit *e : {p->EdRefOffre, p->EdIntituleOffre, p->EdOffrePublieeSur, p->EdNomPrecContact})
        if (e->text().isEmpty())
            e->setText(Marque);
    if (!verifierReponses())
        return;

    Garde garde(GenerationEnCours);
    // The temporary folder is checked again now: it may have been replaced since the start.
    // Two running programs share the working folder in it: one writes its corpus there and
    // deletes it again while the other waits, so neither reads a half tree.
    QString pourquoi;
    const QString temporaire = DossierTemporaire(&pourquoi);
    std::optional<QLockFile> verrou;
    if (!temporaire.isEmpty()) {
        verrou.emplace(temporaire + QStringLiteral("Vendelair.lock"));
        verrou->setStaleLockTime(30000);
        if (!verrou->tryLock(10000)) {
            AfficherErreurStandard(this, QStringLiteral("Un autre Vendelair prépare une lettre en ce moment : "
                                                        "réessayez dans un instant."));
            return;
        }
    }
    try {
        ecrireLettre(temporaire, pourquoi);
    } catch (const ErreurCorpus &e) {
        abandonnerGeneration(e.message());
    } catch (const std::exception &e) {
        abandonnerGeneration(QString::fromLocal8Bit(e.what()));
    }
}

void TForm1::abandonnerGeneration(const QString &message)
{
    if (!WorkFolder.isEmpty())
        SupprimerDossier(WorkFolder + QStringLiteral("Textes"));
    PanProgression->hide();
    AfficherErreurStandard(this, message);
}

void TForm1::ecrireLettre(const QString &temporaire, const QString &pourquoi)
{
    PanneauCandidature *p = PanGauche;
    for (SEdit *e : {p->EdSociete, p->sEdit1, Form2->EdPrenom, Form2->EdNom, Form2->EdVille})
        capitaliser(e);

    BarreProgression->setProgress(0);
    PanProgression->show();
    PanProgression->raise();

    if (temporaire.isEmpty())
        throw ErreurCorpus(pourquoi);
    QString raison;
    WorkFolder = temporaire + QStringLiteral("Vendelair/");
    if (!CreerDossierPrive(WorkFolder, &raison))
        throw ErreurCorpus(QStringLiteral("Impossible de créer le dossier de travail %1 : %2.")
                               .arg(QDir::toNativeSeparators(WorkFolder), raison));
    InstallerCorpus(WorkFolder, [this] { Progression(); });

    // A blank page in the letter's font, scaled to the editor's width.
    Editor->vider();
    Editor->definirPoliceDeBase(QStringLiteral("Tahoma"), 11);
    AttributsTexte texte;
    texte.police = QStringLiteral("Tahoma");
    texte.taille = 11;
    Editor->definirAttributsParDefaut(texte);
    Editor->definirZoom(Editor->width() * 100 / 642);
    AttributsParagraphe format;
    format.alignement = AttributsParagraphe::Justifie;
    format.droite = 11;
    const auto paragraphe = [this, &format](int premiereLigne, int gauche) {
        format.premiereLigne = premiereLigne;
        format.gauche = gauche;
        Editor->definirParagrapheSelection(format);
    };
    paragraphe(0, 0);
    if (!PanDroite->BoutPolices->estEnfonce())
        PanDroite->BoutPolicesClick();

    LetterSubject = SujetLettre(p->sComboBox2->currentText(), p->EdRefOffre->text(), p->EdIntituleOffre->text());

    const Profile profil = Form2->profilCourant();
    const QStringList expediteur{
        profil.valeur("EdPrenom") + u' ' + profil.valeur("EdNom"),
        profil.valeur("EdAdresse") + QStringLiteral(", ") + profil.valeur("EdCodePostal") + u' ' +
            profil.valeur("EdVille"),
        profil.valeur("EdTelephone"),
        profil.valeur("EdMail"),
    };
    const bool courriel = p->sComboBox2->currentIndex() >= 2;
    const auto ligne = [this](const QString &t) { Editor->ajouterLigne(t); };
    // Changes some attributes of a stretch of the letter, leaving the others as they are.
    const auto formater = [this](int debut, int longueur, const std::function<void(AttributsTexte &)> &changer) {
        Editor->selectionner(debut, longueur);
        AttributsTexte a = Editor->attributsSelection();
        changer(a);
        Editor->definirAttributsSelection(a);
    };

    if (!courriel) {
        for (const QString &l : expediteur)
            ligne(l);
        ligne(QString());
        ligne(QString());
        paragraphe(240, 0);
        ligne(ChangerCasse(p->EdSociete->text(), 4, false));
        ligne(LigneDestinataire(p->sComboBox4->currentText(), p->sEdit1->isEnabled() ? p->sEdit1->text() : QString(),
                                p->sComboBox6->currentIndex()));
        ligne(QString());
        ligne(LigneDate(profil.valeur("EdVille"), QDate::currentDate()));
        ligne(QString());
        ligne(QString());
        paragraphe(0, 0);
        ligne(QStringLiteral("Objet : ") + LetterSubject);
        const int objet = Editor->chercher(QStringLiteral("Objet : "), 0, -1, false, true);
        if (objet >= 0) {
            formater(objet, 5, [](AttributsTexte &a) { a.souligne = true; });
            Editor->placerCurseur(Editor->texteComplet().size());
        }
        ligne(QString());
    }

    // The body format holds for the salutation and the four justified paragraphs.
    paragraphe(28, -28);
    ligne(Salutation(p->sComboBox4->currentText()));
    ligne(QString());
    for (int numero : {1, 2, 4, 5}) {
        ligne(RemplacerChamps(TirerTemplate(numero)));
        ligne(QString());
    }
    ligne(QString());
    SupprimerDossier(WorkFolder + QStringLiteral("Textes"));

    if (courriel) {
        paragraphe(0, 0);
        ligne(QStringLiteral("--------"));
        for (const QString &l : expediteur)
            ligne(l);
    } else {
        paragraphe(240, format.gauche);
        ligne(expediteur.first());
    }

    // What the user still has to fill in shows in red.
    int trouve = Editor->chercher(Marque, 0, -1, true, false);
    while (trouve > 0) {
        formater(trouve, Marque.size(), [](AttributsTexte &a) { a.couleur = QColor(255, 0, 0); });
        trouve = Editor->chercher(Marque, trouve + 6, -1, true, false);
    }
    Editor->placerCurseur(0);
    // A letter just written holds nothing of the user's yet: only his changes count.
    Editor->document()->setModified(false);

    PanProgression->hide();
    Label3->setText(QStringLiteral("Regénérer une lettre différente"));
}
