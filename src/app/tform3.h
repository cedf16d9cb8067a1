#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class SBitBtn;
class SPanel;
class TLabelURL;
class TWavedImage;

// The About window: the two-colour name over the rippling icon, the version, the links to
// our web site and contact address, the thanks panel and the three licence notices the
// program carries. Opened modally; closing it gives the main window back.
class TForm3 : public QWidget
{
    Q_OBJECT
public:
    // Our own addresses.
    static const QString AdresseSite;
    static const QString AdresseContact; // "mailto:…"

    explicit TForm3(QWidget *parent = nullptr);

    SPanel *PanelAbout = nullptr;
    SPanel *sPanel3 = nullptr;
    TWavedImage *Image1 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label14 = nullptr;
    TLabelURL *LabelURL4 = nullptr;
    QLabel *LabelDescription = nullptr;
    QLabel *Label5 = nullptr;
    TLabelURL *LabelURL2 = nullptr;
    SPanel *sPanel2 = nullptr;
    QLabel *ImageMail = nullptr;
    TLabelURL *UrlMail = nullptr;
    QLabel *ImageWebsite = nullptr;
    TLabelURL *UrlWebsite = nullptr;
    SPanel *sPanel1 = nullptr;
    // Where the profiles are kept.
    SPanel *PanProfils = nullptr;
    QLabel *LabelProfils = nullptr;
    QLabel *LabelCheminProfils = nullptr;
    QLabel *Label8 = nullptr;
    TLabelURL *LabelURL5 = nullptr;
    QLabel *Label1 = nullptr;
    TLabelURL *LabelURL6 = nullptr;
    TLabelURL *LabelURL7 = nullptr;
    QLabel *Label3 = nullptr;
    TLabelURL *LabelURL8 = nullptr;
    TLabelURL *LabelURL1 = nullptr;
    SBitBtn *sBitBtn6 = nullptr;

    // Writes the embedded licence notice `ressource` as `fichier` into the private
    // temporary folder, unless a file of that name is already there, and opens it with
    // the desktop's text viewer. A missing notice or an unusable folder is reported in
    // the standard error box; nothing is written or opened then.
    void OuvrirLicence(const QString &ressource, const QString &fichier);

    // The settings file the profiles are kept in, as the window shows it.
    void afficherEmplacementProfils(const QString &chemin);

    // Shows the window above the others, the rest of the program waiting until it closes.
    void montrerModale();

signals:
    // The window has closed.
    void ferme();

public slots:
    void ImageMailClick();
    void ImageWebsiteClick();
    void LabelURL4Click();
    void LabelURL6Click();
    void LabelURL8Click();
    void sBitBtn6Click();
    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    // Pictures and captions that act on a click (the name, the small pictures).
    void rendreCliquable(QWidget *controle);

    QObject *m_appui = nullptr; // the clickable control a left press began on
};
