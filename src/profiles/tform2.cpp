#include "profiles/tform2.h"

#include "widgets/sbitbtn.h"
#include "widgets/scombobox.h"
#include "widgets/fenetrefixe.h"
#include "widgets/sedit.h"
#include "widgets/spanel.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {

QFont policeTahoma(int pixels, bool gras = false)
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

// The memo's text as typed: toPlainText() would turn no-break spaces into blanks.
QString texteMemo(const QPlainTextEdit *memo)
{
    QString texte = memo->document()->toRawText();
    texte.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return texte;
}

const QString IndicationExemples = QStringLiteral("Cliquez ici pour voir des exemples");

} // namespace

TForm2::TForm2(QWidget *parent) : QWidget(parent, FenetreFixe::Drapeaux)
{
    FenetreFixe::preparer(this, "Form2", QStringLiteral("Edition d'un profil"), QSize(792, 467),
                          QColor(224, 230, 232), policeTahoma(13));

    // Top strip: example data, the profile's name, save and cancel.
    auto *exemple = new SBitBtn(this);
    exemple->setObjectName(QStringLiteral("sBitBtn7"));
    exemple->setGlyphe(QStringLiteral("magique"));
    exemple->setToolTip(QStringLiteral("Entrer automatiquement des valeurs exemples"));
    exemple->setGeometry(20, 13, 65, 64);
    ajouterLabel(this, QStringLiteral("Nom du profil :"), 104, 24, true)->setObjectName(QStringLiteral("Label15"));
    SEdit *nomProfil = ajouterEdit(this, "EdProfileName", 104, 44, 97);
    nomProfil->setFixedHeight(24);
    nomProfil->setFont(policeTahoma(13, true));
    auto *sauver = new SBitBtn(this);
    sauver->setObjectName(QStringLiteral("sBitBtn3"));
    sauver->setGlyphe(QStringLiteral("sauver"));
    sauver->setToolTip(QStringLiteral("Sauvegarder le profil"));
    sauver->setGeometry(212, 13, 65, 64);
    auto *annuler = new SBitBtn(this);
    annuler->setObjectName(QStringLiteral("sBitBtn6"));
    annuler->setGlyphe(QStringLiteral("retour"));
    annuler->setToolTip(QStringLiteral("Annuler les modifications et retourner à la fenêtre principale"));
    annuler->setGeometry(284, 13, 65, 64);

    // Left panel: who the applicant is and what he looks for.
    auto *gauche = new SPanel(this);
    gauche->setObjectName(QStringLiteral("PanGauche"));
    gauche->setGeometry(16, 91, 337, 358);
    ajouterTitre(gauche, QStringLiteral("Mes informations personnelles"), 11);
    ajouterChoix(gauche, "CombTitre", 16, 40, 49);
    ajouterLabel(gauche, QStringLiteral("Prénom:"), 80, 43);
    ajouterEdit(gauche, "EdPrenom", 136, 40, 65);
    ajouterLabel(gauche, QStringLiteral("Nom:"), 212, 43);
    ajouterEdit(gauche, "EdNom", 252, 40, 69);
    ajouterLabel(gauche, QStringLiteral("Adresse:"), 16, 67);
    ajouterEdit(gauche, "EdAdresse", 72, 64, 249);
    ajouterLabel(gauche, QStringLiteral("Code postal:"), 16, 91);
    ajouterEdit(gauche, "EdCodePostal", 96, 88, 49);
    ajouterLabel(gauche, QStringLiteral("Ville:"), 156, 91);
    ajouterEdit(gauche, "EdVille", 192, 88, 129);
    ajouterLabel(gauche, QStringLiteral("Tél:"), 16, 115);
    ajouterEdit(gauche, "EdTelephone", 48, 112, 97);
    ajouterLabel(gauche, QStringLiteral("Mail:"), 156, 115);
    ajouterEdit(gauche, "EdMail", 192, 112, 129);
    auto *separateur = new SPanel(gauche);
    separateur->setObjectName(QStringLiteral("Sep12"));
    separateur->setGeometry(40, 152, 257, 9);
    ajouterTitre(gauche, QStringLiteral("Mes informations professionnelles"), 171);
    ajouterLabel(gauche, QStringLiteral("Statut professionnel actuel:"), 16, 203);
    ajouterChoix(gauche, "CombStatutActuel", 184, 200, 137);
    ajouterLabel(gauche, QStringLiteral("Je peux commencer en"), 16, 227);
    ajouterChoix(gauche, "CombMoisDispo", 152, 224, 105);
    ajouterChoix(gauche, "CombAnneeDispo", 264, 224, 57);
    ajouterLabel(gauche, QStringLiteral("Je recherche:"), 16, 251);
    ajouterChoix(gauche, "CombTypeMission", 104, 248, 217);
    ajouterLabel(gauche, QStringLiteral("Je suis actuellement ..."), 16, 283)->setObjectName(QStringLiteral("Label10"));
    ajouterBoutonExemples(gauche, "sBitBtn1", 297, 278);
    ajouterMemo(gauche, "MemoProfilActuel", 16, 305, 305);

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
    ajouterLabel(droite, QStringLiteral("Durant ma formation ..."), 16, 47)->setObjectName(QStringLiteral("Label12"));
    ajouterBoutonExemples(droite, "sBitBtn2", 368, 43);
    ajouterMemo(droite, "MemoFormation1", 16, 68, 377);
    ajouterMemo(droite, "MemoFormation2", 16, 108, 377);
    ajouterLabel(droite, QStringLiteral("Durant mes précédentes missions ..."), 16, 163);
    ajouterBoutonExemples(droite, "sBitBtn4", 368, 159);
    ajouterMemo(droite, "MemoPrecMissions1", 16, 184, 377);
    ajouterMemo(droite, "MemoPrecMissions2", 16, 224, 377);
    ajouterMemo(droite, "MemoPrecMissions3", 16, 264, 377);
    ajouterLabel(droite, QStringLiteral("En ce moment ..."), 16, 319);
    ajouterBoutonExemples(droite, "sBitBtn5", 368, 315);
    ajouterMemo(droite, "MemoActMissions1", 16, 340, 377);
    ajouterMemo(droite, "MemoActMissions2", 16, 380, 377);

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

QPlainTextEdit *TForm2::ajouterMemo(QWidget *parent, const char *nom, int x, int y, int largeur)
{
    auto *m = new QPlainTextEdit(parent);
    m->setObjectName(QString::fromLatin1(nom));
    m->setFont(policeTahoma(11));
    m->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m->setGeometry(x, y, largeur, 33);
    return m;
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
            p.definir(champ.cle, texteMemo(findChild<QPlainTextEdit *>(nom)));
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
            findChild<QPlainTextEdit *>(nom)->setPlainText(profil.valeur(champ.cle));
            break;
        case Profile::Genre::Choix:
            findChild<SComboBox *>(nom)->setCurrentIndex(profil.choix(champ.cle));
            break;
        }
    }
}
