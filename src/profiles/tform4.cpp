#include "profiles/tform4.h"

#include "widgets/fenetrefixe.h"
#include "widgets/sbitbtn.h"
#include "widgets/spanel.h"

#include <QCloseEvent>
#include <QLabel>

namespace {

QLabel *ligneCentree(QWidget *parent, const QString &texte, int haut, int pixels, bool gras, bool italique)
{
    auto *l = new QLabel(texte, parent);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(pixels);
    f.setBold(gras);
    f.setItalic(italique);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(p);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setGeometry(4, haut, parent->width() - 8, pixels + 6);
    return l;
}

} // namespace

TForm4::TForm4(QWidget *parent) : QWidget(parent, FenetreFixe::Drapeaux | Qt::WindowStaysOnTopHint)
{
    FenetreFixe::preparer(this, "Form4", QStringLiteral("Un peu d'aide..."), QSize(593, 333),
                          QColor(224, 230, 232), QFont(QStringLiteral("Tahoma")));

    Sujets = {
        {panneauTitre("JeSuisActuellement1", QStringLiteral("Je suis actuellement..."),
                      QStringLiteral("entrez dans ce champ le descriptif précis de votre fonction actuelle"),
                      QStringLiteral("Ces champs sont facultatifs.")),
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
                         {QStringLiteral("... j'ai été amené à développer une maquette de simulation d'un réseaux "
                                         "Wifi"),
                          QStringLiteral("... j'ai mis en place et développé la stratégie marketting Internet de la "
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
    PanWelcome->hide();
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

void TForm4::sBitBtn6Click()
{
    close();
}

void TForm4::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit ferme();
}
