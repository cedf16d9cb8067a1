#pragma once

#include <QWidget>

class Editor;

// The ruler's arithmetic. The ruler has a fixed scale of 4/3 pixel per point (neither the
// screen's resolution nor the letter's zoom enters) and a gutter of 6 pixels; every
// conversion truncates toward zero, negative indents included. Indents are whole points:
// F the first line's, L the following lines' counted from F, R the right one.

// Left edges of the three markers in a ruler of width W.
struct PositionsReperes
{
    int premiereLigne = 0; // FirstInd
    int gauche = 0;        // LeftInd
    int droite = 0;        // RightInd

    bool operator==(const PositionsReperes &) const = default;
};
PositionsReperes PositionsDesReperes(int premiereLigne, int gauche, int droite, int largeurRegle);

// The indents a released marker stands for, from its left edge and the drag offset (half
// the width of the marker pressed).
int PremiereLigneRelachee(int gaucheRepere, int decalage);
// L against the first-line indent F now in force.
int GaucheRelachee(int gaucheRepere, int decalage, int premiereLigne);
int DroiteRelachee(int gaucheRepere, int decalage, int largeurRegle);

// The paragraph ruler that fills the ruler panel: a line with centimetre ticks and three
// markers (first line above the line, following lines and right indent under it). Dragging
// a marker writes that indent into the paragraphs of the selection; the ruler keeps no copy
// of the indents beyond where its markers stand.
class Regle : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Hauteur = 28;

    // Fills panneau (and follows its width); writes into editeur.
    Regle(QWidget *panneau, ::Editor *editeur);

    QWidget *Bevel1, *RulerLine, *FirstInd, *LeftInd, *RightInd;

    // From press to release of a marker, and the offset taken at the press.
    bool RulerDragActive = false;
    int RulerDragOffset = 0;

    // The width W the markers are placed in: the panel's.
    int largeur() const;

public slots:
    // Places the markers from the indents of the selection's paragraph.
    void placerReperes();
    // Shared by the three markers; x is relative to the marker.
    void RulerItemMouseDown(QWidget *repere, int x);
    void RulerItemMouseMove(QWidget *repere, int x);
    void FirstIndMouseUp();
    void LeftIndMouseUp();
    void RightIndMouseUp();

signals:
    // After a drop: the indents changed, the selection's display must follow (the editor
    // column answers with EditorSelectionChange, which places the markers again).
    void retraitsModifies();

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;
    void paintEvent(QPaintEvent *evenement) override;

private:
    QWidget *repere(const char *nom, const QRect &geometrie);
    void dessinerRepere(QWidget *repere);
    // The LeftInd part of a drop, also the end of a FirstInd drop.
    void relacherGauche(int premiereLigne);

    ::Editor *m_editeur;
};
