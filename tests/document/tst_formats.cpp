#include "document/enregistrement.h"
#include "document/odt.h"
#include "document/pdf.h"
#include "letter/composeur.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

// A composed letter saved as PDF and ODT, read back by other programs: the same text,
// the page, the fonts, the information, the formats.
class TestFormats : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dossier;
    std::unique_ptr<QTextDocument> m_lettre;

    static QString executer(const QString &programme, const QStringList &arguments)
    {
        QProcess p;
        p.start(programme, arguments);
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    static QString simplifier(QString texte)
    {
        return texte.replace(QChar(0x00A0), u' ').simplified();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dossier.isValid());
        DonneesLettre d = DonneesLettre::exemple();
        d.societe = QStringLiteral("Société Coopérative Rhône-Alpes");
        d.tailleEntreprise = 0;
        const QString travail = m_dossier.filePath(QStringLiteral("Vendelair/"));
        QVERIFY(QDir().mkpath(travail));
        m_lettre = std::move(ComposerLettre(d, travail).document);
    }

    void pdf()
    {
        for (const char *outil : {"pdfinfo", "pdftotext", "pdffonts"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(outil)).isEmpty())
                QSKIP("poppler-utils n'est pas installé");
        const QString chemin = m_dossier.filePath(QStringLiteral("Lettre_de_motivation_Ferrand.pdf"));
        QString erreur;
        QVERIFY2(EnregistrerDocument(*m_lettre, chemin, FormatDuChemin(chemin, FormatFichier::Rtf),
                                     QStringLiteral("Lettre_de_motivation_Ferrand"), QStringLiteral("Hugo Ferrand"), &erreur),
                 qPrintable(erreur));

        const QString info = executer(QStringLiteral("pdfinfo"), {chemin});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title: +Lettre_de_motivation_Ferrand\n"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Author: +Hugo Ferrand\n"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size: +595(\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)"))),
                 qPrintable(info));
        // The text can be taken out of it, in order, accents included (the lines wrap where
        // the page's width has them wrap).
        QString lettre;
        for (QTextBlock b = m_lettre->begin(); b.isValid(); b = b.next())
            lettre += b.text();
        static const QRegularExpression blancs(QStringLiteral("[\\s\\x{00A0}]+"));
        const QString lu =
            executer(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), chemin, QStringLiteral("-")}).remove(blancs);
        lettre.remove(blancs);
        qsizetype i = 0;
        while (i < lu.size() && i < lettre.size() && lu.at(i) == lettre.at(i))
            ++i;
        QVERIFY2(lu == lettre, qPrintable(lu.mid(i - 30, 60) + QStringLiteral("\n") + lettre.mid(i - 30, 60)));
        // Every font is embedded.
        const QStringList polices = executer(QStringLiteral("pdffonts"), {chemin}).split(u'\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!polices.isEmpty());
        for (const QString &p : polices)
            QVERIFY2(p.contains(QRegularExpression(QStringLiteral("\\byes\\b.*\\byes\\b"))), qPrintable(p));
    }

    void odt()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
            QSKIP("unzip n'est pas installé");
        const QString chemin = m_dossier.filePath(QStringLiteral("lettre.odt"));
        QVERIFY(EnregistrerDocument(*m_lettre, chemin, FormatFichier::Odt, QString(), QString()));
        const QString contenu = executer(QStringLiteral("unzip"), {QStringLiteral("-p"), chemin, QStringLiteral("content.xml")});
        QVERIFY2(contenu.contains(QStringLiteral("SOCIÉTÉ COOPÉRATIVE RHÔNE-ALPES")), qPrintable(contenu.left(2000)));
        QVERIFY(contenu.contains(QStringLiteral("Madame, Monsieur,")));
        // The recipient 240 pt in, the body's hanging indent, "Objet" underlined.
        QVERIFY2(contenu.contains(QStringLiteral("fo:margin-left=\"240pt\"")), qPrintable(contenu.left(4000)));
        QVERIFY(contenu.contains(QStringLiteral("fo:text-indent=\"28pt\"")));
        QVERIFY(contenu.contains(QStringLiteral("style:text-underline-style=\"solid\"")));

        // LibreOffice, where installed, reads the same text back.
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            return;
        const QString sortie = m_dossier.filePath(QStringLiteral("relu"));
        executer(soffice, {QStringLiteral("-env:UserInstallation=file://") + m_dossier.filePath(QStringLiteral("lo")),
                           QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                           QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("--outdir"), sortie, chemin});
        QFile relu(sortie + QStringLiteral("/lettre.txt"));
        QVERIFY(relu.open(QIODevice::ReadOnly));
        QStringList attendu;
        for (QTextBlock b = m_lettre->begin(); b.isValid(); b = b.next())
            attendu << b.text();
        QCOMPARE(simplifier(QString::fromUtf8(relu.readAll())), simplifier(attendu.join(u' ')));
    }

    // A failed write leaves no half file and says why.
    void echec()
    {
        const QString chemin = m_dossier.filePath(QStringLiteral("absent/lettre.pdf"));
        QString erreur;
        QVERIFY(!EnregistrerDocument(*m_lettre, chemin, FormatFichier::Pdf, QString(), QString(), &erreur));
        QVERIFY2(erreur.startsWith(QStringLiteral("Impossible d'écrire")), qPrintable(erreur));
        QVERIFY(!QFileInfo::exists(chemin));
    }
};

QTEST_MAIN(TestFormats)
#include "tst_formats.moc"
