#include "document/odt.h"

#include "letter/formatlettre.h"

#include <QBuffer>
#include <QTextDocument>
#include <QTextDocumentWriter>

QByteArray LettreEnOdt(const QTextDocument &lettre)
{
    // Qt's writer takes margins for pixels at 96 dpi and writes them in points.
    const std::unique_ptr<QTextDocument> copie = FormatLettre::copieALEchelle(lettre, 96.0 / 72.0);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    QTextDocumentWriter ecrivain(&tampon, "odf");
    if (!ecrivain.write(copie.get()))
        return {};
    return octets;
}
