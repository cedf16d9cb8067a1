#pragma once

#include "profiles/profile.h"

#include <QWidget>

struct DonneesLettre;
class ClignotementLabel;
class Editor;
class PanneauEditeur;
class PanneauCandidature;
class QLabel;
class QListWidget;
class QTimer;
class SBitBtn;
class SComboBox;
class SGauge;
class SPanel;
class TFormsDialog;

// The main window: the application at hand on the left, the letter on the right.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    QString DossierProgramme;  // ends with '/'
    QString WorkFolder;        // the private temporary folder + "Vendelair/"; empty when refused
    QString SettingsFile;
    // The program's message dialog, given once the windows exist.
    TFormsDialog *FormsDialog = nullptr;
    bool GenerationEnCours = false;
    // The letter's subject without "Objet: ", for the e-mail.
    QString LetterSubject;

    // The window is parked off-screen between its creation and the start-up decision.
    static constexpr int GaucheGaree = 8000;
    bool estGaree() const { return m_gauche >= 1600; }
    int gauche() const { return m_gauche; }

    QTimer *TimerDemarrage = nullptr;
    PanneauCandidature *PanGauche = nullptr;
    SPanel *sPanel4 = nullptr;
    SPanel *sPanel1 = nullptr;
    PanneauEditeur *PanDroite = nullptr;
    SPanel *PanEditeur = nullptr;
    SPanel *PanProgression = nullptr;
    SGauge *BarreProgression = nullptr;
    SComboBox *sComboBox1 = nullptr;
    SComboBox *sComboBox8 = nullptr;
    SComboBox *sComboBox3 = nullptr;
    SBitBtn *sBitBtn1 = nullptr;
    SBitBtn *sBitBtn14 = nullptr;
    SBitBtn *sBitBtn15 = nullptr;
    SBitBtn *sBitBtn3 = nullptr;
    SBitBtn *sBitBtn28 = nullptr;
    SBitBtn *sBitBtn27 = nullptr;
    SBitBtn *sBitBtn26 = nullptr;
    SBitBtn *sBitBtn25 = nullptr;
    SBitBtn *sBitBtn2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label5 = nullptr;
    ClignotementLabel *Clignotement = nullptr;
    QListWidget *TmpList = nullptr; // the design's hidden list: it carries nothing
    ::Editor *Editor = nullptr;

public slots:
    // Runs once the five windows exist: the window counts as shown, parked off-screen.
    void demarrer();
    void FormShow();
    // Lays the window out for its size; runs on every size change.
    void FormResize();
    void TimerDemarrageTimer();
    void ListerProfiles();
    void sComboBox1Change();
    void sBitBtn28Click();
    // Generate: a whole new letter in the editor.
    void sBitBtn3Click();
    // The letter out of the editor: save as RTF, print, word processor, e-mail.
    void sBitBtn27Click();
    void sBitBtn26Click();
    void sBitBtn25Click();
    void sBitBtn2Click();
    // New, edit and delete profile.
    void sBitBtn1Click();
    void sBitBtn14Click();
    void sBitBtn15Click();
    // Whatever closed the profile editor, which showed `affiche`: the list rebuilt from the
    // file, the selected profile loaded again, and the window given back to the user.
    void apresEditionProfil(const Profile &affiche);
    // The step-3 caption back to its first wording, after any change of the answers.
    void reinitialiserEtape3();
    void FlashLabel(QLabel *label);
    // The step-3 caption is bold again after a generation or the profile editor.
    void Label3EnGras();

    // One step of the progress gauge; the window processes its pending messages.
    void Progression();
    // Places the window; while parked, it stays hidden and only remembers where it is.
    void placer(int gauche, int haut);

signals:
    // The current profile, loaded or changed, for the profile editor to show.
    void profilAffiche(const Profile &profil);
    // The profile editor is to empty its fields for a new profile.
    void nouveauProfilDemande();
    // The profile editor is to open, the welcome page, the About window.
    void editionProfilDemandee();
    void bienvenueDemandee();
    void aProposDemande();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

public:
    // The profile chosen in sComboBox1, as loaded from the settings file.
    const Profile &profilCourant() const { return m_profil; }
    // The answers and the current profile, read once for a letter.
    DonneesLettre donneesLettre() const;
    // The last name the letter's file is named after: none when no profile is chosen.
    QString nomDeFamille() const;

private:
    void FormCreate();
    void FormClose();
    void construireControles();
    void ouvrirEditeurProfil();
    bool verifierReponses();
    // True when the letter holds no unsaved change of the user's, or the user agrees to
    // lose them (the question as the third line).
    bool abandonnerRetouches(const QString &question);
    // Writes the letter, its corpus in the working folder under `temporaire` (empty when no
    // private folder could be had, `pourquoi` then saying why).
    void ecrireLettre(const QString &temporaire, const QString &pourquoi);
    void abandonnerGeneration(const QString &message);

    Profile m_profil;
    int m_gauche = 0;
    // True between the start and the decision: the window counts as shown (its
    // FormShow has run) although nothing is on screen.
    bool m_montreeGaree = false;
};
