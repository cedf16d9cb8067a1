#pragma once

#include <QColor>
#include <QWidget>

// Progress gauge: a bar for the part done and the whole percentage followed by the
// suffix ("50%"). The progress never goes beyond the maximum.
class SGauge : public QWidget
{
    Q_OBJECT

public:
    explicit SGauge(QWidget *parent = nullptr);

    void setMaxValue(int max);
    int maxValue() const { return m_max; }

    void setProgress(int progres);
    int progress() const { return m_progres; }
    void addProgress(int pas);

    // Written right after the number; "%" by default.
    void setSuffix(const QString &suffixe);
    QString suffix() const { return m_suffixe; }

    // Invalid: the palette's text colour.
    void setCouleurTexte(const QColor &couleur);
    QColor couleurTexte() const { return m_couleurTexte; }

    int pourcentage() const;
    QString texte() const;

    QSize sizeHint() const override;


protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_max = 100;
    int m_progres = 0;
    QString m_suffixe = QStringLiteral("%");
    QColor m_couleurTexte;
};
