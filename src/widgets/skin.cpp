#include "widgets/skin.h"

#include "widgets/sfiltrefenetres.h"
#include "widgets/sstyle.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QStyleFactory>
#include <QToolTip>
#include <QWidget>

namespace {

struct Bulles {
    bool skinApplique = false;
    QColor couleur;
    int premierDelai = -1;
    int delaiEntre = -1;
    int duree = -1;
};

Bulles &bulles()
{
    static Bulles b;
    return b;
}

// Saturation kept, as a share of the original: the whole skin stays calm and grey-blue.
constexpr double ParSaturation = 0.75;

QColor teinteBrute(Skin::Teinte t)
{
    switch (t) {
    case Skin::Teinte::Fenetre: return QColor(0xE0, 0xE6, 0xE8);
    case Skin::Teinte::Panneau: return QColor(0xD9, 0xE0, 0xE3);
    case Skin::Teinte::Bouton: return QColor(0xEC, 0xF0, 0xF1);
    case Skin::Teinte::Saisie: return QColor(0xF9, 0xFA, 0xFB);
    case Skin::Teinte::Texte: return QColor(0x27, 0x32, 0x3A);
    case Skin::Teinte::TexteInactif: return QColor(0x8D, 0x98, 0x9E);
    case Skin::Teinte::Bordure: return QColor(0xA9, 0xB5, 0xBB);
    case Skin::Teinte::BordureSurvol: return QColor(0x7F, 0x97, 0xA6);
    case Skin::Teinte::Accent: return QColor(0x4F, 0x80, 0xA8);
    case Skin::Teinte::AccentClair: return QColor(0xD2, 0xDF, 0xE8);
    case Skin::Teinte::Selection: return QColor(0x6C, 0x92, 0xB0);
    case Skin::Teinte::Bulle:
        return bulles().couleur.isValid() ? bulles().couleur : QColor(0xF4, 0xF1, 0xE4);
    }
    return {};
}

// Dark text on a light tooltip, light text on a dark one.
QColor texteSur(const QColor &fond)
{
    return fond.lightnessF() > 0.55 ? Skin::teinte(Skin::Teinte::Texte) : QColor(Qt::white);
}

void appliquerBullesAuxWidgets()
{
    const int duree = Skin::dureeBulle();
    const auto widgets = QApplication::allWidgets();
    for (QWidget *w : widgets)
        w->setToolTipDuration(duree);
}

} // namespace

QColor Skin::attenuer(const QColor &couleur)
{
    if (!couleur.isValid())
        return couleur;
    float h, s, l, a;
    couleur.getHslF(&h, &s, &l, &a);
    return QColor::fromHslF(h, s * ParSaturation, l, a);
}

QColor Skin::teinte(Teinte t)
{
    return attenuer(teinteBrute(t));
}

QString Skin::cheminGlyphe(const QString &nom)
{
    return QStringLiteral(":/resources/images/glyphes/%1.svg").arg(nom);
}

QPalette Skin::palette()
{
    const QColor fenetre = teinte(Teinte::Fenetre);
    const QColor texte = teinte(Teinte::Texte);
    const QColor inactif = teinte(Teinte::TexteInactif);
    const QColor bulle = teinte(Teinte::Bulle);

    QPalette p(teinte(Teinte::Bouton), fenetre);
    p.setColor(QPalette::Window, fenetre);
    p.setColor(QPalette::WindowText, texte);
    p.setColor(QPalette::Base, teinte(Teinte::Saisie));
    p.setColor(QPalette::AlternateBase, attenuer(QColor(0xEE, 0xF2, 0xF3)));
    p.setColor(QPalette::Text, texte);
    p.setColor(QPalette::Button, teinte(Teinte::Bouton));
    p.setColor(QPalette::ButtonText, texte);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Light, attenuer(QColor(0xF7, 0xF9, 0xFA)));
    p.setColor(QPalette::Midlight, attenuer(QColor(0xEA, 0xEE, 0xF0)));
    p.setColor(QPalette::Mid, teinte(Teinte::Bordure));
    p.setColor(QPalette::Dark, attenuer(QColor(0x8E, 0x9B, 0xA2)));
    p.setColor(QPalette::Shadow, attenuer(QColor(0x5B, 0x66, 0x6D)));
    p.setColor(QPalette::Highlight, teinte(Teinte::Selection));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, teinte(Teinte::Accent));
    p.setColor(QPalette::LinkVisited, attenuer(QColor(0x6D, 0x64, 0x8E)));
    p.setColor(QPalette::ToolTipBase, bulle);
    p.setColor(QPalette::ToolTipText, texteSur(bulle));
    p.setColor(QPalette::PlaceholderText, inactif);

    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, inactif);
    p.setColor(QPalette::Disabled, QPalette::Base, fenetre);
    p.setColor(QPalette::Disabled, QPalette::Highlight, teinte(Teinte::Bordure));
    return p;
}

QString Skin::feuilleDeStyle()
{
    // The sheet names colours as @Name@; they are filled in from the skin so that the
    // palette and the sheet never drift apart.
    QString qss;
    QFile fichier(QStringLiteral(":/resources/images/skin.qss"));
    if (fichier.open(QIODevice::ReadOnly | QIODevice::Text))
        qss = QString::fromUtf8(fichier.readAll());

    const struct { const char *nom; Teinte t; } noms[] = {
        {"Fenetre", Teinte::Fenetre},         {"Panneau", Teinte::Panneau},
        {"Bouton", Teinte::Bouton},           {"Saisie", Teinte::Saisie},
        {"TexteInactif", Teinte::TexteInactif}, {"Texte", Teinte::Texte},
        {"BordureSurvol", Teinte::BordureSurvol}, {"Bordure", Teinte::Bordure},
        {"AccentClair", Teinte::AccentClair}, {"Accent", Teinte::Accent},
        {"Selection", Teinte::Selection},     {"Bulle", Teinte::Bulle},
    };
    for (const auto &n : noms)
        qss.replace(QLatin1Char('@') + QLatin1String(n.nom) + QLatin1Char('@'),
                    teinte(n.t).name());

    const QColor bulle = teinte(Teinte::Bulle);
    qss += QStringLiteral("\nQToolTip { background-color: %1; color: %2; border: 1px solid %3;"
                          " padding: 2px 4px; }\n")
               .arg(bulle.name(), texteSur(bulle).name(), bulle.darker(140).name());
    return qss;
}

void Skin::appliquer(QApplication &app)
{
    // The windows are drawn for Tahoma and Verdana. Where they are missing, Tahoma takes
    // the narrower Liberation Sans rather than fontconfig's wide default, so captions keep
    // their room; Verdana's own metrics are close to DejaVu Sans.
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});
    // Under a style sheet, a font set on a child with only some properties (a bold caption)
    // takes its family from the application font, not from its window: Tahoma 9 pt is the
    // windows' own font, so it is the application's too.
    QFont police(QStringLiteral("Tahoma"));
    police.setPointSize(9);
    QApplication::setFont(police);
    app.setStyle(new SStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    app.setPalette(palette());
    QToolTip::setPalette(palette());
    app.setStyleSheet(feuilleDeStyle());
    bulles().skinApplique = true;

    if (!app.findChild<SFiltreFenetres *>(QString(), Qt::FindDirectChildrenOnly))
        app.installEventFilter(new SFiltreFenetres(&app));
}

void Skin::reglerBulles(QColor couleur, int premierDelaiMs, int delaiEntreMs, int dureeMs)
{
    Bulles &b = bulles();
    b.couleur = couleur;
    b.premierDelai = qMax(0, premierDelaiMs);
    b.delaiEntre = qMax(0, delaiEntreMs);
    b.duree = dureeMs > 0 ? dureeMs : -1;

    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance())) {
        const QColor fond = teinte(Teinte::Bulle);
        QPalette pApp = app->palette();
        QPalette pBulle = QToolTip::palette();
        for (QPalette *p : {&pApp, &pBulle}) {
            p->setColor(QPalette::ToolTipBase, fond);
            p->setColor(QPalette::ToolTipText, texteSur(fond));
        }
        app->setPalette(pApp);
        QToolTip::setPalette(pBulle);
        if (b.skinApplique)
            app->setStyleSheet(feuilleDeStyle());
        appliquerBullesAuxWidgets();
    }
}

int Skin::delaiPremiereBulle()
{
    return bulles().premierDelai;
}

int Skin::delaiEntreBulles()
{
    return bulles().delaiEntre;
}

int Skin::dureeBulle()
{
    return bulles().duree;
}
