#include "app/panneaucandidature.h"

#include "letter/detailscandidature.h"
#include "app/disposition.h"
#include "widgets/controles.h"
#include "widgets/panneaucoulissant.h"
#include "widgets/sbitbtn.h"
#include "widgets/scombobox.h"
#include "widgets/sedit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QTimer>

namespace {
constexpr int HauteurListe = 21;
constexpr int LargeurDesign = 338;
} // namespace

PanneauCandidature::PanneauCandidature(QWidget *parent) : SPanel(parent)
{
    setObjectName(QStringLiteral("PanGauche"));
    setGeometry(16, 80, LargeurDesign, 360);
    const int g = LargeurDesign;
    using namespace DetailsCandidature;

    // Step 1: who applies, how, where, with what.
    Label4 = label(this, "Label4", QStringLiteral("Etape 1  -  Informations sur ma candidature"), 0, 8, true);
    Label4->setGeometry(0, 8, g, Label4->height());
    Label4->setAlignment(Qt::AlignHCenter);
    sLabel1 = label(this, "sLabel1", QStringLiteral("Choix du profil:"), 16, 38);
    Label6 = label(this, "Label6", QStringLiteral("*"), 16 + sLabel1->width() + 2, 40, true);
    sComboBox1 = liste(this, "sComboBox1", {}, 120, 36, g - 224);
    sBitBtn1 = bouton(this, "sBitBtn1", QStringLiteral("nouveau"), QStringLiteral("Créer un nouveau profil utilisateur"),
                      QRect(g - 97, 34, 25, 25));
    sBitBtn14 = bouton(this, "sBitBtn14", QStringLiteral("modifier"),
                       QStringLiteral("Modifier les paramètres du profil utilisateur"), QRect(g - 69, 34, 25, 25));
    sBitBtn15 = bouton(this, "sBitBtn15", QStringLiteral("supprimer"), QStringLiteral("Supprimer le profil utilisateur"),
                       QRect(g - 41, 34, 25, 25));
    sBitBtn14->setEnabled(false);
    sBitBtn15->setEnabled(false);

    sLabel2 = label(this, "sLabel2", QStringLiteral("Type:"), 16, 66);
    Label7 = label(this, "Label7", QStringLiteral("*"), 16 + sLabel2->width() + 2, 68, true);
    sComboBox2 = liste(this, "sComboBox2", typesCandidature(), 64, 64, largeurType(g, false));
    sComboBox2->setCurrentIndex(-1);
    sBitBtn4 = bouton(this, "sBitBtn4", QStringLiteral("offre"),
                      QStringLiteral("Saisir les informations sur l'offre concernée"), QRect(g - 41, 62, 25, 25));
    sBitBtn4->hide();

    PanOffre = new SPanel(this);
    PanOffre->setObjectName(QStringLiteral("PanOffre"));
    PanOffre->setBorderWidth(10);
    PanOffre->setGeometry(16, 64 + HauteurListe, g - 32, 0);
    PanOffre->hide();
    const int po = g - 32;
    Label11 = label(PanOffre, "Label11", QStringLiteral("Informations sur l'offre concernée"), 0, 12, true);
    Label11->setGeometry(0, 12, po, Label11->height());
    Label11->setAlignment(Qt::AlignHCenter);
    Label12 = label(PanOffre, "Label12", QStringLiteral("Réf.:"), 8, 40);
    EdRefOffre = edit(PanOffre, "EdRefOffre", 36, 36, 56);
    Label14 = label(PanOffre, "Label14", QStringLiteral("Publiée sur:"), 98, 40);
    EdOffrePublieeSur = edit(PanOffre, "EdOffrePublieeSur", 173, 36, po - 185);
    Label13 = label(PanOffre, "Label13", QStringLiteral("Intitulé:"), 8, 68);
    EdIntituleOffre = edit(PanOffre, "EdIntituleOffre", 57, 64, po - 65);
    sBitBtn5 = boutonValider(PanOffre, "sBitBtn5", QStringLiteral("Valider les informations sur l'offre"));
    sBitBtn5->move((po - sBitBtn5->width()) / 2, 94);

    sLabel11 = label(this, "sLabel11", QStringLiteral("Domaine:"), 16, 90);
    Label10 = label(this, "Label10", QStringLiteral("*"), 16 + sLabel11->width() + 2, 92, true);
    CombSecteur = liste(this, "CombSecteur", secteurs(), 80, 88, g - 96);
    CombSecteur->setCurrentIndex(-1);
    CombSecteur->setMaxVisibleItems(16);
    CombSecteurHidden = liste(this, "CombSecteurHidden", phrasesSecteur(), 0, 0, 10);
    CombSecteurHidden->hide();

    Label2 = label(this, "Label2", QStringLiteral("Mes expériences en adéquation avec le poste:"), 16, 118);
    Label8 = label(this, "Label8", QStringLiteral("*"), 16, 140, true);
    sComboBox8 = liste(this, "sComboBox8", {}, 24, 136, g - 40);
    sComboBox3 = liste(this, "sComboBox3", {}, 16, 160, g - 32);

    // Step 2: the company and the person the letter goes to.
    sPanel2 = new SPanel(this);
    sPanel2->setObjectName(QStringLiteral("sPanel2"));
    sPanel2->setGeometry(64, 200, g - 128, 9);
    sLabel9 = label(this, "sLabel9", QStringLiteral("Etape 2  -  Renseignements sur l'entreprise"), 0, 222, true);
    sLabel9->setGeometry(0, 222, g, sLabel9->height());
    sLabel9->setAlignment(Qt::AlignHCenter);

    sLabel12 = label(this, "sLabel12", QStringLiteral("Nom:"), 16, 250);
    Label9 = label(this, "Label9", QStringLiteral("*"), 16 + sLabel12->width() + 2, 252, true);
    EdSociete = edit(this, "EdSociete", 62, 248, 82);
    sLabel10 = label(this, "sLabel10", QStringLiteral("Taille:"), 158, 250);
    sComboBox6 = liste(this, "sComboBox6", taillesEntreprise(), 204, 248, g - 220);
    sComboBox6->setCurrentIndex(0);

    sLabel4 = label(this, "sLabel4", QStringLiteral("Destinataire:"), 16, 274);
    sComboBox4 = liste(this, "sComboBox4", titresDestinataire(), 88, 272, 57);
    sComboBox4->setCurrentIndex(0);
    sEdit1 = edit(this, "sEdit1", 148, 272, g - 164);
    sEdit1->setEnabled(false);

    sLabel16 = label(this, "sLabel16", QStringLiteral("Précédent contact:"), 16, 298);
    CombPrecedentContact = liste(this, "CombPrecedentContact", contacts(), 130, 296, largeurContact(g, false));
    CombPrecedentContact->setCurrentIndex(0);
    CombPrecedentContact->setEnabled(false);
    CombPrecContactHidden = liste(this, "CombPrecContactHidden", phrasesContact(), 0, 0, 10);
    CombPrecContactHidden->hide();
    sBitBtn7 = bouton(this, "sBitBtn7", QStringLiteral("contact"),
                      QStringLiteral("Saisir les informations sur ce précédent contact"), QRect(g - 41, 294, 25, 25));
    sBitBtn7->hide();

    PanPrecContact = new SPanel(this);
    PanPrecContact->setObjectName(QStringLiteral("PanPrecContact"));
    PanPrecContact->setBorderWidth(10);
    PanPrecContact->setGeometry(16, 296 + HauteurListe, g - 32, 0);
    PanPrecContact->hide();
    const int pc = g - 32;
    Label16 = label(PanPrecContact, "Label16", QStringLiteral("Nom du meeting:"), 12, 14);
    EdNomPrecContact = edit(PanPrecContact, "EdNomPrecContact", 108, 11, pc - 213);
    sBitBtn6 = boutonValider(PanPrecContact, "sBitBtn6", QStringLiteral("Valider les informations sur ce contact"));
    sBitBtn6->move(pc - 97, 8);

    sLabel15 = label(this, "sLabel15", QStringLiteral("Service:"), 16, 322);
    sEdit3 = edit(this, "sEdit3", 68, 320, g - 84);

    // The sliding panels cover what lies below them.
    PanOffre->raise();
    PanPrecContact->raise();

    TimOffreOuvrir = minuterie("TimOffreOuvrir");
    TimOffreFermer = minuterie("TimOffreFermer");
    TimContactOuvrir = minuterie("TimContactOuvrir");
    TimContactFermer = minuterie("TimContactFermer");
    m_offre = new PanneauCoulissant(PanOffre, sBitBtn4, TimOffreOuvrir, TimOffreFermer, 124, 132, this);
    m_contact = new PanneauCoulissant(PanPrecContact, sBitBtn7, TimContactOuvrir, TimContactFermer, 36, 44, this);
    connect(TimOffreOuvrir, &QTimer::timeout, this, &PanneauCandidature::TimOffreOuvrirTimer);
    connect(TimOffreFermer, &QTimer::timeout, this, &PanneauCandidature::TimOffreFermerTimer);
    connect(TimContactOuvrir, &QTimer::timeout, this, &PanneauCandidature::TimContactOuvrirTimer);
    connect(TimContactFermer, &QTimer::timeout, this, &PanneauCandidature::TimContactFermerTimer);

    connect(sComboBox2, &SComboBox::change, this, &PanneauCandidature::sComboBox2Change);
    connect(sComboBox4, &SComboBox::change, this, &PanneauCandidature::sComboBox4Change);
    connect(CombPrecedentContact, &SComboBox::change, this, &PanneauCandidature::CombPrecedentContactChange);
    connect(sBitBtn4, &SBitBtn::clicked, this, &PanneauCandidature::sBitBtn4Click);
    connect(sBitBtn5, &SBitBtn::clicked, this, &PanneauCandidature::sBitBtn4Click);
    connect(sBitBtn7, &SBitBtn::clicked, this, &PanneauCandidature::sBitBtn7Click);
    connect(sBitBtn6, &SBitBtn::clicked, this, &PanneauCandidature::sBitBtn7Click);
    // These changes only put the step-3 caption back.
    for (SComboBox *l : {CombSecteur, sComboBox8, sComboBox3, sComboBox6})
        connect(l, &SComboBox::change, this, &PanneauCandidature::etapeModifiee);
    for (SEdit *e : {EdSociete, sEdit3})
        connect(e, &SEdit::textChanged, this, &PanneauCandidature::etapeModifiee);
    for (SComboBox *l : {sComboBox8, sComboBox3, CombPrecedentContact})
        connect(l, &SComboBox::deroulement, this, [this, l] { sComboBox8DropDown(l); });

    QWidget *ordre[] = {sComboBox1, sBitBtn1, sBitBtn14, sBitBtn15, sComboBox2, sBitBtn4, EdRefOffre,
                        EdOffrePublieeSur, EdIntituleOffre, sBitBtn5, CombSecteur, sComboBox8, sComboBox3,
                        EdSociete, sComboBox6, sComboBox4, sEdit1, CombPrecedentContact, sBitBtn7,
                        EdNomPrecContact, sBitBtn6, sEdit3};
    for (size_t i = 1; i < std::size(ordre); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
}

int PanneauCandidature::largeurType(int largeurPanneau, bool boutonVisible)
{
    return LargeurListeType(largeurPanneau, boutonVisible);
}

int PanneauCandidature::largeurContact(int largeurPanneau, bool boutonVisible)
{
    return LargeurListeContact(largeurPanneau, boutonVisible);
}

int PanneauCandidature::largeurDeroulee(int largeurControle, const QList<int> &largeursTextes, int largeurBarre,
                                        int lignesVisibles)
{
    const int barre = largeursTextes.size() > lignesVisibles ? largeurBarre : 0;
    int largeur = largeurControle;
    for (int texte : largeursTextes)
        largeur = std::max(largeur, texte + 8 + barre);
    return largeur;
}

void PanneauCandidature::sComboBox2Change()
{
    emit etapeModifiee();
    const int index = sComboBox2->currentIndex();
    emit sortieChoisie(index < 2);
    if (index == 1 || index == 3) {
        sComboBox2->resize(largeurType(width(), true), sComboBox2->height());
        sBitBtn4->show();
    } else {
        sComboBox2->resize(largeurType(width(), false), sComboBox2->height());
        m_offre->fermerAussitot();
        sBitBtn4->hide();
    }
}

void PanneauCandidature::sComboBox4Change()
{
    emit etapeModifiee();
    const bool titre = sComboBox4->currentIndex() != 0;
    sEdit1->setEnabled(titre);
    CombPrecedentContact->setEnabled(titre);
    if (!titre)
        CombPrecedentContact->setCurrentIndex(0); // no contact-kind handling runs
}

void PanneauCandidature::CombPrecedentContactChange()
{
    const int index = CombPrecedentContact->currentIndex();
    const QString legende = DetailsCandidature::legendeNomContact(index);
    if (!legende.isEmpty()) {
        CombPrecedentContact->resize(largeurContact(width(), true), CombPrecedentContact->height());
        sBitBtn7->show();
        Label16->setText(legende);
        Label16->ensurePolished(); // measured with the font it will be drawn with
        Label16->adjustSize();
    } else {
        CombPrecedentContact->resize(largeurContact(width(), false), CombPrecedentContact->height());
        m_contact->fermerAussitot();
        sBitBtn7->hide();
    }
}

void PanneauCandidature::sBitBtn4Click()
{
    m_offre->basculer();
}

void PanneauCandidature::sBitBtn7Click()
{
    m_contact->basculer();
}

void PanneauCandidature::TimOffreOuvrirTimer()
{
    m_offre->tickOuverture();
}

void PanneauCandidature::TimOffreFermerTimer()
{
    m_offre->tickFermeture();
}

void PanneauCandidature::TimContactOuvrirTimer()
{
    m_contact->tickOuverture();
}

void PanneauCandidature::TimContactFermerTimer()
{
    m_contact->tickFermeture();
}

void PanneauCandidature::sComboBox8DropDown(SComboBox *liste)
{
    const QFontMetrics mesure(liste->font());
    QList<int> largeurs;
    for (int i = 0; i < liste->count(); ++i)
        largeurs << mesure.horizontalAdvance(liste->itemText(i));
    const int barre = liste->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, liste);
    liste->setLargeurListe(largeurDeroulee(liste->width(), largeurs, barre, liste->maxVisibleItems()));
}

QLabel *PanneauCandidature::label(QWidget *parent, const char *nom, const QString &texte, int x, int y, bool gras)
{
    return Controles::label(parent, nom, texte, x, y, gras);
}

SComboBox *PanneauCandidature::liste(QWidget *parent, const char *nom, const QStringList &items, int x, int y,
                                     int largeur)
{
    return Controles::liste(parent, nom, items, QRect(x, y, largeur, HauteurListe));
}

SEdit *PanneauCandidature::edit(QWidget *parent, const char *nom, int x, int y, int largeur)
{
    return Controles::edit(parent, nom, QRect(x, y, largeur, HauteurListe));
}

SBitBtn *PanneauCandidature::bouton(QWidget *parent, const char *nom, const QString &glyphe,
                                    const QString &indication, QRect place)
{
    return Controles::bouton(parent, nom, glyphe, indication, place);
}

SBitBtn *PanneauCandidature::boutonValider(QWidget *parent, const char *nom, const QString &indication)
{
    SBitBtn *b = bouton(parent, nom, QStringLiteral("valider"), indication, QRect(0, 0, 81, 28));
    b->setText(QStringLiteral("Valider"));
    return b;
}

QTimer *PanneauCandidature::minuterie(const char *nom)
{
    auto *t = new QTimer(this);
    t->setObjectName(QString::fromLatin1(nom));
    return t;
}
