#pragma once

#include <QObject>

#include <functional>

class QTimer;
class QWidget;
class SBitBtn;

// A panel that slides open by growing a fixed step a tick, and closes the same way, under a
// pair of 16 ms timers. Its button is shown pressed while the panel is open or opening, and
// released only once the panel has closed. The closing timer also stops the opening one.
class PanneauCoulissant : public QObject
{
    Q_OBJECT
public:
    struct Reglage
    {
        bool largeur = false;        // the width slides instead of the height
        int pas = 8;
        std::function<int()> pleine; // the open size, read at every tick
        int margeOuverture = 8;      // from pleine − margeOuverture the next tick ends the opening
        int seuilFermeture = 9;      // at or below it the next tick ends the closing
        bool cacherFerme = true;     // hidden while closed (else only 0 high or wide)
    };

    PanneauCoulissant(QWidget *panneau, SBitBtn *bouton, QTimer *ouvrir, QTimer *fermer, Reglage reglage,
                      QObject *parent = nullptr);
    // The panels of the application details: height, steps of 8, hidden when closed.
    PanneauCoulissant(QWidget *panneau, SBitBtn *bouton, QTimer *ouvrir, QTimer *fermer, int seuil, int pleine,
                      QObject *parent = nullptr);

    // The button (or the panel's own "Valider"): closes an open or opening panel, opens a
    // closed or closing one.
    void basculer();
    void ouvrir();
    void fermer();
    void tickOuverture();
    void tickFermeture();
    // Closed at once, without animation, the button released.
    void fermerAussitot();

    int taille() const;

private:
    void fixer(int taille);

    QWidget *m_panneau;
    SBitBtn *m_bouton;
    QTimer *m_ouvrir;
    QTimer *m_fermer;
    Reglage m_reglage;
};
