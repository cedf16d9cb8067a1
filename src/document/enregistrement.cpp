#include "document/enregistrement.h"

#include "document/odt.h"
#include "document/pdf.h"
#include "document/rtf.h"

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
    switch (format) {
    case FormatFichier::Pdf: return EnregistrerPdf(lettre, chemin, titre, auteur, erreur);
    case FormatFichier::Odt: return EnregistrerOdt(lettre, chemin, erreur);
    case FormatFichier::Rtf: break;
    }
    return EnregistrerRtf(lettre, chemin, erreur);
}
