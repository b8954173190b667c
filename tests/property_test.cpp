// The game window under long random runs of everything a user can do to it:
// mouse clicks and presses on the cells and buttons, keys on whatever has the
// focus, every menu item, the options, the name prompt and the About box.
// After every action the window's rules are checked.
//
// Built a second time as the soak target property_soak, with
// VOVODI_SOAK_ACTIONS set to the number of actions to run.

#include <deque>
#include <memory>
#include <optional>
#include <random>

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QtTest>

#include "fakes.hpp"
#include "ui/about/frm_about.hpp"
#include "ui/main/colours.hpp"
#include "ui/main/form1.hpp"

#ifndef VOVODI_SOAK_ACTIONS
#define VOVODI_SOAK_ACTIONS 10000
#endif

using namespace vovodi;
using vovodi::testing::FakeDesktop;
using vovodi::testing::FakeDialogs;

namespace {

constexpr long kActions = VOVODI_SOAK_ACTIONS;
constexpr std::array<std::uint32_t, 4> kSeeds{1, 20240611, 777, 4242};
const QString kWin = QStringLiteral("<< You Win >>");
const QString kFail = QStringLiteral("<< You Failed >>");
const std::array<QString, 5> kLevelNames{"", "Easy", "Normal", "Hard", "No Win"};
// The cell each digit plays: the numeric keypad, 7 8 9 the top row.
constexpr std::array<int, 9> kCellOfDigit{6, 7, 8, 3, 4, 5, 0, 1, 2};

// What an action may do to the game, and so what is checked after it.
enum class Effect { Nothing, Play, Help, NewGame, Open, Restart, ChooseLevel, Name, Any };
const std::array<const char*, 9> kEffectNames{
    "nothing",     "a move",  "Help",   "New Game", "the computer's opening",
    "Restart All", "a level", "a name", "anything"};

struct Action {
    Action(QString w, Effect e = Effect::Nothing, int a = -1) : what(std::move(w)), effect(e), arg(a) {}
    QString what;  // for the log
    Effect effect;
    int arg;                      // the cell played or the level chosen
    std::optional<QString> name;  // the prompt's answer
    int about = -1;               // 1: the About box is open after it, 0: it is gone
};

struct Snapshot {
    Board board;
    QString name, computer, player;
    int level;
    std::size_t boxes;
    qsizetype prompts;
    bool operator==(const Snapshot&) const = default;
};

int count(const Board& b, Mark m)
{
    return static_cast<int>(std::count(b.begin(), b.end(), m));
}

}  // namespace

class PropertyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeDialogs> dialogs;
    std::unique_ptr<FakeDesktop> desktop;
    std::unique_ptr<Form1> w;
    std::mt19937 rng;
    QWidget* held = nullptr;  // where a mouse button is held down
    Qt::MouseButton heldButton = Qt::NoButton;
    QSize size;
    QString boxFault;  // a fault seen while an outcome box was open
    long total = 0;
    double seconds = 0;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    Qt::MouseButton anyButton()
    {
        return pick(4) ? Qt::LeftButton : pick(2) ? Qt::RightButton : Qt::MiddleButton;
    }

    Snapshot snap() const
    {
        return {w->board(), w->Label1->text(),        w->Label3->text(),      w->Label4->text(),
                w->Level,   dialogs->outcomes.size(), dialogs->prompts.size()};
    }

    // What a left click on a command button does.
    Effect buttonEffect(QWidget* b) const
    {
        return b == w->Command1   ? Effect::NewGame
               : b == w->Command2 ? Effect::Open
               : b == w->Command3 ? Effect::Restart
                                  : Effect::Help;
    }

    // A key pressed and released on `target`. Sent straight to it (a key it does not
    // take goes on up to the window, as Qt does it), without QTest's warning for
    // each key nobody takes.
    static void type(QWidget* target, int code, const QString& text, Qt::KeyboardModifiers mods)
    {
        for (const QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(t, code, mods, text);
            QCoreApplication::sendEvent(target, &e);
        }
    }

    Action key()
    {
        QWidget* target = QApplication::focusWidget();
        if (!target) {
            return {QStringLiteral("key with no focus")};
        }
        const QString where =
            target == w->Command1 ? QStringLiteral("New Game") : target->metaObject()->className();
        const std::array<Qt::Key, 8> named{Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Left,   Qt::Key_Right,
                                           Qt::Key_Down, Qt::Key_Space,   Qt::Key_Return, Qt::Key_Escape};
        const int kind = pick(10);
        if (kind < 2) {
            const Qt::Key k = named[static_cast<std::size_t>(pick(8))];
            const char ascii = QTest::keyToAscii(k);
            type(target, k, ascii ? QString(QChar(ascii)) : QString(), Qt::NoModifier);
            const Effect e = target != w->Command1 ? Effect::Any
                             : k == Qt::Key_Space  ? Effect::NewGame
                                                   : Effect::Nothing;
            return {QStringLiteral("key %1 on %2").arg(QKeySequence(k).toString(), where), e};
        }
        // Digits, printable ASCII, control characters, or any UTF-16 unit at all.
        const char16_t c = kind < 6   ? char16_t(u'0' + pick(10))
                           : kind < 8 ? char16_t(0x20 + pick(95))
                           : kind < 9 ? char16_t(pick(32))
                                      : char16_t(pick(0x10000));
        const Qt::KeyboardModifiers mods = kind < 6 && pick(2) ? Qt::KeypadModifier : Qt::NoModifier;
        const bool ascii = c >= 0x20 && c < 0x7f;
        type(target, ascii ? QTest::asciiToKey(char(c)) : Qt::Key_unknown, QString(QChar(c)), mods);
        Action a(QStringLiteral("key U+%1 on %2").arg(int(c), 4, 16, QLatin1Char('0')).arg(where));
        if (target != w->Command1) {
            a.effect = Effect::Any;
        } else if (c >= u'1' && c <= u'9') {
            a.effect = Effect::Play;
            a.arg = kCellOfDigit[c - u'1'];
        } else {
            a.effect = c == u' ' ? Effect::NewGame : Effect::Nothing;
        }
        return a;
    }

    Action menu()
    {
        const int i = pick(10);
        const std::array<QAction*, 10> items{w->New1m,   w->New2m,   w->sbcm,    w->hbcm,   w->difm[1],
                                             w->difm[2], w->difm[3], w->difm[4], w->aboutm, w->aboutm};
        items[static_cast<std::size_t>(i)]->trigger();
        const std::array<Effect, 10> effects{Effect::NewGame,     Effect::Restart,     Effect::Open,
                                             Effect::Help,        Effect::ChooseLevel, Effect::ChooseLevel,
                                             Effect::ChooseLevel, Effect::ChooseLevel, Effect::Nothing,
                                             Effect::Nothing};
        Action a(QStringLiteral("menu ") + items[static_cast<std::size_t>(i)]->text(),
                 effects[static_cast<std::size_t>(i)], i >= 4 && i < 8 ? i - 3 : -1);
        a.about = i >= 8 ? 1 : -1;
        return a;
    }

    Action release()
    {
        QWidget* target = std::exchange(held, nullptr);
        const bool inside = pick(2);
        const QPoint at =
            inside ? target->rect().center() : QPoint(-1 - pick(200), target->height() + pick(200));
        // A button clicks only if it is still down: a disabled button takes no press, and
        // one that loses the focus or is disabled meanwhile lets go.
        const auto* cell = qobject_cast<Cell*>(target);
        const bool down = cell || static_cast<QAbstractButton*>(target)->isDown();
        QTest::mouseRelease(target, heldButton, {}, at);
        Action a(QStringLiteral("release %1 %2").arg(int(heldButton)).arg(inside ? "inside" : "outside"));
        if (heldButton == Qt::LeftButton && inside && down) {
            a.effect = cell ? Effect::Play : buttonEffect(target);
            a.arg = cell ? cell->index() : -1;
        }
        return a;
    }

    Action act()
    {
        if (held) {
            // With a mouse button held down only the keyboard can act: keys, or menus by their
            // access keys.
            const int k = pick(4);
            return k == 0 ? key() : k == 1 ? menu() : release();
        }
        enum Kind { ClickCell, Press, Key, ClickButton, Menu, Option, Name, FocusNewGame, CloseAbout, Idle };
        static constexpr std::array<double, 10> weights{10, 2, 6, 2, 2, 1, 1, 2, 2, 2};
        switch (std::discrete_distribution<int>(weights.begin(), weights.end())(rng)) {
        case ClickCell: {
            const int i = pick(9);
            const Qt::MouseButton b = anyButton();
            QTest::mouseClick(w->BO[static_cast<std::size_t>(i)], b);
            return {QStringLiteral("click %1 on cell %2").arg(int(b)).arg(i),
                    b == Qt::LeftButton ? Effect::Play : Effect::Nothing, i};
        }
        case Press: {
            const int i = pick(13);
            held = i < 9 ? static_cast<QWidget*>(w->BO[static_cast<std::size_t>(i)])
                         : std::array<QWidget*, 4>{w->Command1, w->Command2, w->Command3, w->Command4}[i - 9];
            heldButton = anyButton();
            QTest::mousePress(held, heldButton);
            return {QStringLiteral("press %1 on %2").arg(int(heldButton)).arg(i)};
        }
        case Key:
            return key();
        case ClickButton: {
            ColourButton* b = std::array{w->Command1, w->Command2, w->Command3, w->Command4}[pick(4)];
            const Qt::MouseButton button = anyButton();
            const bool enabled = b->isEnabled();
            QTest::mouseClick(b, button);
            return {QStringLiteral("click %1 on %2").arg(int(button)).arg(b->text()),
                    button == Qt::LeftButton && enabled ? buttonEffect(b) : Effect::Nothing};
        }
        case Menu:
            return menu();
        case Option: {
            const int i = 1 + pick(4);
            QTest::mouseClick(w->Level1[static_cast<std::size_t>(i)], Qt::LeftButton);
            return {QStringLiteral("option %1").arg(i), Effect::ChooseLevel, i};
        }
        case Name: {
            const std::array<std::optional<QString>, 6> answers{std::nullopt,
                                                                QString(),
                                                                QStringLiteral("Ann"),
                                                                QString(300, QChar(u'W')),
                                                                QStringLiteral("<b>x</b>"),
                                                                QStringLiteral("&Ann")};
            dialogs->nextName = answers[static_cast<std::size_t>(pick(6))];
            QTest::mouseClick(w->Label1, Qt::LeftButton);
            Action a(QStringLiteral("name %1").arg(dialogs->nextName.value_or("(cancel)").left(12)),
                     Effect::Name);
            a.name = dialogs->nextName;
            return a;
        }
        case FocusNewGame:
            // Back to New Game, as a user clicks into the window and tabs there.
            w->activateWindow();
            w->Command1->setFocus();
            QCoreApplication::processEvents();
            return {QStringLiteral("focus New Game")};
        case CloseAbout:
            if (frmAbout* about = w->aboutDialog()) {
                if (pick(2)) {
                    QTest::mouseClick(about->cmdOK, Qt::LeftButton);
                } else {
                    about->close();
                }
                Action a(QStringLiteral("close About"));
                a.about = 0;
                return a;
            }
            break;
        }
        // The user pauses: the window repaints and pending events run.
        QCoreApplication::processEvents();
        return {QStringLiteral("idle")};
    }

    // The first rule broken after `a` took the window from `b` to `n`, or empty.
    QString fault(const Snapshot& b, const Snapshot& n, const Action& a)
    {
        if (!boxFault.isEmpty()) {
            return std::exchange(boxFault, {});
        }
        for (const Cell* c : w->BO) {
            const QString& m = c->caption();
            if (!(m.isEmpty() || (m == u"X" && c->foreColor() == colours::kMarkRed) ||
                  (m == u"O" && c->foreColor() == colours::kMarkBlue))) {
                return QStringLiteral("cell %1 shows '%2' in %3")
                    .arg(c->index())
                    .arg(m, c->foreColor().name());
            }
            if (!held && c->backColor() != colours::kWhite) {
                return QStringLiteral("cell %1 background %2 at rest")
                    .arg(c->index())
                    .arg(c->backColor().name());
            }
        }
        for (const ColourButton* c : {w->Command1, w->Command2, w->Command3, w->Command4}) {
            if (!held && c->backColor() != colours::kLightBlue) {
                return QStringLiteral("%1 background %2 at rest").arg(c->text(), c->backColor().name());
            }
        }
        if (owns(n.board, Mark::X) || owns(n.board, Mark::O)) {
            return QStringLiteral("a won line left on the board");
        }
        const bool empty = isEmpty(n.board);
        if (w->Command2->isEnabled() != empty || w->sbcm->isEnabled() != empty) {
            return QStringLiteral("Computer available: %1 / %2")
                .arg(w->Command2->isEnabled())
                .arg(w->sbcm->isEnabled());
        }
        if (n.level < 1 || n.level > 4 ||
            w->Label2->text() != kLevelNames[static_cast<std::size_t>(n.level)]) {
            return QStringLiteral("Level %1 shown as '%2'").arg(n.level).arg(w->Label2->text());
        }
        for (std::size_t i = 1; i <= 4; ++i) {
            if (w->Level1[i]->isChecked() != (int(i) == n.level) ||
                w->difm[i]->isChecked() != (int(i) == n.level)) {
                return QStringLiteral("option/menu %1 disagrees with Level %2").arg(i).arg(n.level);
            }
        }
        if (w->size() != size) {
            return QStringLiteral("window resized to %1x%2").arg(w->size().width()).arg(w->size().height());
        }
        if (a.name && n.name != *a.name) {
            return QStringLiteral("name shown as '%1'").arg(n.name.left(40));
        }
        if (a.about >= 0 && (w->aboutDialog() && w->aboutDialog()->isVisible()) != (a.about == 1)) {
            return QStringLiteral("About box %1").arg(a.about ? "not open" : "still there");
        }

        // Scores: decimal text that rises by one for each box of its own, and
        // drops only back to "0" with a restart.
        static const QRegularExpression decimal(QStringLiteral("^(0|[1-9][0-9]*)$"));
        if (!decimal.match(n.computer).hasMatch() || !decimal.match(n.player).hasMatch()) {
            return QStringLiteral("scores '%1' '%2'").arg(n.computer, n.player);
        }
        int wins = 0, fails = 0;
        for (std::size_t i = b.boxes; i < n.boxes; ++i) {
            (dialogs->outcomes[i].text == kWin ? wins : fails)++;
        }
        const bool restarted =
            n.computer == u"0" && n.player == u"0" && n.name == u"You" && empty && !wins && !fails;
        const bool mayRestart =
            a.effect == Effect::Restart || a.effect == Effect::ChooseLevel || a.effect == Effect::Any;
        const bool counted = n.computer.toLongLong() == b.computer.toLongLong() + fails &&
                             n.player.toLongLong() == b.player.toLongLong() + wins;
        if (!counted && !(mayRestart && restarted)) {
            return QStringLiteral("scores %1:%2 became %3:%4 after %5 win(s), %6 loss(es)")
                .arg(b.computer, b.player, n.computer, n.player)
                .arg(wins)
                .arg(fails);
        }
        if (n.level != b.level && !restarted) {
            return QStringLiteral("level changed without a restart");
        }

        // What the action itself may do.
        const bool boxes = n.boxes != b.boxes;
        Snapshot kept = n;  // the state before, with the game (board, boxes, scores) as it is now
        kept.name = b.name;
        kept.level = b.level;
        kept.prompts = b.prompts;
        const auto playedOne = [&](int cell) {  // one X at `cell` (any free cell if -1) and at most one O
            if (boxes) {                        // a finished game: cleared, perhaps opened by the computer
                return count(n.board, Mark::X) == 0 && count(n.board, Mark::O) <= 1;
            }
            int xs = 0, os = 0;
            for (std::size_t i = 0; i < 9; ++i) {
                if (n.board[i] != b.board[i]) {
                    if (b.board[i] != Mark::None || (n.board[i] == Mark::X && cell >= 0 && int(i) != cell)) {
                        return false;
                    }
                    (n.board[i] == Mark::X ? xs : os)++;
                }
            }
            return xs == 1 && os <= 1;
        };
        bool ok = true;
        switch (a.effect) {
        case Effect::Nothing:
            ok = n == b;
            break;
        case Effect::Play:
            ok = b.board[static_cast<std::size_t>(a.arg)] != Mark::None ? n == b
                                                                        : kept == n && playedOne(a.arg);
            break;
        case Effect::Help:
            ok = isFull(b.board) ? n == b : kept == n && playedOne(-1);
            break;
        case Effect::NewGame:
            ok = kept == n && empty && !boxes;
            break;
        case Effect::Open:
            ok = isEmpty(b.board)
                     ? kept == n && !boxes && count(n.board, Mark::O) == 1 && count(n.board, Mark::X) == 0
                     : n == b;
            break;
        case Effect::Restart:
            ok = restarted && n.level == b.level;
            break;
        case Effect::ChooseLevel:
            ok = a.arg == b.level ? n == b : restarted && n.level == a.arg;
            break;
        case Effect::Name:
            ok = n.board == b.board && n.computer == b.computer && n.player == b.player &&
                 n.level == b.level && !boxes && (a.name || n.name == b.name) && n.prompts == b.prompts + 1 &&
                 dialogs->prompts.back() == u" What is your name ? ";
            break;
        case Effect::Any:
            break;
        }
        return ok ? QString()
                  : QStringLiteral("did not do what %1 does")
                        .arg(kEffectNames[static_cast<std::size_t>(a.effect)]);
    }

    static QString boardText(const Board& b)
    {
        QString s;
        for (Mark m : b) {
            s += m == Mark::X ? u'X' : m == Mark::O ? u'O' : u'.';
        }
        return s;
    }

private slots:
    void initTestCase()
    {
        // The offscreen platform says at every About box that it cannot raise a window;
        // a long run would hit QtTest's cap on warnings and lose the figures at the end.
        static QtMessageHandler testlib = nullptr;
        testlib = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (!text.startsWith(u"This plugin does not support")) {
                    testlib(type, context, text);
                }
            });
    }

    void randomActionsKeepTheRules_data()
    {
        QTest::addColumn<std::uint32_t>("seed");
        for (std::uint32_t seed : kSeeds) {
            QTest::newRow(QByteArray::number(seed)) << seed;
        }
    }

    void randomActionsKeepTheRules()
    {
        QFETCH(std::uint32_t, seed);
        rng.seed(seed);
        dialogs = std::make_unique<FakeDialogs>();
        desktop = std::make_unique<FakeDesktop>();
        w = std::make_unique<Form1>(*dialogs, *desktop);
        held = nullptr;
        // Looked at while the box is open: the winner's line is still on the board.
        dialogs->onOutcome = [this](const QString& text) {
            const Board b = w->board();
            if (!(text == kWin && owns(b, Mark::X) && w->Level != 4) &&
                !(text == kFail && owns(b, Mark::O) && !owns(b, Mark::X))) {
                boxFault =
                    QStringLiteral("box '%1' at Level %2 over %3").arg(text).arg(w->Level).arg(boardText(b));
            }
            if (dialogs->outcomes.back().parent != w.get()) {
                boxFault = QStringLiteral("box not owned by the window");
            }
        };
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        size = w->size();

        std::deque<QString> recent;
        const long actions = kActions / long(kSeeds.size());
        QElapsedTimer timer;
        timer.start();
        for (long step = 0; step < actions; ++step) {
            const Snapshot before = snap();
            const Action a = act();
            // As when control goes back to the event loop: layouts settle, discarded windows go.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            recent.push_back(QStringLiteral("%1: %2 -> %3").arg(step).arg(a.what, boardText(w->board())));
            if (recent.size() > 12) {
                recent.pop_front();
            }
            const QString f = fault(before, snap(), a);
            if (!f.isEmpty()) {
                QStringList log(recent.begin(), recent.end());
                QFAIL(qPrintable(
                    QStringLiteral("seed %1, action %2 (%3): %4\n  from %5\n  %6")
                        .arg(seed)
                        .arg(step)
                        .arg(a.what, f, boardText(before.board), log.join(QStringLiteral("\n  ")))));
            }
        }
        if (held) {
            QTest::mouseRelease(held, heldButton);
        }
        seconds += timer.nsecsElapsed() / 1e9;
        total += actions;
        w.reset();
    }

    // Held on Computer, Space (or Help by Computer from the menu) disables it, and a
    // disabled button gets no release: it must still not stay green.
    void aButtonDisabledWhileHeldTurnsBackOnRelease()
    {
        FakeDialogs d;
        FakeDesktop desk;
        for (const bool byMenu : {false, true}) {
            Form1 f(d, desk);
            QTest::mousePress(f.Command2, Qt::LeftButton);
            byMenu ? f.hbcm->trigger() : type(f.Command2, Qt::Key_Space, QStringLiteral(" "), Qt::NoModifier);
            QVERIFY(!f.Command2->isEnabled());
            QTest::mouseRelease(f.Command2, Qt::LeftButton);
            QCOMPARE(f.Command2->backColor(), colours::kLightBlue);
        }
    }

    void cleanupTestCase()
    {
        qInfo("%ld actions in %.2f s: %.0f actions/s", total, seconds, seconds > 0 ? total / seconds : 0.0);
    }
};

QTEST_MAIN(PropertyTest)
#include "property_test.moc"
