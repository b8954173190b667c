// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window away from the desktop it was made on: placed on small
// screens, driven by the keyboard alone, let go of when a box takes the
// mouse, and read by a screen reader without its decorations.

#include <QAccessible>
#include <QMessageBox>
#include <QScreen>
#include <QtTest>

#include "ui/platform/placement.hpp"
#include "window.hpp"

using namespace vovodi;

class ScreenTest : public QObject {
    Q_OBJECT

    testing::Window win;
    Form1& w = win.w;

private slots:
    void init()
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }

    // A frame goes centred where it fits, against the area's left or top edge where it does not.
    void windowsStayOnTheScreen()
    {
        QCOMPARE(placedFrame({400, 470}, {0, 0, 1280, 1024}), QPoint(440, 277));
        QCOMPARE(placedFrame({400, 470}, {1280, 24, 1024, 744}), QPoint(1592, 161));
        QCOMPARE(placedFrame({400, 470}, {0, 0, 320, 240}), QPoint(0, 0));
        QCOMPARE(placedFrame({400, 200}, {0, 0, 320, 240}), QPoint(0, 20));
        QVERIFY(w.screen()->availableGeometry().contains(w.frameGeometry()));
    }

    void theKeyboardAloneReachesEveryCommand()
    {
        QSignalSpy pressColour(w.Command1, &ColourButton::mouseDown);
        QTest::keyClick(w.Command1, Qt::Key_5);       // the centre, and the computer answers
        QTest::keyClick(w.Command1, Qt::Key_Return);  // New Game
        QCOMPARE(testing::boardText(w), QStringLiteral("........."));
        w.Command4->setFocus();
        QTest::keyClick(w.Command4, Qt::Key_Enter);  // Help plays for the player
        QCOMPARE(testing::boardText(w).count(u'X'), 1);
        QCOMPARE(pressColour.count(), 0);

        // The name comes after the options, framed only while it has the focus; Return and Space ask for it.
        const QImage unfocused = w.Label1->grab().toImage();
        w.Level1[3]->setFocus();
        QTest::keyClick(w.Level1[3], Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.Label1);
        QVERIFY(w.Label1->grab().toImage() != unfocused);
        for (const auto& [key, name] : {std::pair{Qt::Key_Return, "Ann"}, std::pair{Qt::Key_Space, "Bo"}}) {
            win.dialogs.nextName = QString::fromLatin1(name);
            QTest::keyClick(w.Label1, key);
            QCOMPARE(w.Label1->text(), QLatin1String(name));
        }
        // A screen reader finds a button there and presses it.
        win.dialogs.nextName = QStringLiteral("Cy");
        QAccessibleInterface* label = QAccessible::queryAccessibleInterface(w.Label1);
        QCOMPARE(label->role(), QAccessible::Button);
        label->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(w.Label1->text(), QStringLiteral("Cy"));
    }

    void decorationsAreNotAnnounced()
    {
        for (QWidget* quiet :
             std::initializer_list<QWidget*>{w.Label5, w.Label6, w.findChild<LinesOverlay*>()}) {
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(quiet);
            QVERIFY(spoken->state().invisible && spoken->text(QAccessible::Name).isEmpty());
        }
    }

    // No release comes once a box has opened over a press, or the window is hidden.
    void aPressLetsGoWhenTheWindowLosesTheMouse()
    {
        w.Command3_Click();
        for (QWidget* held : std::initializer_list<QWidget*>{w.Command1, w.BO[4]}) {
            QTest::mousePress(held, Qt::LeftButton);
            QMessageBox box(&w);
            QTimer::singleShot(0, &box, &QDialog::accept);
            box.exec();
            QCOMPARE(testing::boardText(w), QStringLiteral("........."));  // white, and nothing played
            QCOMPARE(w.Command1->backColor(), colours::kLightBlue);
        }
        QTest::mousePress(w.BO[0], Qt::LeftButton);
        w.hide();
        QTRY_COMPARE(testing::boardText(w), QStringLiteral("........."));
        w.show();
        QTest::mousePress(w.BO[1], Qt::LeftButton);  // and the window goes with a cell held
    }
};

QTEST_MAIN(ScreenTest)
#include "screen_test.moc"
