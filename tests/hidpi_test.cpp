// The game window on a scaled desktop. The scale comes from QT_SCALE_FACTOR,
// which must be set before the application starts, so ctest runs this program
// once per factor (1, 1.5 and 2). At every factor the layout keeps its size in
// device-independent pixels while the drawing uses every device pixel.

#include <algorithm>

#include <QIcon>
#include <QtTest>

#include "window.hpp"

using namespace vovodi;

class HiDpiTest : public QObject {
    Q_OBJECT
    testing::Window fixture;
    Form1& w = fixture.w;

private slots:
    void theLayoutKeepsItsSizeAndTheDrawingUsesEveryDevicePixel()
    {
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.devicePixelRatio(), scale);
        QCOMPARE(w.centralWidget()->size(), QSize(377, 417));
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(w.BO[i]->geometry(), QRect(8 + 120 * (i % 3), 48 + 120 * (i / 3), 121, 121));
        }
        QCOMPARE(w.centralWidget()->grab().size(), (QSizeF(377, 417) * scale).toSize());

        // The player's red X in the centre, grabbed at device resolution; at 2x not
        // a drawing at 1x enlarged, which would come back unchanged from halving and doubling.
        w.BO_Click(4);
        const QImage cell = w.BO[4]->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(cell.constBits());
        QVERIFY(std::count(pixels, pixels + cell.width() * cell.height(), colours::kMarkRed.rgb()) > 0);
        if (scale == 2) {
            QVERIFY(cell.scaled(121, 121).scaled(cell.size()) != cell);
        }

        // 32 px on a 2x screen is the 64 px drawing, not a smaller one enlarged.
        const QImage icon = w.windowIcon().pixmap(QSize(32, 32), 2.0).toImage();
        QVERIFY(icon == QImage(QStringLiteral(":/icons/vovodi-64.png")).convertToFormat(icon.format()));
    }
};

QTEST_MAIN(HiDpiTest)
#include "hidpi_test.moc"
