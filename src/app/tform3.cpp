#include "app/tform3.h"

#include "platform/ecriture.h"
#include "platform/systeme.h"
#include "widgets/ecran.h"
#include "widgets/controles.h"
#include "widgets/fenetrefixe.h"
#include "widgets/sbitbtn.h"
#include "widgets/spanel.h"
#include "widgets/tlabelurl.h"
#include "widgets/transparence.h"
#include "widgets/twavedimage.h"

#include <QDir>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

#include <unistd.h>

const QString TForm3::AdresseSite = QStringLiteral("https://vendelair.example");
const QString TForm3::AdresseContact = QStringLiteral("mailto:contact@vendelair.example");

using Controles::etiquette;

namespace {

const QString SiteQt = QStringLiteral("https://www.qt.io/");
const QColor Noir(0, 0, 0);

QFont verdana(int points, bool gras = false, bool italique = false, bool souligne = false)
{
    QFont f = FenetreFixe::police(QStringLiteral("Verdana"), points);
    f.setBold(gras);
    f.setItalic(italique);
    f.setUnderline(souligne);
    return f;
}

// A link sized to its text at (x, y). The contact links are navy, blue under the mouse;
// the others stay black until pressed.
TLabelURL *lien(QWidget *parent, const char *nom, const QString &texte, const QFont &police, int x, int y,
                const QString &url, bool marine = false)
{
    auto *l = new TLabelURL(texte, parent);
    l->setObjectName(QString::fromLatin1(nom));
    l->setTextFormat(Qt::PlainText);
    l->setFont(police);
    l->setTimer(100);
    if (!marine) {
        l->setColorURL(Noir);
        l->setDefautColor(Noir);
    }
    l->setURL(url);
    l->move(x, y);
    l->adjustSize();
    return l;
}

// A caption centred over `largeur` pixels from x. A text wider than that keeps the same
// centre and grows on both sides, without leaving its panel.
void centrer(QLabel *l, int x, int y, int largeur)
{
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const QSize naturelle = l->sizeHint();
    const int w = qMax(largeur, naturelle.width());
    const int maxi = l->parentWidget()->width() - 4 - w;
    l->setGeometry(qBound(4, x + (largeur - w) / 2, qMax(4, maxi)), y, w, naturelle.height());
}

// Controls of one line, side by side with `ecart` pixels between them, the whole line
// centred in its panel.
void rangee(const QList<QWidget *> &controles, int y, int ecart)
{
    int total = -ecart;
    for (QWidget *c : controles)
        total += c->width() + ecart;
    int x = (controles.first()->parentWidget()->width() - total) / 2;
    for (QWidget *c : controles) {
        c->move(x, y);
        x += c->width() + ecart;
    }
}

QPixmap pictureSvg(const QString &nom, int taille)
{
    QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer rendu(QStringLiteral(":/resources/images/%1").arg(nom));
    QPainter p(&image);
    rendu.render(&p, QRectF(0, 0, taille, taille));
    return QPixmap::fromImage(image);
}

SPanel *panneau(QWidget *parent, const char *nom, QRect place, int bordure)
{
    auto *p = new SPanel(parent);
    p->setObjectName(QString::fromLatin1(nom));
    p->setBorderWidth(bordure);
    p->setGeometry(place);
    return p;
}

} // namespace

TForm3::TForm3(QWidget *parent) : QWidget(parent, FenetreFixe::Drapeaux | Qt::WindowStaysOnTopHint)
{
    FenetreFixe::preparer(this, "Form3", QStringLiteral("A propos de Vendelair..."), QSize(792, 502),
                          QColor(0xE0, 0xE6, 0xE8), FenetreFixe::police(QStringLiteral("Tahoma"), 9));
    setWindowModality(Qt::ApplicationModal);

    PanelAbout = panneau(this, "PanelAbout", QRect(32, 22, 729, 387), 2);

    // The header: the rippling icon, the name, the version and what the program does.
    sPanel3 = panneau(this, "sPanel3", QRect(92, 40, 605, 137), 1);
    Image1 = new TWavedImage(sPanel3);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAutoSize(true);
    Image1->setPicture(ImageTransparente(QImage(QStringLiteral(":/resources/images/icone128.png"))));
    // Centred in the header's height: our icon fills its square to the edges.
    Image1->move(18, (sPanel3->height() - Image1->height()) / 2);
    Image1->setMouseMoveIntensity(360);
    Image1->setCursor(Qt::PointingHandCursor);
    connect(Image1, &TWavedImage::Click, this, &TForm3::ImageWebsiteClick);

    // The two-colour name reads as one word: the second half starts where the first ends.
    Label13 = etiquette(sPanel3, "Label13", QStringLiteral("Vend"), verdana(16, true), 248, 12);
    Label13->resize(Label13->fontMetrics().horizontalAdvance(Label13->text()), Label13->height());
    Label12 = etiquette(sPanel3, "Label12", QStringLiteral("elair"), verdana(16), 0, 12, QColor(206, 70, 16));
    Label12->move(Label13->geometry().right() + 1, 12);
    for (QLabel *l : {Label13, Label12}) {
        l->setCursor(Qt::PointingHandCursor);
        rendreCliquable(l);
    }
    Label14 = etiquette(sPanel3, "Label14", QStringLiteral("(version 1.1)"), verdana(10), 0, 18);
    Label14->move(qMax(376, Label12->geometry().right() + 10), 18);
    LabelURL4 = lien(sPanel3, "LabelURL4", QStringLiteral("(licence)"), verdana(10, false, false, true), 0, 18,
                     QString());
    LabelURL4->move(qMax(474, Label14->geometry().right() + 6), 18);
    connect(LabelURL4, &TLabelURL::Click, this, &TForm3::LabelURL4Click);

    LabelDescription = etiquette(sPanel3, "LabelDescription",
                                 QStringLiteral("Votre lettre de motivation personnalisée en quelques clics"),
                                 verdana(10, false, true), 0, 0);
    centrer(LabelDescription, 152, 40, 449);
    Label5 = etiquette(sPanel3, "Label5", QString(), verdana(10), 0, 0);
    centrer(Label5, 152, 82, 449);
    LabelURL2 = lien(sPanel3, "LabelURL2",
                     QStringLiteral("Visitez notre site pour télécharger d'autres logiciels gratuits."),
                     verdana(10, false, false, true), 0, 0, AdresseSite);
    centrer(LabelURL2, 152, 98, 449);

    // How to reach us.
    sPanel2 = panneau(this, "sPanel2", QRect(448, 200, 281, 65), 1);
    ImageMail = new QLabel(sPanel2);
    ImageMail->setObjectName(QStringLiteral("ImageMail"));
    ImageMail->setPixmap(pictureSvg(QStringLiteral("courrier.svg"), 22));
    ImageMail->setGeometry(16, 5, 22, 22);
    UrlMail = lien(sPanel2, "UrlMail", QStringLiteral("Contactez-nous par email"), verdana(10, false, false, true),
                   48, 10, AdresseContact, true);
    ImageWebsite = new QLabel(sPanel2);
    ImageWebsite->setObjectName(QStringLiteral("ImageWebsite"));
    ImageWebsite->setPixmap(pictureSvg(QStringLiteral("web.svg"), 22));
    ImageWebsite->setGeometry(16, 32, 22, 22);
    UrlWebsite = lien(sPanel2, "UrlWebsite", QStringLiteral("Visiter le site WEB de Vendelair"),
                      verdana(10, false, false, true), 48, 36, AdresseSite, true);
    for (QLabel *image : {ImageMail, ImageWebsite}) {
        image->setCursor(Qt::PointingHandCursor);
        rendreCliquable(image);
    }
    // A wider text than the panel was drawn for widens it to the left, never past the frame.
    const int besoin = qMax(UrlMail->geometry().right(), UrlWebsite->geometry().right()) + 12 - sPanel2->width();
    if (besoin > 0)
        sPanel2->setGeometry(sPanel2->x() - besoin, sPanel2->y(), sPanel2->width() + besoin, sPanel2->height());

    // Where the profiles are kept, so that a user can save them or take them along.
    PanProfils = panneau(this, "PanProfils", QRect(92, 200, 330, 65), 1);
    LabelProfils = etiquette(PanProfils, "LabelProfils", QStringLiteral("Vos profils sont enregistrés dans :"),
                             verdana(8, true), 10, 10);
    LabelCheminProfils = etiquette(PanProfils, "LabelCheminProfils", QString(), verdana(8), 10, 30);
    LabelCheminProfils->setWordWrap(true);
    LabelCheminProfils->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelCheminProfils->setGeometry(10, 30, PanProfils->width() - 20, PanProfils->height() - 38);
    LabelCheminProfils->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Thanks to what the program is built with.
    sPanel1 = panneau(PanelAbout, "sPanel1", QRect(416, 264, 284, 75), 1);
    Label8 = etiquette(sPanel1, "Label8", QStringLiteral("Remerciements"), verdana(10, true), 0, 0);
    centrer(Label8, 6, 6, sPanel1->width() - 12);
    const QFont petite = verdana(8);
    LabelURL5 = lien(sPanel1, "LabelURL5", QStringLiteral("Qt 6"), petite, 0, 0, SiteQt);
    Label1 = etiquette(sPanel1, "Label1", QStringLiteral("pour l'interface graphique"), petite, 0, 0);
    LabelURL6 = lien(sPanel1, "LabelURL6", QStringLiteral("(licence)"), petite, 0, 0, QString());
    rangee({LabelURL5, Label1, LabelURL6}, 34, 4);
    LabelURL7 = lien(sPanel1, "LabelURL7", QStringLiteral("Qt 6"), petite, 0, 0, SiteQt);
    Label3 = etiquette(sPanel1, "Label3", QStringLiteral("pour le composant texte"), petite, 0, 0);
    LabelURL8 = lien(sPanel1, "LabelURL8", QStringLiteral("(licence)"), petite, 0, 0, QString());
    rangee({LabelURL7, Label3, LabelURL8}, 52, 4);
    connect(LabelURL6, &TLabelURL::Click, this, &TForm3::LabelURL6Click);
    connect(LabelURL8, &TLabelURL::Click, this, &TForm3::LabelURL8Click);

    // The program's pictures are its own drawings.
    LabelURL1 = lien(PanelAbout, "LabelURL1", QStringLiteral("Icônes : dessins de Vendelair"),
                     verdana(8, false, false, true), 0, 0, AdresseSite);
    LabelURL1->move(qMin(584, PanelAbout->width() - 8 - LabelURL1->width()), 364);

    for (TLabelURL *l : {LabelURL2, UrlMail, UrlWebsite, LabelURL1, LabelURL5, LabelURL7})
        connect(l, &TLabelURL::Click, l, &TLabelURL::OuvrirURL);

    sBitBtn6 = new SBitBtn(this);
    sBitBtn6->setObjectName(QStringLiteral("sBitBtn6"));
    sBitBtn6->setGlyphe(QStringLiteral("retour"));
    sBitBtn6->setDisposition(SBitBtn::Disposition::GlypheSeul);
    sBitBtn6->setTailleGlyphe(40);
    sBitBtn6->setToolTip(QStringLiteral("Retour à la fenêtre principale"));
    sBitBtn6->setGeometry(364, 421, 65, 64);
    connect(sBitBtn6, &SBitBtn::clicked, this, &TForm3::sBitBtn6Click);
}

void TForm3::rendreCliquable(QWidget *controle)
{
    controle->installEventFilter(this);
}

bool TForm3::eventFilter(QObject *objet, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
        auto *souris = static_cast<QMouseEvent *>(event);
        auto *controle = qobject_cast<QWidget *>(objet);
        if (souris->button() != Qt::LeftButton || !controle)
            return QWidget::eventFilter(objet, event);
        if (event->type() == QEvent::MouseButtonPress) {
            m_appui = objet;
            return true;
        }
        const bool clic = m_appui == objet && controle->rect().contains(souris->position().toPoint());
        m_appui = nullptr;
        if (clic) {
            if (objet == ImageMail)
                ImageMailClick();
            else
                ImageWebsiteClick();
        }
        return true;
    }
    return QWidget::eventFilter(objet, event);
}

void TForm3::ImageMailClick()
{
    OuvrirAvecShell(QUrl(AdresseContact));
}

void TForm3::ImageWebsiteClick()
{
    OuvrirAvecShell(QUrl(AdresseSite));
}

void TForm3::OuvrirLicence(const QString &ressource, const QString &fichier)
{
    QString erreur;
    const QString dossier = DossierTemporaire(&erreur);
    if (dossier.isEmpty()) {
        AfficherErreurStandard(this, erreur);
        return;
    }
    const std::optional<QByteArray> octets = RessourceEmbarquee(ressource);
    if (!octets) {
        AfficherErreurStandard(this, QStringLiteral("Ressource %1 introuvable.").arg(ressource));
        return;
    }
    // Written once; a notice of ours already there is opened as it stands. Anything else at
    // that name (a link above all) is replaced, never followed; the file appears whole or
    // not at all.
    const QString chemin = dossier + fichier;
    const QFileInfo info(chemin);
    const bool notice = info.isFile() && !info.isSymLink() && info.ownerId() == ::geteuid();
    QString raison;
    if (!notice && !EcrireFichierAtomique(chemin, *octets, &raison)) {
        AfficherErreurStandard(this, MessageEcritureImpossible(chemin, raison));
        return;
    }
    OuvrirAvecShell(QUrl::fromLocalFile(chemin));
}

void TForm3::LabelURL4Click()
{
    OuvrirLicence(QStringLiteral("Licence"), QStringLiteral("Licence.txt"));
}

void TForm3::LabelURL6Click()
{
    OuvrirLicence(QStringLiteral("LGPL"), QStringLiteral("LGPL.txt"));
}

void TForm3::LabelURL8Click()
{
    OuvrirLicence(QStringLiteral("MPL"), QStringLiteral("MPL.txt"));
}

void TForm3::afficherEmplacementProfils(const QString &chemin)
{
    // A long path breaks at its separators.
    LabelCheminProfils->setText(QDir::toNativeSeparators(chemin).replace(u'/', QStringLiteral("/\u200B")));
}

void TForm3::montrerModale()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void TForm3::sBitBtn6Click()
{
    close();
}

void TForm3::FormClose()
{
    // Opened from the main window or from the welcome page: the main window, told by this
    // signal, comes back usable.
    emit ferme();
}

void TForm3::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    FormClose();
}
