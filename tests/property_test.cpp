// The game window under long random runs of everything a user can do to it:
// mouse clicks and presses on the cells and buttons, keys on whatever has the
// focus, every menu item, the options, the name prompt and the About box.
// The window's rules are checked after every action.
//
// Built a second time as the soak target property_soak, with
// VOVODI_SOAK_ACTIONS set to the number of actions to run.

#include <optional>
#include <random>

#include <QElapsedTimer>
#include <QtTest>

#include "ui/about/frm_about.hpp"
#include "window.hpp"

#ifndef VOVODI_SOAK_ACTIONS
#define VOVODI_SOAK_ACTIONS 10000
#endif

using namespace vovodi;
using vovodi::testing::boardText;

class PropertyTest : public QObject {
    Q_OBJECT

    long total = 0;
    double seconds = 0;

private slots:
    void initTestCase()
    {
        // The offscreen platform warns at every About box that it cannot raise it, and QtTest at
        // every key nobody takes (it goes on up to the window, as Qt does it); a long run would hit
        // QtTest's cap on warnings and lose the figures at the end.
        static QtMessageHandler testlib = qInstallMessageHandler(nullptr);
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& where, const QString& text) {
            if (!text.startsWith(u"This plugin does not") && !text.startsWith(u"Keyboard event not")) {
                testlib(type, where, text);
            }
        });
    }

    void randomActionsKeepTheRules_data()
    {
        QTest::addColumn<std::uint32_t>("seed");
        for (std::uint32_t seed : {1, 20240611, 777, 4242}) {
            QTest::newRow(QByteArray::number(seed)) << seed;
        }
    }

    void randomActionsKeepTheRules()
    {
        QFETCH(std::uint32_t, seed);
        std::mt19937 rng(seed);
        testing::Window win;
        Form1& w = win.w;
        const auto& shown = win.dialogs.outcomes;  // the outcome boxes
        const std::array<ColourButton*, 4> buttons{w.Command1, w.Command2, w.Command3, w.Command4};
        const auto state = [&] {  // board, name, scores, level: a box shown changes the board too
            return QStringList{boardText(w), w.Label1->text(), w.Label3->text(), w.Label4->text(),
                               w.Label2->text()};
        };
        QString boxFault;  // looked at while the box is open, with the winning line still on the board
        win.dialogs.onOutcome = [&](const QString& text) {
            const Board b = w.board();
            const bool right = text == u"<< You Win >>"
                                   ? owns(b, Mark::X) && w.Level != 4
                                   : text == u"<< You Failed >>" && owns(b, Mark::O) && !owns(b, Mark::X);
            if (!right || shown.back().parent != &w) {
                boxFault = text + QStringLiteral(" at Level %1 over %2").arg(w.Level).arg(boardText(w));
            }
        };
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QSize size = w.size();

        // What the coming action must or may do, worked out before it acts: reset the game (scores
        // "0", name "You", the board cleared); change nothing at all; put an X on this cell (9: on
        // some cell) unless a game ends; choose this level; show this name.
        enum Reset { No, May, Must } reset;
        bool same;
        int play, level;
        std::optional<QString> name;
        const auto click = [&](QWidget* target, bool clicks) {  // a left click on a cell or button, or none
            const auto* cell = qobject_cast<Cell*>(target);
            same = !clicks || (cell && !cell->caption().isEmpty());
            reset = clicks && target == w.Command3 ? Must : No;
            play = same ? -1 : cell ? cell->index() : target == w.Command4 && !isFull(w.board()) ? 9 : -1;
        };
        const auto chooseLevel = [&](int chosen) {
            same = chosen == w.Level;
            reset = same ? No : Must;
            level = chosen;
        };

        QWidget* held = nullptr;  // where a mouse button is held down
        Qt::MouseButton heldButton = Qt::NoButton;
        QStringList recent;  // the last few actions, told when a rule breaks
        const auto tell = qScopeGuard([&] {
            if (QTest::currentTestFailed()) {
                qInfo().noquote() << "seed" << seed << "after\n " << recent.join(QStringLiteral("\n  "));
            }
        });
        // The kinds of action and how often each comes. With a mouse button held only the release and
        // the keyboard act: keys, or menus by their access keys.
        static constexpr std::array kinds{"click", "press/release", "key", "menu", "option", "name", "other"};
        std::discrete_distribution<int> weights{14, 2, 6, 2, 1, 1, 6}, whileHeld{0, 2, 1, 1};
        const long actions = VOVODI_SOAK_ACTIONS / 4;  // for each of the four seeds
        QElapsedTimer timer;
        timer.start();
        long step = 0;
        for (; step < actions || held; ++step) {  // and on until no mouse button is held
            const QStringList b = state();
            const std::size_t boxes = shown.size();
            reset = No, same = false, play = -1, level = 0, name = b[1];
            const int kind = (held ? whileHeld : weights)(rng), i = int(rng() % 13), r = int(rng() % 0x10000);
            QWidget* target = i < 9 ? static_cast<QWidget*>(w.BO[i]) : buttons[i - 9];  // a cell or a button
            const Qt::MouseButton button = r % 4   ? Qt::LeftButton
                                           : r % 8 ? Qt::RightButton
                                                   : Qt::MiddleButton;
            switch (kind) {
            case 0:  // a click
                click(target, button == Qt::LeftButton && target->isEnabled());
                QTest::mouseClick(target, button);
                break;
            case 1:  // a press, or the release of the one held, over it or elsewhere
                if (!held) {
                    same = true, held = target, heldButton = button;
                    QTest::mousePress(held, heldButton);
                    break;
                }
                // After a left press, released over it: a cell clicks, and a button if it is still down
                // (a disabled one takes no press, and one that loses the focus or is disabled lets go).
                target = std::exchange(held, nullptr);
                click(target,
                      heldButton == Qt::LeftButton && button == Qt::LeftButton &&
                          (qobject_cast<Cell*>(target) || static_cast<QAbstractButton*>(target)->isDown()));
                QTest::mouseRelease(target, heldButton, {},
                                    button == Qt::LeftButton ? target->rect().center() : QPoint(-1, 99));
                break;
            case 2: {  // a named key, a digit, printable ASCII, a control character or any UTF-16 unit
                QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
                const Qt::Key k = std::array{Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Left,  Qt::Key_Down,
                                             Qt::Key_Space, Qt::Key_Return,  Qt::Key_Escape}[r % 7];
                const char16_t c =
                    std::array<int, 5>{QTest::keyToAscii(k), u'0' + r % 10, 0x20 + r % 95, r % 32, r}[i % 5];
                const int code = i % 5 == 0 ? k : i % 5 < 3 ? QTest::asciiToKey(char(c)) : Qt::Key_unknown;
                if (focus != w.Command1) {  // another button, an option, the About box: anything goes
                    reset = May;
                    name.reset();
                } else if (const auto cell = QStringLiteral("789456123").indexOf(QChar(c)); cell >= 0) {
                    click(w.BO[cell], true);  // the numeric keypad's layout: 7 8 9 the top row
                } else {
                    same = c != u' ';  // Space is New Game
                }
                QTest::sendKeyEvent(QTest::Click, focus, Qt::Key(code), c ? QString(QChar(c)) : QString(),
                                    r > 0x8000 ? Qt::KeypadModifier : Qt::NoModifier);
                break;
            }
            case 3: {  // the Edit menu, the Difficulty menu, About
                QAction* item = std::array{w.New1m,   w.New2m,   w.sbcm,    w.hbcm,  w.difm[1],
                                           w.difm[2], w.difm[3], w.difm[4], w.aboutm}[r % 9];
                r % 9 < 4   ? click(std::array{w.Command1, w.Command3, w.Command2, w.Command4}[r % 9],
                                    item->isEnabled())
                : r % 9 < 8 ? chooseLevel(r % 9 - 3)
                            : void(same = true);
                item->trigger();
                break;
            }
            case 4:  // an option
                chooseLevel(1 + r % 4);
                QTest::mouseClick(w.Level1[1 + r % 4], Qt::LeftButton);
                break;
            case 5:  // the name: Cancel keeps it
                win.dialogs.nextName = std::array<std::optional<QString>, 6>{
                    std::nullopt, "", "Ann", QString(300, u'W'), "<b>x</b>", "&Ann"}[r % 6];
                name = win.dialogs.nextName.value_or(w.Label1->text());
                QTest::mouseClick(w.Label1, Qt::LeftButton);
                break;
            // About closed by OK or by the window, or back to New Game as a user clicks into the window
            // and tabs there, or a pause: the window repaints and pending events run.
            default:
                same = true;
                if (frmAbout* about = w.aboutDialog(); about && r % 3) {
                    r % 3 == 1 ? QTest::mouseClick(about->cmdOK, Qt::LeftButton) : void(about->close());
                } else if (r % 2) {
                    w.activateWindow();
                    w.Command1->setFocus();
                }
                QCoreApplication::processEvents();
            }
            // As when control goes back to the event loop: layouts settle, discarded windows go.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const QStringList n = state();
            recent << QString::asprintf("%ld: %s, %d, %d -> ", step, kinds[kind], i, r) + n.join(u' ');
            if (recent.size() > 8) {
                recent.removeFirst();
            }

            QVERIFY2(boxFault.isEmpty(), qPrintable(boxFault));
            QVERIFY(!same || n == b);
            for (const Cell* c : w.BO) {
                const QString& m = c->caption();
                QVERIFY(m.isEmpty() || (m == u"X" && c->foreColor() == colours::kMarkRed) ||
                        (m == u"O" && c->foreColor() == colours::kMarkBlue));
                QVERIFY(held || c->backColor() == colours::kWhite);
            }
            for (int option = 1; option <= 4; ++option) {
                QVERIFY(held || buttons[option - 1]->backColor() == colours::kLightBlue);
                QCOMPARE(w.Level1[option]->isChecked(), option == w.Level);
                QCOMPARE(w.difm[option]->isChecked(), option == w.Level);
            }
            QCOMPARE(w.Label2->text(), QStringList({"", "Easy", "Normal", "Hard", "No Win"}).value(w.Level));
            const Board board = w.board();
            QVERIFY(!owns(board, Mark::X) && !owns(board, Mark::O));
            QVERIFY(w.Command2->isEnabled() == isEmpty(board) && w.sbcm->isEnabled() == isEmpty(board));
            QVERIFY(w.size() == size);
            // Scores: decimal text, one up for each box on its own side, back to "0" only with a restart.
            const auto wins = std::count_if(shown.begin() + boxes, shown.end(),
                                            [](const auto& box) { return box.text == u"<< You Win >>"; });
            const auto fails = qsizetype(shown.size() - boxes) - wins;
            const bool restarted =
                n.mid(1, 3) == QStringList{"You", "0", "0"} && isEmpty(board) && shown.size() == boxes;
            const bool counted = n[2] == QString::number(b[2].toLongLong() + fails) &&
                                 n[3] == QString::number(b[3].toLongLong() + wins);
            QVERIFY(reset == Must ? restarted : reset == No ? counted : counted || restarted);
            QVERIFY((n[4] == b[4] || restarted) && (!level || w.Level == level));
            QVERIFY(!name || n[1] == *name || reset == Must);
            // A move puts an X on a free cell, on the one played if it says which, unless a game ends.
            QVERIFY(play < 0 || shown.size() != boxes ||
                    (n[0].count(u'X') == b[0].count(u'X') + 1 && (play == 9 || n[0][play] == u'X')));
        }
        seconds += timer.nsecsElapsed() / 1e9;
        total += step;
    }

    // Held on Computer, Space (or Help by Computer from the menu) disables it, and a
    // disabled button gets no release: it must still not stay green.
    void aButtonDisabledWhileHeldTurnsBackOnRelease()
    {
        for (const bool byMenu : {false, true}) {
            testing::Window win;
            QTest::mousePress(win.w.Command2, Qt::LeftButton);
            byMenu ? win.w.hbcm->trigger() : QTest::keyClick(win.w.Command2, Qt::Key_Space);
            QVERIFY(!win.w.Command2->isEnabled());
            QTest::mouseRelease(win.w.Command2, Qt::LeftButton);
            QCOMPARE(win.w.Command2->backColor(), colours::kLightBlue);
        }
    }

    void cleanupTestCase()
    {
        qInfo("%ld actions in %.2f s: %.0f actions/s", total, seconds, seconds > 0 ? total / seconds : 0.0);
    }
};

QTEST_MAIN(PropertyTest)
#include "property_test.moc"
