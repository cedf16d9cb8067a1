#include "widgets/panneaucoulissant.h"

#include "widgets/sbitbtn.h"

#include <QTimer>
#include <QWidget>

namespace {
constexpr int Pas = 8;
}

PanneauCoulissant::PanneauCoulissant(QWidget *panneau, SBitBtn *bouton, QTimer *ouvrir, QTimer *fermer, int seuil,
                                     int pleine, QObject *parent)
    : QObject(parent), m_panneau(panneau), m_bouton(bouton), m_ouvrir(ouvrir), m_fermer(fermer), m_seuil(seuil),
      m_pleine(pleine)
{
    m_ouvrir->setInterval(16);
    m_fermer->setInterval(16);
}

void PanneauCoulissant::basculer()
{
    if (m_bouton->estEnfonce()) {
        m_ouvrir->stop();
        m_fermer->start();
    } else {
        m_panneau->show();
        m_panneau->raise();
        m_bouton->setEnfonce(true);
        m_fermer->stop();
        m_ouvrir->start();
    }
}

void PanneauCoulissant::tickOuverture()
{
    if (m_panneau->height() >= m_seuil) {
        m_panneau->resize(m_panneau->width(), m_pleine);
        m_ouvrir->stop();
        m_bouton->setEnfonce(true);
        m_panneau->update();
    } else {
        m_panneau->resize(m_panneau->width(), m_panneau->height() + Pas);
    }
}

void PanneauCoulissant::tickFermeture()
{
    m_ouvrir->stop();
    if (m_panneau->height() > 9) {
        m_panneau->resize(m_panneau->width(), m_panneau->height() - Pas);
    } else {
        m_panneau->resize(m_panneau->width(), 0);
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
    m_panneau->hide();
    m_panneau->resize(m_panneau->width(), 0);
}
