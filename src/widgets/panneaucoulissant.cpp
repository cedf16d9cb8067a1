#include "widgets/panneaucoulissant.h"

#include "widgets/sbitbtn.h"

#include <QTimer>
#include <QWidget>

PanneauCoulissant::PanneauCoulissant(QWidget *panneau, SBitBtn *bouton, QTimer *ouvrir, QTimer *fermer,
                                     Reglage reglage, QObject *parent)
    : QObject(parent), m_panneau(panneau), m_bouton(bouton), m_ouvrir(ouvrir), m_fermer(fermer),
      m_reglage(std::move(reglage))
{
    m_ouvrir->setInterval(16);
    m_fermer->setInterval(16);
}

PanneauCoulissant::PanneauCoulissant(QWidget *panneau, SBitBtn *bouton, QTimer *ouvrir, QTimer *fermer, int seuil,
                                     int pleine, QObject *parent)
    : PanneauCoulissant(panneau, bouton, ouvrir, fermer, Reglage{false, 8, [pleine] { return pleine; }, pleine - seuil, 9, true},
                        parent)
{
}

int PanneauCoulissant::taille() const
{
    return m_reglage.largeur ? m_panneau->width() : m_panneau->height();
}

void PanneauCoulissant::fixer(int taille)
{
    if (m_reglage.largeur)
        m_panneau->setFixedWidth(taille);
    else
        m_panneau->setFixedHeight(taille);
}

void PanneauCoulissant::basculer()
{
    if (m_bouton->estEnfonce())
        fermer();
    else
        ouvrir();
}

void PanneauCoulissant::ouvrir()
{
    m_panneau->show();
    m_panneau->raise();
    m_bouton->setEnfonce(true);
    m_fermer->stop();
    m_ouvrir->start();
}

void PanneauCoulissant::fermer()
{
    m_ouvrir->stop();
    m_fermer->start();
}

void PanneauCoulissant::tickOuverture()
{
    const int pleine = m_reglage.pleine();
    if (taille() >= pleine - m_reglage.margeOuverture) {
        fixer(pleine);
        m_ouvrir->stop();
        m_bouton->setEnfonce(true);
        m_panneau->update();
    } else {
        fixer(taille() + m_reglage.pas);
    }
}

void PanneauCoulissant::tickFermeture()
{
    m_ouvrir->stop();
    if (taille() > m_reglage.seuilFermeture) {
        fixer(taille() - m_reglage.pas);
    } else {
        fixer(0);
        if (m_reglage.cacherFerme)
            m_panneau->hide();
        m_fermer->stop();
        m_bouton->setEnfonce(false);
    }
}

void PanneauCoulissant::fermerAussitot()
{
    m_ouvrir->stop();
    m_fermer->stop();
    m_bouton->setEnfonce(false);
    if (m_reglage.cacherFerme)
        m_panneau->hide();
    fixer(0);
}
