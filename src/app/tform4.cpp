#include "app/tform4.h"

#include "widgets/controles.h"
#include "widgets/fenetrefixe.h"
#include "widgets/sbitbtn.h"
#include "widgets/spanel.h"
#include "widgets/transparence.h"
#include "widgets/twavedimage.h"

#include <QCloseEvent>
#include <QLabel>

using Controles::etiquette;

namespace {

QFont tahoma(int pixels, bool gras = false, bool italique = false)
{
    return FenetreFixe::policePixels(QStringLiteral("Tahoma"), pixels, gras, italique);
}

QLabel *ligneCentree(QWidget *parent, const QString &texte, int haut, int pixels, bool gras, bool italique)
{
    QLabel *l = etiquette(parent, "", texte, tahoma(pixels, gras, italique));
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setGeometry(4, haut, parent->width() - 8, pixels + 6);
    return l;
}

// A word-wrapped caption at its place. A text that needs more lines than planned may
// widen up to largeurMax, then takes the height it needs.
void paragraphe(QLabel *l, QRect place, Qt::Alignment alignement, int largeurMax = 0)
{
    l->setWordWrap(true);
    l->setAlignment(alignement | Qt::AlignTop);
    int largeur = place.width();
    if (l->heightForWidth(largeur) > place.height() && largeurMax > largeur)
        largeur = largeurMax;
    l->setGeometry(place.x(), place.y(), largeur, qMax(place.height(), l->heightForWidth(largeur)));
}

} // namespace

TForm4::TForm4(QWidget *parent) : QWidget(parent, FenetreFixe::Drapeaux | Qt::WindowStaysOnTopHint)
{
    FenetreFixe::preparer(this, "Form4", QStringLiteral("Un peu d'aide..."), QSize(593, 333),
                          QColor(224, 230, 232), QFont(QStringLiteral("Tahoma")));

    Sujets = {
        {panneauTitre("JeSuisActuellement1", QStringLiteral("Je suis actuellement..."),
                      QStringLiteral("entrez dans ce champ le descriptif précis de votre fonction actuelle"),
                      QStringLiteral("Ce champ est obligatoire.")),
         panneauExemples("JeSuisActuellement2",
                         {QStringLiteral("... ingénieur en Systèmes et réseaux informatiques pour la société ALCATEL"),
                          QStringLiteral("... responsable clientèle au CREDIT AGRICOLE"),
                          QStringLiteral("... étudiante à l'Ecole des Beaux-Arts de Strasbourg")})},
        {panneauTitre("DurantMaFormation1", QStringLiteral("Durant ma formation..."),
                      QStringLiteral("Décrivez dans ces champs ce que vous avez appris lors de vos études."),
                      QStringLiteral("Ces champs sont facultatifs. Si vous travaillez déjà, vous pouvez laisser ces "
                                     "champs vides.")),
         panneauExemples("DurantMaFormation2",
                         {QStringLiteral("... j'ai eu l'occasion de travailler sur un projet d'étude de marché pour "
                                         "la société XXXX"),
                          QStringLiteral("... j'ai acquis des connaissances approfondies en informatique, réseau et "
                                         "programmation"),
                          QStringLiteral("... j'ai acquis des techniques commerciales poussées que je pourrais "
                                         "mettre en pratique")})},
        {panneauTitre("DurantMesPrecMissions1", QStringLiteral("Durant mes précédentes missions..."),
                      QStringLiteral("Décrivez dans ces champs vos précédentes expériences et ce qu'elles vous ont "
                                     "apporté."),
                      QStringLiteral("Ces champs sont facultatifs.")),
         panneauExemples("DurantMesPrecMissions2",
                         {QStringLiteral("... j'ai été amené à développer une maquette de simulation d'un réseau "
                                         "Wi-Fi"),
                          QStringLiteral("... j'ai mis en place et développé la stratégie marketing Internet de la "
                                         "société XXXXXX"),
                          QStringLiteral("... j'ai eu l'occasion d'améliorer ma démarche commerciale au contact de "
                                         "professionnels")})},
        {panneauTitre("EnCeMoment1", QStringLiteral("En ce moment..."),
                      QStringLiteral("Décrivez dans ces champs les expériences que vous vivez aujourd'hui."),
                      QStringLiteral("Ces champs sont facultatifs.")),
         panneauExemples("EnCeMoment2",
                         {QStringLiteral("... je m'occupe du suivi de clientèle de ma société"),
                          QStringLiteral("... j'assiste le directeur de ma société dans la gestion du personnel et "
                                         "du secrétariat"),
                          QStringLiteral("... je m'occupe de la caisse de la boulangerie XXXX")})},
    };

    sBitBtn6 = new SBitBtn(this);
    sBitBtn6->setObjectName(QStringLiteral("sBitBtn6"));
    sBitBtn6->setGlyphe(QStringLiteral("retour"));
    sBitBtn6->setToolTip(QStringLiteral("Retour à la fenêtre principale"));
    sBitBtn6->setGeometry(260, 250, 65, 64);
    connect(sBitBtn6, &SBitBtn::clicked, this, &TForm4::sBitBtn6Click);

    // The welcome page covers the topics and the close button when it is shown.
    PanWelcome = new SPanel(this);
    PanWelcome->setObjectName(QStringLiteral("PanWelcome"));
    PanWelcome->setGeometry(16, 16, 561, 298);
    PanWelcome->setBorderWidth(1);
    construireBienvenue();
    PanWelcome->hide();
}

void TForm4::construireBienvenue()
{
    Image1 = new TWavedImage(PanWelcome);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAutoSize(true);
    Image1->setPicture(ImageTransparente(QImage(QStringLiteral(":/resources/images/icone96.png"))));
    Image1->move(24, 28);
    Image1->setMouseMoveIntensity(360);

    // "Bienvenue dans" and the two-colour name, read as one line. When the text is wider
    // than planned, the line is centred over the presentation below instead.
    Label28 = etiquette(PanWelcome, "Label28", QStringLiteral("Bienvenue dans"), tahoma(16, true));
    Label31 = etiquette(PanWelcome, "Label31", QStringLiteral("Vend"), tahoma(21, true));
    Label31->resize(Label31->fontMetrics().horizontalAdvance(Label31->text()), Label31->height());
    Label32 = etiquette(PanWelcome, "Label32", QStringLiteral("elair"), tahoma(21), 0, 0, QColor(206, 70, 16));
    const int espace = Label28->fontMetrics().horizontalAdvance(u' ') + 2;
    int gauche28 = 176;
    int gauche31 = 312;
    if (gauche28 + Label28->width() + espace > gauche31) {
        const int largeur = Label28->width() + espace + Label31->width() + Label32->width();
        gauche28 = 144 + 321 / 2 - largeur / 2;
        gauche31 = gauche28 + Label28->width() + espace;
    }
    Label28->move(gauche28, 43);
    Label31->move(gauche31, 38);
    Label32->move(Label31->geometry().right() + 1, 38);

    Label33 = etiquette(PanWelcome, "Label33",
                        QStringLiteral("Ce programme vous permet de générer des lettres de motivation adaptées à "
                                       "votre profil, élaborées et structurées pour votre recherche d'emploi."),
                        tahoma(13));
    paragraphe(Label33, QRect(144, 75, 321, 54), Qt::AlignHCenter);

    sBitBtn28 = new SBitBtn(PanWelcome);
    sBitBtn28->setObjectName(QStringLiteral("sBitBtn28"));
    sBitBtn28->setGlyphe(QStringLiteral("apropos"));
    sBitBtn28->setDisposition(SBitBtn::Disposition::GlypheSeul);
    sBitBtn28->setToolTip(QStringLiteral("A propos de Vendelair"));
    sBitBtn28->setGeometry(516, 7, 33, 33);
    connect(sBitBtn28, &SBitBtn::clicked, this, &TForm4::sBitBtn28Click);

    // What comes next.
    sPanel1 = new SPanel(PanWelcome);
    sPanel1->setObjectName(QStringLiteral("sPanel1"));
    sPanel1->setBorderWidth(1);
    Label29 = etiquette(sPanel1, "Label29", QStringLiteral("Vous n'avez pas encore créé votre profil"),
                        tahoma(13, true));
    Label29->move(56, 8);
    Label30 = etiquette(sPanel1, "Label30",
                        QStringLiteral("La page suivante vous permettra de vous décrire pour personnaliser votre "
                                       "lettre de motivation et faire ressortir vos points forts."),
                        tahoma(13));
    paragraphe(Label30, QRect(56, 31, 393, 30), Qt::AlignLeft, 409);
    Label34 = etiquette(sPanel1, "Label34",
                        QStringLiteral("Vous pourrez cliquer sur le bouton en haut à gauche pour préremplir "
                                       "automatiquement les champs et tester rapidement Vendelair."),
                        tahoma(13));
    paragraphe(Label34, QRect(56, qMax(71, Label30->geometry().bottom() + 5), 409, 34), Qt::AlignLeft);
    // Taller texts than planned make the panel taller, upwards if the page ends below it.
    const int hauteur = qMax(117, Label34->geometry().bottom() + 9);
    const int haut = qMin(164, PanWelcome->height() - 8 - hauteur);
    sPanel1->setGeometry(16, haut, 529, hauteur);
    const int milieu = (hauteur - 117) / 2;

    Image2 = new QLabel(sPanel1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(QPixmap(QStringLiteral(":/resources/images/icone32.png")));
    Image2->setGeometry(8, 42 + milieu, 32, 32);

    BtnSuivant = new SBitBtn(sPanel1);
    BtnSuivant->setObjectName(QStringLiteral("BtnSuivant"));
    BtnSuivant->setGlyphe(QStringLiteral("suivant"));
    BtnSuivant->setDisposition(SBitBtn::Disposition::GlypheSeul);
    BtnSuivant->setToolTip(QStringLiteral("Page suivante"));
    BtnSuivant->setGeometry(480, 40 + milieu, 33, 33);
    connect(BtnSuivant, &SBitBtn::clicked, this, &TForm4::sBitBtn6Click);
}

SPanel *TForm4::panneauTitre(const char *nom, const QString &titre, const QString &explication, const QString &note)
{
    auto *p = new SPanel(this);
    p->setObjectName(QString::fromLatin1(nom));
    p->setGeometry(32, 16, 529, 89);
    ligneCentree(p, titre, 11, 16, true, false);
    ligneCentree(p, explication, 35, 13, false, true);
    ligneCentree(p, note, 55, 13, false, false);
    p->hide();
    return p;
}

SPanel *TForm4::panneauExemples(const char *nom, const QStringList &lignes)
{
    auto *p = new SPanel(this);
    p->setObjectName(QString::fromLatin1(nom));
    p->setGeometry(32, 122, 529, 112);
    ligneCentree(p, QStringLiteral("Exemples"), 11, 16, true, false);
    for (int i = 0; i < lignes.size(); ++i)
        ligneCentree(p, lignes.at(i), 35 + 20 * i, 13, false, true);
    p->hide();
    return p;
}

void TForm4::afficherSujet(int sujet)
{
    PanWelcome->hide();
    for (int i = 0; i < Sujets.size(); ++i) {
        Sujets.at(i).first->setVisible(i == sujet);
        Sujets.at(i).second->setVisible(i == sujet);
    }
    show();
}

void TForm4::afficherBienvenue()
{
    PanWelcome->show();
    show();
}

void TForm4::sBitBtn6Click()
{
    close();
}

void TForm4::sBitBtn28Click()
{
    emit aProposDemande();
}

void TForm4::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit ferme();
}
