// The game window on a scaled desktop. The scale comes from QT_SCALE_FACTOR,
// which must be set before the application starts, so ctest runs this program
// once per factor (1, 1.5 and 2). At every factor the layout keeps its size in
// device-independent pixels while the drawing uses every device pixel.

#include <memory>

#include <QIcon>
#include <QPainter>
#include <QtTest>

#include "fakes.hpp"
#include "ui/main/form1.hpp"

using namespace vovodi;
using vovodi::testing::FakeDesktop;
using vovodi::testing::FakeDialogs;

namespace {

bool isMarkRed(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
}

// The bounding box of the red pixels of `image`, in its own pixels.
QRect redBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isMarkRed(image.pixel(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// Aligned n x n blocks that are not of one colour: detail finer than one
// device-independent pixel, which a drawing scaled up from 1x cannot have.
int blocksWithDetail(const QImage& image, int n)
{
    int count = 0;
    for (int y = 0; y + n <= image.height(); y += n) {
        for (int x = 0; x + n <= image.width(); x += n) {
            const QRgb first = image.pixel(x, y);
            bool mixed = false;
            for (int dy = 0; dy < n && !mixed; ++dy) {
                for (int dx = 0; dx < n && !mixed; ++dx) {
                    mixed = image.pixel(x + dx, y + dy) != first;
                }
            }
            count += mixed ? 1 : 0;
        }
    }
    return count;
}

QSize scaled(QSize size, qreal factor)
{
    return (QSizeF(size) * factor).toSize();
}

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

    qreal scale = 1;
    FakeDialogs dialogs;
    FakeDesktop desktop;
    std::unique_ptr<Form1> w;

private slots:
    void initTestCase()
    {
        bool given = false;
        const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&given);
        scale = given ? factor : 1.0;
        w = std::make_unique<Form1>(dialogs, desktop);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        qInfo("scale %g: window %dx%d, device pixel ratio %g", scale, w->width(), w->height(),
              w->devicePixelRatio());
        QCOMPARE(w->devicePixelRatio(), scale);
    }
    void cleanupTestCase() { w.reset(); }

    void theLayoutKeepsItsSizeInDeviceIndependentPixels()
    {
        QCOMPARE(w->centralWidget()->size(), QSize(377, 417));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(w->BO[i]->geometry(), QRect(8 + 120 * (i % 3), 48 + 120 * (i / 3), 121, 121));
        }
        QCOMPARE(w->Command1->geometry(), QRect(8, 8, 65, 17));
    }

    void theWindowIsGrabbedAtDeviceResolution()
    {
        const QPixmap client = w->centralWidget()->grab();
        qInfo("client area grabbed: %dx%d at ratio %g", client.width(), client.height(),
              client.devicePixelRatio());
        QCOMPARE(client.size(), scaled(QSize(377, 417), scale));
        QCOMPARE(client.devicePixelRatio(), scale);

        const QPixmap window = w->grab();
        qInfo("window grabbed: %dx%d", window.width(), window.height());
        QCOMPARE(window.size(), scaled(w->size(), scale));
    }

    void marksAreDrawnAtDeviceResolution()
    {
        w->BO_Click(4);  // the player's red X in the centre
        QCOMPARE(w->BO[4]->caption(), QStringLiteral("X"));

        const QPixmap grabbed = w->BO[4]->grab();
        const QImage device = grabbed.toImage();
        qInfo("cell grabbed: %dx%d at ratio %g", grabbed.width(), grabbed.height(),
              grabbed.devicePixelRatio());
        QCOMPARE(grabbed.size(), scaled(QSize(121, 121), scale));
        QCOMPARE(grabbed.devicePixelRatio(), scale);

        // The same cell drawn at one pixel per unit, for comparison.
        QImage plain(121, 121, QImage::Format_ARGB32_Premultiplied);
        plain.fill(Qt::transparent);
        {
            QPainter p(&plain);
            w->BO[4]->render(&p);
        }
        const QRect deviceBox = redBox(device);
        const QRect plainBox = redBox(plain);
        qInfo("red X spans %dx%d device pixels, %dx%d at 1x", deviceBox.width(), deviceBox.height(),
              plainBox.width(), plainBox.height());
        QVERIFY(!deviceBox.isEmpty() && !plainBox.isEmpty());
        QVERIFY(qAbs(deviceBox.width() - plainBox.width() * scale) <= 2 * scale);
        QVERIFY(qAbs(deviceBox.height() - plainBox.height() * scale) <= 2 * scale);

        const int whole = qFloor(scale);
        if (whole >= 2 && whole == scale) {
            QVERIFY(blocksWithDetail(device, whole) > 0);
        }
    }

    void theIconOffersSharpLargeSizes()
    {
        const QIcon icon = w->windowIcon();
        int largest = 0;
        for (const QSize& s : icon.availableSizes()) {
            largest = qMax(largest, s.width());
        }
        QVERIFY2(largest >= 64, qPrintable(QString::number(largest)));

        // 32 px on a 2x screen is the 64 px drawing, not the 32 px one enlarged.
        const QPixmap doubled = icon.pixmap(QSize(32, 32), 2.0);
        QCOMPARE(doubled.size(), QSize(64, 64));
        QCOMPARE(doubled.devicePixelRatio(), 2.0);
        QImage drawn64 =
            QImage(QStringLiteral(":/icons/vovodi-64.png")).convertToFormat(doubled.toImage().format());
        drawn64.setDevicePixelRatio(2.0);
        QCOMPARE(doubled.toImage(), drawn64);

        // At this screen's own scale.
        const QPixmap own = icon.pixmap(32);
        QCOMPARE(own.size(), scaled(QSize(32, 32), scale));
    }
};

QTEST_MAIN(HiDpiTest)
#include "hidpi_test.moc"
