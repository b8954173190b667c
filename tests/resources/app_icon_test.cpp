// Links only vovodi_resources: the icon PNGs must reach the Qt resource system
// of any program that links the static library, and appIcon() must offer
// every rendered size.
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QtTest>

#include "resources/app_icon.hpp"

class AppIconTest : public QObject {
    Q_OBJECT

private slots:
    void resourcePngsHaveTheirSize_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d", size) << size;
    }

    void resourcePngsHaveTheirSize()
    {
        QFETCH(int, size);
        const QImage image(QStringLiteral(":/icons/vovodi-%1.png").arg(size));
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        // Transparent ground, something drawn in the middle.
        QCOMPARE(qAlpha(image.pixel(size / 2, 0)), 0);
        QVERIFY(qAlpha(image.pixel(size / 2, size / 2)) > 0);
    }

    void appIconOffersEverySize()
    {
        const QIcon icon = vovodi::appIcon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        // Asked for a size it has, it hands out that picture unscaled.
        QCOMPARE(icon.pixmap(QSize(48, 48)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 QImage(QStringLiteral(":/icons/vovodi-48.png"))
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
};

QTEST_MAIN(AppIconTest)
#include "app_icon_test.moc"
