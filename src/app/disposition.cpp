#include "app/disposition.h"

#include "app/panneaucandidature.h"
#include "app/tform1.h"
#include "editor/dispositionbarre.h"
#include "editor/panneauediteur.h"
#include "widgets/sbitbtn.h"
#include "widgets/scombobox.h"

#include <QLayout>

#include <algorithm>

namespace {

// The left column is drawn 360 pixels high; its rows keep their proportion of its height.
constexpr int HauteurReference = 360;
// Sizes of the design that the rules build on.
constexpr int HauteurListe = 21;         // every drop-down list and edit of the left column
constexpr int LargeurBoutonValider = 81; // "Valider" in the offer panel
constexpr int HauteurIntroduction = 49;  // sPanel4
constexpr int HauteurEtape3 = 89;        // sPanel1
constexpr int LargeurZoomUnite = 642;    // editor width that shows the letter at 100 %

// The top of each row of the left column at the reference height.
const struct Rang
{
    int k;
    const char *noms[3];
} Rangs[] = {
    {8, {"Label4"}},
    {34, {"sBitBtn1", "sBitBtn14", "sBitBtn15"}},
    {36, {"sComboBox1"}},
    {38, {"sLabel1"}},
    {40, {"Label6"}},
    {64, {"sComboBox2"}},
    {66, {"sLabel2"}},
    {68, {"Label7"}},
    {88, {"CombSecteur"}},
    {90, {"sLabel11"}},
    {92, {"Label10"}},
    {118, {"Label2"}},
    {136, {"sComboBox8"}},
    {140, {"Label8"}},
    {160, {"sComboBox3"}},
    {200, {"sPanel2"}},
    {222, {"sLabel9"}},
    {248, {"EdSociete", "sComboBox6"}},
    {250, {"sLabel12", "sLabel10"}},
    {252, {"Label9"}},
    {272, {"sComboBox4", "sEdit1"}},
    {274, {"sLabel4"}},
    {296, {"CombPrecedentContact"}},
    {298, {"sLabel16"}},
    {320, {"sEdit3"}},
    {322, {"sLabel15"}},
};

} // namespace

QSize TailleExterieure(QSize client)
{
    return client + QSize(CadreFenetre::Largeur, CadreFenetre::Hauteur);
}

QSize TailleClient(QSize exterieur)
{
    return exterieur - QSize(CadreFenetre::Largeur, CadreFenetre::Hauteur);
}

int LargeurListeType(int largeurGauche, bool boutonOffre)
{
    return largeurGauche - (boutonOffre ? 108 : 80);
}

int LargeurListeContact(int largeurGauche, bool boutonContact)
{
    return largeurGauche - (boutonContact ? 174 : 146);
}

Disposition CalculerDisposition(QSize exterieur)
{
    Disposition d;
    d.W = std::max(exterieur.width(), TailleMinimumForm1.width());
    d.H = std::max(exterieur.height(), TailleMinimumForm1.height());
    const int W = d.W;
    const int H = d.H;

    d.hauteurDroite = H - 64;

    // Vertical: from 590 pixels up the left column grows with the window; below, it keeps
    // its 360 pixels and moves up, its top by half the missing height, the Generate panel
    // by all of it.
    if (H >= 590) {
        d.hautGauche = 80;
        d.hautEtape3 = H - 137;
        d.hauteurGauche = H - 232;
    } else {
        const int manque = 592 - H;
        d.hautGauche = 80 - manque / 2;
        d.hautEtape3 = 456 - manque;
        d.hauteurGauche = HauteurReference;
    }

    // Horizontal: the editor column takes what the left column leaves, up to 720 pixels;
    // beyond, the left column grows.
    d.largeurDroite = W >= 1112 ? 720 : W - 392;
    d.gaucheDroite = W - d.largeurDroite - 24;
    d.largeurEditeur = d.largeurDroite - 2;
    d.zoom = d.largeurEditeur * 100 / LargeurZoomUnite;
    const int G = d.G = W - d.largeurDroite - 54;

    d.controles.insert(QStringLiteral("sPanel4"), {16, 16, G, HauteurIntroduction});
    d.controles.insert(QStringLiteral("PanGauche"), {16, d.hautGauche, G, d.hauteurGauche});
    d.controles.insert(QStringLiteral("sPanel1"), {16, d.hautEtape3, G, HauteurEtape3});
    d.controles.insert(QStringLiteral("PanDroite"), {d.gaucheDroite, 16, d.largeurDroite, d.hauteurDroite});

    // Rows of the left column, in proportion to its height.
    for (const Rang &rang : Rangs)
        for (const char *nom : rang.noms)
            if (nom)
                d.controles[QString::fromLatin1(nom)].haut = d.hauteurGauche * rang.k / HauteurReference;
    const auto haut = [&d](const char *nom) { return d.controles.value(QString::fromLatin1(nom)).haut; };

    // Widths and lefts of the left column: every full-width input ends 16 pixels before the
    // column's right edge, the three profile buttons and the offer and contact buttons stand
    // against that margin.
    const auto placer = [&d](const char *nom, int gauche, int largeur) {
        Placement &p = d.controles[QString::fromLatin1(nom)];
        p.gauche = gauche;
        p.largeur = largeur;
    };
    const int I = Placement::Inchange;
    placer("Label4", 0, G);
    placer("sLabel9", 0, G);
    placer("sComboBox1", 120, G - 224);
    placer("sBitBtn1", G - 97, I);
    placer("sBitBtn14", G - 69, I);
    placer("sBitBtn15", G - 41, I);
    placer("sComboBox2", 64, I);
    placer("CombSecteur", 80, G - 96);
    placer("sComboBox8", 24, G - 40);
    placer("sComboBox3", 16, G - 32);
    placer("sPanel2", 64, G - 128);
    placer("sComboBox6", 204, G - 220);
    placer("sEdit1", 148, G - 164);
    placer("CombPrecedentContact", 130, I);
    placer("sEdit3", 68, G - 84);
    d.largeurTypeSansBouton = LargeurListeType(G, false);
    d.largeurTypeAvecBouton = LargeurListeType(G, true);
    d.largeurContactSansBouton = LargeurListeContact(G, false);
    d.largeurContactAvecBouton = LargeurListeContact(G, true);

    // The Generate panel: the button against the right, its caption centred on what is left.
    d.controles.insert(QStringLiteral("sBitBtn3"), {G - 89, I, I, I});
    d.controles.insert(QStringLiteral("Label3"), {I, I, G - 89, I});
    // The introduction text stays centred in its panel.
    d.controles.insert(QStringLiteral("Label5"), {8, I, G - 16, I});

    // The sliding panels open downwards from their list, their buttons beside the list.
    const int largeurPanneau = G - 32;
    d.controles.insert(QStringLiteral("PanOffre"), {16, haut("sComboBox2") + HauteurListe, largeurPanneau, I});
    d.controles.insert(QStringLiteral("PanPrecContact"),
                       {16, haut("CombPrecedentContact") + HauteurListe, largeurPanneau, I});
    d.controles.insert(QStringLiteral("sBitBtn4"), {G - 41, haut("sComboBox2") - 2, I, I});
    d.controles.insert(QStringLiteral("sBitBtn7"), {G - 41, haut("CombPrecedentContact") - 2, I, I});
    d.controles.insert(QStringLiteral("Label11"), {0, I, largeurPanneau, I});
    d.controles.insert(QStringLiteral("sBitBtn5"), {(largeurPanneau - LargeurBoutonValider) / 2, I, I, I});
    d.controles.insert(QStringLiteral("EdOffrePublieeSur"), {I, I, largeurPanneau - 185, I});
    d.controles.insert(QStringLiteral("EdIntituleOffre"), {I, I, largeurPanneau - 65, I});
    d.controles.insert(QStringLiteral("sBitBtn6"), {largeurPanneau - 97, I, I, I});
    d.controles.insert(QStringLiteral("EdNomPrecContact"), {I, I, largeurPanneau - 213, I});

    // The toolbars span the editor column less its border.
    d.largeurBarre = d.largeurDroite - 2;
    const EcartsBarre ecarts = EcartsBarrePrincipale(d.largeurBarre);
    d.ecartC = ecarts.c;
    d.ecartD = ecarts.d;
    d.gauchesBarre = PositionsBarrePrincipale(d.largeurBarre);
    d.largeurPolice = d.largeurDroite - 2;
    d.gauchesPolice = PositionsPanneauPolice(d.largeurPolice);
    d.largeurCombPolice = d.gauchesPolice.take(QStringLiteral("largeur:CombPolice"));
    return d;
}

namespace {

void placer(QWidget *w, const Placement &p)
{
    const int gauche = p.gauche == Placement::Inchange ? w->x() : p.gauche;
    const int haut = p.haut == Placement::Inchange ? w->y() : p.haut;
    const int largeur = p.largeur == Placement::Inchange ? w->width() : p.largeur;
    const int hauteur = p.hauteur == Placement::Inchange ? w->height() : p.hauteur;
    w->setGeometry(gauche, haut, largeur, hauteur);
}

void deplacer(QWidget *parent, const QHash<QString, int> &gauches)
{
    for (auto it = gauches.cbegin(); it != gauches.cend(); ++it)
        if (auto *w = parent->findChild<QWidget *>(it.key(), Qt::FindDirectChildrenOnly))
            w->move(it.value(), w->y());
}

} // namespace

void AppliquerDisposition(TForm1 &fenetre, const Disposition &d)
{
    for (auto it = d.controles.cbegin(); it != d.controles.cend(); ++it) {
        auto *w = fenetre.findChild<QWidget *>(it.key());
        Q_ASSERT_X(w, "AppliquerDisposition", qPrintable(it.key()));
        if (w)
            placer(w, it.value());
    }
    // A list beside a shown button leaves it room (the window itself may be hidden).
    PanneauCandidature *g = fenetre.PanGauche;
    g->sComboBox2->resize(d.largeurType(!g->sBitBtn4->isHidden()), g->sComboBox2->height());
    g->CombPrecedentContact->resize(d.largeurContact(!g->sBitBtn7->isHidden()), g->CombPrecedentContact->height());

    // The editor column: its layout gives the toolbars and the letter their widths at once,
    // even while the window is hidden.
    PanneauEditeur *droite = fenetre.PanDroite;
    droite->layout()->invalidate();
    droite->disposer();
    deplacer(droite->PanEditeur, d.gauchesBarre);
    deplacer(droite->PanPolice, d.gauchesPolice);
    droite->CombPolice->resize(d.largeurCombPolice, droite->CombPolice->height());
    fenetre.Editor->definirZoom(d.zoom);
}
