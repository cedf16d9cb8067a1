#include "editor/panneauediteur.h"

#include "editor/dispositionbarre.h"
#include "editor/regle.h"
#include "widgets/panneaucoulissant.h"
#include "widgets/sbitbtn.h"
#include "widgets/scombobox.h"
#include "widgets/sedit.h"
#include "widgets/sgauge.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int HauteurBarre = 49;
constexpr int HauteurPolice = 38;
constexpr int HauteurRegle = 28;

// A swatch's glyph: a 14 × 14 picture with an 11 × 11 square of its colour at (2, 2).
QImage imagePastille(QRgb couleur)
{
    QImage image(14, 14, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.fillRect(2, 2, 11, 11, QColor(couleur));
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(1, 1, 12, 12);
    return image;
}

} // namespace

const QList<QRgb> &PanneauEditeur::couleursPalette()
{
    static const QList<QRgb> c{0x000000, 0x000033, 0x000066, 0x000099, 0x003366,
                               0x0000FF, 0x660000, 0x9900FF, 0x006600, 0xFF0000};
    return c;
}

QColor PanneauEditeur::couleurPastille(const SBitBtn *pastille)
{
    return pastille->image().pixelColor(2, 2);
}

PanneauEditeur::PanneauEditeur(QWidget *parent) : SPanel(parent)
{
    setObjectName(QStringLiteral("PanDroite"));
    auto *colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(1, 1, 1, 1);
    colonne->setSpacing(0);

    // The main toolbar.
    PanEditeur = new SPanel(this);
    PanEditeur->setObjectName(QStringLiteral("PanEditeur"));
    PanEditeur->setFixedHeight(HauteurBarre);
    const QSize grand(33, 33);
    sBitBtn27 = bouton(PanEditeur, "sBitBtn27", QStringLiteral("enregistrer"),
                       QStringLiteral("Sauvegarder la lettre de motivation (Ctrl+S)"), grand);
    sBitBtn26 = bouton(PanEditeur, "sBitBtn26", QStringLiteral("imprimer"), QStringLiteral("Imprimer la lettre (Ctrl+P)"), grand);
    BoutPolices = bouton(PanEditeur, "BoutPolices", QStringLiteral("police"), QStringLiteral("Choix de la police"), grand);
    BoutParagraphe = bouton(PanEditeur, "BoutParagraphe", QStringLiteral("regle"), QStringLiteral("Afficher la règle"), grand);
    Sep1 = separateur(PanEditeur, "Sep1");
    BoutAnnuler = bouton(PanEditeur, "BoutAnnuler", QStringLiteral("annuler"), QStringLiteral("Annuler"), grand);
    BoutRetablir = bouton(PanEditeur, "BoutRetablir", QStringLiteral("retablir"), QStringLiteral("Rétablir"), grand);
    BoutCouper = bouton(PanEditeur, "BoutCouper", QStringLiteral("couper"), QStringLiteral("Couper"), grand);
    BoutCopier = bouton(PanEditeur, "BoutCopier", QStringLiteral("copier"), QStringLiteral("Copier"), grand);
    BoutColler = bouton(PanEditeur, "BoutColler", QStringLiteral("coller"), QStringLiteral("Coller"), grand);
    Sep2 = separateur(PanEditeur, "Sep2");
    sBitBtn25 = bouton(PanEditeur, "sBitBtn25", QStringLiteral("traitement"),
                       QStringLiteral("Editer la lettre dans mon logiciel de traitement de texte"), grand);
    sBitBtn2 = bouton(PanEditeur, "sBitBtn2", QStringLiteral("courriel"), QStringLiteral("Envoyer la lettre par email"),
                      grand);
    sBitBtn2->hide();
    sBitBtn28 = bouton(PanEditeur, "sBitBtn28", QStringLiteral("apropos"), QStringLiteral("A propos de Vendelair"), grand);

    PanProgression = new SPanel(PanEditeur);
    PanProgression->setObjectName(QStringLiteral("PanProgression"));
    PanProgression->setBorderWidth(8);
    // Opaque: the toolbar under it is not redrawn at every step of the gauge.
    PanProgression->setAutoFillBackground(true);
    PanProgression->hide();
    BarreProgression = new SGauge(PanProgression);
    BarreProgression->setObjectName(QStringLiteral("BarreProgression"));
    BarreProgression->setMaxValue(512);
    BarreProgression->setProgress(0);
    BarreProgression->setSuffix(QStringLiteral("%"));
    BarreProgression->setCouleurTexte(Qt::black);
    colonne->addWidget(PanEditeur);

    // The font panel, under the toolbar, closed.
    PanPolice = new SPanel(this);
    PanPolice->setObjectName(QStringLiteral("PanPolice"));
    PanPolice->setFixedHeight(0);
    CombPolice = new SComboBox(PanPolice);
    CombPolice->setObjectName(QStringLiteral("CombPolice"));
    QFont policeListe(QStringLiteral("Tahoma"));
    policeListe.setPixelSize(11);
    policeListe.setBold(true);
    CombPolice->setFont(policeListe);
    CombPolice->setMaxVisibleItems(16);
    EdTaillePolice = new SEdit(PanPolice);
    EdTaillePolice->setObjectName(QStringLiteral("EdTaillePolice"));
    EdTaillePolice->setAlignment(Qt::AlignCenter);
    EdTaillePolice->setText(QStringLiteral("11"));
    EdTaillePolice->installEventFilter(this);
    BoutTaillePoliceUp = bouton(PanPolice, "BoutTaillePoliceUp", QStringLiteral("plus"), QString(), QSize(16, 14));
    BoutTaillePoliceDown = bouton(PanPolice, "BoutTaillePoliceDown", QStringLiteral("moins"), QString(), QSize(16, 14));
    Sep3 = separateur(PanPolice, "Sep3");
    const QSize petit(25, 26);
    BoutGras = bouton(PanPolice, "BoutGras", QStringLiteral("gras"), QStringLiteral("Gras (Ctrl+B)"), petit);
    BoutItal = bouton(PanPolice, "BoutItal", QStringLiteral("italique"), QStringLiteral("Italique (Ctrl+I)"), petit);
    BoutSoulign = bouton(PanPolice, "BoutSoulign", QStringLiteral("souligne"), QStringLiteral("Souligné (Ctrl+U)"), petit);
    BoutCouleur = bouton(PanPolice, "BoutCouleur", QStringLiteral("couleur"), QStringLiteral("Couleur de la police"), petit);
    Sep4 = separateur(PanPolice, "Sep4");
    BoutAlignGauche = bouton(PanPolice, "BoutAlignGauche", QStringLiteral("gauche"),
                             QStringLiteral("Aligner le texte à gauche"), petit);
    BoutAlignCentre = bouton(PanPolice, "BoutAlignCentre", QStringLiteral("centre"), QStringLiteral("Centrer le texte"), petit);
    BoutAlignDroite = bouton(PanPolice, "BoutAlignDroite", QStringLiteral("droite"),
                             QStringLiteral("Aligner le texte à droite"), petit);
    BoutAlignJustify = bouton(PanPolice, "BoutAlignJustify", QStringLiteral("justifie"),
                              QStringLiteral("Justifier le texte"), petit);
    // Each alignment button carries its code: left 0, right 1, centre 2, justify 3.
    const std::pair<SBitBtn *, int> alignements[] = {
        {BoutAlignGauche, AttributsParagraphe::Gauche}, {BoutAlignDroite, AttributsParagraphe::Droite},
        {BoutAlignCentre, AttributsParagraphe::Centre}, {BoutAlignJustify, AttributsParagraphe::Justifie}};
    for (auto [b, code] : alignements) {
        b->setProperty("tag", code);
        connect(b, &SBitBtn::clicked, this, [this, b = b] { BoutAlignClick(b); });
    }

    // The palette slides over the left part of the font panel.
    PanCouleurs = new SPanel(PanPolice);
    PanCouleurs->setObjectName(QStringLiteral("PanCouleurs"));
    PanCouleurs->setGeometry(0, 0, 0, HauteurPolice);
    PanCouleurs->setFixedWidth(0);
    const int numeros[] = {1, 2, 3, 4, 6, 7, 8, 9, 10, 11};
    for (int i = 0; i < 10; ++i) {
        auto *p = new SBitBtn(PanCouleurs);
        p->setObjectName(QStringLiteral("BoutCouleur%1").arg(numeros[i]));
        p->setImage(imagePastille(couleursPalette().at(i)));
        p->setTailleGlyphe(14);
        p->setGeometry(12 + 32 * i, (HauteurPolice - 23) / 2, 25, 23);
        p->setFocusPolicy(Qt::NoFocus);
        connect(p, &SBitBtn::clicked, this, [this, p] { BoutCouleur1Click(p); });
        Pastilles << p;
    }
    PanCouleurs->raise();
    colonne->addWidget(PanPolice);

    // The ruler panel, closed; its markers belong to the ruler.
    PanParagraphe = new SPanel(this);
    PanParagraphe->setObjectName(QStringLiteral("PanParagraphe"));
    PanParagraphe->setFixedHeight(0);
    colonne->addWidget(PanParagraphe);

    Editor = new ::Editor(this);
    Editor->setObjectName(QStringLiteral("Editor"));
    colonne->addWidget(Editor, 1);

    // The ruler fills its panel; after a drop the toolbar and the markers follow the new indents.
    auto *regle = new Regle(PanParagraphe, Editor);
    placerReperes = [regle] { regle->placerReperes(); };
    connect(regle, &Regle::retraitsModifies, this, &PanneauEditeur::EditorSelectionChange);

    TimTaillePoliceUp = minuterie("TimTaillePoliceUp", 600);
    TimTaillePoliceDown = minuterie("TimTaillePoliceDown", 600);
    TimPoliceOuvrir = minuterie("TimPoliceOuvrir", 16);
    TimPoliceFermer = minuterie("TimPoliceFermer", 16);
    TimParagrapheOuvrir = minuterie("TimParagrapheOuvrir", 16);
    TimParagrapheFermer = minuterie("TimParagrapheFermer", 16);
    TimCouleursOuvrir = minuterie("TimCouleursOuvrir", 16);
    TimCouleursFermer = minuterie("TimCouleursFermer", 16);

    using R = PanneauCoulissant::Reglage;
    m_police = new PanneauCoulissant(PanPolice, BoutPolices, TimPoliceOuvrir, TimPoliceFermer,
                                     R{false, 8, [] { return HauteurPolice; }, 8, 9, false}, this);
    m_paragraphe = new PanneauCoulissant(PanParagraphe, BoutParagraphe, TimParagrapheOuvrir, TimParagrapheFermer,
                                         R{false, 8, [] { return HauteurRegle; }, 8, 9, false}, this);
    // The open palette reaches the right edge of the underline button, read at every tick.
    m_couleurs = new PanneauCoulissant(PanCouleurs, BoutCouleur, TimCouleursOuvrir, TimCouleursFermer,
                                       R{true, 36, [this] { return BoutSoulign->x() + BoutSoulign->width(); }, 38, 38,
                                         false},
                                       this);

    connect(TimTaillePoliceUp, &QTimer::timeout, this, &PanneauEditeur::TimTaillePoliceUpTimer);
    connect(TimTaillePoliceDown, &QTimer::timeout, this, &PanneauEditeur::TimTaillePoliceDownTimer);
    connect(TimPoliceOuvrir, &QTimer::timeout, this, &PanneauEditeur::TimPoliceOuvrirTimer);
    connect(TimPoliceFermer, &QTimer::timeout, this, &PanneauEditeur::TimPoliceFermerTimer);
    connect(TimParagrapheOuvrir, &QTimer::timeout, this, &PanneauEditeur::TimParagrapheOuvrirTimer);
    connect(TimParagrapheFermer, &QTimer::timeout, this, &PanneauEditeur::TimParagrapheFermerTimer);
    connect(TimCouleursOuvrir, &QTimer::timeout, this, &PanneauEditeur::TimCouleursOuvrirTimer);
    connect(TimCouleursFermer, &QTimer::timeout, this, &PanneauEditeur::TimCouleursFermerTimer);

    connect(BoutAnnuler, &SBitBtn::clicked, this, &PanneauEditeur::BoutAnnulerClick);
    connect(BoutRetablir, &SBitBtn::clicked, this, &PanneauEditeur::BoutRetablirClick);
    connect(BoutCouper, &SBitBtn::clicked, this, &PanneauEditeur::BoutCouperClick);
    connect(BoutCopier, &SBitBtn::clicked, this, &PanneauEditeur::BoutCopierClick);
    connect(BoutColler, &SBitBtn::clicked, this, &PanneauEditeur::BoutCollerClick);
    connect(BoutGras, &SBitBtn::clicked, this, &PanneauEditeur::BoutGrasClick);
    connect(BoutItal, &SBitBtn::clicked, this, &PanneauEditeur::BoutItalClick);
    connect(BoutSoulign, &SBitBtn::clicked, this, &PanneauEditeur::BoutSoulignClick);
    connect(BoutCouleur, &SBitBtn::clicked, this, &PanneauEditeur::BoutCouleurClick);
    connect(BoutPolices, &SBitBtn::clicked, this, &PanneauEditeur::BoutPolicesClick);
    connect(BoutParagraphe, &SBitBtn::clicked, this, &PanneauEditeur::BoutParagrapheClick);
    connect(BoutTaillePoliceUp, &SBitBtn::clicked, this, &PanneauEditeur::BoutTaillePoliceUpClick);
    connect(BoutTaillePoliceDown, &SBitBtn::clicked, this, &PanneauEditeur::BoutTaillePoliceDownClick);
    for (SBitBtn *pas : {BoutTaillePoliceUp, BoutTaillePoliceDown})
        pas->installEventFilter(this);
    connect(CombPolice, &SComboBox::change, this, &PanneauEditeur::CombPoliceChange);
    connect(EdTaillePolice, &SEdit::textChanged, this, &PanneauEditeur::EdTaillePoliceChange);
    connect(Editor, &::Editor::selectionModifiee, this, &PanneauEditeur::EditorSelectionChange);
    // The style keys work wherever the focus is in the editor's panel; undo and redo are the
    // editor's own keys.
    const auto raccourci = [this](QKeyCombination touches, void (PanneauEditeur::*action)()) {
        auto *r = new QShortcut(QKeySequence(touches), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        connect(r, &QShortcut::activated, this, action);
    };
    raccourci(Qt::CTRL | Qt::Key_B, &PanneauEditeur::BoutGrasClick);
    raccourci(Qt::CTRL | Qt::Key_I, &PanneauEditeur::BoutItalClick);
    raccourci(Qt::CTRL | Qt::Key_U, &PanneauEditeur::BoutSoulignClick);
    connect(Editor, &::Editor::sourisDeplacee, this, &PanneauEditeur::EditorMouseMove);
    PanEditeur->installEventFilter(this);
    PanPolice->installEventFilter(this);
}

SBitBtn *PanneauEditeur::bouton(QWidget *parent, const char *nom, const QString &glyphe, const QString &indication,
                                QSize taille)
{
    auto *b = new SBitBtn(parent);
    b->setObjectName(QString::fromLatin1(nom));
    b->setGlyphe(glyphe);
    b->setToolTip(indication);
    b->resize(taille);
    b->setFocusPolicy(Qt::NoFocus); // the letter keeps the keyboard
    return b;
}

SPanel *PanneauEditeur::separateur(QWidget *parent, const char *nom)
{
    auto *s = new SPanel(parent);
    s->setObjectName(QString::fromLatin1(nom));
    s->resize(9, 28);
    return s;
}

QTimer *PanneauEditeur::minuterie(const char *nom, int intervalle)
{
    auto *t = new QTimer(this);
    t->setObjectName(QString::fromLatin1(nom));
    t->setInterval(intervalle);
    return t;
}

void PanneauEditeur::disposer()
{
    layout()->activate();
    placerBarrePrincipale();
    placerPanneauPolice();
}

void PanneauEditeur::resizeEvent(QResizeEvent *evenement)
{
    SPanel::resizeEvent(evenement);
    disposer();
}

void PanneauEditeur::placerBarrePrincipale()
{
    const QHash<QString, int> gauches = PositionsBarrePrincipale(PanEditeur->width());
    for (auto it = gauches.cbegin(); it != gauches.cend(); ++it)
        if (auto *w = PanEditeur->findChild<QWidget *>(it.key(), Qt::FindDirectChildrenOnly))
            w->move(it.value(), (HauteurBarre - w->height()) / 2);
    PanProgression->setGeometry(PanEditeur->rect());
    const QRect interieur = PanProgression->zoneInterieure();
    BarreProgression->setGeometry(interieur.x(), interieur.y(), interieur.width(), 28);
}

void PanneauEditeur::placerPanneauPolice()
{
    const QHash<QString, int> gauches = PositionsPanneauPolice(PanPolice->width());
    for (auto it = gauches.cbegin(); it != gauches.cend(); ++it) {
        auto *w = PanPolice->findChild<QWidget *>(it.key(), Qt::FindDirectChildrenOnly);
        if (!w)
            continue;
        const int haut = w == BoutTaillePoliceUp ? 5 : w == BoutTaillePoliceDown ? 19 : (HauteurPolice - w->height()) / 2;
        w->move(it.value(), haut);
    }
    CombPolice->setGeometry(8, (HauteurPolice - 21) / 2, std::max(40, gauches.value(QStringLiteral("largeur:CombPolice"))),
                            21);
    EdTaillePolice->resize(22, 21);
    PanCouleurs->setFixedHeight(HauteurPolice);
    PanCouleurs->move(0, 0);
}

bool PanneauEditeur::eventFilter(QObject *objet, QEvent *evenement)
{
    if (evenement->type() == QEvent::Resize) {
        if (objet == PanEditeur)
            placerBarrePrincipale();
        else if (objet == PanPolice)
            placerPanneauPolice();
    }
    // The size field takes two digits at most; Backspace and keys that type nothing pass.
    if (objet == EdTaillePolice && evenement->type() == QEvent::KeyPress) {
        const auto *touche = static_cast<QKeyEvent *>(evenement);
        const QString texte = touche->text();
        if (touche->key() == Qt::Key_Backspace || texte.isEmpty() || !texte.at(0).isPrint())
            return false;
        const bool chiffre = texte.size() == 1 && texte.at(0) >= u'0' && texte.at(0) <= u'9';
        return !chiffre || EdTaillePolice->text().size() >= 2;
    }
    // The step buttons repeat while held: once after 600 ms, then every 60 ms.
    if (objet == BoutTaillePoliceUp || objet == BoutTaillePoliceDown) {
        QTimer *minuterie = objet == BoutTaillePoliceUp ? TimTaillePoliceUp : TimTaillePoliceDown;
        switch (evenement->type()) {
        case QEvent::MouseButtonPress:
            minuterie->setInterval(600);
            minuterie->start();
            rendreFocus();
            break;
        case QEvent::MouseButtonRelease:
            minuterie->stop();
            rendreFocus();
            break;
        case QEvent::Leave:
            if (minuterie->isActive()) {
                minuterie->stop();
                rendreFocus();
            }
            break;
        default:
            break;
        }
    }
    return SPanel::eventFilter(objet, evenement);
}

void PanneauEditeur::rendreFocus()
{
    Editor->setFocus(Qt::OtherFocusReason);
}

AttributsTexte PanneauEditeur::CurrText() const
{
    return Editor->selLength() > 0 ? Editor->attributsSelection() : Editor->attributsParDefaut();
}

void PanneauEditeur::appliquer(const QTextCharFormat &modification)
{
    if (Editor->selLength() > 0) {
        QTextCursor curseur = Editor->textCursor();
        curseur.mergeCharFormat(modification);
        // A formatted selection can be undone at once: the undo button shows it.
        UpdateEditActions();
    } else {
        Editor->mergeCurrentCharFormat(modification);
    }
}

void PanneauEditeur::EditorSelectionChange()
{
    SyncingToolbar = true;
    if (placerReperes)
        placerReperes();
    const AttributsTexte a = Editor->attributsSelection();
    BoutGras->setEnfonce(a.gras);
    BoutItal->setEnfonce(a.italique);
    BoutSoulign->setEnfonce(a.souligne);
    EdTaillePolice->setText(QString::number(a.taille));
    // A face this machine does not have (a letter written elsewhere) is still named.
    const int index = CombPolice->findText(a.police);
    CombPolice->setPlaceholderText(a.police);
    CombPolice->setCurrentIndex(index);
    const int alignement = Editor->paragrapheSelection().alignement;
    for (SBitBtn *b : {BoutAlignGauche, BoutAlignCentre, BoutAlignDroite, BoutAlignJustify})
        b->setEnfonce(b->property("tag").toInt() == alignement);
    // The first swatch of the text's colour; automatic colour is none of them.
    bool trouvee = false;
    for (SBitBtn *p : std::as_const(Pastilles)) {
        const bool egale = !trouvee && a.couleur && couleurPastille(p) == *a.couleur;
        p->setEnfonce(egale);
        trouvee = trouvee || egale;
    }
    UpdateEditActions();
    SyncingToolbar = false;
}

void PanneauEditeur::UpdateEditActions()
{
    BoutCouper->setEnabled(Editor->selLength() > 0);
    BoutCopier->setEnabled(BoutCouper->isEnabled());
    BoutAnnuler->setEnabled(Editor->peutAnnuler());
    BoutRetablir->setEnabled(Editor->peutRetablir());
    BoutColler->setEnabled(Editor->peutColler());
    static const char *const annuler[] = {"Annuler", "Annuler texte", "Annuler la suppression",
                                          "Annuler le glisser-déplacer", "Annuler couper", "Annuler coller"};
    static const char *const retablir[] = {"Rétablir", "Rétablir texte", "Rétablir la suppression",
                                           "Rétablir le glisser-déplacer", "Rétablir couper", "Rétablir coller"};
    const auto indiquer = [](SBitBtn *b, int type, const char *const *textes, const char *touches) {
        if (!b->isEnabled())
            type = 0;
        if (type >= 0 && type <= 5)
            b->setToolTip(QString::fromUtf8(textes[type]) + QLatin1String(touches));
    };
    indiquer(BoutAnnuler, Editor->typeAnnulation(), annuler, " (Ctrl+Z)");
    indiquer(BoutRetablir, Editor->typeRetablissement(), retablir, " (Ctrl+Y)");
}

void PanneauEditeur::GetFontNames()
{
    QStringList familles = QFontDatabase::families();
    familles.sort(Qt::CaseInsensitive);
    CombPolice->clear();
    CombPolice->addItems(familles);
}

void PanneauEditeur::BoutAnnulerClick()
{
    Editor->annuler();
    UpdateEditActions();
    rendreFocus();
}

void PanneauEditeur::BoutRetablirClick()
{
    Editor->retablir();
    UpdateEditActions();
    rendreFocus();
}

void PanneauEditeur::BoutCouperClick()
{
    Editor->couper();
    UpdateEditActions();
    rendreFocus();
}

void PanneauEditeur::BoutCopierClick()
{
    Editor->copier();
    UpdateEditActions();
    rendreFocus();
}

void PanneauEditeur::BoutCollerClick()
{
    Editor->coller();
    UpdateEditActions();
    rendreFocus();
}

void PanneauEditeur::basculerStyle(SBitBtn *bouton, const std::function<void(QTextCharFormat &, bool)> &ecrire)
{
    if (SyncingToolbar)
        return;
    bouton->setEnfonce(!bouton->estEnfonce());
    // The whole style set of the current attributes is written back, this flag changed.
    const AttributsTexte a = CurrText();
    QTextCharFormat f;
    f.setFontWeight(a.gras ? QFont::Bold : QFont::Normal);
    f.setFontItalic(a.italique);
    f.setFontUnderline(a.souligne);
    f.setFontStrikeOut(a.barre);
    ecrire(f, bouton->estEnfonce());
    appliquer(f);
    rendreFocus();
}

void PanneauEditeur::BoutGrasClick()
{
    basculerStyle(BoutGras, [](QTextCharFormat &f, bool oui) { f.setFontWeight(oui ? QFont::Bold : QFont::Normal); });
}

void PanneauEditeur::BoutItalClick()
{
    basculerStyle(BoutItal, [](QTextCharFormat &f, bool oui) { f.setFontItalic(oui); });
}

void PanneauEditeur::BoutSoulignClick()
{
    basculerStyle(BoutSoulign, [](QTextCharFormat &f, bool oui) { f.setFontUnderline(oui); });
}

void PanneauEditeur::BoutAlignClick(SBitBtn *bouton)
{
    if (SyncingToolbar)
        return;
    Editor->definirAlignementSelection(bouton->property("tag").toInt());
    for (SBitBtn *b : {BoutAlignGauche, BoutAlignCentre, BoutAlignDroite, BoutAlignJustify})
        b->setEnfonce(b == bouton);
    UpdateEditActions();
    rendreFocus();
}

void PanneauEditeur::BoutCouleurClick()
{
    m_couleurs->basculer();
    rendreFocus();
}

void PanneauEditeur::BoutCouleur1Click(SBitBtn *pastille)
{
    if (SyncingToolbar)
        return;
    for (SBitBtn *p : std::as_const(Pastilles))
        p->setEnfonce(false);
    QTextCharFormat f;
    f.setForeground(couleurPastille(pastille));
    appliquer(f);
    pastille->setEnfonce(true);
    rendreFocus();
}

void PanneauEditeur::BoutPolicesClick()
{
    m_paragraphe->fermer();
    m_police->basculer();
    rendreFocus();
}

void PanneauEditeur::BoutParagrapheClick()
{
    m_police->fermer();
    m_paragraphe->basculer();
    rendreFocus();
}

void PanneauEditeur::CombPoliceChange()
{
    if (SyncingToolbar || CombPolice->currentIndex() < 0)
        return;
    QTextCharFormat f;
    f.setFontFamilies({CombPolice->itemText(CombPolice->currentIndex())});
    appliquer(f);
    rendreFocus();
}

void PanneauEditeur::EdTaillePoliceChange()
{
    const QString texte = EdTaillePolice->text();
    if (texte.isEmpty() || SyncingToolbar)
        return;
    // Text that is not a whole number (pasted into the field) applies nothing.
    bool nombre = false;
    const int taille = texte.toInt(&nombre);
    if (!nombre || taille < 0)
        return;
    QTextCharFormat f;
    if (taille > 0)
        f.setFontPointSize(taille);
    else
        return; // a size of 0 has no meaning for the letter: nothing is applied
    appliquer(f);
}

void PanneauEditeur::pasTaille(int sens)
{
    bool nombre = false;
    const int valeur = EdTaillePolice->text().toInt(&nombre);
    if (!nombre)
        return; // an empty field has no value to step from
    if ((sens > 0 && valeur < 99) || (sens < 0 && valeur > 4))
        EdTaillePolice->setText(QString::number(valeur + sens));
    rendreFocus();
}

void PanneauEditeur::BoutTaillePoliceUpClick()
{
    pasTaille(+1);
}

void PanneauEditeur::BoutTaillePoliceDownClick()
{
    pasTaille(-1);
}

void PanneauEditeur::TimTaillePoliceUpTimer()
{
    pasTaille(+1);
    TimTaillePoliceUp->setInterval(60);
}

void PanneauEditeur::TimTaillePoliceDownTimer()
{
    pasTaille(-1);
    TimTaillePoliceDown->setInterval(60);
}

void PanneauEditeur::TimPoliceOuvrirTimer()
{
    m_police->tickOuverture();
}

void PanneauEditeur::TimPoliceFermerTimer()
{
    m_police->tickFermeture();
}

void PanneauEditeur::TimParagrapheOuvrirTimer()
{
    m_paragraphe->tickOuverture();
}

void PanneauEditeur::TimParagrapheFermerTimer()
{
    m_paragraphe->tickFermeture();
}

void PanneauEditeur::TimCouleursOuvrirTimer()
{
    m_couleurs->tickOuverture();
}

void PanneauEditeur::TimCouleursFermerTimer()
{
    m_couleurs->tickFermeture();
}

void PanneauEditeur::EditorMouseMove()
{
    if (attentionEnCours && attentionEnCours())
        return;
    rendreFocus();
}
