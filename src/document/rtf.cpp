#include "document/rtf.h"

#include "platform/ecriture.h"

#include "letter/formatlettre.h"
#include "platform/cp1252.h"

#include <QList>
#include <QTextBlock>
#include <QTextDocument>

namespace {

constexpr int TwipsParPoint = 20;

// The tables of one letter: faces and colours in the order they first appear. Face 0 is
// the document's base font, colour 0 the automatic colour.
struct Tables
{
    QStringList polices;
    QList<QRgb> couleurs;

    int police(const QString &nom)
    {
        qsizetype i = polices.indexOf(nom);
        if (i < 0) {
            polices.append(nom);
            i = polices.size() - 1;
        }
        return int(i);
    }

    int couleur(const std::optional<QColor> &c)
    {
        if (!c)
            return 0;
        const QRgb rgb = c->rgb() & 0xFFFFFF;
        qsizetype i = couleurs.indexOf(rgb);
        if (i < 0) {
            couleurs.append(rgb);
            i = couleurs.size() - 1;
        }
        return int(i) + 1;
    }
};

struct Morceau
{
    AttributsTexte attributs;
    QString texte;
};

struct Paragraphe
{
    AttributsParagraphe format;
    AttributsTexte marque; // the paragraph mark's own attributes: an empty line's height
    QList<Morceau> morceaux;
};

QByteArray nombre(int n)
{
    return QByteArray::number(n);
}

QByteArray motsParagraphe(const AttributsParagraphe &p)
{
    static const char *const alignements[] = {"\\ql", "\\qr", "\\qc", "\\qj"};
    const int a = (p.alignement >= 0 && p.alignement <= 3) ? p.alignement : 0;
    // F is where the first line starts, F + L where the others do: RTF counts the left
    // indent for the other lines and the first line's offset from it.
    const int gauche = p.premiereLigne + p.gauche;
    const int premiere = -p.gauche;
    return QByteArray("\\pard") + alignements[a] + "\\fi" + nombre(premiere * TwipsParPoint) + "\\li"
         + nombre(gauche * TwipsParPoint) + "\\ri" + nombre(p.droite * TwipsParPoint);
}

QByteArray motsCaracteres(const AttributsTexte &a, Tables &tables)
{
    QByteArray mots = "\\plain\\f" + nombre(tables.police(a.police));
    if (a.taille > 0)
        mots += "\\fs" + nombre(a.taille * 2);
    if (a.gras)
        mots += "\\b";
    if (a.italique)
        mots += "\\i";
    if (a.souligne)
        mots += "\\ul";
    if (a.barre)
        mots += "\\strike";
    if (const int c = tables.couleur(a.couleur))
        mots += "\\cf" + nombre(c);
    return mots + ' ';
}

} // namespace

QByteArray TexteRtf(const QString &texte)
{
    QByteArray rtf;
    rtf.reserve(texte.size() + texte.size() / 8);
    for (const QChar qc : texte) {
        const char16_t c = qc.unicode();
        switch (c) {
        case u'\\': rtf += "\\\\"; continue;
        case u'{': rtf += "\\{"; continue;
        case u'}': rtf += "\\}"; continue;
        case u'\t': rtf += "\\tab "; continue;
        case 0x2028: // a line break inside the paragraph
        case 0x2029:
        case u'\n':
            rtf += "\\line ";
            continue;
        case 0x00A0: rtf += "\\~"; continue;
        case 0x00AD: rtf += "\\-"; continue;
        case 0xFFFC: continue; // an embedded object's place holder: nothing to say
        default: break;
        }
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            continue; // control characters have no place in a letter
        if (c < 0x80) {
            rtf += char(c);
            continue;
        }
        const int octet = Cp1252::octetDe(c);
        if (octet >= 0x80) {
            static const char hex[] = "0123456789abcdef";
            rtf += "\\'";
            rtf += hex[octet >> 4];
            rtf += hex[octet & 0xF];
            continue;
        }
        // Beyond Windows-1252: the UTF-16 unit as a signed number, then '?' for readers
        // that do not know \u. The '?' is written \'3f, as word processors do: some
        // readers take a plain '?' and the letters after it for part of the control word.
        rtf += "\\u" + nombre(qint16(c)) + "\\'3f";
    }
    return rtf;
}

QByteArray LettreEnRtf(const QTextDocument &lettre)
{
    const QTextDocument *doc = &lettre;
    const QFont base = lettre.defaultFont();
    Tables tables;
    tables.police(FormatLettre::attributs(QTextCharFormat(), base).police);

    QList<Paragraphe> paragraphes;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        Paragraphe p;
        p.format = FormatLettre::paragrapheDuBloc(b);
        p.marque = FormatLettre::attributs(b.charFormat(), base);
        tables.police(p.marque.police);
        tables.couleur(p.marque.couleur);
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.isValid() || f.length() == 0)
                continue;
            Morceau m{FormatLettre::attributs(f.charFormat(), base), f.text()};
            tables.police(m.attributs.police);
            tables.couleur(m.attributs.couleur);
            p.morceaux.append(m);
        }
        paragraphes.append(p);
    }

    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036\\uc1\n{\\fonttbl";
    for (int i = 0; i < tables.polices.size(); ++i)
        rtf += "{\\f" + nombre(i) + "\\fnil\\fcharset0 " + TexteRtf(tables.polices.at(i)) + ";}";
    rtf += "}\n{\\colortbl ;";
    for (const QRgb c : std::as_const(tables.couleurs))
        rtf += "\\red" + nombre(qRed(c)) + "\\green" + nombre(qGreen(c)) + "\\blue" + nombre(qBlue(c)) + ';';
    rtf += "}\n";

    // Character attributes are written only where they change; \pard leaves them alone.
    std::optional<AttributsTexte> enCours;
    auto attributs = [&](const AttributsTexte &a) {
        if (enCours != a) {
            rtf += motsCaracteres(a, tables);
            enCours = a;
        }
    };
    for (qsizetype i = 0; i < paragraphes.size(); ++i) {
        const Paragraphe &p = paragraphes.at(i);
        rtf += motsParagraphe(p.format);
        rtf += ' ';
        for (const Morceau &m : p.morceaux) {
            attributs(m.attributs);
            rtf += TexteRtf(m.texte);
        }
        if (p.morceaux.isEmpty())
            attributs(p.marque);
        // The last paragraph has no mark of its own: a \par would add an empty line.
        if (i + 1 < paragraphes.size())
            rtf += "\\par\n";
    }
    rtf += "}\n";
    return rtf;
}

bool EnregistrerRtf(const QTextDocument &lettre, const QString &chemin, QString *erreur)
{
    QString raison;
    if (EcrireFichierAtomique(chemin, LettreEnRtf(lettre), &raison))
        return true;
    if (erreur)
        *erreur = MessageEcritureImpossible(chemin, raison);
    return false;
}
