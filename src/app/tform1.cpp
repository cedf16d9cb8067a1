#include "app/tform1.h"

#include "app/disposition.h"
#include "app/panneaucandidature.h"
#include "app/placementfenetre.h"
#include "document/marges.h"
#include "editor/panneauediteur.h"
#include "editor/sortie.h"
#include "letter/detailscandidature.h"
#include "letter/donneeslettre.h"
#include "letter/experiences.h"
#include "letter/orthographe.h"
#include "platform/systeme.h"
#include "widgets/ecran.h"
#include "profiles/profile.h"
#include "profiles/settingsfile.h"
#include "widgets/clignotementlabel.h"
#include "widgets/controles.h"
#include "widgets/sbitbtn.h"
#include "widgets/scombobox.h"
#include "widgets/sedit.h"
#include "widgets/sgauge.h"
#include "widgets/skin.h"
#include "widgets/spanel.h"
#include "widgets/tformsdialog.h"

#include <QApplication>
#include <QDir>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>
#include <QTextDocument>
#include <QTimer>

using Controles::bouton;
using Controles::label;

TForm1::TForm1(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vendelair - une lettre de motivation personnalisée en quelques clics"));
    setMinimumSize(TailleClient(TailleMinimumForm1));
    resize(TailleClient(TailleDesignForm1));
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, QColor(0xE0, 0xE6, 0xE8));
    setPalette(fond);
    QFont police(QStringLiteral("Tahoma"));
    police.setPointSize(9);
    setFont(police);

    construireControles();
    FormCreate();
}

void TForm1::construireControles()
{
    // Introduction, steps 1 and 2, step 3.
    sPanel4 = new SPanel(this);
    sPanel4->setObjectName(QStringLiteral("sPanel4"));
    sPanel4->setGeometry(16, 16, 338, 49);
    Label5 = label(sPanel4, "Label5",
                          QStringLiteral("Pour générer automatiquement votre lettre de motivation, veuillez suivre "
                                         "les étapes ci-dessous."),
                          0, 0, true);
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignCenter);
    Label5->setGeometry(8, 4, 338 - 16, 41);

    PanGauche = new PanneauCandidature(this);
    sComboBox1 = PanGauche->sComboBox1;
    sComboBox8 = PanGauche->sComboBox8;
    sComboBox3 = PanGauche->sComboBox3;
    sBitBtn1 = PanGauche->sBitBtn1;
    sBitBtn14 = PanGauche->sBitBtn14;
    sBitBtn15 = PanGauche->sBitBtn15;

    sPanel1 = new SPanel(this);
    sPanel1->setObjectName(QStringLiteral("sPanel1"));
    sPanel1->setGeometry(16, 455, 338, 89);
    sBitBtn3 = bouton(sPanel1, "sBitBtn3", QStringLiteral("generer"),
                             QStringLiteral("Générer la lettre de motivation (F5)"), QRect(338 - 89, 12, 64, 64));
    Label3 = label(sPanel1, "Label3", QStringLiteral("Etape 3  -  Générer ma lettre"), 0, 36, true);
    Label3->setAlignment(Qt::AlignHCenter);
    Label3->setGeometry(0, 36, sBitBtn3->x(), Label3->height());

    Clignotement = new ClignotementLabel(this, Label3);
    connect(PanGauche, &PanneauCandidature::etapeModifiee, this, &TForm1::reinitialiserEtape3);
    connect(PanGauche, &PanneauCandidature::sortieChoisie, this, [this](bool courrier) {
        sBitBtn25->setVisible(courrier);
        sBitBtn2->setVisible(!courrier);
    });

    // The letter, under its toolbars.
    PanDroite = new PanneauEditeur(this);
    PanDroite->setGeometry(368, 16, 520, 528);
    PanDroite->disposer();
    PanEditeur = PanDroite->PanEditeur;
    PanProgression = PanDroite->PanProgression;
    BarreProgression = PanDroite->BarreProgression;
    sBitBtn25 = PanDroite->sBitBtn25;
    sBitBtn2 = PanDroite->sBitBtn2;
    sBitBtn28 = PanDroite->sBitBtn28;
    sBitBtn27 = PanDroite->sBitBtn27;
    sBitBtn26 = PanDroite->sBitBtn26;
    Editor = PanDroite->Editor;
    connect(sBitBtn28, &SBitBtn::clicked, this, &TForm1::sBitBtn28Click);
    connect(sBitBtn1, &SBitBtn::clicked, this, &TForm1::sBitBtn1Click);
    connect(sBitBtn3, &SBitBtn::clicked, this, &TForm1::sBitBtn3Click);
    connect(sBitBtn27, &SBitBtn::clicked, this, &TForm1::sBitBtn27Click);
    // Save, print and Generate from the keyboard, wherever the focus is in the window.
    const auto raccourci = [this](QKeyCombination touches, void (TForm1::*action)()) {
        connect(new QShortcut(QKeySequence(touches), this), &QShortcut::activated, this, action);
    };
    raccourci(Qt::CTRL | Qt::Key_S, &TForm1::sBitBtn27Click);
    raccourci(Qt::CTRL | Qt::Key_P, &TForm1::sBitBtn26Click);
    raccourci(QKeyCombination(Qt::Key_F5), &TForm1::sBitBtn3Click);
    connect(sBitBtn26, &SBitBtn::clicked, this, &TForm1::sBitBtn26Click);
    connect(sBitBtn25, &SBitBtn::clicked, this, &TForm1::sBitBtn25Click);
    connect(sBitBtn2, &SBitBtn::clicked, this, &TForm1::sBitBtn2Click);
    connect(sBitBtn14, &SBitBtn::clicked, this, &TForm1::sBitBtn14Click);
    connect(sBitBtn15, &SBitBtn::clicked, this, &TForm1::sBitBtn15Click);
    // While the Generate button's caption draws the eye, the pointer over the letter leaves
    // the keyboard in the field the message pointed to.
    PanDroite->attentionEnCours = [this] { return Clignotement->TimArreteFlash()->isActive(); };

    TmpList = new QListWidget(this);
    TmpList->setObjectName(QStringLiteral("TmpList"));
    TmpList->hide();

    // The only timer running from the start: it takes the start-up decision once the
    // message loop runs.
    TimerDemarrage = new QTimer(this);
    TimerDemarrage->setObjectName(QStringLiteral("TimerDemarrage"));
    TimerDemarrage->setInterval(2);
    connect(TimerDemarrage, &QTimer::timeout, this, &TForm1::TimerDemarrageTimer);
    TimerDemarrage->start();

    connect(sComboBox1, &SComboBox::change, this, &TForm1::sComboBox1Change);
}

void TForm1::reinitialiserEtape3()
{
    Label3->setText(QStringLiteral("Etape 3  -  Générer ma lettre"));
}

void TForm1::Label3EnGras()
{
    QFont gras = Label3->font();
    gras.setBold(true);
    Label3->setFont(gras);
}

void TForm1::FlashLabel(QLabel *label)
{
    Clignotement->FlashLabel(label);
}

void TForm1::FormCreate()
{
    m_gauche = GaucheGaree;
    GenerationEnCours = false;
    DossierProgramme = ::DossierProgramme();
    const QString temporaire = DossierTemporaire();
    // A refused temporary folder leaves the working folder empty; a generation says so.
    WorkFolder = temporaire.isEmpty() ? QString() : temporaire + QStringLiteral("Vendelair/");
    SettingsFile = ::SettingsFile::emplacement(DossierProgramme);
    // Spelling as the user left it last time.
    Editor->definirOrthographe(Orthographe::partagee());
    Editor->activerOrthographe(::SettingsFile(SettingsFile).LireOrthographe());
    connect(Editor, &::Editor::orthographeBasculee, this, [this](bool active) {
        ::SettingsFile fichier(SettingsFile);
        if (!fichier.EcrireOrthographe(active))
            AfficherErreurStandard(this, fichier.erreur());
    });
    ListerProfiles();

    PanDroite->GetFontNames();
    // The editor starts with the interface's default font.
    AttributsTexte defaut = Editor->attributsParDefaut();
    defaut.police = QStringLiteral("MS Sans Serif");
    defaut.taille = 8;
    Editor->definirAttributsParDefaut(defaut);
    PanDroite->UpdateEditActions();
    PanDroite->EditorSelectionChange();
    Editor->document()->setModified(false);
    sComboBox3->clear();
    sComboBox8->clear();

    // Hints: light sky blue, at once, for ten seconds.
    Skin::reglerBulles(QColor(0xA0, 0xD8, 0xFF), 1, 1, 10000);

    const MetriquesEcran ecran = MetriquesEcranPrincipal();
    const PlacementFenetre p = PlacementDemarrage(ecran.ecran.size(), ecran.zoneTravail.height());
    resize(TailleClient(QSize(p.largeur, p.hauteur)));
    FormResize(); // the window has its first size, although it is not shown yet
    placer(GaucheGaree, p.haut);
}

void TForm1::FormResize()
{
    AppliquerDisposition(*this, CalculerDisposition(TailleExterieure(size())));
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TForm1::placer(int gauche, int haut)
{
    m_gauche = gauche;
    move(gauche, haut);
}

void TForm1::FormShow()
{
    sComboBox1Change();
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_montreeGaree)
        m_montreeGaree = false; // it was already shown, off-screen
    else
        FormShow();
}

void TForm1::TimerDemarrageTimer()
{
    TimerDemarrage->stop();
    if (sComboBox1->count() > 0) {
        placer(GaucheCentree(MetriquesEcranPrincipal().zoneTravail.width(), TailleExterieure(size()).width()), y());
        show();
    } else {
        m_montreeGaree = false;
        hide();
        emit bienvenueDemandee();
    }
}

void TForm1::demarrer()
{
    // The main window counts as shown from the start, parked where nobody sees it.
    m_montreeGaree = true;
    FormShow();
}

void TForm1::ListerProfiles()
{
    const ::SettingsFile fichier(SettingsFile);
    sComboBox1->clear();
    sComboBox1->addItems(fichier.EnumererProfiles());
    const QString dernier = fichier.LireDernierProfile();
    int choisi = -1;
    for (int i = 0; i < sComboBox1->count(); ++i)
        if (sComboBox1->itemText(i) == dernier)
            choisi = i;
    sComboBox1->setCurrentIndex(choisi);
}

void TForm1::sComboBox1Change()
{
    reinitialiserEtape3();
    const ::SettingsFile fichier(SettingsFile);
    m_profil = fichier.ChargerProfile(sComboBox1->currentText(), m_profil);
    emit profilAffiche(m_profil);
    const bool choisi = sComboBox1->currentIndex() >= 0;
    sBitBtn14->setEnabled(choisi);
    sBitBtn15->setEnabled(choisi);
    sComboBox8->clear();
    sComboBox3->clear();
    if (!choisi)
        return;
    sComboBox3->addItem(QString());
    sComboBox8->addItems(Experiences::duProfil(m_profil).liste());
    for (int i = 0; i < sComboBox8->count(); ++i)
        sComboBox3->addItem(sComboBox8->itemText(i));
    sComboBox8->setCurrentIndex(-1);
    sComboBox3->setCurrentIndex(-1);

    if (sComboBox1->currentText() == QLatin1String("Profil Exemple")) {
        // The example profile comes with a ready-made application.
        PanGauche->sComboBox2->setCurrentIndex(0);
        // The toolbar and the offer button follow the preset type, as if it had been chosen.
        PanGauche->sComboBox2Change();
        PanGauche->CombSecteur->setCurrentIndex(52);
        sComboBox8->setCurrentIndex(1);
        sComboBox3->setCurrentIndex(3);
        PanGauche->EdSociete->setText(QStringLiteral("FRANCE TELECOM"));
        PanGauche->sComboBox6->setCurrentIndex(2);
        FlashLabel(Label3);
    }
}

void TForm1::sBitBtn1Click()
{
    reinitialiserEtape3();
    emit nouveauProfilDemande();
    ouvrirEditeurProfil();
}

void TForm1::sBitBtn14Click()
{
    ouvrirEditeurProfil();
}

void TForm1::ouvrirEditeurProfil()
{
    setEnabled(false);
    emit editionProfilDemandee();
}

void TForm1::sBitBtn15Click()
{
    // The list then falls back on the last saved profile.
    if (!FormsDialog->ShowsDialog(QStringLiteral("Voulez-vous vraiment supprimer le profil « %1 » ?")
                                      .arg(sComboBox1->currentText()),
                                  QString(), QString(), true))
        return;
    ::SettingsFile fichier(SettingsFile);
    if (!fichier.SupprimerProfile(sComboBox1->currentText()))
        AfficherErreurStandard(this, fichier.erreur());
    ListerProfiles();
    sComboBox1Change();
}

void TForm1::apresEditionProfil(const Profile &affiche)
{
    m_profil = affiche;
    Label3EnGras();
    ListerProfiles();
    sComboBox1Change();
    if (estGaree())
        placer(GaucheCentree(MetriquesEcranPrincipal().zoneTravail.width(), TailleExterieure(size()).width()), y());
    setEnabled(true);
    m_montreeGaree = false;
    show();
    activateWindow();
}

void TForm1::sBitBtn28Click()
{
    emit aProposDemande();
}

void TForm1::FormClose()
{
    ::SettingsFile fichier(SettingsFile);
    if (!fichier.EcrireDernierProfile(sComboBox1->currentText()))
        AfficherErreurStandard(this, fichier.erreur());
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (!abandonnerRetouches(QStringLiteral("Voulez-vous vraiment quitter Vendelair ?"))) {
        event->ignore();
        Editor->setFocus();
        return;
    }
    FormClose();
    // Whatever the write did, closing the main window ends the program.
    event->accept();
    qApp->quit();
}

bool TForm1::abandonnerRetouches(const QString &question)
{
    // Changes the user made to the letter and did not save are not dropped without a word.
    return !Editor->document()->isModified() || Editor->document()->isEmpty()
           || FormsDialog->ShowsDialog(QStringLiteral("Votre lettre contient des modifications"),
                                       QStringLiteral("qui n'ont pas été enregistrées."), question, true);
}

void TForm1::Progression()
{
    BarreProgression->addProgress(1);
    QCoreApplication::processEvents();
}

DonneesLettre TForm1::donneesLettre() const
{
    const PanneauCandidature *p = PanGauche;
    DonneesLettre d;
    d.reprendreProfil(m_profil);
    d.typeCandidature = p->sComboBox2->currentIndex();
    d.titreDestinataire = p->sComboBox4->currentIndex();
    d.nomDestinataire = p->sEdit1->isEnabled() ? p->sEdit1->text() : QString();
    d.societe = p->EdSociete->text();
    d.tailleEntreprise = p->sComboBox6->currentIndex();
    d.precedentContact = p->CombPrecedentContact->currentIndex();
    // The phrases come from the letter's own tables, at the index chosen in the visible lists.
    d.phraseContact = DetailsCandidature::phraseContact(p->CombPrecedentContact->currentIndex(),
                                                        p->EdNomPrecContact->text());
    d.phraseSecteur = DetailsCandidature::phrasesSecteur().value(p->CombSecteur->currentIndex());
    d.publicationOffre = p->EdOffrePublieeSur->text();
    d.referenceOffre = p->EdRefOffre->text();
    d.intituleOffre = p->EdIntituleOffre->text();
    d.nomContact = p->EdNomPrecContact->text();
    d.service = p->sEdit3->text();
    d.experiencePrincipale = sComboBox8->currentText();
    d.experienceSeconde = sComboBox3->currentText();
    return d;
}

QString TForm1::nomDeFamille() const
{
    return sComboBox1->currentIndex() >= 0 ? m_profil.valeur("EdNom") : QString();
}

void TForm1::sBitBtn27Click()
{
    const QString auteur =
        nomDeFamille().isEmpty() ? QString() : (m_profil.valeur("EdPrenom") + u' ' + m_profil.valeur("EdNom")).trimmed();
    if (EnregistrerLettre(this, *Editor->document(), nomDeFamille(), auteur))
        Editor->document()->setModified(false);
    Editor->setFocus();
}

void TForm1::sBitBtn26Click()
{
    QStringList echec;
    if (!ImprimerLettre(this, *Editor->document(), nomDeFamille(),
                        [](const QPrinter &imprimante) { return SetMargins(imprimante, 24, 24, 24, 0).rect(); }, &echec)
        && !echec.isEmpty())
        FormsDialog->ShowsDialog(echec.value(0), echec.value(1), QString(), false);
    Editor->setFocus();
}

void TForm1::sBitBtn25Click()
{
    OuvrirDansTraitementDeTexte(this, *Editor->document(), nomDeFamille());
    Editor->setFocus();
}

void TForm1::sBitBtn2Click()
{
    EnvoyerParCourriel(this, *Editor->document(), LetterSubject);
    Editor->setFocus();
}
