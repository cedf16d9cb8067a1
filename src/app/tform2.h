#pragma once

#include "profiles/profile.h"

#include <QWidget>

class ClignotementLabel;
class QLabel;
class SBitBtn;
class SComboBox;
class SEdit;
class SMemo;
class SPanel;
class TFormsDialog;

// The profile editor. Its controls hold the current profile for the whole run, even
// while the window is hidden.
class TForm2 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    // The settings file the save writes (the main window's), and the program's message
    // dialog, given once the windows exist.
    QString SettingsFile;
    TFormsDialog *FormsDialog = nullptr;

    SEdit *EdProfileName, *EdPrenom, *EdNom, *EdAdresse, *EdCodePostal, *EdVille, *EdTelephone, *EdMail;
    SComboBox *CombTitre, *CombStatutActuel, *CombMoisDispo, *CombAnneeDispo, *CombTypeMission;
    SMemo *MemoProfilActuel;
    QList<SMemo *> MemosExperience; // MemoFormation1 … MemoActMissions2, in the profile's order
    QLabel *Label10, *Label12, *Label15;
    SBitBtn *sBitBtn1, *sBitBtn2, *sBitBtn3, *sBitBtn4, *sBitBtn5, *sBitBtn6, *sBitBtn7;
    ClignotementLabel *Clignotement;

    // The current profile as the controls show it, and back.
    Profile profilCourant() const;
    void afficherProfil(const Profile &profil);
    // Every edit field and memo emptied (a new profile); the lists keep their choice.
    void viderChamps();
    // The caption of the label beside a required edit field.
    QLabel *labelDe(const SEdit *edit) const;

    // Warns and flashes the label when the edit field is empty (blanks count as filled).
    bool WarningSiLabelVide(SEdit *edit, QLabel *label);

public slots:
    void sBitBtn3Click();
    void sBitBtn6Click();
    void sBitBtn7Click();
    // The four examples buttons: the help window on their topic.
    void sBitBtn1Click();
    void sBitBtn2Click();
    void sBitBtn4Click();
    void sBitBtn5Click();

signals:
    // After every close, whatever closed the window, with the profile it shows.
    void ferme(const Profile &affiche);
    // The help window is to open on a topic.
    void aideDemandee(int sujet);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The checks, then the write; false when something is missing or the write failed.
    bool sauvegarder();
    void avertir(QLabel *label, const QString &ligne1, const QString &ligne2, QWidget *focus);
    void ouvrirAide(int sujet);

    QLabel *ajouterLabel(QWidget *parent, const QString &texte, int x, int y, bool gras = false);
    SEdit *ajouterEdit(QWidget *parent, const char *nom, int x, int y, int largeur);
    SComboBox *ajouterChoix(QWidget *parent, const char *nom, int x, int y, int largeur);
    SMemo *ajouterMemo(QWidget *parent, const char *nom, int x, int y, int largeur);
    SBitBtn *ajouterBoutonExemples(QWidget *parent, const char *nom, int x, int y);
    SBitBtn *ajouterGrandBouton(const char *nom, const QString &glyphe, const QString &indication, int x);
    QLabel *ajouterTitre(QWidget *parent, const QString &texte, int y);

    QList<std::pair<SEdit *, QLabel *>> m_obligatoires;
};
