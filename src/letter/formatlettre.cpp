#include "letter/formatlettre.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVariant>

#include <algorithm>
#include <cmath>

namespace FormatLettre {

namespace {

// A dynamic property of the document: plain QTextDocument has no place of its own for it.
constexpr char ProprieteUnites[] = "vendelairUnitesParPoint";

int alignementDe(Qt::Alignment a)
{
    const Qt::Alignment h = a & Qt::AlignHorizontal_Mask;
    if (h & Qt::AlignJustify)
        return AttributsParagraphe::Justifie;
    if (h & Qt::AlignHCenter)
        return AttributsParagraphe::Centre;
    if (h & (Qt::AlignRight | Qt::AlignTrailing))
        return AttributsParagraphe::Droite;
    return AttributsParagraphe::Gauche;
}

} // namespace

void ecrireRetraits(QTextBlockFormat &f, const AttributsParagraphe &p, qreal unitesParPoint)
{
    f.setProperty(ProprietePremiereLigne, p.premiereLigne);
    f.setProperty(ProprieteGauche, p.gauche);
    f.setProperty(ProprieteDroite, p.droite);
    const int premiere = std::max(0, p.premiereLigne);
    const int suivantes = std::max(0, p.premiereLigne + p.gauche);
    f.setLeftMargin(suivantes * unitesParPoint);
    f.setTextIndent((premiere - suivantes) * unitesParPoint);
    f.setRightMargin(std::max(0, p.droite) * unitesParPoint);
}

void ecrireParagraphe(QTextBlockFormat &f, const AttributsParagraphe &p, qreal unitesParPoint)
{
    ecrireRetraits(f, p, unitesParPoint);
    f.setAlignment(alignementQt(p.alignement));
}

bool aDesRetraitsEnPoints(const QTextBlockFormat &f)
{
    return f.hasProperty(ProprietePremiereLigne);
}

AttributsParagraphe paragraphe(const QTextBlockFormat &f, qreal unitesParPoint)
{
    AttributsParagraphe p;
    p.alignement = alignementDe(f.alignment());
    if (aDesRetraitsEnPoints(f)) {
        p.premiereLigne = f.intProperty(ProprietePremiereLigne);
        p.gauche = f.intProperty(ProprieteGauche);
        p.droite = f.intProperty(ProprieteDroite);
    } else {
        p.premiereLigne = int(std::lround((f.leftMargin() + f.textIndent()) / unitesParPoint));
        p.gauche = int(std::lround(f.leftMargin() / unitesParPoint)) - p.premiereLigne;
        p.droite = int(std::lround(f.rightMargin() / unitesParPoint));
    }
    return p;
}

qreal unitesParPoint(const QTextDocument &document)
{
    const QVariant v = document.property(ProprieteUnites);
    return v.isValid() ? v.toReal() : 1.0;
}

void definirUnitesParPoint(QTextDocument &document, qreal unites)
{
    document.setProperty(ProprieteUnites, unites);
}

AttributsParagraphe paragrapheDuBloc(const QTextBlock &bloc)
{
    const QTextDocument *document = bloc.document();
    return paragraphe(bloc.blockFormat(), document ? unitesParPoint(*document) : 1.0);
}

std::unique_ptr<QTextDocument> copieALEchelle(const QTextDocument &lettre, qreal unites)
{
    std::unique_ptr<QTextDocument> copie(lettre.clone());
    QTextCursor curseur(copie.get());
    for (QTextBlock o = lettre.begin(), c = copie->begin(); o.isValid() && c.isValid(); o = o.next(), c = c.next()) {
        QTextBlockFormat f = c.blockFormat();
        ecrireRetraits(f, paragrapheDuBloc(o), unites);
        curseur.setPosition(c.position());
        curseur.setBlockFormat(f);
    }
    definirUnitesParPoint(*copie, unites);
    return copie;
}

Qt::Alignment alignementQt(int a)
{
    switch (a) {
    case AttributsParagraphe::Droite: return Qt::AlignRight;
    case AttributsParagraphe::Centre: return Qt::AlignHCenter;
    case AttributsParagraphe::Justifie: return Qt::AlignJustify;
    default: return Qt::AlignLeft;
    }
}

void ecrireAttributs(QTextCharFormat &f, const AttributsTexte &a)
{
    f.setFontWeight(a.gras ? QFont::Bold : QFont::Normal);
    f.setFontItalic(a.italique);
    f.setFontUnderline(a.souligne);
    f.setFontStrikeOut(a.barre);
    if (a.taille > 0) {
        f.clearProperty(QTextFormat::FontPixelSize);
        f.setFontPointSize(a.taille);
    }
    if (!a.police.isEmpty()) {
        f.clearProperty(QTextFormat::OldFontFamily);
        f.setFontFamilies(QStringList{a.police});
    }
    if (a.couleur)
        f.setForeground(*a.couleur);
    else
        f.clearForeground();
}

AttributsTexte attributs(const QTextCharFormat &format, const QFont &base)
{
    const QFont police = format.font().resolve(base);
    AttributsTexte a;
    a.gras = police.bold();
    a.italique = police.italic();
    a.souligne = police.underline();
    a.barre = police.strikeOut();
    a.taille = police.pointSizeF() > 0 ? int(std::lround(police.pointSizeF()))
                                       : int(std::lround(police.pixelSize() * 72.0 / 96.0));
    a.police = police.families().value(0, police.family());
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
        a.couleur = format.foreground().color();
    return a;
}

} // namespace FormatLettre
