#pragma once

#include "editor/editor.h"
#include "widgets/spanel.h"

#include <functional>

class PanneauCoulissant;
class QTimer;
class SBitBtn;
class SComboBox;
class SEdit;
class SGauge;

// The editor column of the main window: the main toolbar, the font panel with its colour
// palette, the ruler panel and the letter itself. The toolbar follows the selection, and
// every command gives the keyboard focus back to the letter.
class PanneauEditeur : public SPanel
{
    Q_OBJECT
public:
    explicit PanneauEditeur(QWidget *parent = nullptr);

    // The main toolbar and the progress panel that covers it during a generation.
    SPanel *PanEditeur, *PanProgression, *Sep1, *Sep2;
    SGauge *BarreProgression;
    SBitBtn *sBitBtn27, *sBitBtn26, *BoutPolices, *BoutParagraphe, *BoutAnnuler, *BoutRetablir, *BoutCouper,
        *BoutCopier, *BoutColler, *sBitBtn25, *sBitBtn2, *sBitBtn28;
    // The font panel and its palette.
    SPanel *PanPolice, *PanCouleurs, *Sep3, *Sep4;
    SComboBox *CombPolice;
    SEdit *EdTaillePolice;
    SBitBtn *BoutTaillePoliceUp, *BoutTaillePoliceDown, *BoutGras, *BoutItal, *BoutSoulign, *BoutCouleur,
        *BoutAlignGauche, *BoutAlignCentre, *BoutAlignDroite, *BoutAlignJustify;
    QList<SBitBtn *> Pastilles; // BoutCouleur1 … BoutCouleur11, without 5
    // The ruler panel and the letter.
    SPanel *PanParagraphe;
    ::Editor *Editor;

    QTimer *TimTaillePoliceUp, *TimTaillePoliceDown, *TimPoliceOuvrir, *TimPoliceFermer, *TimParagrapheOuvrir,
        *TimParagrapheFermer, *TimCouleursOuvrir, *TimCouleursFermer;

    bool SyncingToolbar = false;
    // While it answers true (the attention flash of the Generate button), moving the mouse
    // over the letter leaves the keyboard focus where it is.
    std::function<bool()> attentionEnCours;
    // Places the ruler's markers from the selection's paragraph (set by the ruler).
    std::function<void()> placerReperes;

    // The current text attributes: the selection's when text is selected, otherwise those
    // new text is typed with.
    AttributsTexte CurrText() const;
    // The colour a swatch stands for: its picture's pixel (2, 2).
    static QColor couleurPastille(const SBitBtn *pastille);
    static const QList<QRgb> &couleursPalette();

    // Lays the column out for its current size, shown or not.
    void disposer();

public slots:
    void EditorSelectionChange();
    void UpdateEditActions();
    void GetFontNames();
    void BoutAnnulerClick();
    void BoutRetablirClick();
    void BoutCouperClick();
    void BoutCopierClick();
    void BoutCollerClick();
    void BoutGrasClick();
    void BoutItalClick();
    void BoutSoulignClick();
    void BoutAlignClick(SBitBtn *bouton);
    void BoutCouleurClick();
    void BoutCouleur1Click(SBitBtn *pastille);
    void BoutPolicesClick();
    void BoutParagrapheClick();
    void CombPoliceChange();
    void EdTaillePoliceChange();
    void BoutTaillePoliceUpClick();
    void BoutTaillePoliceDownClick();
    void TimTaillePoliceUpTimer();
    void TimTaillePoliceDownTimer();
    void TimPoliceOuvrirTimer();
    void TimPoliceFermerTimer();
    void TimParagrapheOuvrirTimer();
    void TimParagrapheFermerTimer();
    void TimCouleursOuvrirTimer();
    void TimCouleursFermerTimer();
    void EditorMouseMove();

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;
    void resizeEvent(QResizeEvent *evenement) override;

private:
    SBitBtn *bouton(QWidget *parent, const char *nom, const QString &glyphe, const QString &indication, QSize taille);
    SPanel *separateur(QWidget *parent, const char *nom);
    QTimer *minuterie(const char *nom, int intervalle);
    void placerBarrePrincipale();
    void placerPanneauPolice();
    // Writes a change of the current text attributes: onto the selection, or onto what is
    // typed next. Only the properties the format holds change.
    void appliquer(const QTextCharFormat &modification);
    void basculerStyle(SBitBtn *bouton, const std::function<void(QTextCharFormat &, bool)> &ecrire);
    void pasTaille(int sens);
    void rendreFocus();

    PanneauCoulissant *m_police, *m_paragraphe, *m_couleurs;
};
