#include "fichierini.h"

#include "cp1252.h"
#include "ecriture.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <climits>

namespace {

const QByteArray kMarqueUtf8("\xEF\xBB\xBF");

// A name or value cannot span lines: each CR or LF becomes a blank.
QString surUneLigne(QString texte)
{
    texte.replace(u'\r', u' ');
    texte.replace(u'\n', u' ');
    return texte;
}

// The key as it is looked up and written.
QString nomDeCle(const QString &cle)
{
    return surUneLigne(cle).trimmed();
}

// A key that reads back as itself once written as "cle=valeur" inside a section.
bool cleEcrivable(const QString &cle)
{
    return !cle.isEmpty() && !cle.contains(u'=') && !cle.startsWith(u'[')
        && !cle.startsWith(u';');
}

QString decoderFichier(const QByteArray &octets)
{
    if (octets.startsWith(kMarqueUtf8)) {
        // Invalid sequences become U+FFFD; nothing else is dropped, NUL included. Only the
        // first mark is the file's: any further one is text, kept as it stands, so that a
        // file read and written again means the same.
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        return utf8(QByteArrayView(octets).sliced(kMarqueUtf8.size()));
    }
    // Every byte has a character, and each goes back to the same byte: a file that is
    // in fact UTF-8 without a mark comes out byte for byte as it went in.
    return Cp1252::decoder(octets);
}

int valeurChiffre(char16_t c, int base)
{
    int v = -1;
    if (c >= u'0' && c <= u'9')
        v = c - u'0';
    else if (c >= u'a' && c <= u'f')
        v = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        v = c - u'A' + 10;
    return v < base ? v : -1;
}

} // namespace

FichierIni FichierIni::lire(const QString &chemin, bool *lisible)
{
    QFile fichier(chemin);
    const bool existe = QFileInfo::exists(chemin);
    if (lisible)
        *lisible = !existe;
    if (QFileInfo(chemin).isDir() || !fichier.open(QIODevice::ReadOnly))
        return FichierIni();
    const QByteArray octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError)
        return FichierIni();
    if (lisible)
        *lisible = true;
    return depuisOctets(octets);
}

FichierIni FichierIni::depuisOctets(const QByteArray &octets)
{
    FichierIni ini;
    const QString texte = decoderFichier(octets);
    const qsizetype n = texte.size();

    // The next CR and the next LF are each looked up once and kept until passed, so the
    // text is searched once whatever mix of line ends it holds.
    const auto suivant = [&](char16_t c, qsizetype depuis) {
        const qsizetype i = texte.indexOf(QChar(c), depuis);
        return i < 0 ? n : i;
    };
    qsizetype prochainCR = suivant(u'\r', 0);
    qsizetype prochainLF = suivant(u'\n', 0);

    QList<Ligne> *lignes = &ini.m_preambule;
    qsizetype debut = 0;
    while (debut < n) {
        if (prochainCR < debut)
            prochainCR = suivant(u'\r', debut);
        if (prochainLF < debut)
            prochainLF = suivant(u'\n', debut);
        const qsizetype fin = std::min(prochainCR, prochainLF);
        Ligne ligne{texte.mid(debut, fin - debut)};
        // CR LF, LF and CR alone each end one line.
        debut = fin;
        if (debut < n)
            debut += (fin == prochainCR && prochainLF == fin + 1) ? 2 : 1;

        const QStringView sansBlancs = QStringView(ligne.brute).trimmed();
        if (sansBlancs.startsWith(u'[')) {
            // The name runs from the first '[' to the last ']', so a ']' inside it
            // survives. A header that never closes is taken whole rather than lost: the
            // rest of the line after '[' is the name.
            const qsizetype ouvrant = ligne.brute.indexOf(u'[');
            const qsizetype fermant = ligne.brute.lastIndexOf(u']');
            Section section;
            section.nom = fermant > ouvrant ? ligne.brute.mid(ouvrant + 1, fermant - ouvrant - 1)
                                            : ligne.brute.mid(ouvrant + 1);
            section.entete = std::move(ligne.brute);
            ini.m_sections.append(std::move(section));
            lignes = &ini.m_sections.last().lignes;
            continue;
        }
        if (!sansBlancs.startsWith(u';')) {
            const qsizetype egal = ligne.brute.indexOf(u'=');
            if (egal >= 0 && !QStringView(ligne.brute).left(egal).trimmed().isEmpty())
                ligne.debutValeur = egal + 1;
        }
        lignes->append(std::move(ligne));
    }
    return ini;
}

QStringList FichierIni::sections() const
{
    QStringList noms;
    noms.reserve(m_sections.size());
    for (const Section &s : m_sections)
        noms.append(s.nom);
    return noms;
}

bool FichierIni::contientSection(const QString &section) const
{
    return indexSection(section) >= 0;
}

bool FichierIni::contientCle(const QString &section, const QString &cle) const
{
    const qsizetype is = indexSection(section);
    return is >= 0 && indexCle(m_sections.at(is), cle) >= 0;
}

QString FichierIni::lireChaine(const QString &section, const QString &cle,
                               const QString &defaut) const
{
    const qsizetype is = indexSection(section);
    if (is < 0)
        return defaut;
    const Section &s = m_sections.at(is);
    const qsizetype ic = indexCle(s, cle);
    if (ic < 0)
        return defaut;
    const Ligne &ligne = s.lignes.at(ic);
    return ligne.brute.mid(ligne.debutValeur);
}

int FichierIni::lireEntier(const QString &section, const QString &cle, int defaut) const
{
    int valeur = defaut;
    if (contientCle(section, cle))
        analyserEntier(lireChaine(section, cle), &valeur);
    return valeur;
}

bool FichierIni::ecrireChaine(const QString &section, const QString &cle, const QString &valeur)
{
    const QString nomCle = nomDeCle(cle);
    if (!cleEcrivable(nomCle))
        return false;

    qsizetype is = indexSection(section);
    if (is < 0) {
        Section nouvelle;
        nouvelle.nom = surUneLigne(section);
        nouvelle.entete = u'[' + nouvelle.nom + u']';
        m_sections.append(std::move(nouvelle));
        is = m_sections.size() - 1;
    }
    Section &s = m_sections[is];

    const qsizetype ic = indexCle(s, nomCle);
    if (ic >= 0) {
        // Only the value changes; the key keeps its spelling and its blanks.
        Ligne &ligne = s.lignes[ic];
        ligne.brute.truncate(ligne.debutValeur);
        ligne.brute += surUneLigne(valeur);
        return true;
    }

    // A new key goes after the last key of the section, so that comments and blank
    // lines that lead into the next section stay where they are. In a section without
    // keys it goes after the last line that is not blank.
    qsizetype position = -1;
    for (qsizetype i = s.lignes.size() - 1; i >= 0 && position < 0; --i) {
        if (s.lignes.at(i).estCle())
            position = i + 1;
    }
    for (qsizetype i = s.lignes.size() - 1; i >= 0 && position < 0; --i) {
        if (!QStringView(s.lignes.at(i).brute).trimmed().isEmpty())
            position = i + 1;
    }
    if (position < 0)
        position = 0;
    s.lignes.insert(position, Ligne{nomCle + u'=' + surUneLigne(valeur), nomCle.size() + 1});
    return true;
}

bool FichierIni::ecrireEntier(const QString &section, const QString &cle, int valeur)
{
    return ecrireChaine(section, cle, QString::number(valeur));
}

void FichierIni::effacerSection(const QString &section)
{
    const qsizetype is = indexSection(section);
    if (is >= 0)
        m_sections.removeAt(is);
}

QByteArray FichierIni::versOctets() const
{
    static constexpr QStringView kFinDeLigne = u"\r\n";

    qsizetype taille = 0;
    for (const Ligne &l : m_preambule)
        taille += l.brute.size() + 2;
    for (const Section &s : m_sections) {
        taille += s.entete.size() + 2;
        for (const Ligne &l : s.lignes)
            taille += l.brute.size() + 2;
    }

    QString texte;
    texte.reserve(taille);
    for (const Ligne &l : m_preambule)
        texte.append(l.brute).append(kFinDeLigne);
    for (const Section &s : m_sections) {
        texte.append(s.entete).append(kFinDeLigne);
        for (const Ligne &l : s.lignes)
            texte.append(l.brute).append(kFinDeLigne);
    }

    if (Cp1252::peutEncoder(texte)) {
        QByteArray octets = Cp1252::encoder(texte);
        // Windows-1252 bytes that begin with "ï»¿" would read back as a byte-order mark.
        if (!octets.startsWith(kMarqueUtf8))
            return octets;
    }
    // Something typed has no Windows-1252 byte: the whole file goes to UTF-8 so that
    // nothing is replaced.
    return kMarqueUtf8 + texte.toUtf8();
}

bool FichierIni::enregistrer(const QString &chemin, QString *raison) const
{
    return EcrireFichierAtomique(chemin, versOctets(), raison);
}

bool FichierIni::analyserEntier(const QString &texte, int *resultat)
{
    QStringView reste = QStringView(texte).trimmed();
    bool negatif = false;
    if (reste.startsWith(u'+') || reste.startsWith(u'-')) {
        negatif = reste.front() == u'-';
        reste = reste.mid(1);
    }
    int base = 10;
    if (reste.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        reste = reste.mid(2);
    } else if (reste.startsWith(u'$')) {
        base = 16;
        reste = reste.mid(1);
    }
    if (reste.isEmpty())
        return false;

    // Held as a magnitude up to 2^31, so that INT_MIN is accepted and overflow is seen
    // before it can happen.
    const qint64 limite = qint64(INT_MAX) + 1;
    qint64 valeur = 0;
    for (QChar c : reste) {
        const int chiffre = valeurChiffre(c.unicode(), base);
        if (chiffre < 0)
            return false;
        valeur = valeur * base + chiffre;
        if (valeur > limite)
            return false;
    }
    if (negatif)
        valeur = -valeur;
    if (valeur > INT_MAX || valeur < INT_MIN)
        return false;
    if (resultat)
        *resultat = int(valeur);
    return true;
}

qsizetype FichierIni::indexSection(const QString &section) const
{
    const QString nom = surUneLigne(section);
    for (qsizetype i = 0; i < m_sections.size(); ++i) {
        if (QString::compare(m_sections.at(i).nom, nom, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype FichierIni::indexCle(const Section &s, const QString &cle)
{
    const QString nom = nomDeCle(cle);
    for (qsizetype i = 0; i < s.lignes.size(); ++i) {
        const Ligne &ligne = s.lignes.at(i);
        if (!ligne.estCle())
            continue;
        const QStringView nomLu = QStringView(ligne.brute).left(ligne.debutValeur - 1).trimmed();
        if (QStringView(nom).compare(nomLu, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
