#include "editor/regle.h"

#include "editor/editor.h"
#include "widgets/skin.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

namespace {

constexpr int Gouttiere = 6;
// Points to ruler pixels and back, 4/3 pixel per point; C++ division truncates toward zero.
int pixels(int points)
{
    return points * 4 / 3;
}
int points(int pixels)
{
    return pixels * 3 / 4;
}

// Where the ruler's centimetres start: under the tip of a first-line marker at F = 0.
constexpr int OrigineGraduation = 7;
constexpr double PixelsParCentimetre = 72.0 / 2.54 * 4.0 / 3.0;
// The white band with the ticks, above the ruler line.
constexpr int HautBande = 3;

} // namespace

PositionsReperes PositionsDesReperes(int premiereLigne, int gauche, int droite, int largeurRegle)
{
    PositionsReperes r;
    r.premiereLigne = pixels(premiereLigne) - 4 + Gouttiere;
    r.gauche = pixels(premiereLigne + gauche) + 2;
    r.droite = largeurRegle - Gouttiere - pixels(droite + 6);
    return r;
}

int PremiereLigneRelachee(int gaucheRepere, int decalage)
{
    return points(gaucheRepere + decalage - Gouttiere);
}

int GaucheRelachee(int gaucheRepere, int decalage, int premiereLigne)
{
    return points(gaucheRepere + decalage - Gouttiere) - premiereLigne;
}

int DroiteRelachee(int gaucheRepere, int decalage, int largeurRegle)
{
    return points(largeurRegle - gaucheRepere + decalage - 2) - 12;
}

Regle::Regle(QWidget *panneau, ::Editor *editeur) : QWidget(panneau), m_editeur(editeur)
{
    setObjectName(QStringLiteral("Regle"));
    setGeometry(0, 0, panneau->width(), Hauteur);
    // The top rule and the ruler line are drawn by the ruler itself, in their places.
    Bevel1 = new QWidget(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(0, 0, width(), 2);
    Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);
    RulerLine = new QWidget(this);
    RulerLine->setObjectName(QStringLiteral("RulerLine"));
    RulerLine->setGeometry(2, 12, 515, 2);
    RulerLine->setAttribute(Qt::WA_TransparentForMouseEvents);

    FirstInd = repere("FirstInd", QRect(0, 2, 10, 9));
    LeftInd = repere("LeftInd", QRect(0, 12, 10, 21));
    RightInd = repere("RightInd", QRect(0, 14, 9, 12));

    panneau->installEventFilter(this);
    placerReperes();
}

QWidget *Regle::repere(const char *nom, const QRect &geometrie)
{
    auto *r = new QWidget(this);
    r->setObjectName(QString::fromLatin1(nom));
    r->setGeometry(geometrie);
    r->setCursor(Qt::SizeHorCursor);
    r->installEventFilter(this);
    return r;
}

int Regle::largeur() const
{
    return parentWidget()->width();
}

void Regle::placerReperes()
{
    const AttributsParagraphe p = m_editeur->paragrapheSelection();
    const PositionsReperes x = PositionsDesReperes(p.premiereLigne, p.gauche, p.droite, largeur());
    FirstInd->move(x.premiereLigne, FirstInd->y());
    LeftInd->move(x.gauche, LeftInd->y());
    RightInd->move(x.droite, RightInd->y());
}

void Regle::RulerItemMouseDown(QWidget *repere, int x)
{
    // The marker's centre comes under the pointer.
    RulerDragOffset = repere->width() / 2;
    repere->move(repere->x() + x - RulerDragOffset, repere->y());
    RulerDragActive = true;
}

void Regle::RulerItemMouseMove(QWidget *repere, int x)
{
    // Horizontally only, and past the ends of the ruler too.
    if (RulerDragActive)
        repere->move(repere->x() + x - RulerDragOffset, repere->y());
}

void Regle::relacherGauche(int premiereLigne)
{
    m_editeur->definirRetraitsSelection(premiereLigne, GaucheRelachee(LeftInd->x(), RulerDragOffset, premiereLigne),
                                        std::nullopt);
    emit retraitsModifies();
}

void Regle::LeftIndMouseUp()
{
    RulerDragActive = false;
    const int premiereLigne = m_editeur->paragrapheSelection().premiereLigne;
    m_editeur->definirRetraitsSelection(std::nullopt, GaucheRelachee(LeftInd->x(), RulerDragOffset, premiereLigne),
                                        std::nullopt);
    emit retraitsModifies();
}

void Regle::FirstIndMouseUp()
{
    RulerDragActive = false;
    // L is taken again against the new F, so the following lines stay where LeftInd shows
    // them; F and L are written together, one step to undo.
    relacherGauche(PremiereLigneRelachee(FirstInd->x(), RulerDragOffset));
}

void Regle::RightIndMouseUp()
{
    RulerDragActive = false;
    m_editeur->definirRetraitsSelection(std::nullopt, std::nullopt, DroiteRelachee(RightInd->x(), RulerDragOffset, largeur()));
    emit retraitsModifies();
}

bool Regle::eventFilter(QObject *objet, QEvent *evenement)
{
    if (objet == parentWidget()) {
        if (evenement->type() == QEvent::Resize) {
            resize(largeur(), Hauteur);
            Bevel1->resize(width(), Bevel1->height());
            // RightInd keeps its distance from the right edge.
            if (!RulerDragActive)
                placerReperes();
        }
        return false;
    }
    auto *r = qobject_cast<QWidget *>(objet);
    if (r != FirstInd && r != LeftInd && r != RightInd)
        return QWidget::eventFilter(objet, evenement);
    switch (evenement->type()) {
    case QEvent::Paint:
        dessinerRepere(r);
        return true;
    case QEvent::MouseButtonPress:
        RulerItemMouseDown(r, qFloor(static_cast<QMouseEvent *>(evenement)->position().x()));
        return true;
    case QEvent::MouseMove:
        RulerItemMouseMove(r, qFloor(static_cast<QMouseEvent *>(evenement)->position().x()));
        return true;
    case QEvent::MouseButtonRelease:
        if (r == FirstInd)
            FirstIndMouseUp();
        else if (r == LeftInd)
            LeftIndMouseUp();
        else
            RightIndMouseUp();
        return true;
    default:
        return false;
    }
}

// The markers: the first line's points down at the ruler line from above, the following
// lines' and the right indent's point up at it from below; the marker's tip is its centre.
void Regle::dessinerRepere(QWidget *repere)
{
    QPainter p(repere);
    QPolygon forme;
    if (repere == FirstInd)
        forme << QPoint(1, 0) << QPoint(9, 0) << QPoint(9, 4) << QPoint(5, 8) << QPoint(1, 4);
    else if (repere == LeftInd)
        forme << QPoint(5, 2) << QPoint(9, 6) << QPoint(9, 10) << QPoint(1, 10) << QPoint(1, 6);
    else
        forme << QPoint(4, 0) << QPoint(8, 4) << QPoint(8, 8) << QPoint(0, 8) << QPoint(0, 4);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setBrush(QColor(0xF2, 0xF2, 0xF2));
    p.drawPolygon(forme);
}

void Regle::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor fond = Skin::teinte(Skin::Teinte::Panneau);
    const QColor sombre = fond.darker(135);
    const QColor clair = fond.lighter(115);

    // The top rule: a groove across the panel.
    const QRect regleHaut = Bevel1->geometry();
    p.setPen(sombre);
    p.drawLine(regleHaut.left(), regleHaut.top(), regleHaut.right(), regleHaut.top());
    p.setPen(clair);
    p.drawLine(regleHaut.left(), regleHaut.top() + 1, regleHaut.right(), regleHaut.top() + 1);

    // The band with its ticks, standing on the ruler line.
    const QRect ligne = RulerLine->geometry();
    const QRect bande(ligne.left(), HautBande, ligne.width(), ligne.top() - HautBande);
    p.fillRect(bande, Qt::white);
    p.setPen(sombre);
    p.drawLine(bande.topLeft(), bande.topRight());
    p.drawLine(bande.topLeft(), bande.bottomLeft());
    p.drawLine(bande.topRight(), bande.bottomRight());

    QFont police(QStringLiteral("Tahoma"));
    police.setPixelSize(8);
    p.setFont(police);
    const QColor encre(0x50, 0x50, 0x50);
    const int base = ligne.top() - 1;
    for (int quart = 1;; ++quart) {
        const int x = OrigineGraduation + qRound(quart * PixelsParCentimetre / 4);
        if (x >= bande.right())
            break;
        p.setPen(encre);
        if (quart % 4 == 0) {
            const QRect place(x - 8, bande.top() + 1, 17, bande.height() - 1);
            p.drawText(place, Qt::AlignCenter, QString::number(quart / 4));
        } else if (quart % 2 == 0) {
            p.drawLine(x, base - 3, x, base);
        } else {
            p.drawLine(x, base - 1, x, base);
        }
    }
    // The zero of the centimetres: a longer tick.
    p.setPen(encre);
    p.drawLine(OrigineGraduation, base - 5, OrigineGraduation, base);

    // The ruler line itself, engraved.
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.drawLine(ligne.left(), ligne.top(), ligne.right(), ligne.top());
    p.setPen(clair);
    p.drawLine(ligne.left(), ligne.top() + 1, ligne.right(), ligne.top() + 1);
}
