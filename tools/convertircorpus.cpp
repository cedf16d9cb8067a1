// Turns the template corpus, authored as UTF-8 text under resources/Textes/, into the
// exact Windows-1252 bytes the program carries, as a C++ source of embedded items:
//
//   Paragraphe1 … Paragraphe5      the catalogues, copied byte for byte
//   1_1 … 5_10                     template k of paragraph N, one text per file
//
// Source files paragrapheN.txt: '#' starts a comment line; "== a b c" starts an entry whose
// text goes into the files a, b and c; the text is the following lines up to the next
// entry, trailing empty lines dropped. Paragraph 1 and 2 texts get one final blank, as
// they run on in the letter. Every item ends with a single LF.
//
// Usage: convertircorpus SOURCE_FOLDER OUTPUT.cpp

#include "platform/cp1252.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

[[noreturn]] void echec(const QString &message)
{
    std::fprintf(stderr, "convertircorpus: %s\n", qPrintable(message));
    std::exit(1);
}

QByteArray lire(const QString &chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        echec(QStringLiteral("impossible de lire %1").arg(chemin));
    return f.readAll();
}

// Items of one paragraph: file number → bytes.
QMap<int, QByteArray> convertirParagraphe(const QString &chemin, int paragraphe)
{
    const QString source = QString::fromUtf8(lire(chemin));
    QMap<int, QByteArray> items;
    QList<int> numeros;
    QStringList lignes;
    int ligneEntete = 0;
    auto terminer = [&] {
        if (numeros.isEmpty())
            return;
        while (!lignes.isEmpty() && lignes.last().trimmed().isEmpty())
            lignes.removeLast();
        if (lignes.isEmpty())
            echec(QStringLiteral("%1:%2 : texte vide").arg(chemin).arg(ligneEntete));
        QString texte = lignes.join(u'\n');
        if (paragraphe == 1 || paragraphe == 2)
            texte.insert(lignes.first().size(), u' ');
        if (!Cp1252::peutEncoder(texte))
            echec(QStringLiteral("%1:%2 : caractère hors de Windows-1252").arg(chemin).arg(ligneEntete));
        const QByteArray octets = Cp1252::encoder(texte) + '\n';
        for (int n : numeros) {
            if (items.contains(n))
                echec(QStringLiteral("%1:%2 : le numéro %3 est déjà pris").arg(chemin).arg(ligneEntete).arg(n));
            items.insert(n, octets);
        }
        numeros.clear();
        lignes.clear();
    };
    const QStringList toutes = source.split(u'\n');
    for (int i = 0; i < toutes.size(); ++i) {
        QString ligne = toutes.at(i);
        if (ligne.endsWith(u'\r'))
            ligne.chop(1);
        if (ligne.startsWith(u'#'))
            continue;
        if (ligne.startsWith(QStringLiteral("=="))) {
            terminer();
            ligneEntete = i + 1;
            for (const QString &mot : ligne.mid(2).split(u' ', Qt::SkipEmptyParts)) {
                bool ok = false;
                const int n = mot.toInt(&ok);
                if (!ok || n < 1)
                    echec(QStringLiteral("%1:%2 : numéro illisible « %3 »").arg(chemin).arg(ligneEntete).arg(mot));
                numeros << n;
            }
            continue;
        }
        if (!numeros.isEmpty())
            lignes << ligne;
        else if (!ligne.trimmed().isEmpty())
            echec(QStringLiteral("%1:%2 : texte hors d'une entrée").arg(chemin).arg(i + 1));
    }
    terminer();
    const int dernier = items.isEmpty() ? 0 : items.lastKey();
    for (int n = 1; n <= dernier; ++n)
        if (!items.contains(n))
            echec(QStringLiteral("%1 : le texte %2 manque").arg(chemin).arg(n));
    return items;
}

// A string literal that holds any bytes: octal escapes are always three digits long, so
// no following character can be taken into them.
QByteArray litteral(const QByteArray &octets)
{
    QByteArray s = "\"";
    for (unsigned char c : octets) {
        if (c == '"' || c == '\\')
            s += '\\', s += char(c);
        else if (c >= 0x20 && c < 0x7F && c != '?')
            s += char(c);
        else {
            const char octal[] = {'\\', char('0' + (c >> 6)), char('0' + ((c >> 3) & 7)), char('0' + (c & 7))};
            s.append(octal, 4);
        }
    }
    return s + '"';
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3)
        echec(QStringLiteral("usage : convertircorpus DOSSIER_SOURCE SORTIE.cpp"));
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    QList<std::pair<QByteArray, QByteArray>> items;
    for (int n : {1, 2, 4, 5}) {
        const QString catalogue = dossier.filePath(QStringLiteral("Paragraphe%1.ini").arg(n));
        if (QFile::exists(catalogue))
            items.append({QByteArray("Paragraphe") + QByteArray::number(n), lire(catalogue)});
    }
    for (int n : {1, 2, 4, 5}) {
        const QString source = dossier.filePath(QStringLiteral("paragraphe%1.txt").arg(n));
        if (!QFile::exists(source))
            continue;
        const QMap<int, QByteArray> textes = convertirParagraphe(source, n);
        for (auto it = textes.cbegin(); it != textes.cend(); ++it)
            items.append({QByteArray::number(n) + '_' + QByteArray::number(it.key()), it.value()});
    }

    QByteArray sortie = "// Generated by convertircorpus from resources/Textes: do not edit.\n"
                        "#include \"platform/itemsembarques.h\"\n\n"
                        "const ItemEmbarque ItemsEmbarques[] = {\n";
    for (const auto &[nom, octets] : items)
        sortie += "    {\"" + nom + "\", " + litteral(octets) + ", " + QByteArray::number(octets.size()) + "},\n";
    sortie += "    {nullptr, nullptr, 0},\n};\n";

    QSaveFile f(QString::fromLocal8Bit(argv[2]));
    if (!f.open(QIODevice::WriteOnly) || f.write(sortie) != sortie.size() || !f.commit())
        echec(QStringLiteral("impossible d'écrire %1").arg(f.fileName()));
    return 0;
}
