#pragma once

#include <QHash>
#include <QSize>
#include <QString>

#include <climits>

class TForm1;

// The main window's layout: where its panels and most of its controls stand, from the
// window's outer size W × H (frame and caption included). One plain function computes
// every rule's result; another applies it to the window.
//
// The frame. The rules were drawn for a window whose sizeable frame takes 4 pixels on each
// side and whose caption takes 24: with those, the client area keeps a 16-pixel margin on
// all four sides (the editor column ends 24 pixels before the outer right edge and 48
// above the outer bottom). Qt sets and reports client sizes, and each window manager draws
// a frame of its own that the program neither knows in advance nor controls, so the window
// counts fixed allowances instead: its client area is the outer size less 8 across and
// less 32 down. A window "912 × 592" is thus a 904 × 560 client area, and every control
// stands where it stood in the designed window, whatever frame surrounds it.
namespace CadreFenetre {
constexpr int Largeur = 8;
constexpr int Hauteur = 32;
} // namespace CadreFenetre

QSize TailleExterieure(QSize client);
QSize TailleClient(QSize exterieur);

// The smallest outer size of the main window and the size it was drawn at.
constexpr QSize TailleMinimumForm1(800, 569);
constexpr QSize TailleDesignForm1(912, 592);

// Where one control stands, in its parent's coordinates; a field left at Inchange keeps the
// control's own value.
struct Placement
{
    static constexpr int Inchange = INT_MIN;
    int gauche = Inchange;
    int haut = Inchange;
    int largeur = Inchange;
    int hauteur = Inchange;

    bool operator==(const Placement &) const = default;
};

// The width of the application-type list beside the offer button, and of the previous-contact
// list beside the contact button, in a left column G pixels wide. The 28 pixels between the
// two widths are the room of the 25-pixel button.
int LargeurListeType(int largeurGauche, bool boutonOffre);
int LargeurListeContact(int largeurGauche, bool boutonContact);

struct Disposition
{
    // The outer size the rules ran on: the window's, never below its minimum.
    int W = 0;
    int H = 0;

    // The editor column PanDroite.
    int gaucheDroite = 0;
    int largeurDroite = 0;
    int hauteurDroite = 0;
    // The letter editor fills the column less its 1-pixel border on each side; the letter is
    // shown at 100 % when the editor is 642 pixels wide, in proportion otherwise.
    int largeurEditeur = 0;
    int zoom = 100;

    // The left column PanGauche (G wide) and the Generate panel sPanel1 under it.
    int G = 0;
    int hautGauche = 0;
    int hauteurGauche = 0;
    int hautEtape3 = 0;

    // The two lists whose width depends on whether their button is shown.
    int largeurTypeSansBouton = 0;
    int largeurTypeAvecBouton = 0;
    int largeurContactSansBouton = 0;
    int largeurContactAvecBouton = 0;
    int largeurType(bool boutonOffre) const { return boutonOffre ? largeurTypeAvecBouton : largeurTypeSansBouton; }
    int largeurContact(bool boutonContact) const
    {
        return boutonContact ? largeurContactAvecBouton : largeurContactSansBouton;
    }

    // The main toolbar PanEditeur (E wide) with its two gaps, and the font panel PanPolice
    // (P wide): left edges by control name, and the font list's width.
    int largeurBarre = 0;
    int ecartC = 0;
    int ecartD = 0;
    QHash<QString, int> gauchesBarre;
    int largeurPolice = 0;
    QHash<QString, int> gauchesPolice;
    int largeurCombPolice = 0;

    // Every control the rules place, by name: the four panels of the window, the controls of
    // the left column and of its two sliding panels, those of the Generate panel. The two
    // lists above have their width left out here.
    QHash<QString, Placement> controles;

    Placement controle(const QString &nom) const { return controles.value(nom); }
};

// The rules for an outer size W × H. A size below the minimum (a window manager that
// ignores it) is laid out as the minimum: controls may then be cut off, never overlap.
Disposition CalculerDisposition(QSize exterieur);

// Places the main window's controls as computed, and sets the editor's zoom.
void AppliquerDisposition(TForm1 &fenetre, const Disposition &disposition);
