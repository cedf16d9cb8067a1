#include "document/enregistrement.h"

#include "document/odt.h"
#include "document/pdf.h"
#include "document/rtf.h"
#include "platform/ecriture.h"

#include <QFileInfo>

FormatFichier FormatDuChemin(const QString &chemin, FormatFichier parDefaut)
{
    const QString extension = QFileInfo(chemin).suffix().toLower();
    for (FormatFichier f : {FormatFichier::Pdf, FormatFichier::Rtf, FormatFichier::Odt})
        if (extension == ExtensionDe(f))
            return f;
    return parDefaut;
}

QString ExtensionDe(FormatFichier format)
{
    switch (format) {
    case FormatFichier::Pdf: return QStringLiteral("pdf");
    case FormatFichier::Odt: return QStringLiteral("odt");
    case FormatFichier::Rtf: break;
    }
    return QStringLiteral("rtf");
}

bool EnregistrerDocument(const QTextDocument &lettre, const QString &chemin, FormatFichier format,
                         const QString &titre, const QString &auteur, QString *erreur)
{
    QByteArray octets;
    switch (format) {
    case FormatFichier::Pdf: octets = LettreEnPdf(lettre, titre, auteur); break;
    case FormatFichier::Odt: octets = LettreEnOdt(lettre); break;
    case FormatFichier::Rtf: octets = LettreEnRtf(lettre); break;
    }
    QString raison;
    if (octets.isEmpty())
        raison = QStringLiteral("la mise en forme du fichier %1 a échoué").arg(ExtensionDe(format).toUpper());
    else if (EcrireFichierAtomique(chemin, octets, &raison))
        return true;
    if (erreur)
        *erreur = MessageEcritureImpossible(chemin, raison);
    return false;
}
