#include "editor/sortie.h"
#include "editor/editor.h"
#include "document/courriel.h"
#include "document/rtf.h"
#include "platform/systeme.h"
#include "widgets/ecran.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <sys/stat.h>

// The four ways out of the editor: save, print, word processor, e-mail.
class TestSortie : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_racine;
    QStringList m_erreurs;
    QList<QUrl> m_ouverts;

    static constexpr double MillimetresParPouce = 25.4;
    static constexpr double PointsParMillimetre = 72.0 / MillimetresParPouce;

    static QString lire(const QString &chemin)
    {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }

    static QString executer(const QString &programme, const QStringList &arguments)
    {
        QProcess p;
        p.start(programme, arguments);
        if (!p.waitForFinished(30000) || p.exitCode() != 0)
            return QString();
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    static QString paragrapheLong(int n)
    {
        return QStringLiteral("Paragraphe %1 : mon expérience de technicien m'a appris la rigueur, le travail "
                              "en équipe et le sens du service, qualités que je souhaite mettre au service de "
                              "votre entreprise dès que possible.")
            .arg(n);
    }

    // The sender, a recipient block at 240 pt, then justified paragraphs indented 36 pt on
    // their first line; enough of them to need a second page.
    static QStringList lettre(Editor &e, int paragraphes)
    {
        QStringList lignes = {QStringLiteral("Jean Dupont"), QStringLiteral("Société Générale"),
                              QStringLiteral("12, rue de l'Église"), QStringLiteral("Objet : Candidature spontanée")};
        for (int i = 1; i <= paragraphes; ++i)
            lignes.append(paragrapheLong(i));
        for (const QString &l : std::as_const(lignes))
            e.ajouterLigne(l);
        for (int bloc : {1, 2}) {
            e.placerCurseur(e.document()->findBlockByNumber(bloc).position());
            AttributsParagraphe p;
            p.premiereLigne = 240;
            e.definirParagrapheSelection(p);
        }
        for (int bloc = 4; bloc < lignes.size(); ++bloc) {
            e.placerCurseur(e.document()->findBlockByNumber(bloc).position());
            AttributsParagraphe p;
            p.alignement = AttributsParagraphe::Justifie;
            p.premiereLigne = 36;
            p.gauche = -36;
            e.definirParagrapheSelection(p);
        }
        return lignes;
    }

    // The page rectangle for 24 mm left, top and right margins and none at the bottom, in the
    // printable area's pixels, as the ruler's margins compute it for the chosen printer.
    static QRect rectangle24(const QPrinter &p)
    {
        const QRect papier = p.paperRect(QPrinter::DevicePixel).toRect();
        const QRect imprimable = p.pageRect(QPrinter::DevicePixel).toRect();
        const int offX = imprimable.left() - papier.left();
        const int offY = imprimable.top() - papier.top();
        const int mx = int(std::nearbyint(p.resolution() * 24 / MillimetresParPouce));
        const int my = int(std::nearbyint(p.resolution() * 24 / MillimetresParPouce));
        const int gauche = mx - offX;
        const int haut = my - offY;
        const int droite = imprimable.width() + offX - mx;
        const int bas = imprimable.height() + offY;
        return QRect(gauche, haut, droite - gauche, bas - haut);
    }

    struct Mot
    {
        int page;
        QRectF boite; // points, from the paper's top left corner
        QString texte;
    };

    static QList<Mot> mots(const QString &pdf)
    {
        const QString html = executer(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        QList<Mot> resultat;
        int page = 0;
        static const QRegularExpression balise(QStringLiteral(
            R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
        for (auto it = balise.globalMatch(html); it.hasNext();) {
            const auto m = it.next();
            if (m.captured(0).startsWith(QLatin1String("<page"))) {
                ++page;
                continue;
            }
            resultat.append({page, QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                          QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                             m.captured(5)});
        }
        return resultat;
    }

    static QString simplifier(QString texte)
    {
        return texte.replace(QChar(0x2019), QLatin1Char('\'')).simplified();
    }

    // What the e-mail program reads: the query split at '&', each value percent-decoded
    // and read as UTF-8.
    static QMap<QString, QStringList> champsCourriel(const QUrl &adresse, QString *destinataire)
    {
        const QByteArray brut = adresse.toEncoded();
        const qsizetype q = brut.indexOf('?');
        *destinataire = QString::fromUtf8(QByteArray::fromPercentEncoding(brut.mid(7, q - 7)));
        QMap<QString, QStringList> champs;
        for (const QByteArray &paire : brut.mid(q + 1).split('&')) {
            const qsizetype egal = paire.indexOf('=');
            champs[QString::fromLatin1(paire.left(egal))].append(
                QString::fromUtf8(QByteArray::fromPercentEncoding(paire.mid(egal + 1))));
        }
        return champs;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_racine.isValid());
        const QString runtime = m_racine.filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(runtime));
        QVERIFY(::chmod(QFile::encodeName(runtime).constData(), 0700) == 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        QVERIFY(QDir().mkpath(m_racine.filePath(QStringLiteral("tmp"))));
        qputenv("TMPDIR", QFile::encodeName(m_racine.filePath(QStringLiteral("tmp"))));
        RemplacerAfficheurErreur([this](const QString &m) { m_erreurs.append(m); });
        RemplacerImprimantes([] { return QStringList{QStringLiteral("Bureau")}; });
        RemplacerOuvreur([this](const QUrl &u) {
            m_ouverts.append(u);
            return true;
        });
    }

    void init()
    {
        m_erreurs.clear();
        m_ouverts.clear();
    }

    void cleanup()
    {
        RemplacerDialogueEnregistrement({});
        RemplacerDialogueImpression({});
    }

    void nomDuFichier_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("lettre");
        QTest::addColumn<QString>("surDisque");
        QTest::newRow("final full stop") << "dupont." << "Lettre_de_motivation_Dupont" << "Lettre_de_motivation_Dupont";
        QTest::newRow("only one full stop") << "dupont.." << "Lettre_de_motivation_Dupont." << "Lettre_de_motivation_Dupont.";
        QTest::newRow("accented first letter") << "éloi" << "Lettre_de_motivation_Éloi" << "Lettre_de_motivation_Éloi";
        QTest::newRow("rest unchanged") << "de LA tour" << "Lettre_de_motivation_De LA tour"
                                        << "Lettre_de_motivation_De LA tour";
        QTest::newRow("no name") << "" << "Lettre_de_motivation" << "Lettre_de_motivation";
        QTest::newRow("a slash would name a folder") << "dupont/durand" << "Lettre_de_motivation_Dupont/durand"
                                                     << "Lettre_de_motivation_Dupont_durand";
    }

    void nomDuFichier()
    {
        QFETCH(QString, nom);
        QFETCH(QString, lettre);
        QFETCH(QString, surDisque);
        QCOMPARE(NomFichierLettre(nom), lettre);
        QCOMPARE(NomFichierSurDisque(nom), surDisque);
    }

    void dialogueEnregistrement()
    {
        const std::unique_ptr<QFileDialog> d(PreparerDialogueEnregistrement(nullptr, QStringLiteral("dupont.")));
        QCOMPARE(d->windowTitle(), QStringLiteral("Enregistrer la lettre de motivation sous..."));
        QCOMPARE(d->nameFilters(), (QStringList{QStringLiteral("Document PDF (*.pdf)"), QStringLiteral("Texte enrichi (*.rtf)"),
                                                QStringLiteral("Document OpenDocument (*.odt)")}));
        QCOMPARE(d->selectedNameFilter(), QStringLiteral("Texte enrichi (*.rtf)"));
        QCOMPARE(d->acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(d->testOption(QFileDialog::DontConfirmOverwrite));
        // The name is proposed without extension; the chosen format adds it.
        QCOMPARE(QFileInfo(d->selectedFiles().value(0)).fileName(), QStringLiteral("Lettre_de_motivation_Dupont"));
    }

    // The real dialog: a name typed without extension gets ".rtf", a file there is replaced.
    void enregistrerParLeDialogue()
    {
        const QString dossier = m_racine.filePath(QStringLiteral("enregistrement"));
        QVERIFY(QDir().mkpath(dossier));
        QFile ancien(dossier + QStringLiteral("/ma lettre.rtf"));
        QVERIFY(ancien.open(QIODevice::WriteOnly) && ancien.write("ancienne lettre") > 0);
        ancien.close();
        Editor e;
        lettre(e, 1);
        QString titre;
        QTimer::singleShot(0, this, [&] {
            auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!d)
                return;
            titre = d->windowTitle();
            d->setDirectory(dossier);
            d->selectFile(QStringLiteral("ma lettre"));
            static_cast<QDialog *>(d)->accept();
        });
        QVERIFY(EnregistrerLettre(nullptr, *e.document(), QStringLiteral("dupont")));
        QCOMPARE(titre, QStringLiteral("Enregistrer la lettre de motivation sous..."));
        QCOMPARE(lire(ancien.fileName()), QString::fromLatin1(LettreEnRtf(*e.document())));
        QVERIFY(m_erreurs.isEmpty());

        // The PDF filter chosen in the list: the name gets ".pdf" and the file is a PDF.
        QTimer::singleShot(0, this, [&] {
            auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            auto *types = d ? d->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")) : nullptr;
            if (!types)
                return;
            QCOMPARE(types->count(), 3);
            types->setCurrentIndex(0);
            d->setDirectory(dossier);
            d->selectFile(QStringLiteral("ma lettre"));
            static_cast<QDialog *>(d)->accept();
        });
        QVERIFY(EnregistrerLettre(nullptr, *e.document(), QStringLiteral("dupont")));
        QVERIFY2(lire(dossier + QStringLiteral("/ma lettre.pdf")).startsWith(QStringLiteral("%PDF")),
                 qPrintable(QDir(dossier).entryList(QDir::Files).join(u'|')));
    }

    // The extension typed decides the format, otherwise the chosen filter, whose extension
    // the name gets.
    void formatDeLEnregistrement_data()
    {
        QTest::addColumn<int>("filtre");
        QTest::addColumn<QString>("saisi");
        QTest::addColumn<QString>("ecrit");
        QTest::addColumn<QByteArray>("debut");
        QTest::newRow("RTF par défaut") << 1 << "a" << "a.rtf" << QByteArray("{\\rtf1");
        QTest::newRow("filtre ODT") << 2 << "b" << "b.odt" << QByteArray("PK");
        QTest::newRow("extension PDF, filtre ODT") << 2 << "c.PDF" << "c.PDF" << QByteArray("%PDF");
        QTest::newRow("extension RTF, filtre PDF") << 0 << "d.rtf" << "d.rtf" << QByteArray("{\\rtf1");
        QTest::newRow("autre extension") << 0 << "e.txt" << "e.txt" << QByteArray("%PDF");
    }

    void formatDeLEnregistrement()
    {
        QFETCH(int, filtre);
        QFETCH(QString, saisi);
        QFETCH(QString, ecrit);
        QFETCH(QByteArray, debut);
        Editor e;
        lettre(e, 1);
        const QString dossier = m_racine.filePath(QStringLiteral("formats"));
        QVERIFY(QDir().mkpath(dossier));
        RemplacerDialogueEnregistrement([&](QFileDialog &d) {
            d.selectNameFilter(FiltresEnregistrement().at(filtre));
            return dossier + u'/' + saisi;
        });
        QVERIFY(EnregistrerLettre(nullptr, *e.document(), QStringLiteral("dupont"), QStringLiteral("Jean Dupont")));
        RemplacerDialogueEnregistrement({});
        QFile f(dossier + u'/' + ecrit);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith(debut));
    }

    // Cancel writes nothing and says nothing; a place that cannot be written is reported.
    void enregistrementAnnuleOuImpossible()
    {
        Editor e;
        lettre(e, 1);
        QString reponse;
        RemplacerDialogueEnregistrement([&](QFileDialog &) { return reponse; });
        QVERIFY(!EnregistrerLettre(nullptr, *e.document(), QStringLiteral("martin")));
        QVERIFY(m_erreurs.isEmpty());
        reponse = m_racine.filePath(QStringLiteral("absent/lettre.rtf"));
        QVERIFY(!EnregistrerLettre(nullptr, *e.document(), QStringLiteral("martin")));
        QCOMPARE(m_erreurs.size(), 1);
        QVERIFY2(m_erreurs.first().startsWith(QStringLiteral("Impossible d'écrire dans ")), qPrintable(m_erreurs.first()));
        QVERIFY(!QFileInfo::exists(reponse));
    }

    void dialogueImpression()
    {
        QPrinter imprimante;
        const std::unique_ptr<QPrintDialog> d(PreparerDialogueImpression(&imprimante, nullptr));
        QVERIFY(!d->testOption(QAbstractPrintDialog::PrintToFile));
        QVERIFY(!d->testOption(QAbstractPrintDialog::PrintSelection));
        QVERIFY(!d->testOption(QAbstractPrintDialog::PrintPageRange));
    }

    // Landscape chosen in the dialog, portrait printed; the text inside 24 mm on the left,
    // top and right, page after page, nothing lost; the job named after the letter file.
    void imprimer()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext n'est pas installé (paquet Debian poppler-utils)");
        Editor e;
        e.definirZoom(200); // the screen's zoom has nothing to do with the paper
        const QStringList lignes = lettre(e, 22);
        const QString pdf = m_racine.filePath(QStringLiteral("lettre.pdf"));
        RemplacerDialogueImpression([&](QPrintDialog &, QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            p.setPageSize(QPageSize(QPageSize::A4));
            p.setPageOrientation(QPageLayout::Landscape);
            return true;
        });
        QPageLayout::Orientation orientation = QPageLayout::Landscape;
        QVERIFY(ImprimerLettre(nullptr, *e.document(), QStringLiteral("dupont."), [&](const QPrinter &p) {
            orientation = p.pageLayout().orientation();
            return rectangle24(p);
        }));
        QCOMPARE(orientation, QPageLayout::Portrait);
        QVERIFY(m_erreurs.isEmpty());

        const QString info = executer(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title: +Lettre_de_motivation_Dupont\n"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size: +595(\\.\\d+)? x 84[12](\\.\\d+)? pts"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +2\n"))), qPrintable(info));

        // The whole text, in order, across the page break.
        const QString texte = executer(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QCOMPARE(simplifier(texte), simplifier(lignes.join(u' ')));

        const double marge = 24 * PointsParMillimetre;
        const double largeur = 595.276, hauteur = 841.89;
        double droiteMax = 0;
        const QList<Mot> tous = mots(pdf);
        QVERIFY(!tous.isEmpty());
        for (const Mot &m : tous) {
            QVERIFY2(m.boite.left() >= marge - 0.5 && m.boite.right() <= largeur - marge + 0.5
                         && m.boite.top() >= marge - 0.5 && m.boite.bottom() <= hauteur,
                     qPrintable(QStringLiteral("%1 on page %2 at %3,%4-%5,%6").arg(m.texte).arg(m.page)
                                    .arg(m.boite.left()).arg(m.boite.top()).arg(m.boite.right()).arg(m.boite.bottom())));
            droiteMax = std::max(droiteMax, m.boite.right());
        }
        // Justified lines reach the right margin; the recipient starts 240 pt in, a
        // paragraph's first line 36 pt in, the sender at the margin.
        QVERIFY2(droiteMax > largeur - marge - 3, qPrintable(QString::number(droiteMax)));
        auto gaucheDe = [&](const QString &t) {
            for (const Mot &m : tous)
                if (m.texte == t)
                    return m.boite.left();
            return -1.0;
        };
        QCOMPARE(qRound(gaucheDe(QStringLiteral("Jean"))), qRound(marge));
        QCOMPARE(qRound(gaucheDe(QStringLiteral("Société"))), qRound(marge + 240));
        QCOMPARE(qRound(gaucheDe(QStringLiteral("Paragraphe"))), qRound(marge + 36));
        // The second page starts at the top margin.
        double hautPage2 = hauteur;
        for (const Mot &m : tous)
            if (m.page == 2)
                hautPage2 = std::min(hautPage2, m.boite.top());
        QVERIFY2(hautPage2 < marge + 12, qPrintable(QString::number(hautPage2)));
    }

    void impressionAnnuleeOuImpossible()
    {
        Editor e;
        lettre(e, 1);
        const QString pdf = m_racine.filePath(QStringLiteral("annule.pdf"));
        bool accepter = false;
        RemplacerDialogueImpression([&](QPrintDialog &, QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return accepter;
        });
        QStringList echec;
        QVERIFY(!ImprimerLettre(nullptr, *e.document(), QString(), rectangle24, &echec));
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(echec, QStringList());

        // A printer that cannot take the job.
        accepter = true;
        RemplacerDialogueImpression([&](QPrintDialog &, QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(m_racine.filePath(QStringLiteral("absent/lettre.pdf")));
            return true;
        });
        QVERIFY(!ImprimerLettre(nullptr, *e.document(), QString(), rectangle24, &echec));
        QCOMPARE(echec.value(0), QStringLiteral("L'impression de la lettre sur cette imprimante a échoué."));

        // No printer at all: said before any dialog.
        bool dialogue = false;
        RemplacerDialogueImpression([&](QPrintDialog &, QPrinter &) { return dialogue = true; });
        RemplacerImprimantes([] { return QStringList(); });
        QVERIFY(!ImprimerLettre(nullptr, *e.document(), QString(), rectangle24, &echec));
        QVERIFY(!dialogue);
        QCOMPARE(echec.value(0), QStringLiteral("Aucune imprimante n'est installée sur cet ordinateur."));
        RemplacerImprimantes([] { return QStringList{QStringLiteral("Bureau")}; });
        QVERIFY(m_erreurs.isEmpty());
    }

    // The copy for the word processor: always the same file, replaced, then opened.
    void traitementDeTexte()
    {
        Editor e;
        lettre(e, 1);
        const QString attendu = DossierTemporaire() + QStringLiteral("Lettre_de_motivation_Dupont.rtf");
        QCOMPARE(OuvrirDansTraitementDeTexte(nullptr, *e.document(), QStringLiteral("dupont.")), attendu);
        QCOMPARE(lire(attendu), QString::fromLatin1(LettreEnRtf(*e.document())));
        e.ajouterLigne(QStringLiteral("Veuillez agréer, Madame, Monsieur, mes salutations distinguées."));
        QCOMPARE(OuvrirDansTraitementDeTexte(nullptr, *e.document(), QStringLiteral("dupont.")), attendu);
        QCOMPARE(lire(attendu), QString::fromLatin1(LettreEnRtf(*e.document())));
        QCOMPARE(m_ouverts, QList<QUrl>(2, QUrl::fromLocalFile(attendu)));
        QVERIFY(m_erreurs.isEmpty());

        // A slash in the name stays inside the folder.
        QCOMPARE(OuvrirDansTraitementDeTexte(nullptr, *e.document(), QStringLiteral("dupont/durand")),
                 DossierTemporaire() + QStringLiteral("Lettre_de_motivation_Dupont_durand.rtf"));
    }

    // A link planted at the copy's name is replaced, never followed.
    void traitementDeTexteSansSuivreDeLien()
    {
        Editor e;
        lettre(e, 1);
        const QString cible = m_racine.filePath(QStringLiteral("a-proteger.txt"));
        QFile f(cible);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("intact");
        f.close();
        const QString copie = DossierTemporaire() + QStringLiteral("Lettre_de_motivation_Lien.rtf");
        QVERIFY(QFile::link(cible, copie));
        QCOMPARE(OuvrirDansTraitementDeTexte(nullptr, *e.document(), QStringLiteral("lien")), copie);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("intact"));
        QVERIFY(!QFileInfo(copie).isSymLink());
        QVERIFY(QFile::remove(copie));
    }

    void traitementDeTexteImpossible()
    {
        Editor e;
        lettre(e, 1);
        // A folder in the way of the file: nothing opened, the reason shown.
        const QString bouchon = DossierTemporaire() + QStringLiteral("Lettre_de_motivation_Bloque.rtf");
        QVERIFY(QDir().mkpath(bouchon));
        QCOMPARE(OuvrirDansTraitementDeTexte(nullptr, *e.document(), QStringLiteral("bloque")), QString());
        QVERIFY(m_ouverts.isEmpty());
        QCOMPARE(m_erreurs.size(), 1);
        QVERIFY(m_erreurs.first().startsWith(QStringLiteral("Impossible d'écrire dans ")));
        QVERIFY(QDir().rmdir(bouchon));
    }

    void adresseCourriel_data()
    {
        QTest::addColumn<QString>("sujet");
        QTest::addColumn<QStringList>("lignes");
        QTest::newRow("nothing generated yet") << QString() << QStringList();
        QTest::newRow("plain") << QStringLiteral("Candidature spontanée")
                               << QStringList{QStringLiteral("Madame, Monsieur,"), QString(), QStringLiteral("Jean")};
        QTest::newRow("URL delimiters and accents")
            << QStringLiteral("Poste R&D #12 ? 100 % + prime")
            << QStringList{QStringLiteral("Chez Dupont & Fils, réf. #A-12 ?"),
                           QStringLiteral("100 % motivé, a+b=c; d/e, « très » à l'écoute…"),
                           QStringLiteral("%0D%0A&body=piège"), QStringLiteral("Œuvre € Ω \u00A0fin ")};
    }

    // The e-mail program gets the subject and every line whole: "&", "#", "%" and "?" do
    // not cut the body short.
    void adresseCourriel()
    {
        QFETCH(QString, sujet);
        QFETCH(QStringList, lignes);
        const QUrl adresse = AdresseCourriel(sujet, lignes);
        QVERIFY(adresse.isValid());
        const QByteArray brut = adresse.toEncoded();
        for (const char c : brut)
            QVERIFY(uchar(c) > 0x20 && uchar(c) < 0x7F);
        QVERIFY(brut.startsWith("mailto:destinataire@exemple.invalid?subject="));
        QCOMPARE(brut.count('#'), 0);
        QCOMPARE(brut.count('?'), 1);
        QString destinataire;
        const auto champs = champsCourriel(adresse, &destinataire);
        QCOMPARE(destinataire, QString::fromLatin1(DestinataireCourriel));
        QCOMPARE(champs.keys(), (QStringList{QStringLiteral("body"), QStringLiteral("subject")}));
        QCOMPARE(champs.value(QStringLiteral("subject")), QStringList{sujet});
        QString corps;
        for (const QString &l : lignes)
            corps += l + QStringLiteral("\r\n");
        QCOMPARE(champs.value(QStringLiteral("body")), QStringList{corps});
        // Qt reads it back the same way.
        const QUrl relu(QString::fromLatin1(brut));
        QCOMPARE(relu.scheme(), QStringLiteral("mailto"));
        QCOMPARE(relu.path(), QString::fromLatin1(DestinataireCourriel));
    }

    // The body is the letter's paragraphs, one line each, however narrow the editor.
    void envoyerParCourriel()
    {
        Editor e;
        e.resize(320, 400);
        e.ajouterLigne(QStringLiteral("Madame, Monsieur,"));
        e.ajouterLigne(QString());
        e.ajouterLigne(paragrapheLong(1) + QStringLiteral(" R&D #1 ? 100 %"));
        QVERIFY(e.nombreDeLignes() > 4);
        const QStringList lignes{QStringLiteral("Madame, Monsieur,"), QString(),
                                 paragrapheLong(1) + QStringLiteral(" R&D #1 ? 100 %")};
        QVERIFY(EnvoyerParCourriel(nullptr, *e.document(), QStringLiteral("Candidature\nspontanée")));
        QCOMPARE(m_ouverts.size(), 1);
        QString destinataire;
        const auto champs = champsCourriel(m_ouverts.first(), &destinataire);
        QCOMPARE(champs.value(QStringLiteral("subject")), QStringList{QStringLiteral("Candidature spontanée")});
        QCOMPARE(champs.value(QStringLiteral("body")).value(0).split(QStringLiteral("\r\n")),
                 lignes + QStringList{QString()});
        QVERIFY(m_erreurs.isEmpty());

        // Too long for an address: nothing handed over, the way out said.
        e.ajouterLigne(QString(20000, u'é'));
        QVERIFY(!EnvoyerParCourriel(nullptr, *e.document(), QStringLiteral("Candidature spontanée")));
        QCOMPARE(m_ouverts.size(), 1);
        QCOMPARE(m_erreurs.size(), 1);
        QVERIFY(m_erreurs.first().contains(QStringLiteral("Enregistrez-la")));
    }
};

QTEST_MAIN(TestSortie)
#include "tst_sortie.moc"
