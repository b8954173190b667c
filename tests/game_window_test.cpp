// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window as a view: what it draws, every control, menu item and key
// reaching its command, the window showing the game's state; press colours,
// let go when a box takes the mouse; the box over the final position; names as
// plain text; the keyboard alone. And the About box: its rows, keys and
// buttons, and the user shown readably. The rules themselves are proved on the
// model in game_test.

#include <QAction>
#include <QBitmap>
#include <QDialog>
#include <QFontDatabase>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QtTest>

#include "app/app_info.hpp"
#include "fakes.hpp"
#include "ui/about/about_dialog.hpp"

using namespace vovodi;
using namespace vovodi::testing;
using namespace vovodi::app;

const QString kLicence = "This product is licensed to: ";
const QStringList kRows{"titleRow", "versionRow", "companyRow", "copyrightRow", "licenseeRow"};

namespace {

// Where `colour` is drawn in `widget` (within `area`), or with `other`, anything else: the box of those
// pixels.
QRect inkOf(QWidget* widget, QRgb colour, bool other = false, QRect area = {0, 0, -1, -1})
{
    const QImage image = widget->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    const auto mode = other ? Qt::MaskInColor : Qt::MaskOutColor;
    return QRegion(QBitmap::fromImage(image.createMaskFromColor(0xFF000000 | colour, mode))).boundingRect();
}

// The colours along a row or column of `widget` from `from` to `to`, run by run: "b8k1" is eight pixels
// of window blue, then one of black; "?" is any colour but the game's own.
QString runs(QWidget* widget, QPoint from, QPoint to)
{
    static const QHash<QRgb, QChar> names{{0x000000, 'k'}, {0xFFFFFF, 'w'}, {0x60ABFF, 'b'},
                                          {0x88CAFF, 'l'}, {0x00FF00, 'g'}, {0x17EA00, 's'},
                                          {0x404040, 'd'}, {0xEFEFEF, 'e'}, {0x9F9F9F, 'm'}};
    const QImage image = widget->grab().toImage();
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
    QString seen;
    QChar last;
    int count = 0;
    for (QPoint p = from;; p += step) {
        const QChar name = names.value(image.pixel(p) & 0xFFFFFF, u'?');
        if (name != last && count > 0) {
            seen += last + QString::number(std::exchange(count, 0));
        }
        last = name;
        ++count;
        if (p == to) {
            return seen + last + QString::number(count);
        }
    }
}

}  // namespace

class GameWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Window> win;
    GameWindow* w = nullptr;

    template <typename T = QWidget> T* at(const QString& name) const { return part<T>(*w, name); }
    void click(const QString& name) { QTest::mouseClick(at(name), Qt::LeftButton); }
    // Steps separated by spaces: "click:cell2", "key:newGameButton:Space", "trigger:newGameAction"; a
    // key held down, repeating ("held:helpButton:Return"); a press or release alone, of the left button
    // or the right ("press:cell2", "release:helpButton:right"), a release 60 pixels below ("drag:cell2");
    // a box opening over the window, and closed ("box").
    void run(const QString& steps)
    {
        for (const QString& step : steps.split(u' ')) {
            const QStringList s = step.split(u':');
            if (s[0] == u"click") {
                click(s[1]);
            } else if (s[0] == u"key" || s[0] == u"held") {
                at(s[1])->setFocus();
                QKeyEvent repeated(QEvent::KeyPress, QKeySequence(s[2])[0].key(), Qt::NoModifier, {}, true);
                s[0] == u"key" ? QTest::keyClick(at(s[1]), QKeySequence(s[2])[0].key())
                               : void(QApplication::sendEvent(at(s[1]), &repeated));
            } else if (s[0] == u"press") {
                QTest::mousePress(at(s[1]), s.size() > 2 ? Qt::RightButton : Qt::LeftButton);
            } else if (s[0] == u"release" || s[0] == u"drag") {
                QTest::mouseRelease(at(s[1]), s.size() > 2 ? Qt::RightButton : Qt::LeftButton, {},
                                    s[0] == u"drag" ? QPoint(-30, 60) : QPoint());
            } else if (s[0] == u"box") {
                QMessageBox box(w);
                QTimer::singleShot(0, &box, &QDialog::accept);
                box.exec();
            } else {
                at<QAction>(s[1])->trigger();
            }
        }
    }
    // The board and everything else the window shows of the game: the name, the scores, the level,
    // each level's option and menu item (1 and 2 when checked), Computer's button and menu item; an
    // "A" for each About box; the buttons held, down or green.
    QString shown() const
    {
        QString levels, held;
        for (const ColourButton* b : w->centralWidget()->findChildren<ColourButton*>()) {
            held += b->isDown() || b->backColor() != colours::kLightBlue ? u' ' + b->objectName() : QString();
        }
        for (int i = 1; i <= 4; ++i) {
            levels += QString::number(at<QRadioButton>(QStringLiteral("levelOption%1").arg(i))->isChecked() +
                                      2 * at<QAction>(QStringLiteral("levelItem%1").arg(i))->isChecked());
        }
        return QStringLiteral("%1 %2 %3 %4 %5 %6 %7%8")
                   .arg(boardText(*w), at<QLabel>("nameLabel")->text(),
                        at<QLabel>("computerScoreLabel")->text(), at<QLabel>("playerScoreLabel")->text(),
                        at<QLabel>("levelLabel")->text(), levels)
                   .arg(at("computerButton")->isEnabled() ? "open" : "no",
                        at<QAction>("computerOpensAction")->isEnabled() ? "+" : "-") +
               QString(w->findChildren<AboutDialog*>().size(), u'A') + held;
    }

private slots:
    void init()
    {
        win = std::make_unique<Window>();
        w = &win->w;
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    // As the window opens, and what it draws after a move, in the game's own colours.
    void opensAsDrawn()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Zuzozu Ruvar 2.4.9"));
        QCOMPARE(QApplication::focusWidget(), at("newGameButton"));
        QCOMPARE(shown(), QStringLiteral("......... You 0 0 No Win 0003 open+"));
        QString menus;
        for (const QAction* menu : w->menuBar()->actions()) {
            menus += menu->text() + u':';
            for (const QAction* item : menu->menu() ? menu->menu()->actions() : QList<QAction*>{}) {
                menus += u' ' + (item->isSeparator() ? QStringLiteral("-") : item->text());
            }
            menus += u'|';
        }
        QCOMPARE(menus, QStringLiteral("&Edit: &New Game &Restart All - &Start by Computer &Help by Computer|"
                                       "&Difficulty: &Easy &Normal &Hard No &Win|&About:|"));
        // The seam between cells 0 and 1 belongs to 1; the lines over it never take the mouse.
        QCOMPARE(w->centralWidget()->childAt(128, 100), cell(*w, 1));

        // The scoreboard's captions set from their labels' tops, the level's from row 10 of the client
        // area; an option takes a click anywhere in its rectangle, right of its caption too, and the row
        // it shares with the option above.
        QCOMPARE(at("levelLabel")->y() + inkOf(at("levelLabel"), 0x0A007D).top(), 10);
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {},
                          w->centralWidget()->mapTo(w, QPoint(300, 24)));
        QCOMPARE(shown(), QStringLiteral("......... You 0 0 Normal 0300 open+"));

        const QRect caption = inkOf(at("helpButton"), 0, false, {3, 3, 51, 13});
        run("click:cell4 press:cell8 press:helpButton");
        QCOMPARE(inkOf(at("helpButton"), 0, false, {3, 3, 51, 13}), caption.translated(1, 1));  // pressed in
        // Down the left of the client area: New Game and Restart All raised, light blue in their bevels;
        // the board's frame and grid, three pixels wide, its corner closed. Along New Game, Computer and
        // the scoreboard's green, boxed in one-pixel lines; the bottom row, the cell held green; Help,
        // held, green in a sunk bevel.
        QWidget* client = w->centralWidget();
        const QStringList drawn{runs(client, {10, 0}, {10, 416}),   runs(client, {5, 47}, {9, 47}),
                                runs(client, {0, 9}, {240, 9}),     runs(client, {140, 40}, {240, 40}),
                                runs(client, {0, 300}, {376, 300}), runs(client, {80, 26}, {136, 26}),
                                runs(client, {82, 24}, {82, 40})};
        QCOMPARE(drawn.join(u' '),
                 "b8k1w1l13d1k1w1l13d1k1b6k3w117k3w117k3w117k3b7 b2k3 b8k1w62d1k1b7k1w54d1k1b7k1s87k1b8 "
                 "b4k89b8 b7k3w117k3w117k3g117k3b7 k1d1g53w1k1 k1d1g13w1k1");
        // Navy on the scoreboard, grey etched on the disabled Computer, the computer's blue O, the player's
        // red X.
        QVERIFY(!inkOf(at("levelLabel"), 0x0A007D).isEmpty() &&
                !inkOf(at("computerButton"), 0x808080).isEmpty() && !inkOf(cell(*w, 0), 0x0000FF).isEmpty() &&
                !inkOf(cell(*w, 4), 0xFF0000).isEmpty());
        // The X: 72 pt Tahoma in its own bold face, not one made bold, centred across and set from the
        // cell's top.
        const QFontMetrics metrics(QFont(QStringLiteral("Tahoma"), 72, QFont::Bold));
        const QRect glyph = metrics.tightBoundingRect(QStringLiteral("X"));
        const QRect ink = inkOf(cell(*w, 4), 0xFFFFFF, true);
        QVERIFY2(QFontDatabase::styles(QStringLiteral("Tahoma")).contains(QStringLiteral("Bold")) &&
                     qAbs(ink.left() - (121 - metrics.horizontalAdvance(QStringLiteral("X"))) / 2) <= 1 &&
                     qAbs(ink.top() - (metrics.ascent() + glyph.top())) <= 1,
                 qPrintable(QDebug::toString(ink)));
    }

    void everyControlReachesItsCommand_data()
    {
        // From a game under way at Hard with scores and a name: each way in, and what the window shows after.
        // A button triggers its command's action, the menu item, so a click reaches both.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("after");
        const QString played = "O.X.X.O.. Ann 1 1 Hard 0030 no-",
                      cleared = "......... Ann 1 1 Hard 0030 open+",
                      restarted = "......... You 0 0 Hard 0030 open+",
                      opened = "....O.... Ann 1 1 Hard 0030 no-",
                      named = "O...X.... <b>Bo</b> 1 1 Hard 0030 no-",
                      unchanged = "O...X.... Ann 1 1 Hard 0030 no-";
        const std::pair<const char*, QString> rows[] = {
            {"click:cell2", played},
            {"key:newGameButton:9", played},
            {"key:newGameButton:1", "O.O.X.X.. Ann 1 1 Hard 0030 no-"},
            {"key:newGameButton:7", unchanged},
            {"click:newGameButton", cleared},
            {"key:newGameButton:Space", cleared},
            {"key:newGameButton:Return", cleared},
            {"key:helpButton:Enter", played},
            {"click:restartAllButton", restarted},
            {"click:helpButton", played},
            {"click:newGameButton click:computerButton", opened},
            {"click:computerButton trigger:computerOpensAction", unchanged},
            {"click:levelOption1", "......... You 0 0 Easy 3000 open+"},
            {"trigger:levelItem1", "......... You 0 0 Easy 3000 open+"},
            {"trigger:levelItem2", "......... You 0 0 Normal 0300 open+"},
            {"trigger:levelItem4", "......... You 0 0 No Win 0003 open+"},
            {"trigger:levelItem3", unchanged},
            {"click:nameLabel", named},
            {"key:nameLabel:Return", named},
            {"key:nameLabel:Space", named},
            {"held:helpButton:Return held:nameLabel:Space", unchanged},
            {"held:nameLabel:Return press:nameLabel drag:nameLabel press:cell2 drag:cell2", unchanged},
            {"trigger:aboutAction trigger:aboutAction", unchanged + 'A'},
            // Pressed green until let go, the right button too, which clicks nothing; a button disabled
            // while held, or under a box that takes the mouse, lets go; a cell held as the window goes.
            {"press:newGameButton:right", unchanged + " newGameButton"},
            {"press:newGameButton:right release:newGameButton:right", unchanged},
            {"click:newGameButton press:computerButton trigger:computerOpensAction", opened},
            {"press:newGameButton press:cell2 box", unchanged},
            {"press:cell2", "O.?.X.... Ann 1 1 Hard 0030 no-"}};
        for (const auto& [steps, after] : rows) {
            QTest::newRow(steps) << QString::fromLatin1(steps) << after;
        }
    }

    void everyControlReachesItsCommand()
    {
        QFETCH(QString, steps);
        QFETCH(QString, after);
        // The player's left column (the box over the final position, and then the score), the
        // computer's diagonal, a name, and X in the centre.
        QStringList boxes;
        win->dialogs.onOutcome = [&](QWidget* over, const QString& text) {
            boxes << text + u' ' + shown() + (over == w ? " over the game" : "");
        };
        run("click:levelOption3 click:cell0 click:cell8 click:cell6 click:cell3 click:cell1 click:cell2");
        QCOMPARE(boxes, (QStringList{"<< You Win >> X.OXO.XOX You 0 0 Hard 0030 no- over the game",
                                     "<< You Failed >> OXX.O...O You 0 1 Hard 0030 no- over the game"}));
        win->dialogs.nextName = QStringLiteral("Ann");
        run("click:nameLabel click:cell4");
        win->dialogs.nextName = QStringLiteral("<b>Bo</b>");
        run(steps);
        QCOMPARE(shown(), after);
    }

    // Tab goes round the buttons, the options (entered at the selected one, from either side, as on
    // Windows; the arrow keys move among them and choose) and the name; the name is framed only
    // while it has the focus.
    void theKeyboardAlone()
    {
        const QImage unfocused = at("nameLabel")->grab().toImage();
        QStringList order;
        bool framed = false;
        for (int i = 0; i < 7; ++i) {
            order << QApplication::focusWidget()->objectName();
            framed |= at("nameLabel")->hasFocus() && inkOf(at("nameLabel"), 0x0A007D) == QRect(1, 1, 39, 15);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order.join(u' '), QStringLiteral("newGameButton computerButton restartAllButton helpButton "
                                                  "levelOption4 nameLabel newGameButton"));
        click("nameLabel");  // which leaves the focus where it was
        // Computer, reached by Tab, framed three pixels in.
        QVERIFY(framed && at("nameLabel")->grab().toImage() == unfocused &&
                inkOf(at("computerButton"), 0x88CAFF, true, {2, 2, 50, 6}).topLeft() == QPoint(1, 1));
        run("trigger:levelItem2 key:nameLabel:Backtab");
        QCOMPARE(QApplication::focusWidget(), at("levelOption2"));
        run("key:levelOption2:Up");
        QVERIFY(at("levelOption1")->hasFocus() && at<QRadioButton>("levelOption1")->isChecked());
    }

    // Shown literally and as plain text, over a game under way that stays as it was; Cancel keeps the name.
    // One wider than its label shows its start.
    void namesAreShownExactlyAsTyped()
    {
        click("cell0");
        const QString rest = shown().remove(QStringLiteral(" You ")), wide = "Wider than its label";
        QList<QImage> drawn;
        for (const QString& name :
             {QStringLiteral("W\u00e9<&>\u05d0 ").repeated(14286), QString(),
              QStringLiteral("<img src=x>\t\U0001F3B2") + QChar(0) + u'B', wide, wide + u'C'}) {
            for (const auto& answer : {std::optional(name), std::optional<QString>()}) {
                win->dialogs.nextName = answer;
                click("nameLabel");
                QCOMPARE(shown().remove(u' ' + name + u' '), rest);
            }
            drawn << at("nameLabel")->grab().toImage();
        }
        QVERIFY(at<QLabel>("nameLabel")->textFormat() == Qt::PlainText && w->size() == w->minimumSize() &&
                w->size() == w->maximumSize() && drawn[3] == drawn[4] && drawn[2] != drawn[3] &&
                win->dialogs.prompts.at(0) == " What is your name ? ");
    }

    // Each row's text and top (190, 550, 910, 1270, 1630 twips to the nearest pixel), drawn in italics
    // (making its font italic changes none of its pixels); the user as plain text without control
    // characters, or the user's number when there is no name. The desktop's user is the login of the
    // user database and its number, whatever $USER says.
    void aboutFillsTheBoxInPlace()
    {
        qputenv("USER", "someone-else");
        const QFileInfo self(QStringLiteral("/proc/self"));  // owned by our user, on Linux
        QVERIFY(QSysInfo::kernelType() != u"linux" || SystemDesktop().userName() + SystemDesktop().userId() ==
                                                          self.owner() + QString::number(self.ownerId()));
        FakeDesktop desktop;
        for (const auto& [given, user] : {std::pair<QString, QString>{"player", "player"},
                                          {"", "user ID 1000"},
                                          {"<b>a\tb\nc\r\x1b\x7f\u0085\u2028d</b>", "<b>abcd</b>"}}) {
            desktop.user = given;
            AboutDialog box(desktop);
            QString rows;
            for (const QString& name : kRows) {
                auto* row = part<QLabel>(box, name);
                rows += row->text() + u'@' + QString::number(row->y()) + u'|';
                const QImage drawn = row->grab().toImage();
                QFont italic = row->font();
                italic.setItalic(true);
                row->setFont(italic);
                QVERIFY2(row->grab().toImage() == drawn && row->textFormat() == Qt::PlainText,
                         qPrintable(name));
            }
            QCOMPARE(rows, QString::fromUtf8(kTitle) + "@13|Version: " + QString::fromUtf8(kDisplayVersion) +
                               "@37|Created by " + QString::fromUtf8(kCompany) + "@61|" +
                               QString::fromUtf8(kCopyright) + "@85|" + kLicence + user + "@109|");
            // Down the frame: sunk, four separators etched (dark over light), the box's face around.
            QVERIFY(box.windowTitle() == "About " + QString::fromUtf8(kTitle) &&
                    box.size() == QSize(361, 137) && box.maximumSize() == box.minimumSize() &&
                    runs(&box, {100, 0}, {100, 136}) == "m1w1e30m1w2e21m1w2e21m1w2e21m1w2e20m1w1e8" &&
                    part<QLabel>(box, "iconLabel")->pixmap().size() == QSize(48, 48) &&
                    part(box, "licenseeRow")->accessibleName() == kLicence + user);
        }
    }

    // The game's About: Return presses the button with the focus (OK as the box opens), and Mail when
    // none has it. Mail writes to the author and leaves the box open; OK closes it for good.
    void aboutKeysAndButtonsDoWhatTheySay()
    {
        run("trigger:aboutAction");
        QPointer<AboutDialog> box = w->findChild<AboutDialog*>();
        QTRY_COMPARE(QApplication::focusWidget(), part(*box, "okButton"));
        QTest::mouseClick(part(*box, "mailButton"), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // on Mail, now focused
        QApplication::focusWidget()->clearFocus();
        QTest::keyClick(box, Qt::Key_Enter);
        QVERIFY(box->isVisible());
        part(*box, "okButton")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(box.isNull());
        QCOMPARE(win->desktop.opened,
                 std::vector<QUrl>(3, QUrl("mailto:" + QString::fromUtf8(kMailAddress))));
    }
};

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"
