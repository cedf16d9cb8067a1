#include "platform/fichierini.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray lireOctets(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool ecrireOctets(const QString &chemin, const QByteArray &octets)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

// What survives of a parse: written back, parsed again and written again gives the same.
void verifierStable(const QByteArray &octets)
{
    const FichierIni ini = FichierIni::depuisOctets(octets);
    const QByteArray ecrit = ini.versOctets();
    const FichierIni relu = FichierIni::depuisOctets(ecrit);
    QCOMPARE(relu.sections(), ini.sections());
    QCOMPARE(relu.versOctets(), ecrit);
}

// A profile file as people leave it: preamble, comments, junk, odd spacing.
const QByteArray kProfil =
    "; fichier des profils\r\n"
    "Orpheline=avant toute section\r\n"
    "\r\n"
    "[Profils]\r\n"
    "  Nom =  Jeanne Dupont \r\n"
    ";Ville=commentaire\r\n"
    "ligne sans egal\r\n"
    "Ville=Lyon\r\n"
    "\r\n"
    "; au sujet des options\r\n"
    "[Options]\r\n"
    "Taille=12\r\n";

} // namespace

class TestFichierIni : public QObject
{
    Q_OBJECT

private slots:
    void finsDeLigne_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("CR LF") << QByteArray("[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
        QTest::newRow("LF") << QByteArray("[A]\nx=1\n[B]\ny=2\n");
        QTest::newRow("CR") << QByteArray("[A]\rx=1\r[B]\ry=2\r");
        QTest::newRow("melange sans fin") << QByteArray("[A]\rx=1\n[B]\r\ny=2");
    }
    void finsDeLigne()
    {
        QFETCH(QByteArray, octets);
        const FichierIni ini = FichierIni::depuisOctets(octets);
        QCOMPARE(ini.lireChaine("A", "x"), QString("1"));
        QCOMPARE(ini.lireChaine("B", "y"), QString("2"));
        QCOMPARE(ini.versOctets(), QByteArray("[A]\r\nx=1\r\n[B]\r\ny=2\r\n"));
    }

    void lecture()
    {
        const FichierIni ini = FichierIni::depuisOctets(kProfil);
        QCOMPARE(ini.sections(), QStringList({"Profils", "Options"}));
        QCOMPARE(ini.lireChaine("pROFILS", "NOM"), QString("  Jeanne Dupont "));
        QCOMPARE(ini.lireChaine("Profils", "Ville"), QString("Lyon"));
        QVERIFY(!ini.contientCle("Profils", ";Ville"));
        QVERIFY(!ini.contientCle("Profils", "ligne sans egal"));
        QVERIFY(!ini.contientCle("Profils", "Orpheline"));
        QCOMPARE(ini.lireChaine("Options", "Absente", "défaut"), QString("défaut"));
        QCOMPARE(ini.lireEntier("Options", "taille", -1), 12);
        QCOMPARE(ini.lireEntier("Profils", "Nom", -1), -1);
        QCOMPARE(ini.versOctets(), kProfil);
    }

    void valeursTellesQuelles_data()
    {
        QTest::addColumn<QString>("valeur");
        QTest::newRow("vide") << QString();
        QTest::newRow("blancs et guillemets") << QString("  \"a\"; [b] ");
        QTest::newRow("egal") << QString("a=b=c");
        QTest::newRow("typographie") << QString::fromUtf16(u"l\u2019\u0153uvre co\u00FBte 5\u00A0\u20AC");
        QTest::newRow("NUL") << QString(QChar(0)) + "x";
        QTest::newRow("longue") << QString(5000, u'\u00E9');
        QTest::newRow("omega") << QString::fromUtf16(u"\u03A9mega");
        QTest::newRow("emoji") << QString::fromUtf16(u"\U0001F600");
    }
    void valeursTellesQuelles()
    {
        QFETCH(QString, valeur);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("profils.ini");
        FichierIni ini;
        QVERIFY(ini.ecrireChaine("Profil", "Lettre", valeur));
        QVERIFY(ini.ecrireChaine("Profil", "Après", "fin"));
        QVERIFY(ini.enregistrer(chemin));
        const FichierIni relu = FichierIni::lire(chemin);
        QCOMPARE(relu.lireChaine("profil", "lettre"), valeur);
        QCOMPARE(relu.lireChaine("Profil", "Après"), QString("fin"));
    }

    void encodage()
    {
        FichierIni ini = FichierIni::depuisOctets("[A]\r\nv=\xE9\x92\r\n");
        QCOMPARE(ini.lireChaine("A", "v"), QString::fromUtf16(u"\u00E9\u2019"));
        ini.ecrireChaine("A", "w", QString::fromUtf16(u"\u03A9"));
        QCOMPARE(ini.versOctets(), QByteArray("\xEF\xBB\xBF[A]\r\nv=\xC3\xA9\xE2\x80\x99\r\nw=\xCE\xA9\r\n"));
        // Once the last character outside Windows-1252 is gone, the file goes back to it.
        ini = FichierIni::depuisOctets(ini.versOctets());
        QCOMPARE(ini.lireChaine("A", "w"), QString::fromUtf16(u"\u03A9"));
        ini.ecrireChaine("A", "w", "\xC5\x93");
        QCOMPARE(ini.versOctets(), QByteArray("[A]\r\nv=\xE9\x92\r\nw=\x9C\r\n"));
    }

    void casseEtDoublons()
    {
        FichierIni ini = FichierIni::depuisOctets(
            "[Profil]\r\nNom=un\r\nnom=deux\r\n[Autre]\r\n[PROFIL]\r\nNom=trois\r\n");
        QCOMPARE(ini.sections(), QStringList({"Profil", "Autre", "PROFIL"}));
        QCOMPARE(ini.lireChaine("profil", "NOM"), QString("un"));
        ini.ecrireChaine("pRoFiL", "NoM", "quatre");
        ini.ecrireChaine("profil", "Ville", "Nantes");
        QCOMPARE(ini.versOctets(),
                 QByteArray("[Profil]\r\nNom=quatre\r\nnom=deux\r\nVille=Nantes\r\n"
                            "[Autre]\r\n[PROFIL]\r\nNom=trois\r\n"));
        ini.effacerSection("PROFIL");
        QCOMPARE(ini.sections(), QStringList({"Autre", "PROFIL"}));
        QCOMPARE(ini.lireChaine("Profil", "Nom"), QString("trois"));
        QCOMPARE(ini.versOctets(), QByteArray("[Autre]\r\n[PROFIL]\r\nNom=trois\r\n"));
    }

    void modificationSurPlace()
    {
        FichierIni ini = FichierIni::depuisOctets(kProfil);
        ini.ecrireChaine("Profils", "nom", "Jeanne Martin");
        ini.ecrireChaine("Profils", "Métier", "Juriste");
        ini.ecrireEntier("Options", "Marge", -3);
        ini.ecrireChaine("Nouvelle]x", "Clé", "v");
        QByteArray attendu = kProfil;
        attendu.replace("  Nom =  Jeanne Dupont \r\n", "  Nom =Jeanne Martin\r\n");
        attendu.replace("Ville=Lyon\r\n", "Ville=Lyon\r\nM\xE9tier=Juriste\r\n");
        attendu.append("Marge=-3\r\n[Nouvelle]x]\r\nCl\xE9=v\r\n");
        QCOMPARE(ini.versOctets(), attendu);
        QCOMPARE(FichierIni::depuisOctets(attendu).sections(),
                 QStringList({"Profils", "Options", "Nouvelle]x"}));

        // A section without keys takes its first one after its last line that is not blank.
        ini = FichierIni::depuisOctets("[A]\r\n; note\r\n\r\n[B]");
        ini.ecrireChaine("A", "x", "1");
        QCOMPARE(ini.versOctets(), QByteArray("[A]\r\n; note\r\nx=1\r\n\r\n[B]\r\n"));
    }

    void entetes_data()
    {
        QTest::addColumn<QByteArray>("ligne");
        QTest::addColumn<QString>("nom");
        QTest::newRow("simple") << QByteArray("[Profil]") << QString("Profil");
        QTest::newRow("crochet dedans") << QByteArray("[a]b] ; note") << QString("a]b");
        QTest::newRow("indente") << QByteArray(" \t[ x ]") << QString(" x ");
        QTest::newRow("vide") << QByteArray("[]") << QString();
        QTest::newRow("jamais ferme") << QByteArray("[sans fin") << QString("sans fin");
        QTest::newRow("egal dedans") << QByteArray("[x=1") << QString("x=1");
    }
    void entetes()
    {
        QFETCH(QByteArray, ligne);
        QFETCH(QString, nom);
        FichierIni ini = FichierIni::depuisOctets(ligne + "\r\nk=v\r\n");
        QCOMPARE(ini.sections(), QStringList(nom));
        QCOMPARE(ini.lireChaine(nom, "k"), QString("v"));
        // The same name written into a fresh file reads back the same.
        FichierIni neuf;
        neuf.ecrireChaine(nom, "k", "v");
        QCOMPARE(FichierIni::depuisOctets(neuf.versOctets()).lireChaine(nom, "k"), QString("v"));
    }

    void sautsDeLigneEcrits()
    {
        FichierIni ini;
        QVERIFY(ini.ecrireChaine("A\nB", " cl\r\né ", "1\r\n2\r3"));
        QCOMPARE(ini.versOctets(), QByteArray("[A B]\r\ncl  \xE9=1  2 3\r\n"));
        QCOMPARE(ini.lireChaine("A\nB", "cl\r\né"), QString("1  2 3"));
    }

    void clesRefusees()
    {
        FichierIni ini = FichierIni::depuisOctets("[A]\r\n");
        for (const QString &cle : {QString(), QString(" \r\n "), QString("a=b"), QString("[x"), QString(";x")})
            QVERIFY2(!ini.ecrireChaine("A", cle, "v"), qPrintable(cle));
        QCOMPARE(ini.versOctets(), QByteArray("[A]\r\n"));
    }

    void entiers_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("valide");
        QTest::addColumn<int>("valeur");
        QTest::newRow("decimal") << "+2147483647" << true << INT_MAX;
        QTest::newRow("negatif") << "-3" << true << -3;
        QTest::newRow("blancs") << " 7 " << true << 7;
        QTest::newRow("0X") << "0X1f" << true << 31;
        QTest::newRow("dollar") << "$1F" << true << 31;
        QTest::newRow("hexa negatif") << "-0x10" << true << -16;
        QTest::newRow("min") << "-2147483648" << true << INT_MIN;
        QTest::newRow("min hexa") << "-0x80000000" << true << INT_MIN;
        QTest::newRow("depasse") << "2147483648" << false << 0;
        QTest::newRow("hexa depasse") << "0xFFFFFFFF" << false << 0;
        QTest::newRow("2^64") << "18446744073709551616" << false << 0;
        QTest::newRow("2^64 hexa") << "0x10000000000000000" << false << 0;
        QTest::newRow("queue") << "12abc" << false << 0;
        QTest::newRow("vide") << "" << false << 0;
        QTest::newRow("signe seul") << "-" << false << 0;
        QTest::newRow("prefixe seul") << "0x" << false << 0;
        QTest::newRow("blanc interne") << "1 2" << false << 0;
        QTest::newRow("chiffres arabes") << QString::fromUtf16(u"\u0661") << false << 0;
    }
    void entiers()
    {
        QFETCH(QString, texte);
        QFETCH(bool, valide);
        QFETCH(int, valeur);
        int lu = 12345;
        QCOMPARE(FichierIni::analyserEntier(texte, &lu), valide);
        QCOMPARE(lu, valide ? valeur : 12345);
        FichierIni ini;
        ini.ecrireChaine("A", "n", texte);
        QCOMPARE(ini.lireEntier("A", "n", 12345), valide ? valeur : 12345);
    }

    void enregistrement_data()
    {
        QTest::addColumn<QString>("relatif");
        QTest::addColumn<bool>("reussi");
        QTest::newRow("remplace") << QString("fichier.ini") << true;
        QTest::newRow("dossier") << QString("dossier") << false;
        QTest::newRow("parent fichier") << QString("fichier.ini/profils.ini") << false;
    }
    void enregistrement()
    {
        QFETCH(QString, relatif);
        QFETCH(bool, reussi);
        QTemporaryDir dossier;
        const QDir racine(dossier.path());
        QVERIFY(racine.mkpath("dossier/sous"));
        QVERIFY(ecrireOctets(racine.filePath("fichier.ini"), kProfil));
        FichierIni ini = FichierIni::lire(racine.filePath("fichier.ini"));
        ini.ecrireChaine("Profils", "Ville", "Brest");
        QCOMPARE(ini.enregistrer(racine.filePath(relatif)), reussi);
        QCOMPARE(lireOctets(racine.filePath("fichier.ini")), reussi ? ini.versOctets() : kProfil);
        // Neither a copy nor a leftover temporary file.
        const auto tout = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden;
        QCOMPARE(racine.entryList(tout), QStringList({"dossier", "fichier.ini"}));
        QCOMPARE(QDir(racine.filePath("dossier")).entryList(tout), QStringList("sous"));
        QVERIFY(FichierIni::lire(racine.filePath("dossier")).sections().isEmpty());
    }

    void entreesAbimees_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("vide") << QByteArray();
        QTest::newRow("marque seule") << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("marque tronquee") << QByteArray("\xEF\xBB");
        QTest::newRow("utf8 invalide") << QByteArray("\xEF\xBB\xBF[A\xC3]\r\nk=\xFF\xC3");
        QTest::newRow("NUL") << QByteArray("[A]\0\r\nk\0=\0v\0", 13);
        QTest::newRow("signes seuls") << QByteArray("[\r]\r=\r[]\r[]=\r=x\r;\r\r\n\n");
        QTest::newRow("marque en clair") << QByteArray("\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBFx");
        QTest::newRow("deux marques") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[A]\nk=v");
        QTest::newRow("trois marques") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF[A]\nk=v\n[B]\n");
        QTest::newRow("ligne enorme") << QByteArray("[A]\nk=") + QByteArray(3'000'000, 'x');
    }
    void entreesAbimees()
    {
        QFETCH(QByteArray, octets);
        verifierStable(octets);
    }

    void octetsAuHasard()
    {
        // Bytes weighted towards the ones the parser cares about.
        const QByteArray alphabet("[]=;\r\n \xEF\xBB\xBF\xC3\x00a", 13);
        QRandomGenerator alea(20240611);
        for (int essai = 0; essai < 500; ++essai) {
            QByteArray octets(alea.bounded(60), Qt::Uninitialized);
            for (char &c : octets)
                c = alea.bounded(4) ? alphabet.at(alea.bounded(alphabet.size())) : char(alea.bounded(256));
            verifierStable(octets);
            if (QTest::currentTestFailed())
                qWarning() << "octets :" << octets.toHex(' ');
            QVERIFY(!QTest::currentTestFailed());
        }
    }

    void grosFichier()
    {
        QByteArray octets(50 * 1024 * 1024, Qt::Uninitialized);
        QRandomGenerator alea(7);
        alea.fillRange(reinterpret_cast<quint32 *>(octets.data()), octets.size() / 4);
        QElapsedTimer chrono;
        chrono.start();
        FichierIni ini = FichierIni::depuisOctets(octets);
        ini.ecrireChaine("Profils", "Nom", "Jeanne");
        const QByteArray ecrit = ini.versOctets();
        qInfo() << "50 Mo lus et récrits en" << chrono.elapsed() << "ms";
        QVERIFY(chrono.elapsed() < 20'000); // generous: Debug and sanitizer builds run this too
        QCOMPARE(FichierIni::depuisOctets(ecrit).lireChaine("Profils", "Nom"), QString("Jeanne"));
    }
};

QTEST_GUILESS_MAIN(TestFichierIni)
#include "tst_fichierini.moc"
