#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>

class QSvgRenderer;

// Flat push button showing a glyph, with an optional caption beside or under it. The
// hint is the tool tip. The "down" state belongs to the program: a click emits
// clicked() and leaves it alone; setEnfonce() draws the button pressed in.
class SBitBtn : public QAbstractButton
{
    Q_OBJECT

public:
    enum class Disposition { GlypheSeul, TexteACote, TexteDessous };

    explicit SBitBtn(QWidget *parent = nullptr);

    // Glyph "glyphes/<nom>.svg"; an empty name removes it.
    void setGlyphe(const QString &nom);
    QString glyphe() const { return m_glyphe; }
    bool glypheValide() const;
    // A picture drawn in place of the named glyph (the colour swatches).
    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }

    // Where the caption (text()) goes; GlypheSeul hides it. Default: beside.
    void setDisposition(Disposition disposition);
    Disposition disposition() const { return m_disposition; }

    // Glyph size in pixels; 0 (default) fits it to the button.
    void setTailleGlyphe(int px);
    int tailleGlyphe() const { return m_tailleGlyphe; }

    void setEnfonce(bool enfonce);
    bool estEnfonce() const { return m_enfonce; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    bool afficheTexte() const;
    int tailleGlypheEffective() const;
    QPixmap pixmapGlyphe(int taille) const;

    QString m_glyphe;
    QSvgRenderer *m_rendu = nullptr;
    QImage m_image;
    Disposition m_disposition = Disposition::TexteACote;
    int m_tailleGlyphe = 0;
    bool m_enfonce = false;

    mutable QPixmap m_cache;
    mutable QString m_cleCache;
};
