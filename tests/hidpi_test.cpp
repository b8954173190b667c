// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window and the About box on a scaled desktop with a dark palette. The scale comes from
// QT_SCALE_FACTOR or QT_FONT_DPI, which must be set before the application starts, so ctest runs this
// program once per factor, and without Wine's faces (VOVODI_TEST_HIDE_WINE_FONTS). At every factor the
// layout keeps its size in device-independent pixels while the drawing, text too, uses every device pixel.

#include <algorithm>

#include <QtTest>

#include "fakes.hpp"
#include "ui/about/about_dialog.hpp"
#include "ui/platform/fonts.hpp"
#include "ui/shared/palette.hpp"

using namespace vovodi;
using vovodi::testing::part;

namespace {

// Where two images of the same size differ, and the greatest contrast between their pixels there.
std::pair<QRect, double> difference(const QImage& a, const QImage& b)
{
    QRect box;
    double contrast = 1;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                box |= QRect(x, y, 1, 1);
                contrast = std::max(contrast, contrastRatio(a.pixel(x, y), b.pixel(x, y)));
            }
        }
    }
    return {box, contrast};
}

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT
    // Before any window: a dark desktop palette, and no Wine faces when the run asks for that.
    const bool prepared = [] {
        if (qEnvironmentVariableIsSet("VOVODI_TEST_HIDE_WINE_FONTS")) {
            ensureFonts({});
        }
        QApplication::setPalette(QPalette(QColor(53, 53, 53)));  // white text on dark grey
        return true;
    }();
    testing::Window fixture;
    GameWindow& w = fixture.w;
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble() *
                        qEnvironmentVariable("QT_FONT_DPI", QStringLiteral("96")).toDouble() / 96;

private slots:
    void theLayoutKeepsItsSizeAndTheDrawingUsesEveryDevicePixel()
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.devicePixelRatio(), scale);
        QCOMPARE(w.centralWidget()->size(), QSize(377, 417));
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(testing::cell(w, i)->geometry(), QRect(8 + 120 * (i % 3), 48 + 120 * (i / 3), 121, 121));
        }
        QCOMPARE(w.centralWidget()->grab().size(), (QSizeF(377, 417) * scale).toSize());

        // The player's red X in the centre, grabbed at device resolution; at 2x not
        // a drawing at 1x enlarged, which would come back unchanged from halving and doubling.
        QTest::mouseClick(testing::cell(w, 4), Qt::LeftButton);
        const QImage cell = testing::cell(w, 4)->grab().toImage();
        QVERIFY(scale != 2 || cell.scaled(121, 121).scaled(cell.size()) != cell);
        // Every caption of both windows is drawn at the scale, whole, and readable on a dark desktop.
        // The selected option's dot stays dark on its white field: the unselected option's indicator
        // differs from it only there.
        const QImage selected = part(w, "levelOption4")->grab().toImage(),
                     unselected = part(w, "levelOption3")->grab().toImage();
        const QRect square(0, 0, selected.height(), selected.height());
        const double dot = difference(selected.copy(square), unselected.copy(square)).second;
        QVERIFY2(dot >= 4.5, qPrintable(QString::number(dot)));
        part(w, "newGameButton")->clearFocus();
        AboutDialog about(fixture.desktop, &w);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        part(about, "okButton")->clearFocus();
        QList<QWidget*> controls =
            w.centralWidget()->findChildren<QWidget*>(QRegularExpression("Button$|Label$|Option|Equals"));
        controls += about.findChildren<QWidget*>(QRegularExpression("Button$|Row$"));
        QCOMPARE(controls.size(), 21);
        for (QWidget* control : controls) {
            const QString text = control->property("text").toString();
            // Where its text lies in its grab (device pixels), the pixels that change when the text is
            // taken away, and the text's greatest contrast with what lies under it.
            const QImage with = control->grab().toImage();
            control->setProperty("text", QString());
            const auto [ink, contrast] = difference(with, control->grab().toImage());
            control->setProperty("text", text);
            const qreal height = QFontMetricsF(control->font()).tightBoundingRect(text).height();
            QString seen;  // the text, its face, its ink in the grab's size, its contrast, its height
            QDebug(&seen) << text << control->font().family() << ink << with.size() << contrast << height;
            QVERIFY2(ink.right() < with.width() - 1 && ink.bottom() < with.height() - 1, qPrintable(seen));
            // As tall as the font measures it, to a pixel or two of hinting; not "=", whose measure is too
            // wide, nor disabled text, which some styles etch: drawn twice, a pixel apart, and in low
            // contrast.
            QVERIFY2(contrast >= 4.5 || !control->isEnabled(), qPrintable(seen));
            QVERIFY2(qAbs(ink.height() - height * scale) <= qMax(2.0, 1.5 * scale) ||
                         !text.front().isLetterOrNumber() || !control->isEnabled(),
                     qPrintable(seen));
        }
    }
};

QTEST_MAIN(HiDpiTest)
#include "hidpi_test.moc"
