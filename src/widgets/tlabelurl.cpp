#include "widgets/tlabelurl.h"

#include "platform/systeme.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

namespace {

// What all the links share. The timer lives as long as the application; "arme" is its
// wish to tick, which survives an interval of 0 (during which it does not tick).
struct EtatPartage
{
    QPointer<QTimer> timer;
    TLabelURL *cible = nullptr;
    bool arme = false;
    bool linkPressed = false;
};

EtatPartage &etat()
{
    static EtatPartage e;
    return e;
}

// The timer is made with the first link; if the application it belonged to is gone
// (tests may make a new one), a new timer is made.
QTimer *timerPartage()
{
    EtatPartage &e = etat();
    if (!e.timer) {
        e.timer = new QTimer(QCoreApplication::instance());
        e.timer->setObjectName(QStringLiteral("HoverTimer"));
        e.timer->setInterval(100);
        e.arme = false;
        QObject::connect(e.timer, &QTimer::timeout, [] { TLabelURL::HoverTimerTimer(); });
    }
    return e.timer;
}

bool programmeActif()
{
    return QApplication::activeWindow() != nullptr;
}

// The control under the cursor, disabled ones included.
QWidget *controleSousLeCurseur()
{
    return QApplication::widgetAt(QCursor::pos());
}

} // namespace

TLabelURL::TLabelURL(QWidget *parent) : QLabel(parent)
{
    initialiser();
}

TLabelURL::TLabelURL(const QString &texte, QWidget *parent) : QLabel(texte, parent)
{
    initialiser();
}

void TLabelURL::initialiser()
{
    timerPartage();
    setTimer(100);
    m_colorURL = QColor(0, 0, 255);     // blue
    m_colorClick = QColor(0, 255, 255); // aqua
    setDefautColor(QColor(0, 0, 128));  // navy
    setFont(QFont(QStringLiteral("Comic Sans MS"), 12));
    setCursor(Qt::PointingHandCursor);
    // Movements without a button held must reach the link as well.
    setMouseTracking(true);
}

TLabelURL::~TLabelURL()
{
    EtatPartage &e = etat();
    if (e.cible == this) {
        // Nothing left to watch: the timer must not touch this link any more.
        e.cible = nullptr;
        e.arme = false;
        if (e.timer)
            e.timer->stop();
    }
}

void TLabelURL::setTimer(int ms)
{
    m_timer = qMax(0, ms);
    EtatPartage &e = etat();
    QTimer *t = timerPartage();
    if (t->interval() == m_timer)
        return;
    t->setInterval(m_timer);
    if (m_timer == 0)
        t->stop();
    else if (e.arme)
        t->start();
}

void TLabelURL::setDefautColor(const QColor &couleur)
{
    m_defautColor = couleur;
    mettreCouleur(couleur);
}

QColor TLabelURL::couleurTexte() const
{
    return palette().color(QPalette::WindowText);
}

QTimer *TLabelURL::HoverTimer()
{
    return timerPartage();
}

TLabelURL *TLabelURL::cibleHoverTimer()
{
    return etat().cible;
}

bool TLabelURL::LinkPressed()
{
    return etat().linkPressed;
}

void TLabelURL::reinitialiserEtatPartage()
{
    EtatPartage &e = etat();
    e.cible = nullptr;
    e.arme = false;
    e.linkPressed = false;
    if (e.timer)
        e.timer->stop();
}

void TLabelURL::OuvrirURL()
{
    const QUrl cible(m_url.trimmed(), QUrl::StrictMode);
    if (m_url.trimmed().isEmpty() || !cible.isValid() || cible.scheme().isEmpty())
        return;
    OuvrirAvecShell(cible);
}

void TLabelURL::mettreCouleur(const QColor &couleur)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, couleur);
    setPalette(p);
}

bool TLabelURL::sousLeCurseur() const
{
    return controleSousLeCurseur() == this;
}

void TLabelURL::armerHoverTimer()
{
    EtatPartage &e = etat();
    QTimer *t = timerPartage();
    t->stop();
    e.cible = this;
    e.arme = true;
    if (t->interval() > 0)
        t->start();
}

void TLabelURL::HoverTimerTimer()
{
    TLabelURL *cible = etat().cible;
    if (cible && controleSousLeCurseur() != cible)
        cible->mettreCouleur(cible->m_defautColor);
}

void TLabelURL::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    if (programmeActif())
        mettreCouleur(m_colorURL);
}

void TLabelURL::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    mettreCouleur(m_defautColor);
}

void TLabelURL::mouseMoveEvent(QMouseEvent *event)
{
    QLabel::mouseMoveEvent(event);
    if (!etat().linkPressed && sousLeCurseur() && programmeActif()) {
        armerHoverTimer();
        mettreCouleur(m_colorURL);
    }
}

void TLabelURL::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        event->accept(); // swallowed: the window behind gets nothing either
        return;
    }
    if (sousLeCurseur() && programmeActif()) {
        armerHoverTimer();
        mettreCouleur(m_colorClick);
        etat().linkPressed = true;
    }
    m_clicEnCours = true;
    event->accept();
    emit MouseDown(event->position().toPoint());
}

void TLabelURL::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        event->accept();
        return;
    }
    if (sousLeCurseur() && programmeActif()) {
        armerHoverTimer();
        etat().linkPressed = false;
        mettreCouleur(m_defautColor);
    }
    const QPoint pos = event->position().toPoint();
    const bool clic = m_clicEnCours && rect().contains(pos);
    m_clicEnCours = false;
    event->accept();
    emit MouseUp(pos);
    if (clic)
        emit Click();
}
