// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window as a view: every control, menu item and key reaches its
// command and the window shows the game's state; press colours, let go when a
// box takes the mouse; the box over the final position; names as plain text;
// placement on small screens; the keyboard alone; decorations unspoken. The
// rules themselves are proved on the model in game_test.

#include <functional>
#include <memory>

#include <QAccessible>
#include <QDialog>
#include <QMessageBox>
#include <QScreen>
#include <QtTest>

#include "fakes.hpp"
#include "ui/platform/placement.hpp"

using namespace vovodi;
using namespace vovodi::testing;

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Window> win;
    Form1* w = nullptr;

    void click(QWidget* on) { QTest::mouseClick(on, Qt::LeftButton); }
    // The board and everything else the window shows of the game.
    QString shown() const
    {
        QString levels;
        for (std::size_t i = 0; i < 4; ++i) {
            levels += QString::number(w->Level1[i]->isChecked() + 2 * w->difm[i]->isChecked());
        }
        return QStringLiteral("%1 %2 %3 %4 %5 %6 ")
                   .arg(boardText(*w), w->Label1->text(), w->Label3->text(), w->Label4->text(),
                        w->Label2->text(), levels) +
               (w->Command2->isEnabled() && w->sbcm->isEnabled() ? "open" : "no") +
               (w->findChild<ColourButton*>()->backColor() == colours::kLightBlue ? "" : " pressed");
    }

private slots:
    void init()
    {
        win = std::make_unique<Window>();
        w = &win->w;
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    // The window as it opens; then each way in, from a game under way at Hard with scores and a name,
    // and what the window shows after.
    void everyControlReachesItsCommand()
    {
        const QString played = "O.X.X.O.. Ann 1 1 Hard 0030 no", cleared = "......... Ann 1 1 Hard 0030 open",
                      restarted = "......... You 0 0 Hard 0030 open",
                      opened = "....O.... Ann 1 1 Hard 0030 no",
                      named = "O...X.... <b>Bo</b> 1 1 Hard 0030 no",
                      unchanged = "O...X.... Ann 1 1 Hard 0030 no";
        const std::vector<std::tuple<const char*, std::function<void()>, QString>> rows{
            {"cell", [&] { click(w->BO[2]); }, played},
            {"digit 9", [&] { QTest::keyClick(w->Command1, Qt::Key_9); }, played},
            {"New Game", [&] { click(w->Command1); }, cleared},
            {"New Game item", [&] { w->New1m->trigger(); }, cleared},
            {"Space on New Game", [&] { QTest::keyClick(w->Command1, Qt::Key_Space); }, cleared},
            {"Return on New Game", [&] { QTest::keyClick(w->Command1, Qt::Key_Return); }, cleared},
            {"Enter on Help", [&] { w->Command4->setFocus(), QTest::keyClick(w->Command4, Qt::Key_Enter); },
             played},
            {"Restart All", [&] { click(w->Command3); }, restarted},
            {"Restart All item", [&] { w->New2m->trigger(); }, restarted},
            {"Help", [&] { click(w->Command4); }, played},
            {"Help item", [&] { w->hbcm->trigger(); }, played},
            {"Computer", [&] { w->New1m->trigger(), click(w->Command2); }, opened},
            {"Start by Computer item", [&] { w->New1m->trigger(), w->sbcm->trigger(); }, opened},
            {"Easy option", [&] { click(w->Level1[0]); }, "......... You 0 0 Easy 3000 open"},
            {"No Win item", [&] { w->difm[3]->trigger(); }, "......... You 0 0 No Win 0003 open"},
            {"Hard item again", [&] { w->difm[2]->trigger(); }, unchanged},
            {"name", [&] { click(w->Label1); }, named},
            {"Return on the name", [&] { QTest::keyClick(w->Label1, Qt::Key_Return); }, named},
            {"Space on the name", [&] { QTest::keyClick(w->Label1, Qt::Key_Space); }, named},
            {"Tab from the options to the name, framed only then, and Return",
             [&] {
                 const QImage unfocused = w->Label1->grab().toImage();
                 w->Level1[3]->setFocus();
                 QTest::keyClick(w->Level1[3], Qt::Key_Tab);
                 QVERIFY(QApplication::focusWidget() == w->Label1 &&
                         w->Label1->grab().toImage() != unfocused);
                 QTest::keyClick(w->Label1, Qt::Key_Return);
             },
             named},
        };
        // As the window opens.
        QCOMPARE(w->windowTitle(), QStringLiteral("Zuzozu Ruvar 2.4.9"));
        QCOMPARE(QApplication::focusWidget(), w->Command1);
        QCOMPARE(shown(), QStringLiteral("......... You 0 0 No Win 0003 open"));
        // At 96 dpi (the scaled layouts are checked by hidpi_tests): fixed, no maximise, controls in place.
        QVERIFY(w->minimumSize() == w->maximumSize() && !(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w->Command1->geometry(), QRect(8, 8, 65, 17));
        QCOMPARE(w->Level1[3]->geometry(), QRect(312, 24, 57, 17));
        // The seam between BO(0) and BO(1) belongs to BO(1); the lines over it never take the mouse.
        QCOMPARE(w->centralWidget()->childAt(128, 100), w->BO[1]);
        QCOMPARE(w->centralWidget()->childAt(127, 100), w->BO[0]);
        QCOMPARE(w->centralWidget()->childAt(200, 48), w->BO[1]);
        for (const auto& [name, act, after] : rows) {
            init();
            // The player's left column (the box over the final position, and then the score), the
            // computer's diagonal, a name, and X in the centre.
            w->Level1[2]->click();
            QStringList boxes;
            win->dialogs.onOutcome = [&](QWidget* over, const QString& text) {
                boxes << text + u' ' + shown() + (over == w ? " over the game" : "");
            };
            for (int cell : {0, 8, 6, 3, 1, 2}) {
                click(w->BO[cell]);
            }
            QCOMPARE(boxes, (QStringList{"<< You Win >> X.OXO.XOX You 0 0 Hard 0030 no over the game",
                                         "<< You Failed >> OXX.O...O You 0 1 Hard 0030 no over the game"}));
            win->dialogs.nextName = QStringLiteral("Ann");
            w->Label1_Click();
            click(w->BO[4]);
            QCOMPARE(shown(), unchanged);
            win->dialogs.nextName = QStringLiteral("<b>Bo</b>");
            act();
            QVERIFY2(shown() == after, name);
        }
    }

    void pressesShowGreenUntilRelease()
    {
        // A cell: green while held, white on release, and only then the move.
        QTest::mousePress(w->BO[4], Qt::LeftButton);
        QCOMPARE(w->BO[4]->backColor(), colours::kPressGreen);
        QCOMPARE(boardText(*w), QStringLiteral("....?...."));
        QTest::mouseRelease(w->BO[4], Qt::LeftButton);
        QCOMPARE(boardText(*w), QStringLiteral("O...X...."));
        // Released away from where it began: the cell goes white, nothing is played.
        QTest::mousePress(w->BO[8], Qt::LeftButton);
        QTest::mouseRelease(w->BO[8], Qt::LeftButton, {}, QPoint(-30, 60));
        QCOMPARE(boardText(*w), QStringLiteral("O...X...."));
        // The right button on a button: green, then light blue, and no click.
        QTest::mousePress(w->Command1, Qt::RightButton);
        QCOMPARE(w->Command1->backColor(), colours::kPressGreen);
        QTest::mouseRelease(w->Command1, Qt::RightButton);
        QCOMPARE(w->Command1->backColor(), colours::kLightBlue);
        QCOMPARE(boardText(*w), QStringLiteral("O...X...."));
        // A button disabled while held lets go at once.
        w->Command1->click();
        QTest::mousePress(w->Command2, Qt::LeftButton);
        w->sbcm->trigger();
        QCOMPARE(w->Command2->backColor(), colours::kLightBlue);
        // No release comes once a box has opened over a press, or the window is hidden.
        w->Command3_Click();
        for (QWidget* held : std::initializer_list<QWidget*>{w->Command1, w->BO[4]}) {
            QTest::mousePress(held, Qt::LeftButton);
            QMessageBox box(w);
            QTimer::singleShot(0, &box, &QDialog::accept);
            box.exec();
            QCOMPARE(boardText(*w), QStringLiteral("........."));  // white, and nothing played
            QCOMPARE(w->Command1->backColor(), colours::kLightBlue);
        }
        QTest::mousePress(w->BO[0], Qt::LeftButton);
        w->hide();
        QTRY_COMPARE(boardText(*w), QStringLiteral("........."));
        w->show();
        QTest::mousePress(w->BO[1], Qt::LeftButton);  // and the window goes with a cell held
    }

    // Shown literally and as plain text, over a game under way that stays as it was; Cancel keeps the name.
    void namesAreShownExactlyAsTyped()
    {
        click(w->BO[0]);
        const QString rest = shown().remove(QStringLiteral(" You "));
        const QSize size = w->size();
        for (const QString& name :
             {QStringLiteral("W\u00e9<&>\u05d0 ").repeated(14286).left(100000), QString(),
              QStringLiteral("<img src=x>&Ann"), QStringLiteral("\t\n\r\x01"),
              QStringLiteral("Ann \u05e9\u05dc\u05d5\u05dd \u0633\u0644"),
              QStringLiteral("\U0001F3B2\U0001F600"), QStringLiteral("Ann") + QChar(0) + u'B'}) {
            for (const auto& answer : {std::optional(name), std::optional<QString>()}) {
                win->dialogs.nextName = answer;
                click(w->Label1);
                QVERIFY2(w->Label1->text() == name, qPrintable(name.left(20)));
                QCOMPARE(shown().remove(u' ' + name + u' '), rest);
            }
        }
        QVERIFY(w->Label1->textFormat() == Qt::PlainText && !w->grab().isNull() && w->size() == size);
        QCOMPARE(win->dialogs.prompts.at(0), QStringLiteral(" What is your name ? "));
    }

    // Each character of the Basic Multilingual Plane typed on New Game, as an input method sends it;
    // and nothing from another button: after a click on Help the focus is there.
    void onlyTheDigitsOneToNinePlayFromNewGame()
    {
        QString played;
        for (char16_t c = 0xFFFF; c > 0; --c) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(c)));
            QCoreApplication::sendEvent(w->Command1, &press);
            if (const QString now = boardText(*w); now != QStringLiteral(".........")) {
                played += QString::number(now.indexOf(u'X')) + QChar(c);  // 7 8 9 the top row
                w->Command1_Click();
            }
        }
        click(w->Command4);
        QTest::keyClick(w->Command4, Qt::Key_1);
        QCOMPARE(played + boardText(*w), QStringLiteral("291807564534837261O...X...."));
    }

    // About stays beside the game, which still takes moves, and closes with it.
    void aboutClosesWithTheGame()
    {
        w->aboutm->trigger();
        w->aboutm->trigger();  // again: the same box
        QPointer<QDialog> about = w->findChild<QDialog*>();
        QVERIFY(about && about->isVisible() && w->findChildren<QDialog*>().size() == 1);
        click(w->BO[4]);
        QCOMPARE(boardText(*w), QStringLiteral("O...X...."));
        w->close();
        QTRY_VERIFY(!about);
    }

    // A frame goes centred where it fits, against the area's left or top edge where it does not.
    void windowsStayOnTheScreen()
    {
        QCOMPARE(placedFrame({400, 470}, {0, 0, 1280, 1024}), QPoint(440, 277));
        QCOMPARE(placedFrame({400, 470}, {1280, 24, 1024, 744}), QPoint(1592, 161));
        QCOMPARE(placedFrame({400, 470}, {0, 0, 320, 240}), QPoint(0, 0));
        QCOMPARE(placedFrame({400, 200}, {0, 0, 320, 240}), QPoint(0, 20));
        QVERIFY(w->screen()->availableGeometry().contains(w->frameGeometry()));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
