#pragma once

#include <QColor>
#include <QString>

class QApplication;
class QPalette;

// The look of every window: Fusion under our proxy style, a muted palette, one style
// sheet, the tooltip timings, the fade-in of windows and their snapping to the screen
// edges. Colours are taken from here by the widgets that paint themselves.
class Skin
{
public:
    enum class Teinte {
        Fenetre,        // window background
        Panneau,        // panels
        Bouton,         // button face at rest
        Saisie,         // edit and list background
        Texte,
        TexteInactif,
        Bordure,
        BordureSurvol,
        Accent,
        AccentClair,    // hover tint
        Selection,
        Bulle           // tooltip background
    };

    // Installs the style, palette, style sheet and window filter on the application.
    static void appliquer(QApplication &app);

    // Tooltip colour and timings: delay before the first tooltip, delay before the next
    // one once a tooltip was shown, and how long a tooltip stays (<= 0: Qt decides from
    // the length of the text).
    static void reglerBulles(QColor couleur, int premierDelaiMs, int delaiEntreMs, int dureeMs);

    // ":/.../glyphes/<nom>.svg": the only place that knows where glyphs live.
    static QString cheminGlyphe(const QString &nom);

    // A colour of the skin, already muted.
    static QColor teinte(Teinte t);
    // Lowers the saturation of a colour; the palette and style sheet go through it.
    static QColor attenuer(const QColor &couleur);

    static QPalette palette();
    static QString feuilleDeStyle();

    // Tooltip settings as the proxy style answers them; -1 when not set.
    static int delaiPremiereBulle();
    static int delaiEntreBulles();
    static int dureeBulle();
};
