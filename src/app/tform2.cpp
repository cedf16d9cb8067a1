#include "app/tform2.h"

#include "letter/experiences.h"
#include "profiles/settingsfile.h"
#include "app/tform4.h"
#include "platform/systeme.h"
#include "widgets/ecran.h"
#include "widgets/clignotementlabel.h"
#include "widgets/sbitbtn.h"
#include "widgets/smemo.h"
#include "widgets/tformsdialog.h"
#include "widgets/scombobox.h"
#include "widgets/fenetrefixe.h"
#include "widgets/sedit.h"
#include "widgets/spanel.h"

#include <QCloseEvent>
#include <QLabel>

namespace {

QFont policeTahoma(int pixels, bool gras = false)
{
    return FenetreFixe::policePixels(QStringLiteral("Tahoma"), pixels, gras);
}

const QString IndicationExemples = QStringLiteral("Cliquez ici pour voir des exemples");

} // namespace

TForm2::TForm2(QWidget *parent) : QWidget(parent, FenetreFixe::Drapeaux)
{
    FenetreFixe::preparer(this, "Form2", QStringLiteral("Edition d'un profil"), QSize(792, 467),
                          QColor(224, 230, 232), policeTahoma(13));

    // Top strip: example data, the profile's name, save and cancel.
    sBitBtn7 = ajouterGrandBouton("sBitBtn7", QStringLiteral("magique"),
                                  QStringLiteral("Entrer automatiquement des valeurs exemples"), 20);
    Label15 = ajouterLabel(this, QStringLiteral("Nom du profil :"), 104, 24, true);
    Label15->setObjectName(QStringLiteral("Label15"));
    EdProfileName = ajouterEdit(this, "EdProfileName", 104, 44, 97);
    EdProfileName->setFixedHeight(24);
    EdProfileName->setFont(policeTahoma(13, true));
    sBitBtn3 = ajouterGrandBouton("sBitBtn3", QStringLiteral("sauver"), QStringLiteral("Sauvegarder le profil"), 212);
    sBitBtn6 = ajouterGrandBouton("sBitBtn6", QStringLiteral("retour"),
                                  QStringLiteral("Annuler les modifications et retourner à la fenêtre principale"), 284);

    // Left panel: who the applicant is and what he looks for.
    auto *gauche = new SPanel(this);
    gauche->setObjectName(QStringLiteral("PanGauche"));
    gauche->setGeometry(16, 91, 337, 358);
    ajouterTitre(gauche, QStringLiteral("Mes informations personnelles"), 11);
    CombTitre = ajouterChoix(gauche, "CombTitre", 16, 40, 49);
    QLabel *lPrenom = ajouterLabel(gauche, QStringLiteral("Prénom:"), 80, 43);
    EdPrenom = ajouterEdit(gauche, "EdPrenom", 136, 40, 65);
    QLabel *lNom = ajouterLabel(gauche, QStringLiteral("Nom:"), 212, 43);
    EdNom = ajouterEdit(gauche, "EdNom", 252, 40, 69);
    QLabel *lAdresse = ajouterLabel(gauche, QStringLiteral("Adresse:"), 16, 67);
    EdAdresse = ajouterEdit(gauche, "EdAdresse", 72, 64, 249);
    QLabel *lCodePostal = ajouterLabel(gauche, QStringLiteral("Code postal:"), 16, 91);
    EdCodePostal = ajouterEdit(gauche, "EdCodePostal", 96, 88, 49);
    QLabel *lVille = ajouterLabel(gauche, QStringLiteral("Ville:"), 156, 91);
    EdVille = ajouterEdit(gauche, "EdVille", 192, 88, 129);
    QLabel *lTelephone = ajouterLabel(gauche, QStringLiteral("Tél:"), 16, 115);
    EdTelephone = ajouterEdit(gauche, "EdTelephone", 48, 112, 97);
    ajouterLabel(gauche, QStringLiteral("Mail:"), 156, 115);
    EdMail = ajouterEdit(gauche, "EdMail", 192, 112, 129);
    auto *separateur = new SPanel(gauche);
    separateur->setObjectName(QStringLiteral("Sep12"));
    separateur->setGeometry(40, 152, 257, 9);
    ajouterTitre(gauche, QStringLiteral("Mes informations professionnelles"), 171);
    ajouterLabel(gauche, QStringLiteral("Statut professionnel actuel:"), 16, 203);
    CombStatutActuel = ajouterChoix(gauche, "CombStatutActuel", 184, 200, 137);
    ajouterLabel(gauche, QStringLiteral("Je peux commencer en"), 16, 227);
    CombMoisDispo = ajouterChoix(gauche, "CombMoisDispo", 152, 224, 105);
    CombAnneeDispo = ajouterChoix(gauche, "CombAnneeDispo", 264, 224, 57);
    ajouterLabel(gauche, QStringLiteral("Je recherche:"), 16, 251);
    CombTypeMission = ajouterChoix(gauche, "CombTypeMission", 104, 248, 217);
    Label10 = ajouterLabel(gauche, QStringLiteral("Je suis actuellement ..."), 16, 283);
    Label10->setObjectName(QStringLiteral("Label10"));
    sBitBtn1 = ajouterBoutonExemples(gauche, "sBitBtn1", 297, 278);
    MemoProfilActuel = ajouterMemo(gauche, "MemoProfilActuel", 16, 305, 305);
    m_obligatoires = {{EdProfileName, Label15}, {EdPrenom, lPrenom},       {EdNom, lNom},
                      {EdAdresse, lAdresse},    {EdCodePostal, lCodePostal}, {EdVille, lVille},
                      {EdTelephone, lTelephone}};

    // The two hidden phrase lists follow CombTypeMission by index; never shown nor stored.
    for (const auto &[nom, phrases] : {std::pair{"CombTypeMissionHidden", &Profile::verbesTypeMission()},
                                       std::pair{"CombTypeMissionHidden2", &Profile::nomsTypeMission()}}) {
        auto *cachee = new SComboBox(gauche);
        cachee->setObjectName(QString::fromLatin1(nom));
        cachee->addItems(*phrases);
        cachee->hide();
    }

    // Right panel: the experiences the letter will cite.
    auto *droite = new SPanel(this);
    droite->setObjectName(QStringLiteral("sPanel1"));
    droite->setGeometry(368, 16, 409, 433);
    ajouterTitre(droite, QStringLiteral("Mes connaissances et expériences"), 11);
    Label12 = ajouterLabel(droite, QStringLiteral("Durant ma formation ..."), 16, 47);
    Label12->setObjectName(QStringLiteral("Label12"));
    sBitBtn2 = ajouterBoutonExemples(droite, "sBitBtn2", 368, 43);
    ajouterMemo(droite, "MemoFormation1", 16, 68, 377);
    ajouterMemo(droite, "MemoFormation2", 16, 108, 377);
    ajouterLabel(droite, QStringLiteral("Durant mes précédentes missions ..."), 16, 163);
    sBitBtn4 = ajouterBoutonExemples(droite, "sBitBtn4", 368, 159);
    ajouterMemo(droite, "MemoPrecMissions1", 16, 184, 377);
    ajouterMemo(droite, "MemoPrecMissions2", 16, 224, 377);
    ajouterMemo(droite, "MemoPrecMissions3", 16, 264, 377);
    ajouterLabel(droite, QStringLiteral("En ce moment ..."), 16, 319);
    sBitBtn5 = ajouterBoutonExemples(droite, "sBitBtn5", 368, 315);
    ajouterMemo(droite, "MemoActMissions1", 16, 340, 377);
    ajouterMemo(droite, "MemoActMissions2", 16, 380, 377);
    for (const char *cle : Experiences::cles())
        MemosExperience.append(findChild<SMemo *>(QString::fromLatin1(cle)));

    Clignotement = new ClignotementLabel(this);
    connect(sBitBtn3, &SBitBtn::clicked, this, &TForm2::sBitBtn3Click);
    connect(sBitBtn6, &SBitBtn::clicked, this, &TForm2::sBitBtn6Click);
    connect(sBitBtn7, &SBitBtn::clicked, this, &TForm2::sBitBtn7Click);
    connect(sBitBtn1, &SBitBtn::clicked, this, &TForm2::sBitBtn1Click);
    connect(sBitBtn2, &SBitBtn::clicked, this, &TForm2::sBitBtn2Click);
    connect(sBitBtn4, &SBitBtn::clicked, this, &TForm2::sBitBtn4Click);
    connect(sBitBtn5, &SBitBtn::clicked, this, &TForm2::sBitBtn5Click);

    // Tab order as the user reads the window.
    const char *ordre[] = {"EdProfileName", "sBitBtn3", "sBitBtn6", "CombTitre", "EdPrenom", "EdNom",
                           "EdAdresse", "EdCodePostal", "EdVille", "EdTelephone", "EdMail",
                           "CombStatutActuel", "CombMoisDispo", "CombAnneeDispo", "CombTypeMission",
                           "sBitBtn1", "MemoProfilActuel", "sBitBtn2", "MemoFormation1", "MemoFormation2",
                           "sBitBtn4", "MemoPrecMissions1", "MemoPrecMissions2", "MemoPrecMissions3",
                           "sBitBtn5", "MemoActMissions1", "MemoActMissions2", "sBitBtn7"};
    QWidget *precedent = nullptr;
    for (const char *nom : ordre) {
        auto *w = findChild<QWidget *>(QString::fromLatin1(nom));
        if (precedent)
            setTabOrder(precedent, w);
        precedent = w;
    }
}

QLabel *TForm2::ajouterLabel(QWidget *parent, const QString &texte, int x, int y, bool gras)
{
    auto *l = new QLabel(texte, parent);
    l->setFont(policeTahoma(13, gras));
    l->move(x, y);
    l->ensurePolished(); // measured with the font it will be drawn with
    l->adjustSize();
    return l;
}

QLabel *TForm2::ajouterTitre(QWidget *parent, const QString &texte, int y)
{
    auto *l = new QLabel(texte, parent);
    l->setFont(policeTahoma(13, true));
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setGeometry(0, y, parent->width(), 20);
    return l;
}

SEdit *TForm2::ajouterEdit(QWidget *parent, const char *nom, int x, int y, int largeur)
{
    auto *e = new SEdit(parent);
    e->setObjectName(QString::fromLatin1(nom));
    e->setFont(policeTahoma(11));
    e->setGeometry(x, y, largeur, 21);
    return e;
}

SComboBox *TForm2::ajouterChoix(QWidget *parent, const char *nom, int x, int y, int largeur)
{
    auto *c = new SComboBox(parent);
    c->setObjectName(QString::fromLatin1(nom));
    c->setFont(policeTahoma(11));
    c->addItems(Profile::itemsDuChoix(nom));
    c->setCurrentIndex(0);
    c->setGeometry(x, y, largeur, 21);
    return c;
}

SMemo *TForm2::ajouterMemo(QWidget *parent, const char *nom, int x, int y, int largeur)
{
    auto *m = new SMemo(parent);
    m->setObjectName(QString::fromLatin1(nom));
    m->setFont(policeTahoma(11));
    m->setGeometry(x, y, largeur, 33);
    return m;
}

SBitBtn *TForm2::ajouterGrandBouton(const char *nom, const QString &glyphe, const QString &indication, int x)
{
    auto *b = new SBitBtn(this);
    b->setObjectName(QString::fromLatin1(nom));
    b->setGlyphe(glyphe);
    b->setToolTip(indication);
    b->setGeometry(x, 13, 65, 64);
    return b;
}

SBitBtn *TForm2::ajouterBoutonExemples(QWidget *parent, const char *nom, int x, int y)
{
    auto *b = new SBitBtn(parent);
    b->setObjectName(QString::fromLatin1(nom));
    b->setGlyphe(QStringLiteral("exemples"));
    b->setToolTip(IndicationExemples);
    b->setGeometry(x, y, 24, 24);
    return b;
}

Profile TForm2::profilCourant() const
{
    Profile p;
    for (const Profile::Champ &champ : Profile::champs()) {
        const QString nom = QString::fromLatin1(champ.cle);
        switch (champ.genre) {
        case Profile::Genre::Texte:
            p.definir(champ.cle, findChild<SEdit *>(nom)->text());
            break;
        case Profile::Genre::Memo:
            p.definir(champ.cle, findChild<SMemo *>(nom)->texte());
            break;
        case Profile::Genre::Choix:
            p.definirChoix(champ.cle, findChild<SComboBox *>(nom)->currentIndex());
            break;
        }
    }
    return p;
}

void TForm2::afficherProfil(const Profile &profil)
{
    for (const Profile::Champ &champ : Profile::champs()) {
        const QString nom = QString::fromLatin1(champ.cle);
        switch (champ.genre) {
        case Profile::Genre::Texte:
            findChild<SEdit *>(nom)->setText(profil.valeur(champ.cle));
            break;
        case Profile::Genre::Memo:
            findChild<SMemo *>(nom)->setPlainText(profil.valeur(champ.cle));
            break;
        case Profile::Genre::Choix:
            findChild<SComboBox *>(nom)->setCurrentIndex(profil.choix(champ.cle));
            break;
        }
    }
}

void TForm2::viderChamps()
{
    for (SEdit *e : findChildren<SEdit *>())
        e->clear();
    for (SMemo *m : findChildren<SMemo *>())
        m->clear();
}

QLabel *TForm2::labelDe(const SEdit *edit) const
{
    for (const auto &[e, label] : m_obligatoires)
        if (e == edit)
            return label;
    return nullptr;
}

void TForm2::avertir(QLabel *label, const QString &ligne1, const QString &ligne2, QWidget *focus)
{
    // The flashing label, if any, goes back to black and regular; the new one starts
    // flashing in the rhythm already running.
    Clignotement->FlashLabel(label);
    FormsDialog->ShowsDialog(ligne1, ligne2, QString(), false);
    focus->setFocus();
}

bool TForm2::WarningSiLabelVide(SEdit *edit, QLabel *label)
{
    if (!edit->text().isEmpty())
        return false;
    avertir(label, QStringLiteral("Vous devez remplir le champ \"%1\".").arg(label->text()), QString(), edit);
    return true;
}

bool TForm2::sauvegarder()
{
    for (const auto &[edit, label] : std::as_const(m_obligatoires))
        if (WarningSiLabelVide(edit, label))
            return false;
    if (MemoProfilActuel->texte().isEmpty()) {
        avertir(Label10, QStringLiteral("Vous devez remplir le champ \"%1\".").arg(Label10->text()), QString(),
                MemoProfilActuel);
        return false;
    }
    const bool experience =
        std::any_of(MemosExperience.cbegin(), MemosExperience.cend(), [](const SMemo *m) { return !m->texte().isEmpty(); });
    if (!experience) {
        avertir(Label12, QStringLiteral("Vous devez remplir au moins un champ correspondant"),
                QStringLiteral("à votre expérience ou vos connaissances."), MemosExperience.first());
        return false;
    }
    ::SettingsFile fichier(SettingsFile);
    if (!fichier.SauverProfile(profilCourant())) {
        // Nothing typed is lost: the editor stays open with every field as it was.
        AfficherErreurStandard(this, fichier.erreur());
        return false;
    }
    return true;
}

void TForm2::sBitBtn3Click()
{
    if (sauvegarder())
        close();
}

void TForm2::sBitBtn6Click()
{
    close();
}

void TForm2::sBitBtn7Click()
{
    Profile exemple = profilCourant();
    exemple.remplirExemple();
    afficherProfil(exemple);
    // Saved on behalf of this button: the window stays open.
    if (!sauvegarder())
        return;
    FormsDialog->ShowsDialog(QStringLiteral("Les champs ont été remplis avec des données d'exemple."),
                             QStringLiteral("Pour générer une lettre de motivation, sauvegardez ce profil"),
                             QStringLiteral("puis cliquez sur \"Générer ma lettre\" sur la page principale."), false);
}

void TForm2::ouvrirAide(int sujet)
{
    setEnabled(false);
    emit aideDemandee(sujet);
}

void TForm2::sBitBtn1Click()
{
    ouvrirAide(TForm4::JeSuisActuellement);
}

void TForm2::sBitBtn2Click()
{
    ouvrirAide(TForm4::DurantMaFormation);
}

void TForm2::sBitBtn4Click()
{
    ouvrirAide(TForm4::DurantMesPrecMissions);
}

void TForm2::sBitBtn5Click()
{
    ouvrirAide(TForm4::EnCeMoment);
}

void TForm2::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit ferme(profilCourant());
}
