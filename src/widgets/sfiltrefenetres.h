#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

class QWidget;

// Application-wide event filter for top-level windows: they fade in over 100 ms when
// shown, and snap to the edges of the screen's work area when moved close to them.
class SFiltreFenetres : public QObject
{
    Q_OBJECT

public:
    static constexpr int DureeApparitionMs = 100;
    static constexpr int DistanceAimant = 16;

    explicit SFiltreFenetres(QObject *parent = nullptr);

    bool eventFilter(QObject *objet, QEvent *evenement) override;

    // Windows fade in only where the platform can make them translucent (not on the
    // offscreen or minimal platforms); tests turn it on to check the fade itself.
    void setApparitionAnimee(bool animee) { m_apparitionAnimee = animee; }
    bool apparitionAnimee() const { return m_apparitionAnimee; }

    // Where a window whose frame is `cadre` lands inside the work area `zone`: each
    // edge within DistanceAimant pixels of the matching zone edge is pulled onto it.
    static QPoint positionAimantee(const QRect &cadre, const QRect &zone);

private:
    static bool estFenetre(const QWidget *w);
    void apparaitre(QWidget *fenetre);
    static void arreterApparition(QWidget *fenetre);
    void aimanter(QWidget *fenetre);

    bool m_apparitionAnimee = false;
    bool m_aimantEnCours = false;
};
