#include "app/demarrage.h"

#include "app/tform1.h"
#include "app/tform2.h"
#include "app/tform4.h"
#include "app/tform3.h"
#include "platform/systeme.h"
#include "profiles/settingsfile.h"
#include "widgets/tformsdialog.h"

#include <QTextStream>

TForm1 *Form1 = nullptr;
TForm2 *Form2 = nullptr;
TForm3 *Form3 = nullptr;
TForm4 *Form4 = nullptr;
TFormsDialog *FormsDialog = nullptr;

void CreerFenetres()
{
    Form1 = new TForm1;
    Form2 = new TForm2;
    Form3 = new TForm3;
    Form4 = new TForm4;
    FormsDialog = new TFormsDialog;
    Form2->SettingsFile = Form1->SettingsFile;
    Form3->afficherEmplacementProfils(Form1->SettingsFile);
    Form1->FormsDialog = FormsDialog;
    Form2->FormsDialog = FormsDialog;
    // The windows talk through these: the main window's profile shown in the editor, each
    // window opening another, closing the help window always leading to the profile editor
    // and closing the editor back to the main window.
    QObject::connect(Form1, &TForm1::profilAffiche, Form2, &TForm2::afficherProfil);
    QObject::connect(Form1, &TForm1::nouveauProfilDemande, Form2, &TForm2::viderChamps);
    QObject::connect(Form1, &TForm1::editionProfilDemandee, Form2, [] {
        Form2->show();
        Form2->activateWindow();
    });
    QObject::connect(Form1, &TForm1::bienvenueDemandee, Form4, &TForm4::afficherBienvenue);
    QObject::connect(Form1, &TForm1::aProposDemande, Form3, &TForm3::montrerModale);
    QObject::connect(Form4, &TForm4::aProposDemande, Form3, &TForm3::montrerModale);
    QObject::connect(Form2, &TForm2::aideDemandee, Form4, &TForm4::afficherSujet);
    QObject::connect(Form4, &TForm4::ferme, Form2, [] {
        Form2->setEnabled(true);
        Form2->show();
        Form2->activateWindow();
    });
    QObject::connect(Form2, &TForm2::ferme, Form1, &TForm1::apresEditionProfil);
    QObject::connect(Form3, &TForm3::ferme, Form1, [] { Form1->setEnabled(true); });
    Form1->demarrer();
}

void DetruireFenetres()
{
    delete FormsDialog;
    delete Form4;
    delete Form3;
    delete Form2;
    delete Form1;
    FormsDialog = nullptr;
    Form4 = nullptr;
    Form3 = nullptr;
    Form2 = nullptr;
    Form1 = nullptr;
}

int EssaiEnregistrement()
{
    const QString chemin = SettingsFile::emplacement(DossierProgramme());
    SettingsFile fichier(chemin);
    QTextStream sortie(stdout), erreurs(stderr);
    const QString nom = QStringLiteral("Essai d'installation");
    const QString dernier = fichier.LireDernierProfile();
    Profile essai;
    essai.remplirExemple();
    essai.definir("EdProfileName", nom);
    if (!fichier.SauverProfile(essai)) {
        erreurs << fichier.erreur() << Qt::endl;
        return 1;
    }
    const bool relu = fichier.EnumererProfiles().contains(nom);
    if (!fichier.SupprimerProfile(nom) || !fichier.EcrireDernierProfile(dernier)) {
        erreurs << fichier.erreur() << Qt::endl;
        return 1;
    }
    if (!relu) {
        erreurs << QStringLiteral("Le profil d'essai n'a pas pu être relu dans %1.").arg(chemin) << Qt::endl;
        return 1;
    }
    sortie << QStringLiteral("Les profils sont enregistrés dans %1.").arg(chemin) << Qt::endl;
    return 0;
}
