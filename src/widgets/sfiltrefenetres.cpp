#include "widgets/sfiltrefenetres.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPropertyAnimation>
#include <QScreen>
#include <QWidget>

#include <cstdlib>

namespace {
const char *const NomAnimation = "SFiltreFenetres_apparition";
}

SFiltreFenetres::SFiltreFenetres(QObject *parent)
    : QObject(parent)
{
    const QString plateforme = QGuiApplication::platformName();
    m_apparitionAnimee = plateforme == QLatin1String("xcb")
                         || plateforme == QLatin1String("windows")
                         || plateforme == QLatin1String("cocoa");
}

bool SFiltreFenetres::estFenetre(const QWidget *w)
{
    if (!w || !w->isWindow())
        return false;
    const Qt::WindowType type = w->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
}

bool SFiltreFenetres::eventFilter(QObject *objet, QEvent *evenement)
{
    const QEvent::Type type = evenement->type();
    if (type == QEvent::Show || type == QEvent::Hide || type == QEvent::Move) {
        if (objet->isWidgetType()) {
            auto *w = static_cast<QWidget *>(objet);
            if (estFenetre(w)) {
                if (type == QEvent::Show && !evenement->spontaneous() && m_apparitionAnimee)
                    apparaitre(w);
                else if (type == QEvent::Hide)
                    arreterApparition(w);
                else if (type == QEvent::Move)
                    aimanter(w);
            }
        }
    }
    return QObject::eventFilter(objet, evenement);
}

void SFiltreFenetres::apparaitre(QWidget *fenetre)
{
    // Shown again while still fading in: the running fade carries on.
    if (auto *enCours = fenetre->findChild<QPropertyAnimation *>(QLatin1String(NomAnimation),
                                                                 Qt::FindDirectChildrenOnly)) {
        if (enCours->state() == QAbstractAnimation::Running)
            return;
        delete enCours; // finished, waiting for its deferred deletion
    }

    auto *animation = new QPropertyAnimation(fenetre, "windowOpacity", fenetre);
    animation->setObjectName(QLatin1String(NomAnimation));
    animation->setDuration(DureeApparitionMs);
    animation->setStartValue(0.0);
    animation->setEndValue(1.0);
    // Whatever happens to the fade, the window ends up opaque.
    connect(animation, &QAbstractAnimation::finished, fenetre,
            [fenetre] { fenetre->setWindowOpacity(1.0); });
    fenetre->setWindowOpacity(0.0);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void SFiltreFenetres::arreterApparition(QWidget *fenetre)
{
    auto *animation = fenetre->findChild<QPropertyAnimation *>(QLatin1String(NomAnimation),
                                                               Qt::FindDirectChildrenOnly);
    if (!animation)
        return;
    animation->stop(); // deletes it
    fenetre->setWindowOpacity(1.0);
}

QPoint SFiltreFenetres::positionAimantee(const QRect &cadre, const QRect &zone)
{
    QPoint p = cadre.topLeft();
    if (std::abs(cadre.left() - zone.left()) <= DistanceAimant)
        p.setX(zone.left());
    else if (std::abs(cadre.right() - zone.right()) <= DistanceAimant)
        p.setX(zone.right() - cadre.width() + 1);
    if (std::abs(cadre.top() - zone.top()) <= DistanceAimant)
        p.setY(zone.top());
    else if (std::abs(cadre.bottom() - zone.bottom()) <= DistanceAimant)
        p.setY(zone.bottom() - cadre.height() + 1);
    return p;
}

void SFiltreFenetres::aimanter(QWidget *fenetre)
{
    if (m_aimantEnCours || !fenetre->isVisible())
        return;
    const QRect cadre = fenetre->frameGeometry();
    // A window parked off-screen (its centre on no screen) is left where it is.
    QScreen *ecran = QGuiApplication::screenAt(cadre.center());
    if (!ecran)
        return;
    const QRect zone = ecran->availableGeometry();
    if (!zone.contains(cadre.center()))
        return;

    const QPoint cible = positionAimantee(cadre, zone);
    if (cible == cadre.topLeft())
        return;
    m_aimantEnCours = true;
    fenetre->move(cible); // move() places the frame, as frameGeometry() reports it
    m_aimantEnCours = false;
}
