// The game window as a screen reader meets it: through QAccessible, the layer
// every platform bridge (AT-SPI, UI Automation, NSAccessibility) reads from.
// Change events reach a reader only through a bridge, so ctest runs this again
// under AT-SPI (accessibility_tests_atspi), where they are checked too.

#include <QAccessible>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "ui/platform/dialogs.hpp"
#include "window.hpp"

using namespace vovodi;

namespace {

QAccessibleInterface* accessible(QObject* o)
{
    return QAccessible::queryAccessibleInterface(o);
}

// The first interface from `root` down, as a screen reader walks them, with `role` and `name`.
QAccessibleInterface* find(QAccessibleInterface* root, QAccessible::Role role, const QString& name)
{
    if (root->role() == role && root->text(QAccessible::Name) == name) {
        return root;
    }
    QAccessibleInterface* found = nullptr;
    for (int i = 0; i < root->childCount() && !found; ++i) {
        found = root->child(i) ? find(root->child(i), role, name) : nullptr;
    }
    return found;
}

void press(QObject* o)
{
    QAccessibleActionInterface* action = accessible(o)->actionInterface();
    QVERIFY(action && action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    action->doAction(QAccessibleActionInterface::pressAction());
}

// What a screen reader was told of each object: "<name as it arrived>" or "value:<value>".
QHash<const QObject*, QStringList> heard;

void listen(QAccessibleEvent* e)
{
    if (e->type() == QAccessible::NameChanged) {
        heard[e->object()] << e->accessibleInterface()->text(QAccessible::Name);
    } else if (const auto* change = dynamic_cast<QAccessibleValueChangeEvent*>(e)) {
        heard[e->object()] << QStringLiteral("value:") + change->value().toString();
    }
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::installUpdateHandler(listen); }
    void cleanupTestCase() { QAccessible::installUpdateHandler(nullptr); }

    void cellsScoresAndMenusAsAReaderFindsThem()
    {
        // tests/atspi/run.sh turns the bridge on; it connects over D-Bus meanwhile.
        const bool bridge = qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
        QTRY_VERIFY(!bridge || QAccessible::isActive());
        testing::Window win;
        Form1& w = win.w;
        w.show();
        w.Level1[2]->click();  // Hard
        win.dialogs.nextName = QStringLiteral("Ann");
        w.Label1_Click();
        heard.clear();
        for (int cell : {0, 8, 6, 3}) {  // pressed by the reader: the left column, and the next game opens
            press(w.BO[cell]);
        }
        QCOMPARE(accessible(w.Label4)->text(QAccessible::Name), QStringLiteral("Ann score 1"));
        const QStringList toldOfScore = heard.value(w.Label4);
        // Found by walking down from the window, as a reader does.
        const QStringList places = QStringLiteral("Top left/Top centre/Top right/Middle left/Centre/"
                                                  "Middle right/Bottom left/Bottom centre/Bottom right")
                                       .split(u'/');
        for (int i = 0; i < 9; ++i) {
            const QString name = places[i] + (i == 4 ? QStringLiteral(", O") : QStringLiteral(", empty"));
            QAccessibleInterface* cell = find(accessible(&w), QAccessible::Button, name);
            QVERIFY2(cell && cell->object() == w.BO[i], qPrintable(name));
        }
        for (const auto& [name, key] : {std::pair{"Edit", "Alt+E"}, std::pair{"Difficulty", "Alt+D"},
                                        std::pair{"About", "Alt+A"}, std::pair{"No Win", "Alt+W"}}) {
            QAccessibleInterface* item = find(accessible(&w), QAccessible::MenuItem, QLatin1String(name));
            QVERIFY2(item && item->text(QAccessible::Accelerator) == QLatin1String(key), name);
        }
        win.dialogs.nextName = QString();  // a name left empty is still someone's score
        w.Label1_Click();
        QCOMPARE(accessible(w.Label4)->text(QAccessible::Name), QStringLiteral("Player score 1"));
        if (!bridge) {
            QSKIP("no screen reader bridge to send change events: accessibility_tests_atspi checks them");
        }
        // Each change told once: the X and the emptied board; the centre's O stays over the next game.
        QCOMPARE(toldOfScore, QStringList{QStringLiteral("Ann score 1")});
        QCOMPARE(heard.value(w.BO[3]),
                 (QStringList{"Middle left, X", "value:X", "Middle left, empty", "value:empty"}));
        QCOMPARE(heard.value(w.BO[4]), (QStringList{"Centre, O", "value:O"}));
    }

    void theRealBoxReadsAsAnAlert()
    {
        QtDialogs real;
        QObject timers;  // ends with this test, and its timer with it
        QString read;
        QTimer::singleShot(0, &timers, [&] {
            QWidget* box = QApplication::activeModalWidget();
            read = QStringLiteral("%1 %2")
                       .arg(accessible(box)->role())
                       .arg(accessible(box)->text(QAccessible::Value));
            box->close();
        });
        real.showOutcome(nullptr, QStringLiteral("<< You Failed >>"));
        QCOMPARE(read, QStringLiteral("%1 << You Failed >>").arg(QAccessible::AlertMessage));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
