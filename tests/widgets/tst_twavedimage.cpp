#include "widgets/twavedimage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// A picture where every pixel is different, in a format other than the working one, so
// that "restored" means the very picture given back.
QImage pictureTest(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, (x * 7 + y * 13) % 256));
    return image;
}

void deplacerSouris(QWidget *w, QPoint pos, Qt::MouseButtons boutons, Qt::KeyboardModifiers modifs)
{
    QMouseEvent e(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, boutons, modifs);
    QCoreApplication::sendEvent(w, &e);
}

} // namespace

class TestOndulation : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void deplacement_data();
    void deplacement();
    void propagation();
    void rendu();
    void pressionEnBordure_data();
    void pressionEnBordure();
    void mouvements_data();
    void mouvements();
    void finApres52TicksCalmes();
    void clic();

private:
    TWavedImage *m_image = nullptr;
    QImage m_picture;
};

void TestOndulation::init()
{
    m_picture = pictureTest(32, 24);
    m_image = new TWavedImage;
    m_image->setAutoSize(true);
    m_image->setPicture(m_picture);
}

void TestOndulation::cleanup()
{
    delete m_image;
    m_image = nullptr;
}

void TestOndulation::deplacement_data()
{
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("s");
    const QList<QPair<int, int>> valeurs{{0, 0},   {1, 0},    {2, 1},     {3, 1},    {4, 2},
                                         {5, 2},   {8, 4},    {10, 5},    {20, 11},  {50, 28},
                                         {100, 57}, {360, 207}, {1000, 577}};
    for (const auto &[d, s] : valeurs) {
        QTest::addRow("%d", d) << d << s;
        if (d)
            QTest::addRow("%d", -d) << -d << s;
    }
    // Beyond the look-up table the value is computed: it must join up with it.
    QTest::newRow("très grand") << 1000000 << 577350;
    QTest::newRow("maximum") << std::numeric_limits<int>::max() << 1239850303;
}

void TestOndulation::deplacement()
{
    QFETCH(int, d);
    QFETCH(int, s);
    QCOMPARE(DeplacementRefraction(d), s);
}

void TestOndulation::propagation()
{
    // Through the control: a drop of 1000 in the middle of still water.
    m_image->Perturber(10, 12, 1000);
    const int g = 32 - 10; // the grid is mirrored
    QCOMPARE(m_image->hauteur(g, 12), 1000);
    m_image->TimOndulationTimer();
    QCOMPARE(m_image->hauteur(g, 12), 0);
    for (const QPoint v : {QPoint(g - 1, 12), QPoint(g + 1, 12), QPoint(g, 11), QPoint(g, 13)})
        QCOMPARE(m_image->hauteur(v.x(), v.y()), 500 - 500 / 16);
    QCOMPARE(m_image->hauteur(g + 1, 13), 0);

    // The old state is subtracted, and a negative result is floored at 0.
    const int w = 4, h = 5;
    TIntegerArray a(TailleTamponOndulation(w, h), 0), b(TailleTamponOndulation(w, h), 0);
    auto cell = [h](int g, int y) { return std::size_t(g) * h + y; };
    a[cell(1, 2)] = 100;
    a[cell(3, 2)] = 60;
    b[cell(2, 2)] = 30;  // (100 + 60) / 2 - 30 = 50 -> 47
    b[cell(3, 3)] = 500; // 0 - 500 -> 0
    PropagerOndulation(a, b, w, h);
    QCOMPARE(b[cell(2, 2)], 47);
    QCOMPARE(b[cell(3, 3)], 0);
    QCOMPARE(b[cell(2, 1)], 0); // no neighbour of (1, 2) or (3, 2)
    QCOMPARE(b[cell(1, 1)], 50 - 50 / 16);
    // The shore (row 0, row h - 1, column 0 and column w) is never written.
    for (int g = 0; g <= w; ++g)
        for (int y = 0; y < h; ++y)
            if (g == 0 || g == w || y == 0 || y == h - 1)
                QCOMPARE(b[cell(g, y)], 0);
}

void TestOndulation::rendu()
{
    const int w = 20, h = 20;
    const QImage source = pictureTest(w, h).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage affichee(w, h, QImage::Format_ARGB32_Premultiplied);
    affichee.fill(Qt::black);
    TIntegerArray a(TailleTamponOndulation(w, h), 0);
    a[std::size_t(5) * h + 10] = 10; // s(10) = 5
    RendreOndulation(a, w, h, source, affichee);
    // Grid column g is picture column w - 1 - g.
    auto image = [w](int g) { return w - 1 - g; };
    // On the bump both slopes are +10: the view shifts by 5 along the grid and down.
    QCOMPARE(affichee.pixel(image(5), 10), source.pixel(image(10), 15));
    // Left of it (grid) the slope is -10: the source would be column -1, the pixel stays.
    QCOMPARE(affichee.pixel(image(4), 10), qRgb(0, 0, 0));
    // Above it: dy = -10 moves up by 5.
    QCOMPARE(affichee.pixel(image(5), 9), source.pixel(image(5), 4));
    // Flat water elsewhere shows the picture as it is.
    QCOMPARE(affichee.pixel(image(12), 15), source.pixel(image(12), 15));
    QCOMPARE(affichee.pixel(0, 0), source.pixel(0, 0));
}

void TestOndulation::pressionEnBordure_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("goutte");
    QTest::newRow("gauche") << QPoint(0, 10) << false;
    QTest::newRow("droite") << QPoint(31, 10) << false;
    QTest::newRow("haut") << QPoint(10, 0) << false;
    QTest::newRow("bas") << QPoint(10, 23) << false;
    QTest::newRow("premier pixel intérieur") << QPoint(1, 1) << true;
    QTest::newRow("dernier pixel intérieur") << QPoint(30, 22) << true;
}

void TestOndulation::pressionEnBordure()
{
    QFETCH(QPoint, pos);
    QFETCH(bool, goutte);
    QTest::mousePress(m_image, Qt::LeftButton, Qt::NoModifier, pos);
    QVERIFY(m_image->estDemarre());
    QCOMPARE(m_image->TimOndulation()->isActive(), goutte);
    QCOMPARE(m_image->hauteur(32 - pos.x(), pos.y()), goutte ? 1000 : 0);
    // Started but still: the working picture shows exactly the picture.
    QCOMPARE(m_image->Picture().format(), QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(m_image->Picture().convertToFormat(QImage::Format_RGB32), m_picture);
}

void TestOndulation::mouvements_data()
{
    QTest::addColumn<int>("intensiteSurvol");
    QTest::addColumn<Qt::MouseButtons>("boutons");
    QTest::addColumn<Qt::KeyboardModifiers>("modifs");
    QTest::addColumn<int>("attendu");
    QTest::newRow("survol sans effet") << 0 << Qt::MouseButtons() << Qt::KeyboardModifiers() << 0;
    QTest::newRow("survol à 360") << 360 << Qt::MouseButtons() << Qt::KeyboardModifiers() << 360;
    QTest::newRow("glissé bouton gauche") << 0 << Qt::MouseButtons(Qt::LeftButton) << Qt::KeyboardModifiers() << 1000;
    QTest::newRow("glissé Maj + gauche") << 360 << Qt::MouseButtons(Qt::LeftButton)
                                         << Qt::KeyboardModifiers(Qt::ShiftModifier) << 360;
    QTest::newRow("glissé bouton droit") << 0 << Qt::MouseButtons(Qt::RightButton) << Qt::KeyboardModifiers() << 0;
}

void TestOndulation::mouvements()
{
    QFETCH(int, intensiteSurvol);
    QFETCH(Qt::MouseButtons, boutons);
    QFETCH(Qt::KeyboardModifiers, modifs);
    QFETCH(int, attendu);
    m_image->setMouseMoveIntensity(intensiteSurvol);
    deplacerSouris(m_image, QPoint(10, 8), boutons, modifs);
    QCOMPARE(m_image->hauteur(32 - 10, 8), attendu);
    QCOMPARE(m_image->TimOndulation()->isActive(), attendu > 0);
}

void TestOndulation::finApres52TicksCalmes()
{
    const QImage ecran = m_image->grab().toImage();
    m_image->Perturber(16, 12, 1000);
    bool aOndule = false;
    for (int i = 0; i < 20; ++i) {
        m_image->TimOndulationTimer();
        aOndule = aOndule || m_image->Picture().convertToFormat(QImage::Format_RGB32) != m_picture;
    }
    QVERIFY(aOndule);
    // A new drop starts the count again.
    m_image->Perturber(10, 10, 1000);
    for (int i = 0; i < TWavedImage::TicksAvantArret; ++i)
        m_image->TimOndulationTimer();
    QVERIFY(m_image->estDemarre());
    QVERIFY(m_image->TimOndulation()->isActive());
    m_image->TimOndulationTimer(); // the 53rd quiet tick
    QVERIFY(!m_image->estDemarre());
    QVERIFY(!m_image->TimOndulation()->isActive());
    QCOMPARE(m_image->Picture(), m_picture); // same format, same pixels
    QCOMPARE(m_image->grab().toImage(), ecran);
    QCOMPARE(m_image->hauteur(32 - 16, 12), 0);

    // The next drop takes a fresh copy of the picture the control holds then.
    const QImage autre = pictureTest(32, 24).mirrored(true, false);
    m_image->setPicture(autre);
    m_image->Perturber(5, 5, 0);
    QCOMPARE(m_image->BmpSrc().convertToFormat(QImage::Format_RGB32), autre);
}

void TestOndulation::clic()
{
    QSignalSpy clics(m_image, &TWavedImage::Click);
    QTest::mouseClick(m_image, Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
    QCOMPARE(clics.count(), 1);
    QCOMPARE(m_image->hauteur(32 - 8, 8), 1000);
    QTest::mouseClick(m_image, Qt::RightButton, Qt::NoModifier, QPoint(9, 9));
    QCOMPARE(clics.count(), 1);
    QCOMPARE(m_image->hauteur(32 - 9, 9), 1000); // any button drops
}

QTEST_MAIN(TestOndulation)
#include "tst_twavedimage.moc"
