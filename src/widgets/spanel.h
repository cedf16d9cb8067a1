#pragma once

#include <QColor>
#include <QFrame>

// A flat panel with an optional border drawn as a soft bevel inside its edge. The
// border never moves children (windows place them by position); zoneInterieure() is
// what a child filling the panel gets.
class SPanel : public QFrame
{
    Q_OBJECT

public:
    explicit SPanel(QWidget *parent = nullptr);

    void setBorderWidth(int largeur);
    int borderWidth() const { return m_bordure; }

    // An invalid colour gives the skin's panel colour.
    void setCouleur(const QColor &couleur);
    QColor couleur() const { return m_couleur; }

    QRect zoneInterieure() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_bordure = 0;
    QColor m_couleur;
};
