#include "document/courriel.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

QUrl AdresseCourriel(const QString &sujet, const QStringList &lignes)
{
    // A subject is one line.
    static const QRegularExpression sautsDeLigne(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]+"));
    const QString uneLigne = QString(sujet).replace(sautsDeLigne, QStringLiteral(" ")).trimmed();
    QByteArray adresse = QByteArray("mailto:") + DestinataireCourriel + "?subject="
                       + QUrl::toPercentEncoding(uneLigne) + "&body=";
    for (const QString &ligne : lignes)
        adresse += QUrl::toPercentEncoding(ligne) + "%0D%0A";
    return QUrl::fromEncoded(adresse, QUrl::StrictMode);
}

QStringList ParagraphesDeLaLettre(const QTextDocument &lettre)
{
    QStringList paragraphes;
    for (QTextBlock b = lettre.begin(); b.isValid(); b = b.next())
        paragraphes << b.text().replace(QChar(0x2028), QStringLiteral("\r\n"));
    if (!paragraphes.isEmpty() && paragraphes.last().isEmpty())
        paragraphes.removeLast();
    return paragraphes;
}
