#include "widgets/spanel.h"

#include "widgets/skin.h"

#include <QPainter>

SPanel::SPanel(QWidget *parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
}

void SPanel::setBorderWidth(int largeur)
{
    largeur = qMax(0, largeur);
    if (largeur == m_bordure)
        return;
    m_bordure = largeur;
    update();
}

void SPanel::setCouleur(const QColor &couleur)
{
    if (couleur == m_couleur)
        return;
    m_couleur = couleur;
    update();
}

QRect SPanel::zoneInterieure() const
{
    const QRect r = rect().adjusted(m_bordure, m_bordure, -m_bordure, -m_bordure);
    return r.isValid() ? r : QRect(rect().center(), QSize(0, 0));
}

void SPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor fond = m_couleur.isValid() ? m_couleur : Skin::teinte(Skin::Teinte::Panneau);
    p.fillRect(rect(), fond);
    if (m_bordure <= 0)
        return;

    const QColor clair = fond.lighter(109);
    const QColor sombre = fond.darker(113);
    auto biseau = [&p](const QRect &r, const QColor &hautGauche, const QColor &basDroite) {
        p.setPen(hautGauche);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(basDroite);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    };
    // Raised outer edge; a wider border also gets a sunken inner edge, like a frame.
    biseau(rect(), clair, sombre);
    if (m_bordure >= 2) {
        const int d = m_bordure - 1;
        biseau(rect().adjusted(d, d, -d, -d), sombre, clair);
    }
}
