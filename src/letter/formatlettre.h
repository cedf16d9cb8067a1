#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QTextFormat>

#include <memory>
#include <optional>

class QTextBlock;
class QTextDocument;

// How a letter document carries its formats, whoever made it (the composer, the editor, a
// paste): faces and sizes on each run of text, and paragraph indents in whole points kept
// in the block format beside Qt's margins. Qt's margins are layout units, which change with
// the zoom of whatever shows the document; the points are what the letter means.

// Character attributes as the letter's toolbar reads and writes them.
struct AttributsTexte
{
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool barre = false;
    int taille = 11;                // whole points
    QString police;                 // face name
    std::optional<QColor> couleur;  // nullopt: automatic colour (the palette's text colour)

    bool operator==(const AttributsTexte &) const = default;
};

// Paragraph attributes, indents in whole points: F the first line's indent from the left
// edge, L the left indent of the following lines counted from F (negative for a hanging
// indent), R the right indent.
struct AttributsParagraphe
{
    enum Alignement { Gauche = 0, Droite = 1, Centre = 2, Justifie = 3 };
    int alignement = Gauche;
    int premiereLigne = 0; // F
    int gauche = 0;        // L
    int droite = 0;        // R

    bool operator==(const AttributsParagraphe &) const = default;
};

namespace FormatLettre {

// The block format properties holding F, L and R in points.
inline constexpr int ProprietePremiereLigne = QTextFormat::UserProperty + 1;
inline constexpr int ProprieteGauche = QTextFormat::UserProperty + 2;
inline constexpr int ProprieteDroite = QTextFormat::UserProperty + 3;

// Writes the paragraph's alignment and indents: the points, and Qt's margins for a layout
// of unitesParPoint units per point. Nothing shows left of the text area: an indent that
// would go there is laid out at 0.
void ecrireParagraphe(QTextBlockFormat &format, const AttributsParagraphe &p, qreal unitesParPoint);
// Only the indents.
void ecrireRetraits(QTextBlockFormat &format, const AttributsParagraphe &p, qreal unitesParPoint);
bool aDesRetraitsEnPoints(const QTextBlockFormat &format);
// A paragraph's attributes; one that came in from elsewhere without points has its Qt
// margins read at unitesParPoint.
AttributsParagraphe paragraphe(const QTextBlockFormat &format, qreal unitesParPoint);

// How many layout units make a point in a document: what its viewer last said, 1 when
// none did (a letter fresh from the composer).
qreal unitesParPoint(const QTextDocument &document);
void definirUnitesParPoint(QTextDocument &document, qreal unites);

// The block's paragraph attributes in its document.
AttributsParagraphe paragrapheDuBloc(const QTextBlock &bloc);

// A copy of the letter whose Qt margins are laid out at unitesParPoint units per point (a
// printer's resolution, 96/72 for a reader that takes margins as pixels at 96 dpi).
std::unique_ptr<QTextDocument> copieALEchelle(const QTextDocument &lettre, qreal unitesParPoint);

Qt::Alignment alignementQt(int alignement);

// Character attributes: written into a format (a size or face of 0 or empty leaves the
// format's own), and read from one with the face and size resolved against a base font.
void ecrireAttributs(QTextCharFormat &format, const AttributsTexte &a);
AttributsTexte attributs(const QTextCharFormat &format, const QFont &base);

} // namespace FormatLettre
