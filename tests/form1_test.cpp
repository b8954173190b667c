// The game window driven as a user drives it: through its handlers, and
// through real mouse and key events, with the modal boxes faked.

#include <memory>

#include <QAccessible>
#include <QActionGroup>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "fakes.hpp"
#include "ui/about/frm_about.hpp"
#include "ui/main/colours.hpp"
#include "ui/main/form1.hpp"

using namespace vovodi;
using vovodi::testing::FakeDesktop;
using vovodi::testing::FakeDialogs;

namespace {

// "X", "O" or "." per cell, row by row.
QString boardText(const Form1& w)
{
    QString s;
    for (const Cell* c : w.BO) {
        s += c->caption().isEmpty() ? QStringLiteral(".") : c->caption();
    }
    return s;
}

// Writes marks into the cells in their owners' colours.
void setBoard(Form1& w, const QString& cells)
{
    for (int i = 0; i < 9; ++i) {
        const QString mark = cells[i] == u'.' ? QString() : QString(cells[i]);
        w.BO[i]->setCaption(mark);
        w.BO[i]->setForeColor(mark == u"X" ? colours::kMarkRed : colours::kMarkBlue);
    }
}

// Every X red, every O and free cell blue, every background white.
bool coloursHold(const Form1& w)
{
    for (const Cell* c : w.BO) {
        const QColor want = c->caption() == u"X" ? colours::kMarkRed : colours::kMarkBlue;
        if (c->foreColor() != want || c->backColor() != colours::kWhite) {
            return false;
        }
    }
    return true;
}

QStringList outcomeTexts(const FakeDialogs& d)
{
    QStringList texts;
    for (const auto& o : d.outcomes) {
        texts << o.text;
    }
    return texts;
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeDialogs> dialogs;
    std::unique_ptr<FakeDesktop> desktop;
    std::unique_ptr<Form1> w;

    void clickCell(int i) { QTest::mouseClick(w->BO[i], Qt::LeftButton); }

    // At rest, the computer may open the game exactly while the board is empty.
    void checkComputerFirst()
    {
        const bool empty = boardText(*w) == QStringLiteral(".........");
        QCOMPARE(w->Command2->isEnabled(), empty);
        QCOMPARE(w->sbcm->isEnabled(), empty);
    }

private slots:
    void init()
    {
        dialogs = std::make_unique<FakeDialogs>();
        desktop = std::make_unique<FakeDesktop>();
        w = std::make_unique<Form1>(*dialogs, *desktop);
    }
    void cleanup() { w.reset(); }

    void startsAsDesigned()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCOMPARE(w->windowTitle(), QStringLiteral("Zuzozu Ruvar 2.4.9"));
        QCOMPARE(w->Level, 4);
        QCOMPARE(w->Label2->text(), QStringLiteral("No Win"));
        QVERIFY(w->Level1[4]->isChecked());
        QVERIFY(w->difm[4]->isChecked() && !w->difm[1]->isChecked());
        QCOMPARE(QApplication::focusWidget(), w->Command1);
        QCOMPARE(boardText(*w), QStringLiteral("........."));
        QCOMPARE(w->Label1->text() + w->Label3->text() + w->Label4->text(), QStringLiteral("You00"));
        checkComputerFirst();

        // Geometry at 96 dpi: a fixed 377 x 417 client area, cells 121 px on a 120 px pitch.
        QCOMPARE(w->centralWidget()->size(), QSize(377, 417));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(w->BO[i]->geometry(), QRect(8 + 120 * (i % 3), 48 + 120 * (i / 3), 121, 121));
        }
        // The seam between BO(0) and BO(1) belongs to BO(1); lines never take the mouse.
        QWidget* client = w->centralWidget();
        QCOMPARE(client->childAt(128, 100), w->BO[1]);
        QCOMPARE(client->childAt(127, 100), w->BO[0]);
        QCOMPARE(client->childAt(200, 48), w->BO[1]);
        QCOMPARE(w->Command1->geometry(), QRect(8, 8, 65, 17));
        QCOMPARE(w->Level1[4]->geometry(), QRect(312, 24, 57, 17));
    }

    void playerWinsAndTheComputerOpensTheNext()
    {
        w->Level1[3]->click();  // Hard
        QCOMPARE(w->Level, 3);
        struct Seen {
            QString board;
            QColor winningColour;
            QString playerScore;
            bool computerFirst;
        };
        std::vector<Seen> seen;
        dialogs->onOutcome = [&](const QString&) {
            seen.push_back(
                {boardText(*w), w->BO[3]->foreColor(), w->Label4->text(), w->Command2->isEnabled()});
        };
        for (int cell : {0, 8, 6}) {
            clickCell(cell);
            checkComputerFirst();
        }
        QCOMPARE(boardText(*w), QStringLiteral("X.O.O.XOX"));
        clickCell(3);
        QCOMPARE(outcomeTexts(*dialogs), QStringList{QStringLiteral("<< You Win >>")});
        QCOMPARE(dialogs->outcomes[0].parent, w.get());
        // While the box is open the winning X is on the board, red, and nothing is scored yet.
        QCOMPARE(seen[0].board, QStringLiteral("X.OXO.XOX"));
        QCOMPARE(seen[0].winningColour, colours::kMarkRed);
        QCOMPARE(seen[0].playerScore, QStringLiteral("0"));
        QVERIFY(!seen[0].computerFirst);
        // Then: scored, cleared, and the computer has opened the next game in the centre.
        QCOMPARE(w->Label4->text(), QStringLiteral("1"));
        QCOMPARE(w->Label3->text(), QStringLiteral("0"));
        QCOMPARE(boardText(*w), QStringLiteral("....O...."));
        QVERIFY(coloursHold(*w));
        checkComputerFirst();  // the computer cannot open this game a second time
        w->sbcm->trigger();
        QCOMPARE(boardText(*w), QStringLiteral("....O...."));
    }

    void computerWinsAndThePlayerOpensTheNext()
    {
        for (int cell : {1, 2, 5}) {
            clickCell(cell);
        }
        QCOMPARE(outcomeTexts(*dialogs), QStringList{QStringLiteral("<< You Failed >>")});
        QCOMPARE(w->Label3->text(), QStringLiteral("1"));
        QCOMPARE(w->Label4->text(), QStringLiteral("0"));
        QCOMPARE(boardText(*w), QStringLiteral("........."));
        checkComputerFirst();
        QVERIFY(coloursHold(*w));
    }

    void aFullBoardStaysUntilANewGame()
    {
        for (int cell : {4, 8, 1, 3, 6}) {
            clickCell(cell);
        }
        const QString full = boardText(*w);
        QVERIFY(!full.contains(u'.'));
        QVERIFY(dialogs->outcomes.empty());
        for (int cell = 0; cell < 9; ++cell) {
            clickCell(cell);
        }
        w->Command4->click();
        QCOMPARE(boardText(*w), full);
        QVERIFY(dialogs->outcomes.empty());
        QVERIFY(coloursHold(*w));
        checkComputerFirst();
        w->Command1->click();
        QCOMPARE(boardText(*w), QStringLiteral("........."));
        QCOMPARE(w->Label3->text() + w->Label4->text(), QStringLiteral("00"));
        checkComputerFirst();
    }

    void helpPlaysThePlayersMove_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        for (int level = 1; level <= 4; ++level) {
            const QByteArray l = QByteArray::number(level);
            const auto row = [&](const char* name, const char* before, const char* after) {
                QTest::newRow(QByteArray(name) + ' ' + l) << level << QString(before) << QString(after);
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
        // The button and the menu item give the same game.
        for (const bool menu : {false, true}) {
            init();
            w->difm[level]->trigger();
            setBoard(*w, before);
            dialogs->onOutcome = [&](const QString&) { QVERIFY(coloursHold(*w)); };
            menu ? w->hbcm->trigger() : w->Command4->click();
            QCOMPARE(boardText(*w), after);
            QVERIFY(coloursHold(*w));
            const bool won = before == u"XX.OO...." && level != 2;
            QCOMPARE(outcomeTexts(*dialogs),
                     won ? QStringList{QStringLiteral("<< You Win >>")} : QStringList{});
            QCOMPARE(w->Label4->text(), won ? QStringLiteral("1") : QStringLiteral("0"));
            checkComputerFirst();
        }
    }

    void openingsAlternateAcrossGamesAndLevels()
    {
        QStringList openings;
        const auto open = [&](bool menu) {
            menu ? w->sbcm->trigger() : w->Command2->click();
            openings << boardText(*w);
            checkComputerFirst();
        };
        open(false);
        w->Command2->click();  // unavailable now: nothing happens
        QCOMPARE(boardText(*w), openings.last());
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
            clickCell(0);
            w->Label1->setText(QStringLiteral("Ann"));
            w->Label3->setText(QStringLiteral("5"));
            w->Label4->setText(QStringLiteral("7"));
        };
        playSome();
        w->New1m->trigger();  // New Game keeps scores and name
        QCOMPARE(boardText(*w) + w->Label1->text() + w->Label3->text() + w->Label4->text(),
                 QStringLiteral(".........Ann57"));
        playSome();
        w->New2m->trigger();  // Restart All resets them
        QCOMPARE(boardText(*w) + w->Label1->text() + w->Label3->text() + w->Label4->text(),
                 QStringLiteral(".........You00"));

        // A difficulty from the menu selects its option, and everything restarts.
        playSome();
        w->difm[1]->trigger();
        QVERIFY(w->Level1[1]->isChecked() && w->difm[1]->isChecked() && !w->difm[2]->isChecked());
        QCOMPARE(w->Level, 1);
        QCOMPARE(w->Label2->text(), QStringLiteral("Easy"));
        QCOMPARE(boardText(*w) + w->Label1->text() + w->Label3->text() + w->Label4->text(),
                 QStringLiteral(".........You00"));
        w->Level1[2]->click();
        // Choosing the level already in force does nothing, on either path.
        playSome();
        w->difm[2]->trigger();
        w->Level1[2]->click();
        QTest::mouseClick(w->Level1[2], Qt::LeftButton);
        QVERIFY(w->difm[2]->isChecked() && w->Level1[2]->isChecked());
        QCOMPARE(w->Label1->text() + w->Label3->text() + w->Label4->text(), QStringLiteral("Ann57"));
        QCOMPARE(boardText(*w).count(u'.'), 7);
    }

    void digitKeysPlayOnlyOnNewGame()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCOMPARE(QApplication::focusWidget(), w->Command1);
        QTest::keyClick(w->Command1, Qt::Key_5, Qt::NoModifier);
        QCOMPARE(boardText(*w), QStringLiteral("O...X...."));
        QTest::keyClick(w->Command1, Qt::Key_5, Qt::NoModifier);
        QTest::keyClick(w->Command1, Qt::Key_0, Qt::NoModifier);
        QTest::keyClick(w->Command1, Qt::Key_A, Qt::NoModifier);
        QCOMPARE(boardText(*w), QStringLiteral("O...X...."));
        QTest::keyClick(w->Command1, Qt::Key_9, Qt::NoModifier);  // top right
        QCOMPARE(boardText(*w), QStringLiteral("O.X.X.O.."));
        QTest::keyClick(w->Command1, Qt::Key_Space);  // the button's own key still works
        QCOMPARE(boardText(*w), QStringLiteral("........."));

        // After a click on Help the focus is there, and digits do nothing.
        QTest::mouseClick(w->Command4, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), w->Command4);
        const QString afterHelp = boardText(*w);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
        QCOMPARE(boardText(*w), afterHelp);
        // Clicking a cell or using a menu does not move the focus.
        w->Command1->setFocus();
        clickCell(8);
        w->New1m->trigger();
        QCOMPARE(QApplication::focusWidget(), w->Command1);
        QTest::keyClick(w->Command1, Qt::Key_7);
        QCOMPARE(boardText(*w).at(0), u'X');
    }

    void pressesShowGreenUntilRelease()
    {
        // A cell: green while held, white on release, and only then the move.
        QTest::mousePress(w->BO[4], Qt::LeftButton);
        QCOMPARE(w->BO[4]->backColor(), colours::kPressGreen);
        QCOMPARE(boardText(*w), QStringLiteral("........."));
        QTest::mouseRelease(w->BO[4], Qt::LeftButton);
        QCOMPARE(w->BO[4]->backColor(), colours::kWhite);
        QCOMPARE(boardText(*w), QStringLiteral("O...X...."));

        // Released away from where it began: the cell goes white, nothing is played.
        QTest::mousePress(w->BO[8], Qt::LeftButton);
        QTest::mouseRelease(w->BO[8], Qt::LeftButton, {}, QPoint(-30, 60));
        QCOMPARE(w->BO[8]->backColor(), colours::kWhite);
        QCOMPARE(boardText(*w), QStringLiteral("O...X...."));

        // Any mouse button on a button: green, then light blue; only the left one clicks.
        // (Computer is unavailable in a game under way and takes no press at all.)
        for (ColourButton* b : {w->Command1, w->Command2, w->Command3, w->Command4}) {
            QTest::mousePress(b, Qt::RightButton);
            QCOMPARE(b->backColor(), b->isEnabled() ? colours::kPressGreen : colours::kLightBlue);
            QTest::mouseRelease(b, Qt::RightButton);
            QCOMPARE(b->backColor(), colours::kLightBlue);
        }
        QCOMPARE(boardText(*w), QStringLiteral("O...X...."));
        QTest::mousePress(w->Command1, Qt::LeftButton);
        QCOMPARE(w->Command1->backColor(), colours::kPressGreen);
        QTest::mouseRelease(w->Command1, Qt::LeftButton);
        QCOMPARE(w->Command1->backColor(), colours::kLightBlue);
        QCOMPARE(boardText(*w), QStringLiteral("........."));

        // A digit key gives no colour change.
        w->Command1->setFocus();
        QTest::keyClick(w->Command1, Qt::Key_1);
        QVERIFY(coloursHold(*w));
    }

    void theNameIsAskedForAndShownAsPlainText()
    {
        const auto answer = [&](std::optional<QString> name) {
            dialogs->nextName = std::move(name);
            QTest::mouseClick(w->Label1, Qt::LeftButton);
        };
        answer(QStringLiteral("Ann"));
        QCOMPARE(w->Label1->text(), QStringLiteral("Ann"));
        answer(std::nullopt);  // Cancel keeps the name
        QCOMPARE(w->Label1->text(), QStringLiteral("Ann"));
        answer(QStringLiteral("<b>Ann</b> & Bo"));
        QCOMPARE(w->Label1->text(), QStringLiteral("<b>Ann</b> & Bo"));
        QCOMPARE(w->Label1->textFormat(), Qt::PlainText);
        answer(QString());  // an empty answer empties it
        QCOMPARE(w->Label1->text(), QString());
        QCOMPARE(dialogs->prompts, QStringList(4, QStringLiteral(" What is your name ? ")));
        w->Command3->click();
        QCOMPARE(w->Label1->text(), QStringLiteral("You"));
    }

    void theRealOutcomeBoxWaitsForOk()
    {
        QtDialogs real;
        QString seenText, seenTitle;
        int buttons = -1;
        QMessageBox::Icon icon = QMessageBox::Warning;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seenText = box->text();
            seenTitle = box->windowTitle();
            icon = box->icon();
            buttons = static_cast<int>(box->buttons().size());
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        w->show();
        real.showOutcome(w.get(), QStringLiteral("<< You Win >>"));
        QCOMPARE(seenText, QStringLiteral("<< You Win >>"));
        QCOMPARE(seenTitle, QStringLiteral("Vovodi"));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, 1);
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
        clickCell(4);  // the game still takes moves
        QCOMPARE(boardText(*w), QStringLiteral("O...X...."));
        w->close();
        QTRY_VERIFY(!about);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
