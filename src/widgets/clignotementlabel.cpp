#include "widgets/clignotementlabel.h"

#include <QLabel>
#include <QTimer>

namespace {

void mettreGras(QLabel *label, bool gras)
{
    if (!label)
        return;
    label->ensurePolished(); // the font read back is the one inherited from the window
    QFont f = label->font();
    f.setBold(gras);
    label->setFont(f);
}

void mettreCouleur(QLabel *label, const QColor &couleur)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, couleur);
    label->setPalette(p);
}

} // namespace

ClignotementLabel::ClignotementLabel(QObject *fenetre, QLabel *toujoursGras)
    : QObject(fenetre), m_toujoursGras(toujoursGras), m_timFlash(new QTimer(fenetre)),
      m_timArreteFlash(new QTimer(fenetre))
{
    m_timFlash->setObjectName(QStringLiteral("TimFlash"));
    m_timFlash->setInterval(800);
    m_timArreteFlash->setObjectName(QStringLiteral("TimArreteFlash"));
    m_timArreteFlash->setInterval(12000);
    connect(m_timFlash, &QTimer::timeout, this, &ClignotementLabel::TimFlashTimer);
    connect(m_timArreteFlash, &QTimer::timeout, this, &ClignotementLabel::TimArreteFlashTimer);
}

void ClignotementLabel::mettreEnNoirNormal(QLabel *label)
{
    if (!label)
        return;
    mettreCouleur(label, Qt::black);
    mettreGras(label, false);
}

bool ClignotementLabel::estRouge(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText) == QColor(Qt::red);
}

void ClignotementLabel::FlashLabel(QLabel *label)
{
    mettreEnNoirNormal(m_label);
    m_label = label;
    if (!m_timFlash->isActive())
        m_timFlash->start();
}

void ClignotementLabel::TimFlashTimer()
{
    mettreGras(m_toujoursGras, true);
    if (!m_timArreteFlash->isActive())
        m_timArreteFlash->start();
    if (!m_label)
        return;
    mettreGras(m_label, true);
    // Red turns black and anything else red: the skin's caption colour is a soft black,
    // which must turn red at the first blink.
    mettreCouleur(m_label, estRouge(m_label) ? QColor(Qt::black) : QColor(Qt::red));
}

void ClignotementLabel::TimArreteFlashTimer()
{
    m_timArreteFlash->stop();
    m_timFlash->stop();
    mettreEnNoirNormal(m_label);
    mettreGras(m_toujoursGras, true);
}
