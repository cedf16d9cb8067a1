#pragma once

#include <QObject>

class QTimer;
class QWidget;
class SBitBtn;

// A panel that slides open downwards by growing 8 pixels a tick, and closes the same way,
// under a pair of 16 ms timers. Its button is shown pressed while the panel is open or
// opening, and released only once the panel has closed.
class PanneauCoulissant : public QObject
{
    Q_OBJECT
public:
    // seuil: from this height the next opening tick jumps to the full height.
    PanneauCoulissant(QWidget *panneau, SBitBtn *bouton, QTimer *ouvrir, QTimer *fermer, int seuil, int pleine,
                      QObject *parent = nullptr);

    // The button (or the panel's own "Valider"): closes an open or opening panel,
    // opens a closed or closing one.
    void basculer();
    void tickOuverture();
    void tickFermeture();
    // Closed at once, without animation, the button released.
    void fermerAussitot();

    int hauteurPleine() const { return m_pleine; }

private:
    QWidget *m_panneau;
    SBitBtn *m_bouton;
    QTimer *m_ouvrir;
    QTimer *m_fermer;
    int m_seuil;
    int m_pleine;
};
