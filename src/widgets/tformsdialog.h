#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

class QEventLoop;
class QLabel;
class SBitBtn;
class SPanel;

// Where everything of the message dialog goes for a given text. Window sizes are outer
// sizes, frame included; positions are inside the window.
struct DispositionDialogue
{
    int largeurPanneau = 0;
    int hauteurPanneau = 0;
    int largeurFenetre = 0;
    int hauteurFenetre = 0;
    int hautBoutons = 0;
    int gaucheOK = 0;
    int gaucheOui = 0;
    int gaucheNon = 0;

    bool operator==(const DispositionDialogue &) const = default;
};

// largeurTexteMax: width of the widest line; ligne2/ligne3: whether those lines have text.
DispositionDialogue CalculerDisposition(int largeurTexteMax, bool ligne2, bool ligne3);

// The program's own message dialog: up to three lines beside a picture, with either OK
// or Oui/Non. One instance serves the whole run.
class TFormsDialog : public QWidget
{
    Q_OBJECT

public:
    enum Resultat { Oui, Non, OK, Ferme };

    // The window manager draws the frame outside the client area; the outer sizes above
    // lose this much to become the client size: the two 3-px side borders, and the
    // caption (24 px) with the top and bottom borders.
    static constexpr int CadreLargeur = 6;
    static constexpr int CadreHauteur = 30;

    explicit TFormsDialog(QWidget *parent = nullptr);
    ~TFormsDialog() override;

    // Shows the lines and waits for the answer: false only when the answer is "Non".
    // ouiNon: a question ("Attention", Oui/Non), where Enter answers "Non" and closing the
    // dialog (Escape, the close box) counts as "Non"; otherwise a notice ("Information", OK).
    bool ShowsDialog(const QString &ligne1, const QString &ligne2, const QString &ligne3,
                     bool ouiNon);

    // How the last dialog ended, and what it said.
    Resultat resultat() const { return m_resultat; }
    QStringList dernieresLignes() const { return m_lignes; }

    // Tests answer the dialog instead of the user: once everything is laid out, the
    // answerer gets the dialog and returns a Resultat, and no modal loop runs. An empty
    // function restores the real dialog.
    using Repondeur = std::function<int(TFormsDialog &)>;
    static void definirRepondeur(Repondeur repondeur);

public slots:
    void BoutYesClick();
    void BoutNoClick();
    void BoutOKClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void disposer(bool ouiNon);
    void terminer(Resultat resultat);
    SBitBtn *boutonParDefaut() const;

    SBitBtn *BoutYes = nullptr;
    SBitBtn *BoutNo = nullptr;
    SBitBtn *BoutOK = nullptr;
    SPanel *sPanel1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;

    Resultat m_resultat = Ferme;
    QStringList m_lignes;
    QEventLoop *m_boucle = nullptr;
};
