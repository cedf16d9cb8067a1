#include "widgets/sbitbtn.h"
#include "widgets/scombobox.h"
#include "widgets/sfiltrefenetres.h"
#include "widgets/sgauge.h"
#include "widgets/skin.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QPropertyAnimation>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyle>
#include <QSvgRenderer>
#include <QTest>
#include <QToolTip>

class TestSkin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void glyphes_data();
    void glyphes();
    void imagesDeLaFeuilleDeStyle();

    void comboChangeSeulementParUtilisateur();
    void comboDeroulementAvantLaListe();

    void boutonEnfonceParProgrammeSeulement_data();
    void boutonEnfonceParProgrammeSeulement();

    void jauge_data();
    void jauge();

    void apparitionFinitOpaque();
    void apparitionInterrompueParMasquage();

    void aimant_data();
    void aimant();
    void aimantFenetre();

    void bulles();
};

void TestSkin::initTestCase()
{
    Skin::appliquer(*qApp);
    // The offscreen platform cannot make windows translucent, so the fade is off there;
    // the fade tests turn it on.
    auto *filtre = qApp->findChild<SFiltreFenetres *>();
    QVERIFY(filtre);
    QVERIFY(!filtre->apparitionAnimee());
    QVERIFY2(QFile::exists(Skin::cheminGlyphe(QStringLiteral("gras"))),
             qPrintable(Skin::cheminGlyphe(QStringLiteral("gras"))));
}

void TestSkin::glyphes_data()
{
    QTest::addColumn<QString>("nom");
    const char *const noms[] = {
        "nouveau", "modifier", "supprimer", "generer", "apropos", "enregistrer", "imprimer",
        "traitement", "courriel", "police", "couleur", "gras", "italique", "souligne",
        "gauche", "centre", "droite", "justifie", "couper", "copier", "coller", "annuler",
        "retablir", "plus", "moins", "regle", "exemples", "sauver", "retour", "magique",
        "valider", "offre", "contact", "aide"};
    for (const char *nom : noms)
        QTest::newRow(nom) << QString::fromLatin1(nom);
}

void TestSkin::glyphes()
{
    QFETCH(QString, nom);
    QSvgRenderer rendu(Skin::cheminGlyphe(nom));
    QVERIFY(rendu.isValid());
    QCOMPARE(rendu.viewBoxF(), QRectF(0, 0, 24, 24));

    SBitBtn bouton;
    bouton.setGlyphe(nom);
    QVERIFY(bouton.glypheValide());
}

void TestSkin::imagesDeLaFeuilleDeStyle()
{
    const QString qss = Skin::feuilleDeStyle();
    QVERIFY(qss.contains(QLatin1String("SComboBox")));
    QVERIFY2(!qss.contains(QLatin1Char('@')), "couleur de la feuille non remplacée");
    QRegularExpression url(QStringLiteral("url\\(([^)]+)\\)"));
    int n = 0;
    for (const auto &m : url.globalMatch(qss)) {
        QVERIFY2(QFile::exists(m.captured(1)), qPrintable(m.captured(1)));
        ++n;
    }
    QVERIFY(n > 0);
}

void TestSkin::comboChangeSeulementParUtilisateur()
{
    SComboBox combo;
    combo.addItems({QStringLiteral("un"), QStringLiteral("deux"), QStringLiteral("trois")});
    QSignalSpy change(&combo, &SComboBox::change);

    combo.setCurrentIndex(2);
    combo.setCurrentIndex(0);
    QCOMPARE(combo.currentIndex(), 0);
    QCOMPARE(change.count(), 0);

    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    combo.setFocus();
    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(combo.currentIndex(), 1);
    QCOMPARE(change.count(), 1);
}

void TestSkin::comboDeroulementAvantLaListe()
{
    SComboBox combo;
    combo.addItems({QStringLiteral("court"), QStringLiteral("une entrée bien plus longue")});
    combo.resize(60, combo.sizeHint().height());
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));

    bool listeVisible = true;
    connect(&combo, &SComboBox::deroulement, &combo, [&] {
        listeVisible = combo.view()->isVisible();
        combo.setLargeurListe(300);
    });
    combo.showPopup();
    QVERIFY(!listeVisible);
    QVERIFY(combo.view()->isVisible());
    QCOMPARE(combo.largeurListe(), 300);
    QVERIFY(combo.view()->window()->width() >= 300);
    combo.hidePopup();
}

void TestSkin::boutonEnfonceParProgrammeSeulement_data()
{
    QTest::addColumn<bool>("enfonce");
    QTest::newRow("relevé") << false;
    QTest::newRow("enfoncé") << true;
}

void TestSkin::boutonEnfonceParProgrammeSeulement()
{
    QFETCH(bool, enfonce);
    SBitBtn bouton;
    bouton.setGlyphe(QStringLiteral("valider"));
    bouton.setText(QStringLiteral("Valider"));
    bouton.resize(100, 28);
    bouton.setEnfonce(enfonce);
    QCOMPARE(bouton.estEnfonce(), enfonce);

    QSignalSpy clic(&bouton, &QAbstractButton::clicked);
    QTest::mouseClick(&bouton, Qt::LeftButton);
    QTest::keyClick(&bouton, Qt::Key_Space);
    QCOMPARE(clic.count(), 2);
    QCOMPARE(bouton.estEnfonce(), enfonce);
    QVERIFY(!bouton.isDown());

    bouton.setEnfonce(!enfonce);
    QCOMPARE(bouton.estEnfonce(), !enfonce);
    QCOMPARE(clic.count(), 2);
}

void TestSkin::jauge_data()
{
    QTest::addColumn<int>("max");
    QTest::addColumn<QList<int>>("ajouts");
    QTest::addColumn<int>("progres");
    QTest::addColumn<QString>("texte");

    QTest::newRow("vide") << 512 << QList<int>{} << 0 << "0%";
    QTest::newRow("1/512") << 512 << QList<int>{1} << 1 << "0%";
    QTest::newRow("256/512") << 512 << QList<int>{200, 56} << 256 << "50%";
    QTest::newRow("512/512") << 512 << QList<int>{512} << 512 << "100%";
    QTest::newRow("au-delà") << 512 << QList<int>{500, 13, 1000} << 512 << "100%";
    QTest::newRow("tronqué") << 3 << QList<int>{2} << 2 << "66%";
    QTest::newRow("maximum nul") << 0 << QList<int>{5} << 0 << "0%";
    QTest::newRow("grands nombres") << 2000000000 << QList<int>{1999999999} << 1999999999 << "99%";
}

void TestSkin::jauge()
{
    QFETCH(int, max);
    QFETCH(QList<int>, ajouts);
    QFETCH(int, progres);
    QFETCH(QString, texte);

    SGauge jauge;
    jauge.setMaxValue(max);
    for (int a : ajouts)
        jauge.addProgress(a);
    QCOMPARE(jauge.progress(), progres);
    QCOMPARE(jauge.texte(), texte);

    jauge.setProgress(max + 1);
    QCOMPARE(jauge.progress(), max);
    jauge.setMaxValue(max / 2);
    QCOMPARE(jauge.progress(), max / 2);
    jauge.setSuffix(QStringLiteral(" % faits"));
    QCOMPARE(jauge.texte(), max ? QStringLiteral("100 % faits") : QStringLiteral("0 % faits"));
}

namespace {
struct AvecApparition {
    AvecApparition() { qApp->findChild<SFiltreFenetres *>()->setApparitionAnimee(true); }
    ~AvecApparition() { qApp->findChild<SFiltreFenetres *>()->setApparitionAnimee(false); }
};
} // namespace

void TestSkin::apparitionFinitOpaque()
{
    AvecApparition avec;
    QWidget fenetre;
    fenetre.resize(200, 100);
    fenetre.show();
    auto *animation = fenetre.findChild<QPropertyAnimation *>();
    QVERIFY(animation);
    QCOMPARE(animation->duration(), SFiltreFenetres::DureeApparitionMs);
    QVERIFY(fenetre.windowOpacity() < 1.0);
    animation->setCurrentTime(animation->duration());
    QCOMPARE(fenetre.windowOpacity(), 1.0);

    // The same on its own, in real time.
    fenetre.hide();
    fenetre.show();
    QVERIFY(fenetre.windowOpacity() < 1.0);
    QTRY_COMPARE_WITH_TIMEOUT(fenetre.windowOpacity(), 1.0, 1000);
    QTRY_VERIFY_WITH_TIMEOUT(!fenetre.findChild<QPropertyAnimation *>(), 1000);

    // Child widgets are not windows: no fade.
    QWidget enfant(&fenetre);
    enfant.show();
    QVERIFY(!enfant.findChild<QPropertyAnimation *>());
}

void TestSkin::apparitionInterrompueParMasquage()
{
    AvecApparition avec;
    QWidget fenetre;
    fenetre.show();
    QVERIFY(fenetre.windowOpacity() < 1.0);
    fenetre.hide();
    QCOMPARE(fenetre.windowOpacity(), 1.0);
}

void TestSkin::aimant_data()
{
    QTest::addColumn<QRect>("cadre");
    QTest::addColumn<QPoint>("attendu");
    // Work area (0,0)-(799,599).
    QTest::newRow("loin des bords") << QRect(100, 100, 200, 100) << QPoint(100, 100);
    QTest::newRow("gauche") << QRect(16, 100, 200, 100) << QPoint(0, 100);
    QTest::newRow("gauche trop loin") << QRect(17, 100, 200, 100) << QPoint(17, 100);
    QTest::newRow("dépasse à gauche") << QRect(-12, 100, 200, 100) << QPoint(0, 100);
    QTest::newRow("droite") << QRect(590, 100, 200, 100) << QPoint(600, 100);
    QTest::newRow("haut et bas") << QRect(100, 5, 200, 590) << QPoint(100, 0);
    QTest::newRow("coin bas droit") << QRect(595, 505, 200, 100) << QPoint(600, 500);
}

void TestSkin::aimant()
{
    QFETCH(QRect, cadre);
    QFETCH(QPoint, attendu);
    QCOMPARE(SFiltreFenetres::positionAimantee(cadre, QRect(0, 0, 800, 600)), attendu);
}

void TestSkin::aimantFenetre()
{
    QWidget fenetre;
    fenetre.setGeometry(100, 100, 200, 100);
    fenetre.move(5, 100); // hidden: left alone
    QCOMPARE(fenetre.pos(), QPoint(5, 100));

    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    const QRect zone = fenetre.screen()->availableGeometry();
    fenetre.move(zone.left() + 10, zone.top() + 100);
    QTRY_COMPARE(fenetre.frameGeometry().topLeft(), QPoint(zone.left(), zone.top() + 100));

    // Parked far off-screen: stays there.
    fenetre.move(zone.right() + 1600, zone.top() + 3);
    QCoreApplication::processEvents();
    QCOMPARE(fenetre.frameGeometry().topLeft(), QPoint(zone.right() + 1600, zone.top() + 3));
}

void TestSkin::bulles()
{
    QWidget existant;
    existant.ensurePolished();

    const QColor jaune(250, 240, 190);
    Skin::reglerBulles(jaune, 300, 50, 4000);
    QCOMPARE(qApp->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 300);
    QCOMPARE(qApp->style()->styleHint(QStyle::SH_ToolTip_FallAsleepDelay), 50);
    QCOMPARE(existant.toolTipDuration(), 4000);
    QWidget nouveau;
    nouveau.ensurePolished();
    QCOMPARE(nouveau.toolTipDuration(), 4000);
    QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), Skin::attenuer(jaune));
    QVERIFY(qApp->styleSheet().contains(Skin::attenuer(jaune).name()));
}

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
