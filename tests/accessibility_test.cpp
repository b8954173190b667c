// The game window as a screen reader meets it: through QAccessible, the layer
// every platform bridge (AT-SPI, UI Automation, NSAccessibility) reads from.
// Change events reach a reader only through a bridge, so ctest runs this again
// under AT-SPI (accessibility_tests_atspi), where they are checked too.

#include <functional>

#include <QAccessible>
#include <QTimer>
#include <QtTest>

#include "ui/platform/dialogs.hpp"
#include "window.hpp"

using namespace vovodi;

namespace {

const QStringList kPlaces = QStringLiteral("Top left/Top centre/Top right/Middle left/Centre/Middle right/"
                                           "Bottom left/Bottom centre/Bottom right")
                                .split(u'/');

QAccessibleInterface* accessible(QObject* o)
{
    return QAccessible::queryAccessibleInterface(o);
}

// The first interface from `root` down, as a screen reader walks them, with `role` (and `name`).
QAccessibleInterface* find(QAccessibleInterface* root, QAccessible::Role role, const QString& name = {})
{
    if (root->role() == role && (name.isNull() || root->text(QAccessible::Name) == name)) {
        return root;
    }
    QAccessibleInterface* found = nullptr;
    for (int i = 0; i < root->childCount() && !found; ++i) {
        found = root->child(i) ? find(root->child(i), role, name) : nullptr;
    }
    return found;
}

void press(QAccessibleInterface* i)
{
    QAccessibleActionInterface* action = i ? i->actionInterface() : nullptr;
    QVERIFY(action && action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    action->doAction(QAccessibleActionInterface::pressAction());
}

// What a screen reader was told of each object: "name:<the name read as it arrived>", "value:<value>".
QHash<const QObject*, QStringList> heard;

void listen(QAccessibleEvent* e)
{
    if (e->type() == QAccessible::NameChanged) {
        heard[e->object()] << QStringLiteral("name:") + e->accessibleInterface()->text(QAccessible::Name);
    } else if (const auto* change = dynamic_cast<QAccessibleValueChangeEvent*>(e)) {
        heard[e->object()] << QStringLiteral("value:") + change->value().toString();
    }
}

// Each cell whose mark differs from `before` ("X...O....") told its new name and value; the others nothing.
void checkToldSince(const Form1& w, const QString& before)
{
    for (int i = 0; i < 9; ++i) {
        QAccessibleInterface* cell = accessible(w.BO[i]);
        const QStringList told{QStringLiteral("name:") + cell->text(QAccessible::Name),
                               QStringLiteral("value:") + cell->text(QAccessible::Value)};
        QCOMPARE(heard.value(w.BO[i]), before[i] == testing::boardText(w)[i] ? QStringList() : told);
    }
}

// Runs `read` on the modal box that `open` shows, then closes it.
void whileOpen(const std::function<void()>& open, const std::function<void(QAccessibleInterface*)>& read)
{
    QObject timers;  // ends with this call, and its timer with it
    bool seen = false;
    QTimer::singleShot(0, &timers, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            seen = true;
            read(accessible(box));
            box->close();
        }
    });
    open();
    QVERIFY(seen);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installUpdateHandler(listen); }
    void cleanupTestCase() { QAccessible::installUpdateHandler(nullptr); }

    void cellsAreButtonsThatPlayWhenPressedAndMenusKeepTheirLetters()
    {
        testing::Window win, mouse;  // the same move through the reader and with the mouse
        Form1& w = win.w;
        w.show();
        press(accessible(w.BO[0]));
        QTest::mouseClick(mouse.w.BO[0], Qt::LeftButton);
        const QString board = testing::boardText(w);
        QCOMPARE(board, testing::boardText(mouse.w));
        QVERIFY(board.startsWith(u'X') && board.count(u'O') == 1);

        // Found by walking down from the window, as a reader does.
        for (int i = 0; i < 9; ++i) {
            const QString mark = board[i] == u'.' ? QStringLiteral("empty") : QString(board[i]);
            QAccessibleInterface* cell =
                find(accessible(&w), QAccessible::Button, kPlaces[i] + QStringLiteral(", ") + mark);
            QVERIFY2(cell && cell->object() == w.BO[i], qPrintable(kPlaces[i] + QStringLiteral(", ") + mark));
            QCOMPARE(cell->text(QAccessible::Value), mark);
        }
        // The menus keep their access letters.
        for (const auto& [name, key] : {std::pair{"Edit", "Alt+E"}, std::pair{"Difficulty", "Alt+D"},
                                        std::pair{"About", "Alt+A"}, std::pair{"No Win", "Alt+W"}}) {
            QAccessibleInterface* item = find(accessible(&w), QAccessible::MenuItem, QLatin1String(name));
            QVERIFY2(item, name);
            QCOMPARE(item->text(QAccessible::Accelerator), QLatin1String(key));
        }
    }

    void theScoresAreSpokenAndEachChangeIsTold()
    {
        // tests/atspi/run.sh turns the bridge on; it connects over D-Bus meanwhile.
        const bool bridge = qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
        QTRY_VERIFY(!bridge || QAccessible::isActive());
        testing::Window win;
        Form1& w = win.w;
        w.show();
        w.Level1[2]->click();  // Hard
        heard.clear();
        for (int cell : {0, 8, 6}) {
            press(accessible(w.BO[cell]));
        }
        win.dialogs.nextName = QStringLiteral("Ann");
        w.Label1_Click();
        heard.clear();
        press(accessible(w.BO[3]));  // the left column, and the computer opens the next game
        QCOMPARE(accessible(w.Label4)->text(QAccessible::Name), QStringLiteral("Ann score 1"));
        const QStringList toldOfScore = heard.value(w.Label4);
        for (int cell : {1, 2}) {  // the computer completes its diagonal
            press(accessible(w.BO[cell]));
        }
        QCOMPARE(accessible(w.Label3)->text(QAccessible::Name), QStringLiteral("Computer score 1"));
        win.dialogs.nextName = QString();  // a name left empty is still someone's score
        w.Label1_Click();
        QCOMPARE(accessible(w.Label4)->text(QAccessible::Name), QStringLiteral("Player score 1"));

        if (!bridge) {
            QSKIP("no screen reader bridge to send change events: accessibility_tests_atspi checks them");
        }
        QCOMPARE(toldOfScore, QStringList(QStringLiteral("name:Ann score 1")));
        heard.clear();
        press(accessible(w.BO[4]));
        checkToldSince(w, QStringLiteral("........."));
        const QString moved = testing::boardText(w);
        heard.clear();
        w.Command1->click();  // New Game
        checkToldSince(w, moved);
    }

    void theRealBoxesReadAsAnAlertAndADialog()
    {
        QtDialogs real;
        whileOpen([&] { real.showOutcome(nullptr, QStringLiteral("<< You Failed >>")); },
                  [](QAccessibleInterface* box) {
                      QCOMPARE(box->role(), QAccessible::AlertMessage);
                      QCOMPARE(box->text(QAccessible::Value), QStringLiteral("<< You Failed >>"));
                  });
        whileOpen([&] { real.askName(nullptr, QStringLiteral(" What is your name ? ")); },
                  [](QAccessibleInterface* prompt) {
                      QCOMPARE(prompt->role(), QAccessible::Dialog);
                      QVERIFY(find(prompt, QAccessible::StaticText, QStringLiteral(" What is your name ? ")));
                  });
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
