#pragma once

#include "profiles/profile.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class SBitBtn;
class SComboBox;
class SEdit;
class SPanel;

// The profile editor. Its controls hold the current profile for the whole run, even
// while the window is hidden.
class TForm2 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    // The current profile as the controls show it, and back.
    Profile profilCourant() const;
    void afficherProfil(const Profile &profil);

private:
    QLabel *ajouterLabel(QWidget *parent, const QString &texte, int x, int y, bool gras = false);
    SEdit *ajouterEdit(QWidget *parent, const char *nom, int x, int y, int largeur);
    SComboBox *ajouterChoix(QWidget *parent, const char *nom, int x, int y, int largeur);
    QPlainTextEdit *ajouterMemo(QWidget *parent, const char *nom, int x, int y, int largeur);
    SBitBtn *ajouterBoutonExemples(QWidget *parent, const char *nom, int x, int y);
    QLabel *ajouterTitre(QWidget *parent, const QString &texte, int y);
};
