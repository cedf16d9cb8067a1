#include "cp1252.h"

#include <array>
#include <cstring>

namespace Cp1252 {

namespace {

// Bytes 0x80 to 0x9F. The five bytes Windows leaves undefined keep their own value,
// so that every byte decodes and encodes back to itself.
constexpr char16_t kHaut[32] = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

// The byte of each character below U+0100, or -1: U+0080-U+009F have none but the five
// controls that stand for themselves.
constexpr auto kBas = [] {
    std::array<qint16, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = (c >= 0x80 && c <= 0x9F && kHaut[c - 0x80] != c) ? -1 : c;
    return table;
}();

bool estSubstitutHaut(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool estSubstitutBas(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Whole blocks of plain characters are skipped eight bytes at a time, so that a file of
// tens of megabytes goes through quickly even in a build without optimisation.
constexpr quint64 kBitsHauts = 0x8080808080808080ULL;

quint64 charger(const void *p)
{
    quint64 mot;
    std::memcpy(&mot, p, sizeof mot);
    return mot;
}

// True when one of the eight bytes lies in 0x80-0x9F (bit 7 set, bits 6 and 5 clear).
bool blocAvecOctetHaut(quint64 mot)
{
    return (mot & ~(mot << 1) & ~(mot << 2) & kBitsHauts) != 0;
}

// True when one of the four characters is not below 0x80.
bool blocNonAscii(quint64 mot)
{
    return (mot & 0xFF80FF80FF80FF80ULL) != 0;
}

} // namespace

QString decoder(const QByteArray &octets)
{
    // Outside 0x80-0x9F every byte is the character of the same value.
    QString texte = QString::fromLatin1(octets);
    const auto *source = reinterpret_cast<const unsigned char *>(octets.constData());
    char16_t *cible = reinterpret_cast<char16_t *>(texte.data());
    const qsizetype n = octets.size();
    qsizetype i = 0;
    while (i < n) {
        if (i + 8 <= n && !blocAvecOctetHaut(charger(source + i))) {
            i += 8;
            continue;
        }
        if (source[i] >= 0x80 && source[i] <= 0x9F)
            cible[i] = kHaut[source[i] - 0x80];
        ++i;
    }
    return texte;
}

int octetDe(char16_t c)
{
    if (c < 0x100)
        return kBas[c];
    switch (c) {
    case u'\u20AC': return 0x80;
    case u'\u201A': return 0x82;
    case u'\u0192': return 0x83;
    case u'\u201E': return 0x84;
    case u'\u2026': return 0x85;
    case u'\u2020': return 0x86;
    case u'\u2021': return 0x87;
    case u'\u02C6': return 0x88;
    case u'\u2030': return 0x89;
    case u'\u0160': return 0x8A;
    case u'\u2039': return 0x8B;
    case u'\u0152': return 0x8C;
    case u'\u017D': return 0x8E;
    case u'\u2018': return 0x91;
    case u'\u2019': return 0x92;
    case u'\u201C': return 0x93;
    case u'\u201D': return 0x94;
    case u'\u2022': return 0x95;
    case u'\u2013': return 0x96;
    case u'\u2014': return 0x97;
    case u'\u02DC': return 0x98;
    case u'\u2122': return 0x99;
    case u'\u0161': return 0x9A;
    case u'\u203A': return 0x9B;
    case u'\u0153': return 0x9C;
    case u'\u017E': return 0x9E;
    case u'\u0178': return 0x9F;
    default: return -1;
    }
}

bool peutEncoder(const QString &texte)
{
    const char16_t *source = reinterpret_cast<const char16_t *>(texte.constData());
    const qsizetype n = texte.size();
    qsizetype i = 0;
    while (i < n) {
        if (i + 4 <= n && !blocNonAscii(charger(source + i))) {
            i += 4;
            continue;
        }
        if (octetDe(source[i]) < 0)
            return false;
        ++i;
    }
    return true;
}

QByteArray encoder(const QString &texte, bool *complet)
{
    bool toutEncode = true;
    const char16_t *source = reinterpret_cast<const char16_t *>(texte.constData());
    const qsizetype n = texte.size();
    QByteArray octets(n, Qt::Uninitialized);
    char *cible = octets.data();
    qsizetype j = 0;
    qsizetype i = 0;
    while (i < n) {
        if (i + 4 <= n && !blocNonAscii(charger(source + i))) {
            for (int k = 0; k < 4; ++k)
                cible[j + k] = char(source[i + k]);
            i += 4;
            j += 4;
            continue;
        }
        const char16_t c = source[i++];
        const int octet = octetDe(c);
        if (octet >= 0) {
            cible[j++] = char(octet);
            continue;
        }
        toutEncode = false;
        cible[j++] = '?';
        // A character outside the basic plane is one '?', not two.
        if (estSubstitutHaut(c) && i < n && estSubstitutBas(source[i]))
            ++i;
    }
    octets.truncate(j);
    if (complet)
        *complet = toutEncode;
    return octets;
}

} // namespace Cp1252
