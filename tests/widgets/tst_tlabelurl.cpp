#include "platform/systeme.h"
#include "widgets/tlabelurl.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
const QColor Repos(0, 0, 128);    // navy
const QColor Survol(0, 0, 255);   // blue
const QColor Appui(0, 255, 255);  // aqua
} // namespace

// Two links on one window, the cursor and the active window moved for real (offscreen).
class TestLabelURL : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void valeursInitiales();
    void etatsDeCouleur_data();
    void etatsDeCouleur();
    void clicSignale();
    void sansEffet_data();
    void sansEffet();
    void intervalleDuTimer();
    void cibleDetruite();

private:
    void executer(TLabelURL *l, const QString &etape);
    void curseurSur(QWidget *w) { QCursor::setPos(w->mapToGlobal(w->rect().center())); }

    QWidget *m_fenetre = nullptr;
    TLabelURL *m_lien = nullptr;
    TLabelURL *m_lien2 = nullptr;
};

void TestLabelURL::initTestCase()
{
    m_fenetre = new QWidget;
    m_fenetre->setGeometry(100, 100, 400, 200);
    m_lien = new TLabelURL(QStringLiteral("Visiter le site"), m_fenetre);
    m_lien->setGeometry(10, 10, 150, 30);
    m_lien2 = new TLabelURL(QStringLiteral("(licence)"), m_fenetre);
    m_lien2->setGeometry(200, 10, 150, 30);
    m_fenetre->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_fenetre));
}

void TestLabelURL::init()
{
    TLabelURL::reinitialiserEtatPartage();
    for (TLabelURL *l : {m_lien, m_lien2}) {
        l->setEnabled(true);
        l->setTimer(100);
        l->setDefautColor(Repos);
    }
    QApplication::setActiveWindow(m_fenetre);
    QCOMPARE(QApplication::activeWindow(), m_fenetre);
    QCursor::setPos(m_fenetre->mapToGlobal(QPoint(390, 190))); // over the window, off the links
}

void TestLabelURL::cleanupTestCase()
{
    delete m_fenetre;
}

void TestLabelURL::valeursInitiales()
{
    TLabelURL l;
    QCOMPARE(l.Timer(), 100);
    QCOMPARE(l.ColorURL(), Survol);
    QCOMPARE(l.ColorClick(), Appui);
    QCOMPARE(l.DefautColor(), Repos);
    QCOMPARE(l.couleurTexte(), Repos);
    QVERIFY(l.URL().isEmpty());
    QCOMPARE(l.font().family(), QStringLiteral("Comic Sans MS"));
    QCOMPARE(l.font().pointSize(), 12);
    QCOMPARE(l.cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(!TLabelURL::LinkPressed());
    QVERIFY(!TLabelURL::HoverTimer()->isActive());

    l.setDefautColor(Qt::black);
    QCOMPARE(l.couleurTexte(), QColor(Qt::black));
}

// One step of a scenario on a link: "entre"/"sort" (enter and leave notifications),
// "bouge" (cursor onto the link and a movement), "appuie"/"relache" (left button over the
// link), "ailleurs" (cursor away, no event), "tick" (shared timer), "inactif" (another
// program becomes active).
void TestLabelURL::executer(TLabelURL *l, const QString &etape)
{
    const QPoint centre = l->rect().center();
    if (etape == QLatin1String("entre")) {
        curseurSur(l);
        QEnterEvent e(centre, l->mapTo(m_fenetre, centre), l->mapToGlobal(centre));
        QCoreApplication::sendEvent(l, &e);
    } else if (etape == QLatin1String("sort")) {
        QCursor::setPos(m_fenetre->mapToGlobal(QPoint(390, 190)));
        QEvent e(QEvent::Leave);
        QCoreApplication::sendEvent(l, &e);
    } else if (etape == QLatin1String("bouge")) {
        curseurSur(l);
        // Sent straight to the link: the window would drop a move to the same place.
        QMouseEvent e(QEvent::MouseMove, centre, l->mapToGlobal(centre), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(l, &e);
    } else if (etape == QLatin1String("appuie")) {
        QTest::mousePress(l, Qt::LeftButton, Qt::NoModifier, centre);
    } else if (etape == QLatin1String("relache")) {
        QTest::mouseRelease(l, Qt::LeftButton, Qt::NoModifier, centre);
    } else if (etape == QLatin1String("ailleurs")) {
        QCursor::setPos(m_fenetre->mapToGlobal(QPoint(390, 190)));
    } else if (etape == QLatin1String("tick")) {
        TLabelURL::HoverTimerTimer();
    } else if (etape == QLatin1String("inactif")) {
        QApplication::setActiveWindow(nullptr); // none of ours is active any more
        QCOMPARE(QApplication::activeWindow(), nullptr);
    } else {
        QFAIL(qPrintable(QStringLiteral("étape inconnue ") + etape));
    }
}

void TestLabelURL::etatsDeCouleur_data()
{
    // Steps as "step=colour after it" (R rest, S hover, A pressed), then LinkPressed.
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<bool>("pressionFinale");
    QTest::newRow("survol puis sortie") << "entre=S sort=R" << false;
    QTest::newRow("clic complet") << "bouge=S appuie=A relache=R bouge=S" << false;
    QTest::newRow("tick le curseur dessus") << "bouge=S tick=S" << false;
    QTest::newRow("tick le curseur parti") << "bouge=S ailleurs=S tick=R" << false;
    // Pressed then dragged out: rest again at the tick, but the press still holds the
    // links, so a movement over one does not light it up; entering does.
    QTest::newRow("appui puis sortie") << "bouge=S appuie=A ailleurs=A tick=R bouge=R entre=S" << true;
    QTest::newRow("appui puis sortie par l'événement") << "bouge=S appuie=A sort=R" << true;
    QTest::newRow("programme inactif") << "inactif=R entre=R bouge=R appuie=R relache=R sort=R" << false;
}

void TestLabelURL::etatsDeCouleur()
{
    QFETCH(QString, scenario);
    QFETCH(bool, pressionFinale);
    const QHash<QChar, QColor> couleurs{{u'R', Repos}, {u'S', Survol}, {u'A', Appui}};
    const QStringList etapes = scenario.split(u' ');
    for (const QString &e : etapes) {
        const QStringList p = e.split(u'=');
        executer(m_lien, p[0]);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(m_lien->couleurTexte() == couleurs.value(p[1][0]),
                 qPrintable(e + QStringLiteral(" : ") + m_lien->couleurTexte().name()));
    }
    QCOMPARE(TLabelURL::LinkPressed(), pressionFinale);
    QCOMPARE(m_lien2->couleurTexte(), Repos);
}

void TestLabelURL::clicSignale()
{
    QList<QUrl> ouverts;
    RemplacerOuvreur([&ouverts](const QUrl &u) { ouverts << u; return true; });
    m_lien->setURL(QStringLiteral("mailto:contact@vendelair.example"));
    auto connexion = connect(m_lien, &TLabelURL::Click, m_lien, &TLabelURL::OuvrirURL);
    QSignalSpy clics(m_lien, &TLabelURL::Click);
    curseurSur(m_lien);
    QTest::mouseClick(m_lien, Qt::LeftButton, Qt::NoModifier, m_lien->rect().center());
    QCOMPARE(clics.count(), 1);
    QCOMPARE(ouverts, QList<QUrl>{QUrl(QStringLiteral("mailto:contact@vendelair.example"))});
    m_lien->setURL(QString());
    QTest::mouseClick(m_lien, Qt::LeftButton, Qt::NoModifier, m_lien->rect().center());
    QCOMPARE(clics.count(), 2);
    QCOMPARE(ouverts.size(), 1); // nothing to open
    disconnect(connexion);
    RemplacerOuvreur({});
    QCOMPARE(TLabelURL::cibleHoverTimer(), m_lien);
    QVERIFY(TLabelURL::HoverTimer()->isActive());

    // Released outside the link: no click.
    QTest::mousePress(m_lien, Qt::LeftButton, Qt::NoModifier, m_lien->rect().center());
    QTest::mouseRelease(m_lien, Qt::LeftButton, Qt::NoModifier, QPoint(-20, -20));
    QCOMPARE(clics.count(), 2);
}

void TestLabelURL::sansEffet_data()
{
    QTest::addColumn<Qt::MouseButton>("bouton");
    QTest::addColumn<bool>("actif");
    QTest::newRow("clic droit") << Qt::RightButton << true;
    QTest::newRow("clic du milieu") << Qt::MiddleButton << true;
    QTest::newRow("lien désactivé") << Qt::LeftButton << false;
}

void TestLabelURL::sansEffet()
{
    QFETCH(Qt::MouseButton, bouton);
    QFETCH(bool, actif);
    m_lien->setEnabled(actif);
    QSignalSpy bas(m_lien, &TLabelURL::MouseDown);
    QSignalSpy haut(m_lien, &TLabelURL::MouseUp);
    QSignalSpy clics(m_lien, &TLabelURL::Click);
    curseurSur(m_lien);
    QTest::mousePress(m_lien, bouton, Qt::NoModifier, m_lien->rect().center());
    QCOMPARE(m_lien->couleurTexte(), Repos);
    QVERIFY(!TLabelURL::LinkPressed());
    QTest::mouseRelease(m_lien, bouton, Qt::NoModifier, m_lien->rect().center());
    QCOMPARE(m_lien->couleurTexte(), Repos);
    QCOMPARE(bas.count(), 0);
    QCOMPARE(haut.count(), 0);
    QCOMPARE(clics.count(), 0);
    QVERIFY(!TLabelURL::HoverTimer()->isActive());
    QCOMPARE(TLabelURL::cibleHoverTimer(), nullptr);
}

void TestLabelURL::intervalleDuTimer()
{
    QTimer *t = TLabelURL::HoverTimer();
    // The last value given to any link is the shared interval.
    m_lien2->setTimer(250);
    QCOMPARE(t->interval(), 250);

    m_lien->setTimer(-5);
    QCOMPARE(m_lien->Timer(), 0);
    QCOMPARE(t->interval(), 0);
    executer(m_lien, QStringLiteral("bouge"));
    QCOMPARE(TLabelURL::cibleHoverTimer(), m_lien);
    QVERIFY(!t->isActive()); // an interval of 0 never ticks
    QTest::qWait(20);
    QCOMPARE(m_lien->couleurTexte(), Survol);
    executer(m_lien, QStringLiteral("sort")); // only leaving brings the rest colour back
    QCOMPARE(m_lien->couleurTexte(), Repos);

    // Armed while at 0, it ticks as soon as it has an interval again.
    m_lien->setTimer(100);
    QVERIFY(t->isActive());
    QCOMPARE(t->interval(), 100);
}

void TestLabelURL::cibleDetruite()
{
    auto *ephemere = new TLabelURL(QStringLiteral("éphémère"), m_fenetre);
    ephemere->setGeometry(10, 100, 150, 30);
    ephemere->show();
    executer(ephemere, QStringLiteral("bouge"));
    QCOMPARE(TLabelURL::cibleHoverTimer(), ephemere);
    QCOMPARE(ephemere->couleurTexte(), Survol);
    delete ephemere;
    QCOMPARE(TLabelURL::cibleHoverTimer(), nullptr);
    TLabelURL::HoverTimerTimer(); // must not touch the dead link
    QTest::qWait(150);

    // A link that is not the target leaves the target alone.
    executer(m_lien, QStringLiteral("bouge"));
    delete new TLabelURL(QStringLiteral("autre"), m_fenetre);
    QCOMPARE(TLabelURL::cibleHoverTimer(), m_lien);
    QVERIFY(TLabelURL::HoverTimer()->isActive());
}

QTEST_MAIN(TestLabelURL)
#include "tst_tlabelurl.moc"
