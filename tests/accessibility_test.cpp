// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window as a screen reader meets it: through QAccessible, the layer
// every platform bridge (AT-SPI, UI Automation, NSAccessibility) reads from.
// ctest runs this again with the AT-SPI bridge on (accessibility_tests_atspi);
// what a real reader hears of the game, Orca's test checks (orca_game). And
// the real name prompt as a player meets it.

#include <QAccessible>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProxyStyle>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "fakes.hpp"

using namespace vovodi;
using testing::part;

namespace {

QAccessibleInterface* accessible(QObject* o)
{
    return QAccessible::queryAccessibleInterface(o);
}

// What a reader finds walking down from `i`, one "Role Name|Description|Actions" a line; what it is told not
// to show, it skips.
QString walk(QAccessibleInterface* i)
{
    QString seen;
    if (!i->state().invisible) {
        QDebug(&seen) << i->role();
        const QStringList actions =
            i->actionInterface() ? i->actionInterface()->actionNames() : QStringList();
        seen = seen.remove("QAccessible::").trimmed() + u' ' + i->text(QAccessible::Name) + u'|' +
               i->text(QAccessible::Description) + u'|' + actions.join(u',') + u'\n';
        for (int c = 0; c < i->childCount(); ++c) {
            seen += i->child(c) ? walk(i->child(c)) : QString();
        }
    }
    return seen;
}

void press(QObject* o)
{
    accessible(o)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// A desktop style that puts an icon on every button of a box, as some themes do.
struct IconsOnBoxButtons final : QProxyStyle {
    int styleHint(StyleHint h, const QStyleOption* o, const QWidget* w, QStyleHintReturn* r) const override
    {
        return h == SH_DialogButtonBox_ButtonsHaveIcons || QProxyStyle::styleHint(h, o, w, r);
    }
};

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void theGameAsAReaderFindsIt()
    {
        // tests/atspi/run.sh turns the bridge on; it connects over D-Bus meanwhile. With it on, what a
        // reader is told of each command beyond the controls, one utterance ("|") each, in order: as
        // announcements, or a notice as it is shown.
        const bool bridge = qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
        QTRY_VERIFY(!bridge || QAccessible::isActive());
        static QString heard;
        static int events = 0, names = 0;  // none at all, where accessibility is inactive
        const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
            ++events;
            names += qobject_cast<Cell*>(e->object()) ? e->type() == QAccessible::NameChanged
                                                      : e->type() == QAccessible::TextUpdated;
            const auto* widget = qobject_cast<QWidget*>(e->object());  // a focus it does not have
            heard += e->type() == QAccessible::Focus && widget && !widget->hasFocus() ? "Unfocused|" : "";
#ifdef VOVODI_READER_VOICE_announcement
            // Assertive: heard before anything older a reader has queued.
            using enum QAccessible::AnnouncementPoliteness;
            if (const auto* said = dynamic_cast<QAccessibleAnnouncementEvent*>(e)) {
                heard += said->message() + (said->politeness() == Assertive ? "|" : " (polite)|");
            }
#else
            if (e->type() == QAccessible::ObjectShow &&
                e->accessibleInterface()->role() == QAccessible::Notification) {
                heard += e->accessibleInterface()->text(QAccessible::Name) + u'|';
            }
#endif
        });
        testing::Window win;
        GameWindow& w = win.w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(accessible(part(w, "playerScoreLabel"))->text(QAccessible::Name),
                 QStringLiteral("Your score 0"));
        part<QRadioButton>(w, "levelOption3")->click();  // Hard
        win.dialogs.nextName = QStringLiteral("Ann");
        press(part(w, "nameLabel"));
        part(w, "helpButton")->setFocus();  // the board told of while the focus is elsewhere
        for (int cell : {0, 8, 6, 3}) {     // pressed by the reader: the left column, and the next game opens
            press(testing::cell(w, cell));
        }
        // Each cell a button named by its place and mark, to be pressed; each score with its row; New
        // Game with the board for Where Am I; no "=", and of the window's unnamed panes only the client
        // area, not the lines over it.
        const QString tree = walk(accessible(&w));
        QVERIFY2(tree.contains(
                     "Button Top left, empty|Board cell 1 of 9|Press\nButton Top centre, empty|Board cell "
                     "2 of 9|Press\nButton Top right, empty|Board cell 3 of 9|Press\nButton Middle left, "
                     "empty|Board cell 4 of 9|Press\nButton Centre, O|Board cell 5 of 9|Press\nButton "
                     "Middle right, empty|Board cell 6 of 9|Press\nButton Bottom left, empty|Board cell "
                     "7 of 9|Press\nButton Bottom centre, empty|Board cell 8 of 9|Press\nButton Bottom "
                     "right, empty|Board cell 9 of 9|Press\n"),
                 qPrintable(tree));
        for (const char* line :
             {"Button New Game|Board: O centre; 8 cells free.|Press,SetFocus\n",
              "StaticText Difficulty, Hard||\n", "StaticText Computer score 0||\n",
              "Button Player name, Ann|Press to enter your name|Press\n", "StaticText Ann score 1||\n"}) {
            QVERIFY2(tree.contains(line), line);
        }
        QVERIFY2(!tree.contains(u'=') && !tree.contains("NoRole") && tree.count("Client ||\n") == 1,
                 qPrintable(tree));
        // Centre taken; a new game to a full board ("1 cell free" first); Help on it: the board is full.
        auto* newGame = part<QPushButton>(w, "newGameButton");
        for (const char* key : {"5", "", "5", "3", "8", "4", "1"}) {
            QVERIFY(*key != '1' ||
                    accessible(newGame)->text(QAccessible::Description).endsWith("; 1 cell free."));
            *key ? QTest::keyClick(newGame, *key) : newGame->click();
        }
        part<QPushButton>(w, "helpButton")->click();
        newGame->setDown(true);
        QVERIFY(accessible(newGame)->state().pressed);  // held, for a reader too
        QAccessible::installUpdateHandler(previous);
        QCOMPARE(
            heard,
            events ? "X top left. O centre.|X bottom right. O top right.|X bottom left. O bottom centre.|"
                     "X middle left. Computer 0, Ann 1. O centre.|Centre is taken.|X centre. O top left.|"
                     "X bottom right. O top right.|X top centre. O bottom centre.|"
                     "X middle left. O middle right.|X bottom left. Board full, a draw.|Board full, a draw.|"
                   : "");
        // Each cell's mark as it changes, and the player's name as text where a reader listens.
        QCOMPARE(names, events ? 23 + QAccessible::isActive() : 0);
    }

    // The real boxes: the name prompt keeps a pasted name whole (100 000 characters, an emoji at every other
    // one, so that a cut anywhere splits one or falls beside one), and Escape cancels it; the outcome box
    // has no icon. Each is titled as the game, with OK and Cancel as they look with no icon.
    void theRealBoxesKeepAPastedNameWholeAndShowNoIcons()
    {
        QApplication::setStyle(new IconsOnBoxButtons);
        const QString name =
            QString::fromUtf8("\xF0\x9F\x98\x80" + QByteArray("a\xF0\x9F\x98\x80").repeated(49999) + "z");
        QtDialogs dialogs;
        QWidget over;
        QString seen;  // each box's title, how many icons it shows, and the name it gave
        for (int n = 0; n < 3; ++n) {
            QTimer::singleShot(0, &over, [&, n] {
                auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                const auto* message = qobject_cast<QMessageBox*>(box);
                int iconed = message && !message->iconPixmap().isNull();
                for (QAbstractButton* button : box->findChild<QDialogButtonBox*>()->buttons()) {
                    const QImage shown = button->grab().toImage();
                    button->setIcon(QIcon());
                    iconed += button->grab().toImage() != shown;
                }
                seen += box->windowTitle() + QString::number(iconed) + u' ';
                QApplication::clipboard()->setText(name);
                for (QLineEdit* edit : box->findChildren<QLineEdit*>()) {
                    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
                }
                QTest::keyClick(box, n == 1 ? Qt::Key_Escape : Qt::Key_Return);
            });
            const auto answer = n < 2 ? dialogs.askName(&over, "Your name?")
                                      : (dialogs.showOutcome(&over, "<< You Win >>"), std::nullopt);
            seen += answer == name ? "whole " : answer ? "cut " : "none ";
        }
        QCOMPARE(seen, "Vovodi0 whole Vovodi0 none Vovodi0 none ");
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
