#pragma once

#include "widgets/spanel.h"

class PanneauCoulissant;
class QLabel;
class QTimer;
class SBitBtn;
class SComboBox;
class SEdit;

// Steps 1 and 2 of the main window: the profile, the kind of application, the sector,
// the experiences to cite, the company, the recipient and a previous contact, with the
// two panels that slide open for the offer and for the contact's name.
class PanneauCandidature : public SPanel
{
    Q_OBJECT
public:
    explicit PanneauCandidature(QWidget *parent = nullptr);

    // Step 1.
    QLabel *Label4, *sLabel1, *Label6, *sLabel2, *Label7, *sLabel11, *Label10, *Label2, *Label8;
    SComboBox *sComboBox1, *sComboBox2, *CombSecteur, *CombSecteurHidden, *sComboBox8, *sComboBox3;
    SBitBtn *sBitBtn1, *sBitBtn14, *sBitBtn15, *sBitBtn4;
    // The offer panel.
    SPanel *PanOffre;
    QLabel *Label11, *Label12, *Label14, *Label13;
    SEdit *EdRefOffre, *EdOffrePublieeSur, *EdIntituleOffre;
    SBitBtn *sBitBtn5;
    // Step 2.
    SPanel *sPanel2;
    QLabel *sLabel9, *sLabel12, *Label9, *sLabel10, *sLabel4, *sLabel16, *sLabel15;
    SEdit *EdSociete, *sEdit1, *sEdit3;
    SComboBox *sComboBox6, *sComboBox4, *CombPrecedentContact, *CombPrecContactHidden;
    SBitBtn *sBitBtn7;
    // The previous-contact panel.
    SPanel *PanPrecContact;
    QLabel *Label16;
    SEdit *EdNomPrecContact;
    SBitBtn *sBitBtn6;

    QTimer *TimOffreOuvrir, *TimOffreFermer, *TimContactOuvrir, *TimContactFermer;

    // Widths of the two lists that share their row with a button, from the panel's width.
    static int largeurType(int largeurPanneau, bool boutonVisible);
    static int largeurContact(int largeurPanneau, bool boutonVisible);
    // The width a list drops down to: never narrower than the control, wide enough for its
    // widest item, plus a scroll bar when it has more items than it shows at once.
    static int largeurDeroulee(int largeurControle, const QList<int> &largeursTextes, int largeurBarre,
                               int lignesVisibles);

signals:
    // A change that makes the letter on screen out of date (the step-3 caption goes back).
    void etapeModifiee();
    // The kind of application chose a postal letter (word processor) or an e-mail.
    void sortieChoisie(bool courrier);

public slots:
    void sComboBox2Change();
    void sComboBox4Change();
    void CombPrecedentContactChange();
    void sBitBtn4Click();
    void sBitBtn7Click();
    void TimOffreOuvrirTimer();
    void TimOffreFermerTimer();
    void TimContactOuvrirTimer();
    void TimContactFermerTimer();
    void sComboBox8DropDown(SComboBox *liste);

private:
    QLabel *label(QWidget *parent, const char *nom, const QString &texte, int x, int y, bool gras = false);
    SComboBox *liste(QWidget *parent, const char *nom, const QStringList &items, int x, int y, int largeur);
    SEdit *edit(QWidget *parent, const char *nom, int x, int y, int largeur);
    SBitBtn *bouton(QWidget *parent, const char *nom, const QString &glyphe, const QString &indication, QRect place);
    SBitBtn *boutonValider(QWidget *parent, const char *nom, const QString &indication);
    QTimer *minuterie(const char *nom);

    PanneauCoulissant *m_offre;
    PanneauCoulissant *m_contact;
};
