#pragma once

#include <QWidget>

class QLabel;
class SBitBtn;
class SPanel;
class TWavedImage;

// The help window: four topics that explain the memos of the profile editor with
// examples, and the welcome page of the very first start. Whichever way it closes, the
// profile editor comes next.
class TForm4 : public QWidget
{
    Q_OBJECT
public:
    enum Sujet { JeSuisActuellement = 0, DurantMaFormation = 1, DurantMesPrecMissions = 2, EnCeMoment = 3 };

    explicit TForm4(QWidget *parent = nullptr);

    SPanel *PanWelcome = nullptr;
    SBitBtn *sBitBtn6 = nullptr;

    // The welcome page.
    TWavedImage *Image1 = nullptr;
    QLabel *Label28 = nullptr;
    QLabel *Label31 = nullptr;
    QLabel *Label32 = nullptr;
    QLabel *Label33 = nullptr;
    SBitBtn *sBitBtn28 = nullptr;
    SPanel *sPanel1 = nullptr;
    QLabel *Label29 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Label30 = nullptr;
    QLabel *Label34 = nullptr;
    SBitBtn *BtnSuivant = nullptr;

    // Heading and examples panel of each topic, in the order of Sujet.
    QList<std::pair<SPanel *, SPanel *>> Sujets;

    // Hides the welcome page, shows the two panels of the topic, hides the six others,
    // and shows the window.
    void afficherSujet(int sujet);
    // The welcome page, on the first start.
    void afficherBienvenue();

public slots:
    void sBitBtn6Click();
    // Opens the About window, modal.
    void sBitBtn28Click();

signals:
    // After every close, the title bar's close box included.
    void ferme();
    // The welcome page's About button: the About window is to open.
    void aProposDemande();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    SPanel *panneauTitre(const char *nom, const QString &titre, const QString &explication, const QString &note);
    SPanel *panneauExemples(const char *nom, const QStringList &lignes);
    void construireBienvenue();
};
