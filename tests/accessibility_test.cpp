// The game window as a screen reader meets it: through QAccessible, the layer
// every platform bridge (AT-SPI, UI Automation, NSAccessibility) reads from.

#include <functional>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include <QAccessible>
#include <QMenuBar>
#include <QTimer>
#include <QtTest>

#include "fakes.hpp"
#include "ui/main/colours.hpp"
#include "ui/main/form1.hpp"
#include "ui/platform/dialogs.hpp"

using namespace vovodi;
using vovodi::testing::FakeDesktop;
using vovodi::testing::FakeDialogs;

namespace {

const QStringList kPlaces{
    QStringLiteral("Top left"),    QStringLiteral("Top centre"),    QStringLiteral("Top right"),
    QStringLiteral("Middle left"), QStringLiteral("Centre"),        QStringLiteral("Middle right"),
    QStringLiteral("Bottom left"), QStringLiteral("Bottom centre"), QStringLiteral("Bottom right"),
};

QAccessibleInterface* accessible(QObject* o)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o);
    if (!iface || !iface->isValid()) {
        qFatal("no accessible interface for %s", o ? o->metaObject()->className() : "null");
    }
    return iface;
}

QString nameOf(QObject* o)
{
    return accessible(o)->text(QAccessible::Name);
}

// Every interface below `root`, depth first, the way a screen reader walks the tree.
void walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit)
{
    visit(root);
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* child = root->child(i)) {
            walk(child, visit);
        }
    }
}

// The first interface below `root` with `role`, and with `name` when one is given.
QAccessibleInterface* findInTree(QAccessibleInterface* root, QAccessible::Role role, const QString& name = {})
{
    QAccessibleInterface* found = nullptr;
    walk(root, [&](QAccessibleInterface* i) {
        if (!found && i->role() == role && (name.isNull() || i->text(QAccessible::Name) == name)) {
            found = i;
        }
    });
    return found;
}

void press(QObject* o)
{
    QAccessibleActionInterface* action = accessible(o)->actionInterface();
    QVERIFY(action);
    QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    action->doAction(QAccessibleActionInterface::pressAction());
}

// What a screen reader was told of each object, as "name:<new name>" (read
// back when the change arrives) and "value:<new value>".
std::vector<std::pair<const QObject*, QString>> heard;

void listen(QAccessibleEvent* e)
{
    if (e->type() == QAccessible::NameChanged) {
        heard.emplace_back(e->object(),
                           QStringLiteral("name:") + e->accessibleInterface()->text(QAccessible::Name));
    } else if (e->type() == QAccessible::ValueChanged) {
        const QVariant value = static_cast<QAccessibleValueChangeEvent*>(e)->value();
        heard.emplace_back(e->object(), QStringLiteral("value:") + value.toString());
    }
}

QStringList heardOf(const QObject* o)
{
    QStringList lines;
    for (const auto& [object, line] : heard) {
        if (object == o) {
            lines << line;
        }
    }
    return lines;
}

int cellWith(const Form1& w, const QString& mark)
{
    for (int i = 0; i < 9; ++i) {
        if (w.BO[i]->caption() == mark) {
            return i;
        }
    }
    return -1;
}

void setBoard(Form1& w, const QString& cells)
{
    for (int i = 0; i < 9; ++i) {
        w.BO[i]->setCaption(cells[i] == u'.' ? QString() : QString(cells[i]));
    }
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeDialogs> dialogs;
    std::unique_ptr<FakeDesktop> desktop;
    std::unique_ptr<Form1> w;

    // Runs `answer` on the modal box that `open` shows, while it is open.
    template <typename Open>
    void whileOpen(Open open, const std::function<void(QAccessibleInterface*)>& answer)
    {
        bool answered = false;
        QTimer::singleShot(0, [&] {
            answer(accessible(QApplication::activeModalWidget()));
            answered = true;
        });
        open();
        QVERIFY(answered);
        QVERIFY(!QApplication::activeModalWidget());
    }

private slots:
    void initTestCase() { QAccessible::installUpdateHandler(listen); }
    void cleanupTestCase() { QAccessible::installUpdateHandler(nullptr); }

    void init()
    {
        dialogs = std::make_unique<FakeDialogs>();
        desktop = std::make_unique<FakeDesktop>();
        w = std::make_unique<Form1>(*dialogs, *desktop);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        heard.clear();
    }
    void cleanup() { w.reset(); }

    void theBoardReadsAsNineButtonsByPlaceAndMark()
    {
        // Walking the window's tree finds the nine cells, row by row.
        QStringList found, empty;
        walk(accessible(w.get()), [&](QAccessibleInterface* i) {
            if (qobject_cast<Cell*>(i->object())) {
                found << i->text(QAccessible::Name);
            }
        });
        for (const QString& place : kPlaces) {
            empty << place + QStringLiteral(", empty");
        }
        QCOMPARE(found, empty);
        for (Cell* c : w->BO) {
            QAccessibleInterface* i = accessible(c);
            QCOMPARE(i->role(), QAccessible::Button);
            QVERIFY(!i->state().invisible && !i->state().disabled);
            QCOMPARE(i->rect(), QRect(c->mapToGlobal(QPoint(0, 0)), c->size()));
        }

        QTest::mouseClick(w->BO[0], Qt::LeftButton);
        const int o = cellWith(*w, QStringLiteral("O"));
        QVERIFY(o > 0);
        for (int i = 0; i < 9; ++i) {
            const QString mark = i == 0   ? QStringLiteral("X")
                                 : i == o ? QStringLiteral("O")
                                          : QStringLiteral("empty");
            QCOMPARE(nameOf(w->BO[i]), kPlaces[i] + QStringLiteral(", ") + mark);
            QCOMPARE(accessible(w->BO[i])->text(QAccessible::Value), mark);
        }
    }

    void pressingACellPlaysItAsAClickDoes()
    {
        // One window played through the reader, one with the mouse: captions,
        // colours and pixels agree.
        FakeDialogs otherDialogs;
        Form1 mouse(otherDialogs, *desktop);
        mouse.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mouse));
        QTest::mouseClick(mouse.BO[4], Qt::LeftButton);
        press(w->BO[4]);
        QCOMPARE(w->BO[4]->caption(), QStringLiteral("X"));
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(w->BO[i]->caption(), mouse.BO[i]->caption());
            QCOMPARE(w->BO[i]->foreColor(), mouse.BO[i]->foreColor());
            QCOMPARE(w->BO[i]->backColor(), colours::kWhite);
        }
        QCOMPARE(w->centralWidget()->grab().toImage(), mouse.centralWidget()->grab().toImage());
        QVERIFY(accessible(w->Command2)->state().disabled);  // the computer may no longer open

        const int o = cellWith(*w, QStringLiteral("O"));
        press(w->BO[o]);  // a taken cell stays as it is
        QCOMPARE(w->BO[o]->caption(), QStringLiteral("O"));
        QCOMPARE(cellWith(*w, QStringLiteral("X")), 4);

        press(w->Command1);  // New Game, through its own action (an animated click)
        QTRY_COMPARE(cellWith(*w, QStringLiteral("X")), -1);
        QVERIFY(!accessible(w->Command2)->state().disabled);
    }

    void eachChangeIsToldAsItHappens()
    {
        if (!QAccessible::isActive()) {
            QSKIP("no screen reader bridge on this platform: tests/atspi/run.sh runs this with AT-SPI on");
        }
        press(w->BO[4]);
        const int o = cellWith(*w, QStringLiteral("O"));
        QVERIFY(o >= 0);

        // Each changed cell reports its new name and value, and already reads
        // the new name when the change arrives; the others stay silent.
        QCOMPARE(heardOf(w->BO[4]),
                 QStringList({QStringLiteral("name:Centre, X"), QStringLiteral("value:X")}));
        QCOMPARE(heardOf(w->BO[o]), QStringList({QStringLiteral("name:") + kPlaces[o] + QStringLiteral(", O"),
                                                 QStringLiteral("value:O")}));
        for (int i = 0; i < 9; ++i) {
            QVERIFY2(i == 4 || i == o || heardOf(w->BO[i]).isEmpty(), qPrintable(kPlaces[i]));
        }

        heard.clear();
        press(w->BO[o]);  // a taken cell: nothing changes, nothing is said
        QVERIFY(heardOf(w->BO[o]).isEmpty());
        w->Command1->click();
        QCOMPARE(heardOf(w->BO[4]),
                 QStringList({QStringLiteral("name:Centre, empty"), QStringLiteral("value:empty")}));

        // A lost game: the computer completes its top row, and its new score is told.
        setBoard(*w, QStringLiteral("OO.XX...."));
        heard.clear();
        press(w->BO[8]);
        QCOMPARE(heardOf(w->Label3), QStringList(QStringLiteral("name:Computer score 1")));
    }

    void theScoreboardSpeaksScoresAndName()
    {
        QCOMPARE(accessible(w->Label3)->role(), QAccessible::StaticText);
        QCOMPARE(nameOf(w->Label2), QStringLiteral("Difficulty, No Win"));
        QCOMPARE(nameOf(w->Label4), QStringLiteral("You score 0"));

        setBoard(*w, QStringLiteral("OO.XX...."));  // the computer completes its top row
        press(w->BO[8]);
        QCOMPARE(dialogs->outcomes.size(), std::size_t{1});
        QCOMPARE(dialogs->outcomes[0].text, QStringLiteral("<< You Failed >>"));
        QCOMPARE(nameOf(w->Label3), QStringLiteral("Computer score 1"));
        QCOMPARE(w->Label3->text(), QStringLiteral("1"));  // the caption still shows just the number

        dialogs->nextName = QStringLiteral("Ann");
        w->Label1_Click();
        QCOMPARE(nameOf(w->Label1), QStringLiteral("Player name, Ann"));
        setBoard(*w, QStringLiteral("XX.OO...."));
        press(w->BO[2]);
        QCOMPARE(dialogs->outcomes.back().text, QStringLiteral("<< You Win >>"));
        QCOMPARE(nameOf(w->Label4), QStringLiteral("Ann score 1"));
        QCOMPARE(w->Label4->text(), QStringLiteral("1"));

        dialogs->nextName = QString();  // a name left empty is still someone's score
        w->Label1_Click();
        QCOMPARE(nameOf(w->Label4), QStringLiteral("Player score 1"));

        w->Level1[1]->click();  // a new level restarts all
        QCOMPARE(nameOf(w->Label2), QStringLiteral("Difficulty, Easy"));
        QCOMPARE(nameOf(w->Label3), QStringLiteral("Computer score 0"));
        QCOMPARE(nameOf(w->Label4), QStringLiteral("You score 0"));
    }

    void optionsAndMenusKeepTheirNamesAndAccessLetters()
    {
        const QStringList levels{QStringLiteral("Easy"), QStringLiteral("Normal"), QStringLiteral("Hard"),
                                 QStringLiteral("No Win")};
        for (int i = 1; i <= 4; ++i) {
            QAccessibleInterface* option = accessible(w->Level1[i]);
            QCOMPARE(option->role(), QAccessible::RadioButton);
            QCOMPARE(option->text(QAccessible::Name), levels[i - 1]);
            QCOMPARE(bool(option->state().checked), i == 4);
        }
        w->difm[2]->trigger();  // the menu moves the options, and a reader sees it
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(bool(accessible(w->Level1[i])->state().checked), i == 2);
        }

        QCOMPARE(w->editm->title(), QStringLiteral("&Edit"));
        QCOMPARE(w->defm->title(), QStringLiteral("&Difficulty"));
        QStringList difficulty;
        for (int i = 1; i <= 4; ++i) {
            difficulty << w->difm[i]->text();
        }
        QCOMPARE(difficulty, QStringList({QStringLiteral("&Easy"), QStringLiteral("&Normal"),
                                          QStringLiteral("&Hard"), QStringLiteral("No &Win")}));
        // A reader names the items without the '&' and tells their keys.
        for (const auto& [menu, name, key] :
             {std::tuple{static_cast<QWidget*>(w->menuBar()), "Edit", "Alt+E"},
              std::tuple{static_cast<QWidget*>(w->menuBar()), "Difficulty", "Alt+D"},
              std::tuple{static_cast<QWidget*>(w->menuBar()), "About", "Alt+A"},
              std::tuple{static_cast<QWidget*>(w->defm), "No Win", "Alt+W"}}) {
            QAccessibleInterface* item =
                findInTree(accessible(menu), QAccessible::MenuItem, QLatin1String(name));
            QVERIFY2(item, name);
            QCOMPARE(item->text(QAccessible::Accelerator), QLatin1String(key));
        }
    }

    void theRealBoxesReadAsDialogsAndAnswerTheReader()
    {
        QtDialogs real;
        whileOpen([&] { real.showOutcome(w.get(), QStringLiteral("<< You Failed >>")); },
                  [](QAccessibleInterface* box) {
                      QCOMPARE(box->role(), QAccessible::AlertMessage);
                      QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Vovodi"));
                      QCOMPARE(box->text(QAccessible::Value), QStringLiteral("<< You Failed >>"));
                      QAccessibleInterface* ok = findInTree(box, QAccessible::Button, QStringLiteral("OK"));
                      QVERIFY(ok);
                      ok->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                  });

        // The name prompt: its question, a field the reader types into, and OK.
        std::optional<QString> name;
        whileOpen(
            [&] { name = real.askName(w.get(), QStringLiteral(" What is your name ? ")); },
            [](QAccessibleInterface* prompt) {
                QCOMPARE(prompt->role(), QAccessible::Dialog);
                QVERIFY(findInTree(prompt, QAccessible::StaticText, QStringLiteral(" What is your name ? ")));
                QAccessibleInterface* field = findInTree(prompt, QAccessible::EditableText);
                QVERIFY(field && field->editableTextInterface());
                field->editableTextInterface()->insertText(0, QStringLiteral("Ann"));
                QAccessibleInterface* ok = findInTree(prompt, QAccessible::Button, QStringLiteral("OK"));
                QVERIFY(ok);
                ok->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            });
        QCOMPARE(name, std::optional<QString>(QStringLiteral("Ann")));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
