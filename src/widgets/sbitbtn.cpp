#include "widgets/sbitbtn.h"

#include "widgets/skin.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

namespace {

constexpr int Marge = 4;      // between the face edge and the content
constexpr int Ecart = 5;      // between glyph and caption
constexpr int Rayon = 4;

// The disabled glyph: grey, faded.
QImage griser(QImage image)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = ligne[x];
            const int gris = 110 + qGray(c) / 3;
            ligne[x] = qRgba(gris, gris + 4, gris + 6, qAlpha(c) * 55 / 100);
        }
    }
    return image;
}

} // namespace

SBitBtn::SBitBtn(QWidget *parent)
    : QAbstractButton(parent)
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

void SBitBtn::setGlyphe(const QString &nom)
{
    if (nom == m_glyphe)
        return;
    m_glyphe = nom;
    delete m_rendu;
    m_rendu = nom.isEmpty() ? nullptr : new QSvgRenderer(Skin::cheminGlyphe(nom), this);
    m_cleCache.clear();
    updateGeometry();
    update();
}

bool SBitBtn::glypheValide() const
{
    return !m_image.isNull() || (m_rendu && m_rendu->isValid());
}

void SBitBtn::setImage(const QImage &image)
{
    m_image = image;
    m_cleCache.clear();
    updateGeometry();
    update();
}

void SBitBtn::setDisposition(Disposition disposition)
{
    if (disposition == m_disposition)
        return;
    m_disposition = disposition;
    updateGeometry();
    update();
}

void SBitBtn::setTailleGlyphe(int px)
{
    m_tailleGlyphe = qMax(0, px);
    updateGeometry();
    update();
}

void SBitBtn::setEnfonce(bool enfonce)
{
    if (enfonce == m_enfonce)
        return;
    m_enfonce = enfonce;
    update();
}

bool SBitBtn::afficheTexte() const
{
    return m_disposition != Disposition::GlypheSeul && !text().isEmpty();
}

int SBitBtn::tailleGlypheEffective() const
{
    if (!glypheValide())
        return 0;
    if (m_tailleGlyphe > 0)
        return m_tailleGlyphe;
    const int h = height() - 2 * Marge;
    if (!afficheTexte()) {
        // Large buttons keep some air around the glyph.
        const int cote = qMin(width(), height());
        return qMax(8, qMin(cote - 2 * Marge, cote * 3 / 4));
    }
    if (m_disposition == Disposition::TexteDessous)
        return qBound(12, h - fontMetrics().height() - Ecart, 48);
    return qBound(12, h, 24);
}

QPixmap SBitBtn::pixmapGlyphe(int taille) const
{
    const qreal dpr = devicePixelRatioF();
    const QString cle = QStringLiteral("%1/%2/%3").arg(taille).arg(dpr).arg(isEnabled());
    if (cle == m_cleCache)
        return m_cache;

    const int cote = qRound(taille * dpr);
    QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        if (!m_image.isNull())
            p.drawImage(QRectF(0, 0, cote, cote), m_image);
        else
            m_rendu->render(&p, QRectF(0, 0, cote, cote));
    }
    if (!isEnabled())
        image = griser(image);
    m_cache = QPixmap::fromImage(image);
    m_cache.setDevicePixelRatio(dpr);
    m_cleCache = cle;
    return m_cache;
}

QSize SBitBtn::sizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    const int g = glypheValide() ? (m_tailleGlyphe > 0 ? m_tailleGlyphe : 20) : 0;
    if (!afficheTexte())
        return QSize(g + 2 * Marge + 4, g + 2 * Marge + 4);
    const int lt = fm.horizontalAdvance(QString(text()).remove(QLatin1Char('&')));
    if (m_disposition == Disposition::TexteDessous)
        return QSize(qMax(g, lt) + 2 * Marge + 8, g + Ecart + fm.height() + 2 * Marge + 2);
    return QSize(g + (g ? Ecart : 0) + lt + 2 * Marge + 12,
                 qMax(g, fm.height()) + 2 * Marge + 2);
}

QSize SBitBtn::minimumSizeHint() const
{
    return QSize(16, 16);
}

void SBitBtn::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    const bool enfonce = m_enfonce || isDown();
    const bool survol = isEnabled() && underMouse();

    QColor fond = Skin::teinte(Skin::Teinte::Bouton);
    QColor bord = Skin::teinte(Skin::Teinte::Bordure);
    if (!isEnabled()) {
        fond = Skin::teinte(Skin::Teinte::Fenetre);
        bord = bord.lighter(112);
    } else if (enfonce) {
        fond = Skin::teinte(Skin::Teinte::AccentClair).darker(112);
        bord = Skin::teinte(Skin::Teinte::BordureSurvol);
    } else if (survol) {
        const QColor clair = Skin::teinte(Skin::Teinte::AccentClair);
        fond = QColor((fond.red() + clair.red()) / 2, (fond.green() + clair.green()) / 2,
                      (fond.blue() + clair.blue()) / 2);
        bord = Skin::teinte(Skin::Teinte::BordureSurvol);
    }
    if (hasFocus() && isEnabled())
        bord = Skin::teinte(Skin::Teinte::Accent);

    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(bord, 1));
    p.setBrush(fond);
    p.drawRoundedRect(face, Rayon, Rayon);
    if (enfonce) {
        // A soft shadow along the top edge makes the button look pressed in.
        QPainterPath bordHaut;
        bordHaut.addRoundedRect(face.adjusted(1, 1, -1, -1), Rayon - 1, Rayon - 1);
        p.save();
        p.setClipRect(face.adjusted(1, 1, -1, -face.height() + 3));
        p.setPen(QPen(fond.darker(118), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(bordHaut);
        p.restore();
    }

    // Content, nudged by a pixel while pressed in.
    QRect zone = rect().adjusted(Marge, Marge, -Marge, -Marge);
    if (enfonce)
        zone.translate(1, 1);

    const int g = tailleGlypheEffective();
    const bool avecTexte = afficheTexte();
    const QColor couleurTexte = isEnabled() ? Skin::teinte(Skin::Teinte::Texte)
                                            : Skin::teinte(Skin::Teinte::TexteInactif);
    p.setPen(couleurTexte);
    const int drapeaux = Qt::TextShowMnemonic;

    if (!avecTexte) {
        if (g > 0) {
            p.drawPixmap(QPoint(zone.left() + (zone.width() - g) / 2,
                                zone.top() + (zone.height() - g) / 2),
                         pixmapGlyphe(g));
        }
        return;
    }

    const QFontMetrics fm = fontMetrics();
    if (m_disposition == Disposition::TexteDessous) {
        const int hauteur = g + (g ? Ecart : 0) + fm.height();
        int y = zone.top() + (zone.height() - hauteur) / 2;
        if (g > 0) {
            p.drawPixmap(QPoint(zone.left() + (zone.width() - g) / 2, y), pixmapGlyphe(g));
            y += g + Ecart;
        }
        p.drawText(QRect(zone.left(), y, zone.width(), fm.height()),
                   drapeaux | Qt::AlignHCenter | Qt::AlignTop,
                   fm.elidedText(text(), Qt::ElideRight, zone.width(), Qt::TextShowMnemonic));
        return;
    }

    const QString texte = text();
    const int lt = fm.horizontalAdvance(QString(texte).remove(QLatin1Char('&')));
    const int place = zone.width() - (g ? g + Ecart : 0);
    const int largeur = (g ? g + Ecart : 0) + qMin(lt, place);
    int x = zone.left() + qMax(0, (zone.width() - largeur) / 2);
    if (g > 0) {
        p.drawPixmap(QPoint(x, zone.top() + (zone.height() - g) / 2), pixmapGlyphe(g));
        x += g + Ecart;
    }
    p.drawText(QRect(x, zone.top(), zone.right() - x + 1, zone.height()),
               drapeaux | Qt::AlignLeft | Qt::AlignVCenter,
               fm.elidedText(texte, Qt::ElideRight, place, Qt::TextShowMnemonic));
}

void SBitBtn::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QAbstractButton::changeEvent(event);
}

bool SBitBtn::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
        update();
        break;
    default:
        break;
    }
    return QAbstractButton::event(event);
}
