#include "widgets/tformsdialog.h"

#include "platform/systeme.h"
#include "widgets/ecran.h"
#include "widgets/fenetrefixe.h"
#include "widgets/sbitbtn.h"
#include "widgets/spanel.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QSvgRenderer>

namespace {

// The panel and the window around the text.
constexpr int HautPanneau = 8;
constexpr int MargeTexte = 116;          // picture column and margins around the text
constexpr int LargeurPanneauMin = 260;
constexpr int MargesFenetre = 36;        // panel to window, both sides, frame included
constexpr int HauteurUneLigne = 84;
constexpr int HauteurDeuxLignes = 108;
constexpr int HauteurTroisLignes = 132;
constexpr int EcartBoutons = 24;         // panel to buttons
constexpr int SousBoutons = 84;          // buttons' top to the window's bottom edge

// Buttons.
constexpr int HauteurBouton = 33;
constexpr int LargeurOui = 89;
constexpr int LargeurNon = 105;
constexpr int LargeurOK = 81;
constexpr int DecalageOui = -64;         // from the OK button's left
constexpr int DecalageNon = 56;

// Inside the panel.
constexpr int LargeurImage = 80;
constexpr int TailleImage = 56;
constexpr int GaucheTexte = 96;
constexpr int HautLignes[3] = {32, 56, 80};

const QString CheminImage = QStringLiteral(":/resources/images/dialogue.svg");

TFormsDialog::Repondeur &repondeur()
{
    static TFormsDialog::Repondeur r;
    return r;
}

} // namespace

DispositionDialogue CalculerDisposition(int largeurTexteMax, bool ligne2, bool ligne3)
{
    DispositionDialogue d;
    d.largeurPanneau = qMax(largeurTexteMax + MargeTexte, LargeurPanneauMin);
    d.largeurFenetre = d.largeurPanneau + MargesFenetre;
    d.hauteurPanneau = ligne3 ? HauteurTroisLignes : ligne2 ? HauteurDeuxLignes : HauteurUneLigne;
    d.hautBoutons = HautPanneau + d.hauteurPanneau + EcartBoutons;
    d.hauteurFenetre = d.hautBoutons + SousBoutons;
    d.gaucheOK = (d.largeurFenetre - LargeurOK) / 2 - 8;
    d.gaucheOui = d.gaucheOK + DecalageOui;
    d.gaucheNon = d.gaucheOK + DecalageNon;
    return d;
}

TFormsDialog::TFormsDialog(QWidget *parent)
    : QWidget(parent, FenetreFixe::Drapeaux | Qt::WindowStaysOnTopHint)
{
    // The background is painted from the palette's button face (see paintEvent), so it
    // follows the palette.
    FenetreFixe::preparer(this, "FormsDialog", QString(), QSize(289, 162), QColor(),
                          FenetreFixe::police(QStringLiteral("Verdana"), 8));
    setWindowModality(Qt::ApplicationModal);

    const QFont policeTexte = FenetreFixe::police(QStringLiteral("Verdana"), 10);
    auto bouton = [this, &policeTexte](const char *nom, const QString &glyphe,
                                       const QString &texte, int gauche, int largeur) {
        auto *b = new SBitBtn(this);
        b->setObjectName(QString::fromLatin1(nom));
        b->setGlyphe(glyphe);
        b->setText(texte);
        b->setFont(policeTexte);
        b->setGeometry(gauche, 0, largeur, HauteurBouton);
        return b;
    };
    BoutYes = bouton("BoutYes", QStringLiteral("valider"), QStringLiteral("Oui"), 32, LargeurOui);
    BoutNo = bouton("BoutNo", QStringLiteral("retour"), QStringLiteral("Non"), 152, LargeurNon);
    BoutOK = bouton("BoutOK", QStringLiteral("valider"), QStringLiteral("OK"), 96, LargeurOK);
    connect(BoutYes, &SBitBtn::clicked, this, &TFormsDialog::BoutYesClick);
    connect(BoutNo, &SBitBtn::clicked, this, &TFormsDialog::BoutNoClick);
    connect(BoutOK, &SBitBtn::clicked, this, &TFormsDialog::BoutOKClick);

    sPanel1 = new SPanel(this);
    sPanel1->setObjectName(QStringLiteral("sPanel1"));
    sPanel1->setBorderWidth(1);
    sPanel1->setGeometry(16, HautPanneau, 257, 105);

    Image1 = new QLabel(sPanel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setGeometry(0, 0, LargeurImage, sPanel1->height());

    QLabel **lignes[3] = {&Label1, &Label2, &Label3};
    for (int i = 0; i < 3; ++i) {
        auto *l = new QLabel(sPanel1);
        l->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        l->setFont(policeTexte);
        l->setWordWrap(false);
        l->setTextFormat(Qt::PlainText);
        l->move(GaucheTexte, HautLignes[i]);
        *lignes[i] = l;
    }
}

TFormsDialog::~TFormsDialog()
{
    // Deleted while asking: the caller's loop must not wait forever.
    if (m_boucle)
        m_boucle->quit();
}

void TFormsDialog::definirRepondeur(Repondeur r)
{
    repondeur() = std::move(r);
}

bool TFormsDialog::ShowsDialog(const QString &ligne1, const QString &ligne2,
                               const QString &ligne3, bool ouiNon)
{
    m_lignes = {ligne1, ligne2, ligne3};
    const QString *textes[3] = {&ligne1, &ligne2, &ligne3};
    QLabel *labels[3] = {Label1, Label2, Label3};
    for (int i = 0; i < 3; ++i) {
        labels[i]->setText(*textes[i]);
        labels[i]->adjustSize();
    }
    disposer(ouiNon);
    m_resultat = Ferme;

    if (repondeur()) {
        const int r = repondeur()(*this);
        m_resultat = (r >= Oui && r <= Ferme) ? static_cast<Resultat>(r) : Ferme;
        return m_resultat != Non;
    }

    QPointer<TFormsDialog> moi(this);
    show();
    activateWindow();
    boutonParDefaut()->setFocus(Qt::OtherFocusReason);

    QEventLoop boucle;
    m_boucle = &boucle;
    boucle.exec(QEventLoop::DialogExec);
    if (!moi)
        return true;
    m_boucle = nullptr;
    hide();
    return m_resultat != Non;
}

void TFormsDialog::disposer(bool ouiNon)
{
    const int largeurTexte = qMax(Label1->width(), qMax(Label2->width(), Label3->width()));
    const DispositionDialogue d =
        CalculerDisposition(largeurTexte, !Label2->text().isEmpty(), !Label3->text().isEmpty());

    sPanel1->setGeometry(sPanel1->x(), HautPanneau, d.largeurPanneau, d.hauteurPanneau);
    Image1->setGeometry(0, 0, LargeurImage, d.hauteurPanneau);
    const qreal dpr = devicePixelRatioF();
    const QPixmap actuelle = Image1->pixmap();
    if (actuelle.isNull() || actuelle.devicePixelRatio() != dpr) {
        const int cote = qRound(TailleImage * dpr);
        QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QSvgRenderer rendu(CheminImage);
        QPainter p(&image);
        rendu.render(&p, QRectF(0, 0, cote, cote));
        p.end();
        QPixmap pixmap = QPixmap::fromImage(image);
        pixmap.setDevicePixelRatio(dpr);
        Image1->setPixmap(pixmap);
    }

    BoutYes->move(d.gaucheOui, d.hautBoutons);
    BoutNo->move(d.gaucheNon, d.hautBoutons);
    BoutOK->move(d.gaucheOK, d.hautBoutons);

    setWindowTitle(ouiNon ? QStringLiteral("Attention") : QStringLiteral("Information"));
    BoutYes->setVisible(ouiNon);
    BoutNo->setVisible(ouiNon);
    BoutOK->setVisible(!ouiNon);

    setFixedSize(d.largeurFenetre - CadreLargeur, d.hauteurFenetre - CadreHauteur);
    CentrerSurBureau(this);
}

SBitBtn *TFormsDialog::boutonParDefaut() const
{
    // The program's questions all ask before something is lost: the safe answer is the default.
    return BoutOK->isHidden() ? BoutNo : BoutOK;
}

void TFormsDialog::terminer(Resultat resultat)
{
    m_resultat = resultat;
    if (m_boucle)
        m_boucle->quit();
}

void TFormsDialog::BoutYesClick()
{
    terminer(Oui);
}

void TFormsDialog::BoutNoClick()
{
    terminer(Non);
}

void TFormsDialog::BoutOKClick()
{
    terminer(OK);
}

void TFormsDialog::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
}

void TFormsDialog::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // The button holding the focus, else the default one.
        auto *bouton = qobject_cast<SBitBtn *>(focusWidget());
        if (!bouton || bouton->isHidden() || bouton->parentWidget() != this)
            bouton = boutonParDefaut();
        bouton->animateClick();
        return;
    }
    case Qt::Key_Escape:
        close();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TFormsDialog::closeEvent(QCloseEvent *event)
{
    // A question closed without an answer is not a yes.
    if (m_boucle)
        terminer(BoutOK->isHidden() ? Non : Ferme);
    event->accept();
}

void TFormsDialog::hideEvent(QHideEvent *event)
{
    // Hidden by the program while asking (not by the desktop): the question is over.
    if (!event->spontaneous() && m_boucle)
        m_boucle->quit();
    QWidget::hideEvent(event);
}
