#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <vector>

class QTimer;

// The water of the rippling picture, apart from any widget.
//
// A height field over a W x H picture is kept in buffers of (W + 1) x (H + 1) cells;
// cell (g, y) is at index g * H + y. Grid column g is picture column W - 1 - g (the grid
// is mirrored left to right); grid row y is picture row y. Only cells with 1 <= g <= W - 1
// and 1 <= y <= H - 2 are ever written; every other cell stays 0 and serves as the shore.
using TIntegerArray = std::vector<std::int32_t>;

inline std::size_t TailleTamponOndulation(int w, int h)
{
    return std::size_t(w + 1) * std::size_t(h + 1);
}

// How far (in pixels) a height difference d bends the view through the surface:
// d x tan(asin(sin(atan d) / 2)), truncated; the same for -d. s(2) = 1, s(100) = 57,
// s(1000) = 577, tending to 0.577 d.
int DeplacementRefraction(int d);

// One tick of the waves: every interior cell of b, which still holds the state of two
// ticks ago, becomes half the sum of its four neighbours in a minus its old value,
// floored at 0 and damped to 15/16.
void PropagerOndulation(const TIntegerArray &a, TIntegerArray &b, int w, int h);

// Draws the picture seen through the surface a: each pixel of affichee takes the pixel of
// source displaced by the slope of the surface; a pixel whose source would fall outside
// the picture keeps what it showed. Both pictures are w x h with 32-bit pixels.
void RendreOndulation(const TIntegerArray &a, int w, int h, const QImage &source, QImage &affichee);

// A picture control whose picture behaves like the bottom of a shallow pool: a press,
// a drag with the left button or (when MouseMoveIntensity > 0) a mere movement drops a
// disturbance into the water; a 5 ms timer spreads the waves and redraws the picture
// through them. After 52 quiet ticks the next one puts the untouched picture back.
class TWavedImage : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QImage BmpSrc READ BmpSrc)
    Q_PROPERTY(int MouseDownIntensity READ MouseDownIntensity WRITE setMouseDownIntensity)
    Q_PROPERTY(int MouseMoveIntensity READ MouseMoveIntensity WRITE setMouseMoveIntensity)
    Q_PROPERTY(int MouseClickIntensity READ MouseClickIntensity WRITE setMouseClickIntensity)

public:
    // Quiet ticks animated after the last disturbance; the next tick ends the effect.
    static constexpr int TicksAvantArret = 52;

    explicit TWavedImage(QWidget *parent = nullptr);
    ~TWavedImage() override;

    // The picture, drawn at the top left corner. While the water moves, Picture() is the
    // 32-bit working picture; afterwards it is again the picture as it was given.
    // Giving a new picture ends a running effect first.
    void setPicture(const QImage &image);
    const QImage &Picture() const { return m_picture; }
    // When on, the control takes the size of its picture (off by default).
    void setAutoSize(bool autoSize);
    bool AutoSize() const { return m_autoSize; }

    const QImage &BmpSrc() const { return m_bmpSrc; }
    int MouseDownIntensity() const { return m_mouseDownIntensity; }
    void setMouseDownIntensity(int v) { m_mouseDownIntensity = v; }
    int MouseMoveIntensity() const { return m_mouseMoveIntensity; }
    void setMouseMoveIntensity(int v) { m_mouseMoveIntensity = v; }
    int MouseClickIntensity() const { return m_mouseClickIntensity; }
    void setMouseClickIntensity(int v) { m_mouseClickIntensity = v; }

    // Drops a disturbance at (x, y) in control pixels; starts the effect if needed.
    // Nothing is dropped for an intensity <= 0 or on the one-pixel margin.
    void Perturber(int x, int y, int intensite);

    // What tests look at.
    bool estDemarre() const { return m_demarre; }
    bool estOccupe() const { return m_occupe; }
    int nombreTicks() const { return m_ticks; }
    // Height of grid cell (g, y) in the latest state; 0 when the effect is not running.
    int hauteur(int g, int y) const;
    QTimer *TimOndulation() const { return m_timOndulation; }

    QSize sizeHint() const override;

signals:
    // Left press and release over the picture.
    void Click();

public slots:
    // The animation timer's tick.
    void TimOndulationTimer();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void DemarrerEffet();
    void TerminerEffet();

    QImage m_picture;
    bool m_autoSize = false;
    QImage m_bmpSrc;
    QImage m_backup;
    int m_mouseDownIntensity = 1000;
    int m_mouseMoveIntensity = 0;
    int m_mouseClickIntensity = 1000;

    int m_w = 0;
    int m_h = 0;
    TIntegerArray m_tampons[2];
    int m_courant = 0;
    QTimer *m_timOndulation = nullptr;
    int m_ticks = 0;
    bool m_occupe = false;
    bool m_demarre = false;
    bool m_clicEnCours = false;
};
