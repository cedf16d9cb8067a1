#include "platform/cp1252.h"

#include <QTest>

class TestCp1252 : public QObject
{
    Q_OBJECT

private slots:
    void chaqueOctetRevientASoi()
    {
        QByteArray tous;
        for (int b = 0; b < 256; ++b)
            tous.append(char(b));
        const QString texte = Cp1252::decoder(tous);
        QCOMPARE(texte.size(), 256);
        QVERIFY(Cp1252::peutEncoder(texte));
        bool complet = false;
        QCOMPARE(Cp1252::encoder(texte, &complet), tous);
        QVERIFY(complet);
    }

    void correspondances_data()
    {
        QTest::addColumn<int>("octet");
        QTest::addColumn<int>("caractere");
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("apostrophe") << 0x92 << 0x2019;
        QTest::newRow("oe") << 0x9C << 0x0153;
        QTest::newRow("Y trema") << 0x9F << 0x0178;
        QTest::newRow("indefini 81") << 0x81 << 0x0081;
        QTest::newRow("indefini 9D") << 0x9D << 0x009D;
        QTest::newRow("e aigu") << 0xE9 << 0x00E9;
    }
    void correspondances()
    {
        QFETCH(int, octet);
        QFETCH(int, caractere);
        QCOMPARE(Cp1252::decoder(QByteArray(1, char(octet))), QString(QChar(caractere)));
        QCOMPARE(Cp1252::octetDe(char16_t(caractere)), octet);
    }

    void caracteresSansOctet_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QByteArray>("attendu");
        // U+0080 is a C1 control that 0x80 (the euro) does not stand for.
        QTest::newRow("C1 pris") << QString::fromUtf16(u"a\u0080b") << QByteArray("a?b");
        QTest::newRow("omega") << QString::fromUtf16(u"\u03A9") << QByteArray("?");
        QTest::newRow("emoji") << QString::fromUtf16(u"x\U0001F600y") << QByteArray("x?y");
    }
    void caracteresSansOctet()
    {
        QFETCH(QString, texte);
        QFETCH(QByteArray, attendu);
        QVERIFY(!Cp1252::peutEncoder(texte));
        bool complet = true;
        QCOMPARE(Cp1252::encoder(texte, &complet), attendu);
        QVERIFY(!complet);
    }
};

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
