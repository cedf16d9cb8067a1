#include "widgets/sgauge.h"

#include "widgets/skin.h"

#include <QPainter>

#include <algorithm>

SGauge::SGauge(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void SGauge::setMaxValue(int max)
{
    m_max = qMax(0, max);
    m_progres = qMin(m_progres, m_max);
    update();
}

void SGauge::setProgress(int progres)
{
    progres = qBound(0, progres, m_max);
    if (progres == m_progres)
        return;
    // The gauge is redrawn when its number changes, not at every step: a generation steps
    // it 580 times, and the bar moves by whole hundredths.
    const int pourcentAvant = pourcentage();
    m_progres = progres;
    if (pourcentage() != pourcentAvant || m_progres == 0)
        update();
}

void SGauge::addProgress(int pas)
{
    setProgress(int(qBound(qint64(0), qint64(m_progres) + pas, qint64(m_max))));
}

void SGauge::setSuffix(const QString &suffixe)
{
    m_suffixe = suffixe;
    update();
}

void SGauge::setCouleurTexte(const QColor &couleur)
{
    m_couleurTexte = couleur;
    update();
}

int SGauge::pourcentage() const
{
    return m_max > 0 ? int(qint64(m_progres) * 100 / m_max) : 0;
}

QString SGauge::texte() const
{
    return QString::number(pourcentage()) + m_suffixe;
}

QSize SGauge::sizeHint() const
{
    return QSize(160, fontMetrics().height() + 8);
}

void SGauge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF cadre = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(Skin::teinte(Skin::Teinte::Bordure));
    p.setBrush(Skin::teinte(Skin::Teinte::Saisie));
    p.drawRoundedRect(cadre, 3, 3);

    if (m_max > 0 && m_progres > 0) {
        const QRectF interieur = cadre.adjusted(1.5, 1.5, -1.5, -1.5);
        QRectF barre = interieur;
        barre.setWidth(interieur.width() * pourcentage() / 100);
        p.setPen(Qt::NoPen);
        QColor couleurBarre = Skin::teinte(Skin::Teinte::Selection);
        if (!isEnabled())
            couleurBarre = Skin::teinte(Skin::Teinte::Bordure);
        couleurBarre.setAlphaF(0.55f);
        p.setBrush(couleurBarre);
        p.drawRoundedRect(barre, 2, 2);
    }

    QColor couleur = m_couleurTexte.isValid() ? m_couleurTexte : palette().color(QPalette::WindowText);
    if (!isEnabled())
        couleur = Skin::teinte(Skin::Teinte::TexteInactif);
    p.setPen(couleur);
    p.drawText(rect(), Qt::AlignCenter, texte());
}
