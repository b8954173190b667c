// The game window told as stories: through its handlers and through real
// mouse and key events, with the modal boxes faked. The rules that hold after
// any action at all are checked by the property test.

#include <memory>

#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "ui/about/frm_about.hpp"
#include "window.hpp"

using namespace vovodi;
using namespace vovodi::testing;

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Window> win;
    Form1* w = nullptr;

    void click(int cell) { QTest::mouseClick(w->BO[cell], Qt::LeftButton); }
    QString board() const { return boardText(*w); }
    QString scores() const { return w->Label1->text() + w->Label3->text() + w->Label4->text(); }
    QStringList boxes() const
    {
        QStringList texts;
        for (const auto& o : win->dialogs.outcomes) {
            texts << o.text;
        }
        return texts;
    }

private slots:
    void init()
    {
        win = std::make_unique<Window>();
        w = &win->w;
    }

    void startsAsDesigned()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(w->windowTitle(), QStringLiteral("Zuzozu Ruvar 2.4.9"));
        QCOMPARE(w->Level, 4);
        QVERIFY(w->Level1[4]->isChecked() && w->difm[4]->isChecked() && w->Label2->text() == u"No Win");
        QCOMPARE(QApplication::focusWidget(), w->Command1);
        QCOMPARE(board() + scores(), QStringLiteral(".........You00"));

        // At 96 dpi: a fixed 377 x 417 client area, cells of 121 px on a 120 px pitch.
        QCOMPARE(w->centralWidget()->size(), QSize(377, 417));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(w->BO[i]->geometry(), QRect(8 + 120 * (i % 3), 48 + 120 * (i / 3), 121, 121));
        }
        QCOMPARE(w->Command1->geometry(), QRect(8, 8, 65, 17));
        QCOMPARE(w->Level1[4]->geometry(), QRect(312, 24, 57, 17));
        // The seam between BO(0) and BO(1) belongs to BO(1); the lines over it never take the mouse.
        QCOMPARE(w->centralWidget()->childAt(128, 100), w->BO[1]);
        QCOMPARE(w->centralWidget()->childAt(127, 100), w->BO[0]);
        QCOMPARE(w->centralWidget()->childAt(200, 48), w->BO[1]);
    }

    void playerWinsAndTheComputerOpensTheNext()
    {
        w->Level1[3]->click();  // Hard
        QString seen;
        win->dialogs.onOutcome = [&](const QString&) {
            seen = board() + (w->BO[3]->foreColor() == colours::kMarkRed ? "red" : "?") + w->Label4->text();
        };
        for (int cell : {0, 8, 6, 3}) {
            click(cell);
        }
        QCOMPARE(boxes(), QStringList{"<< You Win >>"});
        QCOMPARE(win->dialogs.outcomes[0].parent, w);
        // While the box is open the winning X is on the board, red, and nothing is scored yet.
        QCOMPARE(seen, QStringLiteral("X.OXO.XOXred0"));
        // Then: scored, cleared, and the computer has opened the next game in the centre,
        // so it may not open it again.
        QCOMPARE(scores(), QStringLiteral("You01"));
        QCOMPARE(board(), QStringLiteral("....O...."));
        QVERIFY(coloursHold(*w));
        QVERIFY(!w->Command2->isEnabled() && !w->sbcm->isEnabled());
    }

    void computerWinsAndAFullBoardStays()
    {
        for (int cell : {1, 2, 5}) {
            click(cell);
        }
        QCOMPARE(boxes(), QStringList{"<< You Failed >>"});
        QCOMPARE(scores() + board(), QStringLiteral("You10........."));
        QVERIFY(w->Command2->isEnabled() && w->sbcm->isEnabled());

        for (int cell : {4, 8, 1, 3, 6}) {
            click(cell);
        }
        const QString full = board();
        QVERIFY(!full.contains(u'.'));
        for (int cell = 0; cell < 9; ++cell) {
            click(cell);
        }
        w->Command4->click();
        QCOMPARE(board(), full);
        QCOMPARE(boxes().size(), 1);
        w->Command1->click();
        QCOMPARE(scores() + board(), QStringLiteral("You10........."));
    }

    void helpPlaysThePlayersMove_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        for (int level = 1; level <= 4; ++level) {
            const auto row = [&](const char* name, const char* before, const char* after) {
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(name).arg(level)))
                    << level << QString(before) << QString(after);
            };
            row("empty", ".........", "O...X....");
            row("centre O", "....O....", level == 4 ? "X...O...O" : "X.O.O....");
            row("only 8 free", "XOXXOOOX.", "XOXXOOOXX");
            row("full", "XOXXOOOXX", "XOXXOOOXX");
            // Normal blocks the computer's row before it completes the player's own.
            row("two in a row", "XX.OO....", level == 2 ? "XXOOOX..." : "....O....");
        }
    }

    void helpPlaysThePlayersMove()
    {
        QFETCH(int, level);
        QFETCH(QString, before);
        QFETCH(QString, after);
        const bool wins = before == u"XX.OO...." && level != 2;
        for (const bool menu : {false, true}) {  // the button and the menu item alike
            init();
            w->difm[level]->trigger();
            setBoard(*w, before);
            win->dialogs.onOutcome = [&](const QString&) { QVERIFY(coloursHold(*w)); };
            menu ? w->hbcm->trigger() : w->Command4->click();
            QCOMPARE(board(), after);
            QVERIFY(coloursHold(*w));
            QCOMPARE(boxes(), wins ? QStringList{"<< You Win >>"} : QStringList{});
            QCOMPARE(w->Label4->text(), wins ? QStringLiteral("1") : QStringLiteral("0"));
        }
    }

    void openingsAlternateAcrossGamesAndLevels()
    {
        QStringList openings;
        const auto open = [&](bool menu) {
            menu ? w->sbcm->trigger() : w->Command2->click();
            openings << board();
        };
        open(false);
        w->Command2->click();  // unavailable until the board is cleared
        w->Command1->click();
        open(true);
        w->Command3->click();
        open(false);
        w->difm[1]->trigger();
        open(true);
        w->Level1[2]->click();
        open(false);
        QCOMPARE(openings, (QStringList{"....O....", "O........", "....O....", "O........", "....O...."}));
    }

    void commandsAndMenusAgree()
    {
        const auto playSome = [&] {
            click(0);
            w->Label1->setText(QStringLiteral("Ann"));
            w->Label3->setText(QStringLiteral("5"));
            w->Label4->setText(QStringLiteral("7"));
        };
        playSome();
        w->New1m->trigger();  // New Game keeps scores and name
        QCOMPARE(board() + scores(), QStringLiteral(".........Ann57"));
        playSome();
        w->New2m->trigger();  // Restart All resets them
        QCOMPARE(board() + scores(), QStringLiteral(".........You00"));

        // A difficulty from the menu selects its option, and everything restarts.
        playSome();
        w->difm[1]->trigger();
        QVERIFY(w->Level1[1]->isChecked() && !w->difm[4]->isChecked());
        QCOMPARE(w->Level, 1);
        QCOMPARE(w->Label2->text(), QStringLiteral("Easy"));
        QCOMPARE(board() + scores(), QStringLiteral(".........You00"));
        // Choosing the level already in force does nothing, on either path.
        playSome();
        w->difm[1]->trigger();
        QTest::mouseClick(w->Level1[1], Qt::LeftButton);
        QVERIFY(w->difm[1]->isChecked() && w->Level1[1]->isChecked());
        QCOMPARE(scores(), QStringLiteral("Ann57"));
        QCOMPARE(board().count(u'.'), 7);
    }

    void digitKeysPlayOnlyOnNewGame()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        for (Qt::Key k : {Qt::Key_5, Qt::Key_5, Qt::Key_0, Qt::Key_A}) {
            QTest::keyClick(w->Command1, k);
        }
        QCOMPARE(board(), QStringLiteral("O...X...."));
        QTest::keyClick(w->Command1, Qt::Key_9);  // top right
        QCOMPARE(board(), QStringLiteral("O.X.X.O.."));
        QTest::keyClick(w->Command1, Qt::Key_Space);  // the button's own key still works
        QCOMPARE(board(), QStringLiteral("........."));

        // After a click on Help the focus is there, and digits do nothing.
        QTest::mouseClick(w->Command4, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), w->Command4);
        const QString afterHelp = board();
        QTest::keyClick(w->Command4, Qt::Key_1);
        QCOMPARE(board(), afterHelp);
        // Clicking a cell or using a menu does not move the focus.
        w->Command1->setFocus();
        click(8);
        w->New1m->trigger();
        QCOMPARE(QApplication::focusWidget(), w->Command1);
    }

    void pressesShowGreenUntilRelease()
    {
        // A cell: green while held, white on release, and only then the move.
        QTest::mousePress(w->BO[4], Qt::LeftButton);
        QCOMPARE(w->BO[4]->backColor(), colours::kPressGreen);
        QCOMPARE(board(), QStringLiteral("........."));
        QTest::mouseRelease(w->BO[4], Qt::LeftButton);
        QCOMPARE(w->BO[4]->backColor(), colours::kWhite);
        QCOMPARE(board(), QStringLiteral("O...X...."));
        // Released away from where it began: the cell goes white, nothing is played.
        QTest::mousePress(w->BO[8], Qt::LeftButton);
        QTest::mouseRelease(w->BO[8], Qt::LeftButton, {}, QPoint(-30, 60));
        QCOMPARE(w->BO[8]->backColor(), colours::kWhite);
        QCOMPARE(board(), QStringLiteral("O...X...."));
        // The right button on a button: green, then light blue, and no click.
        QTest::mousePress(w->Command1, Qt::RightButton);
        QCOMPARE(w->Command1->backColor(), colours::kPressGreen);
        QTest::mouseRelease(w->Command1, Qt::RightButton);
        QCOMPARE(w->Command1->backColor(), colours::kLightBlue);
        QCOMPARE(board(), QStringLiteral("O...X...."));
    }

    void theNameIsAskedForAndShownAsPlainText()
    {
        const auto answer = [&](std::optional<QString> name) {
            win->dialogs.nextName = std::move(name);
            QTest::mouseClick(w->Label1, Qt::LeftButton);
            return w->Label1->text();
        };
        QCOMPARE(answer(QStringLiteral("Ann")), QStringLiteral("Ann"));
        QCOMPARE(answer(std::nullopt), QStringLiteral("Ann"));  // Cancel keeps the name
        QCOMPARE(answer(QStringLiteral("<b>Ann</b>")), QStringLiteral("<b>Ann</b>"));
        QCOMPARE(w->Label1->textFormat(), Qt::PlainText);
        QCOMPARE(answer(QString()), QString());  // an empty answer empties it
        QCOMPARE(win->dialogs.prompts, QStringList(4, QStringLiteral(" What is your name ? ")));
    }

    void theRealOutcomeBoxWaitsForOk()
    {
        QtDialogs real;
        QString seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen = QStringLiteral("%1|%2|%3|%4")
                       .arg(box->text(), box->windowTitle())
                       .arg(box->icon() == QMessageBox::NoIcon)
                       .arg(box->buttons().size());
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        w->show();
        real.showOutcome(w, QStringLiteral("<< You Win >>"));
        QCOMPARE(seen, QStringLiteral("<< You Win >>|Vovodi|1|1"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void aboutStaysBesideTheGameAndClosesWithIt()
    {
        w->show();
        w->aboutm->trigger();
        QPointer<frmAbout> about = w->aboutDialog();
        QVERIFY(about && about->isVisible());
        w->aboutm->trigger();
        QCOMPARE(w->aboutDialog(), about.data());
        click(4);  // the game still takes moves
        QCOMPARE(board(), QStringLiteral("O...X...."));
        w->close();
        QTRY_VERIFY(!about);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
