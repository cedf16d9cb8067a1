#include "document/pdf.h"

#include "document/impression.h"
#include "document/marges.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>

namespace {

constexpr double MargeMillimetres = 24;

// A PDF text string: UTF-16 with its byte-order mark, in hexadecimal.
QByteArray chainePdf(const QString &texte)
{
    QByteArray r = "<FEFF";
    for (const QChar c : texte)
        r += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return r + '>';
}

// Qt's writer has no author: the document information is replaced by an update appended
// to the file, which PDF readers take in place of the first one.
bool ajouterInformation(QByteArray &pdf, const QString &titre, const QString &auteur)
{
    const qsizetype debutXref = pdf.lastIndexOf("startxref");
    const qsizetype debutTrailer = pdf.lastIndexOf("trailer");
    if (debutXref < 0 || debutTrailer < 0 || debutTrailer > debutXref)
        return false;
    const QString trailer = QString::fromLatin1(pdf.mid(debutTrailer, debutXref - debutTrailer));
    static const QRegularExpression taille(QStringLiteral("/Size\\s+(\\d+)"));
    static const QRegularExpression racine(QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)"));
    static const QRegularExpression ancienne(QStringLiteral("^startxref\\s+(\\d+)"));
    const QRegularExpressionMatch t = taille.match(trailer), r = racine.match(trailer),
                                  x = ancienne.match(QString::fromLatin1(pdf.mid(debutXref, 40)));
    if (!t.hasMatch() || !r.hasMatch() || !x.hasMatch())
        return false;
    const QByteArray numero = t.captured(1).toLatin1();
    if (!pdf.endsWith('\n'))
        pdf += '\n';
    const qsizetype objet = pdf.size();
    pdf += numero + " 0 obj\n<<\n/Title " + chainePdf(titre) + "\n/Author " + chainePdf(auteur)
         + "\n/Creator (Vendelair)\n/Producer (Vendelair)\n>>\nendobj\n";
    const qsizetype table = pdf.size();
    pdf += "xref\n" + numero + " 1\n" + QByteArray::number(objet).rightJustified(10, '0') + " 00000 n\r\n";
    pdf += "trailer\n<<\n/Size " + QByteArray::number(numero.toLongLong() + 1) + "\n/Root " + r.captured(1).toLatin1()
         + "\n/Info " + numero + " 0 R\n/Prev " + x.captured(1).toLatin1() + "\n>>\nstartxref\n"
         + QByteArray::number(table) + "\n%%EOF\n";
    return true;
}

} // namespace

QByteArray LettreEnPdf(const QTextDocument &lettre, const QString &titre, const QString &auteur)
{
    QByteArray octets;
    {
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&tampon);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Portrait);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(titre);
        pdf.setCreator(QStringLiteral("Vendelair"));
        const QRect papier = pdf.pageLayout().fullRectPixels(pdf.resolution());
        MetriquesImprimante m;
        m.dpiX = m.dpiY = pdf.resolution();
        m.largeurPage = papier.width();
        m.hauteurPage = papier.height();
        const QRect page = SetMargins(m, MargeMillimetres, MargeMillimetres, MargeMillimetres, MargeMillimetres).rect();
        if (!DessinerPages(lettre, pdf, page))
            return {};
    }
    if (!ajouterInformation(octets, titre, auteur))
        return {};
    return octets;
}
