#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// An INI file with the semantics of the Windows private-profile functions, kept whole in
// memory for one operation: read it, look up or change keys, write it back.
//
// - Section and key names match without regard to case; the first section of a name
//   is the one read and written (a duplicate further down is listed but not used).
// - A section name is what stands between the first '[' and the last ']' of its line,
//   so a ']' inside a name survives.
// - Keys before any section, lines without '=', comments and blank lines are kept
//   as they stand when the file is written back, and never read as keys.
// - Line ends CR LF, LF or CR alone are all read; CR LF is written.
// - The file is Windows-1252, or UTF-8 when it starts with a byte-order mark. It is
//   written as Windows-1252 when every character fits, otherwise as UTF-8 with a mark,
//   so that nothing typed is ever replaced.
// - Lines whose first non-blank character is ';' are comments, even when they hold '='.
// - A line break inside a written value or name becomes a blank.
// - Every write replaces the whole file atomically: a failed write leaves the previous
//   file as it was.
class FichierIni
{
public:
    FichierIni() = default;

    // Reads the file; a missing or unreadable file gives an empty document.
    // *lisible (if given) is false when the file exists but could not be read: writing the
    // document back would then replace what could not be seen.
    static FichierIni lire(const QString &chemin, bool *lisible = nullptr);
    // Parses bytes as they would stand in a file.
    static FichierIni depuisOctets(const QByteArray &octets);

    // Section names in file order, duplicates included.
    QStringList sections() const;
    bool contientSection(const QString &section) const;
    bool contientCle(const QString &section, const QString &cle) const;

    // The value exactly as it stands after the first '=' (a missing key gives the default).
    QString lireChaine(const QString &section, const QString &cle, const QString &defaut = QString()) const;
    // Decimal, or hexadecimal with a leading "0x" or "$", optionally signed, blanks around
    // it ignored; anything else (empty, trailing garbage, out of the int range) gives the
    // default.
    int lireEntier(const QString &section, const QString &cle, int defaut) const;

    // Changes the value in place when the key exists, otherwise appends the key at the
    // end of its section, creating the section at the end of the file when needed.
    // Key names are trimmed. A key that could not be read back (empty, holding '=',
    // starting with '[' or ';') is not written and the call returns false.
    bool ecrireChaine(const QString &section, const QString &cle, const QString &valeur);
    bool ecrireEntier(const QString &section, const QString &cle, int valeur);
    // Removes the first section of that name, its header and all its lines.
    void effacerSection(const QString &section);

    // The bytes that enregistrer() writes.
    QByteArray versOctets() const;
    // Writes the file atomically. False when the file cannot be written, with the cause in
    // `raison`; the file on disk is then unchanged.
    bool enregistrer(const QString &chemin, QString *raison = nullptr) const;

    // Parses an integer the way lireEntier() does; blanks around it are ignored. False on
    // failure, *resultat then untouched.
    static bool analyserEntier(const QString &texte, int *resultat);

private:
    struct Ligne
    {
        QString brute;             // the line as it stands in the file, without line end
        qsizetype debutValeur = 0; // for a key line, where the value starts (just after
                                   // the first '='); 0 for every other line
        bool estCle() const { return debutValeur > 0; }
    };
    struct Section
    {
        QString nom;
        QString entete;      // the header line as read
        QList<Ligne> lignes;
    };

    qsizetype indexSection(const QString &section) const;
    static qsizetype indexCle(const Section &s, const QString &cle);

    QList<Ligne> m_preambule; // lines before the first section
    QList<Section> m_sections;
};
