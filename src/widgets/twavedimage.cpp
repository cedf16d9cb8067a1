#include "widgets/twavedimage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

namespace {

// The displacement, computed the long way: the angles are kept in single precision.
int calculerDeplacement(std::int64_t d)
{
    const float angle = static_cast<float>(std::atan(static_cast<double>(d)));
    const float refracte = static_cast<float>(std::asin(std::sin(static_cast<double>(angle)) / 2.0));
    return static_cast<int>(std::trunc(static_cast<double>(d) * std::tan(static_cast<double>(refracte))));
}

// Heights stay well below this in practice (a press of 1000 never makes a slope of more
// than a few thousand), so every pixel's two displacements are looked up.
constexpr int TailleTable = 1 << 14;

const int *tableDeplacements()
{
    static const std::vector<int> table = [] {
        std::vector<int> t(TailleTable);
        for (int d = 0; d < TailleTable; ++d)
            t[d] = calculerDeplacement(d);
        return t;
    }();
    return table.data();
}

inline int deplacement(const int *table, std::int64_t d)
{
    const std::int64_t absolu = d < 0 ? -d : d;
    return absolu < TailleTable ? table[absolu] : calculerDeplacement(absolu);
}

constexpr QImage::Format FormatTravail = QImage::Format_ARGB32_Premultiplied;

} // namespace

int DeplacementRefraction(int d)
{
    return deplacement(tableDeplacements(), d);
}

void PropagerOndulation(const TIntegerArray &a, TIntegerArray &b, int w, int h)
{
    if (w < 2 || h < 3 || a.size() < TailleTamponOndulation(w, h) || b.size() < TailleTamponOndulation(w, h))
        return;
    constexpr std::int64_t Maximum = std::numeric_limits<std::int32_t>::max();
    for (int g = 1; g <= w - 1; ++g) {
        const std::int32_t *colonne = a.data() + std::size_t(g) * h;
        const std::int32_t *gauche = colonne - h;
        const std::int32_t *droite = colonne + h;
        std::int32_t *cible = b.data() + std::size_t(g) * h;
        for (int y = 1; y <= h - 2; ++y) {
            // In 64 bits: huge intensities set by a program must not overflow.
            const std::int64_t v = (std::int64_t(gauche[y]) + colonne[y - 1] + colonne[y + 1] + droite[y]) / 2
                                   - cible[y];
            cible[y] = v < 0 ? 0 : std::int32_t(std::min(v - v / 16, Maximum));
        }
    }
}

void RendreOndulation(const TIntegerArray &a, int w, int h, const QImage &source, QImage &affichee)
{
    if (w <= 0 || h <= 0 || a.size() < TailleTamponOndulation(w, h) || source.width() < w
        || source.height() < h || affichee.width() < w || affichee.height() < h || source.depth() != 32
        || affichee.depth() != 32)
        return;
    const int *table = tableDeplacements();
    const std::uint32_t *src = reinterpret_cast<const std::uint32_t *>(source.constBits());
    const std::size_t pasSrc = std::size_t(source.bytesPerLine()) / 4;
    std::uint32_t *dst = reinterpret_cast<std::uint32_t *>(affichee.bits());
    const std::size_t pasDst = std::size_t(affichee.bytesPerLine()) / 4;

    for (int g = 0; g < w; ++g) {
        const std::int32_t *colonne = a.data() + std::size_t(g) * h;
        const std::int32_t *suivante = colonne + h;
        std::uint32_t *pixel = dst + (w - 1 - g);
        for (int y = 0; y < h; ++y, pixel += pasDst) {
            // Row h of column g is cell (g + 1, 0), which is always 0: the shore.
            const std::int32_t dx = colonne[y] - suivante[y];
            const std::int32_t dy = colonne[y] - colonne[y + 1];
            const int sx = deplacement(table, dx);
            const int sy = deplacement(table, dy);
            const int gs = dx >= 0 ? g + sx : g - sx;
            const int ys = dy >= 0 ? y + sy : y - sy;
            if (gs >= 0 && gs <= w - 1 && ys >= 0 && ys <= h - 1)
                *pixel = src[std::size_t(ys) * pasSrc + std::size_t(w - 1 - gs)];
        }
    }
}

TWavedImage::TWavedImage(QWidget *parent) : QWidget(parent), m_timOndulation(new QTimer(this))
{
    m_timOndulation->setObjectName(QStringLiteral("TimOndulation"));
    m_timOndulation->setInterval(5);
    m_timOndulation->setTimerType(Qt::PreciseTimer);
    connect(m_timOndulation, &QTimer::timeout, this, &TWavedImage::TimOndulationTimer);
    // Mere movements over the picture can ripple it (MouseMoveIntensity).
    setMouseTracking(true);
}

TWavedImage::~TWavedImage() = default;

void TWavedImage::setPicture(const QImage &image)
{
    if (m_demarre)
        TerminerEffet();
    m_picture = image;
    if (m_autoSize && !image.isNull())
        resize(image.size());
    updateGeometry();
    update();
}

void TWavedImage::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (m_autoSize && !m_picture.isNull() && !m_demarre)
        resize(m_picture.size());
}

QSize TWavedImage::sizeHint() const
{
    return m_picture.isNull() ? QSize(0, 0) : m_picture.size();
}

int TWavedImage::hauteur(int g, int y) const
{
    if (!m_demarre || g < 0 || g > m_w || y < 0 || y > m_h)
        return 0;
    const TIntegerArray &a = m_tampons[m_courant];
    const std::size_t i = std::size_t(g) * m_h + y;
    return i < a.size() ? a[i] : 0;
}

void TWavedImage::DemarrerEffet()
{
    m_ticks = 0;
    m_occupe = false;
    m_h = height();
    m_w = width();

    m_backup = m_picture;
    // The working copy has exactly the control's size: a picture smaller than the control
    // is completed with transparent pixels, a larger one cut, so that every pixel the
    // water can show exists.
    if (m_w > 0 && m_h > 0) {
        if (m_picture.size() == QSize(m_w, m_h)) {
            m_bmpSrc = m_picture.convertToFormat(FormatTravail);
        } else {
            m_bmpSrc = QImage(m_w, m_h, FormatTravail);
            m_bmpSrc.fill(Qt::transparent);
            QPainter p(&m_bmpSrc);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(0, 0, m_picture);
        }
    } else {
        m_bmpSrc = QImage();
    }

    try {
        for (TIntegerArray &t : m_tampons)
            t.assign(TailleTamponOndulation(m_w, m_h), 0);
    } catch (const std::bad_alloc &) {
        TerminerEffet();
        return;
    }

    m_picture = m_bmpSrc.copy();
    update();
    m_demarre = true;
}

void TWavedImage::TerminerEffet()
{
    m_timOndulation->stop();
    for (TIntegerArray &t : m_tampons)
        std::fill(t.begin(), t.end(), 0);
    m_picture = m_backup;
    m_backup = QImage();
    update();
    m_demarre = false;
    m_occupe = false;
}

void TWavedImage::Perturber(int x, int y, int intensite)
{
    if (!m_demarre) {
        DemarrerEffet();
        if (!m_demarre)
            return;
    }
    if (intensite > 0 && x > 0 && x < m_w - 1 && y > 0 && y < m_h - 1) {
        m_ticks = 0;
        if (!m_timOndulation->isActive())
            m_timOndulation->start();
        m_tampons[m_courant][std::size_t(m_w - x) * m_h + y] = intensite;
    }
}

void TWavedImage::TimOndulationTimer()
{
    if (m_occupe)
        return;
    if (!m_demarre) { // a stray tick after the end
        m_timOndulation->stop();
        return;
    }
    m_occupe = true;
    ++m_ticks;
    if (m_ticks > TicksAvantArret) {
        TerminerEffet();
        update();
        m_occupe = false;
        return;
    }
    const TIntegerArray &a = m_tampons[m_courant];
    TIntegerArray &b = m_tampons[1 - m_courant];
    RendreOndulation(a, m_w, m_h, m_bmpSrc, m_picture);
    PropagerOndulation(a, b, m_w, m_h);
    m_courant = 1 - m_courant;
    update();
    m_occupe = false;
}

void TWavedImage::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.drawImage(0, 0, m_picture);
}

void TWavedImage::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    Perturber(pos.x(), pos.y(), m_mouseClickIntensity);
    if (event->button() == Qt::LeftButton)
        m_clicEnCours = true;
    event->accept();
}

void TWavedImage::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const bool gaucheSeul = event->buttons() == Qt::LeftButton && event->modifiers() == Qt::NoModifier;
    Perturber(pos.x(), pos.y(), gaucheSeul ? m_mouseDownIntensity : m_mouseMoveIntensity);
    event->accept();
}

void TWavedImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const bool clic = m_clicEnCours && rect().contains(event->position().toPoint());
    m_clicEnCours = false;
    event->accept();
    if (clic)
        emit Click();
}
