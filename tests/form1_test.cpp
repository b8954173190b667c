// The game window as a view: every control, menu item and key reaches its
// command and the window shows the game's state; press colours; the box over
// the final position; names as plain text. The rules themselves are proved on
// the model in game_test.

#include <functional>
#include <memory>

#include <QtTest>

#include "window.hpp"

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
        return QStringList{boardText(*w),
                           w->Label1->text(),
                           w->Label3->text(),
                           w->Label4->text(),
                           w->Label2->text(),
                           levels,
                           w->Command2->isEnabled() && w->sbcm->isEnabled() ? "open" : "no"}
            .join(u' ');
    }

private slots:
    void init()
    {
        win = std::make_unique<Window>();
        w = &win->w;
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    void startsAsDesigned()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Zuzozu Ruvar 2.4.9"));
        QCOMPARE(QApplication::focusWidget(), w->Command1);
        QCOMPARE(shown(), QStringLiteral("......... You 0 0 No Win 0003 open"));
        // At 96 dpi: a fixed 377 x 417 client area, cells of 121 px on a 120 px pitch.
        QCOMPARE(w->centralWidget()->size(), QSize(377, 417));
        QVERIFY(w->minimumSize() == w->maximumSize() && !(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(w->BO[i]->geometry(), QRect(8 + 120 * (i % 3), 48 + 120 * (i / 3), 121, 121));
        }
        QCOMPARE(w->Command1->geometry(), QRect(8, 8, 65, 17));
        QCOMPARE(w->Level1[3]->geometry(), QRect(312, 24, 57, 17));
        // The seam between BO(0) and BO(1) belongs to BO(1); the lines over it never take the mouse.
        QCOMPARE(w->centralWidget()->childAt(128, 100), w->BO[1]);
        QCOMPARE(w->centralWidget()->childAt(127, 100), w->BO[0]);
        QCOMPARE(w->centralWidget()->childAt(200, 48), w->BO[1]);
    }

    // Each way in, from a game under way at Hard with scores and a name, and what the window shows after.
    void everyControlReachesItsCommand()
    {
        const QString played = "O.X.X.O.. Ann 1 1 Hard 0030 no", cleared = "......... Ann 1 1 Hard 0030 open",
                      restarted = "......... You 0 0 Hard 0030 open",
                      opened = "....O.... Ann 1 1 Hard 0030 no", unchanged = "O...X.... Ann 1 1 Hard 0030 no";
        const std::vector<std::tuple<const char*, std::function<void()>, QString>> rows{
            {"cell", [&] { click(w->BO[2]); }, played},
            {"digit 9", [&] { QTest::keyClick(w->Command1, Qt::Key_9); }, played},
            {"digit 0", [&] { QTest::keyClick(w->Command1, Qt::Key_0); }, unchanged},
            {"New Game", [&] { click(w->Command1); }, cleared},
            {"New Game item", [&] { w->New1m->trigger(); }, cleared},
            {"Space on New Game", [&] { QTest::keyClick(w->Command1, Qt::Key_Space); }, cleared},
            {"Restart All", [&] { click(w->Command3); }, restarted},
            {"Restart All item", [&] { w->New2m->trigger(); }, restarted},
            {"Help", [&] { click(w->Command4); }, played},
            {"Help item", [&] { w->hbcm->trigger(); }, played},
            {"Computer", [&] { w->New1m->trigger(), click(w->Command2); }, opened},
            {"Start by Computer item", [&] { w->New1m->trigger(), w->sbcm->trigger(); }, opened},
            {"Computer, unavailable", [&] { click(w->Command2); }, unchanged},
            {"Easy option", [&] { click(w->Level1[0]); }, "......... You 0 0 Easy 3000 open"},
            {"No Win item", [&] { w->difm[3]->trigger(); }, "......... You 0 0 No Win 0003 open"},
            {"Hard item again", [&] { w->difm[2]->trigger(); }, unchanged},
            {"name", [&] { click(w->Label1); }, "O...X.... <b>Bo</b> 1 1 Hard 0030 no"},
        };
        for (const auto& [name, act, after] : rows) {
            init();
            // The player's left column, the computer's diagonal, a name, and X in the centre.
            w->Level1[2]->click();
            for (int cell : {0, 8, 6, 3, 1, 2}) {
                click(w->BO[cell]);
            }
            win->dialogs.nextName = QStringLiteral("Ann");
            w->Label1_Click();
            click(w->BO[4]);
            QCOMPARE(shown(), unchanged);
            win->dialogs.nextName = QStringLiteral("<b>Bo</b>");
            act();
            QVERIFY2(shown() == after, name);
        }
    }

    void theBoxShowsTheFinalPositionAndTheScoreFollows()
    {
        w->Level1[2]->click();  // Hard
        QString seen;
        win->dialogs.onOutcome = [&](const QString& text) { seen = text + u' ' + shown(); };
        for (int cell : {0, 8, 6, 3}) {
            click(w->BO[cell]);
        }
        QCOMPARE(seen, QStringLiteral("<< You Win >> X.OXO.XOX You 0 0 Hard 0030 no"));
        QCOMPARE(win->dialogs.outcomes.at(0).parent, w);
        QCOMPARE(shown(), QStringLiteral("....O.... You 0 1 Hard 0030 no"));
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
    }

    // Shown literally and as plain text, over a game under way that stays as it was; Cancel keeps the name.
    void namesAreShownExactlyAsTyped()
    {
        click(w->BO[0]);
        const QString rest = shown().remove(QStringLiteral(" You "));
        const QSize size = w->size();
        for (const QString& name :
             {QStringLiteral("W\u00e9<&>\u05d0 ").repeated(14286).left(100000), QString(),
              QStringLiteral("<b>x</b>"), QStringLiteral("<img src=x>"), QStringLiteral("&Ann"),
              QStringLiteral("\t\n\r\x01"), QStringLiteral("Ann \u05e9\u05dc\u05d5\u05dd \u0633\u0644"),
              QStringLiteral("\U0001F3B2\U0001F600"), QStringLiteral("Ann") + QChar(0) + u'B'}) {
            for (const auto& answer : {std::optional(name), std::optional<QString>()}) {
                win->dialogs.nextName = answer;
                click(w->Label1);
                QVERIFY2(w->Label1->text() == name, qPrintable(name.left(20)));
                QCOMPARE(shown().remove(u' ' + name + u' '), rest);
            }
        }
        QCOMPARE(w->Label1->textFormat(), Qt::PlainText);
        QCOMPARE(win->dialogs.prompts.at(0), QStringLiteral(" What is your name ? "));
        QVERIFY(!w->grab().isNull());
        QCOMPARE(w->size(), size);
    }

    // Each character of the Basic Multilingual Plane typed on New Game over an empty board.
    void onlyTheDigitsOneToNinePlayFromNewGame()
    {
        QString played;
        for (int c = 0; c <= 0xFFFF; ++c) {
            const QChar ch(static_cast<char16_t>(c));
            // Printable ASCII comes with its Qt key code; the rest as an input method sends it.
            QKeyEvent press(QEvent::KeyPress,
                            c > 0x20 && c < 0x7f ? ch.toUpper().unicode() : int(Qt::Key_unknown),
                            Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(w->Command1, &press);
            if (const QString now = boardText(*w); now != QStringLiteral(".........")) {
                played += ch;
                // The numeric keypad's layout: 7 8 9 the top row.
                QVERIFY2(now.indexOf(u'X') == QStringLiteral("789456123").indexOf(ch),
                         qPrintable(played + now));
                w->Command1_Click();
            }
        }
        QCOMPARE(played, QStringLiteral("123456789"));
        // The digits are New Game's alone: after a click on Help the focus is there.
        click(w->Command4);
        const QString afterHelp = boardText(*w);
        QTest::keyClick(w->Command4, Qt::Key_1);
        QCOMPARE(boardText(*w), afterHelp);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
