// The Generate command: checks the answers, reads them once, has the letter composed in the
// private working folder and shows it in the editor.

#include "app/panneaucandidature.h"
#include "app/tform1.h"
#include "editor/panneauediteur.h"
#include "letter/casse.h"
#include "letter/composeur.h"
#include "letter/corpus.h"
#include "letter/orthographe.h"
#include "editor/editor.h"
#include "platform/systeme.h"
#include "widgets/ecran.h"
#include "widgets/sbitbtn.h"
#include "widgets/scombobox.h"
#include "widgets/sedit.h"
#include "widgets/sgauge.h"
#include "widgets/spanel.h"
#include "widgets/tformsdialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLockFile>

#include <optional>

namespace {

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
            e->setText(MarqueACompleter);
    if (!verifierReponses())
        return;
    if (!abandonnerRetouches(QStringLiteral("Voulez-vous vraiment la remplacer par une autre ?"))) {
        Editor->setFocus();
        return;
    }

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
    PanProgression->hide();
    AfficherErreurStandard(this, message);
}

void TForm1::ecrireLettre(const QString &temporaire, const QString &pourquoi)
{
    PanneauCandidature *p = PanGauche;
    for (SEdit *e : {p->EdSociete, p->sEdit1})
        capitaliser(e);
    // The applicant's names and town too, in the profile the editor shows.
    for (const char *cle : {"EdPrenom", "EdNom", "EdVille"})
        m_profil.definir(cle, ChangerCasse(m_profil.valeur(cle), 0, false));
    emit profilAffiche(m_profil);

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
    EtapesSelection etapes;
    etapes.progression = [this] { Progression(); };
    etapes.pomper = [] { QCoreApplication::processEvents(); };
    const DonneesLettre donnees = donneesLettre();
    const LettreComposee lettre = ComposerLettre(donnees, WorkFolder, etapes);
    // What the user gave the letter is never flagged as misspelt.
    Orthographe::partagee()->accepterTextes(donnees.textesDeLUtilisateur());
    if (lettre.oublierSecondeExperience)
        sComboBox3->setCurrentIndex(-1);
    LetterSubject = lettre.sujet;

    // The letter scaled to the editor's width, with the font panel open.
    Editor->definirZoom(Editor->width() * 100 / 642);
    Editor->afficherLettre(*lettre.document);
    if (!PanDroite->BoutPolices->estEnfonce())
        PanDroite->BoutPolicesClick();

    PanProgression->hide();
    Label3->setText(QStringLiteral("Regénérer une lettre différente"));
}
